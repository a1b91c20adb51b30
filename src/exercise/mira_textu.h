#pragma once

#include <QStringView>
#include <functional>

// The width in pixels of a text in the page font at a size in points (12 or 10). The page
// draws character by character and advances its pen by each character's width, so a
// text's width is the sum of its characters' widths.
using sirka_textu_t = std::function<int(QStringView text, int body)>;

// Widths in the bundled page font (pismo_obrazovky), each character measured once.
sirka_textu_t sirka_v_pismu_stranky();
