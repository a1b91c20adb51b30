#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QImage;
class QWidget;
class hostitel;
class obrazovka;

// The screenshot tour: the real screens on an installation, driven offscreen with the
// pupil's simulated mouse and keyboard, one photograph of the host window per state,
// written as NN_name.png in the order taken, and an index page (index.html) that shows
// them all with their captions, part by part.
//
// The states come from the zastavky_*.cpp files of this folder; each holds one
// `cast_prohlidky` for its screen: the screen factories it needs and its stops, which
// start where the previous part's last stop left the program. A stop's steps run
// synchronously; they call pockej() where the screen needs events to run (a slide, an
// activation), so that nothing else waits behind the photograph.
class prohlidka
{
public:
    prohlidka(hostitel &okno, QString slozka);

    // One state: the steps bring the program there, then the window is photographed.
    void zastavka(const QString &nazev, const std::function<void()> &kroky);
    // The same with the caption the index shows under the photograph.
    void zastavka(const QString &nazev, const QString &popisek, const std::function<void()> &kroky);
    // A state with a modal dialog (a question, the print dialog) over the window: the steps
    // open it; the window is photographed with the dialog over it, and the dialog is then
    // cancelled (No for a question).
    void zastavka_s_dialogem(const QString &nazev, const QString &popisek, const std::function<void()> &kroky);
    // A picture made outside the window (a printed worksheet).
    void pridej_obrazek(const QString &nazev, const QString &popisek, const QImage &obrazek);
    // The heading of the index's next part.
    void oddil(const QString &nadpis);
    // index.html in the folder: every picture with its caption; false when it cannot be written.
    bool zapis_index() const;

    // The pupil's input on the current screen, in pixels of the 640 × 480 stage.
    void najed(QPoint kde);
    void klikni(QPoint kde);
    void stiskni(QPoint kde);
    void uvolni(QPoint kde);
    void pis(QWidget *kam, const QString &text);
    // Lets events run for the time (activations, slides, repaints).
    void pockej(int ms);

    hostitel &okno() const { return okno_; }
    // The folder the pictures go to.
    const QString &slozka() const { return slozka_; }
    // A state that could not be reached; the tour ends as failed.
    void chyba(const QString &text) { chyby_.append(text); }
    obrazovka *aktualni() const;

    const QStringList &soubory() const { return soubory_; }
    const QStringList &chyby() const { return chyby_; }

private:
    struct obrazek_t {
        QString soubor, popisek, oddil;
    };
    void uloz(const QString &nazev, const QString &popisek, const QImage &snimek);

    hostitel &okno_;
    QString slozka_;
    QStringList soubory_;
    QStringList chyby_;
    QList<obrazek_t> obrazky_;
    QString oddil_;
};

// One screen's part of the tour; a file-scope object in a zastavky_*.cpp file:
//
//     const cast_prohlidky cast(20,
//         [](hostitel &o) { o.zaregistruj(obrazovka_id::frm_select, ...); },
//         [](prohlidka &p) { p.zastavka(QStringLiteral("nastaveni"), QStringLiteral("…"), [&] { ... }); },
//         QStringLiteral("Set-up screen"));
//
// Parts run by their order number (main menu 10, set-up 20, exercise 30, results 40, more
// states 50, worksheets 60); the heading names the part in the index.
struct cast_prohlidky {
    using obrazovky_t = std::function<void(hostitel &)>;
    using zastavky_t = std::function<void(prohlidka &)>;

    cast_prohlidky(int poradi, obrazovky_t obrazovky, zastavky_t zastavky, QString nadpis = {});

    int poradi;
    obrazovky_t obrazovky;
    zastavky_t zastavky;
    QString nadpis;

    // Every part, by order number.
    static std::vector<const cast_prohlidky *> vsechny();
};
