#include "exercise/kresleni_stranky.h"

#include "common/geometrie.h"
#include "common/pismo.h"
#include "shell/kresleni.h"

#include <QPainter>

namespace
{

void vypln(QImage &obraz, const kresba_t &k)
{
    if (!QRect(QPoint(0, 0), logicka_velikost(obraz)).contains(k.zdroj_barvy))
        return;
    const QColor barva = QColor(pixel_v_bode(obraz, k.zdroj_barvy));
    QPainter p(&obraz);
    p.fillRect(k.obdelnik, barva);
}

void zkopiruj(QImage &obraz, const kresba_t &k, const QImage &obrazek)
{
    QPainter p(&obraz);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(k.poloha, obrazek);
}

void zkopiruj_pruhledne(QImage &obraz, const kresba_t &k, const QImage &obrazek)
{
    const QSize velikost = logicka_velikost(obrazek);
    if (!QRect(QPoint(0, 0), velikost).contains(k.klic))
        return zkopiruj(obraz, k, obrazek);
    kresli_pres_buffer(obraz, k.poloha.x(), k.poloha.y(), velikost.width(), velikost.height(), obrazek, 0, 0,
                       pixel_v_bode(obrazek, k.klic));
}

// The pen is the top left of the text cell; the page's text is black.
void napis(QImage &obraz, const kresba_t &k)
{
    const QFont pismo = pismo_obrazovky(k.body);
    QPainter p(&obraz);
    p.setFont(pismo);
    p.setPen(Qt::black);
    p.drawText(k.poloha + QPoint(0, QFontMetrics(pismo).ascent()), k.text);
}

} // namespace

void vykresli_kresby(QImage &obraz, const QList<kresba_t> &kresby, const obrazky_t &obrazky)
{
    for (const kresba_t &k : kresby) {
        switch (k.druh) {
        case kresba_t::druh_t::vypln: vypln(obraz, k); break;
        case kresba_t::druh_t::text: napis(obraz, k); break;
        case kresba_t::druh_t::obrazek:
        case kresba_t::druh_t::obrazek_pruhledny: {
            const auto it = obrazky.constFind(k.obrazek);
            if (it == obrazky.constEnd() || it->isNull())
                break;
            if (k.druh == kresba_t::druh_t::obrazek)
                zkopiruj(obraz, k, *it);
            else
                zkopiruj_pruhledne(obraz, k, *it);
            break;
        }
        }
    }
}

QImage vykresli_stranku(const stranka_t &stranka, const QImage &podklad, const obrazky_t &obrazky)
{
    QImage obraz = podklad.convertToFormat(QImage::Format_RGB32);
    const QSize velikost(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
    if (logicka_velikost(obraz) != velikost) {
        QImage plne = obraz_v_pomeru(velikost, obraz.isNull() ? 1.0 : obraz.devicePixelRatio(), Qt::white);
        QPainter(&plne).drawImage(0, 0, obraz);
        obraz = plne;
    }
    vykresli_kresby(obraz, stranka.kresby, obrazky);
    return obraz;
}
