// The set-up screen for "7. ročník", "Čiarka medzi vetnými členmi": as loaded, a count and
// a kind chosen, both buttons out with a name, the help picture.
#include "common/geometrie.h"
#include "prohlidka.h"
#include "setup/frm_select.h"
#include "shell/hl_menu.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"

#include <QLineEdit>

namespace {

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
    20,
    [](hostitel &o) {
        o.zaregistruj(obrazovka_id::frm_select, [](QWidget *platno) { return new frm_select(platno); });
    },
    [](prohlidka &p) {
        p.zastavka(QStringLiteral("nastaveni"), [&] {
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
        p.zastavka(QStringLiteral("nastaveni_pocet_a_druh"), [&] {
            p.klikni(nastaveni::plochy[1].center());
            dobehni(p);
            p.klikni(nastaveni::plochy[8].center());
            dobehni(p);
        });
        p.zastavka(QStringLiteral("nastaveni_jmeno"), [&] {
            frm_select *s = obrazovka_nastaveni(p);
            p.klikni(nastaveni::jmeno.center());
            p.pis(s->jmeno_txt(), QStringLiteral("Zuzana"));
            p.pockej(50);
            dobehni(p);
        });
        p.zastavka(QStringLiteral("nastaveni_napoveda"), [&] {
            p.klikni(nastaveni::help.center());
            p.pockej(50);
        });
    });

} // namespace
