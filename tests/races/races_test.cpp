// Choosing a race and gender: what an entry writes onto the sheet, starting
// over, and the descriptions.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

// The texts of some boxes, joined by blanks.
template <typename Rows>
std::string joined(const Form1& f, const Rows& rows) {
  std::string out;
  for (const auto& r : rows) out += (out.empty() ? "" : " ") + (f.*r).text;
  return out;
}

TEST(RaceSelection, AnEntryWritesItsValuesOntoTheSheet) {
  struct Case {
    int entry;
    const char* caption;
    std::array<int, 8> adjusted;  // ST CN DX BE IN WP PE CH
    const char* skills;           // in kSkillRows order
    const char* sheet;            // hit points, fatigue, aptitude, carry, damage, AC, speed
    Colour aptitude;
  };
  const std::vector<Case> cases = {
      {kDwarf, "Dwarf", {9, 9, 7, 8, 8, 8, 8, 7}, "0 0 0 0 0 0 0 0 0.5 0.5 0.5 0.5 0 0 0 0",
       "32 32 15 4500 0 -3 7", kBrownOrange},
      {kElfFemale, "Elf/female", {6, 7, 9, 9, 8, 9, 8, 8},
       "0 0 0 0 0 0 0 0 -0.5 -0.5 -0.5 -0.5 0 0 0 0", "27 29 15 3000 -2 -1 9", kPink},
      {kHalfOgre, "Half-Ogre", {12, 8, 8, 7, 4, 8, 8, 8}, "0 0 0 0 0 0 0 0 0 0 0 0 0 0 -0.5 0",
       "38 30 0 6000 2 -2 8", kWhite},
      {kHumanMale, "Human/male", {8, 8, 8, 8, 8, 8, 8, 8}, "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0",
       "30 30 0 4000 -1 -2 8", kWhite},
  };
  using S = Form1State;
  const Box sheet[] = {&S::hitpoints, &S::fatigue,  &S::aptitude, &S::Carryweight,
                       &S::Damagebonus, &S::ACadj, &S::Speed};
  std::vector<Box> skills, bases;
  for (const SkillRow& r : kSkillRows) skills.push_back(r.box);
  for (const StatRow& r : kStats) bases.push_back(r.base);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    Form1 f = started();
    press(f, Ctl::levelup);
    press(f, Ctl::CH_plus);
    applyRace(f, c.entry);
    EXPECT_EQ(f.Current_race.text, c.caption);
    EXPECT_EQ(f.Current_background.text, "None");
    EXPECT_EQ(f.Clevel.text + " " + f.CPs_remaining.text, "1 5");
    EXPECT_EQ(joined(f, bases), "8 8 8 8 8 8 8 8");
    for (std::size_t s = 0; s < 8; ++s) {
      const int v = c.adjusted[s];
      EXPECT_EQ((f.*kStats[s].adjusted).text, std::to_string(v)) << kStats[s].name;
      EXPECT_EQ((f.*kStats[s].adjusted).back, v > 8 ? kGreen : v < 8 ? kRed : kSysWindow)
          << kStats[s].name;
    }
    EXPECT_EQ(joined(f, skills), c.skills);
    EXPECT_EQ(joined(f, sheet), c.sheet);
    EXPECT_EQ(f.aptitude.back, c.aptitude);
  }
}

// The sheet afterwards is the race's as on a fresh window; only the typed
// texts, the browsed lists and two leftovers that nothing reads stay.
TEST(RaceSelection, ARaceChangeUndoesEveryPurchase) {
  for (int entry : {kDwarf, kElfMale}) {  // another race, and the same one again
    SCOPED_TRACE(entry);
    Form1 f = started();
    f.PCname.text = "Aldric";
    f.alternativebackground.text = "Grew up on a barge.";
    applyRace(f, kElfMale);
    applyBackground(f, kHyperactive);
    levelTo(f, 5);
    for (Ctl b : {Ctl::ST_plus, Ctl::CN_plus, Ctl::WP_plus, Ctl::Hitpoints_plus,
                  Ctl::Fatigue_plus, Ctl::bow_plus, Ctl::Repair_plus})
      press(f, b);
    buySpell(f, 0, 0);
    buySchematic(f, 0, 0);
    ASSERT_EQ(f.CP_pool, 1);
    applyRace(f, entry);

    Form1 want = started();
    applyRace(want, entry);
    want.PCname.text = "Aldric";
    want.alternativebackground.text = "Grew up on a barge.";
    for (Ctl browsed : {Ctl::Magick_list, Ctl::Spell_list, Ctl::Tech_list, Ctl::Schematic_list,
                        Ctl::Spelltechindicator})
      want.ctl(browsed) = f.ctl(browsed);
    want.dummy = f.dummy;
    want.ok_flag = f.ok_flag;
    EXPECT_TRUE(same(f, want));
  }
}

// Each text opens with the race's plural name; both genders share one.
TEST(RaceSelection, ASingleClickOnlyShowsTheDescription) {
  const char* const openings[] = {"Dwarves", "Elves", "Elves", "Gnomes", "Half-Elves",
                                  "Half-Elves", "Halflings", "Half-Ogres", "Half-Orcs",
                                  "Half-Orcs", "Humans", "Humans"};
  Form1 f = started();
  applyRace(f, kDwarf);
  press(f, Ctl::ST_plus);
  for (int i = 0; i < 12; ++i) {
    Form1State before = f;
    f.selectEntry(Ctl::Race_Selection, i);
    const std::string& text = f.background_explanations.text;
    EXPECT_EQ(text.rfind(std::string(openings[i]) + " - ", 0), 0u) << text.substr(0, 20);
    before.background_explanations.text = text;
    before.Race_Selection.listIndex = i;
    EXPECT_TRUE(same(f, before)) << i;
  }
}

}  // namespace
