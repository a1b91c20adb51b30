// The set-up screen's decisions without the screen: which slides the choices ask for, how
// a name is made safe, and the frames of a slide.
#include "setup/ciste_jmeno.h"
#include "setup/posun.h"
#include "setup/volby.h"

#include <QtTest>

using volby::posun_t;
using posuny_t = QList<posun_t>;

Q_DECLARE_METATYPE(volby::stav_t)
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
    void posuny_po_stisku_data()
    {
        QTest::addColumn<volby::stav_t>("vstup");
        QTest::addColumn<posuny_t>("posuny");
        QTest::newRow("count, kind, name") << stav(10, cv, "Jano") << posuny_t{posun_t::vytahni_pokracuj};
        QTest::newRow("continue already out") << stav(10, vj, "Jano", true) << posuny_t{};
        QTest::newRow("both at once, continue first")
            << stav(15, dj, "Eva") << posuny_t{posun_t::vytahni_pokracuj, posun_t::vytahni_tiskni};
        QTest::newRow("print already out") << stav(5, oc, "", false, true) << posuny_t{};
        QTest::newRow("choice withdraws print, continue stays")
            << stav(20, vj, "Eva", true, true) << posuny_t{posun_t::zatahni_tiskni};
        QTest::newRow("second-sample topic, dictation") << stav(0, cv, "", false, false, 2, 6) << posuny_t{};
        QTest::newRow("second-sample topic with count: one slide")
            << stav(10, dj, "", false, false, 3, 6) << posuny_t{posun_t::vytahni_tiskni};
    }
    void posuny_po_stisku()
    {
        QFETCH(volby::stav_t, vstup);
        QFETCH(posuny_t, posuny);
        QCOMPARE(volby::posuny_po_stisku(vstup), posuny);
    }

    void posun_po_zmene_jmena_data()
    {
        QTest::addColumn<volby::stav_t>("vstup");
        QTest::addColumn<std::optional<posun_t>>("posun");
        const std::optional<posun_t> nic;
        QTest::newRow("more letters, already out") << stav(10, cv, "Ja", true) << nic;
        QTest::newRow("no count") << stav(0, cv, "Jano") << nic;
        QTest::newRow("no kind, cleared") << stav(10, "", "", true) << nic;
    }
    void posun_po_zmene_jmena()
    {
        QFETCH(volby::stav_t, vstup);
        QFETCH(std::optional<posun_t>, posun);
        QCOMPARE(volby::posun_po_zmene_jmena(vstup), posun);
    }

    void jmeno_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ulozene");
        QTest::addColumn<QString>("v_boxu");
        QTest::newRow("spaces trimmed") << "   Ján Novák  "
                                        << "Ján Novák"
                                        << "   Ján Novák  ";
        QTest::newRow("column separator") << "|A|B"
                                          << "/A/B"
                                          << "AB";
        QTest::newRow("line breaks become one space") << "Ján\r\nNovák\n"
                                                      << "Ján Novák"
                                                      << "Ján Novák ";
        QTest::newRow("tab and unicode line separator")
            << QStringLiteral("Eva\tMária\u2028Kováčová") << "Eva Mária Kováčová"
            << "Eva Mária Kováčová";
    }
    // What is stored, and what the name box keeps of the same text typed or pasted.
    void jmeno()
    {
        QFETCH(QString, text);
        QFETCH(QString, ulozene);
        QFETCH(QString, v_boxu);
        QCOMPARE(jmeno_k_ulozeni(text), ulozene);
        int kurzor = int(text.size());
        QCOMPARE(validator_jmena().validate(text, kurzor), QValidator::Acceptable);
        QCOMPARE(text, v_boxu);
        QCOMPARE(kurzor, v_boxu.size());
    }

    // The frame for c rows: above the face the screen, then the top c rows of the face,
    // its key colour letting the screen show through.
    void snimek_posunu()
    {
        const QRgb klic = qRgb(255, 0, 255), tvar = qRgb(0, 100, 200);
        QImage lice(10, 6, QImage::Format_RGB32);
        lice.fill(tvar);
        lice.setPixel(0, 0, klic);
        lice.setPixel(4, 0, klic);
        QImage obraz(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < obraz.height(); ++y)
            for (int x = 0; x < obraz.width(); ++x)
                obraz.setPixel(x, y, qRgb(x, y, 7));
        const QPoint kde(20, 24);
        for (int c : {1, 3, 6}) {
            const QImage snimek = ::snimek_posunu(obraz, kde, lice, c);
            QCOMPARE(snimek.size(), lice.size());
            for (int y = 0; y < 6; ++y) {
                const bool tvaru = y >= 6 - c;
                QCOMPARE(snimek.pixel(5, y), tvaru ? tvar : obraz.pixel(kde + QPoint(5, y)));
                QCOMPARE(snimek.pixel(4, y), tvaru && y != 6 - c ? tvar : obraz.pixel(kde + QPoint(4, y)));
            }
        }
        QCOMPARE(poradi_snimku(3, true), QList<int>({1, 2, 3}));
        QCOMPARE(poradi_snimku(3, false), QList<int>({3, 2, 1}));
    }
};

QTEST_GUILESS_MAIN(tst_volby)
#include "tst_volby.moc"
