#include "data/kontejner.h"

#include "common/soubory.h"

QByteArray dekoduj_radek(const QByteArray &ulozeny)
{
    QByteArray vysledek(ulozeny.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < ulozeny.size(); ++i)
        vysledek[i] = static_cast<char>(static_cast<unsigned char>(ulozeny[i]) + posun_dekodovani);
    return vysledek;
}

QByteArray zakoduj_radek(const QByteArray &skutecny)
{
    QByteArray vysledek(skutecny.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < skutecny.size(); ++i)
        vysledek[i] = static_cast<char>(static_cast<unsigned char>(skutecny[i]) - posun_dekodovani);
    return vysledek;
}

std::optional<QStringList> dekoduj_soubor(const QString &cesta)
{
    const auto radky = nacti_radky_bajtu(cesta);
    if (!radky)
        return std::nullopt;
    QStringList vysledek;
    vysledek.reserve(radky->size());
    for (const QByteArray &radek : *radky)
        vysledek.append(z_cp1250(dekoduj_radek(radek)));
    return vysledek;
}

sekce_t najdi_sekci(const QStringList &radky, const QString &klic)
{
    sekce_t sekce;
    const QString hledane = QLatin1Char('[') + klic;
    qsizetype i = 0;
    while (i < radky.size() && !radky[i].contains(hledane))
        ++i;
    if (i == radky.size())
        return sekce;
    sekce.nalezena = true;
    sekce.souvisly_text = radky[i].indexOf(QLatin1String("abc"), 1) >= 0;
    for (++i; i < radky.size(); ++i) {
        if (radky[i].startsWith(QLatin1Char('[')))
            break;
        sekce.radky.append(radky[i]);
    }
    return sekce;
}

sekce_t nacti_sekci(const QString &cesta, const QString &klic)
{
    const auto radky = dekoduj_soubor(cesta);
    if (!radky)
        return {};
    return najdi_sekci(*radky, klic);
}

QStringList rozklicuj_dat_soubor(const QString &cesta)
{
    QStringList nazvy;
    const auto radky = dekoduj_soubor(cesta);
    if (!radky)
        return nazvy;
    for (const QString &radek : *radky) {
        if (!radek.startsWith(QLatin1Char('[')))
            continue;
        const qsizetype konec = radek.indexOf(QLatin1Char(']'));
        nazvy.append(konec < 0 ? radek.mid(1) : radek.mid(1, konec - 1));
    }
    return nazvy;
}
