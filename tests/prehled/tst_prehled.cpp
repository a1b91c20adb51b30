// The teacher's reading of the pupils' files: records as the pupils' program writes them
// (and as damage, other desktops and half-finished appends leave them), the spreadsheet
// file read back, the command line.
#include "prehled/rozbor.h"
#include "prehled/zaznam_zaka.h"

#include <QtTest>

static QByteArray jana() { return zaznam("Jana Nováková", "7.12.2026", 7, 2, {10, 8, 2, 2}); }
static QByteArray a(const QString &datum) { return zaznam("A", datum, 7, 2, {1, 1, 0, 1}); }

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
        const QString ja = QStringLiteral("A|2026-12-07|7/2 Číslovky|1 1 0 1");
        QTest::newRow("as written, line ends of another system")
            << jana() + zaznam("Ivo", "15.1.2027", 5, 9, {20, 3, 0, 0}).replace("\r\n", "\n")
            << QStringList{j, "Ivo|2027-01-15|5/9 Súhrnné diktáty|20 3 0 0"} << 0;
        QTest::newRow("cut short, garbage, a line being appended")
            << jana() + jana().left(jana().indexOf("Po")) + "xyz\r\n\r\nHra: 7. ro\xe8n\xedk - \xc8\xedslovky\r\n" +
                   jana() + "Jm\xe9no: Pe"
            << QStringList{j, j} << 5;
        QTest::newRow("names as stored") << zaznam("Ja|na Datum: Čas: 1", "7.12.2026", 7, 2, {10, 8, 2, 2}) +
                                                jana().replace("Nov\xe1kov\xe1", "Nov\x1a\xe1kov\xe1")
                                         << QStringList{"Ja/na Datum: Čas: 1|2026-12-07|7/2 Číslovky|10 8 2 2",
                                                        "Jana Nov\x1a\u00e1kov\u00e1|2026-12-07|7/2 Číslovky|10 8 2 2"}
                                         << 0;
        QTest::newRow("month first, as the log's own dates tell")
            << a("12/7/2026") + a("12/13/26") << QStringList{ja, "A|2026-12-13|7/2 Číslovky|1 1 0 1"} << 0;
        QTest::newRow("other short forms") << a("2026-12-07") + a("07.12.2026") + a("7. decembra")
                                           << QStringList{ja, ja, "A||7/2 Číslovky|1 1 0 1"} << 0;
        QTest::newRow("topics the catalogue lacks")
            << zaznam("A", "7.12.2026", 9, 9, {1, 0, 1, 5}) + jana().replace("\xc8\xedslovky", "Nov\xe1 t\xe9ma")
            << QStringList{"A|2026-12-07|0/0 |1 0 1 5", "Jana Nováková|2026-12-07|7/0 Nová téma|10 8 2 2"} << 0;
        QTest::newRow("empty") << QByteArray("") << QStringList() << 0;
        QTest::newRow("missing") << QByteArray() << QStringList() << 0;
    }
    void citani_logu()
    {
        QFETCH(QByteArray, log);
        QFETCH(QStringList, zaznamy);
        QTemporaryDir d;
        const QString cesta = cesta_logu(d.path());
        QVERIFY(log.isNull() || zapis(cesta, log));
        const nacteny_log_t n = nacti_log(cesta);
        QStringList p;
        for (const zaznam_t &z : n.zaznamy)
            p.append(z.jmeno + '|' + z.datum.toString(Qt::ISODate) + QString::asprintf("|%d/%d ", z.rocnik, z.tema) +
                     z.nazev_temy + QString::asprintf("|%d %d %d %d", z.uloh, z.spravne, z.spatne, z.znamka));
        QCOMPARE(p, zaznamy);
        QTEST(n.preskocene_radky, "preskocene");
        QCOMPARE(n.chybi, log.isNull());
        QCOMPARE(n.chyba.isEmpty(), !log.isNull());
        // Read only: the log as it was, and nothing left beside it.
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden).size(), log.isNull() ? 0 : 1);
        QFile f(cesta);
        QVERIFY(log.isNull() || (f.open(QIODevice::ReadOnly) && f.readAll() == log));
    }

    // A link planted under the log's name in a shared folder is not followed to the file it
    // names (which may belong to another user).
    void log_odkazem()
    {
        QTemporaryDir d;
        QVERIFY(zapis(d.filePath("jiny"), jana()));
        QVERIFY(QFile::link(d.filePath("jiny"), cesta_logu(d.path())));
        const nacteny_log_t n = nacti_log(cesta_logu(d.path()));
        QVERIFY(n.zaznamy.isEmpty());
        QVERIFY(!n.chyba.isEmpty());
    }

    // Without a window: one Slovak line and status 2 on failure; on success every record, with
    // a BOM so that a spreadsheet reads UTF-8 and quotes where it would split a field wrongly.
    void prikazovy_riadok_data()
    {
        QTest::addColumn<QString>("argumenty"); // "@": a folder with a log
        QTest::addColumn<int>("kod");
        QTest::newRow("exported") << "--export @/v.csv --data @" << 0;
        QTest::newRow("from the log file") << "--data @/VYSLEDKY.DAT --export @/v.csv" << 0;
        QTest::newRow("unknown option") << "--exprot @/v.csv" << 2;
        QTest::newRow("folder without a log") << "--export @/v.csv --data /" << 2;
        QTest::newRow("nowhere to write") << "--export @/nic/v.csv --data @" << 2;
    }
    void prikazovy_riadok()
    {
        QFETCH(QString, argumenty);
        QFETCH(int, kod);
        QTemporaryDir d;
        QVERIFY(zapis(cesta_logu(d.path()), zaznam("Novák; \"Jano\"", "7.12.2026", 7, 2, {10, 5, 3, 0}) + jana()));
        QProcess p;
        p.start(ORTANEL_BUILD_DIR "/ortanel-verbano2", ("--ucitel " + argumenty.replace('@', d.path())).split(' '));
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitCode(), kod);
        const QStringList chyba = QString::fromLocal8Bit(p.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(chyba.size() == 1 && chyba[0].startsWith("Chyba: "), kod != 0);
        QFile f(d.filePath("v.csv"));
        const QByteArray csv = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        QCOMPARE(csv.startsWith("\xEF\xBB\xBF"), kod == 0);
        QCOMPARE(QString::fromUtf8(csv).split("\r\n").mid(1),
                 (kod ? QStringList()
                      : QStringList{"\"Novák; \"\"Jano\"\"\";7.12.2026;9:05;7;Číslovky;10;5;3;62,5;;nedokončené",
                                    "Jana Nováková;7.12.2026;9:05;7;Číslovky;10;8;2;80,0;2;dokončené", ""}));
    }
};

QTEST_GUILESS_MAIN(tst_prehled)
#include "tst_prehled.moc"
