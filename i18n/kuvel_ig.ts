<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ig" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Egwuregwu daịsị megide kọmputa.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Otu ntinye abụghị ederede ziri ezi n’ntọala asụsụ a.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Ntinye a na-atụghị anya “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daịsị 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daịsị 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daịsị 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daịsị 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daịsị 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Daịsị 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ejima</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Atọ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Anọ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ise</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Oge</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Gị</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kọmputa</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Ka anyị gaa!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Gbaa nzọ tupu ị malite… tinye nzọ gị (ya agafela ego gị) na ọnụ ọgụgụ oge (1 ruo 100, ma ọ bụghị ya egwuregwu ahụ ga-adị ogologo karịa abalị). Hazie akara kọmputa ga-enweta, pịa “Ka anyị gaa!”, ị malitela! Kuvel bụ daịsị 6 yiri onwe ha, Ise bụ daịsị ise yiri onwe ha, Anọ bụ daịsị anọ yiri onwe ha… agaghị m ekpughe karịa nke ahụ. Naanị ka ego gị ghara ịgwụ. Ka ọ dị!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Akara kọmputa n’oge ọ bụla</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Ego</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Nzọ</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Gbaa nzọ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Oge ndị a gbara</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Akara gị</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Akara kọmputa</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Ego nzọ</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Ọnụ ọgụgụ oge</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Ọ dị mma</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Gbaa nzọ na nke ọzọ – ugbu a, m ga-ahapụ gị ka ị hụ ihe ga-eme.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Ịtụnanya! Kuvel! Maka chi ọma gị nke a na-apụghị ịrụ ụka na ya, ana m enye gị akara 1,296!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Ọ mara mma! Chi gị mere nke ọma ka i nweta Ise yiri onwe ha – ana m enye gị akara 216!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Ọ dị mma! Anọ yiri onwe ha! Maka nke ahụ, ana m enye gị akara 36!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ọ bụghị naanị Anọ yiri onwe ha ka i nwetara, kama Ejima ọzọ kwa! Ana m enye gị akara 37!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Atọ yiri onwe ha adịghị njọ otú ahụ – o nyekwara gị akara isii!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Atọ yiri onwe ha – ọ bụ Ejima ọzọ ka m na-ahụ? Akara asaa!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Atọ yiri onwe ha ugboro abụọ – n’otu mgbe! M ga-enye gị akara 12 maka nke ahụ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Ejima atọ dị iche iche nwere ike ọ gaghị abụ ihe a na-akọ akụkọ ya, mana ha ka na-enye gị akara atọ.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Ejima abụọ… ha ezuru naanị maka akara abụọ.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Naanị otu Ejima… ọ nwere ike ịka njọ karịa nke a? I nwetara otu akara maka ya.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Lee ihe a anaghị ahụ kwa ụbọchị! Nọmba gị niile dị iche iche – m ga-enye gị akara 66 maka nke ahụ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Ọ dị mma, i meriri, mana kọmputa enwetaghị ọtụtụ akara. Agbanyeghị, m ga-eweghachiri gị nzọ gị.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Ọ dị egwu! I meriri! Naanị nsogbu bụ na… kọmputa nwetara akara NTAKỊRỊ NKE UKWUU. Agbanyeghị, m ga-agbakwunye 5% n’elu nzọ gị.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kọmputa nwetara akara ole na ole. Mana ọ dị mfe nke ukwuu, ọ bụghị ya? Ị ga-enweta 25% karịa.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>O yiri ka i meriri kọmputa n’agbanyeghị na o nwetara akara zuru ezu. Ana m eweghachiri gị nzọ gị okpukpu abụọ.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>O nwetara ọtụtụ akara, ma i ka meriri! Ị ga-enweta nzọ gị okpukpu 5 maka nke ahụ.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Ọ bụrụ na o nwetara akara ruru otú ahụ, ma i ka meriri… amaghị m ihe m ga-ekwu. Lee nzọ gị okpukpu 10.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>I busoro onye mmegide dị egwu agha ma merie. Maka obi ike a, ana m enye gị nzọ gị okpukpu 15!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Kọmputa ahụ chịkọtara akara ọsọ ọsọ, ọ FỌRỌ NTAKỊRỊ ka ọ dị ka gị! Ana m enye gị nzọ gị okpukpu 25.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Chei! Kedu ka i si merie mgbe i nyere ya akara ruru otú ahụ!? Ọ ga-adị m mkpa inye gị nzọ gị okpukpu 50.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Echeghị m na i lanarịrị nke ahụ.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>CHETA ỊGBA NZỌ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ECHEFULA NZỌ GỊ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>E meriri gị! Ka chi gị mee nke ọma na nke ọzọ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Gị na kọmputa nwere akara 32767 n’otu n’otu, nke kachasị, ya mere ọ dịghị onye nwere ike imeri egwuregwu a. A ga-eweghachiri gị nzọ gị.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Ego nzọ: biko dee nọmba zuru oke site na 0 ruo ego gị, dịka ọmụmaatụ 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Ọnụ ọgụgụ oge: biko dee nọmba zuru oke site na -32768 ruo 32767, dịka ọmụmaatụ 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>NJEHIE! I nweghị ike inwe ego na-erughị efu.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel zutere njehie ọ na-enweghị ike ịgbake na ya, ọ ghaghị imechi.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Ụdị adabaghị: “%1” abụghị nọmba</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Njupụta: %1 adabaghị n’ime -32768 ruo 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Njupụta: “%1” bụ nọmba buru oke ibu</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Njupụta: “%1” dị na mpụga -32768 ruo 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Njehie mgbakọ nke ọnụọgụ ntụpọ: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Daịsị %1 %2 %3 %4 %5 %6. Oge %7. Gị %8, kọmputa %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Ego %1, nzọ %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Ojiji: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[nhọrọ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Nhọrọ:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Ntinye:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Na-egosi enyemaka maka nhọrọ ahịrị iwu.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Na-egosi enyemaka, gụnyere nhọrọ pụrụ iche nke Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Na-egosi ozi gbasara ụdị.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nhọrọ amaghị ama “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nhọrọ amaghị ama: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Uru efuola mgbe “%1” gasịrị.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Uru a na-atụghị anya mgbe “%1” gasịrị.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>Ọ dị &amp;mma</translation>
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
        <translation>Ọ dị mma</translation>
    </message>
</context>
</TS>
