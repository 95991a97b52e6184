<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Компьютерге қарсы сүйек ойыны.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Аргументтердің бірі бұл локальда жарамды мәтін емес.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Күтілмеген аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Сүйек 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Сүйек 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Сүйек 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Сүйек 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Сүйек 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Сүйек 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Жұп</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Үштік</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Төрттік</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Бестік</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Кувел</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Тур</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Сен</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Комп</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Кеттік!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Алдымен бәс тік… бәсіңді (ақшаңнан аспасын) және тур санын енгіз (1-ден 100-ге дейін, әйтпесе ойын ұзаққа созылады). Компьютер алатын ұпайды таңда да, «Кеттік!» түймесін бас — бастадық! Кувел — 6 бірдей сүйек, бестік — бес бірдей, төрттік — төрт бірдей… бұдан артық сыр ашпаймын. Тек ақшасыз қалып жүрме. Көріскенше!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Компьютердің әр турдағы ұпайы</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Ақша</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Бәс</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Бәс тік</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Ойналған турлар</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Сенің ұпайың</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Компьютердің ұпайы</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Бәс сомасы</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Тур саны</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Келесі жолы бәс тік — бұл жолы не болатынын жай ғана көріп отыр.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Керемет! Кувел! Даусыз жолың болғаны үшін саған 1&#xa0;296 ұпай беремін!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Ғажап! Бестік түсіру үшін жолың болған шығар — саған 216 ұпай беремін!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Жақсы! Төрттік! Ол үшін саған 36 ұпай беремін!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Төрттік қана емес, үстіне тағы бір жұп! Саған 37 ұпай беремін!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Үштік те жаман емес — оның үстіне алты ұпай әкеледі!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Үштік — тағы бір жұп көріп тұрмын ба? Жеті ұпай!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Екі үштік — бір мезетте! Ол үшін саған 12 ұпай беремін!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Үш түрлі жұп онша таңғаларлық болмаса да, бәрібір үш ұпай әкеледі.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Екі жұп… екі ұпайға әрең жетеді.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Жалғыз жұп… бұдан сорақысы бола ма? Ол үшін бір ұпай аласың.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Қандай таңғажайып сирек жағдай! Барлық сандарың әртүрлі — ол үшін саған 66 ұпай беремін!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Иә, жеңдің, бірақ компьютер көп ұпай жинай алмады. Дегенмен бәсіңді қайтарып беремін.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Тамаша! Жеңдің! Жалғыз мәселе… компьютер ТЫМ аз ұпай жинады. Дегенмен бәсіңе 5% үстеп беремін.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Компьютер біраз ұпай жинады. Бірақ оңай болды ғой, солай емес пе? 25% артық аласың.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Компьютер біршама ұпай жинаса да, сен оны жеңіп шыққан сияқтысың. Бәсіңді екі есе етіп қайтарамын.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ол қыруар ұпай жинады, сонда да жеңіп шықтың! Ол үшін бәсіңнің 5 есесін аласың.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ол сонша ұпай жинаса да, сен жеңдің… не дерімді білмеймін. Мә, бәсіңнің 10 есесі.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Қаһарлы қарсыласпен айқасып, жеңіп шықтың. Осы ерлігің үшін бәсіңнің 15 есесін беремін!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Мына компьютер ұпайды ДЕРЛІК сендей жылдам жинады! Бәсіңнің 25 есесін беремін.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Апырай. Оған сонша ұпай бере тұра қалай жеңдің!? Бәсіңнің 50 есесін беруге тура келеді.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Бұдан аман шықтың деп ойламаймын.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>БӘС ТІГУДІ ҰМЫТПА</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>БӘСІҢДІ ҰМЫТПА</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Ұтылдың! Келесі жолы жолың болсын…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Сенде де, компьютерде де 32&#xa0;767 ұпай — бұдан көп болмайды, сондықтан бұл ойында ешкім жеңе алмайды. Бәсің өзіңе қайтады.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Бәс сомасы: 0-ден ақшаңның мөлшеріне дейінгі бүтін сан енгіз, мысалы, 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Тур саны: -32768-ден 32767-ге дейінгі бүтін сан енгіз, мысалы, 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ҚАТЕ! Ақшаң теріс бола алмайды.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel түзете алмайтын қатеге тап болды, енді жабылуы керек.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Тип сәйкессіздігі: «%1» сан емес</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Толып кету: %1 саны -32768 бен 32767 аралығына сыймайды</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Толып кету: «%1» тым үлкен сан</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Толып кету: «%1» -32768 бен 32767 аралығынан тыс</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Жылжымалы үтір қатесі: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Сүйектер %1 %2 %3 %4 %5 %6. Тур %7. Сен %8, компьютер %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Ақша %1, бәс %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Қолданылуы: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметрлер]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметрлер:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументтер:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Командалық жол параметрлері бойынша анықтаманы көрсетеді.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-ге тән параметрлерді қоса алғанда анықтаманы көрсетеді.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Нұсқа туралы ақпаратты көрсетеді.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Белгісіз параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Белгісіз параметрлер: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>«%1» параметрінен кейін мән жоқ.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>«%1» параметрінен кейін күтілмеген мән.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
