// The window after start-up (its box texts are checked in the saved sheet).
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

TEST(Startup, ColoursCountersSelectionsAndTheSortedRaceList) {
  const Form1 f = started();
  EXPECT_EQ(brokenBookkeeping(f), "");  // the CPs, the skill colours, hit points and fatigue
  std::string lists = f.background_explanations.text + "; " + f.Spelltechindicator.text + ";";
  for (const Control* c : {&f.Race_Selection, &f.Background_Selection, &f.Magick_list, &f.Spell_list,
                           &f.Tech_list, &f.Schematic_list})
    lists += " " + std::to_string(c->listIndex) + (c->visible ? "" : " hidden");
  EXPECT_EQ(lists, "No significant background; Spells; 11 0 0 -1 0 hidden -1 hidden");  // race, then this
  EXPECT_EQ(f.Race_Selection.items.at(kHalfling), "Halfling/male");  // hyphens ignored; "I" is "i" anywhere
  EXPECT_TRUE(sortsBefore("hat", "Ice") && sortsBefore("_", "A") && sortsBefore("y", "Z") && !sortsBefore("I", "i"));
}
