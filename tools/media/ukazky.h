#pragma once

#include "common/druhy.h"

#include <QImage>
#include <QList>
#include <QString>

class QPainter;

// SMPL_xx and SMPL_xx2: what each kind of exercise looks like, a real-size piece of an
// exercise page with a short description; the second variant for whole-text topics.
namespace ukazky
{

QImage ukazka(druh_t druh, bool souvisly);

// A line of a sentence box as the exercise page shows it, for samples and help pictures.
struct kus_t {
    enum class typ_t { text, policko, vyber, kurzor, chyba };
    typ_t typ = typ_t::text;
    QString text;
};
// Draws a one-line sentence box (left, top) of the given width with the runs of text;
// returns the x position of each run's start.
QList<qreal> kresli_vetu(QPainter &p, QPointF kde, qreal sirka, const QList<kus_t> &kusy, bool hraje = false);

} // namespace ukazky
