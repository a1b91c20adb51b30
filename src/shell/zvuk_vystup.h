#pragma once

#include "shell/zvukove_zarizeni.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <QTimer>

class QAudioSink;
class QMediaDevices;

// The sound device on the machine's default audio output. A WAV file is read whole by the
// program's own reader and its PCM streamed to the output, so every file that reader
// accepts is heard, whatever media framework the machine has. The output stream exists
// only while a sound plays or is paused; a silent device holds nothing open and runs no
// timer. With no audio output on the machine nothing plays and the mode stays stopped; a
// file that cannot be read as PCM is never opened.
class zvuk_vystup : public QObject, public zvukove_zarizeni
{
    Q_OBJECT
public:
    explicit zvuk_vystup(QObject *rodic = nullptr);
    ~zvuk_vystup() override;

    rezim_t rezim() const override { return rezim_; }
    QString soubor() const override { return soubor_; }
    void otevri(const QString &cesta) override;
    void hraj() override;
    void pozastav() override;
    void zastav() override;
    void zavri() override;

private:
    // Starts an output stream on the default output, from the byte `od` of the sound.
    bool spust_proud(qint64 od);
    void zrus_proud();
    // Hands the output what it has room for; ends the sound once all of it has played.
    void dopln();
    void zmena_vystupu();

    QMediaDevices *zarizeni_ = nullptr;
    QAudioDevice vystup_;
    QAudioSink *proud_ = nullptr;
    QIODevice *zapis_ = nullptr;
    QByteArray pcm_;
    QAudioFormat format_;
    qint64 zacatek_ = 0; // where in pcm_ the stream started
    qint64 pozice_ = 0;  // what the stream has been given
    // Runs only while a sound plays.
    QTimer plneni_;
    QString soubor_;
    bool otevreno_ = false;
    rezim_t rezim_ = rezim_t::zastaveno;
};
