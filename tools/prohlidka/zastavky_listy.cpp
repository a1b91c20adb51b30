// The printed worksheets: a fill-in and a correction exercise drawn from the installation's
// data as the print button draws them, printed into PDF files beside the photographs, and
// each page rendered with pdftoppm: the teacher's model copy, then a pupil copy.
#include "common/nahoda.h"
#include "common/soubory.h"
#include "common/stav.h"
#include "prohlidka.h"
#include "setup/tisk_beh.h"
#include "shell/hostitel.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace
{

struct list_t {
    druh_t druh;
    int rocnik, tema;
    QString nazev;   // of the PDF file and the photographs
    QString popisek; // what the sheet is
};

const list_t listy[] = {
    {druh_t::doplnovacka, 1, 1, QStringLiteral("list_doplnovacka"),
     QStringLiteral("Fill-in worksheet, “5. ročník”, “Spodobovanie spoluhlások”, 10 sentences")},
    {druh_t::oprava, 5, 2, QStringLiteral("list_oprava"),
     QStringLiteral("Correction worksheet, “9. ročník”, “Prevzaté slová”, 10 sentences")},
};

// The pages of the PDF file as pictures of 75 dpi; empty when pdftoppm cannot make them.
QList<QImage> strany(const QString &pdf)
{
    QTemporaryDir dir;
    const QString predpona = dir.filePath(QStringLiteral("strana"));
    if (QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("75"), QStringLiteral("-png"), pdf, predpona}) != 0)
        return {};
    QList<QImage> obrazky;
    const QStringList soubory = QDir(dir.path()).entryList({QStringLiteral("strana*.png")}, QDir::Files, QDir::Name);
    for (const QString &s : soubory)
        obrazky.append(QImage(dir.filePath(s)));
    return obrazky;
}

// Whether the page belongs to the teacher's model copy.
bool je_vzor(const QString &pdf, int strana)
{
    QProcess p;
    const QString cislo = QString::number(strana);
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-f"), cislo, QStringLiteral("-l"), cislo, pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("vzor pre učiteľa"));
}

const cast_prohlidky cast(
    60, [](hostitel &) {},
    [](prohlidka &p) {
        nahoda().zafixuj(60);
        for (const list_t &l : listy) {
            const QString pdf = QDir(p.slozka()).filePath(l.nazev + QStringLiteral(".pdf"));
            const bool vytisteno = uloz_ukazku_listu(p.okno().sezeni().soubor_dat(QStringLiteral("VERBANO2.DAT")),
                                                     l.rocnik, l.tema, l.druh, 10, pdf, 1);
            const QList<QImage> obrazky = vytisteno ? strany(pdf) : QList<QImage>();
            if (obrazky.size() < 2) {
                p.chyba(QStringLiteral("%1: the worksheet could not be printed and rendered (pdftoppm)").arg(pdf));
                continue;
            }
            for (int i = 0; i < int(obrazky.size()); ++i)
                p.pridej_obrazek(QStringLiteral("%1_%2").arg(l.nazev).arg(i + 1),
                                 QStringLiteral("%1: page %2, %3 (%4.pdf).")
                                     .arg(l.popisek)
                                     .arg(i + 1)
                                     .arg(je_vzor(pdf, i + 1) ? QStringLiteral("the teacher’s model copy")
                                                              : QStringLiteral("a pupil copy"))
                                     .arg(l.nazev),
                                 obrazky[i]);
        }
        nahoda().uvolni();
    },
    QStringLiteral("Worksheets"));

} // namespace
