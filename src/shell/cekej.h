#pragma once

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
