#pragma once

#include <QString>
#include <QStringList>

// What the page layout and the answer checking demand of the content; the data compiler
// rejects a sentence or an exception with these reasons.

// A sentence must fit its box in at most three lines in every kind (a correction in
// whatever forms are planted), end by the text limit as drawn, boxes included (so that no
// result mark covers it), a choice or gap sentence needs an input element, and its
// correct sentences must be in the house style that typed sentences are normalised to.
QStringList duvody_odmitnuti_vety(const QString &radek);

// An accepted sentence must already be in the house style that typed answers are
// normalised to, or it could never match.
QStringList duvody_odmitnuti_vyjimky(const QString &text);
