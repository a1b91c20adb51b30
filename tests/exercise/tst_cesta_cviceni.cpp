// A pupil works an exercise of each kind through to its last page on the rendered media
// and the built data, with the mouse and keyboard only: plays every sentence, answers
// (one answer wrong on the first page), checks, holds the wrong mark for the correct
// text, pages on, and after the last page the results screen takes over.
#include "common/geometrie.h"
#include "common/katalog.h"
#include "pomoc_obrazovky.h"
#include "shell/plocha.h"

using namespace obrazovka_cviceni;
namespace g = geometrie::cviceni;

class tst_cesta_cviceni : public QObject
{
    Q_OBJECT

    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<prostredi> p_;

    // Answers every input element of the page the way the pupil does; the first element
    // gets a wrong answer when asked. Returns the items answered wrong.
    int odpovez(main_frm *s, bool chyba)
    {
        const stranka_t &st = s->stranka();
        int spatne = 0;
        for (int k = 1; k <= s->stav().pocet_na_strance; ++k)
            mys::klikni(s, s->repro(k)->geometry().center());
        for (int i = 1; i <= st.pocet_prvku(); ++i) {
            const bool zde_chyba = chyba && i == 1;
            spatne += zde_chyba;
            switch (st.druh) {
            case druh_t::vyberovka: {
                const vyber_txt_t &m = st.vyber_txt[i - 1];
                int radek = int(m.vyber_lst.indexOf(m.spravna_odpoved));
                if (zde_chyba)
                    for (int r = 0; r < m.vyber_lst.size(); ++r)
                        if (m.vyber_lst[r].trimmed() != m.spravna_odpoved.trimmed() &&
                            (m.druha_odpoved.isEmpty() || m.vyber_lst[r].trimmed() != m.druha_odpoved.trimmed()))
                            radek = r;
                mys::klikni(s, s->vyber_txt(i)->geometry().center());
                seznam_vyberu *l = s->vyber_lst(i);
                const QPoint kde(5, 18 * radek + 9);
                QTest::mouseMove(l->viewport(), kde);
                if (l->currentRow() != radek)
                    return -1;
                QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, kde);
                break;
            }
            case druh_t::doplnovacka: {
                if (i == 1)
                    mys::klikni(s, s->dopln_box(1)->geometry().center());
                if (fokus(s) != s->dopln_box(i))
                    return -1;
                napis(fokus(s), zde_chyba ? QStringLiteral("#") : st.dopln_box[i - 1].spravna_odpoved.trimmed());
                QTest::keyClick(fokus(s), Qt::Key_Return);
                break;
            }
            case druh_t::diktat:
            case druh_t::oprava: {
                box_vety *box = s->dopln_box_viceradkovy(i);
                QTest::keyClick(box, Qt::Key_F5);
                if (fokus(s) != box)
                    return -1;
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QString veta = st.dopln_box_viceradkovy[i - 1].spravna_odpoved;
                if (zde_chyba)
                    veta.chop(1);
                napis(box, veta);
                QTest::keyClick(box, Qt::Key_Return);
                break;
            }
            }
        }
        return spatne;
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(postavena_media() + QStringLiteral("/GRAFIKA/BG.BMP")))
            QSKIP("the media folder has not been rendered (target media)");
        instalace_ = std::make_unique<docasna_instalace>();
        QVERIFY(instalace_->zkopiruj_postavena_data());
    }
    void cleanup() { p_.reset(); }

    void cesta_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<int>("limit");
        QTest::newRow("VYBEROVKA, 6. ročník, 10") << "VYBEROVKA" << 2 << 2 << 10 << 2;
        QTest::newRow("DOPLNOVACKA, 7. ročník, 15") << "DOPLNOVACKA" << 3 << 3 << 15 << 3;
        QTest::newRow("DIKTAT, 8. ročník, 5") << "DIKTAT" << 4 << 1 << 5 << 1;
        QTest::newRow("OPRAVA, 9. ročník, 10") << "OPRAVA" << 5 << 2 << 10 << 2;
        QTest::newRow("DIKTAT, whole text, two plays") << "DIKTAT" << 1 << 9 << 10 << 2;
    }
    void cesta()
    {
        QFETCH(QString, druh);
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(int, pocet);
        QFETCH(int, limit);
        p_ = std::make_unique<prostredi>(*instalace_);
        spolecny_stav.adresar_media = postavena_media();
        const QImage ok = QImage(postavena_media() + QStringLiteral("/GRAFIKA/CHECK_OK.BMP"));
        const QImage ko = QImage(postavena_media() + QStringLiteral("/GRAFIKA/CHECK_KO.BMP"));
        QVERIFY(!ok.isNull() && !ko.isNull());

        main_frm *s = p_->otevri(druh, tema, pocet, limit, false, rocnik);
        QVERIFY(s);
        QVERIFY(p_->platforma.zpravy.isEmpty());
        QCOMPARE(s->cislo_ulohy(), cislo_ulohy(rocnik, tema));

        int polozek = 0, spatne = 0, stran = 0;
        while (p_->scr) {
            ++stran;
            QVERIFY2(stran <= 5, "the exercise never ends");
            const int chyb = odpovez(s, stran == 1);
            QVERIFY2(chyb >= 0, "an answer could not be given with the mouse and keyboard");
            spatne += chyb;
            const bool po_polozkach = druh == QLatin1String("VYBEROVKA") || druh == QLatin1String("DOPLNOVACKA");
            polozek += po_polozkach ? s->stranka().pocet_prvku() : s->stav().pocet_na_strance;
            p_->zkontroluj();
            for (int k = 1; k <= s->stav().pocet_na_strance; ++k) {
                obrazkova_plocha *z = s->check_mark(k);
                const bool spravne = !z->isEnabled();
                QCOMPARE(spravne, !(stran == 1 && s->stranka().veta_prvku(1) == k));
                QCOMPARE(p_->pixel(z->pos() + QPoint(15, 15)), (spravne ? ok : ko).pixel(15, 15));
                if (spravne)
                    continue;
                mys::stiskni(s, z->geometry().center());
                QVERIFY(s->bublina()->isVisible());
                QCOMPARE(s->spravny_vysledek_lbl()->text(), s->stranka().vety[k - 1].check_mark.odpoved);
                mys::uvolni(s, z->geometry().center());
                QVERIFY(!s->bublina()->isVisible());
            }
            QCOMPARE(spolecny_stav.pocet_spatne, spatne);
            QCOMPARE(spolecny_stav.pocet_spravne, polozek - spatne);
            mys::najed(s, s->pokracuj_cmd()->geometry().center());
            mys::klikni(s, s->pokracuj_cmd()->geometry().center());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(spolecny_stav.vsetko_skontrolovane);
        QCOMPARE(p_->okno->aktualni(), p_->tabulka);
        QVERIFY(stran >= (pocet > 9 ? 2 : 1));
        QCOMPARE(spatne, 1);
        QVERIFY(p_->platforma.zpravy.isEmpty());
    }
};

QTEST_MAIN(tst_cesta_cviceni)
#include "tst_cesta_cviceni.moc"
