// Level-up, clearing the spells and schematics, and quitting.
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

TEST(LevelUp, UpToFiftyWithTheDoubleGrantAtMultiplesOfFive) {
  Form1 f = started();
  f.message_window.text = "keep";  // level-up leaves every other box as it is
  for (int level = 2; level <= 61; ++level) {
    Form1State want = f;
    press(f, Ctl::levelup);
    if (level <= 50) {
      want.Clevel.text = std::to_string(level);
      want.CP_pool = static_cast<std::int16_t>(want.CP_pool + (level % 5 == 0 ? 2 : 1));
      want.CPs_remaining.text = std::to_string(want.CP_pool);
      want.hitpoints.text = want.fatigue.text = std::to_string(28 + 2 * level);
    }
    EXPECT_TRUE(same(f, want)) << "level " << level;
  }
}

TEST(Clear, ReturnsTheCPsOfTwoSpellsAndOneSchematic) {
  Form1 f = raceWithBackground(kDwarf, kNoBackground);  // aptitude 15 toward technology
  press(f, Ctl::Repair_plus);
  buySpell(f, 0, 0);
  buySpell(f, 1, 0);
  buySchematic(f, 0, 0);
  ASSERT_EQ(f.aptitude.text, "14");  // -15 - 4 + 10 - 5
  press(f, Ctl::Clear);
  EXPECT_EQ(brokenBookkeeping(f), "");  // the owned tables and counts emptied with the list
  EXPECT_EQ(f.CPs_remaining.text + " " + f.aptitude.text, "4 19");  // aptitude: race and repair
}

TEST(Quit, EndsAndCallsTheHookOnce) {
  Form1 f = started();
  int calls = 0;
  f.onQuit = [&calls] { ++calls; };
  press(f, Ctl::Quit);
  EXPECT_TRUE(f.ended && calls == 1 && same(f, started()));
}

}  // namespace
