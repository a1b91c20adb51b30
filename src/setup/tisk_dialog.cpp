#include "setup/tisk_dialog.h"

#include "shell/hostitel.h"
#include "shell/preklad.h"
#include "shell/ukazatel.h"

#include <QPrintDialog>
#include <QPrinter>

qt_tiskovy_dialog_t::qt_tiskovy_dialog_t(QWidget *rodic) : rodic_(rodic) {}

bool qt_tiskovy_dialog_t::zobraz(QPrinter &tiskarna)
{
    // The screens live inside a scaled scene; the dialog is a window of its own over the
    // program's window.
    QWidget *rodic = rodic_ ? rodic_->window() : hostitel::instance();
    if (rodic && rodic->graphicsProxyWidget())
        rodic = hostitel::instance();
    nacti_preklad_qt();
    QPrintDialog dialog(&tiskarna, rodic);
    dialog.setWindowTitle(QStringLiteral("Tlač pracovných listov"));
    // A page range picks pages of every copy, which the program does itself. The print
    // system's own list of pages and its reverse order would work on the whole run (or,
    // into a file, not at all), so the dialog does not offer them.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, 99);
    for (const char *nazev : {"pagesRadioButton", "pagesLineEdit", "reverse"})
        if (QWidget *prvek = dialog.findChild<QWidget *>(QLatin1String(nazev)))
            prvek->hide();
    const bez_presypacich_hodin_t sipka;
    return dialog.exec() == QDialog::Accepted;
}
