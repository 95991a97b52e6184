<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="yo" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Eré dáìsì láàárín ìwọ àti kọ̀ǹpútà.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Ọ̀kan lára àwọn àfikún àṣẹ kì í ṣe ọ̀rọ̀ tó tọ́ nínú ètò èdè yìí.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Àfikún àṣẹ tí a kò retí “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dáìsì 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dáìsì 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dáìsì 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dáìsì 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dáìsì 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dáìsì 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ìbejì</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Mẹ́ta</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Mẹ́rin</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Márùn-ún</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ìyíp.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Ìwọ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kọ̀ǹpútà</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Jẹ́ ká lọ!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Ta tẹ́tẹ́ kí o tó bẹ̀rẹ̀… tẹ iye tẹ́tẹ́ rẹ (kò gbọ́dọ̀ ju owó rẹ lọ) àti iye ìyípo (1 sí 100, bí bẹ́ẹ̀ kọ́ eré náà á pẹ́ títí ilẹ̀ á fi ṣú). Ṣètò àmì tí kọ̀ǹpútà yóò máa gbà, tẹ “Jẹ́ ká lọ!”, o ti bẹ̀rẹ̀ nìyẹn! Kuvel ni dáìsì 6 tó jọra, Márùn-ún ni dáìsì márùn-ún tó jọra, Mẹ́rin ni dáìsì mẹ́rin tó jọra… n kò ní tú àṣírí jù bẹ́ẹ̀ lọ. Ṣá má jẹ́ kí owó tán lọ́wọ́ rẹ. Ó dìgbà o!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Àmì kọ̀ǹpútà ní ìyípo kọ̀ọ̀kan</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Owó</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Tẹ́tẹ́</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Ta tẹ́tẹ́</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Ìyípo tí a ti ṣe</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Àmì rẹ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Àmì kọ̀ǹpútà</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Iye tẹ́tẹ́</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Iye ìyípo</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Ó dáa</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Ta tẹ́tẹ́ nígbà míì – lọ́tẹ̀ yìí, màá jẹ́ kí o kàn wo ohun tó máa ṣẹlẹ̀.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Ìyanu! Kuvel! Nítorí oríire rẹ tí kò ṣeé jiyàn, mo fún ọ ní àmì 1,296!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Ó dára gan-an! Oríire ló jẹ́ kí o rí Márùn-ún tó jọra – mo fún ọ ní àmì 216!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Ó dáa! Mẹ́rin tó jọra! Nítorí ìyẹn, mo fún ọ ní àmì 36!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Kì í ṣe Mẹ́rin tó jọra nìkan lo rí, o tún rí Ìbejì kún un! Mo fún ọ ní àmì 37!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Mẹ́ta tó jọra kò burú tó bẹ́ẹ̀ – ó sì tún fún ọ ní àmì mẹ́fà!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Mẹ́ta tó jọra – ṣé Ìbejì mìíràn ni mo tún ń rí yìí? Àmì méje!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Mẹ́ta tó jọra lẹ́ẹ̀mejì – lẹ́ẹ̀kan náà! Màá fún ọ ní àmì 12 fún ìyẹn!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Ìbejì mẹ́ta tó yàtọ̀ síra lè má jẹ́ nǹkan bàbàrà, ṣùgbọ́n wọ́n ṣì fún ọ ní àmì mẹ́ta.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Ìbejì méjì… ó kàn tó fún àmì méjì.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Ìbejì kan ṣoṣo… ṣé ó tún lè burú ju èyí lọ? O gba àmì kan fún ìyẹn.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Ohun àrà tí kò wọ́pọ̀ rèé! Gbogbo nọ́ńbà rẹ ló yàtọ̀ síra – màá fún ọ ní àmì 66 fún ìyẹn!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Ó dáa, o borí, ṣùgbọ́n kọ̀ǹpútà kò rí àmì púpọ̀. Síbẹ̀, màá dá tẹ́tẹ́ rẹ padà fún ọ.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Ó ga o! O borí! Ìṣòro kan ṣoṣo ni pé… kọ̀ǹpútà rí àmì TÍNTÍN BẸ́Ẹ̀. Síbẹ̀, màá fi 5% kún tẹ́tẹ́ rẹ.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kọ̀ǹpútà rí àmì díẹ̀. Àmọ́ ó rọrùn gan-an, àbí? Wàá gba 25% sí i.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Ó jọ pé o ti borí kọ̀ǹpútà bó tilẹ̀ jẹ́ pé ó rí àmì tó pọ̀ dáadáa. Mo dá tẹ́tẹ́ rẹ padà fún ọ ní ìlọ́po méjì.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Ó rí àmì rẹpẹtẹ, síbẹ̀ o ṣì borí! Wàá gba ìlọ́po 5 tẹ́tẹ́ rẹ fún ìyẹn.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Tó bá rí àmì tó pọ̀ tó bẹ́ẹ̀, tí o sì ṣì borí… n kò mọ ohun tí màá sọ. Ìlọ́po 10 tẹ́tẹ́ rẹ rèé.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>O bá alátakò tó lágbára jà, o sì borí. Nítorí ìgboyà yìí, mo fún ọ ní ìlọ́po 15 tẹ́tẹ́ rẹ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Kọ̀ǹpútà yẹn kó àmì jọ, ó FẸ́RẸ̀Ẹ́ yára tó ọ! Mo fún ọ ní ìlọ́po 25 tẹ́tẹ́ rẹ.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Háà! Báwo lo ṣe borí nígbà tí o fún un ní àmì tó pọ̀ tó yẹn!? Kò sí ohun tí mo lè ṣe ju pé kí n fún ọ ní ìlọ́po 50 tẹ́tẹ́ rẹ lọ.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>N kò rò pé o yè ìyẹn.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>RÁNTÍ LÁTI TA TẸ́TẸ́</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>MÁ GBÀGBÉ TẸ́TẸ́ RẸ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>O fìdí rẹmi! Kí oríire bá ọ nígbà míì…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Ìwọ àti kọ̀ǹpútà ní àmì 32767 ọ̀kọ̀ọ̀kan, èyí tó pọ̀ jù lọ, nítorí náà kò sí ẹni tó lè borí eré yìí. O gba tẹ́tẹ́ rẹ padà.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Iye tẹ́tẹ́: jọ̀wọ́ tẹ nọ́ńbà odidi láti 0 títí dé iye owó rẹ, fún àpẹẹrẹ 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Iye ìyípo: jọ̀wọ́ tẹ nọ́ńbà odidi láti -32768 títí dé 32767, fún àpẹẹrẹ 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>AṢÌṢE! O kò lè ní owó tí kò tó òdo.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ní àṣìṣe tí kò lè bọ́ lọ́wọ́ rẹ̀, ó sì ní láti pa dé.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Irú kò bára mu: “%1” kì í ṣe nọ́ńbà</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Àkúnwọ́sílẹ̀: %1 kò sí láàárín -32768 àti 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Àkúnwọ́sílẹ̀: “%1” jẹ́ nọ́ńbà tó tóbi jù</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Àkúnwọ́sílẹ̀: “%1” wà lẹ́yìn ààlà -32768 sí 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Àṣìṣe ìṣirò onídàá: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Dáìsì %1 %2 %3 %4 %5 %6. Ìyípo %7. Ìwọ %8, kọ̀ǹpútà %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Owó %1, tẹ́tẹ́ %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Ìlò: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[àwọn àṣàyàn]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Àwọn àṣàyàn:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Àwọn àfikún àṣẹ:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Ó ń fi ìrànlọ́wọ́ hàn nípa àwọn àṣàyàn ìlà àṣẹ.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Ó ń fi ìrànlọ́wọ́ hàn, títí kan àwọn àṣàyàn Qt pàtó.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Ó ń fi ìsọfúnni ẹ̀dà hàn.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Àṣàyàn tí a kò mọ̀ “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Àwọn àṣàyàn tí a kò mọ̀: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Iye kò sí lẹ́yìn “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Iye tí a kò retí lẹ́yìn “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>Ó &amp;dáa</translation>
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
        <translation>Ó dáa</translation>
    </message>
</context>
</TS>
