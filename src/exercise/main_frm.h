#pragma once

#include "data/vyjimky.h"
#include "exercise/kresleni_stranky.h"
#include "exercise/prehravac_vet.h"
#include "exercise/prvky_cviceni.h"
#include "exercise/rozvrzeni.h"
#include "exercise/stranka.h"
#include "exercise/vstupy_cviceni.h"
#include "shell/obrazovka.h"
#include "shell/plocha.h"
#include "shell/rodina.h"

#include <QImage>
#include <QLabel>
#include <QString>

class QTimer;

// The exercise screen. It opens for the grade, topic, kind and number of sentences that
// the set-up screen chose, draws the sentences and lays out the first page; the pupil
// answers by choosing, typing or correcting, plays each sentence, checks the page, opens
// the correct text of a wrong sentence in a bubble, pages on, and after the last page
// the screen hands over to the results screen through the session (answer counts,
// finished flag).
//
// The top bar's hit areas 0..3: check, new sentences for this page, score table (the
// screen is hidden and kept), back to the set-up screen (the screen is unloaded). The
// title tab at the top left shows the exercise's help picture; a click on it closes it.
//
// Each page is composed off screen in the page buffer and copied onto the screen in one
// piece by the activation step (or at once when the screen is already shown).
class main_frm : public obrazovka
{
    Q_OBJECT
public:
    explicit main_frm(spolecny_stav_t &sezeni, QWidget *rodic = nullptr);
    ~main_frm() override;

    // Paints the page buffer when a page waits in it, then repaints the input elements.
    void aktivace() override;
    // Puts the screen under a highlighted button back; every button plain.
    void smaz_aktivni() override;

    // ---- state ----
    // The busy flag (casovac_animace): the continue button is sliding in.
    bool zaneprazdnena() const;
    bool kresli_stranku() const { return kresli_stranku_; }
    const stav_cviceni_t &stav() const { return stav_; }
    const stranka_t &stranka() const { return stranka_; }
    // The page buffer: a page waiting to be painted (null once it is on the screen).
    const QImage &buffer_stranky() const { return buffer_stranky_; }
    QString cislo_ulohy() const { return cislo_ulohy_; }

    // The page's input elements and its speakers.
    vstupy_cviceni &vstupy() const { return *vstupy_; }
    prehravac_vet &prehravac() const { return *prehravac_; }

    // ---- elements, 1-based as on the page; nullptr when there is none ----
    aktivni_plocha *klik_plocha(int i) const;
    // The help picture over the page, when shown.
    obrazkova_plocha *zdroj() const { return zdroj_; }
    obrazkova_plocha *check_mark(int k) const { return k >= 1 ? check_mark_[k] : nullptr; }
    obrazkova_plocha *pokracuj_cmd() const { return pokracuj_cmd_; }
    // The bubble and its label.
    obrazkova_plocha *bublina() const { return bublina_; }
    popisek_bubliny *spravny_vysledek_lbl() const { return spravny_vysledek_lbl_; }

protected:
    void pohyb_po_pozadi(Qt::MouseButtons tlacitka, QPoint kde) override;
    void mousePressEvent(QMouseEvent *udalost) override;
    void mouseReleaseEvent(QMouseEvent *udalost) override;

private:
    // Repaints the page's input elements over the page just copied onto the screen.
    void refreshni_controly();
    // Removes the page's input elements, speakers, counters and result marks.
    void odstran_prvky_stranky();
    // The continue button rises into view, a row per 25 ms, while the screen is busy.
    void odhal_pokracuj();

    // ---- loading and pages (main_frm.cpp) ----
    void nacti_obrazky();
    void priprav_plochy();
    void priprav_prvky();
    bool nacti_doplnovacku();
    void zobraz_vybrane_radky(const QImage &podklad);
    void vytvor_prvky_stranky();
    void ukaz_buffer_stranky();
    void ukaz_napovedu();
    void klik_na_help();
    void klik_na_zdroj();

    // ---- the top bar and paging (main_frm_tok.cpp) ----
    void najeti_na_tlacitko(int i);
    void klik_na_tlacitko(int i);
    void zkontroluj();
    void nove_vety();
    void tabulka();
    void zpet();
    void pokracuj_cmd_Click();

    // ---- the result marks' bubble (main_frm_bublina.cpp) ----
    void stisk_znacky(int k, Qt::MouseButton tlacitko);
    void uvolneni_znacky(Qt::MouseButton tlacitko);
    void skryj_bublinu();

    // Screen state.
    stav_cviceni_t stav_;
    stranka_t stranka_;
    vyjimky_t vyjimky_;
    QString cislo_ulohy_;
    bool kresli_stranku_ = false;
    obrazky_t obrazky_;
    QImage buffer_stranky_;
    QString napoveda_;

    // Elements.
    obrazkova_plocha *zdroj_ = nullptr;
    aktivni_plocha *help_ = nullptr;
    obrazkova_plocha *pokracuj_cmd_ = nullptr;
    obrazkova_plocha *bublina_ = nullptr;
    popisek_bubliny *spravny_vysledek_lbl_ = nullptr;
    QTimer *casovac_animace_ = nullptr;
    vstupy_cviceni *vstupy_ = nullptr;
    prehravac_vet *prehravac_ = nullptr;
    rodina_prvku<obrazkova_plocha> check_mark_;
};
