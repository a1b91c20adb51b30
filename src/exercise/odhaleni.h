#pragma once

#include <QImage>
#include <QPoint>

// The continue button rises into view after a page is checked, one pixel row per frame:
// the frame for c rows is the screen under the button with the top c rows of the face
// standing on the button's bottom edge, the face's top-left colour letting the screen
// show through.
QImage snimek_odhaleni(const QImage &obraz, QPoint kde, const QImage &lice, int radku);

// The pause between two frames.
inline constexpr int prodleva_odhaleni_ms = 25;
