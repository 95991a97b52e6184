<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Trò chơi xúc xắc đấu với máy.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Có một đối số không phải là văn bản hợp lệ theo thiết lập ngôn ngữ hiện tại.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Đối số không mong đợi “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Xúc xắc 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Xúc xắc 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Xúc xắc 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Xúc xắc 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Xúc xắc 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Xúc xắc 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Đôi</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Sám</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Tứ quý</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ngũ quý</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ván</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Bạn</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Máy</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Gieo thôi!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Đặt cược trước khi bắt đầu nhé... nhập tiền cược (không quá số tiền bạn có) và số ván (1 đến 100, không thì chơi dài dài luôn). Chỉnh số điểm máy được nhận, bấm “Gieo thôi!” là vào cuộc! Kuvel là 6 con giống nhau, ngũ quý là năm con giống nhau, tứ quý là bốn con giống nhau... mình không tiết lộ thêm được đâu. Chỉ cần đừng để hết tiền. Bai bai!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Điểm của máy mỗi ván</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Tiền</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Tiền cược</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Đặt cược</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Số ván đã chơi</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Điểm của bạn</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Điểm của máy</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Tiền cược</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Số ván</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Đồng ý</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Lần sau nhớ đặt cược nhé – lần này cứ xem chuyện gì xảy ra đã.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Tuyệt vời! Kuvel! Hên thế này thì hết cãi, mình thưởng bạn 1.296 điểm!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Tuyệt quá! Phải hên lắm mới ra được ngũ quý – mình thưởng bạn 216 điểm!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Ngon! Tứ quý! Vậy thưởng bạn 36 điểm!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Không chỉ tứ quý mà còn kèm thêm một đôi! Thưởng bạn 37 điểm!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Sám đâu có tệ – lại còn được sáu điểm nữa!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Sám – ơ, hình như còn một đôi nữa? Bảy điểm!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Hai sám – ra cùng một lúc! Cho bạn 12 điểm luôn!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Ba đôi khác nhau thì chẳng có gì đáng kể, nhưng vẫn được ba điểm.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Hai đôi... vừa đủ hai điểm.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Có mỗi một đôi... còn gì tệ hơn nữa không? Được một điểm.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Hiếm có khó tìm! Các mặt đều khác nhau hết – cho bạn 66 điểm!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Ừ thì bạn thắng, nhưng máy đâu có được mấy điểm. Dù sao mình cũng trả lại tiền cược cho bạn.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Tuyệt! Bạn thắng rồi! Có điều là... máy được ÍT điểm QUÁ. Nhưng thôi, mình thưởng thêm 5% tiền cược.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Máy được vài điểm. Mà dễ ợt, đúng không? Bạn được thêm 25%.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Xem ra bạn đã hạ được máy dù nó có số điểm kha khá. Mình trả lại gấp đôi tiền cược.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Máy được cả đống điểm mà bạn vẫn thắng! Bạn nhận gấp 5 lần tiền cược.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Máy được nhiều điểm đến thế mà bạn vẫn thắng... mình cạn lời. Đây, gấp 10 lần tiền cược.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Bạn đã đấu với một đối thủ đáng gờm và thắng. Gan dạ như vậy, mình thưởng gấp 15 lần tiền cược!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Máy gom điểm GẦN nhanh bằng bạn! Mình thưởng gấp 25 lần tiền cược.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Trời đất. Cho máy nhiều điểm thế mà vẫn thắng được là sao!? Thôi đành thưởng bạn gấp 50 lần tiền cược vậy.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Chắc bạn không qua nổi vụ này rồi.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>NHỚ ĐẶT CƯỢC</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>NHỚ ĐẶT TIỀN CƯỢC</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Bạn thua rồi! Chúc may mắn lần sau...</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Bạn và máy đều có 32767 điểm, mức cao nhất rồi, nên trận này không ai thắng được. Bạn được trả lại tiền cược.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Tiền cược: vui lòng nhập một số nguyên từ 0 đến số tiền bạn có, ví dụ 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Số ván: vui lòng nhập một số nguyên từ -32768 đến 32767, ví dụ 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>LỖI! Tiền không thể âm được.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel gặp lỗi không thể khắc phục và phải đóng lại.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Sai kiểu: “%1” không phải là số</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Tràn số: %1 không nằm trong khoảng -32768 đến 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Tràn số: “%1” là số quá lớn</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Tràn số: “%1” nằm ngoài khoảng -32768 đến 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Lỗi dấu phẩy động: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Xúc xắc %1 %2 %3 %4 %5 %6. Ván %7. Bạn %8, máy %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Tiền %1, tiền cược %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Cách dùng: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[tùy chọn]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Tùy chọn:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Đối số:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Hiển thị trợ giúp về các tùy chọn dòng lệnh.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Hiển thị trợ giúp, kể cả các tùy chọn riêng của Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Hiển thị thông tin phiên bản.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Tùy chọn không xác định “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Tùy chọn không xác định: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Thiếu giá trị sau “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Giá trị không mong đợi sau “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>Đồ&amp;ng ý</translation>
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
        <translation>Đồng ý</translation>
    </message>
</context>
</TS>
