#include "exercise/main_frm.h"
#include "results/frm_tabulka.h"
#include "setup/frm_select.h"
#include "shell/hl_menu.h"
#include "shell/hostitel.h"
#include "shell/preklad.h"
#include "shell/start.h"
#include "ucitel/prikaz_ucitele.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto kod = spust_ucitele(argc, argv))
        return *kod;

    QApplication aplikace(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ortanel-verbano2"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.ortanel.verbano2"));
    nacti_preklad_qt();

    hostitel okno;
    okno.zaregistruj(obrazovka_id::hl_menu, [](QWidget *platno) { return new hl_menu(platno); });
    okno.zaregistruj(obrazovka_id::frm_select, [](QWidget *platno) { return new frm_select(platno); });
    okno.zaregistruj(obrazovka_id::main_frm, [](QWidget *platno) { return new main_frm(platno); });
    okno.zaregistruj(obrazovka_id::frm_tabulka, [](QWidget *platno) { return new frm_tabulka(platno); });

    spust_program(okno);
    return QApplication::exec();
}
