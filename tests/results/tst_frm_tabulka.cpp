// The results screen under the pupil's mouse on a temporary installation: what a visit
// shows and writes, where the rows stand, the back button's looks, and the way back to the
// exercise or to the set-up screen.
#include "common/geometrie.h"
#include "common/hodiny.h"
#include "common/pismo.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "results/frm_tabulka.h"
#include "results/zaznam.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"
#include "soubory_vysledku.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
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
const QPoint v_obrazku_zpet = gt::zpet_obrazek + QPoint(40, 40);
const QDateTime kdy(QDate(2026, 12, 5), QTime(14, 30));

// A screen that stands in for the exercise or the set-up screen.
class zastupce : public obrazovka
{
public:
    using obrazovka::obrazovka;
    void aktivace() override { ++aktivaci; }
    int aktivaci = 0;
};

} // namespace

class tst_frm_tabulka : public QObject
{
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<hostitel> okno_;
    QPointer<frm_tabulka> scr_;
    QPointer<zastupce> cviceni_, nastaveni_;

    QString soubor(const char *nazev) const { return spoj_cestu(instalace_->data(), QLatin1String(nazev)); }

    // Jana's fill-in as the exercise screen opens the table: through its score-table
    // button, which keeps it loaded and hidden.
    void otevri(int spravne, int spatne, bool hotovo, const QString &jmeno = QStringLiteral("Jana Šťastná"))
    {
        spolecny_stav = doplnovacka(instalace_->data(), jmeno, spravne, spatne, hotovo);
        instalace_->pouzij();
        okno_->ukaz(obrazovka_id::frm_select);
        okno_->ukaz(obrazovka_id::main_frm);
        okno_->ukaz(obrazovka_id::frm_tabulka, hostitel::potom_t::skryj);
        scr_ = qobject_cast<frm_tabulka *>(okno_->najdi(obrazovka_id::frm_tabulka));
        QVERIFY(scr_);
        QCoreApplication::processEvents();
        zvuk_->vymaz_zaznam();
    }

    // Each shown row as "place|name|correct|wrong|mark", "*" ahead of a red one; "?" for a
    // row in another colour than black or red.
    QStringList zobrazene() const
    {
        QStringList radky;
        for (int k = 0; k < gt::pocet_radku; ++k) {
            QStringList texty;
            QSet<QRgb> barvy;
            for (int s = 0; s < frm_tabulka::pocet_sloupcu; ++s) {
                texty.append(scr_->popisek(sloupec_t(s), k)->text());
                barvy.insert(scr_->popisek(sloupec_t(s), k)->palette().color(QPalette::WindowText).rgb());
            }
            const QString znacka = barvy == QSet<QRgb>{qRgb(255, 0, 0)} ? QStringLiteral("*")
                                   : barvy == QSet<QRgb>{qRgb(0, 0, 0)} ? QString()
                                                                        : QStringLiteral("?");
            radky.append(znacka + texty.join(QLatin1Char('|')));
        }
        return radky;
    }

    QRgb pixel(QPoint kde) const { return scr_->grab().toImage().pixel(kde); }
    int najeti_zvuku() const { return zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")); }

private slots:
    void initTestCase()
    {
        instalace_ = std::make_unique<docasna_instalace>();
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/TABS/BCKG.BMP"), 640, 480, pozadi);
        const QSize zpet = gt::zpet_velikost, tab = geometrie::cviceni::zalozka;
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/MZPET.BMP"), zpet.width(), zpet.height(), zpet_normalni);
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/MZPETH.BMP"), zpet.width(), zpet.height(), zpet_hover);
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/TABS/L_33_DJ.BMP"), tab.width(), tab.height(), zalozka);
        instalace_->zapis_data(QStringLiteral("ZNAMKY.DAT"), {"90|100|1", "75|90|2", "0|75|3"}, false);
    }

    void init()
    {
        QFile::remove(soubor("TAB.DAT"));
        QFile::remove(soubor("VYSLEDKY.DAT"));
        hodiny::zafixuj(kdy, [](const QDate &d) { return d.toString(QStringLiteral("d.M.yyyy")); });
        platforma_ = std::make_unique<falesna_platforma>();
        zvuk_ = std::make_unique<falesny_zvuk>();
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::main_frm, [this](QWidget *p) { return cviceni_ = new zastupce(p); });
        okno_->zaregistruj(obrazovka_id::frm_select, [this](QWidget *p) { return nastaveni_ = new zastupce(p); });
        okno_->zaregistruj(obrazovka_id::frm_tabulka, [](QWidget *p) { return new frm_tabulka(p); });
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
    }

    void cleanup()
    {
        okno_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        obnov_ukazatel();
        zvuk_.reset();
        platforma_.reset();
        hodiny::uvolni();
    }

    // The visit: the mark, the record in the log, the row placed in the file and shown in
    // red for a finished exercise only.
    void navsteva_data()
    {
        QTest::addColumn<bool>("hotovo");
        QTest::addColumn<int>("znamka");
        QTest::addColumn<QStringList>("radky");
        QTest::addColumn<QStringList>("tabulka");
        QStringList prazdne;
        for (int k = 3; k <= 10; ++k)
            prazdne.append(QStringLiteral("%1||0|0|0").arg(k));
        QTest::newRow("finished") << true << 2 << QStringList{"1|Ema|10|0|1", "*2|Jana Šťastná|8|2|2"} + prazdne
                                  << sekce("[8_3_DJ]", {"Ema|10|0|1", "Jana Šťastná|8|2|2"});
        QTest::newRow("middle of the exercise")
            << false << 0 << QStringList{"1|Ema|10|0|1", "2||0|0|0"} + prazdne << sekce("[8_3_DJ]", {"Ema|10|0|1"});
    }
    void navsteva()
    {
        QFETCH(bool, hotovo);
        QFETCH(int, znamka);
        QFETCH(QStringList, radky);
        QFETCH(QStringList, tabulka);
        QVERIFY(zapis(soubor("TAB.DAT"), jako_soubor(sekce("[8_3_DJ]", {"Ema|10|0|1"}))));
        otevri(8, 2, hotovo);
        QCOMPARE(scr_->znamka(), znamka);
        QCOMPARE(zobrazene(), radky);
        QCOMPARE(obsah(soubor("TAB.DAT")), jako_soubor(tabulka));
        QCOMPARE(obsah(soubor("VYSLEDKY.DAT")), jako_soubor(sestav_zaznam(spolecny_stav, znamka, kdy)));
    }

    // Five columns at their places, ten rows 30 pixels apart from 164, in the screen font,
    // the name at the left, the numbers in the middle; a long name ends in an ellipsis. The
    // tab of grade, topic and kind lies over the background at the top left.
    void rozlozeni()
    {
        otevri(8, 2, true);
        const QFont pismo = pismo_obrazovky(12);
        for (int s = 0; s < frm_tabulka::pocet_sloupcu; ++s)
            for (int k = 0; k < gt::pocet_radku; ++k) {
                const QLabel *l = scr_->popisek(sloupec_t(s), k);
                QVERIFY(l->isVisible());
                QCOMPARE(l->geometry(), gt::sloupce[s].translated(0, 30 * k));
                QCOMPARE(l->font().family(), pismo.family());
                QCOMPARE(l->font().pixelSize(), pismo.pixelSize());
                QCOMPARE(bool(l->alignment() & Qt::AlignLeft), s == int(sloupec_t::jmeno));
            }
        QCOMPARE(scr_->popisek(sloupec_t::znamka, 9)->y(), 434);
        const QImage obraz = scr_->grab().toImage();
        QCOMPARE(obraz.pixel(0, 0), zalozka);
        QCOMPARE(obraz.pixel(geometrie::cviceni::zalozka.width(), 0), pozadi);

        okno_->uvolni(obrazovka_id::frm_tabulka);
        QFile::remove(soubor("TAB.DAT"));
        otevri(8, 2, true, QStringLiteral("Maximilián Ľudovít Šťastný-Dolnozemský z Horných Lehôt"));
        const QLabel *l = scr_->popisek(sloupec_t::jmeno, 0);
        QVERIFY(l->text().startsWith(QStringLiteral("Maximilián Ľudovít")));
        QVERIFY(l->text().endsWith(QChar(0x2026)));
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
    }

    // Onto the back button: the hover sound once and the hover look; with a button held
    // nothing changes; onto the background (over the rows too): the normal look.
    void najeti_na_zpet()
    {
        otevri(8, 2, true);
        const auto tahni = [this](QPoint kde) {
            QWidget *w = mys::pod(scr_, kde);
            const QPoint p = w->mapFrom(scr_, kde);
            QMouseEvent pohyb(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(w, &pohyb);
        };
        tahni(gt::zpet.center());
        QCOMPARE(pixel(v_obrazku_zpet), pozadi);
        mys::najed(scr_, gt::zpet.center());
        mys::najed(scr_, gt::zpet.center() + QPoint(10, 5));
        QCOMPARE(najeti_zvuku(), 1);
        QCOMPARE(pixel(v_obrazku_zpet), zpet_hover);
        QVERIFY(scr_->klik_plocha()->zvyraznena());
        tahni(QPoint(300, 120));
        QCOMPARE(pixel(v_obrazku_zpet), zpet_hover);
        mys::najed(scr_, gt::sloupce[1].center());
        QCOMPARE(pixel(v_obrazku_zpet), zpet_normalni);
        QVERIFY(!scr_->klik_plocha()->zvyraznena());
        mys::najed(scr_, gt::zpet.center());
        QCOMPARE(najeti_zvuku(), 2);
    }

    // Back: to the unfinished exercise as it was left, or after a finished one to the
    // set-up screen with the exercise screen unloaded; the results screen is gone.
    void zpet_data()
    {
        QTest::addColumn<bool>("hotovo");
        QTest::newRow("middle of an exercise") << false;
        QTest::newRow("finished") << true;
    }
    void zpet()
    {
        QFETCH(bool, hotovo);
        otevri(8, 2, hotovo);
        QPointer<zastupce> cil = hotovo ? nastaveni_ : cviceni_;
        const int aktivaci = cil->aktivaci;
        mys::najed(scr_, gt::zpet.center());
        mys::klikni(scr_, gt::zpet.center());
        QVERIFY(jsou_presypaci_hodiny());
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 1);
        QCOMPARE(okno_->aktualni(), cil.data());
        QVERIFY(!okno_->najdi(obrazovka_id::frm_tabulka));
        QTRY_COMPARE(cil->aktivaci, aktivaci + 1);
        QVERIFY(!jsou_presypaci_hodiny());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!scr_);
        QCOMPARE(bool(cviceni_), !hotovo);
        QCOMPARE(okno_->najdi(obrazovka_id::main_frm) != nullptr, !hotovo);
    }
};

QTEST_MAIN(tst_frm_tabulka)
#include "tst_frm_tabulka.moc"
