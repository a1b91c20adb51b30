#pragma once

#include "common/stav.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <optional>

// The score table "TAB.DAT": per grade, topic and kind a header line and ten rows
// (name|correct|wrong|mark), best first. Any number of sections.

constexpr int radku_sekce = 10;

struct radek_tabulky_t {
    QString jmeno;
    int spravne = 0;
    int spatne = 0;
    int znamka = 0;

    bool operator==(const radek_tabulky_t &) const = default;
};

// "[" + (grade index + 5) + "_" + topic + kind code + "]", e.g. "[8_3_DJ]" or "[6_3]".
QString hlavicka_sekce(int rocnik, int tema, druh_t druh);

// The row's text "name|correct|wrong|mark"; a name never breaks it.
QString sestav_radek(const radek_tabulky_t &radek);
// Split at the first three "|"; empty when there are fewer.
std::optional<radek_tabulky_t> rozeber_radek(const QString &text);

// The table file in memory. Lines are kept as read, with their own line ends, so that
// every line this program does not change (a damaged section of another topic included)
// goes back to the file byte for byte.
struct tabulka_t {
    QList<QByteArray> radky_tabulky;
    qsizetype novy_radek = -1;     // index in radky_tabulky of the row with the new result
    QList<QByteArray> konce_radku; // per line as read; a line without one ends in CR LF

    // Index of the header line, or -1.
    qsizetype najdi_sekci(const QString &hlavicka) const;
    // Appends the header and ten empty rows; returns the header's index.
    qsizetype pridej_sekci(const QString &hlavicka);
};

// Every header is followed by ten rows with at least three "|" each.
bool je_tabulka_v_poradku(const QList<QByteArray> &radky);
// The same for the one section whose header is at h. A section that fails this is never
// written over; the rest of the table still takes results.
bool je_sekce_cela(const QList<QByteArray> &radky, qsizetype h);

// Places the result among the ten rows after the header h: at the first row with a
// smaller share or with both counts 0, moving the rest down and dropping the tenth.
// Sets and returns novy_radek, or -1 (the table unchanged) when it does not qualify or
// there is no whole section at h.
qsizetype setrid_tabulku(tabulka_t &tabulka, qsizetype h, const radek_tabulky_t &vysledek);

// Writes the lines, each with its own line end, whole through a temporary file renamed
// over the old name (zapis_cely_soubor).
bool uloz_tabulku(const QString &cesta, const tabulka_t &tabulka);

// One row of the results screen.
struct radek_zobrazeni_t {
    int poradi = 0; // 1 to 10
    radek_tabulky_t radek;
    bool cerveny = false;
};
using zobrazeni_tabulky_t = std::array<radek_zobrazeni_t, radku_sekce>;

// The ten rows of the section at h as the screen shows them; a row that cannot be read
// shows empty. The new row is red only when `zvyraznit` (a finished exercise).
zobrazeni_tabulky_t vykresli_tabulku(const tabulka_t &tabulka, qsizetype h, bool zvyraznit);

// What became of the table file on this visit.
enum class ulozeni_tabulky_t {
    ulozena,      // the finished exercise's result (or its new section) is in the file
    nezmenena,    // nothing to write: unfinished, or a result below the ten best
    poskozena,    // the exercise's section is damaged; the file is left as it was
    necitelna,    // the file cannot be read (permissions, not a regular file, too large)
    nelze_zapsat, // locking or writing failed; the file is as it was
};

struct vysledek_tabulky_t {
    zobrazeni_tabulky_t zobrazeni;
    ulozeni_tabulky_t ulozeni = ulozeni_tabulky_t::nezmenena;
};

// Loads "TAB.DAT" of the state's data folder, finds or creates the exercise's section and,
// for a finished exercise, places the result and saves — all under the table's lock so that
// pupils finishing at once on one data folder lose nothing. Returns the section as shown.
vysledek_tabulky_t nacti_tabulku(const spolecny_stav_t &stav, int znamka);
