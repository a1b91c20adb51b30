#pragma once

#include "common/stav.h"
#include "results/tabulka.h"

// Everything a visit of the results screen decides, in its order: the mark, the log
// record, the score table placed and saved. The screen only shows `tabulka`.
struct navsteva_vysledku_t {
    int znamka = 0;
    bool zaznam_zapsan = false;
    zobrazeni_tabulky_t tabulka;
    ulozeni_tabulky_t ulozeni_tabulky = ulozeni_tabulky_t::nezmenena;
};

navsteva_vysledku_t zpracuj_vysledky(const spolecny_stav_t &stav);
