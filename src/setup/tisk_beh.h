#pragma once

#include "data/losovani.h"
#include "setup/tisk_list.h"

#include <QPageRanges>
#include <QString>
#include <optional>

class QPrinter;
class nahoda_t;
class tiskovy_dialog_t;

enum class vysledek_tisku_t {
    vytisteno,  // the document went to the printer or the file
    zruseno,    // the dialog was cancelled or could not set up a printer
    malo_radku, // the topic has fewer sentences than asked for
    selhalo,    // the printer or the file failed; the teacher has been told
};

// What the teacher chose in the dialog (or on the command line) besides the printer.
struct volby_tisku_t {
    int kopii_pro_zaky = 1;
    QPageRanges strany; // page numbers within each copy; empty: every page
};

// After the dialog: A4 (or Letter, when chosen) in the orientation chosen, 300 dpi. The
// copies asked for become the pupil copies the program prints itself, and the page range
// picks pages of every copy: the printer's own count and range are reset so that nothing
// is multiplied or cut twice. A PDF file gets the whole sheet as its printable area.
volby_tisku_t priprav_tiskarnu(QPrinter &tiskarna);

// The teacher's copy and the pupil copies on a printer whose choices are made: the one
// path of the print button and of the command line. A PDF file appears only when whole.
// False when the printer or the file failed.
bool vytiskni_listy(QPrinter &tiskarna, const zadani_listu_t &zadani, nahoda_t &generator);

// What the teacher is told when printing failed on that printer or into that file.
QString hlaska_selhani_tisku(const QPrinter &tiskarna);
extern const QString titulek_tisku;

// One print run: the dialog, the printer's set-up, the worksheets. Cancelling, or a printer
// the dialog could not set up, ends the run silently; a failure while printing is shown.
vysledek_tisku_t tiskni_ulohy(const zadani_listu_t &zadani, tiskovy_dialog_t &dialog, nahoda_t &generator);

// Straight into a PDF file, without a dialog and without messages.
bool tiskni_do_pdf(const zadani_listu_t &zadani, const QString &cesta, int kopii_pro_zaky, nahoda_t &generator);

// The sentences of a topic drawn as the set-up screen draws them for printing; a whole
// text gives its own count. Empty when the topic has too few sentences.
std::optional<zadani_listu_t> vylosuj_zadani(losovani_t &losovani, const QString &soubor_dat, int rocnik, int tema,
                                             druh_t druh_ulohy, int pocet_uloh);

// A sample worksheet from an installation's exercise data file: draws the topic's sentences
// as the set-up screen does and prints them into a PDF file. False when the topic has too
// few sentences or the file cannot be written.
bool uloz_ukazku_listu(const QString &soubor_dat, int rocnik, int tema, druh_t druh_ulohy, int pocet_uloh,
                       const QString &cesta_pdf, int kopii_pro_zaky = 1);

// The set-up screen's print button. It keeps its own drawing of the sentences, which
// stays after the run.
class tisk_ulohy_t
{
public:
    explicit tisk_ulohy_t(tiskovy_dialog_t &dialog);

    // Draws the sentences of the grade, topic and count afresh from the exercise data file
    // and prints them. A whole text draws all its sentences: losovani() tells how many.
    vysledek_tisku_t tiskni_cmd_Click(const QString &soubor_vet, int rocnik, int tema, druh_t druh, int pocet_uloh);

    const losovani_t &losovani() const { return losovani_; }

private:
    tiskovy_dialog_t &dialog_;
    losovani_t losovani_;
};
