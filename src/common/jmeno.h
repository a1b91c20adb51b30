#pragma once

#include <QString>

// The pupil's name ends up in "|"-separated rows of the score table and in the lines of
// the results log, so no name may carry a "|" or anything that breaks a line.

// The score table and the log are Windows-1250 text, and the log keeps 38 characters of a
// name: a character those files cannot hold (letters of other scripts, emoji, invisible
// zero-width and direction marks) is refused as it is typed, and a name ends at 38.
constexpr int nejdelsi_jmeno = 38;

// The name box's text with what the box does not accept taken out: "|" is dropped, and
// every run of line breaks, tabs and other control characters becomes one space (a name
// pasted over two lines keeps its two words), characters outside Windows-1250 are
// dropped, and the box's text is cut at nejdelsi_jmeno.
QString jmeno_pro_box(const QString &text);

// The name as it is stored and written: line breaks and control characters as in the box,
// "|" replaced by "/", characters outside Windows-1250 dropped, spaces trimmed at both ends.
QString jmeno_k_ulozeni(const QString &text);
