#include "data/losovani.h"

#include "common/nahoda.h"
#include "data/kontejner.h"
#include "data/znacky.h"

#include <algorithm>
#include <cmath>
#include <utility>

const QString hlaska_malo_radku = QStringLiteral("Neni dostatecny pocet radku v DATu pro zvolene mnozstvi ukolu!");

namespace
{

void vyber_souvisly_text(losovani_t &stav, nahoda_t &generator)
{
    const int textu = pocet_textu(stav.radky_sekce);
    generator.preseduj_z_hodin();
    const int g = static_cast<int>(std::floor(generator.dalsi() * textu + 1));
    stav.pocet_uloh = 0;
    stav.vybrane_radky.clear();
    for (int d = 0; d <= 9; ++d) {
        const QString znacka = QLatin1Char('*') + QString::number(g) + QString::number(d);
        for (int i = 0; i < stav.radky_sekce.size(); ++i) {
            if (stav.radky_sekce[i].contains(znacka)) {
                stav.vybrane_radky.append(i);
                ++stav.pocet_uloh;
                break;
            }
        }
    }
}

void vyber_nahodne(losovani_t &stav, nahoda_t &generator)
{
    const int n = stav.pocet_uloh;
    int vylosovano = 0;
    if (stav.zachovat_vybrane) {
        vylosovano = std::min(stav.pocet_zobrazenych, static_cast<int>(stav.vybrane_radky.size()));
        stav.vybrane_radky.resize(n);
        vylosovano = std::min(vylosovano, n);
    } else {
        stav.vybrane_radky = QList<int>(n, 0);
    }
    const int radku = static_cast<int>(stav.radky_sekce.size());
    generator.preseduj_z_hodin();
    while (vylosovano < n) {
        const int x = generator.index_od_1(radku) - 1;
        if (std::find(stav.vybrane_radky.begin(), stav.vybrane_radky.begin() + vylosovano, x) !=
            stav.vybrane_radky.begin() + vylosovano)
            continue;
        stav.vybrane_radky[vylosovano++] = x;
    }
    // Kept tasks keep their places; only the new ones are mixed among themselves.
    const int s = stav.zachovat_vybrane ? stav.pocet_zobrazenych + 1 : 1;
    if (s > n)
        return;
    for (int i = 0; i < 150; ++i) {
        const int a = static_cast<int>(std::floor((n - s + 1) * generator.dalsi() + s));
        const int b = static_cast<int>(std::floor((n - s + 1) * generator.dalsi() + s));
        std::swap(stav.vybrane_radky[a - 1], stav.vybrane_radky[b - 1]);
    }
}

// The length of the first word longer than a line, 0 when there is none. Words are taken
// as the sentence is shown: items by their first form, a line separator as a space. Counted
// in place, since every line of a section is checked before each drawing.
qsizetype prvni_dlouhe_slovo(QStringView text)
{
    qsizetype slovo = 0;
    const auto konci_dlouhe = [&slovo](QChar z) {
        if (z != QLatin1Char(' ')) {
            ++slovo;
            return false;
        }
        if (slovo > nejdelsi_slovo)
            return true;
        slovo = 0;
        return false;
    };
    for (qsizetype j = 0; j < text.size(); ++j) {
        if (text[j] == QLatin1Char('<')) {
            if (const std::optional<meze_polozky_t> m = meze_polozky(text, j)) {
                for (qsizetype k = j + 1; k < m->konec_a; ++k)
                    if (konci_dlouhe(text[k]))
                        return slovo;
                j = m->konec;
                continue;
            }
        }
        if (konci_dlouhe(text[j] == znak_oddelovac_radku ? QChar(u' ') : text[j]))
            return slovo;
    }
    return konci_dlouhe(QChar(u' ')) ? slovo : 0;
}

} // namespace

std::optional<QString> proc_vynechat(const QString &radek)
{
    const qsizetype hvezdicka = radek.indexOf(QLatin1Char('*'));
    if (hvezdicka < 0 || hvezdicka + 1 >= radek.size() || !radek[hvezdicka + 1].isDigit())
        return QStringLiteral("no \"*\" followed by the sentence number");
    for (const QChar c : radek)
        if (c.unicode() < 32 || c.unicode() == 127)
            return QStringLiteral("a control character (code %1)").arg(c.unicode());
    if (const qsizetype delka = prvni_dlouhe_slovo(QStringView(radek).first(hvezdicka)))
        return QStringLiteral("a word of %1 characters, longer than a line").arg(delka);
    return std::nullopt;
}

int pocet_textu(const QStringList &radky_sekce)
{
    if (radky_sekce.isEmpty())
        return 0;
    return cislo_vety(radky_sekce.last()) / 10;
}

vysledek_losovani_t vylosuj(losovani_t &stav, const QStringList &radky, bool souvisly_text, nahoda_t &generator)
{
    stav.souvisly_text = souvisly_text;
    stav.radky_sekce.clear();
    for (const QString &radek : radky)
        if (!proc_vynechat(radek))
            stav.radky_sekce.append(radek);
    if (stav.radky_sekce.size() < stav.pocet_uloh)
        return vysledek_losovani_t::malo_radku;
    if (stav.souvisly_text)
        vyber_souvisly_text(stav, generator);
    else
        vyber_nahodne(stav, generator);
    return vysledek_losovani_t::ok;
}

vysledek_losovani_t nacti_doplnovacku(losovani_t &stav, const QString &soubor_dat, const QString &cislo_ulohy,
                                      nahoda_t &generator)
{
    const sekce_t sekce = nacti_sekci(soubor_dat, cislo_ulohy);
    return vylosuj(stav, sekce.radky, sekce.souvisly_text, generator);
}
