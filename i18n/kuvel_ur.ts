<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>کمپیوٹر کے خلاف پانسوں کا کھیل۔</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>کوئی آرگیومنٹ اس زبان کی ترتیب میں درست متن نہیں ہے۔</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>غیر متوقع آرگیومنٹ ”⁦%1⁩“۔</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>پانسا ⁦1⁩</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>پانسا ⁦2⁩</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>پانسا ⁦3⁩</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>پانسا ⁦4⁩</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>پانسا ⁦5⁩</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>پانسا ⁦6⁩</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>جوڑی</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>تکڑی</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>چوکڑی</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>پنجہ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>کوویل</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>باری</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>تم</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>کمپیوٹر</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>چلو کھیلیں!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>شروع کرنے سے پہلے داؤ لگاؤ… داؤ (اپنے پیسوں سے زیادہ نہیں) اور باریوں کی تعداد (⁦1⁩ سے ⁦100⁩ تک، ورنہ کھیل بہت لمبا چلے گا) لکھو۔ کمپیوٹر کے پوائنٹ طے کرو، ”چلو کھیلیں!“ دباؤ، اور کھیل شروع! کوویل یعنی ⁦6⁩ ایک جیسے پانسے، پنجہ یعنی پانچ ایک جیسے، چوکڑی یعنی چار ایک جیسے… اس سے زیادہ راز نہیں کھولوں گا۔ بس پیسے ختم نہ ہونے دینا۔ ٹاٹا!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ہر باری میں کمپیوٹر کے پوائنٹ</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>پیسے</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>داؤ</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>داؤ لگاؤ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>کھیلی گئی باریاں</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>تمہارے پوائنٹ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>کمپیوٹر کے پوائنٹ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>داؤ کی رقم</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>باریوں کی تعداد</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ٹھیک ہے</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>اگلی بار داؤ لگانا – اس بار بس دیکھو کہ کیا ہوتا ہے۔</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>کمال! کوویل! تمہاری ناقابلِ تردید قسمت پر تمہیں ⁦1,296⁩ پوائنٹ دیتا ہوں!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>زبردست! پنجہ لانے کے لیے تمہاری قسمت واقعی اچھی رہی ہوگی – تمہیں ⁦216⁩ پوائنٹ دیتا ہوں!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>واہ! چوکڑی! اس کے لیے تمہیں ⁦36⁩ پوائنٹ دیتا ہوں!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>صرف چوکڑی ہی نہیں، ساتھ میں ایک جوڑی بھی! تمہیں ⁦37⁩ پوائنٹ دیتا ہوں!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>تکڑی اتنی بری بھی نہیں – اور ساتھ میں چھ پوائنٹ بھی دلاتی ہے!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>تکڑی – اور کیا ایک اور جوڑی بھی دکھ رہی ہے؟ سات پوائنٹ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>دو تکڑیاں – وہ بھی ایک ساتھ! اس کے ⁦12⁩ پوائنٹ دوں گا!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>تین الگ الگ جوڑیاں شاید کوئی خاص بات نہ ہوں، پھر بھی تین پوائنٹ مل جاتے ہیں۔</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>دو جوڑیاں… بس دو پوائنٹ کے لائق۔</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>صرف ایک جوڑی… اس سے برا بھی کچھ ہو سکتا ہے؟ اس کا ایک پوائنٹ ملے گا۔</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>کیا انوکھا نظارہ ہے! تمہارے سارے پانسے الگ الگ ہیں – اس کے ⁦66⁩ پوائنٹ دوں گا!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>خیر، تم جیت گئے، مگر کمپیوٹر کو زیادہ پوائنٹ نہیں ملے۔ پھر بھی تمہارا داؤ واپس کر دیتا ہوں۔</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>شاباش! تم جیت گئے! مسئلہ بس یہ ہے کہ… کمپیوٹر کو بہت ہی کم پوائنٹ ملے۔ پھر بھی تمہارے داؤ پر ⁦5⁩ فیصد اضافی دیتا ہوں۔</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>کمپیوٹر کو تھوڑے بہت پوائنٹ ملے۔ لیکن یہ کافی آسان تھا، ہے نا؟ تمہیں ⁦25⁩ فیصد زیادہ ملے گا۔</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>لگتا ہے تم نے کمپیوٹر کو ہرا دیا، حالانکہ اسے اچھے خاصے پوائنٹ ملے تھے۔ تمہیں تمہارا داؤ دگنا واپس دیتا ہوں۔</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>اسے ڈھیروں پوائنٹ ملے، پھر بھی تم جیت گئے! اس کے بدلے تمہیں اپنے داؤ کا ⁦5⁩ گنا ملے گا۔</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>اسے اتنے پوائنٹ ملے اور پھر بھی تم جیت گئے… سمجھ نہیں آتا کیا کہوں۔ یہ لو، اپنے داؤ کا ⁦10⁩ گنا۔</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>تم ایک زبردست حریف سے لڑے اور جیت گئے۔ اس بہادری پر تمہیں داؤ کا ⁦15⁩ گنا دیتا ہوں!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>وہ کمپیوٹر تقریباً تمہاری ہی رفتار سے پوائنٹ سمیٹ رہا تھا! تمہیں داؤ کا ⁦25⁩ گنا دیتا ہوں۔</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>توبہ توبہ۔ اسے اتنے پوائنٹ دے کر بھی تم کیسے جیت گئے!؟ اب تو تمہیں داؤ کا ⁦50⁩ گنا دینا ہی پڑے گا۔</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>مجھے نہیں لگتا کہ تم اس سے بچ نکلے۔</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>داؤ لگانا یاد رکھو</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>اپنا داؤ مت بھولنا</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>تم ہار گئے! اگلی بار قسمت ساتھ دے…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>تمہارے اور کمپیوٹر دونوں کے ⁦32767⁩ پوائنٹ ہیں، جو زیادہ سے زیادہ ممکن ہیں، اس لیے یہ کھیل کوئی نہیں جیت سکتا۔ تمہارا داؤ واپس ملتا ہے۔</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>داؤ کی رقم: ⁦0⁩ سے لے کر اپنے پیسوں تک کوئی پورا عدد لکھو، مثلاً ⁦10⁩۔</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>باریوں کی تعداد: ⁦-32768⁩ سے ⁦32767⁩ تک کوئی پورا عدد لکھو، مثلاً ⁦50⁩۔</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>خرابی! تمہارے پیسے منفی نہیں ہو سکتے۔</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>کوویل کو ایسی خرابی پیش آئی ہے جس سے وہ سنبھل نہیں سکتا، اس لیے اسے بند ہونا پڑے گا۔

⁨%1⁩</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>قسم میں عدم مطابقت: ”⁦%1⁩“ عدد نہیں ہے</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>حد سے تجاوز: ⁦%1⁩ کی ⁦-32768⁩ سے ⁦32767⁩ تک کی حد میں گنجائش نہیں</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>حد سے تجاوز: ”⁦%1⁩“ بہت بڑا عدد ہے</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>حد سے تجاوز: ”⁦%1⁩“ ⁦-32768⁩ سے ⁦32767⁩ تک کی حد سے باہر ہے</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>اعشاری حساب میں خرابی: ⁦%1⁩</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>پانسے ⁦%1⁩ ⁦%2⁩ ⁦%3⁩ ⁦%4⁩ ⁦%5⁩ ⁦%6⁩۔ باری ⁦%7⁩۔ تم ⁦%8⁩، کمپیوٹر ⁦%9⁩۔</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>پیسے ⁦%1⁩، داؤ ⁦%2⁩۔</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>استعمال: ⁦%1⁩</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[اختیارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>اختیارات:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>آرگیومنٹس:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>کمانڈ لائن کے اختیارات پر مدد دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>⁦Qt⁩ کے مخصوص اختیارات سمیت مدد دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ورژن کی معلومات دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>نامعلوم اختیار ”⁦%1⁩“۔</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>نامعلوم اختیارات: ⁦%1⁩۔</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>”⁦%1⁩“ کے بعد قدر موجود نہیں۔</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>”⁦%1⁩“ کے بعد غیر متوقع قدر۔</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ٹھیک ہے</translation>
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
        <translation>ٹھیک ہے</translation>
    </message>
</context>
</TS>
