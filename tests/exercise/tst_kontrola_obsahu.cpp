// What the data compiler rejects because the page or the checking could not cope with it.
#include "exercise/kontrola_obsahu.h"
#include "exercise/viceradkovy_box.h"
#include "pomoc_stranky.h"

#include <QtTest>

namespace
{

// A plain sentence that fills three lines of a 12-point box as far as it can.
QString plne_tri_radky()
{
    QString text = QStringLiteral("Slovo");
    const auto zmesti_sa = [](const QString &t) {
        return pocet_radku_v_textboxu(t + QStringLiteral(" slovo."), 12) == 3 &&
               sirka12(t + QStringLiteral(" slovo.")) * 10 <= 28 * 475;
    };
    while (pocet_radku_v_textboxu(text + QStringLiteral("."), 12) < 3 || zmesti_sa(text))
        text += QStringLiteral(" slovo");
    return text;
}

bool obsahuje(const QStringList &duvody, const QString &slovo)
{
    return std::any_of(duvody.begin(), duvody.end(), [&](const QString &d) { return d.contains(slovo); });
}

QStringList vyjimky_obsahu(const QString &klic)
{
    QFile f(QStringLiteral(ORTANEL_SOURCE_DIR "/content/vyjimky/%1.txt").arg(klic));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList radky = QString::fromUtf8(f.readAll()).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    if (!radky.isEmpty())
        radky.removeFirst();
    return radky;
}

} // namespace

class tst_kontrola_obsahu : public QObject
{
    Q_OBJECT

private slots:
    void vety_data()
    {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QStringList>("odmitnute"); // kinds or phrases the reasons must name
        QTest::addColumn<QStringList>("prijate");   // kinds the reasons must not name
        const QStringList vsechny{"VYBEROVKA", "DOPLNOVACKA", "DIKTAT", "OPRAVA"};
        QTest::newRow("ordinary sentence") << "Na kraji lesa rástol du<b#p>.*1" << QStringList{} << vsechny;
        QString dlha;
        for (int i = 0; i < 70; ++i)
            dlha += QStringLiteral("slovo ");
        QTest::newRow("four lines and more") << "Veľmi " + dlha + "<a#b>.*2" << vsechny << QStringList{};
        QTest::newRow("no item") << "Dnes prší.*3" << QStringList{"VYBEROVKA", "DOPLNOVACKA", "no input element"}
                                 << QStringList{"DIKTAT", "OPRAVA", "lines"};
        QTest::newRow("three lines that fit") << plne_tri_radky() + " <a#e>.*4" << QStringList{} << vsechny;
        QTest::newRow("a planted wide form needs a fourth line")
            << plne_tri_radky() + " <a#wwwwwwwwwwwwwwwwwwww>.*5" << QStringList{"OPRAVA"} << QStringList{"DIKTAT"};
        QTest::newRow("correct sentence outside the house style")
            << "Zavolal: „Hej!“a odiš<i#y>el.*6" << QStringList{"house style", "Zavolal: „Hej!“ a odišiel."}
            << QStringList{"lines"};
    }
    void vety()
    {
        QFETCH(QString, radek);
        QFETCH(QStringList, odmitnute);
        QFETCH(QStringList, prijate);
        const QStringList duvody = duvody_odmitnuti_vety(radek);
        for (const QString &s : odmitnute)
            QVERIFY2(obsahuje(duvody, s), qPrintable(s + ": " + duvody.join(" | ")));
        for (const QString &s : prijate)
            QVERIFY2(!obsahuje(duvody, s), qPrintable(s + ": " + duvody.join(" | ")));
        QCOMPARE(duvody.isEmpty(), odmitnute.isEmpty());
    }

    void vyjimky_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("navrh"); // empty: accepted
        QTest::newRow("in style") << "Dnes prší, ale zajtra nie."
                                  << "";
        QTest::newRow("space before a comma") << "Dnes prší ,ale zajtra nie."
                                              << "Dnes prší, ale zajtra nie.";
        QTest::newRow("leading space") << " Dnes prší."
                                       << "Dnes prší.";
        QTest::newRow("double space") << "Dnes  prší."
                                      << "Dnes prší.";
        QTest::newRow("quotes") << "Povedal:„Poď!“"
                                << "Povedal: „Poď!“";
    }
    void vyjimky()
    {
        QFETCH(QString, text);
        QFETCH(QString, navrh);
        const QStringList duvody = duvody_odmitnuti_vyjimky(text);
        QCOMPARE(duvody.isEmpty(), navrh.isEmpty());
        if (!navrh.isEmpty())
            QVERIFY(duvody.first().contains(QLatin1Char('"') + navrh + QLatin1Char('"')));
    }

    // The content written so far passes: the data target builds.
    void obsah_prechadza_data()
    {
        QTest::addColumn<QString>("klic");
        for (const QString &klic : klice_obsahu())
            QTest::newRow(qPrintable(klic)) << klic;
    }
    void obsah_prechadza()
    {
        QFETCH(QString, klic);
        int cislo = 1;
        for (const QString &radek : vety_obsahu(klic)) {
            ++cislo;
            const QStringList duvody = duvody_odmitnuti_vety(radek);
            QVERIFY2(duvody.isEmpty(),
                     qPrintable(QStringLiteral("vety/%1.txt:%2: ").arg(klic).arg(cislo) + duvody.join(" | ")));
        }
        for (const QString &vyjimka : vyjimky_obsahu(klic)) {
            const QStringList duvody = duvody_odmitnuti_vyjimky(vyjimka.left(vyjimka.indexOf(u'*')));
            QVERIFY2(duvody.isEmpty(), qPrintable(duvody.join(" | ")));
        }
    }
};

QTEST_MAIN(tst_kontrola_obsahu)
#include "tst_kontrola_obsahu.moc"
