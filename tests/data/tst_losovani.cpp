// Drawing the sentences of an exercise: distinct random choice with keep mode, whole texts.
#include "common/nahoda.h"
#include "data/losovani.h"
#include "data/znacky.h"

#include <QSet>
#include <QtTest>

namespace
{

QStringList sekce(int n)
{
    QStringList radky;
    for (int i = 1; i <= n; ++i)
        radky.append(QStringLiteral("Veta <%1#x>*%1").arg(i));
    return radky;
}

// Whole texts: text t has sentences *t0 … *t9, except the tags listed as missing.
QStringList souvisle_texty(int textu, const QSet<int> &chybejici = {})
{
    QStringList radky;
    for (int t = 1; t <= textu; ++t)
        for (int d = 0; d <= 9; ++d)
            if (!chybejici.contains(t * 10 + d))
                radky.append(QStringLiteral("Text %1 veta <%2#x>*%1%2").arg(t).arg(d));
    return radky;
}

losovani_t vylosuj_s(int uloh, const QStringList &radky, bool souvisly = false)
{
    losovani_t s;
    s.pocet_uloh = uloh;
    if (vylosuj(s, radky, souvisly, nahoda()) != vysledek_losovani_t::ok)
        s.vybrane_radky.clear();
    return s;
}

} // namespace

class tst_losovani : public QObject
{
    Q_OBJECT

private slots:
    void nahodny_vyber_data()
    {
        QTest::addColumn<int>("radku");
        QTest::addColumn<int>("uloh");
        QTest::addColumn<int>("zachovat"); // tasks kept from an earlier page, drawn again
        QTest::newRow("20 of 1000") << 1000 << 20 << 0;
        QTest::newRow("exactly as many lines as tasks") << 10 << 10 << 0;
        QTest::newRow("keep 20 of 30") << 60 << 30 << 20;
        QTest::newRow("keep all but the last") << 5 << 5 << 4;
    }
    // Over many seeds: every task a distinct valid line; kept tasks stay in their places.
    void nahodny_vyber()
    {
        QFETCH(int, radku);
        QFETCH(int, uloh);
        QFETCH(int, zachovat);
        for (int seminko = 1; seminko <= 150; ++seminko) {
            nahoda().zafixuj(seminko);
            losovani_t s = vylosuj_s(uloh, sekce(radku));
            const QList<int> puvodni = s.vybrane_radky;
            if (zachovat > 0) {
                s.pocet_zobrazenych = zachovat;
                s.zachovat_vybrane = true;
                QCOMPARE(vylosuj(s, sekce(radku), false, nahoda()), vysledek_losovani_t::ok);
                QCOMPARE(s.vybrane_radky.mid(0, zachovat), puvodni.mid(0, zachovat));
            }
            QCOMPARE(s.vybrane_radky.size(), uloh);
            QCOMPARE(QSet<int>(s.vybrane_radky.begin(), s.vybrane_radky.end()).size(), uloh);
            for (int i : s.vybrane_radky)
                QVERIFY(i >= 0 && i < radku);
        }
    }

    void malo_radku_necha_vyber()
    {
        losovani_t s;
        s.pocet_uloh = 5;
        s.vybrane_radky = {3, 1, 2};
        QCOMPARE(vylosuj(s, sekce(4), false, nahoda()), vysledek_losovani_t::malo_radku);
        QCOMPARE(s.vybrane_radky, (QList<int>{3, 1, 2}));
        QVERIFY(vylosuj_s(1, {}).vybrane_radky.isEmpty());
        // The count is compared before the mode is known, whole texts included.
        QVERIFY(vylosuj_s(20, souvisle_texty(1), true).vybrane_radky.isEmpty());
    }

    // Lines the screen could not show are never drawn, and do not count for the exercise.
    void necitelne_radky_vynechany()
    {
        const QStringList radky = sekce(3) + QStringList{"Bez čísla <a#b>", "Riadok \x01 <a#b>*7", "Bez * čísla <a#b>*",
                                                         "Slovo " + QString(41, u'a') + " <a#b>*8"};
        const losovani_t s = vylosuj_s(3, radky);
        QCOMPARE(s.radky_sekce, sekce(3));
        QCOMPARE(s.vybrane_radky.size(), 3);
        QVERIFY(vylosuj_s(4, radky).vybrane_radky.isEmpty());
    }

    // Words are measured as the sentence is shown: items by their first form. Empty: shown.
    void proc_vynechat_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QString>("duvod");
        const auto a = [](int n) { return QString(n, u'a'); };
        // clang-format off
        QTest::newRow("word at the limit") << "Slovo " + a(40) + " <a#b>*1" << "";
        QTest::newRow("word one over") << "Slovo " + a(41) + "*1" << "word of 41 ";
        QTest::newRow("first long word named") << a(41) + " " + a(50) + "*1" << "word of 41 ";
        QTest::newRow("word through an item") << a(20) + "<" + a(10) + "#x>" + a(11) + "*1" << "word of 41 ";
        QTest::newRow("wrong forms not counted") << a(39) + "<a#" + a(30) + ">*1" << "";
        QTest::newRow("second form not counted") << a(30) + "<" + a(10) + "^" + a(20) + "#x>*1" << "";
        QTest::newRow("space in a form splits") << a(30) + "<" + a(10) + " " + a(10) + "#x>" + a(30) + "*1" << "";
        QTest::newRow("space in a form, one over") << a(31) + "<" + a(10) + " b#x>*1" << "word of 41 ";
        QTest::newRow("line separator splits") << a(40) + "¦" + a(40) + "*1" << "";
        QTest::newRow("unclosed < is text") << a(25) + "<" + a(10) + "#" + a(5) + "*1" << "word of 42 ";
        QTest::newRow("> before # is text") << a(25) + "<a>" + a(10) + "#b>*1" << "word of 41 ";
        QTest::newRow("number not counted") << "Veta*1" + a(50) << "";
        QTest::newRow("control after the number") << "Veta*1\x7f" << "code 127";
        QTest::newRow("space before the number") << "Veta <a#b>* 1" << "no \"*\"";
        // clang-format on
    }
    void proc_vynechat()
    {
        QFETCH(QString, radek);
        QFETCH(QString, duvod);
        const std::optional<QString> d = ::proc_vynechat(radek);
        QCOMPARE(d.has_value(), !duvod.isEmpty());
        QVERIFY2(!d || d->contains(duvod), qPrintable(d.value_or(QString())));
    }

    // Every line has the same chance: 1 of 10 drawn 20,000 times with a fixed seed.
    void rovnomernost()
    {
        nahoda().zafixuj(4242);
        QList<int> pocty(10, 0);
        for (int i = 0; i < 20000; ++i)
            ++pocty[vylosuj_s(1, sekce(10)).vybrane_radky.first()];
        double chi2 = 0;
        for (int p : pocty)
            chi2 += (p - 2000.0) * (p - 2000.0) / 2000.0;
        // 9 degrees of freedom: 27.9 is the 0.1 % quantile.
        QVERIFY2(chi2 < 27.9, qPrintable(QString::number(chi2)));
    }

    // One text drawn at random: its sentences in tag order, a missing digit skipped.
    void souvisly_text()
    {
        const QStringList radky = souvisle_texty(3, {27});
        QCOMPARE(pocet_textu(radky), 3);
        QSet<int> texty;
        for (int seminko = 1; seminko <= 100; ++seminko) {
            nahoda().zafixuj(seminko);
            const losovani_t s = vylosuj_s(5, radky, true);
            const int text = cislo_vety(s.radek_ulohy(0)) / 10;
            texty.insert(text);
            QList<int> ocekavane;
            for (int i = 0; i < radky.size(); ++i)
                if (cislo_vety(radky[i]) / 10 == text)
                    ocekavane.append(i);
            QCOMPARE(s.vybrane_radky, ocekavane);
            QCOMPARE(s.pocet_uloh, text == 2 ? 9 : 10);
        }
        QCOMPARE(texty, (QSet<int>{1, 2, 3}));
    }
};

QTEST_APPLESS_MAIN(tst_losovani)
#include "tst_losovani.moc"
