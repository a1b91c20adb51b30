#pragma once

#include <QImage>
#include <QWidget>

// A hit area: an invisible, borderless rectangle laid over a screen's background bitmap.
// It carries a highlight mark (the screens' "0" / "1": plain / highlighted) and, as every
// widget, an enabled state: a disabled area takes no input, and the pointer's movements
// over it reach the screen beneath as movements over the background.
//
// Signals follow the mouse as a media control's picture box reports it:
//   pohyb     every movement over the area (the buttons held are passed along);
//   najeti    a movement over the area with no button held: the hover handlers' event;
//   stisk     a button pressed on the area;
//   uvolneni  that button released (wherever the pointer is then);
//   klik      the left button pressed and released on the area.
// Positions are in the area's own coordinates.
class aktivni_plocha : public QWidget
{
    Q_OBJECT
public:
    explicit aktivni_plocha(QWidget *rodic = nullptr, QRect kde = {});

    bool zvyraznena() const { return zvyraznena_; }
    void nastav_zvyrazneni(bool ano) { zvyraznena_ = ano; }

signals:
    void pohyb(Qt::MouseButtons tlacitka, QPoint kde);
    void najeti(QPoint kde);
    void stisk(Qt::MouseButton tlacitko, QPoint kde);
    void uvolneni(Qt::MouseButton tlacitko, QPoint kde);
    void klik();

protected:
    void mouseMoveEvent(QMouseEvent *udalost) override;
    void mousePressEvent(QMouseEvent *udalost) override;
    void mouseReleaseEvent(QMouseEvent *udalost) override;
    void paintEvent(QPaintEvent *udalost) override;

private:
    bool zvyraznena_ = false;
    bool stisknuto_ = false;
};

// A hit area that shows a picture at its top left corner (a picture box): topic buttons,
// a title or help picture laid over a whole screen. With no picture it is invisible.
class obrazkova_plocha : public aktivni_plocha
{
    Q_OBJECT
public:
    explicit obrazkova_plocha(QWidget *rodic = nullptr, QRect kde = {});

    const QImage &obrazek() const { return obrazek_; }
    // Shows the picture; the area keeps its size.
    void nastav_obrazek(const QImage &obrazek);
    // Shows the picture and takes its size.
    void nastav_obrazek_s_velikosti(const QImage &obrazek);
    void vymaz_obrazek();

protected:
    void paintEvent(QPaintEvent *udalost) override;
    void resizeEvent(QResizeEvent *udalost) override;
    void moveEvent(QMoveEvent *udalost) override;

private:
    void urci_pruhlednost();

    QImage obrazek_;
};
