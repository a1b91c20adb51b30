#include "pomoc/mys.h"

#include "shell/hostitel.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

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
    // The centre of the stage pixel, so that rounding at any scale lands inside it.
    return okno.mapFromScene(QPointF(kde) + QPointF(0.5, 0.5));
}

void najed(hostitel &okno, QPoint kde) { QTest::mouseMove(okno.viewport(), v_okne(okno, kde)); }

void klikni(hostitel &okno, QPoint kde) { QTest::mouseClick(okno.viewport(), Qt::LeftButton, {}, v_okne(okno, kde)); }

} // namespace mys
