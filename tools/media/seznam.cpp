#include "seznam.h"

#include "bmp.h"
#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/katalog.h"
#include "data/kontejner.h"
#include "horni_lista.h"
#include "kresleni.h"
#include "napoveda.h"
#include "obrazek_png.h"
#include "scena_cviceni.h"
#include "scena_menu.h"
#include "scena_nastaveni.h"
#include "texty.h"
#include "ukazky.h"
#include "veta_box.h"
#include "zvuk.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace seznam
{

namespace
{

using sestaveni::ukol_t;

// A picture that could not be drawn (its text in content/ is malformed) fails its task.
std::optional<QByteArray> zakoduj(const QImage &obrazek, QByteArray (*bmp)(const QImage &), QString *chyba)
{
    if (obrazek.isNull()) {
        *chyba = QStringLiteral("cannot be drawn from its text in content/");
        return std::nullopt;
    }
    return bmp(obrazek);
}

QByteArray png_rgb(const QImage &obrazek) { return png::zakoduj(obrazek); }

// The help pictures keep their 256 colours at every size: a third of the file.
QByteArray png_paleta(const QImage &obrazek) { return png::zakoduj(bmp::na_paletu(obrazek)); }

// The two pictures of the program's first frame are bitmaps at every size, in the larger sets
// ones the program draws from the file without decoding: decoding them took most of the time
// to the title picture on a large display.
bool prvni_snimek(const QString &nazev)
{
    return nazev == QLatin1String("GRAFIKA/TITLE.BMP") || nazev == QLatin1String("GRAFIKA/SELECT/BCKG.BMP");
}

struct prace_t {
    const vstupy_t &vstupy;
    QList<ukol_t> ukoly;

    // A 24-bit picture; `vstup` is what it depends on besides the renderer.
    void obrazek(const QString &nazev, std::function<QImage()> kresli, const QByteArray &vstup = {})
    {
        ukoly.append({nazev, "bmp24|" + vstupy.otisk_programu + '|' + nazev.toUtf8() + '|' + vstup,
                      [kresli](QString *chyba) { return zakoduj(kresli(), bmp::zakoduj_24, chyba); }});
        vetsi(nazev, kresli, vstup);
    }
    void obrazek_paleta(const QString &nazev, std::function<QImage()> kresli, const QByteArray &vstup)
    {
        if (!vstupy.paleta_napovedy) {
            obrazek(nazev, std::move(kresli), vstup);
            return;
        }
        ukoly.append({nazev, "bmp8|" + vstupy.otisk_programu + '|' + nazev.toUtf8() + '|' + vstup,
                      [kresli](QString *chyba) { return zakoduj(kresli(), bmp::zakoduj_8, chyba); }});
        vetsi(nazev, kresli, vstup, png_paleta);
    }
    // The same picture drawn at 2× and 3× into "GRAFIKA@2x/…/NAME.PNG", for displays that
    // show the stage larger.
    void vetsi(const QString &nazev, const std::function<QImage()> &kresli, const QByteArray &vstup,
               QByteArray (*format)(const QImage &) = png_rgb)
    {
        for (int m : {2, 3}) {
            const QString jmeno = vetsi_nazev(nazev, m, prvni_snimek(nazev));
            const auto kodovani = prvni_snimek(nazev) ? bmp::zakoduj_32 : format;
            ukoly.append({jmeno, "png|" + vstupy.otisk_programu + '|' + jmeno.toUtf8() + '|' + vstup,
                          [kresli, m, kodovani](QString *chyba) {
                              kresleni::nastav_meritko(m);
                              const QImage obrazek = kresli();
                              kresleni::nastav_meritko(1);
                              return zakoduj(obrazek, kodovani, chyba);
                          }});
        }
    }
};

QString g(const QString &nazev) { return QStringLiteral("GRAFIKA/") + nazev; }

// Whole-text sections of the data file, by grade and topic.
QSet<QString> souvisle_sekce(const QString &cesta_dat)
{
    QSet<QString> klice;
    const auto radky = dekoduj_soubor(cesta_dat);
    if (!radky)
        return klice;
    for (const QString &nazev : rozklicuj_dat_soubor(cesta_dat))
        if (najdi_sekci(*radky, nazev).souvisly_text)
            klice.insert(nazev);
    return klice;
}

QString text_napovedy(const QString &obsah, const QString &nazev)
{
    QFile f(QDir(obsah).filePath(QStringLiteral("napoveda/%1.txt").arg(nazev)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void menu(prace_t &w)
{
    using namespace scena_menu;
    w.obrazek(g("SELECT/BCKG.BMP"), [] { return kresli({}); });
    for (int r = 0; r < katalog_temat::pocet_rocniku; ++r) {
        w.obrazek(g("SELECT/L_%1_0.BMP").arg(r + 1), [r] { return kresleni::vyrez(kresli({}), obrazek_rocniku(r)); });
        w.obrazek(g("SELECT/L_%1_1.BMP").arg(r + 1),
                  [r] { return kresleni::vyrez(kresli({.hover = r}), obrazek_rocniku(r)); });
    }
    w.obrazek(g("SELECT/MKONEH.BMP"), [] { return kresleni::vyrez(kresli({.hover = 5}), obrazek_konce()); });
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
            for (int hover = 0; hover < 2; ++hover)
                w.obrazek(g("SELECT/R_%1%2_%3.BMP").arg(r).arg(t).arg(hover), [r, t, hover] {
                    return kresleni::vyrez(kresli({.rocnik = r, .tema_hover = hover ? t : 0}),
                                           geometrie::menu::tema(r - 1, t - 1));
                });
    w.obrazek(g("TITLE.BMP"), titulek);
    w.obrazek(g("CREDITS.BMP"), autori);
}

void cviceni(prace_t &w)
{
    w.obrazek(g("BG.BMP"), [] { return scena_cviceni::kresli(); });
    const char *hover[4] = {"MKONTH", "MNOVEH", "MTABH", "MZPETH"};
    for (int i = 0; i < 4; ++i)
        w.obrazek(g("%1.BMP").arg(QLatin1String(hover[i])),
                  [i] { return kresleni::vyrez(scena_cviceni::kresli(i), scena_cviceni::obrazek_tlacitka(i)); });
    w.obrazek(g("MZPET.BMP"),
              [] { return kresleni::vyrez(scena_cviceni::tabulka(), scena_cviceni::obrazek_zpet_tabulky()); });
    w.obrazek(g("3LINE_W.BMP"), [] { return veta_box::box(3); });
    w.obrazek(g("COV_L_W.BMP"), [] { return veta_box::kryt_levy(1); });
    w.obrazek(g("COV_R_V.BMP"), [] { return veta_box::kryt_pravy(1); });
    w.obrazek(g("COV2_B.BMP"), [] { return veta_box::kryt_spodni(1); });
    w.obrazek(g("COV1_L_W.BMP"), [] { return veta_box::kryt_levy(2); });
    w.obrazek(g("COV1_R_V.BMP"), [] { return veta_box::kryt_pravy(2); });
    w.obrazek(g("COV1_B.BMP"), [] { return veta_box::kryt_spodni(2); });
    w.obrazek(g("CHECK_OK.BMP"), [] { return veta_box::znacka(true); });
    w.obrazek(g("CHECK_KO.BMP"), [] { return veta_box::znacka(false); });
    for (int r = 1; r <= 3; ++r)
        w.obrazek(g("HINT%1.BMP").arg(r), [r] { return veta_box::bublina(r); });
    for (int n = 0; n <= 3; ++n)
        w.obrazek(g("REP_%1.BMP").arg(n), [n] { return veta_box::pocitadlo(n); });
    w.obrazek(g("POKRACUJ.BMP"), veta_box::pokracuj);
    w.obrazek(g("TISKNI.BMP"), veta_box::tiskni);
    w.obrazek(g("TABS/BCKG.BMP"), [] { return scena_cviceni::tabulka(); });
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
            for (druh_t d : vsechny_druhy)
                w.obrazek(g("TABS/L_%1%2_%3.BMP").arg(r).arg(t).arg(kod_bitmapy(d)),
                          [r, t, d] { return horni_lista::zalozka(r, t, d); });
}

void nastaveni(prace_t &w, const QSet<QString> &souvisle)
{
    using namespace scena_nastaveni;
    auto s = [](int r, int t, bool souvisly) { return kresli({.rocnik = r, .tema = t, .souvisly = souvisly}); };
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
            const bool souvisly = souvisle.contains(cislo_ulohy(r, t));
            w.obrazek(
                g("SETUP/BG_%1%2.BMP").arg(r).arg(t), [=] { return s(r, t, souvisly); }, souvisly ? "souvisly" : "");
        }
    w.obrazek(g("SETUP/MZPETH.BMP"), [] { return kresleni::vyrez(kresli({.hover_zpet = true}), obrazek_zpet()); });
    const char *cisla[4] = {"1X", "2X", "3X", "NE"};
    const char *sipky[6] = {"05", "10", "15", "20", "25", "30"};
    for (int a = 0; a < 6; ++a) {
        if (a < 4) {
            w.obrazek(g("SETUP/NAD_%1_0.BMP").arg(QLatin1String(cisla[a])),
                      [a] { return kresleni::vyrez(kresli({}), obrazek_cisla(a)); });
            w.obrazek(g("SETUP/NAD_%1_1.BMP").arg(QLatin1String(cisla[a])),
                      [a] { return kresleni::vyrez(kresli({.pocet = a}), obrazek_cisla(a)); });
        }
        w.obrazek(g("SETUP/SIPKA_%1.BMP").arg(QLatin1String(sipky[a])),
                  [a] { return kresleni::vyrez(kresli({.pocet = a}), obrazek_sipky_poctu()); });
    }
    // Kind areas 6..9 and their codes.
    const druh_t druhy[4] = {druh_t::diktat, druh_t::oprava, druh_t::doplnovacka, druh_t::vyberovka};
    for (int a = 6; a <= 9; ++a) {
        const QString kod = kod_bitmapy(druhy[a - 6]);
        w.obrazek(g("SETUP/TU_%1_0.BMP").arg(kod), [a] { return kresleni::vyrez(kresli({}), obrazek_druhu(a)); });
        w.obrazek(g("SETUP/TU_%1_1.BMP").arg(kod),
                  [a] { return kresleni::vyrez(kresli({.druh = a}), obrazek_druhu(a)); });
        w.obrazek(g("SETUP/SIPKA_T%1.BMP").arg(a - 5),
                  [a] { return kresleni::vyrez(kresli({.druh = a}), obrazek_sipky_druhu()); });
        const druh_t d = druhy[a - 6];
        w.obrazek(g("SETUP/SMPL_%1.BMP").arg(kod), [d] { return ukazky::ukazka(d, false); });
        w.obrazek(g("SETUP/SMPL_") + kod + QStringLiteral("2.BMP"), [d] { return ukazky::ukazka(d, true); });
    }
    w.obrazek(g("SETUP/NAP_0.BMP"), [] { return kresleni::vyrez(kresli({}), obrazek_napovedy()); });
    w.obrazek(g("SETUP/NAP_1.BMP"), [] { return kresleni::vyrez(kresli({.napoveda = true}), obrazek_napovedy()); });
}

void napovedy(prace_t &w, const QSet<QString> &souvisle)
{
    const QString nastaveni = text_napovedy(w.vstupy.obsah, QStringLiteral("nastaveni"));
    w.obrazek_paleta(
        g("HELP/SETUP2.BMP"), [nastaveni] { return napoveda::nastaveni(nastaveni).value_or(QImage()); },
        nastaveni.toUtf8());
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
            const QString text = text_napovedy(w.vstupy.obsah, cislo_ulohy(r, t));
            const bool souvisly = souvisle.contains(cislo_ulohy(r, t));
            const QByteArray vstup = text.toUtf8() + (souvisly ? "|souvisly" : "|");
            for (druh_t d : vsechny_druhy)
                w.obrazek_paleta(
                    g("HELP/%1%2_%3.BMP").arg(r).arg(t).arg(kod_bitmapy(d)),
                    [=] { return napoveda::tema(r, t, d, precti_napovedu(text), souvisly); }, vstup);
        }
}

} // namespace

QString vetsi_nazev(const QString &nazev, int meritko, bool bitmapa)
{
    const qsizetype lomitko = nazev.indexOf(u'/');
    const qsizetype tecka = nazev.lastIndexOf(u'.');
    return nazev.left(lomitko) + QStringLiteral("@%1x").arg(meritko) + nazev.mid(lomitko, tecka - lomitko) +
           (bitmapa ? nazev.mid(tecka) : QStringLiteral(".PNG"));
}

QList<ukol_t> obrazky(const vstupy_t &vstupy)
{
    prace_t w{vstupy, {}};
    const QSet<QString> souvisle = souvisle_sekce(vstupy.data);
    menu(w);
    cviceni(w);
    nastaveni(w, souvisle);
    napovedy(w, souvisle);
    return w.ukoly;
}

QList<ukol_t> zvuky(const vstupy_t &vstupy)
{
    QList<ukol_t> ukoly;
    const QByteArray otisk_ui = "wav|ui|v1|" + vstupy.otisk_programu;
    ukoly.append({QStringLiteral("ZVUK/CLICK.WAV"), otisk_ui + "|click",
                  [](QString *) -> std::optional<QByteArray> { return zvuk::zapis_wav(zvuk::klik(), 16); }});
    ukoly.append({QStringLiteral("ZVUK/ENTER.WAV"), otisk_ui + "|enter",
                  [](QString *) -> std::optional<QByteArray> { return zvuk::zapis_wav(zvuk::vstup(), 16); }});
    const QByteArray otisk_hlasu = "wav|" + vstupy.hlas.otisk() + '|' + vstupy.verze_hlasu.toUtf8() + '|';
    for (const diktat::veta_t &v : diktat::vety(vstupy.data)) {
        const diktat::hlas_t hlas = vstupy.hlas;
        const QString text = v.text;
        ukoly.append({v.soubor(), otisk_hlasu + text.toUtf8(),
                      [hlas, text](QString *chyba) { return diktat::namluv(hlas, text, chyba); }});
    }
    return ukoly;
}

} // namespace seznam
