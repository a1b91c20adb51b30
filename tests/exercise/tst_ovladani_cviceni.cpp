// The exercise screen's decisions that its screen tests reach only in part: which entry
// of a choice list a pointer position names (fractions, rounding, edges), the bubble's
// size and picture for long texts, and every state of the sound device a speaker's
// click can meet.
#include "exercise/bublina.h"
#include "exercise/diktovani.h"
#include "exercise/seznam_vyberu.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc_stranky.h"

#include <QtTest>

using rezim_t = zvukove_zarizeni::rezim_t;
Q_DECLARE_METATYPE(std::optional<int>)

namespace
{
const QString veta_a = QStringLiteral("/media/ZVUK/7_3/1.WAV");
const QString veta_b = QStringLiteral("/media/ZVUK/7_3/2.WAV");
} // namespace

class tst_ovladani_cviceni : public QObject
{
    Q_OBJECT

private slots:
    // ---- the choice list ----

    void radek_pod_ukazatelem_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("vyska");
        QTest::addColumn<int>("polozek");
        QTest::addColumn<std::optional<int>>("radek");
        QTest::newRow("top") << 0.0 << 54 << 3 << std::optional<int>(0);
        QTest::newRow("last pixel of row 0") << 17.4 << 54 << 3 << std::optional<int>(0);
        QTest::newRow("17.5 rounds to 18: row 1") << 17.5 << 54 << 3 << std::optional<int>(1);
        QTest::newRow("16.5 rounds to even 16: row 0") << 16.5 << 54 << 3 << std::optional<int>(0);
        QTest::newRow("last row") << 53.0 << 54 << 3 << std::optional<int>(2);
        QTest::newRow("the bottom edge computes past the last entry") << 54.0 << 54 << 3 << std::optional<int>();
        QTest::newRow("below the list") << 60.0 << 54 << 3 << std::optional<int>();
        QTest::newRow("above the list") << -3.0 << 54 << 3 << std::optional<int>();
        // 37 / 2 = 18.5 rounds to 18: row 2 at 36 does not exist.
        QTest::newRow("uneven rows round to even") << 36.0 << 37 << 2 << std::optional<int>();
        QTest::newRow("uneven rows, row 1") << 35.0 << 37 << 2 << std::optional<int>(1);
        QTest::newRow("an empty list") << 5.0 << 18 << 0 << std::optional<int>();
    }
    void radek_pod_ukazatelem()
    {
        QFETCH(double, y);
        QFETCH(int, vyska);
        QFETCH(int, polozek);
        QFETCH(std::optional<int>, radek);
        QCOMPARE(radek_seznamu(y, vyska, polozek), radek);
    }

    // ---- the bubble ----

    void bublina_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("radku");
        QTest::addColumn<QString>("obrazek");
        QString dlouhy;
        while (sirka12(dlouhy) <= 28 * 489 / 10)
            dlouhy += QStringLiteral("Slovo a ďalšie slovo, ");
        QString dva;
        while (sirka12(dva) <= 489 + 50)
            dva += QStringLiteral("pes ");
        QTest::newRow("one line") << "Kúpil chlieb, maslo a mlieko." << 12 << 1 << "GRAFIKA/HINT1.BMP";
        QTest::newRow("two lines at 12 points") << dva.trimmed() << 12 << 2 << "GRAFIKA/HINT2.BMP";
        QTest::newRow("wider than 2.8 labels: 10 points from the start")
            << dlouhy.trimmed() << 10 << int(zalom_do_bubliny(dlouhy.trimmed(), 10).size())
            << obrazek_bubliny(16 * int(zalom_do_bubliny(dlouhy.trimmed(), 10).size()));
    }
    void bublina()
    {
        QFETCH(QString, text);
        QFETCH(int, body);
        QFETCH(int, radku);
        QFETCH(QString, obrazek);
        const bublina_t b = rozvrhni_bublinu(text);
        QCOMPARE(b.body, body);
        QCOMPARE(int(b.radky.size()), radku);
        QCOMPARE(b.vyska, radku * (body == 12 ? 20 : 16));
        QCOMPARE(b.obrazek, obrazek);
        QCOMPARE(b.radky.join(u' '), text.simplified());
    }

    // Words so long that each takes a line of its own at 12 points: four lines, yet not
    // wide enough for 10 points by width alone; set at 10 points, where two share a line.
    void bublina_ctyri_radky_pri_12()
    {
        QString slovo;
        while (sirka12(slovo) < 260)
            slovo += u'm';
        const QString text = QStringList(4, slovo).join(u' ');
        QVERIFY(sirka12(text) * 10 <= 28 * 489);
        QCOMPARE(zalom_do_bubliny(text, 12).size(), 4);
        const bublina_t b = rozvrhni_bublinu(text);
        QCOMPARE(b.body, 10);
        QCOMPARE(b.radky.size(), 2);
        QCOMPARE(b.vyska, 32);
        QCOMPARE(b.obrazek, QStringLiteral("GRAFIKA/HINT2.BMP"));
    }

    void obrazek_bubliny_test_data()
    {
        QTest::addColumn<int>("vyska");
        QTest::addColumn<QString>("obrazek");
        QTest::newRow("20") << 20 << "GRAFIKA/HINT1.BMP";
        QTest::newRow("16") << 16 << "GRAFIKA/HINT1.BMP";
        QTest::newRow("40") << 40 << "GRAFIKA/HINT2.BMP";
        QTest::newRow("32") << 32 << "GRAFIKA/HINT2.BMP";
        QTest::newRow("60") << 60 << "GRAFIKA/HINT3.BMP";
        QTest::newRow("48") << 48 << "GRAFIKA/HINT3.BMP";
        QTest::newRow("64: four lines") << 64 << "";
        QTest::newRow("0") << 0 << "";
    }
    void obrazek_bubliny_test()
    {
        QFETCH(int, vyska);
        QFETCH(QString, obrazek);
        QCOMPARE(obrazek_bubliny(vyska), obrazek);
    }

    // ---- dictation ----

    void diktovani_data()
    {
        QTest::addColumn<int>("rezim");
        QTest::addColumn<QString>("otevreny");
        QTest::addColumn<int>("zbyva");
        QTest::addColumn<bool>("pocitat");
        QTest::addColumn<int>("co");
        QTest::addColumn<int>("zbyva_potom");
        QTest::addColumn<QStringList>("prikazy");
        const int stoji = int(rezim_t::zastaveno), hraje = int(rezim_t::hraje), pauza = int(rezim_t::pozastaveno);
        const QStringList hraj{"Close", "Open " + veta_a, "Play"};
        QTest::newRow("stopped: plays, not counted")
            << stoji << "" << 99 << false << int(diktovani_t::prehrano) << 99 << hraj;
        QTest::newRow("stopped: plays and counts")
            << stoji << "" << 2 << true << int(diktovani_t::prehrano) << 1 << hraj;
        QTest::newRow("playing the same: pauses")
            << hraje << veta_a << 2 << true << int(diktovani_t::pozastaveno) << 2 << QStringList{"Pause"};
        QTest::newRow("paused the same: resumes, not counted")
            << pauza << veta_a << 1 << true << int(diktovani_t::obnoveno) << 1 << QStringList{"Play"};
        QTest::newRow("playing another: stopped, closed, this one plays")
            << hraje << veta_b << 3 << true << int(diktovani_t::prehrano) << 2 << QStringList{"Stop", "Close"} + hraj;
        QTest::newRow("paused another: this one starts")
            << pauza << veta_b << 99 << false << int(diktovani_t::prehrano) << 99 << hraj;
        QTest::newRow("no plays left: nothing starts")
            << stoji << "" << 0 << true << int(diktovani_t::nic) << 0 << QStringList{};
        QTest::newRow("no plays left, another plays: it stops all the same")
            << hraje << veta_b << 0 << true << int(diktovani_t::nic) << 0 << QStringList{"Stop", "Close"};
        QTest::newRow("no plays left, paused on itself: resumes")
            << pauza << veta_a << 0 << true << int(diktovani_t::obnoveno) << 0 << QStringList{"Play"};
    }
    void diktovani()
    {
        QFETCH(int, rezim);
        QFETCH(QString, otevreny);
        QFETCH(int, zbyva);
        QFETCH(bool, pocitat);
        QFETCH(int, co);
        QFETCH(int, zbyva_potom);
        QFETCH(QStringList, prikazy);
        falesny_zvuk zvuk;
        zvuk.hraje_po_play = true;
        if (!otevreny.isEmpty()) {
            zvuk.otevri(otevreny);
            zvuk.hraj();
            if (rezim == int(rezim_t::pozastaveno))
                zvuk.pozastav();
        }
        QCOMPARE(int(zvuk.rezim()), rezim);
        zvuk.vymaz_zaznam();
        const vysledek_diktovani_t v = diktuj(veta_a, zbyva, pocitat);
        QCOMPARE(int(v.co), co);
        QCOMPARE(v.zbyva, zbyva_potom);
        QCOMPARE(v.zapocitano, zbyva_potom != zbyva);
        QCOMPARE(zvuk.prikazy, prikazy);
    }
};

QTEST_MAIN(tst_ovladani_cviceni)
#include "tst_ovladani_cviceni.moc"
