<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="be" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Гульня ў косткі супраць камп’ютара.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Адзін з аргументаў не з’яўляецца правільным тэкстам у бягучых моўных наладах.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Нечаканы аргумент «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубік 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубік 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубік 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубік 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубік 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Кубік 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Пара</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Карэ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Покер</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ход</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ты</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Камп</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Кідай!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Спачатку стаўка… увядзі стаўку (не больш, чым у цябе грошай) і колькасць хадоў (ад 1 да 100, бо інакш гульня зацягнецца надоўга). Настаў, колькі ачкоў атрымлівае камп’ютар, націсні «Кідай!» — і панеслася! Kuvel — гэта 6 аднолькавых, покер — пяць аднолькавых, карэ — чатыры аднолькавыя… больш нічога не выдам. Галоўнае — не застанься без грошай. Бывай!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Ачкі камп’ютара за ход</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Грошы</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Стаўка</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Паставіць</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Згуляныя хады</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Твае ачкі</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Ачкі камп’ютара</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Сума стаўкі</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Колькасць хадоў</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Добра</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Наступным разам зрабі стаўку — а цяпер проста паглядзі, што будзе.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Неверагодна! Kuvel! За тваю бясспрэчную ўдачу даю табе 1&#xa0;296 ачкоў!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Цудоўна! Каб выкінуць покер, патрэбна ўдача — даю табе 216 ачкоў!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Выдатна! Карэ! За гэта даю табе 36 ачкоў!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Мала таго, што карэ, дык яшчэ і пара ў дадатак! Даю табе 37 ачкоў!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Тройка — зусім нядрэнна, ды яшчэ і шэсць ачкоў у дадатак!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Тройка — а гэта што, яшчэ адна пара? Сем ачкоў!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Дзве тройкі — і адразу! Даю табе за гэта 12 ачкоў!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Тры розныя пары — можа, і нічога асаблівага, але тры ачкі ты ўсё ж атрымліваеш.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Дзве пары… якраз на два ачкі.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Адна-адзінюткая пара… ці можа быць горш? За гэта табе адно ачко.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Вось дык экзатычная рэдкасць! На ўсіх кубіках розныя лікі — даю табе за гэта 66 ачкоў!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Ну, перамога за табой, але камп’ютар набраў маловата ачкоў. Стаўку я табе ўсё ж вярну.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Выдатна! Перамога! Адна бяда… камп’ютар набраў ТАК мала ачкоў. Але я ўсё ж дадам 5&#xa0;% да тваёй стаўкі.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Камп’ютар набраў некалькі ачкоў. Але ж было даволі лёгка, праўда? Атрымаеш на 25&#xa0;% больш.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Падобна, камп’ютар пераможаны, хоць ачкоў ён набраў цалкам прыстойна. Вяртаю табе стаўку ў падвойным памеры.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ён набраў кучу ачкоў, а перамога ўсё роўна за табой! За гэта атрымаеш стаўку, памножаную на 5.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ён набраў столькі ачкоў, а перамога ўсё адно твая… нават не ведаю, што сказаць. Вось табе стаўка, памножаная на 10.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Бой з грозным супернікам — і перамога! За такую адвагу даю табе стаўку, памножаную на 15!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Гэты камп’ютар набіраў ачкі АМАЛЬ гэтак жа хутка, як ты! Даю табе стаўку, памножаную на 25.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ну і ну. Як можна было перамагчы, аддаўшы яму столькі ачкоў!? Давядзецца даць табе стаўку, памножаную на 50.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Баюся, пасля такога не выжываюць.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ПАМЯТАЙ ПРА СТАЎКУ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>НЕ ЗАБУДЗЬ ПАСТАВІЦЬ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Пройгрыш! Наступным разам пашанцуе больш…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>У цябе і ў камп’ютара па 32&#xa0;767 ачкоў — больш не бывае, таму ў гэтай гульні ніхто не можа перамагчы. Стаўка вяртаецца да цябе.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Сума стаўкі: увядзі цэлы лік ад 0 да сумы тваіх грошай, напрыклад 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Колькасць хадоў: увядзі цэлы лік ад -32768 да 32767, напрыклад 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ПАМЫЛКА! Грошай не можа быць менш за нуль.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>У Kuvel адбылася непапраўная памылка, і праграма будзе закрыта.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Неадпаведнасць тыпу: «%1» — не лік</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Перапаўненне: %1 не змяшчаецца ў дыяпазоне ад -32768 да 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Перапаўненне: «%1» — занадта вялікі лік</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Перапаўненне: «%1» па-за дыяпазонам ад -32768 да 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Памылка вылічэнняў з плаваючай коскай: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Кубікі %1 %2 %3 %4 %5 %6. Ход %7. Ты %8, камп’ютар %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Грошы %1, стаўка %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Выкарыстанне: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументы:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Паказвае даведку па параметрах каманднага радка.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Паказвае даведку, уключна з параметрамі, спецыфічнымі для Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Паказвае звесткі пра версію.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Невядомы параметр «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Невядомыя параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Не зададзена значэнне пасля «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Нечаканае значэнне пасля «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Добра</translation>
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
        <translation>Добра</translation>
    </message>
</context>
</TS>
