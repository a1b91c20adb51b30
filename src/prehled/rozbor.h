#pragma once

#include "prehled/log.h"

#include <QList>
#include <array>

// What the teacher asks of the log: which records, and how well each pupil and each topic
// did. Records are passed as indices into the log's list, so nothing is copied.

struct filtr_t {
    QString jmeno;   // part of the pupil's name, in any case; empty: everyone
    QDate od, do_;   // inclusive; invalid: open (a record without a readable date then fails)
    int rocnik = 0;  // grade number; 0: every grade
    int tema = 0;    // topic of that grade; 0: every topic
    int znamka = -1; // -1: any mark; 0: only the unfinished visits
    bool skryt_nedokoncene = false;

    bool vyhovuje(const zaznam_t &z) const;
    bool operator==(const filtr_t &) const = default;
};

// Indices of the records that pass, in log order.
QList<int> vyber(const QList<zaznam_t> &zaznamy, const filtr_t &filtr);

// Pupils' names, sorted the Slovak way, each once.
QStringList jmena_zaku(const QList<zaznam_t> &zaznamy);

// A topic as the views group it.
struct souhrn_temy_t {
    int rocnik = 0;
    int tema = 0;
    QString nazev;
    int navstev = 0;             // every visit, finished or not
    double podil = -1;           // average share of right items over finished visits with items; -1: none
    double znamka = 0;           // average mark of finished visits; 0: none
    std::array<int, 6> znamky{}; // visits per mark; index 0 counts the unfinished ones
};

// Per topic of the chosen records, in catalogue order (grade, topic); topics a record
// names that the catalogue does not know come after their grade's, by name. With a grade
// number, every topic of that grade is listed, also those nobody practised.
QList<souhrn_temy_t> souhrn_temat(const QList<zaznam_t> &zaznamy, const QList<int> &vybrane, int rocnik = 0);

// The chosen records of one pupil (exact name), oldest first.
QList<int> prubeh_zaka(const QList<zaznam_t> &zaznamy, const QList<int> &vybrane, const QString &jmeno);
