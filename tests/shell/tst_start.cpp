// Start-up: every row of its failure table, and the state a successful start leaves.
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/instalace.h"
#include "shell/hl_menu.h"
#include "shell/hostitel.h"
#include "shell/obrazky.h"
#include "shell/start.h"

#include <QApplication>
#include <QFile>
#include <QtTest>

namespace {

struct vysledek_t {
    bool skoncil = false;
    int kod = -1;
    hl_menu *menu = nullptr;
};

} // namespace

class tst_start : public QObject {
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<hostitel> okno_;

    vysledek_t spust()
    {
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [](QWidget *p) { return new hl_menu(p); });
        vysledek_t v;
        try {
            v.menu = spust_program(*okno_);
        } catch (const konec_programu &k) {
            v.skoncil = true;
            v.kod = k.kod;
        }
        return v;
    }

    void uplna_instalace()
    {
        instalace_->vytvor_bitmapy_startu();
        instalace_->zapis_data(QStringLiteral("ZNAMKY.DAT"), {QStringLiteral("0|100|1")}, false);
        instalace_->zapis_data(QStringLiteral("VERBANO2.DAT"), {QStringLiteral("[5_1]"), QStringLiteral("A<b#c>*1")}, true);
        instalace_->zapis_vychozi_ini();
        platforma_->ini = instalace_->ini();
    }

    void over_zpravu(const QString &text, const QString &titulek, platforma_t::ikona_t ikona)
    {
        QCOMPARE(platforma_->zpravy.size(), 1);
        QCOMPARE(platforma_->zpravy.first().text, text);
        QCOMPARE(platforma_->zpravy.first().titulek, titulek);
        QCOMPARE(platforma_->zpravy.first().ikona, ikona);
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

    void uspesny_start()
    {
        uplna_instalace();
        platforma_->displej = QSize(1280, 1024);
        platforma_->hloubka = 16;
        spolecny_stav.napoveda_na_zaciatku = true;
        const vysledek_t v = spust();
        QVERIFY(!v.skoncil);
        QVERIFY(v.menu);
        QVERIFY(platforma_->zpravy.isEmpty());
        QCOMPARE(spolecny_stav.adresar_media, instalace_->media());
        QCOMPARE(spolecny_stav.adresar_dat, instalace_->data());
        QCOMPARE(spolecny_stav.puvodni_sirka, 1280);
        QCOMPARE(spolecny_stav.puvodni_vyska, 1024);
        QCOMPARE(spolecny_stav.puvodni_hloubka, 16);
        QVERIFY(!spolecny_stav.napoveda_na_zaciatku);
        QCOMPARE(platforma_->celych_obrazovek, 1);
        QVERIFY(v.menu->titulek_viditelny());
        QCOMPARE(okno_->aktualni(), v.menu);
        QCOMPARE(okno_->windowTitle(), QStringLiteral("Ortanel - Verbano 2"));
        QCOMPARE(v.menu->obrazek_tematu(5, 6, true).size(), QSize(213, 29));
        // The hourglass lasts until the menu's activation.
        QVERIFY(QApplication::overrideCursor());
        QTRY_VERIFY(!QApplication::overrideCursor());
    }

    void druha_kopie_konci_potichu()
    {
        uplna_instalace();
        platforma_->zamek_volny = false;
        const vysledek_t v = spust();
        QVERIFY(v.skoncil);
        QCOMPARE(v.kod, 0);
        QVERIFY(platforma_->zpravy.isEmpty());
        QVERIFY(spolecny_stav.adresar_media.isEmpty());
    }

    void male_fonty_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("120 dpi") << 12 << 12;
        QTest::newRow("only vertical differs") << 15 << 12;
    }
    void male_fonty()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        uplna_instalace();
        platforma_->twipy_x = x;
        platforma_->twipy_y = y;
        const vysledek_t v = spust();
        QVERIFY(v.skoncil);
        over_zpravu(hlasky::male_fonty, QStringLiteral("Upozornenie"), platforma_t::ikona_t::vykricnik);
        // It ends before any file is read.
        QVERIFY(spolecny_stav.adresar_media.isEmpty());
    }

    void chybi_soubory_data()
    {
        QTest::addColumn<QStringList>("ini");
        QTest::addColumn<QString>("smazat");
        QTest::newRow("no INI file") << QStringList() << QString();
        QTest::newRow("no HD key") << QStringList{"CD=%M"} << QString();
        QTest::newRow("no CD key") << QStringList{"HD=%D"} << QString();
        QTest::newRow("CD literally ERROR") << QStringList{"CD=ERROR", "HD=%D"} << QString();
        QTest::newRow("HD literally ERROR") << QStringList{"CD=%M", "HD=ERROR"} << QString();
        QTest::newRow("no ZNAMKY.DAT") << QStringList{"CD=%M", "HD=%D"} << "ZNAMKY.DAT";
        QTest::newRow("no VERBANO2.DAT") << QStringList{"CD=%M", "HD=%D"} << "VERBANO2.DAT";
    }
    void chybi_soubory()
    {
        QFETCH(QStringList, ini);
        QFETCH(QString, smazat);
        uplna_instalace();
        QFile::remove(instalace_->ini());
        if (!ini.isEmpty()) {
            for (QString &r : ini)
                r.replace(QLatin1String("%M"), instalace_->media()).replace(QLatin1String("%D"), instalace_->data());
            instalace_->zapis_ini(ini);
        }
        if (!smazat.isEmpty())
            QVERIFY(QFile::remove(instalace_->data() + QLatin1Char('/') + smazat));
        const vysledek_t v = spust();
        QVERIFY(v.skoncil);
        over_zpravu(hlasky::chybi_soubory, QStringLiteral("Chyba"), platforma_t::ikona_t::stop);
        QCOMPARE(platforma_->celych_obrazovek, 0);
    }

    void hodnoty_s_mezerami_a_bez_vyjimek()
    {
        uplna_instalace();
        instalace_->zapis_ini({QStringLiteral("CD =  ") + instalace_->media() + QStringLiteral("  "),
                               QStringLiteral("HD=   ") + instalace_->data()});
        // Neither the exceptions, the table nor the log is needed to start.
        QFile::remove(instalace_->data() + QStringLiteral("/VYJIMKY.DAT"));
        const vysledek_t v = spust();
        QVERIFY(!v.skoncil);
        QCOMPARE(spolecny_stav.adresar_media, instalace_->media());
    }

    void chybejici_bitmapa_data()
    {
        QTest::addColumn<QString>("bitmapa");
        QTest::addColumn<int>("celych_obrazovek");
        QTest::newRow("empty media folder") << "*" << 0;
        QTest::newRow("background") << "GRAFIKA/SELECT/BCKG.BMP" << 0;
        QTest::newRow("exit hover") << "GRAFIKA/SELECT/MKONEH.BMP" << 1;
        QTest::newRow("last topic button") << "GRAFIKA/SELECT/R_56_1.BMP" << 1;
        QTest::newRow("title") << "GRAFIKA/TITLE.BMP" << 1;
    }
    void chybejici_bitmapa()
    {
        QFETCH(QString, bitmapa);
        QFETCH(int, celych_obrazovek);
        uplna_instalace();
        if (bitmapa == QLatin1String("*"))
            QDir(instalace_->media()).removeRecursively();
        else
            QVERIFY(QFile::remove(instalace_->media() + QLatin1Char('/') + bitmapa));
        const vysledek_t v = spust();
        QVERIFY(v.skoncil);
        over_zpravu(hlasky::chyba_cd, QStringLiteral("Chyba"), platforma_t::ikona_t::stop);
        QCOMPARE(platforma_->celych_obrazovek, celych_obrazovek);
    }

    void error_malymi_pismeny_je_slozka()
    {
        uplna_instalace();
        instalace_->zapis_ini({QStringLiteral("CD=error"), QStringLiteral("HD=") + instalace_->data()});
        const vysledek_t v = spust();
        QVERIFY(v.skoncil);
        over_zpravu(hlasky::chyba_cd, QStringLiteral("Chyba"), platforma_t::ikona_t::stop);
    }

    void odmitnuta_cela_obrazovka()
    {
        uplna_instalace();
        platforma_->povol_celou_obrazovku = false;
        const vysledek_t v = spust();
        QVERIFY(!v.skoncil);
        over_zpravu(hlasky::nelze_prepnout, QStringLiteral("Upozornenie"), platforma_t::ikona_t::zadna);
        QCOMPARE(okno_->size(), QSize(640, 480));
        QVERIFY(okno_->isVisible());
    }
};

QTEST_MAIN(tst_start)
#include "tst_start.moc"
