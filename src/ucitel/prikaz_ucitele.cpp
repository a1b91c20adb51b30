#include "ucitel/prikaz_ucitele.h"

#include "common/pismo.h"
#include "prehled/csv.h"
#include "prehled/rozbor.h"
#include "shell/ini.h"
#include "shell/preklad.h"
#include "ucitel/okno_ucitele.h"

#include <QApplication>
#include <QTextStream>

std::optional<volby_ucitele_t> rozeber_volby_ucitele(const QStringList &argumenty)
{
    if (!argumenty.contains(QStringLiteral("--ucitel")))
        return std::nullopt;
    volby_ucitele_t v;
    for (qsizetype i = 0; i < argumenty.size() && v.chyba.isEmpty(); ++i) {
        const QString &a = argumenty[i];
        if (a == QLatin1String("--ucitel"))
            continue;
        if (a == QLatin1String("--data") || a == QLatin1String("--export")) {
            if (i + 1 >= argumenty.size() || argumenty[i + 1].isEmpty() ||
                argumenty[i + 1].startsWith(QLatin1String("--"))) {
                v.chyba = QStringLiteral("Za voľbou %1 chýba názov súboru alebo priečinka.").arg(a);
                break;
            }
            (a == QLatin1String("--data") ? v.data : v.export_csv) = argumenty[++i];
            continue;
        }
        v.chyba = QStringLiteral("Neznáma voľba „%1“ (použitie: ortanel-verbano2 --ucitel [--data PRIEČINOK] "
                                 "[--export SÚBOR.csv]).")
                      .arg(a);
    }
    return v;
}

QString data_z_ini()
{
    const QString ini = najdi_ini();
    if (ini.isEmpty())
        return {};
    const QString hd = nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("HD"));
    return hd == QLatin1String("ERROR") ? QString() : hd;
}

namespace
{

int vyvezi(const volby_ucitele_t &v)
{
    QTextStream err(stderr);
    const QString data = v.data.isEmpty() ? data_z_ini() : v.data;
    if (data.isEmpty()) {
        err << "Chyba: ORTANEL.INI neuvádza priečinok s údajmi; zadajte ho voľbou --data.\n";
        return 2;
    }
    const nacteny_log_t log = nacti_log(cesta_logu(data));
    if (!log.chyba.isEmpty()) {
        err << "Chyba: " << log.chyba << "\n";
        return 2;
    }
    QString chyba;
    const QList<int> vsetky = vyber(log.zaznamy, filtr_t{});
    if (!uloz_csv(v.export_csv, sestav_csv(log.zaznamy, vsetky), &chyba)) {
        err << "Chyba: " << chyba << "\n";
        return 2;
    }
    QTextStream(stdout) << QStringLiteral("Záznamov uložených do %1: %2 (preskočené poškodené riadky: %3).\n")
                               .arg(v.export_csv)
                               .arg(vsetky.size())
                               .arg(log.preskocene_radky);
    return 0;
}

} // namespace

std::optional<int> spust_ucitele(int &argc, char **argv)
{
    QStringList argumenty;
    for (int i = 1; i < argc; ++i)
        argumenty.append(QString::fromLocal8Bit(argv[i]));
    const auto volby = rozeber_volby_ucitele(argumenty);
    if (!volby)
        return std::nullopt;
    if (!volby->chyba.isEmpty()) {
        QTextStream(stderr) << "Chyba: " << volby->chyba << "\n";
        return 2;
    }
    if (!volby->export_csv.isEmpty()) {
        QCoreApplication aplikace(argc, argv);
        return vyvezi(*volby);
    }
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ortanel-verbano2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.ortanel.verbano2.ucitel"));
    nacti_preklad_qt();
    zaregistruj_pisma();
    QApplication::setFont(QFont(rodina_pisma(), 10));
    okno_ucitele okno;
    okno.otvor(volby->data.isEmpty() ? data_z_ini() : volby->data);
    okno.show();
    return QApplication::exec();
}
