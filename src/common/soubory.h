#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Joins a folder (stored without a trailing separator) and a relative name; the relative
// name may start with "/" or "\" and use either separator.
QString spoj_cestu(const QString &slozka, const QString &relativni);

// True for a plain file that exists; folders and hidden files count as missing.
bool existuje_soubor(const QString &cesta);

// Data files are Windows-1250 with CR LF line ends.
QString z_cp1250(const QByteArray &bajty);
QByteArray do_cp1250(const QString &text);
// Whether every character of the text exists in Windows-1250.
bool lze_v_cp1250(const QString &text);

// The file's lines as raw bytes, split at LF with a CR before it dropped; a final line
// end does not start another line. Scrambled lines hold control bytes, so this never
// reads in text mode. Empty optional when the file cannot be read.
std::optional<QList<QByteArray>> nacti_radky_bajtu(const QString &cesta);

// The file's lines converted from Windows-1250.
std::optional<QStringList> nacti_radky_cp1250(const QString &cesta);
