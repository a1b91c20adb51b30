#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

// The frames of a sliding button. A button rises into view from its own bottom edge one
// pixel row per frame and sinks out of it the same way: the frame for c rows is the
// screen under the button with the top c rows of the face standing on the button's
// bottom edge, the face's top-left colour letting the screen show through.

// The frame for c rows of the face (W × H) over the screen's persistent image at kde.
QImage snimek_posunu(const QImage &obraz, QPoint kde, const QImage &lice, int c);

// The row counts of the frames in order: 1, 2, …, H out, H, H − 1, …, 1 in.
QList<int> poradi_snimku(int vyska, bool ven);

// The pause between two frames.
constexpr int prodleva_snimku_ms = 25;
