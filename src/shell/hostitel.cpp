#include "shell/hostitel.h"

#include "common/geometrie.h"
#include "shell/displej.h"
#include "shell/platforma.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QTimer>
#include <algorithm>

namespace
{
hostitel *jediny = nullptr;
}

hostitel::hostitel(QWidget *rodic) : QGraphicsView(rodic)
{
    jediny = this;
    setWindowTitle(QStringLiteral("Ortanel - Verbano 2"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setBackgroundBrush(Qt::black);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);

    scena_ = new QGraphicsScene(this);
    scena_->setSceneRect(0, 0, geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
    scena_->setBackgroundBrush(Qt::black);
    setScene(scena_);
    setAlignment(Qt::AlignCenter);
    resize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
}

hostitel::~hostitel()
{
    // The screens go before the session they were handed.
    for (auto &nactena : nactene_)
        delete nactena.second.data();
    if (jediny == this)
        jediny = nullptr;
}

hostitel *hostitel::instance() { return jediny; }

void hostitel::zaregistruj(obrazovka_id id, tovarna_t tovarna) { tovarny_[id] = std::move(tovarna); }

obrazovka *hostitel::najdi(obrazovka_id id) const
{
    const auto it = nactene_.find(id);
    return it == nactene_.end() ? nullptr : it->second.data();
}

// Not made with the host: once a widget is in the scene, every change of the pointer loads
// its picture at once (2 ms for start-up's hourglass, which the first frame never shows).
QWidget *hostitel::platno()
{
    if (!platno_) {
        platno_ = new QWidget;
        platno_->setFixedSize(geometrie::sirka_obrazovky, geometrie::vyska_obrazovky);
        platno_->setAutoFillBackground(false);
        scena_->addWidget(platno_)->setPos(0, 0);
    }
    return platno_;
}

obrazovka *hostitel::nacti(obrazovka_id id)
{
    if (obrazovka *o = najdi(id))
        return o;
    const auto it = tovarny_.find(id);
    if (it == tovarny_.end())
        return nullptr;
    obrazovka *o = it->second(sezeni_, platno());
    if (!o)
        return nullptr;
    o->setParent(platno());
    o->move(0, 0);
    o->hide();
    o->nastav_aktualni(false);
    nactene_[id] = o;
    return o;
}

obrazovka *hostitel::ukaz(obrazovka_id id, potom_t potom)
{
    obrazovka *dalsi = nacti(id);
    if (!dalsi)
        return nullptr;
    QPointer<obrazovka> predchozi = aktualni_;
    const obrazovka_id predchozi_id = aktualni_id_;
    if (predchozi)
        predchozi->nastav_aktualni(false);
    dalsi->nastav_aktualni(true);
    aktualni_ = dalsi;
    aktualni_id_ = id;
    dalsi->show();
    dalsi->raise();
    if (predchozi && predchozi != dalsi) {
        if (potom == potom_t::skryj)
            predchozi->hide();
        else if (potom == potom_t::uvolni)
            uvolni(predchozi_id);
    }
    // Activation comes once the show has been handled, as a window's activation would.
    QPointer<obrazovka> cil = dalsi;
    QTimer::singleShot(0, this, [this, cil] {
        if (cil && cil == aktualni_)
            cil->aktivuj();
    });
    return dalsi;
}

void hostitel::uvolni(obrazovka_id id)
{
    const auto it = nactene_.find(id);
    if (it == nactene_.end())
        return;
    QPointer<obrazovka> o = it->second;
    nactene_.erase(it);
    if (!o)
        return;
    if (o == aktualni_)
        aktualni_ = nullptr;
    o->hide();
    o->deleteLater();
}

// Closing the window (Alt+F4, the desktop's close) asks as the menu's exit button does, so a
// slip of the keys does not end a pupil's exercise.
void hostitel::closeEvent(QCloseEvent *udalost)
{
    udalost->ignore();
    zeptej_se_na_konec(this);
}

void hostitel::resizeEvent(QResizeEvent *udalost)
{
    QGraphicsView::resizeEvent(udalost);
    prizpusob_meritko();
}

// fitInView keeps a margin, which would blur the canvas at its own size.
void hostitel::prizpusob_meritko()
{
    const QSize okno = viewport()->size();
    const qreal meritko =
        std::min(okno.width() / qreal(geometrie::sirka_obrazovky), okno.height() / qreal(geometrie::vyska_obrazovky));
    if (meritko <= 0)
        return;
    setTransform(QTransform::fromScale(meritko, meritko));
    platforma().nastav_meritko(meritko);
    centerOn(scena_->sceneRect().center());
}
