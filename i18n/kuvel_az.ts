<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="az" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Kompüterə qarşı zər oyunu.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Arqumentlərdən biri bu dil mühitində düzgün mətn deyil.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Gözlənilməz arqument: «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zər 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zər 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zər 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zər 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zər 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zər 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Cüt</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Üçlük</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Dördlük</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Beşlik</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Sən</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kompüter</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Getdik!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Başlamazdan əvvəl mərc qoy… mərcini (pulundan çox olmasın) və turların sayını (1-dən 100-ə qədər, yoxsa oyun uzandıqca uzanar) yaz. Kompüterin aldığı xalları tənzimlə, «Getdik!» düyməsini bas və yola düş! Kuvel 6 eyni zərdir, beşlik beş eyni zər, dördlük dörd eyni zər… bundan artığını deyə bilmərəm. Təki pulun qurtarmasın. Hələlik!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Kompüterin hər tur üçün xalı</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Pul</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Mərc</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Mərc qoy</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Oynanmış turlar</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Sənin xalın</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Kompüterin xalı</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Mərcin məbləği</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Turların sayı</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Oldu</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Növbəti dəfə mərc qoy – bu dəfə sadəcə nə olacağına baxmağa icazə verirəm.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Möhtəşəm! Kuvel! Danılmaz bəxtinə görə sənə 1296 xal verirəm!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Əla! Beşlik atmaq üçün yəqin ki, bəxtin lap gətirib – sənə 216 xal verirəm!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Gözəl! Dördlük! Bunun üçün sənə 36 xal verirəm!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Təkcə dördlük yox, üstəlik bir cüt də! Sənə 37 xal verirəm!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Üçlük heç də pis deyil – üstəlik sənə altı xal da qazandırır!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Üçlük – bir cüt də görürəm, yoxsa? Yeddi xal!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>İki üçlük – həm də eyni anda! Bunun üçün sənə 12 xal verirəm!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Üç fərqli cüt elə də diqqətəlayiq olmaya bilər, amma yenə də sənə üç xal qazandırır.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>İki cüt… ancaq iki xala çatır.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Tək bir cüt… bundan da pis ola bilərmi? Bunun üçün bir xal alırsan.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Nə ekzotik nadirlik! Bütün zərlərin fərqlidir – bunun üçün sənə 66 xal verirəm!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Hə, qalib gəldin, amma kompüter çox xal toplaya bilmədi. Yenə də mərcini geri qaytarıram.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Mükəmməl! Qalib gəldin! Yeganə problem budur ki… kompüter ÇOX AZ xal topladı. Yenə də mərcinin üstünə 5 faiz əlavə edirəm.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kompüter bir neçə xal topladı. Amma xeyli asan oldu, elə deyilmi? 25 faiz artıq alacaqsan.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Deyəsən, kompüter kifayət qədər xal toplasa da, sən onu üstələmisən. Mərcini iki qat geri qaytarıram.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>O, çoxlu xal topladı, sən isə yenə də qalib gələ bildin! Bunun üçün mərcinin 5 qatını alacaqsan.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>O qədər xal toplayıbsa və sən yenə də qazanmısansa… nə deyəcəyimi bilmirəm. Al, mərcinin 10 qatı.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Güclü rəqiblə vuruşdun və qalib gəldin. Bu cəsarətinə görə sənə mərcinin 15 qatını verirəm!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>O kompüter xalları DEMƏK OLAR Kİ sənin qədər sürətlə yığdı! Sənə mərcinin 25 qatını verirəm.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Vay dədə! Ona bu qədər xal verib necə qalib gəldin!? Daha sənə mərcinin 50 qatını verməli olacağam.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Məncə, bundan sağ çıxmadın.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>MƏRC QOYMAĞI UNUTMA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>MƏRCİ YADDAN ÇIXARMA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Uduzdun! Növbəti dəfə bəxtin gətirsin…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Həm sənin, həm də kompüterin 32&#xa0;767 xalı var – bu, ən çoxudur, ona görə bu oyunu heç kim qazana bilməz. Mərcin geri qaytarılır.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Mərcin məbləği: 0-dan pulunun miqdarına qədər tam ədəd yaz, məsələn, 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Turların sayı: -32768-dən 32767-yə qədər tam ədəd yaz, məsələn, 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>XƏTA! Pulun mənfi ola bilməz.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel bərpa edə bilmədiyi bir xəta ilə üzləşdi və bağlanmalıdır.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tip uyğunsuzluğu: «%1» ədəd deyil</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Daşma: %1 -32768 ilə 32767 aralığına sığmır</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Daşma: «%1» həddən artıq böyük ədəddir</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Daşma: «%1» -32768 ilə 32767 aralığından kənardadır</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Sürüşən nöqtə xətası: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Zərlər %1 %2 %3 %4 %5 %6. Tur %7. Sən %8, kompüter %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Pul %1, mərc %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>İstifadə: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[seçimlər]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçimlər:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arqumentlər:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Əmr sətri seçimləri üzrə kömək göstərir.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-yə xas seçimlər daxil olmaqla kömək göstərir.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Versiya məlumatını göstərir.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Naməlum seçim: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Naməlum seçimlər: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>«%1» seçimindən sonra dəyər çatışmır.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>«%1» seçimindən sonra gözlənilməz dəyər.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Oldu</translation>
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
        <translation>Oldu</translation>
    </message>
</context>
</TS>
