<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tg" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Бозии кубик бар зидди компютер.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Яке аз аргументҳо дар ин локал матни дуруст нест.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Аргументи ғайричашмдошт «%1».</translation>
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
        <translation>Ҷуфт</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Сетоӣ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Чортоӣ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Панҷтоӣ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Кувел</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Дав.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ту</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Ҳариф</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Партоб!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Аввал гарав гузор… гараватро (на зиёда аз пулат) ва шумораи даврҳоро ворид кун (аз 1 то 100, вагарна бозӣ дароз мекашад). Холҳои компютерро танзим кун, «Партоб!»-ро пахш кун — ва рафтем! Кувел — 6 кубики якхела, панҷтоӣ — панҷ якхела, чортоӣ — чор якхела… бештар сир намекушоям. Фақат бепул намон. То боздид!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Холҳои компютер дар ҳар давр</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Пул</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Гарав</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Гарав гузор</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Даврҳои бозидашуда</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Холҳои ту</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Холҳои компютер</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Маблағи гарав</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Шумораи даврҳо</translation>
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
        <translation>Дафъаи дигар гарав гузор — ин дафъа фақат тамошо кун, ки чӣ мешавад.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Аҷоиб! Кувел! Барои бахти бешубҳаат ба ту 1&#xa0;296 хол медиҳам!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Офарин! Барои панҷтоӣ партофтан ҳатман бахтат ёрӣ кардааст — ба ту 216 хол медиҳам!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Хуб! Чортоӣ! Барои ин ба ту 36 хол медиҳам!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>На танҳо чортоӣ, балки боз як ҷуфт ҳам! Ба ту 37 хол медиҳам!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Сетоӣ он қадар бад нест — ва боз шаш хол ҳам меорад!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Сетоӣ — ва боз як ҷуфтро мебинам? Ҳафт хол!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Ду сетоӣ — якбора! Барои ин ба ту 12 хол медиҳам!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Се ҷуфти гуногун шояд чизи ҷолиб набошад, вале ба ҳар ҳол се хол меорад.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Ду ҷуфт… базӯр барои ду хол мерасад.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Танҳо як ҷуфт… аз ин бадтар ҳам мешавад? Барои ин як хол мегирӣ.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Чӣ нодираи аҷибе! Ҳамаи рақамҳоят гуногунанд — барои ин ба ту 66 хол медиҳам!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Хуб, ту бурдӣ, вале компютер хол кам гирифт. Ба ҳар ҳол гараватро бармегардонам.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Зӯр! Ту бурдӣ! Танҳо мушкил ин аст, ки… компютер ХЕЛЕ кам хол гирифт. Ба ҳар ҳол ба гарават 5% илова мекунам.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Компютер каме хол гирифт. Вале хеле осон буд, ҳамин тавр не? 25% зиёдтар мегирӣ.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Чунин менамояд, ки ту компютерро мағлуб кардӣ, ҳарчанд вай холи хубе ҷамъ кард. Гараватро дучанд бармегардонам.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Вай хеле зиёд хол гирифт, вале ту бо вуҷуди ин бурдӣ! Барои ин 5 баробари гараватро мегирӣ.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Агар вай ин қадар хол гирифта бошаду ту боз бурда бошӣ… намедонам чӣ гӯям. Ана, 10 баробари гарават.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Ту бо ҳарифи сахт ҷангидӣ ва ғолиб омадӣ. Барои ин ҷасорат ба ту 15 баробари гараватро медиҳам!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Он компютер ҚАРИБ ба мисли ту тез хол ҷамъ кард! Ба ту 25 баробари гараватро медиҳам.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Вой-вой. Ба вай ин қадар хол дода, чӣ тавр бурдӣ!? Маҷбурам ба ту 50 баробари гараватро диҳам.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Фикр намекунам, ки аз ин зинда баромада бошӣ.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ГАРАВ ГУЗОШТАНРО ФАРОМӮШ НАКУН</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ГАРАВАТРО ФАРОМӮШ НАКУН</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Бохтӣ! Дафъаи дигар бахтат ёр шавад…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Ҳам ту ва ҳам компютер 32&#xa0;767 хол доред — аз ин зиёд намешавад, бинобар ин дар ин бозӣ ҳеҷ кас ғолиб шуда наметавонад. Гарават ба худат бармегардад.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Маблағи гарав: адади бутунро аз 0 то ҳаҷми пулат ворид кун, масалан 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Шумораи даврҳо: адади бутунро аз -32768 то 32767 ворид кун, масалан 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ХАТО! Пулат манфӣ буда наметавонад.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ба хатое дучор шуд, ки онро ислоҳ карда наметавонад, ва бояд баста шавад.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Номувофиқатии навъ: «%1» адад нест</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Аз ҳад зиёд: %1 ба фосилаи аз -32768 то 32767 намегунҷад</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Аз ҳад зиёд: «%1» адади хеле калон аст</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Аз ҳад зиёд: «%1» берун аз фосилаи аз -32768 то 32767 аст</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Хатои вергули шинокунанда: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Кубикҳо %1 %2 %3 %4 %5 %6. Давр %7. Ту %8, компютер %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Пул %1, гарав %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Истифода: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[имконот]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Имконот:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументҳо:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Кӯмакро оид ба имконоти сатри фармон нишон медиҳад.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Кӯмакро бо имконоти хоси Qt нишон медиҳад.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Маълумоти версияро нишон медиҳад.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Имконоти номаълум «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Имконоти номаълум: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Пас аз «%1» қимат нест.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Қимати ғайричашмдошт пас аз «%1».</translation>
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
