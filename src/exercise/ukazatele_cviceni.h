#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

// The exercise screen's own mouse pointers: 32 × 32 monochrome pictures (black, white and
// see-through) with their hot spots.
struct obraz_ukazatele_t {
    QImage obrazek; // 32 × 32, ARGB32: opaque black, opaque white, or fully transparent
    QPoint horky_bod;
};

// The page: an arrow whose tip is the hot spot (15, 10).
obraz_ukazatele_t obraz_ukazatele_stranky();
// Everything that can be clicked (buttons, speakers, marks, choice labels and lists,
// text boxes, continue): a pointing hand, the fingertip at (15, 6).
obraz_ukazatele_t obraz_ukazatele_prvku();
// The help area: a question mark in a circle, hot spot in its middle.
obraz_ukazatele_t obraz_ukazatele_napovedy();

QCursor ukazatel(const obraz_ukazatele_t &obraz);
QCursor ukazatel_stranky();
QCursor ukazatel_prvku();
QCursor ukazatel_napovedy();
