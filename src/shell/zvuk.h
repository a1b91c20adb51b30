#pragma once

#include "shell/zvukove_zarizeni.h"

#include <QObject>
#include <QString>
#include <memory>

// The device every screen plays through: the one the main menu holds, or (while none is
// held) one made on first use for the rest of the run. Tests put a fake in its place.
zvukove_zarizeni &zvuk_zdroj();
// Puts another device in place of the program's (tests); nullptr gives it back.
void nastav_zvuk(zvukove_zarizeni *nahrada);

// Plays a WAV file by its full path: whatever was open is closed (a playing sound stops),
// the file is opened and starts playing; returns at once.
void prehraj_zvuk(const QString &cesta);

// Owns the program's device for as long as it lives; the device itself is made on first
// use, so a program run with a fake never touches the machine's sound.
class drzak_zvuku : public QObject
{
    Q_OBJECT
public:
    explicit drzak_zvuku(QObject *rodic = nullptr);
    ~drzak_zvuku() override;

    zvukove_zarizeni &zarizeni();

private:
    std::unique_ptr<zvukove_zarizeni> zarizeni_;
};
