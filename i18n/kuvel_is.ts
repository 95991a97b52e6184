<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="is" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Teningaspil á móti tölvunni.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Viðfang er ekki gildur texti í þessari staðfærslu.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Óvænt viðfang „%1“.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Teningur 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Teningur 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Teningur 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Teningur 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Teningur 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Teningur 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Par</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Þrenna</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ferna</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Fimma</translation>
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
        <translation>Þú</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Tölva</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Af stað!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Veðjaðu áður en þú byrjar… sláðu inn veðmálið (ekki meira en peningarnir þínir leyfa) og fjölda kasta (1 til 100, annars tekur leikurinn heila eilífð). Stilltu stigin sem tölvan fær, smelltu á „Af stað!“ og þá er allt komið á fullt! Kuvel er 6 eins, fimma er fimm eins, ferna er fjórir eins… meira get ég ekki ljóstrað upp. Passaðu bara að peningarnir klárist ekki. Bæjó!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Stig tölvunnar í hverju kasti</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Peningar</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Veðmál</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Veðja</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Spiluð köst</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Þín stig</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Stig tölvunnar</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Upphæð veðmáls</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Fjöldi kasta</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Í lagi</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Veðjaðu næst – í þetta sinn leyfi ég þér bara að sjá hvað gerist.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Ótrúlegt! Kuvel! Fyrir óumdeilanlega heppni þína gef ég þér 1.296 stig!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Frábært! Heppnin hlýtur að hafa verið með þér fyrst þú fékkst fimmu – ég gef þér 216 stig!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Flott! Ferna! Fyrir það gef ég þér 36 stig!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ekki bara ferna, heldur líka par í kaupbæti! Ég gef þér 37 stig!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Þrenna er alls ekki svo slæm – og hún gefur þér líka sex stig!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Þrenna – og sé ég annað par? Sjö stig!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Tvær þrennur – í einu! Fyrir það gef ég þér 12 stig!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Þrjú mismunandi pör eru kannski ekki í frásögur færandi, en þau gefa þér samt þrjú stig.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Tvö pör… rétt nóg fyrir tvö stig.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Eitt stakt par… gæti það orðið verra? Þú færð eitt stig fyrir það.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Þvílíkt framandi fágæti! Allar tölurnar þínar eru ólíkar – fyrir það gef ég þér 66 stig!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Jæja, þú vannst, en tölvan fékk ekki mörg stig. Þú færð samt veðmálið þitt til baka.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Geggjað! Þú vannst! Eina vandamálið er að… tölvan fékk SVO fá stig. Ég bæti samt 5% ofan á veðmálið þitt.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Tölvan fékk nokkur stig. En þetta var frekar auðvelt, ekki satt? Þú færð 25% meira.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Þú virðist hafa sigrað tölvuna þótt hún hafi fengið sæmilega mörg stig. Þú færð veðmálið þitt tvöfalt til baka.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Hún fékk fullt af stigum en samt tókst þér að vinna! Fyrir það færðu 5 sinnum veðmálið þitt.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ef hún fékk svona mörg stig og þú vannst samt… ég veit ekki hvað ég á að segja. Hérna færðu 10 sinnum veðmálið þitt.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Þú barðist við ógnvænlegan andstæðing og vannst. Fyrir slíkt hugrekki gef ég þér 15 sinnum veðmálið þitt!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Tölvan sú safnaði stigum NÆSTUM jafnhratt og þú! Ég gef þér 25 sinnum veðmálið þitt.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Hjálpi mér. Hvernig gastu unnið eftir að hafa gefið henni svona mörg stig!? Ég neyðist víst til að gefa þér 50 sinnum veðmálið þitt.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ég held að þú hafir ekki lifað þetta af.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>MUNDU AÐ VEÐJA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>EKKI GLEYMA VEÐMÁLINU</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Þú tapaðir! Gangi þér betur næst…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Þú og tölvan eruð bæði með 32.767 stig, sem er hámarkið, svo enginn getur unnið þennan leik. Þú færð veðmálið þitt til baka.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Upphæð veðmáls: sláðu inn heiltölu frá 0 upp í peningana þína, til dæmis 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Fjöldi kasta: sláðu inn heiltölu frá -32768 upp í 32767, til dæmis 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>VILLA! Þú getur ekki átt neikvæða peninga.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel rakst á villu sem það getur ekki jafnað sig á og verður að hætta.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Rangt tag: „%1“ er ekki tala</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Yfirflæði: %1 rúmast ekki á bilinu -32768 til 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Yfirflæði: „%1“ er of stór tala</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Yfirflæði: „%1“ er utan bilsins -32768 til 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Fleytitöluvilla: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Teningar %1 %2 %3 %4 %5 %6. Kast %7. Þú %8, tölva %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Peningar %1, veðmál %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Notkun: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valkostir]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valkostir:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Viðföng:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Birtir hjálp um valkosti skipanalínunnar.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Birtir hjálp, þar með talda valkosti sem eru sérstakir fyrir Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Birtir upplýsingar um útgáfuna.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Óþekktur valkostur „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Óþekktir valkostir: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Gildi vantar á eftir „%1“.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Óvænt gildi á eftir „%1“.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>Í &amp;lagi</translation>
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
        <translation>Í lagi</translation>
    </message>
</context>
</TS>
