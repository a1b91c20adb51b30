// Worksheets on real output (PDF read back with pdftotext and pdfinfo) through Qt's print
// dialog and a stand-in for it: every topic's sheets, titles, gaps, page ranges, failures,
// the hourglass, the set-up screen's print button, the command line, and a real print
// queue: a private CUPS server started here with a cups-pdf queue.
#include "common/hodiny.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "common/stav.h"
#include "data/kontejner.h"
#include "data/losovani.h"
#include "data/znacky.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/instalace.h"
#include "setup/prikazova_radka.h"
#include "setup/tisk_beh.h"
#include "setup/tisk_dialog.h"
#include "setup/tisk_qt.h"
#include "shell/ukazatel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

namespace
{

// Stands in for the print dialog: picks a PDF file or a printer by name, the copies and
// the orientation, or cancels.
class pdf_dialog : public tiskovy_dialog_t
{
public:
    bool zobraz(QPrinter &tiskarna) override
    {
        ++zobrazeni;
        hodiny_pri_zobrazeni = jsou_presypaci_hodiny();
        if (zrusit)
            return false;
        tiskarna.setOutputFileName(soubor);
        // After the name: an empty name must not fall back to a real printer.
        tiskarna.setOutputFormat(fronta.isEmpty() ? QPrinter::PdfFormat : QPrinter::NativeFormat);
        if (!fronta.isEmpty())
            tiskarna.setPrinterName(fronta);
        tiskarna.setCopyCount(kopii);
        tiskarna.setPageSize(QPageSize(QPageSize::Letter));
        tiskarna.setPageOrientation(orientace);
        return true;
    }

    QString soubor, fronta;
    bool hodiny_pri_zobrazeni = false;
    int kopii = 1;
    QPageLayout::Orientation orientace = QPageLayout::Landscape;
    bool zrusit = false;
    int zobrazeni = 0;
};

QByteArray spust(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    return proces.waitForFinished(60000) && proces.exitCode() == 0 ? proces.readAllStandardOutput() : QByteArray();
}

// The text of each page, whitespace collapsed so that wrapped lines read as sentences.
QStringList strany_pdf(const QString &soubor)
{
    QStringList strany = QString::fromUtf8(spust("pdftotext", {soubor, "-"})).split(u'\f');
    strany.removeLast(); // after the last form feed
    for (QString &s : strany)
        s = s.simplified();
    return strany;
}

// Every word of every page, its box in millimetres (pdftotext -bbox).
QList<QList<QPair<QString, QRectF>>> slova_pdf(const QString &soubor)
{
    QList<QList<QPair<QString, QRectF>>> strany;
    static const QRegularExpression slovo(QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                         "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    for (auto z = slovo.globalMatch(QString::fromUtf8(spust("pdftotext", {"-bbox", soubor, "-"}))); z.hasNext();) {
        const QRegularExpressionMatch m = z.next();
        const auto mm = [&m](int i) { return m.captured(i).toDouble() * 25.4 / 72; };
        if (m.captured(5).isEmpty())
            strany.emplace_back();
        else
            strany.last().append({m.captured(5), QRectF(QPointF(mm(1), mm(2)), QPointF(mm(3), mm(4)))});
    }
    return strany;
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

    QTemporaryDir cups_;
    QProcess cupsd_;
    QString fronta_, konfigurace_, bez_cups_;

    QString cups(const QString &nazev) const { return cups_.filePath(nazev); }
    QString lp(const QString &program, const QStringList &argumenty) const
    {
        return QString::fromUtf8(spust(program, QStringList{"-h", cups("cups.sock")} + argumenty));
    }

    // A private CUPS server, its configuration, spool, socket and port its own, with a
    // cups-pdf queue that writes into its folder; the reason when it cannot be had.
    QString spust_cups()
    {
        const QString ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
        for (const QString soubor : {"/usr/sbin/cupsd", "/usr/lib/cups/backend/cups-pdf", "/usr/sbin/lpadmin"})
            if (!QFile::exists(soubor) || !QFile::exists(ppd))
                return soubor + " or " + ppd + " is missing (packages cups, printer-driver-cups-pdf)";
        for (const char *slozka : {"spool/tmp", "cache", "state", "log", "pdf", "pdf-spool"}) {
            QDir().mkpath(cups(slozka));
            QFile::setPermissions(cups(slozka), QFileDevice::Permissions(0x7777)); // filters run as lp
        }
        const auto zapis = [this](const QString &soubor, const QString &text) {
            QFile f(soubor);
            return f.open(QIODevice::WriteOnly) && f.write(QString(text).replace("%1", cups_.path()).toUtf8()) > 0;
        };
        // cups-pdf reads the settings of a queue from /etc/cups only, and runs as root.
        fronta_ = QStringLiteral("ortanel_test_%1").arg(QCoreApplication::applicationPid());
        konfigurace_ = "/etc/cups/cups-pdf-" + fronta_ + ".conf";
        if (!zapis(konfigurace_, "Out %1/pdf\nAnonDirName %1/pdf\nSpool %1/pdf-spool\nLog %1/log\n"))
            return "cannot write " + konfigurace_ + " (only root can)";
        const QString port = QString::number(20000 + QCoreApplication::applicationPid() % 20000);
        zapis(cups("cupsd.conf"), "Listen 127.0.0.1:" + port +
                                      "\nListen %1/cups.sock\nBrowsing No\nPreserveJobFiles Yes\n"
                                      "DefaultAuthType None\n<Location />\nAllow all\n</Location>\n");
        zapis(cups("cups-files.conf"), "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                                       "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                                       "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                       "User lp\nGroup lp\nSystemGroup root\n");
        cupsd_.start("/usr/sbin/cupsd", {"-f", "-c", cups("cupsd.conf"), "-s", cups("cups-files.conf")});
        if (!QTest::qWaitFor([&] { return lp("lpstat", {"-r"}).contains("scheduler is running"); }, 10000))
            return "cupsd did not start: " + cupsd_.readAllStandardError();
        lp("lpadmin", {"-p", fronta_, "-E", "-v", "cups-pdf:/" + fronta_, "-P", ppd});
        if (!lp("lpstat", {"-p", fronta_}).contains(fronta_))
            return "lpadmin could not add the queue (see " + cups("log/error_log") + ")";
        qputenv("CUPS_SERVER", cups("cups.sock").toLocal8Bit());
        return {};
    }
private slots:
    void initTestCase()
    {
        hodiny::zafixuj(QDateTime(QDate(2024, 9, 2), QTime(8, 0)));
        nahoda().zafixuj(7);
        // Before the print system is first asked for its printers, which it asks only once.
        bez_cups_ = spust_cups();
    }
    void cleanupTestCase()
    {
        hodiny::uvolni();
        nahoda().uvolni();
        // Stopped by its own process id, whatever happened.
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000))
            cupsd_.kill();
        if (!konfigurace_.isEmpty())
            QFile::remove(konfigurace_);
    }

    // Every topic's correction sheet, all its sentences: the model copy holds each correct
    // sentence word for word, commas included; the pupil copy reads otherwise wherever a
    // sentence has an item.
    void kazda_tema()
    {
        QTemporaryDir dir;
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
                const QStringList radky = nacti_sekci(postavena_data() + "/VERBANO2.DAT", cislo_ulohy(r, t)).radky;
                QVERIFY(!radky.isEmpty());
                const QString pdf = dir.filePath(cislo_ulohy(r, t) + ".pdf");
                QVERIFY(tiskni_do_pdf({r, t, "OPRAVA", radky}, pdf, 1, nahoda()));
                const QStringList strany = strany_pdf(pdf);
                const qsizetype zaka = strany.indexOf(QRegularExpression(".*Meno: \\.+.*"));
                const QString vzor = strany.mid(0, zaka).join(' '), zak = strany.mid(zaka).join(' ');
                for (const QString &radek : radky) {
                    const QString veta = vypis_vety(radek).spravna_veta.simplified();
                    QVERIFY2(vzor.contains(veta) && zak.contains(veta) == polozky_vety(radek).isEmpty(),
                             qPrintable(cislo_ulohy(r, t) + ": " + veta));
                }
            }
    }

    void nazvy_a_mezery_data()
    {
        QTest::addColumn<int>("papier");   // QPageSize::PageSizeId
        QTest::addColumn<double>("okraj"); // mm on either side
        QTest::newRow("A4, the whole sheet") << int(QPageSize::A4) << 0.0;
        QTest::newRow("A4, a printer's margins") << int(QPageSize::A4) << 6.35;
        QTest::newRow("Letter, a printer's margins") << int(QPageSize::Letter) << 6.35;
        QTest::newRow("a narrow printable width wraps") << int(QPageSize::A4) << 45.0;
    }
    // Every topic, kind and copy: no header or footer text passes the printable width;
    // every gap of a fill-in sheet is at least 8 mm wide.
    void nazvy_a_mezery()
    {
        QFETCH(int, papier);
        QFETCH(double, okraj);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("list.pdf");
        const QStringList vety{"Do <a#o> a <mes#mez> a <najkrajšieho#najkrajsieho> mesta.*1"};
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
                for (const QString druh : {"OPRAVA", "DOPLNOVACKA"}) {
                    QPrinter tiskarna;
                    tiskarna.setOutputFormat(QPrinter::PdfFormat);
                    tiskarna.setOutputFileName(pdf);
                    tiskarna.setResolution(300);
                    tiskarna.setPageSize(QPageSize(QPageSize::PageSizeId(papier)));
                    tiskarna.setPageMargins(QMarginsF(okraj, 10, okraj, 10), QPageLayout::Millimeter);
                    qt_tiskarna_t vystup(tiskarna);
                    QVERIFY(vystup.zacni());
                    QVERIFY(pracovni_list_t(vystup, {r, t, druh, vety}, nahoda(), QDate(2024, 9, 2)).tiskni_ulohy(1));
                    const auto strany = slova_pdf(pdf);
                    QCOMPARE(strany.size(), 2);
                    const double sirka = QPageSize(QPageSize::PageSizeId(papier)).size(QPageSize::Millimeter).width();
                    QList<double> mezery;
                    for (const auto &[text, box] : strany[0] + strany[1]) {
                        QVERIFY2(box.left() >= okraj - 0.5 && box.right() <= sirka - okraj + 0.5,
                                 qPrintable(cislo_ulohy(r, t) + " " + druh + ": " + text));
                        if (text.startsWith('_'))
                            mezery.append(box.width());
                    }
                    if (druh == QLatin1String("DOPLNOVACKA")) {
                        QCOMPARE(mezery.size(), 3);
                        QVERIFY2(mezery[0] >= 8 && mezery[1] > mezery[0] && mezery[2] > 1.5 * mezery[1],
                                 qPrintable(QStringLiteral("%1 %2 %3").arg(mezery[0]).arg(mezery[1]).arg(mezery[2])));
                    }
                }
    }

    // Qt's own dialog offers a page range, which is honoured, and neither the print
    // system's page list nor reverse order; while it is open the pointer is no hourglass.
    void skutocny_dialog()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("listy.pdf");
        QStringList chyby{"the dialog never showed"};
        std::function<void()> vypln = [&] {
            auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!d)
                return QTimer::singleShot(10, this, vypln);
            chyby.clear();
            auto *tiskarny = d->findChild<QComboBox *>("printers");
            tiskarny->setCurrentIndex(tiskarny->count() - 1);
            d->findChild<QLineEdit *>("filename")->setText(pdf);
            d->findChild<QSpinBox *>("copies")->setValue(1);
            d->findChild<QRadioButton *>("printRange")->setChecked(true);
            d->findChild<QSpinBox *>("from")->setValue(1);
            d->findChild<QSpinBox *>("to")->setValue(1);
            if (d->findChild<QWidget *>("reverse")->isVisible() ||
                d->findChild<QWidget *>("pagesRadioButton")->isVisible() ||
                !d->findChild<QRadioButton *>("printRange")->isEnabled() || QGuiApplication::overrideCursor())
                chyby.append("reverse order or the page list offered, no page range, or the hourglass shown");
            d->accept();
        };
        QTimer::singleShot(0, this, vypln);
        ukaz_presypaci_hodiny();
        qt_tiskovy_dialog_t dialog;
        zadani_listu_t dlhe = zadani("OPRAVA");
        for (int i = 0; i < 4; ++i)
            dlhe.vety += dlhe.vety;
        QCOMPARE(tiskni_ulohy(dlhe, dialog, nahoda()), vysledek_tisku_t::vytisteno);
        QVERIFY(jsou_presypaci_hodiny());
        obnov_ukazatel();
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join('\n')));
        QCOMPARE(strany_pdf(pdf).size(), 2);
    }

    void bez_listu_data()
    {
        QTest::addColumn<QString>("soubor"); // within a folder where "subor" is a file
        QTest::addColumn<vysledek_tisku_t>("vysledek");
        QTest::addColumn<QString>("zprava");
        QTest::newRow("file cannot be written")
            << "subor/listy.pdf" << vysledek_tisku_t::selhalo << "Pracovné listy sa nepodarilo uložiť do súboru\n%1\n";
        QTest::newRow("no file named") << "" << vysledek_tisku_t::selhalo << "nebol zvolený žiadny súbor";
    }
    // A failed run is reported to the teacher and leaves no file, half written or not.
    void bez_listu()
    {
        QFETCH(QString, soubor);
        QFETCH(vysledek_tisku_t, vysledek);
        QFETCH(QString, zprava);
        falesna_platforma platforma;
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("subor")).open(QIODevice::WriteOnly));
        pdf_dialog dialog;
        dialog.soubor = soubor.isEmpty() ? soubor : dir.filePath(soubor);
        QCOMPARE(tiskni_ulohy(zadani("DOPLNOVACKA"), dialog, nahoda()), vysledek);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"subor"});
        QVERIFY(!jsou_presypaci_hodiny());
        QCOMPARE(platforma.zpravy.size(), 1);
        QCOMPARE(platforma.zpravy[0].titulek, titulek_tisku);
        QVERIFY2(platforma.zpravy[0].text.contains(zprava.replace("%1", dialog.soubor)), qPrintable(zprava));
    }

    void tlacitko_tisku_data()
    {
        QTest::addColumn<QString>("hlavicka"); // of the only section
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("vytisteno_vet"); // -1: too few sentences
        QTest::addColumn<bool>("zrusit");
        QTest::newRow("ordinary section") << "[5_1]" << 1 << 15 << false;
        QTest::newRow("whole text gives its count") << "[5_7]abc" << 7 << 10 << false;
        QTest::newRow("no such section") << "[5_2]" << 1 << -1 << false;
        QTest::newRow("cancelled") << "[5_1]" << 1 << 0 << true;
    }
    // The set-up screen's print button draws 15 sentences from the topic's section, prints
    // what it drew in that order on the dialog's Letter turned as asked, and hands a whole
    // text's count back to the shared state. The hourglass shows from the press and is
    // gone after the run, cancelled or not.
    void tlacitko_tisku()
    {
        QFETCH(QString, hlavicka);
        QFETCH(int, tema);
        QFETCH(int, vytisteno_vet);
        QFETCH(bool, zrusit);
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
        dialog.zrusit = zrusit;
        tisk_ulohy_t tisk(dialog);
        const vysledek_tisku_t vysledek = tisk.tiskni_cmd_Click();
        QCOMPARE(vysledek, vytisteno_vet < 0 ? vysledek_tisku_t::malo_radku
                           : zrusit          ? vysledek_tisku_t::zruseno
                                             : vysledek_tisku_t::vytisteno);
        QCOMPARE(platforma.zpravy.value(0).text, vytisteno_vet < 0 ? hlaska_malo_radku : QString());
        QCOMPARE(dialog.zobrazeni, vytisteno_vet < 0 ? 0 : 1);
        QVERIFY(dialog.hodiny_pri_zobrazeni || vytisteno_vet < 0);
        QVERIFY(!jsou_presypaci_hodiny());
        QCOMPARE(QFile::exists(dialog.soubor), vytisteno_vet > 0);
        if (vytisteno_vet <= 0)
            return;
        QCOMPARE(tisk.losovani().pocet_uloh, vytisteno_vet);
        QCOMPARE(spolecny_stav.pocet_uloh, vytisteno_vet);
        QVERIFY(QString::fromUtf8(spust("pdfinfo", {dialog.soubor})).contains("792 x 612 pts (letter)"));
        const QStringList strany = strany_pdf(dialog.soubor);
        for (qsizetype i = 0, kde = 0; i < vytisteno_vet; ++i) {
            kde = strany.join(" ").indexOf(vypis_vety(tisk.losovani().radek_ulohy(int(i))).spravna_veta.simplified(),
                                           kde);
            QVERIFY2(kde >= 0, qPrintable(strany.join("\n")));
        }
        QVERIFY(!strany.last().contains(QString::fromUtf16(u"má")));
    }

    // Worksheets from the command line: every bad input refused with one Slovak line,
    // status 2 and no file; the built program itself runs with no display at all.
    void volby_data()
    {
        QTest::addColumn<QString>("argumenty"); // %1: an empty folder holding only the file "subor"
        QTest::addColumn<bool>("program");      // the built program rather than the call
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("vypis"); // on standard error, or for 0 on standard output
        const QString dobre = "--pracovny-list 7_3 --druh oprava --pocet 10 ";
        QTest::newRow("25 copies") << dobre + "--kopie 25 --vystup %1/listy.pdf" << false << 0 << "";
        QTest::newRow("the program, without a display") << dobre + "--kopie 2 --vystup=%1/listy.pdf" << true << 0 << "";
        QTest::newRow("help") << "--help" << true << 0 << "  7_3  7. ročník, Čiarka medzi vetnými členmi\n";
        QTest::newRow("unknown topic") << "--pracovny-list 7_9 --druh oprava --pocet 10 --vystup %1/listy.pdf" << true
                                       << 2 << "neznáma téma „7_9“";
        QTest::newRow("kind that does not print") << "--pracovny-list 7_3 --druh diktat --pocet 10 --vystup %1/l.pdf"
                                                  << false << 2 << "druh „diktat“ sa nedá vytlačiť";
        QTest::newRow("count of 0") << "--pracovny-list 7_3 --druh oprava --pocet 0 --vystup %1/l.pdf" << false << 2
                                    << "--pocet musí byť 5, 10, 15 alebo 20";
        QTest::newRow("file that cannot be written") << dobre + "--vystup %1/subor/listy.pdf" << false << 2
                                                     << "do súboru „%1/subor/listy.pdf“ sa nedá zapisovať";
        QTest::newRow("no such printer") << dobre + "--tlaciaren nikde" << false << 2
                                         << "tlačiareň „nikde“ v systéme nie je";
        QTest::newRow("data folder that cannot be read")
            << dobre + "--vystup %1/l.pdf" << false << 2 << "priečinok údajov „";
    }
    void volby()
    {
        QFETCH(QString, argumenty);
        QFETCH(bool, program);
        QFETCH(int, kod);
        QFETCH(QString, vypis);
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("subor")).open(QIODevice::WriteOnly));
        const QStringList a = argumenty.replace("%1", dir.path()).split(' ', Qt::SkipEmptyParts);
        QString vystup, chyby;
        QProcess p; // the program's own ORTANEL.INI names the built data; there is no display
        QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
        prostredi.remove("DISPLAY");
        prostredi.insert("QT_QPA_PLATFORM", "xcb");
        p.setProcessEnvironment(prostredi);
        falesna_platforma platforma;
        docasna_instalace instalace;
        instalace.zapis_vychozi_ini();
        platforma.ini = instalace.ini();
        if (program) {
            p.start(ORTANEL_BUILD_DIR "/ortanel-verbano2", a);
            QVERIFY(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit);
            QCOMPARE(p.exitCode(), kod);
            vystup = QString::fromUtf8(p.readAllStandardOutput());
            chyby = QString::fromUtf8(p.readAllStandardError());
        } else {
            QVERIFY(QTest::currentDataTag() == QLatin1String("data folder that cannot be read") ||
                    instalace.zkopiruj_postavena_data());
            QTextStream o(&vystup), e(&chyby);
            QCOMPARE(int(prikazova_radka::spust(a, o, e)), kod);
        }
        const QStringList strany = kod ? QStringList() : strany_pdf(dir.filePath("listy.pdf"));
        if (kod == 0 && vypis.isEmpty()) // the model, then a sheet per pupil copy, each from its page 1
            QVERIFY(chyby.isEmpty() && strany.filter("Stránka: 1").size() == a[a.indexOf("--kopie") + 1].toInt() + 1 &&
                    strany.first().contains("vzor pre učiteľa") && strany.filter("vzor pre učiteľa").size() < 3);
        else if (kod == 0)
            QVERIFY2(vystup.contains(vypis) && vystup.contains("--tlaciaren NÁZOV"), qPrintable(vystup));
        else
            QVERIFY2(chyby.count('\n') == 1 && chyby.startsWith("ortanel-verbano2: ") &&
                         chyby.contains(vypis.replace("%1", dir.path())) &&
                         QDir(dir.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{"subor"},
                     qPrintable(chyby));
    }

    // A model copy and two pupil copies of a correction sheet to the queue: three sheets,
    // the model with its commas, the pupils' with errors planted in every sentence.
    void tisk_do_fronty()
    {
        if (!bez_cups_.isEmpty())
            QSKIP(qPrintable("no private CUPS server: " + bez_cups_));
        QVERIFY(QPrinterInfo::availablePrinterNames().contains(fronta_));
        falesna_platforma platforma;
        const QStringList vety = nacti_sekci(postavena_data() + "/VERBANO2.DAT", "7_3").radky.mid(0, 5);
        QCOMPARE(vety.size(), 5);
        pdf_dialog dialog;
        dialog.fronta = fronta_;
        dialog.kopii = 2;
        QCOMPARE(tiskni_ulohy({3, 3, "OPRAVA", vety}, dialog, nahoda()), vysledek_tisku_t::vytisteno);
        QVERIFY(platforma.zpravy.isEmpty());

        QString pdf;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         const QStringList hotove = QDir(cups("pdf")).entryList({"*.pdf"});
                         pdf = hotove.isEmpty() ? QString() : cups("pdf/" + hotove.first());
                         return !pdf.isEmpty() && lp("lpstat", {"-o", fronta_}).trimmed().isEmpty();
                     },
                     60000),
                 "the queue made no PDF");
        // The queue keeps the document it was sent, whose text reads back (the fonts of
        // cups-pdf's PDF lose their text on the way through PostScript); its PDF has the
        // three sheets.
        const QStringList poslane = QDir(cups("spool")).entryList({"d*"});
        QCOMPARE(poslane.size(), 1);
        const QString poslany = cups("spool/" + poslane.first());
        const QStringList strany = strany_pdf(poslany);
        QCOMPARE(strany.size(), 3);
        for (int s = 0; s < 3; ++s) {
            const QString &text = strany[s];
            QCOMPARE(text.contains("vzor pre učiteľa"), s == 0);
            QCOMPARE(text.contains("Meno: ....."), s > 0);
            for (const QString &radek : vety) {
                const QString veta = vypis_vety(radek).spravna_veta.simplified();
                QVERIFY2(veta.contains(',') || polozky_vety(radek).isEmpty(), qPrintable(veta));
                QVERIFY2(text.contains(veta) == (s == 0), qPrintable(veta + "\n---\n" + text));
            }
        }
        QVERIFY(QString::fromUtf8(spust("pdfinfo", {pdf})).contains(QRegularExpression("Pages: +3\n")));
        // The command line prints to the queue by its name just as well.
        QCOMPARE(QProcess::execute(ORTANEL_BUILD_DIR "/ortanel-verbano2", {"--pracovny-list", "7_3", "--druh", "oprava",
                                                                           "--pocet", "5", "--tlaciaren", fronta_}),
                 0);
        QVERIFY(QTest::qWaitFor(
            [&] {
                return QDir(cups("spool")).entryList({"d*"}).size() == 2 && lp("lpstat", {"-o", fronta_}).isEmpty();
            },
            60000));
    }
};

QTEST_MAIN(tst_tisk_pdf)
#include "tst_tisk_pdf.moc"
