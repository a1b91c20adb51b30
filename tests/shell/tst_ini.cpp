// Reading ORTANEL.INI: trimmed values, "ERROR" for anything missing, the 254-character limit.
#include "shell/ini.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_ini : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString zapis(const QByteArray &obsah)
    {
        static int cislo = 0;
        const QString cesta = dir_.filePath(QStringLiteral("ORTANEL%1.INI").arg(++cislo));
        QFile f(cesta);
        f.open(QIODevice::WriteOnly);
        f.write(obsah);
        return cesta;
    }

private slots:
    void hodnota_data()
    {
        QTest::addColumn<QByteArray>("obsah");
        QTest::addColumn<QString>("sekce");
        QTest::addColumn<QString>("klic");
        QTest::addColumn<QString>("hodnota");
        const QByteArray zaklad = "[VBN2]\r\nCD=/media/cd\r\nHD=/home/skola/data\r\n";
        QTest::newRow("plain") << zaklad << "VBN2" << "CD" << "/media/cd";
        QTest::newRow("second key") << zaklad << "VBN2" << "HD" << "/home/skola/data";
        QTest::newRow("missing key") << QByteArray("[VBN2]\nCD=/x\n") << "VBN2" << "HD" << "ERROR";
        QTest::newRow("missing section") << QByteArray("[INE]\nCD=/x\n") << "VBN2" << "CD" << "ERROR";
        QTest::newRow("key of another section") << QByteArray("[INE]\nHD=/x\n[VBN2]\nCD=/y\n") << "VBN2" << "HD"
                                                << "ERROR";
        QTest::newRow("spaces around the value") << QByteArray("[VBN2]\nCD =   /media/cd   \n") << "VBN2" << "CD"
                                                 << "/media/cd";
        QTest::newRow("names ignore case") << QByteArray("[vbn2]\ncd=/x\n") << "VBN2" << "CD" << "/x";
        QTest::newRow("lower-case error is a value") << QByteArray("[VBN2]\nCD=error\n") << "VBN2" << "CD" << "error";
        QTest::newRow("empty value") << QByteArray("[VBN2]\nCD=\n") << "VBN2" << "CD" << "";
        QTest::newRow("quoted value") << QByteArray("[VBN2]\nCD=\"/a b/\"\n") << "VBN2" << "CD" << "/a b/";
        QTest::newRow("first of two wins") << QByteArray("[VBN2]\nCD=/a\nCD=/b\n") << "VBN2" << "CD" << "/a";
        QTest::newRow("comment skipped") << QByteArray("[VBN2]\n;CD=/a\nCD=/b\n") << "VBN2" << "CD" << "/b";
        QTest::newRow("no line end at the end") << QByteArray("[VBN2]\nCD=/a") << "VBN2" << "CD" << "/a";
        QTest::newRow("Slovak letters") << QByteArray("[VBN2]\nHD=/škola/dáta\n") << "VBN2" << "HD" << "/škola/dáta";
        QTest::newRow("longest value is 254 characters")
            << QByteArray("[VBN2]\nCD=") + QByteArray(300, 'x') + "\n" << "VBN2" << "CD" << QString(254, u'x');
    }
    void hodnota()
    {
        QFETCH(QByteArray, obsah);
        QFETCH(QString, sekce);
        QFETCH(QString, klic);
        QFETCH(QString, hodnota);
        QCOMPARE(nacti_ini_hodnotu(zapis(obsah), sekce, klic), hodnota);
    }

    void chybejici_soubor()
    {
        QCOMPARE(nacti_ini_hodnotu(dir_.filePath(QStringLiteral("nic.INI")), QStringLiteral("VBN2"), QStringLiteral("CD")),
                 QStringLiteral("ERROR"));
        QCOMPARE(nacti_ini_hodnotu(QString(), QStringLiteral("VBN2"), QStringLiteral("CD")), QStringLiteral("ERROR"));
    }
};

QTEST_APPLESS_MAIN(tst_ini)
#include "tst_ini.moc"
