<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="hu">
<context>
    <name>Rules</name>
    <message>
        <source>tízes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kettes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hármas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>négyes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ötös</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hatos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hetes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nyolcas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kilences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bubi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dáma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>király</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ász</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>treff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>káró</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kőr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pikk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egy pár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két pár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Színflöss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Póker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flöss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal flöss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semmi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Royal Flös</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flös</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Színflös</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pár</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyeremény</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Strategy</name>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vagy %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nyitott</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belső</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sorba illik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>legalább %1 sorba illik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>legfeljebb %1 sorba illik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csupa magas lap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>legalább %1 magas lappal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magas pár (bubi vagy jobb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alacsony pár (2-estől 10-esig)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pár: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sor vagy jobb (mind az öt lap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Két pár, Drill, Full vagy Póker (a párosított lapok)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lap royal flöshöz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lap színsorhoz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lap színhez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lap sorhoz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy magas lap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 magas lap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy lap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>egy lap: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semmi: mind az öt lap csere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableAnnouncer</name>
    <message>
        <source>Tét %1 Ft, összeg %2 Ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Osztás, %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Újrakezdés, összeg %1 Ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, nyeremény %2 Ft, összeg %3 Ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, nincs nyeremény, összeg %2 Ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Lapok, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyeremények %1 szorzóval. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyert %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableKeys</name>
    <message>
        <source>Tipp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elemzés…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keverés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Csere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beállítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ki&amp;lépés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bekapcsolva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, kikapcsolva</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>board</name>
    <message>
        <source>Keverés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Te lapjaid:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilépés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Csere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összeg:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beállítások</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tét:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sok szerencsét, egy royal flös</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rulettkerék</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zsetonoszlopok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>két dobókocka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>játékgép három hetessel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>royal flös legyezőben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CASINO neonfelirat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kártyaasztal lapokkal és zsetonokkal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jackpot, egy halom érme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jutalomkép, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Összeg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tét</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyereménytábla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>üres kártyahely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, cserére jelölve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. lap, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipp. Mind az öt lapot cseréld.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipp. Tartsd meg ezeket, %1. A többi cserére jelölve.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>controls</name>
    <message>
        <source>mínusz %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. lap, összesen %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 nincs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>media</name>
    <message>
        <source>A játékos adatmappája nem ismert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mappa nem hozható létre: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájl túllépné a megengedett legnagyobb méretet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>betelt a lemezkvóta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájlrendszer csak olvasható</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az eszköz olvasása vagy írása nem sikerült</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a művelet nem engedélyezett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mappa, nem fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>az útvonal egy tagja nem mappa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>túl hosszú fájlnév</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>túl sok szimbolikus hivatkozás az útvonalon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a rendszerben túl sok a nyitott fájl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájl vagy az eszköz foglalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nincs elég memória</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rendszerhiba (hibakód: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a fájl nem olvasható kép</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a kép adatai sérültek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a kép adatai hiányosak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hiányzó vagy olvashatatlan fájl: %1
A program mappája: %2
A program kilép.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>trainer::Trainer</name>
    <message>
        <source>Figyelmeztetés rossz cserénél</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ujra</name>
    <message>
        <source>Igen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elfogyott a pénzed.

Akarod újrakezdeni?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
