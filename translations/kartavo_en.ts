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
    <name>trainer::Trainer</name>
    <message>
        <source>Figyelmeztetés rossz cserénél</source>
        <translation>Warn before a costly draw</translation>
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
