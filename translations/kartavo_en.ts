<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu">
<context>
    <name>CardBackDesign</name>
    <message>
        <source>Standard kék</source>
        <translation>Standard blue</translation>
    </message>
    <message>
        <source>Berakásos</source>
        <translation>Inlaid</translation>
    </message>
    <message>
        <source>Kisfiú</source>
        <translation>Little boy</translation>
    </message>
    <message>
        <source>Kislány</source>
        <translation>Little girl</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>Calling card</translation>
    </message>
</context>
<context>
    <name>Payout</name>
    <message>
        <source>Royal Flös</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Flös</source>
        <translation>Str. Flush</translation>
    </message>
    <message>
        <source>Póker</source>
        <translation>4 of a Kind</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Színflös</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Sor</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>3 of a Kind</translation>
    </message>
    <message>
        <source>Két pár</source>
        <translation>Two Pair</translation>
    </message>
    <message>
        <source>Pár</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>Nyeremény</source>
        <translation>Payout</translation>
    </message>
</context>
<context>
    <name>Paytable</name>
    <message>
        <source>Royal flös</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Flös</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Póker</source>
        <translation>Four of a Kind</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Színflös</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Sor</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Three of a Kind</translation>
    </message>
    <message>
        <source>Két pár</source>
        <translation>Two Pair</translation>
    </message>
    <message>
        <source>Pár: bubi vagy jobb</source>
        <translation>Jacks or Better</translation>
    </message>
    <message>
        <source>Póker: ászok</source>
        <translation>Four Aces</translation>
    </message>
    <message>
        <source>Póker: 2-esek – 4-esek</source>
        <translation>Four 2s – 4s</translation>
    </message>
    <message>
        <source>Póker: 5-ösök – királyok</source>
        <translation>Four 5s – Kings</translation>
    </message>
    <message>
        <source>Póker: ászok 2-es – 4-es kísérővel</source>
        <translation>Four Aces with a 2 – 4</translation>
    </message>
    <message>
        <source>Póker: 2-esek – 4-esek ász – 4-es kísérővel</source>
        <translation>Four 2s – 4s with an Ace – 4</translation>
    </message>
    <message>
        <source>Természetes royal flös</source>
        <translation>Natural Royal Flush</translation>
    </message>
    <message>
        <source>Négy 2-es</source>
        <translation>Four Deuces</translation>
    </message>
    <message>
        <source>Royal flös 2-essel</source>
        <translation>Wild Royal Flush</translation>
    </message>
    <message>
        <source>Royal flös dzsókerrel</source>
        <translation>Wild Royal Flush</translation>
    </message>
    <message>
        <source>Öt egyforma</source>
        <translation>Five of a Kind</translation>
    </message>
    <message>
        <source>Pár: király vagy ász</source>
        <translation>Kings or Better</translation>
    </message>
</context>
<context>
    <name>Paytable file</name>
    <message>
        <source>nagyobb 64 KB-nál</source>
        <translation>larger than 64 KB</translation>
    </message>
    <message>
        <source>kétszer szerepel: %1</source>
        <translation>given twice: %1</translation>
    </message>
    <message>
        <source>%1. oszlop: hibás JSON</source>
        <translation>column %1: not valid JSON</translation>
    </message>
    <message>
        <source>nem JSON objektum</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>ismeretlen tag: %1</source>
        <translation>unknown member: %1</translation>
    </message>
    <message>
        <source>hiányzik: %1</source>
        <translation>missing: %1</translation>
    </message>
    <message>
        <source>nem nyereménytábla: a format nem &quot;%1&quot;</source>
        <translation>not a paytable: the format is not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>version: csak az 1. változatot ismeri ez a program, nem %1</source>
        <translation>version: this program knows version 1 only, not %1</translation>
    </message>
    <message>
        <source>%1: szöveg kell</source>
        <translation>%1: must be a text</translation>
    </message>
    <message>
        <source>name: 1-100 karakter kell, vezérlőjel nélkül</source>
        <translation>name: must be 1-100 characters, without control characters</translation>
    </message>
    <message>
        <source>family: ismeretlen játékcsalád: %1 (ismert: %2)</source>
        <translation>family: unknown family: %1 (known: %2)</translation>
    </message>
    <message>
        <source>%1: JSON objektum kell</source>
        <translation>%1: must be a JSON object</translation>
    </message>
    <message>
        <source>ismeretlen sor: %1 (a %2 sorai: %3)</source>
        <translation>unknown row: %1 (the rows of %2: %3)</translation>
    </message>
    <message>
        <source>%1: egész szám kell 0 és 1000000 között, nem %2</source>
        <translation>%1: must be a whole number from 0 to 1000000, not %2</translation>
    </message>
    <message>
        <source>nem olvasható</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>túl nagy szám: %1</source>
        <translation>number too large: %1</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>tízes</source>
        <translation>ten</translation>
    </message>
    <message>
        <source>kettes</source>
        <translation>two</translation>
    </message>
    <message>
        <source>hármas</source>
        <translation>three</translation>
    </message>
    <message>
        <source>négyes</source>
        <translation>four</translation>
    </message>
    <message>
        <source>ötös</source>
        <translation>five</translation>
    </message>
    <message>
        <source>hatos</source>
        <translation>six</translation>
    </message>
    <message>
        <source>hetes</source>
        <translation>seven</translation>
    </message>
    <message>
        <source>nyolcas</source>
        <translation>eight</translation>
    </message>
    <message>
        <source>kilences</source>
        <translation>nine</translation>
    </message>
    <message>
        <source>bubi</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>dáma</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>király</source>
        <translation>king</translation>
    </message>
    <message>
        <source>ász</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>treff</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>káró</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>kőr</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>pikk</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>Egy pár</source>
        <translation>One Pair</translation>
    </message>
    <message>
        <source>Két pár</source>
        <translation>Two Pair</translation>
    </message>
    <message>
        <source>Drill</source>
        <translation>Three of a Kind</translation>
    </message>
    <message>
        <source>Sor</source>
        <translation>Straight</translation>
    </message>
    <message>
        <source>Színflöss</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Póker</source>
        <translation>Four of a Kind</translation>
    </message>
    <message>
        <source>Flöss</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Royal flöss</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Semmi</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>Royal Flös</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Flös</source>
        <translation>Straight Flush</translation>
    </message>
    <message>
        <source>Színflös</source>
        <translation>Flush</translation>
    </message>
    <message>
        <source>Pár</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>dzsóker</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>Dzsóker</source>
        <translation>Joker</translation>
    </message>
</context>
<context>
    <name>Strategy</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>%1 vagy %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>nyitott</source>
        <translation>open-ended</translation>
    </message>
    <message>
        <source>belső</source>
        <translation>inside</translation>
    </message>
    <message>
        <source>%1 sorba illik</source>
        <translation>fits %1 straights</translation>
    </message>
    <message>
        <source>legalább %1 sorba illik</source>
        <translation>fits at least %1 straights</translation>
    </message>
    <message>
        <source>legfeljebb %1 sorba illik</source>
        <translation>fits at most %1 straights</translation>
    </message>
    <message>
        <source>csupa magas lap</source>
        <translation>all high cards</translation>
    </message>
    <message>
        <source>legalább %1 magas lappal</source>
        <translation>with at least %1 high cards</translation>
    </message>
    <message>
        <source>Magas pár (bubi vagy jobb)</source>
        <translation>High pair (jacks or better)</translation>
    </message>
    <message>
        <source>Alacsony pár (2-estől 10-esig)</source>
        <translation>Low pair (2s to 10s)</translation>
    </message>
    <message>
        <source>Pár: %1</source>
        <translation>Pair: %1</translation>
    </message>
    <message>
        <source>Sor vagy jobb (mind az öt lap)</source>
        <translation>Straight or better (all five cards)</translation>
    </message>
    <message>
        <source>Két pár, Drill, Full vagy Póker (a párosított lapok)</source>
        <translation>Two pair, three of a kind, full house or four of a kind (the paired cards)</translation>
    </message>
    <message>
        <source>%1 lap royal flöshöz</source>
        <translation>%1 to a royal flush</translation>
    </message>
    <message>
        <source>%1 lap színsorhoz</source>
        <translation>%1 to a straight flush</translation>
    </message>
    <message>
        <source>%1 lap színhez</source>
        <translation>%1 to a flush</translation>
    </message>
    <message>
        <source>%1 lap sorhoz</source>
        <translation>%1 to a straight</translation>
    </message>
    <message>
        <source>egy magas lap</source>
        <translation>one high card</translation>
    </message>
    <message>
        <source>%1 magas lap</source>
        <translation>%1 high cards</translation>
    </message>
    <message>
        <source>egy lap</source>
        <translation>one card</translation>
    </message>
    <message>
        <source>egy lap: %1</source>
        <translation>one card: %1</translation>
    </message>
    <message>
        <source>semmi: mind az öt lap csere</source>
        <translation>nothing: draw all five cards</translation>
    </message>
    <message>
        <source>1 sorba illik</source>
        <translation>fits 1 straight</translation>
    </message>
    <message>
        <source>legfeljebb 1 sorba illik</source>
        <translation>fits at most 1 straight</translation>
    </message>
    <message>
        <source>legalább 1 magas lappal</source>
        <translation>with at least 1 high card</translation>
    </message>
    <message>
        <source>2-es</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3-as</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4-es</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5-ös</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6-os</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7-es</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8-as</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9-es</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10-es</source>
        <translation>10</translation>
    </message>
    <message>
        <source>bubi</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>dáma</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>király</source>
        <translation>king</translation>
    </message>
    <message>
        <source>ász</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>2-estől</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3-astól</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4-estől</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5-östől</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6-ostól</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7-estől</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8-astól</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9-estől</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10-estől</source>
        <translation>10</translation>
    </message>
    <message>
        <source>bubitól</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>dámától</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>királytól</source>
        <translation>king</translation>
    </message>
    <message>
        <source>ásztól</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>2-esig</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3-asig</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4-esig</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5-ösig</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6-osig</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7-esig</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8-asig</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9-esig</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10-esig</source>
        <translation>10</translation>
    </message>
    <message>
        <source>bubiig</source>
        <translation>jack</translation>
    </message>
    <message>
        <source>dámáig</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>királyig</source>
        <translation>king</translation>
    </message>
    <message>
        <source>ászig</source>
        <translation>ace</translation>
    </message>
    <message>
        <source>Nincs 2-es</source>
        <translation>No deuce</translation>
    </message>
    <message>
        <source>Egy 2-es</source>
        <translation>One deuce</translation>
    </message>
    <message>
        <source>Két 2-es</source>
        <translation>Two deuces</translation>
    </message>
    <message>
        <source>Három 2-es</source>
        <translation>Three deuces</translation>
    </message>
    <message>
        <source>Négy 2-es</source>
        <translation>Four deuces</translation>
    </message>
    <message>
        <source>Dzsókerrel</source>
        <translation>With the joker</translation>
    </message>
    <message>
        <source>Dzsóker nélkül</source>
        <translation>No joker</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, kísérő: %2</source>
        <translation>%1, kicker: %2</translation>
    </message>
    <message>
        <source>Öt egyforma</source>
        <translation>Five of a kind</translation>
    </message>
    <message>
        <source>Magas pár (király vagy ász)</source>
        <translation>High pair (kings or aces)</translation>
    </message>
    <message>
        <source>Alacsony pár (2-estől dámáig)</source>
        <translation>Low pair (2s to queens)</translation>
    </message>
    <message>
        <source>Drill vagy jobb (a párosított lapok a vadlapokkal)</source>
        <translation>Three of a kind or better (the paired cards with the wild cards)</translation>
    </message>
    <message>
        <source>csak a dzsóker (ha nincs, mind az öt lap csere)</source>
        <translation>the joker alone (none: draw all five)</translation>
    </message>
    <message>
        <source>csak a dzsóker</source>
        <translation>the joker alone</translation>
    </message>
    <message>
        <source>csak a 2-esek (ha nincs, mind az öt lap csere)</source>
        <translation>the deuces alone (none: draw all five)</translation>
    </message>
    <message>
        <source>csak a 2-esek</source>
        <translation>the deuces alone</translation>
    </message>
</context>
<context>
    <name>TableAnnouncer</name>
    <message>
        <source>Tét %1 Ft, összeg %2 Ft</source>
        <translation>Stake %1 Ft, balance %2 Ft</translation>
    </message>
    <message>
        <source>Osztás, %1. %2</source>
        <translation>Deal, %1. %2</translation>
    </message>
    <message>
        <source>Újrakezdés, összeg %1 Ft</source>
        <translation>Fresh start, balance %1 Ft</translation>
    </message>
    <message>
        <source>%1, nyeremény %2 Ft, összeg %3 Ft</source>
        <translation>%1, win %2 Ft, balance %3 Ft</translation>
    </message>
    <message>
        <source>%1, nincs nyeremény, összeg %2 Ft</source>
        <translation>%1, no win, balance %2 Ft</translation>
    </message>
    <message>
        <source>%1. Lapok, %2</source>
        <translation>%1. Cards, %2</translation>
    </message>
    <message>
        <source>Nyeremények %1 szorzóval. %2.</source>
        <translation>Payouts at %1. %2.</translation>
    </message>
    <message>
        <source>Nyert %1.</source>
        <translation>Won %1.</translation>
    </message>
</context>
<context>
    <name>TableKeys</name>
    <message>
        <source>Tipp</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Elemzés…</source>
        <translation>Analysis…</translation>
    </message>
    <message>
        <source>&amp;Keverés</source>
        <translation>&amp;Deal</translation>
    </message>
    <message>
        <source>&amp;Csere</source>
        <translation>D&amp;raw</translation>
    </message>
    <message>
        <source>&amp;Beállítások</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Ki&amp;lépés</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>%1, bekapcsolva</source>
        <translation>%1, on</translation>
    </message>
    <message>
        <source>%1, kikapcsolva</source>
        <translation>%1, off</translation>
    </message>
    <message>
        <source>Gyakorlás…</source>
        <translation>Practice…</translation>
    </message>
    <message>
        <source>Haladás…</source>
        <translation>Progress…</translation>
    </message>
</context>
<context>
    <name>board</name>
    <message>
        <source>Keverés</source>
        <translation>Deal</translation>
    </message>
    <message>
        <source>A Te lapjaid:</source>
        <translation>Your cards:</translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Csere</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Összeg:</source>
        <translation>Balance:</translation>
    </message>
    <message>
        <source>Beállítások</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Tét:</source>
        <translation>Stake:</translation>
    </message>
    <message>
        <source>Sok szerencsét, egy royal flös</source>
        <translation>Good luck, a royal flush</translation>
    </message>
    <message>
        <source>rulettkerék</source>
        <translation>roulette wheel</translation>
    </message>
    <message>
        <source>zsetonoszlopok</source>
        <translation>stacks of chips</translation>
    </message>
    <message>
        <source>két dobókocka</source>
        <translation>two dice</translation>
    </message>
    <message>
        <source>játékgép három hetessel</source>
        <translation>slot machine with three sevens</translation>
    </message>
    <message>
        <source>royal flös legyezőben</source>
        <translation>royal flush fanned out</translation>
    </message>
    <message>
        <source>CASINO neonfelirat</source>
        <translation>CASINO neon sign</translation>
    </message>
    <message>
        <source>kártyaasztal lapokkal és zsetonokkal</source>
        <translation>card table with cards and chips</translation>
    </message>
    <message>
        <source>jackpot, egy halom érme</source>
        <translation>jackpot, a pile of coins</translation>
    </message>
    <message>
        <source>Jutalomkép, %1</source>
        <translation>Reward picture, %1</translation>
    </message>
    <message>
        <source>Összeg</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Tét</source>
        <translation>Stake</translation>
    </message>
    <message>
        <source>Nyereménytábla</source>
        <translation>Payout table</translation>
    </message>
    <message>
        <source>üres kártyahely</source>
        <translation>empty card place</translation>
    </message>
    <message>
        <source>%1, cserére jelölve</source>
        <translation>%1, marked to draw</translation>
    </message>
    <message>
        <source>%1. lap, %2</source>
        <translation>Card %1, %2</translation>
    </message>
    <message>
        <source>Tipp. Mind az öt lapot cseréld.</source>
        <translation>Hint. Draw all five cards.</translation>
    </message>
    <message>
        <source>Tipp. Tartsd meg ezeket, %1. A többi cserére jelölve.</source>
        <translation>Hint. Hold these, %1. The others are marked to draw.</translation>
    </message>
</context>
<context>
    <name>controls</name>
    <message>
        <source>mínusz %1</source>
        <translation>minus %1</translation>
    </message>
    <message>
        <source>%1. lap, összesen %2</source>
        <translation>tab %1 of %2</translation>
    </message>
    <message>
        <source>%1 nincs</source>
        <translation>%1 none</translation>
    </message>
    <message>
        <source>Nyitott ablakok</source>
        <translation>Open windows</translation>
    </message>
</context>
<context>
    <name>kartavo-analyze</name>
    <message>
        <source>kredit</source>
        <translation>credit</translation>
    </message>
    <message>
        <source>pontosan öt lap kell, %1 érkezett: %2</source>
        <translation>exactly five cards are needed, %1 given: %2</translation>
    </message>
    <message>
        <source>ismeretlen lapkód: %1 (rang: 2-9, 0 a tízes, J, Q, K, A; szín: c, d, h, s)</source>
        <translation>unknown card code: %1 (rank: 2-9, 0 for ten, J, Q, K, A; suit: c, d, h, s)</translation>
    </message>
    <message>
        <source>kétszer szerepel ugyanaz a lap: %1</source>
        <translation>the same card is given twice: %1</translation>
    </message>
    <message>
        <source>számolás...</source>
        <translation>calculating...</translation>
    </message>
    <message>
        <source>kész</source>
        <translation>done</translation>
    </message>
    <message>
        <source>visszatérítés a táblázattal: %1</source>
        <translation>return with the chart: %1</translation>
    </message>
    <message>
        <source>visszatérítés tökéletes játékkal: %1</source>
        <translation>return with perfect play: %1</translation>
    </message>
    <message>
        <source>a cél teljesül</source>
        <translation>the goal is met</translation>
    </message>
    <message>
        <source>a cél nem teljesül</source>
        <translation>the goal is not met</translation>
    </message>
    <message>
        <source>a táblázat visszatérítése: %1</source>
        <translation>return of the chart: %1</translation>
    </message>
    <message>
        <source>soronként: a rossz leosztások része, amit a visszatérítésből elvesznek</source>
        <translation>by line: the share of deals it gets wrong, and what they cost the return</translation>
    </message>
    <message>
        <source>%1 százalékpont</source>
        <translation>%1 percentage points</translation>
    </message>
    <message>
        <source>ismeretlen nyelv: %1 (ismert: %2)</source>
        <translation>unknown language: %1 (known: %2)</translation>
    </message>
    <message>
        <source>a %1 után érték kell</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>a szorzó 1, 2, 5 vagy 10 lehet, nem %1</source>
        <translation>the multiplier can be 1, 2, 5 or 10, not %1</translation>
    </message>
    <message>
        <source>ismeretlen kapcsoló: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>a --multiplier csak a játék saját nyereménytáblájával adható meg</source>
        <translation>--multiplier can only be given with the game&apos;s own paytable</translation>
    </message>
    <message>
        <source>a --game, a --strategy és a --chart-hold közül csak egy adható meg</source>
        <translation>only one of --game, --strategy and --chart-hold can be given</translation>
    </message>
    <message>
        <source>a --derive csak a --strategy mellett adható meg</source>
        <translation>--derive can only be given with --strategy</translation>
    </message>
    <message>
        <source>a %1 mellett nincs helye lapoknak: %2</source>
        <translation>%1 takes no cards: %2</translation>
    </message>
    <message>
        <source>Bővebben: kartavo-analyze --help</source>
        <translation>More help: kartavo-analyze --help</translation>
    </message>
    <message>
        <source>%1, tét: %2 %3</source>
        <translation>%1, stake: %2 %3</translation>
    </message>
    <message>
        <source>átlagos nyeremény osztásonként: %1 %2</source>
        <translation>mean win per deal: %1 %2</translation>
    </message>
    <message>
        <source>visszatérítés: %1</source>
        <translation>return: %1</translation>
    </message>
    <message numerus="yes">
        <source>legfeljebb %n sor</source>
        <translation>
            <numerusform>at most %n line</numerusform>
            <numerusform>at most %n lines</numerusform>
        </translation>
    </message>
    <message>
        <source>ebben a játékban nincs dzsóker: %1</source>
        <translation>this game has no joker: %1</translation>
    </message>
    <message>
        <source>ismeretlen nyereménytábla: %1 (ismert: %2, vagy egy nyereménytábla-fájl)</source>
        <translation>unknown paytable: %1 (known: %2, or a paytable file)</translation>
    </message>
    <message>
        <source>a --paytable list mellett nem adható meg más</source>
        <translation>--paytable list takes nothing else</translation>
    </message>
    <message>
        <source>Használat: kartavo-analyze [--multiplier N] [--paytable JÁTÉK] LAPOK
  vagy:  kartavo-analyze --game [--multiplier N] [--paytable JÁTÉK]
  vagy:  kartavo-analyze --strategy [--derive] [--paytable JÁTÉK] [--pdf FÁJL]
  vagy:  kartavo-analyze --chart-hold [--paytable JÁTÉK] [LAPOK]
  vagy:  kartavo-analyze --paytable list
</source>
        <translation>Usage: kartavo-analyze [--multiplier N] [--paytable GAME] CARDS
  or:  kartavo-analyze --game [--multiplier N] [--paytable GAME]
  or:  kartavo-analyze --strategy [--derive] [--paytable GAME] [--pdf FILE]
  or:  kartavo-analyze --chart-hold [--paytable GAME] [CARDS]
  or:  kartavo-analyze --paytable list
</translation>
    </message>
    <message>
        <source>A Kartavo ötlapos pókerének pontos elemzője és stratégiai táblázata.

Öt lapot megadva kiírja a leosztás 32 lehetséges megtartását, a legjobbat elöl:
soronként a megtartott lapokat (&quot;-&quot;, ha mind az öt cserélődik), egy tabulátort és
a várható nyereményt kilenc tizedesjeggyel (a Kartavóban forintban, a kaszinók
játékaiban kreditben).

Lapok:
  rang   2-9, 0 (a tízes), J, Q, K, A
  szín   c (treff), d (káró), h (kőr), s (pikk)

Minden lap a rangja és utána a színe, ahogy a játék a képeit nevezi (As, 0h, 9c);
a dzsóker Jk, csak a Joker Pokerben. A lapokat szóköz választja el, egy
argumentumban vagy ötben.

Játékok:
  kartavo  a Kartavo saját nyereménytáblája (alapból)
  job96    Jacks or Better 9/6
  bp85     Bonus Poker 8/5
  bpd96    Bonus Poker Deluxe 9/6
  db107    Double Bonus 10/7
  ddb96    Double Double Bonus 9/6
  dw       Deuces Wild (a 2-esek vadlapok)
  jokerk   Joker Poker, király vagy jobb pár (53 lap, a dzsóker vadlap)

A kaszinók játékai érménként fizetnek, kreditben; a royal flöshöz 800-at, mint öt
érme tétjével. Bármely más nyereménytábla egy JSON fájlból olvasható (UTF-8,
legfeljebb 64 KB): a &quot;format&quot; &quot;Kartavo paytable&quot;, a &quot;version&quot; 1, a &quot;name&quot; a
játék neve, a &quot;family&quot; a játékcsaládja (jacks-or-better, bonus-poker,
bonus-poker-deluxe, double-bonus, double-double-bonus, deuces-wild, joker-poker), a
&quot;pays&quot; a család minden sorát egyszer adja meg, 0 és 1000000 közötti egész
kreditben. Saját táblázat nélkül a stratégiai táblázatát előbb levezeti (néhány
másodperc).

Kapcsolók:
      --multiplier N    a szorzó: 1, 2, 5 vagy 10 (alapból 1); a tét és a
                        nyeremények vele szorzódnak (csak a Kartavóban)
      --paytable JÁTÉK  a játék neve a fentiek közül, vagy egy
                        nyereménytábla-fájl; list: a beépített játékok, a
                        nevük és a visszatérítésük
      --game            a teljes játék pontos visszatérítése tökéletes játékkal
      --strategy        a stratégiai táblázat: számozott sorai, egy tabulátor és a
                        leosztások része, amelyre a sor érvényes; utána a táblázat
                        és a tökéletes játék visszatérítése
      --derive          a --strategy mellett: a táblázat újra levezetve, minden
                        táblázathossz legjobb visszatérítésével és a sorok árával
      --pdf FÁJL        a --strategy mellett: a táblázat stratégiakártyaként is,
                        egyoldalas PDF-ben (a játék neve, nyereménytáblája, a
                        számozott sorok és a visszatérítések; A4-re és Letterre
                        is), a kiírás nyelvén
      --chart-hold      amit a táblázat megtart, egy tabulátor és az érvényes sor
                        száma; lapok nélkül a szabványos bemenet minden sorára
                        (soronként egy leosztás)
      --language hu|en  a kiírás nyelve, magyar vagy angol; alapból magyar, ha
                        a rendszer nyelve magyar vagy nincs megadva (C, POSIX),
                        különben angol; a számok és a lapok minden nyelven
                        ugyanazok
  -h, --help            ez a súgó
      --version         a program változata

Kilépési érték:
  0   rendben
  1   a stratégiakártya nem írható ki (egy sor mondja meg, miért)
  2   hibás bemenet, amelyet egy sor nevez meg a szabványos hibakimeneten

Példák:
  $ kartavo-analyze &quot;As Ks Qs Js 9h&quot;
  $ kartavo-analyze --multiplier 5 As Ks Qs Js 9h
  $ kartavo-analyze --game --paytable job96
  $ kartavo-analyze --paytable jokerk Jk As Ks 7c 2d
  $ kartavo-analyze --strategy --paytable 8-5-jacks.json
  $ kartavo-analyze --strategy --paytable dw --pdf deuces.pdf
  $ kartavo-analyze --chart-hold &lt; leosztasok.txt
</source>
        <translation>The exact analyzer and strategy chart of Kartavo&apos;s five-card poker.

Given five cards, it prints the 32 possible holds of the deal, best first:
one a line, the cards kept (&quot;-&quot; when all five are drawn), a tab and the
expected win with nine decimals (in forints in Kartavo, in credits in the
casino games).

Cards:
  rank   2-9, 0 (ten), J, Q, K, A
  suit   c (clubs), d (diamonds), h (hearts), s (spades)

Each card is its rank and then its suit, as the game names its pictures
(As, 0h, 9c); the joker is Jk, in Joker Poker only. Spaces separate the
cards, in one argument or in five.

Games:
  kartavo  Kartavo&apos;s own paytable (the default)
  job96    Jacks or Better 9/6
  bp85     Bonus Poker 8/5
  bpd96    Bonus Poker Deluxe 9/6
  db107    Double Bonus 10/7
  ddb96    Double Double Bonus 9/6
  dw       Deuces Wild (the 2s are wild)
  jokerk   Joker Poker, kings or better (53 cards, the joker is wild)

The casino games pay per coin, in credits; the royal flush 800, as with five
coins bet. Any other paytable is read from a JSON file (UTF-8, 64 KB at
most): &quot;format&quot; is &quot;Kartavo paytable&quot;, &quot;version&quot; 1, &quot;name&quot; the game&apos;s name,
&quot;family&quot; its family (jacks-or-better, bonus-poker, bonus-poker-deluxe,
double-bonus, double-double-bonus, deuces-wild, joker-poker), &quot;pays&quot; gives
every row of the family once, in whole credits from 0 to 1000000. Without a
chart of its own, the game&apos;s strategy chart is derived first (some seconds).

Options:
      --multiplier N    the multiplier: 1, 2, 5 or 10 (1 by default); the stake
                        and the wins are multiplied by it (Kartavo only)
      --paytable GAME   the game&apos;s name from those above, or a paytable file;
                        list: the built-in games, their names and their
                        returns
      --game            the exact return of the whole game under perfect play
      --strategy        the strategy chart: its numbered lines, a tab and the
                        share of deals each line applies to; then the return
                        of the chart and of perfect play
      --derive          with --strategy: the chart derived anew, with the best
                        return of every chart length and the cost of each line
      --pdf FILE        with --strategy: the chart also as a strategy card, a
                        one-page PDF (the game&apos;s name, its paytable, the
                        numbered lines and the returns; fits A4 and Letter),
                        in the language of the output
      --chart-hold      what the chart keeps, a tab and the number of the line
                        that applies; without cards, for every line of
                        standard input (one hand a line)
      --language hu|en  the language of the output, Hungarian or English; by
                        default Hungarian where the system&apos;s language is
                        Hungarian or none is set (C, POSIX), else English; the
                        numbers and the cards are the same in every language
  -h, --help            this help
      --version         the program&apos;s version

Exit status:
  0   success
  1   the strategy card cannot be written (one line says why)
  2   bad input, named by one line on standard error

Examples:
  $ kartavo-analyze &quot;As Ks Qs Js 9h&quot;
  $ kartavo-analyze --multiplier 5 As Ks Qs Js 9h
  $ kartavo-analyze --game --paytable job96
  $ kartavo-analyze --paytable jokerk Jk As Ks 7c 2d
  $ kartavo-analyze --strategy --paytable 8-5-jacks.json
  $ kartavo-analyze --strategy --paytable dw --pdf deuces.pdf
  $ kartavo-analyze --chart-hold &lt; hands.txt
</translation>
    </message>
    <message>
        <source>a --pdf csak a --strategy mellett adható meg</source>
        <translation>--pdf is only allowed with --strategy</translation>
    </message>
    <message>
        <source>túl hosszú leosztás: több mint %1 bájt</source>
        <translation>hand too long: more than %1 bytes</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kartavo: nem érhető el a grafikus kijelző (%1)</source>
        <translation>kartavo: the graphical display cannot be reached (%1)</translation>
    </message>
    <message>
        <source>nincs megadva</source>
        <translation>none given</translation>
    </message>
    <message>
        <source>kartavo: hiányzik a Qt „%1” platformbővítménye, ezért nem nyitható meg ablak (QT_QPA_PLATFORM=%2)</source>
        <translation>kartavo: Qt&apos;s platform plugin &quot;%1&quot; is missing, so no window can open (QT_QPA_PLATFORM=%2)</translation>
    </message>
    <message>
        <source>; a Qt üzenete: </source>
        <translation>; Qt says: </translation>
    </message>
    <message>
        <source>kartavo: nincs grafikus kijelző (sem DISPLAY, sem WAYLAND_DISPLAY nincs beállítva); a játék csak asztali környezetben indul.</source>
        <translation>kartavo: no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set); the game starts only in a desktop session.</translation>
    </message>
</context>
<context>
    <name>media</name>
    <message>
        <source>A játékos adatmappája nem ismert.</source>
        <translation>The player&apos;s data folder is not known.</translation>
    </message>
    <message>
        <source>A mappa nem hozható létre: %1</source>
        <translation>The folder cannot be created: %1</translation>
    </message>
    <message>
        <source>a fájl túllépné a megengedett legnagyobb méretet</source>
        <translation>the file would exceed the largest size allowed</translation>
    </message>
    <message>
        <source>betelt a lemezkvóta</source>
        <translation>the disk quota is full</translation>
    </message>
    <message>
        <source>a fájlrendszer csak olvasható</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>az eszköz olvasása vagy írása nem sikerült</source>
        <translation>reading or writing the device failed</translation>
    </message>
    <message>
        <source>a művelet nem engedélyezett</source>
        <translation>the operation is not permitted</translation>
    </message>
    <message>
        <source>mappa, nem fájl</source>
        <translation>a folder, not a file</translation>
    </message>
    <message>
        <source>az útvonal egy tagja nem mappa</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>túl hosszú fájlnév</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>túl sok szimbolikus hivatkozás az útvonalon</source>
        <translation>too many symbolic links in the path</translation>
    </message>
    <message>
        <source>a rendszerben túl sok a nyitott fájl</source>
        <translation>too many files are open in the system</translation>
    </message>
    <message>
        <source>a fájl vagy az eszköz foglalt</source>
        <translation>the file or the device is busy</translation>
    </message>
    <message>
        <source>nincs elég memória</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>rendszerhiba (hibakód: %1)</source>
        <translation>system error (code %1)</translation>
    </message>
    <message>
        <source>a fájl nem olvasható kép</source>
        <translation>the file is not a readable picture</translation>
    </message>
    <message>
        <source>a kép adatai sérültek</source>
        <translation>the picture&apos;s data is damaged</translation>
    </message>
    <message>
        <source>a kép adatai hiányosak</source>
        <translation>the picture&apos;s data is incomplete</translation>
    </message>
    <message>
        <source>Hiányzó vagy olvashatatlan fájl: %1
A program mappája: %2
A program kilép.</source>
        <translation>Missing or unreadable file: %1
Program folder: %2
The program ends.</translation>
    </message>
</context>
<context>
    <name>options</name>
    <message>
        <source>A Keverés gombra kattintva öt lapot oszt nekünk a program.</source>
        <translation>Click Deal and the program deals you five cards.</translation>
    </message>
    <message>
        <source>Ezután az egérrel kijelölhetjük azokat a lapokat, amelyeket cserélni akarunk, majd a Csere gombra kattintva ez meg is történik.</source>
        <translation>Then use the mouse to mark the cards you want to replace, and click Draw to replace them.</translation>
    </message>
    <message>
        <source>A x1  x2  x5  x10  gombok valamelyikére kattintva a nyeremények összege ennyiszeresére növelhető. Természetesen ekkor a tét összege is ennyiszeres lesz!</source>
        <translation>Click one of the x1  x2  x5  x10  buttons to multiply your winnings by that much. Of course, your stake is then multiplied by the same amount!</translation>
    </message>
    <message>
        <source>A szorzók módosítása is pénzbe kerül, ára az alaptét összege. Ez kizárólag osztás után és csere előtt tehetjük meg, hiszen tulajdonképpen ezzel licitálunk a leosztott lapokra.</source>
        <translation>Changing the multiplier costs money too, the amount of the base stake. You can only do this after the deal and before the draw, since in effect you are betting on the cards you have been dealt.</translation>
    </message>
    <message>
        <source>Hátlap választás</source>
        <translation>Card back</translation>
    </message>
    <message>
        <source>Irányítás</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Játékszabályok</source>
        <translation>Game rules</translation>
    </message>
    <message>
        <source>Egyéb beállítások</source>
        <translation>Other options</translation>
    </message>
    <message>
        <source>Névjegy</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Ez a program szerzői jogi védelem alatt áll. Engedély nélküli másolása, terjesztése vagy módosítása tilos, és jogi következményekkel járhat.</source>
        <translation>This program is protected by copyright. Copying, distributing or modifying it without permission is prohibited and may have legal consequences.</translation>
    </message>
    <message>
        <source>Lehetséges kombinációk</source>
        <translation>Winning hands</translation>
    </message>
    <message>
        <source>Royal flös</source>
        <translation>Royal Flush</translation>
    </message>
    <message>
        <source>Hang</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Zene</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Effektek</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Minden jog fenntartva.</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>Mégsem</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>kiválasztva</source>
        <translation>selected</translation>
    </message>
    <message>
        <source>Beállítások</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>A kombináció képe</source>
        <translation>Picture of the hand</translation>
    </message>
    <message>
        <source>Két ász</source>
        <translation>Two aces</translation>
    </message>
    <message>
        <source>Morvane felirat</source>
        <translation>Morvane lettering</translation>
    </message>
    <message>
        <source>Hátlap, %1</source>
        <translation>Card back, %1</translation>
    </message>
    <message>
        <source>Kattints valamelyik hátlapra!</source>
        <translation>Click a card back!</translation>
    </message>
    <message>
        <source>Kattints valamelyik kombinációra!</source>
        <translation>Click a hand!</translation>
    </message>
    <message>
        <source>Kapcsolat: %1</source>
        <translation>Contact: %1</translation>
    </message>
    <message>
        <source>a kép mérete %1 × %2 képpont, nem 71 × 96</source>
        <translation>the picture is %1 × %2 pixels, not 71 × 96</translation>
    </message>
    <message>
        <source>A hátlapot nem sikerült menteni.
%1 → %2
%3</source>
        <translation>The card back could not be saved.
%1 → %2
%3</translation>
    </message>
</context>
<context>
    <name>printing::GameCard</name>
    <message>
        <source>Kifizetési tábla (kredit érménként)</source>
        <translation>Paytable (credits per coin)</translation>
    </message>
    <message>
        <source>Kifizetési tábla (x 1, minden illő sor fizet)</source>
        <translation>Paytable (x 1, every row the hand makes pays)</translation>
    </message>
    <message>
        <source>A táblázat szerint: %1</source>
        <translation>By the chart: %1</translation>
    </message>
    <message>
        <source>Tökéletes játékkal: %1</source>
        <translation>With perfect play: %1</translation>
    </message>
    <message>
        <source>Tartsd meg, amit az első illő sor mond</source>
        <translation>Keep what the first line that fits says</translation>
    </message>
    <message>
        <source>a mappa nem létezik</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>nincs jog írni oda</source>
        <translation>there is no right to write there</translation>
    </message>
    <message>
        <source>ez egy mappa neve</source>
        <translation>that is the name of a folder</translation>
    </message>
    <message>
        <source>az írás nem sikerült (betelt a lemez?)</source>
        <translation>writing failed (is the disk full?)</translation>
    </message>
    <message>
        <source>A stratégiakártya nem menthető ide: %1: %2.</source>
        <translation>The strategy card cannot be saved here: %1: %2.</translation>
    </message>
</context>
<context>
    <name>trainer::AnalysisWindow</name>
    <message>
        <source>Leosztás</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Játékmenet</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Stratégiai táblázat</source>
        <translation>Strategy chart</translation>
    </message>
    <message>
        <source>Az asztalon lévő leosztás</source>
        <translation>The hand on the table</translation>
    </message>
    <message>
        <source>A játékmenet eddig</source>
        <translation>The session so far</translation>
    </message>
    <message>
        <source>Az összeg osztásról osztásra</source>
        <translation>Balance deal by deal</translation>
    </message>
    <message>
        <source>Osztások</source>
        <translation>Deals</translation>
    </message>
    <message>
        <source>Cserék</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>Összes tét</source>
        <translation>Total stakes</translation>
    </message>
    <message>
        <source>Összes nyeremény</source>
        <translation>Total winnings</translation>
    </message>
    <message>
        <source>Nettó eredmény</source>
        <translation>Net result</translation>
    </message>
    <message>
        <source>Visszatérítés eddig</source>
        <translation>Return so far</translation>
    </message>
    <message>
        <source>Tökéletes játékkal</source>
        <translation>With perfect play</translation>
    </message>
    <message>
        <source>Nem a legjobb csere</source>
        <translation>Not the best hold</translation>
    </message>
    <message>
        <source>Ezek ára (várható)</source>
        <translation>Their cost (expected)</translation>
    </message>
    <message>
        <source>Elemzés</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Az elemzés lapjai</source>
        <translation>Analysis pages</translation>
    </message>
    <message>
        <source>Megtartott lapok</source>
        <translation>Cards held</translation>
    </message>
    <message>
        <source>Várható nyeremény</source>
        <translation>Expected win</translation>
    </message>
    <message>
        <source>Cserék a legjobbtól</source>
        <translation>Holds, best first</translation>
    </message>
    <message>
        <source>A játékmenet számai</source>
        <translation>Session figures</translation>
    </message>
    <message>
        <source>Végső lapok</source>
        <translation>Final hands</translation>
    </message>
    <message>
        <source>Tartsd meg, ami az első illő sor szerint</source>
        <translation>Hold what the first matching line says</translation>
    </message>
    <message>
        <source>Gyakoriság</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Az összeg alakulása</source>
        <translation>Balance over the session</translation>
    </message>
    <message>
        <source>A csere értékelése</source>
        <translation>Verdict on your hold</translation>
    </message>
    <message>
        <source>A táblázat szerint</source>
        <translation>By the chart</translation>
    </message>
    <message>
        <source>Még nincs osztás: a Keverés oszt öt lapot.</source>
        <translation>No hand yet: Deal gives you five cards.</translation>
    </message>
    <message>
        <source>Még nincs osztás. A Keverés oszt öt lapot.</source>
        <translation>No hand yet. Deal gives you five cards.</translation>
    </message>
    <message>
        <source>Osztás: %1   (szorzó: x %2)</source>
        <translation>Dealt: %1   (multiplier: x %2)</translation>
    </message>
    <message>
        <source>Osztás, %1, szorzó x %2</source>
        <translation>Dealt, %1, multiplier x %2</translation>
    </message>
    <message>
        <source>%1   ◀ a te cseréd</source>
        <translation>%1   ◀ your hold</translation>
    </message>
    <message>
        <source>%1, a te cseréd</source>
        <translation>%1, your hold</translation>
    </message>
    <message>
        <source>A Csere után itt áll, mennyit ért a cseréd.</source>
        <translation>After Draw, this shows what your hold was worth.</translation>
    </message>
    <message>
        <source>A te cseréd: %1, várható nyeremény %2.
</source>
        <translation>Your hold: %1, expected win %2.
</translation>
    </message>
    <message>
        <source>A te cseréd, %1, várható nyeremény %2. </source>
        <translation>Your hold, %1, expected win %2. </translation>
    </message>
    <message>
        <source>Ez volt a legjobb csere. Szép játék!</source>
        <translation>That was the best hold. Well played!</translation>
    </message>
    <message>
        <source>A legjobb csere: %1, várható nyeremény %2.
</source>
        <translation>Best hold: %1, expected win %2.
</translation>
    </message>
    <message>
        <source>A legjobb csere kevesebb mint %1-tal többet ért.</source>
        <translation>The best hold was worth less than %1 more.</translation>
    </message>
    <message>
        <source>A legjobb csere %1-tal többet ért.</source>
        <translation>The best hold was worth %1 more.</translation>
    </message>
    <message>
        <source>A legjobb csere, %1, várható nyeremény %2. </source>
        <translation>Best hold, %1, expected win %2. </translation>
    </message>
    <message>
        <source>A legjobb csere kevesebb mint %1tal többet ért.</source>
        <translation>The best hold was worth less than %1 more.</translation>
    </message>
    <message>
        <source>A legjobb csere %1tal többet ért.</source>
        <translation>The best hold was worth %1 more.</translation>
    </message>
    <message>
        <source>számolás…</source>
        <translation>calculating…</translation>
    </message>
    <message>
        <source>A táblázat szerinti játék visszatérítése: számolás…</source>
        <translation>Return when played by the chart: calculating…</translation>
    </message>
    <message>
        <source>A táblázat szerinti játék visszatérítése: %1 (tökéletes játékkal: %2).</source>
        <translation>Return when played by the chart: %1 (with perfect play: %2).</translation>
    </message>
    <message>
        <source>Erre a leosztásra a %1. sor illik (%2): %3.</source>
        <translation>Line %1 fits this hand (%2): %3.</translation>
    </message>
    <message>
        <source>Erre a leosztásra a %1. sor illik, %2, %3.</source>
        <translation>Line %1 fits this hand, %2, %3.</translation>
    </message>
    <message>
        <source>
A cseréd eltért tőle: %1. A táblázat ezt mondta volna: %2.</source>
        <translation>
Your hold differed: %1. The chart would have said: %2.</translation>
    </message>
    <message>
        <source> A cseréd eltért tőle, %1.</source>
        <translation> Your hold differed, %1.</translation>
    </message>
    <message>
        <source>
A cseréd ezt követte.</source>
        <translation>
Your hold followed it.</translation>
    </message>
    <message>
        <source> A cseréd ezt követte.</source>
        <translation> Your hold followed it.</translation>
    </message>
</context>
<context>
    <name>trainer::BalanceChart</name>
    <message>
        <source>Még nem volt osztás.</source>
        <translation>No deals yet.</translation>
    </message>
    <message>
        <source>%1 osztás. Most %2, legkevesebb %3, legtöbb %4. Kezdő összeg %5.</source>
        <translation>Deals played %1. Now %2, lowest %3, highest %4. Starting balance %5.</translation>
    </message>
    <message>
        <source>kezdő összeg</source>
        <translation>starting balance</translation>
    </message>
    <message>
        <source>osztás</source>
        <translation>deals</translation>
    </message>
</context>
<context>
    <name>trainer::ChartWindow</name>
    <message>
        <source>Kifizetési tábla</source>
        <translation>Paytable</translation>
    </message>
    <message>
        <source>&amp;Stratégiakártya…</source>
        <translation>&amp;Strategy card…</translation>
    </message>
    <message>
        <source>Stratégiai táblázat: tartsd meg, amit az első illő sor mond</source>
        <translation>Strategy chart: keep what the first line that fits says</translation>
    </message>
    <message>
        <source>Stratégia</source>
        <translation>Strategy</translation>
    </message>
    <message>
        <source>Kéz</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>Fizet</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Sor</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Gyakoriság</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Stratégiai táblázat</source>
        <translation>Strategy chart</translation>
    </message>
    <message>
        <source>A táblázat számolása</source>
        <translation>Working out the chart</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Kifizetési tábla (kredit érménként)</source>
        <translation>Paytable (credits per coin)</translation>
    </message>
    <message>
        <source>Kifizetési tábla (x 1, minden illő sor fizet)</source>
        <translation>Paytable (x 1, every row the hand makes pays)</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>számolás…</source>
        <translation>calculating…</translation>
    </message>
    <message>
        <source>A táblázat szerinti játék visszatérítése: %1
Tökéletes játékkal: %2</source>
        <translation>Return when playing by the chart: %1
With perfect play: %2</translation>
    </message>
    <message>
        <source>A táblázat levezetése folyik: a program a játék minden leosztásából választja ki a legjobb sorokat.</source>
        <translation>Deriving the chart: the program chooses the best lines from every deal of the game.</translation>
    </message>
    <message>
        <source>A táblázat pontos árának számolása…</source>
        <translation>Working out the chart&apos;s exact return…</translation>
    </message>
    <message numerus="yes">
        <source>%n sor.</source>
        <translation>
            <numerusform>%n line.</numerusform>
            <numerusform>%n lines.</numerusform>
        </translation>
    </message>
    <message>
        <source>Stratégiakártya mentése</source>
        <translation>Save the strategy card</translation>
    </message>
    <message>
        <source>strategia-%1.pdf</source>
        <translation>strategy-%1.pdf</translation>
    </message>
    <message>
        <source>PDF-dokumentum (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>A stratégiakártya elmentve: %1</source>
        <translation>The strategy card is saved: %1</translation>
    </message>
    <message>
        <source>A táblázat szerinti játék visszatérítése %1, tökéletes játékkal %2.</source>
        <translation>Return when playing by the chart %1, with perfect play %2.</translation>
    </message>
</context>
<context>
    <name>trainer::ExchangeWarning</name>
    <message>
        <source>Csere így is</source>
        <translation>Draw anyway</translation>
    </message>
    <message>
        <source>Vissza</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>trainer::GameChoice</name>
    <message>
        <source>Nincs ilyen játék.</source>
        <translation>There is no such game.</translation>
    </message>
    <message>
        <source>%1: a fájl kifizetési táblája megváltozott, ezért kikerül a listából. Nyisd meg újra, ha így játszanád.</source>
        <translation>%1: the file&apos;s paytable has changed, so it leaves the list. Open it again if you want to play it so.</translation>
    </message>
</context>
<context>
    <name>trainer::PracticeWindow</name>
    <message>
        <source>Mit oszt:</source>
        <translation>Deal:</translation>
    </message>
    <message>
        <source>Sor:</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>Gyakorló leosztás</source>
        <translation>Practice hand</translation>
    </message>
    <message>
        <source>Ellenőrzés</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Következő</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Vegyes</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Egy sor</source>
        <translation>One line</translation>
    </message>
    <message>
        <source>A gyengéim</source>
        <translation>My weak spots</translation>
    </message>
    <message>
        <source>Hibáim</source>
        <translation>My mistakes</translation>
    </message>
    <message>
        <source>Gyakorlás</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Mit oszt</source>
        <translation>What to deal</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>A táblázat sora</source>
        <translation>Strategy line</translation>
    </message>
    <message>
        <source>Még kevés a hibád ahhoz, hogy látsszon, mi megy nehezen, ezért vegyes leosztás jön.</source>
        <translation>Too few mistakes yet to show your weak spots, so here is a mixed hand.</translation>
    </message>
    <message>
        <source>Még nincs elrontott leosztásod, ezért vegyes leosztás jön.</source>
        <translation>No mistaken hands yet, so here is a mixed hand.</translation>
    </message>
    <message>
        <source>Jelöld meg a cserélendő lapokat (kattintás vagy 1–5), aztán Ellenőrzés (Enter).</source>
        <translation>Mark the cards to discard (click or 1–5), then Check (Enter).</translation>
    </message>
    <message>
        <source>Az ellenőrzés eredménye</source>
        <translation>The verdict</translation>
    </message>
    <message>
        <source>Új leosztás, %1.</source>
        <translation>New hand, %1.</translation>
    </message>
    <message>
        <source>%1. lap, %2, cserére jelölve</source>
        <translation>Card %1, %2, marked to discard</translation>
    </message>
    <message>
        <source>%1. lap, %2</source>
        <translation>Card %1, %2</translation>
    </message>
    <message>
        <source>Helyes, ez a legjobb csere.</source>
        <translation>Correct, that is the best hold.</translation>
    </message>
    <message>
        <source>Nem ez a legjobb csere.</source>
        <translation>Not the best hold.</translation>
    </message>
    <message>
        <source>A te cseréd: %1, várható nyeremény %2.</source>
        <translation>Your hold: %1, expected win %2.</translation>
    </message>
    <message>
        <source>A te cseréd, %1, várható nyeremény %2.</source>
        <translation>Your hold, %1, expected win %2.</translation>
    </message>
    <message>
        <source>A legjobb csere: %1, várható nyeremény %2.</source>
        <translation>Best hold: %1, expected win %2.</translation>
    </message>
    <message>
        <source>A legjobb csere, %1, várható nyeremény %2.</source>
        <translation>Best hold, %1, expected win %2.</translation>
    </message>
    <message>
        <source>A táblázat %1. sora illik rá (%2): %3.</source>
        <translation>Strategy line %1 applies (%2): %3.</translation>
    </message>
    <message>
        <source>A táblázat %1. sora illik rá, %2, %3.</source>
        <translation>Strategy line %1 applies, %2, %3.</translation>
    </message>
    <message>
        <source>A táblázatot követted.</source>
        <translation>You followed the strategy.</translation>
    </message>
    <message>
        <source>Nem a táblázat szerint cseréltél.</source>
        <translation>You did not follow the strategy.</translation>
    </message>
    <message numerus="yes">
        <source>Ebben a gyakorlásban %n leosztás, ebből %1 helyes.</source>
        <translation>
            <numerusform>%n hand this session, %1 correct.</numerusform>
            <numerusform>%n hands this session, %1 correct.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Játék:</source>
        <translation>&amp;Game:</translation>
    </message>
    <message>
        <source>&amp;Táblázat…</source>
        <translation>&amp;Chart…</translation>
    </message>
    <message>
        <source>Játék</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>A stratégiai táblázat levezetése</source>
        <translation>Deriving the strategy chart</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Saját kifizetési tábla…</source>
        <translation>Own paytable…</translation>
    </message>
    <message>
        <source>Kifizetési tábla megnyitása</source>
        <translation>Open a paytable</translation>
    </message>
    <message>
        <source>Kifizetési táblák (*.json);;Minden fájl (*)</source>
        <translation>Paytables (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>A(z) %1 stratégiai táblázatát most vezeti le a program; néhány másodperc, és jöhet az első leosztás.</source>
        <translation>The program is deriving the strategy chart of %1; a few seconds, and the first hand comes.</translation>
    </message>
</context>
<context>
    <name>trainer::ProgressStore</name>
    <message>
        <source>A haladás fájlja nem olvasható: %1 (%2). A haladás most nem marad meg.</source>
        <translation>The progress file cannot be read: %1 (%2). Progress is not saved this time.</translation>
    </message>
    <message>
        <source>A haladás fájlja sérült vagy nem ennek a programnak a fájlja: %1. Félretéve %2 néven, a haladás elölről indul.</source>
        <translation>The progress file is damaged or not this program&apos;s: %1. It was kept as %2, and progress starts over.</translation>
    </message>
    <message>
        <source>A haladás fájlja sérült vagy nem ennek a programnak a fájlja: %1. Nem tehető félre, ezért a haladás most nem marad meg.</source>
        <translation>The progress file is damaged or not this program&apos;s: %1. It cannot be set aside, so progress is not saved this time.</translation>
    </message>
    <message>
        <source>a játékos adatmappája nem ismert</source>
        <translation>the player&apos;s data folder is unknown</translation>
    </message>
    <message>
        <source>a mappa nem hozható létre: %1</source>
        <translation>the folder cannot be created: %1</translation>
    </message>
    <message>
        <source>A haladás nem marad meg, mert a fájlja nem írható: %1 (%2).</source>
        <translation>Progress is not saved because its file cannot be written: %1 (%2).</translation>
    </message>
    <message>
        <source>A haladás fájlja túl nagy, több mint %1 MB: %2. Félretéve %3 néven, a haladás elölről indul.</source>
        <translation>The progress file is too large, more than %1 MB: %2. It was kept as %3, and progress starts over.</translation>
    </message>
    <message>
        <source>A haladás fájlja túl nagy, több mint %1 MB: %2. Nem tehető félre, ezért a haladás most nem marad meg.</source>
        <translation>The progress file is too large, more than %1 MB: %2. It cannot be set aside, so progress is not saved this time.</translation>
    </message>
    <message>
        <source>több mint %1 MB lenne</source>
        <translation>it would be more than %1 MB</translation>
    </message>
</context>
<context>
    <name>trainer::ProgressWindow</name>
    <message>
        <source>A táblázat sorai szerint</source>
        <translation>By strategy line</translation>
    </message>
    <message>
        <source>Költség 100 leosztásonként, naponta (Ft, x 1)</source>
        <translation>Cost per 100 hands, day by day (Ft, x 1)</translation>
    </message>
    <message>
        <source>Törlés</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Sor</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Leosztás</source>
        <translation>Hands</translation>
    </message>
    <message>
        <source>Helyes</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Ár/100</source>
        <translation>Cost/100</translation>
    </message>
    <message>
        <source>7 nap</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>Haladás</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Költség 100 leosztásonként, naponta</source>
        <translation>Cost per 100 hands, day by day</translation>
    </message>
    <message>
        <source>Összesen</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Ma %1 100 leosztásonként.</source>
        <translation>Today %1 per 100 hands.</translation>
    </message>
    <message>
        <source>Ma még nincs leosztás.</source>
        <translation>No hands yet today.</translation>
    </message>
    <message>
        <source>A haladás fájlja: %1</source>
        <translation>Progress file: %1</translation>
    </message>
    <message>
        <source>A haladás nem marad meg (a fájl: %1).</source>
        <translation>Progress is not being saved (file: %1).</translation>
    </message>
    <message>
        <source>A haladás fájlja, %1</source>
        <translation>Progress file, %1</translation>
    </message>
    <message>
        <source>A haladás nem marad meg, a fájl %1</source>
        <translation>Progress is not being saved, the file is %1</translation>
    </message>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>&amp;Játék:</source>
        <translation>&amp;Game:</translation>
    </message>
    <message>
        <source>Játék</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Költség 100 leosztásonként, naponta (kredit)</source>
        <translation>Cost per 100 hands, by day (credits)</translation>
    </message>
    <message>
        <source>Törlöd ennek a játéknak az eddigi haladását: %1? Minden sor számai és a hibáid elvesznek, és elölről kezdődik.</source>
        <translation>Delete your progress so far in this game: %1? Every line&apos;s figures and your mistakes are lost, and it starts over.</translation>
    </message>
</context>
<context>
    <name>trainer::Trainer</name>
    <message>
        <source>Figyelmeztetés rossz cserénél</source>
        <translation>Warn before a costly draw</translation>
    </message>
    <message>
        <source>Haladás</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>cseréld mind az öt lapot</source>
        <translation>draw all five cards</translation>
    </message>
    <message>
        <source>tartsd meg: %1</source>
        <translation>hold %1</translation>
    </message>
    <message>
        <source>Ez a csere várhatóan %1-tal kevesebbet ér a legjobbnál.
A legjobb: %2.</source>
        <translation>This hold is expected to win %1 less than the best.
Best: %2.</translation>
    </message>
    <message>
        <source>Ez a csere várhatóan %1tal kevesebbet ér a legjobbnál. A legjobb csere, %2.</source>
        <translation>This hold is expected to win %1 less than the best. The best hold, %2.</translation>
    </message>
</context>
<context>
    <name>trainer::Words</name>
    <message>
        <source>%1 forint</source>
        <translation>%1 forints</translation>
    </message>
    <message>
        <source>%1 kredit</source>
        <translation>%1 credits</translation>
    </message>
    <message>
        <source>mind az öt lap csere</source>
        <translation>draw all five</translation>
    </message>
    <message>
        <source>megtartva %1</source>
        <translation>keeping %1</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
</context>
<context>
    <name>ujra</name>
    <message>
        <source>Igen</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nem</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Elfogyott a pénzed.

Akarod újrakezdeni?</source>
        <translation>You are out of money.

Start again?</translation>
    </message>
</context>
</TS>
