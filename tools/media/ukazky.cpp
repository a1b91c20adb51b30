#include "ukazky.h"

#include "common/geometrie.h"
#include "ikony.h"
#include "kresleni.h"
#include "scena_nastaveni.h"
#include "vzhled.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace gn = geometrie::nastaveni;
using namespace vzhled;

namespace ukazky
{

namespace
{
constexpr qreal vyska_vety = 34;
const QFont &pismo_stranky()
{
    static const QFont f = pismo(16);
    return f;
}
} // namespace

QList<qreal> kresli_vetu(QPainter &p, QPointF kde, qreal sirka, const QList<kus_t> &kusy, bool hraje)
{
    const QRectF box(kde.x() + 0.5, kde.y() + 0.5, sirka - 1, vyska_vety - 1);
    p.save();
    QPainterPath tvar;
    tvar.addRoundedRect(box, 9, 9);
    p.setPen(QPen(QColor(0xbf, 0xcf, 0xe6), 1));
    p.setBrush(bila);
    p.drawPath(tvar);
    p.setClipPath(tvar);
    p.fillRect(QRectF(box.left(), box.top(), 34, box.height()), pruh);
    p.setClipping(false);
    const QRectF repro(box.left() + 6, box.top() + 7, 24, 20);
    if (hraje) {
        p.setPen(Qt::NoPen);
        p.setBrush(zesvetli(modra, 0.75));
        p.drawEllipse(repro.center(), 14, 14);
    }
    ikony::reproduktor(p, repro, modra);

    const QFontMetricsF m(pismo_stranky());
    qreal x = box.left() + 42;
    const qreal zaklad = box.top() + 5 + m.ascent();
    QList<qreal> zacatky;
    p.setFont(pismo_stranky());
    for (const kus_t &k : kusy) {
        zacatky.append(x);
        const qreal w = std::max(m.horizontalAdvance(k.text), k.typ == kus_t::typ_t::text ? 0.0 : 12.0) +
                        (k.typ == kus_t::typ_t::text || k.typ == kus_t::typ_t::chyba ? 0 : 4);
        const QRectF pole(x, box.top() + 6, w, 22);
        switch (k.typ) {
        case kus_t::typ_t::text:
        case kus_t::typ_t::chyba:
            p.setPen(inkoust);
            p.drawText(QPointF(x, zaklad), k.text);
            if (k.typ == kus_t::typ_t::chyba) {
                // A wavy red underline under the planted mistake.
                QPainterPath vlnka;
                const qreal y = zaklad + 3;
                vlnka.moveTo(x, y);
                for (qreal v = x; v < x + w; v += 4)
                    vlnka.quadTo(v + 1, y + (static_cast<int>((v - x) / 4) % 2 ? 2.5 : -2.5), v + 2, y);
                p.setPen(QPen(cervena, 1.4));
                p.setBrush(Qt::NoBrush);
                p.drawPath(vlnka);
            }
            break;
        case kus_t::typ_t::policko:
        case kus_t::typ_t::vyber:
        case kus_t::typ_t::kurzor:
            p.setPen(QPen(QColor(0xd9, 0xb8, 0x5a), 1));
            p.setBrush(policko);
            p.drawRect(pole.adjusted(0.5, 0.5, -0.5, -0.5));
            p.setPen(inkoust);
            p.drawText(QPointF(x + 2, zaklad), k.text);
            if (k.typ == kus_t::typ_t::kurzor) {
                const qreal kx = x + 3 + m.horizontalAdvance(k.text);
                p.setPen(QPen(inkoust, 1.2));
                p.drawLine(QPointF(kx, pole.top() + 4), QPointF(kx, pole.bottom() - 4));
            }
            break;
        }
        x += w;
    }
    p.restore();
    return zacatky;
}

namespace
{

struct popis_t {
    const char16_t *text;
    const char16_t *text_souvisly;
};

popis_t popis(druh_t druh)
{
    switch (druh) {
    case druh_t::vyberovka:
        return {u"Klikni na žlté políčko a zo zoznamu vyber správny tvar.",
                u"Vety tvoria súvislý text. Klikni na žlté políčko a vyber správny tvar."};
    case druh_t::doplnovacka:
        return {u"Do žltých políčok dopíš, čo chýba: písmeno, slovo či čiarku.",
                u"Vety tvoria súvislý text. Do žltých políčok dopíš, čo chýba."};
    case druh_t::diktat:
        return {u"Vypočuj si vetu a napíš ju celú, aj s čiarkami a bodkou.",
                u"Vypočuj si vetu a napíš ju. Číslo ukazuje, koľkokrát ju ešte počuješ."};
    case druh_t::oprava:
        return {u"Vo vetách sú ukryté chyby. Nájdi ich a oprav priamo vo vete.",
                u"Vety tvoria súvislý text s ukrytými chybami. Nájdi ich a oprav."};
    }
    return {u"", u""};
}

void ukazka_vyberu(QPainter &p, QPointF kde, qreal sirka)
{
    using t = kus_t::typ_t;
    const QList<qreal> x = kresli_vetu(p, kde, sirka,
                                       {{t::text, QStringLiteral("Na strome spievali malé vták")},
                                        {t::vyber, QStringLiteral("y")},
                                        {t::text, QStringLiteral(".")}});
    // The open list under the choice label, the pointer on the right form.
    const QRectF zoznam(x[1], kde.y() + 28, 24, 36);
    p.save();
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xbf), 1));
    p.setBrush(policko);
    p.drawRect(zoznam.adjusted(0.5, 0.5, -0.5, -0.5));
    p.fillRect(QRectF(zoznam.left() + 1, zoznam.top() + 1, zoznam.width() - 2, 17), modra);
    p.setFont(pismo_stranky());
    p.setPen(bila);
    p.drawText(QPointF(zoznam.left() + 4, zoznam.top() + 15), QStringLiteral("y"));
    p.setPen(inkoust);
    p.drawText(QPointF(zoznam.left() + 4, zoznam.top() + 32), QStringLiteral("i"));
    p.restore();
}

void ukazka_doplnovani(QPainter &p, QPointF kde, qreal sirka)
{
    using t = kus_t::typ_t;
    kresli_vetu(p, kde, sirka,
                {{t::text, QStringLiteral("Deti sa hral")},
                 {t::policko, QStringLiteral("i")},
                 {t::text, QStringLiteral(" vonku")},
                 {t::kurzor, QString()},
                 {t::text, QStringLiteral(" lebo svietilo slnko.")}});
}

void ukazka_diktatu(QPainter &p, QPointF kde, qreal sirka)
{
    kresli_vetu(p, kde, sirka, {}, true);
    const QRectF pole(kde.x() + 40, kde.y() + 5, sirka - 48, 24);
    p.save();
    p.setPen(QPen(QColor(0xa9, 0xb8, 0xcf), 1));
    p.setBrush(bila);
    p.drawRect(pole.adjusted(0.5, 0.5, -0.5, -0.5));
    const QString napsano = QStringLiteral("Vonku sneží a fúka studený vie");
    p.setFont(pismo_stranky());
    p.setPen(inkoust);
    const QFontMetricsF m(pismo_stranky());
    p.drawText(QPointF(pole.left() + 3, pole.top() + 2 + m.ascent()), napsano);
    const qreal kx = pole.left() + 4 + m.horizontalAdvance(napsano);
    p.setPen(QPen(inkoust, 1.2));
    p.drawLine(QPointF(kx, pole.top() + 4), QPointF(kx, pole.bottom() - 4));
    p.restore();
}

void ukazka_opravy(QPainter &p, QPointF kde, qreal sirka)
{
    using t = kus_t::typ_t;
    const QList<qreal> x = kresli_vetu(p, kde, sirka,
                                       {{t::text, QStringLiteral("Chlapci sa ")},
                                        {t::chyba, QStringLiteral("hraly")},
                                        {t::text, QStringLiteral(" s loptou na ihrisku.")}});
    // The correction, shown under the mistake.
    const QRectF oprava(x[1] - 10, kde.y() + 38, 104, 20);
    kresleni::dlazdice(p, oprava, {zesvetli(zelena, 0.85), QColor(), 10, 0, false});
    kresleni::text(p, oprava, QStringLiteral("hraly → hrali"), pismo(13, true), ztmav(zelena, 0.25), Qt::AlignCenter);
}

} // namespace

QImage ukazka(druh_t druh, bool souvisly)
{
    const QRect misto(gn::ukazka, gn::ukazka_obrazek);
    QImage obrazek = kresleni::vyrez(scena_nastaveni::kresli({.misto_ukazky = false}), misto);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    const QColor barva = barva_druhu(druh);
    const QRectF karta(1, 1, misto.width() - 2, misto.height() - 4);
    kresleni::dlazdice(p, karta, {bila, zesvetli(barva, 0.4), 14, 3, false});

    // Left: the kind and what to do.
    const QFont f_cip = pismo(13, true);
    const QString nazev = nazev_druhu(druh);
    const QRectF cip(karta.left() + 12, karta.top() + 10, kresleni::sirka_textu(nazev, f_cip) + 18, 21);
    kresleni::dlazdice(p, cip, {barva, QColor(), 10.5, 0, false});
    kresleni::text(p, cip, nazev, f_cip, bila, Qt::AlignCenter);
    const popis_t t = popis(druh);
    const QString text = QString::fromUtf16(souvisly ? t.text_souvisly : t.text);
    const QRectF misto_textu(karta.left() + 12, cip.bottom() + 6, 164, karta.bottom() - cip.bottom() - 12);
    const QFont f = kresleni::vejdi_se(text, pismo(14), misto_textu.size(), 3, 11);
    kresleni::text(p, misto_textu, text, f, inkoust, Qt::AlignLeft | Qt::AlignTop);

    // Right: a piece of the exercise page.
    const QRectF stranka(184, 8, misto.width() - 192, misto.height() - 18);
    kresleni::dlazdice(p, stranka, {papir, QColor(0xdd, 0xe7, 0xf5), 10, 0, false});
    qreal levy = stranka.left() + 10;
    if (souvisly) {
        levy += 26;
    }
    // The choice list, the correction and the whole-text tag go below the sentence; otherwise
    // it stands centred.
    const bool pod_vetou = druh == druh_t::vyberovka || druh == druh_t::oprava || souvisly;
    const QPointF kde(levy, pod_vetou ? stranka.top() + 7 : stranka.center().y() - 17);
    const qreal sirka = stranka.right() - 10 - levy;
    if (souvisly) {
        ikony::odznak(p, QRectF(stranka.left() + 10, kde.y() + 7, 19, 19), modra, QStringLiteral("2"), bila);
        // The whole-text tag in the free corner under the sentence.
        const QString s = QStringLiteral("súvislý text");
        const QFont f_s = pismo(12, true);
        const qreal w = kresleni::sirka_textu(s, f_s) + 14;
        const QRectF cip2(stranka.right() - 8 - w, stranka.bottom() - 27, w, 20);
        kresleni::dlazdice(p, cip2, {zesvetli(barva, 0.82), QColor(), 10, 0, false});
        kresleni::text(p, cip2, s, f_s, ztmav(barva, 0.2), Qt::AlignCenter);
    }
    switch (druh) {
    case druh_t::vyberovka: ukazka_vyberu(p, kde, sirka); break;
    case druh_t::doplnovacka: ukazka_doplnovani(p, kde, sirka); break;
    case druh_t::diktat: ukazka_diktatu(p, kde, sirka); break;
    case druh_t::oprava: ukazka_opravy(p, kde, sirka); break;
    }
    return obrazek;
}

} // namespace ukazky
