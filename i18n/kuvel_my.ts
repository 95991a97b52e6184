<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="my" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>ကွန်ပျူတာ​နဲ့​ယှဉ်ကစား​ရ​တဲ့​အန်စာတုံး​ဂိမ်း။</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>အာဂျူမန့်​တစ်​ခု​ဟာ ဒီ​ဒေသ​ဆက်တင်​မှာ မှန်ကန်​တဲ့​စာသား​မဟုတ်​ပါ။</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>မမျှော်လင့်​ထား​တဲ့​အာဂျူမန့် “%1”။</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>အန်စာတုံး 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>အန်စာတုံး 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>အန်စာတုံး 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>အန်စာတုံး 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>အန်စာတုံး 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>အန်စာတုံး 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>အတွဲ</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>သုံးတူ</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>လေးတူ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ငါးတူ</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ကူဗယ်</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>အလှည့်</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>မင်း</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>ကွန်ပျူတာ</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>ပစ်​မယ်!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>မစ​ခင် လောင်းကြေး​အရင်​ချ… လောင်းကြေး (မင်း​ပိုက်ဆံ​ထက်​မ​ပို​စေ​နဲ့) နဲ့ အလှည့်​အရေအတွက် (1 ကနေ 100 အထိ၊ မ​ဟုတ်​ရင် ကြာ​ကြာ​ကစား​ရ​မယ်) ထည့်။ ကွန်ပျူတာ​ရ​မယ့်​အမှတ်​ကို​ချိန်​ပြီး “ပစ်​မယ်!” နှိပ်​လိုက်​တာ​နဲ့ စ​ပြီ! ကူဗယ်​ဆို​တာ 6 လုံး​တူ​တာ၊ ငါးတူ​ဆို​တာ ငါး​လုံး​တူ​တာ၊ လေးတူ​ဆို​တာ လေး​လုံး​တူ​တာ… ဒီ​ထက်​ပို​မ​ပြော​တော့​ဘူး။ ပိုက်ဆံ​မ​ကုန်​စေ​နဲ့​နော်။ တာ့တာ!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>အလှည့်​တိုင်း​ကွန်ပျူတာ​ရ​မယ့်​အမှတ်</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ပိုက်ဆံ</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>လောင်းကြေး</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>လောင်းကြေး​ချ</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ကစား​ပြီး​တဲ့​အလှည့်</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>မင်း​ရဲ့​အမှတ်</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ကွန်ပျူတာ​ရဲ့​အမှတ်</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>လောင်းကြေး​ပမာဏ</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>အလှည့်​အရေအတွက်</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>အိုကေ</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>နောက်​တစ်ခါ လောင်းကြေး​ချ​ဦး – ဒီ​တစ်ခါ​တော့ ဘာ​ဖြစ်​မလဲ​ဆို​တာ ကြည့်​ရုံ​ပဲ​ကြည့်​ပါ။</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>အံ့ဩ​စရာ​ပဲ! ကူဗယ်! ငြင်း​လို့​မ​ရ​တဲ့ ကံကောင်း​မှု​အတွက် အမှတ် 1,296 ပေး​မယ်!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ကောင်း​လိုက်​တာ! ငါးတူ​ရ​တာ ကံကောင်း​လို့​ပဲ – အမှတ် 216 ပေး​မယ်!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>မိုက်​တယ်! လေးတူ! အဲ့ဒါ​အတွက် အမှတ် 36 ပေး​မယ်!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>လေးတူ​တင်​မ​က အတွဲ​တစ်​တွဲ​ပါ ပို​ရ​သေး​တယ်! အမှတ် 37 ပေး​မယ်!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>သုံးတူ​က မ​ဆိုး​ပါ​ဘူး – အမှတ်​ခြောက်​မှတ်​လည်း ရ​သေး​တယ်!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>သုံးတူ – နောက်​ထပ် အတွဲ​တစ်​တွဲ​လည်း မြင်​နေ​ရ​သလား? အမှတ်​ခုနစ်​မှတ်!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>သုံးတူ​နှစ်​ခု – တစ်​ပြိုင်​နက်​တည်း! အမှတ် 12 ပေး​မယ်!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>မ​တူ​တဲ့ အတွဲ​သုံး​တွဲ​က ပြော​စရာ မ​ဟုတ်​ပေ​မယ့် အမှတ်​သုံး​မှတ်​တော့ ရ​တယ်။</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>အတွဲ​နှစ်​တွဲ… အမှတ်​နှစ်​မှတ်​စာ​ပဲ။</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>အတွဲ​တစ်​တွဲ​တည်း… ဒီ​ထက် ဆိုး​နိုင်​သေး​လား? အမှတ်​တစ်​မှတ် ရ​တယ်။</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>ရှားရှားပါးပါး! အန်စာတုံး​မျက်နှာ​အားလုံး မ​တူ​ကြ​ဘူး – အမှတ် 66 ပေး​မယ်!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>အင်း မင်း​နိုင်​တော့​နိုင်​တယ်၊ ဒါ​ပေ​မဲ့ ကွန်ပျူတာ​က အမှတ် သိပ်​မ​ရ​ခဲ့​ဘူး။ ဒါ​တောင် လောင်းကြေး​ကို​တော့ ပြန်​ပေး​မယ်။</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>မိုက်​တယ်! မင်း​နိုင်​ပြီ! ပြဿနာ​တစ်​ခု​ပဲ​ရှိ​တယ်… ကွန်ပျူတာ​က အမှတ် အရမ်း​ကို​နည်း​တယ်။ ဒါ​ပေ​မဲ့ လောင်းကြေး​ပေါ်​မှာ 5% ပို​ပေး​မယ်။</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>ကွန်ပျူတာ​က အမှတ် နည်းနည်း ရ​ခဲ့​တယ်။ ဒါ​ပေ​မဲ့ တော်တော် လွယ်​ခဲ့​တယ် မ​ဟုတ်​လား? 25% ပို​ရ​မယ်။</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>ကွန်ပျူတာ​က အမှတ် တော်တော်​များ​များ ရ​ထား​ပေ​မဲ့ မင်း​နိုင်​သွား​တယ်​ပေါ့။ လောင်းကြေး​ကို နှစ်​ဆ ပြန်​ပေး​မယ်။</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>သူ​က အမှတ် အများ​ကြီး ရ​ထား​တာ​တောင် မင်း​နိုင်​သေး​တယ်! လောင်းကြေး​ရဲ့ 5 ဆ ရ​မယ်။</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>သူ​က အမှတ် အဲ​လောက် ရ​ထား​တာ​တောင် မင်း​နိုင်​တယ်​ဆို​တော့… ဘာ​ပြော​ရ​မှန်း​မ​သိ​တော့​ဘူး။ ရော့ လောင်းကြေး​ရဲ့ 10 ဆ။</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>ကြောက်​စရာ​ကောင်း​တဲ့ ပြိုင်ဘက်​ကို ယှဉ်​ပြီး နိုင်​ခဲ့​တယ်။ ဒီ​လောက် ရဲရင့်​တဲ့​အတွက် လောင်းကြေး​ရဲ့ 15 ဆ ပေး​မယ်!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>အဲ့ဒီ​ကွန်ပျူတာ​က မင်း​လောက် နီးပါး မြန်မြန် အမှတ်​တွေ စု​သွား​တယ်! လောင်းကြေး​ရဲ့ 25 ဆ ပေး​မယ်။</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>အမလေး။ အမှတ် အဲ​လောက် ပေး​ထား​ပြီး ဘယ်​လို​နိုင်​သွား​တာ​လဲ!? လောင်းကြေး​ရဲ့ 50 ဆ ပေး​ရ​တော့​မှာ​ပဲ။</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>မင်း အဲ့ဒါ​က​နေ အသက်​ရှင်​မ​လာ​လောက်​ဘူး​ထင်​တယ်။</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>လောင်းကြေး​ချ​ဖို့ မ​မေ့​နဲ့</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>လောင်းကြေး​တင်​ဖို့ သတိ​ရ​ပါ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>ရှုံး​ပြီ! နောက်​တစ်ခါ ကံကောင်း​ပါ​စေ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>မင်း​နဲ့ ကွန်ပျူတာ နှစ်​ယောက်​စလုံး အမှတ် 32767 စီ ရ​ထား​တယ်၊ အများ​ဆုံး​ပဲ၊ ဒါ​ကြောင့် ဒီ​ပွဲ​ကို ဘယ်​သူ​မှ မ​နိုင်​နိုင်​ဘူး။ လောင်းကြေး ပြန်​ရ​မယ်။</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>လောင်းကြေး​ပမာဏ: 0 ကနေ မင်း​ပိုက်ဆံ​အထိ ကိန်းပြည့် တစ်​ခု ရိုက်​ထည့်​ပါ၊ ဥပမာ 10။</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>အလှည့်​အရေအတွက်: -32768 ကနေ 32767 အထိ ကိန်းပြည့် တစ်​ခု ရိုက်​ထည့်​ပါ၊ ဥပမာ 50။</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>အမှား! ပိုက်ဆံ​က အနုတ် မ​ဖြစ်​ရ​ဘူး။</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel မှာ ပြင်​မ​ရ​တဲ့ အမှား​တစ်​ခု ဖြစ်​သွား​လို့ ပိတ်​ရ​တော့​မယ်။

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>အမျိုးအစား မ​ကိုက်ညီ: “%1” က ဂဏန်း မ​ဟုတ်​ဘူး</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>လျှံ​ထွက်​မှု: %1 က -32768 ကနေ 32767 ထဲ မ​ဆံ့​ဘူး</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>လျှံ​ထွက်​မှု: “%1” က ကြီး​လွန်း​တဲ့ ဂဏန်း​ဖြစ်​တယ်</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>လျှံ​ထွက်​မှု: “%1” က -32768 ကနေ 32767 အပြင်​ဘက်​မှာ ရှိ​တယ်</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ဒသမ​ကိန်း အမှား: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>အန်စာတုံး %1 %2 %3 %4 %5 %6။ အလှည့် %7။ မင်း %8၊ ကွန်ပျူတာ %9။</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>ပိုက်ဆံ %1၊ လောင်းကြေး %2။</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>အသုံးပြု​ပုံ: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ရွေးချယ်​စရာ​များ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ရွေးချယ်​စရာ​များ:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>အာဂျူမန့်​များ:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>အမိန့်​ပေး​စာ​ကြောင်း ရွေးချယ်​စရာ​များ​အကြောင်း အကူအညီ​ပြ​သည်။</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt သီးသန့် ရွေးချယ်​စရာ​များ​အပါအဝင် အကူအညီ​ပြ​သည်။</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>ဗားရှင်း​အချက်အလက်​ပြ​သည်။</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>မ​သိ​သော ရွေးချယ်​စရာ “%1”။</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>မ​သိ​သော ရွေးချယ်​စရာ​များ: %1။</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” နောက်​တွင် တန်ဖိုး​မ​ပါ​ပါ။</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” နောက်​တွင် မ​မျှော်လင့်​သော တန်ဖိုး။</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;အိုကေ</translation>
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
        <translation>အိုကေ</translation>
    </message>
</context>
</TS>
