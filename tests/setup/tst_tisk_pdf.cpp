// Worksheets on real output: PDF files through the print run with a stand-in dialog, Qt's
// own print dialog, the set-up screen's print button, failures, and samples from the
// installation's data.
#include "common/hodiny.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "common/stav.h"
#include "data/kontejner.h"
#include "data/losovani.h"
#include "data/znacky.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/instalace.h"
#include "setup/tisk_beh.h"
#include "setup/tisk_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace
{

// Stands in for the print dialog: picks a PDF file, the copies and the orientation, or
// cancels.
class pdf_dialog : public tiskovy_dialog_t
{
public:
    bool zobraz(QPrinter &tiskarna) override
    {
        ++zobrazeni;
        if (zrusit)
            return false;
        tiskarna.setOutputFileName(soubor);
        // After the name: an empty name must not fall back to a real printer.
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setCopyCount(kopii);
        tiskarna.setPageOrientation(orientace);
        return true;
    }

    QString soubor;
    int kopii = 1;
    QPageLayout::Orientation orientace = QPageLayout::Portrait;
    bool zrusit = false;
    int zobrazeni = 0;
};

QString spust(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    if (!proces.waitForFinished(60000) || proces.exitCode() != 0)
        return {};
    return QString::fromUtf8(proces.readAllStandardOutput());
}

// The text of a PDF page by page (pdftotext separates pages by form feeds).
QStringList strany_pdf(const QString &soubor)
{
    QString text = spust(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), soubor, QStringLiteral("-")});
    if (text.endsWith(QLatin1Char('\f')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\f'));
}

// Whitespace collapsed, so that wrapped lines compare with whole sentences.
QString jednoduchy(const QString &text) { return text.simplified(); }

// A field of pdfinfo's report ("Pages", "Page size").
QString udaj_pdf(const QString &soubor, const QString &pole)
{
    const QString info = spust(QStringLiteral("pdfinfo"), {soubor});
    const QRegularExpressionMatch m = QRegularExpression(pole + QStringLiteral(":\\s+([^\\n]+)")).match(info);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}
int pocet_stran(const QString &soubor) { return udaj_pdf(soubor, QStringLiteral("Pages")).toInt(); }
QString velikost_strany(const QString &soubor) { return udaj_pdf(soubor, QStringLiteral("Page size")); }

zadani_listu_t zadani(const QString &druh, const QStringList &vety, int rocnik = 1, int tema = 5)
{
    zadani_listu_t z;
    z.rocnik = rocnik;
    z.tema = tema;
    z.druh_ulohy = druh;
    z.vety = vety;
    return z;
}

const QStringList vety_s_diakritikou = {
    QStringLiteral("Ľubica povedala<,# > že príde zajtra.*1"),
    QStringLiteral("Šťastný ďateľ ťukal do kôry<,# > kým nevyhladol.*2"),
    QStringLiteral("Žiaci v<y#i>behli na dvor a< #,> hrali sa.*3"),
};

// A section of n ordinary sentences, each with one gap.
QStringList obycejna_sekce(const QString &klic, int n)
{
    QStringList radky{QLatin1Char('[') + klic + QLatin1Char(']')};
    for (int i = 1; i <= n; ++i)
        radky.append(QStringLiteral("Veta číslo %1 m<á#a> medzeru.*%1").arg(i));
    return radky;
}

// A whole-text section of two texts of ten sentences.
QStringList souvisla_sekce(const QString &klic)
{
    QStringList radky{QLatin1Char('[') + klic + QStringLiteral("]abc")};
    for (int t = 1; t <= 2; ++t)
        for (int d = 0; d <= 9; ++d)
            radky.append(QStringLiteral("Text %1, veta %2 m<á#a> medzeru.*%1%2").arg(t).arg(d));
    return radky;
}

// Where each text first occurs in the page, or -1.
QList<qsizetype> poradi(const QString &text, const QStringList &co)
{
    QList<qsizetype> pozice;
    for (const QString &c : co)
        pozice.append(text.indexOf(c));
    return pozice;
}

bool je_vzestupne(const QList<qsizetype> &pozice)
{
    for (qsizetype i = 0; i < pozice.size(); ++i)
        if (pozice[i] < 0 || (i > 0 && pozice[i] <= pozice[i - 1]))
            return false;
    return true;
}

QStringList spravne_vety(const losovani_t &losovani)
{
    QStringList vety;
    for (int i = 0; i < losovani.pocet_uloh; ++i)
        vety.append(vypis_vety(losovani.radek_ulohy(i)).spravna_veta.simplified());
    return vety;
}

// Answers Qt's print dialog as a teacher would: the PDF entry, a file, the copies, Print.
void vyplnit_dialog(const QString &soubor, int kopii, QString *navrzeny_soubor)
{
    QTimer::singleShot(50, [=] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            vyplnit_dialog(soubor, kopii, navrzeny_soubor);
            return;
        }
        auto *tiskarny = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *nazev = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        auto *kopie = dialog->findChild<QSpinBox *>(QStringLiteral("copies"));
        auto *tlacitka = dialog->findChild<QDialogButtonBox *>();
        if (!tiskarny || !nazev || !kopie || !tlacitka) {
            dialog->reject();
            return;
        }
        tiskarny->setCurrentIndex(tiskarny->count() - 1);
        *navrzeny_soubor = nazev->text();
        nazev->setText(soubor);
        kopie->setValue(kopii);
        for (QAbstractButton *b : tlacitka->buttons())
            if (tlacitka->buttonRole(b) == QDialogButtonBox::AcceptRole)
                b->click();
    });
}

// Where the samples for the screenshot tour go.
QString slozka_ukazek() { return QStringLiteral(ORTANEL_BUILD_DIR "/ukazky"); }

} // namespace

class tst_tisk_pdf : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
                 "poppler-utils is missing (scripts/zavislosti.sh)");
        hodiny::zafixuj(QDateTime(QDate(2024, 9, 2), QTime(8, 0)));
        nahoda().zafixuj(7);
    }
    void cleanupTestCase()
    {
        hodiny::uvolni();
        nahoda().uvolni();
    }

    // The text of a PDF run holds the title, the grade, the instruction, the sentences and
    // the footer, Slovak letters intact.
    void text_pdf_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<QString>("zadani_text");
        QTest::addColumn<QStringList>("vety_ucitel");
        QTest::addColumn<QStringList>("vety_zak");
        QTest::newRow("fill-in") << "DOPLNOVACKA"
                                 << "Zadanie: Doplň chýbajúce gramatické javy (písmená, koncovky, slová, atď.) do viet."
                                 << QStringList{"Ľubica povedala, že príde zajtra.",
                                                "Šťastný ďateľ ťukal do kôry, kým nevyhladol.",
                                                "Žiaci vybehli na dvor a hrali sa."}
                                 << QStringList{"Ľubica povedala že príde zajtra.",
                                                "Šťastný ďateľ ťukal do kôry kým nevyhladol.",
                                                "Žiaci v_behli na dvor a hrali sa."};
        QTest::newRow("correction") << "OPRAVA"
                                    << "Zadanie: Oprav všetky chyby vo vetách, pokiaľ sa v nich vyskytujú."
                                    << QStringList{"Ľubica povedala že príde zajtra.",
                                                   "Šťastný ďateľ ťukal do kôry kým nevyhladol.",
                                                   "Žiaci vybehli na dvor a hrali sa."}
                                    << QStringList{"Ľubica povedala že príde zajtra.",
                                                   "Šťastný ďateľ ťukal do kôry kým nevyhladol.", "Žiaci v"};
    }
    void text_pdf()
    {
        QFETCH(QString, druh);
        QFETCH(QString, zadani_text);
        QFETCH(QStringList, vety_ucitel);
        QFETCH(QStringList, vety_zak);
        QTemporaryDir dir;
        const QString soubor = dir.filePath("list.pdf");
        QVERIFY(tiskni_do_pdf(zadani(druh, vety_s_diakritikou), soubor, 1, nahoda()));
        QCOMPARE(pocet_stran(soubor), 2);
        QCOMPARE(velikost_strany(soubor), QString("595 x 842 pts (A4)"));
        const QStringList strany = strany_pdf(soubor);
        QCOMPARE(strany.size(), 2);
        for (int s = 0; s < 2; ++s) {
            const QString text = jednoduchy(strany[s]);
            QVERIFY2(text.contains(s == 0 ? "Priama reč - vzor pre učiteľa" : "Priama reč"), qPrintable(text));
            QVERIFY(text.contains("5. ročník"));
            QCOMPARE(text.contains("Meno: ......"), s == 1);
            QVERIFY2(text.contains(zadani_text), qPrintable(text));
            QVERIFY(text.contains("Ortanel - Verbano 2"));
            QVERIFY(text.contains("Dátum: 02.09.2024"));
            QVERIFY(text.contains("Stránka: 1"));
            for (const QString &veta : s == 0 ? vety_ucitel : vety_zak)
                QVERIFY2(text.contains(veta), qPrintable(veta + "\n---\n" + text));
        }
    }

    void priprav_tiskarnu_data()
    {
        QTest::addColumn<int>("kopii");
        QTest::addColumn<QPageLayout::Orientation>("orientace");
        QTest::newRow("one copy, portrait") << 1 << QPageLayout::Portrait;
        QTest::newRow("three copies, landscape") << 3 << QPageLayout::Landscape;
    }
    // The copies asked for become the program's own pupil copies; the printer prints each
    // page once, on A4 at 300 dpi, in the orientation chosen.
    void priprav_tiskarnu()
    {
        QFETCH(int, kopii);
        QFETCH(QPageLayout::Orientation, orientace);
        QPrinter tiskarna;
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setPageSize(QPageSize(QPageSize::Letter));
        tiskarna.setPageOrientation(orientace);
        tiskarna.setCopyCount(kopii);
        QCOMPARE(::priprav_tiskarnu(tiskarna), kopii);
        QCOMPARE(tiskarna.copyCount(), 1);
        QCOMPARE(tiskarna.pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(tiskarna.pageLayout().orientation(), orientace);
        QCOMPARE(tiskarna.resolution(), 300);
    }

    void beh_s_dialogem_data()
    {
        QTest::addColumn<int>("kopii");
        QTest::addColumn<QPageLayout::Orientation>("orientace");
        QTest::addColumn<QString>("velikost");
        QTest::newRow("one copy asked gives two") << 1 << QPageLayout::Portrait << "595 x 842 pts (A4)";
        QTest::newRow("three pupils, landscape") << 3 << QPageLayout::Landscape << "842 x 595 pts (A4)";
    }
    // The run through a dialog: N copies asked give the model and N pupil sheets.
    void beh_s_dialogem()
    {
        QFETCH(int, kopii);
        QFETCH(QPageLayout::Orientation, orientace);
        QFETCH(QString, velikost);
        falesna_platforma platforma;
        QTemporaryDir dir;
        pdf_dialog dialog;
        dialog.soubor = dir.filePath("listy.pdf");
        dialog.kopii = kopii;
        dialog.orientace = orientace;
        QCOMPARE(tiskni_ulohy(zadani("OPRAVA", vety_s_diakritikou), dialog, nahoda()), vysledek_tisku_t::vytisteno);
        QCOMPARE(dialog.zobrazeni, 1);
        QCOMPARE(pocet_stran(dialog.soubor), kopii + 1);
        QCOMPARE(velikost_strany(dialog.soubor), velikost);
        const QStringList strany = strany_pdf(dialog.soubor);
        QCOMPARE(strany.size(), kopii + 1);
        for (int s = 0; s <= kopii; ++s)
            QCOMPARE(jednoduchy(strany[s]).contains("vzor pre učiteľa"), s == 0);
        QVERIFY(platforma.zpravy.isEmpty());
    }

    void zruseni()
    {
        falesna_platforma platforma;
        QTemporaryDir dir;
        pdf_dialog dialog;
        dialog.soubor = dir.filePath("listy.pdf");
        dialog.zrusit = true;
        QCOMPARE(tiskni_ulohy(zadani("OPRAVA", vety_s_diakritikou), dialog, nahoda()), vysledek_tisku_t::zruseno);
        QVERIFY(!QFile::exists(dialog.soubor));
        QVERIFY(platforma.zpravy.isEmpty());
    }

    // A file that cannot be written is reported instead of being lost silently.
    void nezapisatelny_soubor()
    {
        falesna_platforma platforma;
        QTemporaryDir dir;
        QFile prekazka(dir.filePath("subor"));
        QVERIFY(prekazka.open(QIODevice::WriteOnly));
        prekazka.close();
        pdf_dialog dialog;
        dialog.soubor = dir.filePath("subor/listy.pdf");
        QCOMPARE(tiskni_ulohy(zadani("DOPLNOVACKA", vety_s_diakritikou), dialog, nahoda()), vysledek_tisku_t::selhalo);
        QCOMPARE(platforma.zpravy.size(), 1);
        QCOMPARE(platforma.zpravy[0].titulek, titulek_tisku);
        QVERIFY(platforma.zpravy[0].text.contains(QDir::toNativeSeparators(dialog.soubor)));
        QVERIFY(platforma.zpravy[0].text.startsWith("Pracovné listy sa nepodarilo"));
        QVERIFY(!QFile::exists(dialog.soubor));
        QVERIFY(!tiskni_do_pdf(zadani("DOPLNOVACKA", vety_s_diakritikou), dialog.soubor, 1, nahoda()));
        // A dialog left without a file name gets its own explanation.
        dialog.soubor.clear();
        QCOMPARE(tiskni_ulohy(zadani("OPRAVA", vety_s_diakritikou), dialog, nahoda()), vysledek_tisku_t::selhalo);
        QCOMPARE(platforma.zpravy.size(), 2);
        QVERIFY(platforma.zpravy[1].text.contains("nebol zvolený žiadny súbor"));
    }

    void tlacitko_tisku_data()
    {
        QTest::addColumn<QStringList>("data");
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("pocet_uloh");
        QTest::addColumn<int>("vytisteno_vet");
        QTest::newRow("ordinary section") << obycejna_sekce("5_1", 12) << 1 << 1 << 5 << 5;
        QTest::newRow("exactly as many sentences") << obycejna_sekce("7_3", 10) << 3 << 3 << 10 << 10;
        QTest::newRow("whole text without a count") << souvisla_sekce("5_7") << 1 << 7 << 0 << 10;
        QTest::newRow("whole text with a count") << souvisla_sekce("6_6") << 2 << 6 << 15 << 10;
        QTest::newRow("too few sentences") << obycejna_sekce("5_1", 3) << 1 << 1 << 5 << -1;
        QTest::newRow("no such section") << obycejna_sekce("5_2", 30) << 1 << 1 << 5 << -1;
    }
    // The set-up screen's print button draws from the topic's section, prints what it drew
    // in that order, and hands a whole text's count back to the shared state.
    void tlacitko_tisku()
    {
        QFETCH(QStringList, data);
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(int, pocet_uloh);
        QFETCH(int, vytisteno_vet);
        falesna_platforma platforma;
        docasna_instalace instalace;
        instalace.zapis_data("VERBANO2.DAT", data, true);
        instalace.pouzij();
        spolecny_stav.rocnik = rocnik;
        spolecny_stav.tema = tema;
        spolecny_stav.pocet_uloh = pocet_uloh;
        spolecny_stav.druh_ulohy = "DOPLNOVACKA";
        pdf_dialog dialog;
        dialog.soubor = instalace.koren() + "/listy.pdf";
        tisk_ulohy_t tisk(dialog);
        const vysledek_tisku_t vysledek = tisk.tiskni_cmd_Click();
        if (vytisteno_vet < 0) {
            QCOMPARE(vysledek, vysledek_tisku_t::malo_radku);
            QCOMPARE(platforma.zpravy.size(), 1);
            QCOMPARE(platforma.zpravy[0].text, hlaska_malo_radku);
            QCOMPARE(dialog.zobrazeni, 0);
            QVERIFY(!QFile::exists(dialog.soubor));
            return;
        }
        QCOMPARE(vysledek, vysledek_tisku_t::vytisteno);
        QVERIFY(platforma.zpravy.isEmpty());
        QCOMPARE(tisk.losovani().pocet_uloh, vytisteno_vet);
        QCOMPARE(spolecny_stav.pocet_uloh, tisk.losovani().souvisly_text ? vytisteno_vet : pocet_uloh);
        const QStringList strany = strany_pdf(dialog.soubor);
        QVERIFY(strany.size() >= 2);
        const QStringList vety = spravne_vety(tisk.losovani());
        QVERIFY2(je_vzestupne(poradi(jednoduchy(strany[0]), vety)), qPrintable(strany[0]));
        QVERIFY(!jednoduchy(strany.last()).contains(QString::fromUtf16(u"má")));
    }

    // Qt's own dialog, answered as a teacher would: printing to a PDF file.
    void skutecny_dialog()
    {
        falesna_platforma platforma;
        QTemporaryDir dir;
        const QString soubor = dir.filePath("z dialogu.pdf");
        QString navrzeny;
        vyplnit_dialog(soubor, 2, &navrzeny);
        qt_tiskovy_dialog_t dialog;
        QCOMPARE(tiskni_ulohy(zadani("DOPLNOVACKA", vety_s_diakritikou), dialog, nahoda()),
                 vysledek_tisku_t::vytisteno);
        QCOMPARE(pocet_stran(soubor), 3);
        QVERIFY(jednoduchy(strany_pdf(soubor).value(0)).contains("Priama reč - vzor pre učiteľa"));
        // Without printers the dialog proposes a file named after the worksheet.
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            QVERIFY2(navrzeny.endsWith("/Priama reč - 5. ročník.pdf"), qPrintable(navrzeny));
        QVERIFY(platforma.zpravy.isEmpty());
    }

    void ukazky_z_dat_data()
    {
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<QString>("druh");
        QTest::addColumn<QString>("nazev");
        QTest::newRow("fill-in") << 3 << 3 << "DOPLNOVACKA"
                                 << "list_doplnovacka";
        QTest::newRow("correction") << 2 << 1 << "OPRAVA"
                                    << "list_oprava";
        QTest::newRow("whole text") << 1 << 9 << "DOPLNOVACKA"
                                    << "list_suvisly_text";
    }
    // Samples from the installation's own sentences, kept for the screenshot tour: every
    // drawn sentence is on the model, answers written in.
    void ukazky_z_dat()
    {
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(QString, druh);
        QFETCH(QString, nazev);
        const QString dat = postavena_data() + "/VERBANO2.DAT";
        if (!QFile::exists(dat))
            QSKIP("build/data is not built (target data)");
        QVERIFY(QDir().mkpath(slozka_ukazek()));
        const QString soubor = slozka_ukazek() + "/" + nazev + ".pdf";
        QFile::remove(soubor);
        nahoda().zafixuj(11);
        QVERIFY(uloz_ukazku_listu(dat, rocnik, tema, druh, 10, soubor, 1));
        // The same seed draws the same sentences again.
        nahoda().zafixuj(11);
        losovani_t losovani;
        losovani.pocet_uloh = 10;
        QCOMPARE(nacti_doplnovacku(losovani, dat, cislo_ulohy(rocnik, tema), nahoda()), vysledek_losovani_t::ok);
        const QStringList strany = strany_pdf(soubor);
        QVERIFY(strany.size() >= 2);
        QString model;
        for (const QString &strana : strany)
            if (strana.contains(QString::fromUtf16(u"vzor pre učiteľa")))
                model += strana;
        QVERIFY(jednoduchy(model).contains(katalog_temat::nazev_rocniku(rocnik)));
        QVERIFY(je_vzestupne(poradi(jednoduchy(model), spravne_vety(losovani))));
        spust(QStringLiteral("pdftoppm"), {"-png", "-r", "60", soubor, slozka_ukazek() + "/" + nazev});
        QVERIFY(QFile::exists(slozka_ukazek() + "/" + nazev + "-1.png"));
    }
};

QTEST_MAIN(tst_tisk_pdf)
#include "tst_tisk_pdf.moc"
