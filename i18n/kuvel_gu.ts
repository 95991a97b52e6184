<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>કમ્પ્યુટર સામે પાસાની રમત.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>કોઈ આર્ગ્યુમેન્ટ આ લોકેલમાં માન્ય લખાણ નથી.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>અણધાર્યો આર્ગ્યુમેન્ટ “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>પાસો 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>પાસો 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>પાસો 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>પાસો 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>પાસો 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>પાસો 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>જોડી</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ત્રિપુટી</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ચોકડી</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>પંજો</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>કુવેલ</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>વારો</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>તમે</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>કમ્પ્યુટર</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ચાલો રમીએ!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>શરૂ કરતાં પહેલાં શરત લગાવો… શરતની રકમ (તમારા પૈસાથી વધુ નહીં) અને વારાની સંખ્યા (1 થી 100, નહીં તો રમત પૂરી જ નહીં થાય) લખો. કમ્પ્યુટરને કેટલા પોઈન્ટ મળે તે નક્કી કરો, “ચાલો રમીએ!” દબાવો, અને થઈ ગઈ શરૂઆત! કુવેલ એટલે 6 સરખા, પંજો એટલે પાંચ સરખા, ચોકડી એટલે ચાર સરખા… આથી વધુ ભેદ નહીં ખોલું. બસ, પૈસા ખૂટવા ન દેતા. આવજો!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>દરેક વારે કમ્પ્યુટરના પોઈન્ટ</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>પૈસા</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>શરત</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>શરત લગાવો</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>રમાયેલા વારા</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>તમારા પોઈન્ટ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>કમ્પ્યુટરના પોઈન્ટ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>શરતની રકમ</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>વારાની સંખ્યા</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ઠીક છે</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>આવતી વખતે શરત લગાવજો – આ વખતે બસ જુઓ કે શું થાય છે.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>અદ્ભુત! કુવેલ! તમારા આ નિર્વિવાદ નસીબ માટે તમને 1,296 પોઈન્ટ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>વાહ! પંજો તો નસીબથી જ આવે – તમને 216 પોઈન્ટ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>સરસ! ચોકડી! એના માટે તમને 36 પોઈન્ટ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>ફક્ત ચોકડી જ નહીં, ઉપરથી એક જોડી પણ! તમને 37 પોઈન્ટ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ત્રિપુટી કંઈ ખરાબ નથી – ને ઉપરથી છ પોઈન્ટ પણ મળે છે!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ત્રિપુટી – ને આ બીજી જોડી પણ દેખાય છે કે શું? સાત પોઈન્ટ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>બે ત્રિપુટી – એકસાથે! એના માટે તમને 12 પોઈન્ટ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ત્રણ અલગ-અલગ જોડી કદાચ કહેવા જેવી વાત નથી, છતાં ત્રણ પોઈન્ટ તો મળે જ છે.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>બે જોડી… માંડ બે પોઈન્ટ જેટલી.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>એક જ જોડી… આનાથી ખરાબ શું હોય? એનો તમને એક પોઈન્ટ મળે છે.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>કેવું અનોખું દૃશ્ય! તમારા બધા પાસા અલગ-અલગ છે – એના માટે તમને 66 પોઈન્ટ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ઠીક, તમે જીત્યા, પણ કમ્પ્યુટરને ઝાઝા પોઈન્ટ ન મળ્યા. તોય તમારી શરત પાછી મળશે.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>જોરદાર! તમે જીત્યા! તકલીફ એક જ છે… કમ્પ્યુટરને સાવ ઓછા પોઈન્ટ મળ્યા. તોય તમારી શરત પર 5% વધારે મળશે.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>કમ્પ્યુટરને થોડાઘણા પોઈન્ટ મળ્યા. પણ આ તો ઘણું સહેલું હતું, ખરું ને? તમને 25% વધારે મળશે.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>લાગે છે કે કમ્પ્યુટરને ઠીકઠાક પોઈન્ટ મળ્યા છતાં તમે એને હરાવી દીધું. તમને શરતના બમણા પાછા મળશે.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>એને ઢગલો પોઈન્ટ મળ્યા, છતાં તમે જીતી ગયા! એના માટે તમને શરતના 5 ગણા મળશે.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>એને આટલા પોઈન્ટ મળ્યા ને તોય તમે જીત્યા… શું કહું, સમજાતું નથી. લો, શરતના 10 ગણા.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>તમે એક જબરા હરીફ સામે લડીને જીત્યા. આ બહાદુરી માટે તમને શરતના 15 ગણા!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>એ કમ્પ્યુટર લગભગ તમારા જેટલી જ ઝડપે પોઈન્ટ ભેગા કરતું હતું! તમને શરતના 25 ગણા.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>બાપ રે. એને આટલા પોઈન્ટ આપીને પણ તમે જીત્યા કેવી રીતે!? હવે તો તમને શરતના 50 ગણા આપવા જ પડશે.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>મને નથી લાગતું કે તમે આમાંથી બચ્યા હો.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>શરત લગાવવાનું ભૂલતા નહીં</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>શરત લગાવવાનું યાદ રાખજો</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>તમે હાર્યા! આવતી વખતે નસીબ સાથ આપે…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>તમારા અને કમ્પ્યુટર બંનેના 32767 પોઈન્ટ છે, આથી વધુ થઈ જ ન શકે, એટલે આ રમત કોઈ જીતી શકે એમ નથી. તમારી શરત પાછી મળશે.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>શરતની રકમ: 0 થી તમારા પૈસા સુધીની કોઈ પૂર્ણ સંખ્યા લખો, જેમ કે 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>વારાની સંખ્યા: -32768 થી 32767 સુધીની કોઈ પૂર્ણ સંખ્યા લખો, જેમ કે 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ગરબડ! પૈસા ઋણાત્મક ન હોઈ શકે.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel માં એવી ભૂલ આવી છે જે તે સુધારી શકે એમ નથી, એટલે તેને બંધ થવું પડશે.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>પ્રકાર મેળ ખાતો નથી: “%1” સંખ્યા નથી</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ઓવરફ્લો: %1, -32768 થી 32767 ની મર્યાદામાં સમાતો નથી</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ઓવરફ્લો: “%1” બહુ મોટી સંખ્યા છે</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ઓવરફ્લો: “%1”, -32768 થી 32767 ની બહાર છે</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ફ્લોટિંગ-પોઈન્ટ ભૂલ: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>પાસા %1 %2 %3 %4 %5 %6. વારો %7. તમે %8, કમ્પ્યુટર %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>પૈસા %1, શરત %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ઉપયોગ: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[વિકલ્પો]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>વિકલ્પો:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>આર્ગ્યુમેન્ટ:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>કમાન્ડ-લાઇન વિકલ્પો વિશે મદદ બતાવે છે.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt ના ખાસ વિકલ્પો સહિત મદદ બતાવે છે.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>આવૃત્તિની માહિતી બતાવે છે.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>અજાણ્યો વિકલ્પ “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>અજાણ્યા વિકલ્પો: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” પછી મૂલ્ય નથી.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” પછી અણધાર્યું મૂલ્ય.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ઠીક છે</translation>
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
        <translation>ઠીક છે</translation>
    </message>
</context>
</TS>
