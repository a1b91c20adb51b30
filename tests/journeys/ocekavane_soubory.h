#pragma once

// What the teacher finds in the data folder after a journey: score table lines, the mark
// of the installation's bands, results log records.
#include "common/katalog.h"
#include "common/soubory.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

// Lines in Windows-1250, each ended by CR LF.
inline QByteArray radky_dat(const QStringList &radky) { return do_cp1250(radky.join(QStringLiteral("\r\n")) + "\r\n"); }

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

// One record of the results log as the teacher reads it.
struct zaznam_t {
    QString jmeno;
    int rocnik, tema, pocet, spravne, spatne, znamka;
};

// Compares the log with the records byte for byte; empty when they match. The date and
// time come from the file, checked by their shape: the date in the desktop's short form
// with "/" for ".", right-aligned to column 17 of its field (a longer one starts at column
// 8); the hour right-aligned to column 7.
inline QString porovnej_log(const QByteArray &log, const QList<zaznam_t> &zaznamy)
{
    const QString text = z_cp1250(log);
    static const QRegularExpression datum_cas(
        QStringLiteral("^.{45}(Datum: (?: *[^ .][^.\r\n]*[^ .]   |[^ .][^.\r\n]{12}))"
                       "(Čas: {1,2}(?:1?[0-9]|2[0-3]):[0-5][0-9])\r$"),
        QRegularExpression::MultilineOption);
    QString ocekavano;
    auto shody = datum_cas.globalMatch(text);
    for (const zaznam_t &z : zaznamy) {
        const auto m = shody.hasNext() ? shody.next() : QRegularExpressionMatch();
        if (m.captured(1).size() != 20 || m.captured(2).size() != 10)
            return QStringLiteral("no date and time field of the shape expected:\n") + text;
        const auto pole = [](const QString &nazev, int cislo, int sirka) {
            return (nazev + QString::number(cislo)).leftJustified(sirka);
        };
        ocekavano +=
            (QStringLiteral("Jméno: ") + z.jmeno.left(38)).leftJustified(45) + m.captured(1) + m.captured(2) +
            QStringLiteral("\r\nHra: ") + katalog_temat::nazev_rocniku(z.rocnik) + QStringLiteral(" - ") +
            katalog_temat::nazev_log(z.rocnik, z.tema) + QStringLiteral("\r\n") +
            pole(QStringLiteral("Počet příkladů:  "), z.pocet, 26) + pole(QStringLiteral("Správně:  "), z.spravne, 19) +
            pole(QStringLiteral("Špatně:   "), z.spatne, 20) + pole(QStringLiteral("Známka:  "), z.znamka, 10) +
            QStringLiteral("\r\n") + QString(75, u'=') + QStringLiteral("\r\n");
    }
    return do_cp1250(ocekavano) == log ? QString() : QStringLiteral("expected:\n%1\ngot:\n%2").arg(ocekavano, text);
}
