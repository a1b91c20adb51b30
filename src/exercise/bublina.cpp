#include "exercise/bublina.h"

#include "common/pismo.h"

#include <QTextLayout>

int vyska_radku_bubliny(int body) { return body >= 12 ? 20 : 16; }

QString obrazek_bubliny(int vyska_popisku)
{
    switch (vyska_popisku) {
    case 20:
    case 16: return QStringLiteral("GRAFIKA/HINT1.BMP");
    case 40:
    case 32: return QStringLiteral("GRAFIKA/HINT2.BMP");
    case 60:
    case 48: return QStringLiteral("GRAFIKA/HINT3.BMP");
    default: return {};
    }
}

QStringList zalom_do_bubliny(const QString &text, int body)
{
    QTextLayout sazba(text, pismo_obrazovky(body));
    QTextOption volby;
    volby.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    sazba.setTextOption(volby);
    QStringList radky;
    sazba.beginLayout();
    for (QTextLine radek = sazba.createLine(); radek.isValid(); radek = sazba.createLine()) {
        radek.setLineWidth(sirka_popisku_bubliny);
        radky.append(text.mid(radek.textStart(), radek.textLength()).trimmed());
    }
    sazba.endLayout();
    if (radky.isEmpty())
        radky.append(QString());
    return radky;
}

bublina_t rozvrhni_bublinu(const QString &text, const sirka_textu_t &sirka)
{
    bublina_t b;
    // width / 489 > 2.8, in whole numbers
    b.body = sirka(text, 12) * 10 > 28 * sirka_popisku_bubliny ? 10 : 12;
    b.radky = zalom_do_bubliny(text, b.body);
    b.vyska = vyska_radku_bubliny(b.body) * static_cast<int>(b.radky.size());
    if (b.vyska > 60 && b.body == 12) {
        b.body = 10;
        b.radky = zalom_do_bubliny(text, b.body);
        b.vyska = vyska_radku_bubliny(b.body) * static_cast<int>(b.radky.size());
    }
    b.obrazek = obrazek_bubliny(b.vyska);
    return b;
}

bublina_t rozvrhni_bublinu(const QString &text)
{
    static const sirka_textu_t sirka = sirka_v_pismu_stranky();
    return rozvrhni_bublinu(text, sirka);
}
