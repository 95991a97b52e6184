<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Kauliukų žaidimas prieš kompiuterį.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Argumentas nėra tinkamas šios lokalės tekstas.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Netikėtas argumentas „%1“.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliukas 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliukas 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliukas 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliukas 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliukas 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliukas 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pora</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trejetas</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ketvertas</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Penketas</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvelis</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Met.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Tu</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Komp.</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Metam!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Pirmiausia statyk… įvesk statymą (ne didesnį, nei turi pinigų) ir metimų skaičių (nuo 1 iki 100, antraip žaisi iki išnaktų). Nustatyk, kiek taškų gauna kompiuteris, spausk „Metam!“ – ir pirmyn! Kuvelis – tai 6 vienodi, penketas – penki vienodi, ketvertas – keturi vienodi… daugiau neišduosiu. Tik neprašvilpk visų pinigų. Ate!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Kompiuterio taškai per metimą</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Pinigai</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Statymas</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Statyti</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Sužaisti metimai</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Tavo taškai</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Kompiuterio taškai</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Statymo suma</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Metimų skaičius</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Gerai</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Kitą kartą statyk – šįkart tiesiog leisiu pažiūrėti, kas bus.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Neįtikėtina! Kuvelis! Už tokią neginčijamą sėkmę skiriu tau 1&#xa0;296 taškus!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Nuostabu! Penketui išmesti tikrai reikėjo sėkmės – skiriu tau 216 taškų!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Šaunu! Ketvertas! Už jį skiriu tau 36 taškus!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ne tik ketvertas, bet dar ir pora priedo! Skiriu tau 37 taškus!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Trejetas – visai neblogai, be to, jis tau atneša šešis taškus!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Trejetas – o ar matau dar ir porą? Septyni taškai!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Du trejetai – vienu metu! Už tai duosiu tau 12 taškų!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Trys skirtingos poros gal ir nieko ypatingo, bet vis tiek atneša tau tris taškus.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dvi poros… vos užtenka dviem taškams.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Viena vienintelė pora… ar gali būti dar blogiau? Už ją gauni tašką.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Kokia egzotiška retenybė! Visų kauliukų akutės skirtingos – už tai duosiu tau 66 taškus!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Na, laimėjai, bet kompiuteris surinko nedaug taškų. Vis dėlto statymą tau grąžinsiu.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Puiku! Laimėjai! Bėda tik ta, kad… kompiuteris surinko TAIP mažai taškų. Vis dėlto prie statymo pridėsiu 5&#xa0;%.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kompiuteris surinko vos kelis taškus. Bet buvo gana lengva, ar ne? Gausi 25&#xa0;% daugiau.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Panašu, kad įveikei kompiuterį, nors jis surinko visai padorų taškų skaičių. Grąžinu tau dvigubą statymą.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Jis surinko daugybę taškų, o tu vis tiek sugebėjai laimėti! Už tai gausi 5 kartus tiek, kiek statei.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Jei jis surinko tiek taškų, o tu vis tiek laimėjai… net nežinau, ką pasakyti. Še tau 10 kartų tiek, kiek statei.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Kovojai su grėsmingu varžovu ir laimėjai. Už tokią drąsą skiriu tau 15 kartų tiek, kiek statei!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Tas kompiuteris rinko taškus BEVEIK taip pat greitai kaip tu! Skiriu tau 25 kartus tiek, kiek statei.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Vaje. Kaip tu sugebėjai laimėti, kai atidavei jam tiek taškų!? Nieko nepadarysi – teks tau duoti 50 kartų tiek, kiek statei.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Nemanau, kad tai išgyvenai.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>NEPAMIRŠK STATYTI</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>NEPAMIRŠK STATYMO</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Pralošei! Kitą kartą tikrai labiau pasiseks…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Tu ir kompiuteris turite po 32&#xa0;767 taškus – daugiau nebūna, tad šio žaidimo niekas laimėti negali. Statymą atgausi.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Statymo suma: įvesk sveikąjį skaičių nuo 0 iki turimų pinigų sumos, pavyzdžiui, 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Metimų skaičius: įvesk sveikąjį skaičių nuo -32768 iki 32767, pavyzdžiui, 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>KLAIDA! Pinigų suma negali būti neigiama.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Žaidime Kuvel įvyko klaida, po kurios jis negali tęsti darbo, todėl bus uždarytas.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tipų neatitikimas: „%1“ nėra skaičius</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Perpildymas: %1 netelpa į intervalą nuo -32768 iki 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Perpildymas: „%1“ – per didelis skaičius</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Perpildymas: „%1“ nepatenka į intervalą nuo -32768 iki 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Slankiojo kablelio klaida: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Kauliukai %1 %2 %3 %4 %5 %6. Metimas %7. Tu %8, kompiuteris %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Pinigai %1, statymas %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Naudojimas: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[parinktys]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Parinktys:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentai:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Rodo komandinės eilutės parinkčių žinyną.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Rodo žinyną, įskaitant Qt parinktis.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Rodo versijos informaciją.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nežinoma parinktis „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nežinomos parinktys: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Po „%1“ trūksta reikšmės.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Netikėta reikšmė po „%1“.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Gerai</translation>
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
        <translation>Gerai</translation>
    </message>
</context>
</TS>
