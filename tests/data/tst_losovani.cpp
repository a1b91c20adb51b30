// Drawing the sentences of an exercise: distinct random choice with keep mode, whole texts.
#include "common/nahoda.h"
#include "data/losovani.h"
#include "data/vyjimky.h"

#include <QSet>
#include <QtTest>

namespace {

QStringList sekce(int n)
{
    QStringList radky;
    for (int i = 1; i <= n; ++i)
        radky.append(QStringLiteral("Veta <%1#x>*%1").arg(i));
    return radky;
}

// Whole texts: text t has sentences *t0 … *t9, except the digits listed as missing.
QStringList souvisle_texty(int textu, const QSet<int> &chybejici = {})
{
    QStringList radky;
    for (int t = 1; t <= textu; ++t)
        for (int d = 0; d <= 9; ++d)
            if (!chybejici.contains(t * 10 + d))
                radky.append(QStringLiteral("Text %1 veta <%2#x>*%1%2").arg(t).arg(d));
    return radky;
}

} // namespace

class tst_losovani : public QObject {
    Q_OBJECT

private slots:
    void nahodny_vyber_data()
    {
        QTest::addColumn<int>("radku");
        QTest::addColumn<int>("uloh");
        QTest::newRow("20 of 1000") << 1000 << 20;
        QTest::newRow("exactly as many lines as tasks") << 10 << 10;
        QTest::newRow("a single task") << 7 << 1;
        QTest::newRow("one line, one task") << 1 << 1;
    }
    // Over many seeds: every task a distinct valid line, and an exact fit uses every line.
    void nahodny_vyber()
    {
        QFETCH(int, radku);
        QFETCH(int, uloh);
        for (int seminko = 1; seminko <= 200; ++seminko) {
            nahoda().zafixuj(seminko);
            losovani_t s;
            s.pocet_uloh = uloh;
            QCOMPARE(vylosuj(s, sekce(radku), false, nahoda()), vysledek_losovani_t::ok);
            QCOMPARE(s.vybrane_radky.size(), uloh);
            const QSet<int> ruzne(s.vybrane_radky.begin(), s.vybrane_radky.end());
            QCOMPARE(ruzne.size(), uloh);
            for (int i : s.vybrane_radky)
                QVERIFY(i >= 0 && i < radku);
            if (radku == uloh)
                QCOMPARE(ruzne.size(), radku);
        }
    }

    void malo_radku_necha_vyber()
    {
        losovani_t s;
        s.pocet_uloh = 5;
        s.vybrane_radky = {3, 1, 2};
        QCOMPARE(vylosuj(s, sekce(4), false, nahoda()), vysledek_losovani_t::malo_radku);
        QCOMPARE(s.vybrane_radky, (QList<int>{3, 1, 2}));
        s.pocet_uloh = 1;
        QCOMPARE(vylosuj(s, {}, false, nahoda()), vysledek_losovani_t::malo_radku);
        // The count is compared before the mode is known, whole texts included.
        s.pocet_uloh = 20;
        QCOMPARE(vylosuj(s, souvisle_texty(1), true, nahoda()), vysledek_losovani_t::malo_radku);
    }

    void zachovani_vybranych()
    {
        for (int seminko = 1; seminko <= 100; ++seminko) {
            nahoda().zafixuj(seminko);
            losovani_t s;
            s.pocet_uloh = 30;
            QCOMPARE(vylosuj(s, sekce(60), false, nahoda()), vysledek_losovani_t::ok);
            const QList<int> puvodni = s.vybrane_radky;
            s.pocet_zobrazenych = 20;
            s.zachovat_vybrane = true;
            QCOMPARE(vylosuj(s, sekce(60), false, nahoda()), vysledek_losovani_t::ok);
            QCOMPARE(s.vybrane_radky.mid(0, 20), puvodni.mid(0, 20));
            const QSet<int> ruzne(s.vybrane_radky.begin(), s.vybrane_radky.end());
            QCOMPARE(ruzne.size(), 30);
        }
    }

    // With the keep mode on the last page the new tasks still come from the free lines.
    void zachovani_vsech_az_na_posledni()
    {
        nahoda().zafixuj(9);
        losovani_t s;
        s.pocet_uloh = 5;
        vylosuj(s, sekce(5), false, nahoda());
        const QList<int> puvodni = s.vybrane_radky;
        s.pocet_zobrazenych = 4;
        s.zachovat_vybrane = true;
        QCOMPARE(vylosuj(s, sekce(5), false, nahoda()), vysledek_losovani_t::ok);
        QCOMPARE(s.vybrane_radky, puvodni);
    }

    // Every line has the same chance: 1 of 10 drawn 20,000 times with a fixed seed.
    void rovnomernost()
    {
        nahoda().zafixuj(4242);
        QList<int> pocty(10, 0);
        const int pokusu = 20000;
        for (int i = 0; i < pokusu; ++i) {
            losovani_t s;
            s.pocet_uloh = 1;
            vylosuj(s, sekce(10), false, nahoda());
            ++pocty[s.vybrane_radky.first()];
        }
        double chi2 = 0;
        for (int p : pocty)
            chi2 += (p - pokusu / 10.0) * (p - pokusu / 10.0) / (pokusu / 10.0);
        // 9 degrees of freedom: 27.9 is the 0.1 % quantile.
        QVERIFY2(chi2 < 27.9, qPrintable(QString::number(chi2)));
    }

    // Shuffling mixes the positions too: the first task is not always the lower index.
    void poradi_je_zamichane()
    {
        int prvni_mensi = 0;
        for (int seminko = 1; seminko <= 400; ++seminko) {
            nahoda().zafixuj(seminko);
            losovani_t s;
            s.pocet_uloh = 2;
            vylosuj(s, sekce(2), false, nahoda());
            prvni_mensi += s.vybrane_radky[0] < s.vybrane_radky[1];
        }
        QVERIFY(prvni_mensi > 150 && prvni_mensi < 250);
    }

    void souvisly_text()
    {
        QSet<int> vybrane_texty;
        for (int seminko = 1; seminko <= 200; ++seminko) {
            nahoda().zafixuj(seminko);
            losovani_t s;
            s.pocet_uloh = 5;
            const QStringList radky = souvisle_texty(3);
            QCOMPARE(vylosuj(s, radky, true, nahoda()), vysledek_losovani_t::ok);
            QCOMPARE(s.pocet_uloh, 10);
            QCOMPARE(s.vybrane_radky.size(), 10);
            const int text = s.vybrane_radky.first() / 10 + 1;
            vybrane_texty.insert(text);
            for (int d = 0; d < 10; ++d)
                QCOMPARE(s.radek_ulohy(d), radky[(text - 1) * 10 + d]);
        }
        QCOMPARE(vybrane_texty, (QSet<int>{1, 2, 3}));
    }

    void souvisly_text_s_chybejici_vetou()
    {
        const QStringList radky = souvisle_texty(3, {27});
        QCOMPARE(pocet_textu(radky), 3);
        for (int seminko = 1; seminko <= 100; ++seminko) {
            nahoda().zafixuj(seminko);
            losovani_t s;
            s.pocet_uloh = 5;
            vylosuj(s, radky, true, nahoda());
            const bool text2 = s.radek_ulohy(0).startsWith(QLatin1String("Text 2"));
            QCOMPARE(s.pocet_uloh, text2 ? 9 : 10);
            if (text2)
                QVERIFY(!s.radek_ulohy(7).contains(QLatin1String("*27")));
        }
    }

    // The tag search takes, per digit, the first line in file order that contains the tag.
    void hledani_znacky_je_podretezec()
    {
        const QStringList radky{"Prvý výskyt *10 v texte <a#b>*99", "Text <a#b>*10", "Text <a#b>*11", "Text <a#b>*19"};
        nahoda().zafixuj(1);
        losovani_t s;
        s.pocet_uloh = 1;
        vylosuj(s, radky, true, nahoda());
        QCOMPARE(pocet_textu(radky), 1);
        QCOMPARE(s.vybrane_radky, (QList<int>{0, 2, 3}));
    }

    void vyjimky_data()
    {
        QTest::addColumn<QStringList>("seznam");
        QTest::addColumn<QString>("veta");
        QTest::addColumn<int>("cislo");
        QTest::addColumn<bool>("prijata");
        const QStringList dve{"Prišlo 25 žiakov.*14", "Prišlo dvadsaťpäť žiakov.*14"};
        QTest::newRow("first entry") << dve << "Prišlo 25 žiakov." << 14 << true;
        QTest::newRow("second entry") << dve << "Prišlo dvadsaťpäť žiakov." << 14 << true;
        QTest::newRow("other sentence number") << dve << "Prišlo 25 žiakov." << 15 << false;
        QTest::newRow("number compared as a number") << QStringList{"Áno.*014"} << "Áno." << 14 << true;
        QTest::newRow("a lone entry counts too") << QStringList{"Áno.*3"} << "Áno." << 3 << true;
        QTest::newRow("case-sensitive") << QStringList{"Áno.*3"} << "áno." << 3 << false;
        QTest::newRow("empty list") << QStringList{} << "Áno." << 3 << false;
        QTest::newRow("entry without a star is skipped") << QStringList{"Áno.", "Áno.*3"} << "Áno." << 3 << true;
    }
    void vyjimky()
    {
        QFETCH(QStringList, seznam);
        QFETCH(QString, veta);
        QFETCH(int, cislo);
        QFETCH(bool, prijata);
        QCOMPARE(vyjimky_t{seznam}.prijme(veta, cislo), prijata);
    }

    void vyjimky_chybejici_soubor()
    {
        const vyjimky_t v = nacti_vyjimky(QStringLiteral("/nonexistent/VYJIMKY.DAT"), QStringLiteral("7_2"));
        QCOMPARE(v.pocet_vyjimek(), 0);
        QVERIFY(!v.prijme(QStringLiteral("x"), 1));
    }
};

QTEST_APPLESS_MAIN(tst_losovani)
#include "tst_losovani.moc"
