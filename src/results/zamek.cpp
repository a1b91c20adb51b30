#include "results/zamek.h"

namespace
{

// Every holder lets go within milliseconds; a lock this old belongs to nobody.
constexpr int stari_opusteneho_ms = 10000;
constexpr int nejdelsi_cekani_ms = 15000;

} // namespace

zamek_souboru_t::zamek_souboru_t(const QString &soubor) : zamek_(soubor + QStringLiteral(".lock"))
{
    zamek_.setStaleLockTime(stari_opusteneho_ms);
}

bool zamek_souboru_t::zamkni() { return zamek_.tryLock(nejdelsi_cekani_ms); }
