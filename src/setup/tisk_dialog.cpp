#include "setup/tisk_dialog.h"

#include "shell/hostitel.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

namespace
{

// Qt's dialog speaks Slovak like the rest of the program when Qt's translations are
// installed; without them it stays in English.
void nacti_preklad_dialogu()
{
    static bool nacteno = false;
    if (nacteno)
        return;
    nacteno = true;
    auto *preklad = new QTranslator(QCoreApplication::instance());
    if (preklad->load(QStringLiteral("qtbase_sk"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(preklad);
    else
        delete preklad;
}

} // namespace

qt_tiskovy_dialog_t::qt_tiskovy_dialog_t(QWidget *rodic) : rodic_(rodic) {}

bool qt_tiskovy_dialog_t::zobraz(QPrinter &tiskarna)
{
    // The screens live inside a scaled scene; the dialog is a window of its own over the
    // program's window.
    QWidget *rodic = rodic_ ? rodic_->window() : hostitel::instance();
    if (rodic && rodic->graphicsProxyWidget())
        rodic = hostitel::instance();
    nacti_preklad_dialogu();
    QPrintDialog dialog(&tiskarna, rodic);
    dialog.setWindowTitle(QStringLiteral("Tlač pracovných listov"));
    // The whole run is one document: no selection, page range or current page to pick.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}
