// The drawings with a transparent key colour, pixel by pixel.
#include "shell/kresleni.h"

#include <QRandomGenerator>
#include <QTest>

namespace
{

constexpr QRgb klic = 0xffff00ffu;
bool je_klic(QRgb p) { return (p & 0xffffffu) == (klic & 0xffffffu); }

// A picture of a few colours with the given share of key pixels: every pixel is either
// exactly the key or plainly another colour.
QImage vzor(QSize velikost, quint32 seminko, int podil_klice, QImage::Format format = QImage::Format_RGB32)
{
    QRandomGenerator g(seminko);
    QImage o(velikost, format);
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x)
            o.setPixel(x, y, int(g.bounded(100)) < podil_klice ? klic : qRgb(g.bounded(256), g.bounded(200), 0x80));
    return o;
}

// What drawing src's w × h area at (sx, sy) onto dest at (x, y) must give: the key
// colour leaves dest, and nothing outside the area or the images changes.
QImage ocekavano(QImage dest, int x, int y, int w, int h, const QImage &src, int sx, int sy)
{
    dest = dest.convertToFormat(QImage::Format_RGB32);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.rect().contains(sx + i, sy + j) && dest.rect().contains(x + i, y + j) &&
                !je_klic(src.pixel(sx + i, sy + j)))
                dest.setPixel(x + i, y + j, src.pixel(sx + i, sy + j) | 0xff000000u);
    return dest;
}

} // namespace

class tst_kresleni : public QObject
{
    Q_OBJECT
private slots:
    void maska_data()
    {
        QTest::addColumn<int>("podil");
        QTest::addColumn<QSize>("oblast");
        QTest::newRow("no key pixel") << 0 << QSize(24, 16);
        QTest::newRow("some key pixels") << 40 << QSize(24, 16);
        QTest::newRow("all key") << 100 << QSize(24, 16);
        QTest::newRow("part of the picture") << 50 << QSize(7, 5);
    }
    // A monochrome mask of the area: 1 where the picture has the key colour.
    void maska()
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
                QCOMPARE(maska.pixelIndex(x, y), int(je_klic(src.pixel(x, y))));
    }

    void pruhledne_data()
    {
        QTest::addColumn<int>("podil");
        QTest::addColumn<QSize>("oblast");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<bool>("stejne"); // back and dest the same image
        QTest::newRow("no key colour: the picture itself") << 0 << QSize(40, 30) << QImage::Format_RGB32 << false;
        QTest::newRow("wholly the key colour: the background") << 100 << QSize(40, 30) << QImage::Format_RGB32 << false;
        QTest::newRow("mixed") << 35 << QSize(40, 30) << QImage::Format_RGB32 << false;
        QTest::newRow("smaller area than the images") << 35 << QSize(17, 9) << QImage::Format_RGB32 << false;
        QTest::newRow("picture with an alpha channel") << 35 << QSize(40, 30) << QImage::Format_ARGB32 << false;
        QTest::newRow("back and dest the same (the bubble)") << 50 << QSize(30, 20) << QImage::Format_RGB32 << true;
    }
    // dest's area gets back with src over it; the rest of dest stays.
    void pruhledne()
    {
        QFETCH(int, podil);
        QFETCH(QSize, oblast);
        QFETCH(QImage::Format, format);
        QFETCH(bool, stejne);
        const QImage src = vzor(QSize(40, 30), 11, podil, format);
        const QImage back = vzor(QSize(50, 40), 12, 0);
        QImage dest = stejne ? back : vzor(QSize(60, 50), 13, 0);
        QImage s_pozadim = dest.copy();
        for (int y = 0; y < oblast.height(); ++y)
            for (int x = 0; x < oblast.width(); ++x)
                s_pozadim.setPixel(x, y, back.pixel(x, y));
        const QImage cekano = ocekavano(s_pozadim, 0, 0, oblast.width(), oblast.height(), src, 0, 0);
        QVERIFY(kresli_pruhledne(src, oblast.width(), oblast.height(), klic, stejne ? dest : back, dest));
        QCOMPARE(dest.convertToFormat(QImage::Format_RGB32), cekano);
    }

    void pres_buffer_data()
    {
        QTest::addColumn<QRect>("cil");
        QTest::addColumn<QPoint>("zdroj");
        QTest::addColumn<int>("podil");
        QTest::newRow("inside, mixed") << QRect(5, 7, 20, 12) << QPoint(3, 2) << 40;
        QTest::newRow("no key colour") << QRect(0, 0, 30, 20) << QPoint(0, 0) << 0;
        QTest::newRow("wholly key colour: dest unchanged") << QRect(4, 4, 30, 20) << QPoint(0, 0) << 100;
        QTest::newRow("top rows of the picture at the bottom (slide frame)")
            << QRect(0, 25, 30, 5) << QPoint(0, 0) << 30;
        QTest::newRow("over the right and bottom edges") << QRect(50, 35, 30, 20) << QPoint(0, 0) << 30;
        QTest::newRow("left of and above dest") << QRect(-6, -4, 30, 20) << QPoint(0, 0) << 30;
        QTest::newRow("beyond the picture") << QRect(10, 10, 30, 20) << QPoint(15, 12) << 30;
        QTest::newRow("empty area") << QRect(10, 10, 0, 5) << QPoint(0, 0) << 30;
        QTest::newRow("src and dest the same") << QRect(10, 10, 20, 20) << QPoint(0, 0) << -1;
    }
    void pres_buffer()
    {
        QFETCH(QRect, cil);
        QFETCH(QPoint, zdroj);
        QFETCH(int, podil);
        QImage dest = vzor(QSize(64, 48), 32, podil < 0 ? 30 : 0);
        const QImage src = podil < 0 ? dest.copy() : vzor(QSize(30, 20), 31, podil);
        const QImage cekano = ocekavano(dest, cil.x(), cil.y(), cil.width(), cil.height(), src, zdroj.x(), zdroj.y());
        QVERIFY(kresli_pres_buffer(dest, cil.x(), cil.y(), cil.width(), cil.height(), podil < 0 ? dest : src, zdroj.x(),
                                   zdroj.y(), klic));
        QCOMPARE(dest, cekano);
    }

    void chybne_vstupy()
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
        QCOMPARE(dest, puvodni);
    }
};

QTEST_GUILESS_MAIN(tst_kresleni)
#include "tst_kresleni.moc"
