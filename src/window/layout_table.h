#pragma once

// The window's layout table and reading order, free of any toolkit: the
// desktop window (ui/layout.h) and the web page (web/) are both drawn from it.
#include <array>
#include <cstddef>

#include "model/controls.h"
#include "window/version.h"

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

// Every control a user acts on or reads, in reading order, with its
// accessible name (ui/reading_order.def).
struct Reading {
  Ctl id;
  const char* name;
};
inline constexpr Reading kReading[] = {
#define READ(id, name) {Ctl::id, name},
#include "window/reading_order.def"
#undef READ
};

// Every control but the labels is read, once.
static_assert([] {
  std::array<int, kControlCount> listed{};
  for (const Reading& r : kReading) ++listed[static_cast<std::size_t>(r.id)];
  for (int i = 0; i < kControlCount; ++i)
    if (listed[static_cast<std::size_t>(i)] != (kKinds[i] == Kind::Label ? 0 : 1)) return false;
  return true;
}(), "window/reading_order.def must list every control but the labels, once");

// Whether Tab visits the control: buttons, lists and the boxes the user
// types into, unless hidden from the start.
inline bool takesFocus(const ControlInfo& ci, const Placement& at) {
  if (ci.flags & HIDDEN) return false;
  if (ci.kind == Kind::TextBox) return !(at.flags & READONLY);
  return ci.kind == Kind::Button || ci.kind == Kind::ListBox;
}

// A box only the program writes: a click focuses it, so that its text can be
// copied, and Tab goes on from it in reading order.
inline bool readOnlyBox(const ControlInfo& ci, const Placement& at) {
  return ci.kind == Kind::TextBox && (at.flags & READONLY) && !(ci.flags & HIDDEN);
}

}  // namespace kethmor::ui
