#include "pomoc/wav.h"

#include <QDataStream>
#include <QFile>
#include <cmath>

bool zapis_wav(const QString &cesta, int ms, int frekvence)
{
    constexpr int vzorkovani = 22050;
    const quint32 vzorku = quint32(qint64(vzorkovani) * ms / 1000);
    const quint32 bajtu = vzorku * 2;
    QFile f(cesta);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QDataStream s(&f);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + bajtu);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(vzorkovani) << quint32(vzorkovani * 2) << quint16(2)
      << quint16(16);
    s.writeRawData("data", 4);
    s << bajtu;
    for (quint32 i = 0; i < vzorku; ++i)
        s << qint16(std::lround(3000 * std::sin(2 * M_PI * frekvence * i / vzorkovani)));
    return s.status() == QDataStream::Ok;
}
