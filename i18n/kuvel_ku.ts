<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ku" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Lîstikeke zaran li dijî komputerê.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Argumentek di mîhengên herêmî yên niha de ne nivîseke derbasdar e.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumenta neçaverêkirî: «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zar 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zar 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zar 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zar 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zar 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Zar 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Cot</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Sêzar</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Çarzar</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pênczar</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Dor</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Tu</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Em biçin!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Berî ku dest pê bikî, girew bike… girewa xwe (ne bêtir ji pereyê te) û hejmara doran (ji 1 heta 100, an na lîstik dê pir dirêj bibe) binivîse. Xalên ku komputer distîne eyar bike, li «Em biçin!» bitikîne û bi rê keve! Kuvel 6 zarên wekhev e, pênczar pênc zarên wekhev e, çarzar çar zarên wekhev e… zêdetir nikarim eşkere bikim. Tenê bêpere nemîne. Bi xatirê te!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Xalên komputerê ji bo her dorê</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Pere</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Girew</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Girew bike</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Dorên lîstî</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Xalên te</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Xalên komputerê</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Mîqdara girewê</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Hejmara doran</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Temam</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Cara din girew bike – vê carê ez dihêlim tu tenê temaşe bikî ka çi dibe.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Ecêb e! Kuvel! Ji bo bextê te yê bêguman, 1296 xal ji te re!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Pir xweş! Ji bo pênczarekê divê bextê te pir baş bûbe – 216 xal ji te re!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Aferin! Çarzarek! Ji bo vê yekê 36 xal ji te re!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ne tenê çarzarek, cotek jî li ser! 37 xal ji te re!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Sêzar ne ew qas xirab e – û şeş xalan jî dide te!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Sêzarek – û ma ez cotekî din jî dibînim? Heft xal!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Du sêzar – di heman demê de! Ji bo vê yekê 12 xal ji te re!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Sê cotên cuda belkî ne hêjayî gotinê bin, lê dîsa jî sê xalan didin te.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Du cot… tenê ji bo du xalan têr dike.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Tenê cotek… ma dikare jê xerabtir be? Ji bo vê yekê xalek ji te re.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Çi nadirbûneke ecêb! Hemû zarên te ji hev cuda ne – ji bo vê yekê 66 xal ji te re!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Baş e, te qezenc kir, lê xalên komputerê ne zêde ne. Dîsa jî ez girewa te li te vedigerînim.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Pir baş! Te qezenc kir! Tenê pirsgirêk ev e ku… xalên komputerê HEWQAS KÊM in. Dîsa jî ez ji sedî 5 li ser girewa te zêde dikim.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Komputerê çend xal bi dest xistin. Lê pir hêsan bû, ne wisa? Tu ji sedî 25 zêdetir distînî.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Wisa xuya ye ku te komputer bezand, her çiqas xalên wê têra xwe zêde bûn jî. Ez du qatê girewa te li te vedigerînim.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Xalên wê pir bûn, lê dîsa jî te qezenc kir! Ji bo vê yekê tu 5 qatê girewa xwe distînî.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Heke xalên wê ewqas zêde bûn û dîsa jî te qezenc kir… nizanim çi bibêjim. Va ye, 10 qatê girewa te.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Te bi hevrikekî bi hêz re şer kir û qezenc kir. Ji bo vê wêrekiyê 15 qatê girewa te ji te re!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Xalên wê komputerê HEMA HEMA bi qasî yên te bi lez zêde bûn! 25 qatê girewa te ji te re.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Wey li min! Te çawa qezenc kir, dema te ewqas xal dan wê!? Êdî divê ez 50 qatê girewa te bidim te.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ez bawer nakim tu ji vê sax derketî.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>GIREW KIRIN JI BÎR NEKE</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>GIREWA XWE JI BÎR NEKE</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Te winda kir! Cara din bextê te vekirî be…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Xalên te jî, yên komputerê jî 32&#xa0;767 in – ji vê zêdetir tune, loma kes nikare vê lîstikê qezenc bike. Girewa te li te vedigere.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Mîqdara girewê: hejmareke tam ji 0 heta pereyê xwe binivîse, wek mînak 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Hejmara doran: hejmareke tam ji -32768 heta 32767 binivîse, wek mînak 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ÇEWTÎ! Pereyê te nikare neyînî be.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel rastî çewtiyekê hat ku nikare jê xelas bibe û divê were girtin.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Nelihevhatina cureyê: «%1» ne hejmar e</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Serrijîn: %1 di navbera -32768 û 32767 de cih nagire</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Serrijîn: «%1» hejmareke zêde mezin e</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Serrijîn: «%1» li derveyî navbera -32768 û 32767 ye</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Çewtiya xala herikbar: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Zar %1 %2 %3 %4 %5 %6. Dor %7. Tu %8, komputer %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Pere %1, girew %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Bikaranîn: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[vebijêrk]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Vebijêrk:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argument:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Alîkariya li ser vebijêrkên rêzika fermanê nîşan dide.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Alîkariyê bi vebijêrkên taybet ên Qt re nîşan dide.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Agahiyên guhertoyê nîşan dide.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Vebijêrka nenas: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Vebijêrkên nenas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Piştî vebijêrka «%1» nirx kêm e.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Piştî vebijêrka «%1» nirxekî neçaverêkirî heye.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Temam</translation>
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
        <translation>Temam</translation>
    </message>
</context>
</TS>
