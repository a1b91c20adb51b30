#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class nahoda_t;

// Which sentences of a topic make up an exercise and in which order: distinct sentences
// drawn at random and shuffled, or the ten sentences of one randomly chosen whole text.
struct losovani_t {
    QStringList radky_sekce;       // the section's lines in file order
    QList<int> vybrane_radky;      // per task, the 0-based index of its line in radky_sekce
    int pocet_uloh = 0;            // tasks; a whole text sets it to the sentences found
    bool souvisly_text = false;    // the section is a whole-text section
    int pocet_zobrazenych = 0;     // tasks placed on pages so far, current page included
    bool zachovat_vybrane = false; // keep tasks 1..pocet_zobrazenych on this drawing

    const QString &radek_ulohy(int uloha) const { return radky_sekce.at(vybrane_radky.at(uloha)); }
};

// Shown when the topic has fewer sentences than the exercise asks for.
extern const QString hlaska_malo_radku;

enum class vysledek_losovani_t { ok, malo_radku };

// Reads the section of the key from the exercise data file and draws the tasks from the
// lines that can be shown. With too
// few lines the choice is left as it was. The set-up screen's variant never keeps earlier
// tasks.
vysledek_losovani_t nacti_doplnovacku(losovani_t &stav, const QString &soubor_dat, const QString &cislo_ulohy,
                                      nahoda_t &generator);
// The same on lines already read (the section body and its whole-text flag).
vysledek_losovani_t vylosuj(losovani_t &stav, const QStringList &radky, bool souvisly_text, nahoda_t &generator);

// Why a sentence line cannot be shown, or empty when it can: no "*" with a number, a
// control byte, or a word longer than any line of the page. Such a line is left out of
// every drawing (the data compiler rejects it with the same reason).
constexpr int nejdelsi_slovo = 40;
std::optional<QString> proc_vynechat(const QString &radek);

// Number of whole texts of a section: the last line's tag integer-divided by ten.
int pocet_textu(const QStringList &radky_sekce);
