#include "shell/preklad.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace
{

// What Qt's Slovak catalogue leaves in English where a teacher meets it: the standard
// buttons (the print dialog's Cancel, the file dialog's Save), looked up without their
// mnemonic "&".
class doplnky_prekladu : public QTranslator
{
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char *kontext, const char *text, const char *, int) const override
    {
        static const QHash<QString, QString> tlacitka = {
            {QStringLiteral("Save"), QStringLiteral("Uložiť")},
            {QStringLiteral("Save All"), QStringLiteral("Uložiť všetko")},
            {QStringLiteral("Don't Save"), QStringLiteral("Neukladať")},
            {QStringLiteral("Open"), QStringLiteral("Otvoriť")},
            {QStringLiteral("Yes"), QStringLiteral("Áno")},
            {QStringLiteral("Yes to All"), QStringLiteral("Áno pre všetky")},
            {QStringLiteral("No"), QStringLiteral("Nie")},
            {QStringLiteral("No to All"), QStringLiteral("Nie pre všetky")},
            {QStringLiteral("Abort"), QStringLiteral("Prerušiť")},
            {QStringLiteral("Retry"), QStringLiteral("Skúsiť znova")},
            {QStringLiteral("Ignore"), QStringLiteral("Ignorovať")},
            {QStringLiteral("Close"), QStringLiteral("Zavrieť")},
            {QStringLiteral("Cancel"), QStringLiteral("Zrušiť")},
            {QStringLiteral("Discard"), QStringLiteral("Zahodiť")},
            {QStringLiteral("Help"), QStringLiteral("Pomocník")},
            {QStringLiteral("Apply"), QStringLiteral("Použiť")},
            {QStringLiteral("Reset"), QStringLiteral("Obnoviť")},
            {QStringLiteral("Restore Defaults"), QStringLiteral("Obnoviť predvolené")},
        };
        if (QByteArrayView(kontext) != "QPlatformTheme")
            return {};
        return tlacitka.value(QString::fromUtf8(text).remove(QLatin1Char('&')));
    }
};

} // namespace

void nacti_preklad_qt()
{
    static bool nacteno = false;
    if (nacteno || !QCoreApplication::instance())
        return;
    nacteno = true;
    auto *preklad = new QTranslator(QCoreApplication::instance());
    if (!preklad->load(QStringLiteral("qtbase_sk"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete preklad;
        return;
    }
    QCoreApplication::installTranslator(preklad);
    // Installed later, so asked first.
    QCoreApplication::installTranslator(new doplnky_prekladu(QCoreApplication::instance()));
}
