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

std::optional<QString> hlaseni_o_ulozeni(const navsteva_vysledku_t &navsteva)
{
    QStringList vety;
    if (!navsteva.zaznam_zapsan)
        vety.append(QStringLiteral("Výsledok sa nepodarilo zapísať do záznamu pre učiteľa (VYSLEDKY.DAT)."));
    if (navsteva.ulozeni_tabulky == ulozeni_tabulky_t::nelze_zapsat)
        vety.append(QStringLiteral("Výsledok sa nepodarilo zapísať do tabuľky najlepších výsledkov (TAB.DAT)."));
    if (navsteva.ulozeni_tabulky == ulozeni_tabulky_t::poskozena)
        vety.append(QStringLiteral("Časť tabuľky najlepších výsledkov (TAB.DAT) pre toto cvičenie je poškodená, "
                                   "program ju preto nemení."));
    if (navsteva.ulozeni_tabulky == ulozeni_tabulky_t::necitelna)
        vety.append(QStringLiteral("Tabuľku najlepších výsledkov (TAB.DAT) nemožno prečítať, výsledok sa do nej "
                                   "preto nezapísal."));
    if (vety.isEmpty())
        return std::nullopt;
    vety.append(QStringLiteral("Povedz to, prosím, učiteľovi."));
    return vety.join(QLatin1Char('\n'));
}
