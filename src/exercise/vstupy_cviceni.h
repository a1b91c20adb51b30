#pragma once

#include "common/druhy.h"
#include "exercise/prvky_cviceni.h"
#include "exercise/seznam_vyberu.h"
#include "exercise/stranka.h"
#include "shell/rodina.h"

#include <QObject>
#include <QStringList>

// The page's input elements of the exercise's kind: gap boxes, sentence boxes, or choice
// labels with their lists, all children of the screen and placed where the page model
// puts them. Enter moves the focus to the next element (from the last to the first); a
// click on a label opens its list under it (above it near the bottom) or closes it, and
// an entry taken closes it; F5 asks for the element's sentence to be played.
class vstupy_cviceni : public QObject
{
    Q_OBJECT
public:
    // The page is read whenever the elements are made or used, so the screen may replace
    // it between pages.
    vstupy_cviceni(QWidget *obrazovka, druh_t druh, const stranka_t &stranka);

    // Makes the page's elements, 1-based as on the page.
    void vytvor();
    // Removes them.
    void odstran();
    // Repaints them over the page just copied onto the screen.
    void prekresli();

    int pocet() const { return pocet_; }
    // Element i: a gap box, a sentence box or a choice label; nullptr when there is none.
    QWidget *prvek(int i) const;
    // The list of choice label i; nullptr when there is none.
    seznam_vyberu *seznam(int i) const { return i >= 1 ? vyber_lst_[i] : nullptr; }
    // The pupil's answers, element by element.
    QStringList odpovedi() const;

    // Sentence k has just been played: its sentence box takes the focus, or the first
    // still empty gap of the sentence (mezera_k_diktatu).
    void fokus_k_vete(int k);
    void zavri_seznamy();
    // After checking: nothing typed or chosen any more, and no element keeps the focus.
    void zamkni();
    // Element i turns red where cervene[i - 1] (gap boxes and choice labels only).
    void zacervenej(const QList<bool> &cervene);
    // A sentence box reaching into the rectangle ends above it and scrolls to its last line.
    void uvolni_misto(const QRect &misto);

signals:
    // F5 in an element: the recording of sentence k of the page.
    void prehraj(int k);
    // The pointer moved over a text box.
    void pohyb();

private:
    void priprav_sablony();
    void priprav_rodiny();
    void enter(int i);
    void klik_na_popisek(int i);
    void vyber_polozku(int i, int radek);

    QWidget *obrazovka_;
    druh_t druh_;
    const stranka_t &stranka_;
    int pocet_ = 0;
    rodina_prvku<box_mezery> dopln_box_;
    rodina_prvku<box_vety> dopln_box_viceradkovy_;
    rodina_prvku<popisek_vyberu> vyber_txt_;
    rodina_prvku<seznam_vyberu> vyber_lst_;
};
