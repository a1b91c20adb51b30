// The sound device: what prehraj_zvuk tells it, where the screens find it, and the real
// device on this machine (playing where there is sound, failing soft where there is not).
#include "pomoc/falesny_zvuk.h"
#include "shell/zvuk.h"
#include "shell/zvuk_multimedia.h"

#include <QDataStream>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using rezim_t = zvukove_zarizeni::rezim_t;

class tst_zvuk : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString soubor(const QString &jmeno) const { return dir_.filePath(jmeno); }

    // A mono 16-bit PCM WAV file of a soft tone.
    void zapis_wav(const QString &jmeno, int ms)
    {
        const quint32 vzorku = quint32(22050 * ms / 1000);
        QFile f(soubor(jmeno));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QDataStream s(&f);
        s.setByteOrder(QDataStream::LittleEndian);
        s.writeRawData("RIFF", 4);
        s << quint32(36 + 2 * vzorku);
        s.writeRawData("WAVEfmt ", 8);
        s << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2) << quint16(16);
        s.writeRawData("data", 4);
        s << 2 * vzorku;
        for (quint32 i = 0; i < vzorku; ++i)
            s << qint16(std::lround(3000 * std::sin(2 * M_PI * 440 * i / 22050)));
    }

private slots:
    void initTestCase()
    {
        zapis_wav(QStringLiteral("KRATKY.WAV"), 300);
        zapis_wav(QStringLiteral("DLOUHY.WAV"), 4000);
        QFile poskozeny(soubor(QStringLiteral("POSKOZENY.WAV")));
        QVERIFY(poskozeny.open(QIODevice::WriteOnly));
        poskozeny.write("RIFF this is not a sound at all, only some text");
    }

    // A new sound closes the one that plays before it opens its own file; the fake stands
    // in for the program's device while it lives.
    void prehraj_zavre_otevre_a_hraje()
    {
        zvukove_zarizeni *vlastni = &zvuk_zdroj();
        {
            falesny_zvuk z;
            QCOMPARE(&zvuk_zdroj(), static_cast<zvukove_zarizeni *>(&z));
            z.hraje_po_play = true;
            prehraj_zvuk(QStringLiteral("/media/ZVUK/7_3/1.WAV"));
            prehraj_zvuk(QStringLiteral("/media/ZVUK/CLICK.WAV"));
            QCOMPARE(z.prikazy, (QStringList{"Close", "Open /media/ZVUK/7_3/1.WAV", "Play", "Close",
                                             "Open /media/ZVUK/CLICK.WAV", "Play"}));
            QCOMPARE(z.rezim(), rezim_t::hraje);
            QCOMPARE(z.soubor(), QStringLiteral("/media/ZVUK/CLICK.WAV"));
        }
        QCOMPARE(&zvuk_zdroj(), vlastni);
    }

    void spatny_soubor_data()
    {
        QTest::addColumn<QString>("cesta");
        QTest::newRow("missing file") << soubor(QStringLiteral("NENI.WAV"));
        QTest::newRow("a folder") << dir_.path();
        QTest::newRow("empty path") << QString();
        QTest::newRow("not a sound") << soubor(QStringLiteral("POSKOZENY.WAV"));
    }
    // A file that cannot be played leaves the device stopped (once the player has looked
    // at it) and every command harmless.
    void spatny_soubor()
    {
        QFETCH(QString, cesta);
        zvuk_multimedia z;
        z.otevri(cesta);
        z.hraj();
        QCOMPARE(z.soubor(), cesta);
        QTRY_COMPARE_WITH_TIMEOUT(z.rezim(), rezim_t::zastaveno, 5000);
        QTest::qWait(300);
        QCOMPARE(z.rezim(), rezim_t::zastaveno);
        z.pozastav();
        z.zastav();
        QCOMPARE(z.rezim(), rezim_t::zastaveno);
        z.zavri();
        QCOMPARE(z.soubor(), QString());
    }

    // A real WAV through the real device: it plays, pauses, resumes, gives way to a new
    // sound and ends, where the machine has sound; elsewhere it stays stopped.
    void skutecny_zvuk()
    {
        zvuk_multimedia z;
        const QString dlouhy = soubor(QStringLiteral("DLOUHY.WAV")), kratky = soubor(QStringLiteral("KRATKY.WAV"));
        z.otevri(dlouhy);
        z.hraj();
        QCOMPARE(z.soubor(), dlouhy);
        if (!zvuk_multimedia::ma_vystup()) {
            QTest::qWait(500);
            z.pozastav();
            z.hraj();
            QCOMPARE(z.rezim(), rezim_t::zastaveno);
            QSKIP("no audio output on this machine: the device stays stopped");
        }
        QTRY_COMPARE_WITH_TIMEOUT(z.rezim(), rezim_t::hraje, 2000);
        z.pozastav();
        QTRY_COMPARE_WITH_TIMEOUT(z.rezim(), rezim_t::pozastaveno, 2000);
        z.hraj();
        QTRY_COMPARE_WITH_TIMEOUT(z.rezim(), rezim_t::hraje, 2000);
        nastav_zvuk(&z);
        prehraj_zvuk(kratky);
        nastav_zvuk(nullptr);
        QCOMPARE(z.soubor(), kratky);
        QTRY_COMPARE_WITH_TIMEOUT(z.rezim(), rezim_t::hraje, 2000);
        // The short sound ends long before the long one would have.
        QTRY_COMPARE_WITH_TIMEOUT(z.rezim(), rezim_t::zastaveno, 3000);
        QCOMPARE(z.soubor(), kratky);
    }
};

QTEST_MAIN(tst_zvuk)
#include "tst_zvuk.moc"
