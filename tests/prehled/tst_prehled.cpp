// The teacher's reading of the pupils' files: records as the pupils' program writes them
// (and as damage, other desktops and half-finished appends leave them), filters and
// figures against hand-computed ones, the spreadsheet file read back, the command line.
#include "prehled/csv.h"
#include "prehled/rozbor.h"
#include "prehled/zaznam_zaka.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

QStringList popis(const QList<zaznam_t> &zaznamy)
{
    QStringList p;
    for (const zaznam_t &z : zaznamy)
        p.append(QStringLiteral("%1|%2|%3/%4 %5|%6 %7 %8 %9")
                     .arg(z.jmeno, z.datum.toString(Qt::ISODate))
                     .arg(z.rocnik)
                     .arg(z.tema)
                     .arg(z.nazev_temy)
                     .arg(z.uloh)
                     .arg(z.spravne)
                     .arg(z.spatne)
                     .arg(z.znamka));
    return p;
}

// Fields of a ";" file with quoting, as a spreadsheet splits it.
QList<QStringList> precti_csv(const QString &text)
{
    QList<QStringList> radky{{}};
    QString pole;
    bool v_uvozovkach = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (v_uvozovkach && c == '"' && i + 1 < text.size() && text[i + 1] == '"')
            pole += text[++i];
        else if (c == '"')
            v_uvozovkach = !v_uvozovkach;
        else if (!v_uvozovkach && c == ';')
            radky.last().append(std::exchange(pole, {}));
        else if (!v_uvozovkach && c == '\n')
            radky.last().append(std::exchange(pole, {})), radky.append(QStringList());
        else if (v_uvozovkach || c != '\r')
            pole += c;
    }
    radky.removeLast();
    return radky;
}

QByteArray jana() { return zaznam("Jana Nováková", "7.12.2026", 7, 2, {10, 8, 2, 2}); }

} // namespace

class tst_prehled : public QObject
{
    Q_OBJECT

private slots:
    void citani_logu_data()
    {
        QTest::addColumn<QByteArray>("log"); // null: no log
        QTest::addColumn<QStringList>("zaznamy");
        QTest::addColumn<int>("preskocene");
        const QString j = QStringLiteral("Jana Nováková|2026-12-07|7/2 Číslovky|10 8 2 2");
        QTest::newRow("records as written") << jana() + zaznam("Ivo", "15.1.2027", 5, 9, {20, 3, 0, 0})
                                            << QStringList{j, "Ivo|2027-01-15|5/9 Súhrnné diktáty|20 3 0 0"} << 0;
        QTest::newRow("a record cut short") << jana() + jana().left(jana().indexOf("Po")) << QStringList{j} << 2;
        QTest::newRow("a line being appended") << jana() + "Jm\xe9no: Pe" << QStringList{j} << 1;
        QTest::newRow("garbage between records")
            << jana() + "xyz\r\n\r\nHra: 7. ro\xe8n\xedk - \xc8\xedslovky\r\n" + jana() << QStringList{j, j} << 2;
        QTest::newRow("names as stored")
            << zaznam("Ja|na Datum: Čas: 1", "7.12.2026", 7, 2, {10, 8, 2, 2}) +
                   zaznam("Alžbeta Mária Kováčová-Šťastná z Podhory", "7.12.2026", 7, 2, {10, 8, 2, 2}) +
                   jana().replace("Nov\xe1kov\xe1", "Nov\x1a\xe1kov\xe1")
            << QStringList{"Ja/na Datum: Čas: 1|2026-12-07|7/2 Číslovky|10 8 2 2",
                           "Alžbeta Mária Kováčová-Šťastná z Podho|2026-12-07|7/2 Číslovky|10 8 2 2",
                           "Jana Nov\x1a\u00e1kov\u00e1|2026-12-07|7/2 Číslovky|10 8 2 2"}
            << 0;
        QTest::newRow("month first, as the log's own dates tell")
            << zaznam("A", "12/7/2026", 7, 2, {1, 1, 0, 1}) + zaznam("B", "12/13/26", 7, 2, {1, 1, 0, 1})
            << QStringList{"A|2026-12-07|7/2 Číslovky|1 1 0 1", "B|2026-12-13|7/2 Číslovky|1 1 0 1"} << 0;
        QTest::newRow("other short forms")
            << zaznam("A", "2026-12-07", 7, 2, {1, 1, 0, 1}) + zaznam("B", "07.12.2026", 7, 2, {1, 1, 0, 1}) +
                   zaznam("C", "7. decembra", 7, 2, {1, 1, 0, 1})
            << QStringList{"A|2026-12-07|7/2 Číslovky|1 1 0 1", "B|2026-12-07|7/2 Číslovky|1 1 0 1",
                           "C||7/2 Číslovky|1 1 0 1"}
            << 0;
        QTest::newRow("topics the catalogue lacks")
            << zaznam("A", "7.12.2026", 9, 9, {1, 0, 1, 5}) + jana().replace("\xc8\xedslovky", "Nov\xe1 t\xe9ma")
            << QStringList{"A|2026-12-07|0/0 |1 0 1 5", "Jana Nováková|2026-12-07|7/0 Nová téma|10 8 2 2"} << 0;
        QTest::newRow("line ends of another system") << jana().replace("\r\n", "\n") << QStringList{j} << 0;
        QTest::newRow("empty") << QByteArray("") << QStringList() << 0;
        QTest::newRow("missing") << QByteArray() << QStringList() << 0;
    }
    void citani_logu()
    {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, zaznamy);
        QFETCH(int, preskocene);
        QTemporaryDir d;
        const QString cesta = cesta_logu(d.path());
        QFile f(cesta);
        QVERIFY(log.isNull() || (f.open(QIODevice::WriteOnly) && f.write(log) == log.size()));
        f.close();
        const nacteny_log_t n = nacti_log(cesta);
        QCOMPARE(popis(n.zaznamy).join('\n'), zaznamy.join('\n'));
        QCOMPARE(n.preskocene_radky, preskocene);
        QCOMPARE(n.chybi, log.isNull());
        QCOMPARE(n.chyba.isEmpty(), !log.isNull());
        // Read only: the log as it was, and nothing left beside it.
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden),
                 log.isNull() ? QStringList() : QStringList{"VYSLEDKY.DAT"});
        QVERIFY(log.isNull() || (f.open(QIODevice::ReadOnly) && f.readAll() == log));
    }

    // Five visits worked out by hand: shares and marks of finished visits only, every topic
    // of a chosen grade listed, unknown topics apart.
    void souhrny()
    {
        const nacteny_log_t log = rozeber_log(
            zaznam("Jana", "1.12.2026", 7, 2, {10, 3, 1, 0}) + zaznam("Ivo", "3.12.2026", 7, 2, {10, 1, 3, 5}) +
            zaznam("jana b", "2.12.2026", 7, 2, {10, 9, 1, 2}) + zaznam("Jana", "3.12.2026", 7, 2, {10, 13, 7, 2}) +
            zaznam("Ivo", "4.12.2026", 5, 9, {10, 0, 0, 0}));
        QStringList s;
        for (const souhrn_temy_t &t : souhrn_temat(log.zaznamy, {0, 1, 2, 3, 4}, 7))
            s.append(QStringLiteral("%1 %2 %3 %4 %5%6%7%8%9")
                         .arg(t.nazev)
                         .arg(t.navstev)
                         .arg(t.podil * 100, 0, 'f', 1)
                         .arg(t.znamka, 0, 'f', 2)
                         .arg(t.znamky[0])
                         .arg(t.znamky[1])
                         .arg(t.znamky[2])
                         .arg(t.znamky[5])
                         .arg(t.znamky[3] + t.znamky[4]));
        QCOMPARE(s, (QStringList{"Súhrnné diktáty 1 -100.0 0.00 10000", "Podstatné mená 0 -100.0 0.00 00000",
                                 "Číslovky 4 60.0 3.00 10210", "Čiarka medzi vetnými členmi 0 -100.0 0.00 00000",
                                 "Čiarka v jednoduchom súvetí 0 -100.0 0.00 00000", "Citoslovcia 0 -100.0 0.00 00000",
                                 "Súhrnné diktáty 0 -100.0 0.00 00000"}));
        QCOMPARE(prubeh_zaka(log.zaznamy, {0, 1, 2, 3, 4}, "Jana"), (QList<int>{0, 3}));
        QCOMPARE(jmena_zaku(log.zaznamy), (QStringList{"Ivo", "Jana", "jana b"}));
    }

    // A spreadsheet splits each field back as it was, names with ";" and quotes included.
    void csv_precteny()
    {
        const nacteny_log_t log = rozeber_log(zaznam("Novák; \"Jano\"", "7.12.2026", 7, 2, {10, 5, 3, 0}) + jana());
        const QByteArray csv = sestav_csv(log.zaznamy, {1, 0});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(
            precti_csv(QString::fromUtf8(csv.mid(3))),
            (QList<QStringList>{
                {"Žiak", "Dátum", "Čas", "Ročník", "Téma", "Počet viet", "Správne", "Nesprávne", "Úspešnosť (%)",
                 "Známka", "Stav"},
                {"Jana Nováková", "7.12.2026", "9:05", "7", "Číslovky", "10", "8", "2", "80,0", "2", "dokončené"},
                {"Novák; \"Jano\"", "7.12.2026", "9:05", "7", "Číslovky", "10", "5", "3", "62,5", "", "nedokončené"}}));
    }

    // Without a window: one Slovak line and status 2 on failure, the file on success.
    void prikazovy_riadok_data()
    {
        QTest::addColumn<QStringList>("argumenty"); // "@" stands for a folder with a log
        QTest::addColumn<int>("kod");
        QTest::newRow("exported") << QStringList{"--ucitel", "--export", "@/v.csv", "--data", "@"} << 0;
        QTest::newRow("from the log file")
            << QStringList{"--ucitel", "--data", "@/VYSLEDKY.DAT", "--export", "@/v.csv"} << 0;
        QTest::newRow("unknown option") << QStringList{"--ucitel", "--exprot", "@/v.csv"} << 2;
        QTest::newRow("no file name") << QStringList{"--ucitel", "--data", "@", "--export"} << 2;
        QTest::newRow("no such folder") << QStringList{"--ucitel", "--export", "@/v.csv", "--data", "@/nic"} << 2;
        QTest::newRow("folder without a log") << QStringList{"--ucitel", "--export", "@/v.csv", "--data", "/"} << 2;
        QTest::newRow("nowhere to write") << QStringList{"--ucitel", "--export", "@/nic/v.csv", "--data", "@"} << 2;
    }
    void prikazovy_riadok()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QTemporaryDir d;
        QFile log(cesta_logu(d.path()));
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write(jana() + jana()) > 0);
        log.close();
        for (QString &a : argumenty)
            a.replace('@', d.path());
        QProcess p;
        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(QStringLiteral(ORTANEL_BUILD_DIR "/ortanel-verbano2"), argumenty);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), kod);
        const QStringList chyba = QString::fromLocal8Bit(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(chyba.size(), kod ? 1 : 0);
        QVERIFY(!kod || chyba[0].startsWith(QStringLiteral("Chyba: ")));
        QFile csv(d.filePath("v.csv"));
        QCOMPARE(csv.open(QIODevice::ReadOnly), !kod);
        QVERIFY(kod || precti_csv(QString::fromUtf8(csv.readAll())).size() == 3);
    }
};

QTEST_GUILESS_MAIN(tst_prehled)
#include "tst_prehled.moc"
