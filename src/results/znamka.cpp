#include "results/znamka.h"

#include "common/soubory.h"
#include "results/cisla.h"

#include <cmath>

namespace
{

// Shares come out of a division and bounds out of decimal text: 1 - 7/10 is a hair above
// 30/100. Without this slack a share exactly on a bound could fall between two bands.
constexpr double tolerance = 1e-9;

} // namespace

double podil_spravnych(int spravne, int spatne)
{
    const double celkem = double(spravne) + double(spatne);
    if (celkem <= 0)
        return 0.0;
    return 1.0 - double(spatne) / celkem;
}

int znamka_z_pasem(const QStringList &pasma, double podil)
{
    for (const QString &radek : pasma) {
        const qsizetype a = radek.indexOf(QLatin1Char('|'));
        const qsizetype b = a < 0 ? -1 : radek.indexOf(QLatin1Char('|'), a + 1);
        if (b < 0)
            continue;
        const double dolni = cislo_ze_zacatku(QStringView(radek).left(a)) / 100.0;
        const double horni = cislo_ze_zacatku(QStringView(radek).mid(a + 1, b - a - 1)) / 100.0;
        if (dolni <= podil + tolerance && podil <= horni + tolerance) {
            const double znamka = std::round(cislo_ze_zacatku(QStringView(radek).mid(b + 1)));
            return znamka >= 0 && znamka <= 255 ? int(znamka) : 0;
        }
    }
    return 0;
}

int vrat_znamku(const spolecny_stav_t &stav)
{
    if (!stav.vsetko_skontrolovane)
        return 0;
    if (stav.pocet_spravne + qint64(stav.pocet_spatne) <= 0)
        return 0;
    const auto pasma = nacti_radky_cp1250(spoj_cestu(stav.adresar_dat, QStringLiteral("ZNAMKY.DAT")));
    if (!pasma)
        return 0;
    return znamka_z_pasem(*pasma, podil_spravnych(stav.pocet_spravne, stav.pocet_spatne));
}
