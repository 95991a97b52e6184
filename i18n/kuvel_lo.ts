<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lo" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>ເກມ​ໝາກເຕົ໋າ​ແຂ່ງ​ກັບ​ຄອມພິວເຕີ</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ມີ​ອາກິວເມັນ​ທີ່​ບໍ່​ແມ່ນ​ຂໍ້ຄວາມ​ທີ່​ຖືກຕ້ອງ​ໃນ​ການຕັ້ງຄ່າ​ພາສາ​ນີ້</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ອາກິວເມັນ​ທີ່​ບໍ່​ຄາດຄິດ “%1”</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ໝາກເຕົ໋າ 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ໝາກເຕົ໋າ 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ໝາກເຕົ໋າ 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ໝາກເຕົ໋າ 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ໝາກເຕົ໋າ 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ໝາກເຕົ໋າ 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ຄູ່</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ສາມ​ຄືກັນ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ສີ່​ຄືກັນ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ຫ້າ​ຄືກັນ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ຄູເວລ</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>ຕາ</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>ເຈົ້າ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>ຄອມ</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ທອຍ​ເລີຍ!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ກ່ອນ​ເລີ່ມ​ຕ້ອງ​ວາງ​ເດີມພັນ​ກ່ອນ… ໃສ່​ເດີມພັນ (ບໍ່​ເກີນ​ເງິນ​ທີ່​ມີ) ກັບ​ຈຳນວນ​ຕາ (1 ຫາ 100 ບໍ່​ສະນັ້ນ​ຈະ​ໄດ້​ຫຼິ້ນ​ຍາວ​ແທ້) ຕັ້ງ​ຄະແນນ​ທີ່​ຄອມພິວເຕີ​ຈະ​ໄດ້ ກົດ “ທອຍ​ເລີຍ!” ແລ້ວ​ກໍ​ລຸຍ​ເລີຍ! ຄູເວລ ແມ່ນ​ຄືກັນ 6 ໜ່ວຍ ຫ້າ​ຄືກັນ ແມ່ນ​ຄືກັນ​ຫ້າ​ໜ່ວຍ ສີ່​ຄືກັນ ແມ່ນ​ຄືກັນ​ສີ່​ໜ່ວຍ… ບອກ​ໄດ້​ພຽງ​ເທົ່ານີ້​ແຫຼະ ຢ່າ​ໃຫ້​ເງິນ​ໝົດ​ກໍ​ແລ້ວ​ກັນ ບ໊າຍບາຍ!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ຄະແນນ​ຂອງ​ຄອມພິວເຕີ​ຕໍ່​ຕາ</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ເງິນ</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ເດີມພັນ</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ວາງ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ຈຳນວນ​ຕາ​ທີ່​ຫຼິ້ນ​ແລ້ວ</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ຄະແນນ​ຂອງ​ເຈົ້າ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ຄະແນນ​ຂອງ​ຄອມພິວເຕີ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ຍອດ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ຈຳນວນ​ຕາ</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ຕົກລົງ</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>ເທື່ອໜ້າ​ວາງ​ເດີມພັນ​ແດ່​ເດີ້ – ເທື່ອນີ້​ເບິ່ງ​ໄປ​ກ່ອນ​ວ່າ​ຈະ​ເປັນ​ແນວໃດ</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>ສຸດຍອດ! ຄູເວລ! ໂຊກດີ​ຂະໜາດ​ນີ້​ໃຜ​ຈະ​ຖຽງ​ໄດ້ ຮັບ​ໄປ​ເລີຍ 1,296 ຄະແນນ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ດີເລີດ! ຕ້ອງ​ໂຊກດີ​ແທ້ໆ​ຈຶ່ງ​ໄດ້​ຫ້າ​ຄືກັນ – ຮັບ​ໄປ 216 ຄະແນນ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>ງາມ! ສີ່​ຄືກັນ! ຮັບ​ໄປ 36 ຄະແນນ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>ບໍ່​ແມ່ນ​ແຕ່​ສີ່​ຄືກັນ ຍັງ​ມີ​ຄູ່​ແຖມ​ມາ​ອີກ! ຮັບ​ໄປ 37 ຄະແນນ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ສາມ​ຄືກັນ​ກໍ​ບໍ່​ຮ້າຍ​ປານໃດ – ແຖມ​ໄດ້​ຫົກ​ຄະແນນ​ນຳ!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ສາມ​ຄືກັນ – ເອ໊ະ ນັ້ນ​ແມ່ນ​ຄູ່​ອີກ​ຄູ່​ບໍ? ເຈັດ​ຄະແນນ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ສາມ​ຄືກັນ​ສອງ​ຊຸດ – ອອກ​ພ້ອມກັນ​ເລີຍ! ໃຫ້​ໄປ 12 ຄະແນນ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ຄູ່​ບໍ່​ຊ້ຳກັນ​ສາມ​ຄູ່​ອາດ​ບໍ່​ໜ້າ​ຕື່ນເຕັ້ນ ແຕ່​ກໍ​ໄດ້​ສາມ​ຄະແນນ​ເດີ້</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ສອງ​ຄູ່… ພໍ​ໄດ້​ສອງ​ຄະແນນ​ພໍດີ</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ຄູ່​ດຽວ… ຈະ​ຮ້າຍ​ກວ່າ​ນີ້​ໄດ້​ອີກ​ບໍ? ໄດ້​ໄປ​ໜຶ່ງ​ຄະແນນ</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>ຫາຍາກ​ແທ້ໆ! ໜ້າ​ໝາກເຕົ໋າ​ບໍ່​ຊ້ຳກັນ​ຈັກ​ໜ່ວຍ – ໃຫ້​ໄປ 66 ຄະແນນ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ກໍ​ຊະນະ​ແຫຼະ ແຕ່​ຄອມພິວເຕີ​ໄດ້​ຄະແນນ​ບໍ່​ຫຼາຍ ເອົາ​ເດີມພັນ​ຄືນ​ໄປ​ກໍ​ແລ້ວ​ກັນ</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ຍອດ! ຊະນະ​ແລ້ວ! ບັນຫາ​ດຽວ​ຄື… ຄອມພິວເຕີ​ໄດ້​ຄະແນນ​ໜ້ອຍ​ແທ້ໆ ແຕ່​ກໍ​ແຖມ​ໃຫ້​ອີກ 5% ຂອງ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>ຄອມພິວເຕີ​ໄດ້​ຄະແນນ​ມາ​ແດ່ ແຕ່​ກໍ​ງ່າຍ​ໂພດ​ແມ່ນ​ບໍ? ໄດ້​ເພີ່ມ 25%</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ເບິ່ງ​ຄື​ເຈົ້າ​ຊະນະ​ຄອມພິວເຕີ​ໄດ້ ທັງໆທີ່​ມັນ​ໄດ້​ຄະແນນ​ບໍ່​ໜ້ອຍ ຮັບ​ເດີມພັນ​ຄືນ​ສອງ​ເທົ່າ</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ມັນ​ໄດ້​ຄະແນນ​ຫຼາຍ ແຕ່​ເຈົ້າ​ຍັງ​ຊະນະ​ໄດ້! ຮັບ​ໄປ 5 ເທົ່າ​ຂອງ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>ມັນ​ໄດ້​ຄະແນນ​ຫຼາຍ​ຂະໜາດ​ນັ້ນ​ແລ້ວ​ເຈົ້າ​ຍັງ​ຊະນະ… ບໍ່​ຮູ້​ຈະ​ເວົ້າ​ແນວໃດ​ແລ້ວ ເອົາ​ໄປ 10 ເທົ່າ​ຂອງ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>ເຈົ້າ​ສູ້​ກັບ​ຄູ່ແຂ່ງ​ທີ່​ເກັ່ງ​ຫຼາຍ​ແລະ​ຊະນະ ກ້າຫານ​ຂະໜາດ​ນີ້ ຮັບ​ໄປ 15 ເທົ່າ​ຂອງ​ເດີມພັນ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ຄອມພິວເຕີ​ເກັບ​ຄະແນນ​ໄວ​ເກືອບ​ເທົ່າ​ເຈົ້າ! ຮັບ​ໄປ 25 ເທົ່າ​ຂອງ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ໂອ້ໂຫ ໃຫ້​ຄະແນນ​ມັນ​ຫຼາຍ​ຂະໜາດ​ນັ້ນ​ຍັງ​ຊະນະ​ໄດ້​ແນວໃດ!? ຄົງ​ຕ້ອງ​ໃຫ້ 50 ເທົ່າ​ຂອງ​ເດີມພັນ​ແລ້ວ</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ເບິ່ງ​ທ່າ​ຈະ​ບໍ່​ລອດ​ແລ້ວ</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ຢ່າ​ລືມ​ວາງ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ຢ່າ​ລືມ​ລົງ​ເດີມພັນ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ແພ້​ແລ້ວ! ເທື່ອໜ້າ​ຂໍ​ໃຫ້​ໂຊກດີ​ກວ່າ​ນີ້…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>ເຈົ້າ​ກັບ​ຄອມພິວເຕີ​ໄດ້ 32767 ຄະແນນ​ເທົ່າກັນ ເຊິ່ງ​ສູງ​ສຸດ​ແລ້ວ ເກມ​ນີ້​ຈຶ່ງ​ບໍ່​ມີ​ໃຜ​ຊະນະ ຮັບ​ເດີມພັນ​ຄືນ​ໄປ</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ຍອດ​ເດີມພັນ: ກະລຸນາ​ພິມ​ຈຳນວນເຕັມ​ຕັ້ງແຕ່ 0 ຫາ​ເງິນ​ທີ່​ມີ ເຊັ່ນ 10</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>ຈຳນວນ​ຕາ: ກະລຸນາ​ພິມ​ຈຳນວນເຕັມ​ຕັ້ງແຕ່ -32768 ຫາ 32767 ເຊັ່ນ 50</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ຜິດພາດ! ເງິນ​ຕິດລົບ​ບໍ່​ໄດ້​ເດີ້</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ພົບ​ຂໍ້ຜິດພາດ​ທີ່​ແກ້​ບໍ່​ໄດ້ ແລະ​ຕ້ອງ​ປິດ​ລົງ

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ປະເພດ​ຂໍ້ມູນ​ບໍ່​ກົງກັນ: “%1” ບໍ່​ແມ່ນ​ຕົວເລກ</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ຄ່າ​ລົ້ນ: %1 ບໍ່​ຢູ່​ໃນ​ຊ່ວງ -32768 ຫາ 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ຄ່າ​ລົ້ນ: “%1” ເປັນ​ຕົວເລກ​ທີ່​ໃຫຍ່​ເກີນ​ໄປ</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ຄ່າ​ລົ້ນ: “%1” ຢູ່​ນອກ​ຊ່ວງ -32768 ຫາ 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ຂໍ້ຜິດພາດ​ເລກ​ຈຸດ​ລອຍ: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>ໝາກເຕົ໋າ %1 %2 %3 %4 %5 %6 ຕາ​ທີ %7 ເຈົ້າ %8 ຄອມພິວເຕີ %9</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>ເງິນ %1 ເດີມພັນ %2</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ວິທີ​ໃຊ້: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ຕົວເລືອກ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ຕົວເລືອກ:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ອາກິວເມັນ:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>ສະແດງ​ວິທີ​ໃຊ້​ຕົວເລືອກ​ແຖວ​ຄຳສັ່ງ</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>ສະແດງ​ວິທີ​ໃຊ້​ລວມ​ທັງ​ຕົວເລືອກ​ສະເພາະ​ຂອງ Qt</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ສະແດງ​ຂໍ້ມູນ​ລຸ້ນ</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ບໍ່​ຮູ້ຈັກ​ຕົວເລືອກ “%1”</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ບໍ່​ຮູ້ຈັກ​ຕົວເລືອກ: %1</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>ບໍ່​ມີ​ຄ່າ​ຫຼັງ “%1”</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>ມີ​ຄ່າ​ທີ່​ບໍ່​ຄາດຄິດ​ຫຼັງ “%1”</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ຕົກລົງ</translation>
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
        <translation>ຕົກລົງ</translation>
    </message>
</context>
</TS>
