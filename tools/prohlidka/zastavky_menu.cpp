// The main menu: title, menu, a grade with nine topics, a grade with six, a topic under
// the pointer, the credits.
#include "common/geometrie.h"
#include "menu/hl_menu.h"
#include "prohlidka.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"

namespace
{

namespace menu = geometrie::menu;

void vyber_rocnik(prohlidka &p, int g)
{
    const QPoint kde = menu::plochy[g].center();
    p.najed(kde);
    p.stiskni(kde);
    p.uvolni(kde);
    p.najed(QPoint(600, 300));
}

const cast_prohlidky cast(
    10, [](hostitel &o) { o.zaregistruj<hl_menu>(obrazovka_id::hl_menu); },
    [](prohlidka &p) {
        // Right after start-up, before the activation's wait begins.
        p.zastavka(QStringLiteral("titulek"),
                   QStringLiteral("Title picture right after start-up; a click opens the menu."), [] {});
        p.zastavka(QStringLiteral("menu"), QStringLiteral("Main menu, no grade chosen yet."), [&] {
            p.klikni(QPoint(320, 240));
            p.pockej(50);
        });
        p.zastavka(QStringLiteral("5_rocnik"), QStringLiteral("“5. ročník” chosen: its nine topics."),
                   [&] { vyber_rocnik(p, 0); });
        p.zastavka(QStringLiteral("8_rocnik"),
                   QStringLiteral("“8. ročník” chosen: six topics; the chosen grade keeps its lit look."),
                   [&] { vyber_rocnik(p, 3); });
        p.zastavka(QStringLiteral("tema_pod_mysi"), QStringLiteral("A topic under the pointer."),
                   [&] { p.najed(menu::tema(3, 2).center()); });
        p.zastavka(QStringLiteral("autori"),
                   QStringLiteral("Credits picture (“O programe”); a click returns to the menu."), [&] {
                       p.najed(QPoint(600, 300));
                       p.klikni(menu::autori.center());
                   });
        // Back to the menu for the parts that follow.
        p.klikni(QPoint(320, 240));
        p.pockej(50);
    },
    QStringLiteral("Main menu"));

} // namespace
