// The media folder the renderer builds: every picture a screen can ask for at the size
// its layout needs, pictures that compose the way the screens compose them, a recording
// of every sentence, and a rebuild that redoes only what changed.
#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/katalog.h"
#include "data/kontejner.h"
#include "data/znacky.h"
#include "exercise/kontrola.h"
#include "exercise/obrazky_cviceni.h"
#include "exercise/rozvrzeni.h"
#include "pomoc/instalace.h"
#include "sestaveni.h"
#include "zvuk.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace g = geometrie;
namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;

namespace
{

QString v_mediich(const QString &nazev) { return QDir(postavena_media()).filePath(nazev); }
QImage nacti(const QString &nazev) { return QImage(v_mediich(nazev)).convertToFormat(QImage::Format_RGB32); }
QByteArray bajty(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The set-up screen's count areas 0..3 and kind areas 6..9 (dictation, correction,
// fill-in, choice) by their bitmap codes.
const char *kody_cisel[4] = {"1X", "2X", "3X", "NE"};
const char *kody_druhu[4] = {"CV", "OC", "DJ", "VJ"};

// Every picture the screens ask for, with the size their layout needs (invalid: any).
// The exercise screen's names come from its own lists; the other screens build theirs
// from grade digit, topic number and kind code as below.
QMap<QString, QSize> vsechny_obrazky()
{
    QMap<QString, QSize> s;
    const QString sel = QStringLiteral("GRAFIKA/SELECT/"), set = QStringLiteral("GRAFIKA/SETUP/");
    for (const QString &n :
         {sel + "BCKG.BMP", QStringLiteral("GRAFIKA/TITLE.BMP"), QStringLiteral("GRAFIKA/CREDITS.BMP"),
          QStringLiteral("GRAFIKA/TABS/BCKG.BMP"), QStringLiteral("GRAFIKA/HELP/SETUP2.BMP"), obrazky_cviceni::pozadi})
        s[n] = g::cela_obrazovka;
    s[sel + "MKONEH.BMP"] = gm::konec_obrazek;
    for (int i = 0; i < 4; ++i)
        s[obrazky_cviceni::zvyrazneni[i]] = gc::tlacitko_hover;
    s[QStringLiteral("GRAFIKA/MZPET.BMP")] = g::tabulka::zpet_velikost;
    namespace os = obrazky_stranky;
    s[os::veta] = gc::veta_box;
    s[os::kryt_levy] = gc::kryt_levy_1;
    s[os::kryt2_levy] = gc::kryt_levy_2;
    s[os::kryt_pravy] = s[os::kryt2_pravy] = gc::kryt_pravy;
    s[os::kryt_spodni] = gc::kryt_spodni_1;
    s[os::kryt2_spodni] = gc::kryt_spodni_2;
    for (int n = 0; n <= 3; ++n)
        s[os::opakovani(n)] = gc::pocitadlo;
    s[obrazky_znacek::spravne] = s[obrazky_znacek::spatne] = gc::znacka;
    for (int i = 0; i < 3; ++i)
        s[obrazky_cviceni::bubliny()[i]] = QSize(gc::bublina_sirka, gc::bublina_vyska[i]);
    s[obrazky_cviceni::pokracuj] = s[QStringLiteral("GRAFIKA/TISKNI.BMP")] = g::posuvne_tlacitko;
    s[set + "MZPETH.BMP"] = gn::zpet_obrazek;
    s[set + "NAP_0.BMP"] = s[set + "NAP_1.BMP"] = gn::napoveda_obrazek;
    for (int i = 0; i < 6; ++i)
        s[set + QStringLiteral("SIPKA_%1.BMP").arg(5 * (i + 1), 2, 10, QLatin1Char('0'))] = gn::sipka_poctu_obrazek;
    for (int i = 0; i < 4; ++i) {
        s[set + QStringLiteral("SIPKA_T%1.BMP").arg(i + 1)] = gn::sipka_druhu_obrazek;
        for (int stav = 0; stav < 2; ++stav)
            s[set + QStringLiteral("NAD_%1_%2.BMP").arg(QLatin1String(kody_cisel[i])).arg(stav)] = gn::cislo_obrazek[i];
    }
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r) {
        for (int stav = 0; stav < 2; ++stav)
            s[sel + QStringLiteral("L_%1_%2.BMP").arg(r).arg(stav)] = gm::rocnik_obrazek;
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
            for (int stav = 0; stav < 2; ++stav)
                s[sel + QStringLiteral("R_%1%2_%3.BMP").arg(r).arg(t).arg(stav)] = gm::tema_obrazek;
            s[set + QStringLiteral("BG_%1%2.BMP").arg(r).arg(t)] = g::cela_obrazovka;
            for (druh_t d : vsechny_druhy) {
                const QString kod = kod_bitmapy(d);
                s[set + QStringLiteral("TU_%1_0.BMP").arg(kod)] = s[set + QStringLiteral("TU_%1_1.BMP").arg(kod)] =
                    gn::druh_obrazek;
                s[set + QStringLiteral("SMPL_%1.BMP").arg(kod)] = s[set + "SMPL_" + kod + "2.BMP"] = gn::ukazka_obrazek;
                s[obrazky_cviceni::zalozka(r, t, d)] = gc::zalozka;
                s[obrazky_cviceni::napoveda(r, t, d)] = g::cela_obrazovka;
                for (const QString &n : obrazky_cviceni::vsechny(r, t, d))
                    s.insert(n, s.value(n));
            }
        }
    }
    return s;
}

// Draws src onto dest at `kde`, leaving dest where src has the key colour.
void kresli(QImage &dest, QPoint kde, const QImage &src, QRgb klic = 0)
{
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            if (src.pixel(x, y) != klic && dest.rect().contains(kde + QPoint(x, y)))
                dest.setPixel(kde + QPoint(x, y), src.pixel(x, y));
}

// The sentence box of n lines composed as the page layout does it, at (0, 0) of a canvas
// of the page colour twice the box's height.
QImage sloz_box(int radku, QRgb stranka)
{
    QImage platno(gc::veta_box.width() + 60, 2 * gc::veta_box.height(), QImage::Format_RGB32);
    platno.fill(stranka);
    kresli(platno, QPoint(0, 0), nacti(obrazky_stranky::veta));
    if (radku < 3) {
        namespace os = obrazky_stranky;
        const QImage pravy = nacti(radku == 1 ? os::kryt_pravy : os::kryt2_pravy);
        kresli(platno, QPoint(0, 0), nacti(radku == 1 ? os::kryt_levy : os::kryt2_levy));
        kresli(platno, QPoint(gc::kryt_pravy_x - gc::prvni_veta.x(), 0), pravy, pravy.pixel(gc::klic_praveho_krytu));
        kresli(platno, QPoint(0, radku == 1 ? 25 : 45), nacti(radku == 1 ? os::kryt_spodni : os::kryt2_spodni));
    }
    return platno;
}

// Pixels of `kus` (placed at `kde` on `pozadi`) that differ from the background outside `tvar`.
int rozdily_mimo(const QImage &kus, const QImage &pozadi, QPoint kde, const QRect &tvar)
{
    int n = 0;
    for (int y = 0; y < kus.height(); ++y)
        for (int x = 0; x < kus.width(); ++x)
            n += !tvar.contains(kde + QPoint(x, y)) && kus.pixel(x, y) != pozadi.pixel(kde + QPoint(x, y));
    return n;
}

} // namespace

class tst_media : public QObject
{
    Q_OBJECT

    QRgb stranka_ = 0;
    QString dat_ = QDir(postavena_data()).filePath(QStringLiteral("VERBANO2.DAT"));

private slots:
    void initTestCase()
    {
        const QImage bg = nacti(obrazky_cviceni::pozadi);
        QVERIFY2(!bg.isNull() && QFile::exists(dat_), "build the media and data targets first");
        stranka_ = bg.pixel(gc::barva_stranky);
    }

    void obrazek_data()
    {
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<QSize>("velikost");
        const auto s = vsechny_obrazky();
        for (auto it = s.begin(); it != s.end(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
    }
    // Every picture is there, at its size; all but the help pictures (palette bitmaps
    // without a key colour) in 24 bits so that their colours stay exact.
    void obrazek()
    {
        QFETCH(QString, nazev);
        QFETCH(QSize, velikost);
        const QImage obrazek(v_mediich(nazev), "BMP");
        QVERIFY(!obrazek.isNull());
        if (velikost.isValid())
            QCOMPARE(obrazek.size(), velikost);
        if (!nazev.startsWith(QLatin1String("GRAFIKA/HELP/")))
            QCOMPARE(int(static_cast<unsigned char>(bajty(v_mediich(nazev)).at(28))), 24);
    }

    // Nothing lies there under a name no screen builds (a misspelt name would hide there),
    // and no recordings folder without its section.
    void nic_navic()
    {
        const auto ocekavane = vsechny_obrazky();
        QStringList navic;
        for (QDirIterator it(v_mediich(QStringLiteral("GRAFIKA")), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            if (const QString n = QDir(postavena_media()).relativeFilePath(it.next()); !ocekavane.contains(n))
                navic.append(n);
        const QStringList sekce = rozklicuj_dat_soubor(dat_);
        for (const QString &s : QDir(v_mediich(QStringLiteral("ZVUK"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (!sekce.contains(s))
                navic.append(QStringLiteral("ZVUK/") + s);
        QVERIFY2(navic.isEmpty(), qPrintable(navic.join(u' ')));
    }

    void nahravky_data()
    {
        QTest::addColumn<QString>("klic");
        for (const QString &klic : rozklicuj_dat_soubor(dat_))
            QTest::newRow(qPrintable(klic)) << klic;
    }
    // The exercise screen plays ZVUK/<section key>/<sentence number>.WAV: mono PCM, not
    // silent, spoken at a dictation pace; no recording is left without its sentence.
    void nahravky()
    {
        QFETCH(QString, klic);
        const sekce_t s = nacti_sekci(dat_, klic);
        QVERIFY(s.nalezena && !s.radky.isEmpty());
        const QDir slozka(v_mediich(QStringLiteral("ZVUK/") + klic));
        QStringList ocekavane;
        for (const QString &radek : s.radky) {
            const QString nazev = cislo_vety_text(radek) + QStringLiteral(".WAV");
            ocekavane.append(nazev);
            const QByteArray b = bajty(slozka.filePath(nazev));
            const auto h = zvuk::precti_hlavicku(b);
            const auto z = zvuk::precti_wav(b);
            QVERIFY2(h && z, qPrintable(nazev));
            QVERIFY(h->format == 1 && h->kanalu == 1 && (h->bitu == 8 || h->bitu == 16));
            QVERIFY(h->vzorkovani >= 8000 && h->vzorkovani <= 22050);
            QVERIFY(*std::max_element(z->vzorky.begin(), z->vzorky.end()) > 0.3f);
            const int znaku = int(vypis_vety(radek).spravna_veta.size());
            QVERIFY2(h->delka() >= 0.5 + znaku / 25.0 && h->delka() <= 1.5 + znaku / 6.0,
                     qPrintable(QStringLiteral("%1: %2 s for %3 characters").arg(nazev).arg(h->delka()).arg(znaku)));
        }
        QStringList na_disku = slozka.entryList({QStringLiteral("*.WAV")}, QDir::Files);
        std::sort(ocekavane.begin(), ocekavane.end());
        QCOMPARE(na_disku, ocekavane);
    }

    // The click and hover sounds: short, so that hovering quickly over buttons stays
    // quiet, but audible, and fading out.
    void zvuky_rozhrani()
    {
        for (const char *nazev : {"ZVUK/CLICK.WAV", "ZVUK/ENTER.WAV"}) {
            const auto z = zvuk::precti_wav(bajty(v_mediich(QLatin1String(nazev))));
            QVERIFY2(z && z->delka() > 0.02 && z->delka() < 0.25, nazev);
            QVERIFY(*std::max_element(z->vzorky.begin(), z->vzorky.end()) > 0.09f);
            QVERIFY(std::abs(z->vzorky.last()) < 0.01f);
        }
    }

    // The page layout clears the page to the colour of pixel (23, 86): the background must
    // be that colour over the whole page, or clearing would cut into its drawing.
    void stranka_je_jednobarevna()
    {
        const QImage bg = nacti(obrazky_cviceni::pozadi);
        for (int y = gc::stranka.top(); y <= gc::stranka.bottom(); ++y)
            for (int x = gc::stranka.left(); x <= gc::stranka.right(); ++x)
                QVERIFY2(bg.pixel(x, y) == stranka_, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    }

    void box_data()
    {
        QTest::addColumn<int>("radku");
        QTest::newRow("one line") << 1;
        QTest::newRow("two lines") << 2;
        QTest::newRow("three lines") << 3;
    }
    // A box of n lines ends exactly at its height along its whole width, whatever the
    // covers did; over the text lines they leave the box as it was; the result marks,
    // copied plainly onto it, repeat its edge.
    void box()
    {
        QFETCH(int, radku);
        const QImage b = sloz_box(radku, stranka_);
        const int y = gc::vyska_boxu[radku - 1] - 1;
        int okraj = 0;
        for (int x = 0; x < gc::veta_box.width(); ++x)
            okraj += b.pixel(x, y) != stranka_;
        QVERIFY(okraj > gc::veta_box.width() * 9 / 10);
        for (int x = 0; x < b.width(); ++x)
            QCOMPARE(b.pixel(x, y + 1), stranka_);
        QVERIFY(b.pixel(0, y - 12) != stranka_ && b.pixel(gc::veta_box.width() - 1, y - 12) != stranka_);
        const QImage tri = nacti(obrazky_stranky::veta);
        // Text may run a little past the right limit; it never reaches the result mark.
        for (int y = gc::odsazeni_textu_y; y < gc::odsazeni_textu_y + gc::vyska_radku * radku; ++y)
            for (int x = gc::odsazeni_textu_x; x < gc::znacka_x - gc::prvni_veta.x() - 1; ++x)
                QVERIFY2(b.pixel(x, y) == tri.pixel(x, y), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        for (const QString &nazev : {obrazky_znacek::spravne, obrazky_znacek::spatne}) {
            const QImage znacka = nacti(nazev);
            const QPoint kde(gc::znacka_x - gc::prvni_veta.x(), 0);
            for (int i = 0; i < znacka.width(); ++i)
                QCOMPARE(znacka.pixel(i, 0), b.pixel(kde + QPoint(i, 0)));
            for (int j = 0; j < znacka.height(); ++j)
                QCOMPARE(znacka.pixel(0, j), b.pixel(kde + QPoint(0, j)));
        }
    }

    void kusy_na_pozadi_data()
    {
        QTest::addColumn<QString>("kus");
        QTest::addColumn<QString>("pozadi");
        QTest::addColumn<QPoint>("kde");
        QTest::addColumn<QRect>("tvar"); // where the piece may differ: its hit area; empty: nowhere
        const auto radek = [](const QString &kus, const QString &pozadi, QPoint kde, QRect tvar) {
            QTest::addRow("%s on %s", qPrintable(kus.section(u'/', -1)), qPrintable(pozadi.section(u'/', -2)))
                << QStringLiteral("GRAFIKA/") + kus << QStringLiteral("GRAFIKA/") + pozadi << kde << tvar;
        };
        for (int r = 0; r < 5; ++r) {
            radek(QStringLiteral("SELECT/L_%1_0.BMP").arg(r + 1), QStringLiteral("SELECT/BCKG.BMP"), gm::rocnik(r), {});
            radek(QStringLiteral("SELECT/L_%1_1.BMP").arg(r + 1), QStringLiteral("SELECT/BCKG.BMP"), gm::rocnik(r),
                  gm::plochy[r]);
        }
        radek(QStringLiteral("SELECT/MKONEH.BMP"), QStringLiteral("SELECT/BCKG.BMP"), gm::hover[5], gm::plochy[5]);
        for (int i = 0; i < 4; ++i)
            radek(obrazky_cviceni::zvyrazneni[i].mid(8), QStringLiteral("BG.BMP"), gc::tlacitka_hover[i],
                  gc::tlacitka[i]);
        radek(QStringLiteral("MZPETH.BMP"), QStringLiteral("TABS/BCKG.BMP"), g::tabulka::zpet_obrazek,
              g::tabulka::zpet);
        radek(QStringLiteral("MZPET.BMP"), QStringLiteral("TABS/BCKG.BMP"), g::tabulka::zpet_obrazek, {});
        // The set-up pieces are shared by every topic's background; the title tab's margin
        // is the top bar of both screens that show it.
        const QRect karta(QPoint(1, 1), gc::zalozka - QSize(2, 1));
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
                const QString bg = QStringLiteral("SETUP/BG_%1%2.BMP").arg(r).arg(t);
                for (int i = 0; i < 4; ++i)
                    for (int stav = 0; stav < 2; ++stav) {
                        radek(QStringLiteral("SETUP/NAD_%1_%2.BMP").arg(QLatin1String(kody_cisel[i])).arg(stav), bg,
                              gn::cislo[i], stav ? gn::plochy[i] : QRect());
                        radek(QStringLiteral("SETUP/TU_%1_%2.BMP").arg(QLatin1String(kody_druhu[i])).arg(stav), bg,
                              gn::druh[i], stav ? gn::plochy[6 + i] : QRect());
                    }
                radek(QStringLiteral("SETUP/NAP_0.BMP"), bg, gn::napoveda_prepinac, {});
                radek(QStringLiteral("SETUP/NAP_1.BMP"), bg, gn::napoveda_prepinac, gn::plochy[10]);
                radek(QStringLiteral("SETUP/MZPETH.BMP"), bg, gn::zpet_hover, gn::plochy[11]);
                for (druh_t d : vsechny_druhy)
                    for (const char *pozadi : {"BG.BMP", "TABS/BCKG.BMP"})
                        radek(obrazky_cviceni::zalozka(r, t, d).mid(8), QLatin1String(pozadi), QPoint(0, 0), karta);
            }
    }
    // A hover or chosen picture is laid over its background and later restored from it:
    // outside its button it repeats the background pixel for pixel, and on it it differs.
    void kusy_na_pozadi()
    {
        QFETCH(QString, kus);
        QFETCH(QString, pozadi);
        QFETCH(QPoint, kde);
        QFETCH(QRect, tvar);
        const QImage k = nacti(kus), p = nacti(pozadi);
        QVERIFY(!k.isNull() && !p.isNull());
        QCOMPARE(rozdily_mimo(k, p, kde, tvar), 0);
        if (!tvar.isEmpty())
            QVERIFY(rozdily_mimo(k, p, kde, QRect()) > tvar.width() * tvar.height() / 4);
    }

    // A build makes what is missing or changed, keeps the rest, reports a failure and tries
    // it again next time, and removes what it made before and no task makes any more.
    void sestaveni()
    {
        QTemporaryDir dir;
        const QString cil = dir.filePath(QStringLiteral("media")), manifest = dir.filePath(QStringLiteral("m.txt"));
        std::atomic<int> volani{0};
        const auto ukol = [&](const QString &nazev, const QByteArray &obsah) {
            return sestaveni::ukol_t{nazev, obsah, [obsah, &volani](QString *) -> std::optional<QByteArray> {
                                         ++volani;
                                         return obsah;
                                     }};
        };
        QList<sestaveni::ukol_t> ukoly;
        for (int i = 0; i < 200; ++i)
            ukoly.append(ukol(QStringLiteral("ZVUK/5_1/%1.WAV").arg(i), QByteArray::number(i)));
        QCOMPARE(sestaveni::sestav(ukoly, cil, manifest, 2).vytvoreno, 200);
        QCOMPARE(bajty(cil + QStringLiteral("/ZVUK/5_1/137.WAV")), QByteArray("137"));
        QCOMPARE(sestaveni::sestav(ukoly, cil, manifest, 2).beze_zmeny, 200);
        QCOMPARE(volani.load(), 200);

        ukoly[1] = ukol(ukoly[1].nazev, "zmena");
        QFile::remove(cil + QStringLiteral("/ZVUK/5_1/2.WAV"));
        QFile(cil + QStringLiteral("/CIZI.TXT")).open(QIODevice::WriteOnly); // not the build's to remove
        int pokusy = 0;
        ukoly = ukoly.mid(0, 3);
        ukoly.append({QStringLiteral("X.WAV"), "x", [&](QString *chyba) -> std::optional<QByteArray> {
                          if (pokusy++ == 0) {
                              *chyba = QStringLiteral("voice missing");
                              return std::nullopt;
                          }
                          return QByteArray("ok");
                      }});
        ukoly.append(ukol(QStringLiteral("ZVUK/5_1/0.WAV"), "twice"));
        auto v = sestaveni::sestav(ukoly, cil, manifest, 1);
        QCOMPARE(v.vytvoreno, 2);
        QCOMPARE(v.beze_zmeny, 1);
        QCOMPARE(v.smazano, 197);
        QCOMPARE(v.chyby.size(), 2); // X.WAV, and a second task of one file
        QVERIFY(v.chyby.contains(QStringLiteral("X.WAV: voice missing")));
        QCOMPARE(bajty(cil + QStringLiteral("/ZVUK/5_1/1.WAV")), QByteArray("zmena"));
        QVERIFY(QFile::exists(cil + QStringLiteral("/ZVUK/5_1/2.WAV")) && !QFile::exists(cil + "/ZVUK/5_1/3.WAV"));
        QVERIFY(QFile::exists(cil + QStringLiteral("/CIZI.TXT")));
        ukoly.removeLast();
        v = sestaveni::sestav(ukoly, cil, manifest, 1);
        QVERIFY(v.chyby.isEmpty());
        QCOMPARE(v.vytvoreno, 1);
    }
};

QTEST_GUILESS_MAIN(tst_media)
#include "tst_media.moc"
