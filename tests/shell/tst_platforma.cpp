// The real platform: reading ORTANEL.INI (trimmed values, "ERROR" for anything missing,
// the 254-character limit) and the single-instance lock (a second copy is refused, a
// crashed one's lock is not).
#include "shell/ini.h"
#include "shell/platforma.h"

#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

class tst_platforma : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString zapis(const QString &nazev, const QByteArray &obsah)
    {
        QFile f(dir_.filePath(nazev));
        f.open(QIODevice::WriteOnly);
        f.write(obsah);
        return f.fileName();
    }

private slots:
    void ini_data()
    {
        QTest::addColumn<QByteArray>("obsah");
        QTest::addColumn<QString>("hodnota"); // of key CD in section VBN2
        QTest::newRow("plain") << QByteArray("[VBN2]\r\nCD=/media/cd\r\nHD=/home/skola/data\r\n") << "/media/cd";
        QTest::newRow("missing key") << QByteArray("[VBN2]\nHD=/x\n") << "ERROR";
        QTest::newRow("missing section") << QByteArray("[INE]\nCD=/x\n") << "ERROR";
        QTest::newRow("key of another section") << QByteArray("[INE]\nCD=/x\n[VBN2]\nHD=/y\n") << "ERROR";
        QTest::newRow("spaces around the value") << QByteArray("[VBN2]\nCD =   /media/cd   \n") << "/media/cd";
        QTest::newRow("names ignore case") << QByteArray("[vbn2]\ncd=/x\n") << "/x";
        QTest::newRow("lower-case error is a value") << QByteArray("[VBN2]\nCD=error\n") << "error";
        QTest::newRow("empty value") << QByteArray("[VBN2]\nCD=\n") << "";
        QTest::newRow("quoted value") << QByteArray("[VBN2]\nCD=\"/a b/\"\n") << "/a b/";
        QTest::newRow("first of two wins") << QByteArray("[VBN2]\nCD=/a\nCD=/b\n") << "/a";
        QTest::newRow("comment skipped") << QByteArray("[VBN2]\n;CD=/a\nCD=/b\n") << "/b";
        QTest::newRow("no line end at the end") << QByteArray("[VBN2]\nCD=/a") << "/a";
        QTest::newRow("Slovak letters") << QByteArray("[VBN2]\nCD=/škola/dáta\n") << "/škola/dáta";
        QTest::newRow("longest value is 254 characters") << QByteArray("[VBN2]\nCD=") + QByteArray(300, 'x') + "\n"
                                                         << QString(254, u'x');
    }
    void ini()
    {
        QFETCH(QByteArray, obsah);
        QTEST(nacti_ini_hodnotu(zapis(QStringLiteral("ORTANEL.INI"), obsah), QStringLiteral("VBN2"),
                                QStringLiteral("CD")),
              "hodnota");
        for (const QString &chybi : {dir_.filePath(QStringLiteral("nic.INI")), QString()})
            QCOMPARE(nacti_ini_hodnotu(chybi, QStringLiteral("VBN2"), QStringLiteral("CD")), QStringLiteral("ERROR"));
    }

    void jedina_instance()
    {
        const QString zamek = dir_.filePath(QStringLiteral("a.lock"));
        {
            skutecna_platforma_t prvni(zamek);
            QVERIFY(prvni.zamkni_jedinou_instanci());
            QVERIFY(prvni.zamkni_jedinou_instanci());
            QVERIFY(!skutecna_platforma_t(zamek).zamkni_jedinou_instanci());
        }
        // When the first copy is gone the next one starts, and so it does over the lock a
        // process that no longer exists left behind.
        QVERIFY(skutecna_platforma_t(zamek).zamkni_jedinou_instanci());
        char host[256] = {};
        gethostname(host, sizeof host - 1);
        zapis(QStringLiteral("a.lock"),
              QByteArray("999999\n") + QCoreApplication::applicationName().toUtf8() + "\n" + host + "\n");
        QVERIFY(skutecna_platforma_t(zamek).zamkni_jedinou_instanci());
    }
};

QTEST_GUILESS_MAIN(tst_platforma)
#include "tst_platforma.moc"
