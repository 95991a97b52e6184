<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="or" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>କମ୍ପ୍ୟୁଟର ବିରୁଦ୍ଧରେ ପଶା ଖେଳ।</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ଗୋଟିଏ ଆର୍ଗୁମେଣ୍ଟ ଏହି ଲୋକେଲରେ ବୈଧ ଟେକ୍ସଟ ନୁହେଁ।</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>ଅପ୍ରତ୍ୟାଶିତ ଆର୍ଗୁମେଣ୍ଟ “%1”।</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ପଶା 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ପଶା 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ପଶା 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ପଶା 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ପଶା 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>ପଶା 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ଯୋଡ଼ି</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ତ୍ରୟୀ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ଚଉକା</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ପଞ୍ଚକ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>କୁଭେଲ</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>ପାଳି</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>ତୁମେ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>କମ୍ପ୍ୟୁଟର</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ଚାଲ ଖେଳିବା!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ଆରମ୍ଭ କରିବା ଆଗରୁ ବାଜି ଲଗାଅ… ବାଜିର ରାଶି (ତୁମ ଟଙ୍କାଠାରୁ ବେଶି ନୁହେଁ) ଆଉ ପାଳି ସଂଖ୍ୟା (1 ରୁ 100, ନହେଲେ ଖେଳ ଆଉ ସରିବ ନାହିଁ) ଲେଖ। କମ୍ପ୍ୟୁଟର କେତେ ପଏଣ୍ଟ ପାଇବ ଠିକ କର, “ଚାଲ ଖେଳିବା!” ଦବାଅ, ବାସ୍, ଖେଳ ଆରମ୍ଭ! କୁଭେଲ ମାନେ 6ଟିଯାକ ଏକାଭଳି, ପଞ୍ଚକ ମାନେ ପାଞ୍ଚଟି ଏକାଭଳି, ଚଉକା ମାନେ ଚାରିଟି ଏକାଭଳି… ଏହାଠୁ ବେଶି ଗୁମର ଖୋଲିବି ନାହିଁ। କେବଳ ଟଙ୍କା ସରିଯିବାକୁ ଦିଅ ନାହିଁ। ଟାଟା!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ପ୍ରତି ପାଳିରେ କମ୍ପ୍ୟୁଟରର ପଏଣ୍ଟ</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ଟଙ୍କା</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ବାଜି</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ବାଜି ଲଗାଅ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ଖେଳା ସରିଥିବା ପାଳି</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ତୁମର ପଏଣ୍ଟ</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>କମ୍ପ୍ୟୁଟରର ପଏଣ୍ଟ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ବାଜିର ରାଶି</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ପାଳି ସଂଖ୍ୟା</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ଠିକ ଅଛି</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>ପରଥର ବାଜି ଲଗାଇବ – ଏଥର କ’ଣ ହେଉଛି କେବଳ ଦେଖ।</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>ଅଦ୍ଭୁତ! କୁଭେଲ! ତୁମର ଏହି ଅକାଟ୍ୟ ଭାଗ୍ୟ ପାଇଁ ତୁମକୁ 1,296 ପଏଣ୍ଟ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ଚମତ୍କାର! ପଞ୍ଚକ ପାଇବାକୁ ଭାଗ୍ୟ ଲୋଡ଼ା – ତୁମକୁ 216 ପଏଣ୍ଟ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>ବଢ଼ିଆ! ଚଉକା! ସେଥିପାଇଁ ତୁମକୁ 36 ପଏଣ୍ଟ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>କେବଳ ଚଉକା ନୁହେଁ, ସାଙ୍ଗକୁ ଗୋଟିଏ ଯୋଡ଼ି ବି! ତୁମକୁ 37 ପଏଣ୍ଟ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ତ୍ରୟୀ ଏତେ ଖରାପ ନୁହେଁ – ଆଉ ସେଥିରୁ ଛଅ ପଏଣ୍ଟ ବି ମିଳେ!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ତ୍ରୟୀ – ଆଉ ସାଙ୍ଗରେ ଆଉ ଏକ ଯୋଡ଼ି ଦେଖୁଛି କି? ସାତ ପଏଣ୍ଟ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>ଦୁଇଟି ତ୍ରୟୀ – ଏକାସାଙ୍ଗରେ! ସେଥିପାଇଁ ତୁମକୁ 12 ପଏଣ୍ଟ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>ତିନୋଟି ଅଲଗା ଅଲଗା ଯୋଡ଼ି ହୁଏତ କହିବା ଭଳି କିଛି ନୁହେଁ, ତଥାପି ତିନି ପଏଣ୍ଟ ତ ମିଳିଲା।</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>ଦୁଇଟି ଯୋଡ଼ି… କୌଣସିମତେ ଦୁଇ ପଏଣ୍ଟ।</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>କେବଳ ଗୋଟିଏ ଯୋଡ଼ି… ଏହାଠୁ ଖରାପ ଆଉ କ’ଣ ହେବ? ସେଥିପାଇଁ ତୁମକୁ ଏକ ପଏଣ୍ଟ ମିଳିଲା।</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>କି ବିରଳ ଦୃଶ୍ୟ! ତୁମର ସବୁ ପଶା ଅଲଗା ଅଲଗା – ସେଥିପାଇଁ ତୁମକୁ 66 ପଏଣ୍ଟ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ହଉ, ତୁମେ ଜିତିଲ, କିନ୍ତୁ କମ୍ପ୍ୟୁଟର ବେଶି ପଏଣ୍ଟ ପାଇଲା ନାହିଁ। ତଥାପି ତୁମ ବାଜି ଫେରାଇ ଦେଉଛି।</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ଜବରଦସ୍ତ! ତୁମେ ଜିତିଲ! ଅସୁବିଧା କେବଳ ଗୋଟିଏ… କମ୍ପ୍ୟୁଟର ଏତେ କମ୍ ପଏଣ୍ଟ ପାଇଲା। ତଥାପି ତୁମ ବାଜି ଉପରେ 5% ଅଧିକ ଦେଉଛି।</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>କମ୍ପ୍ୟୁଟର କିଛି ପଏଣ୍ଟ ପାଇଲା। କିନ୍ତୁ ବେଶ୍ ସହଜ ଥିଲା, ନୁହେଁ କି? ତୁମେ 25% ଅଧିକ ପାଇବ।</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ଲାଗୁଛି, କମ୍ପ୍ୟୁଟର ଭଲ ପରିମାଣର ପଏଣ୍ଟ ପାଇଲେ ବି ତୁମେ ତାକୁ ହରାଇଦେଲ। ତୁମକୁ ବାଜିର ଦୁଇଗୁଣ ଫେରସ୍ତ।</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>ସେ ଭୁରି ଭୁରି ପଏଣ୍ଟ ପାଇଲା, ତଥାପି ତୁମେ ଜିତିଗଲ! ସେଥିପାଇଁ ତୁମେ ବାଜିର 5 ଗୁଣ ପାଇବ।</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>ସେ ଏତେ ପଏଣ୍ଟ ପାଇଲା, ତଥାପି ତୁମେ ଜିତିଲ… କ’ଣ କହିବି ବୁଝିପାରୁନି। ଏଇ ନିଅ, ବାଜିର 10 ଗୁଣ।</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>ତୁମେ ଜଣେ ଦୁର୍ଦ୍ଧର୍ଷ ପ୍ରତିଦ୍ୱନ୍ଦ୍ୱୀ ସହ ଲଢ଼ି ଜିତିଲ। ଏହି ସାହସ ପାଇଁ ତୁମକୁ ବାଜିର 15 ଗୁଣ!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ସେ କମ୍ପ୍ୟୁଟର ପ୍ରାୟ ତୁମ ଭଳି ଶୀଘ୍ର ପଏଣ୍ଟ ଜମାଇଲା! ତୁମକୁ ବାଜିର 25 ଗୁଣ।</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ହେ ଭଗବାନ। ତାକୁ ଏତେ ପଏଣ୍ଟ ଦେଇ ବି ତୁମେ କେମିତି ଜିତିଲ!? ଏବେ ତ ତୁମକୁ ବାଜିର 50 ଗୁଣ ଦେବାକୁ ହିଁ ପଡ଼ିବ।</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ମୋତେ ଲାଗୁନି ତୁମେ ଏଥିରୁ ବର୍ତ୍ତିଗଲ।</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ବାଜି ଲଗାଇବାକୁ ଭୁଲିବ ନାହିଁ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ବାଜି ଲଗାଇବା କଥା ମନେ ରଖିବ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ତୁମେ ହାରିଗଲ! ପରଥର ଭାଗ୍ୟ ସାଥ ଦେଉ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>ତୁମର ଆଉ କମ୍ପ୍ୟୁଟରର ଦୁହିଁଙ୍କର 32767 ପଏଣ୍ଟ, ଏହାଠୁ ଅଧିକ ହୋଇ ପାରିବ ନାହିଁ, ତେଣୁ ଏହି ଖେଳ କେହି ଜିତି ପାରିବେ ନାହିଁ। ତୁମ ବାଜି ଫେରସ୍ତ ପାଇବ।</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ବାଜିର ରାଶି: 0 ରୁ ତୁମ ଟଙ୍କା ପର୍ଯ୍ୟନ୍ତ ଏକ ପୂର୍ଣ୍ଣସଂଖ୍ୟା ଲେଖ, ଯେମିତି 10।</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>ପାଳି ସଂଖ୍ୟା: -32768 ରୁ 32767 ପର୍ଯ୍ୟନ୍ତ ଏକ ପୂର୍ଣ୍ଣସଂଖ୍ୟା ଲେଖ, ଯେମିତି 50।</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ଗଣ୍ଡଗୋଳ! ଟଙ୍କା ଋଣାତ୍ମକ ହୋଇ ପାରିବ ନାହିଁ।</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ଏପରି ଏକ ତ୍ରୁଟିରେ ପଡ଼ିଛି ଯାହା ସେ ସୁଧାରି ପାରିବ ନାହିଁ, ତେଣୁ ତାକୁ ବନ୍ଦ ହେବାକୁ ପଡ଼ିବ।

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ପ୍ରକାର ମେଳ ଖାଉନି: “%1” ଏକ ସଂଖ୍ୟା ନୁହେଁ</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>ଓଭରଫ୍ଲୋ: %1, -32768 ରୁ 32767 ଭିତରେ ଅଣ୍ଟୁନି</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ଓଭରଫ୍ଲୋ: “%1” ବହୁତ ବଡ଼ ସଂଖ୍ୟା</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>ଓଭରଫ୍ଲୋ: “%1”, -32768 ରୁ 32767 ବାହାରେ</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ଫ୍ଲୋଟିଂ-ପଏଣ୍ଟ ତ୍ରୁଟି: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>ପଶା %1 %2 %3 %4 %5 %6। ପାଳି %7। ତୁମେ %8, କମ୍ପ୍ୟୁଟର %9।</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>ଟଙ୍କା %1, ବାଜି %2।</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ବ୍ୟବହାର: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ବିକଳ୍ପ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ବିକଳ୍ପ:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ଆର୍ଗୁମେଣ୍ଟ:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>କମାଣ୍ଡ-ଲାଇନ ବିକଳ୍ପ ବିଷୟରେ ସାହାଯ୍ୟ ଦେଖାଏ।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt ର ନିଜସ୍ୱ ବିକଳ୍ପ ସହିତ ସାହାଯ୍ୟ ଦେଖାଏ।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ସଂସ୍କରଣ ସୂଚନା ଦେଖାଏ।</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>ଅଜଣା ବିକଳ୍ପ “%1”।</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>ଅଜଣା ବିକଳ୍ପ: %1।</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” ପରେ ମୂଲ୍ୟ ନାହିଁ।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” ପରେ ଅପ୍ରତ୍ୟାଶିତ ମୂଲ୍ୟ।</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ଠିକ ଅଛି</translation>
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
        <translation>ଠିକ ଅଛି</translation>
    </message>
</context>
</TS>
