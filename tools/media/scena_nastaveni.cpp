#include "scena_nastaveni.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "ikony.h"
#include "kresleni.h"
#include "pozadi.h"
#include "vzhled.h"

#include <QPainter>
#include <QtMath>
#include <cmath>

namespace gn = geometrie::nastaveni;
using namespace vzhled;

namespace scena_nastaveni
{

QRect obrazek_cisla(int plocha) { return QRect(gn::cislo[plocha], gn::cislo_obrazek[plocha]); }
QRect obrazek_druhu(int plocha) { return QRect(gn::druh[plocha - 6], gn::druh_obrazek); }
QRect obrazek_sipky_poctu() { return QRect(gn::sipka_poctu, gn::sipka_poctu_obrazek); }
QRect obrazek_sipky_druhu() { return QRect(gn::sipka_druhu, gn::sipka_druhu_obrazek); }
QRect obrazek_napovedy() { return QRect(gn::napoveda_prepinac, gn::napoveda_obrazek); }
QRect obrazek_zpet() { return QRect(gn::zpet_hover, gn::zpet_obrazek); }

QRect tvar_plochy(int plocha)
{
    const QRect hit = gn::plochy[plocha];
    if (plocha <= 3)
        return hit.intersected(obrazek_cisla(plocha));
    if (plocha >= 6 && plocha <= 9)
        return hit.intersected(obrazek_druhu(plocha));
    if (plocha == 10)
        return hit.intersected(obrazek_napovedy());
    if (plocha == 11)
        return hit.intersected(obrazek_zpet());
    return hit;
}

namespace
{

constexpr int pocty[6] = {5, 10, 15, 20, 25, 30};
// Kind areas 6..9 in screen order: DIKTAT, OPRAVA, DOPLNOVACKA, VYBEROVKA.
constexpr druh_t druhy_ploch[4] = {druh_t::diktat, druh_t::oprava, druh_t::doplnovacka, druh_t::vyberovka};

QPointF stred_sipky_poctu() { return QRectF(obrazek_sipky_poctu()).center(); }
QPointF stred_sipky_druhu() { return QRectF(obrazek_sipky_druhu()).center(); }

void zahlavi(QPainter &p, const stav_t &stav)
{
    const QRectF r = QRectF(gn::help).adjusted(0, 0, -1, -1);
    kresleni::dlazdice(p, r, {bila, okraj, 16, 4, true});
    if (stav.rocnik > 0) {
        const QColor barva = barva_rocniku(stav.rocnik);
        ikony::odznak(p, QRectF(r.left() + 12, r.top() + 14, 44, 44), barva, QString::number(stav.rocnik + 4), bila);
        kresleni::text(p, QRectF(r.left() + 68, r.top() + 8, 380, 18), katalog_temat::nazev_rocniku(stav.rocnik),
                       pismo(13, true), barva, Qt::AlignLeft | Qt::AlignVCenter);
        const QRectF nazev(r.left() + 67, r.top() + 26, 370, 42);
        const QString tema = nazev_temy(stav.rocnik, stav.tema);
        const QFont f = kresleni::vejdi_se(tema, pismo(24, true), nazev.size(), 2, 13);
        kresleni::text(p, nazev, tema, f, inkoust, Qt::AlignLeft | Qt::AlignVCenter, 0.95);
    }
    // The whole header opens the help picture: a question badge says so.
    const QRectF pomoc(r.right() - 84, r.top() + 20, 72, 32);
    kresleni::dlazdice(p, pomoc, {zesvetli(modra, 0.88), QColor(), 16, 0, false});
    ikony::odznak(p, QRectF(pomoc.left() + 5, pomoc.top() + 5, 22, 22), modra, QStringLiteral("?"), bila);
    kresleni::text(p, pomoc.adjusted(30, 0, -4, 0), QStringLiteral("Pomoc"), pismo(13, true), modra,
                   Qt::AlignLeft | Qt::AlignVCenter);
}

void navod(QPainter &p, bool souvisly)
{
    kresleni::text(p, QRectF(20, 88, 600, 22),
                   QStringLiteral("Vyber počet viet a druh cvičenia, napíš svoje meno a klikni na Pokračuj."),
                   pismo(15, true), inkoust, Qt::AlignCenter);
    if (souvisly)
        kresleni::text(p, QRectF(30, 111, 580, 36),
                       QStringLiteral("Súvislý diktát: číslo určuje, koľkokrát si môžeš každú vetu vypočuť – "
                                      "5: raz, 10: dvakrát, 15: trikrát, 20: bez obmedzenia."),
                       pismo(13), inkoust_jemny, Qt::AlignCenter);
}

void misto_ukazky(QPainter &p)
{
    const QRectF r = QRectF(QRect(gn::ukazka, gn::ukazka_obrazek)).adjusted(1, 1, -1, -1);
    p.save();
    QPen pen(QColor(0xa9, 0xbe, 0xdd), 1.5, Qt::DashLine);
    pen.setDashPattern({5, 4});
    p.setPen(pen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRoundedRect(r, 14, 14);
    p.restore();
    kresleni::text(p, r, QStringLiteral("Keď si vyberieš druh cvičenia, tu uvidíš, ako vyzerá."), pismo(15),
                   inkoust_jemny, Qt::AlignCenter);
}

void rucicka(QPainter &p, QPointF stred, QPointF cil, qreal delka, const QColor &barva)
{
    const QPointF smer = cil - stred;
    const qreal d = std::hypot(smer.x(), smer.y());
    const QPointF u = smer / d;
    const QPointF kolmo(-u.y(), u.x());
    QPainterPath cesta;
    const QPointF spicka = stred + u * delka;
    cesta.moveTo(spicka);
    cesta.lineTo(stred + u * (delka - 11) + kolmo * 6.5);
    cesta.lineTo(stred + u * (delka - 9) + kolmo * 2.5);
    cesta.lineTo(stred + kolmo * 2.5);
    cesta.lineTo(stred - kolmo * 2.5);
    cesta.lineTo(stred + u * (delka - 9) - kolmo * 2.5);
    cesta.lineTo(stred + u * (delka - 11) - kolmo * 6.5);
    cesta.closeSubpath();
    p.save();
    p.setPen(QPen(ztmav(barva, 0.15), 1));
    p.setBrush(barva);
    p.drawPath(cesta);
    p.restore();
}

void stred_ciferniku(QPainter &p, QPointF stred, qreal polomer)
{
    const QRectF r(stred.x() - polomer, stred.y() - polomer, 2 * polomer, 2 * polomer);
    kresleni::stin(p, r, polomer, 2);
    p.save();
    p.setPen(QPen(okraj, 1));
    p.setBrush(bila);
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(modra);
    p.drawEllipse(stred, polomer * 0.4, polomer * 0.4);
    p.restore();
}

void cifernik_poctu(QPainter &p, const stav_t &stav)
{
    const QPointF stred = stred_sipky_poctu();
    p.save();
    p.setPen(QPen(QColor(0xc6, 0xd6, 0xee), 2, Qt::DotLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(stred, 82, 82);
    p.restore();
    kresleni::text(p, QRectF(16, 242, 112, 24), QStringLiteral("Počet viet"), pismo(16, true), inkoust,
                   Qt::AlignLeft | Qt::AlignVCenter);
    for (int a = 0; a < 6; ++a) {
        const QRectF tvar = tvar_plochy(a);
        const bool zvoleno = stav.pocet == a;
        const bool zakazano = a >= 4;
        const QColor vypln = zakazano ? QColor(0xe9, 0xee, 0xf5) : zvoleno ? modra : bila;
        const QColor hrana = zakazano ? QColor(0xd3, 0xdb, 0xe7) : zvoleno ? QColor() : okraj;
        kresleni::dlazdice(p, tvar, {vypln, hrana, tvar.height() / 2, zakazano ? 0 : 2, !zakazano});
        const QColor barva_textu = zakazano ? seda : zvoleno ? bila : inkoust;
        kresleni::text(p, tvar, QString::number(pocty[a]), pismo(14, true), barva_textu, Qt::AlignCenter);
    }
    if (stav.pocet >= 0)
        rucicka(p, stred, QRectF(gn::plochy[stav.pocet]).center(), 40, modra);
    stred_ciferniku(p, stred, 13);
}

void cifernik_druhu(QPainter &p, const stav_t &stav)
{
    const QPointF stred = stred_sipky_druhu();
    kresleni::text(p, QRectF(433, 250, 68, 40), QStringLiteral("Druh\ncvičenia"), pismo(13, true), inkoust,
                   Qt::AlignCenter);
    // Dotted spokes from the hub to the four kinds: one dial, four choices.
    p.save();
    p.setPen(QPen(QColor(0xc6, 0xd6, 0xee), 2, Qt::DotLine, Qt::RoundCap));
    for (int a = 6; a <= 9; ++a)
        p.drawLine(stred, QRectF(tvar_plochy(a)).center());
    p.restore();
    for (int a = 6; a <= 9; ++a) {
        const druh_t druh = druhy_ploch[a - 6];
        const QColor barva = barva_druhu(druh);
        const QRectF tvar = tvar_plochy(a);
        const bool zvoleno = stav.druh == a;
        kresleni::dlazdice(
            p, tvar, {zvoleno ? barva : bila, zvoleno ? QColor() : barva, std::min(10.0, tvar.height() / 2), 2, true});
        const QString nazev = nazev_druhu(druh);
        const QFont f = kresleni::vejdi_se(nazev, pismo(15, true), tvar.size() - QSizeF(6, 2), 1, 10);
        kresleni::text(p, tvar, nazev, f, zvoleno ? bila : ztmav(barva, 0.1), Qt::AlignCenter);
    }
    if (stav.druh >= 0)
        rucicka(p, stred, QRectF(gn::plochy[stav.druh]).center(), 29, barva_druhu(druhy_ploch[stav.druh - 6]));
    stred_ciferniku(p, stred, 11);
}

void dole(QPainter &p, const stav_t &stav)
{
    // Help on start: a tick box with its label on the left.
    kresleni::text(p, QRectF(300, 415, 120, 32), QStringLiteral("Ukáž pomoc\nna začiatku"), pismo(13, true), inkoust,
                   Qt::AlignRight | Qt::AlignVCenter);
    const QRectF box = tvar_plochy(10);
    kresleni::dlazdice(p, box, {stav.napoveda ? modra : bila, stav.napoveda ? QColor() : okraj, 6, 2, true});
    if (stav.napoveda)
        ikony::fajka(p, box.adjusted(3, 3, -3, -3), bila);
    // The name box: the screen's line edit sits inside this frame.
    kresleni::text(p, QRectF(gn::jmeno.left() - 2, 398, 150, 18), QStringLiteral("Tvoje meno:"), pismo(13, true),
                   inkoust, Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF ram = QRectF(gn::jmeno).adjusted(-3, -3, 3, 3);
    kresleni::dlazdice(p, ram, {bila, modra, 6, 2, false});
}

void zpet(QPainter &p, bool hover)
{
    const QRectF tvar = tvar_plochy(11);
    kresleni::dlazdice(p, tvar, {hover ? zluta : bila, hover ? QColor() : okraj, 14, 4, true});
    ikony::sipka_zpet(p, QRectF(tvar.center().x() - 17, tvar.top() + 10, 34, 34), hover ? inkoust : modra);
    kresleni::text(p, QRectF(tvar.left(), tvar.bottom() - 26, tvar.width(), 18), QStringLiteral("Späť"),
                   pismo(13, true), inkoust, Qt::AlignCenter);
}

} // namespace

QImage kresli(const stav_t &stav)
{
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, nebe);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    pozadi::nebe(p, obrazek.rect());
    zahlavi(p, stav);
    zpet(p, stav.hover_zpet);
    navod(p, stav.souvisly);
    if (stav.misto_ukazky)
        misto_ukazky(p);
    cifernik_poctu(p, stav);
    cifernik_druhu(p, stav);
    dole(p, stav);
    return obrazek;
}

} // namespace scena_nastaveni
