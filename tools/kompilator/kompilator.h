#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The data compiler: turns the readable sources of content/ into the installation's data
// files. Every content error is reported as "file:line: reason" and stops the build.
struct vysledek_kompilace_t {
    QStringList chyby;
    // Per section key: sentences (or texts of a whole-text section), items, exceptions.
    struct souhrn_t {
        QString klic;
        bool souvisly = false;
        int vet = 0;
        int textu = 0;
        int polozek = 0;
        int vyjimek = 0;
        int varovani = 0;
    };
    QList<souhrn_t> souhrn;
    // Findings that do not stop the build: wrong forms that the dictionary also knows.
    QStringList varovani;
    int slov_pravopisu = 0;  // distinct words looked up in the dictionary
    qint64 ms_pravopisu = 0; // how long the spelling check took
    bool ok() const { return chyby.isEmpty(); }
};

// An extra check of one sentence line in its section (for example whether it fits the
// exercise page); returns the reasons it fails.
using kontrola_vety_t = std::function<QStringList(const QString &klic, const QString &radek)>;
// An extra check of one accepted exception sentence; returns the reasons it fails.
using kontrola_vyjimky_t = std::function<QStringList(const QString &text)>;

struct nastaveni_kompilace_t {
    QString obsah;  // content/ folder
    QString vystup; // data folder to write; empty: check only
    QList<kontrola_vety_t> kontroly_vet;
    QList<kontrola_vyjimky_t> kontroly_vyjimek;
    // The Hunspell dictionary (path without ".aff"/".dic") that every correct sentence is
    // spelt against, with content/slovnik.txt; empty: no spelling check.
    QString hunspell;
};

inline constexpr auto vychozi_hunspell = "/usr/share/hunspell/sk_SK";

vysledek_kompilace_t kompiluj(const nastaveni_kompilace_t &nastaveni);

// The checks the program's own layout and checking impose on every sentence.
QList<kontrola_vety_t> vychozi_kontroly_vet();
QList<kontrola_vyjimky_t> vychozi_kontroly_vyjimek();
