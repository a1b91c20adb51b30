#pragma once

#include "common/druhy.h"

#include <QList>
#include <QString>

// How to work each kind of exercise, in the words of the help pictures.
namespace navody
{

enum class obrazek_t {
    vyber,   // a choice label with its arrow
    policko, // a gap being typed into
    riadok,  // the sentence box of a dictation or correction
    chyba,   // a word with a wavy red underline
    reproduktor,
    enter,
    f5,
    uvodzovky,  // the Shift and Ctrl keys
    skontroluj, // the check button
    znacka,     // a red result mark and the mouse
    pocitadlo,  // the play counter of a whole text
};

struct krok_t {
    obrazek_t obrazek;
    QString text;
};

// The steps for one kind; a whole-text topic adds the play counter.
QList<krok_t> kroky(druh_t druh, bool souvisly);

} // namespace navody
