// File helpers: paths and the plain-file test (Windows-1250 and line reading are met by
// every reader of the data files).
#include "common/soubory.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_soubory : public QObject
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
    void spojeni_cesty_data()
    {
        QTest::addColumn<QString>("slozka");
        QTest::addColumn<QString>("relativni");
        QTest::addColumn<QString>("cesta");
        // clang-format off
        QTest::newRow("backslash name") << "/d" << "\\GRAFIKA\\SELECT\\BCKG.BMP" << "/d/GRAFIKA/SELECT/BCKG.BMP";
        QTest::newRow("folder with trailing slash") << "/d/" << "/X.DAT" << "/d/X.DAT";
        QTest::newRow("root folder") << "/" << "X.DAT" << "/X.DAT";
        // clang-format on
    }
    void spojeni_cesty()
    {
        QFETCH(QString, slozka);
        QFETCH(QString, relativni);
        QFETCH(QString, cesta);
        QCOMPARE(spoj_cestu(slozka, relativni), cesta);
    }

    void existence_souboru()
    {
        QVERIFY(existuje_soubor(zapis(QStringLiteral("ZNAMKY.DAT"), "x")));
        QVERIFY(!existuje_soubor(zapis(QStringLiteral(".skryty"), "x")));
        QVERIFY(!existuje_soubor(dir_.path()));
        QVERIFY(!existuje_soubor(dir_.filePath(QStringLiteral("nie.DAT"))));
        QVERIFY(!existuje_soubor(QString()));
    }
};

QTEST_APPLESS_MAIN(tst_soubory)
#include "tst_soubory.moc"
