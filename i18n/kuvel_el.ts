<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Ένα παιχνίδι με ζάρια κόντρα στον υπολογιστή.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Ένα όρισμα δεν είναι έγκυρο κείμενο για τις τρέχουσες τοπικές ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Μη αναμενόμενο όρισμα «%1».</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ζάρι 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ζάρι 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ζάρι 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ζάρι 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ζάρι 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Ζάρι 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Ζεύγος</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Τριάδα</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Καρέ</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Πεντάδα</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Κούβελ</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Ρίψ.</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Εσύ</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Η/Υ</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Πάμε!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Πόνταρε πριν ξεκινήσεις… γράψε το ποντάρισμα (όχι πάνω από τα λεφτά σου) και τον αριθμό ρίψεων (1 έως 100, αλλιώς θα πάει μακριά). Ρύθμισε τους πόντους του υπολογιστή, πάτα «Πάμε!» και φύγαμε! Κούβελ σημαίνει 6 ίδια, πεντάδα πέντε ίδια, καρέ τέσσερα ίδια… περισσότερα δεν μαρτυράω. Απλώς μην ξεμείνεις από λεφτά. Τα λέμε!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Πόντοι υπολογιστή ανά ρίψη</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Λεφτά</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Ποντάρισμα</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Πόνταρε!</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Ρίψεις που έγιναν</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Οι πόντοι σου</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Πόντοι υπολογιστή</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Ποντάρισμα</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Αριθμός ρίψεων</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>Εντάξει</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Την επόμενη φορά πόνταρε – αυτή τη φορά απλώς θα δεις τι γίνεται.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Απίστευτο! Κούβελ! Για την αδιαμφισβήτητη τύχη σου, σου δίνω 1.296 πόντους!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Υπέροχα! Τύχη βουνό για να φέρεις πεντάδα – σου δίνω 216 πόντους!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Ωραία! Καρέ! Γι’ αυτό σου δίνω 36 πόντους!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Όχι μόνο καρέ, αλλά και ένα ζεύγος από πάνω! Σου δίνω 37 πόντους!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Μια τριάδα δεν είναι κι άσχημα – και σου φέρνει και έξι πόντους!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Τριάδα – και βλέπω κι ένα ζεύγος ακόμα; Επτά πόντοι!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Δύο τριάδες – μονομιάς! Γι’ αυτό σου δίνω 12 πόντους!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Τρία διαφορετικά ζεύγη δεν είναι και κάτι σπουδαίο, αλλά σου φέρνουν τρεις πόντους.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Δύο ζεύγη… ίσα ίσα για δύο πόντους.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Ένα σκέτο ζεύγος… γίνεται χειρότερα; Παίρνεις έναν πόντο γι’ αυτό.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Τι εξωτική σπανιότητα! Όλα σου τα νούμερα είναι διαφορετικά – γι’ αυτό σου δίνω 66 πόντους!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Λοιπόν, κέρδισες, αλλά ο υπολογιστής δεν μάζεψε πολλούς πόντους. Πάρε πάντως πίσω το ποντάρισμά σου.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Τέλεια! Κέρδισες! Το μόνο πρόβλημα είναι ότι… ο υπολογιστής πήρε ΤΟΣΟ λίγους πόντους. Πάντως σου δίνω 5% επιπλέον στο ποντάρισμά σου.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Ο υπολογιστής μάζεψε μερικούς πόντους. Αλλά ήταν αρκετά εύκολο, έτσι δεν είναι; Παίρνεις 25% παραπάνω.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Απ’ ό,τι φαίνεται, νίκησες τον υπολογιστή, κι ας μάζεψε αρκετούς πόντους. Σου επιστρέφω το ποντάρισμά σου διπλό.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Μάζεψε ένα σωρό πόντους, κι όμως εσύ κατάφερες να κερδίσεις! Γι’ αυτό παίρνεις 5 φορές το ποντάρισμά σου.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Μάζεψε τόσους πόντους κι εσύ πάλι κέρδισες… δεν ξέρω τι να πω. Ορίστε 10 φορές το ποντάρισμά σου.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Τα έβαλες με φοβερό αντίπαλο και νίκησες. Για τέτοια λεβεντιά, σου δίνω 15 φορές το ποντάρισμά σου!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Αυτός ο υπολογιστής μάζευε πόντους ΣΧΕΔΟΝ όσο γρήγορα κι εσύ! Σου δίνω 25 φορές το ποντάρισμά σου.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Ωχ, Θεέ μου. Πώς κέρδισες, αφού του έδωσες τόσους πόντους;! Δεν μου μένει παρά να σου δώσω 50 φορές το ποντάρισμά σου.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Δεν νομίζω ότι τη γλίτωσες αυτή.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>ΜΗΝ ΞΕΧΑΣΕΙΣ ΝΑ ΠΟΝΤΑΡΕΙΣ</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>ΘΥΜΗΣΟΥ ΤΟ ΠΟΝΤΑΡΙΣΜΑ</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Έχασες! Καλύτερη τύχη την επόμενη φορά…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Εσύ και ο υπολογιστής έχετε και οι δύο 32.767 πόντους, όσους περισσότερους γίνεται, οπότε κανείς δεν μπορεί να κερδίσει αυτό το παιχνίδι. Παίρνεις πίσω το ποντάρισμά σου.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Ποντάρισμα: γράψε έναν ακέραιο από 0 έως όσα λεφτά έχεις, για παράδειγμα 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Αριθμός ρίψεων: γράψε έναν ακέραιο από -32768 έως 32767, για παράδειγμα 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ΣΦΑΛΜΑ! Δεν μπορείς να έχεις αρνητικά λεφτά.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Το Kuvel αντιμετώπισε σφάλμα από το οποίο δεν μπορεί να ανακάμψει και πρέπει να κλείσει.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Ασυμφωνία τύπου: το «%1» δεν είναι αριθμός</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Υπερχείλιση: το %1 δεν χωράει στο εύρος -32768 έως 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Υπερχείλιση: το «%1» είναι πολύ μεγάλος αριθμός</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Υπερχείλιση: το «%1» είναι εκτός του εύρους -32768 έως 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Σφάλμα κινητής υποδιαστολής: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Ζάρια %1 %2 %3 %4 %5 %6. Ρίψη %7. Εσύ %8, υπολογιστής %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Λεφτά %1, ποντάρισμα %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Χρήση: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[επιλογές]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Ορίσματα:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Εμφανίζει βοήθεια για τις επιλογές της γραμμής εντολών.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Εμφανίζει βοήθεια μαζί με τις επιλογές που αφορούν το Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Εμφανίζει πληροφορίες έκδοσης.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει τιμή μετά από «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Μη αναμενόμενη τιμή μετά από «%1».</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Εντάξει</translation>
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
        <translation>Εντάξει</translation>
    </message>
</context>
</TS>
