#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QStringList>

class QPainter;

// Drawing primitives shared by every picture: canvases, crops, tiles with a soft shadow
// and shading, text that fits its box, and hard edges for pictures with a key colour.
namespace kresleni
{

// Pictures are drawn in stage pixels; the thread's scale (1, 2 or 3) sets how many
// pixels of the file each of them takes (the image's device pixel ratio).
void nastav_meritko(int meritko);
int meritko();

QImage platno(QSize velikost, const QColor &barva);
// The stage rectangle of the picture, at the picture's scale.
QImage vyrez(const QImage &obrazek, const QRect &oblast);
// The picture's size in stage pixels.
QSize velikost(const QImage &obrazek);
// A painter with antialiasing for shapes and text.
void priprav(QPainter &p);

struct styl_dlazdice {
    QColor vypln;
    QColor okraj; // invalid: no border
    qreal polomer = 10;
    int stin = 3;       // shadow depth in pixels, 0: none
    bool leskla = true; // a lighter top and a highlight line: the soft shading of a button
};
void stin(QPainter &p, const QRectF &r, qreal polomer, int hloubka);
void dlazdice(QPainter &p, const QRectF &r, const styl_dlazdice &styl);

// Words of the text on lines no wider than sirka ("\n" forces a break).
QStringList zalom(const QString &text, const QFont &pismo, qreal sirka);
// The largest pixel size from the font's own down to nejmensi at which the text wraps into
// at most max_radku lines inside the rectangle's width and height.
QFont vejdi_se(const QString &text, QFont pismo, const QSizeF &misto, int max_radku, int nejmensi);
// Draws the wrapped text, its block aligned in r (horizontal and vertical flags); the
// lines are spaced at the font's line height times radkovani. Returns the block's height.
qreal text(QPainter &p, const QRectF &r, const QString &text, const QFont &pismo, const QColor &barva,
           Qt::Alignment zarovnani, qreal radkovani = 1.0);
qreal vyska_textu(const QString &text, const QFont &pismo, qreal sirka, qreal radkovani = 1.0);
qreal sirka_textu(const QString &text, const QFont &pismo);

// Every pixel outside the shape (drawn without antialiasing) becomes the key colour, so
// that a picture drawn with a key shows a clean outline over any background.
void klic_mimo(QImage &obrazek, const QPainterPath &tvar, const QColor &klic);

} // namespace kresleni
