// The worksheet layout on a printer that records what it prints: copies, gaps, commas, wrapping.
#include "common/katalog.h"
#include "common/nahoda.h"
#include "setup/tisk_list.h"
#include "setup/tisk_tiskarna.h"

#include <QMap>
#include <QSet>
#include <QtTest>

namespace
{

// A printer of simple metrics, so that positions can be worked out by hand: every
// character is half an em wide (140 twips in the 14-point sentences), a line 1.15 em high.
class zaznamova_tiskarna : public tiskarna_t
{
public:
    struct text_t {
        QString text;
        double x, y, velikost;
        int strana;
    };

    void kresli(bool ano) override { kresli_ = ano; }
    void nastav_pismo(const QString &) override {}
    void nastav_velikost(double body) override { velikost_ = body; }
    void nastav_tucne(bool) override {}
    void nastav_kurzivu(bool) override {}
    void nastav_barvu(const QColor &) override {}
    double pero_x() const override { return x_; }
    double pero_y() const override { return y_; }
    void nastav_pero(double x, double y) override { x_ = x, y_ = y; }
    double sirka_papiru() const override { return 11906; }
    double vyska_papiru() const override { return 16838; }
    double sirka_tisku() const override { return sirka; }
    double vyska_tisku() const override { return vyska; }
    double sirka_textu(const QString &text) const override { return text.size() * velikost_ * 10; }
    void tiskni(const QString &text, bool zustan_na_radku) override
    {
        if (kresli_)
            texty.append({text, x_, y_, velikost_, strana_});
        x_ = zustan_na_radku ? x_ + sirka_textu(text) : 0;
        y_ += zustan_na_radku ? 0 : velikost_ * 23;
    }
    void cara(double, double, double, double) override {}
    void nova_strana() override { ++strana_; }
    bool konec_dokumentu() override { return stran_pri_konci = strana_, true; }

    int pocet_stran() const { return texty.isEmpty() ? 0 : texty.last().strana + 1; }
    // The first text of the page that starts with the given text.
    std::optional<text_t> najdi(int strana, const QString &zacatek) const
    {
        for (const text_t &t : texty)
            if (t.strana == strana && t.text.startsWith(zacatek))
                return t;
        return std::nullopt;
    }
    // The sentence lines (14-point text) of a page by their height, blank ones left out.
    QMap<double, QString> radky_vet(int strana) const
    {
        QMap<double, QString> radky;
        for (const text_t &t : texty)
            if (t.strana == strana && t.velikost == 14)
                radky[t.y] += t.text;
        radky.removeIf([](auto r) { return r.value().trimmed().isEmpty(); });
        for (QString &r : radky)
            r = r.trimmed();
        return radky;
    }
    QString vety(int strana) const { return radky_vet(strana).values().join(QLatin1Char(' ')); }

    double sirka = 11906, vyska = 16838;
    QList<text_t> texty;
    int stran_pri_konci = -1;

private:
    double velikost_ = 10, x_ = 0, y_ = 0;
    int strana_ = 0;
    bool kresli_ = true;
};

constexpr double mm_x = 11906.0 / 210.0;
constexpr druh_t doplnovacka = druh_t::doplnovacka, oprava = druh_t::oprava;
const QString titul = katalog_temat::nazev_pracovni_list(3, 3);

// The run of a 7th-grade worksheet on the printer, on 5 March 2024.
void vytiskni(zaznamova_tiskarna &t, druh_t druh, const QStringList &vety, int kopii_pro_zaky,
              std::uint64_t seminko = 1)
{
    nahoda_t generator;
    generator.zafixuj(seminko);
    pracovni_list_t list(t, {3, 3, druh, vety}, generator, QDate(2024, 3, 5));
    QVERIFY(list.tiskni_ulohy(kopii_pro_zaky));
}

} // namespace

class tst_tisk_list : public QObject
{
    Q_OBJECT

private slots:
    void veta_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("ucitel");
        QTest::addColumn<QString>("zak");
        const auto radek = [](const char *nazev, const QString &radek, const QString &ucitel, const QString &zak) {
            QTest::newRow(nazev) << radek << ucitel << zak;
        };
        // A gap is half as wide again as the widest form the item offers (every letter
        // 140 twips here), and never narrower than 8 mm (454 twips, four underscores).
        radek("three-letter gap", "Idem do <mes#mez>ta.*1", "Idem do mesta.", "Idem do _____ta.");
        radek("gap as wide as the widest form, not the answer", "Vid<ie#e~je~iiie>ť.*2", "Vidieť.", "Vid______ť.");
        radek("one-letter gap of 8 mm", "R<y#i>ba.*3", "Ryba.", "R____ba.");
        radek("fill-in commas", "Ak prší<,# > ostaneme doma a< #,> čítame.*4", "Ak prší, ostaneme doma a čítame.",
              "Ak prší ostaneme doma a čítame.");
        radek("line separator skipped", "Prvá časť¦ druhá <časť#cast>.*6", "Prvá časť druhá časť.",
              "Prvá časť druhá ______.");
    }
    // What one sentence of a fill-in sheet prints on the teacher's copy and on the pupils'.
    void veta()
    {
        QFETCH(QString, radek);
        QFETCH(QString, ucitel);
        QFETCH(QString, zak);
        zaznamova_tiskarna t;
        vytiskni(t, doplnovacka, {radek}, 2);
        QCOMPARE(t.vety(0), ucitel);
        QCOMPARE(t.vety(1), zak);
        QCOMPARE(t.vety(2), zak);
    }

    void chyby_zaku_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QStringList>("zaci"); // every way a pupil's sentence may read
        QTest::newRow("one item of two forms") << "Jan<ý# > pes.*1" << QStringList{"Jan pes."};
        QTest::newRow("letters") << "R<y#i>ba a m<y#i>š.*1" << QStringList{"Riba a myš.", "Ryba a miš.", "Riba a miš."};
        QTest::newRow("comma items only")
            << "Jablká<,# > hrušky< #,> a slivky.*2"
            << QStringList{"Jablká hrušky a slivky.", "Jablká, hrušky, a slivky.", "Jablká hrušky, a slivky."};
        QTest::newRow("a wrong form that reads as the right one") << "Dom<a#a~e>.*3" << QStringList{"Dome."};
    }
    // Each pupil's copy of a correction sheet draws its errors afresh, commas included, and
    // has something to correct in every sentence; the teacher's shows the correct forms.
    void chyby_zaku()
    {
        QFETCH(QString, radek);
        QFETCH(QStringList, zaci);
        zaznamova_tiskarna t;
        vytiskni(t, oprava, {radek}, 30, 3);
        QSet<QString> vytisteno;
        for (int s = 1; s <= 30; ++s)
            vytisteno.insert(t.vety(s));
        QCOMPARE(vytisteno, QSet<QString>(zaci.begin(), zaci.end()));
    }

    void zalomeni_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<int>("pismen");
        QTest::addColumn<QString>("polozka");
        QTest::addColumn<bool>("zalomi");
        // On a printable width of 8000 the limit is 7000. After 44 letters and a separator
        // an item starts at 397 + 45 × 140 = 6697 twips; three letters end at 7117.
        QTest::newRow("space past the limit") << doplnovacka << 47 << " " << true;
        QTest::newRow("space before the limit") << doplnovacka << 46 << " " << false;
        QTest::newRow("gap between spaces") << doplnovacka << 44 << " <mes#mez> " << true;
        QTest::newRow("gap glued to the word before") << doplnovacka << 44 << "x<mes#mez> " << false;
        QTest::newRow("short gap that fits") << doplnovacka << 40 << " <m#n> " << false;
        QTest::newRow("form between spaces") << oprava << 44 << " <mes#mes> " << true;
        QTest::newRow("form glued to letters") << oprava << 44 << "x<mes#mes>x" << false;
        QTest::newRow("a comma form never wraps") << oprava << 46 << " <,#,> " << false;
    }
    // A line ends at a space past 7/8 of the width; a gap or form moves to a new line only
    // when it would pass the limit and spaces stand on both sides of it. The new line is
    // two line ends and starts at 7 mm.
    void zalomeni()
    {
        QFETCH(druh_t, druh);
        QFETCH(int, pismen);
        QFETCH(QString, polozka);
        QFETCH(bool, zalomi);
        zaznamova_tiskarna t;
        t.sirka = 8000;
        const QString pismena(pismen, 'a');
        vytiskni(t, druh, {pismena + polozka + "koniec.*1"}, 1);
        for (int s = 0; s < 2; ++s) {
            const auto radky = t.radky_vet(s);
            QCOMPARE(radky.first() == (pismena + polozka.left(1)).trimmed(), zalomi);
            if (zalomi)
                QCOMPARE(radky.keys().value(1) - radky.firstKey(), 2 * 14 * 23.0);
        }
        double radek = -1;
        for (const auto &z : t.texty)
            if (z.velikost == 14 && z.text != " ") {
                QVERIFY(z.y == radek || qAbs(z.x - 7 * mm_x) < 0.01);
                radek = z.y;
            }
    }

    void kopie_a_strany_data()
    {
        QTest::addColumn<int>("kopii");
        QTest::addColumn<int>("vet");
        QTest::addColumn<QList<int>>("vet_na_strane");
        // Printable height 12000: the page breaks once the pen passes 9600 twips. The
        // sentences start at 2665 and take 644 each, so the eleventh passes the limit.
        QTest::newRow("no copy asked still gives the model, no break after the last sentence")
            << 0 << 11 << QList<int>{11};
        QTest::newRow("one copy asked gives two, of three pages each") << 1 << 25 << QList<int>{11, 11, 3};
    }
    // The teacher's model first, without a name line, then one sheet per pupil, each ending
    // with a new page. The page breaks only between sentences below 4/5 of the height; every
    // page has the header and footer, and the number restarts for every copy.
    void kopie_a_strany()
    {
        QFETCH(int, kopii);
        QFETCH(int, vet);
        QFETCH(QList<int>, vet_na_strane);
        zaznamova_tiskarna t;
        t.vyska = 12000;
        QStringList vety;
        for (int i = 1; i <= vet; ++i)
            vety.append(QStringLiteral("Veta %1.*%1").arg(i));
        vytiskni(t, oprava, vety, kopii);
        const int stran = int(vet_na_strane.size());
        QCOMPARE(t.pocet_stran(), (kopii + 1) * stran);
        QCOMPARE(t.stran_pri_konci, (kopii + 1) * stran);
        for (int strana = 0; strana < (kopii + 1) * stran; ++strana) {
            const int s = strana % stran;
            const bool ucitel = strana < stran;
            QCOMPARE(t.najdi(strana, titul)->text, ucitel ? titul + " - vzor pre učiteľa" : titul);
            QCOMPARE(bool(t.najdi(strana, "Meno: ")), !ucitel);
            QVERIFY(t.najdi(strana, "Zadanie: "));
            QCOMPARE(t.najdi(strana, "Stránka: ")->text, QStringLiteral("Stránka: %1").arg(s + 1));
            const auto radky = t.radky_vet(strana);
            QCOMPARE(radky.size(), vet_na_strane[s]);
            QCOMPARE(radky.first(), QStringLiteral("Veta %1.").arg(11 * s + 1));
        }
    }
};

QTEST_APPLESS_MAIN(tst_tisk_list)
#include "tst_tisk_list.moc"
