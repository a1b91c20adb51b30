// Reading the media's pictures: the quick path for 24-bit BMPs gives exactly Qt's pixels.
#include "shell/obrazky.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QImage vzor(int sirka, int vyska)
{
    QImage obrazek(sirka, vyska, QImage::Format_RGB32);
    for (int y = 0; y < vyska; ++y)
        for (int x = 0; x < sirka; ++x)
            obrazek.setPixel(x, y, qRgb(x * 37 % 256, y * 53 % 256, (x + y) * 11 % 256));
    return obrazek;
}

QByteArray jako_bmp(const QImage &obrazek, const char *format = "BMP")
{
    QByteArray bajty;
    QBuffer buffer(&bajty);
    buffer.open(QIODevice::WriteOnly);
    obrazek.save(&buffer, format);
    return bajty;
}

// The same picture stored top-down: negative height, rows in screen order.
QByteArray shora_dolu(const QByteArray &bmp, int vyska)
{
    QByteArray vysledek = bmp;
    const int data = qFromLittleEndian<qint32>(bmp.constData() + 10);
    const int radek = (bmp.size() - data) / vyska;
    qToLittleEndian<qint32>(-vyska, vysledek.data() + 22);
    for (int y = 0; y < vyska; ++y)
        std::memcpy(vysledek.data() + data + y * radek, bmp.constData() + data + (vyska - 1 - y) * radek, radek);
    return vysledek;
}

} // namespace

class tst_obrazky : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString zapis(const QByteArray &bajty)
    {
        static int cislo = 0;
        QFile f(dir_.filePath(QStringLiteral("%1.BMP").arg(++cislo)));
        f.open(QIODevice::WriteOnly);
        f.write(bajty);
        return f.fileName();
    }

private slots:
    void stejne_jako_qt_data()
    {
        QTest::addColumn<int>("sirka");
        QTest::addColumn<int>("vyska");
        QTest::addColumn<bool>("shora");
        QTest::newRow("row without padding") << 4 << 3 << false;
        QTest::newRow("rows padded to four bytes") << 5 << 7 << false;
        QTest::newRow("one pixel") << 1 << 1 << false;
        QTest::newRow("a topic button") << 213 << 29 << false;
        QTest::newRow("top-down rows") << 5 << 7 << true;
        QTest::newRow("whole groups of four") << 8 << 2 << false;
        QTest::newRow("groups of four and three more") << 11 << 3 << true;
    }
    void stejne_jako_qt()
    {
        QFETCH(int, sirka);
        QFETCH(int, vyska);
        QFETCH(bool, shora);
        const QImage puvodni = vzor(sirka, vyska);
        QByteArray bmp = jako_bmp(puvodni);
        QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
        if (shora)
            bmp = shora_dolu(bmp, vyska);
        const auto obrazek = nacti_obrazek_souboru(zapis(bmp));
        QVERIFY(obrazek);
        QCOMPARE(obrazek->format(), QImage::Format_RGB32);
        QCOMPARE(*obrazek, puvodni);
    }

    void ostatni_formaty_cte_qt()
    {
        // A palette picture and a PNG go through Qt's own reader.
        const QImage puvodni = vzor(6, 4);
        const QImage paleta = puvodni.convertToFormat(QImage::Format_Indexed8);
        const auto bmp8 = nacti_obrazek_souboru(zapis(jako_bmp(paleta)));
        QVERIFY(bmp8);
        QCOMPARE(*bmp8, paleta.convertToFormat(QImage::Format_RGB32));
        const auto png = nacti_obrazek_souboru(zapis(jako_bmp(puvodni, "PNG")));
        QVERIFY(png);
        QCOMPARE(*png, puvodni);
    }

    void poskozene_soubory()
    {
        const QByteArray bmp = jako_bmp(vzor(20, 20));
        QVERIFY(!nacti_obrazek_souboru(zapis(bmp.left(30))));
        QVERIFY(!nacti_obrazek_souboru(zapis(QByteArray())));
        QVERIFY(!nacti_obrazek_souboru(dir_.filePath(QStringLiteral("nie.BMP"))));
        QByteArray nesmysl = bmp;
        qToLittleEndian<qint32>(0x7fffffff, nesmysl.data() + 18);
        QVERIFY(!nacti_obrazek_souboru(zapis(nesmysl)));
    }
};

QTEST_GUILESS_MAIN(tst_obrazky)
#include "tst_obrazky.moc"
