#include "exercise/prehravac_vet.h"

#include "common/geometrie.h"
#include "exercise/diktovani.h"
#include "exercise/obrazky_cviceni.h"
#include "exercise/rozvrzeni.h"
#include "exercise/ukazatele_cviceni.h"
#include "shell/obrazovka.h"
#include "shell/plocha.h"

namespace g = geometrie::cviceni;

prehravac_vet::prehravac_vet(obrazovka &s, stranka_t &stranka, std::function<QString(int)> nahravka, int limit,
                             const obrazky_t &obrazky)
    : QObject(&s), obrazovka_(s), stranka_(stranka), nahravka_(std::move(nahravka)), limit_(limit), obrazky_(obrazky)
{
    auto *reproduktor = new aktivni_plocha(&s, QRect(QPoint(0, 0), g::repro));
    reproduktor->setCursor(ukazatel_prvku());
    repro_.nastav_sablonu(reproduktor);

    auto *pocitadlo = new QLabel(&s);
    pocitadlo->resize(g::pocitadlo);
    pocitadlo->setAttribute(Qt::WA_TransparentForMouseEvents);
    pocet_diktovani_.nastav_sablonu(pocitadlo);

    repro_.pri_vytvoreni([this](aktivni_plocha *reproduktor, int k) {
        connect(reproduktor, &aktivni_plocha::klik, this, [this, k] { prehraj(k); });
        connect(reproduktor, &aktivni_plocha::najeti, this, [this, k] {
            if (vypnout_repro(stranka_.souvisly_text, zbyva(k)))
                repro_[k]->setEnabled(false);
        });
    });
}

void prehravac_vet::vytvor(int k, const veta_stranky_t &veta)
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
}

void prehravac_vet::odstran()
{
    for (int k = std::max(repro_.pocet(), pocet_diktovani_.pocet()); k >= 1; --k) {
        repro_.odstran(k);
        pocet_diktovani_.odstran(k);
    }
}

void prehravac_vet::prehraj(int k)
{
    if (k < 1 || k > stranka_.vety.size())
        return;
    repro_t &reproduktor = stranka_.vety[k - 1].repro;
    const bool pocitat = stranka_.souvisly_text && limit_ != 100;
    const vysledek_diktovani_t v = diktuj(nahravka_(reproduktor.cislo_vety), reproduktor.zbyva_prehrani, pocitat);
    if (v.co != diktovani_t::prehrano)
        return;
    if (pocitat) {
        reproduktor.zbyva_prehrani = v.zbyva;
        const QString obrazek = obrazky_stranky::opakovani(v.zbyva);
        if (QLabel *p = pocitadlo(k); p && obrazky_.contains(obrazek))
            obrazovka_.vykresli_obrazek(obrazky_.value(obrazek), p->pos());
    }
    emit prehrano(k);
}

void prehravac_vet::vypni_dohrane()
{
    for (int k = 1; k <= repro_.pocet(); ++k)
        if (aktivni_plocha *reproduktor = repro_[k]; reproduktor && vypnout_repro(stranka_.souvisly_text, zbyva(k)))
            reproduktor->setEnabled(false);
}

void prehravac_vet::zakaz(bool i_pocitadla)
{
    for (int k = repro_.pocet(); k >= 1; --k) {
        if (aktivni_plocha *reproduktor = repro_[k])
            reproduktor->setEnabled(false);
        if (QLabel *p = pocitadlo(k); p && i_pocitadla)
            p->setEnabled(false);
    }
}

int prehravac_vet::zbyva(int k) const
{
    return k >= 1 && k <= stranka_.vety.size() ? stranka_.vety[k - 1].repro.zbyva_prehrani : 0;
}
