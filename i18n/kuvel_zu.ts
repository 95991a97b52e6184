<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zu" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Umdlalo wamadayisi obhekene nekhompyutha.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>I-agumenti ethile ayiwona umbhalo ovumelekile kulesi silungiselelo solimi.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>I-agumenti engalindelekile “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Idayisi 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Idayisi 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Idayisi 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Idayisi 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Idayisi 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Idayisi 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ipheya</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Amathathu</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Amane</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Amahlanu</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ith.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Wena</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Imbangi</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Phonsa!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Bheja ngaphambi kokuthi uqale… faka ukubheja kwakho (kungedluli imali yakho) nenani lamathuba (1 kuya ku-100, uma kungenjalo uzodlala kuze kuse). Lungisa amaphuzu ezowathola ikhompyutha, chofoza “Phonsa!”, usuqalile! IKuvel yilapho amadayisi angu-6 efana, Amahlanu yilapho amahlanu efana, Amane yilapho amane efana… angeke ngiveze okunye. Vele ungaphelelwa yimali nje. Sala kahle!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Amaphuzu ekhompyutha ethubeni ngalinye</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Imali</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Ukubheja</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Bheja</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Amathuba adlaliwe</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Amaphuzu akho</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Amaphuzu ekhompyutha</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Imali yokubheja</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Inani lamathuba</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Kulungile</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Bheja ngokuzayo – kulokhu ngizokuvumela ubone nje ukuthi kwenzekani.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Kuyamangalisa! IKuvel! Ngenhlanhla yakho engangabazeki, ngikunika amaphuzu angu-1,296!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Kuhle kakhulu! Kumele ngabe ubunenhlanhla ukuthola Amahlanu – ngikunika amaphuzu angu-216!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Kuhle! Amane! Ngalokho ngikunika amaphuzu angu-36!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Awutholanga Amane kuphela, kodwa nepheya elingeziwe! Ngikunika amaphuzu angu-37!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Amathathu awamabi kangako – futhi akunika namaphuzu ayisithupha!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Amathathu – futhi ngibona elinye ipheya? Amaphuzu ayisikhombisa!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Amathathu kabili – ngesikhathi esisodwa! Ngalokho ngizokunika amaphuzu angu-12!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Amapheya amathathu ahlukene angase angabi yinto ekhulumekayo, kodwa asakunika amaphuzu amathathu.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Amapheya amabili… anele amaphuzu amabili kuphela.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Ipheya elilodwa nje… kungaba kubi ukwedlula lokhu? Uthola iphuzu elilodwa ngalokho.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Yeka into engavamile! Zonke izinombolo zakho zihlukile – ngizokunika amaphuzu angu-66 ngalokho!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Hhayi-ke, uwinile, kodwa ikhompyutha ayitholanga amaphuzu amaningi. Noma kunjalo, ngizokubuyisela ukubheja kwakho.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Kuhle! Uwinile! Inkinga kuphela ukuthi… ikhompyutha ithole amaphuzu AMBALWA KABI. Noma kunjalo, ngizokwengeza u-5% ekubhejeni kwakho.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Ikhompyutha ithole amaphuzu ambalwa. Kodwa bekulula impela, akunjalo? Uzothola u-25% ngaphezulu.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Kubonakala sengathi uyihlulile ikhompyutha nakuba ithole amaphuzu amaningana. Ngikubuyisela ukubheja kwakho kuphindwe kabili.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ithole amaphuzu amaningi, kodwa nokho uwinile! Ngalokho uzothola ukubheja kwakho kuphindwe ka-5.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Uma ithole amaphuzu amaningi kangaka, wena wawina nokho… angazi ngithini. Nakhu ukubheja kwakho kuphindwe ka-10.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Ulwe nembangi enamandla futhi wawina. Ngalesi sibindi, ngikunika ukubheja kwakho kuphindwe ka-15!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Leyo khompyutha iqoqe amaphuzu CISHE ngejubane elilingana nelakho! Ngikunika ukubheja kwakho kuphindwe ka-25.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Hawu! Uwine kanjani uyinike amaphuzu amaningi kangaka!? Kuzodingeka ngikunike ukubheja kwakho kuphindwe ka-50.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Angicabangi ukuthi usindile kulokho.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>KHUMBULA UKUBHEJA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>UNGAKHOHLWA UKUBHEJA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Uhluliwe! Kwangathi ungaba nenhlanhla ngokuzayo…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Wena nekhompyutha nobabili ninamaphuzu angu-32767, okuyiwona amaningi akhona, ngakho akekho ongawina lo mdlalo. Ubuyiselwa ukubheja kwakho.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Imali yokubheja: sicela uthayiphe inombolo ephelele kusukela ku-0 kuya emalini onayo, isibonelo 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Inani lamathuba: sicela uthayiphe inombolo ephelele kusukela ku-(-32768) kuya ku-32767, isibonelo 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>IPHUTHA! Awukwazi ukuba nemali engaphansi kukaziro.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>I-Kuvel ihlangabezane nephutha engakwazi ukululama kulo, kufanele ivaleke.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Izinhlobo azihambisani: “%1” akuyona inombolo</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Ukuchichima: %1 ayingeni ebangeni lika-(-32768) kuya ku-32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ukuchichima: “%1” yinombolo enkulu kakhulu</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Ukuchichima: “%1” ingaphandle kwebanga lika-(-32768) kuya ku-32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Iphutha lokubala ngamadesimali: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Amadayisi %1 %2 %3 %4 %5 %6. Ithuba %7. Wena %8, ikhompyutha %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Imali %1, ukubheja %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Ukusetshenziswa: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[izinketho]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Izinketho:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Ama-agumenti:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Ibonisa usizo ngezinketho zomugqa womyalo.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Ibonisa usizo kuhlanganise nezinketho eziqondene ne-Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Ibonisa ulwazi lwenguqulo.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Inketho engaziwa “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Izinketho ezingaziwa: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Inani alikho ngemuva kuka-“%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Inani elingalindelekile ngemuva kuka-“%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Kulungile</translation>
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
        <translation>Kulungile</translation>
    </message>
</context>
</TS>
