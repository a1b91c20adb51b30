// The main menu under the pupil's mouse: title, credits, grade and exit areas, topic
// buttons, sounds, and what the screen shows afterwards.
#include "common/geometrie.h"
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "shell/hl_menu.h"
#include "shell/hostitel.h"
#include "shell/obrazky.h"
#include "shell/plocha.h"
#include "shell/start.h"
#include "shell/ukazatel.h"
#include "shell/zvuk.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace
{

namespace menu = geometrie::menu;

// Every bitmap of the menu in a colour of its own, so that a pixel tells which one shows;
// the background, title, credits and exit pictures as vytvor_bitmapy_startu draws them.
constexpr QRgb pozadi = 0xff204060u, titulni = 0xff008000u, autori = 0xff800080u, konec_hover = 0xffc00000u;
QRgb rocnik_barva(int g, bool hover) { return hover ? qRgb(0xc0, 0xc0, 10 * g) : qRgb(0x30, 0x30 + g, 0x30); }
QRgb tema_barva(int rocnik, int tema, bool hover) { return qRgb(0x40 + 16 * rocnik, 20 * tema, hover ? 0xf0 : 0x80); }

const QPoint holy_podklad(600, 300);
const QString enter = QStringLiteral("ZVUK/ENTER.WAV"), klik = QStringLiteral("ZVUK/CLICK.WAV");

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
    // A pixel of grade button g, inside both looks and inside its area.
    static QPoint v_rocniku(int g) { return menu::rocnik(g) + QPoint(20, 20); }
    QPoint tema(int i) const { return menu_->tlacitko_tematu(i)->geometry().center(); }

    void vyber_rocnik(int g)
    {
        mys::najed(menu_, menu::plochy[g].center());
        mys::klikni(menu_, menu::plochy[g].center());
    }

    // How many of the six areas are highlighted, or enabled.
    int ploch(bool zvyraznene) const
    {
        int n = 0;
        for (int i = 0; i < 6; ++i)
            n += zvyraznene ? menu_->plocha(i)->zvyraznena() : menu_->plocha(i)->isEnabled();
        return n;
    }
    int povolenych() const { return ploch(false); }
    int zvyraznenych() const { return ploch(true); }

    // The pupil clicks the title away before its wait starts.
    void odkryj_menu()
    {
        mys::klikni(menu_, QPoint(320, 240));
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
                    bmp(QStringLiteral("R_%1%2_%3.BMP").arg(r).arg(t).arg(h), QSize(213, 29), tema_barva(r, t, h));
            }
        instalace_->zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("0|100|1")}, false);
        instalace_->zapis_data(QStringLiteral("VERBANO2.DAT"), {QStringLiteral("[5_1]"), QStringLiteral("A<b#c>*1")},
                               true);
        instalace_->zapis_vychozi_ini();
    }

    void init()
    {
        spolecny_stav = {};
        platforma_ = std::make_unique<falesna_platforma>();
        platforma_->ini = instalace_->ini();
        zvuk_ = std::make_unique<falesny_zvuk>();
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [](QWidget *p) { return new hl_menu(p); });
        okno_->zaregistruj(obrazovka_id::frm_select, [this](QWidget *p) { return nastaveni_ = new zastupce(p); });
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
            na_zacatku = pixel(QPoint(320, 240));
            mys::najed(menu_, menu::plochy[0].center());
        });
        if (kliknout)
            QTimer::singleShot(300, &kontext, [&] {
                mys::klikni(menu_, QPoint(320, 240));
                kdy_kliknuto = t.elapsed();
                povoleno_po_kliku = menu_->titulek_viditelny() ? 0 : povolenych();
            });
        QTimer::singleShot(4500, &kontext, [&] { povoleno_pred_koncem = povolenych(); });
        t.start();
        QTRY_COMPARE_WITH_TIMEOUT(povolenych(), 6, 8000);
        const qint64 konec = t.elapsed();
        QCOMPARE(na_zacatku, titulni);
        QVERIFY(konec < 6500);
        QVERIFY(!jsou_presypaci_hodiny());
        if (kliknout) {
            QCOMPARE(povoleno_po_kliku, 6);
            QVERIFY(kdy_kliknuto < 1000);
        } else {
            QCOMPARE(povoleno_pred_koncem, 0);
            QVERIFY2(konec >= 4990, qPrintable(QString::number(konec)));
            // The title stays until clicked.
            mys::klikni(menu_, QPoint(320, 240));
        }
        QVERIFY(!menu_->titulek_viditelny());
        // Moving over a grade under the title was silent.
        QCOMPARE(zvuk_->prehrane, QStringList{soubor_media(klik)});
        QCOMPARE(pixel(QPoint(320, 240)), pozadi);
        // A click where the title was does nothing now.
        mys::klikni(menu_, holy_podklad);
        QCOMPARE(zvuk_->prehrane.size(), 1);
        QCOMPARE(&zvuk_zdroj(), zvuk_.get());
        zvuk_.reset();
        QCOMPARE(&zvuk_zdroj(), &menu_->zvuk()); // the menu holds the program's device
    }

    void najeti_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 0; n < 6; ++n)
            QTest::addRow("%s", n < 5 ? qPrintable(QStringLiteral("%1. ročník").arg(n + 5)) : "exit") << n;
    }
    // The hover sound plays once; moving within the area again is silent until the
    // highlight was cleared by moving over the background or onto another area.
    void najeti()
    {
        QFETCH(int, n);
        odkryj_menu();
        const QImage pred = menu_->grab().toImage();
        const QRect r = menu::plochy[n];
        const int dalsi = (n + 1) % 6;

        mys::najed(menu_, r.topLeft() + QPoint(3, 3));
        QCOMPARE(zvuk_->prehrano(enter), 1);
        QVERIFY(menu_->plocha(n)->zvyraznena());
        QCOMPARE(pixel(menu::hover[n] + QPoint(2, 2)), n < 5 ? rocnik_barva(n, true) : konec_hover);
        mys::najed(menu_, r.bottomRight() - QPoint(3, 3));
        mys::najed(menu_, r.center());
        QCOMPARE(zvuk_->prehrano(enter), 1);

        mys::najed(menu_, menu::plochy[dalsi].center());
        QCOMPARE(zvuk_->prehrano(enter), 2);
        QVERIFY(!menu_->plocha(n)->zvyraznena() && menu_->plocha(dalsi)->zvyraznena());
        QCOMPARE(pixel(menu::hover[n] + QPoint(2, 2)), pred.pixel(menu::hover[n] + QPoint(2, 2)));

        mys::najed(menu_, holy_podklad);
        QCOMPARE(zvyraznenych(), 0);
        QCOMPARE(menu_->grab().toImage(), pred);
        mys::najed(menu_, r.center());
        QCOMPARE(zvuk_->prehrano(enter), 3);
        // While a sound plays, the area lights up in silence.
        zvuk_->hraje_po_play = true;
        prehraj_zvuk(QStringLiteral("/vety/7_3/12.WAV"));
        mys::najed(menu_, holy_podklad);
        mys::najed(menu_, r.center());
        QVERIFY(menu_->plocha(n)->zvyraznena());
        QCOMPARE(zvuk_->prehrano(enter), 3);
    }

    // Grade index 0 shows nine topics; grade index 3 then hides the last three and shows
    // six; grade 0 gets its normal look back while grade 3 keeps its hover look.
    void rocnik_0_pak_3()
    {
        odkryj_menu();
        vyber_rocnik(0);
        QCOMPARE(menu_->zvoleny_rocnik(), 0);
        QCOMPARE(menu_->pocet_temat(), 9);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(pixel(tema(i)), tema_barva(1, i + 1, false));
        mys::najed(menu_, holy_podklad);
        QCOMPARE(pixel(v_rocniku(0)), rocnik_barva(0, true));

        vyber_rocnik(3);
        QCOMPARE(menu_->zvoleny_rocnik(), 3);
        QCOMPARE(menu_->pocet_temat(), 6);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(menu_->tlacitko_tematu(i)->isVisible(), i < 6);
            if (i < 6)
                QCOMPARE(pixel(tema(i)), tema_barva(4, i + 1, false));
        }
        QCOMPARE(pixel(v_rocniku(0)), rocnik_barva(0, false));
        QCOMPARE(pixel(v_rocniku(3)), rocnik_barva(3, true));
        // Where grade 0's seventh topic was, the background shows again.
        QCOMPARE(pixel(QPoint(400, 381)), pozadi);
        QCOMPARE(zvuk_->prehrano(klik), 2);

        // Hovering the chosen grade and leaving it keeps its look.
        mys::najed(menu_, menu::plochy[3].center());
        mys::najed(menu_, holy_podklad);
        QCOMPARE(zvyraznenych(), 0);
        QCOMPARE(pixel(v_rocniku(3)), rocnik_barva(3, true));
    }

    // Topic hover: one topic at a time; moving over the background keeps it.
    void najeti_na_tema()
    {
        odkryj_menu();
        vyber_rocnik(2);
        zvuk_->vymaz_zaznam();
        mys::najed(menu_, tema(1));
        mys::najed(menu_, tema(1) + QPoint(50, 5));
        QCOMPARE(zvuk_->prehrano(enter), 1);
        QCOMPARE(pixel(tema(1)), tema_barva(3, 2, true));

        mys::najed(menu_, tema(3));
        QCOMPARE(zvuk_->prehrano(enter), 2);
        QCOMPARE(pixel(tema(1)), tema_barva(3, 2, false));
        QCOMPARE(pixel(tema(3)), tema_barva(3, 4, true));
        QVERIFY(!menu_->tlacitko_tematu(1)->zvyraznena() && menu_->tlacitko_tematu(3)->zvyraznena());

        mys::najed(menu_, holy_podklad);
        QCOMPARE(pixel(tema(3)), tema_barva(3, 4, true));
        QCOMPARE(pixel(v_rocniku(2)), rocnik_barva(2, true));
    }

    void klik_na_tema_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("i");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("9. ročník, topic %d", i + 1) << 4 << i;
        QTest::newRow("5. ročník, topic 9") << 0 << 8;
    }
    // The choice is stored and the set-up screen shown, with the hourglass until its
    // activation; coming back, the menu is usable at once.
    void klik_na_tema()
    {
        QFETCH(int, g);
        QFETCH(int, i);
        odkryj_menu();
        vyber_rocnik(g);
        zvuk_->vymaz_zaznam();
        mys::najed(menu_, tema(i));
        mys::klikni(menu_, tema(i));
        QCOMPARE(spolecny_stav.rocnik, g + 1);
        QCOMPARE(spolecny_stav.tema, i + 1);
        QCOMPARE(zvuk_->prehrano(klik), 1);
        QCOMPARE(povolenych(), 0);
        QCOMPARE(okno_->aktualni_id(), obrazovka_id::frm_select);
        QVERIFY(nastaveni_->isVisible() && !menu_->isVisible());
        QVERIFY(jsou_presypaci_hodiny());
        QTRY_COMPARE(nastaveni_->aktivaci, 1);
        QVERIFY(!jsou_presypaci_hodiny());

        QElapsedTimer t;
        t.start();
        okno_->ukaz(obrazovka_id::hl_menu, hostitel::potom_t::uvolni);
        QTRY_COMPARE(povolenych(), 6);
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(menu_->isVisible() && !okno_->najdi(obrazovka_id::frm_select));
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
        QCOMPARE(pixel(menu::hover[5] + QPoint(2, 2)), konec_hover);
        int kod = -1;
        try {
            emit menu_->plocha(5)->stisk(Qt::LeftButton, QPoint(5, 5));
        } catch (const konec_programu &k) {
            kod = k.kod;
        }
        QTEST(kod, "kod");
        QCOMPARE(platforma_->otazky, QList<QString>{QStringLiteral("Naozaj chceš ukončiť tento program?|Otázka")});
        QCOMPARE(platforma_->obnoveni, int(ano));
        QCOMPARE(zvuk_->prehrano(klik), 2);
        QCOMPARE(platforma_->zpravy.size(), int(!obnoveno));
        if (!obnoveno) {
            QCOMPARE(platforma_->zpravy[0].text, hlasky::nelze_obnovit);
            QCOMPARE(platforma_->zpravy[0].titulek, QStringLiteral("Systémová chyba"));
            QCOMPARE(platforma_->zpravy[0].ikona, platforma_t::ikona_t::zadna);
        }
        if (!ano) {
            QCOMPARE(zvyraznenych(), 0);
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
        platforma_->odpoved_ano = false;
        QVERIFY(!okno_->close());
        QVERIFY(okno_->isVisible());
        QCOMPARE(platforma_->otazky, QList<QString>{QStringLiteral("Naozaj chceš ukončiť tento program?|Otázka")});
        QCOMPARE(platforma_->obnoveni, 0);
        QCOMPARE(menu_->zvoleny_rocnik(), 3);
        QCOMPARE(okno_->aktualni(), menu_);
    }

    // The credits picture covers the menu until a click; without it the installation is
    // broken.
    void autori_a_zpet()
    {
        odkryj_menu();
        mys::klikni(menu_, menu::autori.center());
        QVERIFY(menu_->titulek_viditelny());
        QCOMPARE(pixel(QPoint(320, 240)), autori);
        QCOMPARE(povolenych(), 0);
        mys::najed(menu_, menu::plochy[0].center());
        QCOMPARE(zvuk_->prehrano(enter), 0);
        mys::klikni(menu_, QPoint(100, 300));
        QVERIFY(!menu_->titulek_viditelny());
        QCOMPARE(povolenych(), 6);
        QCOMPARE(pixel(QPoint(320, 240)), pozadi);
        QCOMPARE(zvuk_->prehrano(klik), 2);

        QVERIFY(QFile::rename(soubor_media(QStringLiteral("GRAFIKA/CREDITS.BMP")), instalace_->koren() + "/C.BMP"));
        int kod = -1;
        try {
            emit menu_->autori()->klik();
        } catch (const konec_programu &k) {
            kod = k.kod;
        }
        QFile::rename(instalace_->koren() + "/C.BMP", soubor_media(QStringLiteral("GRAFIKA/CREDITS.BMP")));
        QCOMPARE(kod, 1);
        QCOMPARE(platforma_->zpravy.size(), 1);
        QCOMPARE(platforma_->zpravy[0].text, hlasky::chyba_cd);
    }
};

QTEST_MAIN(tst_hl_menu)
#include "tst_hl_menu.moc"
