#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;
class hostitel;
class obrazovka;

// The screenshot tour: the real screens on an installation, driven offscreen with the
// pupil's simulated mouse and keyboard, one photograph of the host window per state,
// written as NN_name.png in the order taken.
//
// The states come from the zastavky_*.cpp files of this folder; each holds one
// `cast_prohlidky` for its screen: the screen factories it needs and its stops, which
// start where the previous part's last stop left the program. A stop's steps run
// synchronously; they call pockej() where the screen needs events to run (a slide, an
// activation), so that nothing else waits behind the photograph.
class prohlidka {
public:
    prohlidka(hostitel &okno, QString slozka);

    // One state: the steps bring the program there, then the window is photographed.
    void zastavka(const QString &nazev, const std::function<void()> &kroky);

    // The pupil's input on the current screen, in pixels of the 640 × 480 stage.
    void najed(QPoint kde);
    void klikni(QPoint kde);
    void stiskni(QPoint kde);
    void uvolni(QPoint kde);
    void pis(QWidget *kam, const QString &text);
    // Lets events run for the time (activations, slides, repaints).
    void pockej(int ms);

    hostitel &okno() const { return okno_; }
    obrazovka *aktualni() const;

    const QStringList &soubory() const { return soubory_; }
    const QStringList &chyby() const { return chyby_; }

private:
    hostitel &okno_;
    QString slozka_;
    QStringList soubory_;
    QStringList chyby_;
};

// One screen's part of the tour; a file-scope object in a zastavky_*.cpp file:
//
//     const cast_prohlidky cast(20,
//         [](hostitel &o) { o.zaregistruj(obrazovka_id::frm_select, ...); },
//         [](prohlidka &p) { p.zastavka(QStringLiteral("nastaveni"), [&] { ... }); });
//
// Parts run by their order number (main menu 10, set-up 20, exercise 30, results 40).
struct cast_prohlidky {
    using obrazovky_t = std::function<void(hostitel &)>;
    using zastavky_t = std::function<void(prohlidka &)>;

    cast_prohlidky(int poradi, obrazovky_t obrazovky, zastavky_t zastavky);

    int poradi;
    obrazovky_t obrazovky;
    zastavky_t zastavky;

    // Every part, by order number.
    static std::vector<const cast_prohlidky *> vsechny();
};
