#include "window/layout_table.h"

namespace kethmor::ui {

namespace {

constexpr std::array<Placement, kControlCount> makeLayout() {
  std::array<Placement, kControlCount> table{};
  using enum Font;
#define AT(name, l, t, w, h, font, flags, tip) \
  table[static_cast<std::size_t>(Ctl::name)] = Placement{l, t, w, h, font, flags, tip};
#include "window/layout.def"
#undef AT
  return table;
}

constexpr bool everyControlPlaced(const std::array<Placement, kControlCount>& table) {
  for (const Placement& p : table)
    if (p.width <= 0 || p.height <= 0) return false;
  return true;
}

}  // namespace

const std::array<Placement, kControlCount> kLayout = makeLayout();
static_assert(everyControlPlaced(makeLayout()), "a control of the window has no place in layout.def");

}  // namespace kethmor::ui
