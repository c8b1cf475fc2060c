#pragma once

// The window's fonts measured without a toolkit: each character's advance
// in pixels, taken from the same bitmap strikes the fonts are made from, so
// that a text fitted to a box is the same text in every face.
#include <string_view>

#include "window/layout_table.h"

namespace kethmor::ui {

// The width of `utf8` in pixels in font `f`. A character the font lacks
// counts as wide as "W", about as wide as a fallback font draws it.
int textWidth(Font f, std::string_view utf8);

}  // namespace kethmor::ui
