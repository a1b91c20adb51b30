#pragma once

#include "exercise/stranka.h"

#include <QHash>
#include <QImage>

// Loaded bitmaps by their relative media name ("GRAFIKA/3LINE_W.BMP").
using obrazky_t = QHash<QString, QImage>;

// Carries out the drawing steps on the image, in order. A bitmap missing from `obrazky`
// is left out (the screen loads every bitmap up front and reports a missing one itself).
void vykresli_kresby(QImage &obraz, const QList<kresba_t> &kresby, const obrazky_t &obrazky);

// The page buffer `bublina`: the picture the page is built on (the screen's picture, or
// its freshly loaded background) with the page drawn over it.
QImage vykresli_stranku(const stranka_t &stranka, const QImage &podklad, const obrazky_t &obrazky);
