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
// The pointer moved to a pixel of the screen, and clicked there.
bool najed(QPoint kde);
bool klikni(QPoint kde);
// Typed into the window with the keyboard focus; ASCII only (a bare X server has no
// keys for Slovak letters).
bool pis(const QString &text);
// One key or chord by its X name: "Return", "F5", "ctrl+a", "Tab".
bool klavesa(const QString &nazev);
// The whole screen; null when it cannot be taken.
QImage snimek();

} // namespace ovladani_x

using test_snimku_t = std::function<bool(const QImage &)>;

// The 640 × 480 stage as the full-screen host window shows it on a screen: scaled
// uniformly and centred, with bars where the aspect differs. Stage points are mapped to
// the screen here alone.
class jeviste_na_obrazovce
{
public:
    explicit jeviste_na_obrazovce(QSize obrazovka);

    // The screen pixel that shows the stage pixel.
    QPoint bod(QPoint na_jevisti) const;
    // The pointer moved to the stage point, then clicked.
    bool klikni(QPoint na_jevisti) const;

    // Share (0..1) of the picture's pixels placed at `kde` on the stage that the
    // screenshot shows in their colour (within a small tolerance: the scaling blends
    // edges). Pure magenta, the key colour, is left out. `vyrez` limits the comparison to
    // that part of the picture.
    double shoda(const QImage &snimek, const QImage &obrazek, QPoint kde, QRect vyrez = {}) const;
    // Passes when the media picture (a path under the built media) shows at `kde` with
    // at least the share `prah` of its pixels.
    test_snimku_t ukazuje(const QString &obrazek, QPoint kde = {}, double prah = 0.9, QRect vyrez = {}) const;

private:
    qreal meritko_;
    QPointF pocatek_;
};

// Photographs of the screen taken until they pass a test, each step's last one kept as
// <slozka>/NN_<step>.png when a folder is given; events of the test's own application
// run meanwhile.
class fotograf_t
{
public:
    explicit fotograf_t(QString slozka = {});
    // False when no photograph passed within the time.
    bool dockej(const QString &krok, const test_snimku_t &test = {}, int ms = 10000);
    const QImage &posledni() const { return posledni_; }

private:
    QString slozka_;
    int poradi_ = 0;
    QImage posledni_;
};
