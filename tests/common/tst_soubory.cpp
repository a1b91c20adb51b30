// File helpers: paths, the plain-file test, Windows-1250 and byte-exact line reading.
#include "common/katalog.h"
#include "common/soubory.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_soubory : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void spojeni_cesty_data()
    {
        QTest::addColumn<QString>("slozka");
        QTest::addColumn<QString>("relativni");
        QTest::addColumn<QString>("cesta");
        QTest::newRow("backslash name") << "/d" << "\\GRAFIKA\\SELECT\\BCKG.BMP" << "/d/GRAFIKA/SELECT/BCKG.BMP";
        QTest::newRow("slash name") << "/d" << "GRAFIKA/TITLE.BMP" << "/d/GRAFIKA/TITLE.BMP";
        QTest::newRow("folder with trailing slash") << "/d/" << "/X.DAT" << "/d/X.DAT";
        QTest::newRow("root folder") << "/" << "X.DAT" << "/X.DAT";
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
        const auto vytvor = [this](const QString &nazev) {
            QFile f(dir_.filePath(nazev));
            f.open(QIODevice::WriteOnly);
            f.write("x");
            return f.fileName();
        };
        QVERIFY(existuje_soubor(vytvor(QStringLiteral("ZNAMKY.DAT"))));
        QVERIFY(!existuje_soubor(vytvor(QStringLiteral(".skryty"))));
        QVERIFY(!existuje_soubor(dir_.path()));
        QVERIFY(!existuje_soubor(dir_.filePath(QStringLiteral("nie.DAT"))));
        QVERIFY(!existuje_soubor(QString()));
    }

    void kodovani_1250_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("lze");
        QTest::newRow("Slovak") << "Ľúbostná ďateľ, ôsmy šťavnatý žŕdok" << true;
        QTest::newRow("Czech") << "Příliš žluťoučký kůň úpěl ďábelské ódy" << true;
        QTest::newRow("quotes and separator") << "„Áno,“ povedal¦" << true;
        QTest::newRow("arrow") << "a → b" << false;
        QTest::newRow("Chinese") << "中文" << false;
    }
    void kodovani_1250()
    {
        QFETCH(QString, text);
        QFETCH(bool, lze);
        QCOMPARE(lze_v_cp1250(text), lze);
        if (lze) {
            const QByteArray bajty = do_cp1250(text);
            QCOMPARE(bajty.size(), text.size());
            QCOMPARE(z_cp1250(bajty), text);
        }
    }

    void radky_bajtu()
    {
        QFile f(dir_.filePath(QStringLiteral("r.DAT")));
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("a\r\n\x1a\x00z\r\n\r\nlf\nkonec", 18));
        f.close();
        const auto radky = nacti_radky_bajtu(f.fileName());
        QVERIFY(radky);
        QCOMPARE(radky->size(), 5);
        QCOMPARE(radky->at(1), QByteArray("\x1a\x00z", 3));
        QCOMPARE(radky->at(2), QByteArray());
        QCOMPARE(radky->at(3), QByteArray("lf"));
        QCOMPARE(radky->at(4), QByteArray("konec"));
        QVERIFY(!nacti_radky_bajtu(dir_.filePath(QStringLiteral("nie"))));
    }

    void katalog_data()
    {
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<QString>("klic");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("log");
        QTest::newRow("5/3 has two names") << 1 << 3 << "5_3" << "Zemepisná mená a názvy vesmírnych objektov"
                                           << "Zemepisné mená";
        QTest::newRow("5/9") << 1 << 9 << "5_9" << "Súhrnné diktáty" << "Súhrnné diktáty";
        QTest::newRow("7/3") << 3 << 3 << "7_3" << "Čiarka medzi vetnými členmi" << "Čiarka medzi vetnými členmi";
        QTest::newRow("9/5") << 5 << 5 << "9_5" << "Čiarka v zloženom súvetí" << "Čiarka v zloženom súvetí";
        QTest::newRow("no topic 7 in grade 6") << 2 << 7 << "6_7" << "" << "";
        QTest::newRow("no grade 6 index") << 6 << 1 << "10_1" << "" << "";
    }
    void katalog()
    {
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(QString, klic);
        QFETCH(QString, list);
        QFETCH(QString, log);
        QCOMPARE(cislo_ulohy(rocnik, tema), klic);
        QCOMPARE(katalog_temat::nazev_pracovni_list(rocnik, tema), list);
        QCOMPARE(katalog_temat::nazev_log(rocnik, tema), log);
    }

    void rocniky()
    {
        QCOMPARE(katalog_temat::nazev_rocniku(1), QStringLiteral("5. ročník"));
        QCOMPARE(katalog_temat::nazev_rocniku(5), QStringLiteral("9. ročník"));
        QCOMPARE(katalog_temat::nazev_rocniku(0), QString());
        int temat = 0;
        for (int r = 1; r <= 5; ++r)
            temat += katalog_temat::pocet_temat(r);
        QCOMPARE(temat, 33);
        for (int r = 1; r <= 5; ++r)
            QCOMPARE(katalog_temat::nazev_pracovni_list(r, katalog_temat::pocet_temat(r)), QStringLiteral("Súhrnné diktáty"));
    }
};

QTEST_APPLESS_MAIN(tst_soubory)
#include "tst_soubory.moc"
