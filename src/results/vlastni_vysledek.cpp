#include "results/vlastni_vysledek.h"

#include <algorithm>

QStringList vlastni_vysledek(const spolecny_stav_t &stav, const navsteva_vysledku_t &navsteva)
{
    const int polozek = stav.pocet_spravne + stav.pocet_spatne;
    QString pocty = QStringLiteral("správne %1, nesprávne %2").arg(stav.pocet_spravne).arg(stav.pocet_spatne);
    if (polozek > 0)
        pocty += QStringLiteral(", úspešnosť %1 %").arg(100 * stav.pocet_spravne / polozek);
    if (!stav.vsetko_skontrolovane)
        return {QStringLiteral("Zatiaľ: ") + pocty + u'.',
                QStringLiteral("Cvičenie ešte nie je dokončené, známku dostaneš na jeho konci.")};

    const QString prvni = QStringLiteral("Tvoj výsledok: %1, známka %2.").arg(pocty).arg(navsteva.znamka);
    const auto novy = std::find_if(navsteva.tabulka.begin(), navsteva.tabulka.end(),
                                   [](const radek_zobrazeni_t &r) { return r.cerveny; });
    if (novy != navsteva.tabulka.end())
        return {prvni, QStringLiteral("Si na %1. mieste medzi desiatimi najlepšími.").arg(novy->poradi)};
    if (navsteva.ulozeni_tabulky == ulozeni_tabulky_t::nezmenena)
        return {prvni, QStringLiteral("Tentoraz to na miesto medzi desiatimi najlepšími nestačilo.")};
    return {prvni, QStringLiteral("Do tabuľky najlepších sa výsledok nepodarilo zapísať.")};
}
