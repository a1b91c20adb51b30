#include "scena_menu.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "ikony.h"
#include "kresleni.h"
#include "pozadi.h"
#include "vzhled.h"

#include <QPainter>

namespace g = geometrie::menu;
using namespace vzhled;

namespace scena_menu
{

QRect obrazek_rocniku(int r) { return QRect(g::rocnik(r), g::rocnik_obrazek); }
QRect obrazek_konce() { return QRect(g::hover[5], g::konec_obrazek); }

QRect tvar_plochy(int plocha)
{
    const QRect obrazek = plocha < 5 ? obrazek_rocniku(plocha) : obrazek_konce();
    return g::plochy[plocha].intersected(obrazek);
}

namespace
{

constexpr QRect karta_temat(322, 92, 235, 380);

void zahlavi(QPainter &p)
{
    const QRectF r = QRectF(g::autori).adjusted(0, 1, -1, -1);
    kresleni::dlazdice(p, r, {bila, okraj, 16, 4, true});
    // The program's mark: a rounded square with a tick over a letter.
    const QRectF znak(r.left() + 12, r.top() + 11, 50, 50);
    kresleni::dlazdice(p, znak, {modra, QColor(), 13, 0, true});
    kresleni::text(p, znak.adjusted(0, -2, 0, 0), QStringLiteral("Áa"), pismo(22, true), bila, Qt::AlignCenter);
    kresleni::text(p, QRectF(r.left() + 76, r.top() + 9, 330, 34), QStringLiteral("Ortanel – Verbano 2"),
                   pismo(27, true), inkoust, Qt::AlignLeft | Qt::AlignVCenter);
    kresleni::text(p, QRectF(r.left() + 77, r.top() + 43, 330, 20),
                   QStringLiteral("Slovenský pravopis a interpunkcia pre 5. – 9. ročník"), pismo(13), inkoust_jemny,
                   Qt::AlignLeft | Qt::AlignVCenter);
    // The whole header opens the credits: say so in its corner.
    const QRectF info(r.right() - 118, r.top() + 23, 106, 26);
    kresleni::dlazdice(p, info, {zesvetli(modra, 0.88), QColor(), 13, 0, false});
    ikony::odznak(p, QRectF(info.left() + 5, info.top() + 4, 18, 18), modra, QStringLiteral("i"), bila);
    kresleni::text(p, info.adjusted(28, 0, -6, 0), QStringLiteral("O programe"), pismo(12, true), modra,
                   Qt::AlignLeft | Qt::AlignVCenter);
}

void tlacitko_rocniku(QPainter &p, int r, bool hover)
{
    const QRectF tvar = tvar_plochy(r);
    const QColor barva = barva_rocniku(r + 1);
    kresleni::dlazdice(p, tvar, {hover ? barva : bila, hover ? QColor() : okraj, 14, 3, true});
    const qreal d = std::min(36.0, tvar.height() - 12);
    const QRectF odznak(tvar.left() + 12, tvar.center().y() - d / 2, d, d);
    ikony::odznak(p, odznak, hover ? bila : barva, QString::number(r + 5), hover ? barva : bila);
    kresleni::text(p, QRectF(odznak.right() + 14, tvar.top(), 180, tvar.height()), katalog_temat::nazev_rocniku(r + 1),
                   pismo(21, true), hover ? bila : inkoust, Qt::AlignLeft | Qt::AlignVCenter);
    ikony::sipka_vpred(p, QRectF(tvar.right() - 38, tvar.center().y() - 11, 22, 22), hover ? bila : barva);
}

void tlacitko_konce(QPainter &p, bool hover)
{
    const QRectF tvar = tvar_plochy(5);
    kresleni::dlazdice(p, tvar, {hover ? cervena : bila, hover ? QColor() : okraj, 16, 3, true});
    ikony::vypinac(p, QRectF(tvar.center().x() - 17, tvar.top() + 9, 34, 34), hover ? bila : cervena);
    kresleni::text(p, QRectF(tvar.left(), tvar.bottom() - 27, tvar.width(), 20), QStringLiteral("Koniec"),
                   pismo(14, true), hover ? bila : inkoust, Qt::AlignCenter);
}

void tlacitko_temy(QPainter &p, int rocnik, int tema, bool hover)
{
    const QRectF r(g::tema(rocnik - 1, tema - 1));
    const QColor barva = barva_rocniku(rocnik);
    kresleni::dlazdice(p, r.adjusted(0, 0, 0, -2), {hover ? barva : bila, hover ? QColor() : okraj, 9, 2, true});
    const QRectF cislo(r.left() + 5, r.top() + 4, 19, 19);
    ikony::odznak(p, cislo, hover ? bila : barva, QString::number(tema), hover ? barva : bila);
    const QRectF misto(cislo.right() + 6, r.top(), r.right() - cislo.right() - 11, r.height() - 2);
    const QString nazev = nazev_temy(rocnik, tema);
    const QFont f = kresleni::vejdi_se(nazev, pismo(14, true), misto.size(), 2, 10);
    kresleni::text(p, misto, nazev, f, hover ? bila : inkoust, Qt::AlignLeft | Qt::AlignVCenter, 0.92);
}

void ozdoby(QPainter &p)
{
    // Letter tiles along the right edge: what the program is about, at a glance.
    const struct {
        qreal x, y, velikost, uhel;
        const char16_t *znak;
        int rocnik;
    } dlazdicky[] = {{597, 128, 46, -8, u"Á", 1}, {598, 196, 38, 7, u"ô", 2},   {594, 258, 42, -5, u"ľ", 3},
                     {599, 325, 38, 9, u"ä", 4},  {595, 390, 44, -7, u"„“", 5}, {600, 450, 34, 6, u"?", 1}};
    for (const auto &d : dlazdicky)
        pozadi::pismenko(p, QPointF(d.x, d.y), d.velikost, d.uhel, QString::fromUtf16(d.znak), barva_rocniku(d.rocnik));
}

} // namespace

QImage kresli(const stav_t &stav)
{
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, nebe);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    pozadi::nebe(p, obrazek.rect());
    zahlavi(p);
    kresleni::text(p, QRectF(14, 98, 290, 34), QStringLiteral("Vyber si ročník"), pismo(20, true), inkoust,
                   Qt::AlignLeft | Qt::AlignVCenter);
    for (int r = 0; r < katalog_temat::pocet_rocniku; ++r)
        tlacitko_rocniku(p, r, stav.hover == r);
    tlacitko_konce(p, stav.hover == 5);
    kresleni::text(p, QRectF(14, 446, 290, 24), QStringLiteral("Klikni na ročník a potom na tému vpravo."), pismo(13),
                   inkoust_jemny, Qt::AlignLeft | Qt::AlignVCenter);

    // The topic buttons lie on a plain card, so every one of them fits wherever it is placed.
    kresleni::dlazdice(p, karta_temat, {zesvetli(nebe, 0.6), QColor(0xd3, 0xe0, 0xf3), 18, 0, false});
    kresleni::text(p, QRectF(karta_temat.left(), 440, karta_temat.width(), 26), QStringLiteral("Témy cvičení"),
                   pismo(14, true), inkoust_jemny, Qt::AlignCenter);
    ozdoby(p);
    if (stav.rocnik > 0)
        for (int t = 1; t <= katalog_temat::pocet_temat(stav.rocnik); ++t)
            tlacitko_temy(p, stav.rocnik, t, stav.tema_hover == t);
    return obrazek;
}

QImage titulek()
{
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, modra);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    pozadi::hluboke(p, obrazek.rect());
    const struct {
        qreal x, y, velikost, uhel;
        const char16_t *znak;
    } dlazdicky[] = {{70, 70, 58, -12, u"Á"},  {180, 120, 40, 9, u"ô"}, {560, 80, 62, 10, u"ľ"},
                     {470, 140, 38, -8, u"ä"}, {90, 400, 52, 8, u"„“"}, {560, 400, 56, -9, u"ý"},
                     {330, 394, 30, -6, u","}, {430, 415, 40, 7, u"č"}, {330, 70, 34, 4, u"!"}};
    int i = 0;
    for (const auto &d : dlazdicky)
        pozadi::pismenko(p, QPointF(d.x, d.y), d.velikost, d.uhel, QString::fromUtf16(d.znak),
                         barva_rocniku(1 + i++ % 5), 235);
    kresleni::text(p, QRectF(0, 168, 640, 30), QStringLiteral("ORTANEL"), pismo(22, true), QColor(0xff, 0xd8, 0x7a),
                   Qt::AlignCenter);
    kresleni::text(p, QRectF(0, 196, 640, 80), QStringLiteral("Verbano 2"), pismo(72, true), bila, Qt::AlignCenter);
    kresleni::text(p, QRectF(0, 276, 640, 28), QStringLiteral("Precvič si slovenský pravopis a interpunkciu"),
                   pismo(20), QColor(0xe4, 0xea, 0xff), Qt::AlignCenter);
    // The five grades in their colours.
    for (int r = 1; r <= 5; ++r) {
        const QRectF c(170 + (r - 1) * 62, 318, 52, 30);
        kresleni::dlazdice(p, c, {barva_rocniku(r), QColor(), 15, 2, true});
        kresleni::text(p, c, QString::number(r + 4) + QStringLiteral("."), pismo(17, true), bila, Qt::AlignCenter);
    }
    kresleni::text(p, QRectF(0, 352, 640, 20), QStringLiteral("ročník"), pismo(14), QColor(0xc9, 0xd4, 0xff),
                   Qt::AlignCenter);
    const QRectF vyzva(210, 430, 220, 34);
    kresleni::dlazdice(p, vyzva, {bila, QColor(), 17, 3, true});
    kresleni::text(p, vyzva, QStringLiteral("Klikni a začni"), pismo(16, true), modra, Qt::AlignCenter);
    return obrazek;
}

QImage autori()
{
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, modra);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    pozadi::hluboke(p, obrazek.rect());
    const QRectF karta(70, 50, 500, 380);
    kresleni::dlazdice(p, karta, {bila, QColor(), 22, 6, true});
    kresleni::text(p, QRectF(karta.left(), karta.top() + 24, karta.width(), 24), QStringLiteral("O programe"),
                   pismo(15, true), modra, Qt::AlignCenter);
    kresleni::text(p, QRectF(karta.left(), karta.top() + 50, karta.width(), 40), QStringLiteral("Ortanel – Verbano 2"),
                   pismo(32, true), inkoust, Qt::AlignCenter);
    const QString odstavce[] = {
        QStringLiteral("Cvičenia zo slovenského pravopisu a interpunkcie pre žiakov 5. až 9. ročníka."),
        QStringLiteral("Štyri druhy cvičení: výber správneho tvaru, doplňovačka, diktát a oprava chýb. "
                       "Učiteľ môže doplňovačku a opravu vytlačiť ako pracovné listy."),
        QStringLiteral("Vety v diktátoch číta slovenský hlas syntézy reči eSpeak NG. "
                       "Texty sú písané písmom Liberation Sans."),
    };
    qreal y = karta.top() + 108;
    for (const QString &o : odstavce)
        y += kresleni::text(p, QRectF(karta.left() + 46, y, karta.width() - 92, 200), o, pismo(15), inkoust,
                            Qt::AlignHCenter | Qt::AlignTop, 1.15) +
             16;
    for (int r = 1; r <= 5; ++r)
        ikony::odznak(p, QRectF(karta.center().x() - 82 + (r - 1) * 34, karta.bottom() - 84, 28, 28), barva_rocniku(r),
                      QString::number(r + 4), bila);
    kresleni::text(p, QRectF(karta.left(), karta.bottom() - 44, karta.width(), 22),
                   QStringLiteral("Klikni kamkoľvek a vrátiš sa do menu."), pismo(14, true), inkoust_jemny,
                   Qt::AlignCenter);
    return obrazek;
}

} // namespace scena_menu
