#include "setup/tisk_dialog.h"

#include "shell/hostitel.h"
#include "shell/preklad.h"

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
    // The whole run is one document: no selection, page range or current page to pick.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}
