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
#include <sys/mman.h>
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

// A 32-bit top-down bitmap whose rows start on a four-byte boundary is a picture in Qt's own
// pixel layout (the unused fourth byte is ignored by Qt as by the drawing helpers): it is
// drawn from the mapped file as it stands, with no decoding and no memory of its own. The
// large sets' first-frame pictures are stored so. (The media folder is replaced whole, file
// by file, never rewritten in place, so the mapping keeps the picture it was made from.)
std::optional<QImage> mapovany_bmp(const uchar *d, qint64 velikost, void *mapa)
{
    if (velikost < 54 || d[0] != 'B' || d[1] != 'M')
        return std::nullopt;
    const char *c = reinterpret_cast<const char *>(d);
    const quint32 data = cti32(c + 10);
    const qint64 sirka = static_cast<qint32>(cti32(c + 18));
    const qint64 vyska = -qint64(static_cast<qint32>(cti32(c + 22)));
    if (cti32(c + 14) < 40 || cti16(c + 26) != 1 || cti16(c + 28) != 32 || cti32(c + 30) != 0 || data % 4 != 0 ||
        sirka <= 0 || sirka > 10000 || vyska <= 0 || vyska > 10000 || data > velikost ||
        velikost - data < sirka * vyska * 4)
        return std::nullopt;
    return QImage(
        d + data, int(sirka), int(vyska), qsizetype(sirka) * 4, QImage::Format_RGB32,
        [](void *m) {
            auto *z = static_cast<std::pair<void *, size_t> *>(m);
            ::munmap(z->first, z->second);
            delete z;
        },
        new std::pair<void *, size_t>(mapa, size_t(velikost)));
}

// The two headers of a Windows bitmap as the program reads it (not the old 12-byte kind).
bool ma_hlavicky_bmp(const QByteArray &b)
{
    return b.startsWith("BM") && b.size() >= 54 && cti32(b.constData() + 14) >= 40;
}

// A bitmap (from its 54 bytes of headers) of a depth the program reads, whose rows are all
// in the file where they are stored uncompressed.
bool je_cela_bitmapa(const QByteArray &hlavicka, qint64 velikost_souboru)
{
    const char *h = hlavicka.constData();
    const qint64 sirka = static_cast<qint32>(cti32(h + 18));
    const qint64 vyska = std::abs(qint64(static_cast<qint32>(cti32(h + 22))));
    const qint64 bitu = cti16(h + 28);
    const qint64 radek = (sirka * bitu + 31) / 32 * 4;
    return sirka > 0 && vyska > 0 && cti16(h + 26) == 1 && QList<qint64>{1, 4, 8, 16, 24, 32}.contains(bitu) &&
           (cti32(h + 30) != 0 || cti32(h + 10) + radek * vyska <= velikost_souboru);
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
    int sada = 1;
    if (meritko > 1.0)
        for (int vetsi : {2, 3}) {
            if (!QFileInfo(spoj_cestu(media, QStringLiteral("GRAFIKA@%1x").arg(vetsi))).isDir())
                continue;
            sada = vetsi;
            if (vetsi >= meritko)
                break;
        }
    // Pictures read ahead from the set still chosen are kept.
    if (sada != zvolena_sada)
        predctene().clear();
    zvolena_sada = sada;
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
    const qint64 velikost = soubor.size();
    void *mapa =
        velikost > 0 ? ::mmap(nullptr, size_t(velikost), PROT_READ, MAP_PRIVATE, soubor.handle(), 0) : MAP_FAILED;
    if (mapa != MAP_FAILED) {
        const auto *d = static_cast<const uchar *>(mapa);
        obrazek = mapovany_bmp(d, velikost, mapa);
        if (!obrazek) {
            obrazek = dekoduj_obrazek(QByteArray::fromRawData(reinterpret_cast<const char *>(d), velikost));
            ::munmap(mapa, size_t(velikost));
        }
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
    // The header tells the size; a bitmap's rows must also be all there. The media folder's
    // bitmaps and PNG files are judged by their own headers: Qt's reader would first look
    // through its plug-ins, a noticeable part of start-up.
    const QByteArray hlavicka = soubor.peek(54);
    const char *h = hlavicka.constData();
    bool ok = false;
    if (ma_hlavicky_bmp(hlavicka)) {
        ok = je_cela_bitmapa(hlavicka, soubor.size());
    } else if (hlavicka.startsWith("\x89PNG\r\n\x1a\n") && hlavicka.size() >= 24 && hlavicka.mid(12, 4) == "IHDR") {
        const quint32 sirka = qFromBigEndian<quint32>(h + 16), vyska = qFromBigEndian<quint32>(h + 20);
        ok = sirka > 0 && vyska > 0 && sirka < 0x80000000u && vyska < 0x80000000u;
    } else {
        const QSize velikost = QImageReader(&soubor).size();
        ok = velikost.isValid() && !velikost.isEmpty();
    }
    if (!ok)
        hlas_chybu_souboru(cesta, neni_obrazek);
    return ok;
}

std::optional<QImage> dekoduj_obrazek(const QByteArray &bajty)
{
    if (auto rychle = rychly_bmp(bajty))
        return rychle;
    // Qt's reader would fill the rows a damaged bitmap lacks.
    if (ma_hlavicky_bmp(bajty) && !je_cela_bitmapa(bajty, bajty.size()))
        return std::nullopt;
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

bool je_citelna_bitmapa(const QString &media, const QString &relativni)
{
    int pomer = 1;
    return je_citelny_obrazek(cesta_v_sade(media, relativni, &pomer));
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
