// The exercise screen's top bar, checking and paging.
#include "common/geometrie.h"
#include "common/stav.h"
#include "exercise/kontrola.h"
#include "exercise/main_frm.h"
#include "exercise/obrazky_cviceni.h"
#include "exercise/odhaleni.h"
#include "shell/cekej.h"
#include "shell/hostitel.h"
#include "shell/kresleni.h"
#include "shell/ukazatel.h"
#include "shell/zvuk.h"

#include <QMouseEvent>
#include <QTimer>

namespace g = geometrie::cviceni;

namespace
{
// The top bar's hit areas.
enum tlacitko_t { tl_kontrola = 0, tl_nove_vety = 1, tl_tabulka = 2, tl_zpet = 3 };
} // namespace

// ---- highlighting ----

void main_frm::najeti_na_tlacitko(int i)
{
    aktivni_plocha *p = plocha(i);
    if (p->zvyraznena())
        return;
    zvuk_najeti();
    if (zaneprazdnena())
        return;
    smaz_aktivni();
    zvyrazni_plochu(i, obrazky_.value(obrazky_cviceni::zvyrazneni[i]), g::tlacitka_hover[i]);
}

void main_frm::smaz_aktivni()
{
    if (nektera_plocha_zvyraznena()) {
        obnov_zalohu();
        vymaz_zalohu();
    }
    zrus_zvyrazneni_ploch();
}

void main_frm::pohyb_po_pozadi(Qt::MouseButtons, QPoint)
{
    smaz_aktivni();
    prehravac_->vypni_dohrane();
}

// A click on the bare page closes the choice lists.
void main_frm::mousePressEvent(QMouseEvent *udalost) { udalost->accept(); }

void main_frm::mouseReleaseEvent(QMouseEvent *udalost)
{
    udalost->accept();
    if (udalost->button() == Qt::LeftButton && rect().contains(udalost->position().toPoint()) &&
        stav_.druh == druh_t::vyberovka)
        vstupy_->zavri_seznamy();
}

// ---- the four buttons ----

void main_frm::klik_na_tlacitko(int i)
{
    zvukove_zarizeni &zvuk = zvuk_zdroj();
    zvuk.zastav();
    zvuk.zavri();
    zvuk_kliku();
    switch (i) {
    case tl_kontrola: zkontroluj(); break;
    case tl_nove_vety: nove_vety(); break;
    case tl_tabulka: tabulka(); break;
    case tl_zpet: zpet(); break;
    default: break;
    }
}

void main_frm::zkontroluj()
{
    for (int i = 0; i < pocet_ploch(); ++i)
        plocha(i)->setEnabled(false);
    if (stav_.druh == druh_t::vyberovka)
        vstupy_->zavri_seznamy();
    vstupy_->zamkni();

    const vysledek_kontroly_t v = zkontroluj_priklady(stranka_, vstupy_->odpovedi(), vyjimky_, stav_, sezeni());
    vstupy_->zacervenej(v.cerveny);
    for (int k = 1; k <= int(v.spravne.size()); ++k) {
        obrazkova_plocha *znacka = check_mark(k);
        if (!znacka)
            continue;
        const bool spravne = v.spravne[k - 1];
        znacka->nastav_obrazek_s_velikosti(obrazky_.value(spravne ? obrazky_znacek::spravne : obrazky_znacek::spatne));
        // Only a wrong mark opens the bubble with the correct text.
        znacka->setEnabled(!spravne);
        znacka->show();
    }
    // The marks stay in the page's image when the screen is repainted.
    vykresli_kresby(obraz(), v.kresby_znacek, obrazky_);
    obnov_okno(rect());
    prehravac_->zakaz(v.zakazat_pocitadla);
    vstupy_->zamkni();

    const strazce_t ja(this);
    odhal_pokracuj();
    if (!ja.zije())
        return;
    plocha(tl_tabulka)->setEnabled(true);
    plocha(tl_zpet)->setEnabled(true);
}

void main_frm::nove_vety()
{
    stav_.losovani.pocet_zobrazenych -= stav_.pocet_na_strance;
    stav_.losovani.zachovat_vybrane = true;
    odstran_prvky_stranky();
    stav_.dalsi_prvek = 1;
    stav_.poloha_x = g::prvni_veta.x();
    stav_.poloha_y = g::prvni_veta.y();
    if (!nacti_doplnovacku())
        return;
    ukaz_buffer_stranky();
    refreshni_controly();
}

void main_frm::tabulka()
{
    casovac_animace_->stop();
    ukaz_presypaci_hodiny();
    hostitel *okno = hostitel::instance();
    if (!okno || !okno->ukaz(obrazovka_id::frm_tabulka, hostitel::potom_t::skryj))
        obnov_ukazatel();
}

void main_frm::zpet()
{
    casovac_animace_->stop();
    if (hostitel *okno = hostitel::instance())
        okno->ukaz(obrazovka_id::frm_select, hostitel::potom_t::uvolni);
}

// ---- continue ----

void main_frm::odhal_pokracuj()
{
    const QImage lice = obrazky_.value(obrazky_cviceni::pokracuj);
    const int vyska = logicka_velikost(lice).height();
    const QRect misto(g::pokracuj, logicka_velikost(lice));
    pokracuj_cmd_->setGeometry(misto);
    // Above the page's elements, so that it takes clicks over its whole face; a sentence
    // box reaching down into it ends above it and scrolls to its last line.
    pokracuj_cmd_->raise();
    vstupy_->uvolni_misto(misto);
    casovac_animace_->setProperty("snimek", 1);
    casovac_animace_->start();
    const strazce_t ja(this);
    for (int f = 1; f <= vyska; ++f) {
        casovac_animace_->setProperty("snimek", f);
        pokracuj_cmd_->nastav_obrazek(snimek_odhaleni(obraz(), g::pokracuj, lice, f));
        if (pokracuj_cmd_->isHidden())
            pokracuj_cmd_->show();
        if (f == vyska)
            break;
        if (!ja.cekej(prodleva_odhaleni_ms))
            return;
    }
    casovac_animace_->stop();
    pokracuj_cmd_->setEnabled(true);
}

void main_frm::pokracuj_cmd_Click()
{
    if (zaneprazdnena())
        return;
    zvuk_kliku();
    if (sezeni().vsetko_skontrolovane) {
        casovac_animace_->stop();
        // Keeping the result may wait a moment for another pupil's lock.
        ukaz_presypaci_hodiny();
        if (hostitel *okno = hostitel::instance())
            okno->ukaz(obrazovka_id::frm_tabulka, hostitel::potom_t::uvolni);
        return;
    }
    pokracuj_cmd_->hide();
    pokracuj_cmd_->setEnabled(false);
    skryj_bublinu();
    odstran_prvky_stranky();
    stav_.dalsi_prvek = 1;
    stav_.poloha_x = g::prvni_veta.x();
    stav_.poloha_y = g::prvni_veta.y();
    zobraz_vybrane_radky(obraz());
    ukaz_buffer_stranky();
    refreshni_controly();
    plocha(tl_kontrola)->setEnabled(true);
    plocha(tl_nove_vety)->setEnabled(!stav_.losovani.souvisly_text);
}
