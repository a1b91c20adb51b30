#include "common/druhy.h"

QString klicove_slovo(druh_t druh)
{
    switch (druh) {
    case druh_t::vyberovka: return QStringLiteral("VYBEROVKA");
    case druh_t::doplnovacka: return QStringLiteral("DOPLNOVACKA");
    case druh_t::diktat: return QStringLiteral("DIKTAT");
    case druh_t::oprava: return QStringLiteral("OPRAVA");
    }
    return {};
}

std::optional<druh_t> druh_z_klicoveho_slova(const QString &slovo)
{
    for (druh_t d : vsechny_druhy)
        if (klicove_slovo(d) == slovo)
            return d;
    return std::nullopt;
}

QString kod_bitmapy(druh_t druh)
{
    switch (druh) {
    case druh_t::vyberovka: return QStringLiteral("VJ");
    case druh_t::doplnovacka: return QStringLiteral("DJ");
    case druh_t::diktat: return QStringLiteral("CV");
    case druh_t::oprava: return QStringLiteral("OC");
    }
    return {};
}

QString kod_tabulky(druh_t druh)
{
    if (druh == druh_t::vyberovka)
        return {};
    return QLatin1Char('_') + kod_bitmapy(druh);
}
