#pragma once

#include "shell/zvuk.h"

#include <QStringList>

// A sound device that records what it was told and plays nothing. Installs itself as the
// program's device on construction and gives the real one back on destruction.
// A sound ends at once unless hraje_po_play is set; then it plays until dohraj().
class falesny_zvuk : public zvukove_zarizeni {
public:
    falesny_zvuk();
    ~falesny_zvuk() override;

    rezim_t rezim() const override { return rezim_; }
    QString soubor() const override { return soubor_; }
    void otevri(const QString &cesta) override;
    void hraj() override;
    void pozastav() override;
    void zastav() override;
    void zavri() override;

    // The sound that plays has ended.
    void dohraj() { rezim_ = rezim_t::zastaveno; }
    // How many times a file whose path ends with the name (e.g. "ZVUK/ENTER.WAV") was
    // opened and then played.
    int prehrano(const QString &konec_cesty) const;
    void vymaz_zaznam();

    // Every command in order: "Open <path>", "Play", "Pause", "Stop", "Close".
    QStringList prikazy;
    // Files that started playing, in order.
    QStringList prehrane;
    bool hraje_po_play = false;

private:
    rezim_t rezim_ = rezim_t::zastaveno;
    QString soubor_;
};
