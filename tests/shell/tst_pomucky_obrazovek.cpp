// The helpers every screen uses: reading pictures, drawing with a transparent key colour
// (pixel by pixel) and the wait.
#include "nahrady/instalace.h"
#include "shell/cekej.h"
#include "shell/kresleni.h"
#include "shell/obrazky.h"

#include <QtTest>
#include <climits>
#include <cmath>
#include <ctime>

namespace
{

constexpr QRgb klic = 0xffff00ffu;
bool je_klic(QRgb p) { return (p & 0xffffffu) == (klic & 0xffffffu); }

// A picture of a few colours with the given share of key pixels: every pixel is either
// exactly the key or plainly another colour. `pomer` pixels a side make one stage pixel.
QImage vzor(QSize velikost, quint32 seminko, int podil_klice, int pomer = 1)
{
    QRandomGenerator g(seminko);
    QImage o(velikost * pomer, QImage::Format_RGB32);
    o.setDevicePixelRatio(pomer);
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x)
            o.setPixel(x, y, int(g.bounded(100)) < podil_klice ? klic : qRgb(g.bounded(256), g.bounded(200), 0x80));
    return o;
}

// What drawing src's w × h area at (sx, sy) onto dest at (x, y) must give: the key
// colour leaves dest, and nothing outside the area or the images changes.
QImage ocekavano(QImage dest, int x, int y, int w, int h, const QImage &src, int sx, int sy)
{
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.rect().contains(sx + i, sy + j) && dest.rect().contains(x + i, y + j) &&
                !je_klic(src.pixel(sx + i, sy + j)))
                dest.setPixel(x + i, y + j, src.pixel(sx + i, sy + j) | 0xff000000u);
    return dest;
}

double procesor_ms()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace

class tst_pomucky_obrazovek : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString soubor(const QString &jmeno) const { return dir_.filePath(jmeno); }

private slots:
    void cleanup() { posun_milisekundy(0); }

    void pres_buffer_data()
    {
        QTest::addColumn<QRect>("cil");
        QTest::addColumn<QPoint>("zdroj");
        QTest::addColumn<int>("podil");
        QTest::addColumn<int>("pomer");
        for (int m : {1, 2}) {
            const auto radek = [m](const char *nazev) -> QTestData & { return QTest::addRow("%s (%d×)", nazev, m); };
            radek("inside, mixed") << QRect(5, 7, 20, 12) << QPoint(3, 2) << 40 << m;
            radek("wholly key colour: dest unchanged") << QRect(4, 4, 30, 20) << QPoint(0, 0) << 100 << m;
            radek("over the right and bottom edges") << QRect(50, 35, 30, 20) << QPoint(0, 0) << 30 << m;
            radek("left of and above dest") << QRect(-6, -4, 30, 20) << QPoint(0, 0) << 30 << m;
            radek("beyond the picture") << QRect(10, 10, 30, 20) << QPoint(15, 12) << 30 << m;
            radek("empty area") << QRect(10, 10, 0, 5) << QPoint(0, 0) << 30 << m;
            radek("src and dest the same") << QRect(10, 10, 20, 20) << QPoint(0, 0) << -1 << m;
        }
    }
    void pres_buffer()
    {
        QFETCH(QRect, cil);
        QFETCH(QPoint, zdroj);
        QFETCH(int, podil);
        QFETCH(int, pomer);
        QImage dest = vzor(QSize(64, 48), 32, podil < 0 ? 30 : 0, pomer);
        const QImage src = podil < 0 ? dest.copy() : vzor(QSize(30, 20), 31, podil, pomer);
        const QRect c(cil.topLeft() * pomer, cil.size() * pomer);
        const QImage cekano =
            ocekavano(dest, c.x(), c.y(), c.width(), c.height(), src, zdroj.x() * pomer, zdroj.y() * pomer);
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
        QCOMPARE(dest, puvodni);
    }

    // The set for the stage's scale, and each picture from it at its ratio and stage size;
    // a picture the set lacks comes from the 1× set.
    void sada_obrazku_data()
    {
        QTest::addColumn<QList<int>>("sady");
        QTest::addColumn<double>("meritko");
        QTest::addColumn<int>("cekano");
        QTest::newRow("an old media folder") << QList<int>{} << 2.25 << 1;
        QTest::newRow("1366 x 768: the smallest set as large") << QList<int>{2, 3} << 1.6 << 2;
        QTest::newRow("4K: the largest there is") << QList<int>{2, 3} << 4.5 << 3;
        QTest::newRow("only 3x") << QList<int>{3} << 1.6 << 3;
    }
    void sada_obrazku()
    {
        QFETCH(QList<int>, sady);
        QFETCH(double, meritko);
        QFETCH(int, cekano);
        docasna_instalace instalace;
        instalace.vytvor_bitmapu(QStringLiteral("GRAFIKA/BG.BMP"), 20, 10);
        instalace.vytvor_bitmapu(QStringLiteral("GRAFIKA/JEN_1X.BMP"), 7, 5);
        for (int m : sady) {
            QVERIFY(QDir().mkpath(instalace.media() + QStringLiteral("/GRAFIKA@%1x").arg(m)));
            QVERIFY(
                vzor(QSize(20, 10), 5, 0, m).save(instalace.media() + QStringLiteral("/GRAFIKA@%1x/BG.PNG").arg(m)));
        }
        QCOMPARE(zvol_sadu_obrazku(instalace.media(), meritko), cekano);
        const auto obrazek = nacti_bitmapu(instalace.media(), QStringLiteral("GRAFIKA/BG.BMP"));
        const auto jen_1x = nacti_bitmapu(instalace.media(), QStringLiteral("GRAFIKA/JEN_1X.BMP"));
        zvol_sadu_obrazku(instalace.media(), 1);
        QVERIFY(obrazek && jen_1x);
        QCOMPARE(obrazek->devicePixelRatio(), double(cekano));
        QCOMPARE(logicka_velikost(*obrazek), QSize(20, 10));
        QCOMPARE(jen_1x->devicePixelRatio(), 1.0);
        QCOMPARE(logicka_velikost(*jen_1x), QSize(7, 5));
    }

    void cteni_obrazku_data()
    {
        QTest::addColumn<QByteArray>("bajty");
        QTest::addColumn<QImage>("obrazek"); // null: the file reads as nothing
        const auto soubor = [](const QImage &obrazek, const char *format = "BMP") {
            QByteArray b;
            QBuffer buffer(&b);
            buffer.open(QIODevice::WriteOnly);
            obrazek.save(&buffer, format);
            return b;
        };
        // 24-bit rows of whole groups of four pixels and of one to three more, padded to
        // four bytes, short and long enough for the four-at-a-time path; stored bottom-up as
        // usual, and top-down (negative height).
        for (int sirka : {4, 5, 6, 7, 20, 21, 22, 23}) {
            const QImage o = vzor(QSize(sirka, 3), sirka, 0);
            const QByteArray b = soubor(o);
            QByteArray shora = b;
            const int data = qFromLittleEndian<qint32>(b.constData() + 10), radek = (b.size() - data) / 3;
            qToLittleEndian<qint32>(-3, shora.data() + 22);
            for (int y = 0; y < 3; ++y)
                std::memcpy(shora.data() + data + y * radek, b.constData() + data + (2 - y) * radek, radek);
            QTest::addRow("%d pixels a row", sirka) << b << o;
            QTest::addRow("%d pixels a row, top-down", sirka) << shora << o;
        }
        // 32-bit top-down rows at a four-byte offset, as the large sets' first pictures are
        // stored, drawn from the file; the unused fourth byte does not matter.
        const auto bmp32 = [](const QImage &o, char ctvrty) {
            QByteArray b(64, '\0');
            b[0] = 'B', b[1] = 'M', b[10] = 64, b[14] = 40, b[26] = 1, b[28] = 32;
            qToLittleEndian<qint32>(o.width(), b.data() + 18);
            qToLittleEndian<qint32>(-o.height(), b.data() + 22);
            for (int y = 0; y < o.height(); ++y)
                for (int x = 0; x < o.width(); ++x)
                    b.append(char(qBlue(o.pixel(x, y))))
                        .append(char(qGreen(o.pixel(x, y))))
                        .append(char(qRed(o.pixel(x, y))))
                        .append(ctvrty);
            return b;
        };
        QTest::newRow("32-bit, drawn from the file")
            << bmp32(vzor(QSize(5, 3), 4, 0), '\xff') << vzor(QSize(5, 3), 4, 0);
        QTest::newRow("32-bit, fourth byte 0") << bmp32(vzor(QSize(5, 3), 4, 0), 0) << vzor(QSize(5, 3), 4, 0);
        QTest::newRow("32-bit, rows cut short") << bmp32(vzor(QSize(5, 3), 4, 0), '\xff').chopped(4) << QImage();
        const QImage paleta = vzor(QSize(6, 4), 1, 0).convertToFormat(QImage::Format_Indexed8);
        QTest::newRow("palette BMP") << soubor(paleta) << paleta.convertToFormat(QImage::Format_RGB32);
        QTest::newRow("PNG") << soubor(vzor(QSize(6, 4), 2, 0), "PNG") << vzor(QSize(6, 4), 2, 0);
        QByteArray obrovsky = soubor(vzor(QSize(20, 20), 3, 0));
        QTest::newRow("cut short") << obrovsky.left(30) << QImage();
        qToLittleEndian<qint32>(0x7fffffff, obrovsky.data() + 18);
        QTest::newRow("absurd width") << obrovsky << QImage();
    }
    void cteni_obrazku()
    {
        QFETCH(QByteArray, bajty);
        QFETCH(QImage, obrazek);
        QFile f(soubor(QStringLiteral("A.BMP")));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size());
        f.close();
        const auto precteno = nacti_obrazek_souboru(f.fileName());
        QCOMPARE(precteno.has_value(), !obrazek.isNull());
        QCOMPARE(je_citelny_obrazek(f.fileName()), !obrazek.isNull());
        if (precteno)
            QCOMPARE(*precteno, obrazek);
    }

    void trvani_data()
    {
        QTest::addColumn<double>("ms");
        QTest::addColumn<int>("pretoceni"); // ms into the wait when the 32-bit counter wraps; 0: never
        QTest::newRow("negative") << -250.0 << 0;
        QTest::newRow("not a number") << std::nan("") << 0;
        QTest::newRow("fraction of a millisecond") << 0.4 << 0;
        QTest::newRow("wraps in the middle") << 300.0 << 100;
    }
    // The wait lasts its time, across a wrap of the counter too, and rests the processor;
    // a wait of nothing returns at once without handling events.
    void trvani()
    {
        QFETCH(double, ms);
        QFETCH(int, pretoceni);
        if (pretoceni)
            posun_milisekundy(quint32(UINT_MAX) - milisekundy() - quint32(pretoceni) + 1);
        const quint32 zacatek = milisekundy();
        bool udalost = false;
        QTimer::singleShot(0, this, [&] { udalost = true; });
        QElapsedTimer t;
        t.start();
        const double procesor = procesor_ms();
        cekej(ms);
        const double uplynulo = t.nsecsElapsed() / 1e6;
        // A busy loop would spend the whole wait.
        QVERIFY2(procesor_ms() - procesor < 10 + (ms > 0 ? ms : 0) / 10,
                 qPrintable(QString::number(procesor_ms() - procesor)));
        const bool obslouzeno = udalost;
        QCoreApplication::processEvents();
        const double cekano = ms > 0 ? std::floor(ms) : 0;
        QVERIFY2(uplynulo >= cekano && uplynulo < cekano + (ms > 0 ? 150 : 20), qPrintable(QString::number(uplynulo)));
        QCOMPARE(obslouzeno, ms > 0);
        if (pretoceni)
            QVERIFY(milisekundy() < zacatek);
    }
};

QTEST_MAIN(tst_pomucky_obrazovek)
#include "tst_pomucky_obrazovek.moc"
