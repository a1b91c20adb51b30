#include "setup/tisk_list.h"

#include "common/druhy.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "data/znacky.h"
#include "setup/tisk_tiskarna.h"

#include <algorithm>
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

} // namespace

pracovni_list_t::pracovni_list_t(tiskarna_t &tiskarna, zadani_listu_t zadani, nahoda_t &generator, QDate datum)
    : tiskarna_(tiskarna), zadani_(std::move(zadani)), generator_(generator), datum_(datum)
{
}

bool pracovni_list_t::je_doplnovacka() const { return zadani_.druh_ulohy == klicove_slovo(druh_t::doplnovacka); }

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

bool pracovni_list_t::tiskni_ulohy(int kopii_pro_zaky)
{
    cislo_strany_ = 1;
    const int kopii = std::max(kopii_pro_zaky, 0) + 1;
    for (int c = 1; c <= kopii; ++c) {
        tiskni_kopii(c == 1);
        tiskarna_.nova_strana();
        cislo_strany_ = 1;
    }
    return tiskarna_.konec_dokumentu();
}

void pracovni_list_t::tiskni_kopii(bool ucitel)
{
    const QString vzor = ucitel ? texty_listu::vzor_pre_ucitela : QString();
    Tisk_zahlavi_a_zapati(vzor);
    pismo_vet();
    pero_na_zacatek_vet();
    const qsizetype pocet = zadani_.vety.size();
    for (qsizetype i = 0; i < pocet; ++i) {
        tiskni_vetu(zadani_.vety.at(i), ucitel);
        // Only between sentences: a long sentence may run below the limit.
        const double h = tiskarna_.vyska_tisku();
        if (tiskarna_.pero_y() > h - h / 5 && i + 1 < pocet) {
            tiskarna_.nova_strana();
            ++cislo_strany_;
            Tisk_zahlavi_a_zapati(vzor);
            pismo_vet();
            pero_na_zacatek_vet();
        }
    }
}

void pracovni_list_t::Tisk_zahlavi_a_zapati(const QString &vzor)
{
    const auto text_na = [this](double x, double y, const QString &text) {
        tiskarna_.nastav_pero(TwMilX(x), TwMilY(y));
        tiskarna_.tiskni(text, true);
    };
    tiskarna_.nastav_barvu(namornicka_modra);
    tiskarna_.nastav_pismo(texty_listu::pismo);
    tiskarna_.nastav_velikost(20);
    tiskarna_.nastav_tucne(true);
    tiskarna_.nastav_kurzivu(false);
    text_na(4, 4, katalog_temat::nazev_pracovni_list(zadani_.rocnik, zadani_.tema) + vzor);
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
    text_na(4, 30, je_doplnovacka() ? texty_listu::zadanie_doplnovacky : texty_listu::zadanie_opravy);
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

void pracovni_list_t::tiskni_vetu(const QString &radek, bool ucitel)
{
    const QString veta = text_vety(radek);
    for (qsizetype j = 0; j < veta.size(); ++j) {
        const QChar z = veta[j];
        if (z == znak_oddelovac_radku || z == QLatin1Char('>'))
            continue;
        const std::optional<polozka_t> polozka =
            z == QLatin1Char('<') ? precti_polozku(veta, j) : std::optional<polozka_t>();
        if (!polozka) {
            tiskarna_.tiskni(QString(z), true);
            if (z == QLatin1Char(' ') && za_hranici_zalomeni(tiskarna_.pero_x()))
                novy_radek();
            continue;
        }
        const polozka_t &p = *polozka;
        j = p.konec;
        if (je_carkova_polozka(p)) {
            // Only the model of a fill-in sheet shows the commas; pupils write them in.
            if (je_doplnovacka() && ucitel) {
                if (p.je_carka())
                    tiskarna_.tiskni(QStringLiteral(","), true);
                if (za_hranici_zalomeni(tiskarna_.pero_x()))
                    novy_radek();
            }
            continue;
        }
        if (je_doplnovacka()) {
            const QString mezera(p.a.size(), QLatin1Char('_'));
            tiskni_tvar(ucitel ? p.a : mezera, mezera, true, veta, p.zacatek, p.konec);
        } else {
            // Every copy draws afresh, so no two pupils get the same errors.
            const QString tvar = p.nahodny_tvar(generator_);
            const bool zalomitelny = tvar != QLatin1String(",") && tvar != QLatin1String(" ");
            tiskni_tvar(ucitel ? p.a : tvar, tvar, zalomitelny, veta, p.zacatek, p.konec);
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
