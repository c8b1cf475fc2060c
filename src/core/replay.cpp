#include "core/replay.h"

#include "backgrounds/background_catalogue.h"
#include "races/race_catalogue.h"

namespace kethmor {

bool startRebuild(Form1& f, const std::string& race, const std::string& background,
                  const std::string& carry, const std::string& armour) {
  static const Form1 opened = [] {
    Form1 w;
    w.Form_Load();
    return w;
  }();
  f = opened;
  if (background != "none") {
    int r = 0;
    while (r < races::kRaceCount && race != races::kRaces[r].caption) ++r;
    if (r == races::kRaceCount) return false;
    f.selectEntry(Ctl::Race_Selection, r);
    f.DblClick(Ctl::Race_Selection);
    if (background != "None") {
      int b = 0;
      while (b < backgrounds::kBackgroundCount &&
             background != backgrounds::kBackgrounds[static_cast<std::size_t>(b)].caption)
        ++b;
      if (b == backgrounds::kBackgroundCount) return false;
      f.selectEntry(Ctl::Background_Selection, b);
      f.DblClick(Ctl::Background_Selection);
    }
  }
  if (!carry.empty() && carry != f.Carryweight.text) f.Click(Ctl::ST_minus);
  if (!armour.empty() && armour != f.ACadj.text) f.Click(Ctl::DX_minus);
  return true;
}

void keepBrowsing(Form1State& f, const Form1State& current) {
  for (Control Form1State::*keep : {&Form1State::Magick_list, &Form1State::Spell_list, &Form1State::Tech_list,
                                    &Form1State::Schematic_list, &Form1State::Spelltechindicator,
                                    &Form1State::background_explanations})
    f.*keep = current.*keep;
  f.message_window.text.clear();
  f.ok_flag = current.ok_flag;
}

}  // namespace kethmor
