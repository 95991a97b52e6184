<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Et terningspil mod computeren.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Et argument er ikke gyldig tekst i den aktuelle sprogindstilling.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Uventet argument »%1«.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Terning 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Terning 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Terning 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Terning 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Terning 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Terning 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Tre ens</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Fire ens</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Fem ens</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Kast</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Du</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Klar til kast</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Sats, før du begynder … skriv din indsats (ikke mere end dine penge) og antal kast (1 til 100, ellers bliver det et langt spil). Vælg computerens point, klik på »Klar til kast«, og så kører det! En kuvel er 6 ens, og fem ens og fire ens siger vist sig selv … mere røber jeg ikke. Bare lad være med at løbe tør for penge. Hej hej!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Computerens point pr. kast</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Penge</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Indsats</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Sats</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Spillede kast</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Dine point</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Computerens point</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Din indsats</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Antal kast</translation>
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
        <translation>Sats næste gang – denne gang må du nøjes med at se, hvad der sker.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Utroligt! En kuvel! For dit uomtvistelige held giver jeg dig 1.296 point!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Vidunderligt! Du må have haft held med dig for at slå fem ens – jeg giver dig 216 point!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Flot! Fire ens! For det giver jeg dig 36 point!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Du fik ikke bare fire ens, men også et par oven i købet! Jeg giver dig 37 point!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Tre ens er slet ikke så ringe – og det giver dig endda seks point!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Tre ens – og ser jeg også et par? Syv point!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>To gange tre ens – på samme tid! Det giver jeg dig 12 point for!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tre forskellige par er måske ikke noget at prale af, men det giver dig dog tre point.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>To par … lige nok til to point.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Et enkelt par … kan det blive værre? Du får ét point for det.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Sikke en eksotisk sjældenhed! Alle dine terninger er forskellige – det giver jeg dig 66 point for!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Nå, du vandt, men computeren fik ikke mange point. Du får dog din indsats tilbage.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Fedt! Du vandt! Det eneste problem er bare … at computeren fik SÅ få point. Du får dog 5 % ekstra oven i din indsats.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Computeren fik et par point. Men det var nu ret nemt, ikke? Du får 25 % mere.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Du har åbenbart slået computeren, selvom den fik en pæn portion point. Du får din indsats dobbelt tilbage.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Den fik masser af point, og alligevel vandt du! For det får du 5 gange din indsats.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Når den fik så mange point, og du alligevel vandt … så ved jeg ikke, hvad jeg skal sige. Her er 10 gange din indsats.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Du kæmpede mod en frygtindgydende modstander og vandt. For den bedrift giver jeg dig 15 gange din indsats!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Den computer scorede point NÆSTEN lige så hurtigt som dig! Jeg giver dig 25 gange din indsats.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Du milde! Hvordan kunne du vinde, når du gav den så mange point!? Så må jeg vel give dig 50 gange din indsats.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Det tror jeg ikke, du overlevede.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>HUSK AT SATSE</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>GLEM IKKE DIN INDSATS</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Du tabte! Bedre held næste gang …</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Du og computeren har begge 32.767 point, det højeste der findes, så ingen kan vinde dette spil. Du får din indsats tilbage.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Din indsats: skriv et helt tal fra 0 op til dine penge, for eksempel 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Antal kast: skriv et helt tal fra -32768 op til 32767, for eksempel 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>FEJL! Du kan ikke have negative penge.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel er stødt på en fejl, som programmet ikke kan komme sig over, og må lukke.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Typefejl: »%1« er ikke et tal</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Overløb: %1 ligger ikke inden for -32768 til 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Overløb: »%1« er et for stort tal</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Overløb: »%1« ligger uden for -32768 til 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Kommatalsfejl: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Terninger %1 %2 %3 %4 %5 %6. Kast %7. Du %8, computeren %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Penge %1, indsats %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Brug: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valgmuligheder]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valgmuligheder:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenter:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Viser hjælp til kommandolinjens valgmuligheder.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Viser hjælp inklusive Qt-specifikke valgmuligheder.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Viser versionsinformation.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Ukendt valgmulighed »%1«.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Ukendte valgmuligheder: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manglende værdi efter »%1«.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Uventet værdi efter »%1«.</translation>
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
