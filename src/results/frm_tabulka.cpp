#include "results/frm_tabulka.h"

#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/pismo.h"
#include "common/stav.h"
#include "results/vlastni_vysledek.h"
#include "shell/hostitel.h"
#include "shell/kresleni.h"
#include "shell/obrazky.h"
#include "shell/platforma.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <utility>

namespace gt = geometrie::tabulka;

namespace
{

constexpr int plocha_zpet = 0;

QLabel *sablona_sloupce(QWidget *rodic, int sloupec)
{
    auto *l = new QLabel(rodic);
    l->setGeometry(gt::sloupce[sloupec]);
    l->setFont(pismo_obrazovky(12));
    l->setFrameShape(QFrame::NoFrame);
    l->setAutoFillBackground(false);
    l->setTextFormat(Qt::PlainText);
    const bool jmeno = sloupec == int(frm_tabulka::sloupec_t::jmeno);
    // The name under its head at the left, the numbers under theirs in the middle.
    l->setAlignment(Qt::AlignVCenter | (jmeno ? Qt::AlignLeft : Qt::AlignHCenter));
    l->setIndent(0);
    // The pointer's movements over the rows are movements over the background.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

// A name wider than its column ends in an ellipsis rather than being cut mid-letter.
QString vejde_se(const QLabel &l, const QString &text)
{
    return QFontMetrics(l.font()).elidedText(text, Qt::ElideRight, l.contentsRect().width());
}

} // namespace

// The result is kept before any picture is read: a broken media folder ends the program,
// but never loses a finished exercise.
frm_tabulka::frm_tabulka(spolecny_stav_t &sezeni, QWidget *rodic)
    : obrazovka(sezeni, rodic), navsteva_(zpracuj_vysledky(sezeni))
{
    nastav_obraz(bitmapa(QStringLiteral("GRAFIKA/TABS/BCKG.BMP")));
    zpet_hover_ = bitmapa(QStringLiteral("GRAFIKA/MZPETH.BMP"));
    zpet_normalni_ = bitmapa(QStringLiteral("GRAFIKA/MZPET.BMP"));
    nakresli_zahlavi();
    priprav_radky();
    aktivni_plocha *zpet = pridej_plochu(gt::zpet);
    zpet->nastav_zvyrazneni(false);
    connect(zpet, &aktivni_plocha::najeti, this, &frm_tabulka::najeti_na_zpet);
    connect(zpet, &aktivni_plocha::klik, this, &frm_tabulka::klik_na_zpet);
    vykresli_tabulku();
    ukaz_vlastni_vysledek();
}

// Over the background's line about red rows: the pupil's own result says more, also
// outside the ten best.
void frm_tabulka::ukaz_vlastni_vysledek()
{
    vysledek_lbl_ = new QLabel(this);
    vysledek_lbl_->setGeometry(gt::vlastni_vysledek);
    vysledek_lbl_->setFont(pismo_obrazovky(11));
    vysledek_lbl_->setTextFormat(Qt::PlainText);
    vysledek_lbl_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    vysledek_lbl_->setIndent(12); // under the first column's head
    vysledek_lbl_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette paleta = vysledek_lbl_->palette();
    paleta.setColor(QPalette::Window, QColor(pixel_v_bode(obraz(), gt::vlastni_vysledek.topLeft())));
    paleta.setColor(QPalette::WindowText, QColor(0x1d, 0x33, 0x5c));
    vysledek_lbl_->setPalette(paleta);
    vysledek_lbl_->setAutoFillBackground(true);
    vysledek_lbl_->setText(vlastni_vysledek(sezeni(), navsteva_).join(u'\n'));
    vysledek_lbl_->show();
}

// The tab of grade, topic and kind becomes part of the background.
void frm_tabulka::nakresli_zahlavi()
{
    const auto druh = sezeni().druh_ulohy;
    if (!druh)
        return;
    const QString jmeno =
        QStringLiteral("GRAFIKA/TABS/L_%1%2_%3.BMP").arg(sezeni().rocnik).arg(sezeni().tema).arg(kod_bitmapy(*druh));
    vykresli_obrazek(bitmapa(jmeno), QPoint(0, 0));
}

// Row 0 of each column is its family's template and stays in view as the first row.
void frm_tabulka::priprav_radky()
{
    for (int s = 0; s < pocet_sloupcu; ++s)
        sloupce_[s].nastav_sablonu(sablona_sloupce(this, s));
    for (int i = 1; i < gt::pocet_radku; ++i)
        for (auto &sloupec : sloupce_)
            sloupec.vytvor(i);
    for (int i = 0; i < gt::pocet_radku; ++i)
        for (auto &sloupec : sloupce_) {
            QLabel *l = sloupec[i];
            l->move(l->x(), sloupec.sablona()->y() + gt::krok_radku * i);
            l->show();
        }
}

void frm_tabulka::vykresli_tabulku()
{
    for (int k = 0; k < gt::pocet_radku; ++k) {
        const radek_zobrazeni_t &r = navsteva_.tabulka[k];
        const QString texty[pocet_sloupcu] = {QString::number(r.poradi), r.radek.jmeno,
                                              QString::number(r.radek.spravne), QString::number(r.radek.spatne),
                                              QString::number(r.radek.znamka)};
        for (int s = 0; s < pocet_sloupcu; ++s) {
            QLabel *l = sloupce_[s][k];
            l->setText(s == int(sloupec_t::jmeno) ? vejde_se(*l, texty[s]) : texty[s]);
            QPalette paleta = l->palette();
            paleta.setColor(QPalette::WindowText, r.cerveny ? QColor(255, 0, 0) : QColor(0, 0, 0));
            l->setPalette(paleta);
        }
    }
}

QLabel *frm_tabulka::popisek(sloupec_t sloupec, int radek) const
{
    if (radek < 0 || radek >= gt::pocet_radku)
        return nullptr;
    return sloupce_[int(sloupec)][radek];
}

aktivni_plocha *frm_tabulka::klik_plocha() const { return plocha(plocha_zpet); }

void frm_tabulka::aktivace()
{
    QCoreApplication::processEvents();
    if (std::exchange(hlaseno_, true))
        return;
    if (const auto hlaseni = hlaseni_o_ulozeni(navsteva_))
        platforma().zprava(*hlaseni, QStringLiteral("Upozornenie"), platforma_t::ikona_t::vykricnik);
}

void frm_tabulka::smaz_aktivni()
{
    aktivni_plocha *zpet = klik_plocha();
    if (!zpet->zvyraznena())
        return;
    vykresli_obrazek(zpet_normalni_, gt::zpet_obrazek);
    zpet->nastav_zvyrazneni(false);
}

void frm_tabulka::pohyb_po_pozadi(Qt::MouseButtons tlacitka, QPoint)
{
    if (tlacitka == Qt::NoButton)
        smaz_aktivni();
}

// Reported only while no mouse button is held.
void frm_tabulka::najeti_na_zpet()
{
    aktivni_plocha *zpet = klik_plocha();
    if (zpet->zvyraznena())
        return;
    zvuk_najeti();
    vykresli_obrazek(zpet_hover_, gt::zpet_obrazek);
    zpet->nastav_zvyrazneni(true);
}

void frm_tabulka::klik_na_zpet()
{
    zvuk_kliku();
    hostitel *okno = hostitel::instance();
    if (!okno)
        return;
    ukaz_presypaci_hodiny();
    if (!sezeni().vsetko_skontrolovane) {
        if (!okno->ukaz(obrazovka_id::main_frm, hostitel::potom_t::uvolni))
            obnov_ukazatel();
        return;
    }
    if (!okno->ukaz(obrazovka_id::frm_select, hostitel::potom_t::uvolni)) {
        obnov_ukazatel();
        return;
    }
    okno->uvolni(obrazovka_id::main_frm);
}
