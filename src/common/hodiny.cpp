#include "common/hodiny.h"

#include <QLocale>
#include <optional>

namespace
{
std::optional<QDateTime> pevny_cas;
std::function<QString(const QDate &)> pevny_format;
} // namespace

namespace hodiny
{

QDateTime ted() { return pevny_cas ? *pevny_cas : QDateTime::currentDateTime(); }

QString kratke_datum(const QDate &datum)
{
    if (pevny_format)
        return pevny_format(datum);
    // Slovak and Czech desktops write "6. 12. 2026"; the log keeps dates without the
    // spaces, as a date field always read ("6.12.2026").
    QString text = QLocale::system().toString(datum, QLocale::ShortFormat);
    text.replace(QStringLiteral(". "), QStringLiteral("."));
    return text;
}

void zafixuj(const QDateTime &kdy, std::function<QString(const QDate &)> format_data)
{
    pevny_cas = kdy;
    pevny_format = std::move(format_data);
}

void uvolni()
{
    pevny_cas.reset();
    pevny_format = nullptr;
}

} // namespace hodiny
