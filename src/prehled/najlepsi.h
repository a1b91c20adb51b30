#pragma once

#include "common/druhy.h"

#include <QList>
#include <QString>

// The ten best of each topic and kind, read from the pupils' score table "TAB.DAT".
struct najlepsi_t {
    int rocnik = 0; // grade number 5 to 9
    int tema = 0;
    druh_t druh = druh_t::vyberovka;
    struct radek_t {
        QString jmeno;
        int spravne = 0;
        int spatne = 0;
        int znamka = 0;
    };
    QList<radek_t> radky; // best first, empty rows left out
};

// Sections in file order; a damaged section is passed over. Empty when there is no table.
QList<najlepsi_t> nacti_najlepsich(const QString &cesta);

// "Výberovka", "Doplňovačka", "Diktát", "Oprava".
QString nazev_druhu(druh_t druh);
