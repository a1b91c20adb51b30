#pragma once

#include "prehled/log.h"

// The chosen records as a spreadsheet reads them in a Slovak locale: UTF-8 with a byte-order
// mark, ";" between fields, a header row, dates as d.M.yyyy and shares with a decimal comma.
// An unfinished visit has no mark.
QByteArray sestav_csv(const QList<zaznam_t> &zaznamy, const QList<int> &vybrane);

// Writes the file whole or not at all; the Slovak reason in `chyba` when it cannot.
bool uloz_csv(const QString &cesta, const QByteArray &obsah, QString *chyba);

// Share of right items as the views show it: "83,3 %"; "–" without items.
QString podil_text(double podil);
