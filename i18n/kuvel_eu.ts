<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Dado-jokoa makinaren aurka.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Argumentu bat ez da testu baliozkoa eskualde-ezarpen hauetan.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Ustekabeko argumentua: «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>1. dadoa</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>2. dadoa</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>3. dadoa</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>4. dadoa</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>5. dadoa</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>6. dadoa</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Parea</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Hirukoa</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Laukoa</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Bostekoa</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Aldi</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Zu</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Makina</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Goazen!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Hasi aurretik, egin apustua… idatzi apustua (duzun dirua baino gehiago ez) eta aldi kopurua (1etik 100era, bestela partida luze-luzea izango duzu). Doitu makinak jasotzen dituen puntuak, sakatu «Goazen!» eta aurrera! Kuvela 6 dado berdin ateratzea da, bostekoa bost berdin, laukoa lau berdin… ezin dizut askoz gehiago kontatu. Baina ez geratu dirurik gabe. Ondo ibili!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Makinaren puntuak aldiko</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Dirua</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Apustua</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Apustu egin</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Jokatutako aldiak</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Zure puntuak</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Makinaren puntuak</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Zure apustua</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Zenbat aldi</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Ados</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Hurrengoan egin apustua; oraingoan zer gertatzen den ikusten utziko dizut.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Harrigarria! Kuvel bat! Zorte ukaezin horregatik, 1.296 puntu ematen dizkizut!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Zoragarria! Zorte handia izan duzu bosteko bat ateratzeko. 216 puntu ematen dizkizut!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Ederra! Lauko bat! Horregatik 36 puntu ematen dizkizut!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Laukoa ez ezik, parea ere atera duzu gainera! 37 puntu ematen dizkizut!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Hirukoa ez dago batere gaizki… eta sei puntu ere ematen dizkizu!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Hiruko bat… eta beste pare bat ere ikusten al dut? Zazpi puntu!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Bi hiruko batera! 12 puntu emango dizkizut horregatik!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Hiru pare desberdin agian ez dira ezer berezia, baina hala ere hiru puntu ematen dizkizute.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Bi pare… bi puntu lortzeko justu-justu.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Pare bakar bat… okerrago joan liteke? Puntu bat duzu horregatik.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Zer bitxikeria exotikoa! Zure dado guztiak desberdinak dira. 66 puntu emango dizkizut horregatik!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Tira, irabazi duzu, baina makinak ez du puntu askorik lortu. Hala ere, apustua itzuliko dizut.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Bikain! Irabazi duzu! Arazo bakarra da… makinak HAIN puntu gutxi lortu dituela. Hala ere, apustuaren gainean ehuneko 5 gehiago emango dizut.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Makinak puntu batzuk lortu ditu. Baina nahiko erraza izan da, ezta? Ehuneko 25 gehiago jasoko duzu.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Antza denez, makina menderatu duzu, nahiz eta puntu kopuru duina lortu duen. Apustuaren bikoitza itzultzen dizut.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Puntu pila bat lortu ditu, eta hala ere irabaztea lortu duzu! Horregatik, hartu apustuaren 5 halako.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Hainbeste puntu lortu baditu eta hala ere zuk irabazi baduzu… ez dakit zer esan. Hona hemen apustuaren 10 halako.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Aurkari ikaragarri baten aurka borrokatu zara eta irabazi duzu. Ausardia horren saria: apustuaren 15 halako!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Makina horrek ia-ia zu bezain azkar pilatu ditu puntuak! Hartu apustuaren 25 halako.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ene! Nola irabazi duzu hainbeste puntu emanda!? Ez dut beste erremediorik: hartu apustuaren 50 halako.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ez dut uste hortik bizirik atera zarenik.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>GOGORATU APUSTUA EGITEAZ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>EZ AHAZTU APUSTUA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Galdu duzu! Zorte hobea hurrengoan…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Zuk eta makinak 32.767 puntu dituzue, ahal den gehiena, beraz inork ezin du partida hau irabazi. Apustua itzultzen dizut.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Zure apustua: idatzi zenbaki oso bat, 0tik zure dirura arte, adibidez 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Zenbat aldi: idatzi zenbaki oso bat, -32768tik 32767ra arte, adibidez 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ERROREA! Ezin duzu diru negatiborik izan.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvelek gainditu ezin duen errore bat aurkitu du, eta itxi egin behar da.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Mota okerra: «%1» ez da zenbaki bat</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Gainezkatzea: %1 ez da sartzen -32768 eta 32767 artean</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Gainezkatzea: «%1» zenbaki handiegia da</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Gainezkatzea: «%1» -32768 eta 32767 tartetik kanpo dago</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Koma mugikorreko errorea: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Dadoak %1 %2 %3 %4 %5 %6. Aldia %7. Zu %8, makina %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Dirua %1, apustua %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Erabilera: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[aukerak]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Aukerak:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentuak:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Komando-lerroko aukeren laguntza erakusten du.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Laguntza erakusten du, Qt-ren aukera bereziak barne.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Bertsioaren informazioa erakusten du.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Aukera ezezaguna: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Aukera ezezagunak: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Balioa falta da «%1» aukeraren ondoren.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Ustekabeko balioa «%1» aukeraren ondoren.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Ados</translation>
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
        <translation>Ados</translation>
    </message>
</context>
</TS>
