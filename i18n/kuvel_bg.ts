<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Игра на зарове срещу компютъра.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Някой от аргументите не е валиден текст за текущите езикови настройки.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неочакван аргумент „%1“.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Зар 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Зар 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Зар 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Зар 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Зар 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Зар 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Чифт</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Тройка</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Петица</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Кувел</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ход</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ти</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Комп.</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Давай!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Заложи, преди да започнеш… въведи залога (не повече от парите ти) и броя ходове (от 1 до 100, иначе играта ще е дълга). Нагласи точките на компютъра, натисни „Давай!“ и тръгваме! Кувел значи 6 еднакви, петица – пет еднакви, каре – четири еднакви… повече няма да издам. Само внимавай да не останеш без пари. Чао-чао!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Точки на компютъра на ход</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Пари</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Залог</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Заложи</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Изиграни ходове</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Твоите точки</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Точки на компютъра</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Сума на залога</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Брой ходове</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Добре</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Следващия път заложи – този път само ще видиш какво става.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Невероятно! Кувел! За безспорния ти късмет ти давам 1 296 точки!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Прекрасно! Петица – какъв късмет! Давам ти 216 точки!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Браво! Каре! За това ти давам 36 точки!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Не само каре, ами и един чифт отгоре! Давам ти 37 точки!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Тройката не е никак зле – и на всичкото отгоре ти носи шест точки!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Тройка – и май виждам още един чифт? Седем точки!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Две тройки – наведнъж! За това ти давам 12 точки!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Три различни чифта може и да не са нещо особено, но пак ти носят три точки.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Два чифта… точно колкото за две точки.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Само един чифт… може ли по-зле? За това получаваш една точка.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Каква екзотична рядкост! Всичките ти числа са различни – за това ти давам 66 точки!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Е, ти спечели, но компютърът не събра много точки. Все пак ще ти върна залога.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Супер! Ти спечели! Единственият проблем е, че… компютърът събра ТОЛКОВА малко точки. Все пак ти давам 5% отгоре върху залога.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Компютърът събра някоя и друга точка. Но беше доста лесно, нали? Получаваш 25% отгоре.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Явно компютърът загуби от теб, макар да събра прилично количество точки. Връщам ти залога двойно.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Той събра куп точки, а ти пак успя да спечелиш! За това получаваш 5 пъти залога си.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Щом той събра толкова точки, а ти пак спечели… не знам какво да кажа. Ето ти 10 пъти залога.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Ти се изправи срещу страшен противник и победи. За тази храброст ти давам 15 пъти залога!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Този компютър трупаше точки ПОЧТИ толкова бързо, колкото и ти! Давам ти 25 пъти залога.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Леле! Как спечели, като му даде толкова много точки?! Няма как, ще ти дам 50 пъти залога.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Не мисля, че ти оцеля след това.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>НЕ ЗАБРАВЯЙ ДА ЗАЛОЖИШ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>НЕ ЗАБРАВЯЙ ЗАЛОГА</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Ти загуби! Повече късмет следващия път…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>И ти, и компютърът имате по 32 767 точки – повече не може, така че никой не може да спечели тази игра. Получаваш залога си обратно.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Сума на залога: моля, въведи цяло число от 0 до парите, които имаш, например 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Брой ходове: моля, въведи цяло число от -32768 до 32767, например 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ГРЕШКА! Не може да имаш отрицателни пари.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel се натъкна на грешка, от която не може да се възстанови, и трябва да се затвори.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Несъответствие на типа: „%1“ не е число</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Препълване: %1 не се побира в диапазона от -32768 до 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Препълване: „%1“ е твърде голямо число</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Препълване: „%1“ е извън диапазона от -32768 до 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Грешка при изчисление с плаваща запетая: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Зарове %1 %2 %3 %4 %5 %6. Ход %7. Ти %8, компютър %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Пари %1, залог %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Използване: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[опции]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Опции:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументи:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Показва помощ за опциите от командния ред.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Показва помощ, включително специфичните за Qt опции.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Показва информация за версията.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Непозната опция: „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Непознати опции: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Липсва стойност след „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неочаквана стойност след „%1“.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Добре</translation>
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
        <translation>Добре</translation>
    </message>
</context>
</TS>
