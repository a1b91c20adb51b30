// The scrambled line container: decoding, the section search of the data files, and the
// exceptions list read from one.
#include "common/soubory.h"
#include "data/kontejner.h"
#include "data/vyjimky.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_kontejner : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    // The lines ("|" between them) scrambled into a new file.
    QString zapis(const QString &radky, const QByteArray &konec_radku = "\r\n", bool konec_na_konci = true,
                  const QByteArray &navic = {})
    {
        QByteArray obsah;
        const QStringList r = radky.split(u'|');
        for (qsizetype i = 0; i < r.size(); ++i)
            obsah += zakoduj_radek(do_cp1250(r[i])) + (i + 1 < r.size() || konec_na_konci ? konec_radku : "");
        static int cislo = 0;
        QFile f(dir_.filePath(QStringLiteral("f%1.DAT").arg(++cislo)));
        f.open(QIODevice::WriteOnly);
        f.write(radky.isEmpty() ? navic : obsah + navic);
        return f.fileName();
    }

private slots:
    void dekodovani_je_posun_o_17_data()
    {
        QTest::addColumn<QByteArray>("ulozeny");
        QTest::addColumn<QByteArray>("dekodovany");
        QTest::newRow("ascii") << QByteArray("\x3a\x50\x5b") << QByteArray("Kal");
        QTest::newRow("control bytes survive") << QByteArray("\x00\x0a\x0d\x1a", 4) << QByteArray("\x11\x1b\x1e\x2b");
        QTest::newRow("high byte") << QByteArray("\x89") << QByteArray("\x9a");
        // A stored byte above 238 has no real character; it must not stop the reader.
        QTest::newRow("above 238 wraps") << QByteArray("\xf0\xff") << QByteArray("\x01\x10");
    }
    void dekodovani_je_posun_o_17()
    {
        QFETCH(QByteArray, ulozeny);
        QFETCH(QByteArray, dekodovany);
        QCOMPARE(dekoduj_radek(ulozeny), dekodovany);
        QCOMPARE(zakoduj_radek(dekodovany), ulozeny);
    }

    void sekce_data()
    {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QString>("klic");
        QTest::addColumn<QString>("telo");
        QTest::addColumn<bool>("souvisly");
        QTest::addColumn<bool>("nalezena");
        const QString zaklad = QStringLiteral("[5_1]|Jedna*1|Dva*2|[5_2]|Tri*1|[5_9]abc|Text*10|Text*11");
        // clang-format off
        QTest::newRow("first section") << zaklad << "5_1" << "Jedna*1|Dva*2" << false << true;
        QTest::newRow("last section runs to the end") << zaklad << "5_9" << "Text*10|Text*11" << true << true;
        QTest::newRow("missing key is empty") << zaklad << "7_3" << "" << false << false;
        QTest::newRow("header inside a line") << "x [5_1 x|A*1|[5_1]|B*1" << "5_1" << "A*1" << false << true;
        QTest::newRow("any [ line ends a section") << "[6_1]|A*1|[iné]|B*1" << "6_1" << "A*1" << false << true;
        QTest::newRow("empty line belongs to the section") << "[6_1]|A*1||B*2" << "6_1" << "A*1||B*2" << false << true;
        QTest::newRow("header as the last line is empty") << "[6_1]|A*1|[6_2]" << "6_2" << "" << false << true;
        QTest::newRow("abc at the first character does not count") << "abc[6_1]|A*1" << "6_1" << "A*1" << false << true;
        QTest::newRow("abc after the first character") << "[6_1]x|A*1|[6_2]ab c|B*1" << "6_2" << "B*1" << false << true;
        QTest::newRow("Slovak letters, + stored as Ctrl-Z") << "[5_3]|Ďaľ „Kde?“ ¦ 2+2 ô*3|x" << "5_3" << "Ďaľ „Kde?“ ¦ 2+2 ô*3|x" << false << true;
        // clang-format on
    }
    void sekce()
    {
        QFETCH(QString, soubor);
        QFETCH(QString, klic);
        QFETCH(QString, telo);
        QFETCH(bool, souvisly);
        QFETCH(bool, nalezena);
        for (const QByteArray konec : {"\r\n", "\n"})
            for (const bool konec_na_konci : {true, false}) {
                const sekce_t s = nacti_sekci(zapis(soubor, konec, konec_na_konci), klic);
                QCOMPARE(s.radky, telo.isEmpty() ? QStringList() : telo.split(u'|'));
                QCOMPARE(s.souvisly_text, souvisly);
                QCOMPARE(s.nalezena, nalezena);
            }
    }

    void prazdny_a_chybejici_soubor()
    {
        QVERIFY(nacti_sekci(zapis({}), QStringLiteral("5_1")).radky.isEmpty());
        QVERIFY(!nacti_sekci(dir_.filePath(QStringLiteral("nic.DAT")), QStringLiteral("5_1")).nalezena);
        QVERIFY(rozklicuj_dat_soubor(dir_.filePath(QStringLiteral("nic.DAT"))).isEmpty());
        QCOMPARE(nacti_vyjimky(dir_.filePath(QStringLiteral("VYJIMKY.DAT")), QStringLiteral("7_2")).pocet_vyjimek(), 0);
    }

    // The topic's exceptions in file order, the last entry at the end of the file included.
    void vyjimky_ze_souboru()
    {
        const vyjimky_t v = nacti_vyjimky(zapis("[7_1]|Iné.*1|[7_2]|Prišlo 25 žiakov.*14|Áno.*3", "\r\n", false),
                                          QStringLiteral("7_2"));
        QCOMPARE(v.vyjimky, (QStringList{"Prišlo 25 žiakov.*14", "Áno.*3"}));
    }
};

QTEST_APPLESS_MAIN(tst_kontejner)
#include "tst_kontejner.moc"
