#pragma once

#include "diktat.h"
#include "sestaveni.h"

#include <QList>
#include <QString>

// Every file of the media folder as a build task.
namespace seznam
{

struct vstupy_t {
    QString obsah;             // content/ (help texts)
    QString data;              // the built VERBANO2.DAT (whole-text flags, the sentences)
    QByteArray otisk_programu; // the renderer itself: new drawing code redraws every picture
    diktat::hlas_t hlas;
    QString verze_hlasu;
    bool paleta_napovedy = true; // help pictures as 8-bit palette bitmaps
};

QList<sestaveni::ukol_t> obrazky(const vstupy_t &vstupy);
// The name of a picture in the set drawn `meritko` times larger:
// "GRAFIKA/SELECT/R_11_0.BMP" → "GRAFIKA@2x/SELECT/R_11_0.PNG" (the first frame's pictures
// keep their .BMP).
QString vetsi_nazev(const QString &nazev, int meritko, bool bitmapa = false);
QList<sestaveni::ukol_t> zvuky(const vstupy_t &vstupy);

} // namespace seznam
