<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>कॉम्प्युटरविरुद्ध फाशांचा खेळ.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>एखादा आर्ग्युमेंट या लोकेलमध्ये वैध मजकूर नाही.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>अनपेक्षित आर्ग्युमेंट “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>फासा 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>फासा 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>फासा 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>फासा 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>फासा 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>फासा 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>जोडी</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>त्रिकूट</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>चौकडी</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>पंजा</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>कुवेल</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>डाव</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>तुम्ही</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>कॉम्प्युटर</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>चला खेळूया!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>सुरुवात करण्याआधी पैज लावा… पैजेची रक्कम (तुमच्या पैशांपेक्षा जास्त नाही) आणि डावांची संख्या (1 ते 100, नाहीतर खेळ संपणारच नाही) लिहा. कॉम्प्युटरला किती गुण मिळतील ते ठरवा, “चला खेळूया!” दाबा, आणि झाली सुरुवात! कुवेल म्हणजे 6 सारखे फासे, पंजा म्हणजे पाच सारखे, चौकडी म्हणजे चार सारखे… यापेक्षा जास्त गुपित फोडणार नाही. फक्त पैसे संपू देऊ नका. टाटा!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>प्रत्येक डावात कॉम्प्युटरचे गुण</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>पैसे</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>पैज</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>पैज लावा</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>खेळलेले डाव</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>तुमचे गुण</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>कॉम्प्युटरचे गुण</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>पैजेची रक्कम</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>डावांची संख्या</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ठीक आहे</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>पुढच्या वेळी पैज लावा – या वेळी काय होतं ते नुसतं बघा.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>कमाल! कुवेल! तुमच्या या निर्विवाद नशिबासाठी तुम्हाला 1,296 गुण!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>अप्रतिम! पंजा मिळायला नशीबच लागतं – तुम्हाला 216 गुण!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>छान! चौकडी! त्याबद्दल तुम्हाला 36 गुण!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>फक्त चौकडीच नाही, तर वर एक जोडीसुद्धा! तुम्हाला 37 गुण!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>त्रिकूट काही वाईट नाही – आणि त्याचे सहा गुणही मिळतात!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>त्रिकूट – आणि ही आणखी एक जोडी दिसतेय का? सात गुण!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>दोन त्रिकूट – तेही एकाच वेळी! त्याबद्दल तुम्हाला 12 गुण!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>तीन वेगवेगळ्या जोड्या कदाचित सांगण्यासारख्या नसतील, पण तरीही तीन गुण मिळतातच.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>दोन जोड्या… जेमतेम दोन गुणांपुरत्या.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>फक्त एक जोडी… यापेक्षा वाईट काय असणार? त्याचा तुम्हाला एक गुण मिळतो.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>काय दुर्मीळ नजारा! तुमचे सगळे फासे वेगवेगळे आहेत – त्याबद्दल तुम्हाला 66 गुण!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>बरं, तुम्ही जिंकलात, पण कॉम्प्युटरला फारसे गुण मिळाले नाहीत. तरीही तुमची पैज तुम्हाला परत मिळेल.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>झकास! तुम्ही जिंकलात! अडचण एकच… कॉम्प्युटरला इतके कमी गुण मिळाले. तरीही तुमच्या पैजेवर 5% जास्त मिळतील.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>कॉम्प्युटरला थोडेफार गुण मिळाले. पण तसं बरंच सोपं होतं, नाही का? तुम्हाला 25% जास्त मिळतील.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>असं दिसतंय की कॉम्प्युटरला बऱ्यापैकी गुण मिळूनही तुम्ही त्याला हरवलंत. तुम्हाला पैजेच्या दुप्पट परत मिळेल.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>त्याला भरपूर गुण मिळाले, तरीही तुम्ही जिंकलात! त्याबद्दल तुम्हाला पैजेच्या 5 पट मिळेल.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>त्याला इतके गुण मिळूनही तुम्ही जिंकलात… काय बोलावं तेच कळत नाही. हे घ्या पैजेच्या 10 पट.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>तुम्ही एका तगड्या प्रतिस्पर्ध्याशी लढून जिंकलात. या धाडसासाठी तुम्हाला पैजेच्या 15 पट!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>तो कॉम्प्युटर जवळजवळ तुमच्याइतक्याच वेगाने गुण गोळा करत होता! तुम्हाला पैजेच्या 25 पट.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>अरे बापरे. त्याला इतके गुण देऊनही तुम्ही जिंकलात तरी कसे!? आता तुम्हाला पैजेच्या 50 पट द्यावेच लागेल.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>यातून तुम्ही काही वाचलात असं वाटत नाही.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>पैज लावायला विसरू नका</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>पैज लावायचं लक्षात ठेवा</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>तुम्ही हरलात! पुढच्या वेळी नशीब साथ देवो…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>तुमचे आणि कॉम्प्युटरचे दोघांचेही 32767 गुण आहेत, यापेक्षा जास्त होऊच शकत नाहीत, त्यामुळे हा खेळ कोणीच जिंकू शकत नाही. तुमची पैज तुम्हाला परत मिळेल.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>पैजेची रक्कम: 0 पासून तुमच्या पैशांपर्यंत एखादी पूर्ण संख्या लिहा, उदाहरणार्थ 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>डावांची संख्या: -32768 पासून 32767 पर्यंत एखादी पूर्ण संख्या लिहा, उदाहरणार्थ 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>गडबड! पैसे उणे असू शकत नाहीत.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel मध्ये अशी त्रुटी आली आहे जिच्यातून ते सावरू शकत नाही, त्यामुळे त्याला बंद व्हावं लागत आहे.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>प्रकार जुळत नाही: “%1” ही संख्या नाही</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ओव्हरफ्लो: %1 हे -32768 ते 32767 या मर्यादेत बसत नाही</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ओव्हरफ्लो: “%1” ही खूप मोठी संख्या आहे</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ओव्हरफ्लो: “%1” हे -32768 ते 32767 च्या बाहेर आहे</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>फ्लोटिंग-पॉइंट त्रुटी: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>फासे %1 %2 %3 %4 %5 %6. डाव %7. तुम्ही %8, कॉम्प्युटर %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>पैसे %1, पैज %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>वापर: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[पर्याय]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>पर्याय:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>आर्ग्युमेंट:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>कमांड-लाइन पर्यायांविषयी मदत दाखवतो.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt चे खास पर्यायही धरून मदत दाखवतो.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>आवृत्तीची माहिती दाखवतो.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>अज्ञात पर्याय “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>अज्ञात पर्याय: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” नंतर मूल्य दिलेले नाही.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” नंतर अनपेक्षित मूल्य.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ठीक आहे</translation>
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
        <translation>ठीक आहे</translation>
    </message>
</context>
</TS>
