#include "shell/platforma.h"

#include "shell/ini.h"
#include "shell/okno_zpravy.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{
platforma_t *nahradni = nullptr;
} // namespace

platforma_t &platforma()
{
    if (nahradni)
        return *nahradni;
    static skutecna_platforma_t skutecna;
    return skutecna;
}

void nastav_platformu(platforma_t *nahrada) { nahradni = nahrada; }

void platforma_t::ukonci(int kod)
{
    proved_konec(kod);
    std::abort();
}

struct skutecna_platforma_t::zamek_t {
    explicit zamek_t(const QString &cesta) : zamek(cesta) {}
    QLockFile zamek;
};

skutecna_platforma_t::skutecna_platforma_t(QString soubor_zamku) : soubor_zamku_(std::move(soubor_zamku)) {}

skutecna_platforma_t::~skutecna_platforma_t() { delete zamek_; }

QString skutecna_platforma_t::vychozi_soubor_zamku()
{
    QString slozka = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (slozka.isEmpty())
        slozka = QDir::tempPath();
    return QDir(slozka).filePath(QStringLiteral("ortanel-verbano2.lock"));
}

bool skutecna_platforma_t::zamkni_jedinou_instanci()
{
    if (zamek_)
        return true;
    auto zamek = std::make_unique<zamek_t>(soubor_zamku_.isEmpty() ? vychozi_soubor_zamku() : soubor_zamku_);
    // A lock left by a copy that crashed is stale (its process is gone) and is taken over.
    zamek->zamek.setStaleLockTime(0);
    if (!zamek->zamek.tryLock(0))
        return false;
    zamek_ = zamek.release();
    return true;
}

// The program draws on its own 640 × 480 canvas at the 96 dpi design scale whatever the
// desktop's dpi, so the factor is always that of small fonts.
int skutecna_platforma_t::twipu_na_pixel_x() { return 15; }
int skutecna_platforma_t::twipu_na_pixel_y() { return 15; }

QString skutecna_platforma_t::soubor_ini() { return najdi_ini(); }

void skutecna_platforma_t::zprava(const QString &text, const QString &titulek, ikona_t ikona)
{
    QMessageBox::Icon qt_ikona = QMessageBox::NoIcon;
    switch (ikona) {
    case ikona_t::zadna: qt_ikona = QMessageBox::NoIcon; break;
    case ikona_t::vykricnik: qt_ikona = QMessageBox::Warning; break;
    case ikona_t::stop: qt_ikona = QMessageBox::Critical; break;
    case ikona_t::otaznik: qt_ikona = QMessageBox::Question; break;
    }
    QMessageBox box(qt_ikona, titulek, text, QMessageBox::Ok, QApplication::activeWindow());
    uprav_okno_zpravy(box, ikona, meritko_zprav_);
    box.exec();
}

bool skutecna_platforma_t::otazka(const QString &text, const QString &titulek)
{
    QMessageBox box(QMessageBox::Question, titulek, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Áno"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nie"));
    box.setDefaultButton(QMessageBox::No);
    uprav_okno_zpravy(box, ikona_t::otaznik, meritko_zprav_);
    return box.exec() == QMessageBox::Yes;
}

QSize skutecna_platforma_t::velikost_displeje()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize();
}

int skutecna_platforma_t::hloubka_displeje()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->depth() : 0;
}

bool skutecna_platforma_t::cela_obrazovka(QWidget *okno)
{
    QScreen *s = okno->screen() ? okno->screen() : QGuiApplication::primaryScreen();
    if (!s || s->size().width() < 640 || s->size().height() < 480)
        return false;
    // Without a window manager a full-screen request alone leaves the window as it was.
    okno->setGeometry(s->geometry());
    okno->showFullScreen();
    return true;
}

bool skutecna_platforma_t::obnov_obrazovku(QWidget *okno)
{
    if (okno && okno->isFullScreen())
        okno->showNormal();
    return true;
}

void skutecna_platforma_t::proved_konec(int kod)
{
    delete zamek_;
    zamek_ = nullptr;
    // At once, as the program always ended: no screen is closed one by one.
    std::fflush(nullptr);
    std::_Exit(kod);
}
