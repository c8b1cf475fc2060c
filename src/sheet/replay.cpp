#include "sheet/replay.h"

#include "catalogues/background_catalogue.h"
#include "catalogues/college_catalogue.h"
#include "catalogues/race_catalogue.h"
#include "catalogues/discipline_catalogue.h"

namespace kethmor {

namespace {

// A spell or schematic code as its group and rank index.
struct Entry {
  bool spell;
  int group, rank;
};
Entry entryOf(int code) {
  const bool spell = code < kOrderSchematic;
  const int i = code - (spell ? kOrderSpell : kOrderSchematic);
  const int ranks = spell ? magick::kSpellsPerCollege : technology::kSchematicsPerDiscipline;
  return {spell, i / ranks, i % ranks};
}

}  // namespace

std::optional<ReplayStart> startOf(const Form1State& shown) {
  ReplayStart s{-1, -1, shown.PCname.text, shown.alternativebackground.text, shown.Carryweight.text,
                shown.ACadj.text};
  const std::string& background = shown.Current_background.text;
  if (background == "none") return s;
  s.race = races::raceKeyIndex(shown.Current_race.text);
  if (s.race < 0) return std::nullopt;
  if (background == "None") return s;
  while (++s.background < backgrounds::kBackgroundCount &&
         background != backgrounds::kBackgrounds[static_cast<std::size_t>(s.background)].caption) {
  }
  if (s.background == backgrounds::kBackgroundCount) return std::nullopt;
  return s;
}

void replayStart(Form1& f, const ReplayStart& start) {
  static const Form1 opened = [] {
    Form1 w;
    w.Form_Load();
    return w;
  }();
  f = opened;
  if (start.race >= 0) {
    f.selectEntry(Ctl::Race_Selection, start.race);
    f.DblClick(Ctl::Race_Selection);
  }
  if (start.background >= 0) {
    f.selectEntry(Ctl::Background_Selection, start.background);
    f.DblClick(Ctl::Background_Selection);
  }
  if (!start.carry.empty() && start.carry != f.Carryweight.text) f.Click(derivingStat(Derived::carryAndDamage).minus);
  if (!start.armour.empty() && start.armour != f.ACadj.text) f.Click(derivingStat(Derived::armourAndSpeed).minus);
  f.PCname.text = start.name;
  f.alternativebackground.text = start.alternative;
}

bool buy(Form1& f, int code) {
  const std::size_t had = f.purchase_order.size();
  if (!isEntryCode(code)) {
    f.Click(raiseOf(code).plus);
  } else {
    const Entry e = entryOf(code);
    const Ctl entries = e.spell ? Ctl::Spell_list : Ctl::Schematic_list;
    f.selectEntry(e.spell ? Ctl::Magick_list : Ctl::Tech_list, e.group);
    f.selectEntry(entries, e.rank);
    f.DblClick(entries);
  }
  return f.purchase_order.size() > had;
}

int buyAll(Form1& f, std::string_view order) {
  for (std::size_t i = 0; i < order.size(); ++i)
    if (!buy(f, static_cast<unsigned char>(order[i]))) return static_cast<int>(i);
  return -1;
}

std::string purchaseName(int code) {
  if (!isEntryCode(code)) return raiseOf(code).name;
  const Entry e = entryOf(code);
  return e.spell ? magick::kSpellNames[e.group][e.rank] : technology::kSchematicNames[e.group][e.rank];
}

bool owned(const Form1State& f, int code) {
  const Entry e = entryOf(code);
  const auto g = static_cast<std::size_t>(e.group), k = static_cast<std::size_t>(e.rank);
  return (e.spell ? f.spell_owned[g][k] : f.schematic_owned[g][k]) != 0;
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
