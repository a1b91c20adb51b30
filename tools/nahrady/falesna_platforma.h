#pragma once

#include "shell/platforma.h"

#include <QList>
#include <QWidget>
#include <stdexcept>

// Thrown where the program would end; tests catch it.
struct konec_programu : std::runtime_error {
    explicit konec_programu(int k) : std::runtime_error("program ended"), kod(k) {}
    int kod;
};

// The exit code the action ends the program with; -1 when it goes on.
template <typename F> int konec_kodem(F akce)
{
    try {
        akce();
    } catch (const konec_programu &k) {
        return k.kod;
    }
    return -1;
}

// A desktop that records what the program asked of it. Installs itself on construction
// and restores the real one on destruction.
class falesna_platforma : public platforma_t
{
public:
    struct zprava_t {
        QString text, titulek;
        ikona_t ikona;
    };

    falesna_platforma() { nastav_platformu(this); }
    ~falesna_platforma() override { nastav_platformu(nullptr); }

    bool zamkni_jedinou_instanci() override { return zamek_volny; }
    int twipu_na_pixel_x() override { return twipy_x; }
    int twipu_na_pixel_y() override { return twipy_y; }
    QString soubor_ini() override { return ini; }
    void zprava(const QString &text, const QString &titulek, ikona_t ikona) override
    {
        zpravy.append({text, titulek, ikona});
    }
    bool otazka(const QString &text, const QString &titulek) override
    {
        otazky.append(text + QLatin1Char('|') + titulek);
        return odpoved_ano;
    }
    QSize velikost_displeje() override { return displej; }
    int hloubka_displeje() override { return hloubka; }
    bool cela_obrazovka(QWidget *okno) override
    {
        if (!povol_celou_obrazovku)
            return false;
        ++celych_obrazovek;
        if (okno)
            okno->show();
        return true;
    }
    bool obnov_obrazovku(QWidget *) override
    {
        ++obnoveni;
        return povol_obnoveni;
    }

    bool zamek_volny = true;
    int twipy_x = 15, twipy_y = 15;
    QString ini;
    QSize displej{1024, 768};
    int hloubka = 24;
    bool povol_celou_obrazovku = true;
    bool povol_obnoveni = true;
    bool odpoved_ano = false;

    QList<zprava_t> zpravy;
    QList<QString> otazky;
    int celych_obrazovek = 0;
    int obnoveni = 0;

protected:
    void proved_konec(int kod) override { throw konec_programu(kod); }
};
