// The page layout on its model in the bundled page font (page limits, breaks, element sizes,
// lists, sentence boxes, malformed lines), the sentence box wrapping as the layout counted,
// and the bubble's size.
#include "common/stav.h"
#include "exercise/bublina.h"
#include "exercise/kontrola.h"
#include "exercise/prvky_cviceni.h"
#include "exercise/viceradkovy_box.h"
#include "pomoc_stranky.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

Q_DECLARE_METATYPE(druh_t)
Q_DECLARE_METATYPE(std::optional<int>)

namespace
{

// A word of small letters exactly this wide at 12 points (empty if none is found).
QString slovo(int sirka)
{
    QMap<int, QString> slova{{0, QString()}};
    for (int w = 1; w <= sirka; ++w)
        for (char16_t z = u'a'; z <= u'z' && !slova.contains(w); ++z)
            if (const int sz = sirka12(QString(QChar(z))); sz > 0 && sz <= w && slova.contains(w - sz))
                slova.insert(w, slova.value(w - sz) + QChar(z));
    return slova.value(sirka);
}

// A plain sentence needing exactly n lines in its 12-point sentence box.
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
        const QString kratka = QStringLiteral("Pes <b#p>eží."), tri = QStringLiteral("Prvý<,# >¦druhý¦tretí riadok.");
        // clang-format off
        QTest::newRow("three-line gaps: five a page") << druh_t::doplnovacka << tri << 7 << QList<int>{5, 2} << 74;
        QTest::newRow("two-line choices") << druh_t::vyberovka << "Prvý¦druhý <r#l>iadok." << 20 << QList<int>{6, 6, 6, 2} << 56;
        QTest::newRow("three-line dictations") << druh_t::diktat << veta_na_radky(3) << 11 << QList<int>{5, 5, 1} << 74;
        QTest::newRow("the last sentence ends the page") << druh_t::oprava << kratka << 3 << QList<int>{3} << 36;
        // clang-format on
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
            QCOMPARE(s.dalsi_prvek - 1, stranka.pocet_prvku());
            for (int k = 1; k <= n; ++k)
                QCOMPARE(stranka.vety[k - 1].check_mark.poloha, QPoint(586, 87 + (k - 1) * krok));
            QCOMPARE(stranka.vety.first().repro.cislo_vety, zobrazeno - n + 1);
        }
        QCOMPARE(rozvrhni(s).kresby.size(), 1); // past the end a page is only cleared
        QCOMPARE(s.losovani.pocet_zobrazenych, uloh);
    }

    // Where the first line breaks, how many lines there are (0: any), and where the first
    // element stands (null: anywhere).
    void zalomeni_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("prvni");
        QTest::addColumn<int>("radku");
        QTest::addColumn<QPoint>("prvek");
        const QString tu = QStringLiteral("Tu "),
                      dalej = QStringLiteral(" a ešte zopár slov do konca vety <b#p>ude.*1");
        const QString zvlastna = QStringLiteral("Včera, mohlo být kolem páté "),
                      obycajna = QStringLiteral("Včera, mohlo byt kolem páté "),
                      potom = QStringLiteral(" a potom <b#p>.*1");
        const int tu2 = 95 + sirka12(QStringLiteral("Tu  "));
        const QString w569 = slovo(569 - tu2), w570 = slovo(570 - tu2),
                      w474 = slovo(474 - sirka12(QStringLiteral("."))),
                      w573 = slovo(573 - 95 - sirka12(zvlastna) - sirka12(QStringLiteral(" "))),
                      w_polozka = slovo(570 - 95 - sirka12(QStringLiteral("abc")) - 2), x80(80, u'x');
        for (const QString &w : {w569, w570, w474, w573, w_polozka})
            QVERIFY(!w.isEmpty());
        QCOMPARE(sirka12(zvlastna), sirka12(obycajna));
        // clang-format off
        QTest::newRow("a break ending at 569 fits") << tu + w569 + dalej << tu + w569 + " " << 2 << QPoint();
        QTest::newRow("a break ending at 570 does not") << tu + w570 + dalej << tu << 0 << QPoint();
        QTest::newRow("a sentence end, more words") << w474 + ". Druhá <v#f>eta.*1" << w474 + ". " << 2 << QPoint();
        QTest::newRow("a sentence that fits whole") << "„Poď <s#z>em.“*1" << "„Poď em.“" << 1 << QPoint();
        QTest::newRow("a first word wider than the line") << x80 + "<a#b> a tu.*1" << x80 + " a tu." << 1 << QPoint();
        // The special sentence breaks at the first space after which pen plus space pass 580.
        QTest::newRow("the special sentence") << zvlastna + w573 + potom << zvlastna + w573 + " a " << 2 << QPoint();
        QTest::newRow("the same width otherwise") << obycajna + w573 + potom << obycajna << 0 << QPoint();
        // An item passing x 570 after the line's last break goes to the next line.
        QTest::newRow("an item ending at 570 stays") << tu + w_polozka + "<abc#d>.*1" << tu << 0 << QPoint(95 + sirka12(w_polozka), 110);
        QTest::newRow("an item passing 570 goes on") << tu + w_polozka + "m<abc#d>.*1" << tu << 0 << QPoint(95, 128);
        // clang-format on
    }
    void zalomeni()
    {
        QFETCH(QString, radek);
        QFETCH(QString, prvni);
        QFETCH(int, radku);
        QFETCH(QPoint, prvek);
        const stranka_t stranka = prvni_stranka({radek}, druh_t::doplnovacka);
        QCOMPARE(radky_textu(stranka).value(92).text, prvni);
        if (radku > 0)
            QCOMPARE(stranka.vety.first().check_mark.pocet_radku, radku);
        if (!prvek.isNull())
            QCOMPARE(stranka.dopln_box.first().obdelnik.topLeft(), prvek);
    }

    void sirka_a_delka_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<QString>("polozka");
        QTest::addColumn<QString>("sirsi"); // the text whose width + 2 is the element's ("+": + 4)
        QTest::addColumn<std::optional<int>>("max_delka");
        const druh_t v = druh_t::vyberovka, d = druh_t::doplnovacka;
        const std::optional<int> bez;
        // clang-format off
        QTest::newRow("choice i: capital I plus 4") << v << "<i#í>" << "I+" << bez;
        QTest::newRow("choice comma") << v << "<,# >" << ",+" << bez;
        QTest::newRow("choice wider second form") << v << "<a^ffff#b>" << "ffff" << bez;
        QTest::newRow("gap i: capital I, one character") << d << "<i#í>" << "I" << std::optional(1);
        QTest::newRow("gap wider and longer wrong form") << d << "<ab#c~wwww>" << "wwww" << std::optional(4);
        QTest::newRow("gap limited to a shorter widest form") << d << "<ii#m>" << "m" << std::optional(2);
        QTest::newRow("gap: of equally wide forms the first") << d << "<a#iii~w>" << "iii" << std::optional(3);
        QTest::newRow("gap second form does not widen") << d << "<ab^ffff#b>" << "ab" << bez;
        // clang-format on
    }
    void sirka_a_delka()
    {
        QFETCH(druh_t, druh);
        QFETCH(QString, polozka);
        QFETCH(QString, sirsi);
        QFETCH(std::optional<int>, max_delka);
        QCOMPARE(sirka12(QStringLiteral("iii")), sirka12(QStringLiteral("w"))); // the rows' premise
        const stranka_t stranka = prvni_stranka({"Text " + polozka + " koniec.*1"}, druh);
        const bool plus4 = sirsi.size() == 2 && sirsi.endsWith(u'+');
        const int sirka = plus4 ? sirka12(sirsi.chopped(1)) + 4 : sirka12(sirsi) + 2;
        if (druh == druh_t::vyberovka) {
            QCOMPARE(stranka.vyber_txt[0].obdelnik.size(), QSize(sirka, 18));
        } else {
            QCOMPARE(stranka.dopln_box[0].obdelnik.width(), sirka);
            QCOMPARE(stranka.dopln_box[0].max_delka, max_delka);
        }
    }

    // A, B and the alternatives (a lone space an empty entry), in an order that changes
    // with the generator.
    void seznam_vyberu()
    {
        QSet<QStringList> poradi;
        for (std::uint64_t seminko = 1; seminko <= 30; ++seminko) {
            stav_cviceni_t s = cviceni({"Slovo <a^á#b~c> a <j# > tu.*1"}, druh_t::vyberovka);
            const stranka_t stranka = rozvrhni(s, seminko);
            QStringList prvni = stranka.vyber_txt[0].vyber_lst, druhy = stranka.vyber_txt[1].vyber_lst;
            poradi.insert(prvni);
            prvni.sort();
            druhy.sort();
            QCOMPARE(prvni, (QStringList{"a", "b", "c", "á"}));
            QCOMPARE(druhy, (QStringList{"", "j"}));
            QCOMPARE(stranka.vyber_txt[0].vyska_seznamu, 4 * 18);
        }
        QVERIFY(poradi.size() > 1);
    }

    // A dictation's box starts empty, a correction's holds one of the planted sentences.
    void diktat_a_oprava()
    {
        const QString veta = QStringLiteral("S dvo<ma^mi#my> kamarátmi išiel <v#f>on.*4");
        QVERIFY(prvni_stranka({veta}, druh_t::diktat).dopln_box_viceradkovy[0].text.isEmpty());
        const QString text = prvni_stranka({veta}, druh_t::oprava).dopln_box_viceradkovy[0].text;
        QVERIFY2(QRegularExpression(QStringLiteral("^S dvo(ma|my) kamarátmi išiel (v|f)on\\.$")).match(text).hasMatch(),
                 qPrintable(text));
    }

    void viceradkovy_box_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("body");
        QStringList texty{QString(), QString(300, u'm'), QStringLiteral("Prvý odsek\ndruhý odsek")};
        QString dlhy;
        for (int i = 0; i < 30; ++i)
            texty.append(dlhy += QStringLiteral("slovo%1, „áno“ ďalej ").arg(i));
        for (int i = 0; i < texty.size(); ++i)
            for (int body : {12, 10})
                QTest::addRow("%d: %d pt", i, body) << texty[i] << body;
    }
    // The screen's sentence box wraps into the lines the layout counted, and their height
    // shows every line; three lines fit the 72-pixel sentence box.
    void viceradkovy_box()
    {
        QFETCH(QString, text);
        QFETCH(int, body);
        const format_viceradkoveho_boxu_t f = format_viceradkoveho_boxu(body);
        QVERIFY(5 + 3 * f.vyska_radku <= 72);
        const int radku = pocet_radku_v_textboxu(text, body);
        box_vety box;
        box.nastav_format(f);
        box.setFixedSize(f.sirka, f.vyska_radku * radku);
        box.setPlainText(text);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        int v_boxu = 0;
        for (QTextBlock b = box.document()->firstBlock(); b.isValid(); b = b.next())
            v_boxu += b.layout()->lineCount();
        QCOMPARE(v_boxu, radku);
        QCOMPARE(box.verticalScrollBar()->maximum(), 0);
    }

    void bublina_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("radku");
        QString dlouhy;
        while (sirka12(dlouhy) <= 28 * 489 / 10)
            dlouhy += QStringLiteral("Slovo a ďalšie slovo, ");
        QTest::newRow("one line") << "Kúpil chlieb, maslo a mlieko." << 12 << 1;
        QTest::newRow("wider than 2.8 labels: 10 points") << dlouhy.trimmed() << 10 << 3;
    }
    // The label's point size and lines.
    void bublina()
    {
        QFETCH(QString, text);
        QFETCH(int, body);
        QFETCH(int, radku);
        const bublina_t b = rozvrhni_bublinu(text);
        QCOMPARE(b.body, body);
        QCOMPARE(int(b.radky.size()), radku);
        QCOMPARE(b.radky.join(u' '), text.simplified());
    }

    // Lines of random markup, well formed or not, in every kind: reading, layout and
    // checking never fail, every page shows at least one sentence, and the pages end.
    void nahodne_radky()
    {
        QRandomGenerator g(20261206);
        const QString znaky = QStringLiteral("ab cŠ<>#~^*¦,.0123456789 \"„“?!-");
        for (int kolo = 0; kolo < 600; ++kolo) {
            QStringList radky;
            for (int r = 0, n = 1 + int(g.bounded(12)); r < n; ++r) {
                QString t;
                for (int i = 0, delka = int(g.bounded(g.bounded(2) ? 40 : 300)); i < delka; ++i)
                    t += znaky[int(g.bounded(znaky.size()))];
                radky << t + (g.bounded(3) ? QStringLiteral("*%1").arg(g.bounded(30)) : QString());
            }
            for (druh_t d : vsechny_druhy) {
                stav_cviceni_t s = cviceni(radky, d, g.bounded(2) == 0);
                for (int stran = 1; s.losovani.pocet_zobrazenych < s.losovani.pocet_uloh; ++stran) {
                    const int pred = s.losovani.pocet_zobrazenych;
                    stranka_t st = rozvrhni(s, kolo);
                    QVERIFY2(s.losovani.pocet_zobrazenych > pred && stran <= s.losovani.pocet_uloh,
                             qPrintable(radky.join(u'\n')));
                    spolecny_stav_t spolecny;
                    zkontroluj_priklady(st, QStringList(st.pocet_prvku(), QStringLiteral("a")), {}, s, spolecny);
                }
            }
        }
    }
};

QTEST_MAIN(tst_rozvrzeni)
#include "tst_rozvrzeni.moc"
