// The set-up screen under the pupil's mouse and keyboard: counts, kinds, help on start,
// the name, the two sliding buttons, hover, help picture, the way back to the menu and
// on to the exercise, and what the screen shows at each step.
#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "setup/frm_select.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <array>
#include <memory>

namespace
{

namespace gn = geometrie::nastaveni;

// Every bitmap in a colour of its own, so that a pixel tells which one shows.
constexpr QRgb pozadi = qRgb(0x10, 0x20, 0x30);
constexpr QRgb zpet_hover = qRgb(0xff, 0xff, 0x00);
constexpr QRgb napoveda_barva = qRgb(0xee, 0xee, 0xee);
constexpr QRgb klic = qRgb(0xff, 0x00, 0xff);
constexpr QRgb pokracuj_barva = qRgb(0x00, 0x80, 0xff);
constexpr QRgb tiskni_barva = qRgb(0x80, 0x40, 0x00);
QRgb cislo_barva(int n, bool zvoleno) { return qRgb(0x20 + n, zvoleno ? 0xf0 : 0x80, 0x11); }
QRgb sipka_poctu_barva(int n) { return qRgb(0x90, 0x10 + n, 0x90); }
QRgb druh_barva(int n, bool zvoleno) { return qRgb(0x30 + n, 0x40, zvoleno ? 0xf0 : 0x70); }
QRgb sipka_druhu_barva(int n) { return qRgb(0xa0 + n, 0xa0, 0x10); }
QRgb ukazka_barva(const QString &kod, bool druha)
{
    return qRgb(0x50, 0x60 + 8 * QStringList({"CV", "OC", "DJ", "VJ"}).indexOf(kod), druha ? 0xe0 : 0x60);
}
QRgb nap_barva(bool zapnuto) { return zapnuto ? qRgb(0x00, 0xff, 0x00) : qRgb(0xff, 0x00, 0x00); }

// The pictures' sizes as the art has them.
constexpr QSize cela(640, 480);
constexpr QSize zpet_velikost(86, 77);
constexpr QSize druh_velikost(120, 68);
constexpr QSize sipka_poctu_velikost(86, 86);
constexpr QSize sipka_druhu_velikost(64, 64);
constexpr QSize nap_velikost(28, 29);
constexpr std::array<QSize, 4> cislo_velikost = {QSize(27, 27), QSize(28, 27), QSize(28, 26), QSize(101, 27)};
constexpr QSize ukazka_velikost(596, 96);

// Faces small enough for quick slides; one key-coloured pixel inside each.
constexpr QSize lice_pokracuj(40, 8);
constexpr QSize lice_tiskni(36, 6);
constexpr QPoint dira(5, 3);
constexpr QPoint plne(10, 3);

const QStringList kody = {"CV", "OC", "DJ", "VJ"};
const QPoint holy_podklad(300, 200);
const QList<QPair<int, int>> temata_testu = {{4, 2}, {1, 6}, {1, 7}, {2, 6}, {3, 6}, {5, 1}};

QPoint stred(int n) { return gn::plochy[n].center(); }
QPoint uvnitr(QPoint kde, QSize velikost) { return kde + QPoint(velikost.width() / 2, velikost.height() / 2); }

// A screen that stands in for the main menu or the exercise screen.
class zastupce : public obrazovka
{
public:
    using obrazovka::obrazovka;
    void aktivace() override { ++aktivaci; }
    int aktivaci = 0;
};

struct snimek_stavu_t {
    int pocet_uloh;
    QString druh_ulohy;
    int limit_diktovani;
    bool napoveda;
    bool pokracuj, tiskni;
    QImage obraz;
    bool operator==(const snimek_stavu_t &) const = default;
};

} // namespace

class tst_frm_select : public QObject
{
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<hostitel> okno_;
    QPointer<frm_select> scr_;
    zastupce *menu_ = nullptr;
    zastupce *cviceni_ = nullptr;
    int tisku_ = 0;

    void bmp(const QString &jmeno, QSize v, QRgb barva)
    {
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/") + jmeno, v.width(), v.height(), barva);
    }

    void lice(const QString &jmeno, QSize v, QRgb barva)
    {
        QImage obrazek(v, QImage::Format_RGB32);
        obrazek.fill(barva);
        obrazek.setPixel(0, 0, klic);
        obrazek.setPixel(dira, klic);
        const QString cesta = instalace_->media() + QStringLiteral("/GRAFIKA/") + jmeno;
        QDir().mkpath(QFileInfo(cesta).path());
        QVERIFY(obrazek.save(cesta, "BMP"));
    }

    void priprav_instalaci()
    {
        for (const auto &[r, t] : temata_testu)
            bmp(QStringLiteral("SETUP/BG_%1%2.BMP").arg(r).arg(t), cela, pozadi);
        bmp(QStringLiteral("SETUP/MZPETH.BMP"), zpet_velikost, zpet_hover);
        const char *cisla[] = {"1X", "2X", "3X", "NE"};
        for (int n = 0; n < 4; ++n)
            for (int z = 0; z < 2; ++z)
                bmp(QStringLiteral("SETUP/NAD_%1_%2.BMP").arg(QLatin1String(cisla[n])).arg(z), cislo_velikost[n],
                    cislo_barva(n, z));
        const char *sipky[] = {"05", "10", "15", "20", "25", "30"};
        for (int n = 0; n < 6; ++n)
            bmp(QStringLiteral("SETUP/SIPKA_%1.BMP").arg(QLatin1String(sipky[n])), sipka_poctu_velikost,
                sipka_poctu_barva(n));
        for (int i = 0; i < 4; ++i) {
            for (int z = 0; z < 2; ++z)
                bmp(QStringLiteral("SETUP/TU_%1_%2.BMP").arg(kody[i]).arg(z), druh_velikost, druh_barva(6 + i, z));
            bmp(QStringLiteral("SETUP/SIPKA_T%1.BMP").arg(i + 1), sipka_druhu_velikost, sipka_druhu_barva(6 + i));
            bmp(QStringLiteral("SETUP/SMPL_%1.BMP").arg(kody[i]), ukazka_velikost, ukazka_barva(kody[i], false));
            bmp(QStringLiteral("SETUP/SMPL_%1%2.BMP").arg(kody[i], "2"), ukazka_velikost, ukazka_barva(kody[i], true));
        }
        bmp(QStringLiteral("SETUP/NAP_0.BMP"), nap_velikost, nap_barva(false));
        bmp(QStringLiteral("SETUP/NAP_1.BMP"), nap_velikost, nap_barva(true));
        bmp(QStringLiteral("HELP/SETUP2.BMP"), cela, napoveda_barva);
        lice(QStringLiteral("POKRACUJ.BMP"), lice_pokracuj, pokracuj_barva);
        lice(QStringLiteral("TISKNI.BMP"), lice_tiskni, tiskni_barva);
    }

    // The main menu's topic click: grade and topic stored, the set-up screen shown.
    void otevri(int rocnik = 4, int tema = 2)
    {
        spolecny_stav.rocnik = rocnik;
        spolecny_stav.tema = tema;
        okno_->ukaz(obrazovka_id::frm_select, hostitel::potom_t::skryj);
        scr_ = qobject_cast<frm_select *>(okno_->najdi(obrazovka_id::frm_select));
        QVERIFY(scr_);
        QCoreApplication::processEvents();
        zvuk_->vymaz_zaznam();
    }

    void stiskni(int n)
    {
        mys::najed(scr_, stred(n));
        mys::klikni(scr_, stred(n));
    }

    // Key by key, letters with diacritics too.
    void napis(const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, scr_->jmeno_txt(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void vymaz_jmeno()
    {
        QTest::keyClick(scr_->jmeno_txt(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(scr_->jmeno_txt(), Qt::Key_Backspace);
    }

    QImage obrazovka() const { return scr_->grab().toImage(); }
    QRgb pixel(QPoint kde) const { return obrazovka().pixel(kde); }

    snimek_stavu_t snimek() const
    {
        return {spolecny_stav.pocet_uloh,
                spolecny_stav.druh_ulohy,
                spolecny_stav.limit_diktovani,
                spolecny_stav.napoveda_na_zaciatku,
                scr_->vysunuto_pokracuj(),
                scr_->vysunuto_tiskni(),
                scr_->obraz()};
    }

    int kliku() const { return zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")); }
    int najeti_zvuku() const { return zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")); }

    // Out: shown, enabled, the face over the background; in: hidden and out of reach.
    void over_tlacitko(obrazkova_plocha *t, bool ven, QPoint kde, QRgb barva)
    {
        QCOMPARE(t->isVisible(), ven);
        QCOMPARE(t->isEnabled(), ven);
        if (ven) {
            QCOMPARE(t->pos(), kde);
            QCOMPARE(pixel(kde + plne), barva);
            QCOMPARE(pixel(kde + dira), pozadi);
            QCOMPARE(mys::pod(scr_, kde + plne), t);
        } else {
            QVERIFY(mys::pod(scr_, kde + plne) != t);
            QCOMPARE(pixel(kde + plne), pozadi);
        }
    }

private slots:
    void initTestCase()
    {
        instalace_ = std::make_unique<docasna_instalace>();
        priprav_instalaci();
    }

    void init()
    {
        spolecny_stav = {};
        instalace_->pouzij();
        platforma_ = std::make_unique<falesna_platforma>();
        zvuk_ = std::make_unique<falesny_zvuk>();
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [this](QWidget *p) { return menu_ = new zastupce(p); });
        okno_->zaregistruj(obrazovka_id::frm_select, [this](QWidget *p) {
            auto *s = new frm_select(p);
            s->nastav_tisk([this] { ++tisku_; });
            return s;
        });
        okno_->ukaz(obrazovka_id::hl_menu);
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
        tisku_ = 0;
        otevri();
    }

    void cleanup()
    {
        okno_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        menu_ = cviceni_ = nullptr;
        obnov_ukazatel();
        zvuk_.reset();
        platforma_.reset();
    }

    void cleanupTestCase() { instalace_.reset(); }

    // Load: nothing chosen, help on start off whatever it was, both buttons in, areas 4
    // and 5 dead, area 3 widened over its number, and nothing drawn over the background.
    void nacteni()
    {
        okno_->uvolni(obrazovka_id::frm_select);
        spolecny_stav.pocet_uloh = 15;
        spolecny_stav.druh_ulohy = QStringLiteral("DIKTAT");
        spolecny_stav.napoveda_na_zaciatku = true;
        otevri(1, 7);
        QCOMPARE(spolecny_stav.pocet_uloh, 0);
        QCOMPARE(spolecny_stav.druh_ulohy, QString());
        QCOMPARE(spolecny_stav.napoveda_na_zaciatku, false);
        QVERIFY(!scr_->vysunuto_pokracuj());
        QVERIFY(!scr_->vysunuto_tiskni());
        QVERIFY(!scr_->zaneprazdnena());
        QVERIFY(scr_->jmeno_txt()->text().isEmpty());
        QVERIFY(scr_->jmeno_txt()->isVisible());
        QVERIFY(!scr_->zdroj()->isVisible());
        QCOMPARE(scr_->plocha(3)->geometry(), QRect(111, 416, 88, 25));
        for (int n = 0; n < 12; ++n) {
            QCOMPARE(scr_->plocha(n)->isEnabled(), n != 4 && n != 5);
            QVERIFY(!scr_->plocha(n)->zvyraznena());
        }
        QImage cista(cela, QImage::Format_RGB32);
        cista.fill(pozadi);
        QCOMPARE(scr_->obraz(), cista);
        over_tlacitko(scr_->pokracuj_cmd(), false, gn::pokracuj, pokracuj_barva);
        over_tlacitko(scr_->tiskni_cmd(), false, gn::tiskni_dovnitr, tiskni_barva);
    }

    void poradi_voleb_data()
    {
        QTest::addColumn<int>("pocet");
        QTest::addColumn<int>("druh");
        QTest::newRow("5, DIKTAT") << 0 << 6;
        QTest::newRow("10, VYBEROVKA") << 1 << 9;
        QTest::newRow("15, OPRAVA") << 2 << 7;
        QTest::newRow("20, DOPLNOVACKA") << 3 << 8;
    }

    // Kind first or count first: the same choices, buttons and picture; continue only
    // once a name is typed as well.
    void poradi_voleb()
    {
        QFETCH(int, pocet);
        QFETCH(int, druh);
        stiskni(druh);
        stiskni(pocet);
        const snimek_stavu_t druh_prvni = snimek();
        QVERIFY(!scr_->vysunuto_pokracuj());

        okno_->uvolni(obrazovka_id::frm_select);
        otevri();
        stiskni(pocet);
        stiskni(druh);
        QVERIFY(snimek() == druh_prvni);
        QCOMPARE(spolecny_stav.pocet_uloh, 5 * (pocet + 1));
        QCOMPARE(pixel(uvnitr(gn::druh[druh - 6], druh_velikost)), druh_barva(druh, true));
        QCOMPARE(pixel(uvnitr(gn::cislo[pocet], cislo_velikost[pocet])), cislo_barva(pocet, true));
        over_tlacitko(scr_->pokracuj_cmd(), false, gn::pokracuj, pokracuj_barva);

        napis(QStringLiteral("Eva"));
        over_tlacitko(scr_->pokracuj_cmd(), true, gn::pokracuj, pokracuj_barva);
    }

    void pocet_a_limit_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<int>("limit");
        QTest::newRow("5 sentences: one play") << 0 << 5 << 1;
        QTest::newRow("10 sentences: two") << 1 << 10 << 2;
        QTest::newRow("15 sentences: three") << 2 << 15 << 3;
        QTest::newRow("20 sentences: no limit") << 3 << 20 << 100;
    }

    // A count sets its play limit, shows its number chosen and its arrow, and gives the
    // number chosen before its normal look back.
    void pocet_a_limit()
    {
        QFETCH(int, n);
        QFETCH(int, pocet);
        QFETCH(int, limit);
        const int predtim = (n + 2) % 4;
        stiskni(predtim);
        stiskni(n);
        QCOMPARE(spolecny_stav.pocet_uloh, pocet);
        QCOMPARE(spolecny_stav.limit_diktovani, limit);
        QCOMPARE(kliku(), 2);
        QCOMPARE(pixel(uvnitr(gn::cislo[n], cislo_velikost[n])), cislo_barva(n, true));
        QCOMPARE(pixel(uvnitr(gn::cislo[predtim], cislo_velikost[predtim])), cislo_barva(predtim, false));
        QCOMPARE(pixel(uvnitr(gn::sipka_poctu, sipka_poctu_velikost)), sipka_poctu_barva(n));
        // The number 20 is wider than its area was laid out: its whole width responds.
        if (n == 3) {
            stiskni(0);
            mys::klikni(scr_, QPoint(112, 420));
            QCOMPARE(spolecny_stav.pocet_uloh, 20);
        }
    }

    void tiskni_podle_druhu_data()
    {
        QTest::addColumn<QList<int>>("stisky");
        QTest::addColumn<bool>("vysunuto");
        QTest::newRow("DOPLNOVACKA without count") << QList<int>{8} << false;
        QTest::newRow("DOPLNOVACKA, then count") << QList<int>{8, 1} << true;
        QTest::newRow("count, then OPRAVA") << QList<int>{2, 7} << true;
        QTest::newRow("DOPLNOVACKA, count, DIKTAT") << QList<int>{8, 1, 6} << false;
        QTest::newRow("DOPLNOVACKA, count, VYBEROVKA") << QList<int>{1, 8, 9} << false;
        QTest::newRow("DOPLNOVACKA, count, OPRAVA") << QList<int>{8, 1, 7} << true;
        QTest::newRow("DIKTAT, count, OPRAVA") << QList<int>{6, 0, 7} << true;
        QTest::newRow("count, VYBEROVKA") << QList<int>{3, 9} << false;
    }

    void tiskni_podle_druhu()
    {
        QFETCH(QList<int>, stisky);
        QFETCH(bool, vysunuto);
        for (int n : stisky)
            stiskni(n);
        // The kind chosen last shows chosen with its arrow and sample, any other normal.
        int druh = 0;
        for (int n : stisky)
            druh = n >= 6 ? n : druh;
        for (int n = 6; n <= 9; ++n)
            if (stisky.contains(n))
                QCOMPARE(pixel(uvnitr(gn::druh[n - 6], druh_velikost)), druh_barva(n, n == druh));
        QCOMPARE(pixel(uvnitr(gn::sipka_druhu, sipka_druhu_velikost)), sipka_druhu_barva(druh));
        QCOMPARE(pixel(uvnitr(gn::ukazka, ukazka_velikost)), ukazka_barva(kody[druh - 6], false));
        QCOMPARE(scr_->vysunuto_tiskni(), vysunuto);
        over_tlacitko(scr_->tiskni_cmd(), vysunuto, gn::tiskni_ven, tiskni_barva);
        QVERIFY(!scr_->vysunuto_pokracuj());

        mys::klikni(scr_, gn::tiskni_ven + plne);
        QCOMPARE(tisku_, vysunuto ? 1 : 0);
    }

    void druha_ukazka_data()
    {
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("druh");
        QTest::addColumn<bool>("druha");
        QTest::newRow("5. ročník, 7, OPRAVA") << 1 << 7 << 7 << true;
        QTest::newRow("6. ročník, 6, DOPLNOVACKA") << 2 << 6 << 8 << true;
        QTest::newRow("7. ročník, 6, OPRAVA") << 3 << 6 << 7 << true;
        QTest::newRow("5. ročník, 6, OPRAVA") << 1 << 6 << 7 << false;
        QTest::newRow("9. ročník, 1, DOPLNOVACKA") << 5 << 1 << 8 << false;
    }

    // On a second-sample topic a printable kind brings the print button out before any
    // count is chosen, and the sample is the second variant.
    void druha_ukazka()
    {
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(int, druh);
        QFETCH(bool, druha);
        okno_->uvolni(obrazovka_id::frm_select);
        otevri(rocnik, tema);
        stiskni(druh);
        QCOMPARE(spolecny_stav.pocet_uloh, 0);
        QCOMPARE(scr_->vysunuto_tiskni(), druha);
        over_tlacitko(scr_->tiskni_cmd(), druha, gn::tiskni_ven, tiskni_barva);
        QCOMPARE(pixel(uvnitr(gn::ukazka, ukazka_velikost)), ukazka_barva(kody[druh - 6], druha));
        // The other sample kinds of the topic take the same variant.
        stiskni(6);
        QCOMPARE(pixel(uvnitr(gn::ukazka, ukazka_velikost)), ukazka_barva(QStringLiteral("CV"), druha));
        QVERIFY(!scr_->vysunuto_tiskni());
    }

    void napoveda_na_zaciatku_data()
    {
        QTest::addColumn<int>("stisku");
        QTest::addColumn<bool>("zapnuto");
        QTest::newRow("once: on") << 1 << true;
        QTest::newRow("twice: off") << 2 << false;
        QTest::newRow("three times: on") << 3 << true;
    }

    void napoveda_na_zaciatku()
    {
        QFETCH(int, stisku);
        QFETCH(bool, zapnuto);
        for (int i = 0; i < stisku; ++i)
            stiskni(10);
        QCOMPARE(spolecny_stav.napoveda_na_zaciatku, zapnuto);
        QCOMPARE(pixel(uvnitr(gn::napoveda_prepinac, nap_velikost)), nap_barva(zapnuto));
        QCOMPARE(kliku(), stisku);
        QVERIFY(!scr_->vysunuto_pokracuj());
        QVERIFY(!scr_->vysunuto_tiskni());
    }

    // Typing decides on the trimmed name; a press on the untrimmed one.
    void jmeno()
    {
        stiskni(1);
        stiskni(6);
        napis(QStringLiteral("Jano"));
        QVERIFY(scr_->vysunuto_pokracuj());
        vymaz_jmeno();
        QVERIFY(scr_->jmeno_txt()->text().isEmpty());
        over_tlacitko(scr_->pokracuj_cmd(), false, gn::pokracuj, pokracuj_barva);
        napis(QStringLiteral("J"));
        over_tlacitko(scr_->pokracuj_cmd(), true, gn::pokracuj, pokracuj_barva);

        vymaz_jmeno();
        napis(QStringLiteral("   "));
        QVERIFY(!scr_->vysunuto_pokracuj());
        stiskni(9);
        over_tlacitko(scr_->pokracuj_cmd(), true, gn::pokracuj, pokracuj_barva);
    }

    // A press and a hover while a button slides: the press changes nothing (not even a
    // click sound), the hover only sounds. Letters typed meanwhile stay in the box.
    void stisk_behem_posunu()
    {
        stiskni(1);
        stiskni(6);
        zvuk_->vymaz_zaznam();
        bool behem = false;
        QTimer::singleShot(30, this, [&] {
            behem = scr_->zaneprazdnena();
            stiskni(7);
            napis(QStringLiteral("va"));
            mys::najed(scr_, stred(9));
        });
        napis(QStringLiteral("E"));
        QVERIFY(behem);
        QVERIFY(!scr_->zaneprazdnena());
        QCOMPARE(spolecny_stav.druh_ulohy, QStringLiteral("DIKTAT"));
        QCOMPARE(kliku(), 0);
        QCOMPARE(scr_->jmeno_txt()->text(), QStringLiteral("Eva"));
        QCOMPARE(pixel(uvnitr(gn::druh[1], druh_velikost)), pozadi);
        QCOMPARE(najeti_zvuku(), 2); // the area entered, then the area 9 reached during the slide
        QVERIFY(!scr_->plocha(9)->zvyraznena());
        QVERIFY(!scr_->plocha(7)->zvyraznena());
        over_tlacitko(scr_->pokracuj_cmd(), true, gn::pokracuj, pokracuj_barva);

        // Once the slide is over, the same press works.
        stiskni(7);
        QCOMPARE(spolecny_stav.druh_ulohy, QStringLiteral("OPRAVA"));
    }

    // A name typed while the continue button sinks does not call it back; the next
    // press does.
    void jmeno_behem_posunu()
    {
        stiskni(0);
        stiskni(9);
        napis(QStringLiteral("E"));
        QVERIFY(scr_->vysunuto_pokracuj());
        QTimer::singleShot(30, this, [&] { napis(QStringLiteral("va")); });
        QTest::keyClick(scr_->jmeno_txt(), Qt::Key_Backspace);
        QCOMPARE(scr_->jmeno_txt()->text(), QStringLiteral("va"));
        over_tlacitko(scr_->pokracuj_cmd(), false, gn::pokracuj, pokracuj_barva);
        stiskni(0);
        over_tlacitko(scr_->pokracuj_cmd(), true, gn::pokracuj, pokracuj_barva);
    }

    void plochy_25_a_30_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("25") << 4;
        QTest::newRow("30") << 5;
    }

    void plochy_25_a_30()
    {
        QFETCH(int, n);
        stiskni(1);
        zvuk_->vymaz_zaznam();
        const QImage pred = scr_->obraz();
        stiskni(n);
        mys::najed(scr_, stred(n) + QPoint(3, 3));
        QCOMPARE(spolecny_stav.pocet_uloh, 10);
        QCOMPARE(spolecny_stav.limit_diktovani, 2);
        QCOMPARE(zvuk_->prehrane, QStringList());
        QVERIFY(!scr_->plocha(n)->zvyraznena());
        QCOMPARE(scr_->obraz(), pred);
    }

    // Hover: a sound on entering a plain area; the back area shows its hover look until the
    // pointer leaves it; the help-on-start area changes nothing on screen.
    void najeti()
    {
        const QImage pred = scr_->obraz();
        const QPoint v_zpet = uvnitr(gn::zpet_hover, zpet_velikost);
        mys::najed(scr_, stred(11));
        QCOMPARE(najeti_zvuku(), 1);
        QVERIFY(scr_->plocha(11)->zvyraznena());
        QCOMPARE(pixel(v_zpet), zpet_hover);
        mys::najed(scr_, stred(11) + QPoint(5, 5));
        QCOMPARE(najeti_zvuku(), 1);

        mys::najed(scr_, stred(10));
        QCOMPARE(najeti_zvuku(), 2);
        QVERIFY(!scr_->plocha(11)->zvyraznena());
        QVERIFY(scr_->plocha(10)->zvyraznena());
        QCOMPARE(scr_->obraz(), pred);

        mys::najed(scr_, stred(11));
        mys::najed(scr_, stred(0));
        QCOMPARE(najeti_zvuku(), 4);
        QVERIFY(scr_->plocha(0)->zvyraznena());
        QCOMPARE(scr_->obraz(), pred);

        mys::najed(scr_, holy_podklad);
        for (int n = 0; n < 12; ++n)
            QVERIFY(!scr_->plocha(n)->zvyraznena());
        mys::najed(scr_, stred(0));
        QCOMPARE(najeti_zvuku(), 5);
    }

    // The help picture covers the screen and the name box until it is clicked away;
    // the click that hides it chooses nothing beneath.
    void napoveda()
    {
        mys::klikni(scr_, gn::help.center());
        QVERIFY(scr_->zdroj()->isVisible());
        QVERIFY(!scr_->jmeno_txt()->isVisible());
        QCOMPARE(pixel(QPoint(320, 240)), napoveda_barva);
        QCOMPARE(pixel(uvnitr(gn::jmeno.topLeft(), gn::jmeno.size())), napoveda_barva);

        mys::klikni(scr_, stred(0));
        QVERIFY(!scr_->zdroj()->isVisible());
        QVERIFY(scr_->jmeno_txt()->isVisible());
        QCOMPARE(spolecny_stav.pocet_uloh, 0);
        QCOMPARE(pixel(QPoint(320, 240)), pozadi);
        stiskni(0);
        QCOMPARE(spolecny_stav.pocet_uloh, 5);
    }

    // Back: the menu shows, the screen is unloaded, and a topic chosen again starts from
    // nothing chosen.
    void zpet_a_nove_tema()
    {
        stiskni(3);
        stiskni(8);
        stiskni(10);
        napis(QStringLiteral("Eva"));
        QVERIFY(scr_->vysunuto_pokracuj());
        QVERIFY(scr_->vysunuto_tiskni());
        QPointer<frm_select> stara = scr_;
        stiskni(11);
        QCOMPARE(okno_->aktualni(), menu_);
        QTRY_VERIFY(stara.isNull());
        QCOMPARE(okno_->najdi(obrazovka_id::frm_select), nullptr);
        QVERIFY(menu_->aktivaci > 0);

        otevri(2, 6);
        QCOMPARE(spolecny_stav.pocet_uloh, 0);
        QCOMPARE(spolecny_stav.druh_ulohy, QString());
        QVERIFY(!spolecny_stav.napoveda_na_zaciatku);
        QVERIFY(!scr_->vysunuto_pokracuj());
        QVERIFY(!scr_->vysunuto_tiskni());
        QVERIFY(scr_->jmeno_txt()->text().isEmpty());
        QCOMPARE(pixel(uvnitr(gn::napoveda_prepinac, nap_velikost)), pozadi);
        QCOMPARE(pixel(uvnitr(gn::cislo[3], cislo_velikost[3])), pozadi);
    }

    void pokracuj_data()
    {
        QTest::addColumn<QString>("napsano");
        QTest::addColumn<QString>("ulozeno");
        QTest::addColumn<bool>("vlozit");
        QTest::newRow("typed") << "Eva"
                               << "Eva" << false;
        QTest::newRow("spaces trimmed") << "  Ján Novák  "
                                        << "Ján Novák" << false;
        QTest::newRow("pasted over two lines") << "Ján\nNovák|"
                                               << "Ján Novák" << true;
    }

    // Continue stores the name and shows the exercise; the screen stays loaded with its
    // choices and takes its back area up again when it is shown once more.
    void pokracuj()
    {
        QFETCH(QString, napsano);
        QFETCH(QString, ulozeno);
        QFETCH(bool, vlozit);
        okno_->zaregistruj(obrazovka_id::main_frm, [this](QWidget *p) { return cviceni_ = new zastupce(p); });
        stiskni(2);
        stiskni(7);
        stiskni(10);
        if (vlozit) {
            QGuiApplication::clipboard()->setText(napsano);
            QTest::keyClick(scr_->jmeno_txt(), Qt::Key_V, Qt::ControlModifier);
        } else {
            napis(napsano);
        }
        QVERIFY(scr_->vysunuto_pokracuj());
        zvuk_->vymaz_zaznam();

        mys::klikni(scr_, gn::pokracuj + plne);
        QCOMPARE(spolecny_stav.jmeno_zaka, ulozeno);
        QCOMPARE(kliku(), 1);
        QCOMPARE(okno_->aktualni(), cviceni_);
        QVERIFY(!scr_->isVisible());
        QVERIFY(!scr_->plocha(11)->isEnabled());
        QTRY_COMPARE(cviceni_->aktivaci, 1);
        QVERIFY(!jsou_presypaci_hodiny());

        // Back from the exercise.
        okno_->ukaz(obrazovka_id::frm_select, hostitel::potom_t::uvolni);
        QTRY_VERIFY(scr_->plocha(11)->isEnabled());
        QCOMPARE(spolecny_stav.pocet_uloh, 15);
        QCOMPARE(spolecny_stav.druh_ulohy, QStringLiteral("OPRAVA"));
        QVERIFY(spolecny_stav.napoveda_na_zaciatku);
        QVERIFY(scr_->vysunuto_pokracuj());
        QVERIFY(scr_->vysunuto_tiskni());
    }

    // With no exercise screen to go to, the set-up screen stays as it was.
    void pokracuj_bez_cviceni()
    {
        stiskni(0);
        stiskni(9);
        napis(QStringLiteral("Eva"));
        mys::klikni(scr_, gn::pokracuj + plne);
        QCOMPARE(spolecny_stav.jmeno_zaka, QStringLiteral("Eva"));
        QCOMPARE(okno_->aktualni(), scr_.data());
        QVERIFY(scr_->plocha(11)->isEnabled());
        QVERIFY(!jsou_presypaci_hodiny());
    }

    // A slide takes one frame per row 25 ms apart, shows the face growing from the
    // button's bottom edge, and returns at once when the button already is in place.
    void posun()
    {
        stiskni(1);
        stiskni(9);
        int radku_v_pulce = -1;
        QTimer::singleShot(60, this, [&] {
            const QImage o = scr_->pokracuj_cmd()->obrazek();
            radku_v_pulce = 0;
            for (int y = 0; y < o.height(); ++y)
                radku_v_pulce += o.pixel(plne.x(), y) == pokracuj_barva ? 1 : 0;
            // The rows shown stand on the bottom edge, the screen above them.
            for (int y = 0; y < o.height(); ++y)
                QCOMPARE(o.pixel(plne.x(), y), y >= o.height() - radku_v_pulce ? pokracuj_barva : pozadi);
        });
        QElapsedTimer t;
        t.start();
        scr_->jmeno_txt()->setText(QStringLiteral("Eva"));
        const qint64 trvani = t.elapsed();
        QVERIFY2(trvani >= (lice_pokracuj.height() - 1) * 25 - 5, qPrintable(QString::number(trvani)));
        QVERIFY(trvani < 2000);
        QVERIFY2(radku_v_pulce >= 1 && radku_v_pulce < lice_pokracuj.height(),
                 qPrintable(QString::number(radku_v_pulce)));
        QCOMPARE(scr_->pokracuj_cmd()->size(), lice_pokracuj);

        t.restart();
        scr_->vytahni_pokracuj();
        scr_->zatahni_tiskni();
        QVERIFY(t.elapsed() < 20);
        QVERIFY(scr_->vysunuto_pokracuj());
        QVERIFY(!scr_->tiskni_cmd()->isVisible());

        scr_->zatahni_pokracuj();
        over_tlacitko(scr_->pokracuj_cmd(), false, gn::pokracuj, pokracuj_barva);
        // The print button stands one pixel higher while out than where it sinks from.
        scr_->vytahni_tiskni();
        QCOMPARE(scr_->tiskni_cmd()->geometry(), QRect(gn::tiskni_ven, lice_tiskni));
        scr_->zatahni_tiskni();
        QCOMPARE(scr_->tiskni_cmd()->geometry(), QRect(gn::tiskni_dovnitr, lice_tiskni));
        mys::klikni(scr_, gn::pokracuj + plne);
        QCOMPARE(spolecny_stav.jmeno_zaka, QString());
    }
};

QTEST_MAIN(tst_frm_select)
#include "tst_frm_select.moc"
