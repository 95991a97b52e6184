<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>משחק קוביות נגד המחשב.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>אחד הארגומנטים אינו טקסט תקין בהגדרות האזור הנוכחיות.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ארגומנט לא צפוי: ”⁦%1⁩”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>קובייה 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>קובייה 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>קובייה 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>קובייה 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>קובייה 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>קובייה 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>זוג</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>שלישייה</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>רביעייה</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>חמישייה</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>קוּבֶל</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>תור</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>אתה</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>המחשב</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>יאללה, זורקים!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>קודם מהמרים, אחר כך משחקים… הזן את ההימור (לא יותר מהכסף שלך) ואת מספר התורות (1 עד 100, אחרת זה יהיה משחק ארוך). כוונן את הנקודות של המחשב, לחץ על ”יאללה, זורקים!” ויצאת לדרך! קוּבֶל זה 6 זהות, חמישייה זה חמש זהות, רביעייה זה ארבע זהות… יותר מזה לא אגלה. רק שלא ייגמר לך הכסף. ביי!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>נקודות למחשב בכל תור</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>כסף</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>הימור</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>להמר</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>תורות ששוחקו</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>הנקודות שלך</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>נקודות המחשב</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>סכום ההימור</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>מספר התורות</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>תהמר בפעם הבאה – הפעם אתן לך לראות מה קורה.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>מדהים! קוּבֶל! על המזל שאין עליו ויכוח, אני מעניק לך 1,296 נקודות!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>נפלא! בטח היה לך מזל גדול כדי להשיג חמישייה – אני מעניק לך 216 נקודות!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>יפה! רביעייה! על זה אני מעניק לך 36 נקודות!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>לא רק רביעייה, אלא גם זוג בונוס! אני מעניק לך 37 נקודות!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>שלישייה זה לא כזה רע – וזה גם שווה לך שש נקודות!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>שלישייה – ואני רואה פה עוד זוג? שבע נקודות!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>שתי שלישיות – בבת אחת! על זה אני נותן לך 12 נקודות!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>שלושה זוגות שונים אולי לא מרשימים במיוחד, אבל זה עדיין שווה לך שלוש נקודות.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>שני זוגות… בדיוק מספיק לשתי נקודות.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>זוג אחד ויחיד… יכול להיות יותר גרוע? על זה קיבלת נקודה אחת.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>איזו נדירות אקזוטית! כל המספרים שלך שונים – על זה אני נותן לך 66 נקודות!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>טוב, ניצחת, אבל המחשב לא צבר הרבה נקודות. בכל זאת, אחזיר לך את ההימור.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>מעולה! ניצחת! הבעיה היחידה היא ש… המחשב צבר ממש ממש מעט נקודות. בכל זאת, תקבל תוספת של ⁦5%⁩ על ההימור.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>המחשב צבר כמה נקודות. אבל זה היה די קל, נכון? תקבל ⁦25%⁩ יותר.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>כנראה שגברת על המחשב, למרות שהוא צבר כמות לא רעה של נקודות. תקבל בחזרה את ההימור כפול.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>הוא צבר המון נקודות, ובכל זאת הצלחת לנצח! על זה תקבל פי 5 מההימור.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>הוא צבר כל כך הרבה נקודות, ועדיין ניצחת… אין לי מה להגיד. הנה לך פי 10 מההימור.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>נלחמת ביריב אימתני וניצחת. על האומץ הזה אני מעניק לך פי 15 מההימור!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>המחשב הזה צבר נקודות כמעט מהר כמוך! אני מעניק לך פי 25 מההימור.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>וואו. איך ניצחת כשנתת לו כל כך הרבה נקודות?! אין ברירה, אני חייב לתת לך פי 50 מההימור.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>אני לא חושב ששרדת את זה.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>אל תשכח להמר</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>לא לשכוח את ההימור</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>הפסדת! יותר מזל בפעם הבאה…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>לך ולמחשב יש 32767 נקודות, המקסימום האפשרי, אז אף אחד לא יכול לנצח במשחק הזה. ההימור חוזר אליך.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>סכום ההימור: נא להקליד מספר שלם בין 0 לבין הכסף שיש לך, למשל 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>מספר התורות: נא להקליד מספר שלם בין ⁦-32768⁩ ל־32767, למשל 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>שגיאה! אי אפשר שיהיה לך כסף שלילי.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>המשחק ⁦Kuvel⁩ נתקל בשגיאה שאין ממנה חזרה, והוא חייב להיסגר.

⁨%1⁩</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>סוג לא תואם: ”⁦%1⁩” אינו מספר</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>גלישה: ⁦%1⁩ לא נכנס בטווח שבין ⁦-32768⁩ ל־32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>גלישה: ”⁦%1⁩” הוא מספר גדול מדי</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>גלישה: ”⁦%1⁩” מחוץ לטווח שבין ⁦-32768⁩ ל־32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>שגיאת נקודה צפה: ⁦%1⁩</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>קוביות ⁦%1⁩ ⁦%2⁩ ⁦%3⁩ ⁦%4⁩ ⁦%5⁩ ⁦%6⁩. תור ⁦%7⁩. אתה ⁦%8⁩, המחשב ⁦%9⁩.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>כסף ⁦%1⁩, הימור ⁦%2⁩.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>שימוש: ⁦%1⁩</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[אפשרויות]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ארגומנטים:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>מציג עזרה על האפשרויות של שורת הפקודה.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>מציג עזרה, כולל האפשרויות הייעודיות של ⁦Qt⁩.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>מציג מידע על הגרסה.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>אפשרות לא מוכרת: ”⁦%1⁩”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>אפשרויות לא מוכרות: ⁦%1⁩.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>חסר ערך אחרי ”⁦%1⁩”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>ערך לא צפוי אחרי ”⁦%1⁩”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
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
        <translation>אישור</translation>
    </message>
</context>
</TS>
