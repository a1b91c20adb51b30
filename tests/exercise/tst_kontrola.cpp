// Answer checking on pages laid out from real sentence lines: normalising typed sentences,
// the item rule, marks per sentence, counts, exceptions and the last page.
#include "exercise/kontrola.h"
#include "exercise/normalizace.h"
#include "pomoc_stranky.h"

#include <QtTest>

Q_DECLARE_METATYPE(druh_t)

namespace
{

// A page of the lines, laid out and ready to be checked.
struct kontrolovana_stranka_t {
    stav_cviceni_t stav;
    stranka_t stranka;
};
kontrolovana_stranka_t stranka_z(const QStringList &radky, druh_t druh, int uloh = -1)
{
    kontrolovana_stranka_t k{cviceni(radky, druh), {}};
    if (uloh >= 0)
        k.stav.losovani.pocet_uloh = uloh;
    k.stranka = rozvrhni(k.stav);
    return k;
}

} // namespace

class tst_kontrola : public QObject
{
    Q_OBJECT

private slots:
    void normalizuj_odpoved_data()
    {
        QTest::addColumn<QString>("napisane");
        QTest::addColumn<QString>("ocakavane");
        QTest::newRow("spaces around comma and full stop") << "Prišiel ,ale  neostal .Išiel domov."
                                                           << "Prišiel, ale neostal. Išiel domov.";
        QTest::newRow("space after opening quote") << "Povedal: „ Poď sem,“ a odišiel."
                                                   << "Povedal: „Poď sem,“ a odišiel.";
        QTest::newRow("every comma, pushed along") << "a,b,c,d,e"
                                                   << "a, b, c, d, e";
        QTest::newRow("colon, quotes, exclamation") << "Povedal:„Poď sem!“a odišiel."
                                                    << "Povedal: „Poď sem!“ a odišiel.";
        QTest::newRow("already in style") << "Dnes prší, ale zajtra bude pekne."
                                          << "Dnes prší, ale zajtra bude pekne.";
        QTest::newRow("leading and trailing spaces") << "   Dnes prší.   "
                                                     << "Dnes prší.";
        QTest::newRow("only spaces") << "     "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("long runs of spaces") << "Jeden     dva      tri."
                                             << "Jeden dva tri.";
        QTest::newRow("quotes at both ends") << "„Dobrý deň,“povedal."
                                             << "„Dobrý deň,“ povedal.";
        QTest::newRow("closing quote ends the text") << " Povedal: „Ahoj!“ "
                                                     << "Povedal: „Ahoj!“";
        QTest::newRow("spaces inside quotes") << "Povedal:„ Ahoj ! “"
                                              << "Povedal: „Ahoj!“";
        QTest::newRow("several spaces after an opening quote") << "Zavolal „  Hej!“"
                                                               << "Zavolal „Hej!“";
        QTest::newRow("closing quote before a full stop gets its space") << "„Hej“."
                                                                         << "„Hej“ .";
        QTest::newRow("opening quote glued to a word") << "Zavolal„Hej!“"
                                                       << "Zavolal „Hej!“";
        QTest::newRow("ellipsis") << "Počkaj...a"
                                  << "Počkaj... a";
        QTest::newRow("question and exclamation together") << "Naozaj ?!Áno."
                                                           << "Naozaj?! Áno.";
        QTest::newRow("comma before full stop") << "Áno ,."
                                                << "Áno,.";
        QTest::newRow("mark at the start stays") << ",a .b"
                                                 << ",a. b";
        QTest::newRow("full stop before closing quote") << "„Idem.“Odišiel."
                                                        << "„Idem.“ Odišiel.";
        QTest::newRow("space before a closing quote") << "„Idem .“ "
                                                      << "„Idem.“";
        QTest::newRow("colon before a number") << "Čas:12 hodín"
                                               << "Čas: 12 hodín";
        QTest::newRow("a lone mark") << " ? "
                                     << "?";
    }
    void normalizuj_odpoved()
    {
        QFETCH(QString, napisane);
        QFETCH(QString, ocakavane);
        QCOMPARE(::normalizuj_odpoved(napisane), ocakavane);
        // The house style is a fixed point.
        QCOMPARE(::normalizuj_odpoved(ocakavane), ocakavane);
    }

    void pravidlo_polozky_data()
    {
        QTest::addColumn<QString>("odpoved");
        QTest::addColumn<QString>("spravna");
        QTest::addColumn<QString>("druha");
        QTest::addColumn<bool>("spravne");
        QTest::newRow("spaces around the answer") << " jablko "
                                                  << "jablko"
                                                  << "" << true;
        QTest::newRow("case matters") << "Jablko"
                                      << "jablko"
                                      << "" << false;
        QTest::newRow("empty against empty") << ""
                                             << ""
                                             << "" << true;
        QTest::newRow("spaces against empty") << "   "
                                              << ""
                                              << "" << true;
        QTest::newRow("empty against a form") << ""
                                              << "y"
                                              << "" << false;
        QTest::newRow("second form") << "z"
                                     << "s"
                                     << "z" << true;
        QTest::newRow("second form trimmed") << "z "
                                             << "s"
                                             << " z" << true;
        QTest::newRow("neither form") << "c"
                                      << "s"
                                      << "z" << false;
        QTest::newRow("comma item") << ","
                                    << ","
                                    << "" << true;
        QTest::newRow("no-comma item left empty") << ""
                                                  << " "
                                                  << "" << true;
        QTest::newRow("no-comma item with a comma") << ","
                                                    << " "
                                                    << "" << false;
        QTest::newRow("a part of the word is not enough") << "ov"
                                                          << "ovi"
                                                          << "" << false;
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
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        // Sentences: two gaps, one gap, three gaps (the second with a second form).
        QTest::newRow("all right") << druh_t::doplnovacka << QStringList{"b", "b", "v", "y", "z", "é"}
                                   << QList<bool>(6, false) << QList<bool>{true, true, true} << 6 << 0;
        QTest::newRow("one of two wrong")
            << druh_t::doplnovacka << QStringList{"b", "p", "v", "y", "s", "é"}
            << QList<bool>{false, true, false, false, false, false} << QList<bool>{false, true, true} << 5 << 1;
        QTest::newRow("wrong in the last sentence only")
            << druh_t::doplnovacka << QStringList{"b", "b", " v ", "i", "s", "é"}
            << QList<bool>{false, false, false, true, false, false} << QList<bool>{true, true, false} << 5 << 1;
        QTest::newRow("nothing typed") << druh_t::doplnovacka << QStringList{"", "", "", "", "", ""}
                                       << QList<bool>(6, true) << QList<bool>{false, false, false} << 0 << 6;
        QTest::newRow("choices, mixed") << druh_t::vyberovka << QStringList{"p", "p", "v", "y", "z", "e"}
                                        << QList<bool>{true, true, false, false, false, true}
                                        << QList<bool>{false, true, false} << 3 << 3;
        QTest::newRow("choices, nothing chosen")
            << druh_t::vyberovka << QStringList{} << QList<bool>(6, true) << QList<bool>{false, false, false} << 0 << 6;
    }
    void polozky_vo_vete()
    {
        QFETCH(druh_t, druh);
        QFETCH(QStringList, odpovedi);
        QFETCH(QList<bool>, cervene);
        QFETCH(QList<bool>, znacky);
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        kontrolovana_stranka_t k =
            stranka_z({QStringLiteral("Rástol tu du<b#p> a pod ním hrí<b#p>.*11"),
                       QStringLiteral("Išli sme <v#f>on.*12"), QStringLiteral("R<y#i>ba <s^z#c>o dn<é#e>m.*13")},
                      druh, 5);
        QCOMPARE(k.stranka.pocet_prvku(), 6);
        spolecny_stav_t spolecny;
        spolecny.pocet_spravne = 10;
        spolecny.pocet_spatne = 3;
        const vysledek_kontroly_t v = zkontroluj_priklady(k.stranka, odpovedi, {}, k.stav, spolecny);
        QCOMPARE(v.cerveny, cervene);
        QCOMPARE(v.spravne, znacky);
        QCOMPARE(v.pocet_spravne, spravne);
        QCOMPARE(v.pocet_spatne, spatne);
        QCOMPARE(spolecny.pocet_spravne, 10 + spravne);
        QCOMPARE(spolecny.pocet_spatne, 3 + spatne);
        QVERIFY(!v.vsetko_skontrolovane);
        QVERIFY(!spolecny.vsetko_skontrolovane);
        // The mark pictures go where the marks stand, last sentence first.
        QCOMPARE(v.kresby_znacek.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const int k_vety = 3 - i;
            QCOMPARE(v.kresby_znacek[i].poloha, k.stranka.vety[k_vety - 1].check_mark.poloha);
            QCOMPARE(v.kresby_znacek[i].obrazek, znacky[k_vety - 1] ? obrazky_znacek::spravne : obrazky_znacek::spatne);
        }
    }

    void cele_vety_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("napisane");
        QTest::addColumn<bool>("spravne");
        const druh_t d = druh_t::diktat;
        const druh_t o = druh_t::oprava;
        const QString dvoma = QStringLiteral("S dvo<ma^mi#my> kamarátmi išiel <v#f>on.*4");
        QTest::newRow("dictation right") << d << dvoma << "S dvoma kamarátmi išiel von." << true;
        QTest::newRow("dictation, second form") << d << dvoma << "S dvomi kamarátmi išiel von." << true;
        QTest::newRow("dictation, untidy spacing") << d << dvoma << "  S dvomi  kamarátmi išiel von .  " << true;
        QTest::newRow("dictation, one letter wrong") << d << dvoma << "S dvomy kamarátmi išiel von." << false;
        QTest::newRow("dictation, case matters") << d << dvoma << "s dvoma kamarátmi išiel von." << false;
        QTest::newRow("dictation, nothing typed") << d << dvoma << "" << false;
        const QString carky = QStringLiteral("Kúpil chlieb< #,> a keď prišiel<,# > zjedol ho.*8");
        QTest::newRow("no-comma item, double space collapsed")
            << o << carky << "Kúpil chlieb a keď prišiel, zjedol ho." << true;
        QTest::newRow("correction, comma left in") << o << carky << "Kúpil chlieb, a keď prišiel, zjedol ho." << false;
        QTest::newRow("correction, comma typed loosely")
            << o << carky << "Kúpil chlieb a keď prišiel ,zjedol ho." << true;
        const QString oboje = QStringLiteral("Kúpil chlieb< #,> a <dvoma^dvomi#dvomy> rožkami.*8");
        QTest::newRow("second form with a no-comma item") << o << oboje << "Kúpil chlieb a dvomi rožkami." << true;
        const QString rec = QStringLiteral("Povedal: <„#\">Poď sem!“ a odišiel.*9");
        QTest::newRow("direct speech normalised") << o << rec << "Povedal:„ Poď sem !“a odišiel." << true;
    }
    void cele_vety()
    {
        QFETCH(druh_t, druh);
        QFETCH(QString, radek);
        QFETCH(QString, napisane);
        QFETCH(bool, spravne);
        kontrolovana_stranka_t k = stranka_z({radek}, druh);
        spolecny_stav_t spolecny;
        const vysledek_kontroly_t v = zkontroluj_priklady(k.stranka, {napisane}, {}, k.stav, spolecny);
        QCOMPARE(v.spravne, QList<bool>{spravne});
        QCOMPARE(spolecny.pocet_spravne, spravne ? 1 : 0);
        QCOMPARE(spolecny.pocet_spatne, spravne ? 0 : 1);
        // Sentence boxes are never coloured; their expected sentences keep single spaces.
        QVERIFY(!v.cerveny.contains(true));
        QVERIFY(!k.stranka.dopln_box_viceradkovy[0].spravna_odpoved.contains(QStringLiteral("  ")));
        QVERIFY(!k.stranka.dopln_box_viceradkovy[0].druha_odpoved.contains(QStringLiteral("  ")));
        QVERIFY(v.vsetko_skontrolovane);
    }

    void vyjimky_data()
    {
        QTest::addColumn<QStringList>("zaznamy");
        QTest::addColumn<QString>("napisane");
        QTest::addColumn<bool>("spravne");
        const QString iny = QStringLiteral("Prišiel keď už bolo neskoro.");
        QTest::newRow("no exceptions") << QStringList{} << iny << false;
        QTest::newRow("a lone exception counts") << QStringList{iny + "*21"} << iny << true;
        QTest::newRow("the second of two") << QStringList{"Niečo iné.*21", iny + "*21"} << iny << true;
        QTest::newRow("the first of two") << QStringList{iny + "*21", "Niečo iné.*21"} << iny << true;
        QTest::newRow("another sentence's number") << QStringList{iny + "*22", "Niečo iné.*21"} << iny << false;
        QTest::newRow("number compared as a number") << QStringList{iny + "*021", "x*1"} << iny << true;
        QTest::newRow("typed untidily, matched normalised")
            << QStringList{iny + "*21", "x*1"} << "Prišiel  keď už bolo neskoro ." << true;
        QTest::newRow("exception text must match exactly")
            << QStringList{iny + "*21", "x*1"} << "Prišiel keď už bolo neskoro!" << false;
    }
    void vyjimky()
    {
        QFETCH(QStringList, zaznamy);
        QFETCH(QString, napisane);
        QFETCH(bool, spravne);
        for (druh_t druh : {druh_t::diktat, druh_t::oprava}) {
            kontrolovana_stranka_t k = stranka_z(
                {QStringLiteral("Prišiel<,# > keď už bolo neskoro.*21"), QStringLiteral("Dnes prší.*22")}, druh);
            spolecny_stav_t spolecny;
            const vysledek_kontroly_t v = zkontroluj_priklady(k.stranka, {napisane, QStringLiteral("Dnes prší.")},
                                                              vyjimky_t{zaznamy}, k.stav, spolecny);
            QCOMPARE(v.spravne, (QList<bool>{spravne, true}));
        }
    }

    void posledni_stranka_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<int>("uloh");
        QTest::addColumn<bool>("posledni");
        for (druh_t d : vsechny_druhy) {
            QTest::addRow("%s, more to come", qPrintable(klicove_slovo(d))) << d << 12 << false;
            QTest::addRow("%s, last page", qPrintable(klicove_slovo(d))) << d << 3 << true;
        }
    }
    void posledni_stranka()
    {
        QFETCH(druh_t, druh);
        QFETCH(int, uloh);
        QFETCH(bool, posledni);
        QStringList radky;
        for (int i = 1; i <= uloh; ++i)
            radky.append(QStringLiteral("Pes <b#p>eží %1.*%1").arg(i));
        stav_cviceni_t stav = cviceni(radky, druh, true);
        spolecny_stav_t spolecny;
        while (stav.losovani.pocet_zobrazenych < uloh) {
            stranka_t stranka = rozvrhni(stav);
            const vysledek_kontroly_t v = zkontroluj_priklady(stranka, {}, {}, stav, spolecny);
            QCOMPARE(v.vsetko_skontrolovane, stav.losovani.pocet_zobrazenych == uloh);
            QCOMPARE(spolecny.vsetko_skontrolovane, v.vsetko_skontrolovane);
            QVERIFY(v.zakazat_pocitadla);
            if (!posledni)
                break;
        }
        // Counts add up over the pages: every item of an empty page is wrong.
        QCOMPARE(spolecny.pocet_spatne, stav.losovani.pocet_zobrazenych);
        QCOMPARE(spolecny.pocet_spravne, 0);
    }

    void veta_bez_prvku_nezmeni_znacky()
    {
        // A sentence without items has no element; the marks stay with their own rows.
        kontrolovana_stranka_t k = stranka_z(
            {QStringLiteral("Ide <v#f>on.*1"), QStringLiteral("Bez položky.*2"), QStringLiteral("Ide d<o#u>.*3")},
            druh_t::doplnovacka);
        spolecny_stav_t spolecny;
        const vysledek_kontroly_t v = zkontroluj_priklady(k.stranka, {"v", "x"}, {}, k.stav, spolecny);
        QCOMPARE(v.spravne, (QList<bool>{true, true, false}));
        QCOMPARE(v.cerveny, (QList<bool>{false, true}));
    }
};

QTEST_MAIN(tst_kontrola)
#include "tst_kontrola.moc"
