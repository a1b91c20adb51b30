#pragma once

#include <QString>

// Writes a mono 16-bit PCM WAV file of a soft tone lasting ms milliseconds.
bool zapis_wav(const QString &cesta, int ms, int frekvence = 440);
