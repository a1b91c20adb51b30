#pragma once

#include <QImage>

// The pictures laid onto the exercise page: the sentence box and the covers that shorten
// it to one or two lines, the result marks, the bubbles with the right answer, the play
// counters and the two sliding button faces.
namespace veta_box
{

// A box of 1..3 text lines drawn at the top of a page-coloured canvas of the full box size.
QImage box(int radku);
QImage kryt_levy(int radku);   // 1: COV_L_W, 2: COV1_L_W
QImage kryt_pravy(int radku);  // 1: COV_R_V, 2: COV1_R_V; key colour where it must not paint
QImage kryt_spodni(int radku); // 1: COV2_B, 2: COV1_B
QImage znacka(bool spravne);   // CHECK_OK, CHECK_KO
QImage bublina(int radku);     // HINT1..3
QImage pocitadlo(int zbyva);   // REP_0..3
QImage pokracuj();             // POKRACUJ
QImage tiskni();               // TISKNI

// Where the box art draws the speaker glyph for a box of n lines: the speaker label's top
// relative to the box (12 corrected by −9, −2, +8).
int horni_okraj_repro(int radku);

} // namespace veta_box
