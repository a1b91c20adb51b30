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

// Every file read from the data or media folder is refused above this size; the largest
// real one, a 640 × 480 picture, is under 1 MiB. A link to /dev/zero never fills memory.
constexpr qint64 nejvetsi_soubor = 16 * 1024 * 1024;

// Links in the data folder are never followed: every pupil may rename files there, and a
// link planted under a data file's name must not lead the program to another user's file.
// The media folder is installed by the administrator; its links are followed.
enum class odkazy_t { nesledovat, sledovat };

struct precteny_soubor_t {
    enum class stav_t { precten, chybi, necitelny };
    stav_t stav = stav_t::chybi;
    QByteArray bajty;
    QString duvod; // why it is missing or cannot be read
};

// Opens a plain file for reading: never blocks (a pipe or device is refused, not waited
// for), and what is opened must be a regular file within the size limit. The descriptor,
// or -1 with the reason set (and errno ENOENT when nothing stands under the name).
int otevri_pro_cteni(const QString &cesta, odkazy_t odkazy, QString *duvod, qint64 nejvic = nejvetsi_soubor);
// The whole file read through otevri_pro_cteni.
precteny_soubor_t precti_soubor(const QString &cesta, odkazy_t odkazy = odkazy_t::nesledovat,
                                qint64 nejvic = nejvetsi_soubor);

// Writes the file whole or not at all: a new file beside it is written, synced to the disk
// and renamed over the old name (over a link itself, never its target). On any failure
// (a full disk included) the old file stays as it was and false comes back with the reason.
bool zapis_cely_soubor(const QString &cesta, const QByteArray &bajty, QString *duvod = nullptr);

// Bytes split into lines at LF with a CR before it dropped; a final line end does not
// start another line.
QList<QByteArray> rozdel_radky(const QByteArray &obsah);

// The file's lines as raw bytes, split at LF with a CR before it dropped; a final line
// end does not start another line. Scrambled lines hold control bytes, so this never
// reads in text mode. Empty optional when the file is missing or cannot be read (see
// precti_soubor; links are not followed).
std::optional<QList<QByteArray>> nacti_radky_bajtu(const QString &cesta);

// The file's lines converted from Windows-1250.
std::optional<QStringList> nacti_radky_cp1250(const QString &cesta);
