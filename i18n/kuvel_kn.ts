<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>ಕಂಪ್ಯೂಟರ್ ವಿರುದ್ಧ ದಾಳದ ಆಟ.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ಒಂದು ಆರ್ಗ್ಯುಮೆಂಟ್ ಈ ಭಾಷಾ ಪರಿಸರದಲ್ಲಿ ಸರಿಯಾದ ಪಠ್ಯವಲ್ಲ.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ಅನಿರೀಕ್ಷಿತ ಆರ್ಗ್ಯುಮೆಂಟ್ “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ದಾಳ 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ದಾಳ 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ದಾಳ 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ದಾಳ 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ದಾಳ 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ದಾಳ 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ಜೋಡಿ</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ತ್ರಿವಳಿ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ಚತುಷ್ಕ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ಪಂಚಕ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ಕುವೆಲ್</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>ಸರದಿ</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>ನೀನು</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>ಕಂಪ್ಯೂಟರ್</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ಬಾ, ಆಡೋಣ!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ಶುರು ಮಾಡುವ ಮೊದಲು ಪಣ ಕಟ್ಟು… ಪಣ (ನಿನ್ನ ಹಣಕ್ಕಿಂತ ಜಾಸ್ತಿ ಬೇಡ) ಮತ್ತು ಸರದಿಗಳ ಸಂಖ್ಯೆ (1ರಿಂದ 100ರವರೆಗೆ, ಇಲ್ಲದಿದ್ದರೆ ಆಟ ಮುಗಿಯುವುದೇ ಇಲ್ಲ) ಹಾಕು. ಕಂಪ್ಯೂಟರ್‌ಗೆ ಸಿಗುವ ಅಂಕ ಹೊಂದಿಸು, “ಬಾ, ಆಡೋಣ!” ಒತ್ತು, ಆಟ ಶುರು! ಕುವೆಲ್ ಅಂದರೆ 6 ದಾಳವೂ ಒಂದೇ ತರಹ, ಪಂಚಕ ಅಂದರೆ ಐದು ಒಂದೇ ತರಹ, ಚತುಷ್ಕ ಅಂದರೆ ನಾಲ್ಕು ಒಂದೇ ತರಹ… ಇದಕ್ಕಿಂತ ಹೆಚ್ಚು ಗುಟ್ಟು ಬಿಟ್ಟುಕೊಡುವುದಿಲ್ಲ. ಹಣ ಮಾತ್ರ ಖಾಲಿ ಮಾಡಿಕೊಳ್ಳಬೇಡ. ಟಾಟಾ!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ಪ್ರತಿ ಸರದಿಗೆ ಕಂಪ್ಯೂಟರ್‌ನ ಅಂಕಗಳು</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ಹಣ</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ಪಣ</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ಪಣ ಕಟ್ಟು</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ಆಡಿದ ಸರದಿಗಳು</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ನಿನ್ನ ಅಂಕಗಳು</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ಕಂಪ್ಯೂಟರ್‌ನ ಅಂಕಗಳು</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ಪಣದ ಮೊತ್ತ</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ಸರದಿಗಳ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ಸರಿ</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>ಮುಂದಿನ ಸಲ ಪಣ ಕಟ್ಟು – ಈ ಸಲ ಏನಾಗುತ್ತದೆ ಅಂತ ಸುಮ್ಮನೆ ನೋಡು.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>ಅದ್ಭುತ! ಕುವೆಲ್! ನಿನ್ನ ಪ್ರಶ್ನಾತೀತ ಅದೃಷ್ಟಕ್ಕೆ 1,296 ಅಂಕಗಳನ್ನು ಕೊಡುತ್ತೇನೆ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ಅಮೋಘ! ಪಂಚಕ ಬರಬೇಕಾದರೆ ನಿನಗೆ ಭಾರೀ ಅದೃಷ್ಟ ಇದ್ದಿರಬೇಕು – 216 ಅಂಕಗಳನ್ನು ಕೊಡುತ್ತೇನೆ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>ಭಲೇ! ಚತುಷ್ಕ! ಅದಕ್ಕೆ 36 ಅಂಕಗಳನ್ನು ಕೊಡುತ್ತೇನೆ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>ಚತುಷ್ಕ ಮಾತ್ರವಲ್ಲ, ಜೊತೆಗೆ ಒಂದು ಜೋಡಿಯೂ! 37 ಅಂಕಗಳನ್ನು ಕೊಡುತ್ತೇನೆ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ತ್ರಿವಳಿ ಅಷ್ಟೇನೂ ಕೆಟ್ಟದಲ್ಲ – ಜೊತೆಗೆ ಆರು ಅಂಕಗಳನ್ನೂ ತರುತ್ತದೆ!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ತ್ರಿವಳಿ – ಜೊತೆಗೆ ಇನ್ನೊಂದು ಜೋಡಿಯೂ ಕಾಣುತ್ತಿದೆಯೇ? ಏಳು ಅಂಕ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ಎರಡು ತ್ರಿವಳಿ – ಅದೂ ಒಂದೇ ಸಲಕ್ಕೆ! ಅದಕ್ಕೆ 12 ಅಂಕಗಳನ್ನು ಕೊಡುತ್ತೇನೆ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ಮೂರು ಬೇರೆ ಬೇರೆ ಜೋಡಿಗಳು ಹೇಳಿಕೊಳ್ಳುವಂಥದ್ದೇನಲ್ಲ, ಆದರೂ ಮೂರು ಅಂಕ ಸಿಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ಎರಡು ಜೋಡಿ… ಎರಡು ಅಂಕಕ್ಕೆ ಸಾಕಾಗುವಷ್ಟು.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ಒಂದೇ ಒಂದು ಜೋಡಿ… ಇದಕ್ಕಿಂತ ಕೆಟ್ಟದಾಗಲು ಸಾಧ್ಯವೇ? ಅದಕ್ಕೆ ಒಂದು ಅಂಕ.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>ಎಂಥಾ ಅಪರೂಪದ ವಿಚಿತ್ರ! ನಿನ್ನ ದಾಳಗಳೆಲ್ಲಾ ಬೇರೆ ಬೇರೆ ಮುಖ – ಅದಕ್ಕೆ 66 ಅಂಕಗಳನ್ನು ಕೊಡುತ್ತೇನೆ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ಸರಿ, ನೀನು ಗೆದ್ದೆ, ಆದರೆ ಕಂಪ್ಯೂಟರ್‌ಗೆ ಹೆಚ್ಚು ಅಂಕ ಸಿಗಲಿಲ್ಲ. ಆದರೂ ನಿನ್ನ ಪಣವನ್ನು ವಾಪಸ್ ಕೊಡುತ್ತೇನೆ.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ಶಭಾಷ್! ನೀನು ಗೆದ್ದೆ! ಒಂದೇ ತೊಂದರೆ ಅಂದರೆ… ಕಂಪ್ಯೂಟರ್‌ಗೆ ಅಷ್ಟೊಂದು ಕಡಿಮೆ ಅಂಕ ಸಿಕ್ಕಿತು. ಆದರೂ ನಿನ್ನ ಪಣದ ಮೇಲೆ 5% ಹೆಚ್ಚುವರಿ ಕೊಡುತ್ತೇನೆ.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>ಕಂಪ್ಯೂಟರ್‌ಗೆ ಸ್ವಲ್ಪ ಅಂಕ ಸಿಕ್ಕಿತು. ಆದರೂ ತುಂಬಾ ಸುಲಭವಾಗಿತ್ತು, ಅಲ್ವಾ? ನಿನಗೆ 25% ಹೆಚ್ಚು ಸಿಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ನೋಡಿದರೆ, ಕಂಪ್ಯೂಟರ್‌ಗೆ ಸಾಕಷ್ಟು ಅಂಕ ಸಿಕ್ಕಿದ್ದರೂ ನೀನು ಅದನ್ನು ಸೋಲಿಸಿದ್ದೀಯ. ನಿನ್ನ ಪಣದ ಎರಡರಷ್ಟು ವಾಪಸ್ ಕೊಡುತ್ತೇನೆ.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ಅದಕ್ಕೆ ರಾಶಿ ರಾಶಿ ಅಂಕ ಸಿಕ್ಕಿತು, ಆದರೂ ನೀನು ಗೆದ್ದುಬಿಟ್ಟೆ! ಅದಕ್ಕಾಗಿ ನಿನಗೆ ನಿನ್ನ ಪಣದ 5 ಪಟ್ಟು ಸಿಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>ಅದಕ್ಕೆ ಅಷ್ಟೊಂದು ಅಂಕ ಸಿಕ್ಕರೂ ನೀನು ಗೆದ್ದೆ ಅಂದರೆ… ಏನು ಹೇಳಬೇಕೋ ಗೊತ್ತಾಗುತ್ತಿಲ್ಲ. ಇಗೋ, ನಿನ್ನ ಪಣದ 10 ಪಟ್ಟು.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>ಭಯಂಕರ ಎದುರಾಳಿಯ ವಿರುದ್ಧ ಹೋರಾಡಿ ಗೆದ್ದೆ. ಈ ಧೈರ್ಯಕ್ಕೆ ನಿನ್ನ ಪಣದ 15 ಪಟ್ಟು ಕೊಡುತ್ತೇನೆ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ಆ ಕಂಪ್ಯೂಟರ್ ಹೆಚ್ಚೂಕಡಿಮೆ ನಿನ್ನಷ್ಟೇ ವೇಗವಾಗಿ ಅಂಕ ಪೇರಿಸಿತು! ನಿನ್ನ ಪಣದ 25 ಪಟ್ಟು ಕೊಡುತ್ತೇನೆ.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ಅಬ್ಬಬ್ಬಾ. ಅದಕ್ಕೆ ಅಷ್ಟೊಂದು ಅಂಕ ಕೊಟ್ಟೂ ನೀನು ಹೇಗೆ ಗೆದ್ದೆ!? ನಿನ್ನ ಪಣದ 50 ಪಟ್ಟು ಕೊಡದೆ ಬೇರೆ ದಾರಿಯಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ಇದರಿಂದ ನೀನು ಬದುಕುಳಿದೆ ಅಂತ ನನಗನ್ನಿಸುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ಪಣ ಕಟ್ಟಲು ಮರೆಯಬೇಡ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ನಿನ್ನ ಪಣ ಮರೆಯಬೇಡ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ಸೋತೆ! ಮುಂದಿನ ಸಲ ಅದೃಷ್ಟ ಕೈಹಿಡಿಯಲಿ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>ನಿನಗೂ ಕಂಪ್ಯೂಟರ್‌ಗೂ ತಲಾ 32767 ಅಂಕಗಳಿವೆ, ಅದಕ್ಕಿಂತ ಹೆಚ್ಚು ಸಾಧ್ಯವಿಲ್ಲ, ಹಾಗಾಗಿ ಈ ಆಟವನ್ನು ಯಾರೂ ಗೆಲ್ಲಲಾಗದು. ನಿನ್ನ ಪಣ ವಾಪಸ್ ಸಿಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ಪಣದ ಮೊತ್ತ: 0ರಿಂದ ನಿನ್ನ ಹಣದವರೆಗಿನ ಒಂದು ಪೂರ್ಣಾಂಕವನ್ನು ಟೈಪ್ ಮಾಡು, ಉದಾಹರಣೆಗೆ 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>ಸರದಿಗಳ ಸಂಖ್ಯೆ: -32768ರಿಂದ 32767ರವರೆಗಿನ ಒಂದು ಪೂರ್ಣಾಂಕವನ್ನು ಟೈಪ್ ಮಾಡು, ಉದಾಹರಣೆಗೆ 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ದೋಷ! ನಿನ್ನ ಹಣ ಸೊನ್ನೆಗಿಂತ ಕಡಿಮೆ ಇರಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>ಕುವೆಲ್‌ಗೆ ಸರಿಪಡಿಸಲಾಗದ ದೋಷ ಎದುರಾಗಿದೆ, ಹಾಗಾಗಿ ಅದು ಮುಚ್ಚಿಕೊಳ್ಳಬೇಕಾಗಿದೆ.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ಪ್ರಕಾರ ಹೊಂದಿಕೆಯಾಗಿಲ್ಲ: “%1” ಸಂಖ್ಯೆಯಲ್ಲ</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ಮಿತಿ ಮೀರಿದೆ: %1 ಎಂಬುದು -32768ರಿಂದ 32767ರ ವ್ಯಾಪ್ತಿಯೊಳಗೆ ಹಿಡಿಸುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ಮಿತಿ ಮೀರಿದೆ: “%1” ತುಂಬಾ ದೊಡ್ಡ ಸಂಖ್ಯೆ</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ಮಿತಿ ಮೀರಿದೆ: “%1” ಎಂಬುದು -32768ರಿಂದ 32767ರ ವ್ಯಾಪ್ತಿಯ ಹೊರಗಿದೆ</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ದಶಮಾಂಶ ಲೆಕ್ಕಾಚಾರ ದೋಷ: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>ದಾಳಗಳು %1 %2 %3 %4 %5 %6. ಸರದಿ %7. ನೀನು %8, ಕಂಪ್ಯೂಟರ್ %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>ಹಣ %1, ಪಣ %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ಬಳಕೆ: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ಆಯ್ಕೆಗಳು]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ಆಯ್ಕೆಗಳು:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ಆರ್ಗ್ಯುಮೆಂಟ್‌ಗಳು:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>ಕಮಾಂಡ್‌ಲೈನ್ ಆಯ್ಕೆಗಳ ಬಗ್ಗೆ ಸಹಾಯ ತೋರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-ನಿರ್ದಿಷ್ಟ ಆಯ್ಕೆಗಳನ್ನೂ ಸೇರಿಸಿ ಸಹಾಯ ತೋರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ಆವೃತ್ತಿ ಮಾಹಿತಿಯನ್ನು ತೋರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ಗೊತ್ತಿಲ್ಲದ ಆಯ್ಕೆ “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ಗೊತ್ತಿಲ್ಲದ ಆಯ್ಕೆಗಳು: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” ನಂತರ ಮೌಲ್ಯ ಇಲ್ಲ.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” ನಂತರ ಅನಿರೀಕ್ಷಿತ ಮೌಲ್ಯ.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ಸರಿ</translation>
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
        <translation>ಸರಿ</translation>
    </message>
</context>
</TS>
