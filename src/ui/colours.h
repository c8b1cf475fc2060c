#pragma once

#include <QColor>
#include <QPalette>

#include "model/controls.h"

namespace kethmor::ui {

// A window colour (0x00BBGGRR, or a system colour 0x800000nn taken from the
// palette) as a Qt colour.
QColor toQColor(Colour c, const QPalette& palette);

}  // namespace kethmor::ui
