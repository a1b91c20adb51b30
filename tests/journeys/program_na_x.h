#pragma once

// The whole program on a private X server, in the test's own process: the four real
// screens in the full-screen host window, started as the program starts, on the rendered
// media and a fresh data folder. The pupil's pointer and keyboard are the display's own
// (xdotool); Slovak letters, which a bare X server cannot type, go to the focused box as
// key events. Every step is photographed from the display (build/cesty/<journey>/).
#include "common/pismo.h"
#include "common/soubory.h"
#include "common/stav.h"
#include "exercise/main_frm.h"
#include "pomoc/falesna_platforma.h"
#include "pomoc/falesny_zvuk.h"
#include "pomoc/instalace.h"
#include "pomoc/ovladani_x.h"
#include "pomoc/vlastni_x.h"
#include "results/frm_tabulka.h"
#include "setup/frm_select.h"
#include "shell/hl_menu.h"
#include "shell/hostitel.h"
#include "shell/start.h"
#include "shell/ukazatel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

// The program's way out is an exception here (konec_programu); it is caught where the
// event that caused it was delivered, and the test reads the exit code.
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
    static aplikace_cesty *instance() { return static_cast<aplikace_cesty *>(QCoreApplication::instance()); }
    int kod_konce = -1;
};

// The desktop as the program meets it: the real full screen and the real exit question;
// only the INI is the test's, the lock is private, a message is recorded instead of
// blocking the run, and the end of the process is the exception above.
class platforma_cesty : public skutecna_platforma_t
{
public:
    explicit platforma_cesty(const QString &zamek) : skutecna_platforma_t(zamek) {}
    QString soubor_ini() override { return ini; }
    void zprava(const QString &text, const QString &, ikona_t) override { zpravy.append(text); }

    QString ini;
    QStringList zpravy;

protected:
    void proved_konec(int kod) override { throw konec_programu(kod); }
};

// Key by key into the widget, letters with diacritics too.
inline void napis_do(QWidget *kam, const QString &text)
{
    for (const QChar z : text)
        QTest::sendKeyEvent(QTest::Click, kam, Qt::Key_unknown, QString(z), Qt::NoModifier);
}

inline bool je_ascii(const QString &text)
{
    for (const QChar z : text)
        if (z.unicode() > 126)
            return false;
    return true;
}

inline QImage obrazek_medii(const QString &relativni) { return QImage(spoj_cestu(postavena_media(), relativni)); }

class program_na_x
{
public:
    // `nazev`: the folder of this run's photographs.
    explicit program_na_x(const QString &nazev)
        : platforma_(instalace_.koren() + QStringLiteral("/ortanel.lock")),
          slozka_(QStringLiteral(ORTANEL_BUILD_DIR "/cesty/") + nazev),
          jeviste_(QGuiApplication::primaryScreen()->size())
    {
        QDir(slozka_).removeRecursively();
        QDir().mkpath(slozka_);
        spolecny_stav = {};
        instalace_.zkopiruj_postavena_data();
        instalace_.zapis_ini({QStringLiteral("CD=") + postavena_media(), QStringLiteral("HD=") + instalace_.data()});
        platforma_.ini = instalace_.ini();
        nastav_platformu(&platforma_);
        aplikace_cesty::instance()->kod_konce = -1;
        okno_ = std::make_unique<hostitel>();
        okno_->zaregistruj(obrazovka_id::hl_menu, [](QWidget *p) { return new hl_menu(p); });
        okno_->zaregistruj(obrazovka_id::frm_select, [](QWidget *p) { return new frm_select(p); });
        okno_->zaregistruj(obrazovka_id::main_frm, [](QWidget *p) { return new main_frm(p); });
        okno_->zaregistruj(obrazovka_id::frm_tabulka, [](QWidget *p) { return new frm_tabulka(p); });
    }
    ~program_na_x()
    {
        okno_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        obnov_ukazatel();
        nastav_platformu(nullptr);
    }
    program_na_x(const program_na_x &) = delete;
    program_na_x &operator=(const program_na_x &) = delete;

    // Start-up as the program's main does it.
    hl_menu *spust() { return spust_program(*okno_); }

    hostitel &okno() { return *okno_; }
    const jeviste_na_obrazovce &jeviste() const { return jeviste_; }
    docasna_instalace &instalace() { return instalace_; }
    falesny_zvuk &zvuk() { return zvuk_; }
    const QStringList &zpravy() const { return platforma_.zpravy; }
    obrazovka_id aktualni_id() const { return okno_->aktualni_id(); }
    template <typename T> T *obrazovka() const { return qobject_cast<T *>(okno_->aktualni()); }
    QString soubor_dat(const QString &nazev) const { return spoj_cestu(instalace_.data(), nazev); }

    // ---- the display's pointer, on stage points ----
    bool najed(QPoint kde) { return ovladani_x::najed(jeviste_.bod(kde)) && udalosti(); }
    bool klikni(QPoint kde) { return ovladani_x::klikni(jeviste_.bod(kde)) && udalosti(); }
    bool stiskni(QPoint kde) { return ovladani_x::stiskni(jeviste_.bod(kde)) && udalosti(); }
    bool uvolni(QPoint kde) { return ovladani_x::uvolni(jeviste_.bod(kde)) && udalosti(); }
    // The middle of a stage element.
    bool klikni(const QWidget *prvek) { return klikni(na_jevisti(prvek).center()); }
    static QRect na_jevisti(const QWidget *prvek)
    {
        return QRect(prvek->mapTo(prvek->window(), QPoint(0, 0)), prvek->size());
    }

    // Types into the focused box: through the display's keyboard when it can, else key
    // by key into the widget.
    bool pis(const QString &text)
    {
        if (je_ascii(text))
            return ovladani_x::pis(text) && udalosti();
        QWidget *fokus = QApplication::focusWidget();
        if (!fokus)
            return false;
        napis_do(fokus, text);
        return true;
    }
    bool klavesa(const QString &nazev) { return ovladani_x::klavesa(nazev) && udalosti(); }

    // Lets events run until the condition holds; false after the time.
    static bool dockej(const std::function<bool()> &podminka, int ms = 15000)
    {
        QElapsedTimer t;
        t.start();
        while (!podminka()) {
            if (t.elapsed() > ms)
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    // Photographs the display until the photograph passes the test (or the time is up),
    // keeps it as NN_name.png and returns it.
    QImage snimek(const QString &nazev, const std::function<bool(const QImage &)> &test = {}, int ms = 10000)
    {
        QElapsedTimer t;
        t.start();
        QImage s;
        for (;;) {
            QTest::qWait(30);
            s = ovladani_x::snimek();
            if (!test || test(s) || t.elapsed() > ms)
                break;
        }
        s.save(QDir(slozka_).filePath(QStringLiteral("%1_%2.png").arg(++snimku_, 2, 10, QLatin1Char('0')).arg(nazev)));
        return s;
    }
    // The media picture shown at the stage point (share of its pixels at least `prah`).
    std::function<bool(const QImage &)> ukazuje(const QString &obrazek, QPoint kde = {}, double prah = 0.9) const
    {
        const QImage o = obrazek_medii(obrazek);
        const jeviste_na_obrazovce j = jeviste_;
        return [o, kde, prah, j](const QImage &s) { return j.shoda(s, o, kde) >= prah; };
    }

    // Runs the steps from inside the modal loop that the next event opens (a question or
    // a dialog): once a modal widget of the type is shown and exposed.
    template <typename T> void az_se_ukaze(std::function<void(T *)> kroky)
    {
        QTimer::singleShot(50, [this, kroky] {
            auto *modalni = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!modalni || !modalni->isVisible()) {
                az_se_ukaze<T>(kroky);
                return;
            }
            if (QTest::qWaitForWindowExposed(modalni))
                kroky(modalni);
        });
    }

    // The exit button, the question, Yes: the program ends. Returns its exit code (-1
    // when it did not end); `otazka` receives the question's text.
    int ukonci_s_ano(QString *otazka)
    {
        az_se_ukaze<QMessageBox>([this, otazka](QMessageBox *box) {
            *otazka = box->windowTitle() + QLatin1Char('|') + box->text();
            snimek(QStringLiteral("otazka"));
            QAbstractButton *ano = box->button(QMessageBox::Yes);
            if (ano)
                ovladani_x::klikni(ano->mapToGlobal(ano->rect().center()));
        });
        klikni(geometrie::menu::plochy[5].center());
        dockej([] { return aplikace_cesty::instance()->kod_konce >= 0; });
        return aplikace_cesty::instance()->kod_konce;
    }

private:
    static bool udalosti()
    {
        QTest::qWait(40);
        return true;
    }

    docasna_instalace instalace_;
    platforma_cesty platforma_;
    falesny_zvuk zvuk_;
    QString slozka_;
    jeviste_na_obrazovce jeviste_;
    std::unique_ptr<hostitel> okno_;
    int snimku_ = 0;
};

// Starts the X server before the application, so that Qt takes its X11 platform; the
// test object gets to know whether it runs.
#define CESTY_MAIN(trida)                                                                                              \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        vlastni_x x(QSize(1024, 768));                                                                                 \
        aplikace_cesty aplikace(argc, argv);                                                                           \
        zaregistruj_pisma();                                                                                           \
        trida test(x);                                                                                                 \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
