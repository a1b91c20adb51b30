#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// The results log "VYSLEDKY.DAT" read back for the teacher: one record per visit of the
// pupils' results screen (name, date and time; grade and topic; sentences, right, wrong,
// mark; a line of "="), Windows-1250 with CR LF, appended by many pupils at once.

struct zaznam_t {
    QString jmeno;
    QDate datum;        // invalid when the written date cannot be read
    QString datum_text; // the date as the pupil's computer wrote it
    int minuty = 0;     // time of day
    int rocnik = 0;     // grade number 5 to 9; 0 when the record names none
    int tema = 0;       // topic of the grade's catalogue; 0 when the name is not in it
    QString nazev_temy; // as written in the record
    int uloh = 0;
    int spravne = 0;
    int spatne = 0;
    int znamka = 0; // 0: the pupil left the exercise unfinished

    bool dokonceny() const { return znamka != 0; }
    // Share of right items from 0 to 1; negative when the visit had no items.
    double podil() const;
    QDateTime kdy() const;
};

struct nacteny_log_t {
    QList<zaznam_t> zaznamy;
    int preskocene_radky = 0; // non-blank lines of damaged, truncated or foreign records
    QString chyba;            // Slovak, for the teacher; empty when the log was read
    bool chybi = false;       // there is no log yet
};

// Records of the log's bytes, in file order. A record must be whole: a last line without
// its line end (a record being appended) is left out and counted as skipped.
nacteny_log_t rozeber_log(const QByteArray &obsah);

// Reads the log under the lock the pupils' program writes it under (without it when the
// folder does not allow a lock, e.g. a copy on a read-only medium). Never writes the log.
nacteny_log_t nacti_log(const QString &cesta);

// The log of a data folder, or the file itself when `cesta` names a file.
QString cesta_logu(const QString &cesta);
