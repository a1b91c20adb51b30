// Start-up: every failure and the state a successful start leaves; reading ORTANEL.INI;
// the single-instance lock (a second copy is refused, a crashed one's lock is not).
#include "common/stav.h"
#include "menu/hl_menu.h"
#include "menu/start.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/instalace.h"
#include "shell/hlasky.h"
#include "shell/hostitel.h"
#include "shell/ini.h"
#include "shell/ukazatel.h"

#include <QApplication>
#include <QtTest>

using ikona_t = platforma_t::ikona_t;

class tst_start : public QObject
{
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<hostitel> okno_;
    QTemporaryDir dir_;

    static QString bez_znacky(const QString &smazat) { return QString(smazat).remove(QRegularExpression("^[!~]")); }

    QString zapis(const QString &nazev, const QByteArray &obsah)
    {
        QFile f(dir_.filePath(nazev));
        return f.open(QIODevice::WriteOnly) && f.write(obsah) == obsah.size() ? f.fileName() : QString();
    }

    // Start-up on a complete installation whose INI holds the lines (%M and %D stand for
    // its folders); the exit code, or -1 when the program runs on.
    int spust(QStringList ini, const QString &smazat)
    {
        instalace_->vytvor_bitmapy_startu();
        instalace_->zapis_nejmensi_data();
        for (QString &r : ini)
            r.replace(QLatin1String("%M"), instalace_->media()).replace(QLatin1String("%D"), instalace_->data());
        instalace_->zapis_ini(ini);
        // Before the name "!": the file becomes garbage; "~": it loses all but its header.
        const QString kus = instalace_->koren() + QLatin1Char('/') + bez_znacky(smazat);
        if (QFile f(kus); smazat.startsWith(QLatin1Char('!')) && f.open(QIODevice::WriteOnly))
            f.write(QByteArray(3000, 'x'));
        else if (smazat.startsWith(QLatin1Char('~')))
            f.resize(100);
        else if (!smazat.isEmpty() && !QFile::remove(kus))
            QDir(kus).removeRecursively();
        platforma_->ini = instalace_->ini();
        int kod = -2;
        const int konec = konec_kodem([&] { kod = spust_program(*okno_) ? -1 : -2; });
        return konec >= 0 ? konec : kod;
    }

private slots:
    void init()
    {
        platforma_ = std::make_unique<falesna_platforma>();
        instalace_ = std::make_unique<docasna_instalace>();
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj<hl_menu>(obrazovka_id::hl_menu);
    }
    void cleanup()
    {
        okno_.reset();
        obnov_ukazatel();
        platforma_.reset();
        instalace_.reset();
    }

    // Every failure shows its message and ends (or, for full screen, goes on in a window);
    // a start without failure leaves the session filled and the title shown.
    void start_data()
    {
        QTest::addColumn<QStringList>("ini");
        QTest::addColumn<QString>("smazat"); // under the installation's folder
        QTest::addColumn<QSize>("twipy");
        QTest::addColumn<bool>("zamek");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("celych"); // full-screen switches before the end
        const QStringList ok{"CD=%M", "HD=%D"};
        const auto radek = [](const char *nazev, const QStringList &ini, const QString &smazat, int kod,
                              const QString &text, int celych = 0, QSize twipy = {15, 15}, bool zamek = true) {
            QTest::newRow(nazev) << ini << smazat << twipy << zamek << kod << text << celych;
        };
        radek("values with spaces around them", {"CD =  %M  ", "HD=   %D"}, "", -1, "", 1);
        radek("second copy", ok, "", 0, "", 0, {15, 15}, false);
        radek("only vertical differs", ok, "", 1, hlasky::male_fonty, 0, {15, 12});
        radek("no HD key", {"CD=%M"}, "", 1, hlasky::chybi_soubory);
        radek("CD literally ERROR", {"CD=ERROR", "HD=%D"}, "", 1, hlasky::chybi_soubory);
        radek("no ZNAMKY.DAT", ok, "data/ZNAMKY.DAT", 1, hlasky::chybi_soubory);
        radek("lower-case error is a folder", {"CD=error", "HD=%D"}, "", 1, hlasky::chyba_cd);
        radek("empty media folder", ok, "media", 1, hlasky::chyba_cd);
        radek("title", ok, "media/GRAFIKA/TITLE.BMP", 1, hlasky::chyba_cd, 1);
        radek("a topic button that is no picture", ok, "!media/GRAFIKA/SELECT/R_13_0.BMP", 1, hlasky::chyba_cd, 1);
        radek("a cut-off topic button", ok, "~media/GRAFIKA/SELECT/R_56_1.BMP", 1, hlasky::chyba_cd, 1);
        radek("full screen refused: a 640 × 480 window", ok, "", -1, hlasky::nelze_prepnout);
    }
    void start()
    {
        QFETCH(QSize, twipy);
        QFETCH(bool, zamek);
        QFETCH(int, kod);
        QFETCH(QString, text);
        QFETCH(QStringList, ini);
        QFETCH(QString, smazat);
        platforma_->twipy_x = twipy.width();
        platforma_->twipy_y = twipy.height();
        platforma_->zamek_volny = zamek;
        platforma_->povol_celou_obrazovku = text != hlasky::nelze_prepnout;
        okno_->sezeni().napoveda_na_zaciatku = true;
        // What is missing goes to standard error with the reason.
        if (text == hlasky::chybi_soubory || text == hlasky::chyba_cd)
            QTest::ignoreMessage(
                QtCriticalMsg,
                QRegularExpression((smazat.isEmpty() ? QStringLiteral("(ORTANEL\\.INI|error/GRAFIKA/SELECT/BCKG\\.BMP)")
                                                     : QRegularExpression::escape(bez_znacky(smazat))) +
                                   QStringLiteral("\\S*: \\S")));
        QCOMPARE(spust(ini, smazat), kod);
        QTEST(platforma_->celych_obrazovek, "celych");
        QCOMPARE(platforma_->zpravy.size(), text.isEmpty() ? 0 : 1);
        if (!text.isEmpty()) { // each message with its title and icon
            const auto &z = platforma_->zpravy[0];
            const bool chyba = text == hlasky::chybi_soubory || text == hlasky::chyba_cd;
            QCOMPARE(z.text, text);
            QCOMPARE(z.titulek, chyba ? QStringLiteral("Chyba") : QStringLiteral("Upozornenie"));
            QCOMPARE(z.ikona, chyba ? ikona_t::stop : text == hlasky::male_fonty ? ikona_t::vykricnik : ikona_t::zadna);
        }
        // A second copy and the small-fonts check end before any file is read.
        if (!zamek || twipy != QSize(15, 15))
            QVERIFY(okno_->sezeni().adresar_media.isEmpty());
        if (kod != -1)
            return;
        QCOMPARE(okno_->size(), QSize(640, 480));
        QCOMPARE(okno_->sezeni().adresar_media + okno_->sezeni().adresar_dat, instalace_->media() + instalace_->data());
        QVERIFY(!okno_->sezeni().napoveda_na_zaciatku);
        auto *menu = qobject_cast<hl_menu *>(okno_->aktualni());
        QVERIFY(menu && menu->titulek_viditelny());
        // The hourglass lasts until the menu's activation.
        QVERIFY(QApplication::overrideCursor());
        QTRY_VERIFY(!QApplication::overrideCursor());
    }

    void ini_data()
    {
        QTest::addColumn<QByteArray>("obsah");
        QTest::addColumn<QString>("hodnota"); // of key CD in section VBN2
        QTest::newRow("plain") << QByteArray("[VBN2]\r\nCD=/media/cd\r\nHD=/home/skola/data\r\n") << "/media/cd";
        QTest::newRow("key of another section") << QByteArray("[INE]\nCD=/x\n[VBN2]\nHD=/y\n") << "ERROR";
        QTest::newRow("names ignore case") << QByteArray("[vbn2]\ncd=/x\n") << "/x";
        QTest::newRow("empty value") << QByteArray("[VBN2]\nCD=\n") << "";
        QTest::newRow("quoted value") << QByteArray("[VBN2]\nCD=\"/a b/\"\n") << "/a b/";
        QTest::newRow("first of two wins") << QByteArray("[VBN2]\nCD=/a\nCD=/b\n") << "/a";
        QTest::newRow("comment skipped") << QByteArray("[VBN2]\n;CD=/a\nCD=/b\n") << "/b";
        QTest::newRow("Slovak letters") << QByteArray("[VBN2]\nCD=/škola/dáta\n") << "/škola/dáta";
        QTest::newRow("longest value is 254 characters") << QByteArray("[VBN2]\nCD=") + QByteArray(300, 'x') + "\n"
                                                         << QString(254, u'x');
    }
    void ini()
    {
        QFETCH(QByteArray, obsah);
        QTEST(nacti_ini_hodnotu(zapis(QStringLiteral("ORTANEL.INI"), obsah), QStringLiteral("VBN2"),
                                QStringLiteral("CD")),
              "hodnota");
        for (const QString &chybi : {dir_.filePath(QStringLiteral("nic.INI")), QString()})
            QCOMPARE(nacti_ini_hodnotu(chybi, QStringLiteral("VBN2"), QStringLiteral("CD")), QStringLiteral("ERROR"));
    }

    void jedina_instance()
    {
        const QString zamek = dir_.filePath(QStringLiteral("a.lock"));
        {
            skutecna_platforma_t prvni(zamek);
            QVERIFY(prvni.zamkni_jedinou_instanci());
            QVERIFY(prvni.zamkni_jedinou_instanci());
            QVERIFY(!skutecna_platforma_t(zamek).zamkni_jedinou_instanci());
        }
        // When the first copy is gone the next one starts, and so it does over the lock a
        // process that no longer exists left behind.
        QVERIFY(skutecna_platforma_t(zamek).zamkni_jedinou_instanci());
        zapis(QStringLiteral("a.lock"),
              ("999999\n" + QCoreApplication::applicationName() + "\n" + QSysInfo::machineHostName() + "\n").toUtf8());
        QVERIFY(skutecna_platforma_t(zamek).zamkni_jedinou_instanci());
    }
};

QTEST_MAIN(tst_start)
#include "tst_start.moc"
