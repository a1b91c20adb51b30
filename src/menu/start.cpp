#include "menu/start.h"

#include "common/geometrie.h"
#include "common/soubory.h"
#include "common/stav.h"
#include "menu/hl_menu.h"
#include "shell/displej.h"
#include "shell/hlasky.h"
#include "shell/hostitel.h"
#include "shell/ini.h"
#include "shell/obrazky.h"
#include "shell/platforma.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace
{

[[noreturn]] void skonci_se_zpravou(const QString &text, const QString &titulek, platforma_t::ikona_t ikona)
{
    platforma().zprava(text, titulek, ikona);
    platforma().ukonci(1);
}

[[noreturn]] void chybi_soubory(const QString &cesta, const QString &duvod)
{
    hlas_chybu_souboru(cesta, duvod);
    skonci_se_zpravou(hlasky::chybi_soubory, QStringLiteral("Chyba"), platforma_t::ikona_t::stop);
}

// How many pixels a stage pixel takes in an area of that size.
qreal meritko_na(QSize velikost)
{
    return std::min(velikost.width() / qreal(geometrie::sirka_obrazovky),
                    velikost.height() / qreal(geometrie::vyska_obrazovky));
}

void vycentruj(hostitel &okno)
{
    okno.setWindowTitle(QStringLiteral("Ortanel - Verbano 2"));
    okno.resize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
    const QSize displej = platforma().velikost_displeje();
    if (displej.isValid())
        okno.move((displej.width() - geometrie::sirka_obrazovky) / 2,
                  (displej.height() - geometrie::vyska_obrazovky) / 2);
}

const QString soubor_titulku = QStringLiteral("GRAFIKA/TITLE.BMP");

} // namespace

hl_menu *spust_program(hostitel &okno)
{
    platforma_t &p = platforma();
    spolecny_stav_t &sezeni = okno.sezeni();
    if (!p.zamkni_jedinou_instanci())
        p.ukonci(0);
    if (p.twipu_na_pixel_x() != 15 || p.twipu_na_pixel_y() != 15)
        skonci_se_zpravou(hlasky::male_fonty, QStringLiteral("Upozornenie"), platforma_t::ikona_t::vykricnik);

    const QSize displej = p.velikost_displeje();
    sezeni.puvodni_sirka = displej.width();
    sezeni.puvodni_vyska = displej.height();
    sezeni.puvodni_hloubka = p.hloubka_displeje();

    QApplication::setOverrideCursor(Qt::WaitCursor);

    const QString ini = p.soubor_ini();
    sezeni.adresar_media = nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("CD"));
    sezeni.adresar_dat = nacti_ini_hodnotu(ini, QStringLiteral("VBN2"), QStringLiteral("HD"));

    const QString chyba = QStringLiteral("ERROR");
    if (sezeni.adresar_media == chyba || sezeni.adresar_dat == chyba)
        chybi_soubory(ini.isEmpty() ? QStringLiteral("ORTANEL.INI") : ini,
                      QFileInfo::exists(ini) ? QStringLiteral("no CD or HD in section [VBN2]")
                                             : QStringLiteral("not found"));
    for (const QString &nazev : {QStringLiteral("ZNAMKY.DAT"), QStringLiteral("VERBANO2.DAT")})
        if (!existuje_soubor(sezeni.soubor_dat(nazev)))
            chybi_soubory(sezeni.soubor_dat(nazev), QStringLiteral("missing"));

    vycentruj(okno);
    // Full screen fills the window's screen: the pictures come from the set for the scale
    // the stage will have there, read once. Where the window stays smaller, the set is
    // chosen again below, and the pictures read ahead are read again from that set.
    if (const QScreen *s = okno.screen())
        zvol_sadu_obrazku(sezeni.adresar_media, meritko_na(s->size()) * s->devicePixelRatio());
    // The picture of the first frame, read while the window is made.
    predcti_bitmapu(sezeni.adresar_media, soubor_titulku);

    auto *menu = qobject_cast<hl_menu *>(okno.nacti(obrazovka_id::hl_menu));
    if (!menu)
        chyba_behu();
    if (!menu->nacti_pozadi())
        chyba_behu();

    prepni_rozliseni(&okno);
    zvol_sadu_obrazku(sezeni.adresar_media, meritko_na(okno.size()) * okno.devicePixelRatioF());

    if (!menu->nacti_tlacitka())
        chyba_behu();
    menu->priprav_plochy();
    if (!menu->nacti_temata())
        chyba_behu();
    sezeni.napoveda_na_zaciatku = false;
    if (!menu->ukaz_titulek())
        chyba_behu();

    okno.ukaz(obrazovka_id::hl_menu, hostitel::potom_t::nic);
    return menu;
}
