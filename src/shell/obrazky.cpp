#include "shell/obrazky.h"

#include "shell/hlasky.h"
#include "shell/platforma.h"

#include "common/soubory.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>
#include <cstdlib>
#include <cstring>
#include <future>
#include <map>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace
{

quint32 cti32(const char *p) { return qFromLittleEndian<quint32>(p); }
quint16 cti16(const char *p) { return qFromLittleEndian<quint16>(p); }

// One row of 24-bit BMP pixels (blue, green, red) as opaque 32-bit pixels.
void radek_bgr(const uchar *z, QRgb *cil, int sirka)
{
    int x = 0;
    // Four pixels are twelve bytes, three little-endian words: B0G0R0B1 G1R1B2G2 R2B3G3R3.
    for (; x + 4 <= sirka; x += 4, z += 12) {
        quint32 w[3];
        std::memcpy(w, z, sizeof w);
        cil[x] = 0xff000000u | (w[0] & 0xffffffu);
        cil[x + 1] = 0xff000000u | (w[0] >> 24) | ((w[1] & 0xffffu) << 8);
        cil[x + 2] = 0xff000000u | (w[1] >> 16) | ((w[2] & 0xffu) << 16);
        cil[x + 3] = 0xff000000u | (w[2] >> 8);
    }
    for (; x < sirka; ++x, z += 3)
        cil[x] = qRgb(z[2], z[1], z[0]);
}

#if defined(__x86_64__) || defined(__i386__)
// The same, four pixels a shuffle: the 640 × 480 pictures of every screen decode in a
// fraction of the time.
__attribute__((target("ssse3"))) void radek_bgr_ssse3(const uchar *z, QRgb *cil, int sirka)
{
    const __m128i rozlozeni = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i alfa = _mm_set1_epi32(int(0xff000000u));
    int x = 0;
    // A load takes 16 bytes for 12: the two pixels after the four keep it inside the row.
    for (; x + 6 <= sirka; x += 4, z += 12) {
        const __m128i bajty = _mm_loadu_si128(reinterpret_cast<const __m128i *>(z));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(cil + x), _mm_or_si128(_mm_shuffle_epi8(bajty, rozlozeni), alfa));
    }
    radek_bgr(z, cil + x, sirka - x);
}
#endif

using prevod_radku_t = void (*)(const uchar *, QRgb *, int);

prevod_radku_t prevod_radku()
{
#if defined(__x86_64__) || defined(__i386__)
    static const prevod_radku_t prevod = __builtin_cpu_supports("ssse3") ? radek_bgr_ssse3 : radek_bgr;
    return prevod;
#else
    return radek_bgr;
#endif
}

// The media folder's pictures are uncompressed 24-bit BMPs: their rows are copied as they
// stand, which is many times faster than a general decoder and keeps start-up short.
// Anything else is left to Qt's reader.
std::optional<QImage> rychly_bmp(const QByteArray &bajty)
{
    if (bajty.size() < 54 || !bajty.startsWith("BM"))
        return std::nullopt;
    const char *d = bajty.constData();
    const quint32 data = cti32(d + 10);
    const quint32 hlavicka = cti32(d + 14);
    const qint32 sirka = static_cast<qint32>(cti32(d + 18));
    const qint32 vyska_zn = static_cast<qint32>(cti32(d + 22));
    if (hlavicka < 40 || cti16(d + 26) != 1 || cti16(d + 28) != 24 || cti32(d + 30) != 0)
        return std::nullopt;
    if (sirka <= 0 || sirka > 10000 || vyska_zn == 0 || vyska_zn < -10000 || vyska_zn > 10000)
        return std::nullopt;
    const int vyska = std::abs(vyska_zn);
    const qsizetype radek = (qsizetype(sirka) * 3 + 3) / 4 * 4;
    if (data > quint32(bajty.size()) || bajty.size() - data < radek * vyska)
        return std::nullopt;
    QImage obrazek(sirka, vyska, QImage::Format_RGB32);
    if (obrazek.isNull())
        return std::nullopt;
    const auto prevod = prevod_radku();
    for (int y = 0; y < vyska; ++y) {
        const auto *z = reinterpret_cast<const uchar *>(d + data + (vyska_zn > 0 ? vyska - 1 - y : y) * radek);
        prevod(z, reinterpret_cast<QRgb *>(obrazek.scanLine(y)), sirka);
    }
    return obrazek;
}

// Why the last picture could not be read, for the message on standard error.
QString &posledni_chyba()
{
    static QString chyba;
    return chyba;
}

// The file opened as otevri_pro_cteni allows; false (reported) when it may not be read.
bool otevri(QFile &soubor, const QString &cesta)
{
    const int fd = otevri_pro_cteni(cesta, odkazy_t::sledovat, &posledni_chyba());
    if (fd >= 0 && soubor.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    if (fd >= 0)
        ::close(fd);
    hlas_chybu_souboru(cesta, posledni_chyba());
    return false;
}

const QString neni_obrazek = QStringLiteral("not a picture the program can read");

int zvolena_sada = 1;

// Pictures being read ahead, by relative name (used from the main thread only).
std::map<QString, std::future<std::optional<QImage>>> &predctene()
{
    static std::map<QString, std::future<std::optional<QImage>>> mapa;
    return mapa;
}

// The file of the picture in the chosen set, and its ratio; the 1× file where the set
// has none.
QString cesta_v_sade(const QString &media, const QString &relativni, int *pomer)
{
    const QString predpona = QStringLiteral("GRAFIKA/");
    if (zvolena_sada > 1 && relativni.startsWith(predpona)) {
        // PNG, or a bitmap of the same name where start-up needs the picture at once.
        const QString nazev = QStringLiteral("GRAFIKA@%1x/").arg(zvolena_sada) + relativni.mid(predpona.size());
        for (const QString &kandidat : {nazev.left(nazev.lastIndexOf(u'.')) + QStringLiteral(".PNG"), nazev}) {
            const QString cesta = spoj_cestu(media, kandidat);
            if (QFileInfo(cesta).isFile()) {
                *pomer = zvolena_sada;
                return cesta;
            }
        }
    }
    *pomer = 1;
    return spoj_cestu(media, relativni);
}

std::optional<QImage> s_pomerem(std::optional<QImage> obrazek, int pomer)
{
    if (obrazek)
        obrazek->setDevicePixelRatio(pomer);
    return obrazek;
}

} // namespace

int zvol_sadu_obrazku(const QString &media, qreal meritko)
{
    predctene().clear();
    zvolena_sada = 1;
    if (meritko <= 1.0)
        return zvolena_sada;
    for (int sada : {2, 3}) {
        if (!QFileInfo(spoj_cestu(media, QStringLiteral("GRAFIKA@%1x").arg(sada))).isDir())
            continue;
        zvolena_sada = sada;
        if (sada >= meritko)
            break;
    }
    return zvolena_sada;
}

int sada_obrazku() { return zvolena_sada; }

std::optional<QImage> nacti_obrazek_souboru(const QString &cesta)
{
    // Decoded straight from the page cache: no copy of the file, and no fresh memory to
    // fault in for one. Only a regular file of sane size is opened, and never waited for.
    QFile soubor;
    if (!otevri(soubor, cesta))
        return std::nullopt;
    std::optional<QImage> obrazek;
    if (uchar *mapa = soubor.size() > 0 ? soubor.map(0, soubor.size()) : nullptr) {
        obrazek = dekoduj_obrazek(QByteArray::fromRawData(reinterpret_cast<const char *>(mapa), soubor.size()));
        soubor.unmap(mapa);
    } else {
        obrazek = dekoduj_obrazek(soubor.readAll());
    }
    if (!obrazek)
        hlas_chybu_souboru(cesta, neni_obrazek);
    return obrazek;
}

bool je_citelny_obrazek(const QString &cesta)
{
    QFile soubor;
    if (!otevri(soubor, cesta))
        return false;
    // The header tells the size; a bitmap's rows must also be all there.
    const QByteArray hlavicka = soubor.peek(54);
    QImageReader ctenar(&soubor);
    const QSize velikost = ctenar.size();
    bool ok = velikost.isValid() && !velikost.isEmpty();
    if (ok && hlavicka.startsWith("BM") && hlavicka.size() >= 54) {
        const qint64 data = cti32(hlavicka.constData() + 10);
        const qint64 bitu = cti16(hlavicka.constData() + 28);
        const qint64 radek = (velikost.width() * bitu + 31) / 32 * 4;
        ok = cti32(hlavicka.constData() + 30) != 0 || data + radek * velikost.height() <= soubor.size();
    }
    if (!ok)
        hlas_chybu_souboru(cesta, neni_obrazek);
    return ok;
}

std::optional<QImage> dekoduj_obrazek(const QByteArray &bajty)
{
    if (auto rychle = rychly_bmp(bajty))
        return rychle;
    QImage obrazek = QImage::fromData(bajty);
    if (obrazek.isNull())
        return std::nullopt;
    if (obrazek.format() != QImage::Format_RGB32)
        obrazek = obrazek.convertToFormat(QImage::Format_RGB32);
    return obrazek;
}

void predcti_bitmapu(const QString &media, const QString &relativni)
{
    int pomer = 1;
    const QString cesta = cesta_v_sade(media, relativni, &pomer);
    predctene()[relativni] =
        std::async(std::launch::async, [cesta, pomer] { return s_pomerem(nacti_obrazek_souboru(cesta), pomer); });
}

std::optional<QImage> nacti_bitmapu(const QString &media, const QString &relativni)
{
    if (auto it = predctene().find(relativni); it != predctene().end()) {
        std::future<std::optional<QImage>> vysledek = std::move(it->second);
        predctene().erase(it);
        return vysledek.get();
    }
    int pomer = 1;
    const QString cesta = cesta_v_sade(media, relativni, &pomer);
    return s_pomerem(nacti_obrazek_souboru(cesta), pomer);
}

bool odlozena_bitmapa::nacti(const QString &media, const QString &relativni)
{
    obrazek_ = QImage();
    cesta_ = cesta_v_sade(media, relativni, &pomer_);
    return je_citelny_obrazek(cesta_);
}

const QImage &odlozena_bitmapa::obrazek() const
{
    if (obrazek_.isNull() && !cesta_.isEmpty()) {
        auto obrazek = s_pomerem(nacti_obrazek_souboru(cesta_), pomer_);
        if (!obrazek)
            chyba_behu();
        obrazek_ = *obrazek;
        cesta_.clear();
    }
    return obrazek_;
}

QImage bitmapa(const QString &media, const QString &relativni)
{
    auto obrazek = nacti_bitmapu(media, relativni);
    if (!obrazek)
        chyba_behu();
    return *obrazek;
}

void hlas_chybu_souboru(const QString &cesta, const QString &duvod)
{
    qCritical().noquote().nospace() << "ortanel-verbano2: " << cesta << ": " << duvod;
}

void chyba_behu()
{
    platforma().zprava(hlasky::chyba_cd, QStringLiteral("Chyba"), platforma_t::ikona_t::stop);
    platforma().ukonci(1);
}
