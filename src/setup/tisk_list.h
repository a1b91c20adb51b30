#pragma once

#include "common/druhy.h"

#include <QDate>
#include <QPageRanges>
#include <QString>
#include <QStringList>

class nahoda_t;
class tiskarna_t;
struct polozka_t;

// What one print run puts on paper.
struct zadani_listu_t {
    int rocnik = 0;                     // grade index 1..5
    int tema = 0;                       // topic index within the grade
    druh_t druh_ulohy = druh_t::oprava; // a fill-in exercise gives a fill-in sheet, any other a correction sheet
    QStringList vety;                   // the sentence lines, in the order they are printed
};

namespace texty_listu
{
extern const QString vzor_pre_ucitela; // appended to the title of the teacher's copy
extern const QString meno;             // the pupil's name line
extern const QString nazov_produktu;
extern const QString zadanie_doplnovacky;
extern const QString zadanie_opravy;
extern const QString datum;   // followed by dd.mm.yyyy
extern const QString stranka; // followed by the page number
extern const QString pismo;   // the typeface the layout asks the printer for
} // namespace texty_listu

// The worksheet layout of an A4 sheet: a header and footer on every page and the
// sentences below, first on the teacher's copy with every answer written in, then on the
// pupil copies with gaps to fill in or errors to correct. Positions are millimetres of
// the sheet, converted to the printer's twips.
class pracovni_list_t
{
public:
    pracovni_list_t(tiskarna_t &tiskarna, zadani_listu_t zadani, nahoda_t &generator, QDate datum);

    // The teacher's copy and then the pupil copies, each ending with a new page, and the
    // end of the document; false when the printer failed. `strany` picks pages by their
    // number within each copy (empty: every page).
    bool tiskni_ulohy(int kopii_pro_zaky, const QPageRanges &strany = {});
    // The header and footer of the current page; `vzor` is appended to the title.
    void Tisk_zahlavi_a_zapati(const QString &vzor);

    double TwMilX(double milimetry) const;
    double TwMilY(double milimetry) const;

    bool je_doplnovacka() const;

    // A pupil's gap is never narrower than this, in twips (8 mm).
    static constexpr double nejuzsi_mezera = 8 * 1440 / 25.4;

private:
    void tiskni_kopii(bool ucitel);
    void zacni_stranu(const QString &vzor);
    // The title at (4, 4): 20 points, a point smaller at a time down to 12 while it is
    // wider than the printable width, then wrapped.
    void tiskni_titul(const QString &titul);
    // A text at its place, wrapped at spaces where it would pass the printable width.
    void tiskni_zalomene(double x_mm, double y_mm, const QString &text);
    // A header text at its place, moved left when it would end past the printable width.
    void text_na(double x_mm, double y_mm, const QString &text);
    QString mezera_pro(const polozka_t &polozka) const;
    void tiskni_vetu(const QString &radek, bool ucitel);
    // Prints an item's form; a form surrounded by spaces moves to a new line first when it
    // would run past the wrap limit.
    void tiskni_tvar(const QString &text, const QString &tvar_pro_zalomeni, bool smi_zalomit, const QString &veta,
                     qsizetype zacatek, qsizetype konec);
    void novy_radek();
    void pero_na_zacatek_vet();
    void pismo_vet();
    bool za_hranici_zalomeni(double x) const;

    tiskarna_t &tiskarna_;
    zadani_listu_t zadani_;
    nahoda_t &generator_;
    QDate datum_;
    int cislo_strany_ = 1;
    QPageRanges strany_;
};
