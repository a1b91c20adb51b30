#pragma once

#include <QImage>
#include <QString>
#include <optional>

// A picture file as a 32-bit image; empty optional when it cannot be read.
std::optional<QImage> nacti_obrazek_souboru(const QString &cesta);
std::optional<QImage> dekoduj_obrazek(const QByteArray &bajty);

// Whether the file is a picture the program can read, judged by its header (and for a
// bitmap, whether all its rows are there) without decoding it.
bool je_citelny_obrazek(const QString &cesta);

// A file the program cannot go on without could not be read: its path and the reason go to
// standard error, for whoever looks after the installation.
void hlas_chybu_souboru(const QString &cesta, const QString &duvod);

// The media folder may hold the pictures also at two and three times their size
// ("GRAFIKA@2x/SELECT/BCKG.PNG" beside "GRAFIKA/SELECT/BCKG.BMP"). The program draws
// from the set that suits the stage's scale on the display: the smallest set at least
// as large, else the largest there is; 1 without such sets, or at a scale of 1 or less.
int zvol_sadu_obrazku(const QString &media, qreal meritko);
// The set chosen (1 until one is): the device pixel ratio of the screens' images.
int sada_obrazku();

// A bitmap of the media folder `media`, by its relative name ("GRAFIKA/SELECT/BCKG.BMP"), from
// the chosen set with its device pixel ratio (the 1× file where the set lacks it);
// empty optional when it cannot be read.
std::optional<QImage> nacti_bitmapu(const QString &media, const QString &relativni);
// Whether that bitmap can be read, judged as je_citelny_obrazek judges.
bool je_citelna_bitmapa(const QString &media, const QString &relativni);

// Starts reading the bitmap on another thread; the next nacti_bitmapu of the name takes
// the result. Start-up reads its large first pictures side by side this way.
void predcti_bitmapu(const QString &media, const QString &relativni);

// The same for a screen that cannot go on without it: a bitmap that cannot be read is a
// broken installation, reported with the installation message, and the program ends.
QImage bitmapa(const QString &media, const QString &relativni);

// A picture checked at once and read when it is first shown: start-up keeps its check (a
// missing or unreadable file stops it) without spending its time on pictures the first
// frame does not show. A file that turns out not to be a picture, or is gone by then, ends
// the program like any unreadable bitmap.
class odlozena_bitmapa
{
public:
    bool nacti(const QString &media, const QString &relativni);
    const QImage &obrazek() const;

private:
    mutable QString cesta_;
    mutable int pomer_ = 1;
    mutable QImage obrazek_;
};

// Shows the installation message and ends the program.
[[noreturn]] void chyba_behu();
