// The set-up screen on the media folder the build renders: every topic loads, every
// sample can be shown, and the pictures drawn at the screen's positions fit the art
// (a choice given back its normal look leaves the screen as it was loaded).
#include "common/geometrie.h"
#include "common/katalog.h"
#include "common/stav.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/mys.h"
#include "setup/frm_select.h"
#include "shell/plocha.h"

#include <QDir>
#include <QLineEdit>
#include <QtTest>
#include <memory>

namespace
{

namespace gn = geometrie::nastaveni;

QPoint stred(int n) { return gn::plochy[n].center(); }

// The size of a picture of the rendered media folder.
QSize velikost(const QString &jmeno) { return QImage(postavena_media() + QStringLiteral("/GRAFIKA/") + jmeno).size(); }

} // namespace

class tst_frm_select_media : public QObject
{
    Q_OBJECT

    std::unique_ptr<falesna_platforma> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;

    std::unique_ptr<frm_select> otevri(int rocnik, int tema)
    {
        spolecny_stav.rocnik = rocnik;
        spolecny_stav.tema = tema;
        auto scr = std::make_unique<frm_select>();
        scr->nastav_tisk([] {});
        scr->show();
        return scr;
    }

private slots:
    void initTestCase()
    {
        if (!QDir(postavena_media()).exists(QStringLiteral("GRAFIKA/SETUP")))
            QSKIP("the media folder has not been rendered (target media)");
        spolecny_stav = {};
        spolecny_stav.adresar_media = postavena_media();
        platforma_ = std::make_unique<falesna_platforma>();
        zvuk_ = std::make_unique<falesny_zvuk>();
    }

    // Every topic's background and every kind's sample are there; a failure would end
    // the program (the fake platform throws instead).
    void vsechna_temata()
    {
        for (int r = 1; r <= katalog_temat::pocet_rocniku; ++r)
            for (int t = 1; t <= katalog_temat::pocet_temat(r); ++t) {
                const QString tema = QStringLiteral("%1_%2").arg(r + 4).arg(t);
                try {
                    auto scr = otevri(r, t);
                    const QImage nacteno = scr->obraz();
                    for (int n = 6; n <= 9; ++n) {
                        mys::klikni(scr.get(), stred(n));
                        QVERIFY2(scr->obraz() != nacteno, qPrintable(tema));
                    }
                } catch (const konec_programu &) {
                    QFAIL(qPrintable(QStringLiteral("a bitmap of topic %1 is missing").arg(tema)));
                }
            }
        QVERIFY(platforma_->zpravy.isEmpty());
    }

    // Numbers and kind buttons in their normal look are the background's own pixels.
    void normalni_vzhled_je_pozadi()
    {
        auto scr = otevri(2, 3);
        const QImage nacteno = scr->obraz();
        for (int n : {0, 1, 2, 3, 0})
            mys::klikni(scr.get(), stred(n));
        for (int n : {6, 7, 8, 9, 6})
            mys::klikni(scr.get(), stred(n));
        mys::klikni(scr.get(), stred(10));
        mys::klikni(scr.get(), stred(10));
        const char *cisla[] = {"1X", "2X", "3X", "NE"};
        for (int n = 1; n < 4; ++n) {
            const QRect r(gn::cislo[n], velikost(QStringLiteral("SETUP/NAD_%1_0.BMP").arg(QLatin1String(cisla[n]))));
            QVERIFY(!r.isEmpty());
            QVERIFY2(scr->obraz().copy(r) == nacteno.copy(r), qPrintable(QString::number(n)));
        }
        const QSize druh = velikost(QStringLiteral("SETUP/TU_CV_0.BMP"));
        QVERIFY(!druh.isEmpty());
        for (int i = 1; i < 4; ++i) {
            const QRect r(gn::druh[i], druh);
            QVERIFY2(scr->obraz().copy(r) == nacteno.copy(r), qPrintable(QString::number(i)));
        }
        const QRect nap(gn::napoveda_prepinac, velikost(QStringLiteral("SETUP/NAP_0.BMP")));
        QCOMPARE(scr->obraz().copy(nap), nacteno.copy(nap));
        const QRect pet(gn::cislo[0], velikost(QStringLiteral("SETUP/NAD_1X_0.BMP")));
        QVERIFY(scr->obraz().copy(pet) != nacteno.copy(pet));
    }

    // The continue face slides out whole and stands on the bottom edge of the screen.
    void pokracuj_na_okraji()
    {
        auto scr = otevri(3, 2);
        mys::klikni(scr.get(), stred(1));
        mys::klikni(scr.get(), stred(6));
        QTest::keyClicks(scr->jmeno_txt(), QStringLiteral("Eva"));
        QVERIFY(scr->vysunuto_pokracuj());
        QCOMPARE(scr->pokracuj_cmd()->geometry().bottom(), geometrie::vyska_obrazovky - 1);
        QCOMPARE(scr->pokracuj_cmd()->size(), velikost(QStringLiteral("POKRACUJ.BMP")));
        QVERIFY(scr->pokracuj_cmd()->obrazek() != scr->obraz().copy(scr->pokracuj_cmd()->geometry()));
    }
};

QTEST_MAIN(tst_frm_select_media)
#include "tst_frm_select_media.moc"
