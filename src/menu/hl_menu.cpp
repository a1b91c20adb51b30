#include "menu/hl_menu.h"

#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/stav.h"
#include "shell/cekej.h"
#include "shell/displej.h"
#include "shell/hostitel.h"
#include "shell/obrazky.h"
#include "shell/platforma.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"
#include "shell/zvuk.h"

namespace menu = geometrie::menu;

hl_menu::hl_menu(spolecny_stav_t &sezeni, QWidget *rodic) : obrazovka(sezeni, rodic), zvuk_zdroj_(new drzak_zvuku(this))
{
    for (int n = 0; n < pocet_tlacitek_hover; ++n) {
        aktivni_plocha *p = pridej_plochu(menu::plochy[n]);
        connect(p, &aktivni_plocha::najeti, this, [this, n] { najeti_na_plochu(n); });
        connect(p, &aktivni_plocha::stisk, this, [this, n](Qt::MouseButton b) {
            if (b == Qt::LeftButton)
                stisk_plochy(n);
        });
    }
    autori_ = new aktivni_plocha(this, menu::autori);
    connect(autori_, &aktivni_plocha::klik, this, &hl_menu::klik_na_autory);

    for (int i = 0; i < max_temat; ++i) {
        auto *t = new obrazkova_plocha(this, menu::tema(0, i));
        t->hide();
        connect(t, &aktivni_plocha::najeti, this, [this, i] { najeti_na_tema(i); });
        connect(t, &aktivni_plocha::klik, this, [this, i] { klik_na_tema(i); });
        temata_tlacitka_[i] = t;
    }

    zdroj_ = new obrazkova_plocha(this, QRect(0, 0, 0, 0));
    zdroj_->hide();
    connect(zdroj_, &aktivni_plocha::klik, this, &hl_menu::klik_na_zdroj);
}

namespace
{
const QString soubor_pozadi = QStringLiteral("GRAFIKA/SELECT/BCKG.BMP");
}

bool hl_menu::nacti_pozadi()
{
    if (!je_citelna_bitmapa(sezeni().adresar_media, soubor_pozadi))
        return false;
    nastav_obraz_pozdeji([this] { return nacti_bitmapu(soubor_pozadi); });
    return true;
}

bool hl_menu::nacti_tlacitka()
{
    for (int i = 0; i < pocet_tlacitek_hover; ++i) {
        const QString jmeno = i < pocet_rocniku ? QStringLiteral("GRAFIKA/SELECT/L_%1_1.BMP").arg(i + 1)
                                                : QStringLiteral("GRAFIKA/SELECT/MKONEH.BMP");
        // Checked now, decoded when first drawn, as the topics are.
        if (!tlacitka_hover_[i].nacti(sezeni().adresar_media, jmeno))
            return false;
    }
    for (int i = 0; i < pocet_rocniku; ++i)
        if (!tlacitka_normal_[i].nacti(sezeni().adresar_media, QStringLiteral("GRAFIKA/SELECT/L_%1_0.BMP").arg(i + 1)))
            return false;
    return true;
}

bool hl_menu::nacti_temata()
{
    for (int r = 1; r <= pocet_rocniku; ++r) {
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
            // Read now, decoded when the grade is first chosen.
            for (int hover = 0; hover < 2; ++hover)
                if (!temata_[r - 1][t - 1][hover].nacti(
                        sezeni().adresar_media,
                        QStringLiteral("GRAFIKA/SELECT/R_%1%2_%3.BMP").arg(r).arg(t).arg(hover)))
                    return false;
        }
    }
    return true;
}

void hl_menu::priprav_plochy()
{
    zrus_zvyrazneni_ploch();
    povol_plochy(false);
}

bool hl_menu::ukaz_titulek()
{
    const auto titulek = nacti_bitmapu(QStringLiteral("GRAFIKA/TITLE.BMP"));
    if (!titulek)
        return false;
    zdroj_->nastav_obrazek_s_velikosti(*titulek);
    zdroj_->move(0, 0);
    zdroj_->show();
    zdroj_->raise();
    return true;
}

void hl_menu::aktivace()
{
    const strazce_t ja(this);
    obnov_ukazatel();
    // The topic clicked on the way to the set-up screen kept its hover look.
    smaz_prave_aktivni();
    if (!ja.obsluz_udalosti())
        return;
    if (titulek_viditelny() && !ja.cekej(cekani_titulku_ms))
        return;
    povol_plochy(true);
}

bool hl_menu::titulek_viditelny() const { return zdroj_->isVisible(); }

const QImage &hl_menu::obrazek_tlacitka(int index, bool hover) const
{
    return hover ? tlacitka_hover_.at(index).obrazek() : tlacitka_normal_.at(index).obrazek();
}

const QImage &hl_menu::obrazek_tematu(int rocnik, int tema, bool hover) const
{
    return temata_.at(rocnik - 1).at(tema - 1).at(hover ? 1 : 0).obrazek();
}

zvukove_zarizeni &hl_menu::zvuk() { return zvuk_zdroj_->zarizeni(); }

void hl_menu::smaz_aktivni() { obrazovka::smaz_aktivni(); }

void hl_menu::smaz_prave_aktivni()
{
    for (int i = 0; i < pocet_temat_; ++i) {
        temata_tlacitka_[i]->nastav_obrazek(obrazek_tematu(zvoleny_rocnik_ + 1, i + 1, false));
        temata_tlacitka_[i]->nastav_zvyrazneni(false);
    }
}

void hl_menu::najeti_na_plochu(int n)
{
    if (!je_aktivni() || plocha(n)->zvyraznena())
        return;
    smaz_aktivni();
    zvuk_najeti();
    zvyrazni_plochu(n, tlacitka_hover_[n].obrazek(), menu::hover[n]);
}

void hl_menu::stisk_plochy(int n)
{
    if (n == plocha_konce)
        stisk_konce();
    else
        stisk_rocniku(n);
}

void hl_menu::stisk_rocniku(int g)
{
    zvuk_kliku();
    if (g != zvoleny_rocnik_)
        vykresli_obrazek(tlacitka_normal_[zvoleny_rocnik_].obrazek(), menu::rocnik(zvoleny_rocnik_));
    rozloz_temata(g);
    // The chosen grade keeps its hover look: clearing the hover later puts it back.
    nastav_zalohu(tlacitka_hover_[g].obrazek(), menu::rocnik(g));
    vykresli_obrazek(tlacitka_hover_[g].obrazek(), menu::rocnik(g));
    zvoleny_rocnik_ = g;
}

void hl_menu::rozloz_temata(int g)
{
    for (obrazkova_plocha *t : temata_tlacitka_)
        t->hide();
    const int pocet = katalog_temat::pocet_temat(g + 1);
    for (int i = 0; i < pocet; ++i) {
        obrazkova_plocha *t = temata_tlacitka_[i];
        t->setGeometry(menu::tema(g, i));
        t->nastav_obrazek(obrazek_tematu(g + 1, i + 1, false));
        t->setProperty("rocnik", g + 1);
        t->nastav_zvyrazneni(false);
    }
    for (int i = 0; i < pocet; ++i)
        temata_tlacitka_[i]->show();
    pocet_temat_ = pocet;
}

void hl_menu::stisk_konce()
{
    zvuk_kliku();
    zeptej_se_na_konec(hostitel::instance());
    smaz_aktivni();
}

void hl_menu::najeti_na_tema(int i)
{
    obrazkova_plocha *t = temata_tlacitka_[i];
    if (t->zvyraznena())
        return;
    smaz_prave_aktivni();
    zvuk_najeti();
    t->nastav_obrazek(obrazek_tematu(t->property("rocnik").toInt(), i + 1, true));
    t->nastav_zvyrazneni(true);
}

void hl_menu::klik_na_tema(int i)
{
    zvuk_kliku();
    povol_plochy(false);
    sezeni().rocnik = temata_tlacitka_[i]->property("rocnik").toInt();
    sezeni().tema = i + 1;
    ukaz_presypaci_hodiny();
    hostitel *okno = hostitel::instance();
    // Without a set-up screen to go to, the menu stays usable.
    if (!okno || !okno->ukaz(obrazovka_id::frm_select, hostitel::potom_t::skryj)) {
        obnov_ukazatel();
        povol_plochy(true);
    }
}

void hl_menu::klik_na_zdroj()
{
    zvuk_kliku();
    zdroj_->hide();
    if (strazce_t(this).obsluz_udalosti())
        povol_plochy(true);
}

void hl_menu::klik_na_autory()
{
    zvuk_kliku();
    povol_plochy(false);
    zdroj_->nastav_obrazek_s_velikosti(bitmapa(QStringLiteral("GRAFIKA/CREDITS.BMP")));
    zdroj_->move(0, 0);
    zdroj_->show();
    zdroj_->raise();
}
