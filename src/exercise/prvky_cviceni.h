#pragma once

#include "exercise/bublina.h"
#include "exercise/viceradkovy_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <optional>

// The input elements of the exercise page. They only report what the pupil does; the
// screen decides what follows. In both text boxes Enter never types anything (it moves
// the focus on), character 29 is dropped, F5 asks for the sentence's recording, and the
// key to the right of L puts typographic quotes with Shift or Ctrl (uvozovky.h) when it
// is released, by the Shift and Ctrl held when it was pressed: a hand that lets go of
// Shift first still gets its “.

// The elements paint their own background and never count as opaque, so that the screen
// is painted beneath them too: the host scales the stage, and an opaque element's edge
// falling between two window pixels would otherwise blend with nothing.

// Gap box dopln_box(i): a frameless line edit whose text stands exactly where the page's
// text would stand, as wide as the layout made it.
class box_mezery : public QLineEdit
{
    Q_OBJECT
public:
    explicit box_mezery(QWidget *rodic = nullptr);

    // The page font at that size; call after the box has its height.
    void nastav_pismo(int body);

signals:
    void enter();
    void f5();
    void pohyb();

protected:
    void keyPressEvent(QKeyEvent *udalost) override;
    void keyReleaseEvent(QKeyEvent *udalost) override;
    void mouseMoveEvent(QMouseEvent *udalost) override;

private:
    std::optional<Qt::KeyboardModifiers> modifikatory_uvozovky_;
};

// Sentence box dopln_box_viceradkovy(i) of dictations and corrections: wraps exactly as
// the layout counted its lines, on the sentence box's own white; lines typed beyond them
// are reached with a scroll bar. Pasted line breaks become spaces.
class box_vety : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit box_vety(QWidget *rodic = nullptr);

    void nastav_format(const format_viceradkoveho_boxu_t &format);
    // After checking: no typing, no caret, no focus, but the pupil still scrolls through
    // what he or she wrote.
    void zamkni();

signals:
    void enter();
    void f5();
    void pohyb();

protected:
    void keyPressEvent(QKeyEvent *udalost) override;
    void keyReleaseEvent(QKeyEvent *udalost) override;
    void mouseMoveEvent(QMouseEvent *udalost) override;
    void insertFromMimeData(const QMimeData *zdroj) override;

private:
    std::optional<Qt::KeyboardModifiers> modifikatory_uvozovky_;
};

// Choice label vyber_txt(i): shows the chosen form on its background colour (the
// palette's Window), or before the first choice a grey placeholder; a click opens or
// closes its list.
class popisek_vyberu : public QLabel
{
    Q_OBJECT
public:
    explicit popisek_vyberu(QWidget *rodic = nullptr);

    void zvol(const QString &tvar);
    // The chosen form, or odpoved_bez_volby before the first choice.
    QString odpoved() const;

signals:
    void klik();

protected:
    void paintEvent(QPaintEvent *udalost) override;
    void mousePressEvent(QMouseEvent *udalost) override;
    void mouseReleaseEvent(QMouseEvent *udalost) override;

private:
    bool stisknuto_ = false;
    std::optional<QString> volba_;
};

// Choice list vyber_lst(i): the entry under the pointer is highlighted while no button is
// held, and a release over an entry takes it. Keys do nothing but F5.
class seznam_vyberu : public QListWidget
{
    Q_OBJECT
public:
    explicit seznam_vyberu(QWidget *rodic = nullptr);

    // The forms, each a row of the list's height / entries, in the page font, shown as
    // text_polozky_seznamu names them.
    void nastav_polozky(const QStringList &polozky, int body, int vyska);
    // The row under the height y of the list, if it names an entry.
    std::optional<int> radek(double y) const;
    QString tvar(int radek) const;

signals:
    void vybrano(int radek);
    void f5();

protected:
    void paintEvent(QPaintEvent *udalost) override;
    void mouseMoveEvent(QMouseEvent *udalost) override;
    void mousePressEvent(QMouseEvent *udalost) override;
    void mouseReleaseEvent(QMouseEvent *udalost) override;
    void mouseDoubleClickEvent(QMouseEvent *udalost) override;
    void keyPressEvent(QKeyEvent *udalost) override;
    void keyReleaseEvent(QKeyEvent *udalost) override;
    void wheelEvent(QWheelEvent *udalost) override;
};

// spravny_vysledek_lbl: the correct text inside the bubble, wrapped and spaced as
// rozvrhni_bublinu laid it out.
class popisek_bubliny : public QLabel
{
    Q_OBJECT
public:
    explicit popisek_bubliny(QWidget *rodic = nullptr);

    void nastav(const QString &text, const bublina_t &rozvrh);
    const bublina_t &rozvrh() const { return rozvrh_; }

protected:
    void paintEvent(QPaintEvent *udalost) override;

private:
    bublina_t rozvrh_;
};
