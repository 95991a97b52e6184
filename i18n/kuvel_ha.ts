<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ha" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Wasan ʼyan lido da kwamfuta.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Wata hujja ba rubutu ne mai inganci a wannan saitin harshe ba.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Hujjar da ba a zata ba “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ɗan lido 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ɗan lido 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ɗan lido 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ɗan lido 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ɗan lido 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ɗan lido 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ʼYan biyu</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ʼYan uku</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ʼYan huɗu</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ʼYan biyar</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Juyi</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Kai</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kwamfuta</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Mu je!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Ka yi fare kafin ka fara… shigar da farenka (kada ya wuce kuɗinka) da adadin juyi (1 zuwa 100, in ba haka ba wasan zai ja har gobe). Daidaita makin da kwamfuta za ta samu, danna “Mu je!”, shi ke nan ka fara! Kuvel shi ne ʼyan lido 6 iri ɗaya, ʼYan biyar su ne biyar iri ɗaya, ʼYan huɗu su ne huɗu iri ɗaya… ba zan ƙara tona asiri ba. Kawai kada kuɗinka su ƙare. Sai an jima!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Makin kwamfuta a kowane juyi</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Kuɗi</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Fare</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Yi fare</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Juyin da aka buga</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Makinka</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Makin kwamfuta</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Kuɗin fare</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Adadin juyi</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>To</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Ka yi fare a gaba – wannan karon zan bar ka ka kalli abin da zai faru kawai.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Kai! Kuvel! Saboda saʼarka da babu kokwanto a cikinta, na ba ka maki 1,296!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Madalla! Lallai kana da saʼa da ka samu ʼYan biyar – na ba ka maki 216!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Da kyau! ʼYan huɗu! Saboda haka na ba ka maki 36!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ba ʼYan huɗu kaɗai ka samu ba, har da ƙarin ʼYan biyu! Na ba ka maki 37!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ʼYan uku ba laifi ba ne – kuma sun ba ka maki shida ma!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ʼYan uku – kuma ina ganin wasu ʼYan biyu? Maki bakwai!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ʼYan uku sau biyu – a lokaci guda! Zan ba ka maki 12 a kan haka!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ʼYan biyu iri uku daban-daban ba abin a zo a gani ba ne, amma duk da haka sun ba ka maki uku.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ʼYan biyu sau biyu… sun isa maki biyu kawai.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ʼYan biyu guda ɗaya tak… akwai abin da ya fi wannan muni? Ka sami maki ɗaya a kan haka.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Abin mamaki da ba a saba gani ba! Duk lambobinka sun bambanta – zan ba ka maki 66 a kan haka!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>To, ka ci, amma kwamfuta ba ta sami maki da yawa ba. Duk da haka zan mayar maka da farenka.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Madalla! Ka ci! Matsalar kawai ita ce… kwamfuta ta sami maki KAƊAN ƘWARAI. Duk da haka zan ƙara maka 5% a kan farenka.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kwamfuta ta sami ʼyan maki kaɗan. Amma ya yi sauƙi sosai, ko ba haka ba? Za ka sami ƙarin 25%.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Da alama ka doke kwamfuta duk da ta sami maki masu kyau. Na mayar maka da farenka ninki biyu.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ta sami maki masu yawan gaske, duk da haka ka ci! Za ka sami ninki 5 na farenka a kan haka.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Idan ta sami maki haka da yawa kuma ka ci… ban san me zan ce ba. Ga ninki 10 na farenka.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Ka fafata da abokin hamayya mai ƙarfi kuma ka ci. Saboda wannan jarumta, na ba ka ninki 15 na farenka!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Waccan kwamfutar ta tara maki KUSAN da sauri kamarka! Na ba ka ninki 25 na farenka.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Haba! Ta yaya ka ci bayan ka ba ta maki haka da yawa!? Dole ne in ba ka ninki 50 na farenka.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ba na jin ka tsira daga wannan.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>KA TUNA KA YI FARE</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>KADA KA MANTA DA FARE</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Ka sha kaye! Allah ya ba da saʼa a gaba…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Kai da kwamfuta kowannenku yana da maki 32767, wanda shi ne mafi yawa, don haka babu wanda zai iya cin wannan wasan. An mayar maka da farenka.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Kuɗin fare: don Allah ka rubuta cikakkiyar lamba daga 0 zuwa adadin kuɗinka, misali 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Adadin juyi: don Allah ka rubuta cikakkiyar lamba daga -32768 zuwa 32767, misali 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>KUSKURE! Ba za ka iya samun kuɗi ƙasa da sifili ba.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ya gamu da kuskuren da ba zai iya murmurewa daga gare shi ba, don haka dole ya rufe.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Rashin daidaiton nauʼi: “%1” ba lamba ba ce</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Wuce iyaka: %1 bai shiga tsakanin -32768 da 32767 ba</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Wuce iyaka: “%1” lamba ce mai girma da yawa</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Wuce iyaka: “%1” ya fita daga -32768 zuwa 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Kuskuren lissafin lambobi masu ɗigo: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>ʼYan lido %1 %2 %3 %4 %5 %6. Juyi %7. Kai %8, kwamfuta %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Kuɗi %1, fare %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Amfani: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[zaɓuɓɓuka]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Zaɓuɓɓuka:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Hujjoji:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Yana nuna taimako game da zaɓuɓɓukan layin umarni.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Yana nuna taimako har da zaɓuɓɓukan Qt na musamman.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Yana nuna bayanin sigar.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Zaɓin da ba a sani ba “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Zaɓuɓɓukan da ba a sani ba: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Babu ƙima bayan “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Ƙimar da ba a zata ba bayan “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;To</translation>
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
        <translation>To</translation>
    </message>
</context>
</TS>
