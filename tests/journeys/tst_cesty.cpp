// Whole journeys through the real program, full screen on a private 1280 × 720 X server,
// on the rendered media and a fresh data folder, with the display's own pointer and
// keyboard, photographed at every step (build/cesty/<journey>/): a pupil's way for each
// kind (one answer wrong per page) to the results and out with Yes, leaving exactly the
// visit's log record and table row.
#include "common/geometrie.h"
#include "common/pismo.h"
#include "common/stav.h"
#include "exercise/kontrola.h"
#include "exercise/main_frm.h"
#include "exercise/obrazky_cviceni.h"
#include "menu/hl_menu.h"
#include "menu/start.h"
#include "nahrady/falesna_platforma.h"
#include "nahrady/falesny_zvuk.h"
#include "nahrady/instalace.h"
#include "ocekavane_soubory.h"
#include "pomoc/ovladani_x.h"
#include "pomoc/vlastni_x.h"
#include "results/frm_tabulka.h"
#include "setup/frm_select.h"
#include "setup/volby.h"
#include "shell/hostitel.h"
#include "shell/plocha.h"
#include "shell/ukazatel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace
{

namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;
namespace gt = geometrie::tabulka;
using test_t = std::function<bool(const QImage &)>;

// A step of the journey made by a helper: the journey ends when it failed.
#define KROK(krok)                                                                                                     \
    do {                                                                                                               \
        krok;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)

// The program's way out (konec_programu) is caught where its event was delivered.
class aplikace_cesty : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *prijemce, QEvent *udalost) override
    {
        try {
            return QApplication::notify(prijemce, udalost);
        } catch (const konec_programu &k) {
            kod_konce = k.kod;
            return true;
        }
    }
    static int &kod() { return static_cast<aplikace_cesty *>(QCoreApplication::instance())->kod_konce; }
    int kod_konce = -1;
};

// The real desktop, but the test's INI, a private lock, and messages recorded.
class platforma_cesty : public skutecna_platforma_t
{
public:
    using skutecna_platforma_t::skutecna_platforma_t;
    QString soubor_ini() override { return ini; }
    void zprava(const QString &text, const QString &, ikona_t) override { zpravy.append(text); }
    QString ini;
    QStringList zpravy;

protected:
    void proved_konec(int kod) override { throw konec_programu(kod); }
};

QByteArray obsah(const QString &cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Lets events run until the condition holds; false after the time.
bool dockej(const std::function<bool()> &podminka, int ms = 15000)
{
    QElapsedTimer t;
    t.start();
    while (!podminka() && t.elapsed() < ms)
        QTest::qWait(20);
    return podminka();
}

// Where an element of a screen is on the stage.
QRect na_jevisti(const QWidget *prvek) { return QRect(prvek->mapTo(prvek->window(), QPoint(0, 0)), prvek->size()); }

// A class's results before the journey: another topic's section, and the journey's own.
QStringList sekce(const QString &hlavicka, QStringList radky)
{
    radky.prepend(hlavicka);
    while (radky.size() < 11)
        radky.append(QStringLiteral("|0|0|0"));
    return radky;
}
const QStringList jina_sekce = sekce(QStringLiteral("[10_6_DJ]"), {QStringLiteral("Oto Šimko|9|1|1")});
const QString najlepsi = QStringLiteral("Ema Veselá|30|0|1"), slaby = QStringLiteral("Ján Tichý|1|29|5");

// Runs the steps inside the modal loop the next event opens, once its widget is shown.
template <typename T> void az_se_ukaze(std::function<void(T *)> kroky)
{
    QTimer::singleShot(50, [kroky] {
        auto *modalni = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!modalni || !modalni->isVisible())
            return az_se_ukaze<T>(kroky);
        if (QTest::qWaitForWindowExposed(modalni))
            kroky(modalni);
    });
}

} // namespace

class tst_cesty : public QObject
{
    Q_OBJECT

    const vlastni_x &x_;
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<platforma_cesty> platforma_;
    std::unique_ptr<falesny_zvuk> zvuk_;
    std::unique_ptr<hostitel> okno_;
    std::unique_ptr<jeviste_na_obrazovce> jeviste_;
    QString slozka_; // this journey's photographs
    int snimku_ = 0;

    QString soubor_dat(const QString &nazev) const { return spoj_cestu(instalace_->data(), nazev); }
    template <typename T> T *obrazovka() const { return qobject_cast<T *>(okno_->aktualni()); }
    bool je(obrazovka_id id) const { return okno_->aktualni_id() == id; }

    // The display's pointer moved to a stage point (and clicked); then events run a while.
    void klikni(QPoint kde, bool stisknout = true)
    {
        ovladani_x::najed(jeviste_->bod(kde));
        if (stisknout)
            ovladani_x::klikni(jeviste_->bod(kde));
        QTest::qWait(40);
    }
    void klikni(const QWidget *prvek) { klikni(na_jevisti(prvek).center()); }
    void klavesa(const QString &nazev)
    {
        ovladani_x::klavesa(nazev);
        QTest::qWait(40);
    }
    void tlacitko(QPoint kde, obrazovka_id id)
    {
        klikni(kde);
        QVERIFY(dockej([&] { return je(id); }));
    }

    // Through the display's keyboard; Slovak letters key by key into the focused widget.
    void pis(const QString &text)
    {
        if (text.toLatin1() == text.toUtf8() && ovladani_x::pis(text))
            return QTest::qWait(40);
        for (const QChar z : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(z), Qt::NoModifier);
    }

    // Photographs the display until the photograph passes the test (or the time is up),
    // keeps it as NN_name.png.
    bool snimek(const QString &nazev, const test_t &test = {}, int ms = 10000)
    {
        QElapsedTimer t;
        t.start();
        QImage s;
        bool prosel = false;
        while (!prosel && (s.isNull() || t.elapsed() < ms)) {
            QTest::qWait(30);
            s = ovladani_x::snimek();
            prosel = !test || test(s);
        }
        s.save(QDir(slozka_).filePath(QStringLiteral("%1_%2.png").arg(++snimku_, 2, 10, QLatin1Char('0')).arg(nazev)));
        return prosel;
    }
    // The media picture shown at the stage point (share of its pixels at least `prah`).
    test_t ukazuje(const QString &obrazek, QPoint kde = {}, double prah = 0.9) const
    {
        const QImage o(spoj_cestu(postavena_media(), obrazek));
        return [o, kde, prah, j = *jeviste_](const QImage &s) { return j.shoda(s, o, kde) >= prah; };
    }
    // Red pixels in each of the table's ten rows.
    QList<int> cervene_radky(const QImage &snimek) const
    {
        QList<int> pocty;
        for (int r = 0; r < gt::pocet_radku; ++r)
            pocty.append(jeviste_->pocet_pixelu(
                snimek, gt::sloupce.front().united(gt::sloupce.back()).translated(0, gt::krok_radku * r), je_cervena));
        return pocty;
    }

    // Start-up, the title picture full screen, then the grade and the topic.
    void k_nastaveni(const QString &nazev, int rocnik, int tema)
    {
        instalace_ = std::make_unique<docasna_instalace>();
        platforma_ = std::make_unique<platforma_cesty>(instalace_->koren() + QStringLiteral("/ortanel.lock"));
        zvuk_ = std::make_unique<falesny_zvuk>();
        slozka_ = QStringLiteral(ORTANEL_BUILD_DIR "/cesty/") + nazev;
        snimku_ = 0;
        QDir(slozka_).removeRecursively();
        QDir().mkpath(slozka_);
        spolecny_stav = {};
        instalace_->zkopiruj_postavena_data();
        instalace_->zapis_ini({QStringLiteral("CD=") + postavena_media(), QStringLiteral("HD=") + instalace_->data()});
        platforma_->ini = instalace_->ini();
        nastav_platformu(platforma_.get());
        aplikace_cesty::kod() = -1;
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [](QWidget *p) { return new hl_menu(p); });
        okno_->zaregistruj(obrazovka_id::frm_select, [](QWidget *p) { return new frm_select(p); });
        okno_->zaregistruj(obrazovka_id::main_frm, [](QWidget *p) { return new main_frm(p); });
        okno_->zaregistruj(obrazovka_id::frm_tabulka, [](QWidget *p) { return new frm_tabulka(p); });
        hl_menu *menu = spust_program(*okno_);
        QVERIFY(menu);
        QVERIFY2(snimek(QStringLiteral("titulek"), ukazuje(QStringLiteral("GRAFIKA/TITLE.BMP"))), "no title picture");
        QVERIFY(okno_->isFullScreen());
        QCOMPARE(okno_->geometry(), QGuiApplication::primaryScreen()->geometry());
        klikni(QPoint(320, 240));
        QVERIFY(dockej([&] { return !menu->titulek_viditelny() && menu->plocha(0)->isEnabled(); }));
        klikni(gm::plochy[rocnik - 1].center());
        QVERIFY(dockej([&] { return menu->zvoleny_rocnik() == rocnik - 1 && menu->pocet_temat() > 0; }));
        snimek(QStringLiteral("rocnik"));
        tlacitko(gm::tema(rocnik - 1, tema - 1).center(), obrazovka_id::frm_select);
        QCOMPARE(QPoint(spolecny_stav.rocnik, spolecny_stav.tema), QPoint(rocnik, tema));
    }

    // A press on a hit area of the set-up screen, and its slides run out.
    void na_plochu(int n)
    {
        klikni(gn::plochy[n].center());
        QVERIFY(dockej([&] { return !obrazovka<frm_select>()->zaneprazdnena(); }));
    }

    // Count, kind and name; the continue button slides out.
    void nastav(int pocet, druh_t druh, const QString &jmeno)
    {
        frm_select *s = obrazovka<frm_select>();
        QVERIFY(snimek(QStringLiteral("nastaveni"), ukazuje(volby::pozadi(spolecny_stav.rocnik, spolecny_stav.tema))));
        KROK(na_plochu(*volby::plocha_poctu(pocet)));
        KROK(na_plochu(*volby::plocha_druhu(klicove_slovo(druh))));
        QCOMPARE(spolecny_stav.pocet_uloh, pocet);
        QCOMPARE(spolecny_stav.druh_ulohy, klicove_slovo(druh));
        klikni(gn::jmeno.center());
        QVERIFY(dockej([&] { return s->jmeno_txt()->hasFocus(); }));
        pis(jmeno);
        QVERIFY(dockej([&] { return s->vysunuto_pokracuj() && !s->zaneprazdnena(); }));
        snimek(QStringLiteral("nastaveno"));
    }

    // The first sentence's speaker clicked three times: a whole text plays as often as
    // chosen and then shows no plays left, anything else plays every time.
    void prehraj_prvni_vetu(main_frm *s)
    {
        const bool souvisly = s->stav().losovani.souvisly_text;
        for (int i = 0; i < 3; ++i)
            klikni(s->prehravac().repro(1));
        const QString nahravka =
            QStringLiteral("ZVUK/%1/%2.WAV").arg(s->cislo_ulohy()).arg(s->stranka().vety[0].repro.cislo_vety);
        QCOMPARE(zvuk_->prehrano(nahravka), souvisly ? spolecny_stav.limit_diktovani : 3);
        if (!souvisly) {
            QVERIFY(!s->prehravac().pocitadlo(1));
            return;
        }
        QCOMPARE(spolecny_stav.limit_diktovani, 2);
        snimek(QStringLiteral("prehravani_vycerpane"));
        klikni(QPoint(320, 470), false);
        QVERIFY(dockej([&] { return !s->prehravac().repro(1)->isEnabled(); }));
    }

    // The pupil's answer to every input element of the page with the display's pointer and
    // keyboard; the first element that can be answered wrong is. Returns the sentence
    // answered wrong (0 when none could be), or -1 when an answer did not land.
    int odpovez(main_frm *s)
    {
        const stranka_t &st = s->stranka();
        int chybna_veta = 0;
        for (int i = 1; i <= st.pocet_prvku(); ++i) {
            bool chyba = chybna_veta == 0;
            if (st.druh == druh_t::vyberovka) {
                const vyber_txt_t &m = st.vyber_txt[i - 1];
                const qsizetype spatny = std::find_if(m.vyber_lst.begin(), m.vyber_lst.end(),
                                                      [&](const QString &r) {
                                                          return r.trimmed() != m.spravna_odpoved.trimmed() &&
                                                                 r.trimmed() != m.druha_odpoved.trimmed();
                                                      }) -
                                         m.vyber_lst.begin();
                chyba = chyba && spatny < m.vyber_lst.size();
                const qsizetype radek = chyba ? spatny : m.vyber_lst.indexOf(m.spravna_odpoved);
                klikni(s->vstupy().prvek(i));
                if (radek < 0 || !dockej([&] { return s->vstupy().seznam(i)->isVisible(); }))
                    return -1;
                const QRect l = na_jevisti(s->vstupy().seznam(i));
                const int vyska = l.height() / int(m.vyber_lst.size());
                klikni(QPoint(l.x() + 5, l.y() + vyska * int(radek) + vyska / 2));
                if (!dockej([&] {
                        return !s->vstupy().seznam(i)->isVisible() &&
                               s->vstupy().odpovedi().value(i - 1) == m.vyber_lst[radek];
                    }))
                    return -1;
            } else if (st.druh == druh_t::doplnovacka) {
                auto *box = qobject_cast<box_mezery *>(s->vstupy().prvek(i));
                if (QApplication::focusWidget() != box) // Enter took the caret on to this gap
                    klikni(box);
                const QString odpoved = chyba ? QStringLiteral("#") : st.dopln_box[i - 1].spravna_odpoved.trimmed();
                if (!dockej([&] { return box->hasFocus(); }, 3000))
                    return -1;
                pis(odpoved);
                if (!dockej([&] { return box->text() == odpoved; }, 3000))
                    return -1;
                klavesa(QStringLiteral("Return"));
            } else {
                auto *box = qobject_cast<box_vety *>(s->vstupy().prvek(i));
                klikni(box);
                if (!dockej([&] { return box->hasFocus(); }, 3000))
                    return -1;
                klavesa(QStringLiteral("ctrl+a"));
                const QString veta = st.dopln_box_viceradkovy[i - 1].spravna_odpoved.chopped(chyba ? 1 : 0);
                pis(veta);
                if (!dockej([&] { return box->toPlainText() == veta; }, 3000))
                    return -1;
            }
            if (chyba)
                chybna_veta = st.veta_prvku(i);
        }
        return chybna_veta;
    }

    // The score table in the middle of the exercise, and back to the page as it was left.
    void navstiv_tabulku(main_frm *s, const QString &zalozka)
    {
        const QStringList vyplneno = s->vstupy().odpovedi();
        tlacitko(gc::tlacitka[2].center(), obrazovka_id::frm_tabulka);
        QImage uprostred;
        QVERIFY(snimek(QStringLiteral("tabulka"), [&](const QImage &i) { return ukazuje(zalozka)(uprostred = i); }));
        QCOMPARE(cervene_radky(uprostred), QList<int>(10, 0));
        QCOMPARE(obrazovka<frm_tabulka>()->popisek(frm_tabulka::sloupec_t::jmeno, 0)->text(),
                 QStringLiteral("Ema Veselá"));
        tlacitko(gt::zpet.center(), obrazovka_id::main_frm);
        QCOMPARE(obrazovka<main_frm>(), s);
        QCOMPARE(s->vstupy().odpovedi(), vyplneno);
        QVERIFY(snimek(QStringLiteral("zpet_do_cviceni"), ukazuje(zalozka)));
    }

    // Every sentence's mark after checking, and the bubble of the wrong one while the left
    // button is held on it.
    void over_znacky(main_frm *s, int chybna, const QString &cislo)
    {
        QImage skontrolovana;
        snimek(QStringLiteral("skontrolovana_") + cislo, [&](const QImage &i) {
            return ukazuje(QStringLiteral("GRAFIKA/POKRACUJ.BMP"), gc::pokracuj, 0.8)(skontrolovana = i);
        });
        for (int k = 1; k <= s->stav().pocet_na_strance; ++k) {
            QCOMPARE(s->check_mark(k)->isEnabled(), k == chybna);
            QVERIFY2(ukazuje(k == chybna ? obrazky_znacek::spatne : obrazky_znacek::spravne,
                             na_jevisti(s->check_mark(k)).topLeft())(skontrolovana),
                     qPrintable(QStringLiteral("mark of sentence %1").arg(k)));
        }
        if (chybna <= 0)
            return;
        const QPoint znacka = na_jevisti(s->check_mark(chybna)).center();
        ovladani_x::stiskni(jeviste_->bod(znacka));
        QVERIFY(dockej([&] { return s->bublina()->isVisible(); }));
        QCOMPARE(s->spravny_vysledek_lbl()->text(), s->stranka().vety[chybna - 1].check_mark.odpoved);
        const QRect b = na_jevisti(s->bublina());
        const auto n =
            std::find(gc::bublina_vyska.begin(), gc::bublina_vyska.end(), b.height()) - gc::bublina_vyska.begin();
        QVERIFY2(n < 3 && snimek("bublina_" + cislo, ukazuje(obrazky_cviceni::bubliny()[n], b.topLeft(), 0.7)),
                 "no bubble on the screen");
        ovladani_x::uvolni(jeviste_->bod(znacka));
        QVERIFY(dockej([&] { return !s->bublina()->isVisible(); }));
    }

    // Back to the menu, exit, Yes: the program ends with 0 and leaves full screen.
    void odejdi()
    {
        tlacitko(gn::plochy[volby::plocha_zpet].center(), obrazovka_id::hl_menu);
        snimek(QStringLiteral("menu"));
        QString otazka;
        az_se_ukaze<QMessageBox>([&](QMessageBox *box) {
            otazka = box->windowTitle() + QLatin1Char('|') + box->text();
            snimek(QStringLiteral("otazka"));
            if (QAbstractButton *ano = box->button(QMessageBox::Yes))
                ovladani_x::klikni(ano->mapToGlobal(ano->rect().center()));
        });
        klikni(gm::plochy[5].center());
        QVERIFY(dockej([] { return aplikace_cesty::kod() >= 0; }));
        QCOMPARE(aplikace_cesty::kod(), 0);
        QCOMPARE(otazka, QStringLiteral("Otázka|Naozaj chceš ukončiť tento program?"));
        QVERIFY(!okno_->isFullScreen());
        QVERIFY2(platforma_->zpravy.isEmpty(), qPrintable(platforma_->zpravy.join(u'\n')));
    }

public:
    explicit tst_cesty(const vlastni_x &x) : x_(x) {}

private slots:
    void initTestCase()
    {
        if (!x_.bezi())
            QSKIP(qPrintable(QStringLiteral("no X server: ") + x_.duvod()));
        if (const QString proc = ovladani_x::chybi_nastroje(); !proc.isEmpty())
            QSKIP(qPrintable(proc));
        if (!QFileInfo::exists(postavena_media() + "/GRAFIKA/TITLE.BMP") ||
            !QFileInfo::exists(postavena_data() + "/VERBANO2.DAT"))
            QSKIP("the media and data folders are not built (make build)");
        jeviste_ = std::make_unique<jeviste_na_obrazovce>(QGuiApplication::primaryScreen()->size());
    }

    void cleanup()
    {
        okno_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        obnov_ukazatel();
        nastav_platformu(nullptr);
        platforma_.reset();
        zvuk_.reset(); // gives the program's sound device back before the next journey's fake
        instalace_.reset();
    }

    void cesta_zaka_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<bool>("tabulka_uprostred");
        QTest::newRow("VYBEROVKA, 6. ročník, 10, score table in the middle")
            << druh_t::vyberovka << 2 << 2 << 10 << "Jana Mala" << true;
        QTest::newRow("DOPLNOVACKA, 7. ročník, 15, Slovak name")
            << druh_t::doplnovacka << 3 << 3 << 15 << "Ľubica Šťastná" << false;
        QTest::newRow("DIKTAT, 8. ročník, 5") << druh_t::diktat << 4 << 1 << 5 << "Peter Kral" << false;
        QTest::newRow("OPRAVA, 9. ročník, 10") << druh_t::oprava << 5 << 2 << 10 << "Zuzana Nova" << false;
        QTest::newRow("DIKTAT, whole text, two plays") << druh_t::diktat << 1 << 9 << 10 << "Miro Hruby" << false;
    }
    void cesta_zaka()
    {
        QFETCH(druh_t, druh);
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(int, pocet);
        QFETCH(QString, jmeno);
        QFETCH(bool, tabulka_uprostred);
        KROK(k_nastaveni(QStringLiteral("%1_%2_%3").arg(klicove_slovo(druh)).arg(rocnik).arg(tema), rocnik, tema));
        const QString tab = soubor_dat(QStringLiteral("TAB.DAT"));
        const QString hlavicka = QStringLiteral("[%1_%2%3]").arg(rocnik + 5).arg(tema).arg(kod_tabulky(druh));
        QFile f(tab);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(radky_dat(jina_sekce + sekce(hlavicka, {najlepsi, slaby}))));
        f.close();
        KROK(nastav(pocet, druh, jmeno));
        klikni(obrazovka<frm_select>()->pokracuj_cmd());
        QVERIFY(dockej([&] { return je(obrazovka_id::main_frm) && spolecny_stav.jmeno_zaka == jmeno; }));
        const QString zalozka = obrazky_cviceni::zalozka(rocnik, tema, druh);
        KROK(prehraj_prvni_vetu(obrazovka<main_frm>()));

        QList<ocekavany_zaznam_t> zaznamy;
        int polozek = 0, spatne = 0, strana = 0;
        while (je(obrazovka_id::main_frm)) {
            QVERIFY2(++strana <= 5, "the exercise never ends");
            main_frm *s = obrazovka<main_frm>();
            const QString cislo = QString::number(strana);
            QVERIFY(snimek(QStringLiteral("strana_") + cislo, ukazuje(zalozka)));
            const int chybna = odpovez(s);
            QVERIFY2(chybna >= 0, "an answer did not land");
            klikni(gc::tlacitka[0].center(), false);
            snimek(QStringLiteral("odpovede_") + cislo);
            if (tabulka_uprostred && strana == 1) {
                KROK(navstiv_tabulku(s, zalozka));
                zaznamy.append({jmeno, rocnik, tema, pocet, 0, 0, 0});
            }
            klikni(gc::tlacitka[0].center());
            QVERIFY(dockej([&] { return s->pokracuj_cmd()->isVisible() && !s->zaneprazdnena(); }));
            polozek += druh == druh_t::vyberovka || druh == druh_t::doplnovacka ? s->stranka().pocet_prvku()
                                                                                : s->stav().pocet_na_strance;
            spatne += chybna > 0;
            QCOMPARE(spolecny_stav.pocet_spatne, spatne);
            QCOMPARE(spolecny_stav.pocet_spravne, polozek - spatne);
            KROK(over_znacky(s, chybna, cislo));
            klikni(s->pokracuj_cmd());
            QVERIFY(dockej([&] {
                return je(obrazovka_id::frm_tabulka) ||
                       (obrazovka<main_frm>() && !obrazovka<main_frm>()->pokracuj_cmd()->isVisible());
            }));
        }

        // The results: the new row second, and only it in red.
        frm_tabulka *t = obrazovka<frm_tabulka>();
        QVERIFY(t && spolecny_stav.vsetko_skontrolovane && strana >= (pocet > 10 ? 2 : 1));
        const int znamka =
            znamka_podle_pasem(obsah(soubor_dat(QStringLiteral("ZNAMKY.DAT"))), polozek - spatne, spatne);
        QVERIFY(znamka >= 1 && znamka <= 5);
        QImage vysledky;
        snimek(QStringLiteral("vysledky"), [&](const QImage &s) { return cervene_radky(vysledky = s)[1] > 20; });
        const QList<int> cervene = cervene_radky(vysledky);
        QVERIFY2(cervene[1] > 20 && cervene.count(0) == gt::pocet_radku - 1, qPrintable(QDebug::toString(cervene)));
        QCOMPARE(t->popisek(frm_tabulka::sloupec_t::jmeno, 1)->text(), jmeno);
        zaznamy.append({jmeno, rocnik, tema, spolecny_stav.pocet_uloh, polozek - spatne, spatne, znamka});

        // Back to the set-up screen as it was left, then to the menu, and out.
        tlacitko(gt::zpet.center(), obrazovka_id::frm_select);
        QVERIFY(dockej([&] { return !okno_->najdi(obrazovka_id::main_frm); }));
        const int plocha_druhu = *volby::plocha_druhu(klicove_slovo(druh));
        QVERIFY2(snimek(QStringLiteral("zpet_nastaveni"),
                        ukazuje(volby::tlacitko_druhu(plocha_druhu, true), gn::druh[plocha_druhu - 6])),
                 "the set-up screen is not as it was left");
        KROK(odejdi());

        // What the teacher finds in the files.
        const QString rozdil = porovnej_log(obsah(soubor_dat(QStringLiteral("VYSLEDKY.DAT"))), zaznamy);
        QVERIFY2(rozdil.isEmpty(), qPrintable(rozdil));
        const QString radek = QStringLiteral("%1|%2|%3|%4").arg(jmeno).arg(polozek - spatne).arg(spatne).arg(znamka);
        QCOMPARE(obsah(tab), radky_dat(jina_sekce + sekce(hlavicka, {najlepsi, radek, slaby})));
    }
};

int main(int argc, char *argv[])
{
    // The X server before the application, so that Qt takes its X11 platform.
    vlastni_x x(QSize(1280, 720));
    aplikace_cesty aplikace(argc, argv);
    zaregistruj_pisma();
    tst_cesty test(x);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cesty.moc"
