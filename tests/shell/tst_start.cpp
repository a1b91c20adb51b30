// Start-up: every row of its failure table, and the state a successful start leaves.
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/instalace.h"
#include "shell/hl_menu.h"
#include "shell/hostitel.h"
#include "shell/obrazky.h"
#include "shell/start.h"

#include <QApplication>
#include <QtTest>

using ikona_t = platforma_t::ikona_t;

class tst_start : public QObject
{
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<hostitel> okno_;

    // Start-up on a complete installation whose INI holds the lines (%M and %D stand for
    // its folders); the exit code, or -1 when the program runs on.
    int spust(QStringList ini = {QStringLiteral("CD=%M"), QStringLiteral("HD=%D")}, const QString &smazat = {})
    {
        instalace_->vytvor_bitmapy_startu();
        instalace_->zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("0|100|1")}, false);
        instalace_->zapis_data(QStringLiteral("VERBANO2.DAT"), {QStringLiteral("[5_1]"), QStringLiteral("A<b#c>*1")},
                               true);
        for (QString &r : ini)
            r.replace(QLatin1String("%M"), instalace_->media()).replace(QLatin1String("%D"), instalace_->data());
        if (!ini.isEmpty())
            instalace_->zapis_ini(ini);
        const QString kus = instalace_->koren() + QLatin1Char('/') + smazat;
        if (!smazat.isEmpty() && !QFile::remove(kus))
            QDir(kus).removeRecursively();
        platforma_->ini = instalace_->ini();
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [](QWidget *p) { return new hl_menu(p); });
        try {
            return spust_program(*okno_) ? -1 : -2;
        } catch (const konec_programu &k) {
            return k.kod;
        }
    }

private slots:
    void init()
    {
        spolecny_stav = {};
        platforma_ = std::make_unique<falesna_platforma>();
        instalace_ = std::make_unique<docasna_instalace>();
    }
    void cleanup()
    {
        okno_.reset();
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        platforma_.reset();
        instalace_.reset();
    }

    // Values with spaces around them; neither the exceptions, the table nor the log is
    // needed to start.
    void uspesny_start()
    {
        platforma_->displej = QSize(1280, 1024);
        platforma_->hloubka = 16;
        spolecny_stav.napoveda_na_zaciatku = true;
        QCOMPARE(spust({QStringLiteral("CD =  %M  "), QStringLiteral("HD=   %D")}), -1);
        QVERIFY(platforma_->zpravy.isEmpty());
        QCOMPARE(spolecny_stav.adresar_media, instalace_->media());
        QCOMPARE(spolecny_stav.adresar_dat, instalace_->data());
        QCOMPARE(QSize(spolecny_stav.puvodni_sirka, spolecny_stav.puvodni_vyska), QSize(1280, 1024));
        QCOMPARE(spolecny_stav.puvodni_hloubka, 16);
        QVERIFY(!spolecny_stav.napoveda_na_zaciatku);
        QCOMPARE(platforma_->celych_obrazovek, 1);
        auto *menu = qobject_cast<hl_menu *>(okno_->aktualni());
        QVERIFY(menu && menu->titulek_viditelny());
        QCOMPARE(okno_->windowTitle(), QStringLiteral("Ortanel - Verbano 2"));
        QCOMPARE(menu->obrazek_tematu(5, 6, true).size(), QSize(213, 29));
        // The hourglass lasts until the menu's activation.
        QVERIFY(QApplication::overrideCursor());
        QTRY_VERIFY(!QApplication::overrideCursor());
    }

    void selhani_data()
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
        radek("second copy", ok, "", 0, "", 0, {15, 15}, false);
        radek("120 dpi", ok, "", 1, hlasky::male_fonty, 0, {12, 12});
        radek("only vertical differs", ok, "", 1, hlasky::male_fonty, 0, {15, 12});
        radek("no INI file", {}, "", 1, hlasky::chybi_soubory);
        radek("no HD key", {"CD=%M"}, "", 1, hlasky::chybi_soubory);
        radek("CD literally ERROR", {"CD=ERROR", "HD=%D"}, "", 1, hlasky::chybi_soubory);
        radek("no ZNAMKY.DAT", ok, "data/ZNAMKY.DAT", 1, hlasky::chybi_soubory);
        radek("no VERBANO2.DAT", ok, "data/VERBANO2.DAT", 1, hlasky::chybi_soubory);
        radek("lower-case error is a folder", {"CD=error", "HD=%D"}, "", 1, hlasky::chyba_cd);
        radek("empty media folder", ok, "media", 1, hlasky::chyba_cd);
        radek("exit hover", ok, "media/GRAFIKA/SELECT/MKONEH.BMP", 1, hlasky::chyba_cd, 1);
        radek("last topic button", ok, "media/GRAFIKA/SELECT/R_56_1.BMP", 1, hlasky::chyba_cd, 1);
        radek("title", ok, "media/GRAFIKA/TITLE.BMP", 1, hlasky::chyba_cd, 1);
        radek("full screen refused: a 640 × 480 window", ok, "", -1, hlasky::nelze_prepnout);
    }
    void selhani()
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
        platforma_->povol_celou_obrazovku = kod != -1;
        QCOMPARE(spust(ini, smazat), kod);
        QTEST(platforma_->celych_obrazovek, "celych");
        QCOMPARE(platforma_->zpravy.size(), text.isEmpty() ? 0 : 1);
        // Each message with its title and icon.
        const QHash<QString, std::pair<QString, ikona_t>> hlavicky = {
            {hlasky::male_fonty, {QStringLiteral("Upozornenie"), ikona_t::vykricnik}},
            {hlasky::nelze_prepnout, {QStringLiteral("Upozornenie"), ikona_t::zadna}},
            {hlasky::chybi_soubory, {QStringLiteral("Chyba"), ikona_t::stop}},
            {hlasky::chyba_cd, {QStringLiteral("Chyba"), ikona_t::stop}}};
        if (!text.isEmpty()) {
            QCOMPARE(platforma_->zpravy[0].text, text);
            QCOMPARE(platforma_->zpravy[0].titulek, hlavicky[text].first);
            QCOMPARE(platforma_->zpravy[0].ikona, hlavicky[text].second);
        }
        // A second copy and the small-fonts check end before any file is read.
        if (!zamek || twipy != QSize(15, 15))
            QVERIFY(spolecny_stav.adresar_media.isEmpty());
        if (kod == -1) {
            QCOMPARE(okno_->size(), QSize(640, 480));
            QVERIFY(okno_->isVisible());
        }
    }
};

QTEST_MAIN(tst_start)
#include "tst_start.moc"
