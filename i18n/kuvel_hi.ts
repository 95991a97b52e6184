<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>कंप्यूटर के ख़िलाफ़ पासों का खेल।</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>एक आर्गुमेंट इस लोकेल में मान्य टेक्स्ट नहीं है।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>अनपेक्षित आर्गुमेंट “%1”।</translation>
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
        <translation>जोड़ी</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>तिकड़ी</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>चौकड़ी</translation>
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
        <translation>बारी</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>तुम</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>चलो खेलें!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>शुरू करने से पहले दाँव लगाओ… दाँव (तुम्हारे पैसों से ज़्यादा नहीं) और बारियों की संख्या (1 से 100, वरना खेल बहुत लंबा चलेगा) लिखो। कंप्यूटर के अंक तय करो, “चलो खेलें!” दबाओ, और खेल शुरू! कुवेल यानी 6 एक जैसे, पंजा यानी पाँच एक जैसे, चौकड़ी यानी चार एक जैसे… इससे ज़्यादा राज़ नहीं खोलूँगा। बस पैसे ख़त्म मत होने देना। टाटा!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>हर बारी में कंप्यूटर के अंक</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>पैसे</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>दाँव</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>दाँव लगाओ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>खेली गई बारियाँ</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>तुम्हारे अंक</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>कंप्यूटर के अंक</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>दाँव की रकम</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>बारियों की संख्या</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>अगली बार दाँव लगाना – इस बार बस देखो कि क्या होता है।</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>कमाल! कुवेल! तुम्हारी बेमिसाल किस्मत के लिए तुम्हें 1,296 अंक!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>शानदार! पंजा तो किस्मत से ही आता है – तुम्हें 216 अंक!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>बढ़िया! चौकड़ी! इसके लिए तुम्हें 36 अंक!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>सिर्फ़ चौकड़ी ही नहीं, साथ में एक जोड़ी भी! तुम्हें 37 अंक!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>तिकड़ी बुरी नहीं है – और इससे तुम्हें छह अंक भी मिलते हैं!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>तिकड़ी – और क्या साथ में एक जोड़ी भी दिख रही है? सात अंक!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>दो तिकड़ियाँ – एक साथ! इसके लिए तुम्हें 12 अंक!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>तीन अलग-अलग जोड़ियाँ कोई बड़ी बात नहीं, फिर भी तीन अंक तो मिल ही गए।</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>दो जोड़ियाँ… बस दो अंक लायक।</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>बस एक जोड़ी… इससे बुरा और क्या होगा? इसका तुम्हें एक अंक मिलता है।</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>क्या अनोखा नज़ारा! तुम्हारे सारे पासे अलग-अलग हैं – इसके लिए तुम्हें 66 अंक!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>चलो, जीत तो तुम्हारी हुई, पर कंप्यूटर को ज़्यादा अंक नहीं मिले। फिर भी तुम्हारा दाँव वापस मिलेगा।</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ज़बरदस्त! जीत तुम्हारी! बस दिक्कत ये है कि… कंप्यूटर को बहुत ही कम अंक मिले। फिर भी तुम्हें दाँव पर 5% ज़्यादा मिलेगा।</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>कंप्यूटर को थोड़े-बहुत अंक मिले। पर काफ़ी आसान था, है ना? तुम्हें 25% ज़्यादा मिलेगा।</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>लगता है, कंप्यूटर के ठीक-ठाक अंक होने के बावजूद तुमने उसे हरा दिया। तुम्हें दाँव का दुगना वापस मिलेगा।</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>उसे ढेर सारे अंक मिले, फिर भी तुमने बाज़ी मार ली! इसके लिए तुम्हें दाँव का 5 गुना मिलेगा।</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>उसे इतने अंक मिले और फिर भी जीत तुम्हारी… क्या कहूँ, समझ नहीं आता। ये लो, दाँव का 10 गुना।</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>तुमने तगड़े विरोधी से टक्कर ली और जीत भी हासिल की। इस बहादुरी के लिए तुम्हें दाँव का 15 गुना!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>वो कंप्यूटर लगभग तुम्हारी ही रफ़्तार से अंक बटोर रहा था! तुम्हें दाँव का 25 गुना।</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>अरे बाप रे। उसे इतने अंक देकर भी तुमने बाज़ी कैसे मार ली!? अब तो तुम्हें दाँव का 50 गुना देना ही पड़ेगा।</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>मुझे नहीं लगता कि तुम इससे बच पाए।</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>दाँव लगाना मत भूलना!</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>दाँव की रकम डालना याद रखो!</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>तुम्हारी हार हुई! अगली बार किस्मत साथ दे…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>तुम्हारे और कंप्यूटर दोनों के 32767 अंक हैं, जो सबसे ज़्यादा हो सकते हैं, इसलिए यह खेल कोई नहीं जीत सकता। तुम्हें दाँव वापस मिलेगा।</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>दाँव की रकम: 0 से लेकर अपने पैसों तक कोई पूरी संख्या लिखो, जैसे 10।</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>बारियों की संख्या: -32768 से लेकर 32767 तक कोई पूरी संख्या लिखो, जैसे 50।</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>गड़बड़! पैसे माइनस में नहीं हो सकते।</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel में ऐसी गड़बड़ी हुई है जिसे वह ठीक नहीं कर सकता, इसलिए उसे बंद होना पड़ेगा।

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>टाइप मेल नहीं खाता: “%1” कोई संख्या नहीं है</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ओवरफ़्लो: %1, -32768 से 32767 के दायरे में नहीं आता</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ओवरफ़्लो: “%1” बहुत बड़ी संख्या है</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ओवरफ़्लो: “%1”, -32768 से 32767 के दायरे से बाहर है</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>फ़्लोटिंग-पॉइंट गड़बड़ी: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>पासे %1 %2 %3 %4 %5 %6। बारी %7। तुम %8, कंप्यूटर %9।</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>पैसे %1, दाँव %2।</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>इस्तेमाल: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[विकल्प]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>विकल्प:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>आर्गुमेंट:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>कमांड-लाइन विकल्पों के बारे में मदद दिखाता है।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt के ख़ास विकल्पों समेत मदद दिखाता है।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>वर्ज़न की जानकारी दिखाता है।</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>अनजाना विकल्प “%1”।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>अनजाने विकल्प: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” के बाद मान नहीं दिया गया।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” के बाद अनपेक्षित मान।</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ठीक है(&amp;O)</translation>
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
        <translation>ठीक है</translation>
    </message>
</context>
</TS>
