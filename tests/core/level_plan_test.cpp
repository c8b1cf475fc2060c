// The level plan: its text for builds worked out by hand; after seeded random sessions, a plan that
// replays to the build's exact sheet, every purchase at its earliest level, also for the sheet reopened.
#include <random>

#include "core/level_plan.h"
#include "export/sheet.h"
#include "export/sheet_reader.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

void borin(Form1& f) {  // the session order Strength, Strength, four Level-ups, Bow, Repair, Unseen Force, ...
  applyRace(f, kDwarf), f.PCname.text = "Borin Ironfist";
  press(f, Ctl::ST_plus, 2), press(f, Ctl::levelup, 4), press(f, Ctl::bow_plus), press(f, Ctl::Repair_plus);
  buySpell(f, 0, 0), buySchematic(f, 0, 0);
  for (Ctl b : {Ctl::Hitpoints_plus, Ctl::Fatigue_plus, Ctl::WP_plus}) press(f, b);
}

struct TextCase { void (*session)(Form1&); const char* text; };
const TextCase kTextCases[] = {
    {borin, "Level plan for Borin Ironfist: Dwarf, background None\nLevel 1 (5 CPs): Strength x2, Bow, Repair, "
            "Unseen Force\nLevel 2 (1 CP): Charges\nLevel 3 (1 CP): Hit points\nLevel 4 (1 CP): Fatigue\n"
            "Level 5 (2 CPs): Willpower\nUnspent: 1 CP"},
    // Opened from its sheet: statistics, hit points, fatigue, skills, then the purchase list.
    {[](Form1& f) { Form1 b = started(); borin(b), exporter::rebuildSheet(exporter::sheetBytes(b), b, f); },
     "Level plan for Borin Ironfist: Dwarf, background None\nLevel 1 (5 CPs): Strength x2, Willpower, Hit points, "
     "Fatigue\nLevel 2 (1 CP): Bow\nLevel 3 (1 CP): Repair\nLevel 4 (1 CP): Unseen Force\nLevel 5 (2 CPs): "
     "Charges\nUnspent: 1 CP"},
    {[](Form1&) {}, "Level plan: Human/male, background none\nLevel 1 (5 CPs): nothing\nUnspent: 5 CPs"},
    // A rank-3 spell waits for level 5; selling charisma sells the skill ranks bought before it.
    {[](Form1& f) {
       applyRace(f, kHumanMale), levelTo(f, 10), press(f, Ctl::WP_plus, 4), buyRun(f, Lore::Magick, 0, 3);
       for (Ctl b : {Ctl::CH_plus, Ctl::Persausion_plus, Ctl::bow_plus, Ctl::CH_minus, Ctl::bow_plus}) press(f, b);
       press(f, Ctl::Hitpoints_plus, 2);
     },
     "Level plan: Human/male, background None\nLevel 1 (5 CPs): Willpower x4, Unseen Force\nLevel 2 (1 CP): "
     "Unlocking Cantrip\nLevel 3 (1 CP): nothing\nLevel 4 (1 CP): nothing\nLevel 5 (2 CPs): Shadow Shift, Bow, "
     "Hit points x2\nLevel 6 (1 CP): nothing\nLevel 7 (1 CP): nothing\nLevel 8 (1 CP): nothing\nLevel 9 (1 CP): "
     "nothing\nLevel 10 (2 CPs): nothing\nUnspent: 6 CPs"},
    // Clear takes back the spells and schematics; a background applied starts the order again.
    {[](Form1& f) {
       applyRace(f, kHumanMale), press(f, Ctl::ST_plus), applyBackground(f, kBully);
       buySchematic(f, 1, 0), buySpell(f, 2, 0), press(f, Ctl::Clear), press(f, Ctl::IN_plus);
       buySchematic(f, 0, 0), press(f, Ctl::Heal_plus), levelTo(f, 3);
     },
     "Level plan: Human/male, background Bully\nLevel 1 (5 CPs): Intelligence, Charges, Heal\nLevel 2 (1 CP): "
     "nothing\nLevel 3 (1 CP): nothing\nUnspent: 4 CPs"},
};

TEST(LevelPlan, TextOfBuildsWorkedOutByHand) {
  for (const TextCase& c : kTextCases) {
    Form1 f = started();
    c.session(f);
    EXPECT_EQ(planText(levelPlan(f)), c.text);
  }
}

// Replays (level, code) purchases from the plan's start up to `level`; the index of the first refused,
// or -1.
int replayed(Form1& f, const Form1State& build, const std::vector<std::pair<int, int>>& bought, int level) {
  planStart(f, build);
  for (std::size_t i = 0; i < bought.size(); ++i) {
    levelTo(f, bought[i].first);
    if (!buyByCode(f, bought[i].second)) return static_cast<int>(i);
  }
  return levelTo(f, level), -1;
}

// The plan of a build replays to its sheet; moving the first purchase of any level one level earlier
// (the only move that keeps the order) is refused.
std::string brokenPlan(const Form1State& build) {
  const LevelPlan plan = levelPlan(build);
  const int level = static_cast<int>(num(build.Clevel));
  if (!plan.whole || static_cast<int>(plan.levels.size()) != level) return "the plan's levels are not 1 to the build's";
  std::vector<std::pair<int, int>> bought;
  for (int l = 1; l <= level; ++l)
    for (int code : plan.levels[static_cast<std::size_t>(l - 1)].bought) bought.emplace_back(l, code);
  Form1 f;
  if (replayed(f, build, bought, level) != -1 || exporter::sheetBytes(f) != exporter::sheetBytes(build))
    return "replaying the plan does not give the build's sheet";
  for (std::size_t i = 0; i < bought.size(); ++i) {
    if (bought[i].first == 1 || (i > 0 && bought[i - 1].first == bought[i].first)) continue;
    auto earlier = bought;
    --earlier[i].first;
    if (replayed(f, build, earlier, level) != static_cast<int>(i))
      return "purchase " + std::to_string(i) + " could be made a level earlier";
  }
  return {};
}

TEST(LevelPlan, SeededSessionsPlanTheirBuildExactly) {
  const int sessions = std::getenv("KETHMOR_PLAN_SESSIONS") ? std::atoi(std::getenv("KETHMOR_PLAN_SESSIONS")) : 300;
  for (int seed = 1; seed <= sessions; ++seed) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    Form1 f = started();
    applyRace(f, static_cast<int>(rng() % 12)), applyBackground(f, static_cast<int>(rng() % 38));
    std::vector<Ctl> buttons;  // "+" four times as often as "-", Level-up and Clear
    for (int i = 0; i < kControlCount; ++i)
      if (kControls[i].kind == Kind::Button && static_cast<Ctl>(i) != Ctl::Quit && static_cast<Ctl>(i) != Ctl::SAVE)
        for (int n = std::string(kControls[i].name).find("plus") != std::string::npos ? 4 : 1; n > 0; --n)
          buttons.push_back(static_cast<Ctl>(i));
    for (int i = 0; i < 300; ++i) {
      if (const unsigned r = rng() % 10; r == 0) press(f, Ctl::levelup);
      else if (r < 4) buy(f, rng() % 2 ? Lore::Magick : Lore::Tech, static_cast<int>(rng() % 8), static_cast<int>(rng() % 7));
      else press(f, buttons[rng() % buttons.size()]);
    }
    ASSERT_EQ(brokenPlan(f), "") << "seed " << seed;
    Form1State opened;
    ASSERT_EQ(exporter::rebuildSheet(exporter::sheetBytes(f), f, opened), "") << "seed " << seed;
    ASSERT_EQ(brokenPlan(opened), "") << "seed " << seed << ", opened again";
  }
}

}  // namespace
