// Painting the page model into the page buffer: the cleared page, plain and transparent
// copies, the text where the model puts it, the marks after checking.
#include "common/pismo.h"
#include "exercise/kontrola.h"
#include "exercise/kresleni_stranky.h"
#include "pomoc_stranky.h"

#include <QPainter>
#include <QtTest>

namespace
{

const QRgb ram = qRgb(10, 20, 30);
const QRgb papier = qRgb(250, 240, 200);
const QRgb box = qRgb(255, 255, 255);
const QRgb kryt = qRgb(40, 120, 40);
const QRgb klic = qRgb(255, 0, 255);
const QRgb spodok = qRgb(200, 40, 40);

QImage plocha(int w, int h, QRgb barva)
{
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(barva);
    return i;
}

// The screen's picture: a frame around the page, the page colour at (23, 86).
QImage podklad()
{
    QImage i = plocha(640, 480, ram);
    i.setPixel(23, 86, papier);
    return i;
}

// Bitmaps in plain colours; the right cover piece is key-coloured in its left half.
obrazky_t bitmapy()
{
    obrazky_t o;
    o.insert(obrazky_stranky::veta, plocha(540, 72, box));
    o.insert(obrazky_stranky::kryt_levy, plocha(40, 34, kryt));
    QImage pravy = plocha(20, 34, kryt);
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 10; ++x)
            pravy.setPixel(x, y, klic);
    o.insert(obrazky_stranky::kryt_pravy, pravy);
    o.insert(obrazky_stranky::kryt_spodni, plocha(540, 9, spodok));
    o.insert(obrazky_stranky::opakovani(2), plocha(21, 21, qRgb(1, 2, 3)));
    o.insert(obrazky_znacek::spravne, plocha(30, 30, qRgb(0, 200, 0)));
    o.insert(obrazky_znacek::spatne, plocha(30, 30, qRgb(200, 0, 0)));
    return o;
}

bool ma_tmavy_pixel(const QImage &i, const QRect &r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(i.pixel(x, y)) < 100)
                return true;
    return false;
}

} // namespace

class tst_kresleni_stranky : public QObject
{
    Q_OBJECT

private slots:
    void jednoradkova_stranka()
    {
        stav_cviceni_t s =
            cviceni({QStringLiteral("Pes <b#p>eží.*1"), QStringLiteral("P¦e¦<s#z>.*2")}, druh_t::doplnovacka, true, 2);
        const stranka_t stranka = rozvrhni(s);
        const QImage i = vykresli_stranku(stranka, podklad(), bitmapy());
        QCOMPARE(i.size(), QSize(640, 480));
        // The page is cleared to the colour of (23, 86); the frame around it stays.
        QCOMPARE(i.pixel(20, 470), papier);
        QCOMPARE(i.pixel(5, 5), ram);
        QCOMPARE(i.pixel(630, 300), ram);
        // One line: the left and bottom covers over the box, the right piece transparent
        // where it has the colour of its pixel (0, 20).
        QCOMPARE(i.pixel(46, 87), kryt);
        QCOMPARE(i.pixel(46, 112), spodok);
        QCOMPARE(i.pixel(569 + 2, 90), box);
        QCOMPARE(i.pixel(569 + 15, 90), kryt);
        QCOMPARE(i.pixel(300, 87 + 40), box); // the box below the cover stays as it was drawn
        // The counter picture stands at x 22.
        QCOMPARE(i.pixel(22 + 5, stranka.vety[0].repro.obdelnik.top() + 5), qRgb(1, 2, 3));
        // Three lines: no cover.
        QCOMPARE(i.pixel(46, 87 + 36), box);
        // Text where the model puts it.
        for (const kresba_t &k : texty(stranka)) {
            const QRect r(k.poloha, QSize(sirka_stranky()(k.text, k.body), 18));
            QVERIFY(ma_tmavy_pixel(i, r));
        }
    }

    void chybejici_bitmapa_se_vynecha()
    {
        stav_cviceni_t s = cviceni({QStringLiteral("Pes <b#p>eží.*1")}, druh_t::vyberovka);
        const QImage i = vykresli_stranku(rozvrhni(s), podklad(), {});
        QCOMPARE(i.pixel(46, 87), papier);
        QCOMPARE(i.pixel(5, 5), ram);
    }

    // The model's widths are the widths drawn: a run drawn whole puts every glyph where
    // drawing character by character at the measured advances does.
    void beh_odpovida_sirkam_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("body");
        const QString veta = QStringLiteral("Ťažký kôň žral ďatelinu, „áno“ povedal Ľubo: Í Ý ô ä ŕ ĺ!");
        QTest::newRow("12 points") << veta << 12;
        QTest::newRow("10 points") << veta << 10;
    }
    void beh_odpovida_sirkam()
    {
        QFETCH(QString, text);
        QFETCH(int, body);
        QImage cely = plocha(640, 40, box);
        QImage po_znakoch = cely;
        kresba_t k;
        k.druh = kresba_t::druh_t::text;
        k.poloha = QPoint(3, 5);
        k.text = text;
        k.body = body;
        vykresli_kresby(cely, {k}, {});
        int x = k.poloha.x();
        for (const QChar z : text) {
            kresba_t jeden = k;
            jeden.poloha.setX(x);
            jeden.text = QString(z);
            vykresli_kresby(po_znakoch, {jeden}, {});
            x += sirka_stranky()(QString(z), body);
        }
        QCOMPARE(cely, po_znakoch);
        QVERIFY(!ma_tmavy_pixel(cely, QRect(x + 2, 0, 640 - x - 2, 40)));
    }

    void znacky_po_kontrole()
    {
        stav_cviceni_t s =
            cviceni({QStringLiteral("Pes <b#p>eží.*1"), QStringLiteral("Ide <v#f>on.*2")}, druh_t::doplnovacka);
        stranka_t stranka = rozvrhni(s);
        QImage i = vykresli_stranku(stranka, podklad(), bitmapy());
        spolecny_stav_t spolecny;
        const vysledek_kontroly_t v = zkontroluj_priklady(stranka, {"b", "f"}, {}, s, spolecny);
        vykresli_kresby(i, v.kresby_znacek, bitmapy());
        QCOMPARE(i.pixel(586 + 3, 87 + 3), qRgb(0, 200, 0));
        QCOMPARE(i.pixel(586 + 3, 87 + 36 + 3), qRgb(200, 0, 0));
    }
};

QTEST_MAIN(tst_kresleni_stranky)
#include "tst_kresleni_stranky.moc"
