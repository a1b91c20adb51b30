#include "shell/plocha.h"

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
    update();
}

void obrazkova_plocha::nastav_obrazek_s_velikosti(const QImage &obrazek)
{
    obrazek_ = obrazek;
    resize(obrazek.size());
    update();
}

void obrazkova_plocha::vymaz_obrazek()
{
    obrazek_ = QImage();
    update();
}

void obrazkova_plocha::paintEvent(QPaintEvent *)
{
    if (obrazek_.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, obrazek_);
}
