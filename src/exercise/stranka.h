#pragma once

#include "common/druhy.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

// One exercise page as the layout decides it: what to draw on the page buffer and every
// element the screen creates over it. The screen only turns this into pixels and widgets.

// One drawing step on the page buffer, in order.
struct kresba_t {
    enum class druh_t {
        vypln,             // fill `obdelnik` with the colour of pixel `zdroj_barvy` of the buffer
        obrazek,           // plain copy of bitmap `obrazek` at `poloha`
        obrazek_pruhledny, // the same, pixels of the key colour (the bitmap's pixel `klic`) left out
        text,              // `text` at the pen `poloha` (top left of the text cell), page font of `body` points
    };
    druh_t druh = druh_t::obrazek;
    QPoint poloha;
    QString obrazek; // relative media name, "GRAFIKA/3LINE_W.BMP"
    QPoint klic;
    QRect obdelnik;
    QPoint zdroj_barvy;
    QString text;
    int body = 12;

    bool operator==(const kresba_t &) const = default;
};

// Speaker of sentence k of the page.
struct repro_t {
    QRect obdelnik;
    int cislo_vety = 0;
    int zbyva_prehrani = 99; // plays left; 99 outside whole texts
};

// Where the plays-left picture of sentence k stands (whole texts only).
struct pocitadlo_t {
    QRect obdelnik;
    bool viditelne = false; // a counter picture is drawn (limit 1, 2 or 3)
};

// Result mark of sentence k: shown after checking at `poloha` with its own picture's size.
struct check_mark_t {
    QPoint poloha;
    QString odpoved;     // the correct sentence, shown in the bubble
    int pocet_radku = 1; // text lines of the sentence
};

// Choice label `vyber_txt(i)` with its list `vyber_lst(i)`.
struct vyber_txt_t {
    QRect obdelnik;
    int body = 12;
    Qt::Alignment zarovnani = Qt::AlignHCenter;
    QString spravna_odpoved;
    QString druha_odpoved;
    int cislo_vety = 0;
    int veta = 1;          // k of the sentence on the page
    QStringList vyber_lst; // entries in their shuffled order
    int vyska_seznamu = 0; // one entry's height × entries
};

// Gap box `dopln_box(i)`, empty at the start.
struct dopln_box_t {
    QRect obdelnik;
    int body = 12;
    Qt::Alignment zarovnani = Qt::AlignHCenter;
    std::optional<int> max_delka; // none: typing is not limited
    QString spravna_odpoved;
    QString druha_odpoved;
    int cislo_vety = 0;
    int veta = 1;
};

// Multi-line box `dopln_box_viceradkovy(i)` of sentence i (dictation and correction).
struct dopln_box_viceradkovy_t {
    QRect obdelnik;
    int body = 12;
    QString text; // shown at the start: the planted sentence, or empty in a dictation
    QString spravna_odpoved;
    QString druha_odpoved;
    int pocet_radku = 1; // pocet_radku_v_textboxu of the measured text
};

// Sentence k of the page.
struct veta_stranky_t {
    repro_t repro;
    std::optional<pocitadlo_t> pocet_diktovani;
    check_mark_t check_mark;
};

struct stranka_t {
    druh_t druh = druh_t::vyberovka;
    bool souvisly_text = false;
    QList<kresba_t> kresby;
    QList<veta_stranky_t> vety; // k = 1 … pocet_na_strance at index k − 1
    // The input elements of the kind, i = 1 … dalsi_prvek − 1 at index i − 1.
    QList<vyber_txt_t> vyber_txt;
    QList<dopln_box_t> dopln_box;
    QList<dopln_box_viceradkovy_t> dopln_box_viceradkovy;

    int pocet_prvku() const;
    // Sentence (k) of input element i (1-based).
    int veta_prvku(int i) const;
};
