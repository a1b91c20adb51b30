// The set-up screen for "7. ročník", "Čiarka medzi vetnými členmi": as loaded, a count and
// a kind chosen, both buttons out with a name, the print dialog, a dictation chosen
// instead, the help picture.
#include "common/geometrie.h"
#include "menu/hl_menu.h"
#include "prohlidka.h"
#include "setup/frm_select.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"

#include <QLineEdit>

namespace
{

namespace menu = geometrie::menu;
namespace nastaveni = geometrie::nastaveni;

frm_select *obrazovka_nastaveni(prohlidka &p) { return qobject_cast<frm_select *>(p.aktualni()); }

void dobehni(prohlidka &p)
{
    for (int i = 0; i < 500; ++i) {
        frm_select *s = obrazovka_nastaveni(p);
        if (!s || !s->zaneprazdnena())
            break;
        p.pockej(20);
    }
}

const cast_prohlidky cast(
    20, [](hostitel &o) { o.zaregistruj<frm_select>(obrazovka_id::frm_select); },
    [](prohlidka &p) {
        p.zastavka(
            QStringLiteral("nastaveni"),
            QStringLiteral("Set-up screen as loaded for “7. ročník”, “Čiarka medzi vetnými členmi”: nothing chosen."),
            [&] {
                const QPoint rocnik = menu::plochy[2].center();
                p.najed(rocnik);
                p.stiskni(rocnik);
                p.uvolni(rocnik);
                p.najed(menu::tema(2, 2).center());
                p.klikni(menu::tema(2, 2).center());
                p.pockej(100);
            });
        if (!obrazovka_nastaveni(p))
            return;
        p.zastavka(
            QStringLiteral("nastaveni_pocet_a_druh"),
            QStringLiteral("10 sentences and a fill-in exercise chosen: the sample, and the print button slid out."),
            [&] {
                p.klikni(nastaveni::plochy[1].center());
                dobehni(p);
                p.klikni(nastaveni::plochy[8].center());
                dobehni(p);
            });
        p.zastavka(QStringLiteral("nastaveni_jmeno"),
                   QStringLiteral("A name typed: the continue button slid out as well."), [&] {
                       frm_select *s = obrazovka_nastaveni(p);
                       p.klikni(nastaveni::jmeno.center());
                       p.pis(s->jmeno_txt(), QStringLiteral("Zuzana"));
                       p.pockej(50);
                       dobehni(p);
                   });
        p.zastavka_s_dialogem(QStringLiteral("nastaveni_tlac"),
                              QStringLiteral("The print button: the print dialog over the set-up screen."),
                              [&] { p.klikni(obrazovka_nastaveni(p)->tiskni_cmd()->geometry().center()); });
        p.zastavka(QStringLiteral("nastaveni_diktat"),
                   QStringLiteral("Kind switched to a dictation: the print button sank away."), [&] {
                       p.klikni(nastaveni::plochy[6].center());
                       dobehni(p);
                   });
        // The fill-in exercise again, for the parts that follow.
        p.klikni(nastaveni::plochy[8].center());
        dobehni(p);
        p.zastavka(QStringLiteral("nastaveni_napoveda"), QStringLiteral("The set-up screen’s help picture."), [&] {
            p.klikni(nastaveni::help.center());
            p.pockej(50);
        });
    },
    QStringLiteral("Set-up screen"));

} // namespace
