#pragma once
// A pupil's visit as the pupils' program logs it, for the teacher's tests.
#include "common/hodiny.h"
#include "common/soubory.h"
#include "results/soubory_vysledku.h"
#include "results/zaznam.h"

// The record of grade 5..9, topic, {sentences, right, wrong, mark} at 9:05 on a desktop
// whose short date is `datum`.
inline QByteArray zaznam(const QString &jmeno, const QString &datum, int rocnik, int tema, QList<int> pocty)
{
    hodiny::zafixuj({}, [datum](const QDate &) { return datum; });
    spolecny_stav_t s;
    s.jmeno_zaka = jmeno;
    s.rocnik = rocnik - 4;
    s.tema = tema;
    s.pocet_uloh = pocty[0];
    s.pocet_spravne = pocty[1];
    s.pocet_spatne = pocty[2];
    const QByteArray b =
        do_cp1250(sestav_zaznam(s, pocty[3], QDateTime(QDate(2026, 1, 1), QTime(9, 5))).join("\r\n") + "\r\n");
    hodiny::uvolni();
    return b;
}
