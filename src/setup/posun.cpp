#include "setup/posun.h"

#include "shell/kresleni.h"

QImage snimek_posunu(const QImage &obraz, QPoint kde, const QImage &lice, int c)
{
    const int w = lice.width();
    const int h = lice.height();
    QImage michacka = obraz.copy(QRect(kde, lice.size())).convertToFormat(QImage::Format_RGB32);
    if (lice.isNull())
        return michacka;
    kresli_pres_buffer(michacka, 0, h - c, w, h, lice, 0, 0, lice.pixel(0, 0));
    return michacka;
}

QList<int> poradi_snimku(int vyska, bool ven)
{
    QList<int> poradi;
    for (int i = 1; i <= vyska; ++i)
        poradi.append(ven ? i : vyska + 1 - i);
    return poradi;
}
