#pragma once

#include <QRect>

#include "window/layout_table.h"

namespace kethmor::ui {

// The control's rectangle in pixels at 96 dots per inch.
inline QRect pixelRect(const Placement& p) {
  return {p.left / kTwipsPerPixel, p.top / kTwipsPerPixel, p.width / kTwipsPerPixel,
          p.height / kTwipsPerPixel};
}

}  // namespace kethmor::ui
