#pragma once

#include <QString>
#include <Qt>
#include <optional>

// Typographic quotes from the key to the right of L (the one that gives '"' with Shift on
// the Slovak layout), whatever layout the keyboard has: with Shift alone the character
// just typed before the caret becomes “, with Ctrl alone „ goes in at the caret.

// The key by the scan code that the platform reports: 47 under X11 and Wayland (evdev 39
// + 8, the key that xkb calls AC10: ô and " on the Slovak layout, ; and : on the US one),
// 39 under Windows (the key of VK_OEM_1).
bool je_klavesa_uvozovek(quint32 scan_kod, bool windows);

struct uprava_textu_t {
    QString text;
    int kurzor = 0;
    bool operator==(const uprava_textu_t &) const = default;
};

// What the released key makes of the box's text, or nothing. `kurzor` is the caret (the
// start of the selection when there is one); `max_delka` the box's limit, 0 for none.
// With Shift alone and no selection the character before the caret becomes “ (nothing
// at the start of the text); with Ctrl alone „ goes in at the caret, a selection staying
// as it is, unless the box is full; any other combination changes nothing.
std::optional<uprava_textu_t> uvozovky(const QString &text, int kurzor, bool vyber, Qt::KeyboardModifiers modifikatory,
                                       int max_delka);
