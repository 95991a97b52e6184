<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="so" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Ciyaar laadhuu oo lagula ciyaaro kombiyuutarka.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Mid ka mid ah halbeegyada ma aha qoraal ansax ah oo ku habboon dejinta luqadda.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Halbeeg aan la filayn “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Laadhuu 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Laadhuu 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Laadhuu 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Laadhuu 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Laadhuu 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Laadhuu 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Lammaane</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Saddexle</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Afarle</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Shanle</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>door</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Adiga</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kombiyuutar</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Aan tuurno!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Sharad dhig intaadan bilaabin… geli sharadkaaga (yuusan dhaafin lacagtaada) iyo tirada doorarka (1 ilaa 100, haddii kale ciyaartu way ku daalin doontaa). Hagaaji dhibcaha uu kombiyuutarku helayo, riix “Aan tuurno!”, waadna bilowday! Kuvel waa 6 laadhuu oo isku mid ah, Shanle waa shan isku mid ah, Afarle waa afar isku mid ah… intaas wax ka badan sir kuuma sheegayo. Ha dhammaan lacagtu uun. Nabadeey!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Dhibcaha kombiyuutarka door kasta</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Lacag</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Sharad</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Sharad dhig</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Doorarka la ciyaaray</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Dhibcahaaga</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Dhibcaha kombiyuutarka</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Qadarka sharadka</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Tirada doorarka</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Hagaag</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Mar dambe sharad dhig – markan waxaan kuu daynayaa inaad daawato waxa dhacaya oo keliya.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Yaab! Kuvel! Nasiibkaaga aan shaki ku jirin darteed, waxaan ku siinayaa 1,296 dhibcood!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Cajiib! Nasiib baad lahayd markaad Shanle heshay – waxaan ku siinayaa 216 dhibcood!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Fiican! Afarle! Taas darteed waxaan ku siinayaa 36 dhibcood!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Afarle oo keliya ma aadan helin, balse lammaane dheeraad ah sidoo kale! Waxaan ku siinayaa 37 dhibcood!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Saddexle ma xuma sidaas – oo weliba wuxuu ku siinayaa lix dhibcood!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Saddexle – oo ma lammaane kale ayaan arkaa? Toddoba dhibcood!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Laba saddexle – isku mar! Taas waxaan kuu siinayaa 12 dhibcood!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Saddex lammaane oo kala duwan waxaa laga yaabaa inaysan ahayn wax la xuso, laakiin weli waxay ku siinayaan saddex dhibcood.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Laba lammaane… waxay ku filan yihiin laba dhibcood oo keliya.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Hal lammaane oo keliya… ma ka sii dari kartaa? Taas waxaad ku helaysaa hal dhibic.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Waa naadir cajiib ah! Dhammaan lambarradaadu way kala duwan yihiin – taas waxaan kuu siinayaa 66 dhibcood!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Hagaag, waad guulaysatay, laakiin kombiyuutarku dhibco badan ma helin. Si kastaba ha ahaatee, sharadkaaga waan kuu celinayaa.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Aad u fiican! Waad guulaysatay! Dhibaatada keliya ayaa ah… kombiyuutarku wuxuu helay dhibco AAD U YAR. Si kastaba ha ahaatee, sharadkaaga waxaan kuugu darayaa 5% dheeraad ah.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kombiyuutarku wuxuu helay dhibco yar. Laakiin aad bay u fududayd, saw ma aha? Waxaad helaysaa 25% dheeraad ah.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Waxay u muuqataa inaad ka adkaatay kombiyuutarka inkastoo uu helay dhibco fiican. Sharadkaaga waxaan kuu celinayaa isagoo laban-laaban.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Wuxuu helay dhibco aad u badan, haddana weli waad guulaysatay! Taas waxaad ku helaysaa sharadkaaga oo 5 jeer ah.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Haddii uu helay dhibco intaas le’eg oo aad weli guulaysatay… ma garanayo waxaan idhaahdo. Waa kan sharadkaaga oo 10 jeer ah.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Waxaad la dagaallantay ciyaaryahan xoog leh, waadna ka adkaatay. Geesinimadaas darteed, waxaan ku siinayaa sharadkaaga oo 15 jeer ah!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Kombiyuutarkaasi wuxuu dhibcaha u ururiyay KU DHAWAAD xawaarahaaga! Waxaan ku siinayaa sharadkaaga oo 25 jeer ah.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Waar! Sidee baad ku guulaysatay adigoo siiyay dhibco intaas le’eg!? Waa inaan ku siiyaa sharadkaaga oo 50 jeer ah.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Uma malaynayo inaad taas ka badbaaday.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>XASUUSO INAAD SHARAD DHIGTO</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>HA ILOWIN SHARADKAAGA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Waad guuldarraysatay! Nasiib wanaagsan mar dambe…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Adiga iyo kombiyuutarkaba midkiiba wuxuu leeyahay 32767 dhibcood, taas oo ah inta ugu badan, sidaa darteed cidna ma guulaysan karto ciyaartan. Sharadkaaga waa laguu celinayaa.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Qadarka sharadka: fadlan qor tiro dhan oo u dhaxaysa 0 iyo lacagtaada, tusaale ahaan 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Tirada doorarka: fadlan qor tiro dhan oo u dhaxaysa -32768 iyo 32767, tusaale ahaan 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>KHALAD! Lacag taban ma yeelan kartid.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel waxaa ku dhacay khalad uusan ka soo kaban karin, waana inuu xirmo.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Nooc aan is-waafaqsanayn: “%1” ma aha tiro</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Buux-dhaaf: %1 kuma jiro -32768 ilaa 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Buux-dhaaf: “%1” waa tiro aad u weyn</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Buux-dhaaf: “%1” wuu ka baxsan yahay -32768 ilaa 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Khalad xisaabta tobanlaha: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Laadhuu %1 %2 %3 %4 %5 %6. Door %7. Adiga %8, kombiyuutar %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Lacag %1, sharad %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Isticmaal: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[xulashooyin]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Xulashooyin:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Halbeegyo:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Waxay muujisaa caawimaad ku saabsan xulashooyinka khadka amarka.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Waxay muujisaa caawimaad ay ku jiraan xulashooyinka gaarka u ah Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Waxay muujisaa macluumaadka nooca.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Xulasho aan la aqoon “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Xulashooyin aan la aqoon: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Qiime ayaa ka maqan “%1” kadib.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Qiime aan la filayn “%1” kadib.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Hagaag</translation>
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
        <translation>Hagaag</translation>
    </message>
</context>
</TS>
