<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>یک بازی تاس در برابر کامپیوتر.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>یکی از آرگومان‌ها در تنظیمات محلی فعلی متن معتبری نیست.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>آرگومان نامنتظره: «⁦%1⁩».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>تاس 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>جفت</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>سه‌تایی</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>چهارتایی</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>پنج‌تایی</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>کووِل</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>نوبت</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>امتیاز</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>کامپیوتر</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>بزن بریم!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>قبل از شروع شرط ببند… مبلغ شرط (نه بیشتر از پولت) و تعداد نوبت‌ها (1 تا 100، وگرنه بازی حسابی طول می‌کشد) را وارد کن. امتیاز کامپیوتر را تنظیم کن، روی «بزن بریم!» کلیک کن و شروع کن! کووِل یعنی 6 تاس یکسان، پنج‌تایی یعنی پنج تاس یکسان، چهارتایی یعنی چهار تا… بیشتر از این لو نمی‌دهم. فقط حواست باشد پولت تمام نشود. فعلاً خداحافظ!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>امتیاز کامپیوتر در هر نوبت</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>پول</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>شرط</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>شرط ببند</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>نوبت‌های بازی‌شده</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>امتیاز تو</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>امتیاز کامپیوتر</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>مبلغ شرط</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>تعداد نوبت‌ها</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>دفعهٔ بعد شرط ببند – این دفعه فقط می‌گذارم ببینی چه پیش می‌آید.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>شگفت‌انگیز است! یک کووِل! به پاس شانس بی‌چون‌وچرایت، 1296 امتیاز به تو می‌دهم!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>عالی! حتماً خیلی خوش‌شانس بوده‌ای که پنج‌تایی آوردی – 216 امتیاز به تو می‌دهم!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>آفرین! یک چهارتایی! برای همین 36 امتیاز به تو می‌دهم!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>نه‌تنها چهارتایی آوردی، بلکه یک جفت اضافه هم داری! 37 امتیاز به تو می‌دهم!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>سه‌تایی آن‌قدرها هم بد نیست – تازه شش امتیاز هم برایت دارد!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>یک سه‌تایی – و یک جفت دیگر هم می‌بینم؟ هفت امتیاز!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>دو سه‌تایی – آن هم هم‌زمان! برای این 12 امتیاز به تو می‌دهم!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>سه جفت متفاوت شاید چیز قابل‌توجهی نباشد، ولی باز هم سه امتیاز برایت دارد.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>دو جفت… درست به اندازهٔ دو امتیاز.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>فقط یک جفت… از این بدتر هم می‌شود؟ بابتش یک امتیاز می‌گیری.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>چه چیز کمیاب و عجیبی! همهٔ عددهایت با هم فرق دارند – برای این 66 امتیاز به تو می‌دهم!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>خب، بردی، ولی کامپیوتر امتیاز زیادی نگرفت. با این حال شرطت را پس می‌دهم.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>چه خوب! بردی! تنها مشکل این است که… کامپیوتر خیلی خیلی کم امتیاز گرفت. با این حال ⁦5٪⁩ روی شرطت اضافه می‌گیری.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>کامپیوتر چند امتیازی گرفت. ولی خیلی آسان بود، نه؟ ⁦25٪⁩ بیشتر می‌گیری.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ظاهراً کامپیوتر را شکست دادی، با اینکه امتیاز نسبتاً خوبی گرفته بود. دو برابر شرطت را پس می‌گیری.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>کلی امتیاز گرفت، ولی باز هم توانستی ببری! برای همین 5 برابر شرطت را می‌گیری.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>آن‌همه امتیاز گرفت و باز هم تو بردی… نمی‌دانم چه بگویم. بفرما، 10 برابر شرطت.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>با حریفی سرسخت جنگیدی و بردی. به پاس این شجاعت، 15 برابر شرطت را به تو می‌دهم!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>آن کامپیوتر تقریباً به سرعت خودت امتیاز جمع کرد! 25 برابر شرطت را به تو می‌دهم.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>وای! با آن‌همه امتیازی که به کامپیوتر دادی، چطور بردی؟! چاره‌ای ندارم جز اینکه 50 برابر شرطت را بدهم.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>فکر نکنم از این یکی جان سالم به در برده باشی.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>یادت نرود شرط ببندی</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>شرطت یادت نرود</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>باختی! امیدوارم دفعهٔ بعد شانس بیاوری…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>تو و کامپیوتر هر دو 32767 امتیاز دارید، یعنی بیشترین مقدار ممکن، پس هیچ‌کس نمی‌تواند این بازی را ببرد. شرطت را پس می‌گیری.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>مبلغ شرط: لطفاً یک عدد صحیح از 0 تا مقدار پولت بنویس، مثلاً 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>تعداد نوبت‌ها: لطفاً یک عدد صحیح از ⁦-32768⁩ تا 32767 بنویس، مثلاً 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>خطا! پولت نمی‌تواند منفی باشد.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>بازی ⁦Kuvel⁩ به خطایی برخورد که نمی‌تواند از آن بیرون بیاید و باید بسته شود.

⁨%1⁩</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ناهمخوانی نوع: «⁦%1⁩» عدد نیست</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>سرریز: ⁦%1⁩ در بازهٔ ⁦-32768⁩ تا 32767 نمی‌گنجد</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>سرریز: «⁦%1⁩» عددی بیش از حد بزرگ است</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>سرریز: «⁦%1⁩» بیرون از بازهٔ ⁦-32768⁩ تا 32767 است</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>خطای ممیز شناور: ⁦%1⁩</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>تاس‌ها ⁦%1⁩ ⁦%2⁩ ⁦%3⁩ ⁦%4⁩ ⁦%5⁩ ⁦%6⁩. نوبت ⁦%7⁩. تو ⁦%8⁩، کامپیوتر ⁦%9⁩.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>پول ⁦%1⁩، شرط ⁦%2⁩.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>استفاده: ⁦%1⁩</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[گزینه‌ها]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>گزینه‌ها:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>آرگومان‌ها:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>راهنمای گزینه‌های خط فرمان را نمایش می‌دهد.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>راهنما را همراه با گزینه‌های ویژهٔ ⁦Qt⁩ نمایش می‌دهد.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>اطلاعات نسخه را نمایش می‌دهد.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>گزینهٔ ناشناخته: «⁦%1⁩».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>گزینه‌های ناشناخته: ⁦%1⁩.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>مقداری برای «⁦%1⁩» موجود نیست.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>مقدار نامنتظره برای «⁦%1⁩».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;تأیید</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
</TS>
