#pragma once

#include "common/stav.h"

#include <QStringList>

// Share of correct items, 0 to 1; an exercise without items counts as 0.
double podil_spravnych(int spravne, int spatne);

// The mark of the first band (lower|upper|mark, percentages, both bounds inclusive) that
// holds the share; 0 when none does.
int znamka_z_pasem(const QStringList &pasma, double podil);

// The mark of the exercise described by the state, looked up in "ZNAMKY.DAT": 0 for an
// unfinished exercise, one without items, a share no band holds, or an unreadable file.
int vrat_znamku(const spolecny_stav_t &stav);
