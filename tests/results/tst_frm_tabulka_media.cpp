// The results screen on the media folder and the mark bands the build produces: every
// grade, topic and kind has its tab, the back button's two looks fit the background, and
// a finished exercise is marked by the installation's own bands.
#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "results/frm_tabulka.h"
#include "shell/plocha.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QtTest>
#include <memory>

namespace
{

namespace gt = geometrie::tabulka;

QImage bitmapa_media(const QString &jmeno)
{
    return QImage(postavena_media() + QStringLiteral("/GRAFIKA/") + jmeno).convertToFormat(QImage::Format_RGB32);
}

// The screen below and beside the tab.
QImage bez_zalozky(QImage obraz)
{
    QPainter p(&obraz);
    p.fillRect(QRect(QPoint(0, 0), geometrie::cviceni::zalozka), Qt::black);
    return obraz;
}

} // namespace

class tst_frm_tabulka_media : public QObject
{
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<docasna_instalace> instalace_;

    static std::unique_ptr<frm_tabulka> otevri(int rocnik, int tema, druh_t druh, int spravne = 0, int spatne = 0,
                                               bool hotovo = false)
    {
        spolecny_stav.rocnik = rocnik;
        spolecny_stav.tema = tema;
        spolecny_stav.druh_ulohy = klicove_slovo(druh);
        spolecny_stav.pocet_uloh = 10;
        spolecny_stav.jmeno_zaka = QStringLiteral("Ľubica Ďurčová");
        spolecny_stav.pocet_spravne = spravne;
        spolecny_stav.pocet_spatne = spatne;
        spolecny_stav.vsetko_skontrolovane = hotovo;
        auto scr = std::make_unique<frm_tabulka>();
        scr->show();
        return scr;
    }

private slots:
    void initTestCase()
    {
        if (!QDir(postavena_media()).exists(QStringLiteral("GRAFIKA/TABS")))
            QSKIP("the media folder has not been rendered (target media)");
        instalace_ = std::make_unique<docasna_instalace>();
        QVERIFY(instalace_->zkopiruj_postavena_data());
        spolecny_stav = {};
        spolecny_stav.adresar_media = postavena_media();
        spolecny_stav.adresar_dat = instalace_->data();
        platforma_ = std::make_unique<falesna_platforma>();
        zvuk_ = std::make_unique<falesny_zvuk>();
    }

    // Each tab lands whole at the top left of the background; a missing one would end the
    // program (the fake platform throws instead).
    void kazda_zalozka()
    {
        const QImage pozadi = bitmapa_media(QStringLiteral("TABS/BCKG.BMP"));
        QCOMPARE(pozadi.size(), QSize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky));
        const QRect misto(QPoint(0, 0), geometrie::cviceni::zalozka);
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t)
                for (druh_t d : vsechny_druhy) {
                    const QString jmeno = QStringLiteral("TABS/L_%1%2_%3.BMP").arg(r).arg(t).arg(kod_bitmapy(d));
                    try {
                        auto scr = otevri(r, t, d);
                        QVERIFY2(scr->obraz().copy(misto) == bitmapa_media(jmeno), qPrintable(jmeno));
                        QVERIFY2(bez_zalozky(scr->obraz()) == bez_zalozky(pozadi), qPrintable(jmeno));
                    } catch (const konec_programu &) {
                        QFAIL(qPrintable(jmeno + QStringLiteral(" is missing")));
                    }
                }
        QVERIFY(platforma_->zpravy.isEmpty());
    }

    // The hover look differs from the loaded screen; moving off gives back exactly the
    // pixels the screen was loaded with.
    void zpet_lici_s_pozadim()
    {
        auto scr = otevri(3, 3, druh_t::doplnovacka);
        const QImage nacteno = scr->obraz();
        const QRect tlacitko(gt::zpet_obrazek, gt::zpet_velikost);
        QCOMPARE(bitmapa_media(QStringLiteral("MZPETH.BMP")).size(), gt::zpet_velikost);
        QCOMPARE(bitmapa_media(QStringLiteral("MZPET.BMP")).size(), gt::zpet_velikost);

        mys::najed(scr.get(), gt::zpet.center());
        QVERIFY(scr->klik_plocha()->zvyraznena());
        QVERIFY(scr->obraz().copy(gt::zpet) != nacteno.copy(gt::zpet));
        mys::najed(scr.get(), QPoint(300, 300));
        QVERIFY(!scr->klik_plocha()->zvyraznena());
        QCOMPARE(scr->obraz().copy(tlacitko), nacteno.copy(tlacitko));
    }

    // The installation's bands: all right is a 1, all wrong a 5, and the row shows it.
    void znamky_instalace_data()
    {
        QTest::addColumn<int>("spravne");
        QTest::addColumn<int>("spatne");
        QTest::addColumn<int>("znamka");
        QTest::newRow("all right") << 12 << 0 << 1;
        QTest::newRow("all wrong") << 0 << 7 << 5;
    }
    void znamky_instalace()
    {
        QFETCH(int, spravne);
        QFETCH(int, spatne);
        QFETCH(int, znamka);
        QFile::remove(instalace_->data() + QStringLiteral("/TAB.DAT"));
        auto scr = otevri(2, 5, druh_t::oprava, spravne, spatne, true);
        QCOMPARE(scr->znamka(), znamka);
        QCOMPARE(scr->popisek(frm_tabulka::sloupec_t::znamka, 0)->text(), QString::number(znamka));
        QCOMPARE(scr->popisek(frm_tabulka::sloupec_t::jmeno, 0)->text(), QStringLiteral("Ľubica Ďurčová"));
    }
};

QTEST_MAIN(tst_frm_tabulka_media)
#include "tst_frm_tabulka_media.moc"
