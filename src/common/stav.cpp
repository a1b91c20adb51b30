#include "common/stav.h"

#include "common/soubory.h"

spolecny_stav_t spolecny_stav;

QString soubor_media(const QString &relativni) { return spoj_cestu(spolecny_stav.adresar_media, relativni); }

QString soubor_dat(const QString &relativni) { return spoj_cestu(spolecny_stav.adresar_dat, relativni); }
