#pragma once

class hostitel;
class hl_menu;

// The program's start-up: refuses a second copy and a display other than small fonts,
// reads the two folders from "ORTANEL.INI" into the host's session, requires the mark table and the exercise data
// file, sizes and centres the window, switches to full screen, loads the main menu's
// bitmaps and lays the title picture over it. On any failure it shows its message and
// ends the program through the platform; on success the main menu is shown.
hl_menu *spust_program(hostitel &okno);
