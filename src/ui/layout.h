#pragma once

#include <QRect>
#include <array>

#include "core/controls.h"
#include "ui/version.h"

namespace kethmor::ui {

enum class Font { B8, B10, R10, R8 };

// What only the window uses of a control.
enum LayoutFlag : unsigned {
  CENTER = 1u,     // text centred
  READONLY = 2u,   // only the program writes it
  MULTILINE = 4u,  // a box of several lines with a vertical scroll bar
};

// Where a control stands and how it is drawn, in twips as the layout gives
// them.
struct Placement {
  int left = 0, top = 0, width = 0, height = 0;
  Font font = Font::B8;
  unsigned flags = 0;
  const char* tooltip = "";
};

inline constexpr int kTwipsPerPixel = 15;

// The window itself: its caption, its client area in twips and its
// background colour (light grey, under the background picture).
inline constexpr const char* kCaption = "Kethmor Character Planner          v " KETHMOR_VERSION;
inline constexpr Placement kClientArea{0, 0, 11850, 8595};
inline constexpr Colour kWindowBack = 0x00C0C0C0;

// The window's compiled-in fonts: 8.25 pt is the 13-pixel strike at em 11
// pixels, 9.75 pt the 16-pixel strike at em 13.
inline constexpr const char* kFontFamily8 = "Kethmor Sans 8";
inline constexpr const char* kFontFamily10 = "Kethmor Sans 10";
inline constexpr int kFontPixels8 = 11, kFontPixels10 = 13;

// The layout table, indexed by control.
extern const std::array<Placement, kControlCount> kLayout;

inline const Placement& layout(Ctl c) { return kLayout[static_cast<std::size_t>(c)]; }

// The control's rectangle in pixels at 96 dots per inch.
inline QRect pixelRect(const Placement& p) {
  return {p.left / kTwipsPerPixel, p.top / kTwipsPerPixel, p.width / kTwipsPerPixel,
          p.height / kTwipsPerPixel};
}

}  // namespace kethmor::ui
