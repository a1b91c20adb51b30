#include "setup/volby.h"

#include <algorithm>
#include <array>

namespace volby
{

namespace
{

const QString slozka = QStringLiteral("GRAFIKA/SETUP/");

constexpr std::array<int, 6> pocty = {5, 10, 15, 20, 25, 30};
constexpr std::array<int, 4> limity = {1, 2, 3, 100};
constexpr std::array<const char *, 4> cisla = {"1X", "2X", "3X", "NE"};
constexpr std::array<druh_t, 4> druhy = {druh_t::diktat, druh_t::oprava, druh_t::doplnovacka, druh_t::vyberovka};

} // namespace

bool je_plocha_poctu(int n) { return n >= 0 && n < int(pocty.size()); }
bool je_plocha_druhu(int n) { return n >= prvni_plocha_druhu && n < prvni_plocha_druhu + int(druhy.size()); }

int pocet(int n) { return je_plocha_poctu(n) ? pocty[n] : 0; }

std::optional<int> plocha_poctu(int pocet)
{
    for (int n = 0; n < int(pocty.size()); ++n)
        if (pocty[n] == pocet)
            return n;
    return std::nullopt;
}

std::optional<int> limit_diktovani(int n)
{
    if (n < 0 || n >= int(limity.size()))
        return std::nullopt;
    return limity[n];
}

QString cislo(int n, bool zvoleno)
{
    if (n < 0 || n >= int(cisla.size()))
        return {};
    return slozka + QStringLiteral("NAD_%1_%2.BMP").arg(QLatin1String(cisla[n])).arg(zvoleno ? 1 : 0);
}

QString sipka_poctu(int n)
{
    if (!je_plocha_poctu(n))
        return {};
    return slozka + QStringLiteral("SIPKA_%1.BMP").arg(pocty[n], 2, 10, QLatin1Char('0'));
}

druh_t druh(int n) { return druhy.at(n - prvni_plocha_druhu); }

int plocha_druhu(druh_t druh)
{
    return prvni_plocha_druhu + int(std::find(druhy.begin(), druhy.end(), druh) - druhy.begin());
}

QString tlacitko_druhu(int n, bool zvoleno)
{
    if (!je_plocha_druhu(n))
        return {};
    return slozka + QStringLiteral("TU_%1_%2.BMP").arg(kod_bitmapy(druh(n))).arg(zvoleno ? 1 : 0);
}

QString sipka_druhu(int n)
{
    if (!je_plocha_druhu(n))
        return {};
    return slozka + QStringLiteral("SIPKA_T%1.BMP").arg(n - prvni_plocha_druhu + 1);
}

QString pozadi(int rocnik, int tema) { return slozka + QStringLiteral("BG_%1%2.BMP").arg(rocnik).arg(tema); }

bool druha_ukazka(int rocnik, int tema)
{
    return (rocnik == 1 && tema == 7) || (rocnik == 2 && tema == 6) || (rocnik == 3 && tema == 6);
}

QString ukazka(druh_t druh, int rocnik, int tema)
{
    const QString varianta = druha_ukazka(rocnik, tema) ? QStringLiteral("2") : QString();
    return slozka + QStringLiteral("SMPL_%1%2.BMP").arg(kod_bitmapy(druh), varianta);
}

QString napoveda(bool zapnuto)
{
    return slozka + (zapnuto ? QStringLiteral("NAP_1.BMP") : QStringLiteral("NAP_0.BMP"));
}

bool tisknutelny(std::optional<druh_t> druh) { return druh == druh_t::doplnovacka || druh == druh_t::oprava; }

QList<posun_t> posuny_po_stisku(stav_t stav)
{
    QList<posun_t> posuny;
    if (stav.pocet_uloh != 0 && stav.druh_ulohy && !stav.jmeno.isEmpty() && !stav.vysunuto_pokracuj) {
        posuny.append(posun_t::vytahni_pokracuj);
        stav.vysunuto_pokracuj = true;
    }
    if (tisknutelny(stav.druh_ulohy) && stav.pocet_uloh != 0 && !stav.vysunuto_tiskni) {
        posuny.append(posun_t::vytahni_tiskni);
        stav.vysunuto_tiskni = true;
    }
    if (druha_ukazka(stav.rocnik, stav.tema) && tisknutelny(stav.druh_ulohy) && !stav.vysunuto_tiskni) {
        posuny.append(posun_t::vytahni_tiskni);
        stav.vysunuto_tiskni = true;
    }
    if (stav.druh_ulohy && !tisknutelny(stav.druh_ulohy) && stav.vysunuto_tiskni) {
        posuny.append(posun_t::zatahni_tiskni);
        stav.vysunuto_tiskni = false;
    }
    return posuny;
}

std::optional<posun_t> posun_po_zmene_jmena(const stav_t &stav)
{
    if (stav.pocet_uloh == 0 || !stav.druh_ulohy)
        return std::nullopt;
    const bool jmeno_dano = !stav.jmeno.trimmed().isEmpty();
    if (jmeno_dano && !stav.vysunuto_pokracuj)
        return posun_t::vytahni_pokracuj;
    if (!jmeno_dano && stav.vysunuto_pokracuj)
        return posun_t::zatahni_pokracuj;
    return std::nullopt;
}

} // namespace volby
