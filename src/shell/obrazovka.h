#pragma once

#include "common/stav.h"

#include <QImage>
#include <QList>
#include <QWidget>
#include <functional>
#include <optional>

class aktivni_plocha;

enum class obrazovka_id { hl_menu, frm_select, main_frm, frm_tabulka };

// The base of the four screens: a 640 × 480 widget on the host's stage that paints its
// persistent image on every repaint, with the screen's child widgets above it.
//
// What the screens share:
// - the session (common/stav.h), handed over by whoever creates the screen: the values
//   one screen sets and the next reads, and the installation's folders;
// - the persistent image and `vykresli_obrazek`, the plain copy of a bitmap into it and
//   onto the window;
// - the hidden holder `zaloha_pozadi`: the piece of the screen under a hover picture,
//   saved before the picture is drawn and put back by `smaz_aktivni`;
// - the screen's hit areas (`akt_plocha` / `klik_plocha`), numbered from 0 in the order
//   they are added, with their highlight marks and enabled states;
// - the hover and click sounds, and the test whether the screen is the active one;
// - activation: the host calls `aktivuj` each time the screen becomes current, which
//   gives the pointer its normal shape back (the hourglass of the click that changed the
//   screen ends here) and runs the screen's own `aktivace`.
//
// Element families (gap boxes, speakers, table rows, …) are in shell/rodina.h; the
// drawing routines with a transparent colour in shell/kresleni.h; the wait that keeps
// events flowing in shell/cekej.h; the sound device in shell/zvuk.h.
class obrazovka : public QWidget
{
    Q_OBJECT
public:
    explicit obrazovka(spolecny_stav_t &sezeni, QWidget *rodic = nullptr);

    spolecny_stav_t &sezeni() const { return sezeni_; }

    // Called by the host when the screen becomes current.
    void aktivuj();
    // The screen's own activation steps.
    virtual void aktivace() {}

    // ---- persistent image ----
    QImage &obraz() { return pripraveny_obraz(); }
    const QImage &obraz() const { return pripraveny_obraz(); }
    // Replaces the whole persistent image.
    void nastav_obraz(const QImage &obrazek);
    // The same, with the picture read only when the image is first needed (drawn, or drawn
    // on): what a picture over the whole screen hides need not delay the first frame. A
    // picture that cannot be read then stops the program as any unreadable picture does.
    void nastav_obraz_pozdeji(std::function<std::optional<QImage>()> nacti);
    // A plain copy of the picture at (x, y) into the persistent image and onto the window.
    void vykresli_obrazek(const QImage &obrazek, QPoint kde);
    // Repaints the rectangle of the window from the persistent image (after drawing into
    // obraz() directly).
    void obnov_okno(const QRect &kde) { update(kde); }

    // ---- zaloha_pozadi ----
    // Saves the piece of the persistent image in the rectangle.
    void uloz_zalohu(const QRect &kde);
    // Puts another picture into the holder, to be drawn at (x, y) when it is put back.
    void nastav_zalohu(const QImage &obrazek, QPoint kde);
    // Draws the saved piece back where it was taken; nothing when the holder is empty.
    void obnov_zalohu();
    void vymaz_zalohu();

    // ---- hit areas ----
    // Adds the next hit area (index = the number added before), plain and enabled.
    aktivni_plocha *pridej_plochu(const QRect &kde);
    aktivni_plocha *plocha(int index) const;
    int pocet_ploch() const { return int(plochy_.size()); }
    void povol_plochy(bool ano);
    bool nektera_plocha_zvyraznena() const;
    void zrus_zvyrazneni_ploch();
    // Marks area index, saves the screen under the hover picture at (x, y) and draws
    // the picture there; the caller first clears the old highlight and plays the sound.
    void zvyrazni_plochu(int index, const QImage &hover, QPoint kde);
    // Clears the hover state: when an area is highlighted, the saved background goes
    // back and every mark turns plain. Screens with other rules override it.
    virtual void smaz_aktivni();

    // Whether the screen is the one the pupil works with: the host's current screen with
    // no message or popup in front of it.
    bool je_aktivni() const;
    // The host marks the screen it shows as current and every other one as not.
    void nastav_aktualni(bool aktualni) { aktualni_ = aktualni; }

    // ---- the media folder ----
    // A bitmap by its relative name ("GRAFIKA/SELECT/BCKG.BMP"); empty optional when it
    // cannot be read.
    std::optional<QImage> nacti_bitmapu(const QString &relativni) const;
    // The same for a bitmap the screen cannot go on without (the program ends without it).
    QImage bitmapa(const QString &relativni) const;
    // "ZVUK/CLICK.WAV": every press.
    void zvuk_kliku() const;
    // "ZVUK/ENTER.WAV" when the sound device is not playing: entering a plain area.
    void zvuk_najeti() const;

protected:
    void paintEvent(QPaintEvent *udalost) override;
    void mouseMoveEvent(QMouseEvent *udalost) override;
    // The pointer moved over the bare background (no hit area or element under it).
    // By default: smaz_aktivni.
    virtual void pohyb_po_pozadi(Qt::MouseButtons tlacitka, QPoint kde);

private:
    QImage &pripraveny_obraz() const;

    spolecny_stav_t &sezeni_;
    mutable QImage obraz_;
    mutable std::function<std::optional<QImage>()> nacti_obraz_;
    QImage zaloha_;
    QPoint zaloha_kde_;
    QList<aktivni_plocha *> plochy_;
    bool aktualni_ = true;
};
