#pragma once

#include "shell/okno_zpravy.h"

#include <QSize>
#include <QString>

class QWidget;

// Everything the program needs of the desktop, behind one small interface so that tests
// can stand in for it: the single-instance lock, the small-fonts factor, the INI file,
// message boxes, the display mode and the end of the process.
class platforma_t
{
public:
    using ikona_t = ikona_zpravy_t;

    virtual ~platforma_t() = default;

    // False when another copy of the program already runs.
    virtual bool zamkni_jedinou_instanci() = 0;
    // Twips per pixel of the canvas the program draws on (15 at 96 dpi).
    virtual int twipu_na_pixel_x() = 0;
    virtual int twipu_na_pixel_y() = 0;
    // Full path of "ORTANEL.INI", or empty when there is none.
    virtual QString soubor_ini() = 0;

    // A modal message with a single OK button.
    virtual void zprava(const QString &text, const QString &titulek, ikona_t ikona) = 0;
    // A modal Yes/No question with the question icon; true for Yes.
    virtual bool otazka(const QString &text, const QString &titulek) = 0;

    // The display as found: width, height and bits per pixel.
    virtual QSize velikost_displeje() = 0;
    virtual int hloubka_displeje() = 0;
    // Shows the window full screen with its 640 × 480 canvas scaled to fit; false when
    // full screen cannot be had.
    virtual bool cela_obrazovka(QWidget *okno) = 0;
    // Leaves full screen; false when the display could not be given back.
    virtual bool obnov_obrazovku(QWidget *okno) = 0;

    // Ends the process at once with the exit code.
    [[noreturn]] void ukonci(int kod);

    // How many window pixels a stage pixel takes; the host tells it whenever it rescales,
    // so that messages are as large as the stage.
    void nastav_meritko(double meritko) { meritko_zprav_ = meritko; }

protected:
    double meritko_zprav_ = 1.0;

    // Ends the process (or, in tests, leaves by an exception); never returns.
    virtual void proved_konec(int kod) = 0;
};

platforma_t &platforma();
// Installs another platform (tests); nullptr restores the real one.
void nastav_platformu(platforma_t *nahrada);

// The real desktop.
class skutecna_platforma_t : public platforma_t
{
public:
    explicit skutecna_platforma_t(QString soubor_zamku = {});
    ~skutecna_platforma_t() override;

    bool zamkni_jedinou_instanci() override;
    int twipu_na_pixel_x() override;
    int twipu_na_pixel_y() override;
    QString soubor_ini() override;
    void zprava(const QString &text, const QString &titulek, ikona_t ikona) override;
    bool otazka(const QString &text, const QString &titulek) override;
    QSize velikost_displeje() override;
    int hloubka_displeje() override;
    bool cela_obrazovka(QWidget *okno) override;
    bool obnov_obrazovku(QWidget *okno) override;

    // Where the single-instance lock lives.
    static QString vychozi_soubor_zamku();

protected:
    void proved_konec(int kod) override;

private:
    QString soubor_zamku_;
    struct zamek_t;
    zamek_t *zamek_ = nullptr;
};
