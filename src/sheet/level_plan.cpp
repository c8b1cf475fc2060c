#include "sheet/level_plan.h"

#include "sheet/replay.h"
#include "rules/rules.h"

namespace kethmor {

namespace {

// Replays the build's purchases in its order, levelling up only when a
// purchase needs it, then up to the build's level; stops at the end of
// `last`. Fills `plan` when given.
Form1 placed(const Form1State& build, int last, LevelPlan* plan) {
  Form1 f;
  LevelPlan scratch;
  LevelPlan& p = plan ? *plan : scratch;
  replayStart(f, startOf(build).value_or(ReplayStart{}));
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
    bool bought = buy(f, code);
    while (!bought && levelUp()) bought = buy(f, code);
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

}  // namespace

std::string cps(int n) { return std::to_string(n) + (n == 1 ? " CP" : " CPs"); }

LevelPlan levelPlan(const Form1State& build) {
  LevelPlan plan;
  placed(build, kLevelCap, &plan);
  return plan;
}

Form1State planStateAt(const Form1State& build, int level) { return placed(build, level, nullptr); }

std::string planText(const LevelPlan& plan, const char* lineEnd) {
  std::string text = "Level plan";
  if (plan.name.find_first_not_of(' ') != std::string::npos) text += " for " + plan.name;  // blanks: no name
  text += ": " + plan.race + ", background " + plan.background + lineEnd + planLevelLines(plan, lineEnd);
  if (plan.unspent > 0) text += lineEnd + ("Unspent: " + cps(plan.unspent));
  return text;
}

std::string planLevelLines(const LevelPlan& plan, const char* lineEnd) {
  std::string text;
  for (std::size_t l = 0; l < plan.levels.size(); ++l) {
    const PlanLevel& level = plan.levels[l];
    text += (l > 0 ? lineEnd : "") + ("Level " + std::to_string(l + 1) + " (" + cps(level.cps) + "): ");
    if (level.bought.empty()) text += "nothing";
    for (std::size_t i = 0, run; i < level.bought.size(); i += run) {
      run = 1;
      while (i + run < level.bought.size() && level.bought[i + run] == level.bought[i]) ++run;
      text += (i > 0 ? ", " : "") + purchaseName(level.bought[i]);
      if (run > 1) text += " x" + std::to_string(run);
    }
  }
  return text;
}

}  // namespace kethmor
