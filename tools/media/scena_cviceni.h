#pragma once

#include <QImage>
#include <QRect>

// The exercise screen's background BG with its four top-bar buttons, and the results
// screen's background TABS/BCKG with its back button. Both share the top bar, so the
// title tab and the back button's pictures fit either.
namespace scena_cviceni
{

// hover: button 0..3 drawn in its hover look, −1: none.
QImage kresli(int hover = -1);
QImage tabulka(bool hover_zpet = false);

// Where button i's hover picture lies, and its face. The back button's face is where
// both screens' hit areas overlap.
QRect obrazek_tlacitka(int i);
QRect tvar_tlacitka(int i);
QRect obrazek_zpet_tabulky();

} // namespace scena_cviceni
