// Choosing a race and gender: what each entry writes onto the sheet,
// starting over, and the descriptions.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

// What each race entry (in kRaceRows order) shows beside its statistics and
// skills, and how its description opens.
struct Sheet {
  const char* hitpoints;
  const char* fatigue;
  const char* aptitude;
  Colour aptitudeBack;
  const char* carry;
  const char* damage;
  const char* ac;
  const char* speed;
  const char* opening;
};
const std::array<Sheet, 12> kSheets = {{
    {"32", "32", "15", kBrownOrange, "4500", "0", "-3", "7", "Dwarves - "},
    {"27", "29", "15", kPink, "3000", "-2", "-1", "9", "Elves - "},
    {"29", "27", "15", kPink, "3500", "-1", "-1", "9", "Elves - "},
    {"32", "28", "0", kWhite, "4000", "-1", "-2", "8", "Gnomes - "},
    {"28", "30", "5", kPink, "3500", "-1", "-1", "9", "Half-Elves - "},
    {"30", "28", "5", kPink, "4000", "-1", "-1", "9", "Half-Elves - "},
    {"24", "30", "0", kWhite, "2500", "-2", "0", "10", "Halflings - "},
    {"38", "30", "0", kWhite, "6000", "2", "-2", "8", "Half-Ogres - "},
    {"30", "34", "0", kWhite, "4000", "-1", "-2", "8", "Half-Orcs - "},
    {"32", "32", "0", kWhite, "4500", "0", "-2", "8", "Half-Orcs - "},
    {"28", "32", "0", kWhite, "3500", "-1", "-2", "8", "Humans - "},
    {"30", "30", "0", kWhite, "4000", "-1", "-2", "8", "Humans - "},
}};

TEST(RaceSelection, EveryEntryWritesItsValuesOntoTheSheet) {
  for (int i = 0; i < 12; ++i) {
    const RaceRow& r = kRaceRows[static_cast<std::size_t>(i)];
    const Sheet& sheet = kSheets[static_cast<std::size_t>(i)];
    SCOPED_TRACE(r.listText);
    Form1 f = started();
    ASSERT_EQ(f.skill_backcolor, kSysWindow);
    applyRace(f, i);

    EXPECT_EQ(f.Current_race.text, r.caption);
    EXPECT_EQ(f.Current_background.text, "None");
    EXPECT_EQ(f.Background_Selection.listIndex, 0);
    EXPECT_EQ(f.background_explanations.text, "No significant background");
    EXPECT_EQ(f.Clevel.text, "1");
    EXPECT_EQ(f.CPs_remaining.text, "5");
    EXPECT_EQ(f.CP_pool, 5);
    EXPECT_EQ(f.message_window.text, "");
    for (std::size_t s = 0; s < 8; ++s) {
      SCOPED_TRACE(kStats[s].name);
      const int v = r.adjusted[s];
      EXPECT_EQ((f.*kStats[s].adjusted).text, std::to_string(v));
      EXPECT_EQ((f.*kStats[s].adjusted).back, v > 8 ? kGreen : v < 8 ? kRed : kSysWindow);
      EXPECT_EQ((f.*kStats[s].base).text, "8");
    }
    for (const SkillRow& s : kSkillRows) {
      SCOPED_TRACE(s.name);
      EXPECT_EQ((f.*s.box).text, decimal(r.skills.count(s.name) ? r.skills.at(s.name) : 0.0));
      EXPECT_EQ((f.*s.box).back, kSysWindow);
    }
    EXPECT_EQ(f.hitpoints.text, sheet.hitpoints);
    EXPECT_EQ(f.fatigue.text, sheet.fatigue);
    EXPECT_EQ(f.aptitude.text, sheet.aptitude);
    EXPECT_EQ(f.aptitude.back, sheet.aptitudeBack);
    EXPECT_EQ(f.Carryweight.text, sheet.carry);
    EXPECT_EQ(f.Damagebonus.text, sheet.damage);
    EXPECT_EQ(f.ACadj.text, sheet.ac);
    EXPECT_EQ(f.Speed.text, sheet.speed);
  }
}

// A sheet with a background, levels, statistics, hit points, fatigue,
// skills, a spell and a schematic bought.
void buyEverything(Form1& f) {
  applyRace(f, kElfMale);
  applyBackground(f, kHyperactive);  // open to all
  ASSERT_EQ(f.Current_background.text, "Hyperactive");
  levelTo(f, 5);  // 10 CPs
  for (Ctl b : {Ctl::ST_plus, Ctl::CN_plus, Ctl::WP_plus, Ctl::Hitpoints_plus, Ctl::Fatigue_plus,
                Ctl::bow_plus, Ctl::Repair_plus})
    press(f, b);
  buySpell(f, 0, 0);
  buySchematic(f, 0, 0);
  ASSERT_EQ(f.CP_pool, 1);
  ASSERT_EQ(f.purchased.listCount(), 2);
}

// The sheet afterwards is the race's as on a fresh window; only the typed
// name and background, the browsing of the lists and two internal leftovers
// stay.
TEST(RaceSelection, ARaceChangeUndoesEveryPurchase) {
  for (int entry : {kDwarf, kElfMale}) {  // another race, and the same one again
    SCOPED_TRACE(kRaceRows[static_cast<std::size_t>(entry)].listText);
    Form1 f = started();
    f.PCname.text = "Aldric";
    f.alternativebackground.text = "Grew up on a barge.";
    buyEverything(f);
    applyRace(f, entry);
    EXPECT_EQ(f.Clevel.text, "1");
    EXPECT_EQ(f.CPs_remaining.text, "5");
    EXPECT_EQ(f.hitpoints.text, kSheets[static_cast<std::size_t>(entry)].hitpoints);
    EXPECT_EQ(f.aptitude.text, "15");
    EXPECT_TRUE(f.purchased.items.empty());
    EXPECT_EQ(f.Current_background.text, "None");

    Form1 want = started();
    applyRace(want, entry);
    want.PCname.text = "Aldric";
    want.alternativebackground.text = "Grew up on a barge.";
    for (Ctl browsed : {Ctl::Magick_list, Ctl::Spell_list, Ctl::Tech_list, Ctl::Schematic_list,
                        Ctl::Spelltechindicator})
      want.ctl(browsed) = f.ctl(browsed);
    want.dummy = f.dummy;  // leftovers that nothing reads
    want.ok_flag = f.ok_flag;
    EXPECT_TRUE(same(f, want));
  }
}

TEST(RaceSelection, ASingleClickOnlyShowsTheDescription) {
  Form1 f = started();
  applyRace(f, kDwarf);
  press(f, Ctl::ST_plus);
  press(f, Ctl::levelup);
  std::map<std::string, std::string> byRace;
  for (int i = 0; i < 12; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    SCOPED_TRACE(kRaceRows[k].listText);
    Form1State before = f;
    f.selectEntry(Ctl::Race_Selection, i);
    const std::string& text = f.background_explanations.text;
    EXPECT_EQ(text.rfind(kSheets[k].opening, 0), 0u) << text.substr(0, 20);
    before.background_explanations.text = text;
    before.Race_Selection.listIndex = i;
    EXPECT_TRUE(same(f, before));
    EXPECT_EQ(f.Current_race.text, "Dwarf");
    auto [it, fresh] = byRace.emplace(kSheets[k].opening, text);
    if (!fresh) {
      EXPECT_EQ(it->second, text) << "both genders share one description";
    }
  }
  EXPECT_EQ(byRace.size(), 8u);
  const std::map<std::string, std::size_t> lengths = {
      {"Dwarves - ", 633},    {"Elves - ", 516},     {"Gnomes - ", 619},
      {"Half-Elves - ", 608}, {"Halflings - ", 677}, {"Half-Ogres - ", 639},
      {"Half-Orcs - ", 825},  {"Humans - ", 630}};
  for (const auto& [opening, length] : lengths)
    EXPECT_EQ(byRace[opening].size(), length) << opening;
  const std::string& elves = byRace["Elves - "];
  EXPECT_NE(elves.find("Kethmor"), std::string::npos);
  EXPECT_EQ(elves.find("Kethmor"), elves.rfind("Kethmor"));
  EXPECT_EQ(byRace["Humans - "].rfind(
                "Humans - have no special modifiers to their stats and abilities.", 0),
            0u);
}

}  // namespace
