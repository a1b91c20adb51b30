// The exercise screen's speakers: playing the sentences and counting the plays of a
// whole text.
#include "common/stav.h"
#include "exercise/diktovani.h"
#include "exercise/main_frm.h"

void main_frm::klik_na_repro(int k)
{
    if (k < 1 || k > stranka_.vety.size())
        return;
    repro_t &reproduktor = stranka_.vety[k - 1].repro;
    const bool pocitat = stranka_.souvisly_text && stav_.limit_diktovani != 100;
    const vysledek_diktovani_t v =
        diktuj(soubor_media(soubor_diktatu(cislo_ulohy_, reproduktor.cislo_vety)), reproduktor.zbyva_prehrani, pocitat);
    if (v.co != diktovani_t::prehrano)
        return;
    fokus_k_vete(k);
    if (!pocitat)
        return;
    reproduktor.zbyva_prehrani = v.zbyva;
    QLabel *pocitadlo = pocet_diktovani(k);
    const QString obrazek = obrazky_stranky::opakovani(v.zbyva);
    if (pocitadlo && obrazky_.contains(obrazek))
        vykresli_obrazek(obrazky_.value(obrazek), pocitadlo->pos());
}

void main_frm::fokus_k_vete(int k)
{
    switch (stav_.druh) {
    case druh_t::doplnovacka: {
        QStringList texty;
        for (int j = 1; j <= int(stranka_.dopln_box.size()); ++j)
            texty.append(dopln_box(j) ? dopln_box(j)->text() : QString());
        const auto j = mezera_k_diktatu(stranka_.dopln_box, texty, stranka_.vety[k - 1].repro.cislo_vety);
        if (j && dopln_box(*j))
            dopln_box(*j)->setFocus(Qt::OtherFocusReason);
        break;
    }
    case druh_t::diktat:
    case druh_t::oprava:
        if (box_vety *box = dopln_box_viceradkovy(k))
            box->setFocus(Qt::OtherFocusReason);
        break;
    case druh_t::vyberovka: break;
    }
}

void main_frm::najeti_na_repro(int k)
{
    if (aktivni_plocha *reproduktor = repro(k); reproduktor && vypnout_repro(stranka_.souvisly_text, zbyva_prehrani(k)))
        reproduktor->setEnabled(false);
}

void main_frm::vypni_dohrane_repro()
{
    for (int k = 1; k <= stav_.pocet_na_strance; ++k)
        najeti_na_repro(k);
}
