#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Proofreading of the whole corpus: spelling of every correct sentence against a Hunspell
// dictionary and the project word list, wrong forms that the dictionary also knows, and
// sentences that are the same or nearly the same anywhere in the corpus.

// Two sentences are reported as nearly the same above this Dice coefficient of their word
// multisets (2 × shared words / all words), after lower-casing and dropping punctuation.
inline constexpr double prah_podobnosti = 0.8;

struct veta_korektury_t {
    QString klic;  // section key
    QString misto; // "content/vety/5_1.txt:3"
    QString radek; // a sentence line, or an exception's plain sentence
    bool vyjimka = false;
};

struct vysledek_korektury_t {
    QStringList chyby;
    struct varovani_t {
        QString klic;
        QString zprava;
    };
    QList<varovani_t> varovani;
    int slov = 0;            // distinct words looked up in the dictionary
    qint64 ms_pravopisu = 0; // the spelling check, dictionary loading included
};

// slovnik: the project word list, one word a line ("# …" comments), reported as misto_slovniku.
// hunspell: the dictionary's path without ".aff"/".dic"; empty skips spelling and wrong forms.
vysledek_korektury_t proved_korekturu(const QList<veta_korektury_t> &vety, const QStringList &slovnik,
                                      const QString &misto_slovniku, const QString &hunspell);
