#include "shell/hl_menu.h"

#include "common/katalog.h"
#include "shell/obrazky.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <optional>

hl_menu::hl_menu(QWidget *rodic) : obrazovka(rodic)
{
    zdroj_ = new QLabel(this);
    zdroj_->setGeometry(0, 0, 0, 0);
    zdroj_->hide();
    zdroj_->installEventFilter(this);
}

bool hl_menu::nacti_pozadi()
{
    const auto pozadi = nacti_bitmapu(QStringLiteral("GRAFIKA/SELECT/BCKG.BMP"));
    if (!pozadi)
        return false;
    nastav_obraz(*pozadi);
    return true;
}

bool hl_menu::nacti_tlacitka()
{
    for (int i = 0; i < pocet_tlacitek_hover; ++i) {
        const QString jmeno = i < pocet_rocniku ? QStringLiteral("GRAFIKA/SELECT/L_%1_1.BMP").arg(i + 1)
                                                : QStringLiteral("GRAFIKA/SELECT/MKONEH.BMP");
        const auto obrazek = nacti_bitmapu(jmeno);
        if (!obrazek)
            return false;
        tlacitka_hover_[i] = *obrazek;
    }
    for (int i = 0; i < pocet_rocniku; ++i) {
        const auto obrazek = nacti_bitmapu(QStringLiteral("GRAFIKA/SELECT/L_%1_0.BMP").arg(i + 1));
        if (!obrazek)
            return false;
        tlacitka_normal_[i] = *obrazek;
    }
    return true;
}

bool hl_menu::nacti_temata()
{
    for (int r = 1; r <= pocet_rocniku; ++r) {
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
            for (int hover = 0; hover < 2; ++hover) {
                const auto obrazek = nacti_bitmapu(QStringLiteral("GRAFIKA/SELECT/R_%1%2_%3.BMP").arg(r).arg(t).arg(hover));
                if (!obrazek)
                    return false;
                temata_[r - 1][t - 1][hover] = *obrazek;
            }
        }
    }
    return true;
}

void hl_menu::priprav_plochy() {}

bool hl_menu::ukaz_titulek()
{
    const auto titulek = nacti_bitmapu(QStringLiteral("GRAFIKA/TITLE.BMP"));
    if (!titulek)
        return false;
    zdroj_->setPixmap(QPixmap::fromImage(*titulek));
    zdroj_->setGeometry(0, 0, titulek->width(), titulek->height());
    zdroj_->show();
    zdroj_->raise();
    return true;
}

void hl_menu::aktivace() { QApplication::restoreOverrideCursor(); }

bool hl_menu::titulek_viditelny() const { return zdroj_->isVisible(); }

const QImage &hl_menu::obrazek_tlacitka(int index, bool hover) const
{
    return hover ? tlacitka_hover_.at(index) : tlacitka_normal_.at(index);
}

const QImage &hl_menu::obrazek_tematu(int rocnik, int tema, bool hover) const
{
    return temata_.at(rocnik - 1).at(tema - 1).at(hover ? 1 : 0);
}

void hl_menu::schovej_zdroj() { zdroj_->hide(); }

bool hl_menu::eventFilter(QObject *objekt, QEvent *udalost)
{
    if (objekt == zdroj_ && udalost->type() == QEvent::MouseButtonRelease) {
        schovej_zdroj();
        return true;
    }
    return obrazovka::eventFilter(objekt, udalost);
}
