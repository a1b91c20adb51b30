#pragma once

#include "common/stav.h"
#include "data/vyjimky.h"
#include "exercise/rozvrzeni.h"
#include "exercise/stranka.h"

#include <QStringList>

namespace obrazky_znacek
{
extern const QString spravne; // "GRAFIKA/CHECK_OK.BMP"
extern const QString spatne;  // "GRAFIKA/CHECK_KO.BMP"
} // namespace obrazky_znacek

// What the screen does after a page is checked. Besides what is listed here, a check
// always disables every input element and speaker of the page, reveals the continue
// button and enables the score table and back buttons.
struct vysledek_kontroly_t {
    QList<bool> cerveny;           // per input element i at i − 1: red background (gap and choice pages)
    QList<bool> spravne;           // per sentence k at k − 1: right mark (disabled) or wrong mark
                                   // (enabled: it opens the bubble); every mark becomes visible
    QList<kresba_t> kresby_znacek; // mark pictures painted into the page image, last sentence first
    int pocet_spravne = 0;         // items of this page
    int pocet_spatne = 0;
    bool vsetko_skontrolovane = false; // this was the last page
    bool zakazat_pocitadla = false;    // a whole text: the play counters are disabled too
};

// The item rule of gaps and choices: the answer, trimmed of spaces, equals the correct
// form or the second one (when there is one), exactly and case-sensitively.
bool odpoved_polozky_spravne(const QString &odpoved, const QString &spravna, const QString &druha);

// Checks the page shown. `odpovedi` holds per input element, in page order, what the pupil
// typed or chose. Adds the page's items to the counts of `spolecny` and sets its
// vsetko_skontrolovane after the last page. The expected sentences of dictation and
// correction boxes are stored back with their double spaces collapsed.
vysledek_kontroly_t zkontroluj_priklady(stranka_t &stranka, const QStringList &odpovedi, const vyjimky_t &vyjimky,
                                        const stav_cviceni_t &stav, spolecny_stav_t &spolecny);
