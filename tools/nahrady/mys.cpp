#include "nahrady/mys.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace mys
{

QWidget *pod(QWidget *obrazovka, QPoint kde)
{
    QWidget *w = obrazovka->childAt(kde);
    return w ? w : obrazovka;
}

void najed(QWidget *obrazovka, QPoint kde)
{
    QWidget *w = pod(obrazovka, kde);
    const QPoint p = w->mapFrom(obrazovka, kde);
    // The window system reports no movement to where the pointer already is, but the
    // pupil's hand does move.
    if (QCursor::pos() != w->mapToGlobal(p))
        return QTest::mouseMove(w, p);
    QMouseEvent pohyb(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &pohyb);
}

void stiskni(QWidget *obrazovka, QPoint kde)
{
    QWidget *w = pod(obrazovka, kde);
    QTest::mousePress(w, Qt::LeftButton, {}, w->mapFrom(obrazovka, kde));
}

void uvolni(QWidget *obrazovka, QPoint kde)
{
    QWidget *w = pod(obrazovka, kde);
    QTest::mouseRelease(w, Qt::LeftButton, {}, w->mapFrom(obrazovka, kde));
}

void klikni(QWidget *obrazovka, QPoint kde)
{
    QWidget *w = pod(obrazovka, kde);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->mapFrom(obrazovka, kde));
}

} // namespace mys
