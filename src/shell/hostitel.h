#pragma once

#include "shell/obrazovka.h"

#include <QGraphicsView>
#include <QPointer>
#include <functional>
#include <map>

class QGraphicsProxyWidget;

// The one top-level window. It holds the 640 × 480 stage on which the screens live and
// scales it uniformly to fill the window (full screen: letterboxed, aspect kept). It
// loads screens through factories that start-up registers, shows the next screen before
// it hides or unloads the current one, and calls the new screen's activation. It owns the
// session and hands it to every screen it creates.
class hostitel : public QGraphicsView
{
    Q_OBJECT
public:
    enum class potom_t { nic, skryj, uvolni };
    using tovarna_t = std::function<obrazovka *(spolecny_stav_t &sezeni, QWidget *platno)>;

    explicit hostitel(QWidget *rodic = nullptr);
    ~hostitel() override;

    static hostitel *instance();

    void zaregistruj(obrazovka_id id, tovarna_t tovarna);
    // The factory that makes a T from the session and the stage.
    template <class T> void zaregistruj(obrazovka_id id)
    {
        zaregistruj(id, [](spolecny_stav_t &sezeni, QWidget *platno) { return new T(sezeni, platno); });
    }
    // The loaded screen, or nullptr.
    obrazovka *najdi(obrazovka_id id) const;
    // Loads the screen when it is not loaded.
    obrazovka *nacti(obrazovka_id id);
    // Shows the screen (loading it when needed), then hides or unloads the current one;
    // the new screen's activation (obrazovka::aktivuj: the normal pointer back, then the
    // screen's own aktivace) runs once events have been handled. nullptr when the screen
    // has no factory.
    obrazovka *ukaz(obrazovka_id id, potom_t potom = potom_t::skryj);
    void uvolni(obrazovka_id id);
    obrazovka *aktualni() const { return aktualni_; }
    obrazovka_id aktualni_id() const { return aktualni_id_; }

    spolecny_stav_t &sezeni() { return sezeni_; }

    // How many window pixels one stage pixel takes (1 in a 640 × 480 window).
    qreal meritko() const { return transform().m11(); }

protected:
    void closeEvent(QCloseEvent *udalost) override;
    void resizeEvent(QResizeEvent *udalost) override;

private:
    void prizpusob_meritko();
    // The stage the screens are children of, put into the scene with the first screen.
    QWidget *platno();

    spolecny_stav_t sezeni_;
    QGraphicsScene *scena_;
    QWidget *platno_ = nullptr;
    std::map<obrazovka_id, tovarna_t> tovarny_;
    std::map<obrazovka_id, QPointer<obrazovka>> nactene_;
    QPointer<obrazovka> aktualni_;
    obrazovka_id aktualni_id_ = obrazovka_id::hl_menu;
};
