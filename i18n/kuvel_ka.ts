<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>კამათლის თამაში კომპიუტერის წინააღმდეგ.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ერთ-ერთი არგუმენტი ამ ლოკალისთვის სწორი ტექსტი არ არის.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>მოულოდნელი არგუმენტი „%1“.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>კამათელი 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>კამათელი 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>კამათელი 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>კამათელი 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>კამათელი 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>კამათელი 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>წყვილი</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>სამეული</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ოთხეული</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ხუთეული</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>კუველი</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>სვ.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>შენ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>კომპი</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>წავედით!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ჯერ ფსონი დადე… შეიყვანე ფსონი (არა უმეტეს შენი ფულისა) და სვლების რიცხვი (1-დან 100-მდე, თორემ თამაში დიდხანს გაგრძელდება). მიუთითე, რამდენ ქულას მიიღებს კომპიუტერი, დააჭირე „წავედით!“ — და წავიდა! კუველი 6 ერთნაირი კამათელია, ხუთეული — ხუთი ერთნაირი, ოთხეული — ოთხი ერთნაირი… მეტს ვერ გეტყვი. ოღონდ უფულოდ არ დარჩე. აბა, კარგად!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>კომპიუტერის ქულები ყოველ სვლაზე</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ფული</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ფსონი</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>დადე ფსონი</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ნათამაშები სვლები</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>შენი ქულები</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>კომპიუტერის ქულები</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ფსონის თანხა</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>სვლების რიცხვი</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>კარგი</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>შემდეგ ჯერზე ფსონი დადე — ამჯერად უბრალოდ უყურე, რა მოხდება.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>საოცრებაა! კუველი! შენი უდავო იღბლისთვის 1&#xa0;296 ქულას გაძლევ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>მშვენიერია! ხუთეულის ამოსაგდებად ალბათ ძალიან გაგიმართლა — 216 ქულას გაძლევ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>კარგია! ოთხეული! ამისთვის 36 ქულას გაძლევ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>მარტო ოთხეული კი არა, ზედ წყვილიც დაგიჯდა! 37 ქულას გაძლევ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>სამეული არც ისე ცუდია — თან ექვს ქულასაც მოგიტანს!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>სამეული — და კიდევ ერთ წყვილს ხომ არ ვხედავ? შვიდი ქულა!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ორი სამეული — ერთდროულად! ამისთვის 12 ქულას მოგცემ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>სამი სხვადასხვა წყვილი შეიძლება არაფერი განსაკუთრებული იყოს, მაგრამ სამ ქულას მაინც მოგიტანს.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ორი წყვილი… ორი ქულისთვის ძლივს საკმარისია.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ერთადერთი წყვილი… ამაზე უარესი რაღა იქნება? ამისთვის ერთ ქულას იღებ.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>რა ეგზოტიკური იშვიათობაა! ყველა რიცხვი განსხვავებული გაქვს — ამისთვის 66 ქულას მოგცემ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ჰოდა, მოიგე, მაგრამ კომპიუტერმა ბევრი ქულა ვერ მოაგროვა. ფსონს მაინც დაგიბრუნებ.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ბრავო! მოიგე! ერთადერთი პრობლემა ისაა, რომ… კომპიუტერმა ძალიან, ძალიან ცოტა ქულა მოაგროვა. ფსონზე მაინც დაგიმატებ 5%-ს.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>კომპიუტერმა რამდენიმე ქულა მოაგროვა. მაგრამ საკმაოდ ადვილი იყო, ხომ? 25%-ით მეტს მიიღებ.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>როგორც ჩანს, კომპიუტერი დაამარცხე, თუმცა მან საკმაოდ კარგი ქულები მოაგროვა. ფსონს ორმაგად გიბრუნებ.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>მან უამრავი ქულა მოაგროვა, შენ კი მაინც მოიგე! ამისთვის ფსონზე 5-ჯერ მეტს მიიღებ.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>თუ მან ამდენი ქულა მოაგროვა, შენ კი მაინც მოიგე… არ ვიცი, რა ვთქვა. აჰა, ფსონზე 10-ჯერ მეტი.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>საშიშ მეტოქეს შეებრძოლე და მოიგე. ამ სიმამაცისთვის ფსონზე 15-ჯერ მეტს გაძლევ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ეს კომპიუტერი ლამის შენსავით სწრაფად აგროვებდა ქულებს! ფსონზე 25-ჯერ მეტს გაძლევ.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ვაიმე. ამდენი ქულა დაუთმე და მაინც როგორ მოიგე!? ფსონზე 50-ჯერ მეტის მოცემა მომიწევს.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>არ მგონია, ამას გადარჩენილიყავი.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>არ დაგავიწყდეს ფსონის დადება!</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ფსონი არ დაგავიწყდეს!</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>წააგე! შემდეგ ჯერზე გაგიმართლებს…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>შენც და კომპიუტერსაც 32&#xa0;767 ქულა გაქვთ — ამაზე მეტი არ არსებობს, ამიტომ ამ თამაშს ვერავინ მოიგებს. ფსონი გიბრუნდება.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ფსონის თანხა: შეიყვანე მთელი რიცხვი 0-დან შენს ფულამდე, მაგალითად 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>სვლების რიცხვი: შეიყვანე მთელი რიცხვი -32768-დან 32767-მდე, მაგალითად 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>შეცდომა! უარყოფითი ფული ვერ გექნება.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel-ში მოხდა შეცდომა, რომლის გამოსწორებაც შეუძლებელია, და პროგრამა უნდა დაიხუროს.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ტიპების შეუსაბამობა: „%1“ რიცხვი არ არის</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>გადავსება: %1 ვერ ეტევა დიაპაზონში -32768-დან 32767-მდე</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>გადავსება: „%1“ ზედმეტად დიდი რიცხვია</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>გადავსება: „%1“ სცდება დიაპაზონს -32768-დან 32767-მდე</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>მცურავი წერტილის შეცდომა: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>კამათლები %1 %2 %3 %4 %5 %6. სვლა %7. შენ %8, კომპიუტერი %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>ფული %1, ფსონი %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>გამოყენება: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[პარამეტრები]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>პარამეტრები:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>არგუმენტები:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>აჩვენებს დახმარებას ბრძანების სტრიქონის პარამეტრებზე.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>აჩვენებს დახმარებას Qt-ის სპეციფიკური პარამეტრების ჩათვლით.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>აჩვენებს ვერსიის ინფორმაციას.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>უცნობი პარამეტრი „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>უცნობი პარამეტრები: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>„%1“-ის შემდეგ მნიშვნელობა აკლია.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>მოულოდნელი მნიშვნელობა „%1“-ის შემდეგ.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;კარგი</translation>
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
        <translation>კარგი</translation>
    </message>
</context>
</TS>
