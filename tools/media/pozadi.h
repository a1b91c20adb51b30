#pragma once

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QString>

class QPainter;

// Backgrounds shared by the screens.
namespace pozadi
{

// The light sky of every screen, with two large soft circles in the corners.
void nebe(QPainter &p, const QRect &r);
// The deep blue of the title, credits and help headers.
void hluboke(QPainter &p, const QRect &r);
// A letter tile like from a word game, tilted by uhel degrees.
void pismenko(QPainter &p, const QPointF &stred, qreal velikost, qreal uhel, const QString &znak, const QColor &barva,
              int pruhlednost = 255);

} // namespace pozadi
