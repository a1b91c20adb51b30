#include "exercise/vstupy_cviceni.h"

#include "common/pismo.h"
#include "exercise/diktovani.h"
#include "exercise/mira_textu.h"
#include "exercise/rozvrzeni.h"
#include "exercise/ukazatele_cviceni.h"

namespace r = rozmery_prvku;

namespace
{

// Every gap box, choice label and choice list has this background.
const QColor barva_prvku(255, 236, 182);
const QColor cervena(255, 0, 0);

// Colours that stay when the element is disabled after checking: the answer must stay
// readable.
void nastav_barvy(QWidget *prvek, const QColor &pozadi, bool i_text = true)
{
    QPalette paleta = prvek->palette();
    for (const QPalette::ColorGroup skupina : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paleta.setColor(skupina, QPalette::Base, pozadi);
        paleta.setColor(skupina, QPalette::Window, pozadi);
        if (i_text) {
            paleta.setColor(skupina, QPalette::Text, Qt::black);
            paleta.setColor(skupina, QPalette::WindowText, Qt::black);
        }
    }
    prvek->setPalette(paleta);
}

const sirka_textu_t &sirka_textu()
{
    static const sirka_textu_t sirka = sirka_v_pismu_stranky();
    return sirka;
}

} // namespace

vstupy_cviceni::vstupy_cviceni(QWidget *obrazovka, druh_t druh, const stranka_t &stranka)
    : QObject(obrazovka), obrazovka_(obrazovka), druh_(druh), stranka_(stranka)
{
    priprav_sablony();
    priprav_rodiny();
}

void vstupy_cviceni::priprav_sablony()
{
    const QCursor ukazatel = ukazatel_prvku();

    auto *mezera = new box_mezery(obrazovka_);
    mezera->setGeometry(0, 0, r::vyska_prvku, r::vyska_prvku);
    nastav_barvy(mezera, barva_prvku);
    mezera->setCursor(ukazatel);
    dopln_box_.nastav_sablonu(mezera);

    auto *veta = new box_vety(obrazovka_);
    nastav_barvy(veta, veta->palette().color(QPalette::Active, QPalette::Base));
    veta->setCursor(ukazatel);
    dopln_box_viceradkovy_.nastav_sablonu(veta);

    auto *popisek = new popisek_vyberu(obrazovka_);
    nastav_barvy(popisek, barva_prvku);
    popisek->setText(QString());
    popisek->setCursor(ukazatel);
    vyber_txt_.nastav_sablonu(popisek);

    auto *seznam = new seznam_vyberu(obrazovka_);
    nastav_barvy(seznam, barva_prvku);
    seznam->setCursor(ukazatel);
    vyber_lst_.nastav_sablonu(seznam);
}

void vstupy_cviceni::priprav_rodiny()
{
    dopln_box_.pri_vytvoreni([this](box_mezery *box, int i) {
        connect(box, &box_mezery::enter, this, [this, i] { enter(i); });
        connect(box, &box_mezery::f5, this, [this, i] { emit prehraj(stranka_.veta_prvku(i)); });
        connect(box, &box_mezery::pohyb, this, &vstupy_cviceni::pohyb);
    });
    dopln_box_viceradkovy_.pri_vytvoreni([this](box_vety *box, int i) {
        box->viewport()->setCursor(ukazatel_prvku());
        connect(box, &box_vety::enter, this, [this, i] { enter(i); });
        connect(box, &box_vety::f5, this, [this, i] { emit prehraj(i); });
        connect(box, &box_vety::pohyb, this, &vstupy_cviceni::pohyb);
    });
    vyber_txt_.pri_vytvoreni([this](popisek_vyberu *popisek, int i) {
        connect(popisek, &popisek_vyberu::klik, this, [this, i] { klik_na_popisek(i); });
    });
    vyber_lst_.pri_vytvoreni([this](seznam_vyberu *seznam, int i) {
        seznam->viewport()->setCursor(ukazatel_prvku());
        connect(seznam, &seznam_vyberu::vybrano, this, [this, i](int radek) { vyber_polozku(i, radek); });
        connect(seznam, &seznam_vyberu::f5, this, [this, i] { emit prehraj(stranka_.veta_prvku(i)); });
    });
}

void vstupy_cviceni::vytvor()
{
    pocet_ = stranka_.pocet_prvku();
    for (int i = 1; i <= pocet_; ++i) {
        switch (druh_) {
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

void vstupy_cviceni::odstran()
{
    for (int i = pocet_; i >= 1; --i) {
        dopln_box_.odstran(i);
        vyber_lst_.odstran(i);
        vyber_txt_.odstran(i);
        dopln_box_viceradkovy_.odstran(i);
    }
    pocet_ = 0;
}

void vstupy_cviceni::prekresli()
{
    for (int i = pocet_; i >= 1; --i)
        if (QWidget *p = prvek(i))
            p->update();
}

QWidget *vstupy_cviceni::prvek(int i) const
{
    if (i < 1)
        return nullptr;
    switch (druh_) {
    case druh_t::vyberovka: return vyber_txt_[i];
    case druh_t::doplnovacka: return dopln_box_[i];
    case druh_t::diktat:
    case druh_t::oprava: return dopln_box_viceradkovy_[i];
    }
    return nullptr;
}

QStringList vstupy_cviceni::odpovedi() const
{
    QStringList vysledek;
    for (int i = 1; i <= stranka_.pocet_prvku(); ++i) {
        switch (druh_) {
        case druh_t::vyberovka: vysledek.append(vyber_txt_[i] ? vyber_txt_[i]->odpoved() : odpoved_bez_volby); break;
        case druh_t::doplnovacka: vysledek.append(dopln_box_[i] ? dopln_box_[i]->text() : QString()); break;
        case druh_t::diktat:
        case druh_t::oprava:
            vysledek.append(dopln_box_viceradkovy_[i] ? dopln_box_viceradkovy_[i]->toPlainText() : QString());
            break;
        }
    }
    return vysledek;
}

void vstupy_cviceni::enter(int i)
{
    if (QWidget *dalsi = druh_ == druh_t::vyberovka ? nullptr : prvek(i + 1 > pocet_ ? 1 : i + 1))
        dalsi->setFocus(Qt::OtherFocusReason);
}

void vstupy_cviceni::fokus_k_vete(int k)
{
    switch (druh_) {
    case druh_t::doplnovacka: {
        QStringList texty;
        for (int j = 1; j <= int(stranka_.dopln_box.size()); ++j)
            texty.append(dopln_box_[j] ? dopln_box_[j]->text() : QString());
        const auto j = mezera_k_diktatu(stranka_.dopln_box, texty, stranka_.vety[k - 1].repro.cislo_vety);
        if (j && dopln_box_[*j])
            dopln_box_[*j]->setFocus(Qt::OtherFocusReason);
        break;
    }
    case druh_t::diktat:
    case druh_t::oprava:
        if (box_vety *box = dopln_box_viceradkovy_[k])
            box->setFocus(Qt::OtherFocusReason);
        break;
    case druh_t::vyberovka: break;
    }
}

void vstupy_cviceni::klik_na_popisek(int i)
{
    seznam_vyberu *seznam = vyber_lst_[i];
    popisek_vyberu *popisek = vyber_txt_[i];
    if (!seznam || !popisek || i > stranka_.vyber_txt.size())
        return;
    if (seznam->isVisible()) {
        seznam->hide();
        return;
    }
    zavri_seznamy();
    const vyber_txt_t &model = stranka_.vyber_txt[i - 1];
    QList<int> sirky;
    for (const QString &polozka : model.vyber_lst)
        sirky.append(sirka_textu()(text_polozky_seznamu(polozka), model.body));
    seznam->setGeometry(umisti_seznam(popisek->geometry(), seznam->height(), sirky));
    seznam->show();
    seznam->raise();
}

void vstupy_cviceni::vyber_polozku(int i, int radek)
{
    seznam_vyberu *seznam = vyber_lst_[i];
    popisek_vyberu *popisek = vyber_txt_[i];
    if (!seznam || !popisek || radek < 0 || radek >= seznam->count())
        return;
    popisek->zvol(seznam->tvar(radek));
    seznam->hide();
}

void vstupy_cviceni::zavri_seznamy()
{
    for (int i = pocet_; i >= 1; --i)
        if (seznam_vyberu *seznam = vyber_lst_[i])
            seznam->hide();
}

void vstupy_cviceni::zamkni()
{
    // Taken away first: a box losing its focus would hand it to the next box still open.
    if (QWidget *fokus = obrazovka_->window()->focusWidget(); fokus && obrazovka_->isAncestorOf(fokus))
        fokus->clearFocus();
    for (int i = pocet_; i >= 1; --i) {
        if (box_mezery *box = dopln_box_[i])
            box->setReadOnly(true); // a disabled line edit would still draw its caret
        if (box_vety *box = dopln_box_viceradkovy_[i])
            box->zamkni();
        for (QWidget *p : {static_cast<QWidget *>(dopln_box_[i]), static_cast<QWidget *>(vyber_txt_[i]),
                           static_cast<QWidget *>(vyber_lst_[i])})
            if (p)
                p->setEnabled(false);
    }
}

void vstupy_cviceni::zacervenej(const QList<bool> &cervene)
{
    for (int i = 1; i <= int(cervene.size()); ++i)
        if (cervene[i - 1])
            if (QWidget *p = druh_ == druh_t::vyberovka ? static_cast<QWidget *>(vyber_txt_[i])
                                                        : static_cast<QWidget *>(dopln_box_[i]))
                nastav_barvy(p, cervena, false);
}

void vstupy_cviceni::uvolni_misto(const QRect &misto)
{
    for (int i = pocet_; i >= 1; --i)
        if (box_vety *box = dopln_box_viceradkovy_[i]; box && box->geometry().intersects(misto))
            box->resize(box->width(), misto.top() - box->y());
}
