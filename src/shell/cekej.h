#pragma once

#include <QObject>
#include <QPointer>
#include <QtGlobal>

// Waits ms milliseconds while the program's events are handled: a click during the wait
// runs its handler before the wait returns, and other handlers may run re-entrantly.
// The processor idles meanwhile. Zero, negative and NaN waits return at once without
// handling anything. The time is taken from a 32-bit millisecond counter, so a wait ends
// on time even when the counter wraps in the middle of it.
void cekej(double ms);

// The 32-bit millisecond counter the waits measure with: a monotonic clock, wrapping
// every 49.7 days.
quint32 milisekundy();
// Shifts the counter (tests: a wait across the wrap); 0 gives the plain counter back.
void posun_milisekundy(quint32 posun);

// Events handled inside a handler (a wait, a repaint) may run a click that closes the
// screen, and the host deletes it then. A handler that lets events run holds a guard and
// touches its screen again only while the guard says it lives.
class strazce_t
{
public:
    explicit strazce_t(QObject *kdo) : kdo_(kdo) {}
    bool zije() const { return !kdo_.isNull(); }
    // Handles the pending events.
    bool obsluz_udalosti() const;
    bool cekej(double ms) const;

private:
    QPointer<QObject> kdo_;
};
