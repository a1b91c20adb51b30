#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The built program (build/ortanel-verbano2) as a pupil meets it: a copy beside its own
// ORTANEL.INI (the rendered media, a fresh data folder), started on the X display that
// DISPLAY names and driven through it alone (xdotool, photographs compared with the media):
// title picture, "8. ročník", its first topic, 5 sentences, a dictation, "Jan Novak"; every
// page checked with nothing typed; the results; back to the set-up screen and the menu,
// exit with Yes (Tab and space on the question, whose default is No).
namespace cesta_programu
{

struct volby_t {
    // Called with the program's process id where it waits untouched ("title picture",
    // "main menu", "set-up screen", "exercise page") and at the exit question.
    std::function<void(const QString &stav, qint64 pid)> v_klidu;
    // Where the photographs of the steps go (NN_name.png); none when empty.
    QString snimky;
};

struct vysledek_t {
    // Steps that did not come about, in order; empty when the way went through.
    QStringList chyby;
    // The program's exit code; -1 when it did not end by itself.
    int kod = -1;
    // VYSLEDKY.DAT, TAB.DAT and ZNAMKY.DAT of the data folder afterwards, and what the
    // program wrote on its standard output and error.
    QByteArray log, tabulka, znamky, vystup;
};

// What is missing for the way; empty when it can be gone.
QString chybi();
vysledek_t projdi(const volby_t &volby = {});

} // namespace cesta_programu
