// The teacher's results window on a sample log of a 7th-grade class over three weeks: the
// records, a filter, one pupil's progress, the grade's topics and the ten best.
#include "common/hodiny.h"
#include "common/soubory.h"
#include "prohlidka.h"
#include "results/zaznam.h"
#include "ucitel/okno_ucitele.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

namespace
{

// Visits as the pupils' program logs them: each pupil a little better each week, some
// visits left unfinished, and one line damaged by hand.
QByteArray ukazkovy_log()
{
    const QStringList zaci = {"Jana Nováková",  "Peter Horváth", "Žofia Čierna", "Ľubomír Šťastný",
                              "Mária Kováčová", "Adam Kríž",     "Tomáš Ďurica", "Nina Bieliková"};
    hodiny::zafixuj({}, [](const QDate &d) { return d.toString(QStringLiteral("d.M.yyyy")); });
    QByteArray log;
    int n = 0;
    for (int tyzden = 0; tyzden < 3; ++tyzden)
        for (int z = 0; z < zaci.size(); ++z)
            for (int tema = 1; tema <= 5; tema += 1 + (z + tyzden) % 2) {
                spolecny_stav_t s;
                s.jmeno_zaka = zaci[z];
                s.rocnik = 3;
                s.tema = tema;
                s.pocet_uloh = 10;
                const int polozek = 12 + (z * 7 + tema * 3) % 9;
                s.pocet_spatne = qMax(0, (polozek * (4 + z % 4 + tema % 3 - 2 * tyzden)) / 14);
                s.pocet_spravne = polozek - s.pocet_spatne;
                const bool hotovo = ++n % 7 != 0;
                const double podil = double(s.pocet_spravne) / polozek;
                const int znamka = !hotovo         ? 0
                                   : podil >= 0.9  ? 1
                                   : podil >= 0.75 ? 2
                                   : podil >= 0.5  ? 3
                                   : podil >= 0.3  ? 4
                                                   : 5;
                if (!hotovo)
                    s.pocet_spravne /= 2, s.pocet_spatne /= 3;
                const QDateTime kdy(QDate(2026, 11, 16).addDays(tyzden * 7 + z % 5), QTime(8 + tema, 5 * z));
                for (const QString &r : sestav_zaznam(s, znamka, kdy))
                    log += do_cp1250(r) + "\r\n";
            }
    hodiny::uvolni();
    return log + "Jm\xe9no: Pe\r\n";
}

const cast_prohlidky cast(
    70, [](hostitel &) {},
    [](prohlidka &p) {
        QTemporaryDir data;
        QFile log(cesta_logu(data.path()));
        QFile tab(spoj_cestu(data.path(), QStringLiteral("TAB.DAT")));
        if (!log.open(QIODevice::WriteOnly) || log.write(ukazkovy_log()) < 0 || !tab.open(QIODevice::WriteOnly) ||
            tab.write(do_cp1250(QStringLiteral("[8_2_DJ]\r\nŽofia Čierna|18|1|1\r\nJana Nováková|15|2|2\r\n"
                                               "Adam Kríž|11|4|2\r\n|0|0|0\r\n|0|0|0\r\n|0|0|0\r\n|0|0|0\r\n"
                                               "|0|0|0\r\n|0|0|0\r\n|0|0|0\r\n"))) < 0) {
            p.chyba(QStringLiteral("the sample log cannot be written"));
            return;
        }
        log.close();
        tab.close();
        okno_ucitele okno;
        okno.otvor(data.path());
        okno.show();
        auto *pohledy = okno.findChild<QTabWidget *>();
        const auto snimek = [&](const QString &nazev, const QString &popisek) {
            p.pockej(300);
            p.pridej_obrazek(nazev, popisek, okno.grab().toImage());
        };
        snimek(QStringLiteral("ucitel_zaznamy"),
               QStringLiteral("Teacher's window (--ucitel): every record of the sample log, unfinished visits greyed, "
                              "the damaged line counted"));
        okno.findChild<QLineEdit *>(QStringLiteral("filtr_zaka"))->setText(QStringLiteral("Jana"));
        snimek(QStringLiteral("ucitel_filtr"), QStringLiteral("Records filtered by a part of the pupil's name"));
        pohledy->setCurrentIndex(1);
        snimek(QStringLiteral("ucitel_zak"),
               QStringLiteral("One pupil's progress: share right and mark per visit, averages per topic"));
        okno.findChild<QLineEdit *>(QStringLiteral("filtr_zaka"))->clear();
        pohledy->setCurrentIndex(2);
        okno.findChild<QComboBox *>(QStringLiteral("rocnik_tem"))->setCurrentIndex(2);
        snimek(QStringLiteral("ucitel_temy"),
               QStringLiteral("The grade's topics: marks per topic as bars, visits and average share right"));
        pohledy->setCurrentIndex(3);
        snimek(QStringLiteral("ucitel_najlepsi"), QStringLiteral("The ten best of a topic and kind from TAB.DAT"));
    },
    QStringLiteral("The teacher's results window"));

} // namespace
