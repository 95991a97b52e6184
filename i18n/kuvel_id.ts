<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>A dice game against the computer.</source>
        <translation>Permainan dadu melawan komputer.</translation>
    </message>
    <message>
        <source>An argument is not valid text in this locale.</source>
        <translation>Ada argumen yang bukan teks yang valid di locale ini.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumen tak terduga “%1”.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Die 1</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 1</translation>
    </message>
    <message>
        <source>Die 2</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 2</translation>
    </message>
    <message>
        <source>Die 3</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 3</translation>
    </message>
    <message>
        <source>Die 4</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 4</translation>
    </message>
    <message>
        <source>Die 5</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 5</translation>
    </message>
    <message>
        <source>Die 6</source>
        <extracomment>Read by screen readers for a die; the caption is its face.</extracomment>
        <translation>Dadu 6</translation>
    </message>
    <message>
        <source>Pair</source>
        <extracomment>Combination label, two dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Pasang</translation>
    </message>
    <message>
        <source>Triple</source>
        <extracomment>Combination label, three dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Trio</translation>
    </message>
    <message>
        <source>Quad</source>
        <extracomment>Combination label, four dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuartet</translation>
    </message>
    <message>
        <source>Quint</source>
        <extracomment>Combination label, five dice alike. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuintet</translation>
    </message>
    <message>
        <source>Kuvel</source>
        <extracomment>Combination label, all six dice alike; the game&apos;s name for it. At most 81 pixels wide at 18 pt.</extracomment>
        <translation>Kuvel</translation>
    </message>
    <message>
        <source>Turn</source>
        <extracomment>Title over the turns played; the box beside it covers its right end, so about 48 pixels show at 18 pt.</extracomment>
        <translation>Kali</translation>
    </message>
    <message>
        <source>Points</source>
        <extracomment>Title over the player&apos;s points; the box beside it covers its right end, so about 66 pixels show at 18 pt.</extracomment>
        <translation>Kamu</translation>
    </message>
    <message>
        <source>CPoints</source>
        <extracomment>Title over the computer&apos;s points, short for computer points; about 86 pixels show at 18 pt.</extracomment>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Ready To Go</source>
        <extracomment>Button that plays one turn; wraps onto two lines of at most 97 pixels at 18 pt.</extracomment>
        <translation>Ayo main!</translation>
    </message>
    <message>
        <source>Make a bet before you begin...enter the bet (not more than your money) and the number of turns (1 to 100 or you&apos;ll be in for a long game). Adjust the points the computer gets, click Ready to Go, and you&apos;re off! A kuvel is a 6-of-a-kind, a Quint is a five-of-a-kind, a Quad is a four-of-a-kind...I can&apos;t give too much more away. Just don&apos;t run out of money. Toodles!</source>
        <extracomment>The help text; wraps within 433 by 201 pixels at 13.5 pt.</extracomment>
        <translation>Pasang taruhan dulu sebelum mulai… isi taruhan (maksimal sebanyak uangmu) dan jumlah ronde (1 sampai 100, kalau nggak, bakal lama banget). Atur poin untuk komputer, klik “Ayo main!”, dan mulai deh! Kuvel itu 6 dadu kembar, kuintet itu lima kembar, kuartet itu empat kembar… sisanya rahasia. Pokoknya jangan sampai uangmu habis. Dadah!</translation>
    </message>
    <message>
        <source>Computer points per turn</source>
        <extracomment>Read by screen readers for the option buttons 1 to 100.</extracomment>
        <translation>Poin komputer per ronde</translation>
    </message>
    <message>
        <source>Money</source>
        <extracomment>The player&apos;s money balance. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Uang</translation>
    </message>
    <message>
        <source>Bet</source>
        <extracomment>The stake of the game under way. At most 129 pixels wide at 18 pt.</extracomment>
        <translation>Taruhan</translation>
    </message>
    <message>
        <source>Make a bet</source>
        <extracomment>Button that opens the bet dialog. One line of at most 129 pixels at 18 pt.</extracomment>
        <translation>Bertaruh</translation>
    </message>
    <message>
        <source>Turns played</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Ronde dimainkan</translation>
    </message>
    <message>
        <source>Your points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Poinmu</translation>
    </message>
    <message>
        <source>Computer points</source>
        <extracomment>Read by screen readers for the number shown.</extracomment>
        <translation>Poin komputer</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Amount to Bet</source>
        <extracomment>Starting text of the box for the stake, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Jumlah taruhan</translation>
    </message>
    <message>
        <source>Number of Turns</source>
        <extracomment>Starting text of the box for the number of turns, which the player types over. At most 153 pixels at 13.5 pt.</extracomment>
        <translation>Jumlah ronde</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The bet dialog&apos;s button that takes the bet.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Bet next time - this time I&apos;ll let you see what happens.</source>
        <translation>Lain kali pasang taruhan ya – kali ini kamu lihat saja apa yang terjadi.</translation>
    </message>
    <message>
        <source>Amazing! A kuvel! For your unquestionable luck, I award you 1,296 points!</source>
        <translation>Luar biasa! Kuvel! Buat hokimu yang tak terbantahkan, kamu dapat 1.296 poin!</translation>
    </message>
    <message>
        <source>Wonderful! You must have been lucky to achieve a quint  - I award you 216 points!</source>
        <translation>Hebat! Kamu pasti lagi hoki sampai dapat kuintet – ini 216 poin buatmu!</translation>
    </message>
    <message>
        <source>Nice! A quad! For that I award you 36 points!</source>
        <translation>Mantap! Kuartet! Untuk itu kamu dapat 36 poin!</translation>
    </message>
    <message>
        <source>You not only got a quad, but an extra pair as well! I award you 37 points!</source>
        <translation>Bukan cuma kuartet, ada bonus sepasang juga! Kamu dapat 37 poin!</translation>
    </message>
    <message>
        <source>A Triple isn&apos;t so bad - and it gives you six points as well!</source>
        <translation>Trio lumayan juga – dan kamu dapat enam poin!</translation>
    </message>
    <message>
        <source>A Triple - and do I see another pair? Seven points!</source>
        <translation>Trio – eh, ada sepasang lagi? Tujuh poin!</translation>
    </message>
    <message>
        <source>Two triples - at the same time! I&apos;ll give you 12 points for that!</source>
        <translation>Dua trio – sekaligus! Untuk itu kamu dapat 12 poin!</translation>
    </message>
    <message>
        <source>Three different pairs may not be noteworthy, but it still gives you three points.</source>
        <translation>Tiga pasang berbeda mungkin bukan hal istimewa, tapi tetap dapat tiga poin.</translation>
    </message>
    <message>
        <source>Two pairs...just enough for two points.</source>
        <translation>Dua pasang… pas buat dua poin.</translation>
    </message>
    <message>
        <source>A single pair...could it get any worse? You get a point for that.</source>
        <translation>Cuma sepasang… bisa lebih parah lagi, nggak? Kamu dapat satu poin.</translation>
    </message>
    <message>
        <source>What an exotic rarity! All of your numbers are different - I&apos;ll give you 66 points for that!</source>
        <translation>Langka banget! Semua angka dadumu beda – untuk itu kamu dapat 66 poin!</translation>
    </message>
    <message>
        <source>Well, you won, but the computer didn&apos;t get many points. I&apos;ll give you your bet back, though.</source>
        <translation>Yah, kamu menang, tapi poin komputer nggak banyak. Taruhanmu tetap kukembalikan, kok.</translation>
    </message>
    <message>
        <source>Great! You won! The only problem is that...the computer got SO little points. I&apos;ll give you an extra 5% on your bet, though.</source>
        <translation>Keren! Kamu menang! Masalahnya cuma… poin komputer SEDIKIT BANGET. Tapi kamu tetap dapat bonus 5% dari taruhanmu.</translation>
    </message>
    <message>
        <source>The computer got a few points. However, it was pretty easy, right? You&apos;ll get 25% more.</source>
        <translation>Komputer dapat beberapa poin. Tapi tadi cukup gampang, kan? Kamu dapat 25% lebih.</translation>
    </message>
    <message>
        <source>Apparently, you&apos;ve bested the computer even though they got a deecent amount of points. I award you double your bet back.</source>
        <translation>Ternyata kamu bisa mengalahkan komputer, padahal poinnya lumayan banyak. Taruhanmu kukembalikan dua kali lipat.</translation>
    </message>
    <message>
        <source>They got lots of points, yet you still managed to win! You will get 5 times your bet for that.</source>
        <translation>Poin komputer banyak banget, tapi kamu tetap menang! Untuk itu kamu dapat 5 kali taruhanmu.</translation>
    </message>
    <message>
        <source>If they got that many points, and you still won...I don&apos;t know what to say. Here&apos;s 10 times your bet.</source>
        <translation>Poinnya sebanyak itu dan kamu masih menang… aku sampai nggak tahu harus bilang apa. Nih, 10 kali taruhanmu.</translation>
    </message>
    <message>
        <source>You fought a formidable opponent and won. For this brevity, I award you 15 times your bet!</source>
        <translation>Kamu melawan musuh tangguh dan menang. Atas keberanianmu, kamu dapat 15 kali taruhanmu!</translation>
    </message>
    <message>
        <source>That computer racked up the points ALMOST as fast as you! I award you 25 times your bet.</source>
        <translation>Komputer itu mengumpulkan poin HAMPIR secepat kamu! Kamu dapat 25 kali taruhanmu.</translation>
    </message>
    <message>
        <source>Oh my. How could you win giving them that many points!? I&apos;ll just have to give you 50 times your bet.</source>
        <translation>Astaga. Kok bisa menang padahal kamu kasih komputer poin sebanyak itu!? Terpaksa deh, kamu dapat 50 kali taruhanmu.</translation>
    </message>
    <message>
        <source>I don&apos;t think you survived that.</source>
        <translation>Kayaknya kamu nggak selamat kali ini.</translation>
    </message>
    <message>
        <source>REMEMBER TO BET</source>
        <translation>JANGAN LUPA BERTARUH</translation>
    </message>
    <message>
        <source>REMEMBER TO BID</source>
        <translation>JANGAN LUPA PASANG TARUHAN</translation>
    </message>
    <message>
        <source>You lost! Better luck next time...</source>
        <translation>Kamu kalah! Semoga lain kali lebih hoki…</translation>
    </message>
    <message>
        <source>You and the computer both have 32767 points, the most there are, so nobody can win this game. You get your bet back.</source>
        <translation>Kamu dan komputer sama-sama punya 32767 poin, jumlah paling tinggi, jadi tidak ada yang bisa menang. Taruhanmu dikembalikan.</translation>
    </message>
    <message>
        <source>Amount to Bet: please type a whole number from 0 up to your money, for example 10.</source>
        <translation>Jumlah taruhan: ketik bilangan bulat dari 0 sampai sebanyak uangmu, misalnya 10.</translation>
    </message>
    <message>
        <source>Number of Turns: please type a whole number from -32768 up to 32767, for example 50.</source>
        <translation>Jumlah ronde: ketik bilangan bulat dari -32768 sampai 32767, misalnya 50.</translation>
    </message>
    <message>
        <source>ERROR! You can&apos;t have negative money.</source>
        <translation>ERROR! Uangmu tidak bisa minus.</translation>
    </message>
    <message>
        <source>Kuvel met an error it cannot recover from and has to close.

%1</source>
        <extracomment>%1 is what went wrong: one of the messages starting &quot;Type mismatch&quot;, &quot;Overflow&quot; or &quot;Floating-point error&quot;, or a text from the system</extracomment>
        <translation>Kuvel mengalami error yang tidak bisa dipulihkan dan harus ditutup.

%1</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number</source>
        <extracomment>%1 is the text that was read where a number belongs</extracomment>
        <translation>Tipe tidak cocok: “%1” bukan angka</translation>
    </message>
    <message>
        <source>Overflow: %1 does not fit in -32768 to 32767</source>
        <extracomment>%1 is a number in digits</extracomment>
        <translation>Overflow: %1 tidak muat dalam rentang -32768 sampai 32767</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Overflow: angka “%1” terlalu besar</translation>
    </message>
    <message>
        <source>Overflow: &quot;%1&quot; is outside -32768 to 32767</source>
        <extracomment>%1 is the text that was read</extracomment>
        <translation>Overflow: “%1” di luar rentang -32768 sampai 32767</translation>
    </message>
    <message>
        <source>Floating-point error: %1</source>
        <extracomment>%1 names the calculation, in English</extracomment>
        <translation>Error floating-point: %1</translation>
    </message>
    <message>
        <source>Dice %1 %2 %3 %4 %5 %6. Turn %7. You %8, computer %9.</source>
        <extracomment>Read by screen readers after each turn. %1 to %6 are the dice, %7 the turns played, %8 the player&apos;s points, %9 the computer&apos;s points, all in digits</extracomment>
        <translation>Dadu %1 %2 %3 %4 %5 %6. Ronde %7. Kamu %8, komputer %9.</translation>
    </message>
    <message>
        <source>Money %1, bet %2.</source>
        <extracomment>Read by screen readers after a settled game. %1 is the money, %2 the bet, in digits</extracomment>
        <translation>Uang %1, taruhan %2.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Penggunaan: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opsi]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opsi:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Menampilkan bantuan tentang opsi baris perintah.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Menampilkan bantuan termasuk opsi khusus Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Menampilkan informasi versi.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opsi tidak dikenal “%1”.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opsi tidak dikenal: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Tidak ada nilai setelah “%1”.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nilai tak terduga setelah “%1”.</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>OK</translation>
    </message>
</context>
</TS>
