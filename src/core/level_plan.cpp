#include "core/level_plan.h"

#include "core/replay.h"
#include "core/rules.h"
#include "magick/college_catalogue.h"
#include "technology/discipline_catalogue.h"

namespace kethmor {

bool planStart(Form1& f, const Form1State& build) {
  const bool started = startRebuild(f, build.Current_race.text, build.Current_background.text,
                                    build.Carryweight.text, build.ACadj.text);
  f.PCname.text = build.PCname.text;
  f.alternativebackground.text = build.alternativebackground.text;
  return started;
}

bool buyByCode(Form1& f, int code) {
  const std::size_t had = f.purchase_order.size();
  if (code < kOrderSpell) {
    f.Click(raiseOf(code).plus);
  } else {
    const bool spell = code < kOrderSchematic;
    const int i = code - (spell ? kOrderSpell : kOrderSchematic);
    const int ranks = spell ? magick::kSpellsPerCollege : technology::kSchematicsPerDiscipline;
    const Ctl entries = spell ? Ctl::Spell_list : Ctl::Schematic_list;
    f.selectEntry(spell ? Ctl::Magick_list : Ctl::Tech_list, i / ranks);
    f.selectEntry(entries, i % ranks);
    f.DblClick(entries);
  }
  return f.purchase_order.size() > had;
}

namespace {

// Replays the build's purchases level by level, levelling up only when a
// purchase needs it, then up to the build's level; stops at the end of
// `last`. Fills `plan` when given.
Form1 replay(const Form1State& build, int last, LevelPlan* plan) {
  Form1 f;
  LevelPlan scratch;
  LevelPlan& p = plan ? *plan : scratch;
  planStart(f, build);
  p.levels.assign(1, PlanLevel{f.CP_pool, {}});
  auto levelUp = [&f, &p, last] {
    const std::int16_t was = f.CP_pool;
    if (num(f.Clevel) >= last || num(f.Clevel) >= kLevelCap) return false;
    f.levelup_Click();
    p.levels.push_back({f.CP_pool - was, {}});
    return true;
  };
  for (const char c : build.purchase_order) {
    const int code = static_cast<unsigned char>(c);
    bool bought = buyByCode(f, code);
    while (!bought && levelUp()) bought = buyByCode(f, code);
    if (!bought) break;  // it waits for a level past `last`
    p.levels.back().bought.push_back(code);
  }
  while (num(f.Clevel) < num(build.Clevel) && levelUp()) {}
  keepBrowsing(f, build);
  p.name = f.PCname.text;
  p.race = f.Current_race.text;
  p.background = f.Current_background.text;
  p.unspent = f.CP_pool;
  return f;
}

std::string cps(int n) { return std::to_string(n) + (n == 1 ? " CP" : " CPs"); }

}  // namespace

LevelPlan levelPlan(const Form1State& build) {
  LevelPlan plan;
  replay(build, 50, &plan);
  return plan;
}

Form1State planStateAt(const Form1State& build, int level) { return replay(build, level, nullptr); }

std::string purchaseName(int code) {
  if (code < kOrderSpell) return raiseOf(code).name;
  if (code < kOrderSchematic) {
    const int i = code - kOrderSpell;
    return magick::kSpellNames[i / magick::kSpellsPerCollege][i % magick::kSpellsPerCollege];
  }
  const int i = code - kOrderSchematic;
  return technology::kSchematicNames[i / technology::kSchematicsPerDiscipline]
                                    [i % technology::kSchematicsPerDiscipline];
}

std::string planText(const LevelPlan& plan, const char* lineEnd) {
  std::string text = "Level plan";
  if (plan.name.find_first_not_of(' ') != std::string::npos) text += " for " + plan.name;  // blanks: no name
  text += ": " + plan.race + ", background " + plan.background;
  for (std::size_t l = 0; l < plan.levels.size(); ++l) {
    const PlanLevel& level = plan.levels[l];
    text += lineEnd + ("Level " + std::to_string(l + 1) + " (" + cps(level.cps) + "): ");
    if (level.bought.empty()) text += "nothing";
    for (std::size_t i = 0, run; i < level.bought.size(); i += run) {
      run = 1;
      while (i + run < level.bought.size() && level.bought[i + run] == level.bought[i]) ++run;
      text += (i > 0 ? ", " : "") + purchaseName(level.bought[i]);
      if (run > 1) text += " x" + std::to_string(run);
    }
  }
  if (plan.unspent > 0) text += lineEnd + ("Unspent: " + cps(plan.unspent));
  return text;
}

}  // namespace kethmor
