#include "shell/cekej.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>

namespace
{
quint32 posun = 0;
}

quint32 milisekundy()
{
    static QElapsedTimer hodiny = [] {
        QElapsedTimer h;
        h.start();
        return h;
    }();
    return static_cast<quint32>(hodiny.elapsed()) + posun;
}

void posun_milisekundy(quint32 p) { posun = p; }

void cekej(double ms)
{
    if (!(ms > 0))
        return;
    // The unsigned difference of two readings never exceeds the counter's range.
    const double limit = std::min(ms, double(UINT_MAX));
    const quint32 zacatek = milisekundy();
    for (;;) {
        const quint32 uplynulo = milisekundy() - zacatek;
        if (uplynulo >= limit)
            return;
        const double zbyva = std::ceil(limit - uplynulo);
        QEventLoop smycka;
        QTimer budik;
        budik.setSingleShot(true);
        budik.setTimerType(Qt::PreciseTimer);
        bool dobehl = false;
        QObject::connect(&budik, &QTimer::timeout, &smycka, [&] {
            dobehl = true;
            smycka.quit();
        });
        budik.start(static_cast<int>(std::min(zbyva, double(INT_MAX))));
        smycka.exec();
        // The application is closing: the wait must not hold it.
        if (!dobehl)
            return;
    }
}

bool strazce_t::obsluz_udalosti() const
{
    QCoreApplication::processEvents();
    return zije();
}

bool strazce_t::cekej(double ms) const
{
    ::cekej(ms);
    return zije();
}
