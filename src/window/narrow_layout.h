#pragma once

// The window's controls arranged for a narrow touch screen
// (window/narrow_layout.def): the same controls, fonts, names and reading
// order as the window's, only in other places and sizes. The page draws them
// where it is narrower than the window, in CSS pixels.
#include <array>
#include <cstddef>
#include <optional>

#include "window/layout_table.h"

namespace kethmor::ui {

inline constexpr int kNarrowWidth = 360;     // the column, which the page centres
inline constexpr int kNarrowFontScale = 2;   // the fonts' bitmap strikes stay exact at whole multiples
inline constexpr int kNarrowTarget = 44;     // the least width and height a finger acts on; a list entry's height
inline constexpr int kNarrowListFrame = 2;   // a list's frame, each side
inline constexpr int kNarrowGroupGap = 16;   // between one group and the next
inline constexpr int kNarrowColumnGap = 8;   // between two columns side by side
// Two columns side by side where the screen has room for them and a margin
// (a tablet held upright): the page's least width for them.
inline constexpr int kNarrowTwoWidth = 2 * kNarrowWidth + kNarrowColumnGap;
inline constexpr int kNarrowTwoRoom = kNarrowTwoWidth + 16;

// The window's groups, in the order they stand.
enum class NarrowGroup : int {
#define GROUP(id, name) id,
#include "window/narrow_layout.def"
#undef GROUP
};

struct NarrowGroupPlace {
  const char* name;  // a heading the page may show
  int top = 0, height = 0;
};

// Where a control stands in the column: its top counted from the column's top.
struct NarrowPlacement {
  NarrowGroup group = NarrowGroup::Races;
  int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr std::size_t kNarrowGroupCount = 0
#define GROUP(id, name) +1
#include "window/narrow_layout.def"
#undef GROUP
    ;

// A button of the touch screen's own: one applying or buying a list's
// highlighted entry as its double click does (shown with the list), or the
// one opening the menu (`list` empty).
struct NarrowButton {
  std::optional<Ctl> list;
  const char* caption;
  NarrowPlacement at;
};

inline constexpr std::size_t kNarrowButtonCount = 0
#define NARROW(group, name, l, t, w, h)
#define APPLY(list, caption, group, l, t, w, h) +1
#define MENU(caption, group, l, t, w, h) +1
#include "window/narrow_layout.def"
#undef NARROW
#undef APPLY
#undef MENU
    ;

// What moves a group from the one column into two: the groups in order, the
// left column down to the group that evens the columns best, the rest on the
// right from its top.
struct NarrowShift {
  int left = 0, top = 0;
};

extern const std::array<NarrowGroupPlace, kNarrowGroupCount> kNarrowGroups;
extern const std::array<NarrowPlacement, kControlCount> kNarrow;
extern const std::array<NarrowButton, kNarrowButtonCount> kNarrowButtons;

extern const std::array<NarrowShift, kNarrowGroupCount> kNarrowTwoColumns;
extern const int kNarrowTwoHeight;  // the taller of the two columns

inline const NarrowPlacement& narrow(Ctl c) { return kNarrow[static_cast<std::size_t>(c)]; }
inline const NarrowGroupPlace& narrowGroup(NarrowGroup g) { return kNarrowGroups[static_cast<std::size_t>(g)]; }

// A text's size and line height in the column, in CSS pixels: the window's
// 11 and 13 pixel fonts on their 13 and 16 pixel strikes, scaled.
inline constexpr int narrowTextPixels(Font f) {
  return (f == Font::B10 || f == Font::R10 ? kFontPixels10 : kFontPixels8) * kNarrowFontScale;
}
inline constexpr int narrowLineHeight(Font f) { return (f == Font::B10 || f == Font::R10 ? 16 : 13) * kNarrowFontScale; }

// The height of a list's entries, 0 for any other control.
inline int narrowRowHeight(Ctl c) { return info(c).kind == Kind::ListBox ? kNarrowTarget : 0; }

}  // namespace kethmor::ui
