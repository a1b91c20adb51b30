#pragma once

#include "setup/tisk_beh.h"
#include "setup/tisk_dialog.h"
#include "shell/obrazovka.h"

#include <QImage>
#include <array>
#include <functional>

class QLineEdit;
class QTimer;
class aktivni_plocha;
class obrazkova_plocha;

// The set-up screen: the pupil chooses the number of sentences (hit areas 0..5, of which
// 4 and 5 never respond), the kind (6..9), whether the exercise opens with its help
// (10), types a name, and goes on to the exercise through the continue button or prints
// worksheets through the print button; both slide into view when the choices allow.
// Area 11 leads back to the main menu, which unloads this screen; the help area shows a
// full-screen help picture. Loaded afresh for every topic, so nothing chosen survives a
// return to the menu; hidden, not unloaded, while the exercise runs.
class frm_select : public obrazovka
{
    Q_OBJECT
public:
    explicit frm_select(spolecny_stav_t &sezeni, QWidget *rodic = nullptr);

    // Normal pointer, pending events, area 11 enabled again.
    void aktivace() override;
    // Puts the background under the back button's hover look back; every mark plain.
    void smaz_aktivni() override;

    // The slides of the two buttons; each returns at once when its button already is
    // where it is asked to go.
    void vytahni_pokracuj();
    void zatahni_pokracuj();
    void vytahni_tiskni();
    void zatahni_tiskni();

    bool vysunuto_pokracuj() const { return vysunuto_pokracuj_; }
    bool vysunuto_tiskni() const { return vysunuto_tiskni_; }
    // The busy flag: a button is sliding, and presses and name edits are ignored.
    bool zaneprazdnena() const;

    QLineEdit *jmeno_txt() const { return jmeno_txt_; }
    obrazkova_plocha *pokracuj_cmd() const { return pokracuj_cmd_; }
    obrazkova_plocha *tiskni_cmd() const { return tiskni_cmd_; }
    aktivni_plocha *help() const { return help_; }
    // The help picture when it is shown.
    obrazkova_plocha *zdroj() const { return zdroj_; }

    // What the print button does; by default the print run with the system's dialog.
    void nastav_tisk(std::function<void()> tisk) { tisk_ = std::move(tisk); }

private:
    void nacti_bitmapy();
    void priprav_plochy();
    void priprav_prvky();

    void stisk_plochy(int n);
    void zvol_pocet(int n);
    void zvol_druh(int n);
    void prepni_napovedu();
    void zpet_do_menu();
    void posun_tlacitka();
    void najeti_na_plochu(int n);
    void zmena_jmena();
    void klik_na_help();
    void klik_na_zdroj();
    void pokracuj_cmd_Click();
    void tiskni_cmd_Click();
    // The print run on the session's choices.
    void tiskni_ulohy();

    // One slide: the button rises out of its bottom edge or sinks into it, a row per
    // frame, while the screen is busy.
    void posun(obrazkova_plocha *tlacitko, bool &vysunuto, const QImage &lice, QPoint kde, bool ven);

    bool vysunuto_pokracuj_ = false;
    bool vysunuto_tiskni_ = false;

    QImage zpet_hover_;
    std::array<std::array<QImage, 2>, 4> cisla_;          // [area 0..3][normal, chosen]
    std::array<QImage, 6> sipky_poctu_;                   // areas 0..5
    std::array<std::array<QImage, 2>, 4> tlacitka_druhu_; // [area 6..9][not chosen, chosen]
    std::array<QImage, 4> sipky_druhu_;                   // areas 6..9
    std::array<QImage, 2> napoveda_;                      // off, on
    QImage lice_pokracuj_;
    QImage lice_tiskni_;

    QLineEdit *jmeno_txt_;
    obrazkova_plocha *pokracuj_cmd_;
    obrazkova_plocha *tiskni_cmd_;
    aktivni_plocha *help_;
    obrazkova_plocha *zdroj_;
    QTimer *casovac_animace_;

    qt_tiskovy_dialog_t dialog_;
    tisk_ulohy_t tisk_ulohy_{dialog_};
    std::function<void()> tisk_;
};
