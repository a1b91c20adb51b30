#include "veta_box.h"

#include "common/geometrie.h"
#include "ikony.h"
#include "kresleni.h"
#include "vzhled.h"

#include <QPainter>
#include <QPainterPath>

namespace gc = geometrie::cviceni;
using namespace vzhled;

namespace veta_box
{

namespace
{
constexpr int sirka_pruhu = 44;                                      // the speaker strip
constexpr int pravy_sloupec = gc::znacka_x - gc::prvni_veta.x() - 6; // separator of the mark column
constexpr int vychozi_x = gc::prvni_veta.x();
constexpr QColor okraj_boxu(0xbf, 0xcf, 0xe6);
constexpr QColor delici(0xd9, 0xe4, 0xf4);
constexpr int spodek_krytu[2] = {25, 45}; // where the bottom cover starts, per line count

QRect znacka_v_boxu() { return QRect(QPoint(gc::znacka_x - vychozi_x, 0), gc::znacka); }
} // namespace

int horni_okraj_repro(int radku)
{
    constexpr int oprava[3] = {-9, -2, 8};
    return 12 + oprava[radku - 1];
}

QImage box(int radku)
{
    QImage obrazek = kresleni::platno(gc::veta_box, papir);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    const int vyska = gc::vyska_boxu[radku - 1];
    const QRectF r(0.5, 0.5, gc::veta_box.width() - 1, vyska - 1);
    QPainterPath tvar;
    tvar.addRoundedRect(r, 9, 9);
    p.setPen(QPen(okraj_boxu, 1));
    p.setBrush(bila);
    p.drawPath(tvar);
    // The speaker strip: a tinted column on the left with the glyph under the label.
    p.save();
    p.setClipPath(tvar);
    p.fillRect(QRectF(1, 1, sirka_pruhu - 1, vyska - 2), pruh);
    p.restore();
    p.setPen(QPen(delici, 1));
    p.drawLine(QPointF(sirka_pruhu + 0.5, 1), QPointF(sirka_pruhu + 0.5, vyska - 1.5));
    p.drawLine(QPointF(pravy_sloupec + 0.5, 6), QPointF(pravy_sloupec + 0.5, vyska - 6.5));
    const QRectF repro(0, horni_okraj_repro(radku), gc::repro.width(), gc::repro.height());
    ikony::reproduktor(p, QRectF(repro.center().x() - 12, repro.center().y() - 10, 24, 20), modra);
    p.setPen(QPen(okraj_boxu, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tvar);
    return obrazek;
}

QImage kryt_levy(int radku)
{
    return kresleni::vyrez(box(radku), QRect(QPoint(0, 0), radku == 1 ? gc::kryt_levy_1 : gc::kryt_levy_2));
}

QImage kryt_spodni(int radku)
{
    const QSize velikost = radku == 1 ? gc::kryt_spodni_1 : gc::kryt_spodni_2;
    return kresleni::vyrez(box(radku), QRect(QPoint(0, spodek_krytu[radku - 1]), velikost));
}

QImage kryt_pravy(int radku)
{
    // Only the rows that the bottom cover leaves out are painted; the rows above, where text
    // may run past the right limit, are all key colour.
    QImage kryt = kresleni::vyrez(box(radku), QRect(QPoint(gc::kryt_pravy_x - vychozi_x, 0), gc::kryt_pravy));
    QPainter p(&kryt);
    p.fillRect(QRect(0, 0, kresleni::velikost(kryt).width(), spodek_krytu[radku - 1]), klic);
    return kryt;
}

QImage znacka(bool spravne)
{
    QImage obrazek = kresleni::vyrez(box(3), znacka_v_boxu());
    QPainter p(&obrazek);
    kresleni::priprav(p);
    const QRectF kruh(3.5, 5.5, 23, 23);
    kresleni::stin(p, kruh, 11.5, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(spravne ? zelena : cervena);
    p.drawEllipse(kruh);
    if (spravne)
        ikony::fajka(p, kruh.adjusted(3, 3, -3, -3), bila);
    else
        ikony::krizik(p, kruh.adjusted(2, 2, -2, -2), bila);
    return obrazek;
}

QImage bublina(int radku)
{
    const int vyska = gc::bublina_vyska[radku - 1];
    const int telo = vyska - 10;
    QImage obrazek = kresleni::platno(QSize(gc::bublina_sirka, vyska), papir);
    QPainterPath tvar;
    tvar.addRoundedRect(QRectF(0.5, 0.5, gc::bublina_sirka - 1, telo), 7, 7); // the answer label at (4, 2) stays on it
    QPainterPath spicka;
    const qreal x = gc::bublina_spicka_x + 0.5;
    spicka.moveTo(x - 10, telo - 1);
    spicka.lineTo(x, vyska - 0.5);
    spicka.lineTo(x + 10, telo - 1);
    spicka.closeSubpath();
    tvar = tvar.united(spicka).simplified();
    {
        QPainter p(&obrazek);
        kresleni::priprav(p);
        p.setPen(QPen(QColor(0xe0, 0xa9, 0x2e), 1.5));
        p.setBrush(QColor(0xff, 0xf8, 0xdc));
        p.drawPath(tvar);
    }
    kresleni::klic_mimo(obrazek, tvar, klic);
    return obrazek;
}

QImage pocitadlo(int zbyva)
{
    QImage obrazek = kresleni::platno(gc::pocitadlo, papir);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    ikony::odznak(p, QRectF(1, 1, 19, 19), zbyva > 0 ? modra : seda, QString::number(zbyva), bila);
    return obrazek;
}

namespace
{
QImage posuvne(const QColor &barva, const QString &popis, bool tiskarna)
{
    const QSize velikost = geometrie::posuvne_tlacitko;
    QImage obrazek = kresleni::platno(velikost, papir);
    QPainterPath tvar;
    tvar.addRoundedRect(QRectF(0, 0, velikost.width(), velikost.height()), velikost.height() / 2.0,
                        velikost.height() / 2.0);
    {
        QPainter p(&obrazek);
        kresleni::priprav(p);
        kresleni::dlazdice(p, QRectF(0, 0, velikost.width(), velikost.height()),
                           {barva, QColor(), velikost.height() / 2.0, 0, true});
        const QRectF ikona(tiskarna ? 10 : velikost.width() - 28, 3, 17, 17);
        if (tiskarna)
            ikony::tiskarna(p, ikona, bila);
        else
            ikony::sipka_vpred(p, ikona, bila);
        const QRectF text = tiskarna ? QRectF(30, 0, velikost.width() - 38, velikost.height())
                                     : QRectF(10, 0, velikost.width() - 40, velikost.height());
        kresleni::text(p, text.adjusted(0, -1, 0, 0), popis, pismo(14, true), bila, Qt::AlignCenter);
    }
    kresleni::klic_mimo(obrazek, tvar, klic);
    return obrazek;
}
} // namespace

QImage pokracuj() { return posuvne(zelena, QStringLiteral("Pokračuj"), false); }
QImage tiskni() { return posuvne(modra, QStringLiteral("Vytlač"), true); }

} // namespace veta_box
