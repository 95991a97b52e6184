<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hy" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Զառախաղ համակարգչի դեմ։</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Արգումենտներից մեկն այս լոկալում վավեր տեքստ չէ։</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Անսպասելի արգումենտ՝ «%1»։</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Զառ 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Զառ 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Զառ 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Զառ 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Զառ 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Զառ 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Զույգ</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Եռյակ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Քառյակ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Հնգյակ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Կուվել</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Քյլ.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Դու</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Կոմպ</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Գցի՜ր</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Նախ դրույք արա… մուտքագրիր դրույքը (ոչ ավելի, քան քո փողը) և քայլերի քանակը (1-ից 100, թե չէ խաղը երկար կձգվի)։ Ընտրիր, թե համակարգիչը քանի միավոր ստանա, սեղմիր «Գցի՜ր», ու գնացինք։ Կուվելը 6 միանման զառ է, հնգյակը՝ հինգ միանման, քառյակը՝ չորս միանման… ավելին չեմ ասի։ Միայն թե առանց փողի չմնաս։ Դե, հաջո՜ղ։</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Համակարգչի միավորները յուրաքանչյուր քայլում</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Փող</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Դրույք</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Դրույք արա</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Խաղացած քայլեր</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Քո միավորները</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Համակարգչի միավորները</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Դրույքի չափը</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Քայլերի քանակը</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Լավ</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Հաջորդ անգամ դրույք արա, իսկ այս անգամ պարզապես նայիր, թե ինչ կլինի։</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Ապշեցուցի՜չ է։ Կուվե՜լ։ Քո անվիճելի բախտի համար քեզ 1&#xa0;296 միավոր եմ տալիս։</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Հրաշալի՜ է։ Հնգյակ գցելու համար բախտդ հաստատ բերել է — քեզ 216 միավոր եմ տալիս։</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Լա՜վ է։ Քառյա՜կ։ Դրա համար քեզ 36 միավոր եմ տալիս։</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Ոչ միայն քառյակ, այլև վրան էլ մի զույգ։ Քեզ 37 միավոր եմ տալիս։</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Եռյակն այնքան էլ վատ չէ, ու դեռ վեց միավոր էլ է բերում։</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Եռյակ — իսկ մի զույգ էլ եմ տեսնո՞ւմ։ Յոթ միավո՜ր։</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Երկու եռյակ — միաժամանա՜կ։ Դրա համար քեզ 12 միավոր կտամ։</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Երեք տարբեր զույգը գուցե ուշագրավ չէ, բայց միևնույն է՝ երեք միավոր է բերում։</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Երկու զույգ… հազիվ երկու միավորի չափ։</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Մի հատիկ զույգ… սրանից վատ կարո՞ղ է լինել։ Դրա համար մեկ միավոր ես ստանում։</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Ի՜նչ էկզոտիկ հազվադեպություն։ Բոլոր թվերդ տարբեր են — դրա համար քեզ 66 միավոր կտամ։</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Դե, հաղթեցիր, բայց համակարգիչը շատ միավոր չհավաքեց։ Դրույքդ, այնուամենայնիվ, կվերադարձնեմ։</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Հիանալի՜ է։ Հաղթեցի՜ր։ Միակ խնդիրն այն է, որ… համակարգիչը ԱՅՆՔԱՆ քիչ միավոր հավաքեց։ Բայց դրույքիդ վրա 5% էլ կավելացնեմ։</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Համակարգիչը մի քանի միավոր հավաքեց։ Բայց բավականին հեշտ էր, չէ՞։ 25%-ով ավելի կստանաս։</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Կարծես թե հաղթել ես համակարգչին, թեև նա բավականին շատ միավոր հավաքեց։ Դրույքդ կրկնակի եմ վերադարձնում։</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Նա մի սարի չափ միավոր հավաքեց, իսկ դու, միևնույն է, հաղթեցի՜ր։ Դրա համար կստանաս դրույքիդ 5-ապատիկը։</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Եթե նա այդքան միավոր հավաքեց, իսկ դու էլի հաղթեցիր… չգիտեմ՝ ինչ ասեմ։ Ահա դրույքիդ 10-ապատիկը։</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Դու ահեղ մրցակցի դեմ կռվեցիր ու հաղթեցիր։ Այդ քաջության համար քեզ տալիս եմ դրույքիդ 15-ապատիկը։</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Այդ համակարգիչը ԳՐԵԹԵ քեզ պես արագ էր միավորներ հավաքում։ Քեզ տալիս եմ դրույքիդ 25-ապատիկը։</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Վա՜յ։ Ինչպե՞ս կարողացար հաղթել՝ նրան այդքան միավոր տալով։ Ստիպված եմ քեզ տալ դրույքիդ 50-ապատիկը։</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Չեմ կարծում, թե դրանից ողջ դուրս եկար։</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ՉՄՈՌԱՆԱՍ ԴՐՈՒՅՔ ԱՆԵԼ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ՉՄՈՌԱՆԱՍ ԴՐՈՒՅՔԴ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Պարտվեցի՜ր։ Հաջորդ անգամ բախտդ կբերի…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Դու էլ, համակարգիչն էլ ունեք 32&#xa0;767 միավոր, դրանից ավելի չի լինում, ուստի այս խաղում ոչ ոք չի կարող հաղթել։ Դրույքդ վերադառնում է քեզ։</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Դրույքի չափը․ մուտքագրիր ամբողջ թիվ 0-ից մինչև քո փողի չափը, օրինակ՝ 10։</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Քայլերի քանակը․ մուտքագրիր ամբողջ թիվ -32768-ից մինչև 32767, օրինակ՝ 50։</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ՍԽԱ՜Լ։ Փողդ չի կարող բացասական լինել։</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel-ը բախվեց սխալի, որից չի կարող վերականգնվել, և պետք է փակվի։

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Տիպերի անհամապատասխանություն․ «%1» արժեքը թիվ չէ</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Գերլցում․ %1 թիվը չի տեղավորվում -32768-ից 32767 միջակայքում</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Գերլցում․ «%1» արժեքը չափազանց մեծ թիվ է</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Գերլցում․ «%1» արժեքը դուրս է -32768-ից 32767 միջակայքից</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Լողացող ստորակետի սխալ․ %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Զառեր %1 %2 %3 %4 %5 %6։ Քայլ %7։ Դու %8, համակարգիչ %9։</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Փող %1, դրույք %2։</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Օգտագործում․ %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ընտրանքներ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Ընտրանքներ․</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Արգումենտներ․</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Ցուցադրում է օգնություն հրամանային տողի ընտրանքների մասին։</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Ցուցադրում է օգնություն՝ ներառյալ Qt-ին հատուկ ընտրանքները։</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Ցուցադրում է տարբերակի մասին տեղեկություն։</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Անհայտ ընտրանք՝ «%1»։</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Անհայտ ընտրանքներ․ %1։</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>«%1»-ից հետո արժեքը բացակայում է։</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Անսպասելի արժեք «%1»-ից հետո։</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Լավ</translation>
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
        <translation>Լավ</translation>
    </message>
</context>
</TS>
