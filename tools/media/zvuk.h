#pragma once

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

// A PCM WAV file (8- or 16-bit, mono or stereo, which is mixed down); empty when the bytes
// are not one.
std::optional<zvuk_t> precti_wav(const QByteArray &bajty);
// A mono PCM WAV file of 8 or 16 bits per sample. Eight bits are dithered with a fixed
// seed, so the same sound always gives the same bytes.
QByteArray zapis_wav(const zvuk_t &zvuk, int bitu);

// The header fields that a player needs, read back from a WAV file.
struct hlavicka_t {
    int format = 0; // 1: PCM
    int kanalu = 0;
    int vzorkovani = 0;
    int bitu = 0;
    qint64 bajtu_dat = 0;
    double delka() const
    {
        return vzorkovani > 0 && kanalu > 0 && bitu > 0 ? bajtu_dat / (double(vzorkovani) * kanalu * bitu / 8) : 0;
    }
};
std::optional<hlavicka_t> precti_hlavicku(const QByteArray &bajty);

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
