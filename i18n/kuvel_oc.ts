<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="oc" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Un jòc de dats contra l&apos;ordenador.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Un argument es pas un tèxte valid dins aquesta configuracion regionala.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inesperat: «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dat 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dat 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dat 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dat 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dat 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dat 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Parelh</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trio</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Carrat</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Quina</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Torn</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Tu</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Anem-i!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Abans de començar, fai una escomesa… pica l&apos;escomesa (pas mai que ton argent) e lo nombre de torns (de 1 a 100, senon la partida serà pro longa). Regla los punts que recep l&apos;ordenador, clica «Anem-i!» e zo! Un kuvel son 6 dats parièrs, una quina son cinc parièrs, un carrat son quatre parièrs… e te&apos;n pòdi pas dire fòrça mai. Mas demòres pas sens argent. A lèu!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Punts de l&apos;ordenador per torn</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Escomesa</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Escometre</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Torns jogats</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Tos punts</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Punts de l&apos;ordenador</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>L&apos;escomesa</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Nombre de torns</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>D&apos;acòrdi</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Escomet la pròxima vegada – aquesta vegada te daissi veire çò que se passa.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Incredible! Un kuvel! Per ta sòrt indiscutibla, te dòni 1296 punts!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Meravelhós! As degut aver de sòrt per far una quina – te dòni 216 punts!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Polit! Un carrat! Per aquò te dòni 36 punts!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Pas solament un carrat, mas tanben un parelh en mai! Te dòni 37 punts!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Un trio, es pas tan marrit – e te dona tanben sièis punts!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Un trio – e vesi un autre parelh? Sèt punts!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Dos trios – al còp! Per aquò te dòni 12 punts!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tres parelhs diferents benlèu valon pas la pena d&apos;o dire, mas te donan totun tres punts.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dos parelhs… just pro per dos punts.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Un parelh sol… poiriá èsser pièger? Per aquò ganhas un punt.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Una raretat exotica! Totes tos dats son diferents – te dòni 66 punts per aquò!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Ben, as ganhat, mas l&apos;ordenador a pas fach fòrça punts. Totun, te rendi l&apos;escomesa.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Genial! As ganhat! Lo sol problèma es que… l&apos;ordenador a fach TAN pauc de punts. Totun, te dòni 5&#xa0;% de mai sus l&apos;escomesa.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>L&apos;ordenador a fach qualques punts. Pasmens, èra pro aisit, non? Auràs 25&#xa0;% de mai.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Sembla qu&apos;as batut l&apos;ordenador, e pr&apos;aquò aviá fach un nombre onorable de punts. Te rendi lo doble de l&apos;escomesa.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>A fach un molon de punts, e pasmens as capitat de ganhar! Per aquò auràs 5 còps l&apos;escomesa.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>S&apos;a fach tant de punts e qu&apos;as ganhat çaquelà… sabi pas de qué dire. Vaquí 10 còps l&apos;escomesa.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>As combatut un adversari formidable e as ganhat. Per tant de coratge, te dòni 15 còps l&apos;escomesa!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Aquel ordenador a amassat de punts GAIREBEN tan lèu coma tu! Te dòni 25 còps l&apos;escomesa.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Macarèl! Cossí as pogut ganhar en li donant tant de punts!? Me cal ben te donar 50 còps l&apos;escomesa.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Cresi pas que ne siás sortit viu.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>OBLIDES PAS D&apos;ESCOMETRE</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>PENSA A L&apos;ESCOMESA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>As perdut! Mai de sòrt la pròxima vegada…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Tu e l&apos;ordenador avètz totes dos 32&#xa0;767 punts, lo maximum que i a, doncas degun pòt pas ganhar aquesta partida. Te rendi l&apos;escomesa.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>L&apos;escomesa: pica un nombre entièr de 0 fins a ton argent, per exemple 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Nombre de torns: pica un nombre entièr de -32768 fins a 32767, per exemple 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ERROR! Pòdes pas aver d&apos;argent negatiu.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel a rencontrat una error que pòt pas corregir e se deu tampar.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tipe incompatible: «%1» es pas un nombre</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Despassament: %1 ten pas entre -32768 e 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Despassament: «%1» es un nombre tròp grand</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Despassament: «%1» es en defòra de l&apos;interval de -32768 a 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Error de virgula flotanta: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Dats %1 %2 %3 %4 %5 %6. Torn %7. Tu %8, ordenador %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Argent %1, escomesa %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizacion: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcions]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcions:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Aficha l&apos;ajuda de las opcions de la linha de comanda.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Aficha l&apos;ajuda, amb las opcions especificas de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Aficha las informacions de version.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opcion desconeguda: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opcions desconegudas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca una valor aprèp «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperada aprèp «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;D&apos;acòrdi</translation>
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
        <translation>D&apos;acòrdi</translation>
    </message>
</context>
</TS>
