#pragma once

#include <QImage>
#include <QRect>

// The set-up screen: its background per topic, and the pieces drawn over it when a count,
// a kind or the help switch is chosen, each cut from the same drawing so that it fits.
namespace scena_nastaveni
{

struct stav_t {
    int rocnik = 0, tema = 0; // the topic in the header; 0: none (the pieces do not show it)
    bool souvisly = false;    // whole-text topic: explain what the count means for it
    int pocet = -1;           // count area 0..5 chosen, −1: none
    int druh = -1;            // kind area 6..9 chosen, −1: none
    bool napoveda = false;    // help on start ticked
    bool hover_zpet = false;  // back button in its hover look
    bool misto_ukazky = true; // the empty frame where a sample will be drawn
};
QImage kresli(const stav_t &stav);

// Pictures and faces (area numbers as the screen's hit areas).
QRect obrazek_cisla(int plocha); // count areas 0..3: NAD_*
QRect obrazek_druhu(int plocha); // kind areas 6..9: TU_*
QRect obrazek_sipky_poctu();
QRect obrazek_sipky_druhu();
QRect obrazek_napovedy();
QRect obrazek_zpet();
QRect tvar_plochy(int plocha);

} // namespace scena_nastaveni
