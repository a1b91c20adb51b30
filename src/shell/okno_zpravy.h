#pragma once

#include <QtGlobal>

class QMessageBox;

// The drawn icon a message shows, if any.
enum class ikona_zpravy_t { zadna, vykricnik, stop, otaznik };

// Gives a message box the program's look: white with a blue edge, the program's font,
// rounded blue buttons and a drawn icon instead of the desktop's, all as large as the
// stage is scaled on the screen (the host's scale; 1 without a host).
void uprav_okno_zpravy(QMessageBox &box, ikona_zpravy_t ikona, qreal meritko);
