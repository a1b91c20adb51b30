#include "shell/preklad.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void nacti_preklad_qt()
{
    static bool nacteno = false;
    if (nacteno || !QCoreApplication::instance())
        return;
    nacteno = true;
    auto *preklad = new QTranslator(QCoreApplication::instance());
    if (preklad->load(QStringLiteral("qtbase_sk"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(preklad);
    else
        delete preklad;
}
