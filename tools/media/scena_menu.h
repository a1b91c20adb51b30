#pragma once

#include <QImage>
#include <QRect>

// The main menu: its background, the grade and exit buttons in both looks, the topic
// buttons of every grade in both looks, and the title and credits pictures.
namespace scena_menu
{

struct stav_t {
    int hover = -1;     // hit area 0..5 drawn in its hover look
    int rocnik = 0;     // grade index 1..5 whose topic buttons are laid out, 0: none
    int tema_hover = 0; // topic 1..9 of that grade in its hover look
};
QImage kresli(const stav_t &stav);

// Where grade index g (0..4) has its picture, and the clickable face inside it.
QRect obrazek_rocniku(int g);
QRect obrazek_konce();
QRect tvar_plochy(int plocha);

QImage titulek();
QImage autori();

} // namespace scena_menu
