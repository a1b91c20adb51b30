#include "exercise/main_frm.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "common/pismo.h"
#include "common/stav.h"
#include "data/losovani.h"
#include "exercise/diktovani.h"
#include "exercise/obrazky_cviceni.h"
#include "exercise/ukazatele_cviceni.h"
#include "shell/cekej.h"
#include "shell/obrazky.h"
#include "shell/platforma.h"
#include "shell/ukazatel.h"

#include <QPainter>
#include <QTimer>

namespace g = geometrie::cviceni;

namespace
{

const QString titulek = QStringLiteral("Ortanel - Verbano 2");

} // namespace

main_frm::main_frm(spolecny_stav_t &sezeni, QWidget *rodic) : obrazovka(sezeni, rodic)
{
    kresli_stranku_ = false;
    stav_.losovani.zachovat_vybrane = false;
    sezeni.vsetko_skontrolovane = false;
    sezeni.pocet_spravne = 0;
    sezeni.pocet_spatne = 0;
    stav_.druh = sezeni.druh_ulohy.value_or(druh_t::vyberovka);
    // Plays per sentence are chosen with the count; an exercise opened without a choice
    // plays without limit rather than not at all.
    stav_.limit_diktovani = sezeni.limit_diktovani >= 1 ? sezeni.limit_diktovani : 100;
    cislo_ulohy_ = ::cislo_ulohy(sezeni.rocnik, sezeni.tema);
    napoveda_ = obrazky_cviceni::napoveda(sezeni.rocnik, sezeni.tema, stav_.druh);
    setCursor(ukazatel_stranky());

    nacti_obrazky();
    buffer_stranky_ = obrazky_.value(obrazky_cviceni::pozadi);
    {
        QPainter p(&buffer_stranky_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, obrazky_.value(obrazky_cviceni::zalozka(sezeni.rocnik, sezeni.tema, stav_.druh)));
    }
    stav_.dalsi_prvek = 1;
    stav_.poloha_x = g::prvni_veta.x();
    stav_.poloha_y = g::prvni_veta.y();
    priprav_prvky();
    priprav_plochy();

    stav_.poloha_x = g::prvni_veta.x();
    stav_.poloha_y = g::prvni_veta.y();
    stav_.losovani.pocet_uloh = sezeni.pocet_uloh;
    stav_.losovani.pocet_zobrazenych = 0;
    vyjimky_ = nacti_vyjimky(sezeni.soubor_dat(QStringLiteral("VYJIMKY.DAT")), cislo_ulohy_);

    if (!nacti_doplnovacku()) {
        // Nothing to check and nothing to draw anew: only the way out stays.
        plocha(0)->setEnabled(false);
        plocha(1)->setEnabled(false);
    }
    sezeni.pocet_vet_cviceni = stav_.losovani.pocet_uloh;
    if (sezeni.napoveda_na_zaciatku && !zdroj_->isVisible())
        ukaz_napovedu();
    else
        kresli_stranku_ = true;
}

main_frm::~main_frm() = default;

void main_frm::nacti_obrazky()
{
    for (const QString &nazev : obrazky_cviceni::vsechny(sezeni().rocnik, sezeni().tema, stav_.druh))
        obrazky_.insert(nazev, bitmapa(nazev));
}

void main_frm::priprav_plochy()
{
    for (int i = 0; i < int(g::tlacitka.size()); ++i) {
        aktivni_plocha *p = pridej_plochu(g::tlacitka[i]);
        p->nastav_zvyrazneni(false);
        p->setCursor(ukazatel_prvku());
        connect(p, &aktivni_plocha::najeti, this, [this, i] { najeti_na_tlacitko(i); });
        connect(p, &aktivni_plocha::klik, this, [this, i] { klik_na_tlacitko(i); });
    }
    help_ = new aktivni_plocha(this, g::help);
    help_->setCursor(ukazatel_napovedy());
    connect(help_, &aktivni_plocha::klik, this, &main_frm::klik_na_help);

    pokracuj_cmd_ = new obrazkova_plocha(this, QRect(g::pokracuj, geometrie::posuvne_tlacitko));
    pokracuj_cmd_->setCursor(ukazatel_prvku());
    pokracuj_cmd_->setEnabled(false);
    pokracuj_cmd_->hide();
    connect(pokracuj_cmd_, &aktivni_plocha::klik, this, &main_frm::pokracuj_cmd_Click);

    bublina_ = new obrazkova_plocha(this, QRect(g::bublina_x, 0, 0, 0));
    bublina_->setAttribute(Qt::WA_TransparentForMouseEvents);
    bublina_->hide();
    spravny_vysledek_lbl_ = new popisek_bubliny(bublina_);
    spravny_vysledek_lbl_->move(odsazeni_popisku_x, odsazeni_popisku_y);

    // Above everything else when shown.
    zdroj_ = new obrazkova_plocha(this, QRect(0, 0, 0, 0));
    zdroj_->setFocusPolicy(Qt::StrongFocus);
    zdroj_->hide();
    connect(zdroj_, &aktivni_plocha::klik, this, &main_frm::klik_na_zdroj);

    casovac_animace_ = new QTimer(this);
    casovac_animace_->setInterval(1000);
}

void main_frm::priprav_prvky()
{
    vstupy_ = new vstupy_cviceni(this, stav_.druh, stranka_);
    connect(vstupy_, &vstupy_cviceni::pohyb, this, &main_frm::smaz_aktivni);
    const auto nahravka = [this](int cislo_vety) {
        return sezeni().soubor_media(soubor_diktatu(cislo_ulohy_, cislo_vety));
    };
    prehravac_ = new prehravac_vet(*this, stranka_, nahravka, stav_.limit_diktovani, obrazky_);
    connect(vstupy_, &vstupy_cviceni::prehraj, prehravac_, &prehravac_vet::prehraj);
    connect(prehravac_, &prehravac_vet::prehrano, vstupy_, &vstupy_cviceni::fokus_k_vete);

    auto *znacka = new obrazkova_plocha(this, QRect(QPoint(0, 0), g::znacka));
    znacka->setCursor(ukazatel_prvku());
    check_mark_.nastav_sablonu(znacka);
    check_mark_.pri_vytvoreni([this](obrazkova_plocha *znacka, int k) {
        connect(znacka, &aktivni_plocha::stisk, this,
                [this, k](Qt::MouseButton tlacitko, QPoint) { stisk_znacky(k, tlacitko); });
        connect(znacka, &aktivni_plocha::uvolneni, this,
                [this](Qt::MouseButton tlacitko, QPoint) { uvolneni_znacky(tlacitko); });
    });
}

// ---- pages ----

bool main_frm::nacti_doplnovacku()
{
    const vysledek_losovani_t vysledek = ::nacti_doplnovacku(
        stav_.losovani, sezeni().soubor_dat(QStringLiteral("VERBANO2.DAT")), cislo_ulohy_, nahoda());
    if (vysledek == vysledek_losovani_t::malo_radku) {
        platforma().zprava(hlaska_malo_radku, titulek, platforma_t::ikona_t::zadna);
        return false;
    }
    // On screen, the page is built on what the screen shows; before that, on the
    // background and title tab.
    zobraz_vybrane_radky(isVisible() ? obraz() : buffer_stranky_);
    return true;
}

void main_frm::zobraz_vybrane_radky(const QImage &podklad)
{
    stranka_ = ::zobraz_vybrane_radky(stav_);
    buffer_stranky_ = vykresli_stranku(stranka_, podklad, obrazky_);
    vytvor_prvky_stranky();
}

void main_frm::vytvor_prvky_stranky()
{
    for (int k = 1; k <= int(stranka_.vety.size()); ++k) {
        const veta_stranky_t &veta = stranka_.vety[k - 1];
        prehravac_->vytvor(k, veta);
        obrazkova_plocha *znacka = check_mark_.vytvor(k);
        znacka->setGeometry(QRect(veta.check_mark.poloha, g::znacka));
        znacka->hide();
    }
    vstupy_->vytvor();
    // The bubble and the help picture stay above the page's elements.
    bublina_->raise();
    zdroj_->raise();
}

void main_frm::ukaz_buffer_stranky()
{
    if (!buffer_stranky_.isNull())
        nastav_obraz(buffer_stranky_);
    buffer_stranky_ = QImage();
}

void main_frm::refreshni_controly() { vstupy_->prekresli(); }

void main_frm::odstran_prvky_stranky()
{
    vstupy_->odstran();
    prehravac_->odstran();
    for (int k = check_mark_.pocet(); k >= 1; --k)
        check_mark_.odstran(k);
}

// ---- activation and help ----

void main_frm::aktivace()
{
    if (!kresli_stranku_) {
        obnov_ukazatel();
        return;
    }
    ukaz_buffer_stranky();
    obnov_ukazatel();
    if (strazce_t(this).obsluz_udalosti())
        refreshni_controly();
}

void main_frm::ukaz_napovedu()
{
    zdroj_->move(0, 0);
    zdroj_->nastav_obrazek_s_velikosti(bitmapa(napoveda_));
    zdroj_->show();
    zdroj_->raise();
    // Keys typed meanwhile must not reach the boxes under the picture.
    zdroj_->setFocus();
}

void main_frm::klik_na_help()
{
    if (!zdroj_->isVisible())
        ukaz_napovedu();
}

void main_frm::klik_na_zdroj()
{
    if (!zdroj_->isVisible())
        return;
    zdroj_->hide();
    zdroj_->vymaz_obrazek();
    zdroj_->resize(0, 0);
    kresli_stranku_ = true;
    aktivace();
}

// ---- what the tests and the flow read ----

bool main_frm::zaneprazdnena() const { return casovac_animace_->isActive(); }

aktivni_plocha *main_frm::klik_plocha(int i) const { return plocha(i); }
