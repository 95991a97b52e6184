<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="am" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>ከኮምፒውተር ጋር የሚደረግ የዳይስ ጨዋታ።</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ከነጋሪ እሴቶቹ አንዱ በዚህ የቋንቋ ቅንብር ትክክለኛ ጽሑፍ አይደለም።</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ያልተጠበቀ ነጋሪ እሴት «%1»።</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ዳይስ 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ዳይስ 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ዳይስ 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ዳይስ 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ዳይስ 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ዳይስ 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ጥንድ</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ሦስትዮሽ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>አራትዮሽ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>አምስትዮሽ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ኩቨል</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>ዙር</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>አንተ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>ኮምፒውተር</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ወርውር!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ከመጀመርህ በፊት ተወራረድ… የውርርድህን መጠን (ካለህ ገንዘብ ሳይበልጥ) እና የዙሮችን ብዛት (ከ1 እስከ 100፤ አለበለዚያ ጨዋታው አያልቅም) አስገባ። ኮምፒውተሩ የሚያገኘውን ነጥብ አስተካክል፣ «ወርውር!»ን ተጫን፣ ይኸው ጀመርክ! ኩቨል ማለት 6 አንድ ዓይነት ዳይስ ነው፤ አምስትዮሽ አምስት አንድ ዓይነት፣ አራትዮሽ ደግሞ አራት አንድ ዓይነት… ከዚህ በላይ ምስጢር አላወጣም። ብቻ ገንዘብህ እንዳያልቅ። ቻው!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ኮምፒውተሩ በየዙሩ የሚያገኘው ነጥብ</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ገንዘብ</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ውርርድ</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ተወራረድ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>የተጫወትካቸው ዙሮች</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ያንተ ነጥብ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>የኮምፒውተሩ ነጥብ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>የውርርድ መጠን</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>የዙሮች ብዛት</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>እሺ</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>በሚቀጥለው ጊዜ ተወራረድ – ለአሁኑ ግን ምን እንደሚፈጠር ዝም ብለህ ተመልከት።</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>ድንቅ ነው! ኩቨል! ለማያጠራጥረው ዕድልህ 1,296 ነጥብ ሸልሜሃለሁ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ግሩም! አምስትዮሽ ለማግኘት በእርግጥ ዕድለኛ ነህ – 216 ነጥብ ሸልሜሃለሁ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>ጥሩ ነው! አራትዮሽ! ለዚህ 36 ነጥብ ሸልሜሃለሁ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>አራትዮሽ ብቻ ሳይሆን ተጨማሪ ጥንድም አገኘህ! 37 ነጥብ ሸልሜሃለሁ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ሦስትዮሽ ያን ያህል መጥፎ አይደለም – ደግሞም ስድስት ነጥብ ያስገኝልሃል!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ሦስትዮሽ – ደግሞ ሌላ ጥንድ ነው እንዴ የማየው? ሰባት ነጥብ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ሁለት ሦስትዮሽ – በአንድ ጊዜ! ለዚህ 12 ነጥብ እሰጥሃለሁ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ሦስት የተለያዩ ጥንዶች ብዙም የሚወራላቸው ላይሆኑ ይችላሉ፤ ቢሆንም ሦስት ነጥብ ያስገኙልሃል።</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ሁለት ጥንዶች… ለሁለት ነጥብ ብቻ ይበቃሉ።</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>አንድ ጥንድ ብቻ… ከዚህ የባሰ ምን ይመጣል? ለዚህ አንድ ነጥብ ታገኛለህ።</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>እንዴት ያለ ብርቅዬ ነገር ነው! ቁጥሮችህ በሙሉ የተለያዩ ናቸው – ለዚህ 66 ነጥብ እሰጥሃለሁ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>እሺ፣ አሸንፈሃል፤ ግን ኮምፒውተሩ ብዙ ነጥብ አላገኘም። ቢሆንም ውርርድህን እመልስልሃለሁ።</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ጎበዝ! አሸነፍክ! ብቸኛው ችግር… ኮምፒውተሩ ያገኘው ነጥብ በጣም በጣም ጥቂት ነው። ቢሆንም በውርርድህ ላይ ተጨማሪ 5% እሰጥሃለሁ።</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>ኮምፒውተሩ ጥቂት ነጥብ አግኝቷል። ቢሆንም በጣም ቀላል ነበር፣ አይደል? 25% ተጨማሪ ታገኛለህ።</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ኮምፒውተሩ ጥሩ ያህል ነጥብ ቢያገኝም ያሸነፍከው ይመስላል። ውርርድህን እጥፍ አድርጌ እመልስልሃለሁ።</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ብዙ ነጥብ አግኝቶ እያለ አንተ ግን አሸነፍክ! ለዚህ የውርርድህን 5 እጥፍ ታገኛለህ።</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>ያን ያህል ነጥብ አግኝቶ አንተ አሁንም ካሸነፍክ… ምን እንደምል አላውቅም። ይኸው የውርርድህ 10 እጥፍ።</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>ከብርቱ ተፎካካሪ ጋር ተፋልመህ አሸነፍክ። ለዚህ ጀግንነትህ የውርርድህን 15 እጥፍ ሸልሜሃለሁ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ያ ኮምፒውተር ነጥብ በመሰብሰብ ሊደርስብህ ምንም አልቀረውም ነበር! የውርርድህን 25 እጥፍ ሸልሜሃለሁ።</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ወይ ጉድ! ያን ያህል ነጥብ ሰጥተኸው እንዴት አሸነፍክ!? የውርርድህን 50 እጥፍ ከመስጠት ሌላ ምርጫ የለኝም።</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ከዚህ የተረፍክ አይመስለኝም።</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>መወራረድ እንዳትረሳ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ውርርድህን አትርሳ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ተሸነፍክ! በሚቀጥለው ጊዜ መልካም ዕድል…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>አንተም ኮምፒውተሩም 32767 ነጥብ አላችሁ፤ ከዚህ በላይ የለም፣ ስለዚህ ማንም ይህን ጨዋታ ማሸነፍ አይችልም። ውርርድህ ይመለስልሃል።</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>የውርርድ መጠን፦ እባክህ ከ0 ጀምሮ እስካለህ ገንዘብ ድረስ ሙሉ ቁጥር አስገባ፤ ለምሳሌ 10።</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>የዙሮች ብዛት፦ እባክህ ከ-32768 እስከ 32767 ሙሉ ቁጥር አስገባ፤ ለምሳሌ 50።</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ስህተት! አሉታዊ ገንዘብ ሊኖርህ አይችልም።</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ሊያገግምበት የማይችል ስህተት አጋጥሞታል፤ መዘጋት አለበት።

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>የዓይነት አለመጣጣም፦ «%1» ቁጥር አይደለም</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ሞልቶ መፍሰስ፦ %1 ከ-32768 እስከ 32767 ውስጥ አይገባም</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ሞልቶ መፍሰስ፦ «%1» ከመጠን በላይ ትልቅ ቁጥር ነው</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ሞልቶ መፍሰስ፦ «%1» ከ-32768 እስከ 32767 ውጭ ነው</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>የአስርዮሽ ስሌት ስህተት፦ %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>ዳይስ %1 %2 %3 %4 %5 %6። ዙር %7። አንተ %8፣ ኮምፒውተር %9።</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>ገንዘብ %1፣ ውርርድ %2።</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>አጠቃቀም፦ %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[አማራጮች]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>አማራጮች፦</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ነጋሪ እሴቶች፦</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>ስለ ትዕዛዝ መስመር አማራጮች እገዛ ያሳያል።</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>የQt የተለዩ አማራጮችን ጨምሮ እገዛ ያሳያል።</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>የስሪት መረጃ ያሳያል።</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ያልታወቀ አማራጭ «%1»።</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ያልታወቁ አማራጮች፦ %1።</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>ከ«%1» በኋላ እሴት የለም።</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>ከ«%1» በኋላ ያልተጠበቀ እሴት።</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;እሺ</translation>
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
        <translation>እሺ</translation>
    </message>
</context>
</TS>
