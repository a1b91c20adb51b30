#pragma once

#include "common/wav.h"

#include <QByteArray>
#include <QList>
#include <optional>

// Mono sound as floating-point samples in −1..1, and the WAV files made of it.
struct zvuk_t {
    int vzorkovani = 0; // samples per second
    QList<float> vzorky;

    double delka() const { return vzorkovani > 0 ? double(vzorky.size()) / vzorkovani : 0.0; }
};

namespace zvuk
{

// A WAV file (PCM or IMA ADPCM, mono or stereo, which is mixed down), read by the
// program's own reader; empty when the bytes are not one. A stream from a pipe may not
// know its length.
std::optional<zvuk_t> precti_wav(const QByteArray &bajty, wav::delky_t delky = wav::delky_t::presne);
// A mono WAV file of 8- or 16-bit PCM, or of 4-bit IMA ADPCM. Eight bits are dithered
// with a fixed seed, so the same sound always gives the same bytes.
QByteArray zapis_wav(const zvuk_t &zvuk, int bitu);

// A windowed-sinc resampling to another rate; frequencies above the lower rate's
// Nyquist limit are filtered out.
zvuk_t prevzorkuj(const zvuk_t &zvuk, int vzorkovani);
// Cuts the silence at both ends (below prah of full scale), leaving the given margins.
zvuk_t orizni_ticho(const zvuk_t &zvuk, float prah, double pred, double po);
// Scales the sound so that its loudest sample reaches spicka.
void normalizuj(zvuk_t &zvuk, float spicka);

// The two interface sounds: a short soft click for a press, a brighter blip for hover.
zvuk_t klik();
zvuk_t vstup();

} // namespace zvuk
