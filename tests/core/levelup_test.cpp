// Level-up, clearing the spells and schematics, and quitting. (The CP
// bookkeeping over long sessions is the soak test's.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

TEST(LevelUp, UpToFiftyWithTheDoubleGrantAtMultiplesOfFive) {
  Form1 f = started();
  press(f, Ctl::bow_plus);  // statistics, skills and aptitude must stay as they are
  press(f, Ctl::Repair_plus);
  f.message_window.text = "keep";
  for (int click = 1; click <= 60; ++click) {
    SCOPED_TRACE("click " + std::to_string(click));
    Form1State want = f;
    press(f, Ctl::levelup);
    const int level = click + 1;
    if (level <= 50) {
      want.Clevel.text = std::to_string(level);
      want.CP_pool = static_cast<std::int16_t>(want.CP_pool + (level % 5 == 0 ? 2 : 1));
      want.CPs_remaining.text = std::to_string(want.CP_pool);
      want.hitpoints.text = std::to_string(30 + 2 * click);
      want.fatigue.text = std::to_string(30 + 2 * click);
    }
    EXPECT_TRUE(same(f, want));
  }
  EXPECT_EQ(f.CP_pool, 3 + 59);
}

TEST(Clear, ReturnsTheCPsOfTwoSpellsAndOneSchematic) {
  Form1 f = started();
  applyRace(f, kDwarf);  // aptitude 15 toward technology, repair 0.5
  press(f, Ctl::Repair_plus);
  f.message_window.text = "keep";
  Form1State unchanged = f;
  press(f, Ctl::Clear);  // with nothing bought nothing happens
  EXPECT_TRUE(same(f, unchanged));
  buySpell(f, 0, 0);
  buySpell(f, 1, 0);
  buySchematic(f, 0, 0);
  ASSERT_EQ(f.purchased.items,
            (std::vector<std::string>{"Unseen Force", "Sense Alignment", "Charges"}));
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
  want.spells_bought = want.schematics_bought = 0;
  want.magick_aptitude_part = want.tech_aptitude_part = 0;
  want.aptitude_value = -19;  // the race and the one repair rank
  want.aptitude.text = "19";
  EXPECT_TRUE(same(f, want));

  // With spells the only source, the aptitude turns white; the spell can be
  // bought again.
  Form1 g = started();
  buySpell(g, 4, 0);
  press(g, Ctl::Clear);
  EXPECT_EQ(g.aptitude.text, "0");
  EXPECT_EQ(g.aptitude.back, kWhite);
  buySpell(g, 4, 0);
  EXPECT_EQ(g.spells_bought, 1);
  EXPECT_EQ(g.message_window.text, "");
}

TEST(Quit, EndsAndCallsTheHookOnce) {
  Form1 f = started();
  int calls = 0;
  f.onQuit = [&calls] { ++calls; };
  Form1State want = f;
  press(f, Ctl::Quit);
  EXPECT_TRUE(f.ended && calls == 1);
  EXPECT_TRUE(same(f, want));
}

}  // namespace
