// The exercise screen's flow under the pupil's mouse: what loading shows for each kind,
// help on start and the help area, the top bar's highlight and sounds, checking, the
// continue button's slide, paging to the results, new sentences on a later page, the
// score table and the way back.
#include "common/geometrie.h"
#include "data/losovani.h"
#include "exercise/ukazatele_cviceni.h"
#include "pomoc_obrazovky.h"
#include "shell/plocha.h"

#include <QElapsedTimer>
#include <QTimer>

using namespace obrazovka_cviceni;
namespace g = geometrie::cviceni;

namespace
{
// A point of the page below the sentences.
const QPoint prazdna_stranka(320, 460);

QRect prvek_stranky(const main_frm *s, int i)
{
    const stranka_t &st = s->stranka();
    switch (st.druh) {
    case druh_t::vyberovka: return st.vyber_txt[i - 1].obdelnik;
    case druh_t::doplnovacka: return st.dopln_box[i - 1].obdelnik;
    default: return st.dopln_box_viceradkovy[i - 1].obdelnik;
    }
}

QWidget *prvek(const main_frm *s, int i)
{
    switch (s->stav().druh) {
    case druh_t::vyberovka: return s->vyber_txt(i);
    case druh_t::doplnovacka: return s->dopln_box(i);
    default: return s->dopln_box_viceradkovy(i);
    }
}

// Fills every gap of the page right, except those of sentence k when k > 0.
void vypln_mezery(main_frm *s, int spatne_k = 0)
{
    const stranka_t &st = s->stranka();
    for (int i = 1; i <= st.pocet_prvku(); ++i) {
        if (st.dopln_box[i - 1].veta == spatne_k)
            continue;
        s->dopln_box(i)->setFocus();
        napis(s->dopln_box(i), st.dopln_box[i - 1].spravna_odpoved);
    }
}
} // namespace

class tst_main_frm : public QObject
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
        nahoda().zafixuj(5);
    }
    void cleanup()
    {
        p_.reset();
        nahoda().uvolni();
    }
    void cleanupTestCase() { instalace_.reset(); }

    void nacteni_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::newRow("VYBEROVKA") << "VYBEROVKA";
        QTest::newRow("DOPLNOVACKA") << "DOPLNOVACKA";
        QTest::newRow("DIKTAT") << "DIKTAT";
        QTest::newRow("OPRAVA") << "OPRAVA";
    }
    // Loading: counts cleared, the first page painted on the background with the title
    // tab, the kind's elements over it where the layout put them, the speakers live, the
    // marks and the continue button hidden, and the hourglass gone.
    void nacteni()
    {
        QFETCH(QString, druh);
        spolecny_stav.pocet_spravne = 4;
        spolecny_stav.pocet_spatne = 3;
        spolecny_stav.vsetko_skontrolovane = true;
        main_frm *s = p_->otevri(druh);
        QVERIFY(s);
        QCOMPARE(spolecny_stav.pocet_spravne, 0);
        QCOMPARE(spolecny_stav.pocet_spatne, 0);
        QVERIFY(!spolecny_stav.vsetko_skontrolovane);
        QVERIFY(s->kresli_stranku());
        QVERIFY(s->buffer_stranky().isNull());
        QVERIFY(!jsou_presypaci_hodiny());
        QCOMPARE(s->windowTitle(), QStringLiteral("Ortanel - Verbano 2"));

        // Nine one-line sentences fill the page; the tenth waits for the next.
        QCOMPARE(s->stav().pocet_na_strance, 9);
        QCOMPARE(s->stav().losovani.pocet_zobrazenych, 9);
        QCOMPARE(s->stav().dalsi_prvek - 1, s->stranka().pocet_prvku());
        QCOMPARE(p_->pixel(QPoint(10, 10)), zalozka);
        QCOMPARE(p_->pixel(QPoint(300, 2)), pozadi);
        QCOMPARE(p_->pixel(prazdna_stranka), pozadi);
        for (int k = 1; k <= 9; ++k) {
            const QPoint box(g::prvni_veta.x(), g::prvni_veta.y() + 36 * (k - 1));
            QCOMPARE(p_->pixel(box + QPoint(20, 2)), kryt); // the one-line cover's left piece
            QVERIFY(s->repro(k)->isVisible());
            QVERIFY(s->repro(k)->isEnabled());
            QVERIFY(!s->check_mark(k)->isVisible());
            QCOMPARE(s->zbyva_prehrani(k), 99);
            QVERIFY(!s->pocet_diktovani(k));
        }
        for (int i = 1; i <= s->stranka().pocet_prvku(); ++i) {
            QWidget *w = prvek(s, i);
            QVERIFY(w->isVisible());
            QVERIFY(w->isEnabled());
            QCOMPARE(w->geometry(), prvek_stranky(s, i));
        }
        QVERIFY(!prvek(s, s->stranka().pocet_prvku() + 1));
        QVERIFY(!s->pokracuj_cmd()->isVisible());
        QVERIFY(!s->pokracuj_cmd()->isEnabled());
        QVERIFY(!s->zdroj()->isVisible());
        QVERIFY(!s->bublina()->isVisible());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(s->klik_plocha(i)->isEnabled());
            QVERIFY(!s->klik_plocha(i)->zvyraznena());
        }
    }

    void barva_prvku_data() { nacteni_data(); }
    // Gap boxes, choice labels and lists have the templates' background; sentence boxes
    // show the sentence box of the page beneath them.
    void barva_prvku()
    {
        QFETCH(QString, druh);
        main_frm *s = p_->otevri(druh);
        const QRect r = prvek_stranky(s, 1);
        const QRgb barva = p_->pixel(r.topLeft() + QPoint(1, 1));
        if (druh == QLatin1String("VYBEROVKA") || druh == QLatin1String("DOPLNOVACKA"))
            QCOMPARE(barva, qRgb(255, 236, 182));
        else
            QCOMPARE(barva, veta_box);
    }

    // With help on start the help picture covers the page, which is painted only when
    // the picture is clicked away; the help area shows it again at any time.
    void napoveda_na_zacatku()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"), 1, 10, 2, true);
        QVERIFY(s->zdroj()->isVisible());
        QCOMPARE(s->zdroj()->geometry(), QRect(0, 0, 640, 480));
        QVERIFY(!s->kresli_stranku());
        QVERIFY(!s->buffer_stranky().isNull());
        QCOMPARE(p_->pixel(QPoint(300, 300)), napoveda);
        QCOMPARE(p_->pixel(QPoint(10, 10)), napoveda);
        QVERIFY(!jsou_presypaci_hodiny());
        // Keys go to the picture, not to a box beneath it.
        QVERIFY(fokus(s) == s->zdroj());
        napis(fokus(s), QStringLiteral("ab"));
        QVERIFY(s->dopln_box(1)->text().isEmpty());

        mys::klikni(s, QPoint(300, 300));
        QVERIFY(!s->zdroj()->isVisible());
        QVERIFY(s->kresli_stranku());
        QVERIFY(s->buffer_stranky().isNull());
        QCOMPARE(p_->pixel(QPoint(10, 10)), zalozka);
        QCOMPARE(p_->pixel(g::prvni_veta + QPoint(20, 2)), kryt);
        const QImage stranka = s->obraz();

        mys::klikni(s, g::help.center());
        QVERIFY(s->zdroj()->isVisible());
        QCOMPARE(p_->pixel(QPoint(300, 300)), napoveda);
        mys::klikni(s, QPoint(300, 300));
        QVERIFY(!s->zdroj()->isVisible());
        QCOMPARE(s->obraz(), stranka);
        QCOMPARE(p_->kliku(), 0);
    }

    // Onto a button: the hover sound once and its highlight; onto the next: the first
    // put back; onto the page or a text box: no highlight left.
    void zvyrazneni_tlacitek()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        const QImage puvodni = s->obraz();
        mys::najed(s, g::tlacitka[0].center());
        QTRY_VERIFY(s->klik_plocha(0)->zvyraznena());
        QCOMPARE(p_->najeti(), 1);
        QCOMPARE(p_->pixel(g::tlacitka_hover[0] + QPoint(40, 40)), zvyrazneni(0));
        mys::najed(s, g::tlacitka[0].center() + QPoint(5, 5));
        QCOMPARE(p_->najeti(), 1);

        mys::najed(s, g::tlacitka[1].center());
        QTRY_VERIFY(s->klik_plocha(1)->zvyraznena());
        QCOMPARE(p_->najeti(), 2);
        QVERIFY(!s->klik_plocha(0)->zvyraznena());
        QCOMPARE(p_->pixel(g::tlacitka_hover[1] + QPoint(40, 40)), zvyrazneni(1));
        QCOMPARE(p_->pixel(g::tlacitka_hover[0] + QPoint(5, 40)), puvodni.pixel(g::tlacitka_hover[0] + QPoint(5, 40)));

        mys::najed(s, prazdna_stranka);
        QTRY_VERIFY(!s->klik_plocha(1)->zvyraznena());
        QCOMPARE(s->obraz(), puvodni);

        mys::najed(s, g::tlacitka[3].center());
        QTRY_VERIFY(s->klik_plocha(3)->zvyraznena());
        mys::najed(s, s->dopln_box(1)->geometry().center());
        QTRY_VERIFY(!s->klik_plocha(3)->zvyraznena());
        QCOMPARE(s->obraz(), puvodni);
    }

    // While a sentence plays, entering a button makes no sound but still lights it; a
    // click on any button stops and closes the sentence first.
    void tlacitka_a_prehravani()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        p_->zvuk.hraje_po_play = true;
        mys::klikni(s, s->repro(1)->geometry().center());
        QVERIFY(p_->zvuk.hraje());
        p_->zvuk.vymaz_zaznam();
        mys::najed(s, g::tlacitka[2].center());
        QTRY_VERIFY(s->klik_plocha(2)->zvyraznena());
        QCOMPARE(p_->najeti(), 0);
        mys::klikni(s, g::tlacitka[2].center());
        QCOMPARE(p_->zvuk.prikazy.mid(0, 2), (QStringList{"Stop", "Close"}));
        QCOMPARE(p_->kliku(), 1);
    }

    // Check: buttons 0 and 1 off, 2 and 3 on, inputs off, a wrong gap red, one mark per
    // sentence (right ones off, wrong ones live), the marks in the page's image, the
    // counts, and the continue button risen into place.
    void kontrola()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        const stranka_t &st = s->stranka();
        vypln_mezery(s, 2);
        p_->zkontroluj();
        QCOMPARE(p_->kliku(), 1);
        QVERIFY(!s->klik_plocha(0)->isEnabled());
        QVERIFY(!s->klik_plocha(1)->isEnabled());
        QVERIFY(s->klik_plocha(2)->isEnabled());
        QVERIFY(s->klik_plocha(3)->isEnabled());
        int spatnych = 0;
        for (int i = 1; i <= st.pocet_prvku(); ++i) {
            box_mezery *box = s->dopln_box(i);
            QVERIFY(!box->isEnabled());
            const bool spatne = st.dopln_box[i - 1].veta == 2;
            spatnych += spatne;
            QCOMPARE(box->palette().color(QPalette::Base) == QColor(255, 0, 0), spatne);
            QCOMPARE(p_->pixel(box->geometry().center()) == qRgb(255, 0, 0), spatne);
        }
        for (int k = 1; k <= 9; ++k) {
            obrazkova_plocha *z = s->check_mark(k);
            QVERIFY(z->isVisible());
            QCOMPARE(z->isEnabled(), k == 2);
            QCOMPARE(z->geometry(), QRect(st.vety[k - 1].check_mark.poloha, QSize(30, 30)));
            QCOMPARE(s->obraz().pixel(z->geometry().center()), k == 2 ? spatne : spravne);
            QVERIFY(!s->repro(k)->isEnabled());
        }
        QCOMPARE(spolecny_stav.pocet_spatne, spatnych);
        QCOMPARE(spolecny_stav.pocet_spravne, st.pocet_prvku() - spatnych);
        QVERIFY(!spolecny_stav.vsetko_skontrolovane);

        obrazkova_plocha *dal = s->pokracuj_cmd();
        QVERIFY(dal->isVisible());
        QVERIFY(dal->isEnabled());
        QCOMPARE(dal->geometry(), QRect(g::pokracuj, lice_pokracuj));
        QCOMPARE(p_->pixel(g::pokracuj + QPoint(20, 4)), pokracuj);
        QCOMPARE(p_->pixel(g::pokracuj + dira_lice), s->obraz().pixel(g::pokracuj + dira_lice));
    }

    // The continue button rises a row per frame, 25 ms apart, while the screen is busy.
    void odhaleni_pokracuj()
    {
        main_frm *s = p_->otevri(QStringLiteral("VYBEROVKA"));
        QList<int> radku;
        QList<bool> zaneprazdnena;
        QTimer vzorek;
        QObject::connect(&vzorek, &QTimer::timeout, [&] {
            if (!s->pokracuj_cmd()->isVisible() || s->pokracuj_cmd()->isEnabled())
                return;
            const QImage snimek = s->pokracuj_cmd()->obrazek();
            int n = 0;
            for (int y = 0; y < snimek.height(); ++y)
                n += snimek.pixel(20, y) == pokracuj;
            radku.append(n);
            zaneprazdnena.append(s->zaneprazdnena());
        });
        vzorek.start(10);
        QElapsedTimer hodiny;
        hodiny.start();
        p_->tlacitko(0);
        QTRY_VERIFY(!s->zaneprazdnena());
        vzorek.stop();
        QVERIFY(hodiny.elapsed() >= 7 * 25);
        QVERIFY(radku.size() >= 3);
        QVERIFY(!zaneprazdnena.contains(false));
        QVERIFY(std::is_sorted(radku.begin(), radku.end()));
        QVERIFY(radku.first() < lice_pokracuj.height());
        QVERIFY(s->pokracuj_cmd()->isEnabled());
    }

    void strankovani_data() { nacteni_data(); }
    // Continue builds the next page in place of the first; after the last page has been
    // checked it shows the results and unloads the exercise.
    void strankovani()
    {
        QFETCH(QString, druh);
        main_frm *s = p_->otevri(druh);
        const bool po_polozkach = druh == QLatin1String("VYBEROVKA") || druh == QLatin1String("DOPLNOVACKA");
        int polozek = po_polozkach ? s->stranka().pocet_prvku() : 9;
        p_->zkontroluj();
        mys::klikni(s, s->pokracuj_cmd()->geometry().center());
        polozek += po_polozkach ? s->stranka().pocet_prvku() : 1;
        QCOMPARE(s->stav().pocet_na_strance, 1);
        QCOMPARE(s->stav().losovani.pocet_zobrazenych, 10);
        QVERIFY(!s->pokracuj_cmd()->isVisible());
        QVERIFY(s->klik_plocha(0)->isEnabled());
        QVERIFY(s->klik_plocha(1)->isEnabled());
        QVERIFY(s->repro(1)->isEnabled());
        QVERIFY(!s->repro(2));
        QVERIFY(!s->check_mark(1)->isVisible());
        QVERIFY(!s->check_mark(2));
        QVERIFY(prvek(s, 1)->isEnabled());
        QVERIFY(!prvek(s, s->stranka().pocet_prvku() + 1));
        // The second sentence's place is clear again: no box, no mark.
        QCOMPARE(p_->pixel(QPoint(300, g::prvni_veta.y() + 36 + 10)), pozadi);
        QCOMPARE(p_->pixel(QPoint(600, g::prvni_veta.y() + 10)), s->obraz().pixel(QPoint(600, g::prvni_veta.y() + 10)));
        QVERIFY(s->obraz().pixel(QPoint(600, g::prvni_veta.y() + 10)) != spravne);

        p_->zkontroluj();
        QVERIFY(spolecny_stav.vsetko_skontrolovane);
        QVERIFY(p_->tabulka == nullptr);
        mys::klikni(s, s->pokracuj_cmd()->geometry().center());
        QVERIFY(p_->tabulka);
        QCOMPARE(p_->okno->aktualni(), p_->tabulka);
        QTRY_COMPARE(p_->tabulka->aktivaci, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!p_->scr);
        QVERIFY(!p_->okno->najdi(obrazovka_id::main_frm));
        QCOMPARE(spolecny_stav.pocet_spravne + spolecny_stav.pocet_spatne, polozek);
    }

    // New sentences on page 2 keep the tasks of page 1 and draw page 2 anew.
    void nove_vety_na_strane_2()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"));
        p_->zkontroluj();
        mys::klikni(s, s->pokracuj_cmd()->geometry().center());
        const QList<int> prvni_strana = s->stav().losovani.vybrane_radky.mid(0, 9);
        s->dopln_box(1)->setFocus();
        napis(s->dopln_box(1), QStringLiteral("abc"));
        p_->zvuk.vymaz_zaznam();

        p_->tlacitko(1);
        QCOMPARE(p_->kliku(), 1);
        const QList<int> vybrane = s->stav().losovani.vybrane_radky;
        QCOMPARE(vybrane.size(), 10);
        QCOMPARE(vybrane.mid(0, 9), prvni_strana);
        QVERIFY(!prvni_strana.contains(vybrane[9]));
        QCOMPARE(s->stav().losovani.pocet_zobrazenych, 10);
        QCOMPARE(s->stav().pocet_na_strance, 1);
        QVERIFY(s->dopln_box(1)->text().isEmpty());
        QVERIFY(s->buffer_stranky().isNull());
        const int cislo = cislo_vety(vety[vybrane[9]]);
        QCOMPARE(s->stranka().vety[0].repro.cislo_vety, cislo);
        QCOMPARE(p_->pixel(g::prvni_veta + QPoint(20, 2)), kryt);
    }

    // The score table hides the exercise and keeps it as it was; coming back shows it.
    void tabulka_a_navrat()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"));
        s->dopln_box_viceradkovy(2)->setFocus();
        napis(s->dopln_box_viceradkovy(2), QStringLiteral("Ráno sme vstali."));
        const QImage stranka = s->obraz();
        p_->tlacitko(2);
        QVERIFY(p_->tabulka);
        QCOMPARE(p_->okno->aktualni(), p_->tabulka);
        QVERIFY(!s->isVisible());
        QVERIFY(jsou_presypaci_hodiny());
        QTRY_COMPARE(p_->tabulka->aktivaci, 1);
        QCOMPARE(p_->okno->najdi(obrazovka_id::main_frm), s);

        p_->okno->ukaz(obrazovka_id::main_frm, hostitel::potom_t::uvolni);
        QCoreApplication::processEvents();
        QVERIFY(s->isVisible());
        QCOMPARE(s->dopln_box_viceradkovy(2)->toPlainText(), QStringLiteral("Ráno sme vstali."));
        QCOMPARE(s->stav().losovani.pocet_zobrazenych, 9);
        QCOMPARE(s->obraz().copy(0, 85, 640, 395), stranka.copy(0, 85, 640, 395));
        QVERIFY(!jsou_presypaci_hodiny());
    }

    // Back shows the set-up screen and unloads the exercise.
    void zpet()
    {
        main_frm *s = p_->otevri(QStringLiteral("OPRAVA"));
        const int aktivaci = p_->nastaveni->aktivaci;
        p_->tlacitko(3);
        QCOMPARE(p_->okno->aktualni(), p_->nastaveni);
        QTRY_COMPARE(p_->nastaveni->aktivaci, aktivaci + 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!p_->scr);
        Q_UNUSED(s);
        QVERIFY(!p_->okno->najdi(obrazovka_id::main_frm));
    }

    // A topic with fewer sentences than asked for: the message, no page, and only the
    // score table and back left.
    void malo_radku()
    {
        main_frm *s = p_->otevri(QStringLiteral("DOPLNOVACKA"), 3, 5);
        QCOMPARE(p_->platforma.zpravy.size(), 1);
        QCOMPARE(p_->platforma.zpravy[0].text, hlaska_malo_radku);
        QCOMPARE(s->stav().pocet_na_strance, 0);
        QVERIFY(!s->dopln_box(1));
        QVERIFY(!s->repro(1));
        QCOMPARE(p_->pixel(QPoint(10, 10)), zalozka);
        QCOMPARE(p_->pixel(g::prvni_veta + QPoint(20, 2)), pozadi);
        QVERIFY(!s->klik_plocha(0)->isEnabled());
        QVERIFY(!s->klik_plocha(1)->isEnabled());
        QVERIFY(s->klik_plocha(2)->isEnabled());
        QVERIFY(s->klik_plocha(3)->isEnabled());
    }

    // The screen's own pointers: the page, everything clickable, the help area.
    void ukazatele()
    {
        main_frm *s = p_->otevri(QStringLiteral("DIKTAT"));
        QCOMPARE(s->cursor().hotSpot(), QPoint(15, 10));
        for (QWidget *w : {static_cast<QWidget *>(s->klik_plocha(0)), static_cast<QWidget *>(s->repro(1)),
                           static_cast<QWidget *>(s->check_mark(1)), static_cast<QWidget *>(s->pokracuj_cmd()),
                           static_cast<QWidget *>(s->dopln_box_viceradkovy(1)->viewport())})
            QCOMPARE(w->cursor().hotSpot(), QPoint(15, 6));
        QCOMPARE(s->help()->cursor().hotSpot(), QPoint(15, 15));
        QCOMPARE(s->cursor().bitmap().toImage(), ukazatel_stranky().bitmap().toImage());
    }
};

QTEST_MAIN(tst_main_frm)
#include "tst_main_frm.moc"
