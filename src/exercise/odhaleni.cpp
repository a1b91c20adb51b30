#include "exercise/odhaleni.h"

#include "shell/kresleni.h"

QImage snimek_odhaleni(const QImage &obraz, QPoint kde, const QImage &lice, int radku)
{
    const QSize velikost = logicka_velikost(lice);
    QImage michacka = vyrez_obrazu(obraz, QRect(kde, velikost)).convertToFormat(QImage::Format_RGB32);
    if (lice.isNull())
        return michacka;
    const int h = velikost.height();
    kresli_pres_buffer(michacka, 0, h - radku, velikost.width(), h, lice, 0, 0, lice.pixel(0, 0));
    return michacka;
}
