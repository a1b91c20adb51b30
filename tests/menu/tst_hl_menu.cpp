// The main menu under the pupil's mouse: title, grade and exit areas, topic
// buttons, sounds, and what the screen shows afterwards.
#include "common/geometrie.h"
#include "common/stav.h"
#include "menu/hl_menu.h"
#include "menu/start.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/falesny_zvuk.h"
#include "nahrady/instalace.h"
#include "nahrady/mys.h"
#include "shell/hlasky.h"
#include "shell/hostitel.h"
#include "shell/obrazky.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"
#include "shell/zvuk.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

namespace
{

namespace menu = geometrie::menu;

// The background and title as vytvor_bitmapy_startu draws them; each grade button's looks
// in colours of their own, so that a pixel tells which one shows.
constexpr QRgb pozadi = 0xff204060u, titulni = 0xff008000u;
QRgb rocnik_barva(int g, bool hover) { return hover ? qRgb(0xc0, 0xc0, 10 * g) : qRgb(0x30, 0x30 + g, 0x30); }

const QPoint holy_podklad(600, 300), stred(320, 240);
const QString enter = QStringLiteral("ZVUK/ENTER.WAV"), klik = QStringLiteral("ZVUK/CLICK.WAV");
const QList<QString> otazka_konce{QStringLiteral("Naozaj chceš ukončiť tento program?|Otázka")};

// A screen that stands in for the set-up screen and counts its activations.
class zastupce : public obrazovka
{
public:
    using obrazovka::obrazovka;
    void aktivace() override { ++aktivaci; }
    int aktivaci = 0;
};

} // namespace

class tst_hl_menu : public QObject
{
    Q_OBJECT

    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<hostitel> okno_;
    hl_menu *menu_ = nullptr;
    zastupce *nastaveni_ = nullptr;

    QRgb pixel(QPoint kde) const { return menu_->grab().toImage().pixel(kde); }
    QPoint tema(int i) const { return menu_->tlacitko_tematu(i)->geometry().center(); }
    void vyber_rocnik(int g)
    {
        mys::najed(menu_, menu::plochy[g].center());
        mys::klikni(menu_, menu::plochy[g].center());
    }
    // How many of the six areas are enabled, or highlighted.
    int ploch(bool zvyraznene = false) const
    {
        int n = 0;
        for (int i = 0; i < 6; ++i)
            n += zvyraznene ? menu_->plocha(i)->zvyraznena() : menu_->plocha(i)->isEnabled();
        return n;
    }
    // The pupil clicks the title away before its wait starts.
    void odkryj_menu()
    {
        mys::klikni(menu_, stred);
        QVERIFY(!menu_->titulek_viditelny());
        zvuk_->vymaz_zaznam();
    }

private slots:
    void initTestCase()
    {
        instalace_ = std::make_unique<docasna_instalace>();
        instalace_->vytvor_bitmapy_startu();
        const auto bmp = [this](const QString &jmeno, QSize v, QRgb barva) {
            instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/SELECT/") + jmeno, v.width(), v.height(), barva);
        };
        for (int r = 1; r <= 5; ++r)
            for (int h = 0; h < 2; ++h) {
                bmp(QStringLiteral("L_%1_%2.BMP").arg(r).arg(h), QSize(297, 49), rocnik_barva(r - 1, h));
                for (int t = 1; t <= (r == 1 ? 9 : 6); ++t)
                    bmp(QStringLiteral("R_%1%2_%3.BMP").arg(r).arg(t).arg(h), QSize(213, 29), qRgb(0x40, 20 * t, 0x80));
            }
        instalace_->zapis_nejmensi_data();
        instalace_->zapis_vychozi_ini();
    }

    void init()
    {
        platforma_ = std::make_unique<falesna_platforma>();
        platforma_->ini = instalace_->ini();
        zvuk_ = std::make_unique<falesny_zvuk>();
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj<hl_menu>(obrazovka_id::hl_menu);
        okno_->zaregistruj(obrazovka_id::frm_select,
                           [this](spolecny_stav_t &s, QWidget *p) { return nastaveni_ = new zastupce(s, p); });
        menu_ = spust_program(*okno_);
        QVERIFY(menu_);
    }

    void cleanup()
    {
        okno_.reset();
        obnov_ukazatel();
        zvuk_.reset();
        platforma_.reset();
    }

    void titulek_data()
    {
        QTest::addColumn<bool>("kliknout");
        QTest::newRow("a click during the wait") << true;
        QTest::newRow("no click") << false;
    }
    // The title covers the menu; the activation waits five seconds under it, serving
    // clicks meanwhile, and a click takes it away at once.
    void titulek()
    {
        QFETCH(bool, kliknout);
        QElapsedTimer t;
        QObject kontext; // the timers end with the test
        QRgb na_zacatku = 0;
        int povoleno_po_kliku = -1, povoleno_pred_koncem = -1;
        qint64 kdy_kliknuto = -1;
        QTimer::singleShot(100, &kontext, [&] {
            na_zacatku = pixel(stred);
            mys::najed(menu_, menu::plochy[0].center());
        });
        if (kliknout)
            QTimer::singleShot(300, &kontext, [&] {
                mys::klikni(menu_, stred);
                kdy_kliknuto = t.elapsed();
                povoleno_po_kliku = menu_->titulek_viditelny() ? 0 : ploch();
            });
        QTimer::singleShot(4500, &kontext, [&] { povoleno_pred_koncem = ploch(); });
        t.start();
        QTRY_COMPARE_WITH_TIMEOUT(ploch(), 6, 8000);
        const qint64 konec = t.elapsed();
        QCOMPARE(na_zacatku, titulni);
        QVERIFY(konec < 6500 && !jsou_presypaci_hodiny());
        if (kliknout) {
            QCOMPARE(povoleno_po_kliku, 6);
            QVERIFY(kdy_kliknuto < 1000);
        } else {
            QCOMPARE(povoleno_pred_koncem, 0);
            QVERIFY2(konec >= 4990, qPrintable(QString::number(konec)));
            mys::klikni(menu_, stred); // the title stays until clicked
        }
        QVERIFY(!menu_->titulek_viditelny());
        // Moving over a grade under the title was silent; a click where it was does nothing now.
        QCOMPARE(pixel(stred), pozadi);
        mys::klikni(menu_, holy_podklad);
        QCOMPARE(zvuk_->prehrane, QStringList{okno_->sezeni().soubor_media(klik)});
        zvuk_.reset();
        QCOMPARE(&zvuk_zdroj(), &menu_->zvuk()); // the menu holds the program's device
    }

    // Grade index 0 shows nine topics, grade index 3 then six; the chosen grade stays
    // highlighted over the background. Topic hover: one at a time, its sound once.
    void rocnik_0_pak_3_a_temata()
    {
        odkryj_menu();
        vyber_rocnik(0);
        QCOMPARE(menu_->pocet_temat(), 9);
        vyber_rocnik(3);
        QCOMPARE(menu_->zvoleny_rocnik(), 3);
        QCOMPARE(menu_->pocet_temat(), 6);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(menu_->tlacitko_tematu(i)->isVisible(), i < 6);
        QCOMPARE(zvuk_->prehrano(klik), 2);
        mys::najed(menu_, holy_podklad);
        QCOMPARE(ploch(true), 0);
        QCOMPARE(pixel(menu::rocnik(3) + QPoint(20, 20)), rocnik_barva(3, true));
        zvuk_->vymaz_zaznam();
        mys::najed(menu_, tema(1));
        mys::najed(menu_, tema(1) + QPoint(50, 5));
        mys::najed(menu_, tema(3));
        QCOMPARE(zvuk_->prehrano(enter), 2);
        QVERIFY(!menu_->tlacitko_tematu(1)->zvyraznena() && menu_->tlacitko_tematu(3)->zvyraznena());
    }

    void klik_na_tema_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("i");
        QTest::newRow("9. ročník, topic 6") << 4 << 5;
        QTest::newRow("5. ročník, topic 9") << 0 << 8;
    }
    // The choice is stored and the set-up screen shown, with the hourglass until its
    // activation; coming back, the menu is usable at once and the topic plain again.
    void klik_na_tema()
    {
        QFETCH(int, g);
        QFETCH(int, i);
        odkryj_menu();
        vyber_rocnik(g);
        zvuk_->vymaz_zaznam();
        mys::najed(menu_, tema(i));
        mys::klikni(menu_, tema(i));
        QCOMPARE(QPoint(okno_->sezeni().rocnik, okno_->sezeni().tema), QPoint(g + 1, i + 1));
        QCOMPARE(zvuk_->prehrano(klik), 1);
        QCOMPARE(ploch(), 0);
        QCOMPARE(okno_->aktualni_id(), obrazovka_id::frm_select);
        QVERIFY(nastaveni_->isVisible() && !menu_->isVisible() && jsou_presypaci_hodiny());
        QTRY_COMPARE(nastaveni_->aktivaci, 1);
        QVERIFY(!jsou_presypaci_hodiny());
        QElapsedTimer t;
        t.start();
        okno_->ukaz(obrazovka_id::hl_menu, hostitel::potom_t::uvolni);
        QTRY_COMPARE(ploch(), 6);
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(menu_->isVisible() && !okno_->najdi(obrazovka_id::frm_select));
        QVERIFY(!menu_->tlacitko_tematu(i)->zvyraznena());
    }

    void konec_data()
    {
        QTest::addColumn<bool>("ano");
        QTest::addColumn<bool>("obnoveno"); // the display given back
        QTest::addColumn<int>("kod");       // -1: the program goes on
        QTest::newRow("No leaves the menu as it was, without the exit highlight") << false << true << -1;
        QTest::newRow("Yes gives the display back and ends") << true << true << 0;
        QTest::newRow("Yes, but the display is not given back") << true << false << 1;
    }
    void konec()
    {
        QFETCH(bool, ano);
        QFETCH(bool, obnoveno);
        odkryj_menu();
        vyber_rocnik(2);
        mys::najed(menu_, holy_podklad);
        const QImage pred = menu_->grab().toImage();
        platforma_->odpoved_ano = ano;
        platforma_->povol_obnoveni = obnoveno;
        mys::najed(menu_, menu::plochy[5].center());
        QTEST(konec_kodem([&] { emit menu_->plocha(5)->stisk(Qt::LeftButton, QPoint(5, 5)); }), "kod");
        QCOMPARE(platforma_->otazky, otazka_konce);
        QCOMPARE(platforma_->obnoveni, int(ano));
        QCOMPARE(zvuk_->prehrano(klik), 2);
        QCOMPARE(platforma_->zpravy.size(), int(!obnoveno));
        if (!obnoveno) {
            const auto &z = platforma_->zpravy[0];
            QCOMPARE(z.text + z.titulek, hlasky::nelze_obnovit + QStringLiteral("Systémová chyba"));
            QCOMPARE(z.ikona, platforma_t::ikona_t::zadna);
        }
        if (!ano) {
            QCOMPARE(ploch(true), 0);
            QCOMPARE(menu_->zvoleny_rocnik(), 2);
            QCOMPARE(menu_->grab().toImage(), pred);
        }
    }

    // Closing the window from the desktop (Alt+F4) asks the exit question; No keeps the
    // program as it was, on any screen.
    void zavreni_okna_se_pta()
    {
        odkryj_menu();
        vyber_rocnik(3);
        QVERIFY(!okno_->close());
        QVERIFY(okno_->isVisible());
        QCOMPARE(platforma_->otazky, otazka_konce);
        QCOMPARE(platforma_->obnoveni, 0);
        QCOMPARE(menu_->zvoleny_rocnik(), 3);
        QCOMPARE(okno_->aktualni(), menu_);
    }
};

QTEST_MAIN(tst_hl_menu)
#include "tst_hl_menu.moc"
