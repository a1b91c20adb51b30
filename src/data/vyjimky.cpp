#include "data/vyjimky.h"

#include "data/kontejner.h"
#include "data/znacky.h"

bool vyjimky_t::prijme(const QString &normalizovana_veta, int cislo) const
{
    for (const QString &vyjimka : vyjimky) {
        const qsizetype hvezdicka = vyjimka.indexOf(QLatin1Char('*'));
        if (hvezdicka < 0)
            continue;
        if (vyjimka.left(hvezdicka) == normalizovana_veta && cislo_vety(vyjimka) == cislo)
            return true;
    }
    return false;
}

vyjimky_t nacti_vyjimky(const QString &soubor, const QString &cislo_ulohy)
{
    return vyjimky_t{nacti_sekci(soubor, cislo_ulohy).radky};
}
