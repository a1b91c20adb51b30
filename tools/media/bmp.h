#pragma once

#include <QByteArray>
#include <QImage>

// The bitmap files of the media folder.
namespace bmp
{

// A 24-bit Windows bitmap: every colour exact, as the key-colour pictures need.
QByteArray zakoduj_24(const QImage &obrazek);
// A 32-bit top-down bitmap with its rows on a four-byte boundary and the fourth byte 255:
// the program draws such a file from its mapping without decoding it.
QByteArray zakoduj_32(const QImage &obrazek);
// An 8-bit bitmap with a palette of at most 256 colours chosen for the picture (median
// cut, nearest colour, no dithering): a quarter of the size of a 24-bit file.
QByteArray zakoduj_8(const QImage &obrazek);
// The palette an 8-bit encoding would use.
QImage na_paletu(const QImage &obrazek);

} // namespace bmp
