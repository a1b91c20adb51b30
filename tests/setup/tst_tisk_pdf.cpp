// Worksheets on real output (PDF read back with pdftotext): Qt's print dialog and a stand-in,
// the print button, the command line, and a private CUPS server with a cups-pdf queue.
#include "common/hodiny.h"
#include "common/katalog.h"
#include "common/nahoda.h"
#include "data/kontejner.h"
#include "data/znacky.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/instalace.h"
#include "setup/prikazova_radka.h"
#include "setup/tisk_beh.h"
#include "setup/tisk_dialog.h"
#include "setup/tisk_qt.h"
#include "shell/ukazatel.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

// Stands in for the print dialog: a PDF file or a queue by name, copies, orientation, or cancel.
struct pdf_dialog : tiskovy_dialog_t {
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
        tiskarna.setPageOrientation(QPageLayout::Landscape);
        return true;
    }
    QString soubor, fronta;
    bool hodiny_pri_zobrazeni = false, zrusit = false;
    int kopii = 1, zobrazeni = 0;
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

// The sentences of a built topic.
QStringList vety(const QString &tema) { return nacti_sekci(postavena_data() + "/VERBANO2.DAT", tema).radky; }

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
        zapis(cups("cups-files.conf"),
              "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\nStateDir %1/state\n"
              "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\nUser lp\nGroup lp\n"
              "SystemGroup root\n");
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
                const QStringList radky = vety(cislo_ulohy(r, t));
                QVERIFY(!radky.isEmpty());
                const QString pdf = dir.filePath(cislo_ulohy(r, t) + ".pdf");
                QVERIFY(tiskni_do_pdf({r, t, druh_t::oprava, radky}, pdf, 1, nahoda()));
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
        QTest::newRow("A4, a printer's margins") << int(QPageSize::A4) << 6.35;
        QTest::newRow("Letter, a printer's margins") << int(QPageSize::Letter) << 6.35;
        QTest::newRow("a narrow printable width wraps") << int(QPageSize::A4) << 45.0;
    }
    // Every topic with all its sentences, kind and copy: no header, footer or sentence text passes the printable
    // width in the real fonts.
    void nazvy_a_mezery()
    {
        QFETCH(int, papier);
        QFETCH(double, okraj);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("list.pdf");
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
                for (const druh_t druh : {druh_t::oprava, druh_t::doplnovacka}) {
                    QPrinter tiskarna;
                    tiskarna.setOutputFormat(QPrinter::PdfFormat);
                    tiskarna.setOutputFileName(pdf);
                    tiskarna.setResolution(300);
                    tiskarna.setPageSize(QPageSize(QPageSize::PageSizeId(papier)));
                    tiskarna.setPageMargins(QMarginsF(okraj, 10, okraj, 10), QPageLayout::Millimeter);
                    qt_tiskarna_t vystup(tiskarna);
                    QVERIFY(vystup.zacni());
                    QVERIFY(pracovni_list_t(vystup, {r, t, druh, vety(cislo_ulohy(r, t))}, nahoda(), QDate(2024, 9, 2))
                                .tiskni_ulohy(1));
                    const double sirka = QPageSize(QPageSize::PageSizeId(papier)).size(QPageSize::Millimeter).width();
                    for (const auto &strana : slova_pdf(pdf))
                        for (const auto &[text, box] : strana)
                            QVERIFY2(box.left() >= okraj - 0.5 && box.right() <= sirka - okraj + 0.5,
                                     qPrintable(cislo_ulohy(r, t) + " " + klicove_slovo(druh) + ": " + text));
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
        QCOMPARE(tiskni_ulohy({3, 3, druh_t::oprava, vety("7_3")}, dialog, nahoda()), vysledek_tisku_t::vytisteno);
        QVERIFY(jsou_presypaci_hodiny());
        obnov_ukazatel();
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join('\n')));
        QCOMPARE(strany_pdf(pdf).size(), 2);
    }

    void tlacitko_tisku_data()
    {
        QTest::addColumn<QString>("hlavicka"); // of the only section
        QTest::addColumn<QString>("soubor");   // within a folder where "subor" is a file
        QTest::addColumn<bool>("zrusit");
        QTest::addColumn<vysledek_tisku_t>("vysledek");
        QTest::addColumn<int>("vet");        // printed
        QTest::addColumn<QString>("zprava"); // to the teacher; %1: the file
        const auto radek = [](const char *nazev, const char *hlavicka, const char *soubor, bool zrusit,
                              vysledek_tisku_t v, int vet, const QString &zprava) {
            QTest::newRow(nazev) << QString(hlavicka) << QString(soubor) << zrusit << v << vet << zprava;
        };
        using enum vysledek_tisku_t;
        radek("ordinary section", "[5_1]", "listy.pdf", false, vytisteno, 15, "");
        radek("whole text gives its count", "[5_7]abc", "listy.pdf", false, vytisteno, 10, "");
        radek("no such section", "[5_2]", "listy.pdf", false, malo_radku, 0, hlaska_malo_radku);
        radek("cancelled", "[5_1]", "listy.pdf", true, zruseno, 0, "");
        radek("file cannot be written", "[5_1]", "subor/listy.pdf", false, selhalo, 0,
              "Pracovné listy sa nepodarilo uložiť do súboru\n%1\n");
        radek("no file named", "[5_1]", "", false, selhalo, 0, "nebol zvolený žiadny súbor");
    }
    // The print button draws 15 sentences of the topic (a whole text hands its count back)
    // and prints them on the dialog's Letter turned as asked; the hourglass shows from the
    // press and is gone after the run. A failure is told and leaves no file.
    void tlacitko_tisku()
    {
        QFETCH(QString, hlavicka);
        QFETCH(QString, soubor);
        QFETCH(bool, zrusit);
        QFETCH(vysledek_tisku_t, vysledek);
        QFETCH(int, vet);
        QFETCH(QString, zprava);
        falesna_platforma platforma;
        docasna_instalace instalace;
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("subor")).open(QIODevice::WriteOnly));
        QStringList data{hlavicka};
        for (int i = 1; i <= 20; ++i)
            data.append(QStringLiteral("Veta %1 m<á#a> medzeru.*%2%3").arg(i).arg(i > 10 ? 2 : 1).arg(i % 10));
        instalace.zapis_data("VERBANO2.DAT", data, true);
        const int tema = hlavicka.endsWith("abc") ? 7 : 1; // [5_2]: no section of topic 1
        pdf_dialog dialog;
        dialog.soubor = soubor.isEmpty() ? soubor : dir.filePath(soubor);
        dialog.zrusit = zrusit;
        tisk_ulohy_t tisk(dialog);
        QCOMPARE(tisk.tiskni_cmd_Click(instalace.data() + "/VERBANO2.DAT", 1, tema, druh_t::doplnovacka, 15), vysledek);
        QCOMPARE(platforma.zpravy.size(), zprava.isEmpty() ? 0 : 1);
        if (!zprava.isEmpty())
            QVERIFY2(platforma.zpravy[0].text.contains(zprava.replace("%1", dialog.soubor)) &&
                         (vysledek != vysledek_tisku_t::selhalo || platforma.zpravy[0].titulek == titulek_tisku),
                     qPrintable(platforma.zpravy[0].text));
        QCOMPARE(dialog.zobrazeni, vysledek == vysledek_tisku_t::malo_radku ? 0 : 1);
        QVERIFY(dialog.hodiny_pri_zobrazeni || !dialog.zobrazeni);
        QVERIFY(!jsou_presypaci_hodiny());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 (vet ? QStringList{"listy.pdf", "subor"} : QStringList{"subor"}));
        if (!vet)
            return;
        QCOMPARE(tisk.losovani().pocet_uloh, vet);
        QVERIFY(QString::fromUtf8(spust("pdfinfo", {dialog.soubor})).contains("792 x 612 pts (letter)"));
        // The drawn sentences, not others: the first and the last of the draw.
        const QString text = strany_pdf(dialog.soubor).join(' ');
        for (int i : {0, vet - 1})
            QVERIFY2(text.contains(vypis_vety(tisk.losovani().radek_ulohy(i)).spravna_veta.simplified()),
                     qPrintable(text));
    }

    void volby_data()
    {
        QTest::addColumn<QString>("argumenty"); // %1: a folder holding only the file "subor"
        QTest::addColumn<bool>("program");      // the built program with no display, not the call
        QTest::addColumn<QString>("vypis");     // the one line on standard error
        const QString dobre = "--pracovny-list 7_3 --druh oprava --pocet 10 ";
        QTest::newRow("the program, without a display") << dobre + "--kopie 2 --vystup=%1/listy.pdf" << true << "";
        QTest::newRow("unknown topic") << "--pracovny-list 7_9 --druh oprava --pocet 10 --vystup %1/l.pdf" << true
                                       << "neznáma téma „7_9“";
        QTest::newRow("unknown kind") << "--pracovny-list 7_3 --druh xyz --pocet 10 --vystup %1/l.pdf" << false
                                      << "neznámy druh „xyz“";
        QTest::newRow("kind that does not print")
            << "--pracovny-list 7_3 --druh diktat --pocet 10 --vystup %1/l.pdf" << false << "druh „diktat“ sa nedá";
        QTest::newRow("count of 0") << "--pracovny-list 7_3 --druh oprava --pocet 0 --vystup %1/l.pdf" << false
                                    << "--pocet musí byť 5, 10, 15 alebo 20";
        QTest::newRow("file that cannot be written")
            << dobre + "--vystup %1/subor/listy.pdf" << false << "do súboru „%1/subor/listy.pdf“ sa nedá zapisovať";
        QTest::newRow("no such printer") << dobre + "--tlaciaren nikde" << false
                                         << "tlačiareň „nikde“ v systéme nie je";
        QTest::newRow("data folder that cannot be read")
            << dobre + "--vystup %1/l.pdf" << false << "priečinok údajov „";
    }
    // Bad input: one Slovak line, status 2 and no file. A good run: the model, then a sheet
    // per pupil copy, each from its page 1.
    void volby()
    {
        QFETCH(QString, argumenty);
        QFETCH(bool, program);
        QFETCH(QString, vypis);
        QTemporaryDir dir;
        QVERIFY(QFile(dir.filePath("subor")).open(QIODevice::WriteOnly));
        const QStringList a = argumenty.replace("%1", dir.path()).split(' ', Qt::SkipEmptyParts);
        const bool chyba = !vypis.isEmpty();
        falesna_platforma platforma;
        docasna_instalace instalace; // its ORTANEL.INI names the built data
        instalace.zapis_vychozi_ini();
        platforma.ini = instalace.ini();
        QString vystup, chyby;
        if (program) {
            QProcess p;
            QProcessEnvironment prostredi = QProcessEnvironment::systemEnvironment();
            prostredi.remove("DISPLAY");
            prostredi.insert("QT_QPA_PLATFORM", "xcb");
            p.setProcessEnvironment(prostredi);
            p.start(ORTANEL_BUILD_DIR "/ortanel-verbano2", a);
            QVERIFY(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit);
            QCOMPARE(p.exitCode(), chyba ? 2 : 0);
            chyby = QString::fromUtf8(p.readAllStandardError());
        } else {
            QVERIFY(QTest::currentDataTag() == QLatin1String("data folder that cannot be read") ||
                    instalace.zkopiruj_postavena_data());
            QTextStream o(&vystup), e(&chyby);
            QCOMPARE(int(prikazova_radka::spust(a, o, e)), chyba ? 2 : 0);
        }
        if (chyba)
            QVERIFY2(chyby.count('\n') == 1 && chyby.startsWith("ortanel-verbano2: ") &&
                         chyby.contains(vypis.replace("%1", dir.path())) &&
                         QDir(dir.path()).entryList(QDir::Files | QDir::Hidden) == QStringList{"subor"},
                     qPrintable(chyby));
        else {
            const QStringList strany = strany_pdf(dir.filePath("listy.pdf"));
            QVERIFY(chyby.isEmpty() && strany.filter("Stránka: 1").size() == 3 &&
                    strany.first().contains("vzor pre učiteľa") && strany.filter("vzor pre učiteľa").size() < 3);
        }
    }

    // A model copy and two pupil copies of a correction sheet to the queue: three sheets,
    // the model correct, the pupils' with errors planted (each sentence: kazda_tema).
    void tisk_do_fronty()
    {
        if (!bez_cups_.isEmpty())
            QSKIP(qPrintable("no private CUPS server: " + bez_cups_));
        QVERIFY(QPrinterInfo::availablePrinterNames().contains(fronta_));
        falesna_platforma platforma;
        const QStringList radky = vety("7_3").mid(0, 5);
        pdf_dialog dialog;
        dialog.fronta = fronta_;
        dialog.kopii = 2;
        QCOMPARE(tiskni_ulohy({3, 3, druh_t::oprava, radky}, dialog, nahoda()), vysledek_tisku_t::vytisteno);
        QVERIFY(platforma.zpravy.isEmpty());
        const auto hotovo = [&](qsizetype uloh) {
            return QTest::qWaitFor(
                [&] {
                    return QDir(cups("spool")).entryList({"d*"}).size() == uloh &&
                           !QDir(cups("pdf")).entryList({"*.pdf"}).isEmpty() &&
                           lp("lpstat", {"-o", fronta_}).trimmed().isEmpty();
                },
                60000);
        };
        QVERIFY2(hotovo(1), "the queue made no PDF");
        // The queue keeps the document it was sent, whose text reads back (cups-pdf's fonts
        // lose their text through PostScript); its own PDF has the three sheets.
        const QStringList strany = strany_pdf(cups("spool/" + QDir(cups("spool")).entryList({"d*"}).first()));
        QCOMPARE(strany.size(), 3);
        for (int s = 0; s < 3; ++s)
            QVERIFY2(strany[s].contains("vzor pre učiteľa") == (s == 0) &&
                         strany[s].contains("Meno: .....") == (s > 0) &&
                         strany[s].contains(vypis_vety(radky[0]).spravna_veta.simplified()) == (s == 0),
                     qPrintable(strany[s]));
        const QString pdf = cups("pdf/" + QDir(cups("pdf")).entryList({"*.pdf"}).first());
        QVERIFY(QString::fromUtf8(spust("pdfinfo", {pdf})).contains(QRegularExpression("Pages: +3\n")));
        // The command line prints to the queue by its name just as well.
        QCOMPARE(QProcess::execute(ORTANEL_BUILD_DIR "/ortanel-verbano2", {"--pracovny-list", "7_3", "--druh", "oprava",
                                                                           "--pocet", "5", "--tlaciaren", fronta_}),
                 0);
        QVERIFY(hotovo(2));
    }
};

QTEST_MAIN(tst_tisk_pdf)
#include "tst_tisk_pdf.moc"
