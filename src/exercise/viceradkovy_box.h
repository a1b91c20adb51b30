#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>

// The multi-line sentence box of dictations and corrections. The layout sizes the box by
// the number of lines its text needs, so the widget must wrap exactly as counted here:
// the screen sets up its QPlainTextEdit from format_viceradkoveho_boxu() and nothing else
// (no frame, no scroll bars, this document margin, this wrap mode, the box's width).
struct format_viceradkoveho_boxu_t {
    QFont pismo;
    int sirka = 0;           // the box's outer width
    int okraj_dokumentu = 0; // QTextDocument::documentMargin, on every side
    int sirka_radku = 0;     // width left to the text: sirka − 2 × okraj_dokumentu
    QTextOption::WrapMode zalamovani = QTextOption::WrapAtWordBoundaryOrAnywhere;
    int vyska_radku = 0; // the box's height per text line
};

// At 12 points three lines (3 × 22) fit the 72-pixel sentence box below its top 5 pixels.
format_viceradkoveho_boxu_t format_viceradkoveho_boxu(int body);

// Display lines the text needs in the box at that size (at least 1).
int pocet_radku_v_textboxu(const QString &text, int body);
int pocet_radku_v_textboxu(const QString &text, const format_viceradkoveho_boxu_t &format);
