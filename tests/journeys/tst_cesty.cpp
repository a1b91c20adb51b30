// Whole journeys through the real program on a private 1024 × 768 X server, full screen,
// with the display's own pointer and keyboard, photographed at every step:
// - a pupil's way for each kind: title picture, grade, topic, count, kind, name, every
//   page answered (one answer wrong per page), checked, the bubble of the wrong mark,
//   continue, the results screen with the new row in red, back to the set-up screen,
//   back to the main menu, exit with Yes; afterwards the results log and the score table
//   hold exactly the visit's record and row. One way visits the score table in the middle
//   of the exercise, one is a whole-text dictation with its play limit;
// - a teacher printing a fill-in and a correction exercise to PDF through the print dialog.
#include "common/druhy.h"
#include "common/geometrie.h"
#include "common/katalog.h"
#include "data/kontejner.h"
#include "data/znacky.h"
#include "ocekavane_soubory.h"
#include "program_na_x.h"
#include "shell/plocha.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QSpinBox>

namespace
{

namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;
namespace gt = geometrie::tabulka;

int plocha_poctu(int pocet) { return pocet / 5 - 1; }
int plocha_druhu(druh_t d)
{
    switch (d) {
    case druh_t::diktat: return 6;
    case druh_t::oprava: return 7;
    case druh_t::doplnovacka: return 8;
    case druh_t::vyberovka: return 9;
    }
    return -1;
}

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A class's results before the journey: another topic's section, and the journey's own
// with the best possible share and a poor one.
QStringList jina_sekce()
{
    QStringList r{QStringLiteral("[10_6_DJ]"), QStringLiteral("Oto Šimko|9|1|1")};
    for (int i = 0; i < 9; ++i)
        r.append(QStringLiteral("|0|0|0"));
    return r;
}
const QString najlepsi = QStringLiteral("Ema Veselá|30|0|1");
const QString slaby = QStringLiteral("Ján Tichý|1|29|5");
QString hlavicka(int rocnik, int tema, druh_t d)
{
    return QStringLiteral("[%1_%2%3]").arg(rocnik + 5).arg(tema).arg(kod_tabulky(d));
}
QStringList sekce(int rocnik, int tema, druh_t d, const QStringList &radky)
{
    QStringList r{hlavicka(rocnik, tema, d)};
    r += radky;
    while (r.size() < 11)
        r.append(QStringLiteral("|0|0|0"));
    return r;
}

// The pupil's answer to every input element of the page, with the display's pointer and
// keyboard; the first element that can be answered wrong is. Returns the sentence answered
// wrong (0 when none could be), or -1 when an answer did not land.
int odpovez(program_na_x &p, main_frm *s)
{
    const stranka_t &st = s->stranka();
    int chybna_veta = 0;
    for (int i = 1; i <= st.pocet_prvku(); ++i) {
        bool chyba = chybna_veta == 0;
        switch (st.druh) {
        case druh_t::vyberovka: {
            const vyber_txt_t &m = st.vyber_txt[i - 1];
            qsizetype radek = m.vyber_lst.indexOf(m.spravna_odpoved);
            qsizetype spatny = -1;
            for (qsizetype r = 0; r < m.vyber_lst.size(); ++r)
                if (m.vyber_lst[r].trimmed() != m.spravna_odpoved.trimmed() &&
                    m.vyber_lst[r].trimmed() != m.druha_odpoved.trimmed())
                    spatny = r;
            chyba = chyba && spatny >= 0;
            if (chyba)
                radek = spatny;
            if (radek < 0 || !p.klikni(s->vyber_txt(i)) || !p.dockej([&] { return s->vyber_lst(i)->isVisible(); }))
                return -1;
            const QRect l = program_na_x::na_jevisti(s->vyber_lst(i));
            const int vyska = l.height() / int(m.vyber_lst.size());
            const QPoint kde(l.x() + 5, l.y() + vyska * int(radek) + vyska / 2);
            p.najed(kde);
            p.klikni(kde);
            if (!p.dockej(
                    [&] { return !s->vyber_lst(i)->isVisible() && s->vyber_txt(i)->text() == m.vyber_lst[radek]; }))
                return -1;
            break;
        }
        case druh_t::doplnovacka: {
            box_mezery *box = s->dopln_box(i);
            if (QApplication::focusWidget() != box)
                p.klikni(box);
            if (!p.dockej([&] { return box->hasFocus(); }, 3000))
                return -1;
            const QString odpoved = chyba ? QStringLiteral("#") : st.dopln_box[i - 1].spravna_odpoved.trimmed();
            if (!odpoved.isEmpty())
                p.pis(odpoved);
            if (!p.dockej([&] { return box->text() == odpoved; }, 3000))
                return -1;
            // Enter takes the caret on to the next gap.
            p.klavesa(QStringLiteral("Return"));
            break;
        }
        case druh_t::diktat:
        case druh_t::oprava: {
            box_vety *box = s->dopln_box_viceradkovy(i);
            p.klikni(box);
            if (!p.dockej([&] { return box->hasFocus(); }, 3000))
                return -1;
            p.klavesa(QStringLiteral("ctrl+a"));
            QString veta = st.dopln_box_viceradkovy[i - 1].spravna_odpoved;
            if (chyba)
                veta.chop(1);
            p.pis(veta);
            if (!p.dockej([&] { return box->toPlainText() == veta; }, 3000))
                return -1;
            break;
        }
        }
        if (chyba)
            chybna_veta = st.veta_prvku(i);
    }
    return chybna_veta;
}

// What the page's input elements hold.
QStringList hodnoty_prvku(main_frm *s)
{
    QStringList h;
    for (int i = 1; i <= s->stranka().pocet_prvku(); ++i)
        h.append(s->vyber_txt(i)   ? s->vyber_txt(i)->text()
                 : s->dopln_box(i) ? s->dopln_box(i)->text()
                                   : s->dopln_box_viceradkovy(i)->toPlainText());
    return h;
}

// Red pixels in each of the table's ten rows.
QList<int> cervene_radky(const program_na_x &p, const QImage &snimek)
{
    QList<int> pocty;
    for (int r = 0; r < gt::pocet_radku; ++r) {
        const QRect radek = gt::sloupce.front().united(gt::sloupce.back()).translated(0, gt::krok_radku * r);
        pocty.append(p.jeviste().pocet_pixelu(snimek, radek, je_cervena));
    }
    return pocty;
}

// The pages of a PDF file as pdftotext reads them, whitespace collapsed.
QStringList strany_pdf(const QString &soubor)
{
    QProcess proces;
    proces.start(QStringLiteral("pdftotext"), {soubor, QStringLiteral("-")});
    if (!proces.waitForFinished(60000) || proces.exitCode() != 0)
        return {};
    QStringList strany = QString::fromUtf8(proces.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    for (QString &s : strany)
        s = s.simplified();
    strany.removeAll(QString());
    return strany;
}

} // namespace

class tst_cesty : public QObject
{
    Q_OBJECT

    const vlastni_x &x_;

    QString bez_x() const
    {
        if (!x_.bezi())
            return QStringLiteral("no X server: ") + x_.duvod();
        return ovladani_x::chybi_nastroje();
    }

    // Title picture, then the menu; the grade and the topic with the pointer.
    static void k_nastaveni(program_na_x &p, int rocnik, int tema)
    {
        QVERIFY(p.spust());
        const QImage titulek = p.snimek(QStringLiteral("titulek"), p.ukazuje(QStringLiteral("GRAFIKA/TITLE.BMP")));
        QVERIFY2(p.ukazuje(QStringLiteral("GRAFIKA/TITLE.BMP"))(titulek), "the title picture is not on the screen");
        QVERIFY(p.okno().isFullScreen());
        QCOMPARE(p.okno().geometry(), QGuiApplication::primaryScreen()->geometry());
        hl_menu *menu = p.obrazovka<hl_menu>();
        QVERIFY(menu);
        p.klikni(QPoint(320, 240));
        QVERIFY(p.dockej([&] { return !menu->titulek_viditelny() && menu->plocha(0)->isEnabled(); }));

        const int g = rocnik - 1;
        p.najed(gm::plochy[g].center());
        p.klikni(gm::plochy[g].center());
        QVERIFY(p.dockej([&] { return menu->zvoleny_rocnik() == g && menu->pocet_temat() > 0; }));
        const QString tlacitko = QStringLiteral("GRAFIKA/SELECT/R_%1%2_0.BMP").arg(rocnik).arg(tema);
        QVERIFY(p.ukazuje(tlacitko, gm::tema(g, tema - 1).topLeft(), 0.8)(p.snimek(QStringLiteral("rocnik"))));
        p.najed(gm::tema(g, tema - 1).center());
        p.klikni(gm::tema(g, tema - 1).center());
        QVERIFY(p.dockej([&] { return p.aktualni_id() == obrazovka_id::frm_select; }));
        QCOMPARE(spolecny_stav.rocnik, rocnik);
        QCOMPARE(spolecny_stav.tema, tema);
    }

    // A press on a hit area of the set-up screen, and its slides run out.
    static void na_plochu(program_na_x &p, frm_select *s, int n)
    {
        p.najed(gn::plochy[n].center());
        p.klikni(gn::plochy[n].center());
        QVERIFY(p.dockej([&] { return !s->zaneprazdnena(); }));
    }

    // Count, kind and name; the continue button slides out.
    static void nastav(program_na_x &p, int pocet, druh_t druh, const QString &jmeno)
    {
        frm_select *s = p.obrazovka<frm_select>();
        QVERIFY(s);
        p.snimek(
            QStringLiteral("nastaveni"),
            p.ukazuje(QStringLiteral("GRAFIKA/SETUP/BG_%1%2.BMP").arg(spolecny_stav.rocnik).arg(spolecny_stav.tema)));
        na_plochu(p, s, plocha_poctu(pocet));
        na_plochu(p, s, plocha_druhu(druh));
        QCOMPARE(spolecny_stav.pocet_uloh, pocet);
        QCOMPARE(spolecny_stav.druh_ulohy, klicove_slovo(druh));
        p.klikni(gn::jmeno.center());
        QVERIFY(p.dockej([&] { return s->jmeno_txt()->hasFocus(); }));
        if (!jmeno.isEmpty())
            QVERIFY(p.pis(jmeno));
        QVERIFY(p.dockej([&] { return s->vysunuto_pokracuj() && !s->zaneprazdnena(); }));
        const QImage snimek =
            p.snimek(QStringLiteral("nastaveno"), p.ukazuje(QStringLiteral("GRAFIKA/POKRACUJ.BMP"), gn::pokracuj, 0.8));
        QVERIFY2(p.ukazuje(QStringLiteral("GRAFIKA/SETUP/TU_%1_1.BMP").arg(kod_bitmapy(druh)),
                           gn::druh[plocha_druhu(druh) - 6])(snimek),
                 "the chosen kind does not show its chosen look");
    }

    // The first sentence's speaker clicked three times: a whole text plays as often as
    // chosen and then shows no plays left, anything else plays every time.
    static void prehraj_prvni_vetu(program_na_x &p)
    {
        main_frm *s = p.obrazovka<main_frm>();
        QVERIFY(s);
        const bool souvisly = s->stav().losovani.souvisly_text;
        const int povoleno = souvisly ? spolecny_stav.limit_diktovani : 99;
        const QString nahravka =
            QStringLiteral("ZVUK/%1/%2.WAV").arg(s->cislo_ulohy()).arg(s->stranka().vety[0].repro.cislo_vety);
        for (int i = 0; i < 3; ++i)
            p.klikni(s->repro(1));
        QCOMPARE(p.zvuk().prehrano(nahravka), std::min(3, povoleno));
        if (souvisly) {
            QCOMPARE(povoleno, 2);
            const QRect pocitadlo = program_na_x::na_jevisti(s->pocet_diktovani(1));
            QVERIFY2(p.ukazuje(QStringLiteral("GRAFIKA/REP_0.BMP"),
                               pocitadlo.topLeft())(p.snimek(QStringLiteral("prehravani_vycerpane"))),
                     "the counter does not show 0 plays left");
            p.najed(QPoint(320, 470));
            QVERIFY(p.dockej([&] { return !s->repro(1)->isEnabled(); }));
        } else {
            QVERIFY(!s->pocet_diktovani(1));
        }
    }

    // The score table in the middle of the exercise, and back to the page as it was left.
    static void navstiv_tabulku(program_na_x &p, main_frm *s, const QString &zalozka)
    {
        const QStringList vyplneno = hodnoty_prvku(s);
        p.najed(gc::tlacitka[2].center());
        p.klikni(gc::tlacitka[2].center());
        QVERIFY(p.dockej([&] { return p.aktualni_id() == obrazovka_id::frm_tabulka; }));
        const QImage uprostred = p.snimek(QStringLiteral("tabulka_uprostred"), p.ukazuje(zalozka));
        QCOMPARE(cervene_radky(p, uprostred), QList<int>(10, 0));
        QCOMPARE(p.obrazovka<frm_tabulka>()->popisek(frm_tabulka::sloupec_t::jmeno, 0)->text(),
                 QStringLiteral("Ema Veselá"));
        p.najed(gt::zpet.center());
        p.klikni(gt::zpet.center());
        QVERIFY(p.dockej([&] { return p.aktualni_id() == obrazovka_id::main_frm; }));
        QCOMPARE(p.obrazovka<main_frm>(), s);
        // The page as the pupil left it.
        QCOMPARE(hodnoty_prvku(s), vyplneno);
        QVERIFY(p.ukazuje(zalozka)(p.snimek(QStringLiteral("zpet_do_cviceni"), p.ukazuje(zalozka))));
    }

    // Every sentence's mark after checking, and the bubble of the wrong one while the left
    // button is held on it.
    static void over_znacky(program_na_x &p, main_frm *s, int chybna, const QString &cislo)
    {
        const QImage skontrolovana = p.snimek(QStringLiteral("skontrolovana_") + cislo,
                                              p.ukazuje(QStringLiteral("GRAFIKA/POKRACUJ.BMP"), gc::pokracuj, 0.8));
        for (int k = 1; k <= s->stav().pocet_na_strance; ++k) {
            const bool spravne = k != chybna;
            QCOMPARE(s->check_mark(k)->isEnabled(), !spravne);
            const QString znacka =
                spravne ? QStringLiteral("GRAFIKA/CHECK_OK.BMP") : QStringLiteral("GRAFIKA/CHECK_KO.BMP");
            QVERIFY2(p.ukazuje(znacka, program_na_x::na_jevisti(s->check_mark(k)).topLeft())(skontrolovana),
                     qPrintable(QStringLiteral("mark of sentence %1").arg(k)));
        }
        if (chybna > 0) {
            // The correct text while the left button is held on the wrong mark.
            const QPoint znacka = program_na_x::na_jevisti(s->check_mark(chybna)).center();
            p.stiskni(znacka);
            QVERIFY(p.dockej([&] { return s->bublina()->isVisible(); }));
            QCOMPARE(s->spravny_vysledek_lbl()->text(), s->stranka().vety[chybna - 1].check_mark.odpoved);
            const QRect bublina = program_na_x::na_jevisti(s->bublina());
            const int n = int(std::find(gc::bublina_vyska.begin(), gc::bublina_vyska.end(), bublina.height()) -
                              gc::bublina_vyska.begin()) +
                          1;
            QVERIFY(n >= 1 && n <= 3);
            const auto bublina_vidno = p.ukazuje(QStringLiteral("GRAFIKA/HINT%1.BMP").arg(n), bublina.topLeft(), 0.7);
            QVERIFY2(bublina_vidno(p.snimek(QStringLiteral("bublina_") + cislo, bublina_vidno)),
                     "no bubble on the screen");
            p.uvolni(znacka);
            QVERIFY(p.dockej([&] { return !s->bublina()->isVisible(); }));
        }
    }

public:
    explicit tst_cesty(const vlastni_x &x) : x_(x) {}

private slots:
    void initTestCase()
    {
        if (const QString proc = bez_x(); !proc.isEmpty())
            QSKIP(qPrintable(proc));
        if (!QFileInfo::exists(postavena_media() + QStringLiteral("/GRAFIKA/TITLE.BMP")) ||
            !QFileInfo::exists(postavena_data() + QStringLiteral("/VERBANO2.DAT")))
            QSKIP("the media and data folders are not built (make build)");
    }

    void cesta_zaka_data()
    {
        QTest::addColumn<QString>("druh");
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<bool>("tabulka_uprostred");
        QTest::newRow("VYBEROVKA, 6. ročník, 10, score table in the middle")
            << "VYBEROVKA" << 2 << 2 << 10 << "Jana Mala" << true;
        QTest::newRow("DOPLNOVACKA, 7. ročník, 15, Slovak name")
            << "DOPLNOVACKA" << 3 << 3 << 15 << "Ľubica Šťastná" << false;
        QTest::newRow("DIKTAT, 8. ročník, 5") << "DIKTAT" << 4 << 1 << 5 << "Peter Kral" << false;
        QTest::newRow("OPRAVA, 9. ročník, 10") << "OPRAVA" << 5 << 2 << 10 << "Zuzana Nova" << false;
        QTest::newRow("DIKTAT, whole text, two plays") << "DIKTAT" << 1 << 9 << 10 << "Miro Hruby" << false;
    }
    void cesta_zaka()
    {
        QFETCH(QString, druh);
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(int, pocet);
        QFETCH(QString, jmeno);
        QFETCH(bool, tabulka_uprostred);
        const druh_t d = *druh_z_klicoveho_slova(druh);
        program_na_x p(QStringLiteral("%1_%2_%3").arg(druh).arg(rocnik).arg(tema));
        const QString tab = p.soubor_dat(QStringLiteral("TAB.DAT"));
        const QStringList pred = jina_sekce() + sekce(rocnik, tema, d, {najlepsi, slaby});
        QFile f(tab);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(radky_dat(pred));
        f.close();

        k_nastaveni(p, rocnik, tema);
        nastav(p, pocet, d, jmeno);
        frm_select *nastaveni = p.obrazovka<frm_select>();
        p.klikni(nastaveni->pokracuj_cmd());
        QVERIFY(p.dockej([&] { return p.aktualni_id() == obrazovka_id::main_frm; }));
        QCOMPARE(spolecny_stav.jmeno_zaka, jmeno);
        main_frm *s = p.obrazovka<main_frm>();
        const QString zalozka = QStringLiteral("GRAFIKA/TABS/L_%1%2_%3.BMP").arg(rocnik).arg(tema).arg(kod_bitmapy(d));

        prehraj_prvni_vetu(p);
        if (QTest::currentTestFailed())
            return;

        QList<zaznam_t> zaznamy;
        int polozek = 0, spatne = 0, strana = 0;
        while (p.aktualni_id() == obrazovka_id::main_frm) {
            QVERIFY2(++strana <= 5, "the exercise never ends");
            s = p.obrazovka<main_frm>();
            QVERIFY(s);
            const QString cislo = QString::number(strana);
            QVERIFY(p.ukazuje(zalozka)(p.snimek(QStringLiteral("strana_") + cislo, p.ukazuje(zalozka))));
            const int chybna = odpovez(p, s);
            QVERIFY2(chybna >= 0, "an answer did not land");
            p.najed(gc::tlacitka[0].center());
            p.snimek(QStringLiteral("odpovede_") + cislo);

            if (tabulka_uprostred && strana == 1) {
                navstiv_tabulku(p, s, zalozka);
                if (QTest::currentTestFailed())
                    return;
                zaznamy.append({jmeno, rocnik, tema, pocet, 0, 0, 0});
            }

            p.najed(gc::tlacitka[0].center());
            p.klikni(gc::tlacitka[0].center());
            QVERIFY(p.dockej([&] { return s->pokracuj_cmd()->isVisible() && !s->zaneprazdnena(); }));
            const bool po_polozkach = d == druh_t::vyberovka || d == druh_t::doplnovacka;
            polozek += po_polozkach ? s->stranka().pocet_prvku() : s->stav().pocet_na_strance;
            spatne += chybna > 0;
            QCOMPARE(spolecny_stav.pocet_spatne, spatne);
            QCOMPARE(spolecny_stav.pocet_spravne, polozek - spatne);

            over_znacky(p, s, chybna, cislo);
            if (QTest::currentTestFailed())
                return;
            p.klikni(s->pokracuj_cmd());
            QVERIFY(p.dockej([&] {
                return p.aktualni_id() == obrazovka_id::frm_tabulka ||
                       (p.obrazovka<main_frm>() && !p.obrazovka<main_frm>()->pokracuj_cmd()->isVisible());
            }));
        }

        // The results: the new row second, in red.
        frm_tabulka *t = p.obrazovka<frm_tabulka>();
        QVERIFY(t);
        QVERIFY(spolecny_stav.vsetko_skontrolovane);
        QVERIFY(strana >= (pocet > 10 ? 2 : 1));
        const int znamka =
            znamka_podle_pasem(obsah(p.soubor_dat(QStringLiteral("ZNAMKY.DAT"))), polozek - spatne, spatne);
        QVERIFY(znamka >= 1 && znamka <= 5);
        const QImage vysledky =
            p.snimek(QStringLiteral("vysledky"), [&](const QImage &s) { return cervene_radky(p, s)[1] > 0; });
        const QList<int> cervene = cervene_radky(p, vysledky);
        QVERIFY2(cervene[1] > 20, "the new row is not red on the screen");
        for (int r = 0; r < gt::pocet_radku; ++r)
            QVERIFY2(r == 1 || cervene[r] == 0, qPrintable(QStringLiteral("row %1 is red").arg(r + 1)));
        QCOMPARE(t->popisek(frm_tabulka::sloupec_t::jmeno, 1)->text(), jmeno);
        QCOMPARE(t->popisek(frm_tabulka::sloupec_t::znamka, 1)->text(), QString::number(znamka));
        zaznamy.append({jmeno, rocnik, tema, spolecny_stav.pocet_uloh, polozek - spatne, spatne, znamka});

        // Back to the set-up screen as it was left, then to the menu, and out.
        p.najed(gt::zpet.center());
        p.klikni(gt::zpet.center());
        QVERIFY(p.dockej([&] { return p.aktualni_id() == obrazovka_id::frm_select; }));
        QVERIFY(p.dockej([&] { return !p.okno().najdi(obrazovka_id::main_frm); }));
        const auto zvoleny_druh =
            p.ukazuje(QStringLiteral("GRAFIKA/SETUP/TU_%1_1.BMP").arg(kod_bitmapy(d)), gn::druh[plocha_druhu(d) - 6]);
        QVERIFY(zvoleny_druh(p.snimek(QStringLiteral("zpet_nastaveni"), zvoleny_druh)));
        p.najed(gn::plochy[11].center());
        p.klikni(gn::plochy[11].center());
        QVERIFY(p.dockej([&] { return p.aktualni_id() == obrazovka_id::hl_menu; }));
        p.snimek(QStringLiteral("menu"));
        QString otazka;
        QCOMPARE(p.ukonci_s_ano(&otazka), 0);
        QCOMPARE(otazka, QStringLiteral("Otázka|Naozaj chceš ukončiť tento program?"));
        QVERIFY(!p.okno().isFullScreen());
        QVERIFY2(p.zpravy().isEmpty(), qPrintable(p.zpravy().join(u'\n')));

        // What the teacher finds in the files.
        const QString rozdil = porovnej_log(obsah(p.soubor_dat(QStringLiteral("VYSLEDKY.DAT"))), zaznamy);
        QVERIFY2(rozdil.isEmpty(), qPrintable(rozdil));
        const QString radek = QStringLiteral("%1|%2|%3|%4").arg(jmeno).arg(polozek - spatne).arg(spatne).arg(znamka);
        QCOMPARE(obsah(tab), radky_dat(jina_sekce() + sekce(rocnik, tema, d, {najlepsi, radek, slaby})));
    }

    // A teacher prints a fill-in and then a correction exercise of the same topic through
    // the print dialog into PDF files: the model copy with the answers, then a pupil copy.
    void tisk_ucitele()
    {
        program_na_x p(QStringLiteral("tisk"));
        const int rocnik = 1, tema = 1, pocet = 10;
        k_nastaveni(p, rocnik, tema);
        frm_select *s = p.obrazovka<frm_select>();
        QVERIFY(s);
        na_plochu(p, s, plocha_poctu(pocet));
        const sekce_t vety = nacti_sekci(p.soubor_dat(QStringLiteral("VERBANO2.DAT")), cislo_ulohy(rocnik, tema));
        QVERIFY(vety.radky.size() >= pocet);

        for (const druh_t d : {druh_t::doplnovacka, druh_t::oprava}) {
            const QString kod = kod_bitmapy(d);
            na_plochu(p, s, plocha_druhu(d));
            QVERIFY(s->vysunuto_tiskni());
            p.snimek(QStringLiteral("tisk_") + kod,
                     p.ukazuje(QStringLiteral("GRAFIKA/TISKNI.BMP"), gn::tiskni_ven, 0.8));
            const QString pdf = p.instalace().koren() + QStringLiteral("/list_%1.pdf").arg(kod);
            bool vyplneno = false;
            p.az_se_ukaze<QPrintDialog>([&](QPrintDialog *dialog) {
                auto *tiskarny = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
                auto *nazev = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
                auto *kopie = dialog->findChild<QSpinBox *>(QStringLiteral("copies"));
                auto *tlacitka = dialog->findChild<QDialogButtonBox *>();
                if (!tiskarny || !nazev || !kopie || !tlacitka) {
                    dialog->reject();
                    return;
                }
                tiskarny->setCurrentIndex(tiskarny->count() - 1);
                nazev->setText(pdf);
                kopie->setValue(1);
                p.snimek(QStringLiteral("dialog_") + kod);
                for (QAbstractButton *b : tlacitka->buttons())
                    if (tlacitka->buttonRole(b) == QDialogButtonBox::AcceptRole) {
                        vyplneno = true;
                        ovladani_x::klikni(b->mapToGlobal(b->rect().center()));
                    }
            });
            p.klikni(s->tiskni_cmd());
            QVERIFY2(
                p.dockej([&] { return vyplneno && QFileInfo(pdf).size() > 0 && !QApplication::activeModalWidget(); }),
                "the print dialog could not be answered");
            QVERIFY2(p.zpravy().isEmpty(), qPrintable(p.zpravy().join(u'\n')));

            const QStringList strany = strany_pdf(pdf);
            QVERIFY(strany.size() >= 2);
            const qsizetype prvni_zaka = strany.indexOf(QRegularExpression(QStringLiteral(".*Meno: \\.+.*")));
            QVERIFY(prvni_zaka >= 1);
            const QString ucitel = strany.mid(0, prvni_zaka).join(u' ');
            QVERIFY(ucitel.contains(QStringLiteral("vzor pre učiteľa")));
            QVERIFY(ucitel.contains(d == druh_t::doplnovacka ? QStringLiteral("Zadanie: Doplň chýbajúce")
                                                             : QStringLiteral("Zadanie: Oprav všetky chyby")));
            QVERIFY(!strany[prvni_zaka].contains(QStringLiteral("vzor pre učiteľa")));
            // The model copy holds the correct text of exactly as many of the topic's
            // sentences as were asked for.
            int vytistenych = 0;
            for (const QString &radek : vety.radky)
                vytistenych += ucitel.contains(vypis_vety(radek).spravna_veta.simplified());
            QCOMPARE(vytistenych, pocet);
            if (d == druh_t::doplnovacka)
                QVERIFY2(strany[prvni_zaka].contains(QStringLiteral("_")), qPrintable(strany[prvni_zaka]));
        }
        p.najed(gn::plochy[11].center());
        p.klikni(gn::plochy[11].center());
        QVERIFY(p.dockej([&] { return p.aktualni_id() == obrazovka_id::hl_menu; }));
        QString otazka;
        QCOMPARE(p.ukonci_s_ano(&otazka), 0);
    }
};

CESTY_MAIN(tst_cesty)
#include "tst_cesty.moc"
