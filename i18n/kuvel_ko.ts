<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>컴퓨터와 겨루는 주사위 게임입니다.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>인자 중 하나가 현재 로캘에서 올바른 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예상하지 못한 인자 ‘%1’.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>주사위 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>주사위 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>주사위 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>주사위 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>주사위 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>주사위 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>페어</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>트리플</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>포카드</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>파이브</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>쿠벨</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>턴</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>점수</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>굴려요!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>시작하기 전에 베팅부터! 베팅액(소지금 이하)과 턴 수(1부터 100까지, 안 그러면 한참 걸려요)를 입력하세요. 컴퓨터가 받을 점수를 정하고 ‘굴려요!’를 누르면 출발! 쿠벨은 6개가 모두 같은 거고, 파이브는 다섯 개, 포카드는 네 개가 같은 거예요… 더 이상은 비밀! 소지금만 바닥내지 마세요. 그럼 안녕~!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>턴당 컴퓨터 점수</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>소지금</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>베팅액</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>베팅하기</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>진행한 턴</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>내 점수</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>컴퓨터 점수</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>베팅액</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>턴 수</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>다음엔 꼭 베팅하세요. 이번엔 어떻게 되는지 구경만 시켜 줄게요.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>놀라워요! 쿠벨이에요! 의심할 여지 없는 그 행운에 1,296점을 줄게요!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>멋져요! 파이브라니, 운이 정말 좋았나 봐요. 216점 줄게요!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>좋아요! 포카드! 그 값으로 36점 줄게요!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>포카드에 페어까지 덤으로 나왔네요! 37점 줄게요!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>트리플이면 나쁘지 않죠. 게다가 여섯 점이나 받아요!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>트리플에… 페어가 하나 더 보이는 것 같은데요? 일곱 점!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>트리플이 두 개, 그것도 한꺼번에! 12점 줄게요!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>서로 다른 페어 세 개는 별거 아닐지 몰라도, 그래도 세 점은 받아요.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>페어 두 개… 딱 두 점이네요.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>달랑 페어 하나… 이보다 더 나쁠 수 있을까요? 한 점 줄게요.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>정말 보기 드문 일이네요! 눈이 전부 다르잖아요. 66점 줄게요!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>음, 이기긴 했는데 컴퓨터 점수가 별로 없었네요. 그래도 베팅액은 돌려줄게요.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>좋아요! 이겼어요! 문제는 딱 하나… 컴퓨터 점수가 너~무 적었다는 거죠. 그래도 베팅액에 5%를 얹어 줄게요.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>컴퓨터가 점수를 좀 얻긴 했어요. 그래도 꽤 쉬웠죠? 25%를 더 줄게요.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>보아하니 컴퓨터가 점수를 꽤 얻었는데도 이겼네요. 베팅액의 두 배를 돌려줄게요.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>컴퓨터가 점수를 잔뜩 얻었는데도 결국 이겼군요! 베팅액의 5배를 줄게요.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>컴퓨터가 그렇게 많은 점수를 얻었는데도 이겼다니… 할 말이 없네요. 베팅액의 10배예요.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>만만찮은 상대와 싸워서 이겼어요. 그 용기를 기려 베팅액의 15배를 줄게요!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>컴퓨터가 무섭게 점수를 쌓으며 정말 거의 따라잡을 뻔했어요! 베팅액의 25배를 줄게요.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>세상에. 그렇게 많은 점수를 주고도 어떻게 이긴 거예요!? 베팅액의 50배를 줄 수밖에 없겠네요.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>이번 판은 못 버틴 것 같네요.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>베팅 잊지 마세요!</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>베팅액을 꼭 거세요!</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>졌어요! 다음엔 운이 따르길…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>컴퓨터와 둘 다 32767점, 더 올라갈 수 없는 최고점이라 이번 게임은 아무도 이길 수 없어요. 베팅액은 돌려줄게요.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>베팅액: 0부터 소지금까지의 정수를 입력해 주세요. 예를 들면 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>턴 수: -32768부터 32767까지의 정수를 입력해 주세요. 예를 들면 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>오류! 소지금이 마이너스일 수는 없어요.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel에 복구할 수 없는 오류가 발생해 종료해야 합니다.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>형식 불일치: “%1”은(는) 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>오버플로: %1은(는) -32768에서 32767 사이를 벗어납니다</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>오버플로: “%1”은(는) 너무 큰 숫자입니다</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>오버플로: “%1”은(는) -32768에서 32767 사이를 벗어납니다</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>부동소수점 오류: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>주사위 %1 %2 %3 %4 %5 %6. %7턴. 나 %8점, 컴퓨터 %9점.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>소지금 %1, 베팅액 %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>사용 방법: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[옵션]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>옵션:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>인자:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>명령행 옵션 도움말을 표시합니다.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 전용 옵션을 포함한 도움말을 표시합니다.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>버전 정보를 표시합니다.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>알 수 없는 옵션 ‘%1’.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>알 수 없는 옵션: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>‘%1’ 다음에 값이 없음.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>‘%1’ 다음에 예상하지 못한 값이 있음.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
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
        <translation>확인</translation>
    </message>
</context>
</TS>
