#include "common/hodiny.h"

#include <QLocale>
#include <optional>

namespace {
std::optional<QDateTime> pevny_cas;
std::function<QString(const QDate &)> pevny_format;
} // namespace

namespace hodiny {

QDateTime ted() { return pevny_cas ? *pevny_cas : QDateTime::currentDateTime(); }

QString kratke_datum(const QDate &datum)
{
    if (pevny_format)
        return pevny_format(datum);
    return QLocale::system().toString(datum, QLocale::ShortFormat);
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
