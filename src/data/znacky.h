#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

class nahoda_t;

// The sentence markup. A sentence line is the sentence text, "*" and the sentence number;
// inside the text an item "<A#W1~W2>" (or "<A^B#W…>") marks a place to decide, and "¦"
// forces a line break on screen. Positions here are 0-based.

inline constexpr QChar znak_oddelovac_radku = QChar(0x00A6); // "¦"

// The characters before the first "*" (the whole line when it has none).
QString text_vety(const QString &radek);
// The number after the first "*", read as far as it is numeric ("07" → 7, "12ab" → 12,
// "" or "x" → 0).
int cislo_vety(const QString &radek);
// The same as text without leading zeros: "7".
QString cislo_vety_text(const QString &radek);

struct polozka_t {
    QString a;                // first correct form
    std::optional<QString> b; // second correct form, after "^"
    QStringList alternativy;  // the wrong forms W1 … Wn (a lone " " is one empty form)
    qsizetype zacatek = 0;    // position of "<"
    qsizetype konec = 0;      // position of ">"

    bool ma_b() const { return b.has_value(); }
    // A, W1, …, Wn: the forms a correction sheet or exercise draws from.
    QStringList tvary() const;
    // One of tvary(), drawn after reseeding the generator: entry floor(r × (n + 1) + 1).
    QString nahodny_tvar(nahoda_t &generator) const;
    // The five-character comma items "<,# >" and "< #,>".
    bool je_carka() const { return a == QLatin1String(",") && alternativy == QStringList{QString()}; }
    bool je_bez_carky() const { return a == QLatin1String(" ") && alternativy == QStringList{QStringLiteral(",")}; }
};

// Where the item whose "<" is at position p of the text lies; empty when there is no "#"
// or ">" after it (or the ">" comes before the "#"). Reading an item and checking a line
// both go by it, so they cannot disagree on what an item is.
struct meze_polozky_t {
    qsizetype zacatek = 0; // "<"
    qsizetype konec_a = 0; // the "^" or "#" that ends the first form
    qsizetype krizek = 0;  // "#"
    qsizetype konec = 0;   // ">"
};
std::optional<meze_polozky_t> meze_polozky(QStringView text, qsizetype p);

// The item whose "<" is at position p of the text, within meze_polozky().
std::optional<polozka_t> precti_polozku(QStringView text, qsizetype p);

// A sentence text cut into what drawing and printing walk over: plain characters, whole
// items and forced line breaks. A "<" that does not open a well-formed item is plain text.
struct cast_vety_t {
    enum class druh_t { znak, polozka, novy_radek };
    druh_t druh = druh_t::znak;
    QChar znak;        // druh_t::znak
    polozka_t polozka; // druh_t::polozka
    qsizetype pozice = 0;
};
QList<cast_vety_t> rozloz_vetu(const QString &text);

// The three written-out sentences of a line, line separators removed.
struct vypsane_vety_t {
    QString spravna_veta;       // every item by A
    QString spravna_veta_2;     // every item by B where it has one, else A
    QString veta_s_chybami;     // every item by a randomly drawn form
    bool ma_druhy_tvar = false; // some item has a B
};
// Reseeds the generator from the clock before every item's draw.
vypsane_vety_t vypis_vety(const QString &radek, nahoda_t &generator);
vypsane_vety_t vypis_vety(const QString &radek);

QString odstran_oddelovace_radku(const QString &zdroj);

// What is wrong with a sentence line, or empty when it is well formed: no "*", a number
// that is not a number, an item without "#" or ">", a "*" inside an item, nested items,
// "#", ">", "~" or "^" outside an item, "^" among the alternatives.
std::optional<QString> chyba_radku(const QString &radek);
// The items of a well-formed line.
QList<polozka_t> polozky_vety(const QString &radek);
