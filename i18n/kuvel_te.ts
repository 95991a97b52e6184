<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>కంప్యూటర్‌తో తలపడే పాచికల ఆట.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ఒక ఆర్గ్యుమెంట్ ఈ భాషా అమరికలో సరైన పాఠ్యం కాదు.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ఊహించని ఆర్గ్యుమెంట్ “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>పాచిక 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>పాచిక 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>పాచిక 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>పాచిక 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>పాచిక 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>పాచిక 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>జత</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>త్రయం</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>చతుష్కం</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>పంచకం</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>కువెల్</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>దఫా</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>నువ్వు</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>కంప్యూటర్</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>పద, ఆడదాం!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>మొదలుపెట్టే ముందు పందెం కట్టు… పందెం (నీ దగ్గరున్న డబ్బుకు మించకుండా), దఫాల సంఖ్య (1 నుంచి 100 వరకు, లేదంటే ఆట ఎంతకీ తెగదు) ఇవ్వు. కంప్యూటర్‌కు వచ్చే పాయింట్లు సెట్ చెయ్యి, “పద, ఆడదాం!” నొక్కు, ఇక మొదలు! కువెల్ అంటే 6 పాచికలూ ఒకేలా, పంచకం అంటే ఐదు ఒకేలా, చతుష్కం అంటే నాలుగు ఒకేలా… ఇంతకన్నా ఎక్కువ గుట్టు విప్పను. డబ్బు మాత్రం అయిపోకుండా చూసుకో. టాటా!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ప్రతి దఫాకు కంప్యూటర్ పాయింట్లు</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>డబ్బు</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>పందెం</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>పందెం కట్టు</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ఆడిన దఫాలు</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>నీ పాయింట్లు</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>కంప్యూటర్ పాయింట్లు</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>పందెం మొత్తం</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>దఫాల సంఖ్య</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>సరే</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>వచ్చేసారి పందెం కట్టు – ఈసారికి ఏం జరుగుతుందో చూస్తూ ఉండు.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>అద్భుతం! కువెల్! నీ తిరుగులేని అదృష్టానికి 1,296 పాయింట్లు ఇస్తున్నా!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>అదిరింది! పంచకం రావాలంటే నీకు బాగా అదృష్టం ఉండి ఉండాలి – 216 పాయింట్లు ఇస్తున్నా!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>భలే! చతుష్కం! దానికి 36 పాయింట్లు ఇస్తున్నా!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>చతుష్కం ఒక్కటే కాదు, అదనంగా ఒక జత కూడా! 37 పాయింట్లు ఇస్తున్నా!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>త్రయం అంత చెడ్డదేం కాదు – పైగా ఆరు పాయింట్లు కూడా తెస్తుంది!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>త్రయం – ఇంకో జత కూడా కనిపిస్తోందా? ఏడు పాయింట్లు!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>రెండు త్రయాలు – అదీ ఒకేసారి! దానికి 12 పాయింట్లు ఇస్తా!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>మూడు వేర్వేరు జతలు చెప్పుకోదగ్గవి కాకపోవచ్చు, అయినా మూడు పాయింట్లు వస్తాయి.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>రెండు జతలు… సరిగ్గా రెండు పాయింట్లకు సరిపోతాయి.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ఒకే ఒక జత… ఇంతకన్నా ఘోరం ఉంటుందా? దానికి ఒక పాయింట్ వస్తుంది.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>ఎంత అరుదైన వింత! నీ అంకెలన్నీ వేర్వేరు – దానికి 66 పాయింట్లు ఇస్తా!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>సరే, నువ్వు గెలిచావు, కానీ కంప్యూటర్‌కు పెద్దగా పాయింట్లు రాలేదు. అయినా నీ పందెం నీకు తిరిగి ఇస్తున్నా.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>శభాష్! నువ్వు గెలిచావు! ఒకే సమస్య ఏంటంటే… కంప్యూటర్‌కు మరీ అంత తక్కువ పాయింట్లు వచ్చాయి. అయినా నీ పందెం మీద 5% అదనంగా ఇస్తున్నా.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>కంప్యూటర్‌కు కొన్ని పాయింట్లు వచ్చాయి. అయినా చాలా సులువుగానే ఉంది కదా? నీకు 25% ఎక్కువ వస్తుంది.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>చూస్తుంటే, కంప్యూటర్‌కు ఓ మోస్తరు పాయింట్లు వచ్చినా నువ్వు దాన్ని ఓడించావు. నీ పందెం రెట్టింపు చేసి తిరిగి ఇస్తున్నా.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>దానికి బోలెడు పాయింట్లు వచ్చాయి, అయినా నువ్వు గెలిచావు! అందుకు నీకు నీ పందెం 5 రెట్లు దక్కుతుంది.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>దానికి అన్ని పాయింట్లు వచ్చినా నువ్వు గెలిచావంటే… ఏం చెప్పాలో తెలియట్లేదు. ఇదిగో, నీ పందెం 10 రెట్లు.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>బలమైన ప్రత్యర్థితో పోరాడి గెలిచావు. ఈ ధైర్యానికి నీ పందెం 15 రెట్లు ఇస్తున్నా!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ఆ కంప్యూటర్ దాదాపు నీ అంత వేగంగా పాయింట్లు పోగేసింది! నీ పందెం 25 రెట్లు ఇస్తున్నా.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>అయ్య బాబోయ్. దానికి అన్ని పాయింట్లు ఇచ్చి కూడా ఎలా గెలిచావు!? నీ పందెం 50 రెట్లు ఇవ్వక తప్పదు.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>దీన్నుంచి నువ్వు బతికి బయటపడ్డావని నేను అనుకోను.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>పందెం కట్టడం మర్చిపోకు</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>నీ పందెం మర్చిపోకు</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ఓడిపోయావు! వచ్చేసారి అదృష్టం కలిసిరావాలి…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>నీకూ కంప్యూటర్‌కూ చెరో 32767 పాయింట్లు ఉన్నాయి, అంతకు మించి ఉండవు, కాబట్టి ఈ ఆటను ఎవరూ గెలవలేరు. నీ పందెం నీకు తిరిగి వస్తుంది.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>పందెం మొత్తం: 0 నుంచి నీ దగ్గరున్న డబ్బు వరకు ఒక పూర్ణ సంఖ్య టైప్ చెయ్యి, ఉదాహరణకు 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>దఫాల సంఖ్య: -32768 నుంచి 32767 వరకు ఒక పూర్ణ సంఖ్య టైప్ చెయ్యి, ఉదాహరణకు 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>లోపం! నీ డబ్బు సున్నా కంటే తక్కువ ఉండకూడదు.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>కువెల్‌కు కోలుకోలేని లోపం ఎదురైంది, కాబట్టి మూతపడాల్సిందే.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>రకం సరిపోలలేదు: “%1” సంఖ్య కాదు</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>పరిధి మీరింది: %1 అనేది -32768 నుంచి 32767 పరిధిలో పట్టదు</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>పరిధి మీరింది: “%1” మరీ పెద్ద సంఖ్య</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>పరిధి మీరింది: “%1” అనేది -32768 నుంచి 32767 పరిధికి బయట ఉంది</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>దశాంశ గణన లోపం: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>పాచికలు %1 %2 %3 %4 %5 %6. దఫా %7. నువ్వు %8, కంప్యూటర్ %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>డబ్బు %1, పందెం %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>వాడుక: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ఎంపికలు]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ఎంపికలు:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ఆర్గ్యుమెంట్లు:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>కమాండ్‌లైన్ ఎంపికలపై సహాయం చూపిస్తుంది.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt ప్రత్యేక ఎంపికలతో సహా సహాయం చూపిస్తుంది.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>వెర్షన్ సమాచారం చూపిస్తుంది.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>తెలియని ఎంపిక “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>తెలియని ఎంపికలు: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” తర్వాత విలువ లేదు.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” తర్వాత ఊహించని విలువ.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;సరే</translation>
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
        <translation>సరే</translation>
    </message>
</context>
</TS>
