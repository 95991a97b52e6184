<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Mchezo wa dadu dhidi ya kompyuta.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Hoja moja si maandishi halali katika mipangilio ya lugha hii.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Hoja isiyotarajiwa “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Jozi</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Tatu sawa</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Nne sawa</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Tano sawa</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Zam</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Wewe</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kompyuta</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Twende kazi!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Weka dau kabla hujaanza… andika dau lako (lisizidi pesa zako) na idadi ya zamu (1 hadi 100, la sivyo mchezo utakuwa mrefu mno). Rekebisha pointi za kompyuta, bofya “Twende kazi!”, na umeshaanza! Kuvel ni dadu 6 zinazofanana, Tano sawa ni dadu tano zinazofanana, Nne sawa ni nne zinazofanana… siwezi kufichua zaidi ya hapo. Ila tu usiishiwe na pesa. Kwaheri ya kuonana!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Pointi za kompyuta kwa kila zamu</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Pesa</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Dau</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Weka dau</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Zamu zilizochezwa</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pointi zako</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pointi za kompyuta</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Kiasi cha dau</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Idadi ya zamu</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Sawa</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Wakati ujao weka dau – safari hii nitakuacha uone tu kitakachotokea.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Ajabu! Kuvel! Kwa bahati yako isiyo na shaka, nakutunuku pointi 1,296!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Safi sana! Lazima ulikuwa na bahati kupata Tano sawa – nakutunuku pointi 216!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Poa! Nne sawa! Kwa hilo nakutunuku pointi 36!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Hukupata Nne sawa tu, bali na jozi ya ziada pia! Nakutunuku pointi 37!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Tatu sawa si mbaya hivyo – na inakupa pointi sita pia!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Tatu sawa – na je, naona jozi nyingine? Pointi saba!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Tatu sawa mbili – kwa mpigo mmoja! Kwa hilo nitakupa pointi 12!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Jozi tatu tofauti huenda si jambo la kusifiwa, lakini bado zinakupa pointi tatu.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Jozi mbili… zinatosha pointi mbili tu.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Jozi moja tu… inaweza kuwa mbaya zaidi ya hapo? Kwa hilo unapata pointi moja.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Ama kweli hiki ni kitu adimu! Namba zako zote ni tofauti – kwa hilo nitakupa pointi 66!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Haya, umeshinda, lakini kompyuta haikupata pointi nyingi. Hata hivyo nitakurudishia dau lako.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Safi! Umeshinda! Tatizo pekee ni kwamba… kompyuta ilipata pointi CHACHE MNO. Hata hivyo nitakuongezea asilimia 5 juu ya dau lako.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kompyuta ilipata pointi chache. Lakini ilikuwa rahisi kabisa, sivyo? Utapata asilimia 25 zaidi.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Inaonekana umeishinda kompyuta ingawa ilipata pointi za kutosha. Nakurudishia mara mbili ya dau lako.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ilipata pointi nyingi, lakini bado umefaulu kushinda! Kwa hilo utapata mara 5 ya dau lako.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Kama ilipata pointi nyingi kiasi hicho na bado ukashinda… sijui niseme nini. Haya, chukua mara 10 ya dau lako.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Umepambana na mpinzani hatari na ukashinda. Kwa ushujaa huo, nakutunuku mara 15 ya dau lako!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Kompyuta hiyo ilizoa pointi KARIBU haraka kama wewe! Nakutunuku mara 25 ya dau lako.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Lahaula! Uliwezaje kushinda ukiipa pointi nyingi kiasi hicho!? Sina budi kukupa mara 50 ya dau lako.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Sidhani kama umenusurika hapo.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>KUMBUKA KUWEKA DAU</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>USISAHAU DAU LAKO</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Umeshindwa! Bahati njema wakati ujao…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Wewe na kompyuta mna pointi 32767 kila mmoja, ndizo nyingi kuliko zote, kwa hiyo hakuna anayeweza kushinda mchezo huu. Unarudishiwa dau lako.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Kiasi cha dau: tafadhali andika namba kamili kuanzia 0 hadi kiasi cha pesa zako, kwa mfano 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Idadi ya zamu: tafadhali andika namba kamili kuanzia -32768 hadi 32767, kwa mfano 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>HITILAFU! Huwezi kuwa na pesa hasi.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel imepata hitilafu ambayo haiwezi kujinasua nayo, na inabidi ifungwe.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Aina hazilingani: “%1” si namba</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Kufurika: %1 haitoshei kati ya -32768 na 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Kufurika: “%1” ni namba kubwa mno</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Kufurika: “%1” iko nje ya -32768 hadi 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Hitilafu ya hesabu za desimali: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Dadu %1 %2 %3 %4 %5 %6. Zamu %7. Wewe %8, kompyuta %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Pesa %1, dau %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Matumizi: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[machaguo]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Machaguo:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Hoja:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Inaonyesha msaada kuhusu machaguo ya mstari wa amri.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Inaonyesha msaada pamoja na machaguo mahususi ya Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Inaonyesha taarifa za toleo.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Chaguo lisilojulikana “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Machaguo yasiyojulikana: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Thamani haipo baada ya “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Thamani isiyotarajiwa baada ya “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Sawa</translation>
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
        <translation>Sawa</translation>
    </message>
</context>
</TS>
