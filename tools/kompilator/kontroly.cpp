#include "kompilator.h"

#include "exercise/kontrola_obsahu.h"

// Checks that the program's page layout and answer checking impose on the content.
QList<kontrola_vety_t> vychozi_kontroly_vet()
{
    return {[](const QString &, const QString &radek) { return duvody_odmitnuti_vety(radek); }};
}

QList<kontrola_vyjimky_t> vychozi_kontroly_vyjimek() { return {duvody_odmitnuti_vyjimky}; }
