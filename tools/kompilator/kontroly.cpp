#include "kompilator.h"

// Checks that the program's page layout and answer checking impose on the content.
QList<kontrola_vety_t> vychozi_kontroly_vet() { return {}; }

QList<kontrola_vyjimky_t> vychozi_kontroly_vyjimek() { return {}; }
