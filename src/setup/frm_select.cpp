#include "setup/frm_select.h"

#include "common/geometrie.h"
#include "common/jmeno.h"
#include "common/pismo.h"
#include "common/stav.h"
#include "setup/ciste_jmeno.h"
#include "setup/posun.h"
#include "setup/volby.h"
#include "shell/cekej.h"
#include "shell/hostitel.h"
#include "shell/kresleni.h"
#include "shell/obrazky.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"
#include "shell/zvuk.h"

#include <QLineEdit>
#include <QTimer>

namespace gn = geometrie::nastaveni;

namespace
{

// The area laid out for 20 sentences is too narrow for its number: the screen moves it
// left and widens it over the whole number.
constexpr int posun_plochy_3 = 25;
constexpr int rozsireni_plochy_3 = 55;

} // namespace

frm_select::frm_select(spolecny_stav_t &sezeni, QWidget *rodic) : obrazovka(sezeni, rodic)
{
    sezeni.napoveda_na_zaciatku = false;
    nastav_obraz(bitmapa(volby::pozadi(sezeni.rocnik, sezeni.tema)));
    nacti_bitmapy();
    priprav_plochy();
    priprav_prvky();
    sezeni.pocet_uloh = 0;
    sezeni.druh_ulohy.reset();
    tisk_ = [this] { tiskni_ulohy(); };
}

void frm_select::tiskni_ulohy()
{
    spolecny_stav_t &s = sezeni();
    const vysledek_tisku_t v =
        tisk_ulohy_.tiskni_cmd_Click(s.soubor_dat(QStringLiteral("VERBANO2.DAT")), s.rocnik, s.tema,
                                     s.druh_ulohy.value_or(druh_t::oprava), s.pocet_uloh);
    // A whole text was printed whole: its count is the one chosen now.
    if (v != vysledek_tisku_t::malo_radku && tisk_ulohy_.losovani().souvisly_text)
        s.pocet_uloh = tisk_ulohy_.losovani().pocet_uloh;
}

void frm_select::nacti_bitmapy()
{
    zpet_hover_ = bitmapa(QStringLiteral("GRAFIKA/SETUP/MZPETH.BMP"));
    for (int n = 6; n <= 9; ++n) {
        tlacitka_druhu_[n - volby::prvni_plocha_druhu][1] = bitmapa(volby::tlacitko_druhu(n, true));
        tlacitka_druhu_[n - volby::prvni_plocha_druhu][0] = bitmapa(volby::tlacitko_druhu(n, false));
    }
    for (int n = 0; n <= 5; ++n)
        sipky_poctu_[n] = bitmapa(volby::sipka_poctu(n));
    for (int n = 6; n <= 9; ++n)
        sipky_druhu_[n - volby::prvni_plocha_druhu] = bitmapa(volby::sipka_druhu(n));
    napoveda_[0] = bitmapa(volby::napoveda(false));
    napoveda_[1] = bitmapa(volby::napoveda(true));
    for (int n = 0; n <= 3; ++n)
        cisla_[n][1] = bitmapa(volby::cislo(n, true));
    for (int n = 0; n <= 3; ++n)
        cisla_[n][0] = bitmapa(volby::cislo(n, false));
    lice_pokracuj_ = bitmapa(QStringLiteral("GRAFIKA/POKRACUJ.BMP"));
    lice_tiskni_ = bitmapa(QStringLiteral("GRAFIKA/TISKNI.BMP"));
}

void frm_select::priprav_plochy()
{
    for (int n = 0; n < volby::pocet_ploch; ++n) {
        aktivni_plocha *p = pridej_plochu(n == 3 ? gn::plocha_3_puvodni : gn::plochy[n]);
        p->nastav_zvyrazneni(false);
        connect(p, &aktivni_plocha::najeti, this, [this, n] { najeti_na_plochu(n); });
        connect(p, &aktivni_plocha::klik, this, [this, n] { stisk_plochy(n); });
    }
    help_ = new aktivni_plocha(this, gn::help);
    connect(help_, &aktivni_plocha::klik, this, &frm_select::klik_na_help);

    plocha(4)->setEnabled(false);
    plocha(5)->setEnabled(false);
    aktivni_plocha *dvacet = plocha(3);
    dvacet->setGeometry(dvacet->x() - posun_plochy_3, dvacet->y(), dvacet->width() + rozsireni_plochy_3,
                        dvacet->height());
}

void frm_select::priprav_prvky()
{
    jmeno_txt_ = new QLineEdit(this);
    jmeno_txt_->setGeometry(gn::jmeno);
    jmeno_txt_->setFrame(false);
    jmeno_txt_->setFont(pismo_obrazovky(10, true));
    jmeno_txt_->setValidator(new validator_jmena(jmeno_txt_));
    connect(jmeno_txt_, &QLineEdit::textChanged, this, &frm_select::zmena_jmena);

    // Out of view below the screen until they slide out.
    const auto tlacitko = [this](QPoint kde) {
        auto *t = new obrazkova_plocha(
            this, QRect(kde.x(), geometrie::vyska_obrazovky, gn::tlacitko_sirka, gn::tlacitko_vyska));
        t->setCursor(Qt::PointingHandCursor);
        t->setEnabled(false);
        t->hide();
        return t;
    };
    pokracuj_cmd_ = tlacitko(gn::pokracuj);
    tiskni_cmd_ = tlacitko(gn::tiskni_dovnitr);
    connect(pokracuj_cmd_, &aktivni_plocha::klik, this, &frm_select::pokracuj_cmd_Click);
    connect(tiskni_cmd_, &aktivni_plocha::klik, this, &frm_select::tiskni_cmd_Click);

    zdroj_ = new obrazkova_plocha(this, QRect(0, 0, 0, 0));
    zdroj_->hide();
    connect(zdroj_, &aktivni_plocha::klik, this, &frm_select::klik_na_zdroj);

    casovac_animace_ = new QTimer(this);
    casovac_animace_->setInterval(1000);
}

bool frm_select::zaneprazdnena() const { return casovac_animace_->isActive(); }

void frm_select::aktivace()
{
    const strazce_t ja(this);
    obnov_ukazatel();
    if (!ja.obsluz_udalosti())
        return;
    plocha(volby::plocha_zpet)->setEnabled(true);
    if (jmeno_txt_->isVisible())
        jmeno_txt_->setFocus();
}

void frm_select::smaz_aktivni()
{
    if (plocha(volby::plocha_napovedy)->zvyraznena() || plocha(volby::plocha_zpet)->zvyraznena())
        obnov_zalohu();
    zrus_zvyrazneni_ploch();
}

// ---- presses ----

void frm_select::stisk_plochy(int n)
{
    if (zaneprazdnena())
        return;
    zvuk_kliku();
    if (volby::je_plocha_poctu(n))
        zvol_pocet(n);
    else if (volby::je_plocha_druhu(n))
        zvol_druh(n);
    else if (n == volby::plocha_napovedy)
        prepni_napovedu();
    else if (n == volby::plocha_zpet) {
        // The screen is gone afterwards.
        zpet_do_menu();
        return;
    }
    posun_tlacitka();
}

void frm_select::zvol_pocet(int n)
{
    if (const auto predchozi = volby::plocha_poctu(sezeni().pocet_uloh); predchozi && *predchozi < 4)
        vykresli_obrazek(cisla_[*predchozi][0], gn::cislo[*predchozi]);
    if (n < 4) {
        vykresli_obrazek(cisla_[n][1], gn::cislo[n]);
        sezeni().limit_diktovani = *volby::limit_diktovani(n);
    }
    sezeni().pocet_uloh = volby::pocet(n);
    vykresli_obrazek(sipky_poctu_[n], gn::sipka_poctu);
}

void frm_select::zvol_druh(int n)
{
    if (sezeni().druh_ulohy) {
        const int predchozi = volby::plocha_druhu(*sezeni().druh_ulohy) - volby::prvni_plocha_druhu;
        vykresli_obrazek(tlacitka_druhu_[predchozi][0], gn::druh[predchozi]);
    }
    vykresli_obrazek(tlacitka_druhu_[n - volby::prvni_plocha_druhu][1], gn::druh[n - volby::prvni_plocha_druhu]);
    sezeni().druh_ulohy = volby::druh(n);
    vykresli_obrazek(sipky_druhu_[n - volby::prvni_plocha_druhu], gn::sipka_druhu);
    // Read at every press and not kept: only one of eight is ever on screen.
    vykresli_obrazek(bitmapa(volby::ukazka(volby::druh(n), sezeni().rocnik, sezeni().tema)), gn::ukazka);
}

void frm_select::prepni_napovedu()
{
    sezeni().napoveda_na_zaciatku = !sezeni().napoveda_na_zaciatku;
    vykresli_obrazek(napoveda_[sezeni().napoveda_na_zaciatku ? 1 : 0], gn::napoveda_prepinac);
}

void frm_select::zpet_do_menu()
{
    hostitel *okno = hostitel::instance();
    if (!okno || !okno->ukaz(obrazovka_id::hl_menu, hostitel::potom_t::nic))
        return;
    if (strazce_t(this).obsluz_udalosti())
        okno->uvolni(obrazovka_id::frm_select);
}

void frm_select::posun_tlacitka()
{
    const volby::stav_t stav{sezeni().rocnik,    sezeni().tema,      sezeni().pocet_uloh, sezeni().druh_ulohy,
                             jmeno_txt_->text(), vysunuto_pokracuj_, vysunuto_tiskni_};
    const strazce_t ja(this);
    for (const volby::posun_t posun : volby::posuny_po_stisku(stav)) {
        if (!ja.zije())
            return;
        switch (posun) {
        case volby::posun_t::vytahni_pokracuj: vytahni_pokracuj(); break;
        case volby::posun_t::zatahni_pokracuj: zatahni_pokracuj(); break;
        case volby::posun_t::vytahni_tiskni: vytahni_tiskni(); break;
        case volby::posun_t::zatahni_tiskni: zatahni_tiskni(); break;
        }
    }
}

// ---- hover ----

void frm_select::najeti_na_plochu(int n)
{
    aktivni_plocha *p = plocha(n);
    if (!p->zvyraznena())
        zvuk_najeti();
    if (zaneprazdnena() || !je_aktivni() || p->zvyraznena())
        return;
    smaz_aktivni();
    if (n == volby::plocha_zpet)
        zvyrazni_plochu(n, zpet_hover_, gn::zpet_hover);
    else if (n == volby::plocha_napovedy) {
        // The same steps with no picture: nothing to save, nothing drawn.
        p->nastav_zvyrazneni(true);
        nastav_zalohu(QImage(), gn::napoveda_prepinac);
    } else {
        p->nastav_zvyrazneni(true);
    }
}

// ---- name, help, buttons ----

void frm_select::zmena_jmena()
{
    if (!strazce_t(this).obsluz_udalosti() || zaneprazdnena())
        return;
    const volby::stav_t stav{sezeni().rocnik,    sezeni().tema,      sezeni().pocet_uloh, sezeni().druh_ulohy,
                             jmeno_txt_->text(), vysunuto_pokracuj_, vysunuto_tiskni_};
    const auto posun = volby::posun_po_zmene_jmena(stav);
    if (posun == volby::posun_t::vytahni_pokracuj)
        vytahni_pokracuj();
    else if (posun == volby::posun_t::zatahni_pokracuj)
        zatahni_pokracuj();
}

void frm_select::klik_na_help()
{
    zdroj_->nastav_obrazek_s_velikosti(bitmapa(QStringLiteral("GRAFIKA/HELP/SETUP2.BMP")));
    zdroj_->move(0, 0);
    zdroj_->show();
    zdroj_->raise();
    jmeno_txt_->hide();
}

void frm_select::klik_na_zdroj()
{
    zdroj_->hide();
    zdroj_->vymaz_obrazek();
    zdroj_->resize(0, 0);
    jmeno_txt_->show();
}

void frm_select::pokracuj_cmd_Click()
{
    // A click while the other button slides would leave the slide running on a hidden screen.
    if (zaneprazdnena())
        return;
    zvuk_kliku();
    sezeni().jmeno_zaka = jmeno_k_ulozeni(jmeno_txt_->text());
    ukaz_presypaci_hodiny();
    hostitel *okno = hostitel::instance();
    if (!okno || !okno->ukaz(obrazovka_id::main_frm, hostitel::potom_t::skryj)) {
        obnov_ukazatel();
        return;
    }
    plocha(volby::plocha_zpet)->setEnabled(false);
}

void frm_select::tiskni_cmd_Click()
{
    // The print dialog would otherwise hold a slide in the middle.
    if (zaneprazdnena() || !tisk_)
        return;
    tisk_();
}

// ---- slides ----

void frm_select::vytahni_pokracuj() { posun(pokracuj_cmd_, vysunuto_pokracuj_, lice_pokracuj_, gn::pokracuj, true); }

void frm_select::zatahni_pokracuj() { posun(pokracuj_cmd_, vysunuto_pokracuj_, lice_pokracuj_, gn::pokracuj, false); }

void frm_select::vytahni_tiskni() { posun(tiskni_cmd_, vysunuto_tiskni_, lice_tiskni_, gn::tiskni_ven, true); }

void frm_select::zatahni_tiskni() { posun(tiskni_cmd_, vysunuto_tiskni_, lice_tiskni_, gn::tiskni_dovnitr, false); }

void frm_select::posun(obrazkova_plocha *tlacitko, bool &vysunuto, const QImage &lice, QPoint kde, bool ven)
{
    if (vysunuto == ven)
        return;
    tlacitko->setGeometry(QRect(kde, logicka_velikost(lice)));
    casovac_animace_->start();
    const strazce_t ja(this);
    const QList<int> snimky = poradi_snimku(logicka_velikost(lice).height(), ven);
    for (qsizetype i = 0; i < snimky.size(); ++i) {
        tlacitko->nastav_obrazek(snimek_posunu(obraz(), kde, lice, snimky[i]));
        if (tlacitko->isHidden())
            tlacitko->show();
        if (i + 1 == snimky.size())
            break;
        if (!ja.cekej(prodleva_snimku_ms))
            return;
    }
    casovac_animace_->stop();
    vysunuto = ven;
    if (ven) {
        tlacitko->setEnabled(true);
    } else {
        tlacitko->hide();
        tlacitko->setEnabled(false);
    }
}
