// The exercise screen: a fill-in page opened from the set-up screen, answered with one
// mistake, checked, its bubble and the next page; a choice page with an open list and
// checked; a dictation and a correction before and after checking; a whole-text
// dictation with its play counters; the help picture. The generator is fixed, so the
// pages are the same on every run.
#include "common/geometrie.h"
#include "common/nahoda.h"
#include "common/stav.h"
#include "exercise/main_frm.h"
#include "prohlidka.h"
#include "shell/hostitel.h"

#include <QTest>

namespace
{

namespace gc = geometrie::cviceni;
namespace gn = geometrie::nastaveni;

main_frm *cviceni(prohlidka &p) { return qobject_cast<main_frm *>(p.aktualni()); }

// Key by key, so that letters with diacritics arrive as typed.
void napis(QWidget *kam, const QString &text)
{
    for (const QChar z : text)
        QTest::sendKeyEvent(QTest::Click, kam, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

void dobehni(prohlidka &p)
{
    for (int i = 0; i < 500; ++i) {
        main_frm *s = cviceni(p);
        if (!s || !s->zaneprazdnena())
            break;
        p.pockej(20);
    }
}

void otevri(prohlidka &p, int rocnik, int tema, druh_t druh, int pocet, int limit = 2)
{
    spolecny_stav_t &s = p.okno().sezeni();
    s.rocnik = rocnik;
    s.tema = tema;
    s.druh_ulohy = druh;
    s.pocet_uloh = pocet;
    s.limit_diktovani = limit;
    s.napoveda_na_zaciatku = false;
    p.okno().uvolni(obrazovka_id::main_frm);
    p.okno().ukaz(obrazovka_id::main_frm, hostitel::potom_t::skryj);
    p.pockej(100);
    p.najed(QPoint(320, 476));
}

// Every element answered right but the last.
void odpovez(prohlidka &p)
{
    main_frm *s = cviceni(p);
    const stranka_t &st = s->stranka();
    const int n = st.pocet_prvku();
    for (int i = 1; i <= n; ++i) {
        const bool chyba = i == n;
        switch (st.druh) {
        case druh_t::doplnovacka:
            p.klikni(s->vstupy().prvek(i)->geometry().center());
            napis(s->vstupy().prvek(i), chyba ? QStringLiteral("x") : st.dopln_box[i - 1].spravna_odpoved.trimmed());
            break;
        case druh_t::vyberovka: {
            const vyber_txt_t &model = st.vyber_txt[i - 1];
            const int radek = int(model.vyber_lst.indexOf(model.spravna_odpoved));
            const int zvoleny = chyba ? (radek + 1) % int(model.vyber_lst.size()) : radek;
            p.klikni(s->vstupy().prvek(i)->geometry().center());
            const QRect seznam = s->vstupy().seznam(i)->geometry();
            const QPoint kde(seznam.x() + 5, seznam.y() + 18 * zvoleny + 9);
            p.najed(kde);
            p.klikni(kde);
            break;
        }
        case druh_t::diktat:
        case druh_t::oprava: {
            QString veta = st.dopln_box_viceradkovy[i - 1].spravna_odpoved;
            if (chyba)
                veta.replace(veta.indexOf(u' '), 1, QString());
            auto *box = qobject_cast<box_vety *>(s->vstupy().prvek(i));
            p.klikni(box->geometry().center());
            box->selectAll();
            napis(box, veta);
            break;
        }
        }
    }
}

void skontroluj(prohlidka &p)
{
    p.najed(gc::tlacitka[0].center());
    p.klikni(gc::tlacitka[0].center());
    dobehni(p);
    p.najed(QPoint(320, 476));
}

const cast_prohlidky cast(
    30, [](hostitel &o) { o.zaregistruj<main_frm>(obrazovka_id::main_frm); },
    [](prohlidka &p) {
        const spolecny_stav_t volby = p.okno().sezeni();
        nahoda().zafixuj(20);
        p.zastavka(QStringLiteral("cviceni_doplnovacka"),
                   QStringLiteral("Fill-in exercise, first page, as the continue button opens it."), [&] {
                       // From the set-up screen's help picture and continue button.
                       p.klikni(QPoint(320, 240));
                       p.pockej(50);
                       p.najed(gn::pokracuj + QPoint(20, 10));
                       p.klikni(gn::pokracuj + QPoint(20, 10));
                       p.pockej(100);
                       if (!cviceni(p))
                           otevri(p, 3, 3, druh_t::doplnovacka, 10);
                       p.najed(QPoint(320, 476));
                   });
        if (!cviceni(p))
            return;
        p.zastavka(QStringLiteral("cviceni_doplnovacka_odpovede"),
                   QStringLiteral("Gaps filled in, the last one wrong; the check button under the pointer."), [&] {
                       odpovez(p);
                       p.najed(gc::tlacitka[0].center());
                   });
        p.zastavka(QStringLiteral("cviceni_doplnovacka_skontrolovana"),
                   QStringLiteral("Checked: a mark per sentence, the wrong gap in red, the continue button risen."),
                   [&] { skontroluj(p); });
        p.zastavka(QStringLiteral("cviceni_bublina"),
                   QStringLiteral("The left button held on a wrong mark: the correct sentence in a bubble."), [&] {
                       main_frm *s = cviceni(p);
                       for (int k = 1; s->check_mark(k); ++k)
                           if (s->check_mark(k)->isEnabled()) {
                               p.stiskni(s->check_mark(k)->geometry().center());
                               break;
                           }
                   });
        p.zastavka(QStringLiteral("cviceni_dalsia_strana"), QStringLiteral("Continue: the second page."), [&] {
            main_frm *s = cviceni(p);
            for (int k = 1; s->check_mark(k); ++k)
                if (s->check_mark(k)->isEnabled()) {
                    p.uvolni(s->check_mark(k)->geometry().center());
                    break;
                }
            p.klikni(s->pokracuj_cmd()->geometry().center());
            p.pockej(50);
        });

        p.zastavka(QStringLiteral("cviceni_vyberovka"), QStringLiteral("Choice exercise before answering."),
                   [&] { otevri(p, 2, 2, druh_t::vyberovka, 10); });
        p.zastavka(QStringLiteral("cviceni_vyberovka_zoznam"),
                   QStringLiteral("A choice list open, the entry under the pointer highlighted."), [&] {
                       main_frm *s = cviceni(p);
                       p.klikni(s->vstupy().prvek(1)->geometry().center());
                       const QRect seznam = s->vstupy().seznam(1)->geometry();
                       p.najed(QPoint(seznam.x() + 5, seznam.bottom() - 5));
                   });
        p.zastavka(QStringLiteral("cviceni_vyberovka_skontrolovana"),
                   QStringLiteral("Choice exercise answered (the last one wrong) and checked."), [&] {
                       p.klikni(QPoint(320, 476));
                       odpovez(p);
                       skontroluj(p);
                   });

        p.zastavka(QStringLiteral("cviceni_diktat"),
                   QStringLiteral("Dictation with every sentence typed, the last one wrong."), [&] {
                       otevri(p, 4, 1, druh_t::diktat, 5);
                       odpovez(p);
                   });
        p.zastavka(QStringLiteral("cviceni_diktat_skontrolovany"), QStringLiteral("Dictation checked."),
                   [&] { skontroluj(p); });

        p.zastavka(QStringLiteral("cviceni_oprava"),
                   QStringLiteral("Correction exercise: the sentences with their planted errors."),
                   [&] { otevri(p, 5, 2, druh_t::oprava, 5); });
        p.zastavka(QStringLiteral("cviceni_oprava_skontrolovana"),
                   QStringLiteral("Correction answered (the last one wrong) and checked."), [&] {
                       odpovez(p);
                       skontroluj(p);
                   });

        p.zastavka(QStringLiteral("cviceni_suhrnny_diktat"),
                   QStringLiteral(
                       "Whole-text dictation with two plays a sentence: the counters after one play and after two."),
                   [&] {
                       otevri(p, 1, 9, druh_t::diktat, 10, 2);
                       main_frm *s = cviceni(p);
                       p.klikni(s->prehravac().repro(1)->geometry().center());
                       p.klikni(s->prehravac().repro(2)->geometry().center());
                       p.klikni(s->prehravac().repro(2)->geometry().center());
                       p.najed(QPoint(320, 476));
                   });
        p.zastavka(QStringLiteral("cviceni_napoveda"),
                   QStringLiteral("The exercise’s help picture (a click on the title tab)."), [&] {
                       p.klikni(gc::help.center());
                       p.pockej(50);
                   });

        // Back to the set-up screen as the pupil left it.
        p.klikni(QPoint(320, 240));
        p.pockej(50);
        p.klikni(gc::tlacitka[3].center());
        p.pockej(100);
        nahoda().uvolni();
        p.okno().sezeni() = volby;
    },
    QStringLiteral("Exercise screen"));

} // namespace
