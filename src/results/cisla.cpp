#include "results/cisla.h"

#include <QByteArray>
#include <cmath>
#include <limits>

namespace
{

bool je_mezera(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

} // namespace

double cislo_ze_zacatku(QStringView text)
{
    // Collected as Latin-1 and handed to strtod's locale-free sibling in QByteArray.
    QByteArray cislo;
    bool tecka = false;
    bool cislice = false;
    for (const QChar c : text) {
        if (je_mezera(c))
            continue;
        if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && cislo.isEmpty()) {
            cislo.append(char(c.unicode()));
        } else if (c == QLatin1Char('.') && !tecka) {
            tecka = true;
            cislo.append('.');
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            cislice = true;
            cislo.append(char(c.unicode()));
        } else {
            break;
        }
    }
    if (!cislice)
        return 0.0;
    bool ok = false;
    const double hodnota = cislo.toDouble(&ok);
    return ok && std::isfinite(hodnota) ? hodnota : 0.0;
}

int cele_cislo_ze_zacatku(QStringView text)
{
    const double hodnota = std::round(cislo_ze_zacatku(text));
    constexpr double nejvic = std::numeric_limits<int>::max();
    constexpr double nejmin = std::numeric_limits<int>::min();
    if (hodnota >= nejvic)
        return std::numeric_limits<int>::max();
    if (hodnota <= nejmin)
        return std::numeric_limits<int>::min();
    return int(hodnota);
}
