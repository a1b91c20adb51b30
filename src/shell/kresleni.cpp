#include "shell/kresleni.h"

#include <QPainter>

namespace
{

constexpr QRgb barva_rgb = 0x00ffffffu;

bool je_klic(QRgb pixel, QRgb klic) { return (pixel & barva_rgb) == (klic & barva_rgb); }

bool je_jednobitova(const QImage &obrazek)
{
    return obrazek.format() == QImage::Format_Mono || obrazek.format() == QImage::Format_MonoLSB;
}

// The area of the image as opaque 32-bit pixels with the colours it stores (an alpha
// channel is dropped, not blended).
QImage jako_rgb32(const QImage &obrazek, QRect oblast)
{
    QImage kopie = obrazek.copy(oblast);
    if (kopie.format() == QImage::Format_ARGB32)
        kopie.reinterpretAsFormat(QImage::Format_RGB32);
    else
        kopie.convertTo(QImage::Format_RGB32);
    for (int y = 0; y < kopie.height(); ++y) {
        auto *radek = reinterpret_cast<QRgb *>(kopie.scanLine(y));
        for (int x = 0; x < kopie.width(); ++x)
            radek[x] |= 0xff000000u;
    }
    return kopie;
}

// The key pixels of the w × h area at (0, 0) as one flag per pixel, row after row.
QList<bool> klicove_pixely(const QImage &src, QSize oblast, QRgb klic)
{
    const QImage rgb = jako_rgb32(src, QRect(QPoint(0, 0), oblast));
    QList<bool> vysledek(qsizetype(oblast.width()) * oblast.height());
    for (int y = 0; y < oblast.height(); ++y) {
        const auto *radek = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < oblast.width(); ++x)
            vysledek[qsizetype(y) * oblast.width() + x] = je_klic(radek[x], klic);
    }
    return vysledek;
}

// A plain copy of the picture into dest at (x, y), whatever dest's format.
void zkopiruj(QImage &dest, QPoint kde, const QImage &obrazek)
{
    QPainter p(&dest);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(kde, obrazek);
}

} // namespace

bool vytvor_masku(const QImage &src, int w, int h, QImage &maska, QRgb klic)
{
    if (src.isNull() || w < 0 || h < 0)
        return false;
    if (maska.isNull()) {
        maska = QImage(qMax(w, 1), qMax(h, 1), QImage::Format_MonoLSB);
        maska.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        maska.fill(0);
    }
    const QRect oblast = QRect(0, 0, w, h) & src.rect() & maska.rect();
    if (oblast.isEmpty())
        return true;
    const QList<bool> klice = klicove_pixely(src, oblast.size(), klic);
    const bool mono = je_jednobitova(maska);
    for (int y = 0; y < oblast.height(); ++y) {
        for (int x = 0; x < oblast.width(); ++x) {
            const bool jedna = klice[qsizetype(y) * oblast.width() + x];
            if (mono)
                maska.setPixel(x, y, jedna ? 1 : 0);
            else
                maska.setPixel(x, y, jedna ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    return true;
}

bool kresli_pruhledne(const QImage &src, int w, int h, QRgb klic, const QImage &back, QImage &dest)
{
    if (src.isNull() || back.isNull() || dest.isNull() || w < 0 || h < 0)
        return false;
    const QRect oblast = QRect(0, 0, w, h) & src.rect() & back.rect() & dest.rect();
    if (oblast.isEmpty())
        return true;
    QImage maska;
    if (!vytvor_masku(src, oblast.width(), oblast.height(), maska, klic))
        return false;
    // The composition is made apart from dest, so that back may be dest itself.
    QImage slozeni = jako_rgb32(back, oblast);
    const QImage obrazek = jako_rgb32(src, oblast);
    for (int y = 0; y < oblast.height(); ++y) {
        auto *cil = reinterpret_cast<QRgb *>(slozeni.scanLine(y));
        const auto *zdroj = reinterpret_cast<const QRgb *>(obrazek.constScanLine(y));
        for (int x = 0; x < oblast.width(); ++x)
            if (maska.pixelIndex(x, y) == 0)
                cil[x] = zdroj[x];
    }
    zkopiruj(dest, QPoint(0, 0), slozeni);
    return true;
}

bool kresli_pres_buffer(QImage &dest, int x, int y, int w, int h, const QImage &src, int sx, int sy, QRgb klic)
{
    if (src.isNull() || dest.isNull() || w < 0 || h < 0)
        return false;
    // The source area and its place on dest, both clipped, kept in step.
    const QPoint posun(x - sx, y - sy);
    const QRect zdroj = QRect(sx, sy, w, h) & src.rect() & dest.rect().translated(-posun);
    if (zdroj.isEmpty())
        return true;
    // Key pixels become fully transparent, the others stay fully opaque: drawn over dest
    // they give exactly the picture's pixels or leave dest's.
    QImage obrazek = jako_rgb32(src, zdroj);
    for (int r = 0; r < obrazek.height(); ++r) {
        auto *radek = reinterpret_cast<QRgb *>(obrazek.scanLine(r));
        for (int s = 0; s < obrazek.width(); ++s)
            if (je_klic(radek[s], klic))
                radek[s] = 0;
    }
    obrazek.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&dest);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(zdroj.topLeft() + posun, obrazek);
    return true;
}
