#include "pomoc/mys.h"

#include "shell/hostitel.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QtMath>

namespace mys {

QWidget *pod(QWidget *obrazovka, QPoint kde)
{
    QWidget *w = obrazovka->childAt(kde);
    return w ? w : obrazovka;
}

namespace {
template <typename F> void na_prvek(QWidget *obrazovka, QPoint kde, F akce)
{
    QWidget *w = pod(obrazovka, kde);
    akce(w, w->mapFrom(obrazovka, kde));
}
} // namespace

void najed(QWidget *obrazovka, QPoint kde)
{
    na_prvek(obrazovka, kde, [](QWidget *w, QPoint p) {
        // The window system reports no movement to where the pointer already is, but
        // the pupil's hand does move.
        if (QCursor::pos() == w->mapToGlobal(p)) {
            QMouseEvent pohyb(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &pohyb);
            return;
        }
        QTest::mouseMove(w, p);
    });
}

void stiskni(QWidget *obrazovka, QPoint kde)
{
    na_prvek(obrazovka, kde, [](QWidget *w, QPoint p) { QTest::mousePress(w, Qt::LeftButton, {}, p); });
}

void uvolni(QWidget *obrazovka, QPoint kde)
{
    na_prvek(obrazovka, kde, [](QWidget *w, QPoint p) { QTest::mouseRelease(w, Qt::LeftButton, {}, p); });
}

void klikni(QWidget *obrazovka, QPoint kde)
{
    na_prvek(obrazovka, kde, [](QWidget *w, QPoint p) { QTest::mouseClick(w, Qt::LeftButton, {}, p); });
}

QPoint v_okne(const hostitel &okno, QPoint kde)
{
    // A window pixel near the stage pixel's top left corner: the proxy that carries the
    // stage rounds a window position to the nearest stage pixel, so a pixel further right
    // or down may land in the next one.
    const QPointF bod = okno.viewportTransform().map(QPointF(kde) + QPointF(0.25, 0.25));
    return QPoint(qFloor(bod.x()), qFloor(bod.y()));
}

void najed(hostitel &okno, QPoint kde) { QTest::mouseMove(okno.viewport(), v_okne(okno, kde)); }

void klikni(hostitel &okno, QPoint kde) { QTest::mouseClick(okno.viewport(), Qt::LeftButton, {}, v_okne(okno, kde)); }

} // namespace mys
