// The user manual of the help window, in Slovak. Each section's heading is
// framed above and below by a line of hyphens as long as the heading.

#include "ui/help_window.h"

namespace sprig {

namespace {

struct Section {
    const char* heading;
    const char* body;
};

const Section kSections[] = {
    {"Úvod", R"(Sprigwork je pracovný stôl pre Lindenmayerove systémy
(L-systémy). L-systém zapíšete do textového súboru s
príponou .ls a k nemu môžete pridať súbor s nastaveniami
rovnakého mena s príponou .op. Program potom L-systém
krokuje: v každom kroku prepíše celý reťazec naraz podľa
pravidiel (produkcií). Pravidlá môžu byť kontextové,
stochastické aj parametrické a druhá sada pravidiel,
homomorfizmus, môže reťazec ešte raz prepísať tesne pred
kreslením.

Reťazce sa nikdy nedržia v pamäti celé: reťazec každého
kroku sa zapíše do vlastného súboru vedľa súboru L-systému
(meno_000.stt, meno_001.stt, ...), takže môžu narásť ďaleko
nad veľkosť pamäte. Každý reťazec môže korytnačia grafika
nakresliť v 2D na bitovú mapu alebo v 3D ako osvetlené valce
a mnohouholníky. Reťazec ktoréhokoľvek kroku si môžete
uložiť ako súbor .str a neskôr ho znova nakresliť.

Program pracuje v jednom z troch režimov:
  LSR    - len generuje reťazce,
  LSR&D  - generuje reťazce a každý krok aj nakreslí (režim po spustení),
  LSDr   - kreslí reťazec načítaný zo súboru .str.
)"},
    {"Technické požiadavky", R"(Sprigwork beží na Linuxe (napríklad Debian 12) s grafickým
prostredím X11 alebo Wayland. Potrebuje knižnice Qt 6 a
OpenGL 1.1 s knižnicou GLU (na počítači bez grafickej karty
postačí Mesa).

Program spustíte príkazom
  sprigwork [SÚBOR.ls | SÚBOR.str]
Ak zadáte súbor, otvorí sa hneď po spustení ako cez "Otvoriť...";
súbor .str sa otvorí v režime LSDr.

Bez grafického prostredia slúži dávkový príkaz
  sprigwork-batch [--steps N] [--seed S] [--clean] SÚBOR.ls
ktorý urobí to isté ako N+1 stlačení tlačidla ">>" na čerstvo otvorenom
súbore a vypíše informácie o krokoch na štandardný výstup. Voľbou
--mode 'LSR&D' reťazce aj kreslí a obrázok posledného kroku uloží ako .bmp,
voľbou --draw SÚBOR.str nakreslí uložený reťazec. Pri chybe vypíše
hlásenie a skončí s kódom chyby (napríklad 4 pre syntaktickú chybu
v súbore L-systému, 155 pre chybu v súbore nastavení, 20 pri prerušení).
)"},
    {"Ovládanie", R"(Hlavné okno
Hlavné okno má ponuky, štyri záložky s textami a stavový riadok.
Záložky sa objavia po otvorení súboru:
  L-systém    - text súboru L-systému; môžete ho upravovať,
  Nastavenia  - text súboru s nastaveniami; tiež sa dá upravovať,
  Reťazec     - reťazec aktuálneho kroku (len ak je jeho súbor menší
                ako 32 KB),
  Info        - správy a štatistiky krokov (anglicky).
Každý krok číta L-systém a nastavenia z týchto záložiek, nie zo
súborov, takže úprava platí od ďalšieho kroku aj bez uloženia.
Záložky L-systém a Nastavenia majú na okraji čísla riadkov, tak ako ich
počítajú chybové hlásenia, a text je farebný podľa toho, ako ho program
číta: kľúčové slová, časti pravidiel, symboly korytnačky, čísla,
poznámky sivou; čo by program odmietol, je podčiarknuté červenou
vlnovkou. Keď krok skončí syntaktickou chybou na niektorom riadku,
zobrazí sa jeho záložka s označeným riadkom a kurzorom na jeho začiatku;
bublina nad riadkom povie, čo je na ňom zlé. Označenie zmizne pri
ďalšej úprave textu.
Stavový riadok ukazuje počet symbolov reťazca, jeho dĺžku v KB, či je
parametrický, a režim.

Ponuka Súbor
  Otvoriť...            otvorí súbor L-systému (.ls) aj s jeho súborom
                        nastavení (.op), v režime LSDr súbor s reťazcom
                        (.str); zmaže pracovné súbory predošlých krokov,
  Uložiť L-systém       uloží obe záložky do ich súborov,
  Uložiť L-systém ako   uloží ich pod novým menom a začne od kroku 0,
  Uložiť reťazec        skopíruje súbor zobrazeného kroku vedľa neho
                        s príponou .str (napríklad meno_003.str),
  Uložiť reťazec ako    skopíruje ho pod zvoleným menom,
  Koniec                zmaže pracovné súbory krokov a ukončí program.
Ponuka Vlastnosti
  Vlastnosti            okno s voľbami programu (nižšie),
  Farba                 farba kreslenia (na začiatku zelená),
  Farba pozadia         farba pozadia (na začiatku čierna).
Ponuka Okno (aj v oboch oknách s obrázkom)
  Hlavné okno, Obrázok, Ovl. panel a Ovl. kamery ukážu príslušné okno.
  Obrázok je 2D alebo 3D okno podľa toho, ako sa kreslí; v režime LSR
  nie je prístupný.
Ponuka Pomoc
  Pomoc                 toto okno,
  Čo je Sprigwork...    informácie o programe.

Ovládací panel (Ovl.panel)
Malé okno, ktoré zostáva navrchu. Zhora nadol:
  tlačidlo otvorenia súboru, ".ls, .op" (uloží L-systém), ".str" (uloží
  reťazec),
  "<<"        o krok späť (zobrazí už vygenerovaný súbor, nič neprepisuje),
  "Reset"     nasledujúce ">>" začne znova od kroku 0,
  ">>"        o krok dopredu; prvé stlačenie po otvorení ukáže axiómu
              (krok 0); stlačí ho aj kláves Enter kdekoľvek v paneli
              a po každom kroku má ">>" fokus,
  "10 >>"     desať krokov za sebou, každý pol sekundy po predošlom
              (počet sa nastavuje vo Vlastnostiach),
  "Prekresli" nakreslí zobrazený krok znova,
  číslo zobrazeného kroku (žltou),
  tlačidlá režimov "LSR", "LSR&Dr" a "LSDr" (žlté je tlačidlo platného
  režimu) a tlačidlo ukončenia programu.
Kým krok beží, ostatné okná sú neprístupné a okno s priebehom ukazuje
generovanie reťazca a grafickú interpretáciu; tlačidlo "Stop" krok
preruší (aj sériu "10 >>"). Chyba sa ukáže v okne "Error" a zapíše sa
do záložky Info; po stlačení OK sú okná znova prístupné.

Režimy
  LSR     reťazce sa len generujú, okná s obrázkom sa skryjú.
  LSR&D   reťazce sa generujú a kreslia. Prechod z LSR s už
          vygenerovanými krokmi hneď nakreslí zobrazený krok.
  LSDr    zmaže všetky súbory krokov a vyprázdni záložky; potom cez
          Otvoriť... vyberiete súbor .str, ktorý sa nakreslí.
Po odchode z režimu LSDr treba znova otvoriť súbor L-systému.

Okná s obrázkom
2D okno ukazuje bitovú mapu, na ktorú kreslí korytnačka, 3D okno
scénu z valcov a mnohouholníkov. Obe majú ponuku Súbor: "Uložiť
obrázok" uloží obsah okna ako .bmp pod menom L-systému a číslom kroku
(napríklad strom_007.bmp; v režime LSDr pod menom reťazca), "Uložiť
obrázok ako" pod zvoleným menom ako .bmp alebo .png, v 2D okne aj ako
.svg a v 3D okne ako .obj alebo .ply; tie sa zapíšu z reťazca kroku
znova, s oknom priebehu a tlačidlom Stop.

Ovládanie kamery (Ovl. kamery)
Šípky otáčajú kameru okolo scény, ďalšie dve tlačidlá ju približujú a
vzďaľujú, "osi" zapína a vypína osi. Pole "zmena uhlu:" je krok
otáčania v stupňoch, pole "koef. zmeny vzdialenosti:" je násobok
vzdialenosti. Tlačidlá pracujú len pri 3D kreslení. Po každom
nakreslení sa kamera nastaví tak, aby bola vidieť celá scéna.
V 3D okne ťahanie myšou so stlačeným ľavým tlačidlom otáča
scénu za myšou, akoby ste ju držali: každých 10 bodov ťahu je
jeden krok otáčania ("zmena uhlu:") vodorovne alebo zvislo.
Koliesko myši kameru približuje (od seba) a vzďaľuje (k sebe),
jeden zárez ako jedno stlačenie tlačidla. Myš scénu len
prekreslí, reťazec znova nekreslí. Klávesy so šípkami v 3D
okne stlačia tlačidlá so šípkami, klávesy + a - tlačidlá
približovania a vzďaľovania.

Vlastnosti
Okno má záložky "Všeobecné" (symboly ignorované pri testovaní kontextu,
počet krokov tlačidla "10 >>", ktoré záložky zobraziť, zapípanie po
dokončení), "Grafika" (len 2D grafika, symboly E,e ako F,f, umiestnenie
obrázka, dĺžka úsečky, farebný efekt, hrúbka v bodoch) a 3D voľby
(guľové konce úsečiek, aktívna hrúbka, podložka). OK voľby prijme,
Zrušiť ich vráti. Súbor .op môže voľby pre jeden L-systém prepísať.
)"},
    {"Popis súboru pre definíciu L-systému (.ls)", R"(Súbor je textový, po riadkoch. Z každého riadku sa pred
čítaním odstránia medzery; kľúčové slová sa píšu malými
písmenami. Riadok, ktorý nie je žiadnym z nasledujúcich, je
komentár. Riadok môže mať najviac 254 znakov.

  axiom F+F             počiatočný reťazec (krok 0)
  angle 25.7            uhol otáčania v stupňoch (inak 90)
  ignore +-F            symboly, ktoré sa pri testovaní kontextu
                        preskakujú ([ a ] vždy)
  define R=1.456        konštanta: meno sa nahradí hodnotou
  default U(1.67,7)     predvolené parametre symbolu
  homomorphism          pravidlá za týmto riadkom prepíšu reťazec ešte
                        raz pred kreslením
  #...                  pravidlo (produkcia)

Pravidlo má tvar
  #[ľavý kontext <] predchodca[(parametre)] [> pravý kontext]
     [: podmienka] -> [(pravdepodobnosť)] nasledovník
Príklady:
  #F->F[+F]F[-F]F       každé F sa nahradí vetvou
  #A<B->C               B sa zmení na C, ak pred ním stojí A
  #a(t):t>1->(0.5)b(t-1)
                        parametrické a stochastické pravidlo
Nasledovník "*" symbol vymaže. Symbol, na ktorý sa nehodí žiadne
pravidlo, sa prepíše nezmenený. Symbol "%" v reťazci odreže zvyšok
svojej vetvy pred ďalším krokom. Chyba v riadku sa ohlási aj s jeho
číslom.
)"},
    {"Popis súboru s nastaveniami (.op)", R"(Súbor nastavení má rovnaké meno ako súbor L-systému a
príponu .op (strom.ls -> strom.op). Každý riadok obsahuje
jeden kľúč; medzery sa odstránia. Prázdny riadok a riadok
začínajúci "//" sa preskočia, iný riadok je chyba (ohlási sa
s číslom riadku). Voľby platia len pre krok, ktorý ich
načítal; inak platia voľby z okna Vlastnosti.

  draw_dimensions=2 alebo 3          kresliť v 2D alebo v 3D
  segment_active_width=on/off        hrúbka konca úsečky podľa ďalšej
                                     zmeny hrúbky
  width_in_pixels=on/off             hrúbka v bodoch obrazovky
  segment_begin_sphere=on/off        guľa na začiatku úsečky (3D)
  segment_end_sphere=on/off          guľa na konci úsečky (3D)
  draw_ground=on/off                 podložka (3D)
  interpret_EF=on/off                E, e kresliť ako F, f
  differentiate_EF_width=on/off      E hrubšie ako F
  differentiate_EF_color=on/off      E červenou
  width_decrement=číslo              krok symbolu ! bez parametra
  width_increment=číslo              krok symbolu # bez parametra
  distance=číslo                     vzdialenosť kamery (3D)
  translation_x=číslo, translation_y=číslo, translation_z=číslo
                                     posunutie scény (3D)
)"},
    {"Popis súboru s reťazcom", R"(Každý krok sa zapíše do súboru meno_NNN.stt (NNN je číslo
kroku, napr. strom_004.stt); homomorfizmus zapíše
meno_NNN.sth. Tieto pracovné súbory program zmaže pri
otvorení ďalšieho súboru, v režime LSDr a pri ukončení.
Uložený reťazec (.str) je presná kópia súboru kroku a
zostáva na disku.

Súbor s reťazcom má tvar:
  1. riadok: p (parametrický reťazec) alebo n (neparametrický),
  2. riadok: len pri n uhol otáčania v stupňoch, napr. 60.000000,
  ďalší riadok: samotný reťazec v jednom riadku.
Parametre symbolu sa píšu v zátvorkách, oddelené čiarkami, so šiestimi
desatinnými miestami, napr. F(1.000000,2.500000). Symbol môže mať
najviac 20 parametrov.
)"},
    {"Popis symbolov interpretovaných korytnačkou", R"(Korytnačka začína v strede, smeruje nahor, hrúbka je 1 a
farba je farba kreslenia. Parameter v zátvorke mení
predvolený účinok; d je dĺžka kroku krát prvý parameter,
uhol je prvý parameter alebo uhol L-systému.

  F(d,h,f)   posun vpred a čiara; h nastaví hrúbku, f farbu z tabuľky
  f(d)       posun vpred bez čiary
  G(d)       posun vpred a čiara súčasnou hrúbkou a farbou
  g(d)       posun vpred bez čiary
  E, e       ako F, f, ak je to zapnuté vo voľbách; inak nič
  +  -       otočenie doľava / doprava
  &  ^       sklon nadol / nahor (len 3D)
  \  /       natočenie okolo smeru pohybu (len 3D)
  |          otočenie o 180 stupňov
  $          v 2D smer nahor, v 3D vyrovnanie do vodorovnej polohy
  "  '       dĺžka kroku krát 1.1 / 0.9 (alebo krát parameter)
  !  #       hrúbka menšia / väčšia (s parametrom: nastaví hrúbku)
  ;  ,       ďalšia / predošlá farba z tabuľky 16 farieb
  ; , :      s parametrom n (0 až 15) farba n z tabuľky, s tromi
             parametrmi (r,g,b) od 0 po 1 zmiešaná farba
  [  ]       začiatok a koniec vetvy
  {  .  }    začiatok mnohouholníka, jeho vrchol, koniec mnohouholníka
Ostatné symboly korytnačka preskočí.

Tabuľka farieb: 0 čierna, 1 tmavomodrá, 2 modrá, 3 olivová,
4 tmavočervená, 5 fialová, 6 tmavočervená, 7 strieborná, 8 sivá,
9 bledoazúrová, 10 zelená, 11 azúrová, 12 červená, 13 purpurová,
14 žltá, 15 biela.
)"},
    {"Výrazy", R"(Podmienky, pravdepodobnosti a parametre nasledovníkov sú
výrazy s reálnymi číslami. Podmienka platí, ak jej hodnota
nie je 0.

  operátor   význam
  ^          mocnina
  *  /  %    násobenie, delenie, zvyšok po delení
  +  -       sčítanie, odčítanie (na začiatku aj znamienko)
  == (=)     rovná sa
  !=         nerovná sa
  <  >       menší, väčší
  <=  >=     menší alebo rovný, väčší alebo rovný
  !          negácia
  &&         a zároveň
  ||         alebo

  funkcia    význam
  RND(x)     náhodné číslo od 0 po x
  ABS(x)     absolútna hodnota
  SIN(x), COS(x), TAN(x), COTG(x)
             goniometrické funkcie (x v radiánoch)
  EXP(x)     e na x
  LN(x)      prirodzený logaritmus
  SQRT(x)    druhá odmocnina (záporné x dá 0)
  FLOOR(x), CEIL(x), ROUND(x)
             zaokrúhlenie nadol, nahor a k najbližšiemu celému číslu

Delenie nulou alebo logaritmus nekladného čísla je chyba, ktorá krok
zastaví a ohlási sa.
)"},
};

QString framed(const QString& heading)
{
    const QString rule(heading.size(), '-');
    return rule + '\n' + heading + '\n' + rule + '\n';
}

}  // namespace

QString userManual()
{
    QString text;
    for (const Section& section : kSections)
        text += framed(QString::fromUtf8(section.heading)) + '\n' + QString::fromUtf8(section.body) + '\n';
    return text;
}

}  // namespace sprig
