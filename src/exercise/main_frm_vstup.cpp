// The exercise screen's input elements: focus cycling, choice lists and the bubble.
#include "common/geometrie.h"
#include "exercise/bublina.h"
#include "exercise/main_frm.h"
#include "exercise/mira_textu.h"
#include "exercise/obrazky_cviceni.h"
#include "exercise/seznam_vyberu.h"
#include "shell/kresleni.h"

namespace g = geometrie::cviceni;

namespace
{
const sirka_textu_t &sirka_textu()
{
    static const sirka_textu_t sirka = sirka_v_pismu_stranky();
    return sirka;
}
} // namespace

// ---- text boxes ----

void main_frm::enter_v_boxu(int i)
{
    const int posledni = stav_.dalsi_prvek - 1;
    const int dalsi = i + 1 > posledni ? 1 : i + 1;
    QWidget *cil = nullptr;
    if (stav_.druh == druh_t::doplnovacka)
        cil = dopln_box(dalsi);
    else if (stav_.druh == druh_t::diktat || stav_.druh == druh_t::oprava)
        cil = dopln_box_viceradkovy(dalsi);
    if (cil)
        cil->setFocus(Qt::OtherFocusReason);
}

void main_frm::f5_v_mezere(int i)
{
    if (i < 1 || i > stranka_.dopln_box.size())
        return;
    const int cislo = stranka_.dopln_box[i - 1].cislo_vety;
    for (int k = 1; k <= int(stranka_.vety.size()); ++k)
        if (stranka_.vety[k - 1].repro.cislo_vety == cislo) {
            klik_na_repro(k);
            return;
        }
}

// ---- choice lists ----

void main_frm::klik_na_vyber(int i)
{
    seznam_vyberu *seznam = vyber_lst(i);
    popisek_vyberu *popisek = vyber_txt(i);
    if (!seznam || !popisek || i > stranka_.vyber_txt.size())
        return;
    if (seznam->isVisible()) {
        seznam->hide();
        return;
    }
    zavri_seznamy();
    const vyber_txt_t &model = stranka_.vyber_txt[i - 1];
    QList<int> sirky;
    for (const QString &polozka : model.vyber_lst)
        sirky.append(sirka_textu()(text_polozky_seznamu(polozka), model.body));
    seznam->setGeometry(umisti_seznam(popisek->geometry(), seznam->height(), sirky));
    seznam->show();
    seznam->raise();
}

void main_frm::vyber_polozku(int i, int radek)
{
    seznam_vyberu *seznam = vyber_lst(i);
    popisek_vyberu *popisek = vyber_txt(i);
    if (!seznam || !popisek || radek < 0 || radek >= seznam->count())
        return;
    popisek->zvol(seznam->tvar(radek));
    seznam->hide();
}

void main_frm::f5_v_seznamu(int i)
{
    if (i < 1 || i > stranka_.vyber_txt.size())
        return;
    const int cislo = stranka_.vyber_txt[i - 1].cislo_vety;
    for (int k = 1; k <= int(stranka_.vety.size()); ++k)
        if (stranka_.vety[k - 1].repro.cislo_vety == cislo) {
            klik_na_repro(k);
            return;
        }
}

// ---- the bubble ----

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
    const int pomer = qRound(obraz().devicePixelRatio());
    QImage michacka(kde.size() * pomer, QImage::Format_RGB32);
    michacka.setDevicePixelRatio(pomer);
    michacka.fill(Qt::black);
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
