<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Kockajáték a gép ellen.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Egy argumentum nem érvényes szöveg ebben a területi beállításban.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Váratlan argumentum: „%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>1. kocka</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>2. kocka</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>3. kocka</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>4. kocka</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>5. kocka</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>6. kocka</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pár</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Drill</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ötös</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Kör</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Te</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Gép</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Mehet!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Kezdés előtt tégy tétet… írd be a tétet (legfeljebb annyit, amennyi pénzed van) és a körök számát (1-től 100-ig, különben hosszú lesz a játék). Állítsd be, hány pontot kap a gép, kattints a „Mehet!” gombra, és már indulhatsz is! A kuvel 6 egyforma, az ötös öt egyforma, a póker négy egyforma… ennél többet nem árulok el. Csak a pénzed el ne fogyjon. Csumi!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>A gép pontjai körönként</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Pénz</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Tét</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Tégy tétet</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Lejátszott körök</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pontjaid</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>A gép pontjai</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Tét összege</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Körök száma</translation>
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
        <translation>Legközelebb tégy tétet – most csak megnézheted, mi történik.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Elképesztő! Egy kuvel! A vitathatatlan szerencsédért 1296 pontot kapsz tőlem!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Csodás! Öt egyforma kocka – ehhez szerencse kellett! 216 pontot kapsz tőlem!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Szép! Egy póker! Ezért 36 pontot kapsz tőlem!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Nemcsak pókered van, de mellé még egy pár is! 37 pontot kapsz tőlem!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Egy drill nem is olyan rossz – ráadásul hat pontot is ér!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Egy drill – és mintha egy párt is látnék mellette? Hét pont!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Két drill – egyszerre! Ezért 12 pontot adok!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Három különböző pár talán nem nagy szám, de azért három pontot ér.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Két pár… épp elég két pontra.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Egyetlen pár… lehetne ennél is rosszabb? Ezért egy pont jár.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Micsoda egzotikus ritkaság! Minden számod különböző – ezért 66 pontot adok!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Nos, nyertél, de a gép nem sok pontot szerzett. Azért a tétedet visszakapod.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Szuper! Nyertél! Csak az a gond, hogy… a gép OLYAN kevés pontot kapott. Azért a tétedre kapsz még 5% ráadást.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>A gép kapott néhány pontot. De azért elég könnyű volt, nem? 25%-kal többet kapsz.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Úgy tűnik, legyőzted a gépet, pedig egész tisztes pontszámot gyűjtött. A téted dupláját kapod vissza.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Rengeteg pontot kapott, te mégis nyertél! Ezért a téted 5-szörösét kapod.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ha ennyi pontot kapott, és te mégis nyertél… nem is tudom, mit mondjak. Itt a téted 10-szerese.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Félelmetes ellenféllel küzdöttél meg, és győztél. Ezért a hőstettért a téted 15-szörösét kapod!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Ez a gép MAJDNEM olyan gyorsan gyűjtötte a pontokat, mint te! A téted 25-szörösét kapod.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Te jó ég! Hogy tudtál nyerni, ha ennyi pontot adtál neki!? Nincs mit tenni, megkapod a téted 50-szeresét.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ezt szerintem nem élted túl.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>NE FELEJTS EL TÉTET TENNI</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>NE FELEDKEZZ MEG A TÉTRŐL</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Vesztettél! Legközelebb több szerencsét…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Te is és a gép is 32 767 pontnál tartotok, ennél több nem lehet, így ezt a játékot senki sem nyerheti meg. Visszakapod a tétedet.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Tét összege: írj be egy egész számot 0-tól a meglévő pénzedig, például 10-et.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Körök száma: írj be egy egész számot -32768-tól 32767-ig, például 50-et.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>HIBA! Nem lehet negatív a pénzed.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>A Kuvel olyan hibába ütközött, amelyből nem tud helyreállni, ezért be kell zárnia.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Típuseltérés: „%1” nem szám</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Túlcsordulás: %1 nem fér bele a -32768 és 32767 közötti tartományba</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Túlcsordulás: „%1” túl nagy szám</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Túlcsordulás: „%1” kívül esik a -32768 és 32767 közötti tartományon</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Lebegőpontos hiba: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Kockák: %1 %2 %3 %4 %5 %6. Kör: %7. Te %8, gép %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Pénz: %1, tét: %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Használat: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[kapcsolók]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Kapcsolók:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentumok:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Megjeleníti a parancssori kapcsolók súgóját.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Megjeleníti a súgót a Qt-specifikus kapcsolókkal együtt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Megjeleníti a verzióinformációkat.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Ismeretlen kapcsoló: „%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Ismeretlen kapcsolók: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Hiányzó érték ez után: „%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Váratlan érték ez után: „%1”.</translation>
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
