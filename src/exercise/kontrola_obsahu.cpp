#include "exercise/kontrola_obsahu.h"

#include "common/geometrie.h"
#include "common/nahoda.h"
#include "data/znacky.h"
#include "exercise/normalizace.h"
#include "exercise/rozvrzeni.h"
#include "exercise/viceradkovy_box.h"

namespace
{

constexpr int nejvic_radku = 3;
// The result marks stand right of the text limit; nothing of a sentence may reach past it.
constexpr int sloupec_znacek = geometrie::cviceni::prava_mez;
// Beyond this many combinations of planted forms only the widest forms are tried.
constexpr int nejvic_kombinaci = 256;

const sirka_textu_t &sirka()
{
    static const sirka_textu_t s = sirka_v_pismu_stranky();
    return s;
}

// The page of a one-sentence exercise of the kind.
stranka_t rozvrzeni_vety(const QString &radek, druh_t druh, nahoda_t &generator)
{
    stav_cviceni_t stav;
    stav.druh = druh;
    stav.losovani.radky_sekce = {radek};
    stav.losovani.vybrane_radky = {0};
    stav.losovani.pocet_uloh = 1;
    return zobraz_vybrane_radky(stav, sirka(), generator);
}

// The most lines a correction box can need, over the forms that may be planted.
int nejvic_radku_opravy(const QString &radek)
{
    const QList<cast_vety_t> casti = rozloz_vetu(text_vety(radek));
    const int body = velikost_pisma_vety(sirka()(vypis_vety(radek).spravna_veta, 12));
    QList<QStringList> tvary;
    long long kombinaci = 1;
    for (const cast_vety_t &c : casti) {
        if (c.druh != cast_vety_t::druh_t::polozka)
            continue;
        tvary.append(c.polozka.tvary());
        kombinaci = std::min<long long>(kombinaci * tvary.last().size(), nejvic_kombinaci + 1);
    }
    if (kombinaci > nejvic_kombinaci) {
        for (QStringList &t : tvary) {
            const auto nejsirsi = std::max_element(t.begin(), t.end(), [body](const QString &a, const QString &b) {
                return sirka()(a, body) < sirka()(b, body);
            });
            t = QStringList{*nejsirsi};
        }
        kombinaci = 1;
        for (const QStringList &t : tvary)
            kombinaci *= t.size();
    }
    int nejvic = 1;
    for (long long n = 0; n < kombinaci; ++n) {
        QString text;
        long long zbytek = n;
        qsizetype polozka = 0;
        for (const cast_vety_t &c : casti) {
            if (c.druh == cast_vety_t::druh_t::znak) {
                text += c.znak;
            } else if (c.druh == cast_vety_t::druh_t::polozka) {
                const QStringList &t = tvary[polozka++];
                text += t[zbytek % t.size()];
                zbytek /= t.size();
            }
        }
        nejvic = std::max(nejvic, pocet_radku_v_textboxu(text, body));
    }
    return nejvic;
}

// The right edge of what the page draws for its sentences: the text as drawn (a space
// ending a line is not seen) and every input element, as wide as it is made.
int prava_hrana(const stranka_t &stranka)
{
    int hrana = 0;
    const auto rozsir = [&hrana](const QRect &r) { hrana = std::max(hrana, r.x() + r.width()); };
    for (const kresba_t &k : stranka.kresby) {
        if (k.druh != kresba_t::druh_t::text)
            continue;
        QString text = k.text;
        while (text.endsWith(u' '))
            text.chop(1);
        rozsir(QRect(k.poloha, QSize(sirka()(text, k.body), 1)));
    }
    for (const vyber_txt_t &e : stranka.vyber_txt)
        rozsir(e.obdelnik);
    for (const dopln_box_t &e : stranka.dopln_box)
        rozsir(e.obdelnik);
    for (const dopln_box_viceradkovy_t &e : stranka.dopln_box_viceradkovy)
        rozsir(e.obdelnik);
    return hrana;
}

// A typed sentence is always normalised, so an expected sentence outside the house style
// could never be matched in a dictation or a correction.
void zkontroluj_styl_vety(const QString &radek, QStringList &duvody)
{
    const vypsane_vety_t v = vypis_vety(radek);
    for (const QString &veta : {v.spravna_veta, v.spravna_veta_2}) {
        const QString ocekavana = sluc_mezery(veta);
        if (!veta.isEmpty() && normalizuj_odpoved(ocekavana) != ocekavana)
            duvody.append(QStringLiteral("the correct sentence \"%1\" is not in the house style of typed answers and "
                                         "could never be answered right in a dictation; write it as \"%2\"")
                              .arg(ocekavana, normalizuj_odpoved(ocekavana)));
    }
}

} // namespace

QStringList duvody_odmitnuti_vety(const QString &radek)
{
    QStringList duvody;
    nahoda_t generator;
    generator.zafixuj(1);
    for (const druh_t druh : vsechny_druhy) {
        const stranka_t stranka = rozvrzeni_vety(radek, druh, generator);
        if (stranka.vety.isEmpty())
            continue;
        int radku = stranka.vety.first().check_mark.pocet_radku;
        if (druh == druh_t::oprava)
            radku = std::max(radku, nejvic_radku_opravy(radek));
        if (radku > nejvic_radku)
            duvody.append(QStringLiteral("the sentence needs %1 lines on the exercise page as %2 (at most %3 fit)")
                              .arg(radku)
                              .arg(klicove_slovo(druh))
                              .arg(nejvic_radku));
        if (const int hrana = prava_hrana(stranka); hrana > sloupec_znacek)
            duvody.append(QStringLiteral("the sentence reaches x %1 on the exercise page as %2, into the result "
                                         "marks' column (text and boxes must end by x %3): reword it")
                              .arg(hrana)
                              .arg(klicove_slovo(druh))
                              .arg(sloupec_znacek));
        if ((druh == druh_t::vyberovka || druh == druh_t::doplnovacka) && stranka.pocet_prvku() == 0)
            duvody.append(
                QStringLiteral("the sentence gets no input element as %1: it needs an item").arg(klicove_slovo(druh)));
    }
    zkontroluj_styl_vety(radek, duvody);
    return duvody;
}

QStringList duvody_odmitnuti_vyjimky(const QString &text)
{
    const QString styl = normalizuj_odpoved(text);
    if (styl == text)
        return {};
    return {QStringLiteral("the exception is not in the house style of typed answers and can never match; "
                           "write it as \"%1\"")
                .arg(styl)};
}
