// States the parts before leave out: a topic with the second sample (print button out
// before any count), the help on start switched on and the exercise opening with its help
// picture, a top-bar button under the pointer, and back in the main menu the exit question.
#include "common/geometrie.h"
#include "common/nahoda.h"
#include "common/stav.h"
#include "exercise/main_frm.h"
#include "prohlidka.h"
#include "setup/frm_select.h"
#include "shell/hostitel.h"

namespace
{

namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;

// Until the screen's slides and reveals have run out.
template <typename T> void dobehni(prohlidka &p)
{
    for (int i = 0; i < 500; ++i) {
        auto *s = qobject_cast<T *>(p.aktualni());
        if (!s || !s->zaneprazdnena())
            return;
        p.pockej(20);
    }
}

void stiskni_plochu(prohlidka &p, int n)
{
    p.najed(gn::plochy[n].center());
    p.klikni(gn::plochy[n].center());
    dobehni<frm_select>(p);
}

const cast_prohlidky cast(
    50, [](hostitel &) {},
    [](prohlidka &p) {
        nahoda().zafixuj(50);
        // "5. ročník", "Prídavné mená": the set-up screen as the menu opens it.
        p.okno().sezeni().rocnik = 1;
        p.okno().sezeni().tema = 7;
        p.okno().uvolni(obrazovka_id::frm_select);
        p.okno().ukaz(obrazovka_id::frm_select, hostitel::potom_t::skryj);
        p.pockej(100);
        if (!qobject_cast<frm_select *>(p.aktualni()))
            return;
        p.zastavka(QStringLiteral("nastaveni_druha_ukazka"),
                   QStringLiteral("“Prídavné mená” of “5. ročník” with a correction chosen: the second sample, and "
                                  "the print button out before any count."),
                   [&] { stiskni_plochu(p, 7); });
        p.zastavka(QStringLiteral("nastaveni_pomoc_na_zaciatku"),
                   QStringLiteral("Help on start switched on, 5 sentences, a name: ready to go."), [&] {
                       stiskni_plochu(p, 10);
                       stiskni_plochu(p, 0);
                       auto *s = qobject_cast<frm_select *>(p.aktualni());
                       p.klikni(gn::jmeno.center());
                       p.pis(s->jmeno_txt(), QStringLiteral("Marek"));
                       p.pockej(50);
                       dobehni<frm_select>(p);
                   });
        p.zastavka(QStringLiteral("cviceni_napoveda_na_zaciatku"),
                   QStringLiteral("Continue: the exercise opens with its help picture over the page."), [&] {
                       auto *s = qobject_cast<frm_select *>(p.aktualni());
                       p.klikni(s->pokracuj_cmd()->geometry().center());
                       p.pockej(150);
                   });
        if (!qobject_cast<main_frm *>(p.aktualni()))
            return;
        p.zastavka(QStringLiteral("cviceni_tlacidlo_pod_mysou"),
                   QStringLiteral("The help picture clicked away; the check button under the pointer."), [&] {
                       p.klikni(QPoint(320, 240));
                       p.pockej(50);
                       p.najed(gc::tlacitka[0].center());
                       p.pockej(50);
                   });

        // Back to the set-up screen and on to the main menu.
        p.najed(gc::tlacitka[3].center());
        p.klikni(gc::tlacitka[3].center());
        p.pockej(100);
        p.najed(gn::plochy[11].center());
        p.klikni(gn::plochy[11].center());
        p.pockej(100);
        p.zastavka_s_dialogem(QStringLiteral("konec_otazka"),
                              QStringLiteral("The exit button: the question before the program ends (the answer here "
                                             "is No)."),
                              [&] {
                                  p.najed(gm::plochy[5].center());
                                  p.klikni(gm::plochy[5].center());
                              });
        nahoda().uvolni();
    },
    QStringLiteral("More states"));

} // namespace
