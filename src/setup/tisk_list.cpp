#include "setup/tisk_list.h"

#include "common/druhy.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "data/znacky.h"
#include "setup/tisk_tiskarna.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace texty_listu
{
const QString vzor_pre_ucitela = QStringLiteral(" - vzor pre učiteľa");
const QString meno = QStringLiteral("Meno: ........................................................");
const QString nazov_produktu = QStringLiteral("Ortanel - Verbano 2");
const QString zadanie_doplnovacky =
    QStringLiteral("Zadanie: Doplň chýbajúce gramatické javy (písmená, koncovky, slová, atď.) do viet.");
const QString zadanie_opravy = QStringLiteral("Zadanie: Oprav všetky chyby vo vetách, pokiaľ sa v nich vyskytujú.");
const QString datum = QStringLiteral("Dátum: ");
const QString stranka = QStringLiteral("Stránka: ");
const QString pismo = QStringLiteral("Arial CE");
} // namespace texty_listu

namespace
{

const QColor namornicka_modra(0, 0, 128);
const QColor cerna(0, 0, 0);

constexpr double sirka_a4_mm = 210.0;
constexpr double vyska_a4_mm = 297.0;

bool je_mezera(const QString &text, qsizetype i) { return i >= 0 && i < text.size() && text[i] == QLatin1Char(' '); }

// "<,# >" and "< #,>" exactly: the comma the pupil writes in or leaves out.
bool je_carkova_polozka(const polozka_t &p) { return p.konec - p.zacatek == 4 && (p.je_carka() || p.je_bez_carky()); }

// What a form puts on paper: the space of a no-comma item is no mark at all.
QString vytisteny_tvar(const polozka_t &p, const QString &tvar)
{
    return je_carkova_polozka(p) && tvar == QLatin1String(" ") ? QString() : tvar;
}

bool je_chyba(const polozka_t &p, const QString &tvar) { return vytisteny_tvar(p, tvar) != vytisteny_tvar(p, p.a); }

// The forms a pupil's correction sheet prints: every item drawn afresh as on the screen;
// when every draw of a sentence fell on a correct form, one item that can be wrong is drawn
// again among its wrong forms, so that every sentence has something to correct.
QStringList tvary_s_chybou(const QList<polozka_t> &polozky, nahoda_t &generator)
{
    QStringList tvary;
    QList<qsizetype> muze_byt_chybna;
    for (qsizetype i = 0; i < polozky.size(); ++i) {
        tvary.append(polozky[i].nahodny_tvar(generator));
        const QStringList &w = polozky[i].alternativy;
        if (std::any_of(w.begin(), w.end(), [&](const QString &t) { return je_chyba(polozky[i], t); }))
            muze_byt_chybna.append(i);
    }
    for (qsizetype i = 0; i < polozky.size(); ++i)
        if (je_chyba(polozky[i], tvary[i]))
            return tvary;
    if (muze_byt_chybna.isEmpty())
        return tvary;
    generator.preseduj_z_hodin();
    const qsizetype i = muze_byt_chybna[generator.index_od_0(int(muze_byt_chybna.size()))];
    QStringList chybne;
    for (const QString &t : polozky[i].alternativy)
        if (je_chyba(polozky[i], t))
            chybne.append(t);
    tvary[i] = chybne[generator.index_od_0(int(chybne.size()))];
    return tvary;
}

} // namespace

pracovni_list_t::pracovni_list_t(tiskarna_t &tiskarna, zadani_listu_t zadani, nahoda_t &generator, QDate datum)
    : tiskarna_(tiskarna), zadani_(std::move(zadani)), generator_(generator), datum_(datum)
{
}

bool pracovni_list_t::je_doplnovacka() const { return zadani_.druh_ulohy == druh_t::doplnovacka; }

double pracovni_list_t::TwMilX(double milimetry) const
{
    return static_cast<float>(tiskarna_.sirka_papiru()) / static_cast<float>(sirka_a4_mm) *
           static_cast<float>(milimetry);
}

double pracovni_list_t::TwMilY(double milimetry) const
{
    return static_cast<float>(tiskarna_.vyska_papiru()) / static_cast<float>(vyska_a4_mm) *
           static_cast<float>(milimetry);
}

bool pracovni_list_t::tiskni_ulohy(int kopii_pro_zaky, const QPageRanges &strany)
{
    strany_ = strany;
    cislo_strany_ = 1;
    const int kopii = std::max(kopii_pro_zaky, 0) + 1;
    for (int c = 1; c <= kopii; ++c) {
        tiskni_kopii(c == 1);
        tiskarna_.nova_strana();
        cislo_strany_ = 1;
    }
    tiskarna_.kresli(true);
    return tiskarna_.konec_dokumentu();
}

void pracovni_list_t::zacni_stranu(const QString &vzor)
{
    tiskarna_.kresli(strany_.isEmpty() || strany_.contains(cislo_strany_));
    Tisk_zahlavi_a_zapati(vzor);
    pismo_vet();
    pero_na_zacatek_vet();
}

void pracovni_list_t::tiskni_kopii(bool ucitel)
{
    const QString vzor = ucitel ? texty_listu::vzor_pre_ucitela : QString();
    zacni_stranu(vzor);
    const qsizetype pocet = zadani_.vety.size();
    for (qsizetype i = 0; i < pocet; ++i) {
        tiskni_vetu(zadani_.vety.at(i), ucitel);
        // Only between sentences: a long sentence may run below the limit.
        const double h = tiskarna_.vyska_tisku();
        if (tiskarna_.pero_y() > h - h / 5 && i + 1 < pocet) {
            tiskarna_.nova_strana();
            ++cislo_strany_;
            zacni_stranu(vzor);
        }
    }
}

void pracovni_list_t::text_na(double x_mm, double y_mm, const QString &text)
{
    const double x = std::min(TwMilX(x_mm), tiskarna_.sirka_tisku() - tiskarna_.sirka_textu(text));
    tiskarna_.nastav_pero(std::max(x, 0.0), TwMilY(y_mm));
    tiskarna_.tiskni(text, true);
}

void pracovni_list_t::tiskni_zalomene(double x_mm, double y_mm, const QString &text)
{
    const double misto = tiskarna_.sirka_tisku() - TwMilX(x_mm);
    QStringList radky{QString()};
    for (const QString &slovo : text.split(QLatin1Char(' '))) {
        const QString delsi = radky.last().isEmpty() ? slovo : radky.last() + QLatin1Char(' ') + slovo;
        if (radky.last().isEmpty() || tiskarna_.sirka_textu(delsi) <= misto)
            radky.last() = delsi;
        else
            radky.append(slovo);
    }
    tiskarna_.nastav_pero(TwMilX(x_mm), TwMilY(y_mm));
    for (qsizetype i = 0; i < radky.size(); ++i) {
        tiskarna_.nastav_pero(TwMilX(x_mm), tiskarna_.pero_y());
        tiskarna_.tiskni(radky.at(i), i + 1 == radky.size());
    }
}

void pracovni_list_t::tiskni_titul(const QString &titul)
{
    constexpr double nejvetsi = 20, nejmensi = 12;
    const double misto = tiskarna_.sirka_tisku() - TwMilX(4);
    double velikost = nejvetsi;
    tiskarna_.nastav_velikost(velikost);
    while (velikost > nejmensi && tiskarna_.sirka_textu(titul) > misto)
        tiskarna_.nastav_velikost(--velikost);
    tiskni_zalomene(4, 4, titul);
}

void pracovni_list_t::Tisk_zahlavi_a_zapati(const QString &vzor)
{
    tiskarna_.nastav_barvu(namornicka_modra);
    tiskarna_.nastav_pismo(texty_listu::pismo);
    tiskarna_.nastav_tucne(true);
    tiskarna_.nastav_kurzivu(false);
    tiskni_titul(katalog_temat::nazev_pracovni_list(zadani_.rocnik, zadani_.tema) + vzor);
    tiskarna_.nastav_velikost(12);
    text_na(4, 17, katalog_temat::nazev_rocniku(zadani_.rocnik));
    if (vzor.isEmpty())
        text_na(116, 17, texty_listu::meno);
    tiskarna_.nastav_velikost(12);
    tiskarna_.nastav_tucne(true);
    text_na(167, 285, texty_listu::nazov_produktu);

    tiskarna_.nastav_barvu(cerna);
    tiskarna_.nastav_velikost(12);
    tiskarna_.nastav_tucne(false);
    tiskarna_.nastav_kurzivu(true);
    tiskni_zalomene(4, 30, je_doplnovacka() ? texty_listu::zadanie_doplnovacky : texty_listu::zadanie_opravy);
    tiskarna_.nastav_tucne(false);
    tiskarna_.cara(TwMilX(0), TwMilY(25), TwMilX(210), TwMilY(25));
    tiskarna_.cara(TwMilX(0), TwMilY(282), TwMilX(210), TwMilY(282));
    tiskarna_.nastav_velikost(10);
    text_na(4, 285, texty_listu::datum + datum_.toString(QStringLiteral("dd.MM.yyyy")));
    text_na(100, 285, texty_listu::stranka + QString::number(cislo_strany_));
}

void pracovni_list_t::pismo_vet()
{
    tiskarna_.nastav_pismo(texty_listu::pismo);
    tiskarna_.nastav_velikost(14);
    tiskarna_.nastav_kurzivu(false);
}

void pracovni_list_t::pero_na_zacatek_vet() { tiskarna_.nastav_pero(TwMilX(7), TwMilY(47)); }

bool pracovni_list_t::za_hranici_zalomeni(double x) const
{
    const double w = tiskarna_.sirka_tisku();
    return x > w - w / 8;
}

void pracovni_list_t::novy_radek()
{
    // Two line ends: an empty line between text lines leaves room to write.
    tiskarna_.tiskni(QStringLiteral(" "), false);
    tiskarna_.tiskni(QStringLiteral(" "), false);
    tiskarna_.nastav_pero(TwMilX(7), tiskarna_.pero_y());
}

QString pracovni_list_t::mezera_pro(const polozka_t &polozka) const
{
    // As wide as the widest form the item offers, as the screen's gap is, so that its
    // width tells no more than the screen does; and roomy enough for handwriting.
    double nejsirsi = tiskarna_.sirka_textu(polozka.a);
    for (const QString &w : polozka.alternativy)
        nejsirsi = std::max(nejsirsi, tiskarna_.sirka_textu(w));
    const double sirka = std::max(nejuzsi_mezera, 1.5 * nejsirsi);
    const double podtrzitko = tiskarna_.sirka_textu(QStringLiteral("_"));
    const int pocet = podtrzitko > 0 ? int(std::ceil(sirka / podtrzitko - 1e-9)) : 1;
    return QString(std::max(pocet, 1), QLatin1Char('_'));
}

void pracovni_list_t::tiskni_vetu(const QString &radek, bool ucitel)
{
    const QString veta = text_vety(radek);
    QList<polozka_t> polozky;
    for (qsizetype j = 0; j < veta.size(); ++j)
        if (veta[j] == QLatin1Char('<'))
            if (const std::optional<polozka_t> p = precti_polozku(veta, j)) {
                polozky.append(*p);
                j = p->konec;
            }
    const QStringList tvary = je_doplnovacka() || ucitel ? QStringList() : tvary_s_chybou(polozky, generator_);

    // What an item puts on paper on this copy.
    const auto vytisk = [&](qsizetype i) {
        const polozka_t &p = polozky.at(i);
        const QString tvar = tvary.value(i, p.a);
        if (je_carkova_polozka(p))
            return je_doplnovacka() && !ucitel ? QString() : vytisteny_tvar(p, tvar);
        return je_doplnovacka() && !ucitel ? mezera_pro(p) : tvar;
    };
    // The width of the word from j to the next space, measured as it is printed.
    const auto sirka_slova = [&](qsizetype j, qsizetype poradi) {
        double sirka = 0;
        for (; j < veta.size() && veta[j] != QLatin1Char(' '); ++j)
            if (poradi < polozky.size() && polozky.at(poradi).zacatek == j) {
                sirka += tiskarna_.sirka_textu(vytisk(poradi));
                j = polozky.at(poradi++).konec;
            } else if (veta[j] != znak_oddelovac_radku && veta[j] != QLatin1Char('>')) {
                sirka += tiskarna_.sirka_textu(QString(veta[j]));
            }
        return sirka;
    };

    qsizetype poradi = 0;
    for (qsizetype j = 0; j < veta.size(); ++j) {
        const QChar z = veta[j];
        if (z == znak_oddelovac_radku || z == QLatin1Char('>'))
            continue;
        if (z != QLatin1Char('<') || poradi >= polozky.size() || polozky.at(poradi).zacatek != j) {
            tiskarna_.tiskni(QString(z), true);
            // A word that would run off the paper starts a line even before the usual limit.
            if (z == QLatin1Char(' ') && (za_hranici_zalomeni(tiskarna_.pero_x()) ||
                                          tiskarna_.pero_x() + sirka_slova(j + 1, poradi) > tiskarna_.sirka_tisku()))
                novy_radek();
            continue;
        }
        const polozka_t &p = polozky.at(poradi);
        const QString tvar = tvary.value(poradi, p.a);
        ++poradi;
        j = p.konec;
        if (je_carkova_polozka(p)) {
            // Pupils of a fill-in sheet write the commas in themselves.
            if (!(je_doplnovacka() && !ucitel)) {
                tiskarna_.tiskni(vytisteny_tvar(p, tvar), true);
                if (za_hranici_zalomeni(tiskarna_.pero_x()))
                    novy_radek();
            }
            continue;
        }
        if (je_doplnovacka()) {
            const QString mezera = mezera_pro(p);
            tiskni_tvar(ucitel ? p.a : mezera, mezera, true, veta, p.zacatek, p.konec);
        } else {
            const bool zalomitelny = tvar != QLatin1String(",") && tvar != QLatin1String(" ");
            tiskni_tvar(tvar, tvar, zalomitelny, veta, p.zacatek, p.konec);
        }
    }
    novy_radek();
}

void pracovni_list_t::tiskni_tvar(const QString &text, const QString &tvar_pro_zalomeni, bool smi_zalomit,
                                  const QString &veta, qsizetype zacatek, qsizetype konec)
{
    // A form glued to letters is part of a word and never starts a line on its own.
    if (smi_zalomit && za_hranici_zalomeni(tiskarna_.pero_x() + tiskarna_.sirka_textu(tvar_pro_zalomeni)) &&
        je_mezera(veta, zacatek - 1) && je_mezera(veta, konec + 1))
        novy_radek();
    tiskarna_.tiskni(text, true);
}
