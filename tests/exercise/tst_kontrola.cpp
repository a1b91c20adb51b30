// Answer checking on pages laid out from sentence lines: normalising typed sentences, the
// item rule, marks per sentence, counts, exceptions and the last page; and what the data
// compiler rejects because the page or the checking could not cope with it.
#include "exercise/kontrola.h"
#include "exercise/kontrola_obsahu.h"
#include "exercise/normalizace.h"
#include "exercise/viceradkovy_box.h"
#include "pomoc_stranky.h"

#include <QtTest>

Q_DECLARE_METATYPE(druh_t)

namespace
{
// Checks one page of the lines with the answers; the shared counts start at 10 and 3.
struct kontrola_t {
    stav_cviceni_t stav;
    stranka_t stranka;
    spolecny_stav_t spolecny;
    vysledek_kontroly_t v;
    kontrola_t(const QStringList &radky, druh_t druh, const QStringList &odpovedi, const QStringList &vyjimky = {})
        : stav(cviceni(radky, druh)), stranka(rozvrhni(stav))
    {
        spolecny.pocet_spravne = 10;
        spolecny.pocet_spatne = 3;
        v = zkontroluj_priklady(stranka, odpovedi, vyjimky_t{vyjimky}, stav, spolecny);
    }
};
} // namespace

class tst_kontrola : public QObject
{
    Q_OBJECT

private slots:
    void normalizuj_odpoved_data()
    {
        QTest::addColumn<QString>("napisane");
        QTest::addColumn<QString>("ocakavane");
        // clang-format off
        QTest::newRow("spaces around comma and full stop")
            << "Prišiel ,ale  neostal .Išiel domov." << "Prišiel, ale neostal. Išiel domov.";
        QTest::newRow("space after opening quote")
            << "Povedal: „ Poď sem,“ a odišiel." << "Povedal: „Poď sem,“ a odišiel.";
        QTest::newRow("colon, quotes, exclamation")
            << "Povedal:„Poď sem!“a odišiel." << "Povedal: „Poď sem!“ a odišiel.";
        QTest::newRow("leading, trailing and long runs of spaces") << "   Jeden     dva  tri.   " << "Jeden dva tri.";
        QTest::newRow("only spaces") << "     " << "";
        QTest::newRow("quotes at both ends") << "„Dobrý deň,“povedal „ Ahoj ! “" << "„Dobrý deň,“ povedal „Ahoj!“";
        QTest::newRow("closing quote before a full stop") << "„Hej“." << "„Hej“ .";
        QTest::newRow("ellipsis") << "Počkaj...a" << "Počkaj... a";
        QTest::newRow("mark at the start stays") << ",a .b" << ",a. b";
        // clang-format on
    }
    void normalizuj_odpoved()
    {
        QFETCH(QString, napisane);
        QFETCH(QString, ocakavane);
        QCOMPARE(::normalizuj_odpoved(napisane), ocakavane);
        QCOMPARE(::normalizuj_odpoved(ocakavane), ocakavane); // the house style is a fixed point
    }

    void pravidlo_polozky_data()
    {
        QTest::addColumn<QString>("odpoved");
        QTest::addColumn<QString>("spravna");
        QTest::addColumn<QString>("druha");
        QTest::addColumn<bool>("spravne");
        // clang-format off
        QTest::newRow("spaces around the answer") << " jablko " << "jablko" << "" << true;
        QTest::newRow("case matters") << "Jablko" << "jablko" << "" << false;
        QTest::newRow("spaces against empty") << "   " << "" << "" << true;
        QTest::newRow("second form trimmed") << "z " << "s" << " z" << true;
        QTest::newRow("no-comma item left empty") << "" << " " << "" << true;
        QTest::newRow("no-comma item with a comma") << "," << " " << "" << false;
        // clang-format on
    }
    void pravidlo_polozky()
    {
        QFETCH(QString, odpoved);
        QFETCH(QString, spravna);
        QFETCH(QString, druha);
        QFETCH(bool, spravne);
        QCOMPARE(odpoved_polozky_spravne(odpoved, spravna, druha), spravne);
    }

    void polozky_vo_vete_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QStringList>("odpovedi");
        QTest::addColumn<QList<bool>>("cervene");
        QTest::addColumn<QList<bool>>("znacky");
        const druh_t d = druh_t::doplnovacka;
        // Sentences: two gaps, one gap, a sentence without items, three gaps (the second with
        // a second form).
        QTest::newRow("all right") << d << QStringList{"b", "b", "v", "y", "z", "é"} << QList<bool>(6, false)
                                   << QList<bool>{true, true, true, true};
        QTest::newRow("one of two wrong")
            << d << QStringList{"b", "p", " v ", "y", "s", "é"} << QList<bool>{false, true, false, false, false, false}
            << QList<bool>{false, true, true, true};
        QTest::newRow("wrong in the last sentence only")
            << d << QStringList{"b", "b", "v", "i", "s", "é"} << QList<bool>{false, false, false, true, false, false}
            << QList<bool>{true, true, true, false};
        QTest::newRow("choices, nothing chosen")
            << druh_t::vyberovka << QStringList{} << QList<bool>(6, true) << QList<bool>{false, false, true, false};
    }
    // Runs of elements by sentence: the k-th run gives the k-th mark; a wrong item is red;
    // the items add to the shared counts; the marks are painted last sentence first.
    void polozky_vo_vete()
    {
        QFETCH(druh_t, druh);
        QFETCH(QStringList, odpovedi);
        QFETCH(QList<bool>, cervene);
        QFETCH(QList<bool>, znacky);
        const kontrola_t k({"Rástol tu du<b#p> a pod ním hrí<b#p>.*11", "Išli sme <v#f>on.*12", "Bez položky.*14",
                            "R<y#i>ba <s^z#c>o dn<é#e>m.*13"},
                           druh, odpovedi);
        QCOMPARE(k.v.cerveny, cervene);
        QCOMPARE(k.v.spravne, znacky);
        QCOMPARE(k.v.pocet_spatne, int(cervene.count(true)));
        QCOMPARE(k.spolecny.pocet_spravne, 10 + int(cervene.count(false)));
        QCOMPARE(k.spolecny.pocet_spatne, 3 + int(cervene.count(true)));
        QCOMPARE(k.v.kresby_znacek.size(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(k.v.kresby_znacek[i].poloha, k.stranka.vety[3 - i].check_mark.poloha);
            QCOMPARE(k.v.kresby_znacek[i].obrazek, znacky[3 - i] ? obrazky_znacek::spravne : obrazky_znacek::spatne);
        }
    }

    void cele_vety_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("napisane");
        QTest::addColumn<bool>("spravne");
        const druh_t d = druh_t::diktat, o = druh_t::oprava;
        const QString dvoma = QStringLiteral("S dvo<ma^mi#my> kamarátmi išiel <v#f>on.*4");
        const QString carky = QStringLiteral("Kúpil chlieb< #,> a keď prišiel<,# > zjedol.*8");
        // clang-format off
        QTest::newRow("dictation right") << d << dvoma << "S dvoma kamarátmi išiel von." << true;
        QTest::newRow("second form, untidy spacing") << d << dvoma << "  S dvomi  kamarátmi išiel von .  " << true;
        QTest::newRow("one letter wrong") << d << dvoma << "S dvomy kamarátmi išiel von." << false;
        QTest::newRow("case matters") << d << dvoma << "s dvoma kamarátmi išiel von." << false;
        QTest::newRow("no-comma item, spaces collapsed") << o << carky << "Kúpil chlieb a keď prišiel, zjedol." << true;
        QTest::newRow("comma left in") << o << carky << "Kúpil chlieb, a keď prišiel, zjedol." << false;
        QTest::newRow("second form, no-comma item") << o << "Ja< #,> a <ty^vy#my>.*8" << "Ja a vy." << true;
        // clang-format on
    }
    // Whole sentences are normalised and compared with both written-out sentences, their
    // double spaces collapsed; sentence boxes are never red.
    void cele_vety()
    {
        QFETCH(druh_t, druh);
        QFETCH(QString, radek);
        QFETCH(QString, napisane);
        QFETCH(bool, spravne);
        const kontrola_t k({radek}, druh, {napisane});
        QCOMPARE(k.v.spravne, QList<bool>{spravne});
        QCOMPARE(k.spolecny.pocet_spravne, spravne ? 11 : 10);
        QCOMPARE(k.spolecny.pocet_spatne, spravne ? 3 : 4);
        QVERIFY(!k.v.cerveny.contains(true));
        QVERIFY(!k.stranka.dopln_box_viceradkovy[0].spravna_odpoved.contains(QStringLiteral("  ")));
        QVERIFY(k.v.vsetko_skontrolovane);
    }

    void vyjimky_data()
    {
        QTest::addColumn<QStringList>("zaznamy");
        QTest::addColumn<QString>("napisane");
        QTest::addColumn<bool>("spravne");
        const QString iny = QStringLiteral("Prišiel keď už bolo neskoro.");
        QTest::newRow("no exceptions") << QStringList{} << iny << false;
        QTest::newRow("a lone exception counts") << QStringList{iny + "*21"} << iny << true;
        QTest::newRow("another sentence's number") << QStringList{iny + "*22", "Niečo iné.*21"} << iny << false;
        QTest::newRow("typed untidily, matched normalised")
            << QStringList{iny + "*021", "x*1"} << "Prišiel  keď už bolo neskoro ." << true;
        QTest::newRow("entry without a star is skipped") << QStringList{iny, iny + "*21"} << iny << true;
    }
    void vyjimky()
    {
        QFETCH(QStringList, zaznamy);
        QFETCH(QString, napisane);
        QFETCH(bool, spravne);
        for (druh_t druh : {druh_t::diktat, druh_t::oprava}) {
            const kontrola_t k({"Prišiel<,# > keď už bolo neskoro.*21", "Dnes prší.*22"}, druh,
                               {napisane, "Dnes prší."}, zaznamy);
            QCOMPARE(k.v.spravne, (QList<bool>{spravne, true}));
        }
    }

    void obsah_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QStringList>("odmitnute"); // kinds or phrases the reasons must name
        QTest::addColumn<QStringList>("prijate");   // kinds the reasons must not name
        QString tri = QStringLiteral("Slovo");
        const auto dalsi_slovo_se_vejde = [](const QString &t) {
            return pocet_radku_v_textboxu(t + " slovo.", 12) == 3 && sirka12(t + " slovo.") * 10 <= 28 * 475;
        };
        while (pocet_radku_v_textboxu(tri + ".", 12) < 3 || dalsi_slovo_se_vejde(tri))
            tri += QStringLiteral(" slovo");
        QString plny = QStringLiteral("Dom");
        while (95 + sirka12(plny + " dom a.") < 570)
            plny += QStringLiteral(" dom");
        const QStringList vsechny{"VYBEROVKA", "DOPLNOVACKA", "DIKTAT", "OPRAVA"};
        QTest::newRow("ordinary sentence") << "Na kraji lesa rástol du<b#p>.*1" << QStringList{} << vsechny;
        QTest::newRow("four lines and more")
            << "Veľmi " + QString("slovo ").repeated(70) + "<a#b>.*2" << vsechny << QStringList{};
        QTest::newRow("no item") << "Dnes prší.*3" << QStringList{"VYBEROVKA", "DOPLNOVACKA", "no input element"}
                                 << QStringList{"DIKTAT", "OPRAVA", "lines"};
        QTest::newRow("a planted wide form needs a fourth line")
            << tri + " <a#wwwwwwwwwwwwwwwwwwww>.*5" << QStringList{"OPRAVA"} << QStringList{"DIKTAT"};
        QTest::newRow("a box wider than its form runs past x 570")
            << plny + " <a#wwwwwwww>.*7" << QStringList{"VYBEROVKA", "DOPLNOVACKA", "x 570"}
            << QStringList{"DIKTAT", "OPRAVA"};
        QTest::newRow("correct sentence outside the house style")
            << "Zavolal: „Hej!“a odiš<i#y>el.*6" << QStringList{"house style", "Zavolal: „Hej!“ a odišiel."}
            << QStringList{"lines"};
    }
    void obsah()
    {
        QFETCH(QString, radek);
        QFETCH(QStringList, odmitnute);
        QFETCH(QStringList, prijate);
        const QString duvody = duvody_odmitnuti_vety(radek).join(QStringLiteral(" | "));
        for (const QString &s : odmitnute)
            QVERIFY2(duvody.contains(s), qPrintable(s + ": " + duvody));
        for (const QString &s : prijate)
            QVERIFY2(!duvody.contains(s), qPrintable(s + ": " + duvody));
        QCOMPARE(duvody.isEmpty(), odmitnute.isEmpty());
    }

    // An exception must be in the house style already; the reason quotes it so.
    void obsah_vyjimky()
    {
        QVERIFY(duvody_odmitnuti_vyjimky(QStringLiteral("Dnes prší, ale zajtra nie.")).isEmpty());
        QVERIFY(duvody_odmitnuti_vyjimky(QStringLiteral(" Povedal:„Poď!“")).value(0).contains("\"Povedal: „Poď!“\""));
    }
};

QTEST_MAIN(tst_kontrola)
#include "tst_kontrola.moc"
