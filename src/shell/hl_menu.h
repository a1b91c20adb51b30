#pragma once

#include "shell/obrazovka.h"

#include <QImage>
#include <array>

class QLabel;

// The main menu: five grade buttons, the topics of the chosen grade, credits and exit.
// It is created by start-up, lives for the whole run, and at first lies under the title
// picture.
class hl_menu : public obrazovka {
    Q_OBJECT
public:
    explicit hl_menu(QWidget *rodic = nullptr);

    // Start-up steps that load the screen's bitmaps; false when one cannot be read.
    bool nacti_pozadi();
    bool nacti_tlacitka();
    bool nacti_temata();
    // Start-up step: the six hit areas marked plain and disabled.
    void priprav_plochy();
    // Start-up's last step: the title picture over the whole menu.
    bool ukaz_titulek();

    void aktivace() override;

    bool titulek_viditelny() const;

    static constexpr int pocet_tlacitek_hover = 6; // five grades, then exit
    static constexpr int pocet_rocniku = 5;
    static constexpr int max_temat = 9;

    const QImage &obrazek_tlacitka(int index, bool hover) const;
    const QImage &obrazek_tematu(int rocnik, int tema, bool hover) const;

protected:
    bool eventFilter(QObject *objekt, QEvent *udalost) override;

private:
    void schovej_zdroj();

    std::array<QImage, pocet_tlacitek_hover> tlacitka_hover_;
    std::array<QImage, pocet_rocniku> tlacitka_normal_;
    // [grade 0..4][topic 0..8][normal, hover]
    std::array<std::array<std::array<QImage, 2>, max_temat>, pocet_rocniku> temata_;
    QLabel *zdroj_; // title and credits picture
};
