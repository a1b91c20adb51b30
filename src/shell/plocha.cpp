#include "shell/plocha.h"

#include "shell/kresleni.h"

#include <QMouseEvent>
#include <QPainter>

aktivni_plocha::aktivni_plocha(QWidget *rodic, QRect kde) : QWidget(rodic)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    if (kde.isValid())
        setGeometry(kde);
}

void aktivni_plocha::mouseMoveEvent(QMouseEvent *udalost)
{
    const QPoint kde = udalost->position().toPoint();
    emit pohyb(udalost->buttons(), kde);
    if (udalost->buttons() == Qt::NoButton)
        emit najeti(kde);
}

void aktivni_plocha::mousePressEvent(QMouseEvent *udalost)
{
    if (udalost->button() == Qt::LeftButton)
        stisknuto_ = true;
    emit stisk(udalost->button(), udalost->position().toPoint());
}

void aktivni_plocha::mouseReleaseEvent(QMouseEvent *udalost)
{
    const QPoint kde = udalost->position().toPoint();
    const bool klik_zde = udalost->button() == Qt::LeftButton && stisknuto_ && rect().contains(kde);
    if (udalost->button() == Qt::LeftButton)
        stisknuto_ = false;
    emit uvolneni(udalost->button(), kde);
    if (klik_zde)
        emit klik();
}

void aktivni_plocha::paintEvent(QPaintEvent *) {}

obrazkova_plocha::obrazkova_plocha(QWidget *rodic, QRect kde) : aktivni_plocha(rodic, kde)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void obrazkova_plocha::nastav_obrazek(const QImage &obrazek)
{
    obrazek_ = obrazek;
    urci_pruhlednost();
    update();
}

void obrazkova_plocha::nastav_obrazek_s_velikosti(const QImage &obrazek)
{
    obrazek_ = obrazek;
    resize(logicka_velikost(obrazek));
    urci_pruhlednost();
    update();
}

void obrazkova_plocha::vymaz_obrazek()
{
    obrazek_ = QImage();
    urci_pruhlednost();
    update();
}

void obrazkova_plocha::resizeEvent(QResizeEvent *udalost)
{
    aktivni_plocha::resizeEvent(udalost);
    urci_pruhlednost();
}

void obrazkova_plocha::moveEvent(QMoveEvent *udalost)
{
    aktivni_plocha::moveEvent(udalost);
    urci_pruhlednost();
}

// A picture over the whole screen hides it, so the screen beneath need not be painted (half
// the work of the first frame). Smaller ones stay see-through: an opaque child whose edge
// falls between two window pixels at a fractional scale leaves a seam.
void obrazkova_plocha::urci_pruhlednost()
{
    const QWidget *rodic = parentWidget();
    const bool zakryva = rodic && geometry() == rodic->rect() && !obrazek_.isNull() &&
                         logicka_velikost(obrazek_).width() >= width() &&
                         logicka_velikost(obrazek_).height() >= height() && !obrazek_.hasAlphaChannel();
    setAttribute(Qt::WA_OpaquePaintEvent, zakryva);
}

void obrazkova_plocha::paintEvent(QPaintEvent *)
{
    if (obrazek_.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(0, 0, obrazek_);
}
