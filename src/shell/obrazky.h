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

// A bitmap of the media folder, by its relative name ("GRAFIKA/SELECT/BCKG.BMP");
// empty optional when it cannot be read.
std::optional<QImage> nacti_bitmapu(const QString &relativni);

// The same for a screen that cannot go on without it: a bitmap that cannot be read is a
// broken installation, reported with the installation message, and the program ends.
QImage bitmapa(const QString &relativni);

// A picture checked at once and read when it is first shown: start-up keeps its check (a
// missing or unreadable file stops it) without spending its time on pictures the first
// frame does not show. A file that turns out not to be a picture, or is gone by then, ends
// the program like any unreadable bitmap.
class odlozena_bitmapa
{
public:
    bool nacti(const QString &relativni);
    const QImage &obrazek() const;

private:
    mutable QString cesta_;
    mutable QImage obrazek_;
};

// Shows the installation message and ends the program.
[[noreturn]] void chyba_behu();
