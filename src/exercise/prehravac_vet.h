#pragma once

#include "exercise/kresleni_stranky.h"
#include "exercise/stranka.h"
#include "shell/rodina.h"

#include <QLabel>
#include <QObject>
#include <functional>

class aktivni_plocha;
class obrazovka;

// The page's speakers and, in a whole text with a limit, the counters of plays left
// beside them. A speaker plays its sentence's recording, pauses it or resumes it
// (diktuj); a new play of a counted sentence counts one down and draws the counter anew;
// a speaker with no plays left is switched off once its last play has ended and the
// pointer moves.
class prehravac_vet : public QObject
{
    Q_OBJECT
public:
    // The page's plays left are kept in the page itself, so the screen's page is shared;
    // `nahravka` names the recording of a sentence by its number.
    prehravac_vet(obrazovka &s, stranka_t &stranka, std::function<QString(int cislo_vety)> nahravka, int limit,
                  const obrazky_t &obrazky);

    // The speaker (and counter) of sentence k, where the page model puts them.
    void vytvor(int k, const veta_stranky_t &veta);
    // Removes every speaker and counter.
    void odstran();
    // A click on the speaker of sentence k.
    void prehraj(int k);
    // Switches off the speakers that have no plays left and have finished playing.
    void vypni_dohrane();
    // After checking: no speaker plays any more, and the counters turn grey where asked.
    void zakaz(bool i_pocitadla);

    aktivni_plocha *repro(int k) const { return k >= 1 ? repro_[k] : nullptr; }
    QLabel *pocitadlo(int k) const { return k >= 1 ? pocet_diktovani_[k] : nullptr; }
    // Plays left for sentence k.
    int zbyva(int k) const;

signals:
    // Sentence k started from its beginning.
    void prehrano(int k);

private:
    obrazovka &obrazovka_;
    stranka_t &stranka_;
    std::function<QString(int)> nahravka_;
    int limit_;
    const obrazky_t &obrazky_;
    rodina_prvku<aktivni_plocha> repro_;
    rodina_prvku<QLabel> pocet_diktovani_;
};
