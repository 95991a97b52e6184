<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Noppapeli konetta vastaan.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Jokin argumentti ei ole kelvollista tekstiä tässä maa-asetuksessa.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Odottamaton argumentti ”%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Noppa 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Noppa 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Noppa 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Noppa 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Noppa 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Noppa 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kolmoset</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Neloset</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Vitoset</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Erä</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Sinä</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kone</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Antaa mennä!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Panosta ennen kuin aloitat… kirjoita panos (enintään rahojesi verran) ja erien määrä (1–100, tai peli venyy tosi pitkäksi). Säädä koneen pisteet, napsauta ”Antaa mennä!” ja menoksi! Kuvel on 6 samaa, vitoset viisi samaa, neloset neljä samaa… enempää en paljasta. Kunhan rahat eivät lopu kesken. Heippa!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Koneen pisteet erää kohden</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Rahat</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Panos</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Panosta</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pelatut erät</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pisteesi</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Koneen pisteet</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Panoksesi</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Erien määrä</translation>
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
        <translation>Panosta ensi kerralla – tällä kertaa saat vain katsoa, mitä tapahtuu.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Uskomatonta! Kuvel! Kiistattomasta tuuristasi saat minulta 1296 pistettä!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Mahtavaa! Vitosiin tarvitaan kyllä tuuria – saat minulta 216 pistettä!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Hienoa! Neloset! Siitä saat minulta 36 pistettä!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ei pelkät neloset, vaan vielä pari kaupan päälle! Saat minulta 37 pistettä!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Kolmoset eivät ole hassummat – ja niistä saat vielä kuusi pistettä!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Kolmoset – ja näenkö vielä parinkin? Seitsemän pistettä!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Kahdet kolmoset – yhtä aikaa! Siitä annan sinulle 12 pistettä!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Kolme eri paria ei ehkä ole mikään ihme, mutta saat niistä silti kolme pistettä.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Kaksi paria… juuri ja juuri kaksi pistettä.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Yksi ainoa pari… voiko tästä enää huonommaksi mennä? Saat siitä yhden pisteen.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Mikä eksoottinen harvinaisuus! Kaikki silmälukusi ovat erilaiset – siitä annan sinulle 66 pistettä!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>No, voitit, mutta kone ei saanut paljon pisteitä. Saat silti panoksesi takaisin.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Hienoa! Voitit! Ainoa ongelma on, että… kone sai NIIN vähän pisteitä. Saat silti panoksellesi 5 % lisää.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kone sai muutaman pisteen. Mutta aika helppoa tuo oli, eikö? Saat 25 % enemmän.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Näköjään päihitit koneen, vaikka se sai ihan kelpo määrän pisteitä. Saat panoksesi takaisin tuplana.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Se sai paljon pisteitä, ja silti onnistuit voittamaan! Siitä saat 5 kertaa panoksesi.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Jos se sai noin paljon pisteitä ja voitit silti… en tiedä mitä sanoa. Tässä 10 kertaa panoksesi.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Taistelit pelottavaa vastustajaa vastaan ja voitit. Tästä urotyöstä saat 15 kertaa panoksesi!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Tuo kone keräsi pisteitä MELKEIN yhtä nopeasti kuin sinä! Saat 25 kertaa panoksesi.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Voi että. Miten pystyit voittamaan, kun annoit sille noin paljon pisteitä!? Ei auta muu kuin antaa sinulle 50 kertaa panoksesi.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Tuosta tuskin selvisit hengissä.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>MUISTA PANOSTAA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ÄLÄ UNOHDA PANOSTA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Hävisit! Parempi onni ensi kerralla…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Sinulla ja koneella on kummallakin 32 767 pistettä, eli niin paljon kuin voi olla, joten kukaan ei voi voittaa tätä peliä. Saat panoksesi takaisin.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Panoksesi: kirjoita kokonaisluku 0:sta rahojesi määrään asti, esimerkiksi 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Erien määrä: kirjoita kokonaisluku -32768:sta 32767:ään, esimerkiksi 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>VIRHE! Rahasi eivät voi olla miinuksella.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel kohtasi virheen, josta se ei pysty toipumaan, ja sen on suljettava.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tyyppivirhe: ”%1” ei ole luku</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Ylivuoto: %1 ei mahdu lukujen -32768 ja 32767 välille</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ylivuoto: ”%1” on liian suuri luku</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ylivuoto: ”%1” ei ole lukujen -32768 ja 32767 välillä</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Liukulukuvirhe: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Nopat %1 %2 %3 %4 %5 %6. Erä %7. Sinä %8, kone %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Rahat %1, panos %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Käyttö: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[valitsimet]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Valitsimet:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentit:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Näyttää komentorivin valitsimien ohjeen.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Näyttää ohjeen Qt-kohtaiset valitsimet mukaan lukien.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Näyttää versiotiedot.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Tuntematon valitsin ”%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Tuntemattomat valitsimet: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valitsin ”%1” vaatii arvon.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Odottamaton arvo valitsimen ”%1” jälkeen.</translation>
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
