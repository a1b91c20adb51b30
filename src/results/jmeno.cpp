#include "results/jmeno.h"

QString bezpecne_jmeno(const QString &jmeno)
{
    QString vysledek;
    vysledek.reserve(jmeno.size());
    for (const QChar c : jmeno) {
        const bool zlomi_radek =
            c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if (c == QLatin1Char('|') || zlomi_radek)
            continue;
        vysledek.append(c);
    }
    return vysledek.trimmed();
}
