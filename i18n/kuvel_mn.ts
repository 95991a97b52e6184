<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mn" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Компьютерийн эсрэг шооны тоглоом.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Аргументуудын нэг нь энэ локалд хүчинтэй текст биш байна.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Гэнэтийн аргумент “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Шоо 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Шоо 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Шоо 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Шоо 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Шоо 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Шоо 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Хос</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Гурвал</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Дөрвөл</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Тавал</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Кувел</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ээл.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Чи</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Комп</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Шоо хая!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Эхлээд бооцоо тавь… бооцоогоо (мөнгөнөөсөө хэтрүүлэлгүй) болон ээлжийн тоогоо оруул (1-ээс 100 хүртэл, эс тэгвэл тоглоом удаан үргэлжилнэ). Компьютерийн авах оноог тохируулаад “Шоо хая!” дээр дар — тэгээд явлаа! Кувел гэдэг нь 6 ижил шоо, тавал нь таван ижил, дөрвөл нь дөрвөн ижил… үүнээс илүүг хэлэхгүй ээ. Гол нь мөнгөгүй хоцорч болохгүй шүү. За, баяртай!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Компьютерийн ээлж бүрийн оноо</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Мөнгө</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Бооцоо</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Бооцоо тавь</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Тоглосон ээлж</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Чиний оноо</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Компьютерийн оноо</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Бооцооны хэмжээ</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Ээлжийн тоо</translation>
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
        <translation>Дараагийн удаа бооцоо тавиарай — энэ удаад юу болохыг зүгээр хараад суу.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Гайхалтай! Кувел! Эргэлзээгүй азын чинь төлөө 1,296 оноо өгье!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Мундаг! Тавал буулгана гэдэг аз л даа — чамд 216 оноо өгье!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Сайхан байна! Дөрвөл! Үүний төлөө 36 оноо өгье!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Дөрвөл ч байна, дээр нь бас нэг хос! 37 оноо өгье!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Гурвал тийм ч муу биш — дээр нь зургаан оноо авчирна!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Гурвал — тэгээд бас нэг хос харагдаж байна уу? Долоон оноо!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Хоёр гурвал — нэг дор! Үүний төлөө 12 оноо өгье!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Гурван өөр хос онцгүй ч байж магадгүй, гэхдээ ямартай ч гурван оноо авчирна.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Хоёр хос… хоёрхон оноонд арай л хүрнэ.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Ганцхан хос… үүнээс дор байх гэж үү? Үүний төлөө нэг оноо авна.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Ямар ховор үзэгдэл вэ! Бүх тоо чинь өөр өөр — үүний төлөө 66 оноо өгье!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>За, чи яллаа, гэхдээ компьютер төдийлөн оноо аваагүй. Ямартай ч бооцоог чинь буцааж өгье.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Гоё! Чи яллаа! Ганц асуудал нь… компьютер ДЭНДҮҮ цөөхөн оноо авлаа. Ямартай ч бооцоон дээр чинь 5% нэмж өгье.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Компьютер хэдэн оноо авлаа. Гэхдээ нэлээн амархан байсан биз дээ? 25% илүү авна.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Компьютер нэлээд оноо авсан ч чи түүнийг ялчих шиг боллоо. Бооцоог чинь хоёр дахин өсгөж буцааж өгье.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Тэр ёстой их оноо авсан ч чи ялж чадлаа! Үүний төлөө бооцоогоо 5 дахин өсгөж авна.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Тэр тэгтлээ их оноо авсан атлаа чи ялсан бол… юу гэхээ ч мэдэхгүй нь. За, бооцоог чинь 10 дахин өсгөж өгье.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Чи аймшигтай өрсөлдөгчтэй тулалдаад яллаа. Энэ зоригийн чинь төлөө бооцоог чинь 15 дахин өсгөж өгье!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Тэр компьютер БАРАГ чам шиг хурдан оноо цуглуулсан шүү! Бооцоог чинь 25 дахин өсгөж өгье.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Хөөх. Түүнд тэгтлээ их оноо өгчихөөд яаж ялсан юм бэ!? Бооцоог чинь 50 дахин өсгөж өгөхөөс аргагүй нь.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Чамайг үүнээс амьд гарсан гэж бодохгүй байна.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>БООЦОО ТАВИХАА БҮҮ МАРТ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>БООЦООГОО БҮҮ МАРТ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Чи хожигдлоо! Дараагийн удаа азтай байгаарай…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Чи ч, компьютер ч 32,767 оноотой — үүнээс их байдаггүй тул энэ тоглоомд хэн ч ялж чадахгүй. Бооцоо чинь өөрт чинь буцна.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Бооцооны хэмжээ: 0-ээс мөнгөнийхөө хэмжээ хүртэлх бүхэл тоо оруул, жишээ нь 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Ээлжийн тоо: -32768-аас 32767 хүртэлх бүхэл тоо оруул, жишээ нь 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>АЛДАА! Мөнгө чинь сөрөг байж болохгүй.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel засаж чадахгүй алдаатай тулгарсан тул хаагдах ёстой.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Төрөл таарахгүй: “%1” нь тоо биш</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Халилт: %1 нь -32768-аас 32767 хүртэлх мужид багтахгүй</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Халилт: “%1” хэт том тоо байна</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Халилт: “%1” нь -32768-аас 32767 хүртэлх мужаас гадуур байна</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Хөвөгч цэгийн алдаа: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Шоо %1 %2 %3 %4 %5 %6. Ээлж %7. Чи %8, компьютер %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Мөнгө %1, бооцоо %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Хэрэглээ: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[сонголтууд]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Сонголтууд:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Аргументууд:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Тушаалын мөрийн сонголтуудын тусламжийг харуулна.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-ийн тусгай сонголтуудыг оруулан тусламжийг харуулна.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Хувилбарын мэдээллийг харуулна.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Үл мэдэгдэх сонголт “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Үл мэдэгдэх сонголтууд: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” сонголтын дараа утга алга.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” сонголтын дараа гэнэтийн утга байна.</translation>
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
