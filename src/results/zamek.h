#pragma once

#include <QLockFile>
#include <QString>

// A lock file beside a shared data file ("TAB.DAT.lock" beside "TAB.DAT"). Pupils on one
// data folder take turns through it; a lock left behind by a crashed program is taken
// over once it is clearly stale.
class zamek_souboru_t
{
public:
    explicit zamek_souboru_t(const QString &soubor);
    zamek_souboru_t(const zamek_souboru_t &) = delete;
    zamek_souboru_t &operator=(const zamek_souboru_t &) = delete;

    // Waits for the lock; false when it could not be had (a read-only folder, a holder
    // that does not let go).
    bool zamkni();

private:
    QLockFile zamek_;
};
