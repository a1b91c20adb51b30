#include "exercise/obrazky_cviceni.h"

#include "exercise/kontrola.h"
#include "exercise/rozvrzeni.h"

namespace obrazky_cviceni
{
const QString pozadi = QStringLiteral("GRAFIKA/BG.BMP");
const QString pokracuj = QStringLiteral("GRAFIKA/POKRACUJ.BMP");
const std::array<QString, 4> zvyrazneni = {QStringLiteral("GRAFIKA/MKONTH.BMP"), QStringLiteral("GRAFIKA/MNOVEH.BMP"),
                                           QStringLiteral("GRAFIKA/MTABH.BMP"), QStringLiteral("GRAFIKA/MZPETH.BMP")};

QStringList bubliny()
{
    return {QStringLiteral("GRAFIKA/HINT1.BMP"), QStringLiteral("GRAFIKA/HINT2.BMP"),
            QStringLiteral("GRAFIKA/HINT3.BMP")};
}

namespace
{
QString cast_nazvu(int rocnik, int tema, druh_t druh)
{
    return QString::number(rocnik) + QString::number(tema) + QLatin1Char('_') + kod_bitmapy(druh) +
           QStringLiteral(".BMP");
}
} // namespace

QString zalozka(int rocnik, int tema, druh_t druh)
{
    return QStringLiteral("GRAFIKA/TABS/L_") + cast_nazvu(rocnik, tema, druh);
}

QString napoveda(int rocnik, int tema, druh_t druh)
{
    return QStringLiteral("GRAFIKA/HELP/") + cast_nazvu(rocnik, tema, druh);
}

QStringList vsechny(int rocnik, int tema, druh_t druh)
{
    QStringList nazvy{pozadi, zalozka(rocnik, tema, druh)};
    for (const QString &z : zvyrazneni)
        nazvy.append(z);
    nazvy << obrazky_znacek::spravne << obrazky_znacek::spatne << pokracuj;
    nazvy += bubliny();
    nazvy += obrazky_stranky::vsechny();
    return nazvy;
}
} // namespace obrazky_cviceni
