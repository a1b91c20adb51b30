#include "zvuk.h"

#include <QtEndian>
#include <cmath>
#include <random>

namespace zvuk
{

std::optional<zvuk_t> precti_wav(const QByteArray &bajty, wav::delky_t delky)
{
    const auto p = wav::precti(bajty, delky);
    if (!p)
        return std::nullopt;
    const QByteArray d = wav::na_16_bitu(*p);
    const qint64 pocet = p->snimku();
    zvuk_t z;
    z.vzorkovani = p->vzorkovani;
    z.vzorky.resize(pocet);
    for (qint64 i = 0; i < pocet; ++i) {
        float soucet = 0;
        for (int c = 0; c < p->kanalu; ++c)
            soucet += qFromLittleEndian<qint16>(d.constData() + 2 * (i * p->kanalu + c)) / 32768.0f;
        z.vzorky[i] = soucet / p->kanalu;
    }
    return z;
}

QByteArray zapis_wav(const zvuk_t &z, int bitu)
{
    wav::pcm_t p{1, z.vzorkovani, bitu == 8 ? 8 : 16, {}};
    p.data.reserve(z.vzorky.size() * p.bitu / 8);
    if (p.bitu == 16) {
        char x[2];
        for (float v : z.vzorky) {
            qToLittleEndian(static_cast<qint16>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)), x);
            p.data.append(x, 2);
        }
    } else {
        // Triangular dither hides the coarse steps of eight bits as a faint even hiss; where
        // the sound is below one step there is nothing to hide, and the pauses stay silent.
        std::mt19937 gen(0x0a7a);
        std::uniform_real_distribution<float> rozptyl(-0.5f, 0.5f);
        for (float v : z.vzorky) {
            float s = v * 127.0f;
            const float sum = rozptyl(gen) + rozptyl(gen);
            if (std::abs(s) >= 0.5f)
                s += sum;
            p.data.append(static_cast<char>(std::clamp<long>(std::lround(s) + 128, 0, 255)));
        }
    }
    return bitu == 4 ? wav::zapis_ima(p) : wav::zapis(p);
}

zvuk_t prevzorkuj(const zvuk_t &z, int vzorkovani)
{
    if (z.vzorkovani == vzorkovani || z.vzorky.isEmpty())
        return z;
    zvuk_t v;
    v.vzorkovani = vzorkovani;
    const double pomer = double(z.vzorkovani) / vzorkovani;
    const double mez = 0.94 * std::min(1.0, 1.0 / pomer); // cut-off relative to the input's Nyquist frequency
    constexpr int sirka = 16;                             // taps on each side, at the lower rate
    const int polovina = (static_cast<int>(std::ceil(sirka / mez)) + 1) / 2 * 2; // even: taps in fours
    const qsizetype pocet = static_cast<qsizetype>(std::floor(z.vzorky.size() / pomer));
    v.vzorky.resize(pocet);
    // Polyphase table: the fractional position is quantised to 1/512 of a sample.
    constexpr int faze = 512;
    QList<float> tabulka((faze + 1) * (2 * polovina));
    for (int f = 0; f <= faze; ++f)
        for (int k = 0; k < 2 * polovina; ++k) {
            const double d = (k - polovina + 1) - double(f) / faze;
            const double x = d * mez;
            const double sinc = std::abs(x) < 1e-9 ? 1.0 : std::sin(M_PI * x) / (M_PI * x);
            const double okno = std::abs(d) >= polovina ? 0.0 : 0.5 + 0.5 * std::cos(M_PI * d / polovina);
            tabulka[f * 2 * polovina + k] = static_cast<float>(mez * sinc * okno);
        }
    // Zeros on both sides spare the inner loop its bounds checks.
    const int okraj = 2 * polovina;
    QList<float> vstup(z.vzorky.size() + 2 * okraj, 0.0f);
    std::copy(z.vzorky.cbegin(), z.vzorky.cend(), vstup.begin() + okraj);
    const float *x = vstup.constData() + okraj;
    float *y = v.vzorky.data();
    const int taps = 2 * polovina;
    for (qsizetype i = 0; i < pocet; ++i) {
        const double t = i * pomer;
        const qsizetype zaklad = static_cast<qsizetype>(std::floor(t));
        const int f = static_cast<int>(std::lround((t - zaklad) * faze));
        const float *h = tabulka.constData() + f * taps;
        const float *s = x + zaklad - polovina + 1;
        // Four running sums keep the multiply-adds independent of each other.
        float a = 0, b = 0, c = 0, d = 0;
        for (int k = 0; k < taps; k += 4) {
            a += s[k] * h[k];
            b += s[k + 1] * h[k + 1];
            c += s[k + 2] * h[k + 2];
            d += s[k + 3] * h[k + 3];
        }
        y[i] = (a + b) + (c + d);
    }
    return v;
}

zvuk_t orizni_ticho(const zvuk_t &z, float prah, double pred, double po)
{
    qsizetype zacatek = 0, konec = z.vzorky.size();
    while (zacatek < konec && std::abs(z.vzorky[zacatek]) < prah)
        ++zacatek;
    while (konec > zacatek && std::abs(z.vzorky[konec - 1]) < prah)
        --konec;
    if (zacatek == konec)
        return zvuk_t{z.vzorkovani, {}};
    zacatek = std::max<qsizetype>(0, zacatek - static_cast<qsizetype>(pred * z.vzorkovani));
    konec = std::min<qsizetype>(z.vzorky.size(), konec + static_cast<qsizetype>(po * z.vzorkovani));
    zvuk_t v;
    v.vzorkovani = z.vzorkovani;
    v.vzorky = z.vzorky.mid(zacatek, konec - zacatek);
    return v;
}

void normalizuj(zvuk_t &z, float spicka)
{
    float max = 0;
    for (float v : z.vzorky)
        max = std::max(max, std::abs(v));
    if (max <= 0)
        return;
    const float k = spicka / max;
    for (float &v : z.vzorky)
        v *= k;
}

namespace
{
// A decaying sine with a short fade-in, pitch gliding from f0 to f1.
zvuk_t ton(double delka, double f0, double f1, double utlum, float hlasitost)
{
    zvuk_t z;
    z.vzorkovani = 22050;
    const int n = static_cast<int>(delka * z.vzorkovani);
    z.vzorky.resize(n);
    double faze = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / z.vzorkovani;
        const double f = f0 + (f1 - f0) * (t / delka);
        faze += 2 * M_PI * f / z.vzorkovani;
        const double nabeh = std::min(1.0, t / 0.003);
        const double dozvuk = std::exp(-t * utlum) * std::min(1.0, (delka - t) / 0.004);
        z.vzorky[i] = static_cast<float>(hlasitost * nabeh * dozvuk * (std::sin(faze) + 0.25 * std::sin(2 * faze)));
    }
    return z;
}
} // namespace

zvuk_t klik() { return ton(0.045, 1400, 900, 90, 0.55f); }

zvuk_t vstup()
{
    zvuk_t z = ton(0.09, 880, 1320, 35, 0.22f);
    return z;
}

} // namespace zvuk
