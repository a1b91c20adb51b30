#include "exercise/kontrola.h"

#include "exercise/normalizace.h"

namespace obrazky_znacek
{
const QString spravne = QStringLiteral("GRAFIKA/CHECK_OK.BMP");
const QString spatne = QStringLiteral("GRAFIKA/CHECK_KO.BMP");
} // namespace obrazky_znacek

bool odpoved_polozky_spravne(const QString &odpoved, const QString &spravna, const QString &druha)
{
    const QString a = bez_krajnich_mezer(odpoved);
    const QString s = bez_krajnich_mezer(druha);
    return a == bez_krajnich_mezer(spravna) || (!s.isEmpty() && a == s);
}

namespace
{

// Gaps and choices: one item per element; a sentence is right when all its elements are.
// Elements are grouped by the sentence they were laid out for, which gives the same marks
// as runs of equal sentence numbers and keeps rows and marks together even for a sentence
// without elements.
void zkontroluj_polozky(const stranka_t &stranka, const QStringList &odpovedi, vysledek_kontroly_t &v)
{
    const int prvku = stranka.pocet_prvku();
    v.cerveny = QList<bool>(prvku, false);
    for (int i = 1; i <= prvku; ++i) {
        const bool vyber = stranka.druh == druh_t::vyberovka;
        const QString &spravna =
            vyber ? stranka.vyber_txt[i - 1].spravna_odpoved : stranka.dopln_box[i - 1].spravna_odpoved;
        const QString &druha = vyber ? stranka.vyber_txt[i - 1].druha_odpoved : stranka.dopln_box[i - 1].druha_odpoved;
        if (odpoved_polozky_spravne(odpovedi.value(i - 1), spravna, druha)) {
            ++v.pocet_spravne;
        } else {
            v.cerveny[i - 1] = true;
            ++v.pocet_spatne;
            const int k = stranka.veta_prvku(i);
            if (k >= 1 && k <= v.spravne.size())
                v.spravne[k - 1] = false;
        }
    }
}

void zkontroluj_vety(stranka_t &stranka, const QStringList &odpovedi, const vyjimky_t &vyjimky, vysledek_kontroly_t &v)
{
    const int radku = std::min(static_cast<int>(stranka.vety.size()), stranka.pocet_prvku());
    for (int i = 1; i <= radku; ++i) {
        dopln_box_viceradkovy_t &box = stranka.dopln_box_viceradkovy[i - 1];
        const QString t = normalizuj_odpoved(odpovedi.value(i - 1));
        box.spravna_odpoved = sluc_mezery(box.spravna_odpoved);
        box.druha_odpoved = sluc_mezery(box.druha_odpoved);
        const bool spravne = t == box.spravna_odpoved || (!box.druha_odpoved.isEmpty() && t == box.druha_odpoved) ||
                             vyjimky.prijme(t, stranka.vety[i - 1].repro.cislo_vety);
        v.spravne[i - 1] = spravne;
        ++(spravne ? v.pocet_spravne : v.pocet_spatne);
    }
}

} // namespace

vysledek_kontroly_t zkontroluj_priklady(stranka_t &stranka, const QStringList &odpovedi, const vyjimky_t &vyjimky,
                                        const stav_cviceni_t &stav, spolecny_stav_t &spolecny)
{
    vysledek_kontroly_t v;
    v.spravne = QList<bool>(stranka.vety.size(), true);
    if (stranka.druh == druh_t::vyberovka || stranka.druh == druh_t::doplnovacka)
        zkontroluj_polozky(stranka, odpovedi, v);
    else
        zkontroluj_vety(stranka, odpovedi, vyjimky, v);

    spolecny.pocet_spravne += v.pocet_spravne;
    spolecny.pocet_spatne += v.pocet_spatne;
    v.vsetko_skontrolovane = stav.losovani.pocet_uloh == stav.losovani.pocet_zobrazenych;
    if (v.vsetko_skontrolovane)
        spolecny.vsetko_skontrolovane = true;

    for (qsizetype k = stranka.vety.size(); k >= 1; --k) {
        kresba_t znacka;
        znacka.druh = kresba_t::druh_t::obrazek;
        znacka.obrazek = v.spravne[k - 1] ? obrazky_znacek::spravne : obrazky_znacek::spatne;
        znacka.poloha = stranka.vety[k - 1].check_mark.poloha;
        v.kresby_znacek.append(znacka);
    }
    v.zakazat_pocitadla = stranka.souvisly_text;
    return v;
}
