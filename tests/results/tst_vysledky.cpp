// What a visit of the results decides, without the screen: the mark from the bands, the
// log record byte for byte, and the score table placed and saved.
#include "common/hodiny.h"
#include "data/kontejner.h"
#include "nahrady/instalace.h"
#include "pomoc/maly_disk.h"
#include "results/navsteva.h"
#include "results/zaznam.h"
#include "results/znamka.h"
#include "shell/obrazky.h"
#include "soubory_vysledku.h"

#include <QtTest>
#include <sys/stat.h>

Q_DECLARE_METATYPE(ulozeni_tabulky_t)

namespace
{

const QString oddelovac(sirka_zaznamu, QLatin1Char('='));
const QByteArray bezna_pasma = "90|100|1\r\n75|89|2\r\n50|74|3\r\n30|49|4\r\n0|29|5\r\n";

// The shown rows as "name|correct|wrong|mark", and the place of the red one (0: none,
// -1: places out of order or more than one red).
QStringList zobrazene(const zobrazeni_tabulky_t &z)
{
    QStringList radky;
    for (const radek_zobrazeni_t &r : z)
        radky.append(sestav_radek(r.radek));
    return radky;
}
int cerveny(const zobrazeni_tabulky_t &z)
{
    int misto = 0;
    for (int k = 0; k < radku_sekce; ++k) {
        if (z[k].poradi != k + 1 || (z[k].cerveny && misto))
            return -1;
        misto = z[k].cerveny ? k + 1 : misto;
    }
    return misto;
}

} // namespace

class tst_vysledky : public QObject
{
    Q_OBJECT

    docasna_instalace instalace_;
    QString soubor(const char *nazev) const { return spoj_cestu(instalace_.data(), QLatin1String(nazev)); }

private slots:
    void init()
    {
        QVERIFY(QDir(instalace_.data()).removeRecursively());
        QVERIFY(QDir().mkpath(instalace_.data()));
    }
    void cleanup() { hodiny::uvolni(); }

    void znamka_data()
    {
        QTest::addColumn<QByteArray>("pasma"); // null: no file
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<bool>("hotovo");
        QTest::addColumn<int>("znamka");
        QTest::newRow("all right: upper bound 100") << bezna_pasma << 12 << 0 << true << 1;
        QTest::newRow("all wrong: lower bound 0") << bezna_pasma << 0 << 7 << true << 5;
        QTest::newRow("shared bound: earlier line wins") << QByteArray("75|89|2\r\n50|75|3") << 3 << 1 << true << 2;
        QTest::newRow("share in a gap") << QByteArray("90|100|1\r\n50|80|3") << 17 << 3 << true << 0;
        QTest::newRow("decimal bound") << QByteArray("74.5|100|2\r\n0|74.4|4") << 149 << 51 << true << 2;
        QTest::newRow("just below a decimal bound") << QByteArray("74.5|100|2\r\n0|74.4|4") << 148 << 52 << true << 4;
        // 1 - 7/10 comes out a hair above 0.30; a share exactly on a bound still matches.
        QTest::newRow("3 of 10 on an upper bound") << QByteArray("31|100|3\r\n0|30|5") << 3 << 7 << true << 5;
        QTest::newRow("7 of 10 on a lower bound") << QByteArray("70|100|2\r\n0|69|5") << 7 << 3 << true << 2;
        QTest::newRow("numbers read as far as numeric") << QByteArray("90 %|100%|1 (v\xfd"
                                                                      "born\xfd)\r\n0|89.9x|3")
                                                        << 10 << 0 << true << 1;
        QTest::newRow("unfinished") << bezna_pasma << 10 << 0 << false << 0;
        QTest::newRow("finished without items") << bezna_pasma << 0 << 0 << true << 0;
        QTest::newRow("no band file") << QByteArray() << 10 << 0 << true << 0;
    }
    void znamka()
    {
        QFETCH(QByteArray, pasma);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(bool, hotovo);
        QFETCH(int, znamka);
        if (!pasma.isNull())
            QVERIFY(zapis(soubor("ZNAMKY.DAT"), pasma));
        QCOMPARE(vrat_znamku(doplnovacka(instalace_.data(), {}, spravne, spatne, hotovo)), znamka);
    }

    // Records appended one after another, the first on a line of its own after a log edited
    // by hand; every line compared whole as it stands in the file (Windows-1250, 75 columns).
    void zaznamy()
    {
        struct navsteva_t {
            QString jmeno;
            QTime cas;
            QString datum; // the desktop's short date form
            int rocnik, tema;
            QList<int> pocty; // sentences, correct, wrong, mark
        };
        const QList<navsteva_t> navstevy = {
            {"Jana Nováková", {9, 5}, "5.12.2026", 3, 3, {10, 8, 2, 2}},
            {"Alžbeta Mária Kováčová-Šťastná z Podhory", {14, 30}, "05.12.2026", 1, 3, {10, 3, 1, 0}},
            {"Ja|na\r\nNová", {9, 5}, "5. decembra 2026", 3, 3, {1234567890, 1234567890, 300, 5}},
            {"\u202eZoë\u200b Łukasz 😀Жук", {9, 5}, "5.12.2026", 3, 3, {5, 5, 0, 1}},
        };
        const QString log = soubor("VYSLEDKY.DAT");
        QVERIFY(zapis(log, "older record"));
        for (const navsteva_t &n : navstevy) {
            hodiny::zafixuj(QDateTime(QDate(2026, 12, 5), n.cas), [d = n.datum](const QDate &) { return d; });
            spolecny_stav_t s = doplnovacka(instalace_.data(), n.jmeno, n.pocty[1], n.pocty[2]);
            s.rocnik = n.rocnik;
            s.tema = n.tema;
            s.pocet_uloh = 5; // chosen; the sentences the exercise had are logged (a whole text's ten)
            s.pocet_vet_cviceni = n.pocty[0];
            QVERIFY(uloz_vysledky(s, n.pocty[3]));
        }
        const QString hra = QStringLiteral("Hra: 7. ročník - Čiarka medzi vetnými členmi");
        QCOMPARE(z_cp1250(obsah(log)).split(QStringLiteral("\r\n")),
                 QStringList(
                     {"older record", "Jméno: Jana Nováková                         Datum:  5/12/2026   Čas:  9:05",
                      hra, "Počet příkladů:  10       Správně:  8        Špatně:   2         Známka:  2", oddelovac,
                      "Jméno: Alžbeta Mária Kováčová-Šťastná z PodhoDatum: 05/12/2026   Čas: 14:30",
                      "Hra: 5. ročník - Zemepisné mená",
                      "Počet příkladů:  10       Správně:  3        Špatně:   1         Známka:  0", oddelovac,
                      "Jméno: Ja/na Nová                            Datum: 5/ decembra 2Čas:  9:05", hra,
                      "Počet příkladů:  123456789Správně:  123456789Špatně:   300       Známka:  5", oddelovac,
                      "Jméno: Zoë Łukasz                            Datum:  5/12/2026   Čas:  9:05", hra,
                      "Počet příkladů:  5        Správně:  5        Špatně:   0         Známka:  1", oddelovac, ""}));
    }

    void tabulka_data()
    {
        QTest::addColumn<QByteArray>("pred");
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<bool>("hotovo");
        QTest::addColumn<QStringList>("zobrazeno");
        QTest::addColumn<int>("cerveny");
        QTest::addColumn<ulozeni_tabulky_t>("ulozeni");
        QTest::addColumn<QByteArray>("po"); // null: as before
        using u = ulozeni_tabulky_t;
        const QByteArray nic;
        const QString dj = QStringLiteral("[8_3_DJ]");
        const QStringList jina = sekce("[8_3_OC]", {"Ivo|3|0|1"});
        // The section between two others, which must come back byte for byte.
        const auto obal = [&](const QStringList &radky) {
            return jako_soubor(sekce("[8_3_CV]", {"Žofia|3|0|1"}) + sekce(dj, radky) + sekce("[6_1]", {"Oto|2|2|3"}));
        };
        QTest::newRow("first result: new section at the end")
            << jako_soubor(jina) << 8 << 2 << true << QStringList{"Nový|8|2|2"} << 1 << u::ulozena
            << jako_soubor(jina + sekce(dj, {"Nový|8|2|2"}));
        QTest::newRow("unfinished, no section yet: nothing added")
            << jako_soubor(jina) << 10 << 0 << false << QStringList() << 0 << u::nezmenena << nic;
        QTest::newRow("unfinished: its section shown")
            << obal({"Eva|5|0|1"}) << 10 << 0 << false << QStringList{"Eva|5|0|1"} << 0 << u::nezmenena << nic;

        const QStringList tri = {"Adam|10|0|1", "Beta|8|2|2", "Cyril|4|1|2"};
        QTest::newRow("1.0, 0.8, 0.8 and a new 0.8 go to row 4")
            << obal(tri) << 16 << 4 << true << tri + QStringList{"Nový|16|4|2"} << 4 << u::ulozena
            << obal(tri + QStringList{"Nový|16|4|2"});
        const QStringList plna = {"A|10|0|1", "B|9|1|1", "C|8|2|2",  "D|8|2|2", "E|7|3|3",
                                  "F|6|4|3",  "G|6|4|3", "H|11|9|3", "I|6|5|3", "J|5|5|3"};
        QTest::newRow("full section ending in 0.5, a new 0.5 changes nothing")
            << obal(plna) << 3 << 3 << true << plna << 0 << u::nezmenena << nic;
        QStringList plna_nova = plna.mid(0, 4) + QStringList{"Nový|15|5|2"} + plna.mid(4, 5);
        QTest::newRow("better result drops the tenth")
            << obal(plna) << 15 << 5 << true << plna_nova << 5 << u::ulozena << obal(plna_nova);
        const QStringList nula = {"Adam|5|5|3", "Beta|0|5|5", "Nový|0|4|2"};
        QTest::newRow("a new 0 enters at the first empty row")
            << obal(nula.mid(0, 2)) << 0 << 4 << true << nula << 3 << u::ulozena << obal(nula);
        QTest::newRow("5 of 5 stands above 29 of 30")
            << obal({"Eva|29|1|1"}) << 5 << 0 << true << QStringList{"Nový|5|0|2", "Eva|29|1|1"} << 1 << u::ulozena
            << obal({"Nový|5|0|2", "Eva|29|1|1"});

        QStringList mnoho; // far beyond the 1,500 lines the table once held
        for (int t = 1; t <= 150; ++t)
            mnoho += sekce(QStringLiteral("[9_%1_DJ]").arg(t), {"Ž|1|1|3"});
        QTest::newRow("150 sections") << jako_soubor(mnoho + sekce(dj, {"Eva|1|1|3"})) << 4 << 1 << true
                                      << QStringList{"Nový|4|1|2", "Eva|1|1|3"} << 1 << u::ulozena
                                      << jako_soubor(mnoho + sekce(dj, {"Nový|4|1|2", "Eva|1|1|3"}));
        // A damaged section stays as it was; the screen shows what can be read of it. One
        // of another topic keeps its bytes, line ends and all, and the rest takes results.
        QTest::newRow("damaged: section cut short by the next header")
            << jako_soubor(QStringList{dj, "Adam|9|1|1", "|0|0|0"} + jina) << 10 << 0 << true
            << QStringList{"Nový|10|0|2", "Adam|9|1|1"} << 1 << u::poskozena << nic;
        const QByteArray poskozena = "[6_1]\nEva|1|0\r\n\x01\xff\r\r\n";
        QTest::newRow("damaged: another section") << jako_soubor(sekce(dj, {"Adam|9|1|1"})) + poskozena << 10 << 0
                                                  << true << QStringList{"Nový|10|0|2", "Adam|9|1|1"} << 1 << u::ulozena
                                                  << jako_soubor(sekce(dj, {"Nový|10|0|2", "Adam|9|1|1"})) + poskozena;
        QTest::newRow("damaged: another section, the exercise's new")
            << poskozena + "[7_1" << 10 << 0 << true << QStringList{"Nový|10|0|2"} << 1 << u::ulozena
            << poskozena + "[7_1\r\n" + jako_soubor(sekce(dj, {"Nový|10|0|2"}));
        QTest::newRow("damaged: unreadable row in the section")
            << jako_soubor(QStringList{dj, "Adam|9|1|1", "Beta 1 1 4"} + sekce({}).mid(3)) << 10 << 0 << true
            << QStringList{"Nový|10|0|2", "Adam|9|1|1"} << 1 << u::poskozena << nic;
    }
    void tabulka()
    {
        QFETCH(QByteArray, pred);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(bool, hotovo);
        QFETCH(QStringList, zobrazeno);
        QFETCH(QByteArray, po);
        const QString tab = soubor("TAB.DAT");
        QVERIFY(zapis(tab, pred));

        const vysledek_tabulky_t v = nacti_tabulku(doplnovacka(instalace_.data(), "Nový", spravne, spatne, hotovo), 2);

        QTEST(v.ulozeni, "ulozeni");
        QCOMPARE(zobrazene(v.zobrazeni), sekce({}, zobrazeno).mid(1));
        QTEST(cerveny(v.zobrazeni), "cerveny");
        QCOMPARE(obsah(tab), po.isNull() ? pred : po);
        // No temporary file and no lock is left behind.
        QCOMPARE(QDir(instalace_.data()).entryList(QDir::Files | QDir::Hidden), QStringList{"TAB.DAT"});
    }

    // A full disk (a tiny file system, filled up but for one page that the lock takes): the
    // log loses its half-written record again, the table keeps its old bytes, and both
    // failures are reported.
    void plny_disk()
    {
        const maly_disk disk;
        if (!disk.chyba().isEmpty())
            QSKIP(qPrintable(disk.chyba()));
        const QByteArray tabulka = jako_soubor(sekce("[8_3_DJ]", {"Eva|1|1|3"})), log(4000, 'x');
        QVERIFY(zapis(disk.cesta("TAB.DAT"), tabulka) && zapis(disk.cesta("VYSLEDKY.DAT"), log));
        QVERIFY(disk.zaplni(4096));
        const navsteva_vysledku_t v = zpracuj_vysledky(doplnovacka(disk.cesta({}), "Nový", 9, 1));
        QVERIFY(!v.zaznam_zapsan);
        QCOMPARE(v.ulozeni_tabulky, ulozeni_tabulky_t::nelze_zapsat);
        QCOMPARE(obsah(disk.cesta("TAB.DAT")), tabulka);
        QCOMPARE(obsah(disk.cesta("VYSLEDKY.DAT")), log);
        QCOMPARE(QDir(disk.cesta({})).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    // Whatever another user plants under a file's name, the program follows no link to
    // somebody else's file, waits on no pipe and reads no device or giant file: the file
    // cannot be read (or written), and what stands there or behind it stays as it was.
    void podvrzene_soubory_data()
    {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QString>("podvrh");
        for (const char *soubor : {"TAB.DAT", "VYSLEDKY.DAT", "ZNAMKY.DAT", "VERBANO2.DAT", "VYJIMKY.DAT"})
            for (const char *podvrh : {"link to a file", "link to a missing file", "link to a folder", "folder", "pipe",
                                       "link to /dev/zero", "oversized"})
                if (qstrcmp(soubor, "VYSLEDKY.DAT") || qstrcmp(podvrh, "oversized")) // the log is never read
                    QTest::addRow("%s: %s", soubor, podvrh) << soubor << podvrh;
        for (const char *podvrh : {"pipe", "link to /dev/zero", "oversized"})
            QTest::addRow("bitmap: %s", podvrh) << "GRAFIKA/L.BMP" << podvrh;
    }
    void podvrzene_soubory()
    {
        QFETCH(QString, soubor);
        QFETCH(QString, podvrh);
        const bool bitmapa = soubor.endsWith(".BMP");
        const QString cesta = spoj_cestu(bitmapa ? instalace_.media() : instalace_.data(), soubor);
        const QString obet = instalace_.koren() + "/obet/" + soubor; // what each reader would take
        const QByteArray pred = soubor == "TAB.DAT"      ? jako_soubor(sekce("[8_3_DJ]"))
                                : soubor == "ZNAMKY.DAT" ? QByteArray("0|100|1")
                                : soubor.startsWith("V") ? zakoduj_radek("[7_3]") + "\n" + zakoduj_radek("A<b#c>*1")
                                                         : QByteArray("");
        QFile::remove(cesta);
        QVERIFY(QDir().mkpath(QFileInfo(obet).path()) && QDir().mkpath(QFileInfo(cesta).path()) && zapis(obet, pred));
        if (podvrh == "folder")
            QVERIFY(QDir().mkdir(cesta));
        else if (podvrh == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(cesta).constData(), 0666), 0);
        else if (podvrh == "oversized")
            QVERIFY(zapis(cesta, pred) && QFile::resize(cesta, nejvetsi_soubor + 1));
        else
            QVERIFY(QFile::link(podvrh.endsWith("/dev/zero")      ? "/dev/zero"
                                : podvrh.endsWith("folder")       ? QFileInfo(obet).path()
                                : podvrh.endsWith("missing file") ? obet + ".nove"
                                                                  : obet,
                                cesta));
        const QFileInfo podvrzeny(cesta);

        const spolecny_stav_t s = doplnovacka(instalace_.data(), "Nový", 9, 1);
        QVERIFY(!(soubor == "TAB.DAT"        ? nacti_tabulku(s, 1).ulozeni != ulozeni_tabulky_t::necitelna
                  : soubor == "VYSLEDKY.DAT" ? uloz_vysledky(s, 1)
                  : soubor == "ZNAMKY.DAT"   ? vrat_znamku(s) != 0
                  : bitmapa                  ? nacti_obrazek_souboru(cesta) || je_citelny_obrazek(cesta)
                                             : nacti_sekci(cesta, "7_3").nalezena));
        QCOMPARE(obsah(obet), pred);
        QVERIFY(!QFile::exists(obet + ".nove"));
        const QFileInfo po(cesta);
        QCOMPARE(QList<qint64>({po.isSymLink(), po.isDir(), po.size()}),
                 QList<qint64>({podvrzeny.isSymLink(), podvrzeny.isDir(), podvrzeny.size()}));
    }
};

QTEST_GUILESS_MAIN(tst_vysledky)
#include "tst_vysledky.moc"
