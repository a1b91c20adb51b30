#pragma once

#include "shell/obrazky.h"
#include "shell/obrazovka.h"

#include <QImage>
#include <array>

class aktivni_plocha;
class drzak_zvuku;
class obrazkova_plocha;
class zvukove_zarizeni;

// The main menu: five grade buttons (hit areas 0..4), the exit button (area 5), the
// topic buttons of the chosen grade, the credits area and the picture holder that shows
// the title picture at start and the credits picture on demand. It is created by
// start-up, lives for the whole run and holds the program's sound device.
class hl_menu : public obrazovka
{
    Q_OBJECT
public:
    explicit hl_menu(spolecny_stav_t &sezeni, QWidget *rodic = nullptr);

    // Start-up steps that load the screen's bitmaps; false when one cannot be read. The
    // background is checked here and read when the menu is first drawn: the first frame
    // shows only the title over it.
    bool nacti_pozadi();
    bool nacti_tlacitka();
    bool nacti_temata();
    // Start-up step: the six hit areas marked plain and disabled.
    void priprav_plochy();
    // Start-up's last step: the title picture over the whole menu.
    bool ukaz_titulek();

    // Normal pointer; while the title or credits picture is up, a wait of five seconds
    // that keeps serving clicks; then the six areas are enabled.
    void aktivace() override;

    // Clears the grade-area hover (the chosen grade keeps its hover look).
    void smaz_aktivni() override;
    // Gives every shown topic button its normal look and plain mark.
    void smaz_prave_aktivni();

    static constexpr int pocet_tlacitek_hover = 6; // five grades, then exit
    static constexpr int pocet_rocniku = 5;
    static constexpr int max_temat = 9;
    static constexpr int plocha_konce = 5;
    static constexpr int cekani_titulku_ms = 5000;

    // Whether the title or credits picture covers the menu.
    bool titulek_viditelny() const;
    // Index 0..4 of the grade whose topics are shown (0 before any choice).
    int zvoleny_rocnik() const { return zvoleny_rocnik_; }
    // Topic buttons shown: 9 for grade index 0, 6 for the others, 0 before any choice.
    int pocet_temat() const { return pocet_temat_; }
    // Topic button i (0..8); its property "rocnik" holds the grade index 1..5.
    obrazkova_plocha *tlacitko_tematu(int i) const { return temata_tlacitka_.at(i); }
    aktivni_plocha *autori() const { return autori_; }
    obrazkova_plocha *zdroj() const { return zdroj_; }

    const QImage &obrazek_tlacitka(int index, bool hover) const;
    const QImage &obrazek_tematu(int rocnik, int tema, bool hover) const;

    // The program's sound device, which this screen holds for the whole run.
    zvukove_zarizeni &zvuk();

private:
    void najeti_na_plochu(int n);
    void stisk_plochy(int n);
    void stisk_rocniku(int g);
    void stisk_konce();
    void rozloz_temata(int g);
    void najeti_na_tema(int i);
    void klik_na_tema(int i);
    void klik_na_zdroj();
    void klik_na_autory();

    std::array<odlozena_bitmapa, pocet_tlacitek_hover> tlacitka_hover_;
    std::array<odlozena_bitmapa, pocet_rocniku> tlacitka_normal_;
    // [grade 0..4][topic 0..8][normal, hover]
    std::array<std::array<std::array<odlozena_bitmapa, 2>, max_temat>, pocet_rocniku> temata_;

    int zvoleny_rocnik_ = 0;
    int pocet_temat_ = 0;
    std::array<obrazkova_plocha *, max_temat> temata_tlacitka_{}; // prava_klikaci
    aktivni_plocha *autori_;
    obrazkova_plocha *zdroj_; // title and credits picture
    drzak_zvuku *zvuk_zdroj_;
};
