#include "kresleni.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

namespace kresleni
{

namespace
{
thread_local int meritko_vlakna = 1;
}

void nastav_meritko(int meritko) { meritko_vlakna = meritko; }
int meritko() { return meritko_vlakna; }

QImage platno(QSize velikost, const QColor &barva)
{
    QImage obrazek(velikost * meritko_vlakna, QImage::Format_RGB32);
    obrazek.setDevicePixelRatio(meritko_vlakna);
    obrazek.fill(barva);
    return obrazek;
}

QImage vyrez(const QImage &obrazek, const QRect &oblast)
{
    const int m = qRound(obrazek.devicePixelRatio());
    return obrazek.copy(QRect(oblast.topLeft() * m, oblast.size() * m));
}

QSize velikost(const QImage &obrazek) { return obrazek.size() / qRound(obrazek.devicePixelRatio()); }

void priprav(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

void stin(QPainter &p, const QRectF &r, qreal polomer, int hloubka)
{
    if (hloubka <= 0)
        return;
    p.save();
    p.setPen(Qt::NoPen);
    // Layers that grow and fade: a soft shadow that falls a little below the tile.
    for (int i = hloubka; i >= 1; --i) {
        const qreal rozsah = i * 0.9;
        QColor barva(0x1f, 0x3a, 0x6e, 10 + 6 * (hloubka - i));
        p.setBrush(barva);
        p.drawRoundedRect(r.adjusted(-rozsah * 0.6, -rozsah * 0.3 + 1, rozsah * 0.6, rozsah + 1), polomer + rozsah,
                          polomer + rozsah);
    }
    p.restore();
}

void dlazdice(QPainter &p, const QRectF &r, const styl_dlazdice &styl)
{
    stin(p, r, styl.polomer, styl.stin);
    p.save();
    QBrush stetec(styl.vypln);
    if (styl.leskla) {
        QLinearGradient prechod(r.topLeft(), r.bottomLeft());
        const QColor horni = styl.vypln.lightnessF() > 0.9 ? styl.vypln : styl.vypln.lighter(112);
        prechod.setColorAt(0, horni);
        prechod.setColorAt(1, styl.vypln.lightnessF() > 0.9 ? QColor(0xf3, 0xf7, 0xfd) : styl.vypln);
        stetec = QBrush(prechod);
    }
    p.setBrush(stetec);
    if (styl.okraj.isValid())
        p.setPen(QPen(styl.okraj, 1));
    else
        p.setPen(Qt::NoPen);
    const QRectF tvar = styl.okraj.isValid() ? r.adjusted(0.5, 0.5, -0.5, -0.5) : r;
    p.drawRoundedRect(tvar, styl.polomer, styl.polomer);
    if (styl.leskla) {
        // A thin light line under the top edge: the tile catches the light.
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(Qt::NoBrush);
        const qreal o = styl.polomer * 0.7;
        p.drawLine(QPointF(r.left() + o, r.top() + 1.5), QPointF(r.right() - o, r.top() + 1.5));
    }
    p.restore();
}

QStringList zalom(const QString &text, const QFont &pismo, qreal sirka)
{
    const QFontMetricsF m(pismo);
    QStringList radky;
    for (const QString &odstavec : text.split(QLatin1Char('\n'))) {
        QString radek;
        for (const QString &slovo : odstavec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString zkusmo = radek.isEmpty() ? slovo : radek + QLatin1Char(' ') + slovo;
            if (!radek.isEmpty() && m.horizontalAdvance(zkusmo) > sirka) {
                radky.append(radek);
                radek = slovo;
            } else {
                radek = zkusmo;
            }
        }
        radky.append(radek);
    }
    return radky;
}

qreal sirka_textu(const QString &text, const QFont &pismo) { return QFontMetricsF(pismo).horizontalAdvance(text); }

namespace
{
bool vejde_se(const QStringList &radky, const QFont &pismo, const QSizeF &misto, int max_radku)
{
    const QFontMetricsF m(pismo);
    if (radky.size() > max_radku || radky.size() * m.height() > misto.height() + 0.5)
        return false;
    for (const QString &r : radky)
        if (m.horizontalAdvance(r) > misto.width())
            return false;
    return true;
}
} // namespace

QFont vejdi_se(const QString &text, QFont pismo, const QSizeF &misto, int max_radku, int nejmensi)
{
    for (int px = pismo.pixelSize(); px > nejmensi; --px) {
        pismo.setPixelSize(px);
        if (vejde_se(zalom(text, pismo, misto.width()), pismo, misto, max_radku))
            return pismo;
    }
    pismo.setPixelSize(nejmensi);
    return pismo;
}

qreal vyska_textu(const QString &text, const QFont &pismo, qreal sirka, qreal radkovani)
{
    return zalom(text, pismo, sirka).size() * QFontMetricsF(pismo).height() * radkovani;
}

qreal text(QPainter &p, const QRectF &r, const QString &text, const QFont &pismo, const QColor &barva,
           Qt::Alignment zarovnani, qreal radkovani)
{
    const QFontMetricsF m(pismo);
    const QStringList radky = zalom(text, pismo, r.width());
    const qreal krok = m.height() * radkovani;
    const qreal vyska = radky.size() * krok - (krok - m.height());
    qreal y = r.top();
    if (zarovnani & Qt::AlignVCenter)
        y = r.top() + (r.height() - vyska) / 2;
    else if (zarovnani & Qt::AlignBottom)
        y = r.bottom() - vyska;
    p.save();
    p.setFont(pismo);
    p.setPen(barva);
    for (const QString &radek : radky) {
        const qreal w = m.horizontalAdvance(radek);
        qreal x = r.left();
        if (zarovnani & Qt::AlignHCenter)
            x = r.left() + (r.width() - w) / 2;
        else if (zarovnani & Qt::AlignRight)
            x = r.right() - w;
        p.drawText(QPointF(x, y + m.ascent()), radek);
        y += krok;
    }
    p.restore();
    return vyska;
}

void klic_mimo(QImage &obrazek, const QPainterPath &tvar, const QColor &klic)
{
    QImage maska(obrazek.size(), QImage::Format_RGB32);
    maska.setDevicePixelRatio(obrazek.devicePixelRatio());
    maska.fill(Qt::black);
    {
        QPainter p(&maska);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(tvar);
    }
    const QRgb k = klic.rgb();
    for (int y = 0; y < obrazek.height(); ++y) {
        const QRgb *m = reinterpret_cast<const QRgb *>(maska.constScanLine(y));
        QRgb *o = reinterpret_cast<QRgb *>(obrazek.scanLine(y));
        for (int x = 0; x < obrazek.width(); ++x)
            if (qRed(m[x]) < 128)
                o[x] = k;
    }
}

} // namespace kresleni
