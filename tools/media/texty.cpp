#include "texty.h"

#include <QStringList>

QList<odstavec_t> precti_napovedu(const QString &obsah)
{
    QList<odstavec_t> odstavce;
    bool pokracuje = false; // the last paragraph takes the next plain line
    const QString odrazka = QStringLiteral("• ");
    for (QString radek : obsah.split(QLatin1Char('\n'))) {
        radek = radek.trimmed();
        if (radek.isEmpty()) {
            pokracuje = false;
        } else if (radek.startsWith(odrazka) || radek == QStringLiteral("•")) {
            odstavce.append({true, radek.mid(1).trimmed()});
            pokracuje = false;
        } else if (pokracuje) {
            odstavce.last().text += QLatin1Char(' ') + radek;
        } else {
            odstavce.append({false, radek});
            pokracuje = true;
        }
    }
    return odstavce;
}
