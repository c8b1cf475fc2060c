// Level-up, clearing the spells and schematics, quitting, and the CP
// bookkeeping across a mixed session.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

// ---------------------------------------------------------------------------
// Level-up.

TEST(LevelUp, UpToFiftyWithTheDoubleGrantAtMultiplesOfFive) {
  const std::set<int> doubleGrant = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
  Form1 f = started();
  press(f, Ctl::bow_plus);  // statistics, skills and aptitude must stay as they are
  press(f, Ctl::Repair_plus);
  f.message_window.text = "keep";
  int level = 1;
  for (int click = 1; click <= 60; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    Form1State want = f;
    press(f, Ctl::levelup);
    if (level < 50) {
      ++level;
      const int gain = doubleGrant.count(level) ? 2 : 1;
      want.Clevel.text = std::to_string(level);
      want.CP_pool = static_cast<std::int16_t>(want.CP_pool + gain);
      want.CPs_remaining.text = std::to_string(want.CP_pool);
      want.hitpoints.text = std::to_string(static_cast<int>(num(want.hitpoints)) + 2);
      want.fatigue.text = std::to_string(static_cast<int>(num(want.fatigue)) + 2);
    }
    EXPECT_TRUE(same(f, want));
  }
  EXPECT_EQ(f.Clevel.text, "50");
  EXPECT_EQ(f.CP_pool, 3 + 59);
  EXPECT_EQ(f.CPs_remaining.text, "62");
  EXPECT_EQ(f.hitpoints.text, "128");  // 30 + 98
  EXPECT_EQ(f.fatigue.text, "128");
}

// ---------------------------------------------------------------------------
// Clear.

TEST(Clear, WithNothingBoughtChangesNothing) {
  Form1 f = started();
  press(f, Ctl::ST_plus);
  press(f, Ctl::Picklocks_plus);
  press(f, Ctl::levelup);
  f.message_window.text = "keep";
  Form1State want = f;
  press(f, Ctl::Clear);
  EXPECT_TRUE(same(f, want));
}

TEST(Clear, ReturnsTheCPsOfTwoSpellsAndOneSchematic) {
  Form1 f = started();
  applyRace(f, kDwarf);  // aptitude 15 toward technology, repair 0.5
  press(f, Ctl::Repair_plus);
  buySpell(f, 0, 0);
  buySpell(f, 1, 0);
  buySchematic(f, 0, 0);
  ASSERT_EQ(f.purchased.items,
            (std::vector<std::string>{"Unseen Force", "Sense Alignment", "Charges"}));
  ASSERT_EQ(f.CP_pool, 1);
  ASSERT_EQ(f.aptitude.text, "14");  // -15 - 4 + 10 - 5

  f.message_window.text = "keep";
  Form1State want = f;
  press(f, Ctl::Clear);
  want.CP_pool = 4;
  want.CPs_remaining.text = "4";
  want.purchased.items.clear();
  want.purchased.listIndex = -1;
  for (auto& college : want.spell_owned) college.fill(kFalse);
  for (auto& discipline : want.schematic_owned) discipline.fill(kFalse);
  want.spells_bought = 0;
  want.schematics_bought = 0;
  want.magick_aptitude_part = 0;
  want.tech_aptitude_part = 0;
  want.aptitude_value = -19;  // the race and the one repair rank
  want.aptitude.text = "19";
  want.aptitude.back = kBrownOrange;
  EXPECT_TRUE(same(f, want));
}

TEST(Clear, SpellsAsTheOnlyAptitudeSourceLeaveItWhite) {
  Form1 f = started();
  buySpell(f, 4, 0);
  ASSERT_EQ(f.aptitude.back, kPink);
  press(f, Ctl::Clear);
  EXPECT_EQ(f.aptitude.text, "0");
  EXPECT_EQ(f.aptitude.back, kWhite);
  EXPECT_EQ(f.CP_pool, 5);
  EXPECT_EQ(f.CPs_remaining.text, "5");
  EXPECT_TRUE(f.purchased.items.empty());
  // The spell can be bought again.
  buySpell(f, 4, 0);
  EXPECT_EQ(f.spells_bought, 1);
  EXPECT_EQ(f.message_window.text, "");
}

// ---------------------------------------------------------------------------
// Quit.

TEST(Quit, EndsAndCallsTheHookOnce) {
  Form1 f = started();
  int calls = 0;
  f.onQuit = [&calls] { ++calls; };
  press(f, Ctl::ST_plus);
  Form1State want = f;
  press(f, Ctl::Quit);
  EXPECT_TRUE(f.ended);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(same(f, want));

  Form1 g = started();
  g.Quit_Click();  // no hook set
  EXPECT_TRUE(g.ended);
}

// ---------------------------------------------------------------------------
// The bookkeeping over a mixed session on a half-orc raised by orcs.

// The CPs that the counters and the purchased list account for.
int spentOf(const Form1& f) {
  int spent = f.cpstat_hitpoints + f.cpstat_fatigue + f.purchased.listCount();
  for (const StatRow& s : kStats) spent += f.*s.counter;
  for (const SkillRow& s : kSkillRows) spent += static_cast<int>(f.*s.counter);
  return spent;
}

TEST(Accounting, MixedSessionKeepsTheBooks) {
  // The half-orc's skill values plus the background's.
  const SkillValues start = {{"bow", 0.25}, {"melee", 0.75}, {"dodge", 0.75}, {"throwing", 0.25}};
  // Half-Orc/male with "Raised by Orcs": ST 11, CN 9, WP 8.
  const double raceST = 11, raceCN = 9, raceWP = 8;

  Form1 f = started();
  applyRace(f, kHalfOrcMale);
  applyBackground(f, kRaisedByOrcs);
  ASSERT_EQ(f.Current_background.text, "Raised by Orcs");

  int level = 1;
  int granted = 0;
  const std::set<int> doubleGrant = {5, 10, 15, 20, 25, 30, 35, 40, 45, 50};
  auto levelUp = [&](Form1& g, int times) {
    for (int i = 0; i < times; ++i) {
      if (level < 50) {
        ++level;
        granted += doubleGrant.count(level) ? 2 : 1;
      }
      press(g, Ctl::levelup);
    }
  };

  auto checkBooks = [&](const Form1& g) {
    EXPECT_EQ(brokenBookkeeping(g), "");
    EXPECT_EQ(g.Clevel.text, std::to_string(level));
    EXPECT_EQ(spentOf(g) + g.CP_pool, 5 + granted);
    EXPECT_EQ(num(g.Adjstrength), raceST + g.cpstat_ST);
    EXPECT_EQ(num(g.Adjconstitution), raceCN + g.cpstat_CN);
    EXPECT_EQ(num(g.Adjwillpower), raceWP + g.cpstat_WP);
    for (const SkillRow& k : kSkillRows)
      EXPECT_EQ(num(g.*k.box), (start.count(k.name) ? start.at(k.name) : 0.0) + g.*k.counter)
          << k.name;
  };

  struct Step {
    const char* name;
    std::function<void(Form1&)> act;
  };
  const std::vector<Step> script = {
      {"six level-ups", [&](Form1& g) { levelUp(g, 6); }},
      {"two DX points", [](Form1& g) { press(g, Ctl::DX_plus, 2); }},
      {"two bow ranks", [](Form1& g) { press(g, Ctl::bow_plus, 2); }},
      {"a melee rank", [](Form1& g) { press(g, Ctl::melee_plus); }},
      {"a WP point", [](Form1& g) { press(g, Ctl::WP_plus); }},
      {"two spells", [](Form1& g) { buySpell(g, 0, 0); buySpell(g, 0, 1); }},
      {"a repair rank", [](Form1& g) { press(g, Ctl::Repair_plus); }},
      {"a schematic", [](Form1& g) { buySchematic(g, 0, 0); }},
      {"hit points and fatigue",
       [](Form1& g) { press(g, Ctl::Hitpoints_plus); press(g, Ctl::Fatigue_plus); }},
      {"CN - with none bought", [](Form1& g) { press(g, Ctl::CN_minus); }},
      {"bow + with no CPs", [](Form1& g) { press(g, Ctl::bow_plus); }},
      {"DX - sells the skills", [](Form1& g) { press(g, Ctl::DX_minus); }},
      {"Clear", [](Form1& g) { press(g, Ctl::Clear); }},
      {"three level-ups", [&](Form1& g) { levelUp(g, 3); }},
      {"WP - with no spell left", [](Form1& g) { press(g, Ctl::WP_minus); }},
      {"three ST points", [](Form1& g) { press(g, Ctl::ST_plus, 3); }},
      {"a spell", [](Form1& g) { buySpell(g, 1, 0); }},
      {"heal and two spot-trap ranks",
       [](Form1& g) { press(g, Ctl::Heal_plus); press(g, Ctl::spottrap_plus, 2); }},
      {"fatigue -", [](Form1& g) { press(g, Ctl::Fatigue_minus); }},
      {"45 level-ups, five past 50", [&](Form1& g) { levelUp(g, 45); }},
      {"Clear again", [](Form1& g) { press(g, Ctl::Clear); }},
      {"ST - four times", [](Form1& g) { press(g, Ctl::ST_minus, 4); }},
  };
  checkBooks(f);
  for (const Step& step : script) {
    SCOPED_TRACE(step.name);
    step.act(f);
    checkBooks(f);
  }
  EXPECT_EQ(granted, 59);
  EXPECT_EQ(f.CP_pool, 62);  // 64, less one DX point and one hit-point purchase
  EXPECT_EQ(f.cpstat_DX, 1);
  EXPECT_EQ(f.cpstat_hitpoints, 1);
  EXPECT_TRUE(f.purchased.items.empty());
}

}  // namespace
