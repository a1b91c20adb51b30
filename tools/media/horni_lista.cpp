#include "horni_lista.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "ikony.h"
#include "kresleni.h"
#include "vzhled.h"

#include <QLinearGradient>
#include <QPainter>

using namespace vzhled;

namespace horni_lista
{

void pozadi(QPainter &p)
{
    p.save();
    const QRect r(0, 0, geometrie::sirka_obrazovky, vyska);
    QLinearGradient prechod(r.topLeft(), r.bottomLeft());
    prechod.setColorAt(0, QColor(0x33, 0x72, 0xe6));
    prechod.setColorAt(1, QColor(0x25, 0x5a, 0xc9));
    p.fillRect(r, prechod);
    p.fillRect(QRect(0, vyska - 1, r.width(), 1), QColor(0x1b, 0x45, 0xa0));
    p.restore();
}

void tlacitko(QPainter &p, const QRect &tvar, ikona_t ikona, const QString &popis, bool hover)
{
    const QRectF r(tvar);
    kresleni::dlazdice(p, r, {hover ? zluta : bila, QColor(), 14, 4, true});
    const QColor barva = hover ? inkoust : modra;
    const QRectF misto(r.center().x() - 17, r.top() + 9, 34, 34);
    switch (ikona) {
    case ikona_t::kontrola: ikony::fajka(p, misto, barva); break;
    case ikona_t::nove_vety: ikony::obnovit(p, misto, barva); break;
    case ikona_t::tabulka: ikony::pohar(p, misto, barva); break;
    case ikona_t::zpet: ikony::sipka_zpet(p, misto, barva); break;
    }
    const QFont f = kresleni::vejdi_se(popis, pismo(13, true), QSizeF(r.width() - 6, 18), 1, 10);
    kresleni::text(p, QRectF(r.left(), r.bottom() - 24, r.width(), 18), popis, f, inkoust, Qt::AlignCenter);
}

QImage zalozka(int rocnik, int tema, druh_t druh)
{
    QImage obrazek = kresleni::platno(geometrie::cviceni::zalozka, modra);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    pozadi(p);
    const QSize rozmer = kresleni::velikost(obrazek);
    const QRectF karta(6, 6, rozmer.width() - 12, rozmer.height() - 11);
    kresleni::dlazdice(p, karta, {bila, QColor(), 14, 4, true});
    // Grade and kind as two coloured chips, the topic under them.
    const QString rocnik_text = katalog_temat::nazev_rocniku(rocnik);
    const QFont f_cip = pismo(12, true);
    const QRectF cip_r(karta.left() + 10, karta.top() + 8, kresleni::sirka_textu(rocnik_text, f_cip) + 16, 19);
    kresleni::dlazdice(p, cip_r, {barva_rocniku(rocnik), QColor(), 9.5, 0, false});
    kresleni::text(p, cip_r, rocnik_text, f_cip, bila, Qt::AlignCenter);
    const QString druh_text = nazev_druhu(druh);
    const QRectF cip_d(cip_r.right() + 6, cip_r.top(), kresleni::sirka_textu(druh_text, f_cip) + 16, 19);
    kresleni::dlazdice(p, cip_d, {barva_druhu(druh), QColor(), 9.5, 0, false});
    kresleni::text(p, cip_d, druh_text, f_cip, bila, Qt::AlignCenter);
    const QRectF nazev(karta.left() + 11, cip_r.bottom() + 3, karta.width() - 20, karta.bottom() - cip_r.bottom() - 7);
    const QString tema_text = nazev_temy(rocnik, tema);
    const QFont f = kresleni::vejdi_se(tema_text, pismo(17, true), nazev.size(), 2, 11);
    kresleni::text(p, nazev, tema_text, f, inkoust, Qt::AlignLeft | Qt::AlignVCenter, 0.95);
    return obrazek;
}

} // namespace horni_lista
