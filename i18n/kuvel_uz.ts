<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uz" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Kompyuterga qarshi zar oʻyini.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Argumentlardan biri joriy mintaqaviy sozlamalarda yaroqli matn emas.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Kutilmagan argument: «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>1-zar</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>2-zar</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>3-zar</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>4-zar</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>5-zar</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>6-zar</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Juftlik</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Uchlik</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Toʻrtlik</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Beshlik</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Tur</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Sen</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Kompyuter</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Ketdik!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Boshlashdan oldin stavka qil… stavkangni (pulingdan oshmasin) va turlar sonini (1 dan 100 gacha, boʻlmasa oʻyin choʻzilib ketadi) yoz. Kompyuter oladigan ochkolarni sozla, «Ketdik!» tugmasini bos — va oldinga! Kuvel — bu 6 ta bir xil zar, beshlik — beshta bir xil zar, toʻrtlik — toʻrtta bir xil zar… bundan ortigʻini aytolmayman. Faqat pulsiz qolib ketma. Koʻrishguncha!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Har turda kompyuterga beriladigan ochko</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Pul</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Stavka</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Stavka qilish</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Oʻynalgan turlar</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Sening ochkolaring</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Kompyuter ochkolari</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Stavka miqdori</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Turlar soni</translation>
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
        <translation>Keyingi safar stavka qil — bu safar nima boʻlishini shunchaki koʻrib tur.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Ajoyib! Kuvel! Shubhasiz omading uchun senga 1296 ochko beraman!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Zoʻr! Beshlik tushirish uchun rosa omading kelgan boʻlsa kerak — senga 216 ochko beraman!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Yaxshi! Toʻrtlik! Buning uchun senga 36 ochko beraman!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Nafaqat toʻrtlik, ustiga yana juftlik ham! Senga 37 ochko beraman!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Uchlik unchalik yomon emas — ustiga olti ochko ham beradi!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Uchlik — yana bir juftlikni koʻryapmanmi? Yetti ochko!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Ikkita uchlik — bir vaqtning oʻzida! Buning uchun senga 12 ochko beraman!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Uchta har xil juftlik unchalik diqqatga sazovor boʻlmasa ham, baribir uch ochko beradi.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Ikkita juftlik… ikki ochkoga zoʻrgʻa yetadi.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Bittagina juftlik… bundan battari boʻladimi? Buning uchun bir ochko olasan.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Qanday ekzotik nodirlik! Zarlaringning hammasi har xil — buning uchun senga 66 ochko beraman!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Xoʻsh, yutding, lekin kompyuter koʻp ochko ololmadi. Shunday boʻlsa-da, stavkangni qaytarib beraman.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Barakalla! Yutding! Yagona muammo shuki… kompyuter SHUNCHALIK kam ochko oldi. Baribir stavkangga 5 foiz qoʻshib beraman.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Kompyuter biroz ochko oldi. Lekin ancha oson boʻldi, toʻgʻrimi? 25 foiz koʻproq olasan.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Koʻrinishidan, kompyuter durustgina ochko yiqqan boʻlsa ham, sen uni yengibsan. Stavkangni ikki barobar qilib qaytaraman.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>U juda koʻp ochko oldi, sen esa baribir yutding! Buning uchun stavkangning 5 barobarini olasan.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>U shuncha ochko olgan boʻlsa-yu, sen baribir yutgan boʻlsang… nima deyishni ham bilmayman. Mana senga stavkangning 10 barobari.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Sen kuchli raqib bilan olishding va yutding. Shu jasoratingga stavkangning 15 barobarini beraman!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Bu kompyuter ochkolarni DEYARLI sen kabi tez yigʻdi! Senga stavkangning 25 barobarini beraman.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Voy-boʻ! Unga shuncha ochko berib, qanday yutding!? Endi senga stavkangning 50 barobarini berishga majburman.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Bundan tirik chiqding deb oʻylamayman.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>STAVKA QILISHNI UNUTMA</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>STAVKANI ESDAN CHIQARMA</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Yutqazding! Keyingi safar omading kelsin…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Senda ham, kompyuterda ham 32&#xa0;767 ochko bor — bu eng koʻpi, shuning uchun bu oʻyinda hech kim yuta olmaydi. Stavkang oʻzingga qaytadi.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Stavka miqdori: 0 dan pulinggacha boʻlgan butun son yoz, masalan, 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Turlar soni: -32768 dan 32767 gacha boʻlgan butun son yoz, masalan, 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>XATO! Puling manfiy boʻlishi mumkin emas.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel tuzatib boʻlmaydigan xatoga duch keldi va yopilishi kerak.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Maʼlumot turi mos emas: «%1» son emas</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Toʻlib ketish: %1 soni -32768 dan 32767 gacha oraliqqa sigʻmaydi</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Toʻlib ketish: «%1» haddan tashqari katta son</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Toʻlib ketish: «%1» -32768 dan 32767 gacha oraliqdan tashqarida</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Suzuvchi nuqta xatosi: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Zarlar %1 %2 %3 %4 %5 %6. Tur %7. Sen %8, kompyuter %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Pul %1, stavka %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Foydalanish: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[parametrlar]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Parametrlar:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumentlar:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Buyruq satri parametrlari boʻyicha yordamni koʻrsatadi.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Yordamni Qt ga xos parametrlar bilan birga koʻrsatadi.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Versiya haqidagi maʼlumotni koʻrsatadi.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nomaʼlum parametr: «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nomaʼlum parametrlar: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>«%1» dan keyin qiymat yetishmayapti.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>«%1» dan keyin kutilmagan qiymat.</translation>
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
