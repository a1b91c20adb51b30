#include "pomoc/falesny_zvuk.h"

#include <algorithm>

falesny_zvuk::falesny_zvuk() { nastav_zvuk(this); }

falesny_zvuk::~falesny_zvuk() { nastav_zvuk(nullptr); }

void falesny_zvuk::otevri(const QString &cesta)
{
    prikazy.append(QStringLiteral("Open ") + cesta);
    soubor_ = cesta;
    rezim_ = rezim_t::zastaveno;
}

void falesny_zvuk::hraj()
{
    prikazy.append(QStringLiteral("Play"));
    if (soubor_.isEmpty())
        return;
    if (rezim_ == rezim_t::zastaveno)
        prehrane.append(soubor_);
    rezim_ = hraje_po_play ? rezim_t::hraje : rezim_t::zastaveno;
}

void falesny_zvuk::pozastav()
{
    prikazy.append(QStringLiteral("Pause"));
    if (rezim_ == rezim_t::hraje)
        rezim_ = rezim_t::pozastaveno;
}

void falesny_zvuk::zastav()
{
    prikazy.append(QStringLiteral("Stop"));
    rezim_ = rezim_t::zastaveno;
}

void falesny_zvuk::zavri()
{
    prikazy.append(QStringLiteral("Close"));
    soubor_.clear();
    rezim_ = rezim_t::zastaveno;
}

int falesny_zvuk::prehrano(const QString &konec_cesty) const
{
    return int(
        std::count_if(prehrane.begin(), prehrane.end(), [&](const QString &s) { return s.endsWith(konec_cesty); }));
}

void falesny_zvuk::vymaz_zaznam()
{
    prikazy.clear();
    prehrane.clear();
}
