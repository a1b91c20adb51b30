#pragma once

// What the teacher finds in the data folder after a journey: score table lines, the mark
// of the installation's bands, results log records.
#include "common/katalog.h"
#include "common/soubory.h"
#include "prehled/log.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// A score table of one section holding one row, in Windows-1250 with CR LF.
inline QByteArray tabulka(const QString &sekce, const QString &radek)
{
    const QStringList radky = QStringList{'[' + sekce + ']', radek} + QStringList(9, QStringLiteral("|0|0|0"));
    return do_cp1250(radky.join(QStringLiteral("\r\n")) + "\r\n");
}

// The mark of the share by the installation's bands: the first band holding it.
inline int znamka_podle_pasem(const QByteArray &znamky, int spravne, int spatne)
{
    const double p = 1.0 - double(spatne) / (spravne + spatne);
    for (const QString &r : z_cp1250(znamky).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        if (const QStringList pole = r.split(u'|');
            pole.size() == 3 && pole[0].toDouble() / 100 <= p && p <= pole[1].toDouble() / 100)
            return pole[2].toInt();
    return 0;
}

// One record of the results log as the teacher reads it (grade index 1 to 5).
struct ocekavany_zaznam_t {
    QString jmeno;
    int rocnik, tema, pocet, spravne, spatne, znamka;
};

// The log read as the teacher's window reads it, against the records; empty when they
// match. Every record is whole and dated today (the byte layout is the writer's own test's).
inline QString porovnej_log(const QByteArray &log, const QList<ocekavany_zaznam_t> &zaznamy)
{
    const auto radek = [](const QString &jmeno, auto... cisla) {
        return (QStringList{jmeno} + QStringList{QString::number(cisla)...}).join(u' ');
    };
    QStringList ocekavano, precteno;
    for (const ocekavany_zaznam_t &z : zaznamy)
        ocekavano.append(radek(z.jmeno.left(38), z.rocnik + 4, z.tema, z.pocet, z.spravne, z.spatne, z.znamka) +
                         " today");
    const nacteny_log_t n = rozeber_log(log);
    for (const zaznam_t &z : n.zaznamy)
        precteno.append(radek(z.jmeno, z.rocnik, z.tema, z.uloh, z.spravne, z.spatne, z.znamka) +
                        (qAbs(z.datum.daysTo(QDate::currentDate())) <= 1 ? " today" : ' ' + z.datum_text));
    if (n.preskocene_radky)
        precteno.append(QStringLiteral("%1 damaged lines").arg(n.preskocene_radky));
    return ocekavano == precteno ? QString()
                                 : QStringLiteral("expected:\n%1\ngot:\n%2\n%3")
                                       .arg(ocekavano.join('\n'), precteno.join('\n'), z_cp1250(log));
}
