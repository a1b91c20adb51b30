#pragma once

// Shared by the exercise tests: exercises made of given lines, real content, widths in the
// bundled page font.
#include "common/nahoda.h"
#include "common/soubory.h"
#include "exercise/mira_textu.h"
#include "exercise/rozvrzeni.h"

#include <QDir>
#include <QFile>

inline const sirka_textu_t &sirka_stranky()
{
    static const sirka_textu_t s = sirka_v_pismu_stranky();
    return s;
}

inline int sirka12(const QString &text) { return sirka_stranky()(text, 12); }

// An exercise of the kind whose tasks are the lines in their order.
inline stav_cviceni_t cviceni(const QStringList &radky, druh_t druh, bool souvisly = false, int limit = 100)
{
    stav_cviceni_t s;
    s.druh = druh;
    s.limit_diktovani = limit;
    s.losovani.radky_sekce = radky;
    for (int i = 0; i < radky.size(); ++i)
        s.losovani.vybrane_radky.append(i);
    s.losovani.pocet_uloh = static_cast<int>(radky.size());
    s.losovani.souvisly_text = souvisly;
    return s;
}

// Lays out the next page with a fixed generator.
inline stranka_t rozvrhni(stav_cviceni_t &s, std::uint64_t seminko = 7)
{
    nahoda_t generator;
    generator.zafixuj(seminko);
    s.dalsi_prvek = 1;
    s.poloha_x = 46;
    s.poloha_y = 87;
    return zobraz_vybrane_radky(s, sirka_stranky(), generator);
}

// The sentence lines of a section of content/vety (header dropped).
inline QStringList vety_obsahu(const QString &klic)
{
    QFile f(QStringLiteral(ORTANEL_SOURCE_DIR "/content/vety/%1.txt").arg(klic));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList radky = QString::fromUtf8(f.readAll()).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    if (!radky.isEmpty())
        radky.removeFirst();
    return radky;
}

inline bool je_souvisla_sekce(const QString &klic)
{
    QFile f(QStringLiteral(ORTANEL_SOURCE_DIR "/content/vety/%1.txt").arg(klic));
    return f.open(QIODevice::ReadOnly) && f.readLine().trimmed().endsWith("abc");
}

inline QStringList klice_obsahu()
{
    QStringList klice;
    for (const QString &nazev : QDir(QStringLiteral(ORTANEL_SOURCE_DIR "/content/vety")).entryList({"*.txt"}))
        klice.append(nazev.chopped(4));
    return klice;
}

// The text runs of the page in order, and each one's line top.
inline QList<kresba_t> texty(const stranka_t &s)
{
    QList<kresba_t> vysledek;
    for (const kresba_t &k : s.kresby)
        if (k.druh == kresba_t::druh_t::text)
            vysledek.append(k);
    return vysledek;
}

inline QList<kresba_t> obrazky(const stranka_t &s)
{
    QList<kresba_t> vysledek;
    for (const kresba_t &k : s.kresby)
        if (k.druh == kresba_t::druh_t::obrazek || k.druh == kresba_t::druh_t::obrazek_pruhledny)
            vysledek.append(k);
    return vysledek;
}
