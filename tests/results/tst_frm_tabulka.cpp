// The results screen under the pupil's mouse, on a temporary installation: what a visit
// writes and shows (finished and unfinished exercises, damaged tables), where the rows
// stand and in which colour, the back button's looks and sounds, and the way back to the
// exercise or to the set-up screen through the host.
#include "common/geometrie.h"
#include "common/hodiny.h"
#include "common/pismo.h"
#include "common/soubory.h"
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "results/frm_tabulka.h"
#include "results/zaznam.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(obrazovka_id)

namespace
{

namespace gt = geometrie::tabulka;
using sloupec_t = frm_tabulka::sloupec_t;

// Every bitmap in a colour of its own, none of them reddish, so that a pixel tells which
// one shows and red text stands out.
constexpr QRgb pozadi = qRgb(0xe0, 0xe0, 0xd0);
constexpr QRgb zpet_normalni = qRgb(0x40, 0x80, 0x40);
constexpr QRgb zpet_hover = qRgb(0xff, 0xff, 0x00);
constexpr QRgb zalozka = qRgb(0x20, 0x40, 0xc0);

const QPoint na_zpet = gt::zpet.center();
const QPoint na_pozadi(300, 120);
const QPoint v_obrazku_zpet = gt::zpet_obrazek + QPoint(40, 40);
const QDateTime kdy(QDate(2026, 12, 5), QTime(14, 30));

const QString prazdny = QStringLiteral("|0|0|0");

QStringList sekce(const QString &hlavicka, QStringList radky)
{
    while (radky.size() < radku_sekce)
        radky.append(prazdny);
    return QStringList{hlavicka} + radky;
}

QByteArray jako_soubor(const QStringList &radky)
{
    QByteArray bajty;
    for (const QString &r : radky)
        bajty += do_cp1250(r) + "\r\n";
    return bajty;
}

// The texts of one shown row as "place|name|correct|wrong|mark".
using radky_t = QStringList;

bool je_cervena(QRgb c) { return qRed(c) > 180 && qGreen(c) < 90 && qBlue(c) < 90; }
bool je_tmava(QRgb c) { return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90; }

int pocet_pixelu(const QImage &obraz, const QRect &kde, bool (*je)(QRgb))
{
    int n = 0;
    for (int y = kde.top(); y <= kde.bottom(); ++y)
        for (int x = kde.left(); x <= kde.right(); ++x)
            n += je(obraz.pixel(x, y)) ? 1 : 0;
    return n;
}

// A screen that stands in for the exercise or the set-up screen.
class zastupce : public obrazovka
{
public:
    using obrazovka::obrazovka;
    void aktivace() override { ++aktivaci; }
    int aktivaci = 0;
};

// A movement with the left button held, sent to what lies under the point.
void tahni(QWidget *obrazovka, QPoint kde)
{
    QWidget *w = mys::pod(obrazovka, kde);
    const QPoint p = w->mapFrom(obrazovka, kde);
    QMouseEvent pohyb(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &pohyb);
}

} // namespace

class tst_frm_tabulka : public QObject
{
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<hostitel> okno_;
    QPointer<frm_tabulka> scr_;
    QPointer<zastupce> cviceni_;
    QPointer<zastupce> nastaveni_;

    QString cesta(const char *nazev) const { return spoj_cestu(instalace_->data(), QLatin1String(nazev)); }

    QByteArray obsah(const char *nazev) const
    {
        QFile f(cesta(nazev));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    void zapis_tabulku(const QByteArray &bajty)
    {
        QFile f(cesta("TAB.DAT"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bajty), bajty.size());
    }

    void priprav_instalaci()
    {
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/TABS/BCKG.BMP"), 640, 480, pozadi);
        const QSize zpet = gt::zpet_velikost;
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/MZPET.BMP"), zpet.width(), zpet.height(), zpet_normalni);
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/MZPETH.BMP"), zpet.width(), zpet.height(), zpet_hover);
        const QSize tab = geometrie::cviceni::zalozka;
        instalace_->vytvor_bitmapu(QStringLiteral("GRAFIKA/TABS/L_33_DJ.BMP"), tab.width(), tab.height(), zalozka);
        instalace_->zapis_data(QStringLiteral("ZNAMKY.DAT"),
                               {QStringLiteral("90|100|1"), QStringLiteral("75|90|2"), QStringLiteral("50|75|3"),
                                QStringLiteral("25|50|4"), QStringLiteral("0|25|5")},
                               false);
    }

    // An exercise of 10 sentences, topic 3 of the 7th grade filled in by Jana.
    static void nastav_cviceni(int spravne, int spatne, bool hotovo)
    {
        spolecny_stav.rocnik = 3;
        spolecny_stav.tema = 3;
        spolecny_stav.druh_ulohy = QStringLiteral("DOPLNOVACKA");
        spolecny_stav.pocet_uloh = 10;
        spolecny_stav.jmeno_zaka = QStringLiteral("Jana Šťastná");
        spolecny_stav.pocet_spravne = spravne;
        spolecny_stav.pocet_spatne = spatne;
        spolecny_stav.vsetko_skontrolovane = hotovo;
    }

    // The way the exercise screen opens the table: after the last page it unloads
    // itself, in the middle of an exercise it stays loaded and hidden.
    void otevri(bool cviceni_zustane = false)
    {
        const bool hotovo = spolecny_stav.vsetko_skontrolovane;
        okno_->ukaz(obrazovka_id::frm_select);
        okno_->ukaz(obrazovka_id::main_frm);
        QCoreApplication::processEvents();
        const auto potom = hotovo && !cviceni_zustane ? hostitel::potom_t::uvolni : hostitel::potom_t::skryj;
        okno_->ukaz(obrazovka_id::frm_tabulka, potom);
        scr_ = qobject_cast<frm_tabulka *>(okno_->najdi(obrazovka_id::frm_tabulka));
        QVERIFY(scr_);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        zvuk_->vymaz_zaznam();
    }

    radky_t zobrazene() const
    {
        radky_t radky;
        for (int k = 0; k < gt::pocet_radku; ++k) {
            QStringList texty;
            for (int s = 0; s < frm_tabulka::pocet_sloupcu; ++s)
                texty.append(scr_->popisek(sloupec_t(s), k)->text());
            radky.append(texty.join(QLatin1Char('|')));
        }
        return radky;
    }

    // Row (0..9) whose five labels are pure red, -1 for none; -2 when a row is mixed or
    // another colour than black or red.
    int cerveny_radek() const
    {
        int cerveny = -1;
        for (int k = 0; k < gt::pocet_radku; ++k) {
            QList<QColor> barvy;
            for (int s = 0; s < frm_tabulka::pocet_sloupcu; ++s)
                barvy.append(scr_->popisek(sloupec_t(s), k)->palette().color(QPalette::WindowText));
            if (barvy.count(barvy.first()) != barvy.size())
                return -2;
            if (barvy.first() == QColor(255, 0, 0))
                cerveny = cerveny == -1 ? k : -2;
            else if (barvy.first() != QColor(0, 0, 0))
                return -2;
        }
        return cerveny;
    }

    QImage obrazovka() const { return scr_->grab().toImage(); }
    QRgb pixel(QPoint kde) const { return obrazovka().pixel(kde); }
    int najeti_zvuku() const { return zvuk_->prehrano(QStringLiteral("ZVUK/ENTER.WAV")); }
    int kliku() const { return zvuk_->prehrano(QStringLiteral("ZVUK/CLICK.WAV")); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<obrazovka_id>();
        instalace_ = std::make_unique<docasna_instalace>();
        priprav_instalaci();
    }

    void init()
    {
        QFile::remove(cesta("TAB.DAT"));
        QFile::remove(cesta("VYSLEDKY.DAT"));
        hodiny::zafixuj(kdy, [](const QDate &d) { return d.toString(QStringLiteral("d.M.yyyy")); });
        spolecny_stav = {};
        instalace_->pouzij();
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

    void cleanupTestCase() { instalace_.reset(); }

    // A finished exercise: its row stands at its place in red with the pupil's texts,
    // the table file holds it and the log holds the visit's record with its mark.
    void hotove_cviceni_data()
    {
        QTest::addColumn<QStringList>("predtim");
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<int>("znamka");
        QTest::addColumn<int>("cerveny");
        QTest::addColumn<radky_t>("radky");
        QTest::addColumn<QStringList>("potom");

        const QString hlavicka = QStringLiteral("[8_3_DJ]");
        const QStringList jina = sekce(QStringLiteral("[8_3_OC]"), {QStringLiteral("Ivo|3|0|1")});
        radky_t prvni = {QStringLiteral("1|Jana Šťastná|8|2|2")};
        for (int k = 2; k <= 10; ++k)
            prvni.append(QStringLiteral("%1||0|0|0").arg(k));
        QTest::newRow("first result of its section")
            << jina << 8 << 2 << 2 << 0 << prvni << jina + sekce(hlavicka, {QStringLiteral("Jana Šťastná|8|2|2")});

        const QStringList tri = {QStringLiteral("Ema|10|0|1"), QStringLiteral("Ján|8|2|2"),
                                 QStringLiteral("Oto|4|1|2")};
        radky_t ctvrta = {QStringLiteral("1|Ema|10|0|1"), QStringLiteral("2|Ján|8|2|2"), QStringLiteral("3|Oto|4|1|2"),
                          QStringLiteral("4|Jana Šťastná|16|4|2")};
        for (int k = 5; k <= 10; ++k)
            ctvrta.append(QStringLiteral("%1||0|0|0").arg(k));
        QTest::newRow("same share as two before it")
            << sekce(hlavicka, tri) << 16 << 4 << 2 << 3 << ctvrta
            << sekce(hlavicka, tri + QStringList{QStringLiteral("Jana Šťastná|16|4|2")});

        QStringList plna;
        radky_t plna_zobrazena;
        for (int k = 1; k <= 10; ++k) {
            plna.append(QStringLiteral("Žiak %1|%2|%3|3").arg(k).arg(20 - k).arg(k));
            plna_zobrazena.append(QStringLiteral("%1|Žiak %1|%2|%3|3").arg(k).arg(20 - k).arg(k));
        }
        // The tenth row's share is 10 of 20; the same share does not get in.
        QTest::newRow("below the ten best")
            << sekce(hlavicka, plna) << 5 << 5 << 3 << -1 << plna_zobrazena << sekce(hlavicka, plna);
    }
    void hotove_cviceni()
    {
        QFETCH(QStringList, predtim);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(int, znamka);
        QFETCH(int, cerveny);
        QFETCH(radky_t, radky);
        QFETCH(QStringList, potom);
        zapis_tabulku(jako_soubor(predtim));
        nastav_cviceni(spravne, spatne, true);

        otevri();

        QCOMPARE(scr_->znamka(), znamka);
        QCOMPARE(zobrazene(), radky);
        QCOMPARE(cerveny_radek(), cerveny);
        QCOMPARE(obsah("TAB.DAT"), jako_soubor(potom));
        QCOMPARE(obsah("VYSLEDKY.DAT"), jako_soubor(sestav_zaznam(spolecny_stav, znamka, kdy)));
    }

    // In the middle of an exercise: ten rows, none red, a record with mark 0, and the
    // table file as it was (or still missing).
    void nedokoncene_cviceni_data()
    {
        QTest::addColumn<QStringList>("predtim");
        QTest::addColumn<radky_t>("radky");
        radky_t prazdne;
        for (int k = 1; k <= 10; ++k)
            prazdne.append(QStringLiteral("%1||0|0|0").arg(k));
        QTest::newRow("no table yet") << QStringList() << prazdne;
        QTest::newRow("only another topic")
            << sekce(QStringLiteral("[8_4_DJ]"), {QStringLiteral("Ivo|3|0|1")}) << prazdne;
        radky_t jedna = prazdne;
        jedna[0] = QStringLiteral("1|Ivo|3|0|1");
        QTest::newRow("its section") << sekce(QStringLiteral("[8_3_DJ]"), {QStringLiteral("Ivo|3|0|1")}) << jedna;
    }
    void nedokoncene_cviceni()
    {
        QFETCH(QStringList, predtim);
        QFETCH(radky_t, radky);
        if (!predtim.isEmpty())
            zapis_tabulku(jako_soubor(predtim));
        // Every answer right so far: a finished exercise would earn a 1.
        nastav_cviceni(6, 0, false);

        otevri();

        QCOMPARE(scr_->znamka(), 0);
        QCOMPARE(zobrazene(), radky);
        QCOMPARE(cerveny_radek(), -1);
        QCOMPARE(obsah("TAB.DAT"), predtim.isEmpty() ? QByteArray("<missing>") : jako_soubor(predtim));
        QCOMPARE(obsah("VYSLEDKY.DAT"), jako_soubor(sestav_zaznam(spolecny_stav, 0, kdy)));
        QCOMPARE(scr_->navsteva().ulozeni_tabulky, ulozeni_tabulky_t::nezmenena);
    }

    // A table that is not a table stays as it was; the screen still shows the section
    // with the new result in red.
    void poskozena_tabulka()
    {
        const QByteArray poskozena =
            jako_soubor({QStringLiteral("[8_3_DJ]"), QStringLiteral("Ivo|3|0|1"), QStringLiteral("Eva|2|1|2")});
        zapis_tabulku(poskozena);
        nastav_cviceni(9, 1, true);

        otevri();

        QCOMPARE(scr_->navsteva().ulozeni_tabulky, ulozeni_tabulky_t::poskozena);
        QCOMPARE(obsah("TAB.DAT"), poskozena);
        QCOMPARE(cerveny_radek(), 1);
        QCOMPARE(zobrazene().mid(0, 4),
                 QStringList({QStringLiteral("1|Ivo|3|0|1"), QStringLiteral("2|Jana Šťastná|9|1|1"),
                              QStringLiteral("3|Eva|2|1|2"), QStringLiteral("4||0|0|0")}));
        QVERIFY(obsah("VYSLEDKY.DAT").endsWith(QByteArray(75, '=') + "\r\n"));
    }

    // Five columns at their given places, ten rows 30 pixels apart from 164 to 434, in
    // the screen font; the name at the left of its column, the numbers in the middle.
    void rozlozeni_radku()
    {
        nastav_cviceni(8, 2, true);
        otevri();
        const QFont pismo = pismo_obrazovky(12);
        for (int s = 0; s < frm_tabulka::pocet_sloupcu; ++s)
            for (int k = 0; k < gt::pocet_radku; ++k) {
                const QLabel *l = scr_->popisek(sloupec_t(s), k);
                const QString kde = QStringLiteral("column %1, row %2").arg(s).arg(k);
                QVERIFY2(l && l->isVisible(), qPrintable(kde));
                QCOMPARE(l->geometry(), gt::sloupce[s].translated(0, 30 * k));
                QCOMPARE(l->font().family(), pismo.family());
                QCOMPARE(l->font().pixelSize(), pismo.pixelSize());
                QCOMPARE(bool(l->alignment() & Qt::AlignLeft), s == int(sloupec_t::jmeno));
            }
        QCOMPARE(scr_->popisek(sloupec_t::znamka, 9)->y(), 434);
        QVERIFY(!scr_->popisek(sloupec_t::poradi, 10));
    }

    // On the screen itself: the red row's text is drawn in red, every other row's in
    // black, and nothing red anywhere else.
    void barva_na_obrazovce()
    {
        zapis_tabulku(jako_soubor(sekce(QStringLiteral("[8_3_DJ]"), {QStringLiteral("Ema|10|0|1")})));
        nastav_cviceni(8, 2, true);
        otevri();
        const QImage obraz = obrazovka();
        for (int k = 0; k < gt::pocet_radku; ++k)
            for (int s = 0; s < frm_tabulka::pocet_sloupcu; ++s) {
                const QRect r = gt::sloupce[s].translated(0, 30 * k);
                const QString kde = QStringLiteral("column %1, row %2").arg(s).arg(k);
                const bool s_textem = s != int(sloupec_t::jmeno) || k < 2;
                QVERIFY2((pocet_pixelu(obraz, r, je_cervena) > 0) == (k == 1), qPrintable(kde));
                QVERIFY2((pocet_pixelu(obraz, r, je_tmava) > 0) == (s_textem && k != 1), qPrintable(kde));
            }
        QCOMPARE(pocet_pixelu(obraz, QRect(0, 0, 640, 160), je_cervena), 0);
        // The tab of grade, topic and kind over the background at the top left.
        QCOMPARE(obraz.pixel(0, 0), zalozka);
        QCOMPARE(obraz.pixel(geometrie::cviceni::zalozka.width(), 0), pozadi);
    }

    // A name wider than its column ends in an ellipsis inside it.
    void dlouhe_jmeno()
    {
        nastav_cviceni(8, 2, true);
        spolecny_stav.jmeno_zaka = QStringLiteral("Maximilián Ľudovít Šťastný-Dolnozemský z Horných Lehôt");
        otevri();
        const QLabel *l = scr_->popisek(sloupec_t::jmeno, 0);
        QVERIFY(l->text().startsWith(QStringLiteral("Maximilián Ľudovít")));
        QVERIFY(l->text().endsWith(QChar(0x2026)));
        QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
        QVERIFY(obsah("TAB.DAT").contains(do_cp1250(spolecny_stav.jmeno_zaka)));
    }

    // Onto the back button: the hover sound once and the hover look; along it nothing
    // more; onto the background: the normal look; onto the button again: sound again.
    void najeti_a_odjeti()
    {
        nastav_cviceni(8, 2, true);
        otevri();
        QCOMPARE(pixel(v_obrazku_zpet), pozadi);
        mys::najed(scr_, na_zpet);
        QCOMPARE(najeti_zvuku(), 1);
        QCOMPARE(pixel(v_obrazku_zpet), zpet_hover);
        QCOMPARE(pixel(gt::zpet_obrazek), zpet_hover);
        QVERIFY(scr_->klik_plocha()->zvyraznena());
        mys::najed(scr_, na_zpet + QPoint(10, 5));
        mys::najed(scr_, na_zpet + QPoint(-20, 20));
        QCOMPARE(najeti_zvuku(), 1);

        mys::najed(scr_, na_pozadi);
        QCOMPARE(pixel(v_obrazku_zpet), zpet_normalni);
        QVERIFY(!scr_->klik_plocha()->zvyraznena());
        // Over the rows too is over the background.
        mys::najed(scr_, na_zpet);
        mys::najed(scr_, gt::sloupce[1].center());
        QCOMPARE(pixel(v_obrazku_zpet), zpet_normalni);
        QCOMPARE(najeti_zvuku(), 2);
        QCOMPARE(kliku(), 0);
    }

    // With a mouse button held, neither the button nor the background reacts.
    void pohyb_se_stisknutym_tlacitkem()
    {
        nastav_cviceni(8, 2, true);
        otevri();
        tahni(scr_, na_zpet);
        QCOMPARE(pixel(v_obrazku_zpet), pozadi);
        QVERIFY(!scr_->klik_plocha()->zvyraznena());

        mys::najed(scr_, na_zpet);
        tahni(scr_, na_pozadi);
        QCOMPARE(pixel(v_obrazku_zpet), zpet_hover);
        QVERIFY(scr_->klik_plocha()->zvyraznena());
        QCOMPARE(najeti_zvuku(), 1);
        QCOMPARE(zvuk_->prehrane.size(), 1);
    }

    // A sound still playing is not cut off by the hover sound; the look changes anyway.
    void najeti_kdyz_hraje_zvuk()
    {
        nastav_cviceni(8, 2, true);
        otevri();
        zvuk_->hraje_po_play = true;
        prehraj_zvuk(spoj_cestu(instalace_->media(), QStringLiteral("ZVUK/CLICK.WAV")));
        zvuk_->vymaz_zaznam();
        mys::najed(scr_, na_zpet);
        QCOMPARE(najeti_zvuku(), 0);
        QVERIFY(zvuk_->prikazy.isEmpty());
        QCOMPARE(pixel(v_obrazku_zpet), zpet_hover);
    }

    // Back: the click sound, the hourglass until the next screen's activation, then the
    // unfinished exercise as it was left, or after a finished one the set-up screen with
    // the exercise screen unloaded; the results screen is gone either way.
    void zpet_data()
    {
        QTest::addColumn<bool>("hotovo");
        QTest::addColumn<bool>("cviceni_zustane");
        QTest::addColumn<obrazovka_id>("cil");
        QTest::newRow("middle of an exercise") << false << true << obrazovka_id::main_frm;
        QTest::newRow("finished exercise") << true << false << obrazovka_id::frm_select;
        QTest::newRow("finished, exercise screen still loaded") << true << true << obrazovka_id::frm_select;
    }
    void zpet()
    {
        QFETCH(bool, hotovo);
        QFETCH(bool, cviceni_zustane);
        QFETCH(obrazovka_id, cil);
        nastav_cviceni(8, 2, hotovo);
        otevri(cviceni_zustane);
        QPointer<zastupce> cviceni = cviceni_;
        QPointer<zastupce> nastaveni = nastaveni_;
        QCOMPARE(bool(cviceni), cviceni_zustane);
        QPointer<zastupce> ocekavany = hotovo ? nastaveni : cviceni;
        const int aktivaci = ocekavany->aktivaci;

        mys::najed(scr_, na_zpet);
        mys::klikni(scr_, na_zpet);

        QCOMPARE(kliku(), 1);
        QCOMPARE(okno_->aktualni_id(), cil);
        QCOMPARE(okno_->aktualni(), ocekavany.data());
        QVERIFY(ocekavany->isVisible());
        QVERIFY(!okno_->najdi(obrazovka_id::frm_tabulka));
        QTRY_COMPARE(ocekavany->aktivaci, aktivaci + 1);
        QVERIFY(!jsou_presypaci_hodiny());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!scr_);
        QCOMPARE(okno_->najdi(obrazovka_id::main_frm) != nullptr, !hotovo);
        QCOMPARE(bool(cviceni), !hotovo);
        QVERIFY(nastaveni);
    }

    // The hourglass shows from the click until the next screen is activated.
    void presypaci_hodiny_do_aktivace()
    {
        nastav_cviceni(8, 2, false);
        otevri();
        mys::klikni(scr_, na_zpet);
        QVERIFY(jsou_presypaci_hodiny());
        QTRY_VERIFY(!jsou_presypaci_hodiny());
        QCOMPARE(okno_->aktualni(), cviceni_.data());
    }
};

QTEST_MAIN(tst_frm_tabulka)
#include "tst_frm_tabulka.moc"
