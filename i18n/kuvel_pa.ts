<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pa" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>ਕੰਪਿਊਟਰ ਦੇ ਖ਼ਿਲਾਫ਼ ਪਾਸਿਆਂ ਦੀ ਖੇਡ।</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ਕੋਈ ਆਰਗੂਮੈਂਟ ਇਸ ਲੋਕੇਲ ਵਿੱਚ ਸਹੀ ਲਿਖਤ ਨਹੀਂ ਹੈ।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ਅਣਕਿਆਸਿਆ ਆਰਗੂਮੈਂਟ “%1”।</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ਪਾਸਾ 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ਪਾਸਾ 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ਪਾਸਾ 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ਪਾਸਾ 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ਪਾਸਾ 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ਪਾਸਾ 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ਜੋੜੀ</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ਤਿੱਕੜੀ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ਚੌਕੜੀ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ਪੰਜਾ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ਕੁਵੇਲ</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>ਵਾਰੀ</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>ਤੁਸੀਂ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>ਕੰਪਿਊਟਰ</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ਚਲੋ ਖੇਡੀਏ!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ਸ਼ੁਰੂ ਕਰਨ ਤੋਂ ਪਹਿਲਾਂ ਦਾਅ ਲਾਓ… ਦਾਅ ਦੀ ਰਕਮ (ਤੁਹਾਡੇ ਪੈਸਿਆਂ ਤੋਂ ਵੱਧ ਨਹੀਂ) ਅਤੇ ਵਾਰੀਆਂ ਦੀ ਗਿਣਤੀ (1 ਤੋਂ 100, ਨਹੀਂ ਤਾਂ ਖੇਡ ਮੁੱਕਣੀ ਹੀ ਨਹੀਂ) ਲਿਖੋ। ਕੰਪਿਊਟਰ ਨੂੰ ਕਿੰਨੇ ਅੰਕ ਮਿਲਣ, ਇਹ ਤੈਅ ਕਰੋ, “ਚਲੋ ਖੇਡੀਏ!” ਦਬਾਓ, ਤੇ ਖੇਡ ਸ਼ੁਰੂ! ਕੁਵੇਲ ਮਤਲਬ 6 ਇੱਕੋ ਜਿਹੇ, ਪੰਜਾ ਮਤਲਬ ਪੰਜ ਇੱਕੋ ਜਿਹੇ, ਚੌਕੜੀ ਮਤਲਬ ਚਾਰ ਇੱਕੋ ਜਿਹੇ… ਇਸ ਤੋਂ ਵੱਧ ਭੇਤ ਨਹੀਂ ਖੋਲ੍ਹਣਾ। ਬੱਸ ਪੈਸੇ ਨਾ ਮੁੱਕਣ ਦੇਣਾ। ਟਾਟਾ!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ਹਰ ਵਾਰੀ ਵਿੱਚ ਕੰਪਿਊਟਰ ਦੇ ਅੰਕ</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ਪੈਸੇ</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ਦਾਅ</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ਦਾਅ ਲਾਓ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ਖੇਡੀਆਂ ਵਾਰੀਆਂ</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ਤੁਹਾਡੇ ਅੰਕ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ਕੰਪਿਊਟਰ ਦੇ ਅੰਕ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ਦਾਅ ਦੀ ਰਕਮ</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ਵਾਰੀਆਂ ਦੀ ਗਿਣਤੀ</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ਠੀਕ ਹੈ</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>ਅਗਲੀ ਵਾਰ ਦਾਅ ਲਾਇਓ – ਇਸ ਵਾਰ ਬੱਸ ਵੇਖੋ ਕਿ ਕੀ ਹੁੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>ਕਮਾਲ! ਕੁਵੇਲ! ਤੁਹਾਡੀ ਇਸ ਬੇਮਿਸਾਲ ਕਿਸਮਤ ਲਈ ਤੁਹਾਨੂੰ 1,296 ਅੰਕ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ਸ਼ਾਨਦਾਰ! ਪੰਜਾ ਤਾਂ ਕਿਸਮਤ ਨਾਲ ਹੀ ਆਉਂਦਾ ਹੈ – ਤੁਹਾਨੂੰ 216 ਅੰਕ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>ਵਧੀਆ! ਚੌਕੜੀ! ਇਸ ਲਈ ਤੁਹਾਨੂੰ 36 ਅੰਕ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>ਸਿਰਫ਼ ਚੌਕੜੀ ਹੀ ਨਹੀਂ, ਨਾਲ ਇੱਕ ਜੋੜੀ ਵੀ! ਤੁਹਾਨੂੰ 37 ਅੰਕ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ਤਿੱਕੜੀ ਕੋਈ ਮਾੜੀ ਨਹੀਂ – ਤੇ ਇਸ ਨਾਲ ਛੇ ਅੰਕ ਵੀ ਮਿਲਦੇ ਨੇ!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ਤਿੱਕੜੀ – ਤੇ ਕੀ ਨਾਲ ਇੱਕ ਹੋਰ ਜੋੜੀ ਵੀ ਦਿਸ ਰਹੀ ਹੈ? ਸੱਤ ਅੰਕ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ਦੋ ਤਿੱਕੜੀਆਂ – ਇੱਕੋ ਵੇਲੇ! ਇਸ ਲਈ ਤੁਹਾਨੂੰ 12 ਅੰਕ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ਤਿੰਨ ਵੱਖ-ਵੱਖ ਜੋੜੀਆਂ ਕੋਈ ਖ਼ਾਸ ਗੱਲ ਨਹੀਂ, ਫਿਰ ਵੀ ਤਿੰਨ ਅੰਕ ਤਾਂ ਮਿਲ ਹੀ ਗਏ।</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ਦੋ ਜੋੜੀਆਂ… ਮਸਾਂ ਦੋ ਅੰਕਾਂ ਜੋਗੀਆਂ।</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ਬੱਸ ਇੱਕ ਜੋੜੀ… ਇਸ ਤੋਂ ਮਾੜਾ ਹੋਰ ਕੀ ਹੋ ਸਕਦਾ? ਇਸ ਦਾ ਤੁਹਾਨੂੰ ਇੱਕ ਅੰਕ ਮਿਲਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>ਕਿੰਨਾ ਅਨੋਖਾ ਨਜ਼ਾਰਾ! ਤੁਹਾਡੇ ਸਾਰੇ ਪਾਸੇ ਵੱਖ-ਵੱਖ ਹਨ – ਇਸ ਲਈ ਤੁਹਾਨੂੰ 66 ਅੰਕ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ਚਲੋ, ਜਿੱਤ ਤਾਂ ਤੁਹਾਡੀ ਹੋਈ, ਪਰ ਕੰਪਿਊਟਰ ਨੂੰ ਬਹੁਤੇ ਅੰਕ ਨਹੀਂ ਮਿਲੇ। ਫਿਰ ਵੀ ਤੁਹਾਡਾ ਦਾਅ ਵਾਪਸ ਮਿਲੇਗਾ।</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ਜ਼ਬਰਦਸਤ! ਜਿੱਤ ਤੁਹਾਡੀ! ਬੱਸ ਔਕੜ ਇੱਕੋ ਹੈ… ਕੰਪਿਊਟਰ ਨੂੰ ਬਹੁਤ ਹੀ ਘੱਟ ਅੰਕ ਮਿਲੇ। ਫਿਰ ਵੀ ਤੁਹਾਨੂੰ ਦਾਅ ਉੱਤੇ 5% ਵੱਧ ਮਿਲੇਗਾ।</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>ਕੰਪਿਊਟਰ ਨੂੰ ਥੋੜ੍ਹੇ-ਬਹੁਤ ਅੰਕ ਮਿਲੇ। ਪਰ ਕਾਫ਼ੀ ਸੌਖਾ ਸੀ, ਹੈ ਨਾ? ਤੁਹਾਨੂੰ 25% ਵੱਧ ਮਿਲੇਗਾ।</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ਲੱਗਦਾ ਹੈ, ਕੰਪਿਊਟਰ ਦੇ ਠੀਕ-ਠਾਕ ਅੰਕ ਹੋਣ ਦੇ ਬਾਵਜੂਦ ਤੁਸੀਂ ਉਸ ਨੂੰ ਹਰਾ ਦਿੱਤਾ। ਤੁਹਾਨੂੰ ਦਾਅ ਦਾ ਦੁੱਗਣਾ ਵਾਪਸ ਮਿਲੇਗਾ।</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ਉਸ ਨੂੰ ਢੇਰ ਸਾਰੇ ਅੰਕ ਮਿਲੇ, ਫਿਰ ਵੀ ਜਿੱਤ ਤੁਹਾਡੀ ਹੋਈ! ਇਸ ਲਈ ਤੁਹਾਨੂੰ ਦਾਅ ਦਾ 5 ਗੁਣਾ ਮਿਲੇਗਾ।</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>ਉਸ ਨੂੰ ਇੰਨੇ ਅੰਕ ਮਿਲੇ ਤੇ ਫਿਰ ਵੀ ਜਿੱਤ ਤੁਹਾਡੀ… ਕੀ ਕਹਾਂ, ਸਮਝ ਨਹੀਂ ਆਉਂਦਾ। ਆਹ ਲਓ, ਦਾਅ ਦਾ 10 ਗੁਣਾ।</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>ਤੁਸੀਂ ਇੱਕ ਤਕੜੇ ਵਿਰੋਧੀ ਨਾਲ ਟੱਕਰ ਲਈ ਤੇ ਜਿੱਤ ਵੀ ਹਾਸਲ ਕੀਤੀ। ਇਸ ਬਹਾਦਰੀ ਲਈ ਤੁਹਾਨੂੰ ਦਾਅ ਦਾ 15 ਗੁਣਾ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ਉਹ ਕੰਪਿਊਟਰ ਲਗਭਗ ਤੁਹਾਡੀ ਹੀ ਰਫ਼ਤਾਰ ਨਾਲ ਅੰਕ ਇਕੱਠੇ ਕਰ ਰਿਹਾ ਸੀ! ਤੁਹਾਨੂੰ ਦਾਅ ਦਾ 25 ਗੁਣਾ।</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ਹਾਏ ਰੱਬਾ। ਉਸ ਨੂੰ ਇੰਨੇ ਅੰਕ ਦੇ ਕੇ ਵੀ ਜਿੱਤ ਤੁਹਾਡੀ ਕਿਵੇਂ ਹੋ ਗਈ!? ਹੁਣ ਤਾਂ ਤੁਹਾਨੂੰ ਦਾਅ ਦਾ 50 ਗੁਣਾ ਦੇਣਾ ਹੀ ਪਵੇਗਾ।</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ਮੈਨੂੰ ਨਹੀਂ ਲੱਗਦਾ ਕਿ ਤੁਸੀਂ ਇਸ ਤੋਂ ਬਚ ਸਕੇ।</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ਦਾਅ ਲਾਉਣਾ ਨਾ ਭੁੱਲਿਓ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ਦਾਅ ਲਾਉਣਾ ਯਾਦ ਰੱਖਿਓ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ਤੁਹਾਡੀ ਹਾਰ ਹੋਈ! ਅਗਲੀ ਵਾਰ ਕਿਸਮਤ ਸਾਥ ਦੇਵੇ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>ਤੁਹਾਡੇ ਤੇ ਕੰਪਿਊਟਰ ਦੋਵਾਂ ਦੇ 32767 ਅੰਕ ਹਨ, ਇਸ ਤੋਂ ਵੱਧ ਹੋ ਨਹੀਂ ਸਕਦੇ, ਇਸ ਲਈ ਇਹ ਖੇਡ ਕੋਈ ਨਹੀਂ ਜਿੱਤ ਸਕਦਾ। ਤੁਹਾਡਾ ਦਾਅ ਵਾਪਸ ਮਿਲੇਗਾ।</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ਦਾਅ ਦੀ ਰਕਮ: 0 ਤੋਂ ਲੈ ਕੇ ਆਪਣੇ ਪੈਸਿਆਂ ਤੱਕ ਕੋਈ ਪੂਰੀ ਸੰਖਿਆ ਲਿਖੋ, ਜਿਵੇਂ 10।</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>ਵਾਰੀਆਂ ਦੀ ਗਿਣਤੀ: -32768 ਤੋਂ ਲੈ ਕੇ 32767 ਤੱਕ ਕੋਈ ਪੂਰੀ ਸੰਖਿਆ ਲਿਖੋ, ਜਿਵੇਂ 50।</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ਗੜਬੜ! ਪੈਸੇ ਮਾਈਨਸ ਵਿੱਚ ਨਹੀਂ ਹੋ ਸਕਦੇ।</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ਵਿੱਚ ਅਜਿਹੀ ਗੜਬੜ ਹੋਈ ਹੈ ਜਿਸ ਨੂੰ ਉਹ ਠੀਕ ਨਹੀਂ ਕਰ ਸਕਦਾ, ਇਸ ਲਈ ਉਸ ਨੂੰ ਬੰਦ ਹੋਣਾ ਪਵੇਗਾ।

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ਕਿਸਮ ਮੇਲ ਨਹੀਂ ਖਾਂਦੀ: “%1” ਕੋਈ ਸੰਖਿਆ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ਓਵਰਫ਼ਲੋ: %1, -32768 ਤੋਂ 32767 ਦੇ ਘੇਰੇ ਵਿੱਚ ਨਹੀਂ ਆਉਂਦਾ</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ਓਵਰਫ਼ਲੋ: “%1” ਬਹੁਤ ਵੱਡੀ ਸੰਖਿਆ ਹੈ</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ਓਵਰਫ਼ਲੋ: “%1”, -32768 ਤੋਂ 32767 ਦੇ ਘੇਰੇ ਤੋਂ ਬਾਹਰ ਹੈ</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ਫ਼ਲੋਟਿੰਗ-ਪੁਆਇੰਟ ਗੜਬੜ: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>ਪਾਸੇ %1 %2 %3 %4 %5 %6। ਵਾਰੀ %7। ਤੁਸੀਂ %8, ਕੰਪਿਊਟਰ %9।</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>ਪੈਸੇ %1, ਦਾਅ %2।</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ਵਰਤੋਂ: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ਚੋਣਾਂ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ਚੋਣਾਂ:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ਆਰਗੂਮੈਂਟ:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>ਕਮਾਂਡ-ਲਾਈਨ ਚੋਣਾਂ ਬਾਰੇ ਮਦਦ ਵਿਖਾਉਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt ਦੀਆਂ ਖ਼ਾਸ ਚੋਣਾਂ ਸਮੇਤ ਮਦਦ ਵਿਖਾਉਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ਵਰਜਨ ਦੀ ਜਾਣਕਾਰੀ ਵਿਖਾਉਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ਅਣਜਾਣ ਚੋਣ “%1”।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ਅਣਜਾਣ ਚੋਣਾਂ: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” ਤੋਂ ਬਾਅਦ ਮੁੱਲ ਨਹੀਂ ਦਿੱਤਾ।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” ਤੋਂ ਬਾਅਦ ਅਣਕਿਆਸਿਆ ਮੁੱਲ।</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ਠੀਕ ਹੈ</translation>
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
        <translation>ਠੀਕ ਹੈ</translation>
    </message>
</context>
</TS>
