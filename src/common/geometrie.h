#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Where things are on the 640 × 480 screens. The screens place their hit areas and
// drawings from here, and the media renderer draws the art from the same numbers, so a
// button is always drawn where it can be clicked.
namespace geometrie
{

constexpr int sirka_obrazovky = 640;
constexpr int vyska_obrazovky = 480;

// ---- main menu ----
namespace menu
{
// Hit areas 0..4: grades "5. ročník" … "9. ročník"; 5: exit.
constexpr std::array<QRect, 6> plochy = {QRect(8, 140, 297, 49), QRect(8, 200, 297, 53), QRect(8, 263, 297, 49),
                                         QRect(8, 323, 297, 53), QRect(8, 384, 297, 53), QRect(548, 4, 85, 77)};
// Where each area's hover bitmap is drawn.
constexpr std::array<QPoint, 6> hover = {QPoint(8, 140), QPoint(8, 201), QPoint(8, 262),
                                         QPoint(8, 323), QPoint(8, 384), QPoint(546, 5)};
// Where the chosen grade's bitmap (either look) is drawn: (8, 140 + 61 × g).
constexpr QPoint rocnik(int g) { return QPoint(8, 140 + 61 * g); }
constexpr QRect autori(16, 4, 525, 73);
constexpr int tema_x = 333;
constexpr int tema_sirka = 213;
constexpr int tema_vyska = 29;
// Top of topic button i (0-based) of grade index g (0..4).
constexpr int tema_y(int g, int i)
{
    if (i == 0)
        return 101;
    return g == 0 ? 149 + 37 * (i - 1) : 167 + 56 * (i - 1);
}
constexpr QRect tema(int g, int i) { return QRect(tema_x, tema_y(g, i), tema_sirka, tema_vyska); }
} // namespace menu

// ---- set-up screen ----
namespace nastaveni
{
// Hit areas 0..11 as the screen uses them (area 3 already moved and widened).
constexpr std::array<QRect, 12> plochy = {QRect(140, 260, 25, 25), QRect(212, 300, 25, 25), QRect(212, 376, 25, 25),
                                          QRect(111, 416, 88, 25), QRect(60, 376, 33, 25),  QRect(60, 300, 33, 21),
                                          QRect(520, 276, 85, 17), QRect(520, 340, 65, 29), QRect(316, 336, 93, 33),
                                          QRect(352, 268, 57, 33), QRect(426, 416, 28, 29), QRect(552, 4, 77, 77)};
// Area 3 as laid out before the screen moves it 25 left and widens it by 55.
constexpr QRect plocha_3_puvodni(136, 416, 33, 25);
// Count areas 0..3: where the number bitmap is drawn.
constexpr std::array<QPoint, 4> cislo = {QPoint(139, 259), QPoint(210, 299), QPoint(210, 376), QPoint(99, 415)};
constexpr QPoint sipka_poctu(107, 299);
// Kind areas 6..9 (DIKTAT, OPRAVA, DOPLNOVACKA, VYBEROVKA): where the kind button is drawn.
constexpr std::array<QPoint, 4> druh = {QPoint(501, 249), QPoint(501, 321), QPoint(312, 321), QPoint(312, 249)};
constexpr QPoint sipka_druhu(435, 293);
constexpr QPoint napoveda_prepinac(427, 417);
constexpr QPoint zpet_hover(546, 5);
constexpr QRect help(8, 8, 535, 73);
constexpr QRect jmeno(484, 420, 113, 19);
constexpr QPoint ukazka(22, 150);
// Sliding buttons: where they stand when out.
constexpr QPoint pokracuj(526, 457);
constexpr QPoint tiskni_ven(23, 456);
constexpr QPoint tiskni_dovnitr(23, 457);
constexpr int tlacitko_sirka = 113;
constexpr int tlacitko_vyska = 29;
} // namespace nastaveni

// ---- exercise screen ----
namespace cviceni
{
// Top bar buttons: check, new sentences, score table, back.
constexpr std::array<QRect, 4> tlacitka = {QRect(280, 8, 77, 69), QRect(372, 8, 77, 69), QRect(460, 8, 77, 69),
                                           QRect(552, 8, 77, 69)};
constexpr std::array<QPoint, 4> tlacitka_hover = {QPoint(273, 5), QPoint(364, 5), QPoint(455, 5), QPoint(546, 5)};
constexpr QRect help(4, 4, 229, 73);
// The page: cleared to the colour of pixel (23, 86) of the background.
constexpr QRect stranka(14, 86, 611, 389);
constexpr QPoint barva_stranky(23, 86);
constexpr QPoint prvni_veta(46, 87);
constexpr int odsazeni_textu_x = 49; // text starts at box + (49, 5)
constexpr int odsazeni_textu_y = 5;
constexpr int zacatek_radku = 95;
constexpr int prava_mez = 570;
constexpr int vyska_radku = 18;
constexpr int sirka_boxu = 475;
constexpr int znacka_x = 586;
constexpr int kryt_pravy_x = 569;
constexpr int pocitadlo_x = 22;
constexpr int plna_stranka_y = 408;
constexpr QPoint pokracuj(526, 457);
constexpr int bublina_x = 92;
constexpr int bublina_sirka_textu = 489;
} // namespace cviceni

// ---- results screen ----
namespace tabulka
{
// Row 0 of the five label columns: place, name, correct, wrong, mark.
constexpr std::array<QRect, 5> sloupce = {QRect(32, 164, 49, 21), QRect(100, 164, 257, 21), QRect(372, 164, 77, 21),
                                          QRect(462, 164, 67, 21), QRect(544, 164, 64, 21)};
constexpr int krok_radku = 30;
constexpr int pocet_radku = 10;
constexpr QRect vlastni_vysledek(20, 88, 600, 36); // the pupil's own result, two lines
constexpr QRect zpet(556, 8, 73, 73);
constexpr QPoint zpet_obrazek(546, 5);
} // namespace tabulka

// ---- picture sizes: what the media renderer draws and the screens rely on ----
// Each picture is drawn at the position given above; the clickable face inside it lies
// exactly under its hit area, and the rest of the picture repeats the background.
constexpr QSize cela_obrazovka(sirka_obrazovky, vyska_obrazovky); // backgrounds, TITLE, CREDITS, help pictures
// POKRACUJ and TISKNI: the sliding faces; key colour at (0, 0). They stand on the bottom
// edge of the screen from their slide positions (457 + 23 = 480).
constexpr QSize posuvne_tlacitko(110, 23);

namespace menu
{
constexpr QSize rocnik_obrazek(297, 53);              // L_g_0, L_g_1 at rocnik(g)
constexpr QSize konec_obrazek(87, 77);                // MKONEH at hover[5]
constexpr QSize tema_obrazek(tema_sirka, tema_vyska); // R_gt_0, R_gt_1
} // namespace menu

namespace nastaveni
{
constexpr QSize zpet_obrazek(86, 77);        // SETUP/MZPETH at zpet_hover
constexpr QSize druh_obrazek(120, 68);       // TU_xx_0, TU_xx_1 at druh[i]
constexpr QSize sipka_poctu_obrazek(86, 86); // SIPKA_05 … SIPKA_30, all at sipka_poctu
constexpr QSize sipka_druhu_obrazek(64, 64); // SIPKA_T1 … SIPKA_T4, all at sipka_druhu
constexpr QSize napoveda_obrazek(28, 29);    // NAP_0, NAP_1 at napoveda_prepinac
// NAD_1X, NAD_2X, NAD_3X, NAD_NE (either look) at cislo[i].
constexpr std::array<QSize, 4> cislo_obrazek = {QSize(27, 27), QSize(28, 27), QSize(28, 26), QSize(101, 27)};
constexpr QSize ukazka_obrazek(596, 96); // SMPL_xx, SMPL_xx2 at ukazka
} // namespace nastaveni

namespace cviceni
{
constexpr QSize zalozka(268, 82);       // TABS/L_gt_xx at (0, 0), also on the results screen
constexpr QSize tlacitko_hover(86, 77); // MKONTH, MNOVEH, MTABH, MZPETH at tlacitka_hover[i]
// The sentence box 3LINE_W at (poloha_x, poloha_y); with its covers it is 34, 54 or 72
// pixels high for one, two or three lines.
constexpr QSize veta_box(574, 72);
constexpr std::array<int, 3> vyska_boxu = {34, 54, 72};
constexpr QSize kryt_levy_1(44, 25); // COV_L_W at (poloha_x, poloha_y)
constexpr QSize kryt_levy_2(44, 45); // COV1_L_W
constexpr QSize kryt_pravy(51, 72);  // COV_R_V, COV1_R_V at (kryt_pravy_x, poloha_y); key at (0, 20)
constexpr QPoint klic_praveho_krytu(0, 20);
constexpr QSize kryt_spodni_1(523, 47); // COV2_B at (poloha_x, poloha_y + 25)
constexpr QSize kryt_spodni_2(523, 27); // COV1_B at (poloha_x, poloha_y + 45)
// The speaker repro(k) is a transparent label of this size: the box art carries the
// speaker glyph centred under it at each of the three corrected tops.
constexpr QSize repro(44, 30);
constexpr QSize znacka(30, 30);    // CHECK_OK, CHECK_KO at (znacka_x, poloha_y)
constexpr QSize pocitadlo(21, 21); // REP_0 … REP_3 at (pocitadlo_x, speaker top)
// HINT1 … HINT3: bubbles for one, two and three lines of text, key at the top-right pixel;
// the tip points down at the middle of the result mark.
constexpr int bublina_sirka = 530;
constexpr std::array<int, 3> bublina_vyska = {36, 56, 76};
constexpr int bublina_spicka_x = znacka_x + 15 - bublina_x;
} // namespace cviceni

namespace tabulka
{
constexpr QSize zpet_velikost(86, 77); // MZPET, MZPETH at zpet_obrazek
} // namespace tabulka

} // namespace geometrie
