#include "shell/displej.h"

#include "common/geometrie.h"
#include "shell/hlasky.h"
#include "shell/platforma.h"

#include <QWidget>

void prepni_rozliseni(QWidget *okno)
{
    if (!okno)
        return;
    if (platforma().cela_obrazovka(okno))
        return;
    platforma().zprava(hlasky::nelze_prepnout, QStringLiteral("Upozornenie"), platforma_t::ikona_t::zadna);
    okno->resize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
    okno->show();
}

void obnov_rozliseni(QWidget *okno)
{
    if (platforma().obnov_obrazovku(okno))
        return;
    platforma().zprava(hlasky::nelze_obnovit, QStringLiteral("Systémová chyba"), platforma_t::ikona_t::zadna);
    platforma().ukonci(1);
}

void zeptej_se_na_konec(QWidget *okno)
{
    if (!platforma().otazka(hlasky::otazka_konec, QStringLiteral("Otázka")))
        return;
    obnov_rozliseni(okno);
    platforma().ukonci(0);
}
