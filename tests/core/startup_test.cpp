// The window after start-up and browsing its lists (its box texts are checked in the saved sheet).

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
  EXPECT_TRUE(sortsBefore("hat", "Ice") && !sortsBefore("Ice", "ice") && !sortsBefore("ice", "Ice"));
}

// A group click empties the message and refills the entries, none picked; an entry click shows its
// description only; switching views keeps the lists and selections, and a second press does nothing.
TEST(Browsing, GroupAndEntryClicksAndSwitchingViews) {
  struct Step { Lore lore; int group, entry; const char *last, *description; };
  const Step steps[] = {{Lore::Magick, 9, 3, "Polymorph", "Converts flesh to stone "},
                        {Lore::Tech, 5, 1, "Mechanized Arachnid", "A handy tool for picking locks."}};
  Form1 f = started();
  for (const Step& s : steps) {
    const LoreControls lists = controlsOf(s.lore);
    f.selectEntry(lists.entries, 2);
    f.message_window.text = "min. requirement, level 5, not met";
    f.selectEntry(lists.groups, s.group);
    EXPECT_EQ(f.message_window.text + std::to_string(f.ctl(lists.entries).listIndex) + " " +
                  f.ctl(lists.entries).items.back(), std::string("-1 ") + s.last);
    f.message_window.text = "you must raise your Willpower";
    Form1 want = f;
    f.selectEntry(lists.entries, s.entry);
    want.ctl(lists.entries).listIndex = s.entry;
    want.background_explanations.text = s.description;
    EXPECT_TRUE(same(f, want));
    const bool toMagick = s.lore == Lore::Tech;
    press(f, toMagick ? Ctl::Magick_select : Ctl::Tech_select, 2);
    want.Magick_list.visible = want.Spell_list.visible = toMagick;
    want.Tech_list.visible = want.Schematic_list.visible = !toMagick;
    want.Spelltechindicator.text = toMagick ? "Spells" : "Schematics";
    want.Spelltechindicator.fore = toMagick ? kPink : kBrownOrange;
    EXPECT_TRUE(same(f, want));
  }
}
