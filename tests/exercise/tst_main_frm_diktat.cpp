// Dictation on the exercise screen, with a sound device that records its commands:
// play, pause and resume on a speaker, the caret put into the sentence's input, F5 in a
// box or a list, and in a whole text the plays counted with the counter pictures and the
// speakers switched off once their last play has ended.
#include "common/geometrie.h"
#include "pomoc_obrazovky.h"
#include "shell/plocha.h"

using namespace obrazovka_cviceni;

namespace
{
const QPoint prazdna_stranka(320, 460);

void klikni_repro(main_frm *s, int k) { mys::klikni(s, s->repro(k)->geometry().center()); }

QString soubor_vety(const main_frm *s, int k)
{
    return QStringLiteral("ZVUK/%1/%2.WAV").arg(s->cislo_ulohy()).arg(s->stranka().vety[k - 1].repro.cislo_vety);
}

// The counter picture beside sentence k, as the screen shows it.
QRgb pocitadlo(prostredi &p, int k) { return p.pixel(p.scr->pocet_diktovani(k)->geometry().center()); }
} // namespace

class tst_main_frm_diktat : public QObject
{
    Q_OBJECT

    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<prostredi> p_;

private slots:
    void initTestCase()
    {
        instalace_ = std::make_unique<docasna_instalace>();
        priprav_instalaci(*instalace_);
    }
    void init()
    {
        p_ = std::make_unique<prostredi>(*instalace_);
        nahoda().zafixuj(3);
    }
    void cleanup()
    {
        p_.reset();
        nahoda().uvolni();
    }
    void cleanupTestCase() { instalace_.reset(); }

    // A click plays the sentence's recording, a second pauses it, a third resumes it:
    // one play, nothing counted.
    void prehrani_pauza_pokracovani()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"));
        p_->zvuk.hraje_po_play = true;
        klikni_repro(s, 4);
        const QString soubor = instalace_->media() + QLatin1Char('/') + soubor_vety(s, 4);
        QCOMPARE(p_->zvuk.prehrane, QStringList{soubor});
        QCOMPARE(p_->zvuk.soubor(), soubor);
        klikni_repro(s, 4);
        QCOMPARE(p_->zvuk.rezim(), zvukove_zarizeni::rezim_t::pozastaveno);
        klikni_repro(s, 4);
        QVERIFY(p_->zvuk.hraje());
        QCOMPARE(p_->zvuk.prikazy, (QStringList{"Close", "Open " + soubor, "Play", "Pause", "Play"}));
        QCOMPARE(p_->zvuk.prehrane.size(), 1);
        QCOMPARE(s->zbyva_prehrani(4), 99);
    }

    // A play puts the caret where the sentence is typed: the first empty gap of the
    // sentence (none when all are filled), the sentence box; a choice keeps the focus.
    void fokus_po_prehrani()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        const stranka_t &st = s->stranka();
        int k = 0;
        QList<int> mezery;
        for (int veta = 1; veta <= 9 && mezery.size() < 2; ++veta) {
            mezery.clear();
            for (int i = 1; i <= st.pocet_prvku(); ++i)
                if (st.dopln_box[i - 1].veta == veta)
                    mezery.append(i);
            k = veta;
        }
        QCOMPARE(mezery.size(), 2);
        napis(s->dopln_box(mezery[0]), QStringLiteral("e"));
        s->dopln_box(1)->setFocus();
        klikni_repro(s, k);
        QCOMPARE(fokus(s), s->dopln_box(mezery[1]));
        napis(s->dopln_box(mezery[1]), QStringLiteral(" "));
        s->dopln_box(mezery[0])->setFocus();
        klikni_repro(s, k);
        QCOMPARE(fokus(s), s->dopln_box(mezery[1]));
        s->dopln_box(mezery[1])->clear();
        napis(s->dopln_box(mezery[1]), QStringLiteral("á"));
        s->dopln_box(1)->setFocus();
        klikni_repro(s, k);
        QCOMPARE(fokus(s), s->dopln_box(1));

        p_.reset();
        p_ = std::make_unique<prostredi>(*instalace_);
        s = p_->otevri(QStringLiteral("OPRAVA"));
        klikni_repro(s, 6);
        QCOMPARE(fokus(s), s->dopln_box_viceradkovy(6));
    }

    // F5 plays the sentence of the box or list it is pressed in.
    void f5()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        const int posledni = s->stav().dalsi_prvek - 1;
        const int k = s->stranka().dopln_box[posledni - 1].veta;
        QTest::keyClick(s->dopln_box(posledni), Qt::Key_F5);
        QCOMPARE(p_->zvuk.prehrane, QStringList{instalace_->media() + QLatin1Char('/') + soubor_vety(s, k)});

        p_.reset();
        p_ = std::make_unique<prostredi>(*instalace_);
        s = p_->otevri(QStringLiteral("VYBEROVKA"));
        mys::klikni(s, s->vyber_txt(3)->geometry().center());
        QTest::keyClick(s->vyber_lst(3), Qt::Key_F5);
        const int veta = s->stranka().vyber_txt[2].veta;
        QCOMPARE(p_->zvuk.prehrane, QStringList{instalace_->media() + QLatin1Char('/') + soubor_vety(s, veta)});
        QVERIFY(s->vyber_lst(3)->isVisible());
    }

    // A whole text with two plays a sentence: the counter shows 2, then 1, then 0; pause
    // and resume count nothing; a third play does not start; the speaker stays live
    // while its last play runs and is switched off once it has ended and the pointer
    // moves over the page.
    void povoleni_2()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"), 9, 10, 2);
        QVERIFY(s->stav().losovani.souvisly_text);
        QCOMPARE(s->stav().losovani.pocet_uloh, 10);
        QCOMPARE(pocitadlo(*p_, 1), opakovani(2));
        QCOMPARE(pocitadlo(*p_, 2), opakovani(2));
        p_->zvuk.hraje_po_play = true;

        klikni_repro(s, 1);
        QCOMPARE(s->zbyva_prehrani(1), 1);
        QCOMPARE(pocitadlo(*p_, 1), opakovani(1));
        klikni_repro(s, 1);
        klikni_repro(s, 1);
        QCOMPARE(p_->zvuk.prikazy.mid(3), (QStringList{"Pause", "Play"}));
        QCOMPARE(s->zbyva_prehrani(1), 1);
        QCOMPARE(pocitadlo(*p_, 1), opakovani(1));
        p_->zvuk.dohraj();

        klikni_repro(s, 1);
        QCOMPARE(s->zbyva_prehrani(1), 0);
        QCOMPARE(pocitadlo(*p_, 1), opakovani(0));
        QCOMPARE(pocitadlo(*p_, 2), opakovani(2));
        QCOMPARE(p_->zvuk.prehrane.size(), 2);
        // The last play still runs: pause and resume it.
        mys::najed(s, prazdna_stranka);
        mys::najed(s, s->repro(1)->geometry().center());
        QVERIFY(s->repro(1)->isEnabled());
        klikni_repro(s, 1);
        QCOMPARE(p_->zvuk.rezim(), zvukove_zarizeni::rezim_t::pozastaveno);
        klikni_repro(s, 1);
        QVERIFY(p_->zvuk.hraje());
        p_->zvuk.dohraj();

        p_->zvuk.vymaz_zaznam();
        klikni_repro(s, 1);
        QVERIFY(p_->zvuk.prehrane.isEmpty());
        QCOMPARE(s->zbyva_prehrani(1), 0);
        QVERIFY(s->repro(1)->isEnabled());
        mys::najed(s, prazdna_stranka);
        QTRY_VERIFY(!s->repro(1)->isEnabled());
        QVERIFY(s->repro(2)->isEnabled());
        QCOMPARE(pocitadlo(*p_, 1), opakovani(0));
    }

    // F5 in the box of a sentence with no plays left plays nothing, but stops and closes
    // another sentence that plays.
    void f5_bez_prehrani()
    {
        main_frm *s = p_->otevri(QStringLiteral("OPRAVA"), 9, 10, 1);
        p_->zvuk.hraje_po_play = true;
        klikni_repro(s, 1);
        QCOMPARE(s->zbyva_prehrani(1), 0);
        klikni_repro(s, 2);
        QVERIFY(p_->zvuk.hraje());
        p_->zvuk.vymaz_zaznam();
        QTest::keyClick(s->dopln_box_viceradkovy(1), Qt::Key_F5);
        QCOMPARE(p_->zvuk.prikazy, (QStringList{"Stop", "Close"}));
        QVERIFY(p_->zvuk.prehrane.isEmpty());
        QCOMPARE(s->zbyva_prehrani(2), 0);
    }

    // Without a limit a whole text shows no counters and counts nothing.
    void bez_limitu()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"), 9, 10, 100);
        const QPoint pocitadlo_1 = s->pocet_diktovani(1)->geometry().center();
        QVERIFY(!s->pocet_diktovani(1)->isVisible());
        QCOMPARE(p_->pixel(pocitadlo_1), pozadi);
        for (int i = 0; i < 4; ++i)
            klikni_repro(s, 1);
        QCOMPARE(p_->zvuk.prehrane.size(), 4);
        QCOMPARE(s->zbyva_prehrani(1), 100);
        QCOMPARE(p_->pixel(pocitadlo_1), pozadi);
        mys::najed(s, prazdna_stranka);
        QVERIFY(s->repro(1)->isEnabled());
    }

    // After checking the speakers and counters are off; continue leaves the next page's
    // speakers live, and in a whole text new sentences stay off.
    void kontrola_souvisleho_textu()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"), 9, 10, 3);
        p_->zkontroluj();
        for (int k = 1; k <= s->stav().pocet_na_strance; ++k) {
            QVERIFY(!s->repro(k)->isEnabled());
            QVERIFY(!s->pocet_diktovani(k)->isEnabled());
        }
        mys::klikni(s, s->pokracuj_cmd()->geometry().center());
        QVERIFY(s->repro(1)->isEnabled());
        QCOMPARE(pocitadlo(*p_, 1), opakovani(3));
        QVERIFY(s->klik_plocha(0)->isEnabled());
        QVERIFY(!s->klik_plocha(1)->isEnabled());
    }
};

QTEST_MAIN(tst_main_frm_diktat)
#include "tst_main_frm_diktat.moc"
