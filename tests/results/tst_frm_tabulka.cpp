// The results screen on a temporary installation: the pupil's own result, and the result
// kept when the screen cannot start. Where back leads, what a visit writes and shows is driven
// through the real program in tests/journeys.
#include "common/geometrie.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/falesny_zvuk.h"
#include "nahrady/instalace.h"
#include "results/frm_tabulka.h"
#include "soubory_vysledku.h"

#include <QLabel>
#include <QtTest>
#include <memory>

namespace
{

namespace gt = geometrie::tabulka;

constexpr QRgb pozadi = qRgb(0xe0, 0xe0, 0xd0), zpet_normalni = qRgb(0x40, 0x80, 0x40),
               zpet_hover = qRgb(0xff, 0xff, 0x00), zalozka = qRgb(0x20, 0x40, 0xc0);

} // namespace

class tst_frm_tabulka : public QObject
{
    Q_OBJECT

    falesna_platforma platforma_;
    falesny_zvuk zvuk_;
    docasna_instalace instalace_;
    spolecny_stav_t sezeni_;

    // A fill-in of the name on a section of the rows (none: no table before).
    std::unique_ptr<frm_tabulka> otevri(const QString &jmeno = QStringLiteral("Jana Šťastná"), int spravne = 8,
                                        int spatne = 2, bool hotovo = true, const QStringList &radky = {})
    {
        const QString tab = spoj_cestu(instalace_.data(), QStringLiteral("TAB.DAT"));
        if (radky.isEmpty() || !zapis(tab, jako_soubor(sekce("[8_3_DJ]", radky))))
            QFile::remove(tab);
        sezeni_ = doplnovacka(instalace_.data(), jmeno, spravne, spatne, hotovo);
        instalace_.pouzij(sezeni_);
        auto scr = std::make_unique<frm_tabulka>(sezeni_);
        scr->show();
        zvuk_.vymaz_zaznam();
        return scr;
    }

private slots:
    void initTestCase()
    {
        instalace_.vytvor_bitmapu(QStringLiteral("GRAFIKA/TABS/BCKG.BMP"), 640, 480, pozadi);
        const QSize zpet = gt::zpet_velikost, tab = geometrie::cviceni::zalozka;
        instalace_.vytvor_bitmapu(QStringLiteral("GRAFIKA/MZPET.BMP"), zpet.width(), zpet.height(), zpet_normalni);
        instalace_.vytvor_bitmapu(QStringLiteral("GRAFIKA/MZPETH.BMP"), zpet.width(), zpet.height(), zpet_hover);
        instalace_.vytvor_bitmapu(QStringLiteral("GRAFIKA/TABS/L_33_DJ.BMP"), tab.width(), tab.height(), zalozka);
        instalace_.zapis_data(QStringLiteral("ZNAMKY.DAT"), {"0|100|2"}, false);
    }

    void vlastni_vysledek_data()
    {
        QTest::addColumn<QStringList>("radky"); // the section before the visit
        QTest::addColumn<int>("spravne");
        QTest::addColumn<bool>("hotovo");
        QTest::addColumn<bool>("bez_logu"); // the log record cannot be written
        QTest::addColumn<QString>("text");
        const QString vysledok = "Tvoj výsledok: správne 8, nesprávne 3, úspešnosť 72 %, známka 2.\n",
                      miesto = " mieste medzi desiatimi najlepšími.",
                      zatial = "\nCvičenie ešte nie je dokončené, známku dostaneš na jeho konci.";
        QTest::newRow("third") << QStringList{"A|9|0|1", "B|9|1|1", "C|5|5|3"} << 8 << true << false
                               << vysledok + "Si na 3." + miesto;
        QTest::newRow("outside the ten best")
            << QStringList(10, "Eva|10|0|1") << 8 << true << false
            << vysledok + "Tentoraz to na miesto medzi desiatimi najlepšími nestačilo.";
        QTest::newRow("in the middle") << QStringList{} << 1 << false << false
                                       << "Zatiaľ: správne 1, nesprávne 3, úspešnosť 25 %." + zatial;
        QTest::newRow("log not written") << QStringList{"A|9|0|1"} << 8 << true << true
                                         << vysledok + "Si na 2." + miesto;
    }
    // Above the table the pupil always sees his or her own result, its place or that it
    // stayed outside the ten best, or that the exercise is not finished. A log record that
    // could not be written is told once, when the screen comes up; a kept one says nothing.
    void vlastni_vysledek()
    {
        QFETCH(QStringList, radky);
        QFETCH(int, spravne);
        QFETCH(bool, hotovo);
        QFETCH(bool, bez_logu);
        const QString log = spoj_cestu(instalace_.data(), QStringLiteral("VYSLEDKY.DAT"));
        QVERIFY(!bez_logu || (QFile::remove(log), QDir().mkdir(log)));
        platforma_.zpravy.clear();
        const auto scr = otevri(QStringLiteral("Jana"), spravne, 3, hotovo, radky);
        scr->aktivuj();
        scr->aktivuj();
        QVERIFY(!bez_logu || QDir(log).removeRecursively());
        QVERIFY(scr->vysledek_lbl()->isVisible());
        QTEST(scr->vysledek_lbl()->text(), "text");
        QCOMPARE(platforma_.zpravy.size(), int(bez_logu));
        QVERIFY(!bez_logu || (platforma_.zpravy[0].ikona == platforma_t::ikona_t::vykricnik &&
                              platforma_.zpravy[0].text.contains(QStringLiteral("VYSLEDKY.DAT"))));
    }

    // A missing background ends the program, but only after the result is kept.
    void bez_pozadi_vysledek_zustane()
    {
        const QString pozadi = spoj_cestu(instalace_.media(), QStringLiteral("GRAFIKA/TABS/BCKG.BMP"));
        QVERIFY(QFile::rename(pozadi, pozadi + "~"));
        QVERIFY_THROWS_EXCEPTION(konec_programu, otevri(QStringLiteral("Bez Pozadia")));
        QVERIFY(QFile::rename(pozadi + "~", pozadi));
        QCOMPARE(obsah(spoj_cestu(instalace_.data(), QStringLiteral("TAB.DAT"))),
                 jako_soubor(sekce(QStringLiteral("[8_3_DJ]"), {QStringLiteral("Bez Pozadia|8|2|2")})));
        QVERIFY(obsah(spoj_cestu(instalace_.data(), QStringLiteral("VYSLEDKY.DAT"))).contains("Bez Pozadia"));
    }
};

QTEST_MAIN(tst_frm_tabulka)
#include "tst_frm_tabulka.moc"
