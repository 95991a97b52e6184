<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="et" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Täringumäng arvuti vastu.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Mõni argument ei ole selles lokaadis sobiv tekst.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Ootamatu argument „%1“.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Täring 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Täring 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Täring 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Täring 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Täring 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Täring 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Paar</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kolmik</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Nelik</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Viisik</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Vise</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Sina</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Arvuti</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Lähme!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Enne alustamist tee panus… sisesta panus (mitte rohkem, kui sul raha on) ja visete arv (1 kuni 100, muidu venib mäng lõputult). Sea paika arvuti punktid, klõpsa „Lähme!“ ja läinud! Kuvel on 6 ühesugust, viisik viis ühesugust, nelik neli ühesugust… rohkem ma ei reeda. Ära ainult rahast tühjaks jää. Tšauki!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Arvuti punktid viske kohta</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Raha</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Panus</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Tee panus</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Mängitud visked</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Sinu punktid</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Arvuti punktid</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Panuse suurus</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Visete arv</translation>
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
        <translation>Järgmine kord tee panus – seekord lasen sul lihtsalt vaadata, mis juhtub.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Hämmastav! Kuvel! Sinu vaieldamatu õnne eest annan sulle 1&#xa0;296 punkti!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Imeline! Viisiku saamiseks pidi küll õnne olema – annan sulle 216 punkti!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Tore! Nelik! Selle eest annan sulle 36 punkti!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Mitte ainult nelik, vaid veel paar lisaks! Annan sulle 37 punkti!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Kolmik pole sugugi paha – ja see annab sulle ka kuus punkti!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Kolmik – ja kas ma näen veel üht paari? Seitse punkti!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Kaks kolmikut – korraga! Selle eest annan sulle 12 punkti!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Kolm erinevat paari pole ehk midagi erilist, aga annavad sulle ikkagi kolm punkti.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Kaks paari… napilt kahe punkti jagu.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Üksainus paar… kas saab veel hullemaks minna? Selle eest saad ühe punkti.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Milline eksootiline haruldus! Kõik su täringud näitavad eri silmi – selle eest annan sulle 66 punkti!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>No võitsid küll, aga arvuti ei saanud just palju punkte. Panuse annan sulle siiski tagasi.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Suurepärane! Sa võitsid! Ainus probleem on see, et… arvuti sai NII vähe punkte. Panusele annan siiski 5% peale.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Arvuti sai mõne punkti. Aga see oli päris lihtne, eks? Saad 25% rohkem.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Paistab, et said arvutist jagu, kuigi see kogus üsna korraliku hulga punkte. Saad oma panuse kahekordselt tagasi.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>See sai hulga punkte, aga sa suutsid ikkagi võita! Selle eest saad 5-kordse panuse.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Kui see sai nii palju punkte ja sa ikkagi võitsid… ma ei teagi, mida öelda. Võta 10-kordne panus.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Võitlesid hirmuäratava vastasega ja võitsid. Sellise vapruse eest annan sulle 15-kordse panuse!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>See arvuti kogus punkte PEAAEGU sama kiiresti kui sina! Annan sulle 25-kordse panuse.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Oh sa poiss. Kuidas sa küll võitsid, kui andsid talle nii palju punkte!? Ei jää muud üle, kui anda sulle 50-kordne panus.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ma ei usu, et sa selle üle elasid.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ÄRA UNUSTA PANUSTADA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>MÕTLE PANUSELE</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Kaotasid! Järgmine kord läheb paremini…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Sinul ja arvutil on mõlemal 32&#xa0;767 punkti, rohkem ei saagi olla, nii et keegi ei saa seda mängu võita. Saad oma panuse tagasi.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Panuse suurus: palun sisesta täisarv vahemikus 0 kuni sinu raha, näiteks 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Visete arv: palun sisesta täisarv vahemikus -32768 kuni 32767, näiteks 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>VIGA! Sul ei saa olla negatiivset raha.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvelis tekkis viga, millest see ei suuda taastuda, ja see peab sulguma.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tüübi mittevastavus: „%1“ ei ole arv</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Ületäitumine: %1 ei mahu vahemikku -32768 kuni 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ületäitumine: „%1“ on liiga suur arv</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ületäitumine: „%1“ on väljaspool vahemikku -32768 kuni 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Ujukomaviga: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Täringud %1 %2 %3 %4 %5 %6. Vise %7. Sina %8, arvuti %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Raha %1, panus %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Kasutus: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[võtmed]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Võtmed:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumendid:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Näitab käsureavõtmete abiteavet.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Näitab abiteavet koos Qt-spetsiifiliste võtmetega.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Näitab versiooniteavet.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Tundmatu võti „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Tundmatud võtmed: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Pärast „%1“ puudub väärtus.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Ootamatu väärtus pärast „%1“.</translation>
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
