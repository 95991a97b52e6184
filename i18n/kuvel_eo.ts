<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eo" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Ĵetkuba ludo kontraŭ la komputilo.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Argumento ne estas valida teksto en ĉi tiu lokaĵaro.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neatendita argumento “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ĵetkubo 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ĵetkubo 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ĵetkubo 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ĵetkubo 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ĵetkubo 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ĵetkubo 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Paro</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Triopo</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kvaropo</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kvinopo</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvelo</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ĵeto</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Vi</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Komputilo</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Ek!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Vetu antaŭ ol komenci… entajpu la veton (ne pli ol via mono) kaj la nombron de ĵetoj (de 1 ĝis 100, alie la ludo daŭros eterne). Agordu la poentojn de la komputilo, alklaku “Ek!”, kaj for vi iras! Kuvelo estas 6 samaj, kvinopo kvin samaj, kvaropo kvar samaj… pli mi ne malkaŝos. Nur ne restu sen mono. Ĝis!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Poentoj de la komputilo po ĵeto</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Veto</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Faru veton</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Luditaj ĵetoj</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Viaj poentoj</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Poentoj de la komputilo</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Vetsumo</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Nombro de ĵetoj</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Bone</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Venontfoje vetu – ĉi-foje mi lasos vin nur vidi, kio okazas.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Mirinde! Kuvelo! Pro via nekontestebla bonŝanco mi donas al vi 1&#xa0;296 poentojn!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Belege! Vi certe havis bonŝancon por atingi kvinopon – mi donas al vi 216 poentojn!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Bele! Kvaropo! Por tio mi donas al vi 36 poentojn!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ne nur kvaropo, sed ankaŭ aldona paro! Mi donas al vi 37 poentojn!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Triopo ne estas tiel malbona – kaj ĝi donas al vi ankaŭ ses poentojn!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Triopo – kaj ĉu mi vidas ankoraŭ paron? Sep poentoj!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Du triopoj – samtempe! Mi donos al vi 12 poentojn pro tio!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tri malsamaj paroj eble ne estas menciindaj, sed ili tamen donas al vi tri poentojn.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Du paroj… apenaŭ sufiĉe por du poentoj.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Unu sola paro… ĉu povus esti pli malbone? Vi ricevas unu poenton pro tio.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Kia ekzotika maloftaĵo! Ĉiuj viaj nombroj estas malsamaj – mi donos al vi 66 poentojn pro tio!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Nu, vi venkis, sed la komputilo ne ricevis multajn poentojn. Tamen mi redonos al vi vian veton.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Bonege! Vi venkis! La sola problemo estas, ke… la komputilo ricevis TIEL malmultajn poentojn. Tamen mi aldonos 5&#xa0;% al via veto.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>La komputilo ricevis kelkajn poentojn. Tamen estis sufiĉe facile, ĉu ne? Vi ricevos 25&#xa0;% pli.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Ŝajne vi venkis la komputilon, kvankam ĝi ricevis decan nombron da poentoj. Mi redonas al vi vian veton duoble.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ĝi ricevis amason da poentoj, tamen vi sukcesis venki! Pro tio vi ricevos 5-oble vian veton.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Se ĝi ricevis tiom da poentoj kaj vi tamen venkis… mi ne scias, kion diri. Jen via veto 10-oble.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Vi batalis kontraŭ timinda kontraŭulo kaj venkis. Pro tia braveco mi donas al vi 15-oble vian veton!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Tiu komputilo kolektis poentojn PRESKAŬ tiel rapide kiel vi! Mi donas al vi 25-oble vian veton.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ho ve. Kiel vi povis venki, donante al ĝi tiom da poentoj!? Mi simple devos doni al vi 50-oble vian veton.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Mi ne kredas, ke vi travivis tion.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>NE FORGESU VETI</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>MEMORU PRI LA VETO</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Vi malvenkis! Pli bonan ŝancon venontfoje…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Vi kaj la komputilo ambaŭ havas 32&#xa0;767 poentojn, la plej multajn eblajn, do neniu povas venki en ĉi tiu ludo. Vi ricevas vian veton reen.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Vetsumo: bonvolu entajpi entjeron de 0 ĝis via mono, ekzemple 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Nombro de ĵetoj: bonvolu entajpi entjeron de -32768 ĝis 32767, ekzemple 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ERARO! Vi ne povas havi negativan monon.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel renkontis eraron, el kiu ĝi ne povas restariĝi, kaj devas fermiĝi.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Malkongruo de tipoj: “%1” ne estas nombro</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Superfluo: %1 ne eniras la intervalon de -32768 ĝis 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Superfluo: “%1” estas tro granda nombro</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Superfluo: “%1” estas ekster la intervalo de -32768 ĝis 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Glitkoma eraro: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Ĵetkuboj %1 %2 %3 %4 %5 %6. Ĵeto %7. Vi %8, komputilo %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Mono %1, veto %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uzado: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcioj]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcioj:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentoj:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Montras helpon pri komandliniaj opcioj.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Montras helpon inkluzive de Qt-specifaj opcioj.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Montras informojn pri la versio.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nekonata opcio “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nekonataj opcioj: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Mankas valoro post “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neatendita valoro post “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Bone</translation>
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
        <translation>Bone</translation>
    </message>
</context>
</TS>
