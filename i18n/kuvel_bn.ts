<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>কম্পিউটারের বিরুদ্ধে পাশা খেলা।</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>একটি আর্গুমেন্ট এই লোকেলে বৈধ টেক্সট নয়।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>অপ্রত্যাশিত আর্গুমেন্ট “%1”।</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>পাশা 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>পাশা 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>পাশা 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>পাশা 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>পাশা 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>পাশা 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>জোড়া</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ত্রয়ী</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>চৌকা</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>পাঞ্জা</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>কুভেল</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>দান</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>তুমি</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>কম্পিউটার</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>চলো খেলি!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>শুরুর আগে বাজি ধরো… বাজির অঙ্ক (তোমার টাকার বেশি নয়) আর দানের সংখ্যা (1 থেকে 100, নইলে খেলা আর ফুরোবে না) লেখো। কম্পিউটার কত পয়েন্ট পাবে ঠিক করো, “চলো খেলি!” টেপো, ব্যস, শুরু! কুভেল মানে 6টাই একরকম, পাঞ্জা মানে পাঁচটা একরকম, চৌকা মানে চারটে একরকম… এর বেশি ফাঁস করছি না। শুধু দেখো, টাকা যেন ফুরিয়ে না যায়। টা-টা!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>প্রতি দানে কম্পিউটারের পয়েন্ট</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>টাকা</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>বাজি</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>বাজি ধরো</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>খেলা হয়ে যাওয়া দান</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>তোমার পয়েন্ট</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>কম্পিউটারের পয়েন্ট</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>বাজির অঙ্ক</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>দানের সংখ্যা</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>পরের বার বাজি ধোরো – এবার শুধু দেখো কী হয়।</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>অবিশ্বাস্য! কুভেল! এমন অকাট্য কপালের জন্য তোমাকে দিলাম 1,296 পয়েন্ট!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>দারুণ! পাঞ্জা পেতে কপাল লাগে বইকি – তোমাকে দিলাম 216 পয়েন্ট!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>বাহ! চৌকা! এর জন্য তোমাকে দিলাম 36 পয়েন্ট!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>শুধু চৌকা নয়, সঙ্গে একটা বাড়তি জোড়াও! তোমাকে দিলাম 37 পয়েন্ট!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ত্রয়ী মন্দ নয় – তার ওপর ছয় পয়েন্টও পেলে!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ত্রয়ী – আর ওটা কি আরেকটা জোড়া দেখছি? সাত পয়েন্ট!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>দুটো ত্রয়ী – একসঙ্গে! এর জন্য দিচ্ছি 12 পয়েন্ট!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>তিনটে আলাদা জোড়া হয়তো বলার মতো কিছু নয়, তবু তিন পয়েন্ট তো পেলে।</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>দুটো জোড়া… কোনোমতে দুই পয়েন্ট।</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>মাত্র একটা জোড়া… এর চেয়ে খারাপ হয় নাকি? এর জন্য এক পয়েন্ট পেলে।</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>কী বিরল কাণ্ড! তোমার সব পাশাই আলাদা – এর জন্য দিচ্ছি 66 পয়েন্ট!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>আচ্ছা, তুমি জিতেছ বটে, কিন্তু কম্পিউটার তো বেশি পয়েন্টই পায়নি। তবু তোমার বাজি ফেরত দিচ্ছি।</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>দারুণ! তুমি জিতেছ! সমস্যা একটাই… কম্পিউটার পেয়েছে এত্তো কম পয়েন্ট। তবু তোমার বাজির ওপর 5% বাড়তি দিচ্ছি।</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>কম্পিউটার কিছু পয়েন্ট পেয়েছে। তবে বেশ সহজই ছিল, তাই না? তুমি 25% বেশি পাবে।</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>দেখা যাচ্ছে, কম্পিউটার ভালোই পয়েন্ট পেলেও তুমি ওকে হারিয়ে দিয়েছ। তোমাকে বাজির দ্বিগুণ ফেরত দিলাম।</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ও গাদা গাদা পয়েন্ট পেয়েছে, তবু তুমি জিতে গেলে! এর জন্য পাবে বাজির 5 গুণ।</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>ও এত পয়েন্ট পেল, তবু তুমি জিতলে… কী বলব বুঝে পাচ্ছি না। এই নাও বাজির 10 গুণ।</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>তুমি এক দুর্ধর্ষ প্রতিপক্ষের সঙ্গে লড়ে জিতেছ। এই সাহসের জন্য তোমাকে দিলাম বাজির 15 গুণ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ওই কম্পিউটার প্রায় তোমার মতোই তাড়াতাড়ি পয়েন্ট জমিয়েছে! তোমাকে দিলাম বাজির 25 গুণ।</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ওরে বাবা। ওকে এত পয়েন্ট দিয়েও তুমি জিতলে কী করে!? এবার তো বাজির 50 গুণ দিতেই হবে।</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>মনে হচ্ছে এ যাত্রা আর বাঁচলে না।</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>বাজি ধরতে ভুলো না</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>বাজিটা ধরতে মনে রেখো</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>তুমি হেরে গেছ! পরের বার কপাল খুলুক…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>তোমার আর কম্পিউটারের দুজনেরই 32767 পয়েন্ট, এর বেশি হয় না, তাই এই খেলা কেউ জিততে পারবে না। তোমার বাজি ফেরত পাচ্ছ।</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>বাজির অঙ্ক: 0 থেকে তোমার টাকা পর্যন্ত একটা পূর্ণসংখ্যা লেখো, যেমন 10।</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>দানের সংখ্যা: -32768 থেকে 32767 পর্যন্ত একটা পূর্ণসংখ্যা লেখো, যেমন 50।</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>গোলমাল! টাকা মাইনাসে যেতে পারে না।</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel এমন এক ত্রুটির মুখে পড়েছে যা সে সামলাতে পারবে না, তাই বন্ধ হতে হচ্ছে।

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ধরন মেলেনি: “%1” কোনো সংখ্যা নয়</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ওভারফ্লো: %1, -32768 থেকে 32767-এর মধ্যে আঁটে না</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ওভারফ্লো: “%1” খুব বড় সংখ্যা</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ওভারফ্লো: “%1”, -32768 থেকে 32767-এর বাইরে</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ফ্লোটিং-পয়েন্ট ত্রুটি: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>পাশা %1 %2 %3 %4 %5 %6। দান %7। তুমি %8, কম্পিউটার %9।</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>টাকা %1, বাজি %2।</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ব্যবহার: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[অপশন]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>অপশন:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>আর্গুমেন্ট:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>কমান্ড-লাইন অপশন নিয়ে সাহায্য দেখায়।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-র নিজস্ব অপশনসহ সাহায্য দেখায়।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>সংস্করণের তথ্য দেখায়।</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>অজানা অপশন “%1”।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>অজানা অপশন: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”-এর পরে মান নেই।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”-এর পরে অপ্রত্যাশিত মান।</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ঠিক আছে</translation>
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
        <translation>ঠিক আছে</translation>
    </message>
</context>
</TS>
