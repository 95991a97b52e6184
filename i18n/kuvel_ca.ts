<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Un joc de daus contra l&apos;ordinador.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Un argument no és text vàlid en aquesta configuració regional.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument «%1» inesperat.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dau 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dau 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dau 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dau 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dau 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dau 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Parella</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trio</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pòquer</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Repòquer</translation>
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
        <translation>Ordin.</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Som-hi!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Aposta abans de començar… escriu l&apos;aposta (no més que els teus diners) i el nombre de torns (d&apos;1 a 100, o la partida se&apos;t farà llarga). Tria els punts que rep l&apos;ordinador, fes clic a «Som-hi!» i endavant! Un kuvel són 6 iguals, un repòquer són cinc iguals, un pòquer són quatre iguals… i no et puc dir gaire res més. Però no et quedis sense diners. Apa, adeu!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Punts de l&apos;ordinador per torn</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Diners</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Aposta</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Aposta-hi</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Torns jugats</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Els teus punts</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Punts de l&apos;ordinador</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>La teva aposta</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Nombre de torns</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>D&apos;acord</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>La pròxima vegada, aposta; aquesta vegada et deixo veure què passa.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Increïble! Un kuvel! Per la teva sort indiscutible, et dono 1.296 punts!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Meravellós! Quina sort has tingut per treure un repòquer: et dono 216 punts!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Molt bé! Un pòquer! Per això et dono 36 punts!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>No només has tret un pòquer, sinó també una parella de propina! Et dono 37 punts!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Un trio no està gens malament… i a més et dona sis punts!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Un trio… i què veig, una altra parella? Set punts!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Dos trios alhora! Per això et dono 12 punts!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tres parelles diferents potser no són res de l&apos;altre món, però igualment et donen tres punts.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dues parelles… n'hi ha just per a dos punts.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Una sola parella… pot anar pitjor? Per això et toca un punt.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Quina raresa tan exòtica! Tots els teus daus són diferents: per això et dono 66 punts!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Bé, has guanyat, però l&apos;ordinador no ha fet gaires punts. Això sí, et torno l&apos;aposta.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Genial! Has guanyat! L&apos;únic problema és que… l&apos;ordinador ha fet TAN pocs punts. Tot i així, et dono un 5 % extra sobre l&apos;aposta.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>L&apos;ordinador ha fet uns quants punts. Però ha estat força fàcil, oi? Tindràs un 25 % més.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Pel que sembla, has superat l&apos;ordinador tot i que ha fet una bona colla de punts. Et torno el doble de l&apos;aposta.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ha fet molts punts i, tot i així, has aconseguit guanyar! Per això tindràs 5 vegades l&apos;aposta.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Si ha fet tants punts i tu encara has guanyat… no sé què dir. Aquí tens 10 vegades l&apos;aposta.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>T&apos;has enfrontat a un rival formidable i has guanyat. Per aquesta gesta, et dono 15 vegades l&apos;aposta!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Aquest ordinador ha sumat punts GAIREBÉ tan de pressa com tu! Et dono 25 vegades l&apos;aposta.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Mare meva. Com pots haver guanyat donant-li tants punts!? No tinc més remei que donar-te 50 vegades l&apos;aposta.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>No crec que hagis sobreviscut a això.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>RECORDA D&apos;APOSTAR</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>NO T&apos;OBLIDIS DE L&apos;APOSTA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Has perdut! Més sort la pròxima vegada…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Tu i l&apos;ordinador teniu 32.767 punts, el màxim que hi ha, així que ningú no pot guanyar aquesta partida. Et torno l&apos;aposta.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>La teva aposta: escriu un nombre enter de 0 fins als teus diners, per exemple 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Nombre de torns: escriu un nombre enter de -32768 fins a 32767, per exemple 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ERROR! No pots tenir diners negatius.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ha trobat un error del qual no es pot recuperar i s&apos;ha de tancar.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tipus incompatible: «%1» no és un nombre</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Desbordament: %1 no cap entre -32768 i 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Desbordament: «%1» és un nombre massa gran</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Desbordament: «%1» és fora de l&apos;interval de -32768 a 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Error de coma flotant: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Daus %1 %2 %3 %4 %5 %6. Torn %7. Tu %8, ordinador %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Diners %1, aposta %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Ús: %1</translation>
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
        <translation>Mostra l&apos;ajuda sobre les opcions de la línia d&apos;ordres.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra l&apos;ajuda incloent-hi les opcions específiques de les Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra la informació de la versió.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opció «%1» desconeguda.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opcions desconegudes: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Manca un valor després de «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperat després de «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>D&apos;ac&amp;ord</translation>
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
        <translation>D&apos;acord</translation>
    </message>
</context>
</TS>
