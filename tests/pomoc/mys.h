#pragma once

#include <QPoint>

class QWidget;
class hostitel;

// The pupil's mouse in tests. Positions are pixels of the 640 × 480 stage.
//
// On a screen: the event goes to the element under the point, as the window system
// would send it, and from a disabled or mouse-blind element on to the screen beneath.
namespace mys {
void najed(QWidget *obrazovka, QPoint kde);
void stiskni(QWidget *obrazovka, QPoint kde);
void uvolni(QWidget *obrazovka, QPoint kde);
void klikni(QWidget *obrazovka, QPoint kde);
// The element under the point (the screen itself when none).
QWidget *pod(QWidget *obrazovka, QPoint kde);

// Through the host window: the point is mapped from the stage through the view's scale.
QPoint v_okne(const hostitel &okno, QPoint kde);
void najed(hostitel &okno, QPoint kde);
void klikni(hostitel &okno, QPoint kde);
} // namespace mys
