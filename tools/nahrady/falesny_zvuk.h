#pragma once

#include "shell/zvuk.h"

#include <QStringList>
#include <algorithm>

// A sound device that records what it was told and plays nothing. Installs itself as the
// program's device on construction and gives the real one back on destruction.
// A sound ends at once unless hraje_po_play is set; then it plays until dohraj().
class falesny_zvuk : public zvukove_zarizeni
{
public:
    falesny_zvuk() { nastav_zvuk(this); }
    ~falesny_zvuk() override { nastav_zvuk(nullptr); }

    rezim_t rezim() const override { return rezim_; }
    QString soubor() const override { return soubor_; }
    void otevri(const QString &cesta) override
    {
        prikazy.append(QStringLiteral("Open ") + cesta);
        soubor_ = cesta;
        rezim_ = rezim_t::zastaveno;
    }
    void hraj() override
    {
        prikazy.append(QStringLiteral("Play"));
        if (soubor_.isEmpty())
            return;
        if (rezim_ == rezim_t::zastaveno)
            prehrane.append(soubor_);
        rezim_ = hraje_po_play ? rezim_t::hraje : rezim_t::zastaveno;
    }
    void pozastav() override
    {
        prikazy.append(QStringLiteral("Pause"));
        if (rezim_ == rezim_t::hraje)
            rezim_ = rezim_t::pozastaveno;
    }
    void zastav() override
    {
        prikazy.append(QStringLiteral("Stop"));
        rezim_ = rezim_t::zastaveno;
    }
    void zavri() override
    {
        prikazy.append(QStringLiteral("Close"));
        soubor_.clear();
        rezim_ = rezim_t::zastaveno;
    }

    // The sound that plays has ended.
    void dohraj() { rezim_ = rezim_t::zastaveno; }
    // How many times a file whose path ends with the name (e.g. "ZVUK/ENTER.WAV") was
    // opened and then played.
    int prehrano(const QString &konec_cesty) const
    {
        return int(
            std::count_if(prehrane.begin(), prehrane.end(), [&](const QString &s) { return s.endsWith(konec_cesty); }));
    }
    void vymaz_zaznam()
    {
        prikazy.clear();
        prehrane.clear();
    }

    // Every command in order: "Open <path>", "Play", "Pause", "Stop", "Close".
    QStringList prikazy;
    // Files that started playing, in order.
    QStringList prehrane;
    bool hraje_po_play = false;

private:
    rezim_t rezim_ = rezim_t::zastaveno;
    QString soubor_;
};
