// The sentence markup: numbers, items, written-out sentences and malformed lines.
#include "common/nahoda.h"
#include "data/znacky.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::optional<QString>)

class tst_znacky : public QObject
{
    Q_OBJECT

private slots:
    void cislo_vety_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<int>("cislo");
        QTest::newRow("plain") << "Jan<ý#í> pes*12" << 12;
        QTest::newRow("letters after digits") << "Veta*12ab" << 12;
        QTest::newRow("empty tail") << "Veta*" << 0;
        QTest::newRow("not a number") << "Veta*x1" << 0;
        QTest::newRow("no star") << "Veta" << 0;
        QTest::newRow("first star counts") << "Veta*3*4" << 3;
    }
    void cislo_vety()
    {
        QFETCH(QString, radek);
        QFETCH(int, cislo);
        QCOMPARE(::cislo_vety(radek), cislo);
        QCOMPARE(cislo_vety_text(radek), QString::number(cislo));
    }

    // Items read at position 2 of "xy<item> z"; no A: the item is malformed.
    void polozka_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("a");
        QTest::addColumn<std::optional<QString>>("b");
        QTest::addColumn<QStringList>("alternativy");
        const std::optional<QString> bez, z("z"), prazdna("");
        // clang-format off
        QTest::newRow("one alternative") << "<ý#í>" << "ý" << bez << QStringList{"í"};
        QTest::newRow("second form, no alternative") << "<s^z#>" << "s" << z << QStringList{""};
        QTest::newRow("three alternatives") << "<ie#e~je~ie>" << "ie" << bez << QStringList{"e", "je", "ie"};
        QTest::newRow("lone space is an empty alternative") << "<j# >" << "j" << bez << QStringList{""};
        QTest::newRow("space stays in a list") << "<a# ~b>" << "a" << bez << QStringList{" ", "b"};
        QTest::newRow("trailing tilde: empty last form") << "<a#b~>" << "a" << bez << QStringList{"b", ""};
        QTest::newRow("comma item") << "<,# >" << "," << bez << QStringList{""};
        QTest::newRow("no-comma item") << "< #,>" << " " << bez << QStringList{","};
        QTest::newRow("empty second form") << "<dvoma^#dvomy>" << "dvoma" << prazdna << QStringList{"dvomy"};
        QTest::newRow("caret among the wrong forms") << "<a#b^c>" << "a" << bez << QStringList{"b^c"};
        QTest::newRow("no end") << "<abc" << "" << bez << QStringList{};
        QTest::newRow("> before #") << "<a>b#c" << "" << bez << QStringList{};
        // clang-format on
    }
    void polozka()
    {
        QFETCH(QString, text);
        QFETCH(QString, a);
        QFETCH(std::optional<QString>, b);
        QFETCH(QStringList, alternativy);
        const auto p = precti_polozku(QStringLiteral("xy") + text + QStringLiteral(" z"), 2);
        QCOMPARE(p.has_value(), !a.isEmpty());
        QVERIFY(!precti_polozku(QStringLiteral("xy") + text, 1)); // no "<" there
        if (!p)
            return;
        QCOMPARE(p->a, a);
        QCOMPARE(p->b, b);
        QCOMPARE(p->alternativy, alternativy);
        QCOMPARE(p->konec, 2 + text.size() - 1);
        QCOMPARE(p->je_carka(), text == QLatin1String("<,# >"));
        QCOMPARE(p->je_bez_carky(), text == QLatin1String("< #,>"));
    }

    void vypsane_vety_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("spravna");
        QTest::addColumn<QString>("spravna2");
        // clang-format off
        QTest::newRow("item in a word") << "Jan<ý#í> pes*12" << "Janý pes" << "";
        QTest::newRow("no items") << "Dnes prší.*3" << "Dnes prší." << "";
        QTest::newRow("second form") << "S dvo<ma^mi#my> <v#f>on.*4" << "S dvoma von." << "S dvomi von.";
        QTest::newRow("line separators removed") << "Prvá časť¦druhá <č#c>asť*5" << "Prvá časťdruhá časť" << "";
        QTest::newRow("comma items") << "Keď prišiel<,# > zazvonil< #,> a.*6" << "Keď prišiel, zazvonil  a." << "";
        QTest::newRow("malformed item shown as text") << "Ach <bez konca*7" << "Ach <bez konca" << "";
        QTest::newRow("> before #: text, then an item") << "5 <> 3 <ý#í>*8" << "5 <> 3 ý" << "";
        // clang-format on
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

    // Each form of an item is planted with the same chance (8000 draws, 5 % of a share).
    void veta_s_chybami_je_rovnomerna()
    {
        nahoda().zafixuj(2024);
        QMap<QString, int> pocty;
        for (int i = 0; i < 8000; ++i)
            ++pocty[vypis_vety(QStringLiteral("<a#b~c~d>*1")).veta_s_chybami];
        QCOMPARE(pocty.keys(), (QStringList{"a", "b", "c", "d"}));
        for (auto it = pocty.cbegin(); it != pocty.cend(); ++it)
            QVERIFY2(std::abs(it.value() - 2000) < 400, qPrintable(it.key()));
    }

    // The reason names what is wrong; empty: well formed.
    void chyby_radku_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("chyba");
        // clang-format off
        QTest::newRow("well formed") << "Jan<ý#í> pes<,# > a <s^z#>*12" << "";
        QTest::newRow("no star") << "Jan<ý#í> pes" << "no \"*\"";
        QTest::newRow("number is not a number") << "Jan<ý#í> pes*1a" << "not a number";
        QTest::newRow("item without #") << "Jan<ý> pes*1" << "without \"#\"";
        QTest::newRow("item without >") << "Jan<ý#í pes*1" << "without \">\"";
        QTest::newRow("star inside an item") << "Jan<ý#*í> pes*1" << "not a number";
        QTest::newRow("# outside an item") << "Jan# pes*1" << "\"#\" outside";
        QTest::newRow("nested item") << "J<a<b#c>#d>*1" << "inside an item";
        QTest::newRow("tilde outside") << "a~b<c#d>*1" << "\"~\" outside";
        QTest::newRow("caret among alternatives") << "a<c#d^e>*1" << "\"^\" outside";
        QTest::newRow("second # in an item") << "a<c#d#e>*1" << "second \"#\"";
        // clang-format on
    }
    void chyby_radku()
    {
        QFETCH(QString, radek);
        QFETCH(QString, chyba);
        const std::optional<QString> d = chyba_radku(radek);
        QCOMPARE(d.has_value(), !chyba.isEmpty());
        QVERIFY2(!d || d->contains(chyba), qPrintable(d.value_or(QString())));
        // Whatever the line, reading it never fails.
        QVERIFY(vypis_vety(radek).spravna_veta.size() <= radek.size());
    }
};

QTEST_APPLESS_MAIN(tst_znacky)
#include "tst_znacky.moc"
