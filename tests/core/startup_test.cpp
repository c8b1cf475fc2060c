// The window after start-up, and browsing its lists: the colleges and
// disciplines, their entries, and switching between the magick and the
// technology view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

namespace {
using Entries = std::vector<std::string>;
const Entries kConveyance = {"Unseen Force", "Unlocking Cantrip", "Shadow Shift",
                             "Spatial Distortion", "Teleport"};
const Entries kChemistry = {"Charges",        "Strong Poison", "Fuel",       "Potion of Paralysis",
                            "Corrosive Acid", "Animal Scent",  "Animal Lure"};
}  // namespace

TEST(Startup, ShowsTheStartCharacter) {
  Form1 f = started();
  for (const StatRow& s : kStats) {
    EXPECT_EQ((f.*s.base).text, "8") << s.name;
    EXPECT_EQ((f.*s.adjusted).text, "8") << s.name;
  }
  EXPECT_EQ(f.CPs_remaining.text, "5");
  EXPECT_EQ(f.CP_pool, 5);
  EXPECT_EQ(f.Clevel.text, "1");
  EXPECT_EQ(f.hitpoints.text, "30");
  EXPECT_EQ(f.fatigue.text, "30");
  // The derived boxes keep their start texts until something recomputes them.
  EXPECT_EQ(f.Carryweight.text, "000");
  EXPECT_EQ(f.Damagebonus.text, "00");
  EXPECT_EQ(f.ACadj.text, "00");
  EXPECT_EQ(f.Speed.text, "00");
  EXPECT_EQ(f.aptitude.text, "0");
  EXPECT_EQ(f.aptitude.back, kWhite);
  for (const SkillRow& s : kSkillRows) {
    EXPECT_EQ((f.*s.box).text, "0") << s.name;
    EXPECT_EQ((f.*s.box).back, kSysWindow) << s.name;
  }
  EXPECT_EQ(f.Current_race.text, "Human/male");
  EXPECT_EQ(f.Current_background.text, "none");
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.dummy.text, "0");
  EXPECT_FALSE(f.dummy.visible);
  EXPECT_EQ(f.skill_backcolor, kSysWindow);
  EXPECT_EQ(f.backgroundallowed, kTrue);
  EXPECT_TRUE(f.purchased.items.empty());
}

TEST(Startup, SelectionsShowTheirEntries) {
  Form1 f = started();
  EXPECT_EQ(f.Race_Selection.listIndex, kHumanMale);
  EXPECT_EQ(f.Background_Selection.listIndex, 0);
  EXPECT_EQ(f.Background_Selection.items[0], "No Background");
  // The background was selected after the race, so its description is shown.
  EXPECT_EQ(f.background_explanations.text, "No significant background");
  EXPECT_EQ(f.Magick_list.listIndex, 0);
  EXPECT_EQ(f.Spell_list.items, kConveyance);
  EXPECT_EQ(f.Spell_list.listIndex, -1);
  EXPECT_EQ(f.Tech_list.listIndex, 0);
  EXPECT_EQ(f.Schematic_list.items, kChemistry);
  EXPECT_EQ(f.Schematic_list.listIndex, -1);
  EXPECT_TRUE(f.Magick_list.visible && f.Spell_list.visible);
  EXPECT_FALSE(f.Tech_list.visible || f.Schematic_list.visible);
  EXPECT_EQ(f.Spelltechindicator.text, "Spells");
  EXPECT_EQ(f.Spelltechindicator.fore, kMagenta);
}

TEST(Startup, RaceListIsSortedWithHyphensIgnored) {
  Form1 f = started();
  Entries expected;
  for (const RaceRow& r : kRaceRows) expected.push_back(r.listText);
  EXPECT_EQ(f.Race_Selection.items, expected);
  // The list keeps its order whatever order entries arrive in.
  Control sorted;
  sorted.sorted = true;
  for (auto it = expected.rbegin(); it != expected.rend(); ++it) sorted.addItem(*it);
  EXPECT_EQ(sorted.items, expected);
}

TEST(Browsing, GroupClickEmptiesTheMessageAndRefillsTheEntries) {
  struct Case {
    Lore lore;
    int group;
    Entries entries;
  };
  const std::vector<Case> cases = {
      {Lore::Magick, 2, {"Vitality of Air", "Poison Vapours", "Call Wind", "Body of Air",
                         "Call Air Elemental"}},
      {Lore::Magick, 11, {"Harm", "Poison", "Conjure Spirit", "Create Undead", "Quench Life"}},
      {Lore::Magick, 15, {"Magelock", "Congeal Time", "Stasis", "Hasten", "Tempus Fugit"}},
      {Lore::Tech, 3, {"Crude Flintlock Pistol", "Fine Pistol", "Repeater Rifle", "Hushed Pistol",
                       "Looking Glass Rifle", "Hand Cannon", "Elephant Gun"}},
      {Lore::Tech, 4, {"heal Lite", "fatigue Restorer", "Poison Cure", "fatigue Limiter",
                       "Accelerate Healing", "Wonder Drug", "Cure All"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries.front());
    Form1 f = started();
    pointAt(f, c.lore, 0, 2);
    f.message_window.text = "min. requirement, level 5, not met";
    f.selectEntry(controlsOf(c.lore).groups, c.group);
    const Control& entries = f.ctl(controlsOf(c.lore).entries);
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(entries.items, c.entries);
    EXPECT_EQ(entries.listIndex, -1);
  }
}

TEST(Browsing, EntryClickShowsItsDescriptionAndKeepsTheMessage) {
  struct Case {
    Lore lore;
    int group, entry;
    const char* description;
  };
  const std::vector<Case> cases = {
      {Lore::Magick, 9, 3, "Converts flesh to stone "},
      {Lore::Magick, 12, 4, "Revives a dead being "},
      {Lore::Tech, 2, 4, "It's TNT, baby!"},
      {Lore::Tech, 5, 1, "A handy tool for picking locks."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    Form1 f = started();
    f.Click(controlsOf(c.lore).select);
    f.selectEntry(controlsOf(c.lore).groups, c.group);
    f.selectEntry(Ctl::Race_Selection, kDwarf);  // a race text in the description box
    f.message_window.text = "you must raise your Willpower";
    Form1State want = f;
    f.selectEntry(controlsOf(c.lore).entries, c.entry);
    (want.*(c.lore == Lore::Magick ? &Form1State::Spell_list : &Form1State::Schematic_list))
        .listIndex = c.entry;
    want.background_explanations.text = c.description;
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Browsing, AnEntryOutOfRangeSelectsNothingAndShowsNothingNew) {
  const std::vector<std::pair<Ctl, int>> cases = {
      {Ctl::Spell_list, 9}, {Ctl::Spell_list, -1}, {Ctl::Schematic_list, 7},
      {Ctl::Race_Selection, -1}};
  for (const auto& [list, row] : cases) {
    SCOPED_TRACE(info(list).name + std::string(" ") + std::to_string(row));
    Form1 f = started();
    f.selectEntry(Ctl::Spell_list, 4);
    f.selectEntry(Ctl::Schematic_list, 4);
    ASSERT_NE(f.background_explanations.text, "No significant background");
    Form1 want = f;
    f.selectEntry(list, row);
    want.ctl(list).listIndex = -1;
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Browsing, SwitchingViewsKeepsListsAndSelections) {
  Form1 f = started();
  Form1State want = f;
  // On the magick view the button only turns the indicator pink.
  press(f, Ctl::Magick_select, 2);
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
  EXPECT_TRUE(same(f, want));  // Chemistry shown, no schematic selected

  f.selectEntry(Ctl::Tech_list, 3);
  f.selectEntry(Ctl::Schematic_list, 6);
  const Form1State onTech = f;
  f.Click(Ctl::Magick_select);
  want = onTech;
  want.Magick_list.visible = want.Spell_list.visible = true;
  want.Tech_list.visible = want.Schematic_list.visible = false;
  want.Spelltechindicator.text = "Spells";
  want.Spelltechindicator.fore = kPink;
  EXPECT_TRUE(same(f, want));
  EXPECT_EQ(f.Spell_list.items[static_cast<std::size_t>(f.Spell_list.listIndex)], "Body of Water");

  f.Click(Ctl::Tech_select);
  EXPECT_TRUE(same(f, onTech));
  EXPECT_EQ(f.Schematic_list.items[static_cast<std::size_t>(f.Schematic_list.listIndex)],
            "Elephant Gun");
}
