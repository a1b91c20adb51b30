#pragma once

#include "common/druhy.h"
#include "data/losovani.h"
#include "exercise/mira_textu.h"
#include "exercise/stranka.h"

class nahoda_t;

// The exercise screen's state that the page layout reads and moves on.
struct stav_cviceni_t {
    losovani_t losovani; // the drawn tasks and pocet_zobrazenych
    druh_t druh = druh_t::vyberovka;
    int limit_diktovani = 100; // plays per sentence of a whole text: 1, 2, 3, or 100
    int pocet_na_strance = 0;  // tasks on the current page
    int dalsi_prvek = 1;       // index of the next input element
    int poloha_x = 46;         // box of the next sentence; the screen sets (46, 87) before a page
    int poloha_y = 87;
};

// Bitmaps a page draws (relative media names), for the screen to load once.
namespace obrazky_stranky
{
extern const QString veta;      // the three-line sentence box
extern const QString kryt_levy; // one-line cover: left, right (transparent), bottom
extern const QString kryt_pravy;
extern const QString kryt_spodni;
extern const QString kryt2_levy; // two-line cover
extern const QString kryt2_pravy;
extern const QString kryt2_spodni;
QString opakovani(int zbyva); // "GRAFIKA/REP_n.BMP", n = 0 … 3
QStringList vsechny();
} // namespace obrazky_stranky

// The right cover pieces are transparent where they have the colour of this pixel.
inline constexpr QPoint klic_kryti(0, 20);

// Sizes of the page's elements. A speaker's hit area stands at the sentence box's left,
// 12 below its top, then 9 higher (one line), 2 higher (two lines) or 8 lower (three);
// the counter picture of a whole text stands at x 22 level with it. Gap boxes, choice
// labels and list entries are one text line high.
namespace rozmery_prvku
{
inline constexpr int repro_sirka = 44;
inline constexpr int repro_vyska = 30;
inline constexpr int repro_y = 12;
inline constexpr int repro_posun[3] = {-9, -2, 8};
inline constexpr int pocitadlo = 21;
inline constexpr int vyska_prvku = 18;
} // namespace rozmery_prvku

// 12 points, or 10 when the text at 12 points is wider than 2.8 box widths.
int velikost_pisma_vety(int sirka_pri_12_bodech);

// Lays out the next page: the tasks after pocet_zobrazenych, until the page is full, ten
// are placed or the exercise ends. Sets dalsi_prvek to 1 and pocet_na_strance to 0 at the
// start; moves poloha_x/poloha_y, and at the end pocet_na_strance and pocet_zobrazenych.
stranka_t zobraz_vybrane_radky(stav_cviceni_t &stav, const sirka_textu_t &sirka, nahoda_t &generator);
// The same with the page font and the program's generator.
stranka_t zobraz_vybrane_radky(stav_cviceni_t &stav);
