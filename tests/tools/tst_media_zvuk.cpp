// The sound pipeline of the media renderer: WAV files in and out, resampling, trimming,
// and the parsing of the topics' help texts.
#include "texty.h"
#include "zvuk.h"

#include <QtTest>
#include <cmath>

namespace
{

zvuk_t sinus(int vzorkovani, double frekvence, double delka, float amplituda)
{
    zvuk_t z;
    z.vzorkovani = vzorkovani;
    const int n = static_cast<int>(vzorkovani * delka);
    for (int i = 0; i < n; ++i)
        z.vzorky.append(amplituda * static_cast<float>(std::sin(2 * M_PI * frekvence * i / vzorkovani)));
    return z;
}

double rms(const zvuk_t &z, qsizetype od, qsizetype po)
{
    double s = 0;
    for (qsizetype i = od; i < po; ++i)
        s += double(z.vzorky[i]) * z.vzorky[i];
    return std::sqrt(s / (po - od));
}

int pruchody_nulou(const zvuk_t &z, qsizetype od, qsizetype po)
{
    int n = 0;
    for (qsizetype i = od + 1; i < po; ++i)
        n += (z.vzorky[i - 1] < 0) != (z.vzorky[i] < 0);
    return n;
}

} // namespace

class tst_media_zvuk : public QObject
{
    Q_OBJECT

private slots:
    void wav_tam_a_zpet_data()
    {
        QTest::addColumn<int>("bitu");
        QTest::addColumn<double>("presnost");
        QTest::newRow("16 bits") << 16 << 1.0 / 16000;
        QTest::newRow("8 bits") << 8 << 3.0 / 128; // one step plus the dither
    }
    void wav_tam_a_zpet()
    {
        QFETCH(int, bitu);
        QFETCH(double, presnost);
        const zvuk_t z = sinus(12000, 440, 0.25, 0.8f);
        const QByteArray b = zvuk::zapis_wav(z, bitu);
        const auto h = zvuk::precti_hlavicku(b);
        QVERIFY(h.has_value());
        QCOMPARE(h->format, 1);
        QCOMPARE(h->kanalu, 1);
        QCOMPARE(h->vzorkovani, 12000);
        QCOMPARE(h->bitu, bitu);
        QCOMPARE(h->delka(), 0.25);
        const auto zpet = zvuk::precti_wav(b);
        QVERIFY(zpet.has_value());
        QCOMPARE(zpet->vzorky.size(), z.vzorky.size());
        for (qsizetype i = 0; i < z.vzorky.size(); ++i)
            QVERIFY2(std::abs(zpet->vzorky[i] - z.vzorky[i]) <= presnost, qPrintable(QString::number(i)));
        // The same sound gives the same bytes: a rebuild does not rewrite what did not change.
        QCOMPARE(zvuk::zapis_wav(z, bitu), b);
    }

    // Eight-bit files carry dither while there is sound, but a pause stays digital silence.
    void ticho_zustava_tichem()
    {
        zvuk_t z = sinus(12000, 300, 0.2, 0.5f);
        z.vzorky += QList<float>(1200, 0.0f);
        const QByteArray b = zvuk::zapis_wav(z, 8);
        const QByteArray pauza = b.right(1200);
        QCOMPARE(pauza, QByteArray(1200, char(128)));
    }

    void cizi_bajty_nejsou_wav_data()
    {
        QTest::addColumn<QByteArray>("bajty");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("hello world, this is not a sound file");
        QByteArray bez_dat = zvuk::zapis_wav(sinus(8000, 100, 0.01, 0.5f), 16).left(36);
        QTest::newRow("no data chunk") << bez_dat;
        QByteArray float_wav = zvuk::zapis_wav(sinus(8000, 100, 0.01, 0.5f), 16);
        float_wav[20] = 3; // IEEE float: not what the program's sound files are
        QTest::newRow("not PCM") << float_wav;
    }
    void cizi_bajty_nejsou_wav()
    {
        QFETCH(QByteArray, bajty);
        QVERIFY(!zvuk::precti_wav(bajty).has_value());
    }

    // A stream from a pipe announces a huge data length; what is there is read.
    void delka_dat_z_roury()
    {
        QByteArray b = zvuk::zapis_wav(sinus(22050, 300, 0.1, 0.5f), 16);
        qToLittleEndian<quint32>(0x7ffff000u, b.data() + 40);
        const auto z = zvuk::precti_wav(b);
        QVERIFY(z.has_value());
        QCOMPARE(z->vzorky.size(), qsizetype(2205));
    }

    void prevzorkovani_data()
    {
        QTest::addColumn<double>("frekvence");
        QTest::addColumn<bool>("projde");
        QTest::newRow("speech band passes") << 1000.0 << true;
        QTest::newRow("sibilants up to 5 kHz pass") << 5000.0 << true;
        QTest::newRow("above the new Nyquist limit is removed") << 7500.0 << false;
    }
    // 22050 → 12000: what fits the new rate keeps its pitch and level, the rest is gone
    // instead of folding back as a false tone.
    void prevzorkovani()
    {
        QFETCH(double, frekvence);
        QFETCH(bool, projde);
        const zvuk_t z = zvuk::prevzorkuj(sinus(22050, frekvence, 1.0, 0.5f), 12000);
        QCOMPARE(z.vzorkovani, 12000);
        QVERIFY(std::abs(z.vzorky.size() - 12000) <= 1);
        const double uroven = rms(z, 1000, 11000);
        if (projde) {
            QVERIFY2(std::abs(uroven - 0.5 / std::sqrt(2.0)) < 0.03, qPrintable(QString::number(uroven)));
            const int ocekavane = static_cast<int>(2 * frekvence * 10000 / 12000);
            QVERIFY(std::abs(pruchody_nulou(z, 1000, 11000) - ocekavane) <= 2);
        } else {
            QVERIFY2(uroven < 0.01, qPrintable(QString::number(uroven)));
        }
    }

    void orez_ticha()
    {
        zvuk_t z;
        z.vzorkovani = 1000;
        z.vzorky = QList<float>(500, 0.0f) + sinus(1000, 50, 0.2, 0.5f).vzorky + QList<float>(800, 0.001f);
        const zvuk_t o = zvuk::orizni_ticho(z, 0.004f, 0.1, 0.3);
        // 0.1 s before the first loud sample, 0.3 s after the last one.
        QVERIFY(std::abs(o.vzorky.size() - (100 + 200 + 300)) <= 4);
        QVERIFY(zvuk::orizni_ticho(zvuk_t{1000, QList<float>(100, 0.0f)}, 0.004f, 0.1, 0.3).vzorky.isEmpty());
    }

    void zvuky_rozhrani_jsou_kratke_a_slysitelne()
    {
        for (const zvuk_t &z : {zvuk::klik(), zvuk::vstup()}) {
            QVERIFY(z.delka() > 0.02 && z.delka() < 0.2);
            float spicka = 0;
            for (float v : z.vzorky)
                spicka = std::max(spicka, std::abs(v));
            QVERIFY(spicka > 0.1f && spicka <= 1.0f);
            // It fades out: no click at its end.
            QVERIFY(std::abs(z.vzorky.last()) < 0.01f);
        }
    }

    void napoveda_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("odstavce"); // "• " marks an example
        QTest::newRow("lines of a paragraph join")
            << QStringLiteral("Prvý riadok\npokračuje tu.\n\nDruhý odsek.")
            << QStringList{QStringLiteral("Prvý riadok pokračuje tu."), QStringLiteral("Druhý odsek.")};
        QTest::newRow("examples stand alone")
            << QStringLiteral("Pravidlo.\n• dub, lebo duba\n• hrad, lebo hradu\nEšte poznámka.")
            << QStringList{QStringLiteral("Pravidlo."), QStringLiteral("• dub, lebo duba"),
                           QStringLiteral("• hrad, lebo hradu"), QStringLiteral("Ešte poznámka.")};
        QTest::newRow("blank lines and spaces")
            << QStringLiteral("\n\n  Jeden.  \n\n\n") << QStringList{QStringLiteral("Jeden.")};
        QTest::newRow("empty") << QString() << QStringList{};
    }
    void napoveda()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, odstavce);
        QStringList vysledek;
        for (const odstavec_t &o : precti_napovedu(text))
            vysledek.append((o.priklad ? QStringLiteral("• ") : QString()) + o.text);
        QCOMPARE(vysledek, odstavce);
    }
};

QTEST_GUILESS_MAIN(tst_media_zvuk)
#include "tst_media_zvuk.moc"
