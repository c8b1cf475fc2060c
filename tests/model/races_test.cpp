// Choosing a race starts the sheet over (what four of the races write is checked, with a background, in
// the background tests' table); a click on a race or a background only shows its description.
#include <set>

#include "catalogues/race_catalogue.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

// The sheet afterwards is the race's as on a fresh window; only the typed
// texts, the browsed lists and two leftovers that nothing reads stay.
TEST(RaceSelection, ARaceChangeUndoesEveryPurchase) {
  for (int entry : {kDwarf, kElfMale, kHumanMale}) {  // elf male again: the same race
    Form1 f = started(), fresh = started();
    f.PCname.text = "Aldric";
    applyRace(f, kElfMale);
    applyBackground(f, kHyperactive);
    levelTo(f, 5);
    for (Ctl b : {Ctl::ST_plus, Ctl::CN_plus, Ctl::WP_plus, Ctl::Hitpoints_plus, Ctl::Fatigue_plus,
                  Ctl::bow_plus, Ctl::Repair_plus}) press(f, b);
    buySpell(f, 0, 0);
    buySchematic(f, 0, 0);
    ASSERT_EQ(f.CP_pool, 1);
    applyRace(f, entry);
    EXPECT_EQ(f.background_explanations.text, "No significant background");  // "No Background" highlighted
    applyRace(fresh, entry);
    fresh.PCname.text = "Aldric";
    for (Ctl b : {Ctl::Magick_list, Ctl::Spell_list, Ctl::Tech_list, Ctl::Schematic_list, Ctl::Spelltechindicator})
      fresh.ctl(b) = f.ctl(b);
    fresh.dummy = f.dummy, fresh.ok_flag = f.ok_flag;
    EXPECT_TRUE(same(f, fresh)) << entry;
  }
}

// A click only shows the entry's description, one for both genders of a race and one for each
// background; a click on no entry changes nothing.
TEST(Descriptions, ASingleClickOnlyShowsTheDescription) {
  Form1 f = raceWithBackground(kHumanMale, kBully);
  press(f, Ctl::ST_plus);
  std::set<std::string> seen;
  for (int i = -2; i < 12 + 38; ++i) {  // no entry in either list, the twelve races, the backgrounds
    const Ctl list = i == -2 || (i >= 0 && i < 12) ? Ctl::Race_Selection : Ctl::Background_Selection;
    const int entry = i < 12 ? std::max(i, -1) : i - 12;
    Form1 want = f;
    f.selectEntry(list, entry);
    want.ctl(list).listIndex = entry;
    if (entry >= 0) seen.insert(want.background_explanations.text = f.background_explanations.text);
    EXPECT_TRUE(same(f, want)) << i;
  }
  EXPECT_EQ(seen.size(), 8u + 38u) << "descriptions: one for each race's two genders, one for each background";
  EXPECT_EQ(seen.count("No significant background"), 1u) << "the first background's description";
}

// RaceSelection on its own writes the race's hit points, as the double click shows them; a
// caption that no race has is no race.
TEST(RaceSelection, WritesTheRacesOwnHitPoints) {
  for (int r = 0; r < races::kRaceCount; ++r) {
    Form1 direct = started(), clicked = started();
    direct.Race_Selection.listIndex = r;
    direct.RaceSelection();
    applyRace(clicked, r);
    EXPECT_EQ(direct.hitpoints.text, clicked.hitpoints.text) << "race entry " << r;
  }
  EXPECT_EQ(races::raceKeyIndex("Troll"), -1) << "a caption no race has";
}
