#include <gtest/gtest.h>

#include "core/form1.h"

using namespace kethmor;

namespace {
Form1 started() {
  Form1 f;
  f.Form_Load();
  return f;
}
}  // namespace

TEST(Startup, ShowsTheStartCharacter) {
  Form1 f = started();
  for (const Control* base : {&f.Strength, &f.Constitution, &f.Dexterity, &f.Beauty,
                              &f.Intelligence, &f.Willpower, &f.Perception, &f.Charisma,
                              &f.Adjstrength, &f.Adjconstitution, &f.Adjdexterity, &f.Adjbeauty,
                              &f.Adjintelligence, &f.Adjwillpower, &f.Adjperception,
                              &f.Adjcharisma})
    EXPECT_EQ(base->text, "8");
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
  for (const SkillInfo& s : kSkills) {
    EXPECT_EQ((f.*s.box).text, "0");
    EXPECT_EQ((f.*s.box).back, kSysWindow);
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
  EXPECT_EQ(f.Race_Selection.listIndex, 11);
  EXPECT_EQ(f.Race_Selection.items[11], "Human/male");
  EXPECT_EQ(f.Background_Selection.listIndex, 0);
  EXPECT_EQ(f.Background_Selection.items[0], "No Background");
  // The background was selected after the race, so its description is shown.
  EXPECT_EQ(f.background_explanations.text, "No significant background");
  EXPECT_EQ(f.Magick_list.listIndex, 0);
  EXPECT_EQ(f.Spell_list.items, (std::vector<std::string>{"Unseen Force", "Unlocking Cantrip",
                                                          "Shadow Shift", "Spatial Distortion",
                                                          "Teleport"}));
  EXPECT_EQ(f.Spell_list.listIndex, -1);
  EXPECT_EQ(f.Tech_list.listIndex, 0);
  EXPECT_EQ(f.Schematic_list.listCount(), 7);
  EXPECT_EQ(f.Schematic_list.items.front(), "Charges");
  EXPECT_EQ(f.Schematic_list.listIndex, -1);
  EXPECT_TRUE(f.Magick_list.visible);
  EXPECT_TRUE(f.Spell_list.visible);
  EXPECT_FALSE(f.Tech_list.visible);
  EXPECT_FALSE(f.Schematic_list.visible);
  EXPECT_EQ(f.Spelltechindicator.text, "Spells");
  EXPECT_EQ(f.Spelltechindicator.fore, kMagenta);
}

TEST(Startup, RaceListIsSortedWithHyphensIgnored) {
  Form1 f = started();
  const std::vector<std::string> expected = {
      "Dwarf/male", "Elf/female", "Elf/male", "Gnome/male", "Half-Elf/female", "Half-Elf/male",
      "Halfling/male", "Half-Ogre/male", "Half-Orc/female", "Half-Orc/male", "Human/female",
      "Human/male"};
  EXPECT_EQ(f.Race_Selection.items, expected);
  // The list keeps its order whatever order entries arrive in.
  Control sorted;
  sorted.sorted = true;
  for (auto it = expected.rbegin(); it != expected.rend(); ++it) sorted.addItem(*it);
  EXPECT_EQ(sorted.items, expected);
}

TEST(Startup, ProgramSelectionRunsTheClickHandler) {
  Form1 f = started();
  f.message_window.text = "old";
  f.selectEntry(Ctl::Magick_list, 2);
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Spell_list.items.back(), "Call Air Elemental");
  f.selectEntry(Ctl::Spell_list, 4);
  EXPECT_EQ(f.Spell_list.listIndex, 4);
  EXPECT_NE(f.background_explanations.text, "No significant background");
  // An out-of-range selection selects nothing and shows nothing new.
  const std::string shown = f.background_explanations.text;
  f.selectEntry(Ctl::Spell_list, 9);
  EXPECT_EQ(f.Spell_list.listIndex, -1);
  EXPECT_EQ(f.background_explanations.text, shown);
  f.selectEntry(Ctl::Race_Selection, -1);
  EXPECT_EQ(f.background_explanations.text, shown);
}

TEST(Startup, BrowsingTechAndBackKeepsListsAndSelections) {
  Form1 f = started();
  f.selectEntry(Ctl::Magick_list, 5);
  f.selectEntry(Ctl::Spell_list, 3);
  f.Tech_select_Click();
  EXPECT_FALSE(f.Magick_list.visible);
  EXPECT_FALSE(f.Spell_list.visible);
  EXPECT_TRUE(f.Tech_list.visible);
  EXPECT_TRUE(f.Schematic_list.visible);
  EXPECT_EQ(f.Spelltechindicator.text, "Schematics");
  EXPECT_EQ(f.Spelltechindicator.fore, kBrownOrange);
  EXPECT_EQ(f.Tech_list.listIndex, 0);
  f.selectEntry(Ctl::Tech_list, 3);
  f.selectEntry(Ctl::Schematic_list, 6);
  const std::string elephantGun = f.background_explanations.text;
  f.Magick_select_Click();
  EXPECT_EQ(f.Magick_list.listIndex, 5);
  EXPECT_EQ(f.Spell_list.listIndex, 3);
  EXPECT_EQ(f.Spell_list.items[3], "Body of Water");
  EXPECT_EQ(f.Spelltechindicator.text, "Spells");
  EXPECT_EQ(f.Spelltechindicator.fore, kPink);
  f.Tech_select_Click();
  EXPECT_EQ(f.Tech_list.listIndex, 3);
  EXPECT_EQ(f.Schematic_list.listIndex, 6);
  EXPECT_EQ(f.Schematic_list.items[6], "Elephant Gun");
  EXPECT_EQ(f.background_explanations.text, elephantGun);
}
