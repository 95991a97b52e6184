<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>കമ്പ്യൂട്ടറിനെതിരെ ഒരു പകിടകളി.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>ഒരു ആർഗ്യുമെന്റ് ഈ ഭാഷാക്രമീകരണത്തിൽ സാധുവായ ടെക്സ്റ്റ് അല്ല.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>അപ്രതീക്ഷിതമായ ആർഗ്യുമെന്റ് “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>പകിട 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>പകിട 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>പകിട 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>പകിട 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>പകിട 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>പകിട 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ജോടി</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ത്രയം</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ചതുഷ്കം</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>പഞ്ചകം</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>കുവെൽ</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>വട്ടം</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>നീ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>കമ്പ്യൂട്ടർ</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>തുടങ്ങാം!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>തുടങ്ങുംമുമ്പ് പന്തയം വെക്ക്… പന്തയത്തുകയും (നിന്റെ കൈയിലുള്ള പണത്തിൽ കൂടരുത്) വട്ടങ്ങളുടെ എണ്ണവും (1 മുതൽ 100 വരെ, അല്ലെങ്കിൽ കളി തീരില്ല) കൊടുക്ക്. കമ്പ്യൂട്ടറിന് കിട്ടുന്ന പോയിന്റ് തീരുമാനിക്ക്, “തുടങ്ങാം!” അമർത്ത്, പിന്നെ വിട്ടോ! കുവെൽ എന്നാൽ 6 പകിടയും ഒരുപോലെ, പഞ്ചകം എന്നാൽ അഞ്ചെണ്ണം ഒരുപോലെ, ചതുഷ്കം എന്നാൽ നാലെണ്ണം ഒരുപോലെ… ഇതിൽക്കൂടുതൽ രഹസ്യം ഞാൻ പറയില്ല. പണം തീർന്നുപോകാതെ നോക്കിക്കോ. ടാറ്റാ!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ഓരോ വട്ടവും കമ്പ്യൂട്ടറിന് കിട്ടുന്ന പോയിന്റ്</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>പണം</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>പന്തയം</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>പന്തയം വെക്ക്</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>കളിച്ച വട്ടങ്ങൾ</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>നിന്റെ പോയിന്റ്</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>കമ്പ്യൂട്ടറിന്റെ പോയിന്റ്</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>പന്തയത്തുക</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>എത്ര വട്ടം</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>ശരി</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>അടുത്ത തവണ പന്തയം വെക്ക് – ഇത്തവണ എന്ത് സംഭവിക്കുന്നെന്ന് വെറുതെ കണ്ടോ.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>അപാരം! ഒരു കുവെൽ! ചോദ്യം ചെയ്യാനാവാത്ത നിന്റെ ഭാഗ്യത്തിന് 1,296 പോയിന്റ് തരുന്നു!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ഗംഭീരം! പഞ്ചകം കിട്ടാൻ നിനക്ക് നല്ല ഭാഗ്യം ഉണ്ടായിരുന്നിരിക്കണം – 216 പോയിന്റ് തരുന്നു!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>കൊള്ളാം! ഒരു ചതുഷ്കം! അതിന് 36 പോയിന്റ് തരുന്നു!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>ചതുഷ്കം മാത്രമല്ല, ഒരു ജോടി കൂടി! 37 പോയിന്റ് തരുന്നു!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>ത്രയം അത്ര മോശമൊന്നുമല്ല – കൂടെ ആറ് പോയിന്റും കിട്ടും!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>ഒരു ത്രയം – ഇനി ഒരു ജോടി കൂടി കാണുന്നുണ്ടോ? ഏഴ് പോയിന്റ്!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>രണ്ട് ത്രയങ്ങൾ – അതും ഒറ്റയടിക്ക്! അതിന് 12 പോയിന്റ് തരാം!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>മൂന്ന് വ്യത്യസ്ത ജോടികൾ അത്ര പറയാനൊന്നുമില്ല, എങ്കിലും മൂന്ന് പോയിന്റ് കിട്ടും.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>രണ്ട് ജോടി… രണ്ട് പോയിന്റിനുള്ളതേ ഉള്ളൂ.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>ഒരേയൊരു ജോടി… ഇതിലും മോശമാകാനുണ്ടോ? അതിന് ഒരു പോയിന്റ്.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>എന്തൊരു അപൂർവ കാഴ്ച! നിന്റെ പകിടകളിലെ അക്കങ്ങളെല്ലാം വ്യത്യസ്തം – അതിന് 66 പോയിന്റ് തരാം!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>ശരി, നീ ജയിച്ചു, പക്ഷേ കമ്പ്യൂട്ടറിന് അധികം പോയിന്റ് കിട്ടിയില്ല. എന്നാലും നിന്റെ പന്തയം തിരികെ തരാം.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>കിടിലൻ! നീ ജയിച്ചു! ഒരേയൊരു പ്രശ്നം… കമ്പ്യൂട്ടറിന് അത്രയും കുറച്ച് പോയിന്റേ കിട്ടിയുള്ളൂ. എന്നാലും നിന്റെ പന്തയത്തിന്മേൽ 5% അധികം തരാം.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>കമ്പ്യൂട്ടറിന് കുറച്ച് പോയിന്റ് കിട്ടി. എങ്കിലും നല്ല എളുപ്പമായിരുന്നു, അല്ലേ? നിനക്ക് 25% കൂടുതൽ കിട്ടും.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>കമ്പ്യൂട്ടറിന് തരക്കേടില്ലാത്ത പോയിന്റ് കിട്ടിയിട്ടും നീ അതിനെ തോൽപ്പിച്ചെന്ന് തോന്നുന്നു. നിന്റെ പന്തയത്തിന്റെ ഇരട്ടി തിരികെ തരാം.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>അതിന് ഇഷ്ടംപോലെ പോയിന്റ് കിട്ടി, എന്നിട്ടും നീ ജയിച്ചു! അതിന് നിനക്ക് പന്തയത്തിന്റെ 5 മടങ്ങ് കിട്ടും.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>അതിന് അത്രയും പോയിന്റ് കിട്ടിയിട്ടും നീ ജയിച്ചെങ്കിൽ… എന്ത് പറയണമെന്ന് അറിയില്ല. ഇന്നാ, നിന്റെ പന്തയത്തിന്റെ 10 മടങ്ങ്.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>കരുത്തനായ എതിരാളിയോട് പൊരുതി നീ ജയിച്ചു. ഈ ധീരതയ്ക്ക് നിന്റെ പന്തയത്തിന്റെ 15 മടങ്ങ് തരുന്നു!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>ആ കമ്പ്യൂട്ടർ ഏതാണ്ട് നിന്റെയത്ര വേഗത്തിൽ പോയിന്റ് വാരിക്കൂട്ടി! നിന്റെ പന്തയത്തിന്റെ 25 മടങ്ങ് തരുന്നു.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>എന്റമ്മോ. അതിന് അത്രയും പോയിന്റ് കൊടുത്തിട്ടും നീ എങ്ങനെ ജയിച്ചു!? നിന്റെ പന്തയത്തിന്റെ 50 മടങ്ങ് തരാതെ വേറെ വഴിയില്ല.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>നീ ഇതിൽനിന്ന് രക്ഷപ്പെട്ടെന്ന് എനിക്ക് തോന്നുന്നില്ല.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>പന്തയം വെക്കാൻ മറക്കല്ലേ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>നിന്റെ പന്തയം മറക്കല്ലേ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>നീ തോറ്റു! അടുത്ത തവണ ഭാഗ്യം തുണയ്ക്കട്ടെ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>നിനക്കും കമ്പ്യൂട്ടറിനും 32767 പോയിന്റ് വീതമുണ്ട്, അതിൽ കൂടുതൽ സാധ്യമല്ല, അതുകൊണ്ട് ഈ കളി ആർക്കും ജയിക്കാനാവില്ല. നിന്റെ പന്തയം തിരികെ കിട്ടും.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>പന്തയത്തുക: 0 മുതൽ നിന്റെ പണം വരെയുള്ള ഒരു പൂർണസംഖ്യ ടൈപ്പ് ചെയ്യ്, ഉദാഹരണത്തിന് 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>എത്ര വട്ടം: -32768 മുതൽ 32767 വരെയുള്ള ഒരു പൂർണസംഖ്യ ടൈപ്പ് ചെയ്യ്, ഉദാഹരണത്തിന് 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>പിശക്! നിന്റെ പണം പൂജ്യത്തിൽ താഴെ പോകാൻ പാടില്ല.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>കുവെലിന് പരിഹരിക്കാനാവാത്ത ഒരു പിശക് സംഭവിച്ചു, അതിനാൽ അടയ്ക്കേണ്ടിവരുന്നു.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ഇനം പൊരുത്തപ്പെടുന്നില്ല: “%1” ഒരു സംഖ്യയല്ല</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>പരിധി കവിഞ്ഞു: %1 എന്നത് -32768 മുതൽ 32767 വരെയുള്ള പരിധിയിൽ ഒതുങ്ങുന്നില്ല</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>പരിധി കവിഞ്ഞു: “%1” വളരെ വലിയ സംഖ്യയാണ്</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>പരിധി കവിഞ്ഞു: “%1” എന്നത് -32768 മുതൽ 32767 വരെയുള്ള പരിധിക്ക് പുറത്താണ്</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>ദശാംശക്കണക്കിലെ പിശക്: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>പകിടകൾ %1 %2 %3 %4 %5 %6. വട്ടം %7. നീ %8, കമ്പ്യൂട്ടർ %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>പണം %1, പന്തയം %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ഉപയോഗം: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ഓപ്ഷനുകൾ]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ഓപ്ഷനുകൾ:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>ആർഗ്യുമെന്റുകൾ:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>കമാൻഡ്‌ലൈൻ ഓപ്ഷനുകളെക്കുറിച്ചുള്ള സഹായം കാണിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-ക്ക് മാത്രമുള്ള ഓപ്ഷനുകൾ ഉൾപ്പെടെ സഹായം കാണിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>പതിപ്പ് വിവരങ്ങൾ കാണിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>അറിയാത്ത ഓപ്ഷൻ “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>അറിയാത്ത ഓപ്ഷനുകൾ: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1” കഴിഞ്ഞ് മൂല്യമില്ല.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1” കഴിഞ്ഞ് അപ്രതീക്ഷിതമായ മൂല്യം.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ശരി</translation>
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
        <translation>ശരി</translation>
    </message>
</context>
</TS>
