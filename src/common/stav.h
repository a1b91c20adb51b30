#pragma once

#include "common/druhy.h"

#include <QString>
#include <optional>

// The session: what the screens hand on to each other while the program runs; nothing of it
// is saved. The host owns the one of the program and hands it to every screen it creates;
// tests and the tour make their own. Counts are plain ints: a long exercise must never wrap
// them.
struct spolecny_stav_t {
    QString adresar_media; // INI key "CD": bitmaps (GRAFIKA) and sounds (ZVUK)
    QString adresar_dat;   // INI key "HD": data files, score table and results log
    int puvodni_sirka = 0; // display mode found at start-up
    int puvodni_vyska = 0;
    int puvodni_hloubka = 0;
    int rocnik = 0;                   // grade index 1..5 ("5. ročník" is 1)
    int tema = 0;                     // topic index within the grade
    int pocet_uloh = 0;               // sentences chosen: 0 (none yet), 5, 10, 15, 20
    int pocet_vet_cviceni = 0;        // sentences the open exercise has (a whole text: all of it)
    std::optional<druh_t> druh_ulohy; // none until one is chosen
    int limit_diktovani = 0;          // plays per sentence of a whole text: 1, 2, 3, or 100
    bool napoveda_na_zaciatku = false;
    QString jmeno_zaka;
    int pocet_spravne = 0;
    int pocet_spatne = 0;
    bool vsetko_skontrolovane = false;

    // Media and data file names: the folder plus a relative name such as
    // "GRAFIKA/SELECT/BCKG.BMP".
    QString soubor_media(const QString &relativni) const;
    QString soubor_dat(const QString &relativni) const;
};
