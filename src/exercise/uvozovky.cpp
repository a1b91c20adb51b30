#include "exercise/uvozovky.h"

namespace
{
constexpr quint32 kod_xkb = 47;
constexpr quint32 kod_windows = 39;
constexpr QChar horni(0x201C); // “
constexpr QChar dolni(0x201E); // „
} // namespace

bool je_klavesa_uvozovek(quint32 scan_kod, bool windows) { return scan_kod == (windows ? kod_windows : kod_xkb); }

std::optional<uprava_textu_t> uvozovky(const QString &text, int kurzor, bool vyber, Qt::KeyboardModifiers modifikatory,
                                       int max_delka)
{
    const Qt::KeyboardModifiers stav = modifikatory & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (kurzor < 0 || kurzor > text.size())
        return std::nullopt;
    if (stav == Qt::ShiftModifier) {
        if (vyber || kurzor == 0)
            return std::nullopt;
        return uprava_textu_t{text.left(kurzor - 1) + horni + text.mid(kurzor), kurzor};
    }
    if (stav == Qt::ControlModifier) {
        // A full box would have to drop a character the pupil typed.
        if (max_delka > 0 && text.size() >= max_delka)
            return std::nullopt;
        return uprava_textu_t{text.left(kurzor) + dolni + text.mid(kurzor), kurzor + 1};
    }
    return std::nullopt;
}
