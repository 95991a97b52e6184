<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ps" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>د کمپیوټر پر ضد د تاس لوبه.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>یو ارګومنټ په دې سیمه‌ییزو تنظیماتو کې سم متن نه دی.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>غیر متوقع ارګومنټ: «⁦%1⁩».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس ⁦1⁩</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس ⁦2⁩</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس ⁦3⁩</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس ⁦4⁩</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس ⁦5⁩</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس ⁦6⁩</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>جوړه</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>درې ګونی</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>څلور ګونی</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>پنځه ګونی</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>کووېل</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>وار</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>ته</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>کمپیوټر</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>پیل کوو!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>د پیل نه مخکې شرط وتړه… د شرط اندازه (له خپلو پیسو زیاته نه) او د وارونو شمېر (له ⁦1⁩ تر ⁦100⁩ پورې، کنه لوبه به ډېره اوږده شي) ولیکه. د کمپیوټر نمرې وټاکه، «پیل کوو!» کېکاږه، او روان شه! کووېل یعنې ⁦6⁩ یو شان تاسونه، پنځه ګونی یعنې پنځه یو شان، څلور ګونی یعنې څلور یو شان… تر دې زیات راز نه درښیم. یوازې پام کوه چې پیسې دې خلاصې نه شي. خدای پامان!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>په هر وار کې د کمپیوټر نمرې</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>پیسې</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>شرط</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>شرط وتړه</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>لوبول شوي وارونه</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ستا نمرې</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>د کمپیوټر نمرې</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>د شرط اندازه</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>د وارونو شمېر</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>سمه ده</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>بل ځل شرط وتړه – دا ځل یوازې وګوره چې څه کېږي.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>حیرانوونکی! کووېل! ستا د بې شکه بخت لپاره ⁦1,296⁩ نمرې درکوم!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>عالي! پنځه ګونی دې راووړ، ضرور به دې بخت ښه و – ⁦216⁩ نمرې درکوم!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>واه! څلور ګونی! د دې لپاره ⁦36⁩ نمرې درکوم!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>نه یوازې څلور ګونی، بلکې یوه اضافي جوړه هم! ⁦37⁩ نمرې درکوم!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>درې ګونی دومره بد هم نه دی – شپږ نمرې هم درکوي!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>درې ګونی – او بله جوړه هم ګورم؟ اووه نمرې!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>دوه درې ګوني – هغه هم یو ځای! د دې لپاره ⁦12⁩ نمرې درکوم!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>درې بېلې بېلې جوړې شاید د یادونې وړ نه وي، خو بیا هم درې نمرې درکوي.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>دوه جوړې… یوازې د دوو نمرو جوګه.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>یوازې یوه جوړه… تر دې بد هم کېدای شي؟ د دې لپاره یوه نمره درکوم.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>څه عجیبه نادره پېښه! ستا ټول تاسونه سره بېل دي – د دې لپاره ⁦66⁩ نمرې درکوم!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ښه، تا وګټله، خو کمپیوټر ډېرې نمرې وانه خیستې. بیا هم ستا شرط بېرته درکوم.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>شاباس! تا وګټله! یوازینۍ ستونزه دا ده چې… کمپیوټر ډېرې ډېرې لږې نمرې واخیستې. بیا هم ستا په شرط ⁦5⁩ سلنه اضافه درکوم.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>کمپیوټر یو څو نمرې واخیستې. خو ډېره اسانه وه، نه؟ ⁦25⁩ سلنه زیات به واخلې.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>داسې ښکاري چې کمپیوټر دې مات کړ، که څه هم ښې ډېرې نمرې یې اخیستې وې. ستا شرط دوه چنده بېرته درکوم.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ډېرې نمرې یې واخیستې، خو بیا هم تا وګټله! د دې لپاره به د خپل شرط ⁦5⁩ چنده واخلې.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>دومره نمرې یې واخیستې او بیا هم تا وګټله… نه پوهېږم څه ووایم. دا دی، د خپل شرط ⁦10⁩ چنده.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>له یوه سخت سیال سره دې جګړه وکړه او وګټله دې. د دې زړورتیا لپاره د شرط ⁦15⁩ چنده درکوم!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>هغه کمپیوټر نږدې ستا په څېر ګړندی نمرې راټولې کړې! د شرط ⁦25⁩ چنده درکوم.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ای خدایه. دومره نمرې دې ورکړې او بیا دې څنګه وګټله!؟ نو اوس باید د شرط ⁦50⁩ چنده درکړم.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>فکر نه کوم چې له دې به ژوندی وتلی یې.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>شرط تړل مه هېروه</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>خپل شرط مه هېروه</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>تا وبایلله! بل ځل دې بخت یار شه…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>ته او کمپیوټر دواړه ⁦32767⁩ نمرې لرئ، چې تر ټولو زیاتې دي، نو دا لوبه هېڅوک نه شي ګټلای. شرط دې بېرته درکول کېږي.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>د شرط اندازه: له ⁦0⁩ نه تر خپلو پیسو پورې یو بشپړ عدد ولیکه، د بېلګې په توګه ⁦10⁩.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>د وارونو شمېر: له ⁦-32768⁩ نه تر ⁦32767⁩ پورې یو بشپړ عدد ولیکه، د بېلګې په توګه ⁦50⁩.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>تېروتنه! ستا پیسې منفي کېدای نه شي.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>کووېل له داسې تېروتنې سره مخ شو چې نه یې شي سمولای، او باید وتړل شي.

⁨%1⁩</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>د ډول ناسمون: «⁦%1⁩» عدد نه دی</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>له حد اوښتنه: ⁦%1⁩ د ⁦-32768⁩ تر ⁦32767⁩ په حد کې نه ځایېږي</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>له حد اوښتنه: «⁦%1⁩» ډېر لوی عدد دی</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>له حد اوښتنه: «⁦%1⁩» د ⁦-32768⁩ تر ⁦32767⁩ له حد نه بهر دی</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>د اعشاري حساب تېروتنه: ⁦%1⁩</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>تاسونه ⁦%1⁩ ⁦%2⁩ ⁦%3⁩ ⁦%4⁩ ⁦%5⁩ ⁦%6⁩. وار ⁦%7⁩. ته ⁦%8⁩، کمپیوټر ⁦%9⁩.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>پیسې ⁦%1⁩، شرط ⁦%2⁩.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>کارونه: ⁦%1⁩</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[انتخابونه]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>انتخابونه:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ارګومنټونه:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>د کمانډ لاین د انتخابونو په اړه مرسته ښيي.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>د ⁦Qt⁩ د ځانګړو انتخابونو په ګډون مرسته ښيي.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>د نسخې معلومات ښيي.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>نامعلوم انتخاب: «⁦%1⁩».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>نامعلوم انتخابونه: ⁦%1⁩.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>له «⁦%1⁩» وروسته ارزښت نشته.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>له «⁦%1⁩» وروسته غیر متوقع ارزښت.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;سمه ده</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>سمه ده</translation>
    </message>
</context>
</TS>
