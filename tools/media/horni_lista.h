#pragma once

#include "common/druhy.h"

#include <QImage>
#include <QRect>

class QPainter;

// The blue bar at the top of the exercise and results screens, its buttons and the title
// tab that both screens lay over its left end.
namespace horni_lista
{

constexpr int vyska = 85;

void pozadi(QPainter &p);
enum class ikona_t { kontrola, nove_vety, tabulka, zpet };
void tlacitko(QPainter &p, const QRect &tvar, ikona_t ikona, const QString &popis, bool hover);
// TABS/L_gt_xx: grade, topic and kind on a white tab.
QImage zalozka(int rocnik, int tema, druh_t druh);

} // namespace horni_lista
