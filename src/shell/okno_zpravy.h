#pragma once

#include "shell/platforma.h"

class QMessageBox;

// Gives a message box the program's look: white with a blue edge, the program's font,
// rounded blue buttons and a drawn icon instead of the desktop's, all as large as the
// stage is scaled on the screen (the host's scale; 1 without a host).
void uprav_okno_zpravy(QMessageBox &box, platforma_t::ikona_t ikona, qreal meritko);
