<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mt" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Logħba tad-dadi kontra l-kompjuter.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Argument mhuwiex test validu f’dan il-lokal.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument mhux mistenni “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Terna</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kwaterna</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ċinkwina</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Rim.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Int</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kompjuter</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Ejja!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Qabel tibda, agħmel imħatra… daħħal l-imħatra (mhux aktar mill-flus li għandek) u n-numru ta’ rimjiet (minn 1 sa 100, inkella toqgħod hemm sa filgħodu). Agħżel kemm-il punt jieħu l-kompjuter, ikklikkja “Ejja!” u tlaqna! Kuvel huwa 6 indaqs, ċinkwina hija ħamsa indaqs, kwaterna hija erbgħa indaqs… aktar minn hekk ma nikxifx. Biss, tibqax bla flus. Ċaw!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Punti tal-kompjuter għal kull rimja</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Flus</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Imħatra</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Agħmel imħatra</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Rimjiet milgħuba</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Il-punti tiegħek</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Il-punti tal-kompjuter</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Ammont tal-imħatra</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Numru ta’ rimjiet</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Id-darba d-dieħla agħmel imħatra – din id-darba se nħallik tara x’jiġri.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Tal-għaġeb! Kuvel! Għal xortik bla dubju nagħtik 1,296 punt!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Sabiħ ħafna! Żgur kellek ix-xorti biex tagħmel ċinkwina – nagħtik 216-il punt!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Sabiħ! Kwaterna! Għal dik nagħtik 36 punt!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Mhux biss kwaterna, imma par żejjed ukoll! Nagħtik 37 punt!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Terna mhix daqshekk ħażina – u tagħtik ukoll sitt punti!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Terna – u qed nara par ieħor? Seba’ punti!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Żewġ terni – fl-istess ħin! Għal dik nagħtik 12-il punt!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tliet pari differenti forsi mhumiex xi ħaġa kbira, imma xorta jagħtuk tliet punti.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Żewġ pari… bilkemm biżżejjed għal żewġ punti.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Par wieħed biss… jista’ jmur agħar minn hekk? Għal dan tieħu punt.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>X’rarità eżotika! In-numri tiegħek kollha differenti – għal dik nagħtik 66 punt!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Ħeqq, rbaħt, imma l-kompjuter ma ħax wisq punti. Xorta se nroddlok l-imħatra lura, però.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Tajjeb ħafna! Rbaħt! L-unika problema hi li… il-kompjuter ħa TANT ftit punti. Xorta nżidlek 5% fuq l-imħatra, però.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Il-kompjuter ħa ftit punti. Imma kienet pjuttost faċli, hux? Se tieħu 25% aktar.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Jidher li għelibt lill-kompjuter anki jekk ħa ammont diċenti ta’ punti. Nroddlok l-imħatra lura doppja.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ħa ħafna punti, u int xorta rnexxielek tirbaħ! Għal dik se tieħu 5 darbiet l-imħatra tiegħek.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Jekk ħa daqshekk punti u int xorta rbaħt… ma nafx x’ngħid. Hawn, ħu 10 darbiet l-imħatra tiegħek.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Ġlidt kontra avversarju tal-biża’ u rbaħt. Għal dan il-kuraġġ nagħtik 15-il darba l-imħatra tiegħek!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Dak il-kompjuter ġabar il-punti KWAŻI malajr daqsek! Nagħtik 25 darba l-imħatra tiegħek.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ajma. Kif irnexxielek tirbaħ meta tajtu daqshekk punti!? M’għandix għażla ħlief nagħtik 50 darba l-imħatra tiegħek.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ma naħsibx li ħriġt ħaj minn dik.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>TINSIEX TAGĦMEL IMĦATRA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>FTAKAR FL-IMĦATRA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Tlift! Xorti aħjar id-darba d-dieħla…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Int u l-kompjuter għandkom it-tnejn 32,767 punt, l-akbar numru possibbli, għalhekk ħadd ma jista’ jirbaħ din il-logħba. Tieħu l-imħatra lura.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Ammont tal-imħatra: jekk jogħġbok ikteb numru sħiħ minn 0 sal-flus li għandek, pereżempju 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Numru ta’ rimjiet: jekk jogħġbok ikteb numru sħiħ minn -32768 sa 32767, pereżempju 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ŻBALL! Ma jistax ikollok flus negattivi.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel iltaqa’ ma’ żball li ma jistax jirkupra minnu, u jrid jagħlaq.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tip ma jaqbilx: “%1” mhuwiex numru</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Qbiż tal-limitu: %1 ma joqgħodx bejn -32768 u 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Qbiż tal-limitu: “%1” huwa numru kbir wisq</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Qbiż tal-limitu: “%1” mhuwiex bejn -32768 u 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Żball tal-punt mobbli: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Dadi %1 %2 %3 %4 %5 %6. Rimja %7. Int %8, kompjuter %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Flus %1, imħatra %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Użu: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[għażliet]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Għażliet:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenti:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Juri l-għajnuna dwar l-għażliet tal-linja tal-kmand.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Juri l-għajnuna, inklużi l-għażliet speċifiċi għal Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Juri t-tagħrif dwar il-verżjoni.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Għażla mhux magħrufa “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Għażliet mhux magħrufa: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nieqes valur wara “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valur mhux mistenni wara “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>OK</translation>
    </message>
</context>
</TS>
