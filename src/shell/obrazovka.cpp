#include "shell/obrazovka.h"

#include "common/geometrie.h"

#include <QPainter>
#include <QPaintEvent>

obrazovka::obrazovka(QWidget *rodic)
    : QWidget(rodic), obraz_(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky, QImage::Format_RGB32)
{
    obraz_.fill(Qt::black);
    setFixedSize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QStringLiteral("Ortanel - Verbano 2"));
}

void obrazovka::nastav_obraz(const QImage &obrazek)
{
    QImage novy(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky, QImage::Format_RGB32);
    novy.fill(Qt::black);
    QPainter p(&novy);
    p.drawImage(0, 0, obrazek);
    p.end();
    obraz_ = novy;
    update();
}

void obrazovka::vykresli_obrazek(const QImage &obrazek, QPoint kde)
{
    QPainter p(&obraz_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(kde, obrazek);
    p.end();
    update(QRect(kde, obrazek.size()));
}

void obrazovka::paintEvent(QPaintEvent *udalost)
{
    QPainter p(this);
    p.drawImage(udalost->rect(), obraz_, udalost->rect());
}
