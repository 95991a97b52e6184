<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>เกมลูกเต๋าดวลกับคอมพิวเตอร์</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>มีอาร์กิวเมนต์ที่ไม่ใช่ข้อความที่ถูกต้องในโลแคลนี้</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>อาร์กิวเมนต์ที่ไม่คาดคิด “%1”</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ลูกเต๋า 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ลูกเต๋า 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ลูกเต๋า 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ลูกเต๋า 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ลูกเต๋า 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ลูกเต๋า 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>คู่</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ตอง</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>โฟร์</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ไฟว์</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>คูเวล</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>ตา</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>คุณ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>คอม</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ทอยเลย!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ก่อนเริ่มต้องลงเดิมพันก่อนนะ… ใส่เดิมพัน (ไม่เกินเงินที่มี) กับจำนวนตา (1 ถึง 100 ไม่งั้นได้เล่นกันยาวแน่) ตั้งแต้มที่คอมพิวเตอร์จะได้ กด “ทอยเลย!” แล้วลุยได้เลย! คูเวลคือเหมือนกัน 6 ลูก ไฟว์คือเหมือนกันห้าลูก โฟร์คือเหมือนกันสี่ลูก… บอกได้แค่นี้แหละ อย่าให้เงินหมดก็แล้วกัน บ๊ายบาย!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>แต้มของคอมพิวเตอร์ต่อตา</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>เงิน</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>เดิมพัน</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ลงเดิมพัน</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>จำนวนตาที่เล่นไป</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>แต้มของคุณ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>แต้มของคอมพิวเตอร์</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ยอดเดิมพัน</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>จำนวนตา</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>คราวหน้าลงเดิมพันด้วยนะ คราวนี้ดูไปก่อนว่าจะเป็นยังไง</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>สุดยอด! คูเวล! ดวงดีขนาดนี้ใครจะเถียงได้ รับไปเลย 1,296 แต้ม!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>เยี่ยม! ต้องดวงดีแน่ๆ ถึงได้ไฟว์ รับไปเลย 216 แต้ม!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>เจ๋ง! โฟร์! งั้นรับไป 36 แต้ม!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>ไม่ใช่แค่โฟร์ ยังมีคู่แถมมาอีก! รับไป 37 แต้ม!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ตองก็ไม่เลวนะ แถมได้หกแต้มด้วย!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ตอง… เอ๊ะ นั่นคู่อีกคู่หรือเปล่า? เจ็ดแต้ม!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ตองสองชุด ออกพร้อมกันเลย! ให้ไป 12 แต้ม!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>คู่ไม่ซ้ำกันสามคู่อาจไม่ได้น่าตื่นเต้นอะไร แต่ก็ได้สามแต้มนะ</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>สองคู่… พอได้สองแต้มพอดี</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>คู่เดียว… จะแย่กว่านี้ได้อีกไหมเนี่ย? ได้ไปหนึ่งแต้ม</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>ของหายากสุดๆ! หน้าลูกเต๋าไม่ซ้ำกันเลยสักลูก ให้ไป 66 แต้ม!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ก็ชนะแหละ แต่คอมพิวเตอร์ได้แต้มไม่เยอะเลย เอาเดิมพันคืนไปก็แล้วกัน</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>เยี่ยม! ชนะแล้ว! ปัญหาเดียวคือ… คอมพิวเตอร์ได้แต้มน้อยซะเหลือเกิน แต่ก็แถมให้อีก 5% ของเดิมพันละกัน</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>คอมพิวเตอร์ได้แต้มมานิดหน่อย แต่ก็ง่ายไปหน่อยใช่ไหมล่ะ? ได้เพิ่มไป 25%</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ดูเหมือนจะชนะคอมพิวเตอร์ได้ ทั้งที่มันได้แต้มไปไม่น้อยเลย รับเดิมพันคืนไปสองเท่า</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>มันได้แต้มไปตั้งเยอะ แต่ก็ยังชนะได้! รับไป 5 เท่าของเดิมพัน</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>มันได้แต้มเยอะขนาดนั้น แล้วยังชนะอีก… ไม่รู้จะพูดยังไงแล้ว เอาไป 10 เท่าของเดิมพันเลย</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>สู้กับคู่ต่อสู้สุดโหดแล้วชนะ! ใจกล้าขนาดนี้ รับไป 15 เท่าของเดิมพัน!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>คอมพิวเตอร์เก็บแต้มได้เร็วเกือบเท่าคุณแล้ว! รับไป 25 เท่าของเดิมพัน</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ตายแล้ว ให้แต้มมันไปเยอะขนาดนั้นยังชนะได้ยังไง!? งั้นคงต้องให้ 50 เท่าของเดิมพันแล้วล่ะ</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ดูท่าจะไม่รอดแล้วล่ะ</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>อย่าลืมลงเดิมพัน</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>อย่าลืมวางเดิมพัน</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>แพ้แล้ว! คราวหน้าขอให้ดวงดีกว่านี้นะ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>คุณกับคอมพิวเตอร์ได้ 32767 แต้มเท่ากัน ซึ่งสูงสุดแล้ว เกมนี้เลยไม่มีใครชนะ รับเดิมพันคืนไป</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ยอดเดิมพัน: กรุณาพิมพ์จำนวนเต็มตั้งแต่ 0 ถึงเงินที่มี เช่น 10</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>จำนวนตา: กรุณาพิมพ์จำนวนเต็มตั้งแต่ -32768 ถึง 32767 เช่น 50</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ข้อผิดพลาด! เงินติดลบไม่ได้นะ</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel เจอข้อผิดพลาดที่แก้ไม่ได้ และต้องปิดตัวลง

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ชนิดข้อมูลไม่ตรงกัน: “%1” ไม่ใช่ตัวเลข</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ค่าล้น: %1 ไม่อยู่ในช่วง -32768 ถึง 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ค่าล้น: “%1” เป็นตัวเลขที่ใหญ่เกินไป</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ค่าล้น: “%1” อยู่นอกช่วง -32768 ถึง 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ข้อผิดพลาดจำนวนจุดลอยตัว: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>ลูกเต๋า %1 %2 %3 %4 %5 %6 ตาที่ %7 คุณ %8 คอมพิวเตอร์ %9</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>เงิน %1 เดิมพัน %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>วิธีใช้: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ตัวเลือก]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ตัวเลือก:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>อาร์กิวเมนต์:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>แสดงวิธีใช้ตัวเลือกบรรทัดคำสั่ง</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>แสดงวิธีใช้รวมถึงตัวเลือกเฉพาะของ Qt</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>แสดงข้อมูลรุ่น</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ไม่รู้จักตัวเลือก “%1”</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ไม่รู้จักตัวเลือก: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>ไม่มีค่าหลัง “%1”</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>มีค่าที่ไม่คาดคิดหลัง “%1”</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ตกลง</translation>
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
        <translation>ตกลง</translation>
    </message>
</context>
</TS>
