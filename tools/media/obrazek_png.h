#pragma once

#include <QByteArray>
#include <QImage>

// The high-resolution pictures as PNG files that the program decodes quickly: every row
// filtered "Up" (a plain byte sum to undo, where the adaptive choice of Qt's writer takes
// Paeth rows that cost several times more to read at start-up).
namespace png
{

// RGB for a 32-bit picture, palette for an 8-bit one; empty when it cannot be encoded.
QByteArray zakoduj(const QImage &obrazek);

} // namespace png
