// Score table: new sections, placement by share, unfinished visits, damaged and large files.
#include "common/soubory.h"
#include "pomoc/instalace.h"
#include "results/tabulka.h"

#include <QDir>
#include <QtTest>

Q_DECLARE_METATYPE(ulozeni_tabulky_t)

namespace
{

const QString prazdny = QStringLiteral("|0|0|0");

QByteArray jako_soubor(const QStringList &radky)
{
    QByteArray obsah;
    for (const QString &r : radky)
        obsah += do_cp1250(r) + "\r\n";
    return obsah;
}

QStringList doplnena(QStringList radky)
{
    while (radky.size() < radku_sekce)
        radky.append(prazdny);
    return radky;
}

QStringList sekce(const QString &hlavicka, const QStringList &radky) { return QStringList{hlavicka} + doplnena(radky); }

QStringList zobrazene_radky(const zobrazeni_tabulky_t &zobrazeni)
{
    QStringList radky;
    for (const radek_zobrazeni_t &r : zobrazeni)
        radky.append(sestav_radek(r.radek));
    return radky;
}

// Place (1-based) of the red row, 0 when none; -1 when the places or the colours are wrong.
int cerveny_radek(const zobrazeni_tabulky_t &zobrazeni)
{
    int cerveny = 0;
    for (int k = 0; k < radku_sekce; ++k) {
        if (zobrazeni[k].poradi != k + 1)
            return -1;
        if (zobrazeni[k].cerveny)
            cerveny = cerveny ? -1 : k + 1;
    }
    return cerveny;
}

} // namespace

class tst_tabulka : public QObject
{
    Q_OBJECT

    docasna_instalace instalace_;

    QString cesta() const { return spoj_cestu(instalace_.data(), QStringLiteral("TAB.DAT")); }

    void zapis(const QByteArray &obsah)
    {
        QFile f(cesta());
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(obsah), obsah.size());
    }

    QByteArray obsah() const
    {
        QFile f(cesta());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    spolecny_stav_t stav(int spravne, int spatne, bool hotovo = true, const QString &jmeno = QStringLiteral("Nový"))
    {
        spolecny_stav_t s;
        s.adresar_dat = instalace_.data();
        s.rocnik = 3;
        s.tema = 3;
        s.druh_ulohy = QStringLiteral("DOPLNOVACKA");
        s.jmeno_zaka = jmeno;
        s.pocet_spravne = spravne;
        s.pocet_spatne = spatne;
        s.vsetko_skontrolovane = hotovo;
        return s;
    }

private slots:
    void init()
    {
        QVERIFY(QDir(instalace_.data()).removeRecursively());
        QVERIFY(QDir().mkpath(instalace_.data()));
    }

    void prvni_vysledek_zalozi_sekci_data()
    {
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<QString>("druh");
        QTest::addColumn<QString>("hlavicka");
        QTest::addColumn<QStringList>("predtim");
        QTest::newRow("no file, fill-in") << 3 << 3 << "DOPLNOVACKA"
                                          << "[8_3_DJ]" << QStringList();
        QTest::newRow("no file, choice has no code") << 1 << 3 << "VYBEROVKA"
                                                     << "[6_3]" << QStringList();
        QTest::newRow("dictation") << 1 << 3 << "DIKTAT"
                                   << "[6_3_CV]" << sekce("[6_3]", {"Ľuboš Šťastný|9|1|1"});
        QTest::newRow("correction, 9th grade")
            << 5 << 6 << "OPRAVA"
            << "[10_6_OC]" << sekce("[10_6_CV]", {}) + sekce("[6_1_DJ]", {"Eva|1|0|1"});
        // The same topic of another kind is another section.
        QTest::newRow("same topic, other kind") << 3 << 3 << "DOPLNOVACKA"
                                                << "[8_3_DJ]" << sekce("[8_3_OC]", {});
    }
    void prvni_vysledek_zalozi_sekci()
    {
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(QString, druh);
        QFETCH(QString, hlavicka);
        QFETCH(QStringList, predtim);
        if (!predtim.isEmpty())
            zapis(jako_soubor(predtim));

        spolecny_stav_t s = stav(8, 2);
        s.rocnik = rocnik;
        s.tema = tema;
        s.druh_ulohy = druh;
        const vysledek_tabulky_t v = nacti_tabulku(s, 2);

        const QStringList nova = sekce(hlavicka, {"Nový|8|2|2"});
        QCOMPARE(obsah(), jako_soubor(predtim + nova));
        QCOMPARE(v.ulozeni, ulozeni_tabulky_t::ulozena);
        QCOMPARE(zobrazene_radky(v.zobrazeni), nova.mid(1));
        QCOMPARE(cerveny_radek(v.zobrazeni), 1);
        // Nothing but the table is left behind: no temporary file, no lock.
        QCOMPARE(QDir(instalace_.data()).entryList(QDir::Files | QDir::Hidden), QStringList{"TAB.DAT"});
    }

    void nedokoncene_nic_nezapise_data()
    {
        QTest::addColumn<QStringList>("soubor");
        QTest::addColumn<QStringList>("zobrazeno");
        QTest::newRow("no file") << QStringList() << doplnena({});
        QTest::newRow("file without the section") << sekce("[8_3_OC]", {"Eva|5|0|1"}) << doplnena({});
        QTest::newRow("file with the section")
            << sekce("[8_3_DJ]", {"Eva|5|0|1", "Ján|1|4|5"}) << doplnena({"Eva|5|0|1", "Ján|1|4|5"});
    }
    void nedokoncene_nic_nezapise()
    {
        QFETCH(QStringList, soubor);
        QFETCH(QStringList, zobrazeno);
        if (!soubor.isEmpty())
            zapis(jako_soubor(soubor));
        const QByteArray pred = obsah();

        // Better than anything in the table, but the exercise is not finished.
        const vysledek_tabulky_t v = nacti_tabulku(stav(10, 0, false), 0);

        QCOMPARE(obsah(), pred);
        QCOMPARE(v.ulozeni, ulozeni_tabulky_t::nezmenena);
        QCOMPARE(zobrazene_radky(v.zobrazeni), zobrazeno);
        QCOMPARE(cerveny_radek(v.zobrazeni), 0);
    }

    void umisteni_podle_podilu_data()
    {
        QTest::addColumn<QStringList>("pred");
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<int>("misto");
        QTest::addColumn<QStringList>("po");

        const QStringList tri = {"Adam|10|0|1", "Beta|8|2|2", "Cyril|4|1|2"};
        QTest::newRow("1.0, 0.8, 0.8 and a new 0.8 goes to row 4")
            << tri << 16 << 4 << 4 << (tri + QStringList{"Nový|16|4|2"});

        const QStringList plna = {"A|10|0|1", "B|9|1|1", "C|8|2|2",  "D|8|2|2", "E|7|3|3",
                                  "F|6|4|3",  "G|6|4|3", "H|11|9|3", "I|6|5|3", "J|5|5|3"};
        QTest::newRow("full section ending in 0.5, a new 0.5 changes nothing") << plna << 3 << 3 << 0 << plna;
        QTest::newRow("better result drops the tenth")
            << plna << 15 << 5 << 5 << QStringList{"A|10|0|1", "B|9|1|1", "C|8|2|2", "D|8|2|2",  "Nový|15|5|2",
                                                   "E|7|3|3",  "F|6|4|3", "G|6|4|3", "H|11|9|3", "I|6|5|3"};
        QTest::newRow("new 0 enters at the first empty row") << QStringList{"Adam|5|5|3", "Beta|0|5|5"} << 0 << 4 << 3
                                                             << QStringList{"Adam|5|5|3", "Beta|0|5|5", "Nový|0|4|2"};
        QTest::newRow("5 of 5 stands above 29 of 30")
            << QStringList{"Eva|29|1|1"} << 5 << 0 << 1 << QStringList{"Nový|5|0|2", "Eva|29|1|1"};
        QTest::newRow("29 of 30 stands below 5 of 5")
            << QStringList{"Eva|5|0|1"} << 29 << 1 << 2 << QStringList{"Eva|5|0|1", "Nový|29|1|2"};
        QTest::newRow("empty section fills from the top") << QStringList() << 0 << 0 << 1 << QStringList{"Nový|0|0|2"};
        QTest::newRow("counts beyond 255 keep their share")
            << QStringList{"Eva|200|100|3"} << 300 << 100 << 1 << QStringList{"Nový|300|100|2", "Eva|200|100|3"};
    }
    void umisteni_podle_podilu()
    {
        QFETCH(QStringList, pred);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(int, misto);
        QFETCH(QStringList, po);
        // Sections on both sides must come back byte for byte.
        const QStringList okoli_pred = sekce("[8_3_CV]", {"Žofia|3|0|1"});
        const QStringList okoli_za = sekce("[6_1]", {"Ondrej|2|2|3"});
        zapis(jako_soubor(okoli_pred + sekce("[8_3_DJ]", pred) + okoli_za));
        const QByteArray puvodni = obsah();

        const vysledek_tabulky_t v = nacti_tabulku(stav(spravne, spatne), 2);

        QCOMPARE(zobrazene_radky(v.zobrazeni), doplnena(po));
        QCOMPARE(cerveny_radek(v.zobrazeni), misto);
        if (misto) {
            QCOMPARE(v.ulozeni, ulozeni_tabulky_t::ulozena);
            QCOMPARE(obsah(), jako_soubor(okoli_pred + sekce("[8_3_DJ]", po) + okoli_za));
        } else {
            QCOMPARE(v.ulozeni, ulozeni_tabulky_t::nezmenena);
            QCOMPARE(obsah(), puvodni);
        }
    }

    void poskozena_zustane_data()
    {
        QTest::addColumn<QByteArray>("soubor");
        QTest::addColumn<QStringList>("zobrazeno");
        const QStringList ok_jina = sekce("[6_1]", {"Eva|1|0|1"});
        QTest::newRow("section with fewer than ten rows at the end")
            << jako_soubor(ok_jina + QStringList{"[8_3_DJ]", "Adam|9|1|1", "Beta|1|1|4"})
            << doplnena({"Nový|10|0|2", "Adam|9|1|1", "Beta|1|1|4"});
        QTest::newRow("section cut short by the next header")
            << jako_soubor(QStringList{"[8_3_DJ]", "Adam|9|1|1", "|0|0|0"} + ok_jina)
            << doplnena({"Nový|10|0|2", "Adam|9|1|1"});
        QTest::newRow("row with fewer than three separators elsewhere")
            << jako_soubor(sekce("[8_3_DJ]", {"Adam|9|1|1"}) + sekce("[6_1]", {"Eva|1|0"}))
            << doplnena({"Nový|10|0|2", "Adam|9|1|1"});
        QTest::newRow("unreadable row in the section")
            << jako_soubor(QStringList{"[8_3_DJ]", "Adam|9|1|1", "Beta 1 1 4"} + doplnena({}).mid(2))
            << doplnena({"Nový|10|0|2", "Adam|9|1|1"});
        QTest::newRow("header as the last line")
            << jako_soubor(ok_jina + QStringList{"[8_3_DJ]"}) << doplnena({"Nový|10|0|2"});
        QTest::newRow("damage, section missing") << jako_soubor({"[6_1]", "Eva|1|0|1"}) << doplnena({"Nový|10|0|2"});
    }
    void poskozena_zustane()
    {
        QFETCH(QByteArray, soubor);
        QFETCH(QStringList, zobrazeno);
        zapis(soubor);

        const vysledek_tabulky_t v = nacti_tabulku(stav(10, 0), 2);

        QCOMPARE(obsah(), soubor);
        QCOMPARE(v.ulozeni, ulozeni_tabulky_t::poskozena);
        QCOMPARE(zobrazene_radky(v.zobrazeni), zobrazeno);
        QCOMPARE(cerveny_radek(v.zobrazeni), 1);
    }

    void necitelna_zustane()
    {
        QVERIFY(QDir(instalace_.data()).mkdir(QStringLiteral("TAB.DAT")));
        const vysledek_tabulky_t v = nacti_tabulku(stav(5, 1), 2);
        QCOMPARE(v.ulozeni, ulozeni_tabulky_t::poskozena);
        QCOMPARE(zobrazene_radky(v.zobrazeni), doplnena({"Nový|5|1|2"}));
        QVERIFY(QFileInfo(cesta()).isDir());
    }

    void tabulka_libovolne_velikosti()
    {
        // 200 sections, 2200 lines: far beyond what the table once held.
        QStringList radky;
        for (int r = 1; r <= 5; ++r)
            for (int t = 1; t <= 40; ++t)
                radky += sekce(QStringLiteral("[%1_%2_DJ]").arg(r + 5).arg(t), {QStringLiteral("Ž%1|1|1|3").arg(t)});
        zapis(jako_soubor(radky));

        spolecny_stav_t s = stav(4, 1);
        s.rocnik = 4;
        s.tema = 30;
        QCOMPARE(nacti_tabulku(s, 2).ulozeni, ulozeni_tabulky_t::ulozena);
        const qsizetype h = radky.indexOf(QStringLiteral("[9_30_DJ]"));
        radky.insert(h + 1, QStringLiteral("Nový|4|1|2"));
        radky.removeAt(h + 11);

        s.druh_ulohy = QStringLiteral("OPRAVA");
        QCOMPARE(nacti_tabulku(s, 2).ulozeni, ulozeni_tabulky_t::ulozena);
        radky += sekce(QStringLiteral("[9_30_OC]"), {"Nový|4|1|2"});

        QCOMPARE(obsah(), jako_soubor(radky));
    }

    void jmeno_nerozbije_radek()
    {
        const QString jmeno = QStringLiteral("Ja|na\r\nNo\nvá\u2028");
        QCOMPARE(nacti_tabulku(stav(5, 0, true, jmeno), 1).ulozeni, ulozeni_tabulky_t::ulozena);
        const vysledek_tabulky_t druhy = nacti_tabulku(stav(4, 0, true, jmeno), 1);
        QCOMPARE(druhy.ulozeni, ulozeni_tabulky_t::ulozena);
        QCOMPARE(obsah(), jako_soubor(sekce("[8_3_DJ]", {"JanaNová|5|0|1", "JanaNová|4|0|1"})));
        QCOMPARE(cerveny_radek(druhy.zobrazeni), 2);
    }
};

QTEST_GUILESS_MAIN(tst_tabulka)
#include "tst_tabulka.moc"
