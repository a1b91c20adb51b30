#include "setup/tisk_beh.h"

#include "common/hodiny.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "setup/tisk_dialog.h"
#include "setup/tisk_list.h"
#include "setup/tisk_qt.h"
#include "shell/platforma.h"
#include "shell/ukazatel.h"

#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cstdio>

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

zadani_listu_t zadani_z_losovani(const losovani_t &losovani, int rocnik, int tema, druh_t druh_ulohy)
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

volby_tisku_t priprav_tiskarnu(QPrinter &tiskarna)
{
    volby_tisku_t volby;
    volby.kopii_pro_zaky = std::max(tiskarna.copyCount(), 1);
    tiskarna.setCopyCount(1);
    if (tiskarna.printRange() == QPrinter::PageRange)
        volby.strany = tiskarna.pageRanges();
    tiskarna.setPrintRange(QPrinter::AllPages);
    tiskarna.setPageRanges(QPageRanges());
    tiskarna.setPageOrder(QPrinter::FirstPageFirst);
    const QPageSize zvoleny = tiskarna.pageLayout().pageSize();
    tiskarna.setPageSize(zvoleny.id() == QPageSize::Letter ? zvoleny : QPageSize(QPageSize::A4));
    tiskarna.setResolution(rozliseni_tisku);
    tiskarna.setFullPage(tiskarna.outputFormat() == QPrinter::PdfFormat);
    return volby;
}

namespace
{

bool vytiskni_na(QPrinter &tiskarna, const zadani_listu_t &zadani, const volby_tisku_t &volby, nahoda_t &generator)
{
    if (tiskarna.docName().isEmpty())
        tiskarna.setDocName(nazev_dokumentu(zadani));
    tiskarna.setCreator(texty_listu::nazov_produktu);
    qt_tiskarna_t vystup(tiskarna);
    if (!vystup.zacni())
        return false;
    pracovni_list_t list(vystup, zadani, generator, hodiny::ted().date());
    return list.tiskni_ulohy(volby.kopii_pro_zaky, volby.strany);
}

} // namespace

bool vytiskni_listy(QPrinter &tiskarna, const zadani_listu_t &zadani, nahoda_t &generator)
{
    const volby_tisku_t volby = priprav_tiskarnu(tiskarna);
    const QString cil = tiskarna.outputFileName();
    if (tiskarna.outputFormat() != QPrinter::PdfFormat || cil.isEmpty())
        return vytiskni_na(tiskarna, zadani, volby, generator);
    // Written aside and renamed into place, so that a failed run leaves no half a file.
    const QFileInfo info(cil);
    QTemporaryFile bokem(info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    if (!bokem.open())
        return false;
    bokem.close();
    tiskarna.setOutputFileName(bokem.fileName());
    bool vytisteno = vytiskni_na(tiskarna, zadani, volby, generator);
    tiskarna.setOutputFileName(cil);
    if (vytisteno) {
        bokem.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        vytisteno =
            std::rename(QFile::encodeName(bokem.fileName()).constData(), QFile::encodeName(cil).constData()) == 0;
        bokem.setAutoRemove(!vytisteno);
    }
    return vytisteno;
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
    bool vytisteno = false;
    {
        presypaci_hodiny_t hodiny;
        vytisteno = vytiskni_listy(tiskarna, zadani, generator);
    }
    if (vytisteno)
        return vysledek_tisku_t::vytisteno;
    // A sheet that silently never comes out of the printer is worse than a message.
    const bez_presypacich_hodin_t sipka;
    platforma().zprava(hlaska_selhani_tisku(tiskarna), titulek_tisku, platforma_t::ikona_t::vykricnik);
    return vysledek_tisku_t::selhalo;
}

bool tiskni_do_pdf(const zadani_listu_t &zadani, const QString &cesta, int kopii_pro_zaky, nahoda_t &generator)
{
    QPrinter tiskarna;
    tiskarna.setOutputFormat(QPrinter::PdfFormat);
    tiskarna.setOutputFileName(cesta);
    tiskarna.setPageSize(QPageSize(QPageSize::A4));
    tiskarna.setCopyCount(kopii_pro_zaky);
    return vytiskni_listy(tiskarna, zadani, generator);
}

std::optional<zadani_listu_t> vylosuj_zadani(losovani_t &losovani, const QString &soubor_dat, int rocnik, int tema,
                                             druh_t druh_ulohy, int pocet_uloh)
{
    if (vylosuj_pro_tisk(losovani, soubor_dat, rocnik, tema, pocet_uloh) != vysledek_losovani_t::ok)
        return std::nullopt;
    return zadani_z_losovani(losovani, rocnik, tema, druh_ulohy);
}

bool uloz_ukazku_listu(const QString &soubor_dat, int rocnik, int tema, druh_t druh_ulohy, int pocet_uloh,
                       const QString &cesta_pdf, int kopii_pro_zaky)
{
    losovani_t losovani;
    const std::optional<zadani_listu_t> zadani =
        vylosuj_zadani(losovani, soubor_dat, rocnik, tema, druh_ulohy, pocet_uloh);
    return zadani && tiskni_do_pdf(*zadani, cesta_pdf, kopii_pro_zaky, nahoda());
}

tisk_ulohy_t::tisk_ulohy_t(tiskovy_dialog_t &dialog) : dialog_(dialog) {}

vysledek_tisku_t tisk_ulohy_t::tiskni_cmd_Click(const QString &soubor_vet, int rocnik, int tema, druh_t druh,
                                                int pocet_uloh)
{
    // From the press on: drawing the sentences takes a moment before the dialog shows.
    presypaci_hodiny_t hodiny;
    const std::optional<zadani_listu_t> zadani = vylosuj_zadani(losovani_, soubor_vet, rocnik, tema, druh, pocet_uloh);
    if (!zadani) {
        // Printing the sentences of an earlier drawing, or none, would hand out wrong sheets.
        const bez_presypacich_hodin_t sipka;
        platforma().zprava(hlaska_malo_radku, texty_listu::nazov_produktu, platforma_t::ikona_t::zadna);
        return vysledek_tisku_t::malo_radku;
    }
    return tiskni_ulohy(*zadani, dialog_, nahoda());
}
