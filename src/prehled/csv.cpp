#include "prehled/csv.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace
{

QString pole(QString text)
{
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        return QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QString desetinne(double cislo) { return QString::number(cislo, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }

} // namespace

QString podil_text(double podil)
{
    return podil < 0 ? QStringLiteral("–") : desetinne(podil * 100) + QStringLiteral(" %");
}

QByteArray sestav_csv(const QList<zaznam_t> &zaznamy, const QList<int> &vybrane)
{
    QString text =
        QStringLiteral("Žiak;Dátum;Čas;Ročník;Téma;Počet viet;Správne;Nesprávne;Úspešnosť (%);Známka;Stav\r\n");
    for (const int i : vybrane) {
        const zaznam_t &z = zaznamy[i];
        const QStringList polia = {
            pole(z.jmeno),
            pole(z.datum.isValid() ? z.datum.toString(QStringLiteral("d.M.yyyy")) : z.datum_text),
            QStringLiteral("%1:%2").arg(z.minuty / 60).arg(z.minuty % 60, 2, 10, QLatin1Char('0')),
            z.rocnik ? QString::number(z.rocnik) : QString(),
            pole(z.nazev_temy),
            QString::number(z.uloh),
            QString::number(z.spravne),
            QString::number(z.spatne),
            z.podil() < 0 ? QString() : desetinne(z.podil() * 100),
            z.dokonceny() ? QString::number(z.znamka) : QString(),
            z.dokonceny() ? QStringLiteral("dokončené") : QStringLiteral("nedokončené"),
        };
        text += polia.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool uloz_csv(const QString &cesta, const QByteArray &obsah, QString *chyba)
{
    QSaveFile soubor(cesta);
    if (soubor.open(QIODevice::WriteOnly) && soubor.write(obsah) == obsah.size() && soubor.flush() && soubor.commit())
        return true;
    if (chyba) {
        const QFileInfo info(cesta);
        *chyba = !info.absoluteDir().exists() ? QStringLiteral("Do súboru %1 sa nedá zapísať: priečinok %2 neexistuje.")
                                                    .arg(cesta, info.absolutePath())
                                              : QStringLiteral("Do súboru %1 sa nedá zapísať.").arg(cesta);
    }
    return false;
}
