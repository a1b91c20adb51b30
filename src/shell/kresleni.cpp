#include "shell/kresleni.h"

#include <QPainter>
#include <algorithm>

namespace
{

int pomer_obrazku(const QImage &obrazek) { return std::max(1, qRound(obrazek.devicePixelRatio())); }

QRect v_pixelech(const QRect &r, int pomer) { return QRect(r.topLeft() * pomer, r.size() * pomer); }

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

// A plain copy of the picture (of dest's ratio) onto dest's pixels from (0, 0).
void zkopiruj(QImage &dest, const QImage &obrazek)
{
    QPainter p(&dest);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), obrazek);
}

} // namespace

QSize logicka_velikost(const QImage &obrazek) { return obrazek.size() / pomer_obrazku(obrazek); }

QImage obraz_v_pomeru(QSize velikost, qreal pomer, const QColor &barva)
{
    QImage obraz(velikost * pomer, QImage::Format_RGB32);
    obraz.setDevicePixelRatio(pomer);
    obraz.fill(barva);
    return obraz;
}

QRgb pixel_v_bode(const QImage &obrazek, QPoint kde) { return obrazek.pixel(kde * pomer_obrazku(obrazek)); }

QImage vyrez_obrazu(const QImage &obrazek, const QRect &kde)
{
    return obrazek.copy(v_pixelech(kde, pomer_obrazku(obrazek)));
}

QImage v_meritku(const QImage &obrazek, int pomer)
{
    if (obrazek.isNull() || pomer_obrazku(obrazek) == pomer)
        return obrazek;
    QImage vysledek = obrazek.scaled(logicka_velikost(obrazek) * pomer, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    vysledek.setDevicePixelRatio(pomer);
    return vysledek;
}

namespace
{
// The mask of the w × h pixels at src's (0, 0).
void maska_v_pixelech(const QImage &src, int w, int h, QImage &maska, QRgb klic, int pomer)
{
    if (maska.isNull()) {
        maska = QImage(qMax(w, 1), qMax(h, 1), QImage::Format_MonoLSB);
        maska.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        maska.fill(0);
        maska.setDevicePixelRatio(pomer);
    }
    const QRect oblast = QRect(0, 0, w, h) & src.rect() & maska.rect();
    if (oblast.isEmpty())
        return;
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
}
} // namespace

bool vytvor_masku(const QImage &src, int w, int h, QImage &maska, QRgb klic)
{
    if (src.isNull() || w < 0 || h < 0)
        return false;
    const int pomer = pomer_obrazku(src);
    maska_v_pixelech(src, w * pomer, h * pomer, maska, klic, pomer);
    return true;
}

bool kresli_pruhledne(const QImage &src_, int w, int h, QRgb klic, const QImage &back_, QImage &dest)
{
    if (src_.isNull() || back_.isNull() || dest.isNull() || w < 0 || h < 0)
        return false;
    const int pomer = pomer_obrazku(dest);
    const QImage src = v_meritku(src_, pomer);
    const QImage back = v_meritku(back_, pomer);
    const QRect oblast = v_pixelech(QRect(0, 0, w, h), pomer) & src.rect() & back.rect() & dest.rect();
    if (oblast.isEmpty())
        return true;
    QImage maska;
    maska_v_pixelech(src, oblast.width(), oblast.height(), maska, klic, pomer);
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
    slozeni.setDevicePixelRatio(pomer);
    zkopiruj(dest, slozeni);
    return true;
}

bool kresli_pres_buffer(QImage &dest, int x, int y, int w, int h, const QImage &src_, int sx, int sy, QRgb klic)
{
    if (src_.isNull() || dest.isNull() || w < 0 || h < 0)
        return false;
    const int pomer = pomer_obrazku(dest);
    const QImage src = v_meritku(src_, pomer);
    // The source area and its place on dest, both clipped, kept in step.
    const QPoint posun = QPoint(x - sx, y - sy) * pomer;
    const QRect zdroj = v_pixelech(QRect(sx, sy, w, h), pomer) & src.rect() & dest.rect().translated(-posun);
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
    obrazek.setDevicePixelRatio(pomer);
    QPainter p(&dest);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPointF(zdroj.topLeft() + posun) / pomer, obrazek);
    return true;
}
