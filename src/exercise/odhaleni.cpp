#include "exercise/odhaleni.h"

#include "shell/kresleni.h"

QImage snimek_odhaleni(const QImage &obraz, QPoint kde, const QImage &lice, int radku)
{
    QImage michacka = obraz.copy(QRect(kde, lice.size())).convertToFormat(QImage::Format_RGB32);
    if (lice.isNull())
        return michacka;
    const int h = lice.height();
    kresli_pres_buffer(michacka, 0, h - radku, lice.width(), h, lice, 0, 0, lice.pixel(0, 0));
    return michacka;
}
