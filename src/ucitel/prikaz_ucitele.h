#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The teacher's face of the program: `ortanel-verbano2 --ucitel [--data DIR|FILE]` opens the
// results window (an ordinary window, no full screen, no lock against the pupils' program);
// with `--export FILE.csv` the filtered records go to a spreadsheet file without a window.

struct volby_ucitele_t {
    QString data; // folder or log file; empty: the folder ORTANEL.INI names
    QString export_csv;
    QString chyba; // Slovak, one line; set when the arguments cannot be used
};

// Nothing when the arguments do not ask for the teacher's face.
std::optional<volby_ucitele_t> rozeber_volby_ucitele(const QStringList &argumenty);

// Runs the teacher's face when the arguments ask for it and returns the exit status: 0, or 2
// with one Slovak line on standard error when the export fails or the arguments are wrong.
// Nothing when the pupils' program is to start.
std::optional<int> spust_ucitele(int &argc, char **argv);

// The data folder or log named by ORTANEL.INI; empty when there is none.
QString data_z_ini();
