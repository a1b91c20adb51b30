#include "common/wav.h"

#include <QtEndian>
#include <algorithm>
#include <array>

namespace wav
{

namespace
{

quint32 cti32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 cti16(const char *p) { return qFromLittleEndian<quint16>(p); }

void pridej(QByteArray &b, quint32 v, int bajtu)
{
    char x[4];
    qToLittleEndian(v, x);
    b.append(x, bajtu);
}

constexpr quint16 format_pcm = 1;
constexpr quint16 format_ima = 0x11;
constexpr quint16 format_rozsireny = 0xfffe; // WAVE_FORMAT_EXTENSIBLE: the real format is in its sub-format

// IMA ADPCM: each 4-bit code is a sign and three bits of a difference in units of the
// current step; the step then moves along this table by the code's size.
constexpr std::array<qint16, 89> kroky = {
    7,    8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,   28,
    31,   34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,  118,
    130,  143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,  494,
    544,  598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878, 2066,
    2272, 2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845, 8630,
    9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int posuny[8] = {-1, -1, -1, -1, 2, 4, 6, 8};
constexpr int max_index = 88;

// One channel's predictor: the last sample and the step index.
struct ima_t {
    int vzorek = 0;
    int index = 0;

    qint16 dekoduj(int kod)
    {
        const int krok = kroky[index];
        int rozdil = krok >> 3;
        if (kod & 4)
            rozdil += krok;
        if (kod & 2)
            rozdil += krok >> 1;
        if (kod & 1)
            rozdil += krok >> 2;
        vzorek = std::clamp(kod & 8 ? vzorek - rozdil : vzorek + rozdil, -32768, 32767);
        index = std::clamp(index + posuny[kod & 7], 0, max_index);
        return static_cast<qint16>(vzorek);
    }
    // The code for the difference to x, bit by bit from the largest part of the step.
    int nejblizsi(int x) const
    {
        const int krok = kroky[index];
        int rozdil = x - vzorek, kod = 0;
        if (rozdil < 0) {
            kod = 8;
            rozdil = -rozdil;
        }
        if (rozdil >= krok) {
            kod |= 4;
            rozdil -= krok;
        }
        if (rozdil >= krok >> 1) {
            kod |= 2;
            rozdil -= krok >> 1;
        }
        if (rozdil >= krok >> 2)
            kod |= 1;
        return kod;
    }
    // The code that brings this sample and, with the nearest code, the next one closest:
    // looking one sample ahead picks better steps, some 2 dB more signal to noise on speech.
    int koduj(int x, int dalsi)
    {
        qint64 nejmene = -1;
        int nejlepsi = 0;
        for (int kod = 0; kod < 16; ++kod) {
            ima_t t = *this;
            const qint64 a = t.dekoduj(kod) - x;
            const qint64 b = t.dekoduj(t.nejblizsi(dalsi)) - dalsi;
            if (nejmene < 0 || a * a + b * b < nejmene) {
                nejmene = a * a + b * b;
                nejlepsi = kod;
            }
        }
        dekoduj(nejlepsi);
        return nejlepsi;
    }
};

// A block holds per channel a header (the first sample, the step index and a reserved
// byte), then groups of four bytes per channel in turn, each eight codes, the low nibble
// first. A short last block gives its whole groups; a step index past the table is damage.
// The frame count of the "fact" chunk cuts off the padding of the last block; a count that
// would drop whole blocks is wrong (a writer of stereo files is known to store half there).
std::optional<QByteArray> dekoduj_ima(const char *d, qint64 n, int kanalu, int zarovnani, qint64 fakt)
{
    const int skupina = 4 * kanalu;
    const qint64 snimku_bloku = (zarovnani - skupina) / skupina * 8 + 1;
    QByteArray v((n + zarovnani - 1) / zarovnani * snimku_bloku * kanalu * 2, Qt::Uninitialized);
    qint64 snimku = 0;
    for (qint64 blok = 0; blok + skupina <= n; blok += zarovnani) {
        const qint64 skupin = (std::min<qint64>(zarovnani, n - blok) - skupina) / skupina;
        char *ven = v.data() + 2 * kanalu * snimku;
        for (int c = 0; c < kanalu; ++c) {
            const char *h = d + blok + 4 * c;
            ima_t s{static_cast<qint16>(cti16(h)), static_cast<unsigned char>(h[2])};
            if (s.index > max_index)
                return std::nullopt;
            qToLittleEndian<qint16>(static_cast<qint16>(s.vzorek), ven + 2 * c);
            for (qint64 i = 0; i < skupin * 8; ++i) {
                const char bajt = d[blok + skupina * (1 + i / 8) + 4 * c + i % 8 / 2];
                const int kod = i % 2 ? (bajt >> 4) & 15 : bajt & 15;
                qToLittleEndian<qint16>(s.dekoduj(kod), ven + 2 * (kanalu * (1 + i) + c));
            }
        }
        snimku += 1 + skupin * 8;
    }
    if (fakt >= 0 && fakt > snimku - snimku_bloku)
        snimku = std::min(snimku, fakt);
    v.resize(2 * kanalu * snimku);
    return v;
}

} // namespace

std::optional<pcm_t> precti(const QByteArray &b, delky_t delky)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    const bool proud = delky == delky_t::proud;
    // The RIFF size bounds the chunks; a file shorter than it claims is damaged.
    qint64 konec = qint64(cti32(b.constData() + 4)) + 8;
    if (konec > b.size()) {
        if (!proud)
            return std::nullopt;
        konec = b.size();
    }
    pcm_t p;
    quint16 format = 0;
    int zarovnani = 0, snimku_bloku = 0;
    qint64 data = -1, bajtu_dat = 0, fakt = -1;
    qint64 i = 12;
    while (i + 8 <= konec) {
        const char *hlava = b.constData() + i;
        const qint64 delka = cti32(hlava + 4);
        const qint64 telo = i + 8;
        if (telo + delka > konec && !(proud && std::string_view(hlava, 4) == "data"))
            return std::nullopt;
        if (std::string_view(hlava, 4) == "fmt ") {
            if (delka < 16 || format)
                return std::nullopt;
            const char *f = b.constData() + telo;
            format = cti16(f);
            if (format == format_rozsireny && delka >= 40)
                format = cti16(f + 24);
            p.kanalu = cti16(f + 2);
            p.vzorkovani = static_cast<int>(cti32(f + 4));
            p.bitu = cti16(f + 14);
            zarovnani = cti16(f + 12);
            if (delka >= 20 && cti16(f + 16) >= 2)
                snimku_bloku = cti16(f + 18);
            if (!format)
                return std::nullopt;
        } else if (std::string_view(hlava, 4) == "fact" && delka >= 4) {
            fakt = cti32(b.constData() + telo);
        } else if (std::string_view(hlava, 4) == "data" && data < 0) {
            data = telo;
            bajtu_dat = std::min(delka, konec - telo);
        }
        // A chunk of odd length is followed by a pad byte, which the last one may lack.
        i = telo + delka + (delka & 1);
    }
    if (data < 0 || (p.kanalu != 1 && p.kanalu != 2) || p.vzorkovani < 1000 || p.vzorkovani > 192000)
        return std::nullopt;
    if (format == format_ima) {
        // Whole groups of four bytes per channel after the headers, as the block size says.
        const int skupina = 4 * p.kanalu;
        if (p.bitu != 4 || zarovnani <= skupina || zarovnani % skupina ||
            (snimku_bloku && snimku_bloku != (zarovnani - skupina) / skupina * 8 + 1))
            return std::nullopt;
        auto pcm = dekoduj_ima(b.constData() + data, bajtu_dat, p.kanalu, zarovnani, fakt);
        if (!pcm || pcm->isEmpty())
            return std::nullopt;
        p.bitu = 16;
        p.data = *pcm;
        return p;
    }
    if (format != format_pcm || (p.bitu != 8 && p.bitu != 16) || zarovnani != p.bajtu_snimku())
        return std::nullopt;
    bajtu_dat -= bajtu_dat % p.bajtu_snimku();
    if (bajtu_dat <= 0)
        return std::nullopt;
    p.data = b.mid(data, bajtu_dat);
    return p;
}

QByteArray zapis(const pcm_t &p)
{
    const quint32 data = static_cast<quint32>(p.data.size());
    QByteArray b;
    b.reserve(44 + data + 1);
    b.append("RIFF");
    pridej(b, 36 + data + (data & 1), 4);
    b.append("WAVEfmt ");
    pridej(b, 16, 4);
    pridej(b, format_pcm, 2);
    pridej(b, p.kanalu, 2);
    pridej(b, p.vzorkovani, 4);
    pridej(b, p.vzorkovani * p.bajtu_snimku(), 4);
    pridej(b, p.bajtu_snimku(), 2);
    pridej(b, p.bitu, 2);
    b.append("data");
    pridej(b, data, 4);
    b.append(p.data);
    if (data & 1)
        b.append('\0');
    return b;
}

QByteArray zapis_ima(const pcm_t &p)
{
    if (p.kanalu != 1 && p.kanalu != 2)
        return {};
    const QByteArray d = na_16_bitu(p);
    const int k = p.kanalu, skupina = 4 * k, zarovnani = 256 * k;
    const int snimku_bloku = (zarovnani - skupina) / skupina * 8 + 1;
    const qint64 snimku = p.snimku();
    const auto vzorek = [&](qint64 i, int c) {
        return qFromLittleEndian<qint16>(d.constData() + 2 * (std::min(i, snimku - 1) * k + c));
    };
    QByteArray data((snimku + snimku_bloku - 1) / snimku_bloku * zarovnani, '\0');
    // The step index goes on from block to block; the header sample starts each one exactly.
    std::array<ima_t, 2> stav;
    for (qint64 blok = 0; blok * snimku_bloku < snimku; ++blok) {
        char *ven = data.data() + blok * zarovnani;
        const qint64 prvni = blok * snimku_bloku;
        for (int c = 0; c < k; ++c) {
            stav[c].vzorek = vzorek(prvni, c);
            qToLittleEndian<qint16>(vzorek(prvni, c), ven + 4 * c);
            ven[4 * c + 2] = static_cast<char>(stav[c].index);
            for (int i = 0; i + 1 < snimku_bloku; ++i) {
                const int kod = stav[c].koduj(vzorek(prvni + 1 + i, c), vzorek(prvni + 2 + i, c));
                ven[skupina * (1 + i / 8) + 4 * c + i % 8 / 2] |= static_cast<char>(kod << (i % 2 * 4));
            }
        }
    }
    const quint32 bajtu = static_cast<quint32>(data.size());
    QByteArray b;
    b.reserve(60 + bajtu);
    b.append("RIFF");
    pridej(b, 52 + bajtu, 4);
    b.append("WAVEfmt ");
    pridej(b, 20, 4);
    pridej(b, format_ima, 2);
    pridej(b, k, 2);
    pridej(b, p.vzorkovani, 4);
    pridej(b, static_cast<quint32>(qint64(p.vzorkovani) * zarovnani / snimku_bloku), 4);
    pridej(b, zarovnani, 2);
    pridej(b, 4, 2);
    pridej(b, 2, 2); // the extra bytes: the frames per block
    pridej(b, snimku_bloku, 2);
    b.append("fact");
    pridej(b, 4, 4);
    pridej(b, static_cast<quint32>(snimku), 4);
    b.append("data");
    pridej(b, bajtu, 4);
    b.append(data);
    return b;
}

QByteArray na_16_bitu(const pcm_t &pcm)
{
    if (pcm.bitu == 16)
        return pcm.data;
    QByteArray v(pcm.data.size() * 2, Qt::Uninitialized);
    char *c = v.data();
    for (const char s : pcm.data) {
        qToLittleEndian<qint16>(static_cast<qint16>((static_cast<unsigned char>(s) - 128) << 8), c);
        c += 2;
    }
    return v;
}

} // namespace wav
