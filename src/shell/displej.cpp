#include "shell/displej.h"

#include "common/geometrie.h"
#include "shell/hostitel.h"
#include "shell/hlasky.h"
#include "shell/platforma.h"

#include <QGuiApplication>
#include <QScreen>

void prepni_rozliseni()
{
    hostitel *okno = hostitel::instance();
    if (!okno)
        return;
    if (platforma().cela_obrazovka(okno))
        return;
    platforma().zprava(hlasky::nelze_prepnout, QStringLiteral("Upozornenie"), platforma_t::ikona_t::zadna);
    okno->resize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
    okno->show();
}

void obnov_rozliseni()
{
    hostitel *okno = hostitel::instance();
    if (platforma().obnov_obrazovku(okno))
        return;
    platforma().zprava(hlasky::nelze_obnovit, QStringLiteral("Systémová chyba"), platforma_t::ikona_t::zadna);
    platforma().ukonci(1);
}

void zeptej_se_na_konec()
{
    if (!platforma().otazka(hlasky::otazka_konec, QStringLiteral("Otázka")))
        return;
    obnov_rozliseni();
    platforma().ukonci(0);
}
