// The drawings with a transparent key colour, pixel by pixel.
#include "shell/kresleni.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

constexpr QRgb klic = 0xffff00ffu;

// A picture of a few colours, the key among them when asked: every pixel is either
// exactly the key or plainly another colour.
QImage vzor(QSize velikost, quint32 seminko, int podil_klice_procent, QImage::Format format = QImage::Format_RGB32)
{
    QRandomGenerator g(seminko);
    QImage o(velikost, format);
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x) {
            const bool je_klic = int(g.bounded(100)) < podil_klice_procent;
            o.setPixel(x, y, je_klic ? klic : qRgb(g.bounded(256), g.bounded(200), g.bounded(256) & 0xfe));
        }
    return o;
}

QImage jednobarevny(QSize velikost, QRgb barva)
{
    QImage o(velikost, QImage::Format_RGB32);
    o.fill(barva);
    return o;
}

bool je_klic(QRgb p) { return (p & 0xffffffu) == (klic & 0xffffffu); }

// What the picture over the background must give: the background where the picture has
// the key colour, the picture elsewhere; outside the w × h area dest as it was.
QImage ocekavane_pruhledne(const QImage &src, int w, int h, const QImage &back, const QImage &dest)
{
    QImage o = dest.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            o.setPixel(x, y, je_klic(src.pixel(x, y)) ? back.pixel(x, y) : src.pixel(x, y));
    return o;
}

QImage ocekavane_pres_buffer(const QImage &dest, int x, int y, int w, int h, const QImage &src, int sx, int sy)
{
    QImage o = dest.convertToFormat(QImage::Format_RGB32);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QPoint z(sx + i, sy + j), c(x + i, y + j);
            if (!src.rect().contains(z) || !o.rect().contains(c))
                continue;
            if (!je_klic(src.pixel(z)))
                o.setPixel(c, src.pixel(z));
        }
    return o;
}

void porovnej(const QImage &skutecny, const QImage &ocekavany)
{
    const QImage a = skutecny.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(a.size(), ocekavany.size());
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != ocekavany.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2): %3 instead of %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(a.pixel(x, y), 8, 16)
                                     .arg(ocekavany.pixel(x, y), 8, 16)));
}

} // namespace

class tst_kresleni : public QObject {
    Q_OBJECT
private slots:
    void maska_data();
    void maska();
    void maska_do_barevneho_obrazku();
    void pruhledne_data();
    void pruhledne();
    void pruhledne_stejny_back_a_dest();
    void pres_buffer_data();
    void pres_buffer();
    void pres_buffer_stejny_zdroj_a_cil();
    void chybne_vstupy();
};

void tst_kresleni::maska_data()
{
    QTest::addColumn<int>("podil");
    QTest::addColumn<QSize>("oblast");
    QTest::newRow("no key pixel") << 0 << QSize(24, 16);
    QTest::newRow("some key pixels") << 40 << QSize(24, 16);
    QTest::newRow("all key") << 100 << QSize(24, 16);
    QTest::newRow("part of the picture") << 50 << QSize(7, 5);
}

void tst_kresleni::maska()
{
    QFETCH(int, podil);
    QFETCH(QSize, oblast);
    const QImage src = vzor(QSize(24, 16), 7, podil);
    QImage maska;
    QVERIFY(vytvor_masku(src, oblast.width(), oblast.height(), maska, klic));
    QCOMPARE(maska.size(), oblast);
    QCOMPARE(maska.depth(), 1);
    for (int y = 0; y < oblast.height(); ++y)
        for (int x = 0; x < oblast.width(); ++x)
            QCOMPARE(maska.pixelIndex(x, y), je_klic(src.pixel(x, y)) ? 1 : 0);
}

void tst_kresleni::maska_do_barevneho_obrazku()
{
    const QImage src = vzor(QSize(10, 10), 3, 50);
    QImage maska = jednobarevny(QSize(12, 12), qRgb(1, 2, 3));
    QVERIFY(vytvor_masku(src, 10, 10, maska, klic));
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const QRgb cekano = (x >= 10 || y >= 10)       ? qRgb(1, 2, 3)
                                : je_klic(src.pixel(x, y)) ? qRgb(255, 255, 255)
                                                           : qRgb(0, 0, 0);
            QCOMPARE(maska.pixel(x, y), cekano);
        }
}

void tst_kresleni::pruhledne_data()
{
    QTest::addColumn<int>("podil");
    QTest::addColumn<QSize>("oblast");
    QTest::addColumn<int>("format");
    QTest::newRow("no key colour: the picture itself") << 0 << QSize(40, 30) << int(QImage::Format_RGB32);
    QTest::newRow("wholly the key colour: the background") << 100 << QSize(40, 30) << int(QImage::Format_RGB32);
    QTest::newRow("mixed") << 35 << QSize(40, 30) << int(QImage::Format_RGB32);
    QTest::newRow("smaller area than the images") << 35 << QSize(17, 9) << int(QImage::Format_RGB32);
    QTest::newRow("picture with an alpha channel") << 35 << QSize(40, 30) << int(QImage::Format_ARGB32);
}

void tst_kresleni::pruhledne()
{
    QFETCH(int, podil);
    QFETCH(QSize, oblast);
    QFETCH(int, format);
    const QImage src = vzor(QSize(40, 30), 11, podil, QImage::Format(format));
    const QImage back = vzor(QSize(50, 40), 12, 0);
    QImage dest = vzor(QSize(60, 50), 13, 0);
    const QImage ocekavano = ocekavane_pruhledne(src, oblast.width(), oblast.height(), back, dest);
    QVERIFY(kresli_pruhledne(src, oblast.width(), oblast.height(), klic, back, dest));
    porovnej(dest, ocekavano);
    if (podil == 0)
        porovnej(dest.copy(0, 0, 40, 30), src.copy(0, 0, 40, 30).convertToFormat(QImage::Format_RGB32));
    if (podil == 100)
        porovnej(dest.copy(0, 0, 40, 30), back.copy(0, 0, 40, 30));
}

// The result-mark bubble passes its work picture as background and target.
void tst_kresleni::pruhledne_stejny_back_a_dest()
{
    const QImage src = vzor(QSize(30, 20), 21, 50);
    QImage prace = vzor(QSize(30, 20), 22, 0);
    const QImage ocekavano = ocekavane_pruhledne(src, 30, 20, prace, prace);
    QVERIFY(kresli_pruhledne(src, 30, 20, klic, prace, prace));
    porovnej(prace, ocekavano);
}

void tst_kresleni::pres_buffer_data()
{
    QTest::addColumn<QRect>("cil");
    QTest::addColumn<QPoint>("zdroj");
    QTest::addColumn<int>("podil");
    QTest::newRow("inside, mixed") << QRect(5, 7, 20, 12) << QPoint(3, 2) << 40;
    QTest::newRow("no key colour") << QRect(0, 0, 30, 20) << QPoint(0, 0) << 0;
    QTest::newRow("wholly key colour: dest unchanged") << QRect(4, 4, 30, 20) << QPoint(0, 0) << 100;
    QTest::newRow("top rows of the picture at the bottom (slide frame)") << QRect(0, 25, 30, 5) << QPoint(0, 0) << 30;
    QTest::newRow("over the right and bottom edges") << QRect(50, 35, 30, 20) << QPoint(0, 0) << 30;
    QTest::newRow("left of and above dest") << QRect(-6, -4, 30, 20) << QPoint(0, 0) << 30;
    QTest::newRow("beyond the picture") << QRect(10, 10, 30, 20) << QPoint(15, 12) << 30;
    QTest::newRow("empty area") << QRect(10, 10, 0, 5) << QPoint(0, 0) << 30;
}

void tst_kresleni::pres_buffer()
{
    QFETCH(QRect, cil);
    QFETCH(QPoint, zdroj);
    QFETCH(int, podil);
    const QImage src = vzor(QSize(30, 20), 31, podil);
    QImage dest = vzor(QSize(64, 48), 32, 0);
    const QImage ocekavano =
        ocekavane_pres_buffer(dest, cil.x(), cil.y(), cil.width(), cil.height(), src, zdroj.x(), zdroj.y());
    QVERIFY(kresli_pres_buffer(dest, cil.x(), cil.y(), cil.width(), cil.height(), src, zdroj.x(), zdroj.y(), klic));
    porovnej(dest, ocekavano);
}

void tst_kresleni::pres_buffer_stejny_zdroj_a_cil()
{
    QImage obraz = vzor(QSize(40, 40), 41, 30);
    const QImage puvodni = obraz.copy();
    const QImage ocekavano = ocekavane_pres_buffer(puvodni, 10, 10, 20, 20, puvodni, 0, 0);
    QVERIFY(kresli_pres_buffer(obraz, 10, 10, 20, 20, obraz, 0, 0, klic));
    porovnej(obraz, ocekavano);
}

void tst_kresleni::chybne_vstupy()
{
    const QImage src = vzor(QSize(8, 8), 1, 50);
    QImage dest = vzor(QSize(8, 8), 2, 0);
    const QImage puvodni = dest.copy();
    QImage nic;
    QVERIFY(!kresli_pres_buffer(dest, 0, 0, -1, 4, src, 0, 0, klic));
    QVERIFY(!kresli_pres_buffer(dest, 0, 0, 4, 4, nic, 0, 0, klic));
    QVERIFY(!kresli_pruhledne(src, 4, -2, klic, src, dest));
    QVERIFY(!kresli_pruhledne(nic, 4, 4, klic, src, dest));
    QVERIFY(!vytvor_masku(nic, 4, 4, dest, klic));
    porovnej(dest, puvodni);
}

QTEST_GUILESS_MAIN(tst_kresleni)
#include "tst_kresleni.moc"
