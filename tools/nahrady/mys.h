#pragma once

#include <QPoint>

class QWidget;

// The pupil's mouse on a screen in tests. Positions are pixels of the 640 × 480 stage; the
// event goes to the element under the point, as the window system would send it, and from
// a disabled or mouse-blind element on to the screen beneath.
namespace mys
{
void najed(QWidget *obrazovka, QPoint kde);
void stiskni(QWidget *obrazovka, QPoint kde);
void uvolni(QWidget *obrazovka, QPoint kde);
void klikni(QWidget *obrazovka, QPoint kde);
// The element under the point (the screen itself when none).
QWidget *pod(QWidget *obrazovka, QPoint kde);
} // namespace mys
