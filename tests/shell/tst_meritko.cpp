// The stage scaled by the host window: the pupil's pointer and keyboard reach the hit
// areas and boxes at any scale. Part of it runs on a private X server at 1280 × 960 with
// the real pointer and keyboard (xdotool), the rest on whatever platform there is.
#include "common/geometrie.h"
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "pomoc/vlastni_x.h"
#include "shell/hl_menu.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"
#include "shell/start.h"
#include "shell/ukazatel.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

namespace {

namespace menu = geometrie::menu;

constexpr QRgb pozadi = 0xff204060u;        // BCKG.BMP of the generated installation
constexpr QRgb titulek = 0xff008000u;       // TITLE.BMP
constexpr QRgb hover_rocniku = 0xffc0c000u; // L_x_1.BMP

// The desktop's full screen as the real platform makes it: the screen's whole geometry.
class plna_platforma : public falesna_platforma {
public:
    bool cela_obrazovka(QWidget *okno) override
    {
        ++celych_obrazovek;
        okno->setGeometry(okno->screen()->geometry());
        okno->showFullScreen();
        return true;
    }
};

// A screen with the set-up screen's name box.
class se_jmenem : public obrazovka {
public:
    explicit se_jmenem(QWidget *rodic) : obrazovka(rodic)
    {
        jmeno = new QLineEdit(this);
        jmeno->setGeometry(geometrie::nastaveni::jmeno);
    }
    QLineEdit *jmeno;
};

bool xdotool(const QStringList &argumenty) { return QProcess::execute(QStringLiteral("xdotool"), argumenty) == 0; }

} // namespace

class tst_meritko : public QObject {
    Q_OBJECT

    const vlastni_x &x_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<plna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<hostitel> okno_;
    hl_menu *menu_ = nullptr;

    // Where a stage point is on the screen.
    QPoint na_obrazovce(QPoint kde) const { return okno_->viewport()->mapToGlobal(mys::v_okne(*okno_, kde)); }

    bool ukaz_mysi(QPoint kde)
    {
        const QPoint g = na_obrazovce(kde);
        return xdotool({QStringLiteral("mousemove"), QString::number(g.x()), QString::number(g.y())});
    }

    bool klikni_mysi(QPoint kde) { return ukaz_mysi(kde) && xdotool({QStringLiteral("click"), QStringLiteral("1")}); }

    QRgb v_okne(QPoint kde) const { return okno_->grab().toImage().pixel(mys::v_okne(*okno_, kde)); }

    // Why the real pointer and keyboard cannot be used; empty when they can.
    QString bez_x() const
    {
        if (!x_.bezi())
            return QStringLiteral("no X server: ") + x_.duvod();
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            return QStringLiteral("xdotool is not installed");
        return {};
    }

public:
    explicit tst_meritko(const vlastni_x &x) : x_(x) {}

private slots:
    void initTestCase()
    {
        instalace_ = std::make_unique<docasna_instalace>();
        instalace_->vytvor_bitmapy_startu();
        instalace_->zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("0|100|1")}, false);
        instalace_->zapis_data(QStringLiteral("VERBANO2.DAT"), {QStringLiteral("[5_1]"), QStringLiteral("A<b#c>*1")},
                               true);
        instalace_->zapis_vychozi_ini();
    }

    void init()
    {
        spolecny_stav = {};
        platforma_ = std::make_unique<plna_platforma>();
        platforma_->ini = instalace_->ini();
        zvuk_ = std::make_unique<falesny_zvuk>();
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [](QWidget *p) { return new hl_menu(p); });
        okno_->zaregistruj(obrazovka_id::frm_select, [](QWidget *p) { return new se_jmenem(p); });
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

    // On a 1280 × 960 display the stage is drawn twice as large; the real pointer takes
    // the title away, lights a grade up with its sound, chooses it and a topic.
    void mys_na_displeji_1280x960()
    {
        if (const QString proc = bez_x(); !proc.isEmpty())
            QSKIP(qPrintable(proc));
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
        QCOMPARE(okno_->size(), QSize(1280, 960));
        QCOMPARE(okno_->transform().m11(), 2.0);
        QCOMPARE(v_okne(QPoint(320, 240)), titulek);

        QVERIFY(klikni_mysi(QPoint(320, 240)));
        QTRY_VERIFY(!menu_->titulek_viditelny());
        QTRY_VERIFY(menu_->plocha(2)->isEnabled());
        zvuk_->vymaz_zaznam();

        QVERIFY(ukaz_mysi(menu::plochy[2].center()));
        QTRY_VERIFY(menu_->plocha(2)->zvyraznena());
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 1);
        QTRY_COMPARE(v_okne(menu::rocnik(2) + QPoint(5, 5)), hover_rocniku);

        QVERIFY(klikni_mysi(menu::plochy[2].center()));
        QTRY_COMPARE(menu_->pocet_temat(), 6);
        QCOMPARE(menu_->zvoleny_rocnik(), 2);

        QVERIFY(klikni_mysi(menu::tema(2, 2).center()));
        QTRY_COMPARE(okno_->aktualni_id(), obrazovka_id::frm_select);
        QCOMPARE(spolecny_stav.rocnik, 3);
        QCOMPARE(spolecny_stav.tema, 3);
        QTRY_VERIFY(!jsou_presypaci_hodiny());
    }

    // A click through the scaled host puts the caret into a box; the keyboard types there.
    void psani_na_displeji_1280x960()
    {
        if (const QString proc = bez_x(); !proc.isEmpty())
            QSKIP(qPrintable(proc));
        // The title away first, so that no wait stands before the set-up screen.
        mys::klikni(menu_, QPoint(320, 240));
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
        auto *s = static_cast<se_jmenem *>(okno_->ukaz(obrazovka_id::frm_select));
        QVERIFY(s);
        QTRY_COMPARE(okno_->aktualni_id(), obrazovka_id::frm_select);
        QVERIFY(klikni_mysi(geometrie::nastaveni::jmeno.center()));
        QTRY_VERIFY(s->jmeno->hasFocus());
        QVERIFY(xdotool(
            {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("Zuzana")}));
        QTRY_COMPARE(s->jmeno->text(), QStringLiteral("Zuzana"));
    }

    void mys_pres_hostitele_data()
    {
        QTest::addColumn<QSize>("velikost");
        QTest::addColumn<qreal>("meritko");
        QTest::newRow("1280 × 960") << QSize(1280, 960) << 2.0;
        QTest::newRow("wide: bars left and right") << QSize(1000, 600) << 1.25;
        QTest::newRow("tall: bars above and below") << QSize(800, 800) << 1.25;
    }

    // The same through the host window on any platform: hover and clicks land on the
    // stage point whatever the scale and the bars.
    void mys_pres_hostitele()
    {
        QFETCH(QSize, velikost);
        QFETCH(qreal, meritko);
        okno_->showNormal();
        okno_->setGeometry(QRect(QPoint(0, 0), velikost));
        QTRY_COMPARE(okno_->size(), velikost);
        QCOMPARE(okno_->transform().m11(), meritko);

        mys::klikni(*okno_, QPoint(320, 240));
        QTRY_VERIFY(!menu_->titulek_viditelny());
        QTRY_VERIFY(menu_->plocha(4)->isEnabled());
        zvuk_->vymaz_zaznam();

        // The area's very corners count, the pixel beside them does not.
        const QRect r = menu::plochy[4];
        mys::najed(*okno_, r.topLeft() + QPoint(0, -2));
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 0);
        mys::najed(*okno_, r.topLeft());
        QTRY_VERIFY(menu_->plocha(4)->zvyraznena());
        mys::najed(*okno_, r.bottomRight());
        QCOMPARE(zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")), 1);
        QCOMPARE(v_okne(menu::rocnik(4) + QPoint(5, 5)), hover_rocniku);

        mys::klikni(*okno_, r.bottomRight());
        QTRY_COMPARE(menu_->zvoleny_rocnik(), 4);
        QCOMPARE(menu_->pocet_temat(), 6);
        mys::najed(*okno_, QPoint(600, 300));
        QTRY_VERIFY(!menu_->plocha(4)->zvyraznena());
        QCOMPARE(v_okne(QPoint(600, 300)), pozadi);
    }
};

int main(int argc, char *argv[])
{
    vlastni_x x(QSize(1280, 960));
    QApplication aplikace(argc, argv);
    tst_meritko test(x);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_meritko.moc"
