<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Kauliņu spēle pret datoru.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Arguments nav derīgs teksts šajā lokālē.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Negaidīts arguments „%1“.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliņš 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliņš 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliņš 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliņš 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliņš 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Kauliņš 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pāris</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trijnieks</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Četrinieks</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Piecinieks</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvels</translation>
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
        <translation>Dators</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Aiziet!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Pirms sāc, liec likmi… ievadi likmi (ne lielāku par savu naudu) un metienu skaitu (no 1 līdz 100, citādi spēle ievilksies līdz rītam). Iestati, cik punktu saņem dators, spied „Aiziet!“ – un uz priekšu! Kuvels ir 6 vienādi, piecinieks – pieci vienādi, četrinieks – četri vienādi… vairāk neko neizpaudīšu. Tikai nepaliec bez naudas. Atā!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Datora punkti par metienu</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Nauda</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Likme</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Likt likmi</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Izspēlētie metieni</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Tavi punkti</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Datora punkti</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Likmes summa</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Metienu skaits</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Labi</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Nākamreiz liec likmi – šoreiz ļaušu tev tikai paskatīties, kas notiks.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Neticami! Kuvels! Par tavu neapstrīdamo veiksmi piešķiru tev 1&#xa0;296 punktus!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Brīnišķīgi! Lai dabūtu piecinieku, laikam gan vajadzēja veiksmi – piešķiru tev 216 punktus!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Jauki! Četrinieks! Par to piešķiru tev 36 punktus!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ne tikai četrinieks, bet vēl arī pāris klāt! Piešķiru tev 37 punktus!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Trijnieks nemaz nav tik slikti – un tas tev dod arī sešus punktus!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Trijnieks – un vai es redzu vēl vienu pāri? Septiņi punkti!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Divi trijnieki – vienlaikus! Par to došu tev 12 punktus!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Trīs dažādi pāri varbūt nav nekas ievērības cienīgs, bet tie tomēr dod tev trīs punktus.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Divi pāri… tikko pietiek diviem punktiem.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Viens vienīgs pāris… vai var būt vēl sliktāk? Par to tu dabū vienu punktu.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Kāds eksotisks retums! Visi kauliņi rāda dažādus skaitļus – par to došu tev 66 punktus!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Nu, tu uzvarēji, bet dators nesavāca daudz punktu. Tomēr likmi tev atdošu.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Lieliski! Tu uzvarēji! Vienīgā problēma ir tā, ka… dators savāca TIK maz punktu. Tomēr pie likmes piemetīšu tev 5&#xa0;% klāt.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Dators savāca dažus punktus. Bet bija diezgan viegli, vai ne? Saņemsi par 25&#xa0;% vairāk.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Izskatās, ka tu pieveici datoru, lai gan tas savāca pieklājīgu punktu skaitu. Atdodu tev likmi divkāršā apmērā.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Tas savāca kaudzi punktu, un tu tomēr spēji uzvarēt! Par to saņemsi 5 reizes tik, cik liki.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ja tas savāca tik daudz punktu un tu tomēr uzvarēji… nezinu, ko teikt. Te tev būs 10 reizes tik, cik liki.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Tu cīnījies ar bīstamu pretinieku un uzvarēji. Par tādu drosmi piešķiru tev 15 reizes tik, cik liki!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Tas dators krāja punktus GANDRĪZ tikpat ātri kā tu! Piešķiru tev 25 reizes tik, cik liki.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ak vai. Kā tu varēji uzvarēt, atdodot tam tik daudz punktu!? Neatliek nekas cits kā dot tev 50 reizes tik, cik liki.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Diez vai tu pēc tā vēl esi dzīvs.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>NEAIZMIRSTI LIKT LIKMI</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ATCERIES PAR LIKMI</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Tu zaudēji! Lai nākamreiz veicas labāk…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Tev un datoram abiem ir 32&#xa0;767 punkti – vairāk nemaz nevar būt, tāpēc šajā spēlē neviens nevar uzvarēt. Likmi saņem atpakaļ.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Likmes summa: lūdzu, ievadi veselu skaitli no 0 līdz savai naudas summai, piemēram, 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Metienu skaits: lūdzu, ievadi veselu skaitli no -32768 līdz 32767, piemēram, 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>KĻŪDA! Nauda nevar būt negatīva.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Spēlē Kuvel radās kļūda, pēc kuras tā nevar turpināt darbu, un tai jāaizveras.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tipu neatbilstība: „%1“ nav skaitlis</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Pārpilde: %1 neietilpst robežās no -32768 līdz 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Pārpilde: „%1“ ir pārāk liels skaitlis</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Pārpilde: „%1“ ir ārpus robežām no -32768 līdz 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Peldošā komata kļūda: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Kauliņi %1 %2 %3 %4 %5 %6. Metiens %7. Tu %8, dators %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Nauda %1, likme %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Lietojums: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcijas]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcijas:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenti:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Parāda palīdzību par komandrindas opcijām.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Parāda palīdzību, ieskaitot Qt specifiskās opcijas.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Parāda versijas informāciju.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nezināma opcija „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nezināmas opcijas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Pēc „%1“ trūkst vērtības.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Negaidīta vērtība pēc „%1“.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Labi</translation>
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
        <translation>Labi</translation>
    </message>
</context>
</TS>
