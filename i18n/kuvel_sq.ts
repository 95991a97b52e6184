<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sq" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Një lojë me zare kundër kompjuterit.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Një nga argumentet nuk është tekst i vlefshëm për cilësimet gjuhësore aktuale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument i papritur «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zari 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zari 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zari 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zari 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zari 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zari 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Çift</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Treshe</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Katërshe</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pesëshe</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Turi</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ti</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kompjuteri</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Hidh zaret!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Para se të fillosh, vër bast… shkruaj bastin (jo më shumë se paratë që ke) dhe numrin e tureve (nga 1 deri në 100, përndryshe do të luash gjithë natën). Rregullo sa pikë merr kompjuteri, kliko «Hidh zaret!» dhe u nise! Kuveli është 6 zare të njëjta, pesëshja pesë zare të njëjta, katërshja katër zare të njëjta… më shumë s’të tregoj. Vetëm mos mbetesh pa para. Shihemi!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Pikët e kompjuterit për tur</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Para</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Basti</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Vër bast</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Ture të luajtura</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pikët e tua</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pikët e kompjuterit</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Shuma e bastit</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Numri i tureve</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Në rregull</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Vër bast herën tjetër – këtë herë thjesht shiko ç’ndodh.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>E mahnitshme! Një kuvel! Për fatin tënd të padiskutueshëm të jap 1&#xa0;296 pikë!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Mrekulli! Një pesëshe – për këtë të duhet fat i vërtetë! Të jap 216 pikë!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Bukur! Një katërshe! Për këtë të jap 36 pikë!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Jo vetëm një katërshe, por edhe një çift si bonus! Të jap 37 pikë!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Një treshe s’është aq keq – dhe të sjell edhe gjashtë pikë!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Një treshe – dhe a po shoh edhe një çift? Shtatë pikë!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Dy treshe – njëherësh! Për këtë të jap 12 pikë!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tri çifte të ndryshme ndoshta s’janë ndonjë gjë e madhe, por prapë të sjellin tri pikë.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dy çifte… sa për dy pikë.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Vetëm një çift… a mund të ishte më keq? Për këtë merr një pikë.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Ç’rrallësi ekzotike! Të gjithë numrat e tu janë të ndryshëm – për këtë të jap 66 pikë!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Mirë, fitove, por kompjuteri nuk mori shumë pikë. Gjithsesi, bastin ta kthej.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Shkëlqyeshëm! Fitove! Problemi i vetëm është se… kompjuteri mori KAQ pak pikë. Gjithsesi, të jap 5% shtesë mbi bastin.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kompjuteri mori disa pikë. Por ishte mjaft e lehtë, apo jo? Merr 25% më shumë.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Me sa duket e mposhte kompjuterin, edhe pse ai mblodhi një sasi të mirë pikësh. Bastin ta kthej dyfish.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ai mblodhi plot pikë, e prapë arrite të fitosh! Për këtë merr 5 herë bastin.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ai mblodhi kaq shumë pikë dhe ti prapë fitove… s’di ç’të them. Ja ku i ke 10 herë bastin.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Luftove me një kundërshtar të frikshëm dhe fitove. Për këtë trimëri të jap 15 herë bastin!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Ai kompjuter i grumbulloi pikët POTHUAJSE aq shpejt sa ti! Të jap 25 herë bastin.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>O zot. Si arrite të fitosh, kur i dhe aq shumë pikë!? S’kam ç’të bëj, do të të jap 50 herë bastin.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>S’besoj se i shpëtove kësaj.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>MOS HARRO TË VËSH BAST</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>MOS HARRO BASTIN</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Humbe! Më shumë fat herën tjetër…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Ti dhe kompjuteri keni nga 32&#xa0;767 pikë, më shumë nuk ka, ndaj këtë lojë s’e fiton dot askush. Bastin e merr mbrapsht.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Shuma e bastit: shkruaj një numër të plotë nga 0 deri sa para ke, për shembull 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Numri i tureve: shkruaj një numër të plotë nga -32768 deri në 32767, për shembull 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>GABIM! Nuk mund të kesh para negative.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel hasi në një gabim që s’e kapërcen dot dhe duhet të mbyllet.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Mospërputhje tipi: «%1» nuk është numër</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Tejkalim: %1 nuk hyn brenda intervalit nga -32768 deri në 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Tejkalim: «%1» është numër tepër i madh</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Tejkalim: «%1» është jashtë intervalit nga -32768 deri në 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Gabim në llogaritjen me presje lëvizëse: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Zaret %1 %2 %3 %4 %5 %6. Turi %7. Ti %8, kompjuteri %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Para %1, basti %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Përdorimi: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[mundësi]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Mundësi:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Shfaq ndihmë për mundësitë e rreshtit të urdhrave.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Shfaq ndihmë, përfshirë mundësitë e posaçme të Qt-së.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Shfaq të dhëna për versionin.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Mundësi e panjohur «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Mundësi të panjohura: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Mungon vlera pas «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Vlerë e papritur pas «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Në rregull</translation>
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
        <translation>Në rregull</translation>
    </message>
</context>
</TS>
