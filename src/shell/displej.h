#pragma once

class QWidget;

// The program's own screen mode: the host window full screen with the 640 × 480 canvas
// scaled to fit. A refusal is reported and the program goes on in a 640 × 480 window.
void prepni_rozliseni(QWidget *okno);
// Leaves full screen at exit; a failure is reported and ends the program.
void obnov_rozliseni(QWidget *okno);
// The exit question; Yes gives the display back and ends the program, No returns.
void zeptej_se_na_konec(QWidget *okno);
