#pragma once

#include <QString>

// The pupil's name ends up in "|"-separated rows of the score table and in the lines of
// the results log, so no name may carry a "|" or anything that breaks a line.

// The name box's text with what the box does not accept taken out: "|" is dropped, and
// every run of line breaks, tabs and other control characters becomes one space (a name
// pasted over two lines keeps its two words).
QString jmeno_pro_box(const QString &text);

// The name as it is stored and written: line breaks and control characters as in the box,
// "|" replaced by "/", spaces trimmed at both ends.
QString jmeno_k_ulozeni(const QString &text);
