#include "scena_cviceni.h"

#include "common/geometrie.h"
#include "horni_lista.h"
#include "kresleni.h"
#include "pozadi.h"
#include "vzhled.h"

#include <QPainter>

namespace gc = geometrie::cviceni;
namespace gt = geometrie::tabulka;
using namespace vzhled;

namespace scena_cviceni
{

QRect obrazek_tlacitka(int i) { return QRect(gc::tlacitka_hover[i], gc::tlacitko_hover); }
QRect obrazek_zpet_tabulky() { return QRect(gt::zpet_obrazek, gt::zpet_velikost); }

QRect tvar_tlacitka(int i)
{
    QRect tvar = gc::tlacitka[i].intersected(obrazek_tlacitka(i));
    if (i == 3)
        tvar = tvar.intersected(gt::zpet).intersected(obrazek_zpet_tabulky());
    return tvar;
}

namespace
{

struct tlacitko_t {
    horni_lista::ikona_t ikona;
    const char16_t *popis;
};
constexpr tlacitko_t tlacitka[4] = {{horni_lista::ikona_t::kontrola, u"Skontroluj"},
                                    {horni_lista::ikona_t::nove_vety, u"Nové vety"},
                                    {horni_lista::ikona_t::tabulka, u"Tabuľka"},
                                    {horni_lista::ikona_t::zpet, u"Späť"}};

void tlacitko(QPainter &p, int i, bool hover)
{
    horni_lista::tlacitko(p, tvar_tlacitka(i), tlacitka[i].ikona, QString::fromUtf16(tlacitka[i].popis), hover);
}

// The sky under the bar, and a card around the page area that the exercise clears.
void stranka(QPainter &p, const QColor &vypln)
{
    pozadi::nebe(
        p, QRect(0, horni_lista::vyska, geometrie::sirka_obrazovky, geometrie::vyska_obrazovky - horni_lista::vyska));
    const QRectF ram = QRectF(gc::stranka).adjusted(-1, -1, 1, 1);
    kresleni::stin(p, ram, 4, 4);
    p.save();
    p.setPen(QPen(okraj, 1));
    p.setBrush(vypln);
    p.drawRect(ram.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

} // namespace

QImage kresli(int hover)
{
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, papir);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    horni_lista::pozadi(p);
    stranka(p, papir);
    for (int i = 0; i < 4; ++i)
        tlacitko(p, i, hover == i);
    return obrazek;
}

QImage tabulka(bool hover_zpet)
{
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, bila);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    horni_lista::pozadi(p);
    stranka(p, bila);
    tlacitko(p, 3, hover_zpet);
    kresleni::text(p, QRectF(282, 14, 260, 32), QStringLiteral("Tabuľka"), pismo(27, true), bila,
                   Qt::AlignLeft | Qt::AlignVCenter);
    kresleni::text(p, QRectF(283, 46, 260, 20), QStringLiteral("desať najlepších výsledkov"), pismo(14),
                   QColor(0xd6, 0xe3, 0xff), Qt::AlignLeft | Qt::AlignVCenter);

    // The table is also shown in the middle of an exercise, when nothing is red yet.
    kresleni::text(p, QRectF(30, 96, 580, 22),
                   QStringLiteral("Ak sa po cvičení dostaneš medzi desať najlepších, tvoj výsledok bude červený."),
                   pismo(13), inkoust_jemny, Qt::AlignLeft | Qt::AlignVCenter);
    // Column heads over the label columns, on a band.
    const QRectF pas(20, 126, 600, 30);
    kresleni::dlazdice(p, pas, {zesvetli(modra, 0.86), QColor(), 8, 0, false});
    const char16_t *hlavicky[] = {u"Poradie", u"Meno", u"Správne", u"Nesprávne", u"Známka"};
    for (int s = 0; s < 5; ++s) {
        const QRect sloupec = gt::sloupce[s];
        const QRectF r(sloupec.left() - 6, pas.top(), sloupec.width() + 12, pas.height());
        const QString text = QString::fromUtf16(hlavicky[s]);
        const QFont f = kresleni::vejdi_se(text, pismo(14, true), r.size() - QSizeF(2, 4), 1, 10);
        kresleni::text(p, r, text, f, modra_tmava, s == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
    // Row stripes behind the ten label rows; the first three get a medal colour at the left.
    const QColor medaile[3] = {QColor(0xf2, 0xb7, 0x05), QColor(0xa8, 0xb3, 0xc4), QColor(0xcd, 0x7f, 0x32)};
    for (int i = 0; i < gt::pocet_radku; ++i) {
        const int y = gt::sloupce[0].top() + gt::krok_radku * i;
        const QRectF radek(20, y - 4, 600, gt::sloupce[0].height() + 8);
        if (i % 2 == 0)
            kresleni::dlazdice(p, radek, {QColor(0xf3, 0xf7, 0xfd), QColor(), 6, 0, false});
        if (i < 3)
            kresleni::dlazdice(p, QRectF(20, radek.top() + 4, 5, radek.height() - 8),
                               {medaile[i], QColor(), 2.5, 0, false});
    }
    return obrazek;
}

} // namespace scena_cviceni
