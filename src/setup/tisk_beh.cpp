#include "setup/tisk_beh.h"

#include "common/hodiny.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "common/stav.h"
#include "setup/tisk_dialog.h"
#include "setup/tisk_list.h"
#include "setup/tisk_qt.h"
#include "shell/platforma.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>

const QString titulek_tisku = QStringLiteral("Tlač pracovných listov");

namespace
{

constexpr int rozliseni_tisku = 300;

// The hourglass while the sheets are laid out and sent.
class presypaci_hodiny_t
{
public:
    presypaci_hodiny_t()
    {
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            aktivni_ = true;
        }
    }
    ~presypaci_hodiny_t()
    {
        if (aktivni_)
            QGuiApplication::restoreOverrideCursor();
    }
    presypaci_hodiny_t(const presypaci_hodiny_t &) = delete;
    presypaci_hodiny_t &operator=(const presypaci_hodiny_t &) = delete;

private:
    bool aktivni_ = false;
};

QString nazev_dokumentu(const zadani_listu_t &zadani)
{
    return katalog_temat::nazev_pracovni_list(zadani.rocnik, zadani.tema) + QStringLiteral(" - ") +
           katalog_temat::nazev_rocniku(zadani.rocnik);
}

// Without printers the dialog offers only a PDF file; propose one among the documents.
void navrhni_soubor_pdf(QPrinter &tiskarna, const zadani_listu_t &zadani)
{
    if (tiskarna.outputFormat() != QPrinter::PdfFormat || !tiskarna.outputFileName().isEmpty())
        return;
    QString slozka = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (slozka.isEmpty() || !QFileInfo(slozka).isDir())
        slozka = QDir::homePath();
    QString nazev = nazev_dokumentu(zadani);
    nazev.replace(QLatin1Char('/'), QLatin1Char('-'));
    tiskarna.setOutputFileName(QDir(slozka).filePath(nazev + QStringLiteral(".pdf")));
}

zadani_listu_t zadani_z_losovani(const losovani_t &losovani, int rocnik, int tema, const QString &druh_ulohy)
{
    zadani_listu_t zadani;
    zadani.rocnik = rocnik;
    zadani.tema = tema;
    zadani.druh_ulohy = druh_ulohy;
    const int pocet = std::min(losovani.pocet_uloh, static_cast<int>(losovani.vybrane_radky.size()));
    for (int i = 0; i < pocet; ++i)
        zadani.vety.append(losovani.radek_ulohy(i));
    return zadani;
}

// The set-up screen draws without keeping anything of an earlier drawing.
vysledek_losovani_t vylosuj_pro_tisk(losovani_t &losovani, const QString &soubor_dat, int rocnik, int tema,
                                     int pocet_uloh)
{
    losovani.pocet_uloh = pocet_uloh;
    losovani.zachovat_vybrane = false;
    losovani.pocet_zobrazenych = 0;
    return nacti_doplnovacku(losovani, soubor_dat, cislo_ulohy(rocnik, tema), nahoda());
}

} // namespace

int priprav_tiskarnu(QPrinter &tiskarna)
{
    const int kopii = std::max(tiskarna.copyCount(), 1);
    tiskarna.setCopyCount(1);
    tiskarna.setPageSize(QPageSize(QPageSize::A4));
    tiskarna.setResolution(rozliseni_tisku);
    tiskarna.setFullPage(tiskarna.outputFormat() == QPrinter::PdfFormat);
    return kopii;
}

bool vytiskni_listy(QPrinter &tiskarna, const zadani_listu_t &zadani, int kopii_pro_zaky, nahoda_t &generator)
{
    if (tiskarna.docName().isEmpty())
        tiskarna.setDocName(nazev_dokumentu(zadani));
    tiskarna.setCreator(texty_listu::nazov_produktu);
    qt_tiskarna_t vystup(tiskarna);
    if (!vystup.zacni())
        return false;
    pracovni_list_t list(vystup, zadani, generator, hodiny::ted().date());
    return list.tiskni_ulohy(kopii_pro_zaky);
}

QString hlaska_selhani_tisku(const QPrinter &tiskarna)
{
    if (tiskarna.outputFormat() == QPrinter::PdfFormat && tiskarna.outputFileName().isEmpty())
        return QStringLiteral("Pracovné listy sa nepodarilo uložiť, pretože nebol zvolený žiadny súbor.\n\n"
                              "Zadajte v dialógu tlače názov súboru a skúste to znova.");
    if (tiskarna.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("Pracovné listy sa nepodarilo uložiť do súboru\n%1\n\n"
                              "Do tohto súboru sa nedá zapisovať. Zvoľte v dialógu tlače iný priečinok "
                              "alebo iný názov súboru a skúste to znova.")
            .arg(QDir::toNativeSeparators(tiskarna.outputFileName()));
    return QStringLiteral("Pracovné listy sa nepodarilo vytlačiť na tlačiarni „%1“.\n\n"
                          "Skontrolujte, či je tlačiareň zapnutá a pripojená, a skúste to znova.")
        .arg(tiskarna.printerName());
}

vysledek_tisku_t tiskni_ulohy(const zadani_listu_t &zadani, tiskovy_dialog_t &dialog, nahoda_t &generator)
{
    QPrinter tiskarna;
    tiskarna.setDocName(nazev_dokumentu(zadani));
    navrhni_soubor_pdf(tiskarna, zadani);
    if (!dialog.zobraz(tiskarna) || !tiskarna.isValid())
        return vysledek_tisku_t::zruseno;
    const int kopii = priprav_tiskarnu(tiskarna);
    bool vytisteno = false;
    {
        presypaci_hodiny_t hodiny;
        vytisteno = vytiskni_listy(tiskarna, zadani, kopii, generator);
    }
    if (vytisteno)
        return vysledek_tisku_t::vytisteno;
    // A sheet that silently never comes out of the printer is worse than a message.
    platforma().zprava(hlaska_selhani_tisku(tiskarna), titulek_tisku, platforma_t::ikona_t::vykricnik);
    return vysledek_tisku_t::selhalo;
}

bool tiskni_do_pdf(const zadani_listu_t &zadani, const QString &cesta, int kopii_pro_zaky, nahoda_t &generator)
{
    QPrinter tiskarna;
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setOutputFileName(cesta);
    priprav_tiskarnu(tiskarna);
    return vytiskni_listy(tiskarna, zadani, kopii_pro_zaky, generator);
}

bool uloz_ukazku_listu(const QString &soubor_dat, int rocnik, int tema, const QString &druh_ulohy, int pocet_uloh,
                       const QString &cesta_pdf, int kopii_pro_zaky)
{
    losovani_t losovani;
    if (vylosuj_pro_tisk(losovani, soubor_dat, rocnik, tema, pocet_uloh) != vysledek_losovani_t::ok)
        return false;
    return tiskni_do_pdf(zadani_z_losovani(losovani, rocnik, tema, druh_ulohy), cesta_pdf, kopii_pro_zaky, nahoda());
}

tisk_ulohy_t::tisk_ulohy_t(tiskovy_dialog_t &dialog) : dialog_(dialog) {}

vysledek_tisku_t tisk_ulohy_t::tiskni_cmd_Click()
{
    const int rocnik = spolecny_stav.rocnik;
    const int tema = spolecny_stav.tema;
    const QString soubor = soubor_dat(QStringLiteral("VERBANO2.DAT"));
    if (vylosuj_pro_tisk(losovani_, soubor, rocnik, tema, spolecny_stav.pocet_uloh) != vysledek_losovani_t::ok) {
        // Printing the sentences of an earlier drawing, or none, would hand out wrong sheets.
        platforma().zprava(hlaska_malo_radku, texty_listu::nazov_produktu, platforma_t::ikona_t::zadna);
        return vysledek_tisku_t::malo_radku;
    }
    if (losovani_.souvisly_text)
        spolecny_stav.pocet_uloh = losovani_.pocet_uloh;
    return tiskni_ulohy(zadani_z_losovani(losovani_, rocnik, tema, spolecny_stav.druh_ulohy), dialog_, nahoda());
}
