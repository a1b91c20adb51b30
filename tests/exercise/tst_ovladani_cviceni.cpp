// The exercise screen's decisions without the screen: where a choice list opens and
// which entry the pointer is on, the quote key, the bubble's size and picture, the
// dictation's play, pause, resume and count on the sound device, the pointers, the
// continue button's frames and the exercise's picture names.
#include "exercise/bublina.h"
#include "exercise/diktovani.h"
#include "exercise/obrazky_cviceni.h"
#include "exercise/odhaleni.h"
#include "exercise/seznam_vyberu.h"
#include "exercise/ukazatele_cviceni.h"
#include "exercise/uvozovky.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc_stranky.h"

#include <QBitmap>
#include <QtTest>

using rezim_t = zvukove_zarizeni::rezim_t;
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<uprava_textu_t>)

namespace
{
const QString veta_a = QStringLiteral("/media/ZVUK/7_3/1.WAV");
const QString veta_b = QStringLiteral("/media/ZVUK/7_3/2.WAV");

dopln_box_t mezera_vety(int cislo)
{
    dopln_box_t b;
    b.cislo_vety = cislo;
    return b;
}
} // namespace

class tst_ovladani_cviceni : public QObject
{
    Q_OBJECT

private slots:
    // ---- the choice list ----

    void umisteni_seznamu_data()
    {
        QTest::addColumn<QRect>("popisek");
        QTest::addColumn<int>("vyska");
        QTest::addColumn<QList<int>>("sirky");
        QTest::addColumn<QRect>("seznam");
        QTest::newRow("below, to the widest entry + 4")
            << QRect(100, 200, 30, 18) << 54 << QList<int>{20, 41, 33} << QRect(100, 218, 45, 54);
        QTest::newRow("narrow entries keep 18")
            << QRect(100, 200, 12, 18) << 36 << QList<int>{5, 13} << QRect(100, 218, 18, 36);
        QTest::newRow("an entry of 14 makes exactly 18")
            << QRect(10, 87, 12, 18) << 18 << QList<int>{14} << QRect(10, 105, 18, 18);
        QTest::newRow("ends exactly at the bottom: below")
            << QRect(300, 408, 20, 18) << 54 << QList<int>{30} << QRect(300, 426, 34, 54);
        QTest::newRow("one pixel past the bottom: above")
            << QRect(300, 409, 20, 18) << 54 << QList<int>{30} << QRect(300, 355, 34, 54);
        QTest::newRow("last line of the page: above")
            << QRect(95, 450, 40, 18) << 72 << QList<int>{50, 60} << QRect(95, 378, 64, 72);
    }
    void umisteni_seznamu()
    {
        QFETCH(QRect, popisek);
        QFETCH(int, vyska);
        QFETCH(QList<int>, sirky);
        QFETCH(QRect, seznam);
        QCOMPARE(umisti_seznam(popisek, vyska, sirky), seznam);
    }

    void radek_pod_ukazatelem_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("vyska");
        QTest::addColumn<int>("polozek");
        QTest::addColumn<std::optional<int>>("radek");
        QTest::newRow("top") << 0.0 << 54 << 3 << std::optional<int>(0);
        QTest::newRow("last pixel of row 0") << 17.4 << 54 << 3 << std::optional<int>(0);
        QTest::newRow("17.5 rounds to 18: row 1") << 17.5 << 54 << 3 << std::optional<int>(1);
        QTest::newRow("16.5 rounds to even 16: row 0") << 16.5 << 54 << 3 << std::optional<int>(0);
        QTest::newRow("last row") << 53.0 << 54 << 3 << std::optional<int>(2);
        QTest::newRow("the bottom edge computes past the last entry") << 54.0 << 54 << 3 << std::optional<int>();
        QTest::newRow("below the list") << 60.0 << 54 << 3 << std::optional<int>();
        QTest::newRow("above the list") << -3.0 << 54 << 3 << std::optional<int>();
        // 37 / 2 = 18.5 rounds to 18: row 2 at 36 does not exist.
        QTest::newRow("uneven rows round to even") << 36.0 << 37 << 2 << std::optional<int>();
        QTest::newRow("uneven rows, row 1") << 35.0 << 37 << 2 << std::optional<int>(1);
        QTest::newRow("an empty list") << 5.0 << 18 << 0 << std::optional<int>();
    }
    void radek_pod_ukazatelem()
    {
        QFETCH(double, y);
        QFETCH(int, vyska);
        QFETCH(int, polozek);
        QFETCH(std::optional<int>, radek);
        QCOMPARE(radek_seznamu(y, vyska, polozek), radek);
    }

    // ---- the quote key ----

    void klavesa_uvozovek()
    {
        QVERIFY(je_klavesa_uvozovek(47, false));
        QVERIFY(je_klavesa_uvozovek(39, true));
        QVERIFY(!je_klavesa_uvozovek(39, false));
        QVERIFY(!je_klavesa_uvozovek(47, true));
        QVERIFY(!je_klavesa_uvozovek(48, false)); // the next key: § on the Slovak layout
        QVERIFY(!je_klavesa_uvozovek(0, false));
    }

    void uvozovky_test_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kurzor");
        QTest::addColumn<bool>("vyber");
        QTest::addColumn<int>("modifikatory");
        QTest::addColumn<int>("limit");
        QTest::addColumn<std::optional<uprava_textu_t>>("vysledek");
        const int shift = Qt::ShiftModifier;
        const int ctrl = Qt::ControlModifier;
        using u = uprava_textu_t;
        QTest::newRow("Shift: the typed character becomes “")
            << "Povedal: \"" << 10 << false << shift << 0 << std::optional<u>(u{"Povedal: “", 10});
        QTest::newRow("Shift in the middle") << "ab\"cd" << 3 << false << shift << 0 << std::optional<u>(u{"ab“cd", 3});
        QTest::newRow("Shift at the start changes nothing") << "abc" << 0 << false << shift << 0 << std::optional<u>();
        QTest::newRow("Shift with a selection changes nothing")
            << "abc" << 1 << true << shift << 0 << std::optional<u>();
        QTest::newRow("Shift in a full box replaces all the same")
            << "ab" << 2 << false << shift << 2 << std::optional<u>(u{"a“", 2});
        QTest::newRow("Ctrl inserts „ at the caret")
            << "Povedal: " << 9 << false << ctrl << 0 << std::optional<u>(u{"Povedal: „", 10});
        QTest::newRow("Ctrl at the start") << "Ahoj" << 0 << false << ctrl << 0 << std::optional<u>(u{"„Ahoj", 1});
        QTest::newRow("Ctrl before a selection keeps it")
            << "ab cd" << 3 << true << ctrl << 0 << std::optional<u>(u{"ab „cd", 4});
        QTest::newRow("Ctrl in a full box drops nothing") << "ab" << 1 << false << ctrl << 2 << std::optional<u>();
        QTest::newRow("Ctrl with room left") << "ab" << 1 << false << ctrl << 3 << std::optional<u>(u{"a„b", 2});
        QTest::newRow("Alt") << "ab" << 1 << false << int(Qt::AltModifier) << 0 << std::optional<u>();
        QTest::newRow("Shift and Ctrl") << "ab" << 1 << false << (shift | ctrl) << 0 << std::optional<u>();
        QTest::newRow("Shift and Alt") << "ab" << 1 << false << (shift | int(Qt::AltModifier)) << 0
                                       << std::optional<u>();
        QTest::newRow("no modifier") << "ab" << 1 << false << 0 << 0 << std::optional<u>();
    }
    void uvozovky_test()
    {
        QFETCH(QString, text);
        QFETCH(int, kurzor);
        QFETCH(bool, vyber);
        QFETCH(int, modifikatory);
        QFETCH(int, limit);
        QFETCH(std::optional<uprava_textu_t>, vysledek);
        const auto u = uvozovky(text, kurzor, vyber, Qt::KeyboardModifiers(modifikatory), limit);
        QCOMPARE(u.has_value(), vysledek.has_value());
        if (u) {
            QCOMPARE(u->text, vysledek->text);
            QCOMPARE(u->kurzor, vysledek->kurzor);
        }
    }

    // ---- the bubble ----

    void bublina_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("radku");
        QTest::addColumn<QString>("obrazek");
        QString dlouhy;
        while (sirka12(dlouhy) <= 28 * 489 / 10)
            dlouhy += QStringLiteral("Slovo a ďalšie slovo, ");
        QString dva;
        while (sirka12(dva) <= 489 + 50)
            dva += QStringLiteral("pes ");
        QTest::newRow("one line") << "Kúpil chlieb, maslo a mlieko." << 12 << 1 << "GRAFIKA/HINT1.BMP";
        QTest::newRow("two lines at 12 points") << dva.trimmed() << 12 << 2 << "GRAFIKA/HINT2.BMP";
        QTest::newRow("wider than 2.8 labels: 10 points from the start")
            << dlouhy.trimmed() << 10 << int(zalom_do_bubliny(dlouhy.trimmed(), 10).size())
            << obrazek_bubliny(16 * int(zalom_do_bubliny(dlouhy.trimmed(), 10).size()));
    }
    void bublina()
    {
        QFETCH(QString, text);
        QFETCH(int, body);
        QFETCH(int, radku);
        QFETCH(QString, obrazek);
        const bublina_t b = rozvrhni_bublinu(text);
        QCOMPARE(b.body, body);
        QCOMPARE(int(b.radky.size()), radku);
        QCOMPARE(b.vyska, radku * (body == 12 ? 20 : 16));
        QCOMPARE(b.obrazek, obrazek);
        QCOMPARE(b.radky.join(u' '), text.simplified());
    }

    // Words so long that each takes a line of its own at 12 points: four lines, yet not
    // wide enough for 10 points by width alone; set at 10 points, where two share a line.
    void bublina_ctyri_radky_pri_12()
    {
        QString slovo;
        while (sirka12(slovo) < 260)
            slovo += u'm';
        const QString text = QStringList(4, slovo).join(u' ');
        QVERIFY(sirka12(text) * 10 <= 28 * 489);
        QCOMPARE(zalom_do_bubliny(text, 12).size(), 4);
        const bublina_t b = rozvrhni_bublinu(text);
        QCOMPARE(b.body, 10);
        QCOMPARE(b.radky.size(), 2);
        QCOMPARE(b.vyska, 32);
        QCOMPARE(b.obrazek, QStringLiteral("GRAFIKA/HINT2.BMP"));
    }

    void obrazek_bubliny_test_data()
    {
        QTest::addColumn<int>("vyska");
        QTest::addColumn<QString>("obrazek");
        QTest::newRow("20") << 20 << "GRAFIKA/HINT1.BMP";
        QTest::newRow("16") << 16 << "GRAFIKA/HINT1.BMP";
        QTest::newRow("40") << 40 << "GRAFIKA/HINT2.BMP";
        QTest::newRow("32") << 32 << "GRAFIKA/HINT2.BMP";
        QTest::newRow("60") << 60 << "GRAFIKA/HINT3.BMP";
        QTest::newRow("48") << 48 << "GRAFIKA/HINT3.BMP";
        QTest::newRow("64: four lines") << 64 << "";
        QTest::newRow("0") << 0 << "";
    }
    void obrazek_bubliny_test()
    {
        QFETCH(int, vyska);
        QFETCH(QString, obrazek);
        QCOMPARE(obrazek_bubliny(vyska), obrazek);
    }

    // ---- dictation ----

    void diktovani_data()
    {
        QTest::addColumn<int>("rezim");
        QTest::addColumn<QString>("otevreny");
        QTest::addColumn<int>("zbyva");
        QTest::addColumn<bool>("pocitat");
        QTest::addColumn<int>("co");
        QTest::addColumn<int>("zbyva_potom");
        QTest::addColumn<QStringList>("prikazy");
        const int stoji = int(rezim_t::zastaveno), hraje = int(rezim_t::hraje), pauza = int(rezim_t::pozastaveno);
        const QStringList hraj{"Close", "Open " + veta_a, "Play"};
        QTest::newRow("stopped: plays, not counted")
            << stoji << "" << 99 << false << int(diktovani_t::prehrano) << 99 << hraj;
        QTest::newRow("stopped: plays and counts")
            << stoji << "" << 2 << true << int(diktovani_t::prehrano) << 1 << hraj;
        QTest::newRow("playing the same: pauses")
            << hraje << veta_a << 2 << true << int(diktovani_t::pozastaveno) << 2 << QStringList{"Pause"};
        QTest::newRow("paused the same: resumes, not counted")
            << pauza << veta_a << 1 << true << int(diktovani_t::obnoveno) << 1 << QStringList{"Play"};
        QTest::newRow("playing another: stopped, closed, this one plays")
            << hraje << veta_b << 3 << true << int(diktovani_t::prehrano) << 2 << QStringList{"Stop", "Close"} + hraj;
        QTest::newRow("paused another: this one starts")
            << pauza << veta_b << 99 << false << int(diktovani_t::prehrano) << 99 << hraj;
        QTest::newRow("no plays left: nothing starts")
            << stoji << "" << 0 << true << int(diktovani_t::nic) << 0 << QStringList{};
        QTest::newRow("no plays left, another plays: it stops all the same")
            << hraje << veta_b << 0 << true << int(diktovani_t::nic) << 0 << QStringList{"Stop", "Close"};
        QTest::newRow("no plays left, paused on itself: resumes")
            << pauza << veta_a << 0 << true << int(diktovani_t::obnoveno) << 0 << QStringList{"Play"};
    }
    void diktovani()
    {
        QFETCH(int, rezim);
        QFETCH(QString, otevreny);
        QFETCH(int, zbyva);
        QFETCH(bool, pocitat);
        QFETCH(int, co);
        QFETCH(int, zbyva_potom);
        QFETCH(QStringList, prikazy);
        falesny_zvuk zvuk;
        zvuk.hraje_po_play = true;
        if (!otevreny.isEmpty()) {
            zvuk.otevri(otevreny);
            zvuk.hraj();
            if (rezim == int(rezim_t::pozastaveno))
                zvuk.pozastav();
        }
        QCOMPARE(int(zvuk.rezim()), rezim);
        zvuk.vymaz_zaznam();
        const vysledek_diktovani_t v = diktuj(veta_a, zbyva, pocitat);
        QCOMPARE(int(v.co), co);
        QCOMPARE(v.zbyva, zbyva_potom);
        QCOMPARE(v.zapocitano, zbyva_potom != zbyva);
        QCOMPARE(zvuk.prikazy, prikazy);
    }

    void vypnuti_repro_data()
    {
        QTest::addColumn<bool>("souvisly");
        QTest::addColumn<int>("zbyva");
        QTest::addColumn<bool>("hraje");
        QTest::addColumn<bool>("vypnout");
        QTest::newRow("whole text, none left, stopped") << true << 0 << false << true;
        QTest::newRow("the last play still runs") << true << 0 << true << false;
        QTest::newRow("one left") << true << 1 << false << false;
        QTest::newRow("not a whole text") << false << 0 << false << false;
    }
    void vypnuti_repro()
    {
        QFETCH(bool, souvisly);
        QFETCH(int, zbyva);
        QFETCH(bool, hraje);
        QFETCH(bool, vypnout);
        falesny_zvuk zvuk;
        zvuk.hraje_po_play = hraje;
        zvuk.otevri(veta_a);
        zvuk.hraj();
        QCOMPARE(vypnout_repro(souvisly, zbyva), vypnout);
    }

    void mezera_k_diktatu_test_data()
    {
        QTest::addColumn<QStringList>("texty");
        QTest::addColumn<int>("cislo");
        QTest::addColumn<std::optional<int>>("mezera");
        // Boxes of sentences 4, 4, 7, 7, 7.
        QTest::newRow("the first empty gap of the sentence")
            << QStringList{"a", "", "", "x", ""} << 7 << std::optional<int>(3);
        QTest::newRow("spaces count as empty") << QStringList{"a", "  ", "", "", ""} << 4 << std::optional<int>(2);
        QTest::newRow("filled gaps are passed over")
            << QStringList{"a", "b", "c", "", "e"} << 7 << std::optional<int>(4);
        QTest::newRow("all filled: the focus stays") << QStringList{"a", "b", "", "", ""} << 4 << std::optional<int>();
        QTest::newRow("no gap of that sentence") << QStringList{"", "", "", "", ""} << 9 << std::optional<int>();
    }
    void mezera_k_diktatu_test()
    {
        QFETCH(QStringList, texty);
        QFETCH(int, cislo);
        QFETCH(std::optional<int>, mezera);
        const QList<dopln_box_t> boxy{mezera_vety(4), mezera_vety(4), mezera_vety(7), mezera_vety(7), mezera_vety(7)};
        QCOMPARE(mezera_k_diktatu(boxy, texty, cislo), mezera);
    }

    // ---- names ----

    void nazvy()
    {
        QCOMPARE(soubor_diktatu(QStringLiteral("5_3"), 12), QStringLiteral("ZVUK/5_3/12.WAV"));
        QCOMPARE(obrazky_cviceni::zalozka(1, 3, druh_t::doplnovacka), QStringLiteral("GRAFIKA/TABS/L_13_DJ.BMP"));
        QCOMPARE(obrazky_cviceni::napoveda(5, 2, druh_t::oprava), QStringLiteral("GRAFIKA/HELP/52_OC.BMP"));
        QCOMPARE(obrazky_cviceni::napoveda(1, 9, druh_t::diktat), QStringLiteral("GRAFIKA/HELP/19_CV.BMP"));
        QCOMPARE(obrazky_cviceni::zalozka(3, 6, druh_t::vyberovka), QStringLiteral("GRAFIKA/TABS/L_36_VJ.BMP"));
    }

    // ---- pointers ----

    void ukazatele_data()
    {
        QTest::addColumn<int>("ktery");
        QTest::addColumn<QPoint>("horky_bod");
        QTest::newRow("page") << 0 << QPoint(15, 10);
        QTest::newRow("clickable elements") << 1 << QPoint(15, 6);
        QTest::newRow("help") << 2 << QPoint(15, 15);
    }
    void ukazatele()
    {
        QFETCH(int, ktery);
        QFETCH(QPoint, horky_bod);
        const obraz_ukazatele_t o = ktery == 0   ? obraz_ukazatele_stranky()
                                    : ktery == 1 ? obraz_ukazatele_prvku()
                                                 : obraz_ukazatele_napovedy();
        QCOMPARE(o.obrazek.size(), QSize(32, 32));
        QCOMPARE(o.horky_bod, horky_bod);
        // The hot spot is drawn, in black: the pupil sees exactly where he points.
        QCOMPARE(o.obrazek.pixel(horky_bod), 0xff000000u);
        // Monochrome: only black, white and see-through.
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb p = o.obrazek.pixel(x, y);
                QVERIFY(p == 0xff000000u || p == 0xffffffffu || qAlpha(p) == 0);
            }
        const QCursor c = ukazatel(o);
        QCOMPARE(c.hotSpot(), horky_bod);
        QCOMPARE(c.bitmap().size(), QSize(32, 32));
        QCOMPARE(c.mask().toImage().pixelIndex(horky_bod), 1);
    }

    // ---- the continue button's frames ----

    void snimky_odhaleni_data()
    {
        QTest::addColumn<int>("radku");
        QTest::newRow("1 row") << 1;
        QTest::newRow("half") << 4;
        QTest::newRow("whole") << 8;
    }
    void snimky_odhaleni()
    {
        QFETCH(int, radku);
        QImage obraz(60, 40, QImage::Format_RGB32);
        obraz.fill(qRgb(10, 20, 30));
        QImage lice(12, 8, QImage::Format_RGB32);
        lice.fill(qRgb(200, 0, 0));
        lice.setPixel(0, 0, qRgb(255, 0, 255));
        lice.setPixel(5, 0, qRgb(255, 0, 255)); // key colour in the top row
        for (int x = 0; x < 12; ++x)
            lice.setPixel(x, 1, qRgb(0, 200, 0)); // row 1 tells rows apart
        const QPoint kde(30, 25);
        const QImage snimek = snimek_odhaleni(obraz, kde, lice, radku);
        QCOMPARE(snimek.size(), lice.size());
        for (int y = 0; y < 8; ++y) {
            const int radek_lice = y - (8 - radku);
            for (int x = 0; x < 12; ++x) {
                QRgb cekano = obraz.pixel(kde + QPoint(x, y));
                if (radek_lice >= 0 && lice.pixel(x, radek_lice) != qRgb(255, 0, 255))
                    cekano = lice.pixel(x, radek_lice);
                QCOMPARE(snimek.pixel(x, y), cekano);
            }
        }
    }
};

QTEST_MAIN(tst_ovladani_cviceni)
#include "tst_ovladani_cviceni.moc"
