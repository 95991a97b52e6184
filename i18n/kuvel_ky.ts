<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ky" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Компьютерге каршы кубик оюну.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Аргументтердин бири бул локалда жарактуу текст эмес.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Күтүлбөгөн аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубик 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубик 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубик 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубик 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубик 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубик 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Жуп</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Үчтүк</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Төрттүк</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Бештик</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Кувел</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Кез.</translation>
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
        <translation>Кеттик!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Адегенде коюм кой… коюмуңду (акчаңдан ашпасын) жана кезектердин санын жаз (1ден 100гө чейин, болбосо оюн узакка созулат). Компьютер ала турган упайды тандап, «Кеттик!» баскычын бас — жолго чыктык! Кувел — 6 бирдей кубик, бештик — беш бирдей, төрттүк — төрт бирдей… мындан ашык сыр ачпайм. Болгону акчасыз калба. Көрүшкөнчө!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Компьютердин ар бир кезектеги упайы</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Акча</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Коюм</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Коюм кой</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Ойнолгон кезектер</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Сенин упайың</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Компьютердин упайы</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Коюм суммасы</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Кезек саны</translation>
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
        <translation>Кийинки жолу коюм кой — бул жолу эмне болорун жөн эле карап тур.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Укмуш! Кувел! Талашсыз жолуң болгону үчүн сага 1&#xa0;296 упай берем!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Сонун! Бештик чыгарыш үчүн жолуң болгон го — сага 216 упай берем!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Жакшы! Төрттүк! Бул үчүн сага 36 упай берем!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Төрттүк эле эмес, үстүнө дагы бир жуп! Сага 37 упай берем!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Үчтүк деле жаман эмес — анын үстүнө алты упай алып келет!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Үчтүк — дагы бир жупту көрүп жатамбы? Жети упай!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Эки үчтүк — бир эле учурда! Бул үчүн сага 12 упай берем!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Үч башка жуп анчалык деле көңүл бурарлык эмес, бирок баары бир үч упай алып келет.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Эки жуп… эки упайга араң жетет.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Жалгыз жуп… мындан жаманы болобу? Бул үчүн бир упай аласың.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Кандай сейрек кубулуш! Бардык сандарың ар башка — бул үчүн сага 66 упай берем!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Ооба, уттуң, бирок компьютер көп упай алган жок. Ошентсе да коюмуңду кайтарып берем.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Азаматсың! Уттуң! Бир гана көйгөй… компьютер ӨТӨ эле аз упай алды. Ошентсе да коюмуңа 5% кошуп берем.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Компьютер бир аз упай алды. Бирок оңой болду го, туурабы? 25% ашык аласың.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Компьютер бир топ упай алса да, сен аны жеңип чыккан окшойсуң. Коюмуңду эки эсе кылып кайтарам.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ал абдан көп упай алды, бирок сен баары бир уттуң! Бул үчүн коюмуңдун 5 эсесин аласың.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ал ушунча упай алса да, сен уттуң… эмне дээримди билбейм. Мына, коюмуңдун 10 эсеси.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Айбаттуу атаандаш менен беттешип, жеңип чыктың. Бул эрдигиң үчүн коюмуңдун 15 эсесин берем!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Тиги компьютер упайды ДЭЭРЛИК сендей тез топтоду! Коюмуңдун 25 эсесин берем.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ой-ой. Ага ушунча упай берип туруп, кантип уттуң!? Коюмуңдун 50 эсесин берүүгө туура келет.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Сен мындан аман чыктың деп ойлобойм.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>КОЮМ КОЮУНУ УНУТПА</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>КОЮМУҢДУ УНУТПА</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Уттурдуң! Кийинки жолу жолуң болсун…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Сенде да, компьютерде да 32&#xa0;767 упай — мындан көп болбойт, ошондуктан бул оюнда эч ким жеңе албайт. Коюмуң өзүңө кайтат.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Коюм суммасы: 0дөн акчаңдын өлчөмүнө чейинки бүтүн сан жаз, мисалы, 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Кезек саны: -32768ден 32767ге чейинки бүтүн сан жаз, мисалы, 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>КАТА! Акчаң терс боло албайт.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel оңдоого мүмкүн болбогон катага туш болду жана жабылышы керек.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Түр дал келбейт: «%1» сан эмес</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Ашып кетүү: %1 саны -32768 жана 32767 аралыгына батпайт</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ашып кетүү: «%1» өтө чоң сан</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ашып кетүү: «%1» -32768 жана 32767 аралыгынан тышкары</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Калкыма үтүр катасы: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Кубиктер %1 %2 %3 %4 %5 %6. Кезек %7. Сен %8, компьютер %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Акча %1, коюм %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Колдонулушу: %1</translation>
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
        <translation>Буйрук сабынын параметрлери боюнча жардамды көрсөтөт.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-ге тиешелүү параметрлерди кошо алганда жардамды көрсөтөт.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Версия жөнүндө маалыматты көрсөтөт.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Белгисиз параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Белгисиз параметрлер: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>«%1» параметринен кийин маани жок.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>«%1» параметринен кийин күтүлбөгөн маани.</translation>
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
