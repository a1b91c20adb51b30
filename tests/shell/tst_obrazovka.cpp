// The screen base the four screens share: hit areas and their signals, the saved
// background under a hover picture, element families, the hover and click sounds, the
// pointer across a change of screen, and the host's show-then-hide order.
#include "common/stav.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/mys.h"
#include "shell/hostitel.h"
#include "shell/obrazovka.h"
#include "shell/plocha.h"
#include "shell/rodina.h"
#include "shell/ukazatel.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

namespace {

// A screen with two hit areas over a two-coloured background.
class zkusebni : public obrazovka {
public:
    explicit zkusebni(QWidget *rodic = nullptr) : obrazovka(rodic)
    {
        QImage pozadi(640, 480, QImage::Format_RGB32);
        pozadi.fill(0xff102030u);
        nastav_obraz(pozadi);
        pridej_plochu(QRect(100, 100, 80, 40));
        pridej_plochu(QRect(300, 100, 80, 40));
    }
    void aktivace() override
    {
        ++aktivaci;
        hodiny_pri_aktivaci = jsou_presypaci_hodiny();
        viditelna_pri_aktivaci = isVisible();
    }
    int aktivaci = 0;
    bool hodiny_pri_aktivaci = true;
    bool viditelna_pri_aktivaci = false;

protected:
    void pohyb_po_pozadi(Qt::MouseButtons tlacitka, QPoint kde) override
    {
        ++pohybu_po_pozadi;
        obrazovka::pohyb_po_pozadi(tlacitka, kde);
    }

public:
    int pohybu_po_pozadi = 0;
};

QImage barva(QSize v, QRgb b)
{
    QImage o(v, QImage::Format_RGB32);
    o.fill(b);
    return o;
}

} // namespace

using tvurce_t = std::function<QWidget *(QWidget *)>;
Q_DECLARE_METATYPE(tvurce_t)

class tst_obrazovka : public QObject {
    Q_OBJECT

    std::unique_ptr<hostitel> okno_;
    zkusebni *a_ = nullptr;

private slots:
    void init()
    {
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [this](QWidget *p) { return a_ = new zkusebni(p); });
        okno_->zaregistruj(obrazovka_id::frm_select, [](QWidget *p) { return new zkusebni(p); });
        okno_->ukaz(obrazovka_id::hl_menu, hostitel::potom_t::nic);
        okno_->show();
        QTRY_COMPARE(a_->aktivaci, 1);
    }
    void cleanup()
    {
        okno_.reset();
        obnov_ukazatel();
    }

    void signaly_plochy_data()
    {
        QTest::addColumn<bool>("povolena");
        QTest::newRow("enabled") << true;
        QTest::newRow("disabled") << false;
    }

    // Moves, presses and clicks reach an enabled area; a disabled one passes the pointer's
    // movement on to the screen as movement over the background.
    void signaly_plochy()
    {
        QFETCH(bool, povolena);
        aktivni_plocha *p = a_->plocha(0);
        p->setEnabled(povolena);
        QSignalSpy najeti(p, &aktivni_plocha::najeti), stisk(p, &aktivni_plocha::stisk),
            uvolneni(p, &aktivni_plocha::uvolneni), klik(p, &aktivni_plocha::klik);
        const int pred = a_->pohybu_po_pozadi;

        mys::najed(a_, QPoint(110, 110));
        mys::klikni(a_, QPoint(110, 110));
        QCOMPARE(najeti.size(), povolena ? 1 : 0);
        QCOMPARE(stisk.size(), povolena ? 1 : 0);
        QCOMPARE(uvolneni.size(), povolena ? 1 : 0);
        QCOMPARE(klik.size(), povolena ? 1 : 0);
        QCOMPARE(a_->pohybu_po_pozadi - pred, povolena ? 0 : 1);
        if (povolena)
            QCOMPARE(najeti.first().at(0).toPoint(), QPoint(10, 10));
    }

    // A press that ends outside the area is no click; a move with a button held is no
    // hover.
    void klik_jen_uvnitr()
    {
        aktivni_plocha *p = a_->plocha(0);
        QSignalSpy najeti(p, &aktivni_plocha::najeti), pohyb(p, &aktivni_plocha::pohyb), klik(p, &aktivni_plocha::klik),
            uvolneni(p, &aktivni_plocha::uvolneni);
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(p, QPoint(7, 7));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(200, 5));
        QCOMPARE(klik.size(), 0);
        QCOMPARE(uvolneni.size(), 1);
        QCOMPARE(najeti.size(), 0);
        QCOMPARE(pohyb.size(), 1);
        QCOMPARE(pohyb.first().at(0).value<Qt::MouseButtons>(), Qt::MouseButtons(Qt::LeftButton));
    }

    // The hover picture goes over a saved piece of background that smaz_aktivni puts back.
    void zvyrazneni_a_smazani()
    {
        const QImage pred = a_->grab().toImage();
        a_->zvyrazni_plochu(1, barva(QSize(90, 50), 0xffff0000u), QPoint(295, 95));
        QVERIFY(a_->plocha(1)->zvyraznena());
        QCOMPARE(a_->grab().toImage().pixel(296, 96), 0xffff0000u);
        QCOMPARE(a_->zaloha().size(), QSize(90, 50));
        QCOMPARE(a_->zaloha_kde(), QPoint(295, 95));

        // Something drawn later beside the highlight is not touched by clearing it.
        a_->vykresli_obrazek(barva(QSize(10, 10), 0xff00ff00u), QPoint(500, 400));
        mys::najed(a_, QPoint(20, 400));
        QVERIFY(!a_->nektera_plocha_zvyraznena());
        const QImage po = a_->grab().toImage();
        QCOMPARE(po.pixel(296, 96), pred.pixel(296, 96));
        QCOMPARE(po.pixel(384, 144), pred.pixel(384, 144));
        QCOMPARE(po.pixel(505, 405), 0xff00ff00u);

        // With no highlight, clearing draws nothing, even with a picture in the holder.
        a_->nastav_zalohu(barva(QSize(20, 20), 0xff0000ffu), QPoint(0, 0));
        a_->smaz_aktivni();
        QCOMPARE(a_->grab().toImage().pixel(5, 5), pred.pixel(5, 5));
    }

    void zvuky_data()
    {
        QTest::addColumn<int>("rezim");
        QTest::addColumn<int>("najeti");
        QTest::newRow("stopped") << int(zvukove_zarizeni::rezim_t::zastaveno) << 1;
        QTest::newRow("paused") << int(zvukove_zarizeni::rezim_t::pozastaveno) << 1;
        QTest::newRow("playing") << int(zvukove_zarizeni::rezim_t::hraje) << 0;
    }

    // The hover sound only while nothing plays; the click sound always.
    void zvuky()
    {
        QFETCH(int, rezim);
        QFETCH(int, najeti);
        falesny_zvuk z;
        z.hraje_po_play = true;
        spolecny_stav.adresar_media = QStringLiteral("/cd");
        prehraj_zvuk(QStringLiteral("/cd/ZVUK/5_1/3.WAV"));
        if (rezim == int(zvukove_zarizeni::rezim_t::pozastaveno))
            z.pozastav();
        if (rezim == int(zvukove_zarizeni::rezim_t::zastaveno))
            z.dohraj();
        QCOMPARE(int(z.rezim()), rezim);
        z.vymaz_zaznam();
        obrazovka::zvuk_najeti();
        QCOMPARE(z.prehrano(QStringLiteral("/cd/ZVUK/ENTER.WAV")), najeti);
        obrazovka::zvuk_kliku();
        QCOMPARE(z.prehrano(QStringLiteral("/cd/ZVUK/CLICK.WAV")), 1);
    }

    // The next screen is shown before the current one goes; its activation comes once
    // events run, with the hourglass of the click gone.
    void zmena_obrazovky_data()
    {
        QTest::addColumn<int>("potom");
        QTest::newRow("hide") << int(hostitel::potom_t::skryj);
        QTest::newRow("unload") << int(hostitel::potom_t::uvolni);
    }

    void zmena_obrazovky()
    {
        QFETCH(int, potom);
        QPointer<zkusebni> a = a_;
        ukaz_presypaci_hodiny();
        ukaz_presypaci_hodiny();
        auto *b = static_cast<zkusebni *>(okno_->ukaz(obrazovka_id::frm_select, hostitel::potom_t(potom)));
        QVERIFY(b && b->isVisible());
        QCOMPARE(b->aktivaci, 0);
        QVERIFY(jsou_presypaci_hodiny());
        QTRY_COMPARE(b->aktivaci, 1);
        QVERIFY(!b->hodiny_pri_aktivaci);
        QVERIFY(b->viditelna_pri_aktivaci);
        QVERIFY(!jsou_presypaci_hodiny());
        QVERIFY(b->je_aktivni());
        if (potom == int(hostitel::potom_t::skryj)) {
            QVERIFY(a && !a->isVisible());
            QVERIFY(!a->je_aktivni());
            QCOMPARE(a->aktivaci, 1);
        } else {
            QTRY_VERIFY(!a);
            QVERIFY(!okno_->najdi(obrazovka_id::hl_menu));
        }
    }

    void dedeni_ze_sablony_data()
    {
        QTest::addColumn<tvurce_t>("tvurce");
        QTest::newRow("label") << tvurce_t([](QWidget *p) -> QWidget * {
            auto *l = new QLabel(QStringLiteral(" "), p);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return l;
        });
        QTest::newRow("gap box") << tvurce_t([](QWidget *p) -> QWidget * {
            auto *e = new QLineEdit(p);
            e->setMaxLength(7);
            e->setFrame(false);
            e->setAlignment(Qt::AlignHCenter);
            return e;
        });
        QTest::newRow("picture area") << tvurce_t([](QWidget *p) -> QWidget * {
            auto *o = new obrazkova_plocha(p, QRect(0, 0, 21, 21));
            o->nastav_obrazek(barva(QSize(21, 21), 0xff00aa00u));
            o->nastav_zvyrazneni(true);
            return o;
        });
    }

    // Elements made from a template share its colours, font, pointer, size and kind's
    // settings; they start hidden on the template's parent.
    void dedeni_ze_sablony()
    {
        QFETCH(tvurce_t, tvurce);
        QWidget *sablona = tvurce(a_);
        sablona->setGeometry(40, 87, 61, 19);
        QPalette paleta = sablona->palette();
        paleta.setColor(QPalette::Base, QColor(0xfff0c8));
        paleta.setColor(QPalette::Text, QColor(0x000080));
        sablona->setPalette(paleta);
        sablona->setAutoFillBackground(true);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(13);
        sablona->setFont(f);
        sablona->setCursor(Qt::PointingHandCursor);
        sablona->setProperty("cislo_vety", 12);

        const auto over = [&](QWidget *n) {
            QVERIFY(n);
            QCOMPARE(n->parentWidget(), a_);
            QVERIFY(!n->isVisible());
            QCOMPARE(n->size(), QSize(61, 19));
            QCOMPARE(n->palette().color(QPalette::Base), QColor(0xfff0c8));
            QCOMPARE(n->palette().color(QPalette::Text), QColor(0x000080));
            QVERIFY(n->autoFillBackground());
            QCOMPARE(n->font().pixelSize(), 13);
            QCOMPARE(n->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(n->property("cislo_vety").toInt(), 12);
            if (auto *l = qobject_cast<QLabel *>(n)) {
                QCOMPARE(l->alignment(), Qt::AlignRight | Qt::AlignVCenter);
                QCOMPARE(l->text(), QStringLiteral(" "));
            }
            if (auto *e = qobject_cast<QLineEdit *>(n)) {
                QCOMPARE(e->maxLength(), 7);
                QVERIFY(!e->hasFrame());
                QCOMPARE(e->alignment(), Qt::AlignHCenter);
            }
            if (auto *o = qobject_cast<obrazkova_plocha *>(n)) {
                QCOMPARE(o->obrazek().pixel(3, 3), 0xff00aa00u);
                QVERIFY(o->zvyraznena());
            }
        };

        rodina_prvku<QWidget> rodina(sablona);
        QList<int> vytvorene;
        rodina.pri_vytvoreni([&](QWidget *, int i) { vytvorene.append(i); });
        QVERIFY(!sablona->isVisible());
        QWidget *prvni = rodina.vytvor(1);
        QWidget *druhy = rodina.vytvor(2);
        over(prvni);
        over(druhy);
        QVERIFY(prvni != druhy);
        QCOMPARE(rodina.vytvor(1), prvni);
        QCOMPARE(rodina[0], sablona);
        QCOMPARE(rodina.pocet(), 2);
        QCOMPARE(vytvorene, (QList<int>{1, 2}));
    }

    void odstraneni_z_rodiny()
    {
        rodina_prvku<QLineEdit> rodina(new QLineEdit(a_));
        QVERIFY(!rodina.vytvor(0));
        QVERIFY(!rodina.vytvor(-1));
        QPointer<QLineEdit> p1 = rodina.vytvor(1), p2 = rodina.vytvor(2), p3 = rodina.vytvor(3);
        p3->show();
        rodina.odstran(3);
        QVERIFY(!p3->isVisible());
        QVERIFY(!rodina[3]);
        QCOMPARE(rodina.pocet(), 2);
        QTRY_VERIFY(!p3);
        rodina.odstran_vse();
        QCOMPARE(rodina.pocet(), 0);
        QTRY_VERIFY(!p1 && !p2);
        QVERIFY(rodina.sablona());
        // A new page starts again from 1.
        QVERIFY(rodina.vytvor(1));
        QCOMPARE(rodina.pocet(), 1);
    }
};

QTEST_MAIN(tst_obrazovka)
#include "tst_obrazovka.moc"
