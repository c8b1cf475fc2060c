// The window after start-up (its box texts are checked in the saved sheet).
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

TEST(Startup, ColoursCountersSelectionsAndTheSortedRaceList) {
  const Form1 f = started();
  EXPECT_EQ(brokenBookkeeping(f), "");  // the CPs, the skill colours, hit points and fatigue
  EXPECT_EQ(f.background_explanations.text, "No significant background");  // the race's, then this
  EXPECT_EQ(f.Spelltechindicator.text, "Spells");  // with the bookkeeping: the magick pair shown, the other hidden
  const std::pair<Ctl, int> selected[] = {{Ctl::Race_Selection, kHumanMale}, {Ctl::Background_Selection, 0},
      {Ctl::Magick_list, 0}, {Ctl::Tech_list, 0}, {Ctl::Spell_list, -1}, {Ctl::Schematic_list, -1}};
  for (const auto& [list, index] : selected) EXPECT_EQ(f.ctl(list).listIndex, index) << info(list).name;
  EXPECT_EQ(f.Race_Selection.items.at(kHalfling), "Halfling/male");  // hyphens ignored; "I" is "i" anywhere
  const std::pair<const char*, const char*> inOrder[] = {{"hat", "Ice"}, {"_", "A"}, {"y", "Z"}};
  for (const auto& [a, b] : inOrder) EXPECT_TRUE(sortsBefore(a, b)) << a << " before " << b;
  EXPECT_FALSE(sortsBefore("I", "i")) << "case alone orders nothing";
}
