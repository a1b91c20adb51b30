#include "prehled/najlepsi.h"

#include "common/soubory.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace
{

constexpr qint64 nejvetsi_tabulka = 64LL * 1024 * 1024;

} // namespace

QString nazev_druhu(druh_t druh)
{
    switch (druh) {
    case druh_t::vyberovka: return QStringLiteral("Výberovka");
    case druh_t::doplnovacka: return QStringLiteral("Doplňovačka");
    case druh_t::diktat: return QStringLiteral("Diktát");
    case druh_t::oprava: return QStringLiteral("Oprava");
    }
    return {};
}

QList<najlepsi_t> nacti_najlepsich(const QString &cesta)
{
    QList<najlepsi_t> sekce;
    const QFileInfo info(cesta);
    if (!info.isFile() || info.size() > nejvetsi_tabulka)
        return sekce;
    const auto radky = nacti_radky_cp1250(cesta);
    if (!radky)
        return sekce;
    static const QRegularExpression hlavicka(QStringLiteral("^\\[(\\d+)_(\\d+)(_DJ|_CV|_OC)?\\]$"));
    for (qsizetype i = 0; i < radky->size(); ++i) {
        const auto shoda = hlavicka.match(radky->at(i));
        if (!shoda.hasMatch())
            continue;
        najlepsi_t n;
        n.rocnik = shoda.captured(1).toInt() - 1;
        n.tema = shoda.captured(2).toInt();
        for (druh_t d : vsechny_druhy)
            if (kod_tabulky(d) == shoda.captured(3))
                n.druh = d;
        // The three numbers are the last fields, so a name is whatever stands before them.
        for (qsizetype j = i + 1; j <= i + 10 && j < radky->size(); ++j) {
            const QStringList pole = radky->at(j).split(QLatin1Char('|'));
            if (pole.size() < 4)
                break;
            najlepsi_t::radek_t r;
            r.jmeno = pole.mid(0, pole.size() - 3).join(QLatin1Char('|'));
            r.spravne = pole[pole.size() - 3].toInt();
            r.spatne = pole[pole.size() - 2].toInt();
            r.znamka = pole.last().toInt();
            if (!r.jmeno.isEmpty() || r.spravne || r.spatne)
                n.radky.append(r);
        }
        sekce.append(n);
    }
    return sekce;
}
