// Worksheets through a real print queue: a private CUPS server started here (its own
// configuration, port and socket in a temporary folder) with a cups-pdf queue whose PDF
// files land in that folder; the sheets go to the queue by name through the print run the
// dialog starts, and the PDF the queue made is read back.
#include "common/katalog.h"
#include "common/nahoda.h"
#include "data/kontejner.h"
#include "data/znacky.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/instalace.h"
#include "setup/tisk_beh.h"
#include "setup/tisk_dialog.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

const QString ppd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString zaloha = QStringLiteral("/usr/lib/cups/backend/cups-pdf");

// Stands in for the print dialog: a printer of the print system, chosen by name.
class dialog_fronty : public tiskovy_dialog_t
{
public:
    bool zobraz(QPrinter &tiskarna) override
    {
        tiskarna.setOutputFormat(QPrinter::NativeFormat);
        tiskarna.setPrinterName(fronta);
        tiskarna.setCopyCount(2);
        return true;
    }
    QString fronta;
};

QByteArray spust_b(const QString &program, const QStringList &argumenty, int *kod = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(program, argumenty);
    const bool dobehl = p.waitForFinished(30000);
    if (kod)
        *kod = dobehl && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAll();
}
QString spust(const QString &program, const QStringList &argumenty, int *kod = nullptr)
{
    return QString::fromUtf8(spust_b(program, argumenty, kod));
}

template <typename F> bool dockej(F podminka, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!podminka()) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(100);
    }
    return true;
}

} // namespace

class tst_tisk_cups : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString fronta_, konfigurace_fronty_, chyba_;

    QString cesta(const QString &nazev) const { return dir_.filePath(nazev); }
    QString spust_lp(const QString &program, QStringList argumenty, int *kod = nullptr) const
    {
        return spust(program, QStringList{"-h", cesta("cups.sock")} + argumenty, kod);
    }

    bool zapis(const QString &soubor, const QString &text) const
    {
        QFile f(soubor);
        return f.open(QIODevice::WriteOnly) && f.write(text.arg(dir_.path()).toUtf8()) > 0;
    }

    // The server and its queue; the reason when they cannot be had.
    QString spust_server()
    {
        for (const QString &soubor : {QStringLiteral("/usr/sbin/cupsd"), ppd, zaloha})
            if (!QFile::exists(soubor))
                return soubor + " is missing (the packages cups and printer-driver-cups-pdf)";
        for (const char *slozka : {"spool/tmp", "cache", "state", "log", "pdf", "pdf-spool"}) {
            QDir().mkpath(cesta(slozka));
            QFile::setPermissions(cesta(slozka), QFileDevice::Permissions(0x7777)); // filters run as lp
        }
        // cups-pdf reads a queue's own settings from /etc/cups only (and runs as root).
        fronta_ = QStringLiteral("ortanel_test_%1").arg(QCoreApplication::applicationPid());
        konfigurace_fronty_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(fronta_);
        if (!zapis(konfigurace_fronty_, "Out %1/pdf\nAnonDirName %1/pdf\nSpool %1/pdf-spool\nLog %1/log\n"))
            return "cannot write " + konfigurace_fronty_ + " (cups-pdf's settings of a queue need root)";
        const QString port = QString::number(20000 + QCoreApplication::applicationPid() % 20000);
        if (!zapis(cesta("cupsd.conf"),
                   "Listen 127.0.0.1:" + port +
                       "\nListen %1/cups.sock\nBrowsing No\nWebInterface No\nPreserveJobFiles Yes\n"
                       "DefaultAuthType None\n<Location />\nAllow all\n</Location>\n") ||
            !zapis(cesta("cups-files.conf"), "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                                             "CacheDir %1/cache\nStateDir %1/state\nErrorLog %1/log/error_log\n"
                                             "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                             "User lp\nGroup lp\nSystemGroup root\n"))
            return "cannot write the server's configuration";
        cupsd_.start("/usr/sbin/cupsd", {"-f", "-c", cesta("cupsd.conf"), "-s", cesta("cups-files.conf")});
        if (!cupsd_.waitForStarted() ||
            !dockej([&] { return spust_lp("lpstat", {"-r"}).contains("scheduler is running"); }, 10000))
            return "cupsd did not start: " + QString::fromUtf8(cupsd_.readAllStandardError()) + log();
        int kod = -1;
        const QString vystup =
            spust_lp("lpadmin", {"-p", fronta_, "-E", "-v", "cups-pdf:/" + fronta_, "-P", ppd}, &kod);
        if (kod != 0)
            return "lpadmin failed: " + vystup;
        qputenv("CUPS_SERVER", cesta("cups.sock").toLocal8Bit());
        return {};
    }

    QString log() const
    {
        QFile f(cesta("log/error_log"));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(2000)) : QString();
    }

private slots:
    void initTestCase() { chyba_ = spust_server(); }

    void cleanupTestCase()
    {
        // Stopped by its own process id, whatever happened.
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(10000))
                cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
        if (!konfigurace_fronty_.isEmpty())
            QFile::remove(konfigurace_fronty_);
    }

    // A model copy and two pupil copies of a correction sheet to the queue: three sheets,
    // the model with its commas, the pupils' with errors planted in every sentence.
    void tisk_do_fronty()
    {
        if (!chyba_.isEmpty())
            QSKIP(qPrintable("no private CUPS server: " + chyba_));
        QVERIFY(QPrinterInfo::availablePrinterNames().contains(fronta_));
        falesna_platforma platforma;
        const QStringList vety = nacti_sekci(postavena_data() + "/VERBANO2.DAT", "7_3").radky.mid(0, 5);
        QCOMPARE(vety.size(), 5);
        dialog_fronty dialog;
        dialog.fronta = fronta_;
        QCOMPARE(tiskni_ulohy({3, 3, "OPRAVA", vety}, dialog, nahoda()), vysledek_tisku_t::vytisteno);
        QVERIFY(platforma.zpravy.isEmpty());

        QString pdf;
        QVERIFY2(dockej([&] {
                     const QStringList hotove = QDir(cesta("pdf")).entryList({"*.pdf"});
                     pdf = hotove.isEmpty() ? QString() : cesta("pdf/" + hotove.first());
                     return !pdf.isEmpty() && spust_lp("lpstat", {"-o", fronta_}).trimmed().isEmpty();
                 }),
                 qPrintable("the queue made no PDF\n" + log()));
        // The queue keeps the document it was sent, whose text reads back; the fonts of
        // cups-pdf's PDF lose their text on the way through PostScript, so its three pages
        // are compared with the pages sent as pictures.
        const QStringList poslane = QDir(cesta("spool")).entryList({"d*"});
        QCOMPARE(poslane.size(), 1);
        const QString poslany = cesta("spool/" + poslane.first());
        QStringList strany = spust("pdftotext", {poslany, "-"}).split(u'\f');
        strany.removeLast();
        QCOMPARE(strany.size(), 3);
        for (int s = 0; s < 3; ++s) {
            const QString text = strany[s].simplified();
            QCOMPARE(text.contains("vzor pre učiteľa"), s == 0);
            QCOMPARE(text.contains("Meno: ....."), s > 0);
            for (const QString &radek : vety) {
                const QString veta = vypis_vety(radek).spravna_veta.simplified();
                QVERIFY2(veta.contains(',') || polozky_vety(radek).isEmpty(), qPrintable(veta));
                QVERIFY2(text.contains(veta) == (s == 0), qPrintable(veta + "\n---\n" + text));
            }
        }
        QVERIFY(spust("pdfinfo", {pdf}).contains(QRegularExpression("Pages: +3\n")));
        const auto obraz = [](const QString &soubor, int strana) {
            const QString n = QString::number(strana);
            return QImage::fromData(spust_b("pdftoppm", {"-r", "30", "-gray", "-f", n, "-l", n, soubor}));
        };
        for (int s = 1; s <= 3; ++s) {
            QList<double> rozdil;
            const QImage vytisteny = obraz(pdf, s);
            for (int t = 1; t <= 3; ++t) {
                const QImage o = obraz(poslany, t);
                QCOMPARE(o.size(), vytisteny.size());
                double suma = 0;
                for (int y = 0; y < o.height(); ++y)
                    for (int x = 0; x < o.width(); ++x)
                        suma += qAbs(qGray(o.pixel(x, y)) - qGray(vytisteny.pixel(x, y)));
                rozdil.append(suma);
            }
            QCOMPARE(std::min_element(rozdil.begin(), rozdil.end()) - rozdil.begin(), s - 1);
        }
    }
};

QTEST_MAIN(tst_tisk_cups)
#include "tst_tisk_cups.moc"
