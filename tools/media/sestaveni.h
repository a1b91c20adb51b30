#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Building the media folder: every output has a name, a fingerprint of what it is made
// from, and a way to make its bytes. A manifest beside the build remembers the
// fingerprint of every file written, so a rebuild makes only what changed and removes
// what is no longer produced.
namespace sestaveni
{

struct ukol_t {
    QString nazev;    // relative to the media folder, "GRAFIKA/BG.BMP"
    QByteArray otisk; // everything the bytes depend on
    std::function<std::optional<QByteArray>(QString *chyba)> vytvor;
};

struct vysledek_t {
    int vytvoreno = 0;
    int beze_zmeny = 0;
    int smazano = 0;
    QStringList chyby; // "name: reason"
};

// Name → fingerprint hash of every file the last build wrote.
QHash<QString, QByteArray> nacti_manifest(const QString &cesta);
bool uloz_manifest(const QString &cesta, const QHash<QString, QByteArray> &manifest);

// Makes every task whose file is missing or whose fingerprint changed, on `vlaken`
// threads, and deletes the files of the old manifest that no task produces any more.
// `hlaseni` hears a line about each file made (called from the worker threads, one at a time).
vysledek_t sestav(const QList<ukol_t> &ukoly, const QString &cil, const QString &cesta_manifestu, int vlaken,
                  const std::function<void(const QString &)> &hlaseni = {});

} // namespace sestaveni
