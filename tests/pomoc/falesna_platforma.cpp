#include "pomoc/falesna_platforma.h"

#include <QWidget>

falesna_platforma::falesna_platforma() { nastav_platformu(this); }

falesna_platforma::~falesna_platforma() { nastav_platformu(nullptr); }

void falesna_platforma::zprava(const QString &text, const QString &titulek, ikona_t ikona)
{
    zpravy.append({text, titulek, ikona});
}

bool falesna_platforma::otazka(const QString &text, const QString &titulek)
{
    otazky.append(text + QLatin1Char('|') + titulek);
    return odpoved_ano;
}

bool falesna_platforma::cela_obrazovka(QWidget *okno)
{
    if (!povol_celou_obrazovku)
        return false;
    ++celych_obrazovek;
    if (okno)
        okno->show();
    return true;
}

bool falesna_platforma::obnov_obrazovku(QWidget *)
{
    ++obnoveni;
    return povol_obnoveni;
}

void falesna_platforma::proved_konec(int kod) { throw konec_programu(kod); }
