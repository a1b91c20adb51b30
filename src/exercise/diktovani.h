#pragma once

#include "exercise/stranka.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Playing the recorded sentences: play, pause and resume on the speaker, and in a whole
// text a limited number of plays per sentence.

// The recording of a sentence under the media folder: "ZVUK/7_3/12.WAV".
QString soubor_diktatu(const QString &cislo_ulohy, int cislo_vety);

enum class diktovani_t {
    pozastaveno, // the sentence was playing and pauses
    obnoveno,    // it was paused and plays on (not counted)
    nic,         // no plays left: nothing starts
    prehrano,    // it starts from the beginning
};

struct vysledek_diktovani_t {
    diktovani_t co = diktovani_t::nic;
    int zbyva = 0; // plays left afterwards
    bool operator==(const vysledek_diktovani_t &) const = default;
};

// A click on the speaker of the sentence whose recording is `soubor`, on the program's
// sound device: the same sentence pauses or resumes; another one that plays is stopped
// and closed; then the sentence starts unless it has no plays left. `pocitat`: the
// exercise is a whole text with a limit, so a new play counts one down.
vysledek_diktovani_t diktuj(const QString &soubor, int zbyva, bool pocitat);

// Whether a speaker is switched off now: a whole text, no plays left, and the device has
// stopped (a last play that runs can still be paused and resumed).
bool vypnout_repro(bool souvisly_text, int zbyva);

// The gap box (1-based) that a play of the sentence puts the caret into: the first of the
// sentence whose text, trimmed of spaces, is empty; none when all are filled.
std::optional<int> mezera_k_diktatu(const QList<dopln_box_t> &boxy, const QStringList &texty, int cislo_vety);
