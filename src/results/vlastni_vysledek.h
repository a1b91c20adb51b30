#pragma once

#include "common/stav.h"
#include "results/navsteva.h"

#include <QStringList>

// The pupil's own result as the results screen shows it on every visit, in two lines:
// the counts, the share in per cent (rounded down, as the marks are banded) and the
// mark, or that the exercise is not finished yet; then the place among the ten best, or
// that the result did not get there this time.
QStringList vlastni_vysledek(const spolecny_stav_t &stav, const navsteva_vysledku_t &navsteva);
