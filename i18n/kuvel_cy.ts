<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cy" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Gêm ddis yn erbyn y cyfrifiadur.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Nid yw dadl yn destun dilys yn y locale hwn.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Dadl annisgwyl ‘%1’.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dis 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dis 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dis 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dis 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dis 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dis 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pâr</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Triawd</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pedwarawd</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pumawd</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Tro</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ti</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Cyfrifiadur</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Amdani!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Gwna fet cyn dechrau… rho dy fet (dim mwy na’r arian sydd gen ti) a nifer y troeon (1 i 100, neu fe fyddi di wrthi am oes). Gosod y pwyntiau mae’r cyfrifiadur yn eu cael, clicia ‘Amdani!’, ac i ffwrdd â ti! Mae kuvel yn 6 o’r un fath, pumawd yn bump o’r un fath, pedwarawd yn bedwar o’r un fath… alla i ddim datgelu llawer mwy. Paid â rhedeg allan o arian, dyna i gyd. Hwyl am y tro!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Pwyntiau’r cyfrifiadur bob tro</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Arian</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Bet</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Gwna fet</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Troeon a chwaraewyd</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Dy bwyntiau</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pwyntiau’r cyfrifiadur</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Swm y bet</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Nifer y troeon</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Iawn</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Gwna fet y gêm nesaf – am nawr, cei di weld beth sy’n digwydd.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Anhygoel! Kuvel! Am dy lwc ddiamheuol, rwy’n rhoi 1,296 o bwyntiau i ti!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Gwych! Rhaid dy fod yn lwcus i gael pumawd – rwy’n rhoi 216 o bwyntiau i ti!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Da iawn! Pedwarawd! Am hynny rwy’n rhoi 36 o bwyntiau i ti!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Nid yn unig pedwarawd, ond pâr ychwanegol hefyd! Rwy’n rhoi 37 o bwyntiau i ti!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Dydy triawd ddim yn rhy ddrwg – ac mae’n rhoi chwe phwynt i ti hefyd!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Triawd – a ydw i’n gweld pâr arall? Saith pwynt!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Dau driawd – ar yr un pryd! Fe ro i 12 o bwyntiau i ti am hynny!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Efallai nad yw tri phâr gwahanol yn werth sôn amdanyn nhw, ond maen nhw’n dal i roi tri phwynt i ti.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dau bâr… digon am ddau bwynt, a dim mwy.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Un pâr bach unig… allai pethau fod yn waeth? Cei di bwynt am hynny.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Am brinder egsotig! Mae dy rifau i gyd yn wahanol – fe ro i 66 o bwyntiau i ti am hynny!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Wel, enillaist ti, ond chafodd y cyfrifiadur ddim llawer o bwyntiau. Fe gei di dy fet yn ôl, serch hynny.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Ardderchog! Enillaist ti! Yr unig broblem yw… cafodd y cyfrifiadur CYN LLEIED o bwyntiau. Fe ro i 5% yn ychwanegol ar dy fet, serch hynny.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Cafodd y cyfrifiadur ychydig o bwyntiau. Ond roedd hi’n eithaf hawdd, on’d oedd? Cei di 25% yn fwy.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Mae’n debyg dy fod wedi curo’r cyfrifiadur er iddo gael nifer go lew o bwyntiau. Fe gei di ddwywaith dy fet yn ôl.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Cafodd lwythi o bwyntiau, ond fe lwyddaist ti i ennill er hynny! Fe gei di 5 gwaith dy fet am hynny.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Os cafodd gymaint o bwyntiau a thithau wedi ennill er hynny… wn i ddim beth i’w ddweud. Dyma 10 gwaith dy fet.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Fe ymladdaist ti yn erbyn gwrthwynebydd aruthrol ac ennill. Am y fath ddewrder, rwy’n rhoi 15 gwaith dy fet i ti!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Casglodd y cyfrifiadur yna bwyntiau BRON cyn gyflymed â ti! Rwy’n rhoi 25 gwaith dy fet i ti.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Bobol bach. Sut allet ti ennill a thithau wedi rhoi cymaint o bwyntiau iddo!? Bydd rhaid i mi roi 50 gwaith dy fet i ti.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Dwi ddim yn meddwl dy fod wedi goroesi hynna.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>COFIA WNEUD BET</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>PAID AG ANGHOFIO DY FET</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Collaist ti! Gwell lwc y gêm nesaf…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Mae gennyt ti a’r cyfrifiadur 32,767 o bwyntiau yr un, y mwyaf posibl, felly all neb ennill y gêm hon. Fe gei di dy fet yn ôl.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Swm y bet: teipia rif cyfan o 0 hyd at yr arian sydd gen ti, er enghraifft 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Nifer y troeon: teipia rif cyfan o -32768 hyd at 32767, er enghraifft 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>GWALL! Alli di ddim cael arian negatif.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Mae Kuvel wedi taro gwall na all ddod drosto, ac mae’n rhaid iddo gau.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Math anghydnaws: nid yw ‘%1’ yn rhif</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Gorlif: nid yw %1 yn ffitio rhwng -32768 a 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Gorlif: mae ‘%1’ yn rhif rhy fawr</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Gorlif: mae ‘%1’ y tu allan i’r ystod -32768 i 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Gwall pwynt arnawf: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Disiau %1 %2 %3 %4 %5 %6. Tro %7. Ti %8, cyfrifiadur %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Arian %1, bet %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Defnydd: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[dewisiadau]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Dewisiadau:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Dadleuon:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Yn dangos cymorth ar ddewisiadau’r llinell orchymyn.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Yn dangos cymorth, gan gynnwys dewisiadau sy’n benodol i Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Yn dangos gwybodaeth am y fersiwn.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Dewis anhysbys ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Dewisiadau anhysbys: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Gwerth ar goll ar ôl ‘%1’.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Gwerth annisgwyl ar ôl ‘%1’.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Iawn</translation>
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
        <translation>Iawn</translation>
    </message>
</context>
</TS>
