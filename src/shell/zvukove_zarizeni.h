#pragma once

#include <QString>

// The program's one sound device. Screens ask it for its mode and open file and send it
// the commands of a media control; playing never waits for the sound to end. A device
// that cannot play (no sound on the machine, a missing or unreadable file) simply
// reports that it is stopped.
class zvukove_zarizeni
{
public:
    // The values are those of the media control's mode.
    enum class rezim_t { zastaveno = 525, hraje = 526, pozastaveno = 529 };

    virtual ~zvukove_zarizeni() = default;

    virtual rezim_t rezim() const = 0;
    // The file opened last as wave audio; empty after "Close".
    virtual QString soubor() const = 0;

    // "Open": closes what was open and opens the file as wave audio.
    virtual void otevri(const QString &cesta) = 0;
    // "Play": starts, or resumes a paused sound where it paused. Returns at once.
    virtual void hraj() = 0;
    // "Pause": a playing sound pauses.
    virtual void pozastav() = 0;
    // "Stop": the sound stops; the file stays open.
    virtual void zastav() = 0;
    // "Close": stops and closes the file.
    virtual void zavri() = 0;

    bool hraje() const { return rezim() == rezim_t::hraje; }
};
