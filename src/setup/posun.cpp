#include "setup/posun.h"

#include "shell/kresleni.h"

QImage snimek_posunu(const QImage &obraz, QPoint kde, const QImage &lice, int c)
{
    const QSize velikost = logicka_velikost(lice);
    const int w = velikost.width();
    const int h = velikost.height();
    QImage michacka = vyrez_obrazu(obraz, QRect(kde, velikost)).convertToFormat(QImage::Format_RGB32);
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
