#pragma once

#include "common/stav.h"
#include "results/tabulka.h"

#include <optional>

// Everything a visit of the results screen decides, in its order: the mark, the log
// record, the score table placed and saved. The screen only shows `tabulka`.
struct navsteva_vysledku_t {
    int znamka = 0;
    bool zaznam_zapsan = false;
    zobrazeni_tabulky_t tabulka;
    ulozeni_tabulky_t ulozeni_tabulky = ulozeni_tabulky_t::nezmenena;
};

navsteva_vysledku_t zpracuj_vysledky(const spolecny_stav_t &stav);

// What the pupil is told when the visit could not keep its result: the log record not
// written, the table not saved, or a damaged table left alone. Empty when all went well.
std::optional<QString> hlaseni_o_ulozeni(const navsteva_vysledku_t &navsteva);
