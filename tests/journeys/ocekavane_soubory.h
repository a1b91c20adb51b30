#pragma once

// What the teacher finds in the data folder after a journey, as the journeys expect it:
// score table lines, the marks of the installation's bands, results log records.
#include "common/katalog.h"
#include "common/soubory.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

// Lines in Windows-1250, each ended by CR LF.
inline QByteArray radky_dat(const QStringList &radky)
{
    QByteArray b;
    for (const QString &r : radky)
        b += do_cp1250(r) + "\r\n";
    return b;
}

// The mark of the share by the installation's bands: the first band holding it.
inline int znamka_podle_pasem(const QByteArray &znamky, int spravne, int spatne)
{
    const double p = 1.0 - double(spatne) / (spravne + spatne);
    for (const QString &r : z_cp1250(znamky).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const QStringList pole = r.split(u'|');
        if (pole.size() == 3 && pole[0].toDouble() / 100 <= p && p <= pole[1].toDouble() / 100)
            return pole[2].toInt();
    }
    return 0;
}

// One record of the results log as the teacher reads it; the date and time fields come
// from the file, checked by their shape.
struct zaznam_t {
    QString jmeno;
    int rocnik, tema, pocet, spravne, spatne, znamka;
};
inline QString radek_zaznamu(const zaznam_t &z, const QString &datum, const QString &cas)
{
    const QString r1 = (QStringLiteral("Jméno: ") + z.jmeno.left(38)).leftJustified(45) + datum + cas;
    const QString r2 = QStringLiteral("Hra: ") + katalog_temat::nazev_rocniku(z.rocnik) + QStringLiteral(" - ") +
                       katalog_temat::nazev_log(z.rocnik, z.tema);
    const QString r3 = (QStringLiteral("Počet příkladů:  ") + QString::number(z.pocet)).leftJustified(26) +
                       (QStringLiteral("Správně:  ") + QString::number(z.spravne)).leftJustified(19) +
                       (QStringLiteral("Špatně:   ") + QString::number(z.spatne)).leftJustified(20) +
                       (QStringLiteral("Známka:  ") + QString::number(z.znamka)).leftJustified(10);
    return r1 + QStringLiteral("\r\n") + r2 + QStringLiteral("\r\n") + r3 + QStringLiteral("\r\n") + QString(75, u'=') +
           QStringLiteral("\r\n");
}
// Compares the log with the records; an empty string when it matches byte for byte.
inline QString porovnej_log(const QByteArray &log, const QList<zaznam_t> &zaznamy)
{
    const QString text = z_cp1250(log);
    // The date in the desktop's short form with "/" for ".", right-aligned to column 17 of
    // its field (a longer one starts at column 8); the hour right-aligned to column 7.
    static const QRegularExpression datum_cas(
        QStringLiteral("^.{45}(Datum: (?: *[^ .][^.\r\n]*[^ .]   |[^ .][^.\r\n]{12}))"
                       "(Čas: {1,2}(?:1?[0-9]|2[0-3]):[0-5][0-9])\r$"),
        QRegularExpression::MultilineOption);
    QByteArray ocekavano;
    auto shody = datum_cas.globalMatch(text);
    for (const zaznam_t &z : zaznamy) {
        if (!shody.hasNext())
            return QStringLiteral("no date and time of the shape expected:\n") + text;
        const auto m = shody.next();
        if (m.captured(1).size() != 20 || m.captured(2).size() != 10)
            return QStringLiteral("date or time field of another width:\n") + text;
        ocekavano += do_cp1250(radek_zaznamu(z, m.captured(1), m.captured(2)));
    }
    return ocekavano == log ? QString() : QStringLiteral("expected:\n%1\ngot:\n%2").arg(z_cp1250(ocekavano), text);
}
