#include "common/pismo.h"
#include "exercise/main_frm.h"
#include "menu/hl_menu.h"
#include "menu/start.h"
#include "results/frm_tabulka.h"
#include "setup/frm_select.h"
#include "setup/prikazova_radka.h"
#include "shell/hostitel.h"
#include "shell/preklad.h"
#include "ucitel/prikaz_ucitele.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>

namespace
{

// Worksheets from the command line: no window, so no display is needed either.
int prikazova_radka_main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the program's one line for the teacher (or a script), not
    // Qt's notes about the desktop session.
    qInstallMessageHandler([](QtMsgType druh, const QMessageLogContext &, const QString &text) {
        if (druh == QtFatalMsg || druh == QtCriticalMsg)
            std::fputs(qPrintable(text + QLatin1Char('\n')), stderr);
    });
    QApplication aplikace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ortanel-verbano2"));
    zaregistruj_pisma();
    QTextStream vystup(stdout), chyby(stderr);
    return prikazova_radka::spust(QApplication::arguments().mid(1), vystup, chyby);
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto kod = spust_ucitele(argc, argv))
        return *kod;
    QStringList argumenty;
    for (int i = 1; i < argc; ++i)
        argumenty.append(QString::fromLocal8Bit(argv[i]));
    if (prikazova_radka::je_pozadovana(argumenty))
        return prikazova_radka_main(argc, argv);

    QApplication aplikace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ortanel-verbano2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.ortanel.verbano2"));
    nacti_preklad_qt();

    hostitel okno;
    okno.zaregistruj<hl_menu>(obrazovka_id::hl_menu);
    okno.zaregistruj<frm_select>(obrazovka_id::frm_select);
    okno.zaregistruj<main_frm>(obrazovka_id::main_frm);
    okno.zaregistruj<frm_tabulka>(obrazovka_id::frm_tabulka);

    spust_program(okno);
    return QApplication::exec();
}
