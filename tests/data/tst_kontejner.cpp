// The scrambled line container: decoding and the section search of the data files.
#include "common/soubory.h"
#include "data/kontejner.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray zakoduj_soubor(const QStringList &radky, const QByteArray &konec_radku = "\r\n", bool konec_na_konci = true)
{
    QByteArray obsah;
    for (qsizetype i = 0; i < radky.size(); ++i) {
        obsah += zakoduj_radek(do_cp1250(radky[i]));
        if (i + 1 < radky.size() || konec_na_konci)
            obsah += konec_radku;
    }
    return obsah;
}

} // namespace

class tst_kontejner : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString zapis(const QByteArray &obsah)
    {
        static int cislo = 0;
        const QString cesta = dir_.filePath(QStringLiteral("f%1.DAT").arg(++cislo));
        QFile f(cesta);
        f.open(QIODevice::WriteOnly);
        f.write(obsah);
        return cesta;
    }

private slots:
    void dekodovani_je_posun_o_17_data()
    {
        QTest::addColumn<QByteArray>("ulozeny");
        QTest::addColumn<QByteArray>("dekodovany");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("ascii") << QByteArray("\x3a\x50\x5b") << QByteArray("Kal");
        // "*" (42) is stored as 25; "[" (91) as 74; Windows-1250 "š" (0x9A) as 0x89.
        QTest::newRow("star and bracket") << QByteArray("\x19\x4a") << QByteArray("*[");
        QTest::newRow("control bytes survive") << QByteArray("\x00\x0a\x0d\x1a", 4) << QByteArray("\x11\x1b\x1e\x2b");
        QTest::newRow("high byte") << QByteArray("\x89") << QByteArray("\x9a");
    }
    void dekodovani_je_posun_o_17()
    {
        QFETCH(QByteArray, ulozeny);
        QFETCH(QByteArray, dekodovany);
        QCOMPARE(dekoduj_radek(ulozeny), dekodovany);
        QCOMPARE(dekoduj_radek(ulozeny).size(), ulozeny.size());
        QCOMPARE(zakoduj_radek(dekodovany), ulozeny);
    }

    void nedekodovatelny_bajt_necrashuje()
    {
        // A stored byte above 238 has no real character; it must not stop the reader.
        const QByteArray radek("\xf0\xff", 2);
        QCOMPARE(dekoduj_radek(radek).size(), 2);
        const QString cesta = zapis(zakoduj_soubor({QStringLiteral("[5_1]")}) + radek + "\r\n");
        const sekce_t s = nacti_sekci(cesta, QStringLiteral("5_1"));
        QCOMPARE(s.radky.size(), 1);
    }

    void sekce_data()
    {
        QTest::addColumn<QStringList>("soubor");
        QTest::addColumn<QString>("klic");
        QTest::addColumn<QStringList>("telo");
        QTest::addColumn<bool>("souvisly");
        QTest::addColumn<bool>("nalezena");

        const QStringList zaklad{QStringLiteral("[5_1]"), QStringLiteral("Jedna*1"), QStringLiteral("Dva*2"),
                                 QStringLiteral("[5_2]"), QStringLiteral("Tri*1"),   QStringLiteral("[5_9]abc"),
                                 QStringLiteral("Text*10"), QStringLiteral("Text*11")};
        QTest::newRow("first section") << zaklad << "5_1" << QStringList{"Jedna*1", "Dva*2"} << false << true;
        QTest::newRow("middle section") << zaklad << "5_2" << QStringList{"Tri*1"} << false << true;
        QTest::newRow("last section runs to the end of the file")
            << zaklad << "5_9" << QStringList{"Text*10", "Text*11"} << true << true;
        QTest::newRow("missing key is empty") << zaklad << "7_3" << QStringList{} << false << false;
        QTest::newRow("header found in the middle of a line")
            << QStringList{"poznámka [5_1 tu", "A*1", "[5_1]", "B*1"} << "5_1" << QStringList{"A*1"} << false << true;
        QTest::newRow("any line starting with [ ends a section")
            << QStringList{"[6_1]", "A*1", "[iné]", "B*1"} << "6_1" << QStringList{"A*1"} << false << true;
        QTest::newRow("empty line belongs to the section")
            << QStringList{"[6_1]", "A*1", "", "B*2"} << "6_1" << QStringList{"A*1", "", "B*2"} << false << true;
        QTest::newRow("header as the last line is empty") << QStringList{"[6_1]", "A*1", "[6_2]"} << "6_2"
                                                         << QStringList{} << false << true;
        QTest::newRow("abc at the first character does not count")
            << QStringList{"abc[6_1]", "A*1"} << "6_1" << QStringList{"A*1"} << false << true;
        QTest::newRow("abc must follow the first character")
            << QStringList{"[6_1]x", "A*1", "[6_2]ab c", "B*1"} << "6_2" << QStringList{"B*1"} << false << true;
        QTest::newRow("Slovak letters decode")
            << QStringList{"[5_3]", "Ľúbostná pieseň „Kde si?“ ¦ ďaleko*3"} << "5_3"
            << QStringList{"Ľúbostná pieseň „Kde si?“ ¦ ďaleko*3"} << false << true;
    }
    void sekce()
    {
        QFETCH(QStringList, soubor);
        QFETCH(QString, klic);
        QFETCH(QStringList, telo);
        QFETCH(bool, souvisly);
        QFETCH(bool, nalezena);
        for (const bool crlf_na_konci : {true, false}) {
            const sekce_t s = nacti_sekci(zapis(zakoduj_soubor(soubor, "\r\n", crlf_na_konci)), klic);
            QCOMPARE(s.radky, telo);
            QCOMPARE(s.souvisly_text, souvisly);
            QCOMPARE(s.nalezena, nalezena);
        }
    }

    void prazdny_a_chybejici_soubor()
    {
        QVERIFY(nacti_sekci(zapis(QByteArray()), QStringLiteral("5_1")).radky.isEmpty());
        QVERIFY(!nacti_sekci(dir_.filePath(QStringLiteral("nic.DAT")), QStringLiteral("5_1")).nalezena);
        QVERIFY(rozklicuj_dat_soubor(dir_.filePath(QStringLiteral("nic.DAT"))).isEmpty());
    }

    void konce_radku_jen_lf()
    {
        const QString cesta = zapis(zakoduj_soubor({"[5_1]", "A*1", "B*2"}, "\n"));
        QCOMPARE(nacti_sekci(cesta, QStringLiteral("5_1")).radky, (QStringList{"A*1", "B*2"}));
    }

    void vypis_hlavicek()
    {
        const QString cesta =
            zapis(zakoduj_soubor({"[5_1]", "A*1", "[5_9]abc", "B*10", "[bez konca", "text [6_1] vo vnútri"}));
        QCOMPARE(rozklicuj_dat_soubor(cesta), (QStringList{"5_1", "5_9", "bez konca"}));
    }
};

QTEST_APPLESS_MAIN(tst_kontejner)
#include "tst_kontejner.moc"
