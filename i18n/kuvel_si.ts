<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="si" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>පරිගණකයට එරෙහිව දාදු සෙල්ලමක්.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>එක් තර්කයක් මෙම භාෂා සැකසුමට වලංගු පෙළක් නොවේ.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>අනපේක්ෂිත තර්කය “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>දාදු කැටය 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>දාදු කැටය 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>දාදු කැටය 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>දාදු කැටය 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>දාදු කැටය 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>දාදු කැටය 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ජෝඩුව</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ත්‍රිත්වය</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>චතුෂ්කය</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>පංචකය</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>කුවෙල්</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>වාර</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>ඔයා</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>පරිගණක</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ගහමු!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>පටන් ගන්න කලින් ඔට්ටුවක් අල්ලන්න… ඔට්ටු මුදල (ඔයාගේ මුදල්වලට වඩා වැඩි නොවී) සහ වාර ගණන (1 සිට 100 දක්වා, නැත්නම් සෙල්ලම ඉවර වෙන්නේම නැහැ) ලියන්න. පරිගණකයට ලැබෙන ලකුණු ගණන තෝරන්න, “ගහමු!” ඔබන්න, එච්චරයි, පටන් ගත්තා! කුවෙල් කියන්නේ 6ම එක වගේ, පංචකය කියන්නේ පහක් එක වගේ, චතුෂ්කය කියන්නේ හතරක් එක වගේ… ඊට වඩා රහස් කියන්නේ නැහැ. මුදල් ඉවර කරගන්න නම් එපා. බායි!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>හැම වාරයකටම පරිගණකයට ලැබෙන ලකුණු</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>මුදල්</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ඔට්ටුව</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ඔට්ටු අල්ලමු</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>සෙල්ලම් කළ වාර</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ඔයාගේ ලකුණු</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>පරිගණකයේ ලකුණු</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ඔට්ටු මුදල</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>වාර ගණන</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>හරි</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>ඊළඟ වතාවේ ඔට්ටු අල්ලන්න – මේ වතාවේ මොකද වෙන්නේ කියලා බලාගෙන ඉන්න.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>පුදුමයි! කුවෙල් එකක්! ඔයාගේ මේ අවිවාදිත වාසනාවට ලකුණු 1,296ක්!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>නියමයි! පංචකයක් වැටෙන්න වාසනාව ඕනෙමයි – ලකුණු 216ක්!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>ෂෝක්! චතුෂ්කයක්! ඒකට ලකුණු 36ක්!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>චතුෂ්කයක් විතරක් නෙවෙයි, ජෝඩුවකුත් එක්ක! ලකුණු 37ක්!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ත්‍රිත්වයක් එච්චර නරක නැහැ – ලකුණු හයකුත් ලැබෙනවා!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ත්‍රිත්වයක් – තව ජෝඩුවකුත් පේනවද? ලකුණු හතයි!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ත්‍රිත්ව දෙකක් – එකපාරටම! ඒකට ලකුණු 12ක් දෙනවා!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>වෙනස් ජෝඩු තුනක් එච්චර කියන්න දෙයක් නොවෙන්න පුළුවන්, ඒත් ලකුණු තුනක් නම් ලැබෙනවා.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ජෝඩු දෙකක්… ලකුණු දෙකකට විතරයි.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>එක ජෝඩුවක් විතරයි… මීට වඩා නරක වෙන්න පුළුවන්ද? ඒකට ලකුණක් ලැබෙනවා.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>මොන තරම් දුර්ලභ දෙයක්ද! ඔයාගේ දාදු ඔක්කොම වෙනස් – ඒකට ලකුණු 66ක් දෙනවා!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>හරි, ඔයා දින්නා, ඒත් පරිගණකයට වැඩිය ලකුණු ලැබුණේ නැහැ. ඒ වුණාට ඔයාගේ ඔට්ටුව ආපහු දෙනවා.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>සුපිරි! ඔයා දින්නා! එකම ප්‍රශ්නේ… පරිගණකයට ලැබුණු ලකුණු හරිම ටිකයි. ඒ වුණාට ඔයාගේ ඔට්ටුවට 5%ක් අමතරව දෙනවා.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>පරිගණකයට ලකුණු ටිකක් ලැබුණා. ඒත් හරිම ලේසි වුණා නේද? ඔයාට 25%ක් වැඩිපුර ලැබෙනවා.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>පේන විදිහට, පරිගණකයට හොඳ ලකුණු ගාණක් ලැබුණත් ඔයා ඒක පැරැද්දුවා. ඔයාට ඔට්ටුව මෙන් දෙගුණයක් ආපහු දෙනවා.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ඒකට ලකුණු ගොඩක් ලැබුණා, ඒත් ඔයා දින්නා! ඒකට ඔයාට ඔට්ටුව මෙන් 5 ගුණයක් ලැබෙනවා.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>ඒකට ඒ තරම් ලකුණු ලැබිලත් ඔයා දින්නා නම්… මොනවා කියන්නද කියලා දන්නේ නැහැ. මෙන්න, ඔට්ටුව මෙන් 10 ගුණයක්.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>ඔයා දරුණු විරුද්ධවාදියෙක් එක්ක සටන් කරලා දින්නා. මේ නිර්භීතකමට ඔට්ටුව මෙන් 15 ගුණයක්!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ඒ පරිගණකය ලකුණු එකතු කළේ ඔයා තරම්ම වගේ වේගෙන්! ඔට්ටුව මෙන් 25 ගුණයක් දෙනවා.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>අම්මෝ. ඒකට ඒ තරම් ලකුණු දීලත් ඔයා දින්නේ කොහොමද!? දැන් ඉතින් ඔට්ටුව මෙන් 50 ගුණයක් දෙන්නම වෙනවා.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ඔයා ඕකෙන් බේරුණා කියලා නම් හිතන්න අමාරුයි.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ඔට්ටු අල්ලන්න අමතක කරන්න එපා</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ඔට්ටුව අල්ලන්න මතක තියාගන්න</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ඔයා පැරදුණා! ඊළඟ වතාවේ වාසනාව ලැබේවා…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>ඔයාටයි පරිගණකයටයි දෙන්නටම ලකුණු 32767ක් තියෙනවා, ඊට වඩා යන්න බැහැ, ඒ නිසා මේ සෙල්ලම කාටවත් දිනන්න බැහැ. ඔයාගේ ඔට්ටුව ආපහු ලැබෙනවා.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ඔට්ටු මුදල: 0 සිට ඔයාගේ මුදල් දක්වා පූර්ණ සංඛ්‍යාවක් ලියන්න, උදාහරණයක් ලෙස 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>වාර ගණන: -32768 සිට 32767 දක්වා පූර්ණ සංඛ්‍යාවක් ලියන්න, උදාහරණයක් ලෙස 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>වැරැද්දක්! මුදල් සෘණ වෙන්න බැහැ.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel එකට බේරාගන්න බැරි දෝෂයක් ආවා, ඒ නිසා ඒකට වැහෙන්න වෙනවා.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>වර්ගය නොගැළපේ: “%1” සංඛ්‍යාවක් නොවේ</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>පිටාර ගැලීම: %1, -32768 සිට 32767 දක්වා පරාසයට නොගැළපේ</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>පිටාර ගැලීම: “%1” ඉතා විශාල සංඛ්‍යාවකි</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>පිටාර ගැලීම: “%1”, -32768 සිට 32767 දක්වා පරාසයෙන් පිටත</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ඉපිලෙන ලක්ෂ්‍ය දෝෂය: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>දාදු %1 %2 %3 %4 %5 %6. වාරය %7. ඔයා %8, පරිගණකය %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>මුදල් %1, ඔට්ටුව %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>භාවිතය: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[විකල්ප]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>විකල්ප:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>තර්ක:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>විධාන පෙළ විකල්ප ගැන උදව් පෙන්වයි.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt වලට ආවේණික විකල්ප ද ඇතුළුව උදව් පෙන්වයි.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>අනුවාද තොරතුරු පෙන්වයි.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>නොදන්නා විකල්පය “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>නොදන්නා විකල්ප: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” ට පසු අගයක් නැත.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” ට පසු අනපේක්ෂිත අගයක්.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;හරි</translation>
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
        <translation>හරි</translation>
    </message>
</context>
</TS>
