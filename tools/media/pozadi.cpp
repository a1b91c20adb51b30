#include "pozadi.h"

#include "kresleni.h"
#include "vzhled.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace pozadi
{

void nebe(QPainter &p, const QRect &r)
{
    p.save();
    QLinearGradient prechod(r.topLeft(), r.bottomLeft());
    prechod.setColorAt(0, vzhled::nebe);
    prechod.setColorAt(1, vzhled::zesvetli(vzhled::nebe, 0.45));
    p.fillRect(r, prechod);
    p.setPen(Qt::NoPen);
    for (const auto &[stred, polomer] : {std::pair{QPointF(r.right() + 40.0, r.top() - 30.0), 190.0},
                                         std::pair{QPointF(r.left() - 60.0, r.bottom() + 50.0), 170.0}}) {
        QRadialGradient kruh(stred, polomer);
        kruh.setColorAt(0, QColor(255, 255, 255, 120));
        kruh.setColorAt(0.7, QColor(255, 255, 255, 60));
        kruh.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(kruh);
        p.drawEllipse(stred, polomer, polomer);
    }
    p.restore();
}

void hluboke(QPainter &p, const QRect &r)
{
    QLinearGradient prechod(r.topLeft(), r.bottomRight());
    prechod.setColorAt(0, QColor(0x23, 0x4f, 0xc4));
    prechod.setColorAt(1, QColor(0x4b, 0x4f, 0xd9));
    p.fillRect(r, prechod);
}

void pismenko(QPainter &p, const QPointF &stred, qreal velikost, qreal uhel, const QString &znak, const QColor &barva,
              int pruhlednost)
{
    p.save();
    p.translate(stred);
    p.rotate(uhel);
    const QRectF r(-velikost / 2, -velikost / 2, velikost, velikost);
    p.setOpacity(pruhlednost / 255.0);
    kresleni::dlazdice(p, r, {vzhled::bila, QColor(), velikost * 0.2, 3, true});
    kresleni::text(p, r.adjusted(0, -velikost * 0.04, 0, 0), znak,
                   vzhled::pismo(static_cast<int>(velikost * 0.56), true), barva, Qt::AlignCenter);
    p.restore();
}

} // namespace pozadi
