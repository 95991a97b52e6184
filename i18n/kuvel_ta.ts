<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>கணினிக்கு எதிரான பகடை விளையாட்டு.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ஒரு செயலுருபு இந்த வட்டார அமைப்பில் செல்லுபடியான உரை அல்ல.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>எதிர்பாராத செயலுருபு “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>பகடை 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>பகடை 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>பகடை 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>பகடை 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>பகடை 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>பகடை 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ஜோடி</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>முக்கூட்டு</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>நாற்கூட்டு</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ஐங்கூட்டு</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>குவெல்</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>கை</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>நீ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>கணினி</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>போலாம்!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ஆரம்பிக்கும் முன் பந்தயம் கட்டு… பந்தயத் தொகையையும் (உன் பணத்துக்கு மேல் வேண்டாம்) கைகளின் எண்ணிக்கையையும் (1 முதல் 100 வரை, இல்லையென்றால் ஆட்டம் இழுத்துக்கொண்டே போகும்) கொடு. கணினிக்கான புள்ளிகளைத் தேர்ந்தெடு, “போலாம்!” அழுத்து, கிளம்பு! குவெல் என்றால் 6 பகடையும் ஒரே மாதிரி, ஐங்கூட்டு என்றால் ஐந்து ஒரே மாதிரி, நாற்கூட்டு என்றால் நான்கு… இதற்கு மேல் ரகசியம் சொல்ல மாட்டேன். பணம் மட்டும் தீர்ந்துவிடாமல் பார்த்துக்கொள். டாட்டா!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ஒவ்வொரு கைக்கும் கணினியின் புள்ளிகள்</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>பணம்</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>பந்தயம்</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>பந்தயம் கட்டு</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ஆடிய கைகள்</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>உன் புள்ளிகள்</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>கணினியின் புள்ளிகள்</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>பந்தயத் தொகை</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>எத்தனை கை</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>சரி</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>அடுத்த தடவை பந்தயம் கட்டு – இந்தத் தடவை என்ன நடக்கிறது என்று சும்மா வேடிக்கை பார்.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>அபாரம்! ஒரு குவெல்! உன் மறுக்கமுடியாத அதிர்ஷ்டத்துக்கு 1,296 புள்ளிகள் தருகிறேன்!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>அற்புதம்! ஐங்கூட்டு விழ நீ ரொம்ப அதிர்ஷ்டசாலியாக இருந்திருக்க வேண்டும் – 216 புள்ளிகள் தருகிறேன்!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>பலே! ஒரு நாற்கூட்டு! அதற்கு 36 புள்ளிகள் தருகிறேன்!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>நாற்கூட்டு மட்டுமில்லை, கூடவே ஒரு ஜோடியும்! 37 புள்ளிகள் தருகிறேன்!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>முக்கூட்டு ஒன்றும் அவ்வளவு மோசமில்லை – கூடவே ஆறு புள்ளிகளும் கிடைக்கும்!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ஒரு முக்கூட்டு – இன்னொரு ஜோடியும் தெரிகிறதா? ஏழு புள்ளிகள்!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>இரண்டு முக்கூட்டுகள் – ஒரே நேரத்தில்! அதற்கு 12 புள்ளிகள் தருகிறேன்!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>மூன்று வெவ்வேறு ஜோடிகள் பெரிய விஷயமில்லைதான், ஆனாலும் மூன்று புள்ளிகள் கிடைக்கும்.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>இரண்டு ஜோடிகள்… இரண்டு புள்ளிகளுக்கு மட்டும்தான் போதும்.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ஒரே ஒரு ஜோடி… இதைவிட மோசமாக முடியுமா? அதற்கு ஒரு புள்ளி.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>என்ன ஓர் அபூர்வம்! உன் எண்கள் எல்லாமே வெவ்வேறு – அதற்கு 66 புள்ளிகள் தருகிறேன்!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>சரி, நீ ஜெயித்துவிட்டாய், ஆனால் கணினிக்குப் பெரிதாகப் புள்ளிகள் கிடைக்கவில்லை. இருந்தாலும் உன் பந்தயத்தைத் திருப்பித் தருகிறேன்.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>அருமை! நீ ஜெயித்துவிட்டாய்! ஒரே பிரச்சினை… கணினிக்கு அவ்வளவு கொஞ்சம் புள்ளிகள்தான் கிடைத்தன. இருந்தாலும் உன் பந்தயத்தின் மேல் 5% கூடுதலாகத் தருகிறேன்.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>கணினிக்குக் கொஞ்சம் புள்ளிகள் கிடைத்தன. ஆனாலும் ரொம்ப சுலபமாக இருந்தது, இல்லையா? உனக்கு 25% அதிகம் கிடைக்கும்.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>கணினி கணிசமான புள்ளிகள் எடுத்தும் நீ அதை வென்றுவிட்டாய் போலிருக்கிறது. உன் பந்தயத்தை இரட்டிப்பாகத் திருப்பித் தருகிறேன்.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>அது ஏராளமான புள்ளிகள் எடுத்தது, இருந்தும் நீ ஜெயித்துவிட்டாய்! அதற்கு உன் பந்தயத்தின் 5 மடங்கு கிடைக்கும்.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>அது அவ்வளவு புள்ளிகள் எடுத்தும் நீ ஜெயித்தாய் என்றால்… என்ன சொல்வதென்றே தெரியவில்லை. இந்தா, உன் பந்தயத்தின் 10 மடங்கு.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>பலமான எதிரியுடன் மோதி ஜெயித்திருக்கிறாய். இந்தத் துணிச்சலுக்கு உன் பந்தயத்தின் 15 மடங்கு தருகிறேன்!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>அந்தக் கணினி கிட்டத்தட்ட உன் வேகத்திலேயே புள்ளிகளைக் குவித்தது! உன் பந்தயத்தின் 25 மடங்கு தருகிறேன்.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>அடேங்கப்பா. அதற்கு அவ்வளவு புள்ளிகள் கொடுத்தும் எப்படி ஜெயித்தாய்!? உன் பந்தயத்தின் 50 மடங்கு தருவதைத் தவிர வேறு வழியில்லை.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>இதிலிருந்து நீ தப்பித்திருப்பாய் என்று எனக்குத் தோன்றவில்லை.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>பந்தயம் கட்ட மறக்காதே</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>உன் பந்தயத்தை மறக்காதே</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>தோற்றுவிட்டாய்! அடுத்த தடவை அதிர்ஷ்டம் அடிக்கட்டும்…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>உனக்கும் கணினிக்கும் தலா 32767 புள்ளிகள், அதற்கு மேல் கிடையாது, அதனால் இந்த ஆட்டத்தை யாராலும் ஜெயிக்க முடியாது. உன் பந்தயம் திரும்பக் கிடைக்கும்.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>பந்தயத் தொகை: 0 முதல் உன் பணம் வரை ஒரு முழு எண்ணைத் தட்டச்சு செய், எடுத்துக்காட்டாக 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>எத்தனை கை: -32768 முதல் 32767 வரை ஒரு முழு எண்ணைத் தட்டச்சு செய், எடுத்துக்காட்டாக 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>பிழை! உன் பணம் பூஜ்யத்துக்குக் கீழே போக முடியாது.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>குவெல் சரிசெய்ய முடியாத ஒரு பிழையைச் சந்தித்தது, அதனால் மூடப்பட வேண்டும்.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>வகைப் பொருத்தமின்மை: “%1” ஓர் எண் அல்ல</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>வரம்பு மீறல்: %1 என்பது -32768 முதல் 32767 வரையிலான வரம்பில் அடங்காது</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>வரம்பு மீறல்: “%1” மிகப் பெரிய எண்</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>வரம்பு மீறல்: “%1” என்பது -32768 முதல் 32767 வரையிலான வரம்புக்கு வெளியே உள்ளது</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>மிதவைப்புள்ளிக் கணக்குப் பிழை: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>பகடைகள் %1 %2 %3 %4 %5 %6. கை %7. நீ %8, கணினி %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>பணம் %1, பந்தயம் %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>பயன்பாடு: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[விருப்பங்கள்]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>விருப்பங்கள்:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>செயலுருபுகள்:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>கட்டளை வரி விருப்பங்களுக்கான உதவியைக் காட்டும்.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-க்கே உரிய விருப்பங்கள் உட்பட உதவியைக் காட்டும்.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>பதிப்புத் தகவலைக் காட்டும்.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>தெரியாத விருப்பம் “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>தெரியாத விருப்பங்கள்: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”-க்குப் பின் மதிப்பு இல்லை.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”-க்குப் பின் எதிர்பாராத மதிப்பு.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;சரி</translation>
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
        <translation>சரி</translation>
    </message>
</context>
</TS>
