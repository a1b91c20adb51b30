// The sentence markup: reading items, numbers, written-out sentences and malformed lines.
#include "common/nahoda.h"
#include "data/znacky.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::optional<QString>)

class tst_znacky : public QObject {
    Q_OBJECT

private slots:
    void cislo_vety_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<int>("cislo");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Jan<ý#í> pes*12" << 12 << "12";
        QTest::newRow("leading zero") << "Veta*07" << 7 << "7";
        QTest::newRow("letters after digits") << "Veta*12ab" << 12 << "12";
        QTest::newRow("empty tail") << "Veta*" << 0 << "0";
        QTest::newRow("not a number") << "Veta*x1" << 0 << "0";
        QTest::newRow("no star") << "Veta" << 0 << "0";
        QTest::newRow("first star counts") << "Veta*3*4" << 3 << "3";
    }
    void cislo_vety()
    {
        QFETCH(QString, radek);
        QFETCH(int, cislo);
        QFETCH(QString, text);
        QCOMPARE(::cislo_vety(radek), cislo);
        QCOMPARE(cislo_vety_text(radek), text);
    }

    void polozka_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("a");
        QTest::addColumn<std::optional<QString>>("b");
        QTest::addColumn<QStringList>("alternativy");
        QTest::newRow("one alternative") << "<ý#í>" << "ý" << std::optional<QString>() << QStringList{"í"};
        QTest::newRow("second form, empty alternatives")
            << "<s^z#>" << "s" << std::optional<QString>("z") << QStringList{""};
        QTest::newRow("three alternatives") << "<ie#e~je~ie>" << "ie" << std::optional<QString>()
                                            << QStringList{"e", "je", "ie"};
        QTest::newRow("lone space is an empty alternative") << "<j# >" << "j" << std::optional<QString>()
                                                             << QStringList{""};
        QTest::newRow("space stays in a list") << "<a# ~b>" << "a" << std::optional<QString>() << QStringList{" ", "b"};
        QTest::newRow("trailing tilde gives an empty last form")
            << "<a#b~>" << "a" << std::optional<QString>() << QStringList{"b", ""};
        QTest::newRow("comma item") << "<,# >" << "," << std::optional<QString>() << QStringList{""};
        QTest::newRow("no-comma item") << "< #,>" << " " << std::optional<QString>() << QStringList{","};
        QTest::newRow("empty second form") << "<dvoma^#dvomy>" << "dvoma" << std::optional<QString>("")
                                           << QStringList{"dvomy"};
    }
    void polozka()
    {
        QFETCH(QString, text);
        QFETCH(QString, a);
        QFETCH(std::optional<QString>, b);
        QFETCH(QStringList, alternativy);
        const auto p = precti_polozku(QStringLiteral("xy") + text + QStringLiteral(" z"), 2);
        QVERIFY(p.has_value());
        QCOMPARE(p->a, a);
        QCOMPARE(p->b, b);
        QCOMPARE(p->alternativy, alternativy);
        QCOMPARE(p->zacatek, 2);
        QCOMPARE(p->konec, 2 + text.size() - 1);
        QCOMPARE(p->tvary(), QStringList{a} + alternativy);
    }

    void carkove_polozky()
    {
        QVERIFY(precti_polozku(QStringLiteral("<,# >"), 0)->je_carka());
        QVERIFY(!precti_polozku(QStringLiteral("<,# >"), 0)->je_bez_carky());
        QVERIFY(precti_polozku(QStringLiteral("< #,>"), 0)->je_bez_carky());
        QVERIFY(!precti_polozku(QStringLiteral("<,#;>"), 0)->je_carka());
    }

    void nepravidelna_polozka()
    {
        QVERIFY(!precti_polozku(QStringLiteral("<abc"), 0));
        QVERIFY(!precti_polozku(QStringLiteral("<a>b#c"), 0));
        QVERIFY(!precti_polozku(QStringLiteral("a<b#c>"), 0));
    }

    void vypsane_vety_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("spravna");
        QTest::addColumn<QString>("spravna2");
        QTest::newRow("item in a word") << "Jan<ý#í> pes*12" << "Janý pes" << "";
        QTest::newRow("no items") << "Dnes prší.*3" << "Dnes prší." << "";
        QTest::newRow("second form")
            << "S dvo<ma^mi#my> kamarátmi išiel <v#f>on.*4" << "S dvoma kamarátmi išiel von." << "S dvomi kamarátmi išiel von.";
        QTest::newRow("line separators removed") << "Prvá časť¦druhá <č#c>asť*5" << "Prvá časťdruhá časť" << "";
        QTest::newRow("comma items") << "Keď prišiel<,# > zazvonil< #,> a sadol si.*6"
                                     << "Keď prišiel, zazvonil  a sadol si." << "";
        QTest::newRow("malformed item shown as text") << "Ach <bez konca*7" << "Ach <bez konca" << "";
    }
    void vypsane_vety()
    {
        QFETCH(QString, radek);
        QFETCH(QString, spravna);
        QFETCH(QString, spravna2);
        nahoda().zafixuj(5);
        const vypsane_vety_t v = vypis_vety(radek);
        QCOMPARE(v.spravna_veta, spravna);
        QCOMPARE(v.spravna_veta_2, spravna2);
        QCOMPARE(v.ma_druhy_tvar, !spravna2.isEmpty());
        QVERIFY(!v.veta_s_chybami.contains(znak_oddelovac_radku));
        if (polozky_vety(radek).isEmpty())
            QCOMPARE(v.veta_s_chybami, spravna);
    }

    // Each form of an item is planted with the same chance.
    void veta_s_chybami_je_rovnomerna()
    {
        nahoda().zafixuj(2024);
        const QString radek = QStringLiteral("<a#b~c~d>*1");
        QMap<QString, int> pocty;
        const int pokusu = 8000;
        for (int i = 0; i < pokusu; ++i)
            ++pocty[vypis_vety(radek).veta_s_chybami];
        QCOMPARE(pocty.size(), 4);
        for (auto it = pocty.cbegin(); it != pocty.cend(); ++it)
            QVERIFY2(std::abs(it.value() - pokusu / 4) < pokusu / 20, qPrintable(it.key()));
    }

    void odstraneni_oddelovacu()
    {
        QCOMPARE(odstran_oddelovace_radku(QStringLiteral("a¦b¦¦c")), QStringLiteral("abc"));
        QCOMPARE(odstran_oddelovace_radku(QString()), QString());
    }

    void rozlozeni()
    {
        const QList<cast_vety_t> casti = rozloz_vetu(QStringLiteral("A¦<b#c>d"));
        QCOMPARE(casti.size(), 4);
        QCOMPARE(casti[0].druh, cast_vety_t::druh_t::znak);
        QCOMPARE(casti[0].znak, QChar(u'A'));
        QCOMPARE(casti[1].druh, cast_vety_t::druh_t::novy_radek);
        QCOMPARE(casti[2].druh, cast_vety_t::druh_t::polozka);
        QCOMPARE(casti[2].polozka.a, QStringLiteral("b"));
        QCOMPARE(casti[2].pozice, 2);
        QCOMPARE(casti[3].znak, QChar(u'd'));
        QCOMPARE(casti[3].pozice, 7);
    }

    void chyby_radku_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<bool>("chybny");
        QTest::newRow("well formed") << "Jan<ý#í> pes<,# > a <s^z#>*12" << false;
        QTest::newRow("no star") << "Jan<ý#í> pes" << true;
        QTest::newRow("number is not a number") << "Jan<ý#í> pes*1a" << true;
        QTest::newRow("empty number") << "Jan<ý#í> pes*" << true;
        QTest::newRow("item without #") << "Jan<ý> pes*1" << true;
        QTest::newRow("item without >") << "Jan<ý#í pes*1" << true;
        QTest::newRow("star inside an item") << "Jan<ý#*í> pes*1" << true;
        QTest::newRow("# outside an item") << "Jan# pes*1" << true;
        QTest::newRow("> outside an item") << "Jan> pes*1" << true;
        QTest::newRow("nested item") << "J<a<b#c>#d>*1" << true;
        QTest::newRow("tilde outside") << "a~b<c#d>*1" << true;
        QTest::newRow("caret among alternatives") << "a<c#d^e>*1" << true;
        QTest::newRow("second # in an item") << "a<c#d#e>*1" << true;
    }
    void chyby_radku()
    {
        QFETCH(QString, radek);
        QFETCH(bool, chybny);
        QCOMPARE(chyba_radku(radek).has_value(), chybny);
        // Whatever the line, reading it never fails.
        const vypsane_vety_t v = vypis_vety(radek);
        QVERIFY(v.spravna_veta.size() <= radek.size());
    }
};

QTEST_APPLESS_MAIN(tst_znacky)
#include "tst_znacky.moc"
