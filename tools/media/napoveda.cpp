#include "napoveda.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "ikony.h"
#include "kresleni.h"
#include "navody.h"
#include "pozadi.h"
#include "vzhled.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <functional>

using namespace vzhled;

namespace napoveda
{

namespace
{

constexpr int vyska_hlavy = 66;
constexpr QRectF obsah(16, 74, 608, 372); // between the header and the footer
constexpr qreal odsazeni = 12;            // inside a card
constexpr qreal nadpis_karty = 28;

// The deep-blue header: a question badge, a title and chips under it.
void hlava(QPainter &p, const QString &nadpis, const QList<std::pair<QString, QColor>> &cipy)
{
    pozadi::hluboke(p, QRect(0, 0, geometrie::sirka_obrazovky, vyska_hlavy));
    ikony::odznak(p, QRectF(18, 11, 44, 44), zluta, QStringLiteral("?"), inkoust);
    const QRectF r(76, 5, 548, cipy.isEmpty() ? 56 : 34);
    const QFont f = kresleni::vejdi_se(nadpis, pismo(25, true), r.size(), cipy.isEmpty() ? 2 : 1, 14);
    kresleni::text(p, r, nadpis, f, bila, Qt::AlignLeft | Qt::AlignVCenter);
    qreal x = 76;
    for (const auto &[text, barva] : cipy) {
        const QFont fc = pismo(13, true);
        const QRectF c(x, 39, kresleni::sirka_textu(text, fc) + 18, 21);
        kresleni::dlazdice(p, c, {barva, QColor(), 10.5, 0, false});
        kresleni::text(p, c, text, fc, bila, Qt::AlignCenter);
        x = c.right() + 6;
    }
}

void pata(QPainter &p)
{
    const QRectF r(210, 452, 220, 23);
    kresleni::dlazdice(p, r, {modra, QColor(), 11.5, 2, true});
    kresleni::text(p, r, QStringLiteral("Klikni kamkoľvek a pokračuj"), pismo(13, true), bila, Qt::AlignCenter);
}

void karta(QPainter &p, const QRectF &r, const QString &nadpis, const QColor &barva,
           const std::function<void(QPainter &, const QRectF &)> &ikona)
{
    kresleni::dlazdice(p, r, {bila, QColor(0xd3, 0xdf, 0xf1), 14, 4, false});
    const QRectF i(r.left() + odsazeni, r.top() + 10, 20, 20);
    ikona(p, i);
    kresleni::text(p, QRectF(i.right() + 8, r.top() + 8, r.width() - 60, 24), nadpis, pismo(16, true), barva,
                   Qt::AlignLeft | Qt::AlignVCenter);
}

// ---- the topic's rule ----

qreal vyska_pravidla(const QList<odstavec_t> &pravidlo, const QFont &f, qreal sirka)
{
    qreal v = 0;
    const qreal mezera = QFontMetricsF(f).height() * 0.35;
    for (int i = 0; i < pravidlo.size(); ++i) {
        const bool novy_blok = i > 0 && pravidlo[i].priklad != pravidlo[i - 1].priklad;
        v += (i > 0 ? (novy_blok || !pravidlo[i].priklad ? mezera : 1) : 0);
        v += kresleni::vyska_textu(pravidlo[i].text, f, pravidlo[i].priklad ? sirka - 22 : sirka);
    }
    return v;
}

void kresli_pravidlo(QPainter &p, const QList<odstavec_t> &pravidlo, const QFont &f, const QRectF &r,
                     const QColor &barva)
{
    qreal y = r.top();
    const qreal mezera = QFontMetricsF(f).height() * 0.35;
    for (int i = 0; i < pravidlo.size(); ++i) {
        const odstavec_t &o = pravidlo[i];
        const bool novy_blok = i > 0 && o.priklad != pravidlo[i - 1].priklad;
        y += i > 0 ? (novy_blok || !o.priklad ? mezera : 1) : 0;
        if (o.priklad) {
            const qreal h = QFontMetricsF(f).height();
            p.save();
            p.setPen(Qt::NoPen);
            p.setBrush(barva);
            p.drawEllipse(QPointF(r.left() + 8, y + h / 2), 3.5, 3.5);
            p.restore();
            y += kresleni::text(p, QRectF(r.left() + 22, y, r.width() - 22, 400), o.text, f, inkoust, Qt::AlignLeft);
        } else {
            y += kresleni::text(p, QRectF(r.left(), y, r.width(), 400), o.text, f, inkoust, Qt::AlignLeft);
        }
    }
}

// ---- the steps of a kind ----

constexpr qreal sirka_obrazku = 48;
constexpr qreal vyska_obrazku = 30;

void obrazek_kroku(QPainter &p, navody::obrazek_t o, const QRectF &r, druh_t druh)
{
    using navody::obrazek_t;
    const QPointF s = r.center();
    switch (o) {
    case obrazek_t::vyber:
    case obrazek_t::policko: {
        const QRectF pole(s.x() - 14, s.y() - 11, 28, 22);
        p.save();
        p.setPen(QPen(QColor(0xd9, 0xb8, 0x5a), 1));
        p.setBrush(policko);
        p.drawRect(pole.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
        if (o == obrazek_t::vyber) {
            kresleni::text(p, pole.adjusted(3, 0, -12, 0), QStringLiteral("y"), pismo(15), inkoust, Qt::AlignCenter);
            QPainterPath t;
            t.moveTo(pole.right() - 11, s.y() - 2);
            t.lineTo(pole.right() - 4, s.y() - 2);
            t.lineTo(pole.right() - 7.5, s.y() + 3);
            t.closeSubpath();
            p.fillPath(t, inkoust);
        } else {
            kresleni::text(p, pole.adjusted(2, 0, -10, 0), QStringLiteral("i"), pismo(15), inkoust, Qt::AlignCenter);
            p.fillRect(QRectF(pole.left() + 17, pole.top() + 4, 1.3, 14), inkoust);
        }
        break;
    }
    case obrazek_t::riadok: {
        const QRectF pole(r.left() + 2, s.y() - 11, r.width() - 4, 22);
        p.save();
        p.setPen(QPen(QColor(0xa9, 0xb8, 0xcf), 1));
        p.setBrush(bila);
        p.drawRect(pole.adjusted(0.5, 0.5, -0.5, -0.5));
        p.restore();
        kresleni::text(p, pole.adjusted(4, 0, 0, 0), QStringLiteral("Aa,."), pismo(14), inkoust,
                       Qt::AlignLeft | Qt::AlignVCenter);
        break;
    }
    case obrazek_t::chyba: {
        kresleni::text(p, r, QStringLiteral("vyr"), pismo(17), inkoust, Qt::AlignCenter);
        QPainterPath vlnka;
        const qreal y = s.y() + 9;
        vlnka.moveTo(s.x() - 16, y);
        for (int i = 0; i < 8; ++i)
            vlnka.quadTo(s.x() - 16 + i * 4 + 1, y + (i % 2 ? 2.5 : -2.5), s.x() - 16 + i * 4 + 2, y);
        p.save();
        p.setPen(QPen(cervena, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(vlnka);
        p.restore();
        break;
    }
    case obrazek_t::reproduktor: {
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(pruh);
        p.drawRoundedRect(QRectF(s.x() - 19, s.y() - 15, 38, 30), 8, 8);
        p.restore();
        ikony::reproduktor(p, QRectF(s.x() - 12, s.y() - 10, 24, 20), modra);
        break;
    }
    case obrazek_t::enter: ikony::klavesa(p, QRectF(s.x() - 24, s.y() - 12, 48, 24), QStringLiteral("Enter")); break;
    case obrazek_t::f5: ikony::klavesa(p, QRectF(s.x() - 15, s.y() - 12, 30, 24), QStringLiteral("F5")); break;
    case obrazek_t::uvodzovky: {
        const QFont f = pismo(17, true);
        ikony::klavesa(p, QRectF(r.left(), s.y() - 17, 34, 16), QStringLiteral("Shift"));
        kresleni::text(p, QRectF(r.left() + 36, s.y() - 19, 14, 18), QStringLiteral("“"), f, modra, Qt::AlignCenter);
        ikony::klavesa(p, QRectF(r.left(), s.y() + 1, 34, 16), QStringLiteral("Ctrl"));
        kresleni::text(p, QRectF(r.left() + 36, s.y() - 1, 14, 18), QStringLiteral("„"), f, modra, Qt::AlignCenter);
        break;
    }
    case obrazek_t::skontroluj: {
        const QRectF t(s.x() - 17, s.y() - 16, 34, 32);
        kresleni::dlazdice(p, t, {bila, okraj, 7, 2, true});
        ikony::fajka(p, t.adjusted(5, 4, -5, -6), modra);
        break;
    }
    case obrazek_t::znacka: {
        const QRectF k(s.x() - 20, s.y() - 11, 22, 22);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(cervena);
        p.drawEllipse(k);
        p.restore();
        ikony::krizik(p, k.adjusted(2, 2, -2, -2), bila);
        ikony::mys(p, QRectF(s.x() + 4, s.y() - 13, 18, 26), inkoust);
        break;
    }
    case obrazek_t::pocitadlo:
        ikony::odznak(p, QRectF(s.x() - 11, s.y() - 11, 22, 22), modra, QStringLiteral("2"), bila);
        break;
    }
    Q_UNUSED(druh);
}

struct rozlozeni_t {
    QList<qreal> vysky; // per step
    qreal sloupec = 0;  // height of the taller column
};

rozlozeni_t rozloz(const QList<navody::krok_t> &kroky, const QFont &f, qreal sirka_textu)
{
    rozlozeni_t r;
    const int vlevo = (kroky.size() + 1) / 2;
    qreal leva = 0, prava = 0;
    for (int i = 0; i < kroky.size(); ++i) {
        const qreal v = std::max<qreal>(vyska_obrazku, kresleni::vyska_textu(kroky[i].text, f, sirka_textu)) + 7;
        r.vysky.append(v);
        (i < vlevo ? leva : prava) += v;
    }
    r.sloupec = std::max(leva, prava) - 7;
    return r;
}

} // namespace

QImage tema(int rocnik, int tema, druh_t druh, const QList<odstavec_t> &pravidlo, bool souvisly)
{
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, nebe);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    pozadi::nebe(p, obrazek.rect());
    hlava(p, nazev_temy(rocnik, tema),
          {{katalog_temat::nazev_rocniku(rocnik), barva_rocniku(rocnik)}, {nazev_druhu(druh), barva_druhu(druh)}});

    const QList<navody::krok_t> kroky = navody::kroky(druh, souvisly);
    const qreal sirka_sloupce = (obsah.width() - 3 * odsazeni) / 2;
    const qreal sirka_textu = sirka_sloupce - sirka_obrazku - 8;
    const qreal sirka_pravidla = obsah.width() - 2 * odsazeni;
    const qreal mezi_kartami = 8;
    const qreal ramec = nadpis_karty + 2 * odsazeni - 4; // a card's height around its content

    // The largest type at which the rule and the steps fit between header and footer.
    const std::pair<int, int> velikosti[] = {{17, 15}, {16, 15}, {16, 14}, {15, 14}, {15, 13}, {14, 13},
                                             {13, 13}, {13, 12}, {12, 12}, {12, 11}, {11, 11}};
    QFont f_pravidla = pismo(11), f_kroku = pismo(11);
    qreal v_pravidla = 0;
    rozlozeni_t rozlozeni;
    for (const auto &[pravidlo_px, kroky_px] : velikosti) {
        f_pravidla.setPixelSize(pravidlo_px);
        f_kroku.setPixelSize(kroky_px);
        v_pravidla = pravidlo.isEmpty() ? 0 : vyska_pravidla(pravidlo, f_pravidla, sirka_pravidla) + ramec;
        rozlozeni = rozloz(kroky, f_kroku, sirka_textu);
        if (v_pravidla + (v_pravidla > 0 ? mezi_kartami : 0) + rozlozeni.sloupec + ramec <= obsah.height())
            break;
    }

    qreal y = obsah.top();
    if (!pravidlo.isEmpty()) {
        const QRectF k(obsah.left(), y, obsah.width(), v_pravidla);
        karta(p, k, QStringLiteral("Čo treba vedieť"), barva_rocniku(rocnik),
              [&](QPainter &pp, const QRectF &i) { ikony::kniha(pp, i, barva_rocniku(rocnik)); });
        kresli_pravidlo(p, pravidlo, f_pravidla,
                        QRectF(k.left() + odsazeni, k.top() + odsazeni + nadpis_karty - 4, sirka_pravidla, 400),
                        barva_rocniku(rocnik));
        y = k.bottom() + mezi_kartami;
    }
    const qreal v_kroku = rozlozeni.sloupec + ramec;
    const QRectF k(obsah.left(), y, obsah.width(), pravidlo.isEmpty() ? std::max(v_kroku, 240.0) : v_kroku);
    karta(p, k, QStringLiteral("Ako pracovať: ") + nazev_druhu(druh), barva_druhu(druh),
          [&](QPainter &pp, const QRectF &i) { ikony::odznak(pp, i, barva_druhu(druh), QStringLiteral("!"), bila); });
    const int vlevo = (kroky.size() + 1) / 2;
    const qreal zacatek = k.top() + odsazeni + nadpis_karty - 4;
    qreal ys[2] = {zacatek, zacatek};
    for (int i = 0; i < kroky.size(); ++i) {
        const int s = i < vlevo ? 0 : 1;
        const qreal x = k.left() + odsazeni + s * (sirka_sloupce + odsazeni);
        const qreal vt = kresleni::vyska_textu(kroky[i].text, f_kroku, sirka_textu);
        const qreal radek = std::max<qreal>(vyska_obrazku, vt);
        obrazek_kroku(p, kroky[i].obrazek, QRectF(x, ys[s] + (radek - vyska_obrazku) / 2, sirka_obrazku, vyska_obrazku),
                      druh);
        kresleni::text(p, QRectF(x + sirka_obrazku + 8, ys[s] + (radek - vt) / 2, sirka_textu, vt + 4), kroky[i].text,
                       f_kroku, inkoust, Qt::AlignLeft | Qt::AlignTop);
        ys[s] += rozlozeni.vysky[i];
    }
    pata(p);
    return obrazek;
}

namespace
{

struct krok_nastaveni_t {
    QString nadpis;
    QString text;
    std::function<void(QPainter &, const QRectF &)> obrazek;
    qreal sirka; // of the picture, at the card's top right
};

void cisla(QPainter &p, const QRectF &r)
{
    const int hodnoty[4] = {5, 10, 15, 20};
    for (int i = 0; i < 4; ++i) {
        const QRectF c(r.left() + i * 30, r.top() + 2, 25, 25);
        kresleni::dlazdice(p, c, {i == 1 ? modra : bila, i == 1 ? QColor() : okraj, 12.5, 2, true});
        kresleni::text(p, c, QString::number(hodnoty[i]), pismo(12, true), i == 1 ? bila : inkoust, Qt::AlignCenter);
    }
}

void druhy(QPainter &p, const QRectF &r)
{
    int i = 0;
    for (druh_t d : {druh_t::vyberovka, druh_t::doplnovacka, druh_t::diktat, druh_t::oprava}) {
        const QRectF c(r.left() + (i % 2) * 62, r.top() + (i / 2) * 23, 58, 20);
        kresleni::dlazdice(p, c, {barva_druhu(d), QColor(), 7, 0, false});
        const QFont f = kresleni::vejdi_se(nazev_druhu(d), pismo(11, true), c.size() - QSizeF(4, 2), 1, 8);
        kresleni::text(p, c, nazev_druhu(d), f, bila, Qt::AlignCenter);
        ++i;
    }
}

} // namespace

std::optional<QImage> nastaveni(const QString &text)
{
    // The heading, six steps (a title line, then the text), and the footer, blank lines
    // between them.
    QStringList bloky = text.trimmed().split(QRegularExpression(QStringLiteral("\\n\\s*\\n")));
    if (bloky.size() != 8)
        return std::nullopt;
    const QString nadpis = bloky.takeFirst().simplified(), pata_textu = bloky.takeLast().simplified();
    QImage obrazek = kresleni::platno(geometrie::cela_obrazovka, nebe);
    QPainter p(&obrazek);
    kresleni::priprav(p);
    pozadi::nebe(p, obrazek.rect());
    hlava(p, nadpis, {});

    const auto tlacitko = [](QColor barva, const QString &popis) {
        return [barva, popis](QPainter &pp, const QRectF &r) {
            const QRectF b(r.left(), r.top() + 3, r.width(), 22);
            kresleni::dlazdice(pp, b, {barva, QColor(), 11, 2, true});
            kresleni::text(pp, b, popis, pismo(12, true), bila, Qt::AlignCenter);
        };
    };
    QList<krok_nastaveni_t> kroky = {
        {{}, {}, cisla, 116},
        {{}, {}, druhy, 120},
        {{},
         {},
         [](QPainter &pp, const QRectF &r) {
             const QRectF b(r.right() - 26, r.top() + 2, 26, 26);
             kresleni::dlazdice(pp, b, {modra, QColor(), 6, 2, true});
             ikony::fajka(pp, b.adjusted(3, 3, -3, -3), bila);
         },
         26},
        {{},
         {},
         [](QPainter &pp, const QRectF &r) {
             const QRectF b(r.left(), r.top() + 3, r.width(), 22);
             kresleni::dlazdice(pp, b, {bila, modra, 5, 1, false});
             kresleni::text(pp, b.adjusted(6, 0, 0, 0), QStringLiteral("Katka"), pismo(13), inkoust,
                            Qt::AlignLeft | Qt::AlignVCenter);
         },
         110},
        {{}, {}, tlacitko(zelena, QStringLiteral("Pokračuj")), 100},
        {{}, {}, tlacitko(modra, QStringLiteral("Vytlač")), 100},
    };
    for (qsizetype i = 0; i < kroky.size(); ++i) {
        kroky[i].nadpis = bloky[i].section(u'\n', 0, 0).simplified();
        kroky[i].text = bloky[i].section(u'\n', 1).simplified();
    }
    const qreal sirka = (obsah.width() - 10) / 2;
    const qreal vyska = (obsah.height() - 20 - 24) / 3;
    auto misto_obrazku = [&](const QRectF &k, int i) {
        const qreal w = kroky[i].sirka;
        return QRectF(k.right() - 12 - w, k.top() + 8, w, i == 1 ? 44 : 28);
    };
    auto misto_textu = [&](const QRectF &k, int i) {
        const qreal horni = misto_obrazku(k, i).bottom() + 6;
        return QRectF(k.left() + 14, std::max(horni, k.top() + 42), k.width() - 28, 0)
            .adjusted(0, 0, 0, k.bottom() - 6 - std::max(horni, k.top() + 42));
    };
    auto karta_kroku = [&](int i) {
        return QRectF(obsah.left() + (i % 2) * (sirka + 10), obsah.top() + (i / 2) * (vyska + 10), sirka, vyska);
    };
    // One type size for every card: the largest at which all of them fit.
    QFont f = pismo(15);
    for (int px = 15; px >= 11; --px) {
        f.setPixelSize(px);
        bool vse = true;
        for (int i = 0; i < kroky.size(); ++i) {
            const QRectF t = misto_textu(karta_kroku(i), i);
            vse = vse && kresleni::vyska_textu(kroky[i].text, f, t.width()) <= t.height();
        }
        if (vse)
            break;
    }
    for (int i = 0; i < kroky.size(); ++i) {
        const QRectF k = karta_kroku(i);
        kresleni::dlazdice(p, k, {bila, QColor(0xd3, 0xdf, 0xf1), 14, 4, false});
        ikony::odznak(p, QRectF(k.left() + 12, k.top() + 10, 24, 24), modra, QString::number(i + 1), bila);
        kresleni::text(p, QRectF(k.left() + 44, k.top() + 10, k.width() - 60 - kroky[i].sirka, 24), kroky[i].nadpis,
                       pismo(15, true), inkoust, Qt::AlignLeft | Qt::AlignVCenter);
        kroky[i].obrazek(p, misto_obrazku(k, i));
        kresleni::text(p, misto_textu(k, i), kroky[i].text, f, inkoust, Qt::AlignLeft | Qt::AlignTop);
    }
    kresleni::text(p, QRectF(0, 420, 640, 22), pata_textu, pismo(14), inkoust_jemny, Qt::AlignCenter);
    pata(p);
    return obrazek;
}

} // namespace napoveda
