#include "window/narrow_layout.h"

#include <algorithm>

namespace kethmor::ui {

namespace {

struct Row {
  NarrowGroup group;
  Ctl id;
  int left, top, width, height;  // top within the group
};

constexpr Row kRows[] = {
#define NARROW(group, name, l, t, w, h) {NarrowGroup::group, Ctl::name, l, t, w, h},
#define APPLY(list, caption, group, l, t, w, h)
#define MENU(caption, group, l, t, w, h)
#include "window/narrow_layout.def"
#undef NARROW
#undef APPLY
#undef MENU
};

// The touch screen's buttons, their tops within their groups.
constexpr NarrowButton kButtonRows[] = {
#define NARROW(group, name, l, t, w, h)
#define APPLY(list, caption, group, l, t, w, h) {Ctl::list, caption, {NarrowGroup::group, l, t, w, h}},
#define MENU(caption, group, l, t, w, h) {std::nullopt, caption, {NarrowGroup::group, l, t, w, h}},
#include "window/narrow_layout.def"
#undef NARROW
#undef APPLY
#undef MENU
};

constexpr const char* kGroupNames[] = {
#define GROUP(id, name) name,
#include "window/narrow_layout.def"
#undef GROUP
};

// Each group as high as its lowest control reaches, one under another.
constexpr std::array<NarrowGroupPlace, kNarrowGroupCount> makeGroups() {
  std::array<NarrowGroupPlace, kNarrowGroupCount> groups{};
  for (const Row& r : kRows) {
    NarrowGroupPlace& g = groups[static_cast<std::size_t>(r.group)];
    if (r.top + r.height > g.height) g.height = r.top + r.height;
  }
  for (const NarrowButton& b : kButtonRows) {
    NarrowGroupPlace& g = groups[static_cast<std::size_t>(b.at.group)];
    if (b.at.top + b.at.height > g.height) g.height = b.at.top + b.at.height;
  }
  int top = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    groups[i].name = kGroupNames[i];
    groups[i].top = top;
    top += groups[i].height + kNarrowGroupGap;
  }
  return groups;
}

constexpr std::array<NarrowPlacement, kControlCount> makeNarrow() {
  const auto groups = makeGroups();
  std::array<NarrowPlacement, kControlCount> table{};
  for (const Row& r : kRows)
    table[static_cast<std::size_t>(r.id)] = {r.group, r.left, groups[static_cast<std::size_t>(r.group)].top + r.top,
                                             r.width, r.height};
  return table;
}

constexpr std::array<NarrowButton, kNarrowButtonCount> makeButtons() {
  const auto groups = makeGroups();
  std::array<NarrowButton, kNarrowButtonCount> table{};
  for (std::size_t i = 0; i < table.size(); ++i) {
    table[i] = kButtonRows[i];
    table[i].at.top += groups[static_cast<std::size_t>(table[i].at.group)].top;
  }
  return table;
}

// Two columns: the left one's groups, as many as make the taller column
// lowest, and that column's height.
struct Split {
  std::size_t left;
  int height;
};

constexpr Split splitInTwo() {
  const auto groups = makeGroups();
  const int whole = groups.back().top + groups.back().height;
  Split best{1, whole};
  for (std::size_t k = 1; k < groups.size(); ++k) {
    const int taller = std::max(groups[k - 1].top + groups[k - 1].height, whole - groups[k].top);
    if (taller < best.height) best = {k, taller};
  }
  return best;
}

constexpr Split kSplit = splitInTwo();

constexpr std::array<NarrowShift, kNarrowGroupCount> makeTwoColumns() {
  const auto groups = makeGroups();
  std::array<NarrowShift, kNarrowGroupCount> shifts{};
  for (std::size_t g = kSplit.left; g < shifts.size(); ++g)
    shifts[g] = {kNarrowWidth + kNarrowColumnGap, -groups[kSplit.left].top};
  return shifts;
}

constexpr bool everyControlPlacedOnce() {
  std::array<int, kControlCount> placed{};
  for (const Row& r : kRows) ++placed[static_cast<std::size_t>(r.id)];
  for (const int n : placed)
    if (n != 1) return false;
  return true;
}

}  // namespace

static_assert(everyControlPlacedOnce(), "window/narrow_layout.def must place every control of controls.def once");

const std::array<NarrowGroupPlace, kNarrowGroupCount> kNarrowGroups = makeGroups();
const std::array<NarrowPlacement, kControlCount> kNarrow = makeNarrow();
const std::array<NarrowButton, kNarrowButtonCount> kNarrowButtons = makeButtons();
const std::array<NarrowShift, kNarrowGroupCount> kNarrowTwoColumns = makeTwoColumns();
const int kNarrowTwoHeight = kSplit.height;

}  // namespace kethmor::ui
