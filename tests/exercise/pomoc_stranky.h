#pragma once

// Shared by the exercise model tests: exercises made of given lines, widths in the bundled
// page font, and the text lines of a laid-out page.
#include "common/nahoda.h"
#include "exercise/mira_textu.h"
#include "exercise/rozvrzeni.h"

#include <QMap>

inline const sirka_textu_t &sirka_stranky()
{
    static const sirka_textu_t sirka = sirka_v_pismu_stranky();
    return sirka;
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
    s.poloha_x = 46;
    s.poloha_y = 87;
    return zobraz_vybrane_radky(s, sirka_stranky(), generator);
}

// The first page of an exercise of the given lines.
inline stranka_t prvni_stranka(const QStringList &radky, druh_t druh)
{
    stav_cviceni_t s = cviceni(radky, druh);
    return rozvrhni(s);
}

// The page's text lines by their top: the runs joined, where the line starts and ends.
struct radek_t {
    QString text;
    int zacatek = 0;
    int konec = 0;
};
inline QMap<int, radek_t> radky_textu(const stranka_t &s)
{
    QMap<int, radek_t> radky;
    for (const kresba_t &k : s.kresby) {
        if (k.druh != kresba_t::druh_t::text)
            continue;
        radek_t &r = radky[k.poloha.y()];
        if (r.text.isEmpty())
            r.zacatek = k.poloha.x();
        r.text += k.text;
        r.konec = k.poloha.x() + sirka_stranky()(k.text, k.body);
    }
    return radky;
}
