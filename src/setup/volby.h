#pragma once

#include "common/druhy.h"

#include <QList>
#include <QString>
#include <optional>

// What the set-up screen's twelve hit areas stand for, which bitmaps show a choice, and
// when its two sliding buttons come into view or leave it. Bitmap names are relative to
// the media folder.
namespace volby
{

// Areas 0..5: 5, 10, 15, 20, 25 and 30 sentences (the last two never respond);
// 6..9: the kinds; 10: help on start; 11: back to the main menu.
constexpr int pocet_ploch = 12;
constexpr int prvni_plocha_druhu = 6;
constexpr int plocha_napovedy = 10;
constexpr int plocha_zpet = 11;
bool je_plocha_poctu(int n);
bool je_plocha_druhu(int n);

// ---- counts ----
// The count of area 0..5.
int pocet(int n);
// The count area of a count; nullopt when no area gives it (0 among them).
std::optional<int> plocha_poctu(int pocet);
// The plays per sentence of a whole-text dictation that area 0..3 sets; nullopt for the
// areas that leave it as it was.
std::optional<int> limit_diktovani(int n);
// "GRAFIKA/SETUP/NAD_1X_1.BMP" … for areas 0..3 in either look; empty for 4 and 5, whose
// numbers the background carries.
QString cislo(int n, bool zvoleno);
// "GRAFIKA/SETUP/SIPKA_05.BMP" … "SIPKA_30.BMP" for areas 0..5.
QString sipka_poctu(int n);

// ---- kinds ----
// The kind of area 6..9: DIKTAT, OPRAVA, DOPLNOVACKA, VYBEROVKA.
druh_t druh(int n);
// The kind area of a kind.
int plocha_druhu(druh_t druh);
// "GRAFIKA/SETUP/TU_CV_1.BMP" … for areas 6..9 in either look.
QString tlacitko_druhu(int n, bool zvoleno);
// "GRAFIKA/SETUP/SIPKA_T1.BMP" … "SIPKA_T4.BMP" for areas 6..9.
QString sipka_druhu(int n);

// ---- whole pictures ----
// "GRAFIKA/SETUP/BG_25.BMP" for grade index 2, topic 5.
QString pozadi(int rocnik, int tema);
// Topics whose sample has a second variant and which print without a chosen count:
// (1, 7), (2, 6) and (3, 6).
bool druha_ukazka(int rocnik, int tema);
// "GRAFIKA/SETUP/SMPL_DJ.BMP", or "SMPL_DJ2.BMP" for a second-sample topic.
QString ukazka(druh_t druh, int rocnik, int tema);
// "GRAFIKA/SETUP/NAP_1.BMP" when the exercise opens with its help, else NAP_0.
QString napoveda(bool zapnuto);

// ---- the sliding buttons ----
enum class posun_t { vytahni_pokracuj, zatahni_pokracuj, vytahni_tiskni, zatahni_tiskni };

struct stav_t {
    int rocnik = 0;
    int tema = 0;
    int pocet_uloh = 0;
    std::optional<druh_t> druh_ulohy; // none until one is chosen
    QString jmeno;                    // the name box's text as it stands
    bool vysunuto_pokracuj = false;
    bool vysunuto_tiskni = false;
};

// Whether the kind prints as a worksheet.
bool tisknutelny(std::optional<druh_t> druh);

// The slides after a press on a hit area, by four rules taken in order, each seeing the
// buttons where the slides before it left them:
// 1. count, kind and a name (even of spaces only) given: continue out;
// 2. a printable kind and a count: print out;
// 3. a printable kind on a second-sample topic, with or without a count: print out;
// 4. a kind that does not print: print in.
QList<posun_t> posuny_po_stisku(stav_t stav);

// The slide after the name box changed: with a count and a kind chosen, continue goes
// out for a name with more than spaces and in for an empty one. nullopt when nothing is
// to move.
std::optional<posun_t> posun_po_zmene_jmena(const stav_t &stav);

} // namespace volby
