<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ne" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>कम्प्युटरविरुद्ध पासाको खेल।</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>कुनै आर्गुमेन्ट यो लोकेलमा मान्य पाठ होइन।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>अनपेक्षित आर्गुमेन्ट “%1”।</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>पासा 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>पासा 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>पासा 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>पासा 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>पासा 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>पासा 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>जोडी</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>तिकडी</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>चौका</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>पञ्जा</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>कुभेल</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>पालो</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>तिमी</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>कम्प्युटर</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>लौ, खेलौं!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>सुरु गर्नुअघि बाजी थाप… बाजीको रकम (तिम्रो पैसाभन्दा बढी होइन) र पालोको सङ्ख्या (1 देखि 100, नत्र खेल सकिँदै सकिँदैन) लेख। कम्प्युटरले कति अङ्क पाउने हो मिलाऊ, “लौ, खेलौं!” थिच, अनि सुरु! कुभेल भनेको 6 वटै उस्तै, पञ्जा भनेको पाँच वटा उस्तै, चौका भनेको चार वटा उस्तै… योभन्दा बढी भेद खोल्दिनँ। बस, पैसा नसकियोस्। टाटा!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>हरेक पालोमा कम्प्युटरको अङ्क</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>पैसा</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>बाजी</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>बाजी थाप</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>खेलिसकेका पालो</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>तिम्रो अङ्क</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>कम्प्युटरको अङ्क</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>बाजीको रकम</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>पालोको सङ्ख्या</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ठिक छ</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>अर्को पटक बाजी थाप – यो पटक के हुन्छ, खाली हेर।</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>गजब! कुभेल! तिम्रो यो अकाट्य भाग्यका लागि तिमीलाई 1,296 अङ्क!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>अद्भुत! पञ्जा पार्न त भाग्य नै चाहिन्छ – तिमीलाई 216 अङ्क!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>वाह! चौका! त्यसका लागि तिमीलाई 36 अङ्क!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>चौका मात्र होइन, त्यसमाथि थप एउटा जोडी पनि! तिमीलाई 37 अङ्क!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>तिकडी त्यति नराम्रो होइन – त्यसमाथि छ अङ्क पनि दिन्छ!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>तिकडी – अनि अर्को जोडी पनि देख्दैछु कि क्या हो? सात अङ्क!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>दुई तिकडी – एकैचोटि! त्यसका लागि तिमीलाई 12 अङ्क!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>तीन फरक-फरक जोडी खासै उल्लेखनीय त होइनन्, तैपनि तीन अङ्क त दिन्छन्।</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>दुई जोडी… मुस्किलले दुई अङ्क।</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>एउटा मात्र जोडी… योभन्दा खराब के हुन्छ र? यसको तिमीलाई एक अङ्क।</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>कस्तो दुर्लभ दृश्य! तिम्रा सबै पासा फरक-फरक छन् – त्यसका लागि तिमीलाई 66 अङ्क!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ल, तिमीले जित्यौ, तर कम्प्युटरले धेरै अङ्क पाएन। जे होस्, तिम्रो बाजी फिर्ता पाउँछौ।</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>शाबास! तिमीले जित्यौ! समस्या एउटै छ… कम्प्युटरले यति थोरै अङ्क पायो। जे होस्, तिम्रो बाजीमा 5% थप पाउँछौ।</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>कम्प्युटरले केही अङ्क पायो। तर निकै सजिलो थियो, होइन र? तिमी 25% बढी पाउँछौ।</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>लाग्छ, कम्प्युटरले राम्रै अङ्क पाए पनि तिमीले उसलाई हरायौ। तिमीलाई बाजीको दोब्बर फिर्ता।</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>उसले थुप्रै अङ्क पायो, तैपनि तिमीले जित्यौ! त्यसका लागि बाजीको 5 गुणा पाउँछौ।</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>उसले त्यति धेरै अङ्क पाउँदा पनि तिमीले जित्यौ… के भनूँ, थाहा छैन। ल, बाजीको 10 गुणा।</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>तिमीले एउटा जब्बर प्रतिद्वन्द्वीसँग लडेर जित्यौ। यो बहादुरीका लागि तिमीलाई बाजीको 15 गुणा!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>त्यो कम्प्युटरले लगभग तिमीजत्तिकै छिटो अङ्क बटुल्यो! तिमीलाई बाजीको 25 गुणा।</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>हे भगवान्। उसलाई त्यति धेरै अङ्क दिएर पनि तिमीले कसरी जित्यौ!? अब त तिमीलाई बाजीको 50 गुणा दिनै पर्‍यो।</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>मलाई लाग्दैन तिमी यसबाट बाँच्यौ।</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>बाजी थाप्न नबिर्स</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>बाजी थाप्न याद गर</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>तिमी हार्‍यौ! अर्को पटक भाग्यले साथ देओस्…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>तिम्रो र कम्प्युटरको दुवैको 32767 अङ्क छ, योभन्दा बढी हुनै सक्दैन, त्यसैले यो खेल कसैले जित्न सक्दैन। तिम्रो बाजी फिर्ता पाउँछौ।</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>बाजीको रकम: 0 देखि तिम्रो पैसासम्मको कुनै पूर्णाङ्क लेख, जस्तै 10।</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>पालोको सङ्ख्या: -32768 देखि 32767 सम्मको कुनै पूर्णाङ्क लेख, जस्तै 50।</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>गडबड! पैसा ऋणात्मक हुन सक्दैन।</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel मा यस्तो त्रुटि आयो जुन यसले सच्याउन सक्दैन, त्यसैले यो बन्द हुनुपर्छ।

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>प्रकार मिलेन: “%1” सङ्ख्या होइन</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ओभरफ्लो: %1, -32768 देखि 32767 भित्र अटाउँदैन</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ओभरफ्लो: “%1” धेरै ठूलो सङ्ख्या हो</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ओभरफ्लो: “%1”, -32768 देखि 32767 बाहिर छ</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>फ्लोटिङ-पोइन्ट त्रुटि: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>पासा %1 %2 %3 %4 %5 %6। पालो %7। तिमी %8, कम्प्युटर %9।</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>पैसा %1, बाजी %2।</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>प्रयोग: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[विकल्पहरू]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>विकल्पहरू:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>आर्गुमेन्टहरू:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>कमान्ड-लाइन विकल्पहरूबारे मद्दत देखाउँछ।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt का विशेष विकल्पसहित मद्दत देखाउँछ।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>संस्करणको जानकारी देखाउँछ।</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>अज्ञात विकल्प “%1”।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>अज्ञात विकल्पहरू: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” पछि मान छैन।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” पछि अनपेक्षित मान।</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ठिक छ</translation>
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
        <translation>ठिक छ</translation>
    </message>
</context>
</TS>
