// The media folder the renderer builds: every picture a screen can ask for, a recording of
// every sentence, and a rebuild that redoes only what changed.
#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/soubory.h"
#include "data/kontejner.h"
#include "data/znacky.h"
#include "diktat.h"
#include "exercise/obrazky_cviceni.h"
#include "nahrady/instalace.h"
#include "sestaveni.h"
#include "spolecne.h"
#include "zvuk.h"

#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

QString v_mediich(const QString &nazev) { return QDir(postavena_media()).filePath(nazev); }
QImage nacti(const QString &nazev) { return QImage(v_mediich(nazev)).convertToFormat(QImage::Format_RGB32); }

// The set-up screen's count areas 0..3 by their bitmap codes.
const char *kody_cisel[4] = {"1X", "2X", "3X", "NE"};

// Every picture a screen asks for, the exercise screen's names from its own lists ("%1":
// 0 plain, 1 hover or chosen).
QStringList vsechny_obrazky()
{
    const QString sel = "GRAFIKA/SELECT/", set = "GRAFIKA/SETUP/";
    QStringList s{sel + "BCKG.BMP",        sel + "MKONEH.BMP",        "GRAFIKA/TITLE.BMP", "GRAFIKA/CREDITS.BMP",
                  "GRAFIKA/TABS/BCKG.BMP", "GRAFIKA/HELP/SETUP2.BMP", "GRAFIKA/MZPET.BMP", "GRAFIKA/TISKNI.BMP",
                  set + "MZPETH.BMP",      set + "NAP_%1.BMP"};
    for (int i = 0; i < 6; ++i)
        s << set + QString("SIPKA_%1.BMP").arg(5 * (i + 1), 2, 10, QLatin1Char('0'));
    for (int i = 0; i < 4; ++i)
        s << set + QString("SIPKA_T%1.BMP").arg(i + 1) << set + "NAD_" + kody_cisel[i] + "_%1.BMP";
    for (druh_t d : vsechny_druhy)
        s << set + "TU_" + kod_bitmapy(d) + "_%1.BMP" << set + "SMPL_" + kod_bitmapy(d) + ".BMP"
          << set + "SMPL_" + kod_bitmapy(d) + "2.BMP";
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r) {
        s << sel + QString("L_%1_%2.BMP").arg(r);
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
            s << sel + QString("R_%1%2_%3.BMP").arg(r).arg(t) << set + QString("BG_%1%2.BMP").arg(r).arg(t);
            for (druh_t d : vsechny_druhy)
                s << obrazky_cviceni::napoveda(r, t, d) << obrazky_cviceni::vsechny(r, t, d);
        }
    }
    QStringList nazvy;
    for (const QString &n : s)
        nazvy << (n.contains('%') ? QStringList{n.arg(0), n.arg(1)} : QStringList{n});
    nazvy.removeDuplicates();
    return nazvy;
}

// The ratio of the signal to the difference, in dB.
double odstup(const wav::pcm_t &a, const wav::pcm_t &b)
{
    const auto *x = reinterpret_cast<const qint16 *>(a.data.constData()),
               *y = reinterpret_cast<const qint16 *>(b.data.constData());
    double s = 0, e = 0;
    for (qsizetype i = 0; i < a.data.size() / 2; ++i)
        s += double(x[i]) * x[i], e += double(x[i] - y[i]) * (x[i] - y[i]);
    return 10 * std::log10(s / std::max(e, 1.0));
}

} // namespace

class tst_media : public QObject
{
    Q_OBJECT

    QString dat_ = QDir(postavena_data()).filePath("VERBANO2.DAT");

private slots:
    void initTestCase()
    {
        QVERIFY2(!nacti(obrazky_cviceni::pozadi).isNull() && QFile::exists(dat_),
                 "build the media and data targets first");
    }

    void obrazek_data()
    {
        QTest::addColumn<QString>("nazev");
        for (const QString &nazev : vsechny_obrazky())
            QTest::newRow(qPrintable(nazev)) << nazev;
    }
    // Every picture is there; all but the help pictures in 24 bits (exact colours).
    void obrazek()
    {
        QFETCH(QString, nazev);
        QVERIFY(!QImage(v_mediich(nazev), "BMP").isNull());
        if (!nazev.startsWith("GRAFIKA/HELP/"))
            QCOMPARE(int(static_cast<unsigned char>(obsah(v_mediich(nazev)).at(28))), 24);
    }

    void nahravky_data()
    {
        QTest::addColumn<QString>("klic");
        for (const QString &klic : rozklicuj_dat_soubor(dat_))
            QTest::newRow(qPrintable(klic)) << klic;
    }
    // The exercise screen plays ZVUK/<section key>/<sentence number>.WAV: read back by the
    // program's own reader as mono 16-bit PCM (an even data chunk), not silent, spoken at a
    // dictation pace; no recording is left without its sentence.
    void nahravky()
    {
        QFETCH(QString, klic);
        const sekce_t s = nacti_sekci(dat_, klic);
        QVERIFY(s.nalezena && !s.radky.isEmpty());
        const QDir slozka(v_mediich("ZVUK/" + klic));
        QStringList ocekavane;
        for (const QString &radek : s.radky) {
            const QString nazev = cislo_vety_text(radek) + ".WAV";
            ocekavane.append(nazev);
            const auto p = wav::precti(obsah(slozka.filePath(nazev)));
            const auto z = zvuk::precti_wav(obsah(slozka.filePath(nazev)));
            QVERIFY2(p && z, qPrintable(nazev));
            QVERIFY(p->kanalu == 1 && p->bitu == 16 && p->vzorkovani >= 8000 && p->vzorkovani <= 22050);
            QVERIFY(obsah(slozka.filePath(nazev)).size() < p->data.size() / 3); // stored compressed
            QVERIFY(*std::max_element(z->vzorky.begin(), z->vzorky.end()) > 0.3f);
            const int znaku = int(vypis_vety(radek).spravna_veta.size());
            QVERIFY2(p->delka() >= 0.5 + znaku / 25.0 && p->delka() <= 1.5 + znaku / 6.0,
                     qPrintable(QString("%1: %2 s for %3 characters").arg(nazev).arg(p->delka()).arg(znaku)));
        }
        ocekavane.sort();
        QCOMPARE(slozka.entryList({"*.WAV"}, QDir::Files), ocekavane);
    }

    void ima_adpcm_data()
    {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<double>("mez"); // the least ratio of signal to error, dB
        const auto veta =
            diktat::namluv(diktat::hlas_t{.bitu = 16}, "Na jeseň sme s dedkom zbierali v lese huby a gaštany.");
        QVERIFY(veta);
        QTest::newRow("a spoken sentence") << *veta << 20.5; // 21.4; 19.2 without the look-ahead
        const QByteArray d = wav::precti(*veta)->data;       // forwards on the left, backwards on the right
        wav::pcm_t stereo{2, diktat::hlas_t{}.vzorkovani, 16, {}};
        for (qsizetype i = 0; i < d.size(); i += 2)
            stereo.data.append(d.mid(i, 2)).append(d.mid(d.size() - 2 - i, 2));
        QTest::newRow("stereo") << wav::zapis(stereo) << 20.5;
    }
    // IMA ADPCM as stored: read back close to the sound and of its length; another program's
    // reader gives the same samples, and the files of its writer are read as it reads them.
    void ima_adpcm()
    {
        QFETCH(QByteArray, wav);
        QFETCH(double, mez);
        const auto puvodni = wav::precti(wav);
        QVERIFY(puvodni);
        const QByteArray ima = wav::zapis_ima(*puvodni);
        const auto p = wav::precti(ima);
        QVERIFY(p && p->kanalu == puvodni->kanalu && p->vzorkovani == puvodni->vzorkovani &&
                p->snimku() == puvodni->snimku());
        QVERIFY2(odstup(*puvodni, *p) >= mez, qPrintable(QString::number(odstup(*puvodni, *p))));

        const QString prevod = QStandardPaths::findExecutable("sndfile-convert");
        if (prevod.isEmpty())
            QSKIP("sndfile-convert (sndfile-programs) is not installed");
        QTemporaryDir dir;
        auto preved = [&, n = 0](const QByteArray &b, const char *na) mutable {
            const QString a = dir.filePath(QString("%1.wav").arg(++n)), ven = dir.filePath(QString("%1.wav").arg(++n));
            return zapis_cely_soubor(a, b) && spust(prevod, {na, a, ven}).first == 0 ? obsah(ven) : QByteArray();
        };
        const auto jejich = wav::precti(preved(ima, "-pcm16")); // it decodes the last block whole
        QVERIFY(jejich && jejich->data.startsWith(p->data));
        const QByteArray jejich_ima = preved(wav, "-ima-adpcm"); // in blocks of its own size
        const auto nase = wav::precti(jejich_ima);
        const auto jejich_pcm = wav::precti(preved(jejich_ima, "-pcm16"));
        QVERIFY(nase && jejich_pcm && jejich_pcm->data.startsWith(nase->data) && nase->snimku() >= puvodni->snimku());
    }

    // A build makes what is missing or changed, keeps the rest, reports a failure and tries
    // it again next time, and removes what it made before and no task makes any more.
    void sestaveni()
    {
        QTemporaryDir dir;
        const QString cil = dir.filePath("media"), manifest = dir.filePath("m.txt");
        std::atomic<int> volani{0};
        int pokusy = 0;
        const auto ukol = [&](const QString &nazev, const QByteArray &obsah) {
            return sestaveni::ukol_t{nazev, obsah, [obsah, &volani](QString *) -> std::optional<QByteArray> {
                                         ++volani;
                                         return obsah;
                                     }};
        };
        QList<sestaveni::ukol_t> ukoly;
        for (int i = 0; i < 200; ++i)
            ukoly.append(ukol(QString("ZVUK/5_1/%1.WAV").arg(i), QByteArray::number(i)));
        QCOMPARE(sestaveni::sestav(ukoly, cil, manifest, 2).vytvoreno, 200);
        QCOMPARE(obsah(cil + "/ZVUK/5_1/137.WAV"), QByteArray("137"));
        QCOMPARE(sestaveni::sestav(ukoly, cil, manifest, 2).beze_zmeny, 200);
        QCOMPARE(volani.load(), 200);

        // Three tasks left, one of them changed and one's file deleted; a task that fails
        // once; a second task of one file; a file that is not the build's to remove.
        ukoly = ukoly.mid(0, 3);
        ukoly[1] = ukol(ukoly[1].nazev, "zmena");
        QFile::remove(cil + "/ZVUK/5_1/2.WAV");
        QFile(cil + "/CIZI.TXT").open(QIODevice::WriteOnly);
        ukoly.append({"X.WAV", "x", [&](QString *chyba) -> std::optional<QByteArray> {
                          if (pokusy++ == 0)
                              *chyba = "voice missing";
                          return pokusy == 1 ? std::nullopt : std::optional(QByteArray("ok"));
                      }});
        ukoly.append(ukol("ZVUK/5_1/0.WAV", "twice"));
        auto v = sestaveni::sestav(ukoly, cil, manifest, 1);
        QCOMPARE((QList<int>{v.vytvoreno, v.beze_zmeny, v.smazano, int(v.chyby.size())}), (QList<int>{2, 1, 197, 2}));
        QVERIFY(v.chyby.contains("X.WAV: voice missing"));
        QCOMPARE(obsah(cil + "/ZVUK/5_1/1.WAV"), QByteArray("zmena"));
        QVERIFY(QFile::exists(cil + "/ZVUK/5_1/2.WAV") && !QFile::exists(cil + "/ZVUK/5_1/3.WAV"));
        QVERIFY(QFile::exists(cil + "/CIZI.TXT"));
        ukoly.removeLast();
        v = sestaveni::sestav(ukoly, cil, manifest, 1);
        QVERIFY(v.chyby.isEmpty() && v.vytvoreno == 1);
    }
};

QTEST_GUILESS_MAIN(tst_media)
#include "tst_media.moc"
