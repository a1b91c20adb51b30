#include "shell/obrazovka.h"

#include "common/geometrie.h"
#include "shell/kresleni.h"
#include "shell/obrazky.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"
#include "shell/zvuk.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

obrazovka::obrazovka(spolecny_stav_t &sezeni, QWidget *rodic) : QWidget(rodic), sezeni_(sezeni)
{
    setFixedSize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setWindowTitle(QStringLiteral("Ortanel - Verbano 2"));
}

namespace
{
// The stage at the chosen set's pixel ratio: what is drawn into it at run time (sentences,
// names, counters) is as sharp as the pictures.
QImage prazdny_obraz()
{
    return obraz_v_pomeru(QSize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky), sada_obrazku(), Qt::black);
}
// The picture as the persistent image: one of the screen's size is taken as it is (shared
// until first drawn on), any other drawn onto a black stage.
QImage jako_obraz(const QImage &obrazek)
{
    if (logicka_velikost(obrazek) == QSize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky) &&
        obrazek.format() == QImage::Format_RGB32 && obrazek.devicePixelRatio() == sada_obrazku())
        return obrazek;
    QImage novy = prazdny_obraz();
    QPainter p(&novy);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(0, 0, obrazek);
    return novy;
}
} // namespace

// Black until the screen loads its background; made only when something asks for it before
// then, since every screen replaces it at once.
QImage &obrazovka::pripraveny_obraz() const
{
    if (!obraz_.isNull())
        return obraz_;
    if (nacti_obraz_) {
        const auto obrazek = std::exchange(nacti_obraz_, nullptr)();
        if (!obrazek)
            chyba_behu();
        obraz_ = jako_obraz(*obrazek);
    } else {
        obraz_ = prazdny_obraz();
    }
    return obraz_;
}

void obrazovka::nastav_obraz_pozdeji(std::function<std::optional<QImage>()> nacti)
{
    obraz_ = QImage();
    nacti_obraz_ = std::move(nacti);
    update();
}

void obrazovka::aktivuj()
{
    obnov_ukazatel();
    aktivace();
}

void obrazovka::nastav_obraz(const QImage &obrazek)
{
    nacti_obraz_ = nullptr;
    obraz_ = jako_obraz(obrazek);
    update();
}

void obrazovka::vykresli_obrazek(const QImage &obrazek, QPoint kde)
{
    if (obrazek.isNull())
        return;
    QPainter p(&pripraveny_obraz());
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(kde, obrazek);
    p.end();
    update(QRect(kde, logicka_velikost(obrazek)));
}

void obrazovka::uloz_zalohu(const QRect &kde)
{
    zaloha_ = vyrez_obrazu(pripraveny_obraz(), kde);
    zaloha_kde_ = kde.topLeft();
}

void obrazovka::nastav_zalohu(const QImage &obrazek, QPoint kde)
{
    zaloha_ = obrazek;
    zaloha_kde_ = kde;
}

void obrazovka::obnov_zalohu() { vykresli_obrazek(zaloha_, zaloha_kde_); }

void obrazovka::vymaz_zalohu() { zaloha_ = QImage(); }

aktivni_plocha *obrazovka::pridej_plochu(const QRect &kde)
{
    auto *p = new aktivni_plocha(this, kde);
    p->show();
    plochy_.append(p);
    return p;
}

aktivni_plocha *obrazovka::plocha(int index) const { return plochy_.value(index); }

void obrazovka::povol_plochy(bool ano)
{
    for (aktivni_plocha *p : plochy_)
        p->setEnabled(ano);
}

bool obrazovka::nektera_plocha_zvyraznena() const
{
    return std::any_of(plochy_.begin(), plochy_.end(), [](const aktivni_plocha *p) { return p->zvyraznena(); });
}

void obrazovka::zrus_zvyrazneni_ploch()
{
    for (aktivni_plocha *p : plochy_)
        p->nastav_zvyrazneni(false);
}

void obrazovka::zvyrazni_plochu(int index, const QImage &hover, QPoint kde)
{
    if (aktivni_plocha *p = plocha(index))
        p->nastav_zvyrazneni(true);
    uloz_zalohu(QRect(kde, hover.size()));
    vykresli_obrazek(hover, kde);
}

void obrazovka::smaz_aktivni()
{
    if (!nektera_plocha_zvyraznena())
        return;
    obnov_zalohu();
    zrus_zvyrazneni_ploch();
}

bool obrazovka::je_aktivni() const
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    return aktualni_ && isVisible();
}

std::optional<QImage> obrazovka::nacti_bitmapu(const QString &relativni) const
{
    return ::nacti_bitmapu(sezeni_.adresar_media, relativni);
}

QImage obrazovka::bitmapa(const QString &relativni) const { return ::bitmapa(sezeni_.adresar_media, relativni); }

void obrazovka::zvuk_kliku() const { prehraj_zvuk(sezeni_.soubor_media(QStringLiteral("ZVUK/CLICK.WAV"))); }

void obrazovka::zvuk_najeti() const
{
    if (!zvuk_zdroj().hraje())
        prehraj_zvuk(sezeni_.soubor_media(QStringLiteral("ZVUK/ENTER.WAV")));
}

void obrazovka::paintEvent(QPaintEvent *udalost)
{
    const QImage &obraz = pripraveny_obraz();
    const qreal pomer = obraz.devicePixelRatio();
    const QRectF kde(udalost->rect());
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(kde, obraz, QRectF(kde.topLeft() * pomer, kde.size() * pomer));
}

void obrazovka::mouseMoveEvent(QMouseEvent *udalost)
{
    pohyb_po_pozadi(udalost->buttons(), udalost->position().toPoint());
}

void obrazovka::pohyb_po_pozadi(Qt::MouseButtons, QPoint) { smaz_aktivni(); }
