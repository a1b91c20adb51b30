// The program's sound device against a real sound server: a private PulseAudio whose null
// sink's monitor is recorded. Every sound started is heard whole and soon, pause silences
// and resume goes on where it stopped, a new sound cuts the old one, and a file that cannot
// be played leaves the device stopped.
#include "common/wav.h"
#include "nahrady/instalace.h"
#include "pomoc/zvukovy_server.h"
#include "shell/zvuk.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtTest>
#include <cmath>
#include <sys/stat.h>

using rezim_t = zvukove_zarizeni::rezim_t;
using usek_t = zvukovy_server::usek_t;

namespace
{

constexpr qint64 ms = 1000; // the server's clock counts microseconds
qint64 ted() { return zvukovy_server::ted_us(); }

// The longest recording of the whole-text dictations.
QString dlouha()
{
    return QDir(postavena_media() + "/ZVUK/9_6").entryInfoList({"*.WAV"}, QDir::Files, QDir::Size)[0].filePath();
}

std::optional<wav::pcm_t> nacti(const QString &cesta)
{
    QFile f(cesta);
    return QFileInfo(cesta).isFile() && f.open(QIODevice::ReadOnly) ? wav::precti(f.readAll()) : std::nullopt;
}

// The same sound as 8-bit mono with an odd number of samples, or as 8-bit stereo; each
// behind an odd-sized chunk that a reader must skip with its pad byte.
QByteArray osmibitovy(const wav::pcm_t &p, int kanalu)
{
    const QByteArray d = wav::na_16_bitu(p);
    wav::pcm_t v{kanalu, p.vzorkovani, 8, {}};
    const qint64 n = p.snimku() - (kanalu == 1 && p.snimku() % 2 == 0);
    for (qint64 i = 0; i < n; ++i)
        v.data.append(kanalu, char((qFromLittleEndian<qint16>(d.constData() + 2 * i * p.kanalu) >> 8) + 128));
    QByteArray b = wav::zapis(v);
    const QByteArray kus = QByteArray("LIST\x05\0\0\0INFO\0\0", 14);
    b.insert(36, kus);
    qToLittleEndian<quint32>(quint32(b.size() - 8), b.data() + 4);
    return b;
}

} // namespace

class tst_zvuk_server : public QObject
{
    Q_OBJECT

    std::unique_ptr<zvukovy_server> server_;
    QTemporaryDir dir_;

    QString zapis(const QString &jmeno, const QByteArray &b) const
    {
        QFile f(dir_.filePath(jmeno));
        return f.open(QIODevice::WriteOnly) && f.write(b) == b.size() ? f.fileName() : QString();
    }

private slots:
    void initTestCase()
    {
        server_ = std::make_unique<zvukovy_server>();
        if (!server_->chyba().isEmpty())
            QSKIP(qPrintable(server_->chyba()));
        // Qt's audio devices come from the PulseAudio client library, which reads this.
        qputenv("PULSE_SERVER", server_->adresa().toLocal8Bit());
        QVERIFY(server_->nahravej());
        QVERIFY(!QMediaDevices::defaultAudioOutput().isNull());
    }

    void slyseno_cele_data()
    {
        QTest::addColumn<QString>("cesta");
        QTest::addColumn<bool>("pauza"); // paused on a loud place for a while
        const auto radek = [](const QString &nazev, const QString &cesta, bool pauza = false) {
            QTest::newRow(qPrintable(nazev)) << cesta << pauza;
        };
        const QString zvuky = postavena_media() + "/ZVUK/";
        for (const char *zvuk : {"CLICK.WAV", "CLICK.WAV", "ENTER.WAV"}) // the same file twice too
            radek(zvuk, zvuky + zvuk);
        radek("the longest recording, paused", dlouha(), true);
        const auto klik = nacti(zvuky + "CLICK.WAV");
        QVERIFY(klik);
        radek("8-bit stereo click", zapis("STEREO.WAV", osmibitovy(*klik, 2)));
        // A recording as 8-bit with an odd-sized data chunk, as another recording folder may hold it.
        const QString tema = QDir(zvuky).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)[0].filePath();
        const auto pcm = nacti(QDir(tema).entryInfoList({"*.WAV"}, QDir::Files, QDir::Size).last().filePath());
        QVERIFY(pcm);
        radek("8-bit odd recording", zapis("ODD.WAV", osmibitovy(*pcm, 1)));
        // Files that lie about their sizes or hold no PCM or IMA ADPCM sound.
        const QByteArray dobry = wav::zapis({1, 8000, 16, QByteArray(16000, '\x40')});
        const auto zly = [&](const char *n, QByteArray b) {
            QVERIFY2(!wav::precti(b), n);
            radek(n, zapis(n, b));
        };
        const auto s = [](int kde, QByteArray za, QByteArray b) { return b.replace(kde, za.size(), za); };
        zly("data longer than the file", dobry.left(3000));
        zly("data size past the end", s(40, QByteArray("\xff\xff\x00\x00", 4), dobry));
        zly("no channels", s(22, QByteArray("\0\0", 2), dobry));
        zly("24 bits", s(34, QByteArray("\x18\0", 2), dobry));
        zly("compressed", s(20, QByteArray("\x02\0", 2), dobry));
        zly("block size lies", s(32, QByteArray("\x07\0", 2), dobry));
        zly("empty data", wav::zapis({1, 8000, 16, {}}));
        const QByteArray ima = wav::zapis_ima(*klik); // two blocks of 256 bytes
        const auto le = [](quint32 v) { return QByteArray(reinterpret_cast<const char *>(&v), 4); }; // on x86
        const auto data_jen = [&](quint32 n) { return s(4, le(52 + n), s(56, le(n), ima.left(60 + n))); };
        radek("ADPCM with a short last block", zapis("KRATSI.WAV", data_jen(256 + 156)));
        QCOMPARE(wav::precti(data_jen(256 + 156))->snimku(), 505 + 1 + (156 - 4) / 4 * 8);
        zly("ADPCM step index past the table", s(62, "\x59", ima));
        zly("ADPCM block of no whole groups", s(32, "\xfe", ima));
        zly("ADPCM block of no size", s(32, QByteArray(2, 0), ima));
        zly("ADPCM data shorter than a header", data_jen(3));
        zly("text", "RIFF this is not a sound at all, only some text");
        radek("missing file", dir_.filePath("NENI.WAV"));
        radek("a pipe", dir_.filePath("ROURA.WAV"));
        QVERIFY(QFile::exists(dir_.filePath("ROURA.WAV")) ||
                ::mkfifo(qPrintable(dir_.filePath("ROURA.WAV")), 0600) == 0);
    }
    // Heard from its first audible sample to its last, at its level, within 60 ms of the
    // command (the file's own lead-in of silence aside), the device reading playing until
    // then. Paused on a loud place it falls silent within 30 ms and stays so; resumed, it
    // sounds within 30 ms and plays the rest, so that it is heard whole once. A file that
    // cannot be played is never heard, and pause and play leave it stopped.
    void slyseno_cele()
    {
        QFETCH(QString, cesta);
        QFETCH(bool, pauza);
        const auto pcm = nacti(cesta);
        const qint64 start = ted();
        prehraj_zvuk(cesta);
        QCOMPARE(zvuk_zdroj().soubor(), cesta);
        qint64 pozastaveno = 0, obnoveno = 0;
        if (pauza) {
            const qint64 kde = zvukovy_server::hlasite_misto(*pcm, 1000 * ms);
            QVERIFY(kde > 0);
            while (ted() < start + kde)
                QTest::qWait(1);
            pozastaveno = ted();
            zvuk_zdroj().pozastav();
            QTest::qWait(600);
            QCOMPARE(zvuk_zdroj().rezim(), rezim_t::pozastaveno);
            obnoveno = ted();
            zvuk_zdroj().hraj();
            QCOMPARE(zvuk_zdroj().rezim(), rezim_t::hraje);
        } else if (!pcm) {
            zvuk_zdroj().pozastav();
            zvuk_zdroj().hraj();
        }
        (void)QTest::qWaitFor([] { return !zvuk_zdroj().hraje(); }, pcm ? int(pcm->delka() * 1000) + 2000 : 150);
        const qint64 konec = ted();
        QTest::qWait(60);
        const usek_t u = server_->slysitelne(start, ted());
        QCOMPARE(zvuk_zdroj().rezim(), rezim_t::zastaveno);
        if (!pcm) {
            QVERIFY(!u.slyset());
            return;
        }
        const usek_t v_souboru = zvukovy_server::slysitelne(*pcm);
        QVERIFY2(u.slyset() && konec >= u.do_us - 10 * ms, "not heard, or the device stopped before the sound ended");
        const qint64 zpozdeni = u.od_us - start - v_souboru.od_us;
        QVERIFY2(zpozdeni >= -10 * ms && zpozdeni <= 60 * ms, qPrintable(QString::number(zpozdeni)));
        qint64 slyseno = u.delka_us();
        if (pauza) {
            const usek_t pred = server_->slysitelne(start, pozastaveno + 30 * ms);
            const usek_t ticho = server_->slysitelne(pozastaveno + 30 * ms, obnoveno - 10 * ms);
            const usek_t po = server_->slysitelne(obnoveno, ted());
            QVERIFY(pred.do_us >= pozastaveno - 30 * ms && !ticho.slyset());
            QVERIFY2(po.slyset() && po.od_us - obnoveno <= 30 * ms, qPrintable(QString::number(po.od_us - obnoveno)));
            slyseno = pred.delka_us() + po.delka_us();
        }
        QVERIFY2(std::abs(slyseno - v_souboru.delka_us()) <= (pauza ? 40 : 15) * ms,
                 qPrintable(QString("%1 us heard of %2").arg(slyseno).arg(v_souboru.delka_us())));
        QVERIFY(std::abs(u.spicka / v_souboru.spicka - 1) < 0.2f);
    }

    // A click during a recording, and quick presses after hovers: each new sound is heard
    // at once, and nothing of the one before it after that.
    void novy_zvuk_prerusi_stary()
    {
        const QString cesty = postavena_media() + "/ZVUK/";
        QList<std::pair<qint64, usek_t>> zvuky; // command, the file's audible part
        const auto hraj = [&](const QString &cesta, int pak_ms) {
            const auto pcm = nacti(cesta);
            QVERIFY(pcm);
            const usek_t v_souboru = zvukovy_server::slysitelne(*pcm);
            zvuky.append(std::pair{ted(), v_souboru});
            prehraj_zvuk(cesta);
            QTest::qWait(pak_ms);
        };
        hraj(dlouha(), 800);
        QVERIFY(zvuk_zdroj().hraje());
        for (int i = 0; i < 8; ++i) {
            if (i % 2 == 0)
                hraj(cesty + "ENTER.WAV", 40);
            hraj(cesty + "CLICK.WAV", i % 2 == 0 ? 40 : 300);
        }
        QVERIFY(QTest::qWaitFor([] { return !zvuk_zdroj().hraje(); }, 2000));
        QTest::qWait(100);
        zvuky.append(std::pair{ted(), usek_t{}});
        // Each sound until the next (less the recording's own 10 ms of uncertainty).
        for (int i = 0; i + 1 < zvuky.size(); ++i) {
            const auto &[start, v_souboru] = zvuky[i];
            const usek_t u = server_->slysitelne(start, zvuky[i + 1].first - 10 * ms);
            QVERIFY2(u.slyset() && u.od_us - start - v_souboru.od_us <= 60 * ms, qPrintable(QString::number(i)));
            QVERIFY2(u.do_us - start <= v_souboru.do_us + 60 * ms, qPrintable(QString::number(i)));
        }
    }
};

QTEST_MAIN(tst_zvuk_server)
#include "tst_zvuk_server.moc"
