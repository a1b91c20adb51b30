#pragma once

#include "common/druhy.h"
#include "texty.h"

#include <QImage>
#include <optional>

// The full-screen help pictures: one per topic and kind (the topic's rule and how to work
// that kind of exercise), and SETUP2, how the set-up screen works, from its text in
// content/napoveda/nastaveni.txt (nullopt when the text is not laid out as it must be).
namespace napoveda
{

QImage tema(int rocnik, int tema, druh_t druh, const QList<odstavec_t> &pravidlo, bool souvisly);
std::optional<QImage> nastaveni(const QString &text);

} // namespace napoveda
