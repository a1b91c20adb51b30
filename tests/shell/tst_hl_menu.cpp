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

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

namespace menu = geometrie::menu;

// Every bitmap of the menu in a colour of its own, so that a pixel tells which one shows.
constexpr QRgb pozadi = 0xff204060u;
constexpr QRgb titulek = 0xff008000u;
constexpr QRgb autori = 0xff800080u;
constexpr QRgb konec_hover = 0xffc00000u;
QRgb rocnik_barva(int g, bool hover) { return hover ? qRgb(0xc0, 0xc0, 10 * g) : qRgb(0x30, 0x30 + g, 0x30); }
QRgb tema_barva(int rocnik, int tema, bool hover) { return qRgb(0x40 + 16 * rocnik, 20 * tema, hover ? 0xf0 : 0x80); }

const QPoint holy_podklad(600, 300);

QPoint stred(const QRect &r) { return r.center(); }

// A screen that stands in for the set-up screen and counts its activations.
class zastupce : public obrazovka {
public:
    using obrazovka::obrazovka;
    void aktivace() override { ++aktivaci; }
    int aktivaci = 0;
};

} // namespace

class tst_hl_menu : public QObject {
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<hostitel> okno_;
    hl_menu *menu_ = nullptr;
    zastupce *nastaveni_ = nullptr;

    void priprav_instalaci()
    {
        instalace_->vytvor_bitmapy_startu();
        const auto bmp = [this](const QString &jmeno, QSize v, QRgb barva) {
            instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/SELECT/") + jmeno, v.width(), v.height(), barva);
        };
        for (int g = 0; g < 5; ++g) {
            bmp(QStringLiteral("L_%1_0.BMP").arg(g + 1), QSize(297, 49), rocnik_barva(g, false));
            bmp(QStringLiteral("L_%1_1.BMP").arg(g + 1), QSize(297, 49), rocnik_barva(g, true));
        }
        for (int r = 1; r <= 5; ++r)
            for (int t = 1; t <= (r == 1 ? 9 : 6); ++t)
                for (int h = 0; h < 2; ++h)
                    bmp(QStringLiteral("R_%1%2_%3.BMP").arg(r).arg(t).arg(h), QSize(213, 29), tema_barva(r, t, h));
        instalace_->zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("0|100|1")}, false);
        instalace_->zapis_data(QStringLiteral("VERBANO2.DAT"), {QStringLiteral("[5_1]"), QStringLiteral("A<b#c>*1")},
                               true);
        instalace_->zapis_vychozi_ini();
    }

    void spust()
    {
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [](QWidget *p) { return new hl_menu(p); });
        menu_ = spust_program(*okno_);
        QVERIFY(menu_);
    }

    void pridej_nastaveni()
    {
        okno_->zaregistruj(obrazovka_id::frm_select, [this](QWidget *p) {
            nastaveni_ = new zastupce(p);
            return nastaveni_;
        });
    }

    // The pupil clicks the title away before its wait starts.
    void odkryj_menu()
    {
        mys::klikni(menu_, QPoint(320, 240));
        QVERIFY(!menu_->titulek_viditelny());
        zvuk_->vymaz_zaznam();
    }

    QRgb pixel(QPoint kde) const { return menu_->grab().toImage().pixel(kde); }

    // A pixel of the grade button g (inside both looks and inside the area).
    static QPoint v_rocniku(int g) { return menu::rocnik(g) + QPoint(20, 20); }

    void vyber_rocnik(int g)
    {
        mys::najed(menu_, stred(menu::plochy[g]));
        mys::stiskni(menu_, stred(menu::plochy[g]));
        mys::uvolni(menu_, stred(menu::plochy[g]));
    }

    int povolenych_ploch() const
    {
        int n = 0;
        for (int i = 0; i < 6; ++i)
            n += menu_->plocha(i)->isEnabled() ? 1 : 0;
        return n;
    }

    int zvyraznenych_ploch() const
    {
        int n = 0;
        for (int i = 0; i < 6; ++i)
            n += menu_->plocha(i)->zvyraznena() ? 1 : 0;
        return n;
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
        platforma_.reset();
        platforma_ = std::make_unique<falesna_platforma>();
        platforma_->ini = instalace_->ini();
        zvuk_ = std::make_unique<falesny_zvuk>();
        spust();
    }

    void cleanup()
    {
        okno_.reset();
        menu_ = nullptr;
        nastaveni_ = nullptr;
        obnov_ukazatel();
        zvuk_.reset();
        platforma_.reset();
    }

    void cleanupTestCase() { instalace_.reset(); }

    void titulek_zmizi_kliknutim()
    {
        QVERIFY(menu_->titulek_viditelny());
        QCOMPARE(povolenych_ploch(), 0);
        QCOMPARE(pixel(QPoint(320, 240)), titulek);
        // The title covers the grade buttons: moving over them does nothing.
        mys::najed(menu_, stred(menu::plochy[0]));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 0);

        mys::klikni(menu_, QPoint(320, 240));
        QVERIFY(!menu_->titulek_viditelny());
        QCOMPARE(povolenych_ploch(), 6);
        QCOMPARE(zvuk_->prehrane, QStringList{soubor_media(QStringLiteral("ZVUK/CLICK.WAV"))});
        QCOMPARE(pixel(QPoint(320, 240)), pozadi);
        QCOMPARE(pixel(v_rocniku(0)), pozadi);

        // A click where the title was does nothing now.
        mys::klikni(menu_, holy_podklad);
        QCOMPARE(zvuk_->prehrane.size(), 1);
    }

    void cekani_titulku_data()
    {
        QTest::addColumn<bool>("kliknout");
        QTest::newRow("a click during the wait") << true;
        QTest::newRow("no click") << false;
    }

    // The activation waits five seconds under the title, serving clicks meanwhile.
    void cekani_titulku()
    {
        QFETCH(bool, kliknout);
        QElapsedTimer t;
        bool skryto = false;
        int povoleno_po_kliku = -1;
        int povoleno_pred_koncem = -1;
        qint64 kdy_kliknuto = -1;
        if (kliknout)
            QTimer::singleShot(300, this, [&] {
                mys::klikni(menu_, QPoint(320, 240));
                kdy_kliknuto = t.elapsed();
                skryto = !menu_->titulek_viditelny();
                povoleno_po_kliku = povolenych_ploch();
            });
        QTimer::singleShot(4500, this, [&] { povoleno_pred_koncem = povolenych_ploch(); });
        t.start();
        // The activation runs here, with the wait inside it.
        QTRY_COMPARE_WITH_TIMEOUT(povolenych_ploch(), 6, 8000);
        const qint64 konec = t.elapsed();
        if (kliknout) {
            QVERIFY(skryto);
            QCOMPARE(povoleno_po_kliku, 6);
            QVERIFY(kdy_kliknuto < 1000);
        } else {
            QVERIFY(menu_->titulek_viditelny());
            QCOMPARE(povoleno_pred_koncem, 0);
            QVERIFY2(konec >= 4990, qPrintable(QString::number(konec)));
        }
        QVERIFY(konec < 6500);
        QVERIFY(!jsou_presypaci_hodiny());
    }

    void najeti_na_plochu_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QPoint>("v_obrazku");
        QTest::addColumn<QRgb>("barva");
        QTest::newRow("5. ročník") << 0 << QPoint(10, 142) << rocnik_barva(0, true);
        QTest::newRow("6. ročník") << 1 << QPoint(10, 203) << rocnik_barva(1, true);
        QTest::newRow("7. ročník") << 2 << QPoint(300, 264) << rocnik_barva(2, true);
        QTest::newRow("8. ročník") << 3 << QPoint(10, 370) << rocnik_barva(3, true);
        QTest::newRow("9. ročník") << 4 << QPoint(300, 431) << rocnik_barva(4, true);
        QTest::newRow("exit") << 5 << QPoint(548, 7) << konec_hover;
    }

    // The hover sound plays once; moving within the area again is silent until the
    // highlight was cleared by moving over the background.
    void najeti_na_plochu()
    {
        QFETCH(int, n);
        QFETCH(QPoint, v_obrazku);
        QFETCH(QRgb, barva);
        odkryj_menu();
        const QImage pred = menu_->grab().toImage();
        const QRect r = menu::plochy[n];

        mys::najed(menu_, r.topLeft() + QPoint(3, 3));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 1);
        QVERIFY(menu_->plocha(n)->zvyraznena());
        QCOMPARE(pixel(v_obrazku), barva);

        mys::najed(menu_, r.bottomRight() - QPoint(3, 3));
        mys::najed(menu_, stred(r));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 1);

        mys::najed(menu_, holy_podklad);
        QCOMPARE(zvyraznenych_ploch(), 0);
        QCOMPARE(menu_->grab().toImage(), pred);

        mys::najed(menu_, stred(r));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 2);
    }

    void presun_z_plochy_na_plochu()
    {
        odkryj_menu();
        mys::najed(menu_, stred(menu::plochy[1]));
        mys::najed(menu_, stred(menu::plochy[2]));
        QCOMPARE(pixel(v_rocniku(1)), pozadi);
        QCOMPARE(pixel(v_rocniku(2)), rocnik_barva(2, true));
        QVERIFY(!menu_->plocha(1)->zvyraznena());
        QVERIFY(menu_->plocha(2)->zvyraznena());
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 2);
    }

    void najeti_kdyz_zvuk_hraje()
    {
        odkryj_menu();
        zvuk_->hraje_po_play = true;
        prehraj_zvuk(QStringLiteral("/vety/7_3/12.WAV"));
        zvuk_->vymaz_zaznam();

        mys::najed(menu_, stred(menu::plochy[0]));
        QVERIFY(zvuk_->prikazy.isEmpty());
        QCOMPARE(pixel(v_rocniku(0)), rocnik_barva(0, true));

        zvuk_->dohraj();
        mys::najed(menu_, holy_podklad);
        mys::najed(menu_, stred(menu::plochy[0]));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 1);
    }

    // Grade index 0 shows nine topics; grade index 3 then hides the last three and shows
    // six; grade 0 gets its normal look back while grade 3 keeps its hover look.
    void rocnik_0_pak_3()
    {
        odkryj_menu();
        vyber_rocnik(0);
        QCOMPARE(menu_->zvoleny_rocnik(), 0);
        QCOMPARE(menu_->pocet_temat(), 9);
        for (int i = 0; i < 9; ++i) {
            QVERIFY(menu_->tlacitko_tematu(i)->isVisible());
            QCOMPARE(pixel(menu_->tlacitko_tematu(i)->geometry().center()), tema_barva(1, i + 1, false));
        }
        mys::najed(menu_, holy_podklad);
        QCOMPARE(pixel(v_rocniku(0)), rocnik_barva(0, true));

        vyber_rocnik(3);
        QCOMPARE(menu_->zvoleny_rocnik(), 3);
        QCOMPARE(menu_->pocet_temat(), 6);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(menu_->tlacitko_tematu(i)->isVisible(), i < 6);
        QCOMPARE(pixel(v_rocniku(0)), rocnik_barva(0, false));
        QCOMPARE(pixel(v_rocniku(3)), rocnik_barva(3, true));
        // Where grade 0's seventh topic was, the background shows again.
        QCOMPARE(pixel(QPoint(400, 381)), pozadi);

        mys::najed(menu_, holy_podklad);
        QCOMPARE(pixel(v_rocniku(3)), rocnik_barva(3, true));
        QCOMPARE(zvyraznenych_ploch(), 0);
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 2);

        // Hovering the chosen grade and leaving it keeps its look too.
        mys::najed(menu_, stred(menu::plochy[3]));
        mys::najed(menu_, holy_podklad);
        QCOMPARE(pixel(v_rocniku(3)), rocnik_barva(3, true));
    }

    void polohy_temat_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("y");
        const int prvni[] = {101, 149, 186, 223, 260, 297, 334, 371, 408};
        const int ostatni[] = {101, 167, 223, 279, 335, 391};
        for (int i = 0; i < 9; ++i)
            QTest::addRow("grade 0, topic %d", i) << 0 << i << prvni[i];
        for (int g = 1; g < 5; ++g)
            for (int i = 0; i < 6; ++i)
                QTest::addRow("grade %d, topic %d", g, i) << g << i << ostatni[i];
    }

    void polohy_temat()
    {
        QFETCH(int, g);
        QFETCH(int, i);
        QFETCH(int, y);
        odkryj_menu();
        vyber_rocnik(g);
        obrazkova_plocha *t = menu_->tlacitko_tematu(i);
        QCOMPARE(t->geometry(), QRect(333, y, 213, 29));
        QCOMPARE(t->property("rocnik").toInt(), g + 1);
        QCOMPARE(pixel(QPoint(334, y + 1)), tema_barva(g + 1, i + 1, false));
        QCOMPARE(pixel(QPoint(545, y + 28)), tema_barva(g + 1, i + 1, false));
    }

    // Topic hover: one topic at a time; moving over the background keeps it.
    void najeti_na_tema()
    {
        odkryj_menu();
        vyber_rocnik(2);
        zvuk_->vymaz_zaznam();
        const QPoint t1 = menu_->tlacitko_tematu(1)->geometry().center();
        const QPoint t3 = menu_->tlacitko_tematu(3)->geometry().center();

        mys::najed(menu_, t1);
        mys::najed(menu_, t1 + QPoint(50, 5));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 1);
        QCOMPARE(pixel(t1), tema_barva(3, 2, true));

        mys::najed(menu_, t3);
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 2);
        QCOMPARE(pixel(t1), tema_barva(3, 2, false));
        QCOMPARE(pixel(t3), tema_barva(3, 4, true));
        QVERIFY(!menu_->tlacitko_tematu(1)->zvyraznena());
        QVERIFY(menu_->tlacitko_tematu(3)->zvyraznena());

        mys::najed(menu_, holy_podklad);
        QCOMPARE(pixel(t3), tema_barva(3, 4, true));
        // The chosen grade keeps its look under the topic hover.
        QCOMPARE(pixel(v_rocniku(2)), rocnik_barva(2, true));
    }

    void klik_na_tema_data()
    {
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("i");
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        for (int i = 0; i < 6; ++i)
            QTest::addRow("9. ročník, topic %d", i + 1) << 4 << i << 5 << i + 1;
        QTest::newRow("5. ročník, topic 9") << 0 << 8 << 1 << 9;
        QTest::newRow("7. ročník, topic 3") << 2 << 2 << 3 << 3;
    }

    void klik_na_tema()
    {
        QFETCH(int, g);
        QFETCH(int, i);
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        pridej_nastaveni();
        odkryj_menu();
        vyber_rocnik(g);
        zvuk_->vymaz_zaznam();
        const QPoint kde = menu_->tlacitko_tematu(i)->geometry().center();
        mys::najed(menu_, kde);
        mys::klikni(menu_, kde);

        QCOMPARE(spolecny_stav.rocnik, rocnik);
        QCOMPARE(spolecny_stav.tema, tema);
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 1);
        QCOMPARE(povolenych_ploch(), 0);
        QCOMPARE(okno_->aktualni_id(), obrazovka_id::frm_select);
        QVERIFY(nastaveni_ && nastaveni_->isVisible());
        QVERIFY(!menu_->isVisible());
        // The hourglass lasts until the set-up screen's activation.
        QVERIFY(jsou_presypaci_hodiny());
        QTRY_COMPARE(nastaveni_->aktivaci, 1);
        QVERIFY(!jsou_presypaci_hodiny());
    }

    // With no set-up screen to open, the choice is stored and the menu stays usable.
    void klik_na_tema_bez_nastaveni()
    {
        odkryj_menu();
        vyber_rocnik(1);
        mys::klikni(menu_, menu_->tlacitko_tematu(4)->geometry().center());
        QCOMPARE(spolecny_stav.rocnik, 2);
        QCOMPARE(spolecny_stav.tema, 5);
        QCOMPARE(okno_->aktualni(), menu_);
        QCOMPARE(povolenych_ploch(), 6);
        QVERIFY(!jsou_presypaci_hodiny());
    }

    // Coming back from the set-up screen: no wait, the areas are enabled again.
    void navrat_do_menu()
    {
        pridej_nastaveni();
        odkryj_menu();
        vyber_rocnik(0);
        mys::klikni(menu_, menu_->tlacitko_tematu(0)->geometry().center());
        QTRY_COMPARE(nastaveni_->aktivaci, 1);
        QElapsedTimer t;
        t.start();
        okno_->ukaz(obrazovka_id::hl_menu, hostitel::potom_t::uvolni);
        QTRY_COMPARE(povolenych_ploch(), 6);
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(menu_->isVisible());
        QVERIFY(!okno_->najdi(obrazovka_id::frm_select));
        QCOMPARE(menu_->pocet_temat(), 1 + 8);
    }

    // No leaves the menu as it was, without the exit highlight.
    void konec_ne()
    {
        odkryj_menu();
        vyber_rocnik(2);
        mys::najed(menu_, holy_podklad);
        const QImage pred = menu_->grab().toImage();

        mys::najed(menu_, stred(menu::plochy[5]));
        QCOMPARE(pixel(QPoint(548, 7)), konec_hover);
        mys::stiskni(menu_, stred(menu::plochy[5]));
        mys::uvolni(menu_, stred(menu::plochy[5]));

        QCOMPARE(platforma_->otazky, QList<QString>{QStringLiteral("Naozaj chceš ukončiť tento program?|Otázka")});
        QCOMPARE(platforma_->obnoveni, 0);
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 2);
        QCOMPARE(zvyraznenych_ploch(), 0);
        QCOMPARE(menu_->zvoleny_rocnik(), 2);
        QCOMPARE(menu_->grab().toImage(), pred);
    }

    void konec_ano()
    {
        odkryj_menu();
        platforma_->odpoved_ano = true;
        mys::najed(menu_, stred(menu::plochy[5]));
        int kod = -1;
        try {
            emit menu_->plocha(5)->stisk(Qt::LeftButton, QPoint(5, 5));
        } catch (const konec_programu &k) {
            kod = k.kod;
        }
        QCOMPARE(kod, 0);
        QCOMPARE(platforma_->otazky.size(), 1);
        QCOMPARE(platforma_->obnoveni, 1);
    }

    void autori_a_zpet()
    {
        odkryj_menu();
        mys::klikni(menu_, stred(menu::autori));
        QVERIFY(menu_->titulek_viditelny());
        QCOMPARE(pixel(QPoint(320, 240)), autori);
        QCOMPARE(povolenych_ploch(), 0);
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 1);

        mys::najed(menu_, stred(menu::plochy[0]));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 0);

        mys::klikni(menu_, QPoint(100, 300));
        QVERIFY(!menu_->titulek_viditelny());
        QCOMPARE(povolenych_ploch(), 6);
        QCOMPARE(pixel(QPoint(320, 240)), pozadi);
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 2);
    }

    void autori_bez_obrazku()
    {
        odkryj_menu();
        QVERIFY(QFile::remove(soubor_media(QStringLiteral("GRAFIKA/CREDITS.BMP"))));
        int kod = -1;
        try {
            emit menu_->autori()->klik();
        } catch (const konec_programu &k) {
            kod = k.kod;
        }
        QCOMPARE(kod, 1);
        QCOMPARE(platforma_->zpravy.size(), 1);
        QCOMPARE(platforma_->zpravy.first().text, hlasky::chyba_cd);
        QCOMPARE(platforma_->zpravy.first().titulek, QStringLiteral("Chyba"));
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/CREDITS.BMP"), 640, 480, autori);
    }

    void zvuk_drzi_menu()
    {
        zvuk_.reset();
        QCOMPARE(&zvuk_zdroj(), &menu_->zvuk());
    }
};

QTEST_MAIN(tst_hl_menu)
#include "tst_hl_menu.moc"
