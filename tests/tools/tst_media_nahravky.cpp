// Every sentence of the built exercise data file has its dictation recording, a playable
// WAV of a length that fits the sentence, and no recording is left without a sentence.
#include "data/kontejner.h"
#include "data/znacky.h"
#include "pomoc/instalace.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <QtTest>

namespace
{

struct wav_t {
    int format = 0, kanalu = 0, vzorkovani = 0, bitu = 0;
    qint64 dat = 0;
    qint64 velikost = 0;
    bool tichy = true;
};

// Reads a RIFF WAVE file's "fmt " and "data" chunks.
std::optional<wav_t> precti(const QString &cesta)
{
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray b = f.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    wav_t w;
    w.velikost = b.size();
    bool fmt = false;
    for (qsizetype i = 12; i + 8 <= b.size();) {
        const QByteArray id = b.mid(i, 4);
        const qint64 delka = qFromLittleEndian<quint32>(b.constData() + i + 4);
        if (id == "fmt " && delka >= 16) {
            w.format = qFromLittleEndian<quint16>(b.constData() + i + 8);
            w.kanalu = qFromLittleEndian<quint16>(b.constData() + i + 10);
            w.vzorkovani = static_cast<int>(qFromLittleEndian<quint32>(b.constData() + i + 12));
            w.bitu = qFromLittleEndian<quint16>(b.constData() + i + 22);
            fmt = true;
        } else if (id == "data") {
            if (i + 8 + delka > b.size())
                return std::nullopt;
            w.dat = delka;
            // Not silent: some sample far from the midpoint.
            for (qint64 k = 0; k < delka && w.tichy; ++k) {
                const int v = w.bitu == 8 ? static_cast<unsigned char>(b[i + 8 + k]) - 128
                                          : (k % 2 ? static_cast<signed char>(b[i + 8 + k]) : 0);
                w.tichy = std::abs(v) < 40;
            }
            return fmt ? std::optional<wav_t>(w) : std::nullopt;
        }
        i += 8 + delka + (delka & 1);
    }
    return std::nullopt;
}

} // namespace

class tst_media_nahravky : public QObject
{
    Q_OBJECT

    QStringList radky_;

private slots:
    void initTestCase()
    {
        const QString dat = QDir(postavena_data()).filePath(QStringLiteral("VERBANO2.DAT"));
        const auto radky = dekoduj_soubor(dat);
        QVERIFY2(radky.has_value(), qPrintable(dat + QStringLiteral(": build the data target")));
        radky_ = *radky;
        QVERIFY2(QFileInfo(QDir(postavena_media()).filePath(QStringLiteral("ZVUK"))).isDir(),
                 "no ZVUK folder: build the media target");
    }

    void sekce_data()
    {
        QTest::addColumn<QString>("klic");
        const QString dat = QDir(postavena_data()).filePath(QStringLiteral("VERBANO2.DAT"));
        const QStringList sekce = rozklicuj_dat_soubor(dat);
        QVERIFY(!sekce.isEmpty());
        for (const QString &klic : sekce)
            QTest::newRow(qPrintable(klic)) << klic;
    }
    // The exercise screen plays ZVUK/<section key>/<sentence number>.WAV.
    void sekce()
    {
        QFETCH(QString, klic);
        const sekce_t s = najdi_sekci(radky_, klic);
        QVERIFY(s.nalezena);
        QVERIFY(!s.radky.isEmpty());
        const QDir slozka(QDir(postavena_media()).filePath(QStringLiteral("ZVUK/") + klic));
        QSet<QString> ocekavane;
        for (const QString &radek : s.radky) {
            const QString nazev = cislo_vety_text(radek) + QStringLiteral(".WAV");
            ocekavane.insert(nazev);
            const auto w = precti(slozka.filePath(nazev));
            QVERIFY2(w.has_value(), qPrintable(klic + QLatin1Char('/') + nazev));
            QCOMPARE(w->format, 1); // PCM
            QCOMPARE(w->kanalu, 1);
            QVERIFY(w->bitu == 8 || w->bitu == 16);
            QVERIFY(w->vzorkovani >= 8000 && w->vzorkovani <= 22050);
            QVERIFY(!w->tichy);
            // Spoken at a dictation pace: roughly 8 to 20 characters a second, plus the pauses.
            const double delka = double(w->dat) / (w->vzorkovani * w->bitu / 8);
            const int znaku = vypis_vety(radek).spravna_veta.size();
            QVERIFY2(
                delka >= 0.5 + znaku / 25.0 && delka <= 1.5 + znaku / 6.0,
                qPrintable(QStringLiteral("%1/%2: %3 s for %4 characters").arg(klic, nazev).arg(delka).arg(znaku)));
        }
        // A recording whose sentence is gone would play a wrong sentence one day.
        const QStringList na_disku = slozka.entryList({QStringLiteral("*.WAV")}, QDir::Files);
        for (const QString &n : na_disku)
            QVERIFY2(ocekavane.contains(n), qPrintable(klic + QStringLiteral(": stray ") + n));
    }

    void zadna_slozka_navic()
    {
        const QString dat = QDir(postavena_data()).filePath(QStringLiteral("VERBANO2.DAT"));
        const QStringList sekce = rozklicuj_dat_soubor(dat);
        const QStringList slozky =
            QDir(QDir(postavena_media()).filePath(QStringLiteral("ZVUK"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &s : slozky)
            QVERIFY2(sekce.contains(s), qPrintable(QStringLiteral("ZVUK/") + s + QStringLiteral(" has no section")));
    }
};

QTEST_GUILESS_MAIN(tst_media_nahravky)
#include "tst_media_nahravky.moc"
