// The results screen on a temporary installation: where the rows stand, in which font and
// colour, the tab, the back button's looks and where it leads. What a visit writes and
// shows is driven through the real program in tests/journeys.
#include "common/geometrie.h"
#include "common/pismo.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "results/frm_tabulka.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"
#include "soubory_vysledku.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QtTest>
#include <memory>

namespace
{

namespace gt = geometrie::tabulka;
using sloupec_t = frm_tabulka::sloupec_t;

constexpr QRgb pozadi = qRgb(0xe0, 0xe0, 0xd0);
constexpr QRgb zpet_normalni = qRgb(0x40, 0x80, 0x40);
constexpr QRgb zpet_hover = qRgb(0xff, 0xff, 0x00);
constexpr QRgb zalozka = qRgb(0x20, 0x40, 0xc0);

} // namespace

class tst_frm_tabulka : public QObject
{
    Q_OBJECT

    falesna_platforma platforma_;
    falesny_zvuk zvuk_;
    docasna_instalace instalace_;

    // Jana's finished fill-in, the first result of its section.
    std::unique_ptr<frm_tabulka> otevri(const QString &jmeno = QStringLiteral("Jana Šťastná"))
    {
        QFile::remove(spoj_cestu(instalace_.data(), QStringLiteral("TAB.DAT")));
        spolecny_stav = doplnovacka(instalace_.data(), jmeno, 8, 2);
        instalace_.pouzij();
        auto scr = std::make_unique<frm_tabulka>();
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

    // Five columns at their places, ten rows 30 pixels apart from 164, in the screen font,
    // the name at the left, the numbers in the middle; the new row red, the others black;
    // the tab of grade, topic and kind over the background at the top left.
    void rozlozeni()
    {
        const auto scr = otevri();
        const QFont pismo = pismo_obrazovky(12);
        for (int s = 0; s < frm_tabulka::pocet_sloupcu; ++s)
            for (int k = 0; k < gt::pocet_radku; ++k) {
                const QLabel *l = scr->popisek(sloupec_t(s), k);
                QVERIFY(l->isVisible());
                QCOMPARE(l->geometry(), gt::sloupce[s].translated(0, 30 * k));
                QCOMPARE(l->font().family(), pismo.family());
                QCOMPARE(l->font().pixelSize(), pismo.pixelSize());
                QCOMPARE(bool(l->alignment() & Qt::AlignLeft), s == int(sloupec_t::jmeno));
                QCOMPARE(l->palette().color(QPalette::WindowText), k == 0 ? QColor(Qt::red) : QColor(Qt::black));
            }
        QCOMPARE(scr->popisek(sloupec_t::jmeno, 0)->text(), QStringLiteral("Jana Šťastná"));
        QCOMPARE(scr->popisek(sloupec_t::znamka, 9)->y(), 434);
        const QImage obraz = scr->grab().toImage();
        QCOMPARE(obraz.pixel(0, 0), zalozka);
        QCOMPARE(obraz.pixel(geometrie::cviceni::zalozka.width(), 0), pozadi);

        // A name wider than its column ends in an ellipsis inside it.
        const auto dlouhe = otevri(QStringLiteral("Maximilián Ľudovít Šťastný-Dolnozemský z Horných Lehôt"));
        const QLabel *l = dlouhe->popisek(sloupec_t::jmeno, 0);
        QVERIFY(l->text().startsWith(QStringLiteral("Maximilián Ľudovít")));
        QVERIFY(l->text().endsWith(QChar(0x2026)));
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }

    void vlastni_vysledek_data()
    {
        QTest::addColumn<QStringList>("radky"); // the section before the visit
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<bool>("hotovo");
        QTest::addColumn<QString>("text");
        const QString vysledok = QStringLiteral("Tvoj výsledok: správne 8, nesprávne 3, úspešnosť 72 %, známka 2.\n");
        const QString zatial = QStringLiteral("\nCvičenie ešte nie je dokončené, známku dostaneš na jeho konci.");
        QTest::newRow("first of its section")
            << QStringList{} << 8 << 3 << true << vysledok + "Si na 1. mieste medzi desiatimi najlepšími.";
        QTest::newRow("third") << QStringList{"A|9|0|1", "B|9|1|1", "C|5|5|3"} << 8 << 3 << true
                               << vysledok + "Si na 3. mieste medzi desiatimi najlepšími.";
        QTest::newRow("outside the ten best")
            << QStringList(10, "Eva|10|0|1") << 8 << 3 << true
            << vysledok + "Tentoraz to na miesto medzi desiatimi najlepšími nestačilo.";
        QTest::newRow("in the middle") << QStringList{} << 2 << 1 << false
                                       << "Zatiaľ: správne 2, nesprávne 1, úspešnosť 66 %." + zatial;
        QTest::newRow("nothing checked yet")
            << QStringList{} << 0 << 0 << false << "Zatiaľ: správne 0, nesprávne 0." + zatial;
    }
    // Above the table the pupil always sees his or her own result, its place or that it
    // stayed outside the ten best, or that the exercise is not finished.
    void vlastni_vysledek()
    {
        QFETCH(QStringList, radky);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(bool, hotovo);
        QFETCH(QString, text);
        const QString tab = spoj_cestu(instalace_.data(), QStringLiteral("TAB.DAT"));
        QVERIFY(zapis(tab, jako_soubor(sekce(QStringLiteral("[8_3_DJ]"), radky))));
        spolecny_stav = doplnovacka(instalace_.data(), QStringLiteral("Jana"), spravne, spatne, hotovo);
        instalace_.pouzij();
        frm_tabulka scr;
        scr.show();
        QVERIFY(scr.vysledek_lbl()->isVisible());
        QCOMPARE(scr.vysledek_lbl()->text(), text);
    }

    // A visit that kept its result says nothing; one whose log record could not be written
    // tells the pupil once, when the screen comes up, and still shows the table.
    void neulozeny_vysledek_se_ohlasi()
    {
        platforma_.zpravy.clear();
        otevri()->aktivuj();
        QCOMPARE(platforma_.zpravy.size(), 0);

        const QString log = spoj_cestu(instalace_.data(), QStringLiteral("VYSLEDKY.DAT"));
        QFile::remove(log);
        QVERIFY(QDir().mkdir(log));
        const auto scr = otevri();
        scr->aktivuj();
        scr->aktivuj();
        QVERIFY(QDir(log).removeRecursively());
        QCOMPARE(platforma_.zpravy.size(), 1);
        QCOMPARE(platforma_.zpravy[0].titulek, QStringLiteral("Upozornenie"));
        QCOMPARE(platforma_.zpravy[0].ikona, platforma_t::ikona_t::vykricnik);
        QVERIFY(platforma_.zpravy[0].text.contains(QStringLiteral("VYSLEDKY.DAT")));
        QCOMPARE(scr->popisek(sloupec_t::jmeno, 0)->text(), QStringLiteral("Jana Šťastná"));
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

    // Onto the back button: the hover sound once and the hover look; with a button held
    // nothing changes; onto the background (over the rows too): the normal look.
    void najeti_na_zpet()
    {
        const auto scr = otevri();
        const auto pixel = [&] { return scr->grab().toImage().pixel(gt::zpet_obrazek + QPoint(40, 40)); };
        const auto tahni = [&](QPoint kde) {
            QWidget *w = mys::pod(scr.get(), kde);
            const QPoint p = w->mapFrom(scr.get(), kde);
            QMouseEvent pohyb(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(w, &pohyb);
        };
        tahni(gt::zpet.center());
        QCOMPARE(pixel(), pozadi);
        mys::najed(scr.get(), gt::zpet.center());
        mys::najed(scr.get(), gt::zpet.center() + QPoint(10, 5));
        QCOMPARE(zvuk_.prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 1);
        QCOMPARE(pixel(), zpet_hover);
        QVERIFY(scr->klik_plocha()->zvyraznena());
        tahni(QPoint(300, 120));
        QCOMPARE(pixel(), zpet_hover);
        mys::najed(scr.get(), gt::sloupce[1].center());
        QCOMPARE(pixel(), zpet_normalni);
        QVERIFY(!scr->klik_plocha()->zvyraznena());
        mys::najed(scr.get(), gt::zpet.center());
        QCOMPARE(zvuk_.prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 2);
    }

    // Back: to the unfinished exercise, or after a finished one to the set-up screen with the
    // exercise screen unloaded, also when its score-table button kept it loaded.
    void zpet()
    {
        for (bool hotovo : {false, true}) {
            spolecny_stav = doplnovacka(instalace_.data(), QStringLiteral("Eva"), 8, 2, hotovo);
            instalace_.pouzij();
            hostitel okno;
            for (const auto id : {obrazovka_id::frm_select, obrazovka_id::main_frm, obrazovka_id::frm_tabulka})
                okno.zaregistruj(id, [id](QWidget *p) {
                    return id == obrazovka_id::frm_tabulka ? new frm_tabulka(p) : new obrazovka(p);
                });
            okno.show();
            okno.ukaz(obrazovka_id::frm_select);
            okno.ukaz(obrazovka_id::main_frm);
            mys::klikni(okno.ukaz(obrazovka_id::frm_tabulka), gt::zpet.center());
            QTRY_VERIFY(!jsou_presypaci_hodiny());
            QCOMPARE(okno.aktualni_id(), hotovo ? obrazovka_id::frm_select : obrazovka_id::main_frm);
            QCOMPARE(okno.najdi(obrazovka_id::main_frm) != nullptr, !hotovo);
            QVERIFY(!okno.najdi(obrazovka_id::frm_tabulka));
        }
    }
};

QTEST_MAIN(tst_frm_tabulka)
#include "tst_frm_tabulka.moc"
