<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="om" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Tapha daayisii kompiitara wajjin taphatamu.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Galteen tokko qindaa&apos;ina afaan kanaa keessatti barreeffama sirrii miti.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Galtee hin eegamne “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daayisii 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daayisii 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daayisii 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daayisii 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daayisii 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daayisii 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Cimdii</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Sadeen</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Afran</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Shanan</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Car.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ati</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kompiitara</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Darbadhu!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Osoo hin jalqabin qabsiisi… qabsiisa kee (maallaqa qabdu hin caalin) fi baay&apos;ina carraa (1 hanga 100, yoo kana hin taane taphni hanga bariitti si qabata) galchi. Qabxii kompiitarri argatu murteessi, “Darbadhu!” tuqi, kunoo jalqabde! Kuvel jechuun daayisii 6 walfakkaatu, Shanan jechuun shan walfakkaatu, Afran jechuun afur walfakkaatu… kana caalaa iccitii hin baasu. Qofa maallaqni kee akka hin dhumne. Nagaatti!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Qabxii kompiitarri carraa tokkotti argatu</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Maallaqa</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Qabsiisa</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Qabsiisi</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Carraawwan taphataman</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Qabxii kee</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Qabxii kompiitaraa</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Hanga qabsiisaa</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Baay&apos;ina carraa</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Tole</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Yeroo itti aanu qabsiisi – amma garuu maal akka ta&apos;u akka ilaaltu qofa siif nan dhiisa.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Dinqii! Kuvel! Milkii kee isa shakkii hin qabneef qabxii 1,296 siif kenneera!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Baay&apos;ee gaarii! Shanan argachuuf milkii qabaachuu qabda – qabxii 216 siif kenneera!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Gaarii! Afran! Sanaaf qabxii 36 siif kenneera!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Afran qofa osoo hin taane, cimdii dabalataas argatte! Qabxii 37 siif kenneera!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Sadeen hamaa miti – akkasumas qabxii jaha siif kenna!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Sadeen – cimdii biraas nan arga moo? Qabxii torba!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Sadeen si&apos;a lama – yeroo tokkotti! Sanaaf qabxii 12 siif nan kenna!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Cimdiiwwan sadii adda addaa ta&apos;an waan dinqisiisaa ta&apos;uu dhiisuu danda&apos;u, garuu ammas qabxii sadii siif kennu.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Cimdiiwwan lama… qabxii lamaaf qofa ga&apos;u.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Cimdii tokko qofa… kana caalaa hammaachuu danda&apos;aa? Sanaaf qabxii tokko argatta.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Dinqii hin baramne! Lakkoofsonni kee hundi adda adda – sanaaf qabxii 66 siif nan kenna!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Tole, moo&apos;atteetta, garuu kompiitarri qabxii baay&apos;ee hin arganne. Haa ta&apos;u malee qabsiisa kee siif nan deebisa.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Baay&apos;ee gaarii! Moo&apos;atteetta! Rakkoon qofti… kompiitarri qabxii BAAY&apos;EE XIQQAA argate. Haa ta&apos;u malee qabsiisa kee irratti 5% dabalataa siif nan kenna.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kompiitarri qabxii muraasa argate. Garuu baay&apos;ee salphaa ture, mitii? 25% dabalataa argatta.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Kompiitarri qabxii ga&apos;aa argatus, akka ati isa moo&apos;atte fakkaata. Qabsiisa kee dachaa lama siif nan deebisa.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Qabxii baay&apos;ee argate, ta&apos;us ati moo&apos;atte! Sanaaf qabsiisa kee dachaa 5 argatta.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Yoo inni qabxii akkana baay&apos;atu argatee ati ammas moo&apos;atte… maal akkan jedhu hin beeku. Kunoo qabsiisa kee dachaa 10.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Morkataa cimaa wajjin lolte moo&apos;atte. Ija jabina kanaaf qabsiisa kee dachaa 15 siif nan kenna!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Kompiitarri sun qabxii walitti qabuun SI GAHUUF XIQQOO HAFE! Qabsiisa kee dachaa 25 siif nan kenna.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Wayyoo! Qabxii akkana baay&apos;atu kennitee akkamitti moo&apos;atte!? Qabsiisa kee dachaa 50 siif kennuu malee filannoo hin qabu.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Sana keessaa lubbuun akka baate hin yaadu.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>QABSIISUU HIN DAGATIN</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>QABSIISA KEE YAADADHU</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Moo&apos;amte! Yeroo itti aanu milkiin siif haa ta&apos;u…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Atii fi kompiitarri tokkoon tokkoon keessan qabxii 32767 qabdu, kan isa hunda caalu, kanaafuu namni tapha kana moo&apos;achuu danda&apos;u hin jiru. Qabsiisa kee deebifatta.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Hanga qabsiisaa: maaloo lakkoofsa guutuu 0 irraa hanga maallaqa keetti galchi, fakkeenyaaf 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Baay&apos;ina carraa: maaloo lakkoofsa guutuu -32768 irraa hanga 32767tti galchi, fakkeenyaaf 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>DOGOGGORA! Maallaqni kee zeeroo gadi ta&apos;uu hin danda&apos;u.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel dogoggora irraa fayyuu hin dandeenye mudateera, kanaaf cufamuu qaba.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Gosni wal hin simu: “%1” lakkoofsa miti</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Caalmaa: %1 -32768 hanga 32767 keessa hin galu</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Caalmaa: “%1” lakkoofsa baay&apos;ee guddaa dha</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Caalmaa: “%1” -32768 hanga 32767 ala jira</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Dogoggora herrega tuqaa socho&apos;aa: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Daayisii %1 %2 %3 %4 %5 %6. Carraa %7. Ati %8, kompiitara %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Maallaqa %1, qabsiisa %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Itti fayyadama: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[filannoowwan]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Filannoowwan:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Galteewwan:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Gargaarsa filannoowwan sarara ajajaa agarsiisa.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Gargaarsa filannoowwan Qt addaa dabalatee agarsiisa.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Odeeffannoo fooyya&apos;iinsaa agarsiisa.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Filannoo hin beekamne “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Filannoowwan hin beekamne: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” booda gatiin hin jiru.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” booda gatii hin eegamne.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tole</translation>
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
        <translation>Tole</translation>
    </message>
</context>
</TS>
