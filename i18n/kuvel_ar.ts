<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>لعبة نرد ضد الكمبيوتر.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>إحدى الوسيطات ليست نصًا صالحًا في الإعدادات المحلية الحالية.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيطة غير متوقّعة: «⁦%1⁩».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>حجر النرد 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>حجر النرد 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>حجر النرد 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>حجر النرد 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>حجر النرد 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>حجر النرد 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>زوج</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ثلاثية</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>رباعية</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>خماسية</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>كوفل</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>جولة</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>نقاطك</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>الكمبيوتر</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>هيا بنا!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ضع رهانك قبل أن تبدأ… أدخل قيمة الرهان (لا تتجاوز مالك) وعدد الجولات (من 1 إلى 100، وإلا فستطول اللعبة كثيرًا). اضبط نقاط الكمبيوتر، وانقر «هيا بنا!» وانطلق! الكوفل 6 أحجار متطابقة، والخماسية خمسة، والرباعية أربعة… ولن أكشف أكثر من ذلك. فقط لا تدع مالك ينفد. إلى اللقاء!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>نقاط الكمبيوتر في كل جولة</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>المال</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>الرهان</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ضع رهانك</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>الجولات الملعوبة</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>نقاطك</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>نقاط الكمبيوتر</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>قيمة الرهان</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>عدد الجولات</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>حسنًا</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>راهِن في المرة القادمة – هذه المرة سأدعك تتفرّج على ما سيحدث فقط.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>مذهل! كوفل! مكافأةً على حظك الذي لا جدال فيه، أمنحك 1,296 نقطة!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>رائع! لا بد أن الحظ حالفك لتحصل على خماسية – أمنحك 216 نقطة!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>جميل! رباعية! ولهذا أمنحك 36 نقطة!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>لم تحصل على رباعية فحسب، بل على زوج إضافي أيضًا! أمنحك 37 نقطة!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>الثلاثية ليست بذلك السوء – وتمنحك ست نقاط أيضًا!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ثلاثية – وهل أرى زوجًا آخر؟ سبع نقاط!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ثلاثيتان – في آنٍ واحد! سأمنحك على ذلك 12 نقطة!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ثلاثة أزواج مختلفة قد لا تستحق الذكر، لكنها تمنحك مع ذلك ثلاث نقاط.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>زوجان… يكفيان بالكاد لنقطتين.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>زوج واحد فقط… هل يمكن أن يكون الأمر أسوأ؟ لك على ذلك نقطة واحدة.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>يا لها من ندرة عجيبة! كل أرقامك مختلفة – سأمنحك على ذلك 66 نقطة!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>حسنًا، لقد فزت، لكن الكمبيوتر لم يجمع نقاطًا كثيرة. ومع ذلك سأعيد إليك رهانك.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>عظيم! لقد فزت! المشكلة الوحيدة أن… الكمبيوتر جمع نقاطًا قليلة جدًّا جدًّا. ومع ذلك سأمنحك ⁦5%⁩ إضافية على رهانك.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>جمع الكمبيوتر بعض النقاط. لكن الأمر كان سهلًا نوعًا ما، أليس كذلك؟ ستحصل على ⁦25%⁩ إضافية.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>يبدو أنك تغلّبت على الكمبيوتر رغم أنه جمع قدرًا لا بأس به من النقاط. سأعيد إليك ضعف رهانك.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>لقد جمع نقاطًا كثيرة، ومع ذلك تمكّنت من الفوز! لذلك ستحصل على 5 أضعاف رهانك.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>جمع كل هذه النقاط ومع ذلك فزت… لا أدري ماذا أقول. إليك 10 أضعاف رهانك.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>واجهت خصمًا عنيدًا وفزت. على هذه الشجاعة أمنحك 15 ضعف رهانك!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ذلك الكمبيوتر كدّس النقاط بسرعة تكاد تضاهي سرعتك! أمنحك 25 ضعف رهانك.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>يا إلهي. كيف فزتَ وقد أعطيتَه كل هذه النقاط؟! لا مفرّ من أن أمنحك 50 ضعف رهانك.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>لا أظن أنك نجوت من هذه.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>تذكّر أن تراهن!</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>لا تنسَ رهانك!</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>خسرت! حظًا أوفر في المرة القادمة…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>لدى كلٍّ منك ومن الكمبيوتر 32767 نقطة، وهذا أقصى ما يمكن، فلا أحد يستطيع الفوز في هذه اللعبة. سيُعاد إليك رهانك.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>قيمة الرهان: اكتب عددًا صحيحًا من 0 حتى ما لديك من مال، مثلًا 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>عدد الجولات: اكتب عددًا صحيحًا من ⁦-32768⁩ حتى 32767، مثلًا 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>خطأ! لا يمكن أن يكون مالك سالبًا.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>واجهت لعبة ⁦Kuvel⁩ خطأً لا يمكنها تجاوزه، وعليها أن تُغلق.

⁨%1⁩</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>عدم تطابق النوع: «⁦%1⁩» ليس عددًا</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>تجاوز السعة: ⁦%1⁩ لا يقع ضمن النطاق من ⁦-32768⁩ إلى 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>تجاوز السعة: «⁦%1⁩» عدد كبير جدًا</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>تجاوز السعة: «⁦%1⁩» خارج النطاق من ⁦-32768⁩ إلى 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>خطأ في الفاصلة العائمة: ⁦%1⁩</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>النرد ⁦%1⁩ ⁦%2⁩ ⁦%3⁩ ⁦%4⁩ ⁦%5⁩ ⁦%6⁩. الجولة ⁦%7⁩. أنت ⁦%8⁩، الكمبيوتر ⁦%9⁩.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>المال ⁦%1⁩، الرهان ⁦%2⁩.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>الاستخدام: ⁦%1⁩</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[خيارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>خيارات:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>الوسيطات:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>يعرض المساعدة بما فيها خيارات ⁦Qt⁩ الخاصة.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>الخيار «⁦%1⁩» مجهول.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>خيارات مجهولة: ⁦%1⁩.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>قيمة ناقصة بعد «⁦%1⁩».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>قيمة غير متوقّعة بعد «⁦%1⁩».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;حسنًا</translation>
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
        <translation>حسنًا</translation>
    </message>
</context>
</TS>
