#pragma once

#include "common/stav.h"

#include <QDateTime>
#include <QStringList>

// The teacher's results log "VYSLEDKY.DAT": four lines per visit of the results screen.

constexpr int sirka_zaznamu = 75;

// The record's four lines without line ends: name, date and time in fixed-width fields;
// "Hra: " with the grade and the topic's log name (empty for an unknown topic); counts and
// mark in fixed-width fields; 75 "=". The date is the desktop's short form of `kdy`.
QStringList sestav_zaznam(const spolecny_stav_t &stav, int znamka, const QDateTime &kdy);

// Appends the record for now (common/hodiny) in Windows-1250 with CR LF, under the log's
// lock; false when the log could not be written.
bool uloz_vysledky(const spolecny_stav_t &stav, int znamka);
