#pragma once

#include <QString>

// The texts of the program's messages: a broken installation, the display, the exit question.
namespace hlasky
{
extern const QString chyba_cd;       // a media file cannot be read
extern const QString chybi_soubory;  // INI or a data file missing
extern const QString male_fonty;     // the small-fonts factor
extern const QString nelze_prepnout; // full screen refused
extern const QString nelze_obnovit;  // the display could not be given back
extern const QString otazka_konec;   // the exit question
} // namespace hlasky
