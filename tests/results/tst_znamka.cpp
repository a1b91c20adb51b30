// Marks: bands of the mark table, bounds, file order and the exercises that get no mark.
#include "common/soubory.h"
#include "pomoc/instalace.h"
#include "results/znamka.h"

#include <QDir>
#include <QtTest>

namespace
{

const QByteArray bezna_pasma = "90|100|1\r\n75|89|2\r\n50|74|3\r\n30|49|4\r\n0|29|5\r\n";

} // namespace

class tst_znamka : public QObject
{
    Q_OBJECT

    void zapis_znamky(const docasna_instalace &instalace, const QByteArray &obsah)
    {
        QFile f(spoj_cestu(instalace.data(), QStringLiteral("ZNAMKY.DAT")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(obsah);
    }

    spolecny_stav_t stav(const docasna_instalace &instalace, int spravne, int spatne, bool hotovo)
    {
        spolecny_stav_t s;
        s.adresar_dat = instalace.data();
        s.pocet_spravne = spravne;
        s.pocet_spatne = spatne;
        s.vsetko_skontrolovane = hotovo;
        return s;
    }

private slots:
    void znamka_podle_pasem_data()
    {
        QTest::addColumn<QByteArray>("pasma");
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<int>("znamka");

        QTest::newRow("all right: upper bound 100") << bezna_pasma << 12 << 0 << 1;
        QTest::newRow("all wrong: lower bound 0") << bezna_pasma << 0 << 7 << 5;
        QTest::newRow("all wrong without a band from 0") << QByteArray("50|100|1\r\n1|49|4\r\n") << 0 << 7 << 0;
        QTest::newRow("lower bound is inclusive") << bezna_pasma << 9 << 1 << 1;
        QTest::newRow("inside a band") << bezna_pasma << 8 << 2 << 2;
        QTest::newRow("shared bound: earlier line wins") << QByteArray("75|89|2\r\n50|75|3\r\n") << 3 << 1 << 2;
        QTest::newRow("shared bound, lines swapped") << QByteArray("50|75|3\r\n75|89|2\r\n") << 3 << 1 << 3;
        QTest::newRow("share in a gap between bands") << QByteArray("90|100|1\r\n50|80|3\r\n") << 17 << 3 << 0;
        QTest::newRow("decimal bound") << QByteArray("74.5|100|2\r\n0|74.4|4\r\n") << 149 << 51 << 2;
        QTest::newRow("just below a decimal bound") << QByteArray("74.5|100|2\r\n") << 148 << 52 << 0;
        // 1 - 7/10 comes out a hair above 0.30: a share exactly on a bound must still match.
        QTest::newRow("3 of 10 on an upper bound") << QByteArray("31|100|3\r\n0|30|5\r\n") << 3 << 7 << 5;
        QTest::newRow("7 of 10 on a lower bound") << QByteArray("70|100|2\r\n0|69|5\r\n") << 7 << 3 << 2;
        QTest::newRow("numbers read as far as numeric") << QByteArray("90 %|100%|1 (v\xfd"
                                                                      "born\xfd)\r\n0|89.9x|3\r\n")
                                                        << 10 << 0 << 1;
        QTest::newRow("mark rounded") << QByteArray("0|100|2.6\r\n") << 1 << 1 << 3;
        QTest::newRow("line without two separators is passed over")
            << QByteArray("known bands:\r\n90|100\r\n0|100|4\r\n") << 5 << 5 << 4;
        QTest::newRow("empty lines are passed over") << QByteArray("\r\n\r\n0|100|4\r\n") << 5 << 5 << 4;
        QTest::newRow("LF only") << QByteArray("90|100|1\n0|89|3\n") << 1 << 1 << 3;
        QTest::newRow("Windows-1250 text after the mark") << QByteArray("0|100|4 dobr\xfd\r\n") << 5 << 5 << 4;
        QTest::newRow("empty table") << QByteArray() << 5 << 5 << 0;
        QTest::newRow("counts beyond 255 do not wrap") << bezna_pasma << 256 << 0 << 1;
        QTest::newRow("large counts keep their share") << bezna_pasma << 300 << 200 << 3;
    }
    void znamka_podle_pasem()
    {
        QFETCH(QByteArray, pasma);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(int, znamka);
        docasna_instalace instalace;
        zapis_znamky(instalace, pasma);
        QCOMPARE(vrat_znamku(stav(instalace, spravne, spatne, true)), znamka);
    }

    void bez_znamky_data()
    {
        QTest::addColumn<bool>("soubor");
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<bool>("hotovo");
        QTest::newRow("unfinished, all right") << true << 10 << 0 << false;
        QTest::newRow("unfinished, all wrong") << true << 0 << 10 << false;
        QTest::newRow("unfinished, no file needed") << false << 10 << 0 << false;
        QTest::newRow("finished without items") << true << 0 << 0 << true;
        QTest::newRow("finished, mark table missing") << false << 10 << 0 << true;
    }
    void bez_znamky()
    {
        QFETCH(bool, soubor);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(bool, hotovo);
        docasna_instalace instalace;
        if (soubor)
            zapis_znamky(instalace, "0|100|3\r\n");
        QCOMPARE(vrat_znamku(stav(instalace, spravne, spatne, hotovo)), 0);
    }

    void necitelny_soubor_da_nulu()
    {
        docasna_instalace instalace;
        QVERIFY(QDir(instalace.data()).mkdir(QStringLiteral("ZNAMKY.DAT")));
        QCOMPARE(vrat_znamku(stav(instalace, 10, 0, true)), 0);
    }
};

QTEST_GUILESS_MAIN(tst_znamka)
#include "tst_znamka.moc"
