#pragma once
// What the results tests share: the data files as bytes, table sections, and a pupil's
// fill-in of topic 3 of the 7th grade.
#include "common/soubory.h"
#include "common/stav.h"
#include "results/tabulka.h"

#include <QFile>

// Lines as the program writes them: Windows-1250 with CR LF.
inline QByteArray jako_soubor(const QStringList &radky)
{
    QByteArray bajty;
    for (const QString &r : radky)
        bajty += do_cp1250(r) + "\r\n";
    return bajty;
}

inline QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool zapis(const QString &cesta, const QByteArray &bajty)
{
    QFile f(cesta);
    return f.open(QIODevice::WriteOnly) && f.write(bajty) == bajty.size();
}

// A header and its ten rows, the missing ones empty.
inline QStringList sekce(const QString &hlavicka, QStringList radky = {})
{
    while (radky.size() < radku_sekce)
        radky.append(QStringLiteral("|0|0|0"));
    return QStringList{hlavicka} + radky;
}

inline spolecny_stav_t doplnovacka(const QString &data, const QString &jmeno, int spravne, int spatne,
                                   bool hotovo = true)
{
    spolecny_stav_t s;
    s.adresar_dat = data;
    s.rocnik = 3;
    s.tema = 3;
    s.druh_ulohy = druh_t::doplnovacka;
    s.pocet_uloh = 10;
    s.jmeno_zaka = jmeno;
    s.pocet_spravne = spravne;
    s.pocet_spatne = spatne;
    s.vsetko_skontrolovane = hotovo;
    return s;
}
