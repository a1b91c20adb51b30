// The set-up screen's decisions without the screen: what each hit area stands for, which
// slides the choices ask for, how a name is made safe, and the frames of a slide.
#include "common/katalog.h"
#include "setup/ciste_jmeno.h"
#include "setup/posun.h"
#include "setup/volby.h"

#include <QtTest>

using volby::posun_t;

Q_DECLARE_METATYPE(volby::stav_t)
Q_DECLARE_METATYPE(QList<volby::posun_t>)
Q_DECLARE_METATYPE(std::optional<volby::posun_t>)

namespace
{

volby::stav_t stav(int pocet, const QString &druh, const QString &jmeno, bool pokracuj = false, bool tiskni = false,
                   int rocnik = 4, int tema = 2)
{
    return {rocnik, tema, pocet, druh, jmeno, pokracuj, tiskni};
}

const QString dj = QStringLiteral("DOPLNOVACKA");
const QString oc = QStringLiteral("OPRAVA");
const QString cv = QStringLiteral("DIKTAT");
const QString vj = QStringLiteral("VYBEROVKA");

} // namespace

class tst_volby : public QObject
{
    Q_OBJECT

private slots:
    // Exactly three topics of the whole catalogue have the second sample.
    void druhe_ukazky()
    {
        QList<QPair<int, int>> nalezene;
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
                if (volby::druha_ukazka(r, t))
                    nalezene.append({r, t});
        const QList<QPair<int, int>> ocekavane = {{1, 7}, {2, 6}, {3, 6}};
        QCOMPARE(nalezene, ocekavane);
    }

    void posuny_po_stisku_data()
    {
        QTest::addColumn<volby::stav_t>("vstup");
        QTest::addColumn<QList<posun_t>>("posuny");
        using P = QList<posun_t>;
        QTest::newRow("nothing chosen") << stav(0, "", "") << P{};
        QTest::newRow("count only, with name") << stav(10, "", "Jano") << P{};
        QTest::newRow("kind only, with name") << stav(0, cv, "Jano") << P{};
        QTest::newRow("count and kind, no name") << stav(10, cv, "") << P{};
        QTest::newRow("count, kind, name") << stav(10, cv, "Jano") << P{posun_t::vytahni_pokracuj};
        QTest::newRow("name of spaces counts on a press") << stav(10, vj, "  ") << P{posun_t::vytahni_pokracuj};
        QTest::newRow("continue already out") << stav(10, vj, "Jano", true) << P{};
        QTest::newRow("fill-in with count") << stav(5, dj, "") << P{posun_t::vytahni_tiskni};
        QTest::newRow("correction with count") << stav(5, oc, "") << P{posun_t::vytahni_tiskni};
        QTest::newRow("both at once, continue first")
            << stav(15, dj, "Eva") << P{posun_t::vytahni_pokracuj, posun_t::vytahni_tiskni};
        QTest::newRow("fill-in without count") << stav(0, dj, "Eva") << P{};
        QTest::newRow("print already out") << stav(5, oc, "", false, true) << P{};
        QTest::newRow("dictation withdraws print") << stav(5, cv, "", false, true) << P{posun_t::zatahni_tiskni};
        QTest::newRow("choice withdraws print") << stav(0, vj, "", false, true) << P{posun_t::zatahni_tiskni};
        QTest::newRow("dictation with print in") << stav(5, cv, "") << P{};
        QTest::newRow("continue stays when print goes")
            << stav(20, cv, "Eva", true, true) << P{posun_t::zatahni_tiskni};
        QTest::newRow("second-sample topic prints without count")
            << stav(0, oc, "", false, false, 1, 7) << P{posun_t::vytahni_tiskni};
        QTest::newRow("second-sample topic, fill-in")
            << stav(0, dj, "", false, false, 3, 6) << P{posun_t::vytahni_tiskni};
        QTest::newRow("second-sample topic, dictation") << stav(0, cv, "", false, false, 2, 6) << P{};
        QTest::newRow("second-sample topic with count: one slide only")
            << stav(10, dj, "", false, false, 2, 6) << P{posun_t::vytahni_tiskni};
        QTest::newRow("neighbour of a second-sample topic") << stav(0, oc, "", false, false, 1, 6) << P{};
    }
    void posuny_po_stisku()
    {
        QFETCH(volby::stav_t, vstup);
        QFETCH(QList<posun_t>, posuny);
        QCOMPARE(volby::posuny_po_stisku(vstup), posuny);
    }

    void posun_po_zmene_jmena_data()
    {
        QTest::addColumn<volby::stav_t>("vstup");
        QTest::addColumn<std::optional<posun_t>>("posun");
        const std::optional<posun_t> nic;
        QTest::newRow("first letter") << stav(10, cv, "J") << std::optional(posun_t::vytahni_pokracuj);
        QTest::newRow("more letters, already out") << stav(10, cv, "Ja", true) << nic;
        QTest::newRow("cleared") << stav(10, cv, "", true) << std::optional(posun_t::zatahni_pokracuj);
        QTest::newRow("spaces only withdraw") << stav(10, cv, "   ", true) << std::optional(posun_t::zatahni_pokracuj);
        QTest::newRow("spaces only while in") << stav(10, cv, "   ") << nic;
        QTest::newRow("no count") << stav(0, cv, "Jano") << nic;
        QTest::newRow("no kind") << stav(10, "", "Jano") << nic;
        QTest::newRow("no count, cleared") << stav(0, dj, "", true) << nic;
        QTest::newRow("print plays no part")
            << stav(10, dj, "Jano", false, true) << std::optional(posun_t::vytahni_pokracuj);
    }
    void posun_po_zmene_jmena()
    {
        QFETCH(volby::stav_t, vstup);
        QFETCH(std::optional<posun_t>, posun);
        QCOMPARE(volby::posun_po_zmene_jmena(vstup), posun);
    }

    void ulozene_jmeno_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ulozene");
        QTest::newRow("plain") << "Ján Novák"
                               << "Ján Novák";
        QTest::newRow("spaces trimmed") << "   Eva  "
                                        << "Eva";
        QTest::newRow("spaces only") << "    "
                                     << "";
        QTest::newRow("column separator") << "A|B"
                                          << "A/B";
        QTest::newRow("line breaks become one space") << "Ján\r\nNovák"
                                                      << "Ján Novák";
        QTest::newRow("trailing line break") << "Eva\n"
                                             << "Eva";
        QTest::newRow("tab and unicode line separator")
            << QStringLiteral("Eva\tMária\u2028Kováčová") << "Eva Mária Kováčová";
        QTest::newRow("separator at the edges") << "|Eva|"
                                                << "/Eva/";
    }
    void ulozene_jmeno()
    {
        QFETCH(QString, text);
        QFETCH(QString, ulozene);
        const QString vysledek = jmeno_k_ulozeni(text);
        QCOMPARE(vysledek, ulozene);
        QVERIFY(!vysledek.contains(QLatin1Char('|')));
        QCOMPARE(vysledek.split(QRegularExpression(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"))).size(), 1);
    }

    void validator_data()
    {
        QTest::addColumn<QString>("vstup");
        QTest::addColumn<int>("kurzor");
        QTest::addColumn<QString>("vysledek");
        QTest::addColumn<int>("novy_kurzor");
        QTest::newRow("a typed letter stays") << "Jan" << 3 << "Jan" << 3;
        QTest::newRow("a typed bar is not taken") << "Ja|n" << 3 << "Jan" << 2;
        QTest::newRow("pasted over two lines") << "Ján\nNovák" << 9 << "Ján Novák" << 9;
        QTest::newRow("pasted with CR LF, cursor inside") << "A\r\nB" << 3 << "A B" << 2;
        QTest::newRow("spaces are kept") << "  Eva " << 6 << "  Eva " << 6;
    }
    void validator()
    {
        QFETCH(QString, vstup);
        QFETCH(int, kurzor);
        QFETCH(QString, vysledek);
        QFETCH(int, novy_kurzor);
        validator_jmena v;
        QCOMPARE(v.validate(vstup, kurzor), QValidator::Acceptable);
        QCOMPARE(vstup, vysledek);
        QCOMPARE(kurzor, novy_kurzor);
    }

    // The frame for c rows: above the face's top the screen, then the top c rows of the
    // face, its key colour showing the screen through.
    void snimek_posunu_data()
    {
        QTest::addColumn<int>("c");
        QTest::newRow("first row out") << 1;
        QTest::newRow("half") << 3;
        QTest::newRow("whole face") << 6;
    }
    void snimek_posunu()
    {
        QFETCH(int, c);
        const QRgb klic = qRgb(255, 0, 255);
        const QRgb tvar = qRgb(0, 100, 200);
        QImage lice(10, 6, QImage::Format_RGB32);
        lice.fill(tvar);
        lice.setPixel(0, 0, klic);
        lice.setPixel(4, 0, klic); // a hole in the top row
        lice.setPixel(7, 2, klic);
        QImage obraz(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                obraz.setPixel(x, y, qRgb(x, y, 7));
        const QPoint kde(20, 24);

        const QImage snimek = ::snimek_posunu(obraz, kde, lice, c);
        QCOMPARE(snimek.size(), lice.size());
        const QRgb pod_dirou = obraz.pixel(kde + QPoint(4, 6 - c));
        QCOMPARE(snimek.pixel(4, 6 - c), pod_dirou);
        QCOMPARE(snimek.pixel(5, 6 - c), tvar);
        QCOMPARE(snimek.pixel(9, 5), tvar);
        if (c < lice.height())
            QCOMPARE(snimek.pixel(5, 5 - c), obraz.pixel(kde + QPoint(5, 5 - c)));
        int radku_s_tvarem = 0;
        for (int y = 0; y < snimek.height(); ++y)
            radku_s_tvarem += snimek.pixel(5, y) == tvar ? 1 : 0;
        QCOMPARE(radku_s_tvarem, c);
        // The screen itself is left as it was.
        QCOMPARE(obraz.pixel(kde + QPoint(5, 5)), qRgb(25, 29, 7));
    }
};

QTEST_GUILESS_MAIN(tst_volby)
#include "tst_volby.moc"
