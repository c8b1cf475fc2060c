// Event dispatch: one row per control, indexed by the control, with the
// check that every button and list has its handler. Included by form1.cpp
// alone.
#pragma once

#include <array>

#include "model/form1.h"

namespace kethmor {
namespace {
using Handler = void (Form1::*)();
struct Handlers {
  Handler click = nullptr;
  Handler dblClick = nullptr;
  int given = 0;  // handlers given, for the check below (member pointers compare only at run time in some builds)
};

constexpr std::array<Handlers, kControlCount> kHandlers = [] {
  std::array<Handlers, kControlCount> t{};
  auto on = [&t](Ctl c, Handler click) { t[static_cast<std::size_t>(c)] = {click, nullptr, 1}; };
  auto onBoth = [&t](Ctl c, Handler click, Handler dblClick) { t[static_cast<std::size_t>(c)] = {click, dblClick, 2}; };
  on(Ctl::Quit, &Form1::Quit_Click);
  on(Ctl::Clear, &Form1::Clear_Click);
  on(Ctl::levelup, &Form1::levelup_Click);
#define STAT(code, base, adjusted, plus, minus, ...) \
  on(Ctl::plus, &Form1::plus##_Click);               \
  on(Ctl::minus, &Form1::minus##_Click);
#include "rules/statistics.def"
#undef STAT
  on(Ctl::Hitpoints_plus, &Form1::Hitpoints_plus_Click);
  on(Ctl::Hitpoints_minus, &Form1::Hitpoints_minus_Click);
  on(Ctl::Fatigue_plus, &Form1::Fatigue_plus_Click);
  on(Ctl::Fatigue_minus, &Form1::Fatigue_minus_Click);
#define SKILL(box, plus, minus, ...)   \
  on(Ctl::plus, &Form1::plus##_Click); \
  on(Ctl::minus, &Form1::minus##_Click);
#include "rules/skills.def"
#undef SKILL
  onBoth(Ctl::Race_Selection, &Form1::Race_Selection_Click, &Form1::Race_Selection_DblClick);
  onBoth(Ctl::Background_Selection, &Form1::Background_Selection_Click, &Form1::Background_Selection_DblClick);
  on(Ctl::Magick_select, &Form1::Magick_select_Click);
  on(Ctl::Magick_list, &Form1::Magick_list_Click);
  onBoth(Ctl::Spell_list, &Form1::Spell_list_Click, &Form1::Spell_list_DblClick);
  on(Ctl::Tech_select, &Form1::Tech_select_Click);
  on(Ctl::Tech_list, &Form1::Tech_list_Click);
  onBoth(Ctl::Schematic_list, &Form1::Schematic_list_Click, &Form1::Schematic_list_DblClick);
  return t;
}();

// Every button and list answers a click (the purchase list only shows its
// entries; SAVE is the window's, which asks for the file name and hands it to
// SAVE_Click), and the lists that apply or buy answer a double click as well.
static_assert([] {
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    const bool clicks = (kKinds[i] == Kind::Button || kKinds[i] == Kind::ListBox) && c != Ctl::purchased && c != Ctl::SAVE;
    const bool doubles = c == Ctl::Race_Selection || c == Ctl::Background_Selection || c == Ctl::Spell_list ||
                         c == Ctl::Schematic_list;
    if (kHandlers[static_cast<std::size_t>(i)].given != (doubles ? 2 : clicks ? 1 : 0)) return false;
  }
  return true;
}(), "a button or list without its handler, or a handler where none belongs");

}  // namespace
}  // namespace kethmor
