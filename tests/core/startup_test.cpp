// The window after start-up, and browsing its lists: the colleges and
// disciplines, their entries, and switching between the two views. (The
// start character's box texts are checked byte for byte in its saved sheet.)
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;
using Entries = std::vector<std::string>;

TEST(Startup, ColoursCountersAndSelections) {
  Form1 f = started();
  for (const SkillRow& s : kSkillRows) EXPECT_EQ((f.*s.box).back, kSysWindow) << s.name;
  EXPECT_EQ(f.skill_backcolor, kSysWindow);
  EXPECT_EQ(f.aptitude.back, kWhite);
  EXPECT_EQ(f.CP_pool, 5);
  EXPECT_EQ(f.backgroundallowed, kTrue);
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_FALSE(f.dummy.visible);
  // The background is selected after the race, so its description shows.
  EXPECT_EQ(f.Race_Selection.listIndex, kHumanMale);
  EXPECT_EQ(f.Background_Selection.listIndex, 0);
  EXPECT_EQ(f.background_explanations.text, "No significant background");
  EXPECT_EQ(f.Magick_list.listIndex, 0);
  EXPECT_EQ(f.Spell_list.items, (Entries{"Unseen Force", "Unlocking Cantrip", "Shadow Shift",
                                         "Spatial Distortion", "Teleport"}));
  EXPECT_EQ(f.Tech_list.listIndex, 0);
  EXPECT_EQ(f.Schematic_list.items.front(), "Charges");
  EXPECT_EQ(f.Spell_list.listIndex, -1);
  EXPECT_EQ(f.Schematic_list.listIndex, -1);
  EXPECT_TRUE(f.Magick_list.visible && f.Spell_list.visible);
  EXPECT_FALSE(f.Tech_list.visible || f.Schematic_list.visible);
  EXPECT_EQ(f.Spelltechindicator.text, "Spells");
  EXPECT_EQ(f.Spelltechindicator.fore, kMagenta);
}

// Every button and list answers a click (the purchase list only shows);
// the four lists that apply or buy answer a double click.
TEST(Startup, EveryButtonAndListHasItsHandler) {
  const Ctl doubles[] = {Ctl::Race_Selection, Ctl::Background_Selection, Ctl::Spell_list,
                         Ctl::Schematic_list};
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    const Kind k = kControls[i].kind;
    const bool clicks = (k == Kind::Button || k == Kind::ListBox) && c != Ctl::purchased;
    EXPECT_EQ(Form1::handles(c, false), clicks) << kControls[i].name;
    EXPECT_EQ(Form1::handles(c, true), std::count(std::begin(doubles), std::end(doubles), c) == 1)
        << kControls[i].name;
  }
}

TEST(Startup, RaceListIsSortedWithHyphensIgnored) {
  const Entries expected = {"Dwarf/male",      "Elf/female",      "Elf/male",      "Gnome/male",
                            "Half-Elf/female", "Half-Elf/male",   "Halfling/male", "Half-Ogre/male",
                            "Half-Orc/female", "Half-Orc/male",   "Human/female",  "Human/male"};
  EXPECT_EQ(started().Race_Selection.items, expected);
  Control sorted;  // in whatever order the entries arrive
  sorted.sorted = true;
  for (auto it = expected.rbegin(); it != expected.rend(); ++it) sorted.addItem(*it);
  EXPECT_EQ(sorted.items, expected);
  EXPECT_TRUE(sortsBefore("hat", "Ice"));  // 'I' folds to 'i' under any locale
  EXPECT_FALSE(sortsBefore("Ice", "ice") || sortsBefore("ice", "Ice"));
}

// A group click empties the message and refills the entries with none
// picked; an entry click shows its description and changes nothing else.
TEST(Browsing, GroupAndEntryClicks) {
  struct Case { Lore lore; int group, entry; Entries entries; const char* description; };
  const std::vector<Case> cases = {
      {Lore::Magick, 9, 3, {"Hardened Hands", "Weaken", "Shrink", "Flesh to Stone", "Polymorph"},
       "Converts flesh to stone "},
      {Lore::Tech, 5, 1, {"Spike Trap", "Auto Skeleton Key", "Trap Springer", "Bear Trap",
                          "Clockwork Decoy", "Eye Gear", "Mechanized Arachnid"},
       "A handy tool for picking locks."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.group);
    Form1 f = started();
    pointAt(f, c.lore, 0, 2);
    f.message_window.text = "min. requirement, level 5, not met";
    f.selectEntry(controlsOf(c.lore).groups, c.group);
    const Control& entries = f.ctl(controlsOf(c.lore).entries);
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(entries.items, c.entries);
    EXPECT_EQ(entries.listIndex, -1);
    f.selectEntry(Ctl::Race_Selection, kDwarf);  // a race text in the description box
    f.message_window.text = "you must raise your Willpower";
    Form1 want = f;
    f.selectEntry(controlsOf(c.lore).entries, c.entry);
    want.ctl(controlsOf(c.lore).entries).listIndex = c.entry;
    want.background_explanations.text = c.description;
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Browsing, SwitchingViewsKeepsListsAndSelections) {
  Form1 f = started();
  Form1State want = f;
  press(f, Ctl::Magick_select, 2);  // on the magick view: only the indicator turns pink
  want.Spelltechindicator.fore = kPink;
  EXPECT_TRUE(same(f, want));
  f.selectEntry(Ctl::Magick_list, 5);
  f.selectEntry(Ctl::Spell_list, 3);
  want = f;
  f.Click(Ctl::Tech_select);
  want.Magick_list.visible = want.Spell_list.visible = false;
  want.Tech_list.visible = want.Schematic_list.visible = true;
  want.Spelltechindicator.text = "Schematics";
  want.Spelltechindicator.fore = kBrownOrange;
  EXPECT_TRUE(same(f, want));
  f.selectEntry(Ctl::Tech_list, 3);
  f.selectEntry(Ctl::Schematic_list, 6);
  want = f;
  f.Click(Ctl::Magick_select);
  want.Magick_list.visible = want.Spell_list.visible = true;
  want.Tech_list.visible = want.Schematic_list.visible = false;
  want.Spelltechindicator.text = "Spells";
  want.Spelltechindicator.fore = kPink;
  EXPECT_TRUE(same(f, want));
  EXPECT_EQ(f.Spell_list.items.at(3), "Body of Water");
}
