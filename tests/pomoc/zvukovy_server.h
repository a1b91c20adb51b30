#pragma once

#include "common/wav.h"

#include <QProcess>
#include <QTemporaryDir>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

// A private PulseAudio server with one null sink "ortanel", started in a temporary folder
// and stopped by its process id, and a recording of the sink's monitor: what a listener
// would hear, each sample with the moment it played (microseconds of ted_us()).
class zvukovy_server
{
public:
    zvukovy_server(); // chyba() says why it could not start
    ~zvukovy_server();
    QString chyba() const { return chyba_; }
    QString adresa() const { return "unix:" + slozka_.filePath("native"); } // for PULSE_SERVER
    bool nahravej();
    static qint64 ted_us();

    // The audible part of a stretch of time (or of a file): its first and last
    // sample above the threshold and its peak (full scale 1).
    struct usek_t {
        qint64 od_us = -1, do_us = -1;
        float spicka = 0;
        bool slyset() const { return od_us >= 0; }
        qint64 delka_us() const { return do_us - od_us; }
    };
    usek_t slysitelne(qint64 od_us, qint64 do_us) const;
    static usek_t slysitelne(const wav::pcm_t &pcm);
    // The middle of the file's first stretch after od_us that stays loud for 150 ms (-1: none),
    // where a pause must silence and a resume sound at once.
    static qint64 hlasite_misto(const wav::pcm_t &pcm, qint64 od_us);

private:
    QTemporaryDir slozka_;
    QProcess server_;
    QString chyba_;
    qint64 nahravani_ = 0; // parec's process id
    std::thread cteni_;
    mutable std::mutex zamek_;
    std::vector<qint16> vzorky_;
    qint64 nula_us_ = std::numeric_limits<qint64>::max(); // when sample 0 played
};
