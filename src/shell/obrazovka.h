#pragma once

#include <QImage>
#include <QWidget>

enum class obrazovka_id { hl_menu, frm_select, main_frm, frm_tabulka };

// A 640 × 480 screen: a persistent image painted on every repaint, with the screen's
// child widgets above it. The host shows one screen at a time.
class obrazovka : public QWidget {
    Q_OBJECT
public:
    explicit obrazovka(QWidget *rodic = nullptr);

    // Runs each time the screen becomes the current one.
    virtual void aktivace() {}

    QImage &obraz() { return obraz_; }
    const QImage &obraz() const { return obraz_; }
    // Replaces the whole persistent image.
    void nastav_obraz(const QImage &obrazek);
    // A plain copy of the picture at (x, y) into the persistent image and onto the window.
    void vykresli_obrazek(const QImage &obrazek, QPoint kde);

protected:
    void paintEvent(QPaintEvent *udalost) override;

private:
    QImage obraz_;
};
