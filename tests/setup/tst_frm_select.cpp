// The set-up screen under the pupil's mouse and keyboard, and what it shows at each step.
#include "common/geometrie.h"
#include "common/jmeno.h"
#include "common/stav.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/falesny_zvuk.h"
#include "nahrady/instalace.h"
#include "nahrady/mys.h"
#include "setup/ciste_jmeno.h"
#include "setup/frm_select.h"
#include "setup/volby.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace
{

namespace gn = geometrie::nastaveni;

// Every bitmap is plain in a colour made from its name; the small ones are 20 × 20.
QRgb barva(const QString &jmeno) { return 0xff000000u | (qHash(jmeno) & 0xffffffu); }
// The sliding faces, small for quick slides.
constexpr QSize lice_pokracuj(40, 8), lice_tiskni(36, 6);
constexpr QPoint plne(10, 3);
const QString pokracuj_lice = QStringLiteral("GRAFIKA/POKRACUJ.BMP"),
              tiskni_lice = QStringLiteral("GRAFIKA/TISKNI.BMP");

QPoint stred(int n) { return gn::plochy[n].center(); }

} // namespace

class tst_frm_select : public QObject
{
    Q_OBJECT

    falesna_platforma platforma_;
    falesny_zvuk zvuk_;
    docasna_instalace instalace_;
    std::unique_ptr<hostitel> okno_;
    QPointer<frm_select> scr_;
    int tisku_ = 0;

    spolecny_stav_t &sezeni() const { return okno_->sezeni(); }

    void bmp(const QString &jmeno, QSize v = QSize(20, 20))
    {
        instalace_.vytvor_bitmapu(jmeno, v.width(), v.height(), barva(jmeno));
    }
    // The main menu's topic click: grade and topic stored, the set-up screen shown.
    void otevri(int rocnik = 4, int tema = 2)
    {
        okno_->uvolni(obrazovka_id::frm_select);
        sezeni().rocnik = rocnik;
        sezeni().tema = tema;
        okno_->ukaz(obrazovka_id::frm_select, hostitel::potom_t::skryj);
        scr_ = qobject_cast<frm_select *>(okno_->najdi(obrazovka_id::frm_select));
        QVERIFY(scr_);
        QCoreApplication::processEvents();
        zvuk_.vymaz_zaznam();
    }

    void stiskni(const QList<int> &plochy)
    {
        for (int n : plochy) {
            mys::najed(scr_, stred(n));
            mys::klikni(scr_, stred(n));
        }
    }

    // Key by key, letters with diacritics too.
    void napis(const QString &text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, scr_->jmeno_txt(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void vymaz_jmeno()
    {
        QTest::keyClick(scr_->jmeno_txt(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(scr_->jmeno_txt(), Qt::Key_Backspace);
    }

    int najeti_zvuku() const { return zvuk_.prehrano(QStringLiteral("ZVUK/ENTER.WAV")); }

    // Out: shown, enabled and under the pointer; in: out of reach.
    void over_pokracuj(bool ven) { over_tlacitko(scr_->pokracuj_cmd(), ven, gn::pokracuj); }
    void over_tiskni(bool ven) { over_tlacitko(scr_->tiskni_cmd(), ven, gn::tiskni_ven); }
    void over_tlacitko(obrazkova_plocha *t, bool ven, QPoint kde)
    {
        QCOMPARE(t->isVisible() && t->isEnabled(), ven);
        QCOMPARE(mys::pod(scr_, kde + plne) == t, ven);
    }

private slots:
    void initTestCase()
    {
        for (const auto &[r, t] : std::initializer_list<std::pair<int, int>>{{4, 2}, {1, 7}, {1, 6}})
            bmp(volby::pozadi(r, t), QSize(640, 480));
        for (int n = 0; n < 10; ++n) {
            bmp(n < 6 ? volby::sipka_poctu(n) : volby::sipka_druhu(n));
            for (bool z : {false, true})
                if (n < 4 || n >= 6)
                    bmp(n < 4 ? volby::cislo(n, z) : volby::tlacitko_druhu(n, z));
            if (n >= 6) {
                bmp(volby::ukazka(volby::druh(n), 4, 2));
                bmp(volby::ukazka(volby::druh(n), 1, 7));
            }
        }
        for (const QString &jmeno :
             {volby::napoveda(false), volby::napoveda(true), QStringLiteral("GRAFIKA/SETUP/MZPETH.BMP")})
            bmp(jmeno);
        bmp(pokracuj_lice, lice_pokracuj);
        bmp(tiskni_lice, lice_tiskni);
    }

    void init()
    {
        okno_ = std::make_unique<hostitel>();
        instalace_.pouzij(okno_->sezeni());
        for (const auto id : {obrazovka_id::hl_menu, obrazovka_id::main_frm})
            okno_->zaregistruj<obrazovka>(id);
        okno_->zaregistruj(obrazovka_id::frm_select, [this](spolecny_stav_t &sezeni, QWidget *p) {
            auto *s = new frm_select(sezeni, p);
            s->nastav_tisk([this] { ++tisku_; });
            return s;
        });
        okno_->ukaz(obrazovka_id::hl_menu);
        okno_->show();
        QVERIFY(QTest::qWaitForWindowExposed(okno_.get()));
        tisku_ = 0;
        otevri();
    }

    void cleanup()
    {
        okno_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        obnov_ukazatel();
    }

    void tiskni_podle_druhu_data()
    {
        QTest::addColumn<int>("tema"); // of the 5th grade, or topic 2 of the 8th
        QTest::addColumn<QList<int>>("stisky");
        QTest::addColumn<bool>("vysunuto");
        QTest::newRow("DOPLNOVACKA without count") << 2 << QList<int>{8} << false;
        QTest::newRow("DOPLNOVACKA, then count") << 2 << QList<int>{8, 1} << true;
        QTest::newRow("DOPLNOVACKA, count, DIKTAT") << 2 << QList<int>{8, 1, 6} << false;
        QTest::newRow("DOPLNOVACKA, count, OPRAVA") << 2 << QList<int>{8, 1, 7} << true;
        QTest::newRow("second-sample topic: OPRAVA without count") << 7 << QList<int>{7} << true;
        QTest::newRow("second-sample topic: OPRAVA, DIKTAT") << 7 << QList<int>{7, 6} << false;
        QTest::newRow("topic before it: OPRAVA without count") << 6 << QList<int>{7} << false;
    }
    // The print button by kind, and on a second-sample topic before any count; it prints
    // when out.
    void tiskni_podle_druhu()
    {
        QFETCH(int, tema);
        QFETCH(QList<int>, stisky);
        QFETCH(bool, vysunuto);
        otevri(tema == 2 ? 4 : 1, tema);
        stiskni(stisky);
        over_tiskni(vysunuto);
        QVERIFY(!scr_->vysunuto_pokracuj());
        mys::klikni(scr_, gn::tiskni_ven + plne);
        QCOMPARE(tisku_, vysunuto ? 1 : 0);
    }

    // A press decides on the untrimmed name, typing on the trimmed one; continue stores it
    // trimmed and shows the exercise.
    void jmeno()
    {
        stiskni({1, 6});
        napis(QStringLiteral("   "));
        QVERIFY(!scr_->vysunuto_pokracuj());
        stiskni({9});
        over_pokracuj(true);
        mys::klikni(scr_, gn::pokracuj + plne);
        QCOMPARE(sezeni().jmeno_zaka, QString(""));
        QCOMPARE(okno_->aktualni_id(), obrazovka_id::main_frm);
        QVERIFY(!scr_->plocha(11)->isEnabled());
    }

    // While a button slides, a press changes nothing (not even a click sound), a hover only
    // sounds, and letters typed stay in the box without moving the button.
    void behem_posunu()
    {
        stiskni({1, 6});
        zvuk_.vymaz_zaznam();
        bool zaneprazdnena = false;
        QTimer::singleShot(30, this, [&] {
            zaneprazdnena = scr_->zaneprazdnena();
            stiskni({7});
            napis(QStringLiteral("va"));
            mys::najed(scr_, stred(9));
        });
        napis(QStringLiteral("E"));
        QVERIFY(zaneprazdnena && !scr_->zaneprazdnena());
        QVERIFY(sezeni().druh_ulohy == druh_t::diktat);
        QCOMPARE(zvuk_.prehrano(QStringLiteral("ZVUK/CLICK.WAV")), 0);
        QCOMPARE(scr_->jmeno_txt()->text(), QStringLiteral("Eva"));
        QCOMPARE(najeti_zvuku(), 2); // areas 7 and 9 entered during the slide
        QVERIFY(!scr_->plocha(9)->zvyraznena() && !scr_->plocha(7)->zvyraznena());
        over_pokracuj(true);

        // A name typed while the button sinks does not call it back; the next press does.
        QTimer::singleShot(30, this, [&] { napis(QStringLiteral("Ja")); });
        vymaz_jmeno();
        QCOMPARE(scr_->jmeno_txt()->text(), QStringLiteral("Ja"));
        over_pokracuj(false);
        stiskni({7});
        QVERIFY(sezeni().druh_ulohy == druh_t::oprava);
        over_pokracuj(true);
    }

    // Areas 4 and 5 never respond: no sound, no count; area 3 responds over the
    // whole width of its number 20.
    void plochy_a_najeti()
    {
        stiskni({1});
        zvuk_.vymaz_zaznam();
        for (int n : {4, 5}) {
            stiskni({n});
            mys::najed(scr_, stred(n) + QPoint(3, 3));
            QVERIFY(!scr_->plocha(n)->zvyraznena());
        }
        QCOMPARE(sezeni().limit_diktovani, 2);
        QCOMPARE(zvuk_.prehrane, QStringList());
        mys::klikni(scr_, QPoint(112, 420));
        QCOMPARE(sezeni().pocet_uloh, 20);
    }

    // Help on start: on, off with NAP_0, on. Back unloads the screen; a topic chosen again
    // starts from nothing chosen.
    void zpet_a_nove_tema()
    {
        stiskni({3, 8});
        for (bool zapnuto : {true, false, true}) {
            stiskni({10});
            QCOMPARE(sezeni().napoveda_na_zaciatku, zapnuto);
        }
        napis(QStringLiteral("Eva"));
        QVERIFY(scr_->vysunuto_pokracuj() && scr_->vysunuto_tiskni());
        QPointer<frm_select> stara = scr_;
        stiskni({11});
        QCOMPARE(okno_->aktualni_id(), obrazovka_id::hl_menu);
        QTRY_VERIFY(stara.isNull());
        otevri(1, 7);
        QCOMPARE(sezeni().pocet_uloh, 0);
        QVERIFY(!sezeni().druh_ulohy);
        QVERIFY(!sezeni().napoveda_na_zaciatku);
        QVERIFY(scr_->jmeno_txt()->text().isEmpty() && scr_->jmeno_txt()->isVisible());
        over_pokracuj(false);
        over_tiskni(false);
    }

    void jmeno_k_ulozeni_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ulozene");
        QTest::addColumn<QString>("v_boxu");
        const auto radek = [](const char *nazev, const QString &text, const QString &ulozene, const QString &v_boxu) {
            QTest::newRow(nazev) << text << ulozene << v_boxu;
        };
        radek("spaces trimmed", "   Ján Novák  ", "Ján Novák", "   Ján Novák  ");
        radek("column separator", "|A|B", "/A/B", "AB");
        radek("line breaks become one space", "Ján\r\nNovák\n", "Ján Novák", "Ján Novák ");
        radek("tab and unicode line separator", "Eva\tMária\u2028Kováčová", "Eva Mária Kováčová", "Eva Mária Kováčová");
        radek("outside Windows-1250", "\u200fŽofia\u200b Łoś 😀Жук", "Žofia Łoś", "Žofia Łoś ");
        radek("longer than the log keeps", QString(40, u'ô'), QString(40, u'ô'), QString(38, u'ô'));
    }
    // What is stored, and what the name box keeps of the same text typed or pasted.
    void jmeno_k_ulozeni()
    {
        QFETCH(QString, text);
        QFETCH(QString, ulozene);
        QFETCH(QString, v_boxu);
        QCOMPARE(::jmeno_k_ulozeni(text), ulozene);
        int kurzor = int(text.size());
        QCOMPARE(validator_jmena().validate(text, kurzor), QValidator::Acceptable);
        QCOMPARE(text, v_boxu);
        QCOMPARE(kurzor, v_boxu.size());
    }
};

QTEST_MAIN(tst_frm_select)
#include "tst_frm_select.moc"
