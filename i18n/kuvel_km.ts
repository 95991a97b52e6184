<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="km" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>ល្បែង​គ្រាប់​ឡុកឡាក់​ប្រកួត​ជាមួយ​កុំព្យូទ័រ។</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>មាន​អាគុយម៉ង់​មួយ​មិនមែន​ជា​អត្ថបទ​ត្រឹមត្រូវ​ក្នុង​មូលដ្ឋាន​នេះ​ទេ។</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>អាគុយម៉ង់​មិន​រំពឹង​ទុក «%1»។</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>គ្រាប់​ឡុកឡាក់ 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>គ្រាប់​ឡុកឡាក់ 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>គ្រាប់​ឡុកឡាក់ 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>គ្រាប់​ឡុកឡាក់ 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>គ្រាប់​ឡុកឡាក់ 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>គ្រាប់​ឡុកឡាក់ 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>គូ</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>បី​ដូចគ្នា</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>បួន​ដូចគ្នា</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>ប្រាំ​ដូចគ្នា</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>គូវែល</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>វេន</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>អ្នក</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>កុំព្យូទ័រ</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>តោះ​បោះ!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>ដាក់​ភ្នាល់​សិន​មុន​ចាប់ផ្ដើម… បញ្ចូល​ចំនួន​ភ្នាល់ (មិន​លើស​លុយ​ដែល​អ្នក​មាន) និង​ចំនួន​វេន (1 ដល់ 100 បើ​មិន​ដូច្នោះ​ទេ​លេង​យូរ​ណាស់)។ កំណត់​ពិន្ទុ​ដែល​កុំព្យូទ័រ​ទទួល​បាន ចុច «តោះ​បោះ!» ហើយ​ចេញ​ដំណើរ​តែ​ម្ដង! គូវែល​គឺ​ដូចគ្នា 6 គ្រាប់ ប្រាំ​ដូចគ្នា​គឺ​ដូចគ្នា​ប្រាំ​គ្រាប់ បួន​ដូចគ្នា​គឺ​ដូចគ្នា​បួន​គ្រាប់… ខ្ញុំ​ប្រាប់​ច្រើន​ជាង​នេះ​មិន​បាន​ទេ។ កុំ​ឲ្យ​អស់​លុយ​ទៅ​បាន​ហើយ។ លា​សិន​ហើយ!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>ពិន្ទុ​កុំព្យូទ័រ​ក្នុង​មួយ​វេន</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>លុយ</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>ភ្នាល់</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>ដាក់​ភ្នាល់</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>វេន​ដែល​បាន​លេង</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ពិន្ទុ​អ្នក</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>ពិន្ទុ​កុំព្យូទ័រ</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ចំនួន​ភ្នាល់</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>ចំនួន​វេន</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>យល់ព្រម</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>លើក​ក្រោយ​ដាក់​ភ្នាល់​ផង – លើក​នេះ​មើល​សិន​ថា​មាន​អ្វី​កើត​ឡើង។</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>អស្ចារ្យ! គូវែល! សំណាង​ល្អ​បែប​នេះ​គ្មាន​អ្នក​ណា​ប្រកែក​បាន​ទេ ខ្ញុំ​ឲ្យ​អ្នក 1.296 ពិន្ទុ!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>ល្អ​ណាស់! ត្រូវ​តែ​មាន​សំណាង​ទើប​បាន​ប្រាំ​ដូចគ្នា – ខ្ញុំ​ឲ្យ​អ្នក 216 ពិន្ទុ!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>ល្អ! បួន​ដូចគ្នា! ខ្ញុំ​ឲ្យ​អ្នក 36 ពិន្ទុ!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>មិន​ត្រឹម​តែ​បួន​ដូចគ្នា​ទេ ថែម​ទាំង​មាន​គូ​មួយ​ទៀត! ខ្ញុំ​ឲ្យ​អ្នក 37 ពិន្ទុ!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>បី​ដូចគ្នា​ក៏​មិន​អាក្រក់​ដែរ – ហើយ​ថែម​បាន​ប្រាំមួយ​ពិន្ទុ​ទៀត!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>បី​ដូចគ្នា – ហើយ​ខ្ញុំ​ឃើញ​គូ​មួយ​ទៀត​មែន​ទេ? ប្រាំពីរ​ពិន្ទុ!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>បី​ដូចគ្នា​ពីរ​ឈុត – ក្នុង​ពេល​តែ​មួយ! ខ្ញុំ​ឲ្យ 12 ពិន្ទុ!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>គូ​បី​ផ្សេង​គ្នា​ប្រហែល​មិន​សូវ​គួរ​ឲ្យ​ចាប់​អារម្មណ៍ ប៉ុន្តែ​នៅ​តែ​បាន​បី​ពិន្ទុ។</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>គូ​ពីរ… គ្រាន់​តែ​បាន​ពីរ​ពិន្ទុ។</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>គូ​តែ​មួយ… អាច​អាក្រក់​ជាង​នេះ​ទៀត​ទេ? បាន​មួយ​ពិន្ទុ។</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>កម្រ​ណាស់! មុខ​គ្រាប់​ឡុកឡាក់​ទាំងអស់​ខុស​គ្នា – ខ្ញុំ​ឲ្យ 66 ពិន្ទុ!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>អើ អ្នក​ឈ្នះ​ហើយ ប៉ុន្តែ​កុំព្យូទ័រ​បាន​ពិន្ទុ​មិន​ច្រើន​ទេ។ ទោះ​ជា​យ៉ាង​ណា ខ្ញុំ​សង​ភ្នាល់​អ្នក​វិញ។</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>ល្អ​ណាស់! អ្នក​ឈ្នះ! បញ្ហា​តែ​មួយ​គឺ… កុំព្យូទ័រ​បាន​ពិន្ទុ​តិច​ពេក​ហើយ។ ប៉ុន្តែ​ខ្ញុំ​ថែម​ឲ្យ 5% លើ​ភ្នាល់​អ្នក។</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>កុំព្យូទ័រ​បាន​ពិន្ទុ​បន្តិចបន្តួច។ តែ​វា​ងាយ​ពេក​មែន​ទេ? អ្នក​បាន​ថែម 25%។</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>មើល​ទៅ អ្នក​ឈ្នះ​កុំព្យូទ័រ ទោះ​វា​បាន​ពិន្ទុ​គួរ​សម​ក៏​ដោយ។ ខ្ញុំ​សង​ភ្នាល់​អ្នក​វិញ​ទ្វេ​ដង។</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>វា​បាន​ពិន្ទុ​ច្រើន ប៉ុន្តែ​អ្នក​នៅ​តែ​ឈ្នះ! អ្នក​បាន 5 ដង​នៃ​ភ្នាល់​អ្នក។</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>បើ​វា​បាន​ពិន្ទុ​ច្រើន​ម្ល៉េះ ហើយ​អ្នក​នៅ​តែ​ឈ្នះ… ខ្ញុំ​មិន​ដឹង​និយាយ​អ្វី​ទេ។ នេះ 10 ដង​នៃ​ភ្នាល់​អ្នក។</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>អ្នក​បាន​តយុទ្ធ​ជាមួយ​គូប្រកួត​ខ្លាំង​ហើយ​ឈ្នះ។ ដោយសារ​ភាព​ក្លាហាន​នេះ ខ្ញុំ​ឲ្យ 15 ដង​នៃ​ភ្នាល់​អ្នក!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>កុំព្យូទ័រ​នោះ​ប្រមូល​ពិន្ទុ​លឿន​ស្ទើរ​តែ​ស្មើ​អ្នក! ខ្ញុំ​ឲ្យ 25 ដង​នៃ​ភ្នាល់​អ្នក។</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>ឱ​ព្រះ​អើយ។ ឲ្យ​ពិន្ទុ​វា​ច្រើន​ម្ល៉េះ​ម៉េច​ក៏​ឈ្នះ​បាន!? ខ្ញុំ​ត្រូវ​តែ​ឲ្យ 50 ដង​នៃ​ភ្នាល់​អ្នក​ហើយ។</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>ខ្ញុំ​គិត​ថា​អ្នក​មិន​រួច​ខ្លួន​ទេ។</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>កុំ​ភ្លេច​ភ្នាល់</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>កុំ​ភ្លេច​ដាក់​ភ្នាល់</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>អ្នក​ចាញ់! សូម​ឲ្យ​សំណាង​ល្អ​ជាង​នេះ​លើក​ក្រោយ…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>អ្នក​និង​កុំព្យូទ័រ​មាន 32767 ពិន្ទុ​ស្មើ​គ្នា ដែល​ជា​ចំនួន​ខ្ពស់​បំផុត ដូច្នេះ​គ្មាន​អ្នក​ណា​ឈ្នះ​ល្បែង​នេះ​បាន​ទេ។ អ្នក​ទទួល​បាន​ភ្នាល់​វិញ។</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>ចំនួន​ភ្នាល់៖ សូម​វាយ​ចំនួន​គត់​ពី 0 ដល់​ចំនួន​លុយ​ដែល​អ្នក​មាន ឧទាហរណ៍ 10។</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>ចំនួន​វេន៖ សូម​វាយ​ចំនួន​គត់​ពី -32768 ដល់ 32767 ឧទាហរណ៍ 50។</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>កំហុស! អ្នក​មិន​អាច​មាន​លុយ​អវិជ្ជមាន​ទេ។</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel ជួប​កំហុស​ដែល​មិន​អាច​ដោះស្រាយ​បាន ហើយ​ត្រូវ​បិទ។

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>ប្រភេទ​មិន​ត្រូវ​គ្នា៖ «%1» មិនមែន​ជា​លេខ​ទេ</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>លើស​ចំណុះ៖ %1 មិន​ស្ថិត​ក្នុង -32768 ដល់ 32767 ទេ</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>លើស​ចំណុះ៖ «%1» ជា​លេខ​ធំ​ពេក</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>លើស​ចំណុះ៖ «%1» នៅ​ក្រៅ -32768 ដល់ 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>កំហុស​ចំណុច​អណ្ដែត៖ %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>គ្រាប់​ឡុកឡាក់ %1 %2 %3 %4 %5 %6។ វេន %7។ អ្នក %8 កុំព្យូទ័រ %9។</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>លុយ %1 ភ្នាល់ %2។</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>របៀប​ប្រើ៖ %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[ជម្រើស]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>ជម្រើស៖</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>អាគុយម៉ង់៖</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>បង្ហាញ​ជំនួយ​អំពី​ជម្រើស​បន្ទាត់​ពាក្យ​បញ្ជា។</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>បង្ហាញ​ជំនួយ​រួម​ទាំង​ជម្រើស​ជាក់លាក់​របស់ Qt។</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>បង្ហាញ​ព័ត៌មាន​កំណែ។</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>មិន​ស្គាល់​ជម្រើស «%1»។</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>មិន​ស្គាល់​ជម្រើស៖ %1។</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>ខ្វះ​តម្លៃ​បន្ទាប់​ពី «%1»។</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>តម្លៃ​មិន​រំពឹង​ទុក​បន្ទាប់​ពី «%1»។</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;យល់ព្រម</translation>
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
        <translation>យល់ព្រម</translation>
    </message>
</context>
</TS>
