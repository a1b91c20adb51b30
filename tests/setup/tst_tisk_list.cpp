// The worksheet layout on a printer that records what it is asked to print: copies,
// header and footer, gaps, commas, drawn errors, wrapping and page breaks.
#include "common/katalog.h"
#include "common/nahoda.h"
#include "data/znacky.h"
#include "setup/tisk_list.h"
#include "setup/tisk_tiskarna.h"

#include <QMap>
#include <QtTest>
#include <cmath>

namespace
{

// A printer of simple metrics: every character is half an em wide and a line is 1.15 em
// high, so that every position in a test can be worked out by hand.
class zaznamova_tiskarna : public tiskarna_t
{
public:
    struct text_t {
        QString text;
        double x = 0, y = 0;
        QString pismo;
        double velikost = 0;
        bool tucne = false, kurziva = false;
        QColor barva;
        bool zustan = true;
        int strana = 0;
    };
    struct cara_t {
        double x1, y1, x2, y2;
        QColor barva;
        int strana;
    };

    void nastav_pismo(const QString &nazev) override { pismo_ = nazev; }
    void nastav_velikost(double body) override { velikost_ = body; }
    void nastav_tucne(bool tucne) override { tucne_ = tucne; }
    void nastav_kurzivu(bool kurziva) override { kurziva_ = kurziva; }
    void nastav_barvu(const QColor &barva) override { barva_ = barva; }
    double pero_x() const override { return x_; }
    double pero_y() const override { return y_; }
    void nastav_pero(double x, double y) override
    {
        x_ = x;
        y_ = y;
    }
    double sirka_papiru() const override { return 11906; }
    double vyska_papiru() const override { return 16838; }
    double sirka_tisku() const override { return sirka; }
    double vyska_tisku() const override { return vyska; }
    double sirka_textu(const QString &text) const override { return text.size() * velikost_ * 10; }
    double vyska_radku() const { return velikost_ * 23; }
    void tiskni(const QString &text, bool zustan_na_radku) override
    {
        QVERIFY(!ukonceno);
        texty.append({text, x_, y_, pismo_, velikost_, tucne_, kurziva_, barva_, zustan_na_radku, strana_});
        if (zustan_na_radku) {
            x_ += sirka_textu(text);
        } else {
            x_ = 0;
            y_ += vyska_radku();
        }
    }
    void cara(double x1, double y1, double x2, double y2) override { cary.append({x1, y1, x2, y2, barva_, strana_}); }
    void nova_strana() override { ++strana_; }
    bool konec_dokumentu() override
    {
        ukonceno = true;
        stran_pri_konci = strana_;
        return true;
    }

    // Texts of one page.
    QList<text_t> na_strane(int strana) const
    {
        QList<text_t> vysledek;
        for (const text_t &t : texty)
            if (t.strana == strana)
                vysledek.append(t);
        return vysledek;
    }
    int pocet_stran() const
    {
        int n = 0;
        for (const text_t &t : texty)
            n = std::max(n, t.strana + 1);
        return n;
    }
    // The sentence lines of a page (14-point text), top to bottom, blank lines left out.
    QStringList radky_vet(int strana) const
    {
        QMap<qint64, QString> radky;
        for (const text_t &t : na_strane(strana))
            if (t.velikost == 14)
                radky[std::llround(t.y)] += t.text;
        QStringList vysledek;
        for (const QString &r : radky)
            if (!r.trimmed().isEmpty())
                vysledek.append(r.trimmed());
        return vysledek;
    }
    // Where the first sentence line of a page stands.
    double prvni_radek_vet(int strana) const
    {
        double y = vyska_papiru();
        for (const text_t &t : na_strane(strana))
            if (t.velikost == 14)
                y = std::min(y, t.y);
        return y;
    }
    // The sentences of a page as one text, lines joined by single spaces.
    QString vety(int strana) const { return radky_vet(strana).join(QLatin1Char(' ')); }
    // The first text of the page that starts with the given text.
    std::optional<text_t> najdi(int strana, const QString &zacatek) const
    {
        for (const text_t &t : na_strane(strana))
            if (t.text.startsWith(zacatek))
                return t;
        return std::nullopt;
    }

    double sirka = 11906;
    double vyska = 16838;
    QList<text_t> texty;
    QList<cara_t> cary;
    bool ukonceno = false;
    int stran_pri_konci = 0;

private:
    QString pismo_;
    double velikost_ = 10;
    bool tucne_ = false, kurziva_ = false;
    QColor barva_;
    double x_ = 0, y_ = 0;
    int strana_ = 0;
};

constexpr double twipu_na_mm = 11906.0 / 210.0;
constexpr double twipu_na_mm_y = 16838.0 / 297.0;
const QDate den(2024, 3, 5);
const QString doplnovacka = QStringLiteral("DOPLNOVACKA");
const QString oprava = QStringLiteral("OPRAVA");

zadani_listu_t zadani(const QString &druh, const QStringList &vety, int rocnik = 3, int tema = 3)
{
    zadani_listu_t z;
    z.rocnik = rocnik;
    z.tema = tema;
    z.druh_ulohy = druh;
    z.vety = vety;
    return z;
}

// Prints the run on the printer and gives it back.
void vytiskni(zaznamova_tiskarna &t, const zadani_listu_t &z, int kopii_pro_zaky, std::uint64_t seminko = 1)
{
    nahoda_t generator;
    generator.zafixuj(seminko);
    pracovni_list_t list(t, z, generator, den);
    QVERIFY(list.tiskni_ulohy(kopii_pro_zaky));
}

QString titul() { return katalog_temat::nazev_pracovni_list(3, 3); }

} // namespace

class tst_tisk_list : public QObject
{
    Q_OBJECT

private slots:
    void kopie_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("kopii");
        QTest::newRow("one copy asked gives two") << doplnovacka << 1;
        QTest::newRow("no copy asked still gives the model") << oprava << 0;
        QTest::newRow("three pupils") << oprava << 3;
    }
    // The teacher's model first, then one sheet per pupil, each ending with a new page.
    void kopie()
    {
        QFETCH(QString, druh);
        QFETCH(int, kopii);
        zaznamova_tiskarna t;
        vytiskni(t, zadani(druh, {"Prvá veta<,# > druhá<j#i> časť.*1", "Mal<ý#í> pes.*2"}), kopii);
        QVERIFY(t.ukonceno);
        QCOMPARE(t.pocet_stran(), kopii + 1);
        QCOMPARE(t.stran_pri_konci, kopii + 1);
        for (int s = 0; s <= kopii; ++s) {
            const bool ucitel = s == 0;
            const auto nadpis = t.najdi(s, titul());
            QVERIFY(nadpis);
            QCOMPARE(nadpis->text, ucitel ? titul() + " - vzor pre učiteľa" : titul());
            QCOMPARE(bool(t.najdi(s, "Meno: ")), !ucitel);
            QCOMPARE(t.radky_vet(s).size(), 2);
        }
    }

    void zahlavi_a_zapati_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("x_mm");
        QTest::addColumn<double>("y_mm");
        QTest::addColumn<double>("velikost");
        QTest::addColumn<bool>("tucne");
        QTest::addColumn<bool>("kurziva");
        QTest::addColumn<QColor>("barva");
        const QColor navy(0, 0, 128), cerna(0, 0, 0);
        QTest::newRow("title") << titul() << 4.0 << 4.0 << 20.0 << true << false << navy;
        QTest::newRow("grade") << "7. ročník" << 4.0 << 17.0 << 12.0 << true << false << navy;
        QTest::newRow("name line") << "Meno: ........................................................" << 116.0 << 17.0
                                   << 12.0 << true << false << navy;
        QTest::newRow("product") << "Ortanel - Verbano 2" << 167.0 << 285.0 << 12.0 << true << false << navy;
        QTest::newRow("instruction") << "Zadanie: Oprav všetky chyby vo vetách, pokiaľ sa v nich vyskytujú." << 4.0
                                     << 30.0 << 12.0 << false << true << cerna;
        QTest::newRow("date") << "Dátum: 05.03.2024" << 4.0 << 285.0 << 10.0 << false << true << cerna;
        QTest::newRow("page") << "Stránka: 1" << 100.0 << 285.0 << 10.0 << false << true << cerna;
        QTest::newRow("first letter of the sentences") << "V" << 7.0 << 47.0 << 14.0 << false << false << cerna;
    }
    // Every text of the header and footer of a pupil's correction sheet, and where the
    // sentences start: where and how.
    void zahlavi_a_zapati()
    {
        QFETCH(QString, text);
        QFETCH(double, x_mm);
        QFETCH(double, y_mm);
        QFETCH(double, velikost);
        QFETCH(bool, tucne);
        QFETCH(bool, kurziva);
        QFETCH(QColor, barva);
        zaznamova_tiskarna t;
        vytiskni(t, zadani(oprava, {"Veta.*1"}), 1);
        const auto nalez = t.najdi(1, text);
        QVERIFY2(nalez, qPrintable(text));
        QCOMPARE(nalez->text, text);
        QVERIFY(std::abs(nalez->x - x_mm * twipu_na_mm) < 0.01);
        QVERIFY(std::abs(nalez->y - y_mm * twipu_na_mm_y) < 0.01);
        QCOMPARE(nalez->pismo, QString("Arial CE"));
        QCOMPARE(nalez->velikost, velikost);
        QCOMPARE(nalez->tucne, tucne);
        QCOMPARE(nalez->kurziva, kurziva);
        QCOMPARE(nalez->barva, barva);
        QVERIFY(nalez->zustan);
    }

    // Two black rules across the whole sheet on every page.
    void pravidla()
    {
        zaznamova_tiskarna t;
        vytiskni(t, zadani(doplnovacka, {"Veta.*1"}), 1);
        QCOMPARE(t.cary.size(), 4);
        for (const auto &c : t.cary) {
            QCOMPARE(c.barva, QColor(0, 0, 0));
            QCOMPARE(c.x1, 0.0);
            QVERIFY(std::abs(c.x2 - 11906) < 0.5);
            QCOMPARE(c.y1, c.y2);
        }
        QVERIFY(std::abs(t.cary[0].y1 - 25 * twipu_na_mm_y) < 0.01);
        QVERIFY(std::abs(t.cary[1].y1 - 282 * twipu_na_mm_y) < 0.01);
    }

    void veta_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("ucitel");
        QTest::addColumn<QString>("zak");
        QTest::newRow("three-letter gap") << doplnovacka << "Idem do <mes#mez>ta.*1"
                                          << "Idem do mesta."
                                          << "Idem do ___ta.";
        QTest::newRow("alternatives play no part") << doplnovacka << "Vid<ie#e~je~iiie>ť.*2"
                                                   << "Vidieť."
                                                   << "Vid__ť.";
        QTest::newRow("second form: as long as the first") << doplnovacka << "Na<s^z#zs>bieral.*3"
                                                           << "Nasbieral."
                                                           << "Na_bieral.";
        QTest::newRow("fill-in commas") << doplnovacka << "Ak prší<,# > ostaneme doma a< #,> čítame.*4"
                                        << "Ak prší, ostaneme doma a čítame."
                                        << "Ak prší ostaneme doma a čítame.";
        QTest::newRow("correction commas") << oprava << "Ak prší<,# > ostaneme doma a< #,> čítame.*5"
                                           << "Ak prší ostaneme doma a čítame."
                                           << "Ak prší ostaneme doma a čítame.";
        QTest::newRow("line separator skipped") << doplnovacka << "Prvá časť¦ druhá <časť#cast>.*6"
                                                << "Prvá časť druhá časť."
                                                << "Prvá časť druhá ____.";
        QTest::newRow("correction with one form only") << oprava << "Dobr<ý#ý> deň.*7"
                                                       << "Dobrý deň."
                                                       << "Dobrý deň.";
    }
    // What one sentence prints on the teacher's copy and on a pupil's.
    void veta()
    {
        QFETCH(QString, druh);
        QFETCH(QString, radek);
        QFETCH(QString, ucitel);
        QFETCH(QString, zak);
        zaznamova_tiskarna t;
        vytiskni(t, zadani(druh, {radek}), 2);
        QCOMPARE(t.vety(0), ucitel);
        QCOMPARE(t.vety(1), zak);
        QCOMPARE(t.vety(2), zak);
    }

    // Each pupil's copy of a correction sheet draws its errors afresh; every printed form is
    // one the item offers, the correct one included.
    void oprava_kopie_se_lisi()
    {
        const QString radek = QStringLiteral("<y#i> <y#i> <y#i> <y#i> <y#i> <y#i> <y#i> <y#i> <y#i> <y#i> "
                                             "<y#i> <y#i> <y#i> <y#i> <y#i> <y#i>.*1");
        for (std::uint64_t seminko : {1u, 2u, 3u}) {
            zaznamova_tiskarna t;
            vytiskni(t, zadani(oprava, {radek}), 2, seminko);
            QCOMPARE(t.vety(0), QString("y y y y y y y y y y y y y y y y."));
            QVERIFY(t.vety(1) != t.vety(2));
            QString vsechny = t.vety(1) + t.vety(2);
            vsechny.remove(' ').remove('.');
            QCOMPARE(vsechny.size(), 32);
            QVERIFY(vsechny.contains('y'));
            QVERIFY(vsechny.contains('i'));
            QCOMPARE(vsechny.count('y') + vsechny.count('i'), 32);
        }
    }

    // The new line is two line ends and leaves the pen at 7 mm; a space past 7/8 of the
    // width ends the line.
    void zalomeni_po_mezere()
    {
        zaznamova_tiskarna t;
        t.sirka = 8000; // limit 7000 twips: 7 mm + 47 characters of 140 twips
        QString veta;
        for (int i = 0; i < 30; ++i)
            veta += QStringLiteral("slovo ");
        vytiskni(t, zadani(doplnovacka, {veta + "*1"}), 0);
        const QStringList radky = t.radky_vet(0);
        QVERIFY(radky.size() > 3);
        const double vyska_radku = 14 * 23;
        QList<double> ypsilony;
        for (const auto &z : t.na_strane(0)) {
            if (z.velikost != 14 || z.text.trimmed().isEmpty())
                continue;
            if (ypsilony.isEmpty() || ypsilony.last() != z.y) {
                QVERIFY(std::abs(z.x - 7 * twipu_na_mm) < 0.01);
                ypsilony.append(z.y);
            }
            QVERIFY(z.x <= 7000);
        }
        for (qsizetype i = 1; i < ypsilony.size(); ++i)
            QCOMPARE(ypsilony[i] - ypsilony[i - 1], 2 * vyska_radku);
        // 8 words fit: the space after the eighth ends at 397 + 48 × 140 = 7117 > 7000.
        QCOMPARE(radky.first(), QString("slovo slovo slovo slovo slovo slovo slovo slovo"));
    }

    void zalomeni_tvaru_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("pismen");
        QTest::addColumn<QString>("polozka");
        QTest::addColumn<bool>("zalomi");
        // After 44 letters and a separator the item starts at 397 + 45 × 140 = 6697 twips;
        // three letters end at 7117, past the limit of 7000.
        QTest::newRow("gap between spaces") << doplnovacka << 44 << " <mes#mez> " << true;
        QTest::newRow("gap glued to the word before") << doplnovacka << 44 << "x<mes#mez> " << false;
        QTest::newRow("gap glued to the word after") << doplnovacka << 44 << " <mes#mez>x" << false;
        QTest::newRow("short gap that fits") << doplnovacka << 44 << " <m#n> " << false;
        QTest::newRow("form between spaces") << oprava << 44 << " <mes#mes> " << true;
        QTest::newRow("form glued to letters") << oprava << 44 << "x<mes#mes>x" << false;
        // Two letters later one character is enough to pass the limit.
        QTest::newRow("one-letter form between spaces") << oprava << 46 << " <;#;> " << true;
        QTest::newRow("a comma form never wraps") << oprava << 46 << " <,#,> " << false;
    }
    // A gap or form moves to a new line only when it would pass the limit and spaces stand
    // on both sides of it.
    void zalomeni_tvaru()
    {
        QFETCH(QString, druh);
        QFETCH(int, pismen);
        QFETCH(QString, polozka);
        QFETCH(bool, zalomi);
        zaznamova_tiskarna t;
        t.sirka = 8000;
        const QString pismena(pismen, 'a');
        vytiskni(t, zadani(druh, {pismena + polozka + "koniec.*1"}), 1);
        for (int s = 0; s < 2; ++s) {
            const QStringList radky = t.radky_vet(s);
            // A wrapped line ends with what stood before the item.
            QCOMPARE(radky.first() == (pismena + polozka.left(1)).trimmed(), zalomi);
            QVERIFY(radky.first().startsWith(pismena));
        }
    }

    void zlom_strany_data()
    {
        QTest::addColumn<int>("vet");
        QTest::addColumn<QList<int>>("vet_na_strane");
        // Printable height 12000: the break comes once the pen passes 9600 twips. The
        // sentences start at 2665 and take 644 each, so the eleventh passes the limit.
        QTest::newRow("one page") << 10 << QList<int>{10};
        QTest::newRow("no break after the last sentence") << 11 << QList<int>{11};
        QTest::newRow("two pages") << 12 << QList<int>{11, 1};
        QTest::newRow("three pages") << 25 << QList<int>{11, 11, 3};
    }
    // The page breaks only between sentences below 4/5 of the height; every new page
    // gets the header and footer, and the number restarts for every copy.
    void zlom_strany()
    {
        QFETCH(int, vet);
        QFETCH(QList<int>, vet_na_strane);
        zaznamova_tiskarna t;
        t.vyska = 12000;
        QStringList vety;
        for (int i = 1; i <= vet; ++i)
            vety.append(QStringLiteral("Veta %1.*%1").arg(i));
        vytiskni(t, zadani(oprava, vety), 1);
        const int stran_kopie = vet_na_strane.size();
        QCOMPARE(t.pocet_stran(), 2 * stran_kopie);
        for (int kopie = 0; kopie < 2; ++kopie) {
            int veta = 1;
            for (int s = 0; s < stran_kopie; ++s) {
                const int strana = kopie * stran_kopie + s;
                QVERIFY(t.najdi(strana, titul()));
                QVERIFY(t.najdi(strana, "Zadanie: "));
                QCOMPARE(t.najdi(strana, "Stránka: ")->text, QStringLiteral("Stránka: %1").arg(s + 1));
                QCOMPARE(bool(t.najdi(strana, "Meno: ")), kopie == 1);
                const QStringList radky = t.radky_vet(strana);
                QCOMPARE(radky.size(), vet_na_strane[s]);
                QCOMPARE(radky.first(), QStringLiteral("Veta %1.").arg(veta));
                QVERIFY(std::abs(t.prvni_radek_vet(strana) - 47 * twipu_na_mm_y) < 0.01);
                veta += radky.size();
            }
            QCOMPARE(veta, vet + 1);
        }
    }

    // A long sentence is never split across pages, even below 4/5 of the height.
    void dlouha_veta_zustava_na_strane()
    {
        zaznamova_tiskarna t;
        t.vyska = 12000;
        t.sirka = 8000;
        QString dlouha;
        for (int i = 0; i < 120; ++i)
            dlouha += QStringLiteral("slovo ");
        vytiskni(t, zadani(doplnovacka, {"Krátka.*1", dlouha + "*2", "Posledná.*3"}), 0);
        QCOMPARE(t.pocet_stran(), 2);
        const QStringList prvni = t.radky_vet(0);
        QVERIFY(prvni.size() > 12);
        double nejnizsi = 0;
        for (const auto &z : t.na_strane(0))
            if (z.velikost == 14)
                nejnizsi = std::max(nejnizsi, z.y);
        QVERIFY(nejnizsi > 12000 * 4 / 5);
        QCOMPARE(t.radky_vet(1), QStringList{"Posledná."});
    }
};

QTEST_APPLESS_MAIN(tst_tisk_list)
#include "tst_tisk_list.moc"
