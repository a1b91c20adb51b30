#pragma once

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

// Small line icons in one style (round caps, strokes of about a twelfth of their size),
// each drawn into a square or rectangle in one colour.
namespace ikony
{

void reproduktor(QPainter &p, const QRectF &r, const QColor &barva);
void fajka(QPainter &p, const QRectF &r, const QColor &barva);
void krizik(QPainter &p, const QRectF &r, const QColor &barva);
void obnovit(QPainter &p, const QRectF &r, const QColor &barva);
void pohar(QPainter &p, const QRectF &r, const QColor &barva);
void sipka_zpet(QPainter &p, const QRectF &r, const QColor &barva);
void sipka_vpred(QPainter &p, const QRectF &r, const QColor &barva);
void vypinac(QPainter &p, const QRectF &r, const QColor &barva);
void tiskarna(QPainter &p, const QRectF &r, const QColor &barva);
void kniha(QPainter &p, const QRectF &r, const QColor &barva);
void mys(QPainter &p, const QRectF &r, const QColor &barva);
// A round badge: filled circle with a white glyph ("?", "i", "5", …).
void odznak(QPainter &p, const QRectF &r, const QColor &barva, const QString &znak, const QColor &barva_znaku);
// A keyboard key with its label.
void klavesa(QPainter &p, const QRectF &r, const QString &popis);

} // namespace ikony
