// The program's icon for the desktop menu: one drawing, written as a scalable SVG and as
// PNGs at the usual menu sizes, so that every size shows the same picture.
//
//   ortanel_ikona <folder> <name>   writes <folder>/scalable/apps/<name>.svg and
//                                   <folder>/<n>x<n>/apps/<name>.png
#include "common/pismo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <cstdio>
#include <utility>
#include <vector>

namespace
{

// The drawing's own square; every size is this one scaled.
constexpr qreal strana = 256;
constexpr int velikosti_png[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// One filled shape: a plain colour or a vertical gradient between two heights.
struct vrstva_t {
    QPainterPath tvar;
    std::vector<std::pair<qreal, QColor>> barvy; // one stop: a plain colour
    qreal prechod_od = 0;
    qreal prechod_do = 0;
    qreal pruhlednost = 1;
    bool i_male = true; // drawn at the small menu sizes too
};

// Up to this size shadows and the light rim would only blur the letters.
constexpr int nejvetsi_male = 24;

// The program's mark as the main menu shows it: "Áa" in white on a rounded square of the
// screens' blue, with a yellow stroke under it like a word being marked.
std::vector<vrstva_t> kresba()
{
    const QRectF ctverec(12, 12, 232, 232);
    const qreal polomer = 52;
    std::vector<vrstva_t> vrstvy;

    QPainterPath pozadi;
    pozadi.addRoundedRect(ctverec, polomer, polomer);
    vrstvy.push_back({pozadi,
                      {{0, QColor(0x4d, 0x8f, 0xf2)}, {0.55, QColor(0x2f, 0x6b, 0xde)}, {1, QColor(0x1f, 0x4f, 0xb4)}},
                      ctverec.top(),
                      ctverec.bottom()});

    // A light inner rim along the top: the tile catches the light like the program's buttons.
    QPainterPath lesk;
    lesk.addRoundedRect(ctverec.adjusted(3, 3, -3, -3), polomer - 3, polomer - 3);
    lesk.addRoundedRect(ctverec.adjusted(6, 6, -6, -6), polomer - 6, polomer - 6);
    lesk.setFillRule(Qt::OddEvenFill);
    vrstvy.push_back({lesk,
                      {{0, QColor(255, 255, 255, 150)}, {1, QColor(255, 255, 255, 0)}},
                      ctverec.top(),
                      ctverec.center().y(),
                      1,
                      false});

    // A thin darker rim keeps the edge visible on a light menu.
    QPainterPath okraj;
    okraj.addRoundedRect(ctverec, polomer, polomer);
    okraj.addRoundedRect(ctverec.adjusted(3, 3, -3, -3), polomer - 3, polomer - 3);
    okraj.setFillRule(Qt::OddEvenFill);
    vrstvy.push_back({okraj, {{0, QColor(0x1b, 0x45, 0xa0)}}, 0, 0, 0.55});

    QFont pismo(rodina_pisma());
    pismo.setBold(true);
    pismo.setPixelSize(124);
    pismo.setKerning(true);
    QPainterPath text;
    text.setFillRule(Qt::WindingFill);
    text.addText(0, 0, pismo, QStringLiteral("Áa"));
    const QRectF meze = text.boundingRect();
    const qreal cara_vyska = 14;
    const qreal mezera = 14;
    // Letters and stroke together sit in the middle of the square.
    const qreal celkem = meze.height() + mezera + cara_vyska;
    const QPointF posun(ctverec.center().x() - meze.center().x(), ctverec.center().y() - celkem / 2 - meze.top() + 2);
    text.translate(posun);

    QPainterPath stin = text.translated(0, 5);
    vrstvy.push_back({stin, {{0, QColor(0x0f, 0x2f, 0x78)}}, 0, 0, 0.35, false});
    vrstvy.push_back({text, {{0, QColor(0xff, 0xff, 0xff)}}});

    const QRectF pismena = text.boundingRect();
    QPainterPath cara;
    const QRectF cara_tvar(pismena.left() + 6, pismena.bottom() + mezera, pismena.width() - 12, cara_vyska);
    cara.addRoundedRect(cara_tvar, cara_vyska / 2, cara_vyska / 2);
    vrstvy.push_back({cara.translated(0, 4), {{0, QColor(0x0f, 0x2f, 0x78)}}, 0, 0, 0.3, false});
    vrstvy.push_back({cara, {{0, QColor(0xff, 0xc8, 0x3d)}}});
    return vrstvy;
}

QBrush stetec(const vrstva_t &v)
{
    if (v.barvy.size() == 1)
        return QBrush(v.barvy.front().second);
    QLinearGradient prechod(0, v.prechod_od, 0, v.prechod_do);
    for (const auto &[misto, barva] : v.barvy)
        prechod.setColorAt(misto, barva);
    return QBrush(prechod);
}

QImage vykresli(const std::vector<vrstva_t> &vrstvy, int velikost)
{
    QImage obrazek(velikost, velikost, QImage::Format_ARGB32_Premultiplied);
    obrazek.fill(Qt::transparent);
    QPainter p(&obrazek);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    p.scale(velikost / strana, velikost / strana);
    for (const vrstva_t &v : vrstvy) {
        if (velikost <= nejvetsi_male && !v.i_male)
            continue;
        p.setOpacity(v.pruhlednost);
        p.fillPath(v.tvar, stetec(v));
    }
    return obrazek;
}

QString cislo(qreal x)
{
    QString s = QString::number(x, 'f', 2);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString svg_cesta(const QPainterPath &tvar)
{
    QString d;
    for (int i = 0; i < tvar.elementCount(); ++i) {
        const QPainterPath::Element e = tvar.elementAt(i);
        const QString bod = cislo(e.x) + QLatin1Char(' ') + cislo(e.y);
        if (e.isMoveTo()) {
            if (i > 0)
                d += QStringLiteral("Z");
            d += QStringLiteral("M") + bod;
        } else if (e.isLineTo()) {
            d += QStringLiteral("L") + bod;
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = tvar.elementAt(i + 1);
            const QPainterPath::Element cil = tvar.elementAt(i + 2);
            d += QStringLiteral("C") + bod + QLatin1Char(' ') + cislo(c2.x) + QLatin1Char(' ') + cislo(c2.y) +
                 QLatin1Char(' ') + cislo(cil.x) + QLatin1Char(' ') + cislo(cil.y);
            i += 2;
        }
    }
    return d + QStringLiteral("Z");
}

QString svg_barva(const QColor &barva) { return barva.name(QColor::HexRgb); }

QString svg(const std::vector<vrstva_t> &vrstvy)
{
    QString vystup;
    QTextStream s(&vystup);
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
      << "<title>Ortanel – Verbano 2</title>\n";
    QString definice;
    QString telo;
    for (size_t i = 0; i < vrstvy.size(); ++i) {
        const vrstva_t &v = vrstvy[i];
        QString vypln;
        qreal kryti = v.pruhlednost;
        if (v.barvy.size() == 1) {
            vypln = svg_barva(v.barvy.front().second);
            kryti *= v.barvy.front().second.alphaF();
        } else {
            const QString id = QStringLiteral("prechod%1").arg(i);
            definice += QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%2\" "
                                       "x2=\"0\" y2=\"%3\">")
                            .arg(id, cislo(v.prechod_od), cislo(v.prechod_do));
            for (const auto &[misto, barva] : v.barvy)
                definice += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\" stop-opacity=\"%3\"/>")
                                .arg(cislo(misto), svg_barva(barva), cislo(barva.alphaF()));
            definice += QStringLiteral("</linearGradient>\n");
            vypln = QStringLiteral("url(#%1)").arg(id);
        }
        const QString pravidlo =
            v.tvar.fillRule() == Qt::OddEvenFill ? QStringLiteral("evenodd") : QStringLiteral("nonzero");
        telo += QStringLiteral("<path fill=\"%1\" fill-rule=\"%2\"").arg(vypln, pravidlo);
        if (kryti < 1)
            telo += QStringLiteral(" fill-opacity=\"%1\"").arg(cislo(kryti));
        telo += QStringLiteral(" d=\"%1\"/>\n").arg(svg_cesta(v.tvar));
    }
    s << "<defs>\n" << definice << "</defs>\n" << telo << "</svg>\n";
    return vystup;
}

bool zapis(const QString &cesta, const QByteArray &obsah)
{
    QDir().mkpath(QFileInfo(cesta).path());
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(obsah) == obsah.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList argumenty = app.arguments();
    if (argumenty.size() != 3) {
        std::fprintf(stderr, "usage: ortanel_ikona <folder> <name>\n");
        return 2;
    }
    const QString slozka = argumenty[1];
    const QString nazev = argumenty[2];
    zaregistruj_pisma();

    const std::vector<vrstva_t> vrstvy = kresba();
    if (!zapis(slozka + QStringLiteral("/scalable/apps/") + nazev + QStringLiteral(".svg"), svg(vrstvy).toUtf8()))
        return 1;
    for (int velikost : velikosti_png) {
        const QString cesta = QStringLiteral("%1/%2x%2/apps/%3.png").arg(slozka).arg(velikost).arg(nazev);
        QDir().mkpath(QFileInfo(cesta).path());
        if (!vykresli(vrstvy, velikost).save(cesta, "PNG"))
            return 1;
    }
    return 0;
}
