#pragma once

#include <QFont>

// The program's one typeface, Liberation Sans, bundled with the program. Screen text is
// set at pixel sizes (12 points = 16 pixels, 10 points = 13 pixels at the 96 dpi design
// scale) so that every width is the same on every display.
void zaregistruj_pisma();
QString rodina_pisma();
int body_na_pixely(int body);
// The screen font at a size in points (12, 10, …), kerning off so that a text is exactly
// as wide as its characters drawn one by one.
QFont pismo_obrazovky(int body, bool tucne = false);
// The worksheet font at a size in points (printers scale it themselves).
QFont pismo_listu(int body, bool tucne = false, bool kurziva = false);
