#include "bmp.h"

#include <QBuffer>
#include <QHash>
#include <QList>
#include <QtEndian>
#include <algorithm>

namespace bmp
{

namespace
{
QByteArray uloz(const QImage &obrazek)
{
    QByteArray bajty;
    QBuffer buffer(&bajty);
    buffer.open(QIODevice::WriteOnly);
    obrazek.save(&buffer, "BMP");
    return bajty;
}

struct barva_t {
    QRgb rgb;
    int pocet;
};

// One box of the median cut: a range of the colour list.
struct krabice_t {
    int od, po; // [od, po)
    qint64 vaha;
    int rozsah; // the widest channel's spread
    int kanal;  // 0 red, 1 green, 2 blue
};

int slozka(QRgb c, int kanal) { return kanal == 0 ? qRed(c) : kanal == 1 ? qGreen(c) : qBlue(c); }

krabice_t popis(const QList<barva_t> &barvy, int od, int po)
{
    int min[3] = {255, 255, 255}, max[3] = {0, 0, 0};
    qint64 vaha = 0;
    for (int i = od; i < po; ++i) {
        for (int k = 0; k < 3; ++k) {
            min[k] = std::min(min[k], slozka(barvy[i].rgb, k));
            max[k] = std::max(max[k], slozka(barvy[i].rgb, k));
        }
        vaha += barvy[i].pocet;
    }
    int kanal = 0;
    for (int k = 1; k < 3; ++k)
        if (max[k] - min[k] > max[kanal] - min[kanal])
            kanal = k;
    return {od, po, vaha, max[kanal] - min[kanal], kanal};
}

QList<QRgb> paleta(const QImage &obrazek)
{
    QHash<QRgb, int> histogram;
    for (int y = 0; y < obrazek.height(); ++y) {
        const QRgb *radek = reinterpret_cast<const QRgb *>(obrazek.constScanLine(y));
        for (int x = 0; x < obrazek.width(); ++x)
            ++histogram[radek[x] | 0xff000000u];
    }
    QList<barva_t> barvy;
    barvy.reserve(histogram.size());
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        barvy.append({it.key(), it.value()});
    std::sort(barvy.begin(), barvy.end(), [](const barva_t &a, const barva_t &b) { return a.rgb < b.rgb; });
    QList<QRgb> vysledek;
    if (barvy.size() <= 256) {
        for (const barva_t &b : barvy)
            vysledek.append(b.rgb);
        return vysledek;
    }
    // Split the box with the most weight times spread until there are 256.
    QList<krabice_t> krabice = {popis(barvy, 0, barvy.size())};
    while (krabice.size() < 256) {
        auto nejvetsi = std::max_element(krabice.begin(), krabice.end(), [](const krabice_t &a, const krabice_t &b) {
            return (a.po - a.od > 1 ? a.vaha * a.rozsah : -1) < (b.po - b.od > 1 ? b.vaha * b.rozsah : -1);
        });
        if (nejvetsi->po - nejvetsi->od < 2)
            break;
        const krabice_t k = *nejvetsi;
        std::sort(barvy.begin() + k.od, barvy.begin() + k.po,
                  [&](const barva_t &a, const barva_t &b) { return slozka(a.rgb, k.kanal) < slozka(b.rgb, k.kanal); });
        qint64 polovina = 0;
        int deleni = k.od + 1;
        for (int i = k.od; i < k.po - 1; ++i) {
            polovina += barvy[i].pocet;
            deleni = i + 1;
            if (polovina * 2 >= k.vaha)
                break;
        }
        *nejvetsi = popis(barvy, k.od, deleni);
        krabice.append(popis(barvy, deleni, k.po));
    }
    for (const krabice_t &k : krabice) {
        // A box's colour is its most frequent one, so that flat areas keep their exact colour.
        const barva_t *nej = &barvy[k.od];
        for (int i = k.od; i < k.po; ++i)
            if (barvy[i].pocet > nej->pocet)
                nej = &barvy[i];
        vysledek.append(nej->rgb);
    }
    return vysledek;
}

int nejblizsi(const QList<QRgb> &paleta, QRgb c)
{
    int nej = 0;
    int vzdalenost = INT_MAX;
    for (int i = 0; i < paleta.size(); ++i) {
        const int dr = qRed(c) - qRed(paleta[i]), dg = qGreen(c) - qGreen(paleta[i]), db = qBlue(c) - qBlue(paleta[i]);
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < vzdalenost) {
            vzdalenost = d;
            nej = i;
        }
    }
    return nej;
}
} // namespace

QByteArray zakoduj_24(const QImage &obrazek) { return uloz(obrazek.convertToFormat(QImage::Format_RGB32)); }

QByteArray zakoduj_32(const QImage &zdroj)
{
    const QImage obrazek = zdroj.convertToFormat(QImage::Format_RGB32);
    constexpr int data = 64; // the 54 bytes of the headers, rounded up
    const qsizetype radek = qsizetype(obrazek.width()) * 4;
    QByteArray b(data, '\0');
    const auto cislo = [&b](int kde, quint32 hodnota) { qToLittleEndian(hodnota, b.data() + kde); };
    b[0] = 'B';
    b[1] = 'M';
    cislo(2, quint32(data + radek * obrazek.height()));
    cislo(10, data);
    cislo(14, 40);
    cislo(18, quint32(obrazek.width()));
    cislo(22, quint32(-obrazek.height())); // negative: rows from the top
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(32, b.data() + 28);
    cislo(34, quint32(radek * obrazek.height()));
    cislo(38, 2835); // 72 dots per inch
    cislo(42, 2835);
    b.reserve(data + radek * obrazek.height());
    for (int y = 0; y < obrazek.height(); ++y)
        b.append(reinterpret_cast<const char *>(obrazek.constScanLine(y)), radek);
    return b;
}

QImage na_paletu(const QImage &zdroj)
{
    const QImage obrazek = zdroj.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> barvy = paleta(obrazek);
    QImage vysledek(obrazek.size(), QImage::Format_Indexed8);
    vysledek.setColorTable(barvy);
    QHash<QRgb, int> pamet;
    for (int y = 0; y < obrazek.height(); ++y) {
        const QRgb *radek = reinterpret_cast<const QRgb *>(obrazek.constScanLine(y));
        uchar *cil = vysledek.scanLine(y);
        for (int x = 0; x < obrazek.width(); ++x) {
            const QRgb c = radek[x] | 0xff000000u;
            auto it = pamet.constFind(c);
            if (it == pamet.cend())
                it = pamet.insert(c, nejblizsi(barvy, c));
            cil[x] = static_cast<uchar>(*it);
        }
    }
    return vysledek;
}

QByteArray zakoduj_8(const QImage &obrazek) { return uloz(na_paletu(obrazek)); }

} // namespace bmp
