#pragma once

#include "exercise/mira_textu.h"

#include <QString>
#include <QStringList>

// The bubble that shows a sentence's correct text above its result mark while the left
// button is held on it: the label's size and lines, and the bubble picture that fits.
struct bublina_t {
    int body = 12;     // 12 points; 10 for a text wider than 2.8 label widths or one
                       // that needs more than three lines at 12
    QStringList radky; // the text as the label wraps it
    int vyska = 0;     // the label's height: 20 a line at 12 points, 16 at 10
    QString obrazek;   // "GRAFIKA/HINT1.BMP" … "GRAFIKA/HINT3.BMP" by the height
};

// The label is 489 pixels wide and stands at (4, 2) inside the bubble.
inline constexpr int sirka_popisku_bubliny = 489;
inline constexpr int odsazeni_popisku_x = 4;
inline constexpr int odsazeni_popisku_y = 2;
int vyska_radku_bubliny(int body);

// The bubble picture for a label height: one, two or three lines at either size; empty
// for any other height.
QString obrazek_bubliny(int vyska_popisku);

// The text's lines in the label at that size (at least one).
QStringList zalom_do_bubliny(const QString &text, int body);

bublina_t rozvrhni_bublinu(const QString &text, const sirka_textu_t &sirka);
bublina_t rozvrhni_bublinu(const QString &text);
