#include "common/wav.h"

#include <QtEndian>

namespace wav
{

namespace
{

quint32 cti32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 cti16(const char *p) { return qFromLittleEndian<quint16>(p); }

constexpr quint16 format_pcm = 1;
constexpr quint16 format_rozsireny = 0xfffe; // WAVE_FORMAT_EXTENSIBLE: the real format is in its sub-format

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
    bool fmt = false;
    qint64 data = -1, bajtu_dat = 0;
    qint64 i = 12;
    while (i + 8 <= konec) {
        const char *hlava = b.constData() + i;
        const qint64 delka = cti32(hlava + 4);
        const qint64 telo = i + 8;
        if (telo + delka > konec && !(proud && std::string_view(hlava, 4) == "data"))
            return std::nullopt;
        if (std::string_view(hlava, 4) == "fmt ") {
            if (delka < 16 || fmt)
                return std::nullopt;
            const char *f = b.constData() + telo;
            quint16 format = cti16(f);
            if (format == format_rozsireny && delka >= 40)
                format = cti16(f + 24);
            p.kanalu = cti16(f + 2);
            p.vzorkovani = static_cast<int>(cti32(f + 4));
            p.bitu = cti16(f + 14);
            const int zarovnani = cti16(f + 12);
            if (format != format_pcm || (p.kanalu != 1 && p.kanalu != 2) || (p.bitu != 8 && p.bitu != 16) ||
                p.vzorkovani < 1000 || p.vzorkovani > 192000 || zarovnani != p.bajtu_snimku())
                return std::nullopt;
            fmt = true;
        } else if (std::string_view(hlava, 4) == "data" && data < 0) {
            data = telo;
            bajtu_dat = std::min(delka, konec - telo);
        }
        // A chunk of odd length is followed by a pad byte, which the last one may lack.
        i = telo + delka + (delka & 1);
    }
    if (!fmt || data < 0)
        return std::nullopt;
    bajtu_dat -= bajtu_dat % p.bajtu_snimku();
    if (bajtu_dat <= 0)
        return std::nullopt;
    p.data = b.mid(data, bajtu_dat);
    return p;
}

QByteArray zapis(const pcm_t &p)
{
    const auto cislo = [](QByteArray &b, quint32 v, int bajtu) {
        char x[4];
        qToLittleEndian(v, x);
        b.append(x, bajtu);
    };
    const quint32 data = static_cast<quint32>(p.data.size());
    QByteArray b;
    b.reserve(44 + data + 1);
    b.append("RIFF");
    cislo(b, 36 + data + (data & 1), 4);
    b.append("WAVEfmt ");
    cislo(b, 16, 4);
    cislo(b, format_pcm, 2);
    cislo(b, p.kanalu, 2);
    cislo(b, p.vzorkovani, 4);
    cislo(b, p.vzorkovani * p.bajtu_snimku(), 4);
    cislo(b, p.bajtu_snimku(), 2);
    cislo(b, p.bitu, 2);
    b.append("data");
    cislo(b, data, 4);
    b.append(p.data);
    if (data & 1)
        b.append('\0');
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
