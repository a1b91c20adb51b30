#pragma once

#include <QString>

// One value of an INI file: trimmed at both ends, at most 254 characters; a missing file,
// section or key reads "ERROR". Section and key names match without regard to case.
QString nacti_ini_hodnotu(const QString &soubor, const QString &sekce, const QString &klic);

// Where the program's "ORTANEL.INI" is: beside the executable first, then in the
// system's configuration folders. Empty when there is none.
QString najdi_ini(const QString &nazev = QStringLiteral("ORTANEL.INI"));
