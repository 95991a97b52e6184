<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ga" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Cluiche díslí in aghaidh an ríomhaire.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Níl argóint ina téacs bailí sa logchaighdeán seo.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argóint gan choinne “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dísle 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dísle 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dísle 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dísle 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dísle 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dísle 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Péire</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trí cinn</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ceithre cinn</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Cúig cinn</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Seal</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Tusa</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Ríomhaire</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Seo linn!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Cuir geall sula dtosaíonn tú… cuir isteach do gheall (gan dul thar an airgead atá agat) agus líon na sealanna (1 go 100, nó beidh cluiche fada romhat). Socraigh na pointí a fhaigheann an ríomhaire, cliceáil “Seo linn!”, agus as go brách leat! Is ionann kuvel agus 6 dhísle mar a chéile; is ionann cúig cinn agus cúig dhísle mar a chéile, agus ceithre cinn agus ceithre dhísle… ní sceithfidh mé níos mó ná sin. Ná rith as airgead, sin an méid. Slán go fóill!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Pointí an ríomhaire sa seal</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Airgead</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Geall</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Cuir geall</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Sealanna imeartha</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Do phointí</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Pointí an ríomhaire</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Méid an ghill</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Líon sealanna</translation>
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
        <translation>Cuir geall an chéad uair eile – an uair seo, ligfidh mé duit féachaint cad a tharlóidh.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Iontach ar fad! Kuvel! As an ádh dearfa sin, bronnaim 1,296 pointe ort!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Ar fheabhas! Caithfidh go raibh an t-ádh leat cúig cinn a fháil – bronnaim 216 pointe ort!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Go deas! Ceithre cinn! Bronnaim 36 pointe ort as sin!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ní hamháin go bhfuair tú ceithre cinn, ach péire sa bhreis freisin! Bronnaim 37 pointe ort!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Níl trí cinn chomh dona sin – agus tugann siad sé phointe duit freisin!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Trí cinn – agus an bhfeicim péire eile? Seacht bpointe!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Trí cinn faoi dhó – ag an am céanna! Tabharfaidh mé 12 phointe duit as sin!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>B’fhéidir nach fiú trácht ar thrí phéire éagsúla, ach tugann siad trí phointe duit mar sin féin.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dhá phéire… díreach go leor do dhá phointe.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Péire amháin… an bhféadfadh sé a bheith níos measa? Gheobhaidh tú pointe amháin as sin.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Nach coimhthíoch an rud annamh é seo! Níl aon dá uimhir agat mar a chéile – tabharfaidh mé 66 pointe duit as sin!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Bhuel, bhuaigh tú, ach ní bhfuair an ríomhaire mórán pointí. Tabharfaidh mé do gheall ar ais duit, áfach.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Go hiontach! Bhuaigh tú! An t-aon fhadhb atá ann ná… FÍORBHEAGÁN pointí a fuair an ríomhaire. Tabharfaidh mé 5% sa bhreis ar do gheall duit, áfach.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Fuair an ríomhaire cúpla pointe. Ach bhí sé sách éasca, nach raibh? Gheobhaidh tú 25% breise.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>De réir cosúlachta, fuair tú an ceann is fearr ar an ríomhaire, cé go bhfuair sé líon measartha pointí. Tabharfaidh mé do gheall ar ais faoi dhó duit.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Fuair sé an-chuid pointí, ach bhuaigh tú fós! Gheobhaidh tú do gheall faoi 5 as sin.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Má fuair sé an oiread sin pointí agus gur bhuaigh tú fós… níl a fhios agam cad a déarfainn. Seo duit do gheall faoi 10.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Throid tú in aghaidh céile comhraic fíochmhar agus bhuaigh tú. As an gcrógacht sin, bronnaim do gheall faoi 15 ort!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Bhailigh an ríomhaire sin pointí BEAGNACH chomh tapa leatsa! Bronnaim do gheall faoi 25 ort.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ó, a thiarcais. Conas a bhuaigh tú agus an oiread sin pointí tugtha agat dó!? Níl an dara rogha agam ach do gheall faoi 50 a thabhairt duit.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Ní dóigh liom gur mhair tú tríd sin.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>CUIMHNIGH GEALL A CHUR</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>NÁ DEARMAID DO GHEALL</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Chaill tú! Go n-éirí níos fearr leat an chéad uair eile…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Tá 32,767 pointe agatsa agus ag an ríomhaire araon, an líon is mó is féidir, mar sin ní féidir le héinne an cluiche seo a bhuachan. Gheobhaidh tú do gheall ar ais.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Méid an ghill: clóscríobh slánuimhir ó 0 suas go dtí an t-airgead atá agat, mar shampla 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Líon sealanna: clóscríobh slánuimhir ó -32768 suas go dtí 32767, mar shampla 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>EARRÁID! Ní féidir airgead diúltach a bheith agat.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Tharla earráid do Kuvel nach féidir leis teacht slán uaithi, agus caithfidh sé dúnadh.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Míréir cineáil: ní uimhir é “%1”</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Róshreabhadh: ní luíonn %1 idir -32768 agus 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Róshreabhadh: tá “%1” rómhór mar uimhir</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Róshreabhadh: tá “%1” lasmuigh den raon -32768 go 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Earráid snámhphointe: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Díslí %1 %2 %3 %4 %5 %6. Seal %7. Tusa %8, ríomhaire %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Airgead %1, geall %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Úsáid: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[roghanna]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Roghanna:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argóintí:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Taispeánann sé seo cabhair le roghanna na líne ordaithe.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Taispeánann sé seo cabhair, roghanna a bhaineann le Qt san áireamh.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Taispeánann sé seo eolas faoin leagan.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Rogha anaithnid “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Roghanna anaithnid: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Luach ar iarraidh i ndiaidh “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Luach gan choinne i ndiaidh “%1”.</translation>
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
