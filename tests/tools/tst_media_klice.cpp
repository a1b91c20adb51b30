// The pictures compose the way the screens compose them: key colours where the program
// takes them, covers that shorten the sentence box without touching its text, and pieces
// that repeat their background exactly wherever they are not a button.
#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/katalog.h"
#include "pomoc/instalace.h"

#include <QDir>
#include <QImage>
#include <QtTest>

namespace g = geometrie;
namespace gc = geometrie::cviceni;

namespace
{

QImage nacti(const QString &nazev)
{
    return QImage(QDir(postavena_media()).filePath(QStringLiteral("GRAFIKA/") + nazev))
        .convertToFormat(QImage::Format_RGB32);
}

// Draws src onto dest at `kde`, leaving dest where src has the key colour.
void kresli_s_klicem(QImage &dest, QPoint kde, const QImage &src, QRgb klic)
{
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            if (src.pixel(x, y) != klic && dest.rect().contains(kde + QPoint(x, y)))
                dest.setPixel(kde + QPoint(x, y), src.pixel(x, y));
}
void kresli(QImage &dest, QPoint kde, const QImage &src) { kresli_s_klicem(dest, kde, src, 0x00000000u); }

// The sentence box of n lines on a page, composed as the page layout does it, at (0, 0) of
// a canvas of the page colour twice the box's height.
QImage sloz_box(int radku, QRgb stranka)
{
    QImage platno(gc::veta_box.width() + 60, 2 * gc::veta_box.height(), QImage::Format_RGB32);
    platno.fill(stranka);
    kresli(platno, QPoint(0, 0), nacti(QStringLiteral("3LINE_W.BMP")));
    const int x_praveho = gc::kryt_pravy_x - gc::prvni_veta.x();
    if (radku == 1) {
        kresli(platno, QPoint(0, 0), nacti(QStringLiteral("COV_L_W.BMP")));
        const QImage pravy = nacti(QStringLiteral("COV_R_V.BMP"));
        kresli_s_klicem(platno, QPoint(x_praveho, 0), pravy, pravy.pixel(gc::klic_praveho_krytu));
        kresli(platno, QPoint(0, 25), nacti(QStringLiteral("COV2_B.BMP")));
    } else if (radku == 2) {
        kresli(platno, QPoint(0, 0), nacti(QStringLiteral("COV1_L_W.BMP")));
        const QImage pravy = nacti(QStringLiteral("COV1_R_V.BMP"));
        kresli_s_klicem(platno, QPoint(x_praveho, 0), pravy, pravy.pixel(gc::klic_praveho_krytu));
        kresli(platno, QPoint(0, 45), nacti(QStringLiteral("COV1_B.BMP")));
    }
    return platno;
}

// The lowest row that differs from the page colour.
int spodek(const QImage &obrazek, QRgb stranka)
{
    for (int y = obrazek.height() - 1; y >= 0; --y)
        for (int x = 0; x < obrazek.width(); ++x)
            if (obrazek.pixel(x, y) != stranka)
                return y;
    return -1;
}

// Pixels of `kus` (placed at `kde` on `pozadi`) that differ from the background outside `tvar`.
int rozdily_mimo(const QImage &kus, const QImage &pozadi, QPoint kde, const QRect &tvar)
{
    int n = 0;
    for (int y = 0; y < kus.height(); ++y)
        for (int x = 0; x < kus.width(); ++x) {
            const QPoint p = kde + QPoint(x, y);
            if (!tvar.contains(p) && kus.pixel(x, y) != pozadi.pixel(p))
                ++n;
        }
    return n;
}

} // namespace

class tst_media_klice : public QObject
{
    Q_OBJECT

    QRgb stranka_ = 0;

private slots:
    void initTestCase()
    {
        const QImage bg = nacti(QStringLiteral("BG.BMP"));
        QVERIFY2(!bg.isNull(), "build the media target first");
        stranka_ = bg.pixel(gc::barva_stranky);
    }

    // The page layout clears the page to the colour of pixel (23, 86): the background must
    // be that colour over the whole page, or clearing would cut into its drawing.
    void stranka_je_jednobarevna()
    {
        const QImage bg = nacti(QStringLiteral("BG.BMP"));
        for (int y = gc::stranka.top(); y <= gc::stranka.bottom(); ++y)
            for (int x = gc::stranka.left(); x <= gc::stranka.right(); ++x)
                QVERIFY2(bg.pixel(x, y) == stranka_, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }

    void box_data()
    {
        QTest::addColumn<int>("radku");
        QTest::newRow("one line") << 1;
        QTest::newRow("two lines") << 2;
        QTest::newRow("three lines") << 3;
    }
    // A box of n lines ends exactly at its height, whatever the covers did.
    void box()
    {
        QFETCH(int, radku);
        const QImage b = sloz_box(radku, stranka_);
        QCOMPARE(spodek(b, stranka_) + 1, gc::vyska_boxu[radku - 1]);
        // The box's bottom edge runs along its last row (it is not just a stray pixel).
        const int y = gc::vyska_boxu[radku - 1] - 1;
        int jine = 0;
        for (int x = 0; x < gc::veta_box.width(); ++x)
            jine += b.pixel(x, y) != stranka_;
        QVERIFY(jine > gc::veta_box.width() * 9 / 10);
        // Left and right edges reach down to it on both sides.
        QVERIFY(b.pixel(0, y - 12) != stranka_);
        QVERIFY(b.pixel(gc::veta_box.width() - 1, y - 12) != stranka_);
    }

    // The covers come after the text: over the text lines they must leave the box as it was.
    void kryty_nezasahuji_do_textu_data() { box_data(); }
    void kryty_nezasahuji_do_textu()
    {
        QFETCH(int, radku);
        const QImage b = sloz_box(radku, stranka_);
        const QImage tri = nacti(QStringLiteral("3LINE_W.BMP"));
        const int levy = gc::odsazeni_textu_x;
        // Text may run a little past the right limit; it never reaches the result mark.
        const int pravy = gc::znacka_x - gc::prvni_veta.x() - 1;
        for (int y = gc::odsazeni_textu_y; y < gc::odsazeni_textu_y + gc::vyska_radku * radku; ++y)
            for (int x = levy; x < pravy; ++x)
                QVERIFY2(b.pixel(x, y) == tri.pixel(x, y), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }

    // The right covers are drawn with their own pixel (0, 20) as the key, and that pixel lies
    // in the first text line, so it must be transparent.
    void klic_praveho_krytu_data()
    {
        QTest::addColumn<QString>("nazev");
        QTest::newRow("COV_R_V") << QStringLiteral("COV_R_V.BMP");
        QTest::newRow("COV1_R_V") << QStringLiteral("COV1_R_V.BMP");
    }
    void klic_praveho_krytu()
    {
        QFETCH(QString, nazev);
        const QImage kryt = nacti(nazev);
        const QRgb klic = kryt.pixel(gc::klic_praveho_krytu);
        QVERIFY(klic != stranka_);
        QVERIFY(klic != qRgb(255, 255, 255));
        // Below the text rows the piece paints: it closes the box and clears under it.
        QVERIFY(kryt.pixel(0, kryt.height() - 1) != klic);
        QCOMPARE(kryt.pixel(0, kryt.height() - 1), stranka_);
    }

    // The sliding faces are drawn with their top-left pixel as the key: their corners show
    // the screen through, their middle does not.
    void klic_posuvnych_data()
    {
        QTest::addColumn<QString>("nazev");
        QTest::newRow("POKRACUJ") << QStringLiteral("POKRACUJ.BMP");
        QTest::newRow("TISKNI") << QStringLiteral("TISKNI.BMP");
    }
    void klic_posuvnych()
    {
        QFETCH(QString, nazev);
        const QImage o = nacti(nazev);
        const QRgb klic = o.pixel(0, 0);
        QCOMPARE(o.pixel(o.width() - 1, 0), klic);
        QCOMPARE(o.pixel(0, o.height() - 1), klic);
        QCOMPARE(o.pixel(o.width() - 1, o.height() - 1), klic);
        for (int x = 6; x < o.width() - 6; ++x)
            QVERIFY(o.pixel(x, o.height() / 2) != klic);
        // The face stands on the bottom edge of the screen from its slide position.
        QVERIFY(g::nastaveni::pokracuj.y() + o.height() <= g::vyska_obrazovky);
    }

    // The bubbles are drawn with their top-right pixel as the key; the answer label sits on
    // the bubble at (4, 2), 489 wide, and the tip points down at the middle of the mark.
    void bubliny_data()
    {
        QTest::addColumn<int>("radku");
        QTest::newRow("HINT1") << 1;
        QTest::newRow("HINT2") << 2;
        QTest::newRow("HINT3") << 3;
    }
    void bubliny()
    {
        QFETCH(int, radku);
        const QImage o = nacti(QStringLiteral("HINT%1.BMP").arg(radku));
        const QRgb klic = o.pixel(o.width() - 1, 0);
        QCOMPARE(o.pixel(0, 0), klic);
        for (int y = 2; y < 2 + 20 * radku; ++y)
            for (int x = 4; x < 4 + gc::bublina_sirka_textu; ++x)
                QVERIFY2(o.pixel(x, y) != klic, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        // The tip: opaque under the mark's middle, transparent beside it.
        QVERIFY(o.pixel(gc::bublina_spicka_x, o.height() - 2) != klic);
        QCOMPARE(o.pixel(gc::bublina_spicka_x - 20, o.height() - 2), klic);
        QCOMPARE(o.pixel(gc::bublina_spicka_x + 20, o.height() - 2), klic);
    }

    // Result marks are copied plainly onto the box at (586, poloha_y): outside their symbol
    // they must be the box itself.
    void znacky_data()
    {
        QTest::addColumn<QString>("nazev");
        QTest::newRow("CHECK_OK") << QStringLiteral("CHECK_OK.BMP");
        QTest::newRow("CHECK_KO") << QStringLiteral("CHECK_KO.BMP");
    }
    void znacky()
    {
        QFETCH(QString, nazev);
        const QImage znacka = nacti(nazev);
        const QImage box1 = sloz_box(1, stranka_);
        const QPoint kde(gc::znacka_x - gc::prvni_veta.x(), 0);
        for (int x = 0; x < znacka.width(); ++x)
            QCOMPARE(znacka.pixel(x, 0), box1.pixel(kde + QPoint(x, 0)));
        for (int y = 0; y < znacka.height(); ++y)
            QCOMPARE(znacka.pixel(0, y), box1.pixel(kde + QPoint(0, y)));
        // And it fits the one-line box.
        QVERIFY(znacka.height() <= gc::vyska_boxu[0]);
    }

    // The play counters sit on the page left of the box.
    void pocitadla()
    {
        for (int n = 0; n <= 3; ++n) {
            const QImage o = nacti(QStringLiteral("REP_%1.BMP").arg(n));
            QCOMPARE(o.pixel(0, 0), stranka_);
            QVERIFY(gc::pocitadlo_x + o.width() <= gc::prvni_veta.x());
        }
    }

    // A hover or chosen picture is laid over its background and later restored from it:
    // outside its button it must repeat the background pixel for pixel.
    void kusy_na_pozadi_data()
    {
        QTest::addColumn<QString>("kus");
        QTest::addColumn<QString>("pozadi");
        QTest::addColumn<QPoint>("kde");
        QTest::addColumn<QRect>("tvar"); // where the piece may differ; empty: nowhere
        namespace gm = g::menu;
        namespace gn = g::nastaveni;
        const QString menu = QStringLiteral("SELECT/BCKG.BMP");
        for (int r = 0; r < 5; ++r) {
            QTest::addRow("L_%d_0", r + 1)
                << QStringLiteral("SELECT/L_%1_0.BMP").arg(r + 1) << menu << gm::rocnik(r) << QRect();
            QTest::addRow("L_%d_1", r + 1)
                << QStringLiteral("SELECT/L_%1_1.BMP").arg(r + 1) << menu << gm::rocnik(r) << gm::plochy[r];
        }
        QTest::newRow("MKONEH") << QStringLiteral("SELECT/MKONEH.BMP") << menu << gm::hover[5] << gm::plochy[5];
        const char *hover[4] = {"MKONTH", "MNOVEH", "MTABH", "MZPETH"};
        for (int i = 0; i < 4; ++i)
            QTest::newRow(hover[i]) << QStringLiteral("%1.BMP").arg(QLatin1String(hover[i])) << QStringLiteral("BG.BMP")
                                    << gc::tlacitka_hover[i] << gc::tlacitka[i];
        const QString tabulka = QStringLiteral("TABS/BCKG.BMP");
        QTest::newRow("MZPETH on results")
            << QStringLiteral("MZPETH.BMP") << tabulka << g::tabulka::zpet_obrazek << g::tabulka::zpet;
        QTest::newRow("MZPET") << QStringLiteral("MZPET.BMP") << tabulka << g::tabulka::zpet_obrazek << QRect();
        // The set-up pieces are shared by every topic's background.
        const char *cisla[4] = {"1X", "2X", "3X", "NE"};
        const char *druhy[4] = {"CV", "OC", "DJ", "VJ"};
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
                const QString bg = QStringLiteral("SETUP/BG_%1%2.BMP").arg(r).arg(t);
                for (int i = 0; i < 4; ++i) {
                    QTest::addRow("NAD_%s_0 on BG_%d%d", cisla[i], r, t)
                        << QStringLiteral("SETUP/NAD_%1_0.BMP").arg(QLatin1String(cisla[i])) << bg << gn::cislo[i]
                        << QRect();
                    QTest::addRow("NAD_%s_1 on BG_%d%d", cisla[i], r, t)
                        << QStringLiteral("SETUP/NAD_%1_1.BMP").arg(QLatin1String(cisla[i])) << bg << gn::cislo[i]
                        << gn::plochy[i];
                    QTest::addRow("TU_%s_0 on BG_%d%d", druhy[i], r, t)
                        << QStringLiteral("SETUP/TU_%1_0.BMP").arg(QLatin1String(druhy[i])) << bg << gn::druh[i]
                        << QRect();
                    QTest::addRow("TU_%s_1 on BG_%d%d", druhy[i], r, t)
                        << QStringLiteral("SETUP/TU_%1_1.BMP").arg(QLatin1String(druhy[i])) << bg << gn::druh[i]
                        << gn::plochy[6 + i];
                }
                QTest::addRow("NAP_0 on BG_%d%d", r, t)
                    << QStringLiteral("SETUP/NAP_0.BMP") << bg << gn::napoveda_prepinac << QRect();
                QTest::addRow("NAP_1 on BG_%d%d", r, t)
                    << QStringLiteral("SETUP/NAP_1.BMP") << bg << gn::napoveda_prepinac << gn::plochy[10];
                QTest::addRow("MZPETH on BG_%d%d", r, t)
                    << QStringLiteral("SETUP/MZPETH.BMP") << bg << gn::zpet_hover << gn::plochy[11];
                // The title tab's margin is the top bar of both screens that show it.
                for (druh_t d : vsechny_druhy) {
                    const QString tab = QStringLiteral("TABS/L_%1%2_%3.BMP").arg(r).arg(t).arg(kod_bitmapy(d));
                    // Its top row and both side columns; the card and its shadow fill the rest.
                    const QRect karta = QRect(QPoint(1, 1), gc::zalozka - QSize(2, 1));
                    QTest::addRow("L_%d%d_%s on BG", r, t, qPrintable(kod_bitmapy(d)))
                        << tab << QStringLiteral("BG.BMP") << QPoint(0, 0) << karta;
                    QTest::addRow("L_%d%d_%s on results", r, t, qPrintable(kod_bitmapy(d)))
                        << tab << tabulka << QPoint(0, 0) << karta;
                }
            }
    }
    void kusy_na_pozadi()
    {
        QFETCH(QString, kus);
        QFETCH(QString, pozadi);
        QFETCH(QPoint, kde);
        QFETCH(QRect, tvar);
        const QImage k = nacti(kus);
        const QImage p = nacti(pozadi);
        QVERIFY(!k.isNull() && !p.isNull());
        QCOMPARE(rozdily_mimo(k, p, kde, tvar), 0);
        // A chosen or hover look must look different on its button.
        if (!tvar.isEmpty())
            QVERIFY(rozdily_mimo(k, p, kde, QRect()) > tvar.width() * tvar.height() / 4);
    }
};

QTEST_GUILESS_MAIN(tst_media_klice)
#include "tst_media_klice.moc"
