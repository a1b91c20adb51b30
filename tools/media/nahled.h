#pragma once

#include <QString>

// Mock screens composed from a built media folder the way the screens compose them, with
// a second copy of each that outlines the hit areas: a quick look at how the pieces fit.
namespace nahled
{

void sloz(const QString &media, const QString &cil);

} // namespace nahled
