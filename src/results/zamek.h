#pragma once

#include <QString>

// A lock file beside a shared data file ("TAB.DAT.lock" beside "TAB.DAT"). Pupils on one
// data folder take turns through it. The holder keeps the file open under a kernel lock,
// so a program that died lets go at once; a lock file nobody can open (another pupil's,
// with restrictive permissions) counts as abandoned by its age, and anything else planted
// under the name (a folder, a link, a pipe) is never a lock and is removed.
class zamek_souboru_t
{
public:
    explicit zamek_souboru_t(const QString &soubor);
    ~zamek_souboru_t();
    zamek_souboru_t(const zamek_souboru_t &) = delete;
    zamek_souboru_t &operator=(const zamek_souboru_t &) = delete;

    // Waits for the lock, at most a few seconds (holders let go within milliseconds, and
    // the pupil's screen must not look frozen); false when it could not be had (a
    // read-only folder, a holder that does not let go).
    bool zamkni();

private:
    QByteArray cesta_;
    int fd_ = -1;
};
