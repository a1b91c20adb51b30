// The data compiler: what it writes, and every content error it must stop on.
#include "common/soubory.h"
#include "data/kontejner.h"
#include "kompilator.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_kompilator : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString obsah() const { return dir_->filePath(QStringLiteral("content")); }
    QString vystup() const { return dir_->filePath(QStringLiteral("data")); }

    void zapis(const QString &relativni, const QString &text)
    {
        const QString cesta = spoj_cestu(obsah(), relativni);
        QDir().mkpath(QFileInfo(cesta).path());
        QFile f(cesta);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text.toUtf8());
    }

    vysledek_kompilace_t kompiluj_vse()
    {
        nastaveni_kompilace_t n;
        n.obsah = obsah();
        n.vystup = vystup();
        n.kontroly_vet = vychozi_kontroly_vet();
        n.kontroly_vyjimek = vychozi_kontroly_vyjimek();
        return kompiluj(n);
    }

    void zaklad()
    {
        zapis(QStringLiteral("ZNAMKY.txt"), QStringLiteral("90|100|1\n75|90|2\n50|75|3\n30|50|4\n0|30|5\n"));
        zapis(QStringLiteral("vety/5_1.txt"),
              QStringLiteral("[5_1]\nNa dvore stál ve<ľ#l>ký d<u#ú>b.*1\nPes le<ž#š>al pod ním.*2\n"));
        zapis(QStringLiteral("vyjimky/5_1.txt"), QStringLiteral("[5_1]\nPes ležal pod ním.*2\n"));
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        zaklad();
    }

    void zapise_zakodovana_data()
    {
        zapis(QStringLiteral("vety/5_9.txt"), [] {
            QString t = QStringLiteral("[5_9]abc\n");
            for (int d = 0; d < 10; ++d)
                t += QStringLiteral("Veta číslo <%1#x>.*1%1\n").arg(d);
            return t;
        }());
        const vysledek_kompilace_t v = kompiluj_vse();
        QVERIFY2(v.ok(), qPrintable(v.chyby.join(QLatin1Char('\n'))));

        QFile f(spoj_cestu(vystup(), QStringLiteral("VERBANO2.DAT")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray surove = f.readAll();
        QVERIFY(surove.endsWith("\r\n"));
        QVERIFY(!surove.contains("Na dvore"));
        const sekce_t s = nacti_sekci(f.fileName(), QStringLiteral("5_1"));
        QCOMPARE(s.radky, (QStringList{"Na dvore stál ve<ľ#l>ký d<u#ú>b.*1", "Pes le<ž#š>al pod ním.*2"}));
        QVERIFY(nacti_sekci(f.fileName(), QStringLiteral("5_9")).souvisly_text);
        QCOMPARE(rozklicuj_dat_soubor(f.fileName()), (QStringList{"5_1", "5_9"}));
        QCOMPARE(nacti_sekci(spoj_cestu(vystup(), QStringLiteral("VYJIMKY.DAT")), QStringLiteral("5_1")).radky,
                 QStringList{"Pes ležal pod ním.*2"});
        const auto znamky = nacti_radky_cp1250(spoj_cestu(vystup(), QStringLiteral("ZNAMKY.DAT")));
        QVERIFY(znamky);
        QCOMPARE(znamky->first(), QStringLiteral("90|100|1"));

        QCOMPARE(v.souhrn.size(), 2);
        QCOMPARE(v.souhrn[0].vet, 2);
        QCOMPARE(v.souhrn[0].polozek, 3);
        QCOMPARE(v.souhrn[0].vyjimek, 1);
        QCOMPARE(v.souhrn[1].textu, 1);
    }

    void chyby_data()
    {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("chyba");
        QTest::newRow("wrong header") << "vety/5_2.txt" << "[5_3]\nA<b#c>*1\n" << "content/vety/5_2.txt:1:";
        QTest::newRow("malformed item") << "vety/5_2.txt" << "[5_2]\nA<b#c>*1\nA<bc>*2\n" << "content/vety/5_2.txt:3:";
        QTest::newRow("missing number") << "vety/5_2.txt" << "[5_2]\nA<b#c>\n" << "content/vety/5_2.txt:2:";
        QTest::newRow("number twice") << "vety/5_2.txt" << "[5_2]\nA<b#c>*1\nB<b#c>*1\n" << "used twice";
        QTest::newRow("sentence without item") << "vety/5_2.txt" << "[5_2]\nBez položky.*1\n" << "no item";
        QTest::newRow("empty line") << "vety/5_2.txt" << "[5_2]\nA<b#c>*1\n\nB<b#c>*2\n" << "content/vety/5_2.txt:3:";
        QTest::newRow("not in Windows-1250") << "vety/5_2.txt" << "[5_2]\nA<b#c> → *1\n" << "Windows-1250";
        QTest::newRow("tab") << "vety/5_2.txt" << "[5_2]\nA\t<b#c>*1\n" << "control character";
        QTest::newRow("whole text out of order")
            << "vety/5_9.txt" << "[5_9]abc\nA<b#c>*10\nA<b#c>*12\n" << "should carry *11";
        QTest::newRow("whole text incomplete") << "vety/5_9.txt" << "[5_9]abc\nA<b#c>*10\n" << "ten sentences";
        QTest::newRow("unknown topic file") << "vety/5_10.txt" << "[5_10]\nA<b#c>*1\n" << "not a topic";
        QTest::newRow("exception for a missing sentence") << "vyjimky/5_1.txt" << "[5_1]\nNiečo.*9\n" << "no sentence 9";
        QTest::newRow("exception with markup") << "vyjimky/5_1.txt" << "[5_1]\nPes le<ž#š>al.*1\n" << "without markup";
        QTest::newRow("exception without number") << "vyjimky/5_1.txt" << "[5_1]\nPes ležal.\n" << "content/vyjimky";
        QTest::newRow("mark bands leave a gap") << "ZNAMKY.txt" << "90|100|1\n0|80|2\n" << "no band covers";
        QTest::newRow("mark band malformed") << "ZNAMKY.txt" << "90|100\n0|90|2\n" << "lower|upper|mark";
    }
    void chyby()
    {
        QFETCH(QString, soubor);
        QFETCH(QString, text);
        QFETCH(QString, chyba);
        zapis(soubor, text);
        const vysledek_kompilace_t v = kompiluj_vse();
        QVERIFY(!v.ok());
        QVERIFY2(v.chyby.join(QLatin1Char('\n')).contains(chyba), qPrintable(v.chyby.join(QLatin1Char('\n'))));
        // A content error writes nothing.
        QVERIFY(!QFile::exists(spoj_cestu(vystup(), QStringLiteral("VERBANO2.DAT"))));
    }

    // The content of the project itself compiles cleanly.
    void obsah_projektu()
    {
        nastaveni_kompilace_t n;
        n.obsah = QStringLiteral(ORTANEL_SOURCE_DIR "/content");
        n.kontroly_vet = vychozi_kontroly_vet();
        n.kontroly_vyjimek = vychozi_kontroly_vyjimek();
        const vysledek_kompilace_t v = kompiluj(n);
        QVERIFY2(v.ok(), qPrintable(v.chyby.mid(0, 20).join(QLatin1Char('\n'))));
        QVERIFY(!v.souhrn.isEmpty());
    }
};

QTEST_MAIN(tst_kompilator)
#include "tst_kompilator.moc"
