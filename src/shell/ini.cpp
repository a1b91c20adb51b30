#include "shell/ini.h"

#include "common/soubory.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

QString nacti_ini_hodnotu(const QString &soubor, const QString &sekce, const QString &klic)
{
    const QString chyba = QStringLiteral("ERROR");
    QFile f(soubor);
    if (soubor.isEmpty() || !f.open(QIODevice::ReadOnly))
        return chyba;
    bool v_sekci = false;
    while (!f.atEnd()) {
        QString radek = QString::fromUtf8(f.readLine()).trimmed();
        if (radek.startsWith(QLatin1Char('['))) {
            const qsizetype konec = radek.indexOf(QLatin1Char(']'));
            const QString nazev = radek.mid(1, konec < 0 ? -1 : konec - 1).trimmed();
            v_sekci = nazev.compare(sekce, Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!v_sekci || radek.startsWith(QLatin1Char(';')))
            continue;
        const qsizetype rovnitko = radek.indexOf(QLatin1Char('='));
        if (rovnitko < 0 || radek.left(rovnitko).trimmed().compare(klic, Qt::CaseInsensitive) != 0)
            continue;
        QString hodnota = radek.mid(rovnitko + 1).trimmed();
        if (hodnota.size() >= 2 && hodnota.startsWith(QLatin1Char('"')) && hodnota.endsWith(QLatin1Char('"')))
            hodnota = hodnota.mid(1, hodnota.size() - 2);
        return hodnota.left(254).trimmed();
    }
    return chyba;
}

QString najdi_ini(const QString &nazev)
{
    const QString vedle = spoj_cestu(QCoreApplication::applicationDirPath(), nazev);
    if (existuje_soubor(vedle))
        return vedle;
    for (const QString &slozka : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString cesta = spoj_cestu(slozka, nazev);
        if (existuje_soubor(cesta))
            return cesta;
    }
    return {};
}
