#pragma once

#include "common/druhy.h"
#include "texty.h"

#include <QImage>

// The full-screen help pictures: one per topic and kind (the topic's rule and how to work
// that kind of exercise), and SETUP2, how the set-up screen works.
namespace napoveda
{

QImage tema(int rocnik, int tema, druh_t druh, const QList<odstavec_t> &pravidlo, bool souvisly);
QImage nastaveni();

} // namespace napoveda
