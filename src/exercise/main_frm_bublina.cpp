// The exercise screen's bubble: the correct text of a wrong sentence while its mark is held.
#include "common/geometrie.h"
#include "exercise/bublina.h"
#include "exercise/main_frm.h"
#include "exercise/obrazky_cviceni.h"
#include "shell/kresleni.h"

namespace g = geometrie::cviceni;

void main_frm::stisk_znacky(int k, Qt::MouseButton tlacitko)
{
    if (zaneprazdnena() || k < 1 || k > stranka_.vety.size())
        return;
    const QString text = stranka_.vety[k - 1].check_mark.odpoved;
    const bublina_t rozvrh = rozvrhni_bublinu(text);
    spravny_vysledek_lbl_->nastav(text, rozvrh);
    if (tlacitko != Qt::LeftButton)
        return;
    // The data keeps every correct text within three lines; a longer one takes the
    // largest bubble.
    const QImage obrazek =
        obrazky_.value(rozvrh.obrazek.isEmpty() ? obrazky_cviceni::bubliny().last() : rozvrh.obrazek);
    const QSize velikost = logicka_velikost(obrazek);
    const QRect kde(QPoint(g::bublina_x, check_mark(k)->y() - velikost.height() + 8), velikost);
    bublina_->hide();
    // What lies under the bubble, at the stage's own resolution.
    QImage michacka = obraz_v_pomeru(kde.size(), qRound(obraz().devicePixelRatio()), Qt::black);
    render(&michacka, QPoint(), QRegion(kde));
    kresli_pruhledne(obrazek, velikost.width(), velikost.height(), obrazek.pixel(obrazek.width() - 1, 0), michacka,
                     michacka);
    bublina_->setGeometry(kde);
    bublina_->nastav_obrazek(michacka);
    bublina_->show();
    bublina_->raise();
}

void main_frm::uvolneni_znacky(Qt::MouseButton tlacitko)
{
    if (tlacitko == Qt::LeftButton)
        skryj_bublinu();
}

void main_frm::skryj_bublinu()
{
    bublina_->hide();
    bublina_->resize(0, 0);
    bublina_->vymaz_obrazek();
}
