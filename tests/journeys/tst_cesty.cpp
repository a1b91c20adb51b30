// A pupil's visit to the real program, full screen on private X servers of the classrooms'
// sizes, on the rendered media and a fresh data folder, with the display's own pointer and
// keyboard, photographed at every step (build/cesty/<size>/<journey>/): start-up, then a
// journey from the menu through the set-up screen and the exercise to the results and back
// for each kind (one answer wrong per page), each leaving its log record and table row, and
// out with Yes. What each screen shows is its own test's; here they are reached and used.
#include "common/geometrie.h"
#include "common/pismo.h"
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
#include "shell/ukazatel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

namespace gm = geometrie::menu;
namespace gn = geometrie::nastaveni;
namespace gc = geometrie::cviceni;
namespace gt = geometrie::tabulka;

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
    const QString velikost_; // of the screen, "1366x768"
    std::unique_ptr<docasna_instalace> instalace_;
    std::unique_ptr<platforma_cesty> platforma_;
    falesny_zvuk zvuk_;
    std::unique_ptr<hostitel> okno_;
    std::unique_ptr<jeviste_na_obrazovce> jeviste_;
    std::unique_ptr<fotograf_t> foto_;  // this journey's photographs
    QList<ocekavany_zaznam_t> zaznamy_; // the log's records so far

    QString soubor_dat(const QString &nazev) const { return spoj_cestu(instalace_->data(), nazev); }
    template <typename T> T *obrazovka() const { return qobject_cast<T *>(okno_->aktualni()); }
    bool je(obrazovka_id id) const { return okno_->aktualni_id() == id; }

    // The display's pointer clicked at a stage point; then events run a while.
    void klikni(QPoint kde)
    {
        jeviste_->klikni(kde);
        QTest::qWait(40);
    }
    void klikni(const QWidget *prvek) { klikni(na_jevisti(prvek).center()); }
    void tlacitko(QPoint kde, obrazovka_id id)
    {
        klikni(kde);
        QVERIFY2(dockej([&] { return je(id); }), qPrintable(QStringLiteral("no screen %1").arg(int(id))));
    }

    // Through the display's keyboard; Slovak letters key by key into the focused widget.
    void pis(const QString &text)
    {
        if (text.toLatin1() == text.toUtf8() && ovladani_x::pis(text))
            return QTest::qWait(40);
        for (const QChar z : text)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(z), Qt::NoModifier);
    }

    // Photographs the display until it shows the media picture at the stage point.
    bool snimek(const QString &nazev, const QString &obrazek = {}, QPoint kde = {})
    {
        return foto_->dockej(nazev, obrazek.isEmpty() ? test_snimku_t() : jeviste_->ukazuje(obrazek, kde));
    }

    // Start-up full screen, the title picture, the menu.
    void spust()
    {
        instalace_ = std::make_unique<docasna_instalace>();
        platforma_ = std::make_unique<platforma_cesty>(instalace_->koren() + QStringLiteral("/ortanel.lock"));
        foto_ = std::make_unique<fotograf_t>(QStringLiteral(ORTANEL_BUILD_DIR "/cesty/%1/start").arg(velikost_));
        instalace_->zkopiruj_postavena_data();
        instalace_->zapis_ini({QStringLiteral("CD=") + postavena_media(), QStringLiteral("HD=") + instalace_->data()});
        platforma_->ini = instalace_->ini();
        nastav_platformu(platforma_.get());
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj<hl_menu>(obrazovka_id::hl_menu);
        okno_->zaregistruj<frm_select>(obrazovka_id::frm_select);
        okno_->zaregistruj<main_frm>(obrazovka_id::main_frm);
        okno_->zaregistruj<frm_tabulka>(obrazovka_id::frm_tabulka);
        hl_menu *menu = spust_program(*okno_);
        QVERIFY(menu);
        QVERIFY2(snimek(QStringLiteral("titulek"), QStringLiteral("GRAFIKA/TITLE.BMP")), "no title picture");
        QCOMPARE(okno_->geometry(), QGuiApplication::primaryScreen()->geometry());
        klikni(QPoint(320, 240));
        QVERIFY(dockej([&] { return !menu->titulek_viditelny() && menu->plocha(0)->isEnabled(); }));
    }

    // Count, kind and name (a press on a hit area, and its slides run out); the continue
    // button slides out.
    void nastav(int pocet, druh_t druh, const QString &jmeno)
    {
        frm_select *s = obrazovka<frm_select>();
        for (const int plocha : {*volby::plocha_poctu(pocet), volby::plocha_druhu(druh)}) {
            klikni(gn::plochy[plocha].center());
            QVERIFY(dockej([&] { return !s->zaneprazdnena(); }));
        }
        klikni(gn::jmeno.center());
        QVERIFY(dockej([&] { return s->jmeno_txt()->hasFocus(); }));
        pis(jmeno);
        QVERIFY(dockej([&] { return s->vysunuto_pokracuj() && !s->zaneprazdnena(); }));
        snimek(QStringLiteral("nastaveno"));
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
                const auto spatny = std::find_if(m.vyber_lst.begin(), m.vyber_lst.end(), [&](const QString &r) {
                    return r.trimmed() != m.spravna_odpoved.trimmed() && r.trimmed() != m.druha_odpoved.trimmed();
                });
                chyba = chyba && spatny != m.vyber_lst.end();
                const qsizetype radek = chyba ? spatny - m.vyber_lst.begin() : m.vyber_lst.indexOf(m.spravna_odpoved);
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
            } else {
                const bool mezera = st.druh == druh_t::doplnovacka;
                QWidget *box = s->vstupy().prvek(i);
                if (!mezera || QApplication::focusWidget() != box) // Enter took the caret on to the next gap
                    klikni(box);
                if (!dockej([&] { return box->hasFocus(); }, 3000))
                    return -1;
                const QString spravne = mezera ? st.dopln_box[i - 1].spravna_odpoved.trimmed()
                                               : st.dopln_box_viceradkovy[i - 1].spravna_odpoved;
                const QString odpoved = !chyba ? spravne : mezera ? QStringLiteral("#") : spravne.chopped(1);
                ovladani_x::klavesa(QStringLiteral("ctrl+a"));
                QTest::qWait(40); // before Slovak letters sent straight to the box
                pis(odpoved);
                if (!dockej([&] { return s->vstupy().odpovedi().value(i - 1) == odpoved; }, 3000))
                    return -1;
                if (mezera)
                    ovladani_x::klavesa(QStringLiteral("Return"));
            }
            if (chyba)
                chybna_veta = st.veta_prvku(i);
        }
        return chybna_veta;
    }

    // The score table in the middle of the exercise, and back to the page as it was left.
    void navstiv_tabulku(main_frm *s)
    {
        const QStringList vyplneno = s->vstupy().odpovedi();
        tlacitko(gc::tlacitka[2].center(), obrazovka_id::frm_tabulka);
        snimek(QStringLiteral("tabulka"));
        tlacitko(gt::zpet.center(), obrazovka_id::main_frm);
        QCOMPARE(obrazovka<main_frm>(), s);
        QCOMPARE(s->vstupy().odpovedi(), vyplneno);
    }

public:
    tst_cesty(const vlastni_x &x, QSize velikost)
        : x_(x), velikost_(QStringLiteral("%1x%2").arg(velikost.width()).arg(velikost.height()))
    {
    }

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
        qInfo("screen %s", qPrintable(velikost_));
        jeviste_ = std::make_unique<jeviste_na_obrazovce>(QGuiApplication::primaryScreen()->size());
        spust();
    }

    void cleanupTestCase()
    {
        okno_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        obnov_ukazatel();
        nastav_platformu(nullptr);
    }

    void cesta_zaka_data()
    {
        QTest::addColumn<druh_t>("druh");
        QTest::addColumn<int>("rocnik");
        QTest::addColumn<int>("tema");
        QTest::addColumn<int>("pocet");
        QTest::addColumn<QString>("jmeno");
        QTest::addColumn<bool>("tabulka_uprostred");
        QTest::newRow("VYBEROVKA, 6. ročník, 5, score table in the middle")
            << druh_t::vyberovka << 2 << 2 << 5 << "Jana Mala" << true;
        QTest::newRow("DOPLNOVACKA, 7. ročník, 15, Slovak name")
            << druh_t::doplnovacka << 3 << 3 << 15 << "Ľubica Šťastná" << false;
        QTest::newRow("DIKTAT, 8. ročník, 5") << druh_t::diktat << 4 << 1 << 5 << "Peter Kral" << false;
        QTest::newRow("OPRAVA, 9. ročník, 5") << druh_t::oprava << 5 << 2 << 5 << "Zuzana Nova" << false;
    }
    void cesta_zaka()
    {
        QFETCH(druh_t, druh);
        QFETCH(int, rocnik);
        QFETCH(int, tema);
        QFETCH(int, pocet);
        QFETCH(QString, jmeno);
        QFETCH(bool, tabulka_uprostred);
        QVERIFY2(je(obrazovka_id::hl_menu), "the journey before did not end in the menu");
        foto_ = std::make_unique<fotograf_t>(QStringLiteral(ORTANEL_BUILD_DIR "/cesty/%1/%2_%3_%4")
                                                 .arg(velikost_, klicove_slovo(druh))
                                                 .arg(rocnik)
                                                 .arg(tema));
        klikni(gm::plochy[rocnik - 1].center());
        QVERIFY(dockej([&] { return obrazovka<hl_menu>()->zvoleny_rocnik() == rocnik - 1; }));
        tlacitko(gm::tema(rocnik - 1, tema - 1).center(), obrazovka_id::frm_select);
        QVERIFY(snimek(QStringLiteral("nastaveni"), volby::pozadi(rocnik, tema)));
        KROK(nastav(pocet, druh, jmeno));
        klikni(obrazovka<frm_select>()->pokracuj_cmd());
        QVERIFY(dockej([&] { return je(obrazovka_id::main_frm); }));

        int polozek = 0, spatne = 0, strana = 0;
        while (je(obrazovka_id::main_frm)) {
            QVERIFY2(++strana <= 5, "the exercise never ends");
            main_frm *s = obrazovka<main_frm>();
            const QString cislo = QString::number(strana);
            QVERIFY(snimek(QStringLiteral("strana_") + cislo, obrazky_cviceni::zalozka(rocnik, tema, druh)));
            const int chybna = odpovez(s);
            QVERIFY2(chybna >= 0, "an answer did not land");
            if (tabulka_uprostred && strana == 1) {
                KROK(navstiv_tabulku(s));
                zaznamy_.append({jmeno, rocnik, tema, pocet, 0, 0, 0});
            }
            klikni(gc::tlacitka[0].center());
            QVERIFY(dockej([&] { return s->pokracuj_cmd()->isVisible() && !s->zaneprazdnena(); }));
            snimek(QStringLiteral("skontrolovana_") + cislo);
            polozek += druh == druh_t::vyberovka || druh == druh_t::doplnovacka ? s->stranka().pocet_prvku()
                                                                                : s->stav().pocet_na_strance;
            spatne += chybna > 0;
            klikni(s->pokracuj_cmd());
            QVERIFY(dockej([&] {
                return je(obrazovka_id::frm_tabulka) ||
                       (obrazovka<main_frm>() && !obrazovka<main_frm>()->pokracuj_cmd()->isVisible());
            }));
        }

        // The results with the new row; back to the set-up screen and the menu.
        QVERIFY(obrazovka<frm_tabulka>() && strana >= (pocet > 10 ? 2 : 1));
        snimek(QStringLiteral("vysledky"));
        QCOMPARE(obrazovka<frm_tabulka>()->popisek(frm_tabulka::sloupec_t::jmeno, 0)->text(), jmeno);
        tlacitko(gt::zpet.center(), obrazovka_id::frm_select);
        tlacitko(gn::plochy[volby::plocha_zpet].center(), obrazovka_id::hl_menu);

        // What the teacher finds in the files.
        const int znamka =
            znamka_podle_pasem(obsah(soubor_dat(QStringLiteral("ZNAMKY.DAT"))), polozek - spatne, spatne);
        QVERIFY(znamka >= 1 && znamka <= 5);
        zaznamy_.append({jmeno, rocnik, tema, pocet, polozek - spatne, spatne, znamka});
        const QString rozdil = porovnej_log(obsah(soubor_dat(QStringLiteral("VYSLEDKY.DAT"))), zaznamy_);
        QVERIFY2(rozdil.isEmpty(), qPrintable(rozdil));
        QVERIFY(obsah(soubor_dat(QStringLiteral("TAB.DAT")))
                    .contains(tabulka(
                        QStringLiteral("%1_%2%3").arg(rocnik + 5).arg(tema).arg(kod_tabulky(druh)),
                        QStringLiteral("%1|%2|%3|%4").arg(jmeno).arg(polozek - spatne).arg(spatne).arg(znamka))));
    }

    // Exit from the menu, Yes on the question: the program ends with 0 and leaves full screen.
    void konec()
    {
        QVERIFY(je(obrazovka_id::hl_menu));
        QString otazka;
        az_se_ukaze<QMessageBox>([&](QMessageBox *box) {
            otazka = box->windowTitle() + QLatin1Char('|') + box->text();
            foto_->dockej(QStringLiteral("otazka"));
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
};

int main(int argc, char *argv[])
{
    // Qt keeps the display it started on, so each screen size has a process of its own,
    // each its own X server made before its application.
    int chyby = 0;
    for (const QSize velikost : velikosti_trid) {
        std::fflush(stdout);
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            vlastni_x x(velikost);
            aplikace_cesty aplikace(argc, argv);
            zaregistruj_pisma();
            tst_cesty test(x, velikost);
            return QTest::qExec(&test, argc, argv);
        }
        int stav = 0;
        chyby += pid < 0 || waitpid(pid, &stav, 0) != pid || !WIFEXITED(stav) || WEXITSTATUS(stav) != 0;
    }
    return chyby;
}

#include "tst_cesty.moc"
