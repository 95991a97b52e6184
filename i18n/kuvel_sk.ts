<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Kocková hra proti počítaču.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Niektorý argument nie je platný text v tomto miestnom nastavení.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Neočakávaný argument „%1“.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kocka 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kocka 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kocka 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kocka 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kocka 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kocka 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pár</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trojica</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pätica</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Kolo</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ty</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Počítač</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Ide sa!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Pred začiatkom si vsaď… zadaj stávku (nie viac, ako máš peňazí) a počet kôl (1 až 100, inak sa hra poriadne natiahne). Nastav, koľko bodov dostane počítač, klikni na „Ide sa!“ a môžeš hrať! Kuvel je 6 rovnakých, pätica päť rovnakých, poker štyri rovnaké… viac neprezradím. Len nepríď o všetky peniaze. Čauko!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Body počítača za kolo</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Peniaze</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Stávka</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Vsaď si</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Odohrané kolá</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Tvoje body</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Body počítača</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Výška stávky</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Počet kôl</translation>
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
        <translation>Nabudúce si vsaď – tentoraz ťa nechám len pozerať, čo sa stane.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Úžasné! Kuvel! Za tvoje nespochybniteľné šťastie ti udeľujem 1296 bodov!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Nádhera! Na päticu treba riadne šťastie – dávam ti 216 bodov!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Pekné! Poker! Za to ti dávam 36 bodov!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Máš nielen poker, ale k tomu aj pár navyše! Dávam ti 37 bodov!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Trojica nie je zlá – a dá ti aj šesť bodov!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Trojica – a nevidím tu ešte jeden pár? Sedem bodov!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Dve trojice – naraz! Za to ti dám 12 bodov!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tri rôzne páry možno nie sú nič extra, ale aj tak ti dajú tri body.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dva páry… tak akurát na dva body.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Jediný pár… môže to byť ešte horšie? Dostávaš za to jeden bod.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Aká exotická vzácnosť! Všetky tvoje čísla sú rôzne – za to ti dám 66 bodov!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>No, výhra je tvoja, ale počítač veľa bodov nezískal. Stávku ti však vrátim.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Skvelé! Výhra je tvoja! Jediný problém je, že… počítač získal TAK málo bodov. K stávke ti však pridám 5 % navyše.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Počítač získal niekoľko bodov. Ale bolo to celkom ľahké, nie? Dostaneš o 25 % viac.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Vyzerá to, že počítač je porazený, hoci nazbieral slušnú kôpku bodov. Dostaneš späť dvojnásobok stávky.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Nazbieral kopu bodov, a aj tak sa ti podarilo vyhrať! Za to dostaneš 5-násobok stávky.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ak nazbieral toľko bodov a výhra je aj tak tvoja… neviem, čo povedať. Tu máš 10-násobok stávky.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Postaviť sa takému hrozivému súperovi a vyhrať! Za túto odvahu ti dávam 15-násobok stávky!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Ten počítač zbieral body SKORO tak rýchlo ako ty! Dávam ti 25-násobok stávky.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Preboha. Ako sa dá vyhrať, keď mu dáš toľko bodov!? Nedá sa nič robiť, dám ti 50-násobok stávky.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Myslím, že toto sa prežiť nedalo.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>NEZABUDNI SI VSADIŤ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>NEZABUDNI NA STÁVKU</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Prehra! Nabudúce viac šťastia…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Ty aj počítač máte po 32 767 bodov, viac sa nedá, takže túto hru nemôže nikto vyhrať. Stávka sa ti vracia.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Výška stávky: zadaj celé číslo od 0 až po výšku svojich peňazí, napríklad 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Počet kôl: zadaj celé číslo od -32768 do 32767, napríklad 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>CHYBA! Nemôžeš mať záporné peniaze.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel narazil na chybu, z ktorej sa nedokáže zotaviť, a musí sa ukončiť.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Nezhoda typov: „%1“ nie je číslo</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Pretečenie: %1 sa nezmestí do rozsahu -32768 až 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Pretečenie: „%1“ je príliš veľké číslo</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Pretečenie: „%1“ je mimo rozsahu -32768 až 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Chyba výpočtu s pohyblivou rádovou čiarkou: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Kocky %1 %2 %3 %4 %5 %6. Kolo %7. Ty %8, počítač %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Peniaze %1, stávka %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Použitie: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[možnosti]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Možnosti:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenty:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zobrazí pomocníka k možnostiam príkazového riadka.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zobrazí pomocníka vrátane možností špecifických pre Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zobrazí informácie o verzii.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Neznáma možnosť „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Neznáme možnosti: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Za „%1“ chýba hodnota.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Neočakávaná hodnota za „%1“.</translation>
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
