#pragma once

#include <QImage>

// Drawing a picture with one colour treated as transparent. The key colour is a 24-bit
// RGB value (alpha is ignored on both sides of the comparison); callers usually take it
// from a corner pixel of the picture. Every area is clipped to the images involved:
// pixels outside an image are neither read nor written. An empty area draws nothing and
// succeeds; a null image or a negative size fails and changes nothing.
//
// Positions and sizes are logical (stage pixels). A picture of a high-resolution set
// carries its device pixel ratio: the work is done on its own pixels, and a picture of
// another ratio is first brought to dest's by repeating or dropping whole pixels, so that
// the key colour stays exact.

// The picture's size in stage pixels.
QSize logicka_velikost(const QImage &obrazek);
// An opaque picture of the stage size at the ratio, filled with the colour.
QImage obraz_v_pomeru(QSize velikost, qreal pomer, const QColor &barva);
// The pixel under the stage point (x, y) of the picture.
QRgb pixel_v_bode(const QImage &obrazek, QPoint kde);
// The stage rectangle of the picture, at the picture's own ratio.
QImage vyrez_obrazu(const QImage &obrazek, const QRect &kde);
// The picture at the device pixel ratio (1, 2, 3): itself when it has it already.
QImage v_meritku(const QImage &obrazek, int pomer);

// A mask of the w × h area at (0, 0) of src: 1 where src has the key colour, 0 elsewhere.
// A null mask becomes a monochrome image of w × h; a monochrome mask gets the bits in
// its own (0, 0, w, h); a colour mask gets white for 1 and black for 0.
bool vytvor_masku(const QImage &src, int w, int h, QImage &maska, QRgb klic);

// dest's (0, 0, w, h) receives back's (0, 0, w, h) with the picture src drawn over it:
// the key-coloured pixels of src let back show through. back and dest may be the same
// image. The rest of dest stays as it was.
bool kresli_pruhledne(const QImage &src, int w, int h, QRgb klic, const QImage &back, QImage &dest);

// Draws the w × h area of src at (sx, sy) onto dest at (x, y); the key-coloured pixels of
// src leave dest unchanged, and nothing outside the w × h area at (x, y) changes. src and
// dest may be the same image.
bool kresli_pres_buffer(QImage &dest, int x, int y, int w, int h, const QImage &src, int sx, int sy, QRgb klic);
