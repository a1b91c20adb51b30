// Worksheets on real output (PDF read back with pdftotext and pdfinfo) through a stand-in
// dialog: failures, and the set-up screen's print button.
#include "common/hodiny.h"
#include "common/nahoda.h"
#include "common/stav.h"
#include "data/losovani.h"
#include "data/znacky.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/instalace.h"
#include "setup/tisk_beh.h"
#include "setup/tisk_dialog.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Stands in for the print dialog: picks a PDF file, the copies and the orientation, or
// cancels; keeps the file name the run proposed.
class pdf_dialog : public tiskovy_dialog_t
{
public:
    bool zobraz(QPrinter &tiskarna) override
    {
        ++zobrazeni;
        navrzeny = tiskarna.outputFileName();
        if (zrusit)
            return false;
        tiskarna.setOutputFileName(soubor);
        // After the name: an empty name must not fall back to a real printer.
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setCopyCount(kopii);
        tiskarna.setPageSize(QPageSize(QPageSize::Letter));
        tiskarna.setPageOrientation(orientace);
        return true;
    }

    QString soubor, navrzeny;
    int kopii = 1;
    QPageLayout::Orientation orientace = QPageLayout::Portrait;
    bool zrusit = false;
    int zobrazeni = 0;
};

QString spust(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    return proces.waitForFinished(60000) && proces.exitCode() == 0 ? QString::fromUtf8(proces.readAllStandardOutput())
                                                                   : QString();
}

// The text of each page, whitespace collapsed so that wrapped lines read as sentences.
QStringList strany_pdf(const QString &soubor)
{
    QStringList strany = spust(QStringLiteral("pdftotext"), {soubor, QStringLiteral("-")}).split(u'\f');
    strany.removeLast(); // after the last form feed
    for (QString &s : strany)
        s = s.simplified();
    return strany;
}

QString velikost_strany(const QString &soubor)
{
    const QString info = spust(QStringLiteral("pdfinfo"), {soubor});
    return QRegularExpression(QStringLiteral("Page size:\\s+([^\\n]+)")).match(info).captured(1).trimmed();
}

const QStringList vety_s_diakritikou = {
    QStringLiteral("Ľubica povedala<,# > že príde zajtra.*1"),
    QStringLiteral("Šťastný ďateľ ťukal do kôry<,# > kým nevyhladol.*2"),
    QStringLiteral("Žiaci v<y#i>behli na dvor a< #,> hrali sa.*3"),
};

// A worksheet of "Priama reč", 5th grade.
zadani_listu_t zadani(const QString &druh) { return {1, 5, druh, vety_s_diakritikou}; }

} // namespace

class tst_tisk_pdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        hodiny::zafixuj(QDateTime(QDate(2024, 9, 2), QTime(8, 0)));
        nahoda().zafixuj(7);
    }
    void cleanupTestCase()
    {
        hodiny::uvolni();
        nahoda().uvolni();
    }

    // Through the dialog into a PDF file: the model and the copies, on A4 (not the dialog's
    // Letter) turned as asked; every page holds title, grade, instruction, sentences, footer.
    void text_pdf()
    {
        falesna_platforma platforma;
        QTemporaryDir dir;
        pdf_dialog dialog;
        dialog.soubor = dir.filePath("listy.pdf");
        dialog.kopii = 3;
        dialog.orientace = QPageLayout::Landscape;
        QCOMPARE(tiskni_ulohy(zadani("OPRAVA"), dialog, nahoda()), vysledek_tisku_t::vytisteno);
        QCOMPARE(velikost_strany(dialog.soubor), QStringLiteral("842 x 595 pts (A4)"));
        const QStringList strany = strany_pdf(dialog.soubor);
        QCOMPARE(strany.size(), 4);
        const QString vety = "Ľubica povedala že príde zajtra. Šťastný ďateľ ťukal do kôry kým nevyhladol. Žiaci v";
        for (int s = 0; s < 4; ++s) {
            for (const QString &t : QStringList{s == 0 ? "Priama reč - vzor pre učiteľa" : "Priama reč", "5. ročník",
                                                "Zadanie: Oprav všetky chyby vo vetách, pokiaľ sa v nich vyskytujú.",
                                                s == 0 ? vety + "ybehli na dvor" : vety, "Ortanel - Verbano 2",
                                                "Dátum: 02.09.2024", "Stránka: 1"})
                QVERIFY2(strany[s].contains(t), qPrintable(t + "\n---\n" + strany[s]));
            QCOMPARE(strany[s].contains("Meno: ......"), s > 0);
            QCOMPARE(strany[s].contains("vzor pre učiteľa"), s == 0);
        }
        // Without printers the dialog is offered a file named after the worksheet.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            QVERIFY2(dialog.navrzeny.endsWith("/Priama reč - 5. ročník.pdf"), qPrintable(dialog.navrzeny));
        QVERIFY(platforma.zpravy.isEmpty());
    }

    // The copies asked for become the program's own: the printer prints each page once, at 300 dpi.
    void priprav_tiskarnu()
    {
        QPrinter tiskarna;
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setCopyCount(3);
        QCOMPARE(::priprav_tiskarnu(tiskarna), 3);
        QCOMPARE(tiskarna.copyCount(), 1);
        QCOMPARE(tiskarna.resolution(), 300);
    }

    void bez_listu_data()
    {
        QTest::addColumn<bool>("zrusit");
        QTest::addColumn<QString>("soubor"); // within a folder where "subor" is a file
        QTest::addColumn<vysledek_tisku_t>("vysledek");
        QTest::addColumn<QString>("zprava");
        QTest::newRow("cancelled: nothing said") << true << "listy.pdf" << vysledek_tisku_t::zruseno << "";
        QTest::newRow("file cannot be written") << false << "subor/listy.pdf" << vysledek_tisku_t::selhalo
                                                << "Pracovné listy sa nepodarilo uložiť do súboru\n%1\n";
        QTest::newRow("no file named") << false << "" << vysledek_tisku_t::selhalo << "nebol zvolený žiadny súbor";
    }
    // A cancelled run ends silently; a failed one is reported to the teacher.
    void bez_listu()
    {
        QFETCH(bool, zrusit);
        QFETCH(QString, soubor);
        QFETCH(vysledek_tisku_t, vysledek);
        QFETCH(QString, zprava);
        falesna_platforma platforma;
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("subor")).open(QIODevice::WriteOnly));
        pdf_dialog dialog;
        dialog.zrusit = zrusit;
        dialog.soubor = soubor.isEmpty() ? soubor : dir.filePath(soubor);
        QCOMPARE(tiskni_ulohy(zadani("DOPLNOVACKA"), dialog, nahoda()), vysledek);
        QVERIFY(soubor.isEmpty() || !QFile::exists(dialog.soubor));
        QCOMPARE(platforma.zpravy.size(), zprava.isEmpty() ? 0 : 1);
        if (!zprava.isEmpty()) {
            QCOMPARE(platforma.zpravy[0].titulek, titulek_tisku);
            QVERIFY2(platforma.zpravy[0].text.contains(zprava.replace("%1", dialog.soubor)), qPrintable(zprava));
        }
    }

    void tlacitko_tisku_data()
    {
        QTest::addColumn<QString>("hlavicka"); // of the only section
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("vytisteno_vet"); // -1: too few sentences
        QTest::newRow("ordinary section") << "[5_1]" << 1 << 15;
        QTest::newRow("whole text gives its count") << "[5_7]abc" << 7 << 10;
        QTest::newRow("no such section") << "[5_2]" << 1 << -1;
    }
    // The set-up screen's print button draws 15 sentences from the topic's section, prints
    // what it drew in that order, and hands a whole text's count back to the shared state.
    void tlacitko_tisku()
    {
        QFETCH(QString, hlavicka);
        QFETCH(int, tema);
        QFETCH(int, vytisteno_vet);
        falesna_platforma platforma;
        docasna_instalace instalace;
        QStringList data{hlavicka};
        for (int i = 1; i <= 20; ++i)
            data.append(QStringLiteral("Veta %1 m<á#a> medzeru.*%2%3").arg(i).arg(i > 10 ? 2 : 1).arg(i % 10));
        instalace.zapis_data("VERBANO2.DAT", data, true);
        instalace.pouzij();
        spolecny_stav.rocnik = 1;
        spolecny_stav.tema = tema;
        spolecny_stav.pocet_uloh = 15;
        spolecny_stav.druh_ulohy = "DOPLNOVACKA";
        pdf_dialog dialog;
        dialog.soubor = instalace.koren() + "/listy.pdf";
        tisk_ulohy_t tisk(dialog);
        const vysledek_tisku_t vysledek = tisk.tiskni_cmd_Click();
        QCOMPARE(vysledek, vytisteno_vet < 0 ? vysledek_tisku_t::malo_radku : vysledek_tisku_t::vytisteno);
        QCOMPARE(platforma.zpravy.value(0).text, vytisteno_vet < 0 ? hlaska_malo_radku : QString());
        QCOMPARE(dialog.zobrazeni, vytisteno_vet < 0 ? 0 : 1);
        if (vytisteno_vet < 0)
            return;
        QCOMPARE(tisk.losovani().pocet_uloh, vytisteno_vet);
        QCOMPARE(spolecny_stav.pocet_uloh, vytisteno_vet);
        const QStringList strany = strany_pdf(dialog.soubor);
        for (qsizetype i = 0, kde = 0; i < vytisteno_vet; ++i) {
            kde = strany[0].indexOf(vypis_vety(tisk.losovani().radek_ulohy(int(i))).spravna_veta.simplified(), kde);
            QVERIFY2(kde >= 0, qPrintable(strany[0]));
        }
        QVERIFY(!strany.last().contains(QString::fromUtf16(u"má")));
    }
};

QTEST_MAIN(tst_tisk_pdf)
#include "tst_tisk_pdf.moc"
