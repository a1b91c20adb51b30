#include "exercise/main_frm.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "common/pismo.h"
#include "common/stav.h"
#include "data/losovani.h"
#include "exercise/obrazky_cviceni.h"
#include "exercise/ukazatele_cviceni.h"
#include "shell/cekej.h"
#include "shell/obrazky.h"
#include "shell/platforma.h"
#include "shell/ukazatel.h"

#include <QPainter>
#include <QTimer>

namespace g = geometrie::cviceni;
namespace r = rozmery_prvku;

namespace
{

// Every gap box, choice label and choice list has this background.
const QColor barva_prvku(255, 236, 182);
const QString titulek = QStringLiteral("Ortanel - Verbano 2");

// Colours that stay when the element is disabled after checking: the answer must stay
// readable.
void nastav_barvy(QWidget *prvek, const QColor &pozadi)
{
    QPalette paleta = prvek->palette();
    for (const QPalette::ColorGroup skupina : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paleta.setColor(skupina, QPalette::Base, pozadi);
        paleta.setColor(skupina, QPalette::Window, pozadi);
        paleta.setColor(skupina, QPalette::Text, Qt::black);
        paleta.setColor(skupina, QPalette::WindowText, Qt::black);
    }
    prvek->setPalette(paleta);
}

druh_t druh_cviceni() { return druh_z_klicoveho_slova(spolecny_stav.druh_ulohy).value_or(druh_t::vyberovka); }

} // namespace

main_frm::main_frm(QWidget *rodic) : obrazovka(rodic)
{
    kresli_stranku_ = false;
    stav_.losovani.zachovat_vybrane = false;
    spolecny_stav.vsetko_skontrolovane = false;
    spolecny_stav.pocet_spravne = 0;
    spolecny_stav.pocet_spatne = 0;
    stav_.druh = druh_cviceni();
    // Plays per sentence are chosen with the count; an exercise opened without a choice
    // plays without limit rather than not at all.
    stav_.limit_diktovani = spolecny_stav.limit_diktovani >= 1 ? spolecny_stav.limit_diktovani : 100;
    cislo_ulohy_ = ::cislo_ulohy(spolecny_stav.rocnik, spolecny_stav.tema);
    napoveda_ = obrazky_cviceni::napoveda(spolecny_stav.rocnik, spolecny_stav.tema, stav_.druh);
    setCursor(ukazatel_stranky());

    nacti_obrazky();
    buffer_stranky_ = obrazky_.value(obrazky_cviceni::pozadi);
    {
        QPainter p(&buffer_stranky_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0,
                    obrazky_.value(obrazky_cviceni::zalozka(spolecny_stav.rocnik, spolecny_stav.tema, stav_.druh)));
    }
    stav_.dalsi_prvek = 1;
    stav_.poloha_x = g::prvni_veta.x();
    stav_.poloha_y = g::prvni_veta.y();
    priprav_sablony();
    priprav_rodiny();
    priprav_plochy();

    stav_.poloha_x = g::prvni_veta.x();
    stav_.poloha_y = g::prvni_veta.y();
    stav_.losovani.pocet_uloh = spolecny_stav.pocet_uloh;
    stav_.losovani.pocet_zobrazenych = 0;
    vyjimky_ = nacti_vyjimky(soubor_dat(QStringLiteral("VYJIMKY.DAT")), cislo_ulohy_);

    if (!nacti_doplnovacku()) {
        // Nothing to check and nothing to draw anew: only the way out stays.
        plocha(0)->setEnabled(false);
        plocha(1)->setEnabled(false);
    }
    spolecny_stav.pocet_vet_cviceni = stav_.losovani.pocet_uloh;
    if (spolecny_stav.napoveda_na_zaciatku && !zdroj_->isVisible())
        ukaz_napovedu();
    else
        kresli_stranku_ = true;
}

main_frm::~main_frm() = default;

void main_frm::nacti_obrazky()
{
    for (const QString &nazev : obrazky_cviceni::vsechny(spolecny_stav.rocnik, spolecny_stav.tema, stav_.druh))
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

void main_frm::priprav_sablony()
{
    const QCursor prvek = ukazatel_prvku();

    auto *mezera = new box_mezery(this);
    mezera->setGeometry(0, 0, r::vyska_prvku, r::vyska_prvku);
    nastav_barvy(mezera, barva_prvku);
    mezera->setCursor(prvek);
    dopln_box_.nastav_sablonu(mezera);

    auto *veta = new box_vety(this);
    nastav_barvy(veta, veta->palette().color(QPalette::Active, QPalette::Base));
    veta->setCursor(prvek);
    dopln_box_viceradkovy_.nastav_sablonu(veta);

    auto *popisek = new popisek_vyberu(this);
    nastav_barvy(popisek, barva_prvku);
    popisek->setText(QString());
    popisek->setCursor(prvek);
    vyber_txt_.nastav_sablonu(popisek);

    auto *seznam = new seznam_vyberu(this);
    nastav_barvy(seznam, barva_prvku);
    seznam->setCursor(prvek);
    vyber_lst_.nastav_sablonu(seznam);

    auto *reproduktor = new aktivni_plocha(this, QRect(QPoint(0, 0), g::repro));
    reproduktor->setCursor(prvek);
    repro_.nastav_sablonu(reproduktor);

    auto *pocitadlo = new QLabel(this);
    pocitadlo->resize(g::pocitadlo);
    pocitadlo->setAttribute(Qt::WA_TransparentForMouseEvents);
    pocet_diktovani_.nastav_sablonu(pocitadlo);

    auto *znacka = new obrazkova_plocha(this, QRect(QPoint(0, 0), g::znacka));
    znacka->setCursor(prvek);
    check_mark_.nastav_sablonu(znacka);
}

void main_frm::priprav_rodiny()
{
    dopln_box_.pri_vytvoreni([this](box_mezery *box, int i) {
        connect(box, &box_mezery::enter, this, [this, i] { enter_v_boxu(i); });
        connect(box, &box_mezery::f5, this, [this, i] { f5_v_mezere(i); });
        connect(box, &box_mezery::pohyb, this, &main_frm::smaz_aktivni);
    });
    dopln_box_viceradkovy_.pri_vytvoreni([this](box_vety *box, int i) {
        box->viewport()->setCursor(ukazatel_prvku());
        connect(box, &box_vety::enter, this, [this, i] { enter_v_boxu(i); });
        connect(box, &box_vety::f5, this, [this, i] { klik_na_repro(i); });
        connect(box, &box_vety::pohyb, this, &main_frm::smaz_aktivni);
    });
    vyber_txt_.pri_vytvoreni([this](popisek_vyberu *popisek, int i) {
        connect(popisek, &popisek_vyberu::klik, this, [this, i] { klik_na_vyber(i); });
    });
    vyber_lst_.pri_vytvoreni([this](seznam_vyberu *seznam, int i) {
        seznam->viewport()->setCursor(ukazatel_prvku());
        connect(seznam, &seznam_vyberu::vybrano, this, [this, i](int radek) { vyber_polozku(i, radek); });
        connect(seznam, &seznam_vyberu::f5, this, [this, i] { f5_v_seznamu(i); });
    });
    repro_.pri_vytvoreni([this](aktivni_plocha *reproduktor, int k) {
        connect(reproduktor, &aktivni_plocha::klik, this, [this, k] { klik_na_repro(k); });
        connect(reproduktor, &aktivni_plocha::najeti, this, [this, k] { najeti_na_repro(k); });
    });
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
    const vysledek_losovani_t vysledek =
        ::nacti_doplnovacku(stav_.losovani, soubor_dat(QStringLiteral("VERBANO2.DAT")), cislo_ulohy_, nahoda());
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
    for (int k = 1; k <= int(stranka_.vety.size()); ++k)
        vytvor_vetu(k, stranka_.vety[k - 1]);
    vytvor_vstupy();
    // The bubble and the help picture stay above the page's elements.
    bublina_->raise();
    zdroj_->raise();
}

void main_frm::vytvor_vetu(int k, const veta_stranky_t &veta)
{
    aktivni_plocha *reproduktor = repro_.vytvor(k);
    reproduktor->setGeometry(veta.repro.obdelnik);
    reproduktor->setEnabled(true);
    reproduktor->show();
    if (veta.pocet_diktovani) {
        QLabel *pocitadlo = pocet_diktovani_.vytvor(k);
        pocitadlo->setGeometry(veta.pocet_diktovani->obdelnik);
        pocitadlo->setEnabled(true);
        pocitadlo->setVisible(veta.pocet_diktovani->viditelne);
    }
    obrazkova_plocha *znacka = check_mark_.vytvor(k);
    znacka->setGeometry(QRect(veta.check_mark.poloha, g::znacka));
    znacka->hide();
}

void main_frm::vytvor_vstupy()
{
    for (int i = 1; i <= stranka_.pocet_prvku(); ++i) {
        switch (stav_.druh) {
        case druh_t::doplnovacka: {
            const dopln_box_t &model = stranka_.dopln_box[i - 1];
            box_mezery *box = dopln_box_.vytvor(i);
            box->setGeometry(model.obdelnik);
            box->nastav_pismo(model.body);
            box->setAlignment(model.zarovnani | Qt::AlignVCenter);
            box->setMaxLength(model.max_delka.value_or(32767));
            box->clear();
            box->show();
            break;
        }
        case druh_t::vyberovka: {
            const vyber_txt_t &model = stranka_.vyber_txt[i - 1];
            popisek_vyberu *popisek = vyber_txt_.vytvor(i);
            popisek->setGeometry(model.obdelnik);
            popisek->setFont(pismo_obrazovky(model.body));
            popisek->setAlignment(model.zarovnani | Qt::AlignTop);
            popisek->show();
            seznam_vyberu *seznam = vyber_lst_.vytvor(i);
            seznam->setGeometry(
                QRect(model.obdelnik.bottomLeft() + QPoint(0, 1), QSize(model.obdelnik.width(), model.vyska_seznamu)));
            seznam->nastav_polozky(model.vyber_lst, model.body, model.vyska_seznamu);
            seznam->hide();
            break;
        }
        case druh_t::diktat:
        case druh_t::oprava: {
            const dopln_box_viceradkovy_t &model = stranka_.dopln_box_viceradkovy[i - 1];
            box_vety *box = dopln_box_viceradkovy_.vytvor(i);
            box->nastav_format(format_viceradkoveho_boxu(model.body));
            box->setGeometry(model.obdelnik);
            box->setPlainText(model.text);
            box->show();
            break;
        }
        }
    }
}

void main_frm::ukaz_buffer_stranky()
{
    if (!buffer_stranky_.isNull())
        nastav_obraz(buffer_stranky_);
    buffer_stranky_ = QImage();
}

void main_frm::refreshni_controly()
{
    for (int j = stav_.dalsi_prvek - 1; j >= 1; --j) {
        QWidget *prvek = nullptr;
        switch (stav_.druh) {
        case druh_t::vyberovka: prvek = vyber_txt(j); break;
        case druh_t::doplnovacka: prvek = dopln_box(j); break;
        case druh_t::diktat:
        case druh_t::oprava: prvek = dopln_box_viceradkovy(j); break;
        }
        if (prvek)
            prvek->update();
    }
}

void main_frm::odstran_prvky_stranky()
{
    for (int j = stav_.dalsi_prvek - 1; j >= 1; --j) {
        switch (stav_.druh) {
        case druh_t::doplnovacka: dopln_box_.odstran(j); break;
        case druh_t::vyberovka:
            vyber_lst_.odstran(j);
            vyber_txt_.odstran(j);
            break;
        case druh_t::diktat:
        case druh_t::oprava: dopln_box_viceradkovy_.odstran(j); break;
        }
    }
    for (int k = stav_.pocet_na_strance; k >= 1; --k) {
        check_mark_.odstran(k);
        repro_.odstran(k);
        if (stav_.losovani.souvisly_text)
            pocet_diktovani_.odstran(k);
    }
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

int main_frm::zbyva_prehrani(int k) const
{
    return k >= 1 && k <= stranka_.vety.size() ? stranka_.vety[k - 1].repro.zbyva_prehrani : 0;
}

aktivni_plocha *main_frm::klik_plocha(int i) const { return plocha(i); }
