#pragma once

#include <QString>
#include <optional>

// The four kinds of exercise, named by their keywords throughout the program.
enum class druh_t { vyberovka, doplnovacka, diktat, oprava };

inline constexpr druh_t vsechny_druhy[] = {druh_t::vyberovka, druh_t::doplnovacka, druh_t::diktat, druh_t::oprava};

// "VYBEROVKA", "DOPLNOVACKA", "DIKTAT", "OPRAVA".
QString klicove_slovo(druh_t druh);
std::optional<druh_t> druh_z_klicoveho_slova(const QString &slovo);
// Two-letter code in bitmap names: "VJ", "DJ", "CV", "OC".
QString kod_bitmapy(druh_t druh);
// Code in score table headers: "", "_DJ", "_CV", "_OC".
QString kod_tabulky(druh_t druh);
