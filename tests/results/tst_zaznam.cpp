// Results log: the fixed-width record, compared byte for byte as it lands in the file.
#include "common/hodiny.h"
#include "common/soubory.h"
#include "pomoc/instalace.h"
#include "results/zaznam.h"

#include <QDir>
#include <QtTest>

namespace
{

QString den_tecky(const QDate &d) { return d.toString(QStringLiteral("d.M.yyyy")); }

const QString oddelovac = QString(75, QLatin1Char('='));

} // namespace

class tst_zaznam : public QObject
{
    Q_OBJECT

    docasna_instalace instalace_;

    QString cesta() const { return spoj_cestu(instalace_.data(), QStringLiteral("VYSLEDKY.DAT")); }

    QByteArray obsah() const
    {
        QFile f(cesta());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    static QByteArray jako_soubor(const QStringList &radky)
    {
        QByteArray bajty;
        for (const QString &r : radky)
            bajty += do_cp1250(r) + "\r\n";
        return bajty;
    }

    spolecny_stav_t stav(const QString &jmeno = QStringLiteral("Jana Nováková"))
    {
        spolecny_stav_t s;
        s.adresar_dat = instalace_.data();
        s.rocnik = 3;
        s.tema = 2;
        s.druh_ulohy = QStringLiteral("DOPLNOVACKA");
        s.pocet_uloh = 10;
        s.jmeno_zaka = jmeno;
        s.pocet_spravne = 8;
        s.pocet_spatne = 2;
        s.vsetko_skontrolovane = true;
        return s;
    }

private slots:
    void init()
    {
        QFile::remove(cesta());
        hodiny::zafixuj(QDateTime(QDate(2026, 12, 5), QTime(9, 5)), den_tecky);
    }
    void cleanup() { hodiny::uvolni(); }

    void cely_zaznam()
    {
        QVERIFY(uloz_vysledky(stav(), 2));
        QCOMPARE(obsah(), jako_soubor({
                              QStringLiteral("Jméno: Jana Nováková                         ") +
                                  QStringLiteral("Datum:  5/12/2026   ") + QStringLiteral("Čas:  9:05"),
                              QStringLiteral("Hra: 7. ročník - Číslovky"),
                              QStringLiteral("Počet příkladů:  10       ") + QStringLiteral("Správně:  8        ") +
                                  QStringLiteral("Špatně:   2         ") + QStringLiteral("Známka:  2"),
                              oddelovac,
                          }));
        // Windows-1250 on disk, whatever the source's encoding: "é" is 0xE9, "Č" is 0xC8.
        QVERIFY(obsah().startsWith("Jm\xe9no: "));
        QVERIFY(obsah().contains("\xc8"
                                 "as:  9:05\r\nHra: 7. ro\xe8n\xedk - \xc8\xedslovky\r\n"));
    }

    void prvni_radek_data()
    {
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<QTime>("cas");
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("radek");

        const QString datum = QStringLiteral("Datum:  5/12/2026   ");
        const QString jana = QStringLiteral("Jméno: Jana                                  ");
        QTest::newRow("name of 40 characters keeps 38")
            << QStringLiteral("Alžbeta Mária Kováčová-Šťastná z Podhory") << QTime(9, 5) << "5.12.2026"
            << QStringLiteral("Jméno: Alžbeta Mária Kováčová-Šťastná z Podho") + datum + QStringLiteral("Čas:  9:05");
        QTest::newRow("empty name leaves the field blank")
            << QString() << QTime(9, 5) << "5.12.2026"
            << QStringLiteral("Jméno:                                       ") + datum + QStringLiteral("Čas:  9:05");
        QTest::newRow("two-digit hour") << "Jana" << QTime(14, 30) << "5.12.2026"
                                        << jana + datum + QStringLiteral("Čas: 14:30");
        QTest::newRow("midnight") << "Jana" << QTime(0, 0) << "5.12.2026"
                                  << jana + datum + QStringLiteral("Čas:  0:00");
        QTest::newRow("date with leading zeros")
            << "Jana" << QTime(9, 5) << "05.12.2026" << jana + QStringLiteral("Datum: 05/12/2026   Čas:  9:05");
        QTest::newRow("ISO date keeps its dashes")
            << "Jana" << QTime(9, 5) << "2026-12-05" << jana + QStringLiteral("Datum: 2026-12-05   Čas:  9:05");
        QTest::newRow("long date form never widens the field")
            << "Jana" << QTime(9, 5) << "5. decembra 2026" << jana + QStringLiteral("Datum: 5/ decembra 2Čas:  9:05");
        QTest::newRow("line breaks and bars never reach the file")
            << "Ja|na\r\nNová" << QTime(9, 5) << "5.12.2026"
            << QStringLiteral("Jméno: JanaNová                              ") + datum + QStringLiteral("Čas:  9:05");
    }
    void prvni_radek()
    {
        QFETCH(QString, jmeno);
        QFETCH(QTime, cas);
        QFETCH(QString, datum);
        QFETCH(QString, radek);
        hodiny::zafixuj(QDateTime(QDate(2026, 12, 5), cas), [datum](const QDate &) { return datum; });

        QVERIFY(uloz_vysledky(stav(jmeno), 2));

        const QList<QByteArray> radky = obsah().split('\n');
        QCOMPARE(radky.size(), 5); // four lines and nothing after the last line end
        QCOMPARE(radky[0], do_cp1250(radek) + '\r');
        QCOMPARE(radek.size(), 75);
        QCOMPARE(radek.mid(45, 6), QStringLiteral("Datum:"));
    }

    void treti_radek_data()
    {
        QTest::addColumn<int>("uloh");
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<int>("znamka");
        QTest::addColumn<QString>("radek");
        QTest::newRow("unfinished, mark 0")
            << 5 << 0 << 0 << 0
            << QStringLiteral("Počet příkladů:  5        Správně:  0        Špatně:   0         Známka:  0");
        QTest::newRow("counts beyond 255 do not wrap")
            << 20 << 300 << 256 << 4
            << QStringLiteral("Počet příkladů:  20       Správně:  300      Špatně:   256       Známka:  4");
        QTest::newRow("counts are cut at the end of their fields")
            << 1234567890 << 1234567890 << 1234567890 << 5
            << QStringLiteral("Počet příkladů:  123456789Správně:  123456789Špatně:   1234567890Známka:  5");
    }
    void treti_radek()
    {
        QFETCH(int, uloh);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(int, znamka);
        QFETCH(QString, radek);
        spolecny_stav_t s = stav();
        s.pocet_uloh = uloh;
        s.pocet_spravne = spravne;
        s.pocet_spatne = spatne;
        QVERIFY(uloz_vysledky(s, znamka));
        QCOMPARE(obsah().split('\n').value(2), do_cp1250(radek) + '\r');
    }

    void nazev_hry_data()
    {
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<QString>("radek");
        QTest::newRow("5th grade, log name differs from the worksheet's")
            << 1 << 3 << QStringLiteral("Hra: 5. ročník - Zemepisné mená");
        QTest::newRow("9th grade, last topic") << 5 << 6 << QStringLiteral("Hra: 9. ročník - Súhrnné diktáty");
        QTest::newRow("topic with no name") << 2 << 9 << QString();
        QTest::newRow("grade with no name") << 0 << 1 << QString();
    }
    void nazev_hry()
    {
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(QString, radek);
        spolecny_stav_t s = stav();
        s.rocnik = rocnik;
        s.tema = tema;
        QVERIFY(uloz_vysledky(s, 1));
        QCOMPARE(obsah().split('\n').value(1), do_cp1250(radek) + '\r');
    }

    void dva_zaznamy_za_sebou()
    {
        spolecny_stav_t prvni = stav(QStringLiteral("Peter"));
        prvni.vsetko_skontrolovane = false;
        prvni.pocet_spravne = 3;
        prvni.pocet_spatne = 1;
        QVERIFY(uloz_vysledky(prvni, 0));
        hodiny::zafixuj(QDateTime(QDate(2026, 12, 5), QTime(9, 17)), den_tecky);
        QVERIFY(uloz_vysledky(stav(QStringLiteral("Peter")), 2));

        const QString peter = QStringLiteral("Jméno: Peter                                 Datum:  5/12/2026   ");
        const QString hra = QStringLiteral("Hra: 7. ročník - Číslovky");
        QCOMPARE(obsah(),
                 jako_soubor({
                     peter + QStringLiteral("Čas:  9:05"),
                     hra,
                     QStringLiteral("Počet příkladů:  10       Správně:  3        Špatně:   1         Známka:  0"),
                     oddelovac,
                     peter + QStringLiteral("Čas:  9:17"),
                     hra,
                     QStringLiteral("Počet příkladů:  10       Správně:  8        Špatně:   2         Známka:  2"),
                     oddelovac,
                 }));
    }

    void pripoji_za_cizi_obsah_data()
    {
        QTest::addColumn<QByteArray>("pred");
        QTest::addColumn<QByteArray>("oddeleni");
        QTest::newRow("log ending with a line end") << QByteArray("older record\r\n") << QByteArray();
        QTest::newRow("log edited by hand, last line end lost") << QByteArray("older record") << QByteArray("\r\n");
    }
    void pripoji_za_cizi_obsah()
    {
        QFETCH(QByteArray, pred);
        QFETCH(QByteArray, oddeleni);
        {
            QFile f(cesta());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(pred);
        }
        QVERIFY(uloz_vysledky(stav(), 2));
        QVERIFY(uloz_vysledky(stav(), 2));
        const QByteArray zaznam = jako_soubor(sestav_zaznam(stav(), 2, hodiny::ted()));
        QCOMPARE(obsah(), pred + oddeleni + zaznam + zaznam);
    }

    void necitelny_log_se_ohlasi()
    {
        QVERIFY(QDir(instalace_.data()).mkdir(QStringLiteral("VYSLEDKY.DAT")));
        QVERIFY(!uloz_vysledky(stav(), 2));
        QVERIFY(QDir(instalace_.data()).rmdir(QStringLiteral("VYSLEDKY.DAT")));
    }
};

QTEST_GUILESS_MAIN(tst_zaznam)
#include "tst_zaznam.moc"
