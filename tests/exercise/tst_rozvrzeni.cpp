// The page layout on its model, in the bundled page font: page limits, covers, breaks,
// element sizes and alignment, lists, counters, malformed lines and the real content.
#include "common/geometrie.h"
#include "data/znacky.h"
#include "exercise/normalizace.h"
#include "exercise/viceradkovy_box.h"
#include "pomoc_stranky.h"

#include <QtTest>

namespace g = geometrie::cviceni;
namespace r = rozmery_prvku;

Q_DECLARE_METATYPE(druh_t)
Q_DECLARE_METATYPE(Qt::Alignment)
Q_DECLARE_METATYPE(std::optional<int>)

namespace
{

// Text lines of the page: top → the line's text as drawn (runs joined) and its right end.
struct radek_t {
    QString text;
    int zacatek = 0;
    int konec = 0;
};
QMap<int, radek_t> radky_textu(const stranka_t &s)
{
    QMap<int, radek_t> radky;
    for (const kresba_t &k : texty(s)) {
        radek_t &r = radky[k.poloha.y()];
        if (r.text.isEmpty())
            r.zacatek = k.poloha.x();
        r.text += k.text;
        r.konec = k.poloha.x() + sirka_stranky()(k.text, k.body);
    }
    return radky;
}

// A word of x and i whose width with a following "." falls in [od, do].
QString slovo_sirky(int od, int po, const QString &za = QStringLiteral("."))
{
    for (int x = 0; x < 200; ++x)
        for (int i = 0; i < 6; ++i) {
            const QString s = QString(x, u'x') + QString(i, u'i');
            const int w = sirka12(s + za);
            if (w >= od && w <= po)
                return s;
        }
    return {};
}

// A word of small letters exactly this wide at 12 points (empty if none is found).
QString slovo_presnej_sirky(int sirka)
{
    // Widths reachable with the letters a … z, each with one word that has it.
    QMap<int, QString> slova{{0, QString()}};
    for (int w = 1; w <= sirka; ++w)
        for (char16_t z = u'a'; z <= u'z'; ++z) {
            const int sz = sirka12(QString(QChar(z)));
            if (sz > 0 && sz <= w && slova.contains(w - sz) && !slova.contains(w)) {
                slova.insert(w, slova.value(w - sz) + QChar(z));
                break;
            }
        }
    return slova.value(sirka);
}

// A plain sentence of the given kind needing exactly n lines in its multi-line box.
QString veta_na_radky(int n)
{
    QString text = QStringLiteral("Slovo");
    while (pocet_radku_v_textboxu(text + QStringLiteral("."), 12) < n)
        text += QStringLiteral(" slovo");
    return text + QStringLiteral(".");
}

} // namespace

class tst_rozvrzeni : public QObject
{
    Q_OBJECT

private slots:
    void limity_stranky_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QString>("veta");
        QTest::addColumn<int>("uloh");
        QTest::addColumn<QList<int>>("na_strance");
        QTest::addColumn<int>("krok");
        const QString kratka = QStringLiteral("Pes <b#p>eží.");
        const QString tri = QStringLiteral("Prvý<,# >¦druhý¦tretí riadok.");
        QTest::newRow("one-line choices: nine a page") << druh_t::vyberovka << kratka << 12 << QList<int>{9, 3} << 36;
        QTest::newRow("one-line gaps, exactly nine") << druh_t::doplnovacka << kratka << 9 << QList<int>{9} << 36;
        QTest::newRow("three-line gaps: five a page") << druh_t::doplnovacka << tri << 7 << QList<int>{5, 2} << 74;
        QTest::newRow("two-line choices")
            << druh_t::vyberovka << QStringLiteral("Prvý¦druhý <r#l>iadok.") << 20 << QList<int>{6, 6, 6, 2} << 56;
        QTest::newRow("three-line dictations") << druh_t::diktat << veta_na_radky(3) << 11 << QList<int>{5, 5, 1} << 74;
        QTest::newRow("one-line corrections") << druh_t::oprava << kratka << 20 << QList<int>{9, 9, 2} << 36;
        QTest::newRow("the last sentence ends the page") << druh_t::vyberovka << kratka << 3 << QList<int>{3} << 36;
    }
    void limity_stranky()
    {
        QFETCH(druh_t, druh);
        QFETCH(QString, veta);
        QFETCH(int, uloh);
        QFETCH(QList<int>, na_strance);
        QFETCH(int, krok);
        QStringList radky;
        for (int i = 1; i <= uloh; ++i)
            radky.append(veta + QStringLiteral("*%1").arg(i));
        stav_cviceni_t s = cviceni(radky, druh);
        int zobrazeno = 0;
        for (int n : na_strance) {
            const stranka_t stranka = rozvrhni(s);
            zobrazeno += n;
            QCOMPARE(s.pocet_na_strance, n);
            QCOMPARE(s.losovani.pocet_zobrazenych, zobrazeno);
            QCOMPARE(stranka.vety.size(), n);
            QCOMPARE(s.poloha_y, 87 + n * krok);
            QCOMPARE(s.poloha_x, 46);
            QCOMPARE(s.dalsi_prvek - 1, stranka.pocet_prvku());
            // Every sentence's box starts where the previous one ended.
            for (int k = 1; k <= n; ++k)
                QCOMPARE(stranka.vety[k - 1].check_mark.poloha, QPoint(586, 87 + (k - 1) * krok));
            QCOMPARE(stranka.vety.first().repro.cislo_vety, zobrazeno - n + 1);
        }
        QCOMPARE(s.losovani.pocet_zobrazenych, uloh);
    }

    void prazdna_stranka_za_koncem()
    {
        stav_cviceni_t s = cviceni({QStringLiteral("Pes <b#p>eží.*1")}, druh_t::vyberovka);
        rozvrhni(s);
        const stranka_t dalsi = rozvrhni(s);
        QVERIFY(dalsi.vety.isEmpty());
        QCOMPARE(dalsi.kresby.size(), 1); // the page is only cleared
        QCOMPARE(s.pocet_na_strance, 0);
        QCOMPARE(s.losovani.pocet_zobrazenych, 1);
    }

    void kryt_podle_radku_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QString>("radek");
        QTest::addColumn<int>("radku");
        QTest::addColumn<QStringList>("kryt"); // left, right, bottom
        QTest::addColumn<int>("spodni_y");
        QTest::addColumn<int>("repro_y");
        const QStringList jeden{obrazky_stranky::kryt_levy, obrazky_stranky::kryt_pravy, obrazky_stranky::kryt_spodni};
        const QStringList dva{obrazky_stranky::kryt2_levy, obrazky_stranky::kryt2_pravy, obrazky_stranky::kryt2_spodni};
        QTest::newRow("one line") << druh_t::vyberovka << QStringLiteral("Pes <b#p>eží.*5") << 1 << jeden << 112 << 90;
        QTest::newRow("two lines") << druh_t::doplnovacka << QStringLiteral("Pes¦<b#p>eží.*5") << 2 << dva << 132 << 97;
        QTest::newRow("three lines") << druh_t::doplnovacka << QStringLiteral("P¦e¦<s#z>.*5") << 3 << QStringList() << 0
                                     << 107;
        QTest::newRow("one-line dictation")
            << druh_t::diktat << QStringLiteral("Pes <b#p>eží.*5") << 1 << jeden << 112 << 90;
        QTest::newRow("two-line correction")
            << druh_t::oprava << veta_na_radky(2) + QStringLiteral("*5") << 2 << dva << 132 << 97;
    }
    void kryt_podle_radku()
    {
        QFETCH(druh_t, druh);
        QFETCH(QString, radek);
        QFETCH(int, radku);
        QFETCH(QStringList, kryt);
        QFETCH(int, spodni_y);
        QFETCH(int, repro_y);
        stav_cviceni_t s = cviceni({radek}, druh);
        const stranka_t stranka = rozvrhni(s);

        const veta_stranky_t &v = stranka.vety.first();
        QCOMPARE(v.check_mark.pocet_radku, radku);
        QCOMPARE(v.check_mark.poloha, QPoint(586, 87));
        QCOMPARE(v.repro.obdelnik, QRect(46, repro_y, r::repro_sirka, r::repro_vyska));
        QCOMPARE(v.repro.cislo_vety, 5);
        QCOMPARE(v.repro.zbyva_prehrani, 99);
        QVERIFY(!v.pocet_diktovani);

        // The page is cleared first, then the box, the text, and the cover over them.
        QCOMPARE(stranka.kresby.first().druh, kresba_t::druh_t::vypln);
        QCOMPARE(stranka.kresby.first().obdelnik, QRect(14, 86, 611, 389));
        QCOMPARE(stranka.kresby.first().zdroj_barvy, QPoint(23, 86));
        const QList<kresba_t> obr = obrazky(stranka);
        QCOMPARE(obr.size(), 1 + kryt.size());
        QCOMPARE(obr[0].obrazek, obrazky_stranky::veta);
        QCOMPARE(obr[0].poloha, QPoint(46, 87));
        if (!kryt.isEmpty()) {
            QCOMPARE(obr[1].obrazek, kryt[0]);
            QCOMPARE(obr[1].poloha, QPoint(46, 87));
            QCOMPARE(obr[1].druh, kresba_t::druh_t::obrazek);
            QCOMPARE(obr[2].obrazek, kryt[1]);
            QCOMPARE(obr[2].poloha, QPoint(569, 87));
            QCOMPARE(obr[2].druh, kresba_t::druh_t::obrazek_pruhledny);
            QCOMPARE(obr[2].klic, QPoint(0, 20));
            QCOMPARE(obr[3].obrazek, kryt[2]);
            QCOMPARE(obr[3].poloha, QPoint(46, spodni_y));
            QVERIFY(stranka.kresby.indexOf(obr[1]) > stranka.kresby.lastIndexOf(texty(stranka).value(0)));
        }
    }

    void dlouha_veta_se_zalomi()
    {
        const QString text = QStringLiteral(
            "Keď sme v sobotu ráno vyrazili na výlet do hôr, nikto z nás ešte netušil, že nás na vrchole čaká "
            "prudká búrka s krupobitím a že sa domov vrátime premočení až do poslednej n<i#y>tky.");
        stav_cviceni_t s = cviceni({text + QStringLiteral("*3")}, druh_t::doplnovacka);
        const stranka_t stranka = rozvrhni(s);
        const QMap<int, radek_t> radky = radky_textu(stranka);
        QCOMPARE(radky.keys(), (QList<int>{92, 110, 128}));
        QCOMPARE(stranka.vety.first().check_mark.pocet_radku, 3);
        QCOMPARE(texty(stranka).first().body, 12);

        // The first line ends after the last space that still ends before 570.
        const QString prvni = radky[92].text;
        QVERIFY(prvni.endsWith(u' '));
        QCOMPARE(radky[92].zacatek, 95);
        const int mez = 95 + sirka12(prvni);
        QVERIFY(mez < 570);
        const qsizetype dalsi_mezera = text.indexOf(u' ', prvni.size());
        QVERIFY(95 + sirka12(text.left(dalsi_mezera + 1)) >= 570);

        // Later lines break at the first space after which the pen plus a space passes the same x.
        const QString druhy = radky[110].text;
        QCOMPARE(radky[110].zacatek, 95);
        QVERIFY(!druhy.startsWith(u' '));
        QVERIFY(95 + sirka12(druhy) + sirka12(QStringLiteral(" ")) > mez);
        const QString bez_posledni = druhy.chopped(1);
        QVERIFY(95 + sirka12(bez_posledni.left(bez_posledni.lastIndexOf(u' ') + 1)) + sirka12(QStringLiteral(" ")) <=
                mez);

        // Nothing is lost or drawn twice, and the gap sits on the last line.
        QCOMPARE(prvni + druhy + radky[128].text, text.left(text.indexOf(u'<')) + QStringLiteral("tky."));
        QCOMPARE(stranka.dopln_box.first().obdelnik.top(), 128);
        QCOMPARE(stranka.vety.first().check_mark.odpoved, QString(text).replace(QStringLiteral("<i#y>"), "i"));
    }

    void oddelovac_a_mezera_na_zacatku_radku()
    {
        stav_cviceni_t s = cviceni({QStringLiteral("Prvá časť<,# >¦ druhá <č#c>asť.*1")}, druh_t::doplnovacka);
        const stranka_t stranka = rozvrhni(s);
        const QMap<int, radek_t> radky = radky_textu(stranka);
        QCOMPARE(radky.keys(), (QList<int>{92, 110}));
        QCOMPARE(radky[92].text, QStringLiteral("Prvá časť"));
        // The space that opens the second line is not drawn but belongs to the sentence.
        QCOMPARE(radky[110].text, QStringLiteral("druhá asť."));
        QCOMPARE(radky[110].zacatek, 95);
        QCOMPARE(stranka.vety.first().check_mark.odpoved, QStringLiteral("Prvá časť, druhá časť."));
        QCOMPARE(stranka.vety.first().check_mark.pocet_radku, 2);
        for (const kresba_t &k : texty(stranka))
            QVERIFY(!k.text.contains(znak_oddelovac_radku));
        QCOMPARE(stranka.dopln_box[0].obdelnik.topLeft(), QPoint(95 + sirka12(QStringLiteral("Prvá časť")), 92));
        QCOMPARE(stranka.dopln_box[1].obdelnik.topLeft(), QPoint(95 + sirka12(QStringLiteral("druhá ")), 110));
    }

    void polozky_vedle_sebe_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QString>("radek");
        QTest::addColumn<int>("mezera"); // from the first element's right edge to the second's left
        QTest::newRow("touching choices") << druh_t::vyberovka << QStringLiteral("Slovo <a#b><c#d> koniec.*1") << 1;
        QTest::newRow("touching gaps") << druh_t::doplnovacka << QStringLiteral("Slovo <ab#b><cd#d> koniec.*1") << 1;
        QTest::newRow("a space between") << druh_t::doplnovacka << QStringLiteral("Slovo <ab#b> <cd#d> koniec.*1")
                                         << sirka12(QStringLiteral(" "));
    }
    void polozky_vedle_sebe()
    {
        QFETCH(druh_t, druh);
        QFETCH(QString, radek);
        QFETCH(int, mezera);
        stav_cviceni_t s = cviceni({radek}, druh);
        const stranka_t stranka = rozvrhni(s);
        QCOMPARE(stranka.pocet_prvku(), 2);
        const QRect a = druh == druh_t::vyberovka ? stranka.vyber_txt[0].obdelnik : stranka.dopln_box[0].obdelnik;
        const QRect b = druh == druh_t::vyberovka ? stranka.vyber_txt[1].obdelnik : stranka.dopln_box[1].obdelnik;
        QCOMPARE(a.left(), 95 + sirka12(QStringLiteral("Slovo ")));
        QCOMPARE(b.top(), a.top());
        QCOMPARE(b.left() - (a.left() + a.width()), mezera);
        // The text goes on after the second element.
        const QList<kresba_t> t = texty(stranka);
        QCOMPARE(t.last().poloha.x(), b.left() + b.width());
    }

    void sirka_a_delka_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QString>("polozka");
        QTest::addColumn<int>("sirka");
        QTest::addColumn<std::optional<int>>("max_delka");
        const auto w = [](const char *t) { return sirka12(QString::fromUtf8(t)); };
        const std::optional<int> bez;
        QTest::newRow("choice i: capital I plus 4") << druh_t::vyberovka << "<i#í>" << w("I") + 4 << bez;
        QTest::newRow("choice í: capital Í plus 4") << druh_t::vyberovka << "<í#i>" << w("Í") + 4 << bez;
        QTest::newRow("choice comma") << druh_t::vyberovka << "<,# >" << w(",") + 4 << bez;
        QTest::newRow("choice no comma") << druh_t::vyberovka << "< #,>" << w(" ") + 4 << bez;
        QTest::newRow("choice one letter: upper case plus 2") << druh_t::vyberovka << "<y#i>" << w("Y") + 2 << bez;
        QTest::newRow("choice wider wrong form") << druh_t::vyberovka << "<ab#wwww>" << w("wwww") + 2 << bez;
        QTest::newRow("choice wider second form") << druh_t::vyberovka << "<a^ffff#b>" << w("ffff") + 2 << bez;
        QTest::newRow("gap i: capital I plus 2, one character")
            << druh_t::doplnovacka << "<i#í>" << w("I") + 2 << std::optional<int>(1);
        QTest::newRow("gap comma") << druh_t::doplnovacka << "<,# >" << w(",") + 2 << std::optional<int>(1);
        QTest::newRow("gap word: no limit") << druh_t::doplnovacka << "<ab#c>" << w("ab") + 2 << bez;
        QTest::newRow("gap wider and longer wrong form")
            << druh_t::doplnovacka << "<ab#c~wwww>" << w("wwww") + 2 << std::optional<int>(4);
        QTest::newRow("gap one letter, wider longer form")
            << druh_t::doplnovacka << "<i#mm>" << w("mm") + 2 << std::optional<int>(2);
        QTest::newRow("gap wider but shorter form still takes the answer")
            << druh_t::doplnovacka << "<ii#m>" << w("m") + 2 << std::optional<int>(2);
        QTest::newRow("gap: of equally wide forms the first")
            << druh_t::doplnovacka << "<a#iii~w>" << w("iii") + 2 << std::optional<int>(3);
        QTest::newRow("gap: the last wrong form counts too")
            << druh_t::doplnovacka << "<a#b~mmm>" << w("mmm") + 2 << std::optional<int>(3);
        QTest::newRow("gap second form does not widen") << druh_t::doplnovacka << "<ab^ffff#b>" << w("ab") + 2 << bez;
    }
    void sirka_a_delka()
    {
        QFETCH(druh_t, druh);
        QFETCH(QString, polozka);
        QFETCH(int, sirka);
        QFETCH(std::optional<int>, max_delka);
        QCOMPARE(sirka12(QStringLiteral("iii")), sirka12(QStringLiteral("w"))); // the rows' premise
        stav_cviceni_t s = cviceni({QStringLiteral("Text ") + polozka + QStringLiteral(" koniec.*1")}, druh);
        const stranka_t stranka = rozvrhni(s);
        QCOMPARE(stranka.pocet_prvku(), 1);
        if (druh == druh_t::vyberovka) {
            QCOMPARE(stranka.vyber_txt[0].obdelnik.width(), sirka);
            QCOMPARE(stranka.vyber_txt[0].obdelnik.height(), r::vyska_prvku);
        } else {
            QCOMPARE(stranka.dopln_box[0].obdelnik.width(), sirka);
            QCOMPARE(stranka.dopln_box[0].max_delka, max_delka);
            const polozka_t p = *precti_polozku(polozka, 0);
            // Whatever the limit, the correct form can be typed.
            QVERIFY(!max_delka || *max_delka >= p.a.size());
        }
    }

    void zarovnani_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<Qt::Alignment>("zarovnani");
        QTest::newRow("sentence start, letter after") << "<V#v>eľa ľudí.*1" << Qt::Alignment(Qt::AlignRight);
        QTest::newRow("sentence start, space after") << "<A#a> potom.*1" << Qt::Alignment(Qt::AlignHCenter);
        QTest::newRow("space before, letter after") << "Ide <v#f>on.*1" << Qt::Alignment(Qt::AlignRight);
        QTest::newRow("letter before, full stop after") << "Ide d<o#u>.*1" << Qt::Alignment(Qt::AlignLeft);
        QTest::newRow("letter before, space after") << "Prišiel<,# > ale.*1" << Qt::Alignment(Qt::AlignLeft);
        QTest::newRow("space before, comma after") << "Ide <a#e>, ale.*1" << Qt::Alignment(Qt::AlignHCenter);
        QTest::newRow("space before, question mark after") << "Je to <on#ono>?*1" << Qt::Alignment(Qt::AlignHCenter);
        QTest::newRow("letter before, exclamation after") << "Ty<m#n>!*1" << Qt::Alignment(Qt::AlignLeft);
        QTest::newRow("inside a word keeps the template's") << "Ma<l#ľ>ý pes.*1" << Qt::Alignment(Qt::AlignHCenter);
        QTest::newRow("end of the sentence after a space") << "Ide <a#b>*1" << Qt::Alignment(Qt::AlignRight);
        QTest::newRow("after another item") << "Ide <a#b><c#d>.*1" << Qt::Alignment(Qt::AlignLeft);
    }
    void zarovnani()
    {
        QFETCH(QString, radek);
        QFETCH(Qt::Alignment, zarovnani);
        stav_cviceni_t vyber = cviceni({radek}, druh_t::vyberovka);
        stav_cviceni_t mezera = cviceni({radek}, druh_t::doplnovacka);
        const stranka_t a = rozvrhni(vyber);
        const stranka_t b = rozvrhni(mezera);
        QCOMPARE(a.vyber_txt.last().zarovnani, zarovnani);
        QCOMPARE(b.dopln_box.last().zarovnani, zarovnani);
    }

    void seznam_vyberu_data()
    {
        QTest::addColumn<QString>("polozka");
        QTest::addColumn<QStringList>("polozky");
        QTest::newRow("correct, second, wrong forms") << "<a^á#b~c>" << QStringList{"a", "á", "b", "c"};
        QTest::newRow("a lone space is an empty entry") << "<j# >" << QStringList{"j", ""};
        QTest::newRow("comma item") << "<,# >" << QStringList{",", ""};
        QTest::newRow("spaces kept in a list") << "<e# ~ie>" << QStringList{"e", " ", "ie"};
    }
    void seznam_vyberu()
    {
        QFETCH(QString, polozka);
        QFETCH(QStringList, polozky);
        QSet<QStringList> poradi;
        for (std::uint64_t seminko = 1; seminko <= 30; ++seminko) {
            stav_cviceni_t s =
                cviceni({QStringLiteral("Slovo ") + polozka + QStringLiteral(" tu.*1")}, druh_t::vyberovka);
            const vyber_txt_t v = rozvrhni(s, seminko).vyber_txt.first();
            QStringList serazene = v.vyber_lst;
            QStringList ocekavane = polozky;
            serazene.sort();
            ocekavane.sort();
            QCOMPARE(serazene, ocekavane);
            QCOMPARE(v.vyska_seznamu, r::vyska_prvku * polozky.size());
            QCOMPARE(v.spravna_odpoved, polozky.first());
            poradi.insert(v.vyber_lst);
        }
        // The entries are shuffled: the correct form is not always first.
        QVERIFY(poradi.size() > 1);
    }

    void prvni_slovo_sirsi_nez_radek()
    {
        const QString slovo(80, u'x');
        stav_cviceni_t s = cviceni({slovo + QStringLiteral("<a#b> a ďalšie slová.*1")}, druh_t::doplnovacka);
        const stranka_t stranka = rozvrhni(s);
        QCOMPARE(radky_textu(stranka).keys(), QList<int>{92});
        QCOMPARE(stranka.vety.first().check_mark.pocet_radku, 1);
        QCOMPARE(s.poloha_y, 87 + 36);
    }

    // The last place that fits may be a sentence end followed by more words: the rest
    // goes to the next line instead of running off the box.
    void koniec_vety_uprostred()
    {
        const QString slovo = slovo_sirky(475 - sirka12(QStringLiteral(" ")), 474);
        QVERIFY(!slovo.isEmpty());
        stav_cviceni_t s = cviceni({slovo + QStringLiteral(". Druhá <v#f>eta.*1")}, druh_t::doplnovacka);
        const stranka_t stranka = rozvrhni(s);
        const QMap<int, radek_t> radky = radky_textu(stranka);
        QCOMPARE(radky.keys(), (QList<int>{92, 110}));
        QVERIFY(95 + sirka12(radky[92].text.trimmed()) < 570);
        QVERIFY(radky[92].text.endsWith(QStringLiteral(". ")));
        QVERIFY(radky[110].text.startsWith(QStringLiteral("Druhá")));
    }

    // A break fits the first line only when it ends strictly before x 570.
    void prava_mez_data()
    {
        QTest::addColumn<int>("konec");
        QTest::addColumn<bool>("zmesti_sa");
        QTest::newRow("ends at 568") << 568 << true;
        QTest::newRow("ends at 569") << 569 << true;
        QTest::newRow("ends at 570") << 570 << false;
        QTest::newRow("ends at 571") << 571 << false;
    }
    void prava_mez()
    {
        QFETCH(int, konec);
        QFETCH(bool, zmesti_sa);
        const QString zaciatok = QStringLiteral("Tu ");
        const QString slovo = slovo_presnej_sirky(konec - 95 - sirka12(zaciatok + QStringLiteral(" ")));
        QVERIFY(!slovo.isEmpty());
        QCOMPARE(95 + sirka12(zaciatok + slovo + QStringLiteral(" ")), konec);
        stav_cviceni_t s = cviceni({zaciatok + slovo + QStringLiteral(" a ešte zopár slov do konca vety <b#p>ude.*1")},
                                   druh_t::vyberovka);
        const QMap<int, radek_t> radky = radky_textu(rozvrhni(s));
        QCOMPARE(radky[92].text, zmesti_sa ? zaciatok + slovo + u' ' : zaciatok);
    }

    // An item that would pass x 570 after the last break of the line goes to the next line.
    void polozka_na_novy_riadok_data()
    {
        QTest::addColumn<int>("presah"); // by how much the correct form plus 2 would pass 570
        QTest::addColumn<int>("riadok");
        QTest::newRow("ends at 570") << 0 << 1;
        QTest::newRow("passes 570") << 1 << 2;
        QTest::newRow("passes 570 by far") << 9 << 2;
    }
    void polozka_na_novy_riadok()
    {
        QFETCH(int, presah);
        QFETCH(int, riadok);
        const QString a = QStringLiteral("abc");
        // "Tu " ends the first line; the long word starts the second and the item follows it.
        const QString slovo = slovo_presnej_sirky(570 + presah - 95 - sirka12(a) - 2);
        QVERIFY(!slovo.isEmpty());
        stav_cviceni_t s =
            cviceni({QStringLiteral("Tu ") + slovo + QStringLiteral("<abc#d> koniec.*1")}, druh_t::doplnovacka);
        const stranka_t stranka = rozvrhni(s);
        const QMap<int, radek_t> radky = radky_textu(stranka);
        QCOMPARE(radky[92].text, QStringLiteral("Tu "));
        QCOMPARE(radky[110].text.left(slovo.size()), slovo);
        const QRect box = stranka.dopln_box.first().obdelnik;
        QCOMPARE(box.topLeft(), riadok == 1 ? QPoint(95 + sirka12(slovo), 110) : QPoint(95, 128));
    }

    void veta_ktora_sa_cela_zmesti()
    {
        // Its last fitting place is its final full stop: one line, whatever follows it.
        stav_cviceni_t s = cviceni({QStringLiteral("„Poď <s#z>em.“*1")}, druh_t::vyberovka);
        const stranka_t stranka = rozvrhni(s);
        QCOMPARE(stranka.vety.first().check_mark.pocet_radku, 1);
        QCOMPARE(radky_textu(stranka).keys(), QList<int>{92});
    }

    void zvlastni_veta()
    {
        const QString zaciatok = QStringLiteral("Včera, mohlo být kolem páté ");
        const QString obycajny = QStringLiteral("Včera, mohlo byt kolem páté ");
        QCOMPARE(sirka12(zaciatok), sirka12(obycajny));
        // A filler word whose following space ends at 571 … 575: past the usual limit,
        // and a space short of the special one.
        const int od = 571 - 95 - sirka12(zaciatok);
        const QString slovo = slovo_sirky(od, od + 4, QStringLiteral(" "));
        QVERIFY(!slovo.isEmpty());
        const QString zvysok = slovo + QStringLiteral(" a potom <b#p>ola tma.*1");

        // The special sentence breaks at the first space after which the pen plus a space passes 580.
        stav_cviceni_t s = cviceni({zaciatok + zvysok}, druh_t::vyberovka);
        const QMap<int, radek_t> zvlastne = radky_textu(rozvrhni(s));
        QCOMPARE(zvlastne[92].text, zaciatok + slovo + QStringLiteral(" a "));
        QVERIFY(zvlastne[92].konec > 580);

        stav_cviceni_t t = cviceni({obycajny + zvysok}, druh_t::vyberovka);
        const QMap<int, radek_t> bezne = radky_textu(rozvrhni(t));
        QCOMPARE(bezne[92].text, obycajny);
        QVERIFY(bezne[92].konec < 570);
    }

    void male_pismo_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<int>("opakovani");
        QTest::addColumn<int>("body");
        for (druh_t d : vsechny_druhy) {
            QTest::addRow("%s short", qPrintable(klicove_slovo(d))) << d << 8 << 12;
            QTest::addRow("%s wide", qPrintable(klicove_slovo(d))) << d << 11 << 10;
        }
    }
    void male_pismo()
    {
        QFETCH(druh_t, druh);
        QFETCH(int, opakovani);
        QFETCH(int, body);
        QString radek;
        for (int i = 0; i < opakovani; ++i)
            radek += QStringLiteral("Slovo <a#b>lebo dve ");
        radek += QStringLiteral("a koniec.*1");
        // 2.8 box widths at 12 points lie between the two lengths.
        const int w = sirka12(vypis_vety(radek).spravna_veta);
        QCOMPARE(w * 10 > 28 * 475, body == 10);
        stav_cviceni_t s = cviceni({radek}, druh);
        const stranka_t stranka = rozvrhni(s);
        for (const kresba_t &k : texty(stranka))
            QCOMPARE(k.body, body);
        for (const auto &e : stranka.dopln_box)
            QCOMPARE(e.body, body);
        for (const auto &e : stranka.vyber_txt)
            QCOMPARE(e.body, body);
        for (const auto &e : stranka.dopln_box_viceradkovy) {
            QCOMPARE(e.body, body);
            QCOMPARE(e.obdelnik.height(), format_viceradkoveho_boxu(body).vyska_radku * e.pocet_radku);
        }
    }

    void pocitadla_data()
    {
        QTest::addColumn<bool>("souvisly");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("zbyva");
        QTest::addColumn<QString>("obrazek");
        QTest::newRow("ordinary section") << false << 2 << 99 << "";
        QTest::newRow("whole text, one play") << true << 1 << 1 << "GRAFIKA/REP_1.BMP";
        QTest::newRow("whole text, two plays") << true << 2 << 2 << "GRAFIKA/REP_2.BMP";
        QTest::newRow("whole text, three plays") << true << 3 << 3 << "GRAFIKA/REP_3.BMP";
        QTest::newRow("whole text, no limit") << true << 100 << 100 << "";
    }
    void pocitadla()
    {
        QFETCH(bool, souvisly);
        QFETCH(int, limit);
        QFETCH(int, zbyva);
        QFETCH(QString, obrazek);
        stav_cviceni_t s = cviceni({QStringLiteral("Pes <b#p>eží.*10"), QStringLiteral("Prvý¦druhý <r#l>iadok.*11")},
                                   druh_t::doplnovacka, souvisly, limit);
        const stranka_t stranka = rozvrhni(s);
        QCOMPARE(stranka.souvisly_text, souvisly);
        for (const veta_stranky_t &v : stranka.vety) {
            QCOMPARE(v.repro.zbyva_prehrani, zbyva);
            QCOMPARE(v.pocet_diktovani.has_value(), souvisly);
            if (!souvisly)
                continue;
            QCOMPARE(v.pocet_diktovani->obdelnik, QRect(22, v.repro.obdelnik.top(), 21, 21));
            QCOMPARE(v.pocet_diktovani->viditelne, !obrazek.isEmpty());
        }
        QList<kresba_t> rep;
        for (const kresba_t &k : obrazky(stranka))
            if (k.obrazek.contains(QStringLiteral("REP_")))
                rep.append(k);
        if (obrazek.isEmpty()) {
            QVERIFY(rep.isEmpty());
        } else {
            QCOMPARE(rep.size(), 2);
            QCOMPARE(rep[0].obrazek, obrazek);
            QCOMPARE(rep[0].poloha, QPoint(22, 90));
            QCOMPARE(rep[1].poloha, QPoint(22, 123 + 10));
        }
    }

    void diktat_a_oprava_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::newRow("dictation") << druh_t::diktat;
        QTest::newRow("correction") << druh_t::oprava;
    }
    void diktat_a_oprava()
    {
        QFETCH(druh_t, druh);
        const QString radek = QStringLiteral("S dvo<ma^mi#my> kamarátmi išiel <v#f>on.*4");
        stav_cviceni_t s = cviceni({radek, QStringLiteral("Dnes prší.*5")}, druh);
        const stranka_t stranka = rozvrhni(s);
        QCOMPARE(stranka.dopln_box_viceradkovy.size(), 2);
        QCOMPARE(s.dalsi_prvek, 3);
        const dopln_box_viceradkovy_t &box = stranka.dopln_box_viceradkovy[0];
        QCOMPARE(box.obdelnik, QRect(95, 92, 475, format_viceradkoveho_boxu(12).vyska_radku));
        QCOMPARE(box.spravna_odpoved, QStringLiteral("S dvoma kamarátmi išiel von."));
        QCOMPARE(box.druha_odpoved, QStringLiteral("S dvomi kamarátmi išiel von."));
        QCOMPARE(stranka.dopln_box_viceradkovy[1].druha_odpoved, QString());
        QCOMPARE(stranka.vety[0].check_mark.odpoved, box.spravna_odpoved);
        if (druh == druh_t::diktat) {
            QVERIFY(box.text.isEmpty());
        } else {
            static const QRegularExpression planted(QStringLiteral("^S dvo(ma|my) kamarátmi išiel (v|f)on\\.$"));
            QVERIFY2(planted.match(box.text).hasMatch(), qPrintable(box.text));
        }
        QVERIFY(texty(stranka).isEmpty());
        QCOMPARE(stranka.dopln_box_viceradkovy[1].obdelnik.topLeft(), QPoint(95, 87 + 36 + 5));
    }

    void nepravidelne_radky_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<int>("prvku");
        QTest::newRow("item without end") << "Ach <bez konca*7" << 0;
        QTest::newRow("marks outside items") << "a # b > c ~ d ^ e*2" << 0;
        QTest::newRow("no star") << "Veta bez čísla <a#b>" << 1;
        QTest::newRow("empty line") << "" << 0;
        QTest::newRow("only a star") << "*" << 0;
        QTest::newRow("item end before its mark") << "Zle <a>b#c> tu.*3" << 0;
        QTest::newRow("star inside an item") << "Zle <a*b#c> tu" << 0;
        QTest::newRow("nothing but items") << "<a#b><c#d><e#f>*4" << 3;
        QTest::newRow("very long word") << QString(500, u'm') + "*5" << 0;
    }
    void nepravidelne_radky()
    {
        QFETCH(QString, radek);
        QFETCH(int, prvku);
        for (druh_t druh : vsechny_druhy) {
            stav_cviceni_t s = cviceni({radek, radek}, druh);
            const stranka_t stranka = rozvrhni(s);
            QCOMPARE(stranka.vety.size(), 2);
            if (druh == druh_t::vyberovka || druh == druh_t::doplnovacka)
                QCOMPARE(stranka.pocet_prvku(), 2 * prvku);
            else
                QCOMPARE(stranka.pocet_prvku(), 2);
            QCOMPARE(stranka.vety[0].repro.cislo_vety, cislo_vety(radek));
        }
    }

    void skutecne_vety_data()
    {
        QTest::addColumn<QString>("klic");
        QTest::addColumn<druh_t>("druh");
        const QStringList klice = klice_obsahu();
        QVERIFY(klice.size() >= 20);
        for (const QString &klic : klice)
            for (druh_t d : vsechny_druhy)
                QTest::addRow("%s %s", qPrintable(klic), qPrintable(klicove_slovo(d))) << klic << d;
    }
    // Every sentence of the content, page after page.
    void skutecne_vety()
    {
        QFETCH(QString, klic);
        QFETCH(druh_t, druh);
        const QStringList radky = vety_obsahu(klic);
        QVERIFY(!radky.isEmpty());
        stav_cviceni_t s = cviceni(radky, druh, je_souvisla_sekce(klic));
        const bool polozkove = druh == druh_t::vyberovka || druh == druh_t::doplnovacka;
        while (s.losovani.pocet_zobrazenych < s.losovani.pocet_uloh) {
            const int od = s.losovani.pocet_zobrazenych;
            const stranka_t stranka = rozvrhni(s);
            QVERIFY(s.pocet_na_strance >= 5 || s.losovani.pocet_zobrazenych == s.losovani.pocet_uloh);
            QCOMPARE(stranka.vety.size(), s.pocet_na_strance);
            int prvek = 0;
            for (int k = 1; k <= s.pocet_na_strance; ++k) {
                const QString &radek = radky[od + k - 1];
                const veta_stranky_t &v = stranka.vety[k - 1];
                QVERIFY2(v.check_mark.pocet_radku <= 3, qPrintable(radek));
                const QString spravna = vypis_vety(radek).spravna_veta;
                QCOMPARE(sluc_mezery(v.check_mark.odpoved), sluc_mezery(spravna));
                if (!polozkove) {
                    QCOMPARE(stranka.dopln_box_viceradkovy[k - 1].spravna_odpoved, spravna);
                    continue;
                }
                const int polozek = static_cast<int>(polozky_vety(radek).size());
                const int box_y = v.check_mark.poloha.y();
                for (int j = 0; j < polozek; ++j, ++prvek) {
                    QCOMPARE(stranka.veta_prvku(prvek + 1), k);
                    const QRect r = druh == druh_t::vyberovka ? stranka.vyber_txt[prvek].obdelnik
                                                              : stranka.dopln_box[prvek].obdelnik;
                    QVERIFY((QList<int>{box_y + 5, box_y + 23, box_y + 41}).contains(r.top()));
                    QVERIFY(r.left() >= 95);
                }
            }
            if (polozkove)
                QCOMPARE(prvek, stranka.pocet_prvku());
            for (const kresba_t &k : texty(stranka))
                for (QChar z : QStringLiteral("<>#~^¦"))
                    QVERIFY2(!k.text.contains(z), qPrintable(k.text));
        }
    }
};

QTEST_MAIN(tst_rozvrzeni)
#include "tst_rozvrzeni.moc"
