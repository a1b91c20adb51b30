#include "exercise/ukazatele_cviceni.h"

#include <QBitmap>
#include <QStringList>

namespace
{

constexpr int strana = 32;
constexpr QRgb cerna = 0xff000000u;
constexpr QRgb bila = 0xffffffffu;
constexpr QRgb pruhledna = 0x00000000u;

// Pixel art: "X" black, "." white, anything else see-through; drawn from (x, y).
void nakresli(QImage &obrazek, QPoint kde, const QStringList &radky)
{
    for (int r = 0; r < radky.size(); ++r)
        for (int s = 0; s < radky[r].size(); ++s) {
            const QPoint p = kde + QPoint(s, r);
            if (!obrazek.rect().contains(p))
                continue;
            if (radky[r][s] == u'X')
                obrazek.setPixel(p, cerna);
            else if (radky[r][s] == u'.')
                obrazek.setPixel(p, bila);
        }
}

QImage prazdny()
{
    QImage obrazek(strana, strana, QImage::Format_ARGB32);
    obrazek.fill(pruhledna);
    return obrazek;
}

} // namespace

obraz_ukazatele_t obraz_ukazatele_stranky()
{
    QImage obrazek = prazdny();
    nakresli(obrazek, QPoint(15, 10),
             {
                 "X",         "XX",        "X.X",        "X..X",        "X...X",     "X....X",   "X.....X",
                 "X......X",  "X.......X", "X........X", "X.....XXXXX", "X..X..X",   "X.X X..X", "XX  X..X",
                 "X    X..X", "     X..X", "      X..X", "      X..X",  "       XX",
             });
    return {obrazek, QPoint(15, 10)};
}

obraz_ukazatele_t obraz_ukazatele_prvku()
{
    QImage obrazek = prazdny();
    nakresli(obrazek, QPoint(10, 6),
             {
                 "     XX",          "    X..X",         "    X..X",         "    X..X",         "    X..X",
                 "    X..XXX",       "    X..X..XXX",    "    X..X..X..XX",  "XXX X..X..X..X.X", "X..XX........X.X",
                 "X...X..........X", " X..X..........X", "  X.X..........X", "  X............X", "   X...........X",
                 "   X..........X",  "    X.........X",  "    X........X",   "     X.......X",   "     X.......X",
                 "     XXXXXXXXX",
             });
    return {obrazek, QPoint(15, 6)};
}

obraz_ukazatele_t obraz_ukazatele_napovedy()
{
    QImage obrazek = prazdny();
    const QPoint stred(15, 15);
    for (int y = 0; y < strana; ++y)
        for (int x = 0; x < strana; ++x) {
            const int d2 = (x - stred.x()) * (x - stred.x()) + (y - stred.y()) * (y - stred.y());
            if (d2 <= 12 * 12)
                obrazek.setPixel(x, y, d2 > 10 * 10 ? cerna : bila);
        }
    nakresli(obrazek, QPoint(12, 8),
             {
                 " XXXXX",
                 "XX   XX",
                 "XX   XX",
                 "     XX",
                 "    XX",
                 "   XX",
                 "   XX",
                 "   XX",
                 "",
                 "   XX",
                 "   XX",
             });
    return {obrazek, stred};
}

QCursor ukazatel(const obraz_ukazatele_t &obraz)
{
    // A bitmap's 1 bits are black; the mask's 1 bits are drawn.
    QImage kresba(strana, strana, QImage::Format_RGB32);
    QImage maska(strana, strana, QImage::Format_RGB32);
    for (int y = 0; y < strana; ++y)
        for (int x = 0; x < strana; ++x) {
            const QRgb p = obraz.obrazek.pixel(x, y);
            const bool videt = qAlpha(p) != 0;
            kresba.setPixel(x, y, videt && qGray(p) < 128 ? cerna : bila);
            maska.setPixel(x, y, videt ? cerna : bila);
        }
    return QCursor(QBitmap::fromImage(kresba), QBitmap::fromImage(maska), obraz.horky_bod.x(), obraz.horky_bod.y());
}

QCursor ukazatel_stranky() { return ukazatel(obraz_ukazatele_stranky()); }
QCursor ukazatel_prvku() { return ukazatel(obraz_ukazatele_prvku()); }
QCursor ukazatel_napovedy() { return ukazatel(obraz_ukazatele_napovedy()); }
