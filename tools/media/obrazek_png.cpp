#include "obrazek_png.h"

#include <csetjmp>
#include <png.h>
#include <vector>

namespace png
{

namespace
{
void pis(png_structp p, png_bytep data, png_size_t delka)
{
    static_cast<QByteArray *>(png_get_io_ptr(p))->append(reinterpret_cast<const char *>(data), qsizetype(delka));
}
void nic(png_structp) {}
} // namespace

QByteArray zakoduj(const QImage &obrazek)
{
    const bool paleta = obrazek.format() == QImage::Format_Indexed8;
    const QImage zdroj = paleta ? obrazek : obrazek.convertToFormat(QImage::Format_RGB888);
    QByteArray vysledek;
    png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = p ? png_create_info_struct(p) : nullptr;
    if (!info || setjmp(png_jmpbuf(p))) {
        png_destroy_write_struct(&p, info ? &info : nullptr);
        return {};
    }
    png_set_write_fn(p, &vysledek, pis, nic);
    png_set_IHDR(p, info, png_uint_32(zdroj.width()), png_uint_32(zdroj.height()), 8,
                 paleta ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> barvy;
    if (paleta) {
        for (QRgb c : zdroj.colorTable())
            barvy.push_back({png_byte(qRed(c)), png_byte(qGreen(c)), png_byte(qBlue(c))});
        png_set_PLTE(p, info, barvy.data(), int(barvy.size()));
    }
    png_set_filter(p, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_write_info(p, info);
    for (int y = 0; y < zdroj.height(); ++y)
        png_write_row(p, const_cast<png_bytep>(zdroj.constScanLine(y)));
    png_write_end(p, nullptr);
    png_destroy_write_struct(&p, &info);
    return vysledek;
}

} // namespace png
