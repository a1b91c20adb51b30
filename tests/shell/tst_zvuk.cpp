// The sound device: what prehraj_zvuk tells it, where the screens find it, and the real
// device on this machine (playing where there is sound, failing soft where there is not).
#include "pomoc/falesny_zvuk.h"
#include "pomoc/wav.h"
#include "shell/zvuk.h"
#include "shell/zvuk_multimedia.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using rezim_t = zvukove_zarizeni::rezim_t;

class tst_zvuk : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString soubor(const QString &jmeno) const { return dir_.filePath(jmeno); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QVERIFY(zapis_wav(soubor(QStringLiteral("KRATKY.WAV")), 300));
        QVERIFY(zapis_wav(soubor(QStringLiteral("DLOUHY.WAV")), 4000, 330));
        QFile poskozeny(soubor(QStringLiteral("POSKOZENY.WAV")));
        QVERIFY(poskozeny.open(QIODevice::WriteOnly));
        poskozeny.write("RIFF this is not a sound at all, only some text");
    }

    void prehraj_zavre_otevre_a_hraje()
    {
        falesny_zvuk z;
        z.hraje_po_play = true;
        prehraj_zvuk(QStringLiteral("/media/ZVUK/7_3/1.WAV"));
        QCOMPARE(z.prikazy, (QStringList{QStringLiteral("Close"), QStringLiteral("Open /media/ZVUK/7_3/1.WAV"),
                                         QStringLiteral("Play")}));
        QCOMPARE(z.rezim(), rezim_t::hraje);
        QCOMPARE(z.soubor(), QStringLiteral("/media/ZVUK/7_3/1.WAV"));

        // A new sound closes the one that plays before it opens its own file.
        z.vymaz_zaznam();
        prehraj_zvuk(QStringLiteral("/media/ZVUK/CLICK.WAV"));
        QCOMPARE(z.prikazy.first(), QStringLiteral("Close"));
        QCOMPARE(z.prehrane, QStringList{QStringLiteral("/media/ZVUK/CLICK.WAV")});
        QCOMPARE(z.soubor(), QStringLiteral("/media/ZVUK/CLICK.WAV"));
    }

    void nahrada_a_navrat()
    {
        zvukove_zarizeni *vlastni = &zvuk_zdroj();
        {
            falesny_zvuk z;
            QCOMPARE(&zvuk_zdroj(), static_cast<zvukove_zarizeni *>(&z));
        }
        QCOMPARE(&zvuk_zdroj(), vlastni);
    }

    void chybejici_nebo_necitelny_soubor_data()
    {
        QTest::addColumn<QString>("cesta");
        QTest::newRow("missing file") << soubor(QStringLiteral("NENI.WAV"));
        QTest::newRow("a folder") << dir_.path();
        QTest::newRow("empty path") << QString();
    }

    void chybejici_nebo_necitelny_soubor()
    {
        QFETCH(QString, cesta);
        zvuk_multimedia z;
        z.otevri(cesta);
        z.hraj();
        QCOMPARE(z.rezim(), rezim_t::zastaveno);
        QCOMPARE(z.soubor(), cesta);
        z.pozastav();
        z.zastav();
        QCOMPARE(z.rezim(), rezim_t::zastaveno);
        z.zavri();
        QCOMPARE(z.soubor(), QString());
    }

    // A file that is no sound reads as stopped once the player has looked at it.
    void poskozeny_soubor()
    {
        zvuk_multimedia z;
        z.otevri(soubor(QStringLiteral("POSKOZENY.WAV")));
        z.hraj();
        QTRY_COMPARE_WITH_TIMEOUT(z.rezim(), rezim_t::zastaveno, 5000);
        QTest::qWait(300);
        QCOMPARE(z.rezim(), rezim_t::zastaveno);
    }

    // A real WAV through the real device: it plays, pauses, resumes, gives way to a new
    // sound and ends, where the machine has sound; elsewhere it stays stopped and the
    // program goes on.
    void skutecny_zvuk()
    {
        zvuk_multimedia z;
        const QString dlouhy = soubor(QStringLiteral("DLOUHY.WAV"));
        const QString kratky = soubor(QStringLiteral("KRATKY.WAV"));
        z.otevri(dlouhy);
        z.hraj();
        QCOMPARE(z.soubor(), dlouhy);
        if (!zvuk_multimedia::ma_vystup()) {
            QCOMPARE(z.rezim(), rezim_t::zastaveno);
            QTest::qWait(500);
            QCOMPARE(z.rezim(), rezim_t::zastaveno);
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
