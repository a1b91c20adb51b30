// The teacher's window on a log of 100,000 visits (31 MB): opening it (read, parse, model,
// first sort), sorting by a column, filtering by a name and by a grade, each once, and the
// peak resident memory of the whole run. `bench_ucitel N` uses a log of N visits.
#include "common/hodiny.h"
#include "common/soubory.h"
#include "prehled/log.h"
#include "results/zaznam.h"
#include "ucitel/model_zaznamu.h"
#include "ucitel/okno_ucitele.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

// 300 pupils of every grade over a school year, a tenth of the visits unfinished.
bool zapis_log(const QString &cesta, int pocet)
{
    QFile f(cesta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QRandomGenerator nahoda(20);
    const QStringList krestni = {"Jana", "Peter", "Žofia", "Ľubomír", "Mária", "Adam", "Tomáš", "Nina", "Šimon", "Ema"};
    const QStringList prijmeni = {
        "Nováková", "Horváth", "Čierna", "Šťastný", "Kováčová", "Kríž",   "Ďurica", "Bieliková", "Žiak",  "Ondrejková",
        "Baláž",    "Tóth",    "Varga",  "Molnár",  "Oravec",   "Kučera", "Lukáč",  "Polák",     "Hudák", "Kollár",
        "Ševčík",   "Mikuš",   "Gajdoš", "Blaho",   "Krajčí",   "Vydra",  "Rusnák", "Holub",     "Šimko", "Král"};
    hodiny::zafixuj({}, [](const QDate &d) { return d.toString(QStringLiteral("d.M.yyyy")); });
    for (int i = 0; i < pocet; ++i) {
        spolecny_stav_t s;
        s.jmeno_zaka = krestni[i % 10] + QLatin1Char(' ') + prijmeni[(i / 10) % 30];
        s.rocnik = 1 + nahoda.bounded(5);
        s.tema = 1 + nahoda.bounded(6);
        s.pocet_uloh = 5 * (1 + nahoda.bounded(4));
        s.pocet_spravne = nahoda.bounded(40);
        s.pocet_spatne = nahoda.bounded(15);
        const int znamka = nahoda.bounded(10) ? 1 + nahoda.bounded(5) : 0;
        const QDateTime kdy(QDate(2026, 9, 1).addDays(nahoda.bounded(300)),
                            QTime(8 + nahoda.bounded(7), nahoda.bounded(60)));
        QByteArray zaznam;
        for (const QString &r : sestav_zaznam(s, znamka, kdy))
            zaznam += do_cp1250(r) + "\r\n";
        if (f.write(zaznam) != zaznam.size())
            return false;
    }
    hodiny::uvolni();
    return true;
}

long spicka_kb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &r : f.readAll().split('\n'))
        if (r.startsWith("VmHWM:"))
            return r.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication aplikace(argc, argv);
    const int pocet = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir data;
    const QString log = cesta_logu(data.path());
    if (!zapis_log(log, pocet)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(log));
        return 1;
    }
    const double mb = QFile(log).size() / 1048576.0;
    const long pred_otevrenim = spicka_kb();

    okno_ucitele okno;
    okno.show();
    QElapsedTimer t;
    const auto zmer = [&](const char *klic, const char *popis, auto &&krok) {
        QCoreApplication::processEvents();
        t.start();
        krok();
        const double ms = t.nsecsElapsed() / 1e6;
        std::printf("%-44s %8.1f ms\n#zmereno ucitel.%s_ms %.1f\n", popis, ms, klic, ms);
    };
    std::printf("log of %d visits, %.1f MB\n", pocet, mb);
    zmer("cteni", "read and parse the log alone:", [&] { (void)nacti_log(log); });
    zmer("otvor", "open (read, parse, model, sort by date):", [&] { okno.otvor(data.path()); });
    if (okno.vyber()->sourceModel()->rowCount() != pocet) {
        std::fprintf(stderr, "read %d of %d records\n", okno.vyber()->sourceModel()->rowCount(), pocet);
        return 1;
    }
    zmer("trid_jmeno", "sort by pupil:", [&] { okno.vyber()->sort(model_zaznamu::zak); });
    zmer("trid_podil",
         "sort by share right, descending:", [&] { okno.vyber()->sort(model_zaznamu::podil, Qt::DescendingOrder); });
    auto *jmeno = okno.findChild<QLineEdit *>(QStringLiteral("filtr_zaka"));
    zmer("filtr_jmeno", "filter by a part of a name:", [&] { jmeno->setText(QStringLiteral("ková")); });
    zmer("filtr_rocnik", "filter by grade too:", [&] {
        okno.findChild<QComboBox *>(QStringLiteral("filtr_rocniku"))->setCurrentIndex(3);
    });
    zmer("filtr_zrus", "all filters cleared:", [&] {
        jmeno->clear();
        okno.findChild<QComboBox *>(QStringLiteral("filtr_rocniku"))->setCurrentIndex(0);
    });
    const double spicka = spicka_kb() / 1024.0;
    std::printf("peak memory: %.1f MB (%.1f MB before opening)\n#zmereno ucitel.pamet_mb %.1f\n", spicka,
                pred_otevrenim / 1024.0, spicka);
    return 0;
}
