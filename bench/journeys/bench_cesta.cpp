// bench_cesta [WxH]: the built program on a private X server (1024 × 768 unless given),
// driven from outside through a whole
// dictation (cesta_programu): processor use while it waits untouched on the title picture,
// the main menu, the set-up screen and an exercise page (target under 2 % of one core
// each), and its peak resident memory over the whole way (target under 120 MB).
#include "pomoc/cesta_programu.h"
#include "pomoc/vlastni_x.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>

namespace
{

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Processor time of every thread of the process, in ms.
double procesor_ms(qint64 pid)
{
    double ns = 0;
    const QDir vlakna(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &v : vlakna.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        ns += obsah(vlakna.filePath(v + QStringLiteral("/schedstat"))).split(' ').value(0).toDouble();
    return ns / 1e6;
}

// The process's peak resident memory so far, in kB.
long spicka_kb(qint64 pid)
{
    static const QRegularExpression vmhwm(QStringLiteral("VmHWM:\\s*(\\d+)"));
    return vmhwm.match(QString::fromLatin1(obsah(QStringLiteral("/proc/%1/status").arg(pid)))).captured(1).toLong();
}

struct necinnost_t {
    QString stav;
    double procesor_ms = 0, cas_ms = 0;
    double podil() const { return cas_ms > 0 ? 100.0 * procesor_ms / cas_ms : 0; }
};

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
    QList<necinnost_t> necinnost;
    long spicka = 0;
    // Three seconds untouched in each state (the title picture waits a little longer); the
    // peak memory at the exit question covers the whole way.
    const auto v_klidu = [&](const QString &stav, qint64 pid) {
        spicka = std::max(spicka, spicka_kb(pid));
        if (stav == QLatin1String("exit question"))
            return;
        QThread::msleep(300);
        QElapsedTimer t;
        const double p0 = procesor_ms(pid);
        t.start();
        QThread::msleep(3000);
        necinnost.append({stav, procesor_ms(pid) - p0, t.nsecsElapsed() / 1e6});
    };
    const cesta_programu::vysledek_t v = cesta_programu::projdi({v_klidu, {}});
    if (!v.chyby.isEmpty() || v.kod != 0) {
        out << "bench_cesta: the journey did not go through: " << v.chyby.join(QStringLiteral(", ")) << "\n";
        return 1;
    }
    for (int i = 0; i < necinnost.size(); ++i) {
        const necinnost_t &n = necinnost[i];
        out << QStringLiteral("idle, %1: %2 ms of processor time in %3 ms = %4 % of one core\n")
                   .arg(n.stav)
                   .arg(n.procesor_ms, 0, 'f', 1)
                   .arg(n.cas_ms, 0, 'f', 0)
                   .arg(n.podil(), 0, 'f', 2);
        out << "#zmereno necinnost." << klic_stavu(i) << " " << QString::number(n.podil(), 'f', 3) << "\n";
    }
    out << QStringLiteral("peak resident memory of the whole way: %1 MB\n").arg(spicka / 1024.0, 0, 'f', 1);
    out << "#zmereno pamet.spicka_mb " << QString::number(spicka / 1024.0, 'f', 1) << "\n";
    return 0;
}
