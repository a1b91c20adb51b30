#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

// Where a choice list opens and which of its entries the pointer is on.

// The list of a choice label: below the label, as wide as its widest entry plus 4 and
// never narrower than 18; above the label when it would leave the screen at the bottom.
// `vyska` is the height the page gave the list; widths are the entries' text widths.
QRect umisti_seznam(const QRect &popisek, int vyska, const QList<int> &sirky_polozek);

// The entry at the height y (pixels, fraction included) inside a list of that height:
// rows are height / entries high (rounded, halves to even) and y is rounded the same
// way. Nothing above the list, below its height, or past its last entry (the bottom
// edge itself computes one row too far).
std::optional<int> radek_seznamu(double y, int vyska, int pocet_polozek);

// A choice label the pupil has not chosen from shows this placeholder ...
inline const QString zastupce_volby = QStringLiteral("?");
// ... and answers this, which no form equals (the data holds no control characters), so
// an untouched list never counts as right, whatever its correct form.
inline const QString odpoved_bez_volby = QStringLiteral("\x01");

// What a list shows for a form: an empty form ("nothing here", such as no comma) is an
// entry of its own, named, never a blank row.
QString text_polozky_seznamu(const QString &tvar);
