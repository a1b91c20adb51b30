#include "ikony.h"

#include "kresleni.h"
#include "vzhled.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace ikony
{

namespace
{
QPen pero(const QColor &barva, const QRectF &r, qreal podil = 12.0)
{
    QPen pen(barva, std::max(1.4, std::min(r.width(), r.height()) / podil));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

struct stav_t {
    QPainter &p;
    explicit stav_t(QPainter &pp) : p(pp) { p.save(); }
    ~stav_t() { p.restore(); }
};
} // namespace

void reproduktor(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    const qreal w = r.width(), h = r.height();
    QPainterPath tvar;
    tvar.moveTo(r.left() + w * 0.06, r.top() + h * 0.34);
    tvar.lineTo(r.left() + w * 0.26, r.top() + h * 0.34);
    tvar.lineTo(r.left() + w * 0.50, r.top() + h * 0.10);
    tvar.lineTo(r.left() + w * 0.50, r.top() + h * 0.90);
    tvar.lineTo(r.left() + w * 0.26, r.top() + h * 0.66);
    tvar.lineTo(r.left() + w * 0.06, r.top() + h * 0.66);
    tvar.closeSubpath();
    p.setPen(QPen(barva, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(barva);
    p.drawPath(tvar);
    p.setBrush(Qt::NoBrush);
    p.setPen(pero(barva, r, 11));
    const QPointF stred(r.left() + w * 0.50, r.center().y());
    for (int i = 1; i <= 2; ++i) {
        const qreal rr = h * (0.20 + 0.18 * i);
        p.drawArc(QRectF(stred.x() - rr, stred.y() - rr, 2 * rr, 2 * rr), -40 * 16, 80 * 16);
    }
}

void fajka(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    p.setPen(pero(barva, r, 6.5));
    QPainterPath cesta;
    cesta.moveTo(r.left() + r.width() * 0.18, r.top() + r.height() * 0.54);
    cesta.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.76);
    cesta.lineTo(r.left() + r.width() * 0.84, r.top() + r.height() * 0.28);
    p.setBrush(Qt::NoBrush);
    p.drawPath(cesta);
}

void krizik(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    p.setPen(pero(barva, r, 6.5));
    const QRectF v = r.adjusted(r.width() * 0.26, r.height() * 0.26, -r.width() * 0.26, -r.height() * 0.26);
    p.drawLine(v.topLeft(), v.bottomRight());
    p.drawLine(v.topRight(), v.bottomLeft());
}

namespace
{
void hrot(QPainter &p, QPointF spicka, qreal uhel_stupne, qreal delka, const QColor &barva)
{
    const qreal u = qDegreesToRadians(uhel_stupne);
    const QPointF smer(std::cos(u), -std::sin(u));
    const QPointF kolmo(-smer.y(), smer.x());
    QPainterPath t;
    t.moveTo(spicka);
    t.lineTo(spicka - smer * delka + kolmo * delka * 0.6);
    t.lineTo(spicka - smer * delka - kolmo * delka * 0.6);
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawPath(t);
}
} // namespace

void obnovit(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    const qreal d = std::min(r.width(), r.height());
    const QRectF k(r.center().x() - d * 0.34, r.center().y() - d * 0.34, d * 0.68, d * 0.68);
    p.setPen(pero(barva, r, 9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(k, 20 * 16, 140 * 16);
    p.drawArc(k, 200 * 16, 140 * 16);
    const qreal rr = k.width() / 2;
    auto bod = [&](qreal stupne) {
        const qreal u = qDegreesToRadians(stupne);
        return QPointF(k.center().x() + rr * std::cos(u), k.center().y() - rr * std::sin(u));
    };
    hrot(p, bod(20) + QPointF(d * 0.02, d * 0.1), -80, d * 0.2, barva);
    hrot(p, bod(200) - QPointF(d * 0.02, d * 0.1), 100, d * 0.2, barva);
}

void pohar(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    const qreal w = r.width(), h = r.height();
    const qreal x = r.left(), y = r.top();
    QPainterPath misa;
    misa.moveTo(x + w * 0.24, y + h * 0.12);
    misa.lineTo(x + w * 0.76, y + h * 0.12);
    misa.cubicTo(x + w * 0.76, y + h * 0.50, x + w * 0.62, y + h * 0.60, x + w * 0.50, y + h * 0.60);
    misa.cubicTo(x + w * 0.38, y + h * 0.60, x + w * 0.24, y + h * 0.50, x + w * 0.24, y + h * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawPath(misa);
    p.drawRect(QRectF(x + w * 0.45, y + h * 0.58, w * 0.10, h * 0.18));
    p.drawRoundedRect(QRectF(x + w * 0.30, y + h * 0.76, w * 0.40, h * 0.12), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(pero(barva, r, 14));
    p.drawArc(QRectF(x + w * 0.08, y + h * 0.16, w * 0.24, h * 0.26), 90 * 16, 180 * 16);
    p.drawArc(QRectF(x + w * 0.68, y + h * 0.16, w * 0.24, h * 0.26), -90 * 16, 180 * 16);
}

void sipka_zpet(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    p.setPen(pero(barva, r, 8));
    p.setBrush(Qt::NoBrush);
    const qreal w = r.width(), h = r.height();
    QPainterPath c;
    c.moveTo(r.left() + w * 0.22, r.top() + h * 0.40);
    c.lineTo(r.left() + w * 0.62, r.top() + h * 0.40);
    c.cubicTo(r.left() + w * 0.92, r.top() + h * 0.40, r.left() + w * 0.92, r.top() + h * 0.84, r.left() + w * 0.62,
              r.top() + h * 0.84);
    c.lineTo(r.left() + w * 0.40, r.top() + h * 0.84);
    p.drawPath(c);
    QPainterPath hr;
    hr.moveTo(r.left() + w * 0.38, r.top() + h * 0.22);
    hr.lineTo(r.left() + w * 0.20, r.top() + h * 0.40);
    hr.lineTo(r.left() + w * 0.38, r.top() + h * 0.58);
    p.drawPath(hr);
}

void sipka_vpred(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    p.setPen(pero(barva, r, 6));
    const qreal w = r.width(), h = r.height();
    p.drawLine(QPointF(r.left() + w * 0.18, r.center().y()), QPointF(r.left() + w * 0.80, r.center().y()));
    QPainterPath hr;
    hr.moveTo(r.left() + w * 0.54, r.top() + h * 0.24);
    hr.lineTo(r.left() + w * 0.82, r.center().y());
    hr.lineTo(r.left() + w * 0.54, r.top() + h * 0.76);
    p.setBrush(Qt::NoBrush);
    p.drawPath(hr);
}

void vypinac(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    p.setPen(pero(barva, r, 8));
    p.setBrush(Qt::NoBrush);
    const qreal d = std::min(r.width(), r.height());
    const QRectF k(r.center().x() - d * 0.32, r.center().y() - d * 0.28, d * 0.64, d * 0.64);
    p.drawArc(k, 120 * 16, 300 * 16);
    p.drawLine(QPointF(r.center().x(), r.center().y() - d * 0.40), QPointF(r.center().x(), r.center().y() + d * 0.02));
}

void tiskarna(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    const qreal w = r.width(), h = r.height();
    const qreal x = r.left(), y = r.top();
    p.setPen(pero(barva, r, 12));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x + w * 0.28, y + h * 0.10, w * 0.44, h * 0.26));
    p.setBrush(barva);
    p.drawRoundedRect(QRectF(x + w * 0.10, y + h * 0.36, w * 0.80, h * 0.36), 2, 2);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(x + w * 0.28, y + h * 0.58, w * 0.44, h * 0.32));
}

void kniha(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    const qreal w = r.width(), h = r.height();
    const qreal x = r.left(), y = r.top();
    p.setPen(pero(barva, r, 11));
    p.setBrush(Qt::NoBrush);
    QPainterPath l, pr;
    l.moveTo(x + w * 0.50, y + h * 0.26);
    l.cubicTo(x + w * 0.38, y + h * 0.16, x + w * 0.20, y + h * 0.16, x + w * 0.08, y + h * 0.22);
    l.lineTo(x + w * 0.08, y + h * 0.82);
    l.cubicTo(x + w * 0.20, y + h * 0.76, x + w * 0.38, y + h * 0.76, x + w * 0.50, y + h * 0.86);
    pr.moveTo(x + w * 0.50, y + h * 0.26);
    pr.cubicTo(x + w * 0.62, y + h * 0.16, x + w * 0.80, y + h * 0.16, x + w * 0.92, y + h * 0.22);
    pr.lineTo(x + w * 0.92, y + h * 0.82);
    pr.cubicTo(x + w * 0.80, y + h * 0.76, x + w * 0.62, y + h * 0.76, x + w * 0.50, y + h * 0.86);
    p.drawPath(l);
    p.drawPath(pr);
    p.drawLine(QPointF(x + w * 0.50, y + h * 0.26), QPointF(x + w * 0.50, y + h * 0.86));
}

void mys(QPainter &p, const QRectF &r, const QColor &barva)
{
    stav_t s(p);
    const qreal w = r.width(), h = r.height();
    const QRectF telo(r.left() + w * 0.22, r.top() + h * 0.08, w * 0.56, h * 0.84);
    p.setPen(pero(barva, r, 12));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(telo, telo.width() / 2, telo.width() / 2);
    p.drawLine(QPointF(telo.center().x(), telo.top()), QPointF(telo.center().x(), telo.top() + telo.height() * 0.38));
    p.drawLine(QPointF(telo.left(), telo.top() + telo.height() * 0.38),
               QPointF(telo.right(), telo.top() + telo.height() * 0.38));
    // The left button pressed.
    QPainterPath leve;
    leve.moveTo(telo.center().x(), telo.top());
    leve.arcTo(QRectF(telo.left(), telo.top(), telo.width(), telo.width()), 90, 90);
    leve.lineTo(telo.left(), telo.top() + telo.height() * 0.38);
    leve.lineTo(telo.center().x(), telo.top() + telo.height() * 0.38);
    leve.closeSubpath();
    p.setBrush(barva);
    p.drawPath(leve);
}

void odznak(QPainter &p, const QRectF &r, const QColor &barva, const QString &znak, const QColor &barva_znaku)
{
    stav_t s(p);
    p.setPen(Qt::NoPen);
    p.setBrush(barva);
    p.drawEllipse(r);
    const int px = static_cast<int>(r.height() * (znak.size() > 1 ? 0.52 : 0.64));
    kresleni::text(p, r, znak, vzhled::pismo(px, true), barva_znaku, Qt::AlignCenter);
}

void klavesa(QPainter &p, const QRectF &r, const QString &popis)
{
    stav_t s(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xa9, 0xb8, 0xcf));
    p.drawRoundedRect(r.adjusted(0, 1.5, 0, 1.5), 5, 5);
    p.setBrush(QColor(0xfb, 0xfc, 0xff));
    p.setPen(QPen(QColor(0x9f, 0xae, 0xc6), 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -1), 5, 5);
    QFont f = kresleni::vejdi_se(popis, vzhled::pismo(static_cast<int>(r.height() * 0.5), true),
                                 r.adjusted(4, 2, -4, -2).size(), 1, 8);
    kresleni::text(p, r.adjusted(2, 0, -2, -1.5), popis, f, vzhled::inkoust, Qt::AlignCenter);
}

} // namespace ikony
