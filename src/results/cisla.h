#pragma once

#include <QStringView>

// Numbers in the plain data files are read from the start of a field as far as they are
// numeric: "74.5%" gives 74.5, "12ab" gives 12, "x1" and "" give 0. Blanks are skipped
// and "." is the only decimal point, whatever the desktop's locale says.
double cislo_ze_zacatku(QStringView text);
// The same, rounded to the nearest whole number and kept within the range of int.
int cele_cislo_ze_zacatku(QStringView text);
