#pragma once

#include "results/navsteva.h"
#include "shell/obrazovka.h"
#include "shell/rodina.h"

#include <QImage>
#include <array>

class QLabel;
class aktivni_plocha;

// The results screen: the score table of the exercise's grade, topic and kind. Opening it
// is a visit of the results (mark, log record, table placed and saved); the screen shows
// the pupil's own result above the section's ten rows, the finished exercise's new row in
// red. Its one button (hit
// area 0) leads back to the unfinished exercise, or after a finished one to the set-up
// screen, unloading the exercise screen. Loaded afresh for every visit and unloaded by
// that button.
class frm_tabulka : public obrazovka
{
    Q_OBJECT
public:
    // The five columns of the table, left to right.
    enum class sloupec_t { poradi, jmeno, spravne, spatne, znamka };
    static constexpr int pocet_sloupcu = 5;

    explicit frm_tabulka(spolecny_stav_t &sezeni, QWidget *rodic = nullptr);

    // Normal pointer; pending events run; once per visit, the pupil is told if the result
    // could not be kept.
    void aktivace() override;
    // The back button's normal look and plain mark.
    void smaz_aktivni() override;

    // What this visit decided: mark, log record written, rows shown, what became of the
    // table file.
    const navsteva_vysledku_t &navsteva() const { return navsteva_; }
    int znamka() const { return navsteva_.znamka; }

    // The label of a column in row 0..9.
    QLabel *popisek(sloupec_t sloupec, int radek) const;
    // The pupil's own result above the table.
    QLabel *vysledek_lbl() const { return vysledek_lbl_; }
    aktivni_plocha *klik_plocha() const;

protected:
    void pohyb_po_pozadi(Qt::MouseButtons tlacitka, QPoint kde) override;

private:
    void nakresli_zahlavi();
    void priprav_radky();
    void vykresli_tabulku();
    void ukaz_vlastni_vysledek();
    void najeti_na_zpet();
    void klik_na_zpet();

    navsteva_vysledku_t navsteva_;
    QImage zpet_normalni_;
    QImage zpet_hover_;
    bool hlaseno_ = false;
    QLabel *vysledek_lbl_ = nullptr;
    std::array<rodina_prvku<QLabel>, pocet_sloupcu> sloupce_;
};
