// bench_cesta [WxH]: the built program on a private X server (1024 × 768 unless given),
// driven from outside through a whole
// dictation (cesta_programu): processor use while it waits untouched on the title picture,
// the main menu, the set-up screen and an exercise page (target under 2 % of one core
// each), and its peak resident memory over the whole way (target under 120 MB).
#include "pomoc/cesta_programu.h"
#include "pomoc/vlastni_x.h"

#include <QCoreApplication>
#include <QTextStream>

namespace
{

const char *klic_stavu(int i)
{
    static const char *klice[] = {"titulek", "menu", "nastaveni", "cviceni"};
    return i < 4 ? klice[i] : "jiny";
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList rozmer = argc > 1 ? QString::fromLocal8Bit(argv[1]).split(u'x') : QStringList();
    vlastni_x x(rozmer.size() == 2 ? QSize(rozmer[0].toInt(), rozmer[1].toInt()) : QSize(1024, 768));
    QCoreApplication aplikace(argc, argv);
    QTextStream out(stdout);
    if (!x.bezi()) {
        out << "bench_cesta: no X server (" << x.duvod() << ")\n";
        return 1;
    }
    if (const QString proc = cesta_programu::chybi(); !proc.isEmpty()) {
        out << "bench_cesta: " << proc << "\n";
        return 1;
    }
    const cesta_programu::vysledek_t v = cesta_programu::projdi({3000, {}});
    if (!v.chyby.isEmpty() || v.kod != 0) {
        out << "bench_cesta: the journey did not go through: " << v.chyby.join(QStringLiteral(", ")) << "\n";
        return 1;
    }
    for (int i = 0; i < v.necinnost.size(); ++i) {
        const cesta_programu::necinnost_t &n = v.necinnost[i];
        out << QStringLiteral("idle, %1: %2 ms of processor time in %3 ms = %4 % of one core\n")
                   .arg(n.stav)
                   .arg(n.procesor_ms, 0, 'f', 1)
                   .arg(n.cas_ms, 0, 'f', 0)
                   .arg(n.podil(), 0, 'f', 2);
        out << "#zmereno necinnost." << klic_stavu(i) << " " << QString::number(n.podil(), 'f', 3) << "\n";
    }
    out << QStringLiteral("peak resident memory of the whole way: %1 MB\n").arg(v.spicka_kb / 1024.0, 0, 'f', 1);
    out << "#zmereno pamet.spicka_mb " << QString::number(v.spicka_kb / 1024.0, 'f', 1) << "\n";
    return 0;
}
