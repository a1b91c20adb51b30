#include "results/navsteva.h"

#include "results/zaznam.h"
#include "results/znamka.h"

navsteva_vysledku_t zpracuj_vysledky(const spolecny_stav_t &stav)
{
    navsteva_vysledku_t navsteva;
    navsteva.znamka = vrat_znamku(stav);
    navsteva.zaznam_zapsan = uloz_vysledky(stav, navsteva.znamka);
    const vysledek_tabulky_t tabulka = nacti_tabulku(stav, navsteva.znamka);
    navsteva.tabulka = tabulka.zobrazeni;
    navsteva.ulozeni_tabulky = tabulka.ulozeni;
    return navsteva;
}
