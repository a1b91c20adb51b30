#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

// The real pointer and keyboard of an X display (xdotool) and photographs of its whole
// screen (ImageMagick's import), for journeys on a private X server (vlastni_x): the
// tools reach the display that DISPLAY names.
namespace ovladani_x
{

// What is missing for driving the display; empty when everything is there.
QString chybi_nastroje();
// Runs xdotool with the arguments; true when it succeeded within the time.
bool xdotool(const QStringList &argumenty, int ms = 10000);

// Points are pixels of the screen.
bool najed(QPoint kde);
bool klikni(QPoint kde);
bool stiskni(QPoint kde);
bool uvolni(QPoint kde);
// Typed into the window with the keyboard focus; ASCII only (a bare X server has no
// keys for Slovak letters).
bool pis(const QString &text);
// One key or chord by its X name: "Return", "F5", "ctrl+a", "Tab".
bool klavesa(const QString &nazev);
// The whole screen; null when it cannot be taken.
QImage snimek();

} // namespace ovladani_x

// The 640 × 480 stage as the full-screen host window shows it on a screen: scaled
// uniformly and centred, with bars where the aspect differs.
class jeviste_na_obrazovce
{
public:
    explicit jeviste_na_obrazovce(QSize obrazovka);

    // The screen pixel that shows the stage pixel.
    QPoint bod(QPoint na_jevisti) const;

    // Share (0..1) of the picture's pixels placed at `kde` on the stage that the
    // screenshot shows in their colour (within a small tolerance: the scaling blends
    // edges). Pure magenta, the key colour, is left out. `vyrez` limits the comparison to
    // that part of the picture.
    double shoda(const QImage &snimek, const QImage &obrazek, QPoint kde, QRect vyrez = {}) const;
    // Screen pixels within the stage rectangle whose colour passes the test.
    int pocet_pixelu(const QImage &snimek, const QRect &na_jevisti, const std::function<bool(QRgb)> &test) const;

private:
    qreal meritko_;
    QPointF pocatek_;
};

// Text in the table's red (255, 0, 0), blended at its edges.
inline bool je_cervena(QRgb barva) { return qRed(barva) > 180 && qGreen(barva) < 90 && qBlue(barva) < 90; }
