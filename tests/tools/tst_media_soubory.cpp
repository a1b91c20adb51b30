// Every picture and sound the program can ask for is in the built media folder, at the
// size its screen lays out.
#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/katalog.h"
#include "pomoc/instalace.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace g = geometrie;

namespace
{

// The names the screens build, by the same rules as the screens: grade digit, topic
// number, kind code.
struct soubor_t {
    QString nazev;
    QSize velikost;
};

QList<soubor_t> vsechny_obrazky()
{
    QList<soubor_t> s;
    auto pridej = [&](const QString &n, QSize v) { s.append({QStringLiteral("GRAFIKA/") + n, v}); };
    const QSize cela = g::cela_obrazovka;
    pridej(QStringLiteral("SELECT/BCKG.BMP"), cela);
    pridej(QStringLiteral("TITLE.BMP"), cela);
    pridej(QStringLiteral("CREDITS.BMP"), cela);
    for (int r = 1; r <= 5; ++r)
        for (int stav = 0; stav < 2; ++stav)
            pridej(QStringLiteral("SELECT/L_%1_%2.BMP").arg(r).arg(stav), g::menu::rocnik_obrazek);
    pridej(QStringLiteral("SELECT/MKONEH.BMP"), g::menu::konec_obrazek);
    pridej(QStringLiteral("BG.BMP"), cela);
    pridej(QStringLiteral("TABS/BCKG.BMP"), cela);
    pridej(QStringLiteral("HELP/SETUP2.BMP"), cela);
    for (const char *n : {"MKONTH", "MNOVEH", "MTABH", "MZPETH"})
        pridej(QStringLiteral("%1.BMP").arg(QLatin1String(n)), g::cviceni::tlacitko_hover);
    pridej(QStringLiteral("MZPET.BMP"), g::tabulka::zpet_velikost);
    pridej(QStringLiteral("3LINE_W.BMP"), g::cviceni::veta_box);
    pridej(QStringLiteral("COV_L_W.BMP"), g::cviceni::kryt_levy_1);
    pridej(QStringLiteral("COV1_L_W.BMP"), g::cviceni::kryt_levy_2);
    pridej(QStringLiteral("COV_R_V.BMP"), g::cviceni::kryt_pravy);
    pridej(QStringLiteral("COV1_R_V.BMP"), g::cviceni::kryt_pravy);
    pridej(QStringLiteral("COV2_B.BMP"), g::cviceni::kryt_spodni_1);
    pridej(QStringLiteral("COV1_B.BMP"), g::cviceni::kryt_spodni_2);
    pridej(QStringLiteral("CHECK_OK.BMP"), g::cviceni::znacka);
    pridej(QStringLiteral("CHECK_KO.BMP"), g::cviceni::znacka);
    for (int i = 0; i < 3; ++i)
        pridej(QStringLiteral("HINT%1.BMP").arg(i + 1), QSize(g::cviceni::bublina_sirka, g::cviceni::bublina_vyska[i]));
    for (int i = 0; i <= 3; ++i)
        pridej(QStringLiteral("REP_%1.BMP").arg(i), g::cviceni::pocitadlo);
    pridej(QStringLiteral("POKRACUJ.BMP"), g::posuvne_tlacitko);
    pridej(QStringLiteral("TISKNI.BMP"), g::posuvne_tlacitko);
    pridej(QStringLiteral("SETUP/MZPETH.BMP"), g::nastaveni::zpet_obrazek);
    for (const char *n : {"05", "10", "15", "20", "25", "30"})
        pridej(QStringLiteral("SETUP/SIPKA_%1.BMP").arg(QLatin1String(n)), g::nastaveni::sipka_poctu_obrazek);
    for (int i = 1; i <= 4; ++i)
        pridej(QStringLiteral("SETUP/SIPKA_T%1.BMP").arg(i), g::nastaveni::sipka_druhu_obrazek);
    pridej(QStringLiteral("SETUP/NAP_0.BMP"), g::nastaveni::napoveda_obrazek);
    pridej(QStringLiteral("SETUP/NAP_1.BMP"), g::nastaveni::napoveda_obrazek);
    const char *cisla[4] = {"1X", "2X", "3X", "NE"};
    for (int i = 0; i < 4; ++i)
        for (int stav = 0; stav < 2; ++stav)
            pridej(QStringLiteral("SETUP/NAD_%1_%2.BMP").arg(QLatin1String(cisla[i])).arg(stav),
                   g::nastaveni::cislo_obrazek[i]);
    for (druh_t d : vsechny_druhy) {
        const QString kod = kod_bitmapy(d);
        pridej(QStringLiteral("SETUP/TU_%1_0.BMP").arg(kod), g::nastaveni::druh_obrazek);
        pridej(QStringLiteral("SETUP/TU_%1_1.BMP").arg(kod), g::nastaveni::druh_obrazek);
        pridej(QStringLiteral("SETUP/SMPL_") + kod + QStringLiteral(".BMP"), g::nastaveni::ukazka_obrazek);
        pridej(QStringLiteral("SETUP/SMPL_") + kod + QStringLiteral("2.BMP"), g::nastaveni::ukazka_obrazek);
    }
    for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
        for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
            for (int stav = 0; stav < 2; ++stav)
                pridej(QStringLiteral("SELECT/R_%1%2_%3.BMP").arg(r).arg(t).arg(stav), g::menu::tema_obrazek);
            pridej(QStringLiteral("SETUP/BG_%1%2.BMP").arg(r).arg(t), cela);
            for (druh_t d : vsechny_druhy) {
                const QString pripona = QLatin1Char('_') + kod_bitmapy(d) + QStringLiteral(".BMP");
                pridej(QStringLiteral("TABS/L_%1%2").arg(r).arg(t) + pripona, g::cviceni::zalozka);
                pridej(QStringLiteral("HELP/%1%2").arg(r).arg(t) + pripona, cela);
            }
        }
    return s;
}

bool je_24bitovy(const QString &cesta)
{
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray h = f.read(30);
    return h.size() == 30 && h.startsWith("BM") && static_cast<unsigned char>(h[28]) == 24;
}

} // namespace

class tst_media_soubory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(postavena_media()).isDir(),
                 qPrintable(QStringLiteral("no media folder at %1: build the media target").arg(postavena_media())));
    }

    void obrazek_data()
    {
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<QSize>("velikost");
        for (const soubor_t &s : vsechny_obrazky())
            QTest::newRow(qPrintable(s.nazev)) << s.nazev << s.velikost;
    }
    void obrazek()
    {
        QFETCH(QString, nazev);
        QFETCH(QSize, velikost);
        const QString cesta = QDir(postavena_media()).filePath(nazev);
        const QImage obrazek(cesta, "BMP");
        QVERIFY2(!obrazek.isNull(), qPrintable(cesta));
        QCOMPARE(obrazek.size(), velikost);
        // Help pictures carry no key colour and are stored with a palette; everything else
        // keeps its exact colours.
        if (!nazev.startsWith(QLatin1String("GRAFIKA/HELP/")))
            QVERIFY2(je_24bitovy(cesta), qPrintable(nazev));
    }

    // Every picture the program reads is one that the program can ask for: the folder holds
    // nothing under a name that no screen builds (a misspelt name would hide there).
    void nic_navic()
    {
        QSet<QString> ocekavane;
        for (const soubor_t &s : vsechny_obrazky())
            ocekavane.insert(s.nazev);
        QDirIterator it(QDir(postavena_media()).filePath(QStringLiteral("GRAFIKA")), {QStringLiteral("*")}, QDir::Files,
                        QDirIterator::Subdirectories);
        QStringList navic;
        while (it.hasNext()) {
            const QString nazev = QDir(postavena_media()).relativeFilePath(it.next());
            if (!ocekavane.contains(nazev))
                navic.append(nazev);
        }
        QVERIFY2(navic.isEmpty(), qPrintable(navic.join(QLatin1Char(' '))));
    }

    // Where the layout places pictures at one point, or side by side, they must not cover
    // each other, and each must stay on the screen.
    void rozlozeni_data()
    {
        QTest::addColumn<QRect>("a");
        QTest::addColumn<QRect>("b");
        namespace gn = g::nastaveni;
        namespace gc = g::cviceni;
        const QRect sipka_poctu(gn::sipka_poctu, gn::sipka_poctu_obrazek);
        const QRect sipka_druhu(gn::sipka_druhu, gn::sipka_druhu_obrazek);
        const QRect ukazka(gn::ukazka, gn::ukazka_obrazek);
        for (int i = 0; i < 4; ++i) {
            const QRect cislo(gn::cislo[i], gn::cislo_obrazek[i]);
            const QRect druh(gn::druh[i], gn::druh_obrazek);
            QTest::addRow("count arrow / number %d", i) << sipka_poctu << cislo;
            QTest::addRow("kind arrow / kind %d", i) << sipka_druhu << druh;
            QTest::addRow("sample / number %d", i) << ukazka << cislo;
            QTest::addRow("sample / kind %d", i) << ukazka << druh;
            QTest::addRow("count arrow / kind %d", i) << sipka_poctu << druh;
            for (int j = i + 1; j < 4; ++j) {
                QTest::addRow("kind %d / kind %d", i, j) << druh << QRect(gn::druh[j], gn::druh_obrazek);
                QTest::addRow("top button %d / %d", i, j) << QRect(gc::tlacitka_hover[i], gc::tlacitko_hover)
                                                          << QRect(gc::tlacitka_hover[j], gc::tlacitko_hover);
            }
            QTest::addRow("title tab / top button %d", i)
                << QRect(QPoint(0, 0), gc::zalozka) << QRect(gc::tlacitka_hover[i], gc::tlacitko_hover);
        }
        QTest::newRow("help switch / name") << QRect(gn::napoveda_prepinac, gn::napoveda_obrazek) << gn::jmeno;
        QTest::newRow("print / continue")
            << QRect(gn::tiskni_ven, g::posuvne_tlacitko) << QRect(gn::pokracuj, g::posuvne_tlacitko);
        QTest::newRow("print / count 20")
            << QRect(gn::tiskni_ven, g::posuvne_tlacitko) << QRect(gn::cislo[3], gn::cislo_obrazek[3]);
        QTest::newRow("title tab / page") << QRect(QPoint(0, 0), gc::zalozka) << gc::stranka;
    }
    void rozlozeni()
    {
        QFETCH(QRect, a);
        QFETCH(QRect, b);
        const QRect obrazovka(QPoint(0, 0), g::cela_obrazovka);
        QVERIFY(obrazovka.contains(a));
        QVERIFY(obrazovka.contains(b));
        QVERIFY2(!a.intersects(b), qPrintable(QStringLiteral("(%1,%2 %3×%4) overlaps (%5,%6 %7×%8)")
                                                  .arg(a.x())
                                                  .arg(a.y())
                                                  .arg(a.width())
                                                  .arg(a.height())
                                                  .arg(b.x())
                                                  .arg(b.y())
                                                  .arg(b.width())
                                                  .arg(b.height())));
    }

    // Each picture drawn for a hit area lies over that area: a pupil clicks what he sees.
    void nad_plochou_data()
    {
        QTest::addColumn<QRect>("obrazek");
        QTest::addColumn<QRect>("plocha");
        namespace gm = g::menu;
        namespace gn = g::nastaveni;
        namespace gc = g::cviceni;
        for (int r = 0; r < 5; ++r)
            QTest::addRow("grade %d", r) << QRect(gm::rocnik(r), gm::rocnik_obrazek) << gm::plochy[r];
        QTest::newRow("exit") << QRect(gm::hover[5], gm::konec_obrazek) << gm::plochy[5];
        for (int i = 0; i < 4; ++i) {
            QTest::addRow("count %d", i) << QRect(gn::cislo[i], gn::cislo_obrazek[i]) << gn::plochy[i];
            QTest::addRow("kind %d", i) << QRect(gn::druh[i], gn::druh_obrazek) << gn::plochy[6 + i];
            QTest::addRow("top button %d", i) << QRect(gc::tlacitka_hover[i], gc::tlacitko_hover) << gc::tlacitka[i];
        }
        QTest::newRow("help switch") << QRect(gn::napoveda_prepinac, gn::napoveda_obrazek) << gn::plochy[10];
        QTest::newRow("set-up back") << QRect(gn::zpet_hover, gn::zpet_obrazek) << gn::plochy[11];
        QTest::newRow("results back") << QRect(g::tabulka::zpet_obrazek, g::tabulka::zpet_velikost) << g::tabulka::zpet;
    }
    void nad_plochou()
    {
        QFETCH(QRect, obrazek);
        QFETCH(QRect, plocha);
        // At most a few pixels of the area may stick out of its picture.
        const QRect spolecna = obrazek.intersected(plocha);
        QVERIFY(spolecna.width() >= plocha.width() - 4);
        QVERIFY(spolecna.height() >= plocha.height() - 4);
    }

    void posuvna_tlacitka()
    {
        const QSize v = g::posuvne_tlacitko;
        for (const QPoint kde :
             {g::nastaveni::pokracuj, g::nastaveni::tiskni_ven, g::nastaveni::tiskni_dovnitr, g::cviceni::pokracuj}) {
            QVERIFY(kde.y() + v.height() <= g::vyska_obrazovky);
            QVERIFY(kde.x() + v.width() <= g::sirka_obrazovky);
        }
    }

    void zvuky_rozhrani_data()
    {
        QTest::addColumn<QString>("nazev");
        QTest::newRow("click") << QStringLiteral("ZVUK/CLICK.WAV");
        QTest::newRow("enter") << QStringLiteral("ZVUK/ENTER.WAV");
    }
    void zvuky_rozhrani()
    {
        QFETCH(QString, nazev);
        QFile f(QDir(postavena_media()).filePath(nazev));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(nazev));
        const QByteArray b = f.readAll();
        QVERIFY(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt ");
        const int format = qFromLittleEndian<quint16>(b.constData() + 20);
        const int kanalu = qFromLittleEndian<quint16>(b.constData() + 22);
        const int vzorkovani = static_cast<int>(qFromLittleEndian<quint32>(b.constData() + 24));
        const int bitu = qFromLittleEndian<quint16>(b.constData() + 34);
        const qint64 dat = qFromLittleEndian<quint32>(b.constData() + 40);
        QCOMPARE(format, 1);
        QCOMPARE(kanalu, 1);
        QCOMPARE(bitu, 16);
        QCOMPARE(dat + 44, qint64(b.size()));
        // Short, so that hovering quickly over buttons stays quiet, but audible.
        const double delka = dat / (2.0 * vzorkovani);
        QVERIFY2(delka > 0.02 && delka < 0.25, qPrintable(QString::number(delka)));
        int spicka = 0;
        for (qint64 i = 44; i + 1 < b.size(); i += 2)
            spicka = std::max(spicka, std::abs(int(qFromLittleEndian<qint16>(b.constData() + i))));
        QVERIFY(spicka > 3000);
    }
};

QTEST_GUILESS_MAIN(tst_media_soubory)
#include "tst_media_soubory.moc"
