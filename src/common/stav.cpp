#include "common/stav.h"

#include "common/soubory.h"

QString spolecny_stav_t::soubor_media(const QString &relativni) const { return spoj_cestu(adresar_media, relativni); }

QString spolecny_stav_t::soubor_dat(const QString &relativni) const { return spoj_cestu(adresar_dat, relativni); }
