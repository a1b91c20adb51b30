#pragma once

#include "common/druhy.h"

#include <QString>
#include <QStringList>
#include <array>

// The exercise screen's own bitmaps (relative media names); the page's are in
// obrazky_stranky (rozvrzeni.h), the marks' in obrazky_znacek (kontrola.h).
namespace obrazky_cviceni
{
extern const QString pozadi;   // "GRAFIKA/BG.BMP"
extern const QString pokracuj; // the continue button's face, key colour at (0, 0)
// The top bar's highlight pictures: check, new sentences, score table, back.
extern const std::array<QString, 4> zvyrazneni;
// The bubbles for one, two and three lines of text.
QStringList bubliny();

// The exercise's title tab: "GRAFIKA/TABS/L_" + grade index + topic index + kind code,
// "GRAFIKA/TABS/L_13_DJ.BMP" for grade index 1, topic 3, a fill-in exercise.
QString zalozka(int rocnik, int tema, druh_t druh);
// Its help picture: "GRAFIKA/HELP/13_DJ.BMP".
QString napoveda(int rocnik, int tema, druh_t druh);

// Every bitmap the screen loads when it opens (the help picture is read when shown).
QStringList vsechny(int rocnik, int tema, druh_t druh);
} // namespace obrazky_cviceni
