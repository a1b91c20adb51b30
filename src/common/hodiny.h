#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

// Date and time of day for the results log and the worksheets; tests fix them.
namespace hodiny
{

QDateTime ted();
// The desktop's short date form of the date, without spaces after its dots.
QString kratke_datum(const QDate &datum);

void zafixuj(const QDateTime &kdy, std::function<QString(const QDate &)> format_data = {});
void uvolni();

} // namespace hodiny
