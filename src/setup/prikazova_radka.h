#pragma once

#include <QStringList>

class QTextStream;

// Worksheets from the command line, without a window: the same drawing and printing as
// the set-up screen's print button, with the choices given as options.
//
//   ortanel-verbano2 --pracovny-list 7_3 --druh oprava --pocet 10 --kopie 25 --vystup listy.pdf
namespace prikazova_radka
{

enum kod_t { hotovo = 0, tlac_zlyhala = 1, zly_vstup = 2 };

// Whether the program's arguments (without the program's name) ask for the command line
// rather than the window: any argument that starts with "--".
bool je_pozadovana(const QStringList &argumenty);

// Runs it on the arguments (without the program's name). Bad input gives one Slovak line
// on `chyby` and writes nothing; --help writes the options on `vystup`. The data folder is
// the one ORTANEL.INI names.
kod_t spust(const QStringList &argumenty, QTextStream &vystup, QTextStream &chyby);

} // namespace prikazova_radka
