// File helpers: paths, the plain-file test, Windows-1250 and byte-exact line reading.
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

    void kodovani_1250_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lze");
        QTest::newRow("Slovak and Czech") << "Ľúbostná ďateľ, ôsmy šťavnatý žŕdok; příliš žluťoučký kůň úpěl" << true;
        QTest::newRow("quotes and separator") << "„Áno,“ povedal¦" << true;
        QTest::newRow("arrow") << "a → b" << false;
    }
    void kodovani_1250()
    {
        QFETCH(QString, text);
        QFETCH(bool, lze);
        QCOMPARE(lze_v_cp1250(text), lze);
        if (lze) {
            QCOMPARE(do_cp1250(text).size(), text.size());
            QCOMPARE(z_cp1250(do_cp1250(text)), text);
        }
    }

    void radky_bajtu()
    {
        const auto radky =
            nacti_radky_bajtu(zapis(QStringLiteral("r.DAT"), QByteArray("a\r\n\x1a\x00z\r\n\r\nlf\nkonec", 18)));
        QVERIFY(radky);
        QCOMPARE(*radky, (QList<QByteArray>{"a", QByteArray("\x1a\x00z", 3), "", "lf", "konec"}));
        QVERIFY(!nacti_radky_bajtu(dir_.filePath(QStringLiteral("nie"))));
    }
};

QTEST_APPLESS_MAIN(tst_soubory)
#include "tst_soubory.moc"
