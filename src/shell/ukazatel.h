#pragma once

// The mouse pointer of the whole program: the hourglass from a click that changes the
// screen until the next screen's activation sets it back.
void ukaz_presypaci_hodiny();
// Back to the normal pointer, however often the hourglass was asked for.
void obnov_ukazatel();
bool jsou_presypaci_hodiny();
