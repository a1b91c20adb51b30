#pragma once

#include "shell/zvuk.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

// The sound device on Qt Multimedia. The player is made at the first file opened; with
// no audio output on the machine nothing is ever played and the mode stays stopped. A
// file that cannot be read is not opened, and one that turns out not to be a sound puts
// the device back to stopped once the player reports it.
class zvuk_multimedia : public QObject, public zvukove_zarizeni {
    Q_OBJECT
public:
    explicit zvuk_multimedia(QObject *rodic = nullptr);
    ~zvuk_multimedia() override;

    rezim_t rezim() const override;
    QString soubor() const override { return soubor_; }
    void otevri(const QString &cesta) override;
    void hraj() override;
    void pozastav() override;
    void zastav() override;
    void zavri() override;

    // Whether the machine offers an audio output at all.
    static bool ma_vystup();

private:
    void priprav_hrace();

    QMediaPlayer *hrac_ = nullptr;
    QAudioOutput *vystup_ = nullptr;
    QString soubor_;
    bool otevreno_ = false;
    bool chyba_ = false;
};
