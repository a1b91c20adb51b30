#include "exercise/seznam_vyberu.h"

#include "common/geometrie.h"

#include <cmath>

namespace
{
constexpr int nejmensi_sirka = 18;
constexpr int okraj_polozky = 4;

// Halves go to the even neighbour (the default rounding mode).
int zaokrouhli(double x) { return static_cast<int>(std::nearbyint(x)); }
} // namespace

QRect umisti_seznam(const QRect &popisek, int vyska, const QList<int> &sirky_polozek)
{
    int sirka = nejmensi_sirka;
    for (const int w : sirky_polozek)
        if (w + okraj_polozky > sirka || sirka <= 10)
            sirka = w + okraj_polozky;
    int horni = popisek.top() + popisek.height();
    if (horni + vyska > geometrie::vyska_obrazovky)
        horni = popisek.top() - vyska;
    return QRect(popisek.left(), horni, sirka, vyska);
}

std::optional<int> radek_seznamu(double y, int vyska, int pocet_polozek)
{
    // A release dragged above the list would otherwise round into the first entry.
    if (pocet_polozek < 1 || y < 0 || y > vyska)
        return std::nullopt;
    const int vyska_radku = zaokrouhli(double(vyska) / pocet_polozek);
    if (vyska_radku < 1)
        return std::nullopt;
    const int r = zaokrouhli(y) / vyska_radku;
    if (r >= pocet_polozek)
        return std::nullopt;
    return r;
}

QString text_polozky_seznamu(const QString &tvar) { return tvar.trimmed().isEmpty() ? QStringLiteral("(nič)") : tvar; }
