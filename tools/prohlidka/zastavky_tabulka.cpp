// The results screen for the exercise chosen on the set-up screen (or "7. ročník",
// "Čiarka medzi vetnými členmi" as a fill-in exercise when none was): a visit from the
// middle of the exercise (ten rows, none red), the visit after its last page with the
// new row in red, and the back button under the pointer.
#include "common/geometrie.h"
#include "common/soubory.h"
#include "common/stav.h"
#include "prohlidka.h"
#include "results/frm_tabulka.h"
#include "results/tabulka.h"
#include "shell/hostitel.h"

#include <QFile>

namespace
{

namespace gt = geometrie::tabulka;

// A class's results so far: six pupils, four empty rows.
const QStringList vysledky_triedy = {
    QStringLiteral("Ema Kováčová|20|0|1"),
    QStringLiteral("Ján Horváth|18|2|1"),
    QStringLiteral("Oto Šimko|17|3|2"),
    QStringLiteral("Ľudmila Ďurišová|16|3|2"),
    QStringLiteral("Peter Varga|14|6|3"),
    QStringLiteral("Zuzka Nováková|10|10|3"),
    QStringLiteral("|0|0|0"),
    QStringLiteral("|0|0|0"),
    QStringLiteral("|0|0|0"),
    QStringLiteral("|0|0|0"),
};

void priprav_cviceni(spolecny_stav_t &s)
{
    if (s.rocnik < 1 || s.tema < 1 || !s.druh_ulohy) {
        s.rocnik = 3;
        s.tema = 3;
        s.druh_ulohy = druh_t::doplnovacka;
        s.pocet_uloh = 10;
    }
    s.jmeno_zaka = QStringLiteral("Zuzana Šťastná");
    QFile f(spoj_cestu(s.adresar_dat, QStringLiteral("TAB.DAT")));
    if (!f.open(QIODevice::WriteOnly))
        return;
    for (const QString &r : QStringList{hlavicka_sekce(s.rocnik, s.tema, *s.druh_ulohy)} + vysledky_triedy)
        f.write(do_cp1250(r) + "\r\n");
}

// The screen is loaded afresh for every visit, as the exercise screen opens it.
void otevri_tabulku(prohlidka &p, int spravne, int spatne, bool hotovo)
{
    p.okno().sezeni().pocet_spravne = spravne;
    p.okno().sezeni().pocet_spatne = spatne;
    p.okno().sezeni().vsetko_skontrolovane = hotovo;
    p.okno().uvolni(obrazovka_id::frm_tabulka);
    p.okno().ukaz(obrazovka_id::frm_tabulka, hostitel::potom_t::skryj);
    p.najed(QPoint(320, 120));
    p.pockej(100);
}

const cast_prohlidky cast(
    40, [](hostitel &o) { o.zaregistruj<frm_tabulka>(obrazovka_id::frm_tabulka); },
    [](prohlidka &p) {
        priprav_cviceni(p.okno().sezeni());
        p.zastavka(QStringLiteral("tabulka_pocas_cvicenia"),
                   QStringLiteral("Score table visited in the middle of an exercise: no new row."),
                   [&] { otevri_tabulku(p, 7, 1, false); });
        p.zastavka(QStringLiteral("tabulka_po_cviceni"),
                   QStringLiteral("After the last page: the new result in red at its place."),
                   [&] { otevri_tabulku(p, 16, 4, true); });
        p.zastavka(QStringLiteral("tabulka_spat"), QStringLiteral("The back button under the pointer."), [&] {
            p.najed(gt::zpet.center());
            p.pockej(50);
        });
    },
    QStringLiteral("Results screen"));

} // namespace
