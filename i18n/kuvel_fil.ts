<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Larong dais laban sa computer.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>May argumentong hindi wastong teksto sa locale na ito.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Hindi inaasahang argumento “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dais 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dais 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dais 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dais 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dais 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dais 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pares</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trio</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuwatro</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Singko</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Tira</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ikaw</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Tara na!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Tumaya ka muna bago magsimula... ilagay ang taya (hindi lalampas sa pera mo) at ang bilang ng tira (1 hanggang 100, kung hindi, aabutin ka ng siyam-siyam). I-adjust ang puntos na makukuha ng computer, i-click ang “Tara na!”, at larga na! Ang kuvel ay 6 na magkakapareho, ang singko ay limang magkakapareho, ang kuwatro ay apat na magkakapareho... hindi ko na sasabihin ang iba. Basta huwag kang maubusan ng pera. Babay!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Puntos ng computer bawat tira</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Pera</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Taya</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Tumaya</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Mga tirang nalaro</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Puntos mo</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Puntos ng computer</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Halaga ng taya</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Bilang ng tira</translation>
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
        <translation>Tumaya ka sa susunod – ngayon, panoorin mo muna kung ano ang mangyayari.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Grabe! Kuvel! Sa suwerte mong hindi matatawaran, bibigyan kita ng 1,296 puntos!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Ang galing! Siguradong sinuwerte ka para maka-singko – bibigyan kita ng 216 puntos!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Ayos! Kuwatro! Dahil diyan, bibigyan kita ng 36 puntos!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Hindi lang kuwatro, may dagdag pang pares! Bibigyan kita ng 37 puntos!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Hindi naman masama ang trio – may anim na puntos ka pa!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Trio – teka, may nakikita ba akong isa pang pares? Pitong puntos!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Dalawang trio – sabay pa! Bibigyan kita ng 12 puntos diyan!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Hindi man kapansin-pansin ang tatlong magkakaibang pares, may tatlong puntos ka pa rin.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dalawang pares... sakto lang para sa dalawang puntos.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Isang pares lang... puwede pa bang lumala ito? May isang puntos ka diyan.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Ang bihira naman nito! Magkakaiba lahat ng numero mo – bibigyan kita ng 66 puntos diyan!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>O sige, nanalo ka, pero hindi nakakuha ng maraming puntos ang computer. Ibabalik ko na lang ang taya mo.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Galing! Panalo ka! Ang problema lang... ang KONTI ng puntos ng computer. Pero dadagdagan ko pa rin ng 5% ang taya mo.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Nakakuha ng ilang puntos ang computer. Pero ang dali lang, ’di ba? Makakakuha ka ng 25% pa.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Mukhang tinalo mo ang computer kahit disente ang dami ng puntos nito. Ibabalik ko nang doble ang taya mo.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ang dami nitong puntos, pero nanalo ka pa rin! Makukuha mo ang 5 beses ng taya mo diyan.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Kung ganoon karami ang puntos nito at nanalo ka pa rin... hindi ko na alam ang sasabihin ko. Heto ang 10 beses ng taya mo.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Lumaban ka sa isang mabigat na kalaban at nanalo. Sa tapang mong iyan, bibigyan kita ng 15 beses ng taya mo!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Halos KASINGBILIS mong humakot ng puntos ang computer na iyon! Bibigyan kita ng 25 beses ng taya mo.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Naku po. Paano ka nanalo kahit binigyan mo ito ng ganoon karaming puntos!? Wala akong magagawa kundi ibigay sa iyo ang 50 beses ng taya mo.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Mukhang hindi ka nakaligtas diyan.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>HUWAG KALIMUTANG TUMAYA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>TANDAANG MAGLAGAY NG TAYA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Talo ka! Sana suwertehin ka sa susunod...</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Pareho kayo ng computer na may 32767 puntos, ang pinakamarami, kaya walang puwedeng manalo sa larong ito. Ibabalik ang taya mo.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Halaga ng taya: mag-type ng buong numero mula 0 hanggang sa pera mo, halimbawa 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Bilang ng tira: mag-type ng buong numero mula -32768 hanggang 32767, halimbawa 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ERROR! Hindi puwedeng negatibo ang pera mo.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Nagka-error ang Kuvel na hindi na nito maaayos, kaya kailangan na nitong magsara.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Hindi tugma ang uri: hindi numero ang “%1”</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Overflow: hindi kasya ang %1 sa -32768 hanggang 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Overflow: masyadong malaking numero ang “%1”</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Overflow: labas sa -32768 hanggang 32767 ang “%1”</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Error sa floating-point: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Dais %1 %2 %3 %4 %5 %6. Tira %7. Ikaw %8, computer %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Pera %1, taya %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Paggamit: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[mga opsiyon]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Mga opsiyon:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Mga argumento:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Ipinapakita ang tulong sa mga opsiyon ng command line.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Ipinapakita ang tulong, kasama ang mga opsiyong para sa Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Ipinapakita ang impormasyon ng bersiyon.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Hindi kilalang opsiyon “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Hindi kilalang mga opsiyon: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Walang halaga pagkatapos ng “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Hindi inaasahang halaga pagkatapos ng “%1”.</translation>
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
