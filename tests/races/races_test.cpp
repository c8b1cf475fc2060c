// Choosing a race and gender: what each entry writes onto the sheet, the
// order of the race list, starting over, and the descriptions.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/form1.h"
#include "races/race_catalogue.h"

namespace {

using kethmor::Control;
using kethmor::Ctl;
using kethmor::Form1;
using kethmor::Form1State;

using Box = Control Form1State::*;

// The adjusted boxes in the order ST, CN, DX, BE, IN, WP, PE, CH.
const std::array<Box, 8> kAdj = {&Form1State::Adjstrength,     &Form1State::Adjconstitution,
                                 &Form1State::Adjdexterity,    &Form1State::Adjbeauty,
                                 &Form1State::Adjintelligence, &Form1State::Adjwillpower,
                                 &Form1State::Adjperception,   &Form1State::Adjcharisma};
const std::array<Box, 8> kBase = {&Form1State::Strength,     &Form1State::Constitution,
                                  &Form1State::Dexterity,    &Form1State::Beauty,
                                  &Form1State::Intelligence, &Form1State::Willpower,
                                  &Form1State::Perception,   &Form1State::Charisma};
const char* const kStatName[8] = {"ST", "CN", "DX", "BE", "IN", "WP", "PE", "CH"};

struct SkillBox {
  const char* name;
  Box box;
};
// In the order the race catalogue lists them.
const std::array<SkillBox, 16> kSkillBoxes = {{
    {"bow", &Form1State::bow},           {"melee", &Form1State::melee},
    {"dodge", &Form1State::dodge},       {"throwing", &Form1State::throwing},
    {"gambling", &Form1State::gambling}, {"haggle", &Form1State::haggle},
    {"heal", &Form1State::heal},         {"persuasion", &Form1State::persuasion},
    {"repair", &Form1State::repair},     {"firearms", &Form1State::firearms},
    {"picklocks", &Form1State::picklocks}, {"adtraps", &Form1State::adtraps},
    {"pickpocket", &Form1State::pickpocket}, {"backstab", &Form1State::backstab},
    {"prowling", &Form1State::prowling}, {"spottrap", &Form1State::spottrap},
}};

// The four technological skills, all at one value.
std::map<std::string, std::string> tech(const std::string& v) {
  return {{"repair", v}, {"firearms", v}, {"picklocks", v}, {"adtraps", v}};
}

struct Race {
  const char* listText;
  const char* caption;
  std::array<int, 8> adj;  // ST CN DX BE IN WP PE CH
  const char* hitpoints;
  const char* fatigue;
  std::map<std::string, std::string> skills;  // the boxes that are not "0"
  const char* aptitude;
  kethmor::Colour aptitudeBack;
  const char* carry;
  const char* damage;
  const char* ac;
  const char* speed;
  const char* opening;  // of the description
};

const std::vector<Race> kExpected = {
    {"Dwarf/male", "Dwarf", {9, 9, 7, 8, 8, 8, 8, 7}, "32", "32", tech("0.5"), "15",
     kethmor::kBrownOrange, "4500", "0", "-3", "7", "Dwarves - "},
    {"Elf/female", "Elf/female", {6, 7, 9, 9, 8, 9, 8, 8}, "27", "29", tech("-0.5"), "15",
     kethmor::kPink, "3000", "-2", "-1", "9", "Elves - "},
    {"Elf/male", "Elf/male", {7, 6, 9, 9, 8, 9, 8, 8}, "29", "27", tech("-0.5"), "15",
     kethmor::kPink, "3500", "-1", "-1", "9", "Elves - "},
    {"Gnome/male", "Gnome", {8, 6, 8, 8, 8, 10, 8, 8}, "32", "28", {{"haggle", "0.5"}}, "0",
     kethmor::kWhite, "4000", "-1", "-2", "8", "Gnomes - "},
    {"Half-Elf/female", "Half-Elf/female", {7, 8, 9, 9, 8, 8, 8, 8}, "28", "30", tech("-0.25"),
     "5", kethmor::kPink, "3500", "-1", "-1", "9", "Half-Elves - "},
    {"Half-Elf/male", "Half-Elf/male", {8, 7, 9, 9, 8, 8, 8, 8}, "30", "28", tech("-0.25"), "5",
     kethmor::kPink, "4000", "-1", "-1", "9", "Half-Elves - "},
    {"Halfling/male", "Halfling", {5, 8, 10, 8, 8, 8, 8, 8}, "24", "30",
     {{"prowling", "0.5"}, {"dodge", "0.25"}}, "0", kethmor::kWhite, "2500", "-2", "0", "10",
     "Halflings - "},
    {"Half-Ogre/male", "Half-Ogre", {12, 8, 8, 7, 4, 8, 8, 8}, "38", "30", {{"prowling", "-0.5"}},
     "0", kethmor::kWhite, "6000", "2", "-2", "8", "Half-Ogres - "},
    {"Half-Orc/female", "Half-Orc/female", {8, 10, 8, 6, 8, 8, 8, 6}, "30", "34",
     {{"melee", "0.5"}, {"dodge", "0.5"}}, "0", kethmor::kWhite, "4000", "-1", "-2", "8",
     "Half-Orcs - "},
    {"Half-Orc/male", "Half-Orc/male", {9, 9, 8, 6, 8, 8, 8, 6}, "32", "32",
     {{"melee", "0.5"}, {"dodge", "0.5"}}, "0", kethmor::kWhite, "4500", "0", "-2", "8",
     "Half-Orcs - "},
    {"Human/female", "Human/female", {7, 9, 8, 8, 8, 8, 8, 8}, "28", "32", {}, "0",
     kethmor::kWhite, "3500", "-1", "-2", "8", "Humans - "},
    {"Human/male", "Human/male", {8, 8, 8, 8, 8, 8, 8, 8}, "30", "30", {}, "0", kethmor::kWhite,
     "4000", "-1", "-2", "8", "Humans - "},
};

Form1 loaded() {
  Form1 f;
  f.Form_Load();
  return f;
}

void applyRace(Form1& f, int entry) {
  f.selectEntry(Ctl::Race_Selection, entry);
  f.DblClick(Ctl::Race_Selection);
}

TEST(RaceSelection, ListStandsInAlphabeticalOrderIgnoringHyphens) {
  Form1 f = loaded();
  std::vector<std::string> expected;
  for (const Race& r : kExpected) expected.push_back(r.listText);
  EXPECT_EQ(f.Race_Selection.items, expected);
  EXPECT_EQ(f.Race_Selection.listIndex, 11);
  EXPECT_EQ(f.Current_race.text, "Human/male");
}

TEST(RaceSelection, EveryEntryWritesItsValuesOntoTheSheet) {
  for (int i = 0; i < 12; ++i) {
    const Race& r = kExpected[static_cast<std::size_t>(i)];
    SCOPED_TRACE(r.listText);
    Form1 f = loaded();
    ASSERT_EQ(f.skill_backcolor, kethmor::kSysWindow);
    applyRace(f, i);

    EXPECT_EQ(f.Current_race.text, r.caption);
    EXPECT_EQ(f.Current_background.text, "None");
    EXPECT_EQ(f.Background_Selection.listIndex, 0);
    EXPECT_EQ(f.background_explanations.text, "No significant background");
    EXPECT_EQ(f.Clevel.text, "1");
    EXPECT_EQ(f.CPs_remaining.text, "5");
    EXPECT_EQ(f.CP_pool, 5);
    EXPECT_EQ(f.message_window.text, "");
    for (int s = 0; s < 8; ++s) {
      SCOPED_TRACE(kStatName[s]);
      const int v = r.adj[static_cast<std::size_t>(s)];
      const Control& adj = f.*kAdj[static_cast<std::size_t>(s)];
      EXPECT_EQ(adj.text, std::to_string(v));
      const kethmor::Colour want = v > 8 ? kethmor::kGreen : v < 8 ? kethmor::kRed : kethmor::kSysWindow;
      EXPECT_EQ(adj.back, want);
      EXPECT_EQ((f.*kBase[static_cast<std::size_t>(s)]).text, "8");
    }
    for (const SkillBox& s : kSkillBoxes) {
      SCOPED_TRACE(s.name);
      auto it = r.skills.find(s.name);
      EXPECT_EQ((f.*s.box).text, it == r.skills.end() ? "0" : it->second);
      EXPECT_EQ((f.*s.box).back, kethmor::kSysWindow);
    }
    EXPECT_EQ(f.hitpoints.text, r.hitpoints);
    EXPECT_EQ(f.fatigue.text, r.fatigue);
    EXPECT_EQ(f.aptitude.text, r.aptitude);
    EXPECT_EQ(f.aptitude.back, r.aptitudeBack);
    EXPECT_EQ(f.Carryweight.text, r.carry);
    EXPECT_EQ(f.Damagebonus.text, r.damage);
    EXPECT_EQ(f.ACadj.text, r.ac);
    EXPECT_EQ(f.Speed.text, r.speed);
  }
}

// The race rows are made up from a few modifiers each; the catalogue must
// agree with them.
TEST(RaceCatalogue, RowsFollowFromTheRaceModifiers) {
  struct Rule {
    const char* race;
    std::array<int, 8> stats;  // against 8: ST CN DX BE IN WP PE CH
    std::map<int, int> ranks;  // skill position in the catalogue -> ranks
    int aptitude;
  };
  const int repair = 8, firearms = 9, picklocks = 10, adtraps = 11;
  const int melee = 1, dodge = 2, haggle = 5, prowling = 14;
  auto techRanks = [&](int n) {
    return std::map<int, int>{{repair, n}, {firearms, n}, {picklocks, n}, {adtraps, n}};
  };
  const Rule dwarf{"Dwarf", {1, 1, -1, 0, 0, 0, 0, -1}, techRanks(2), -15};
  const Rule elf{"Elf", {-1, -2, 1, 1, 0, 1, 0, 0}, techRanks(-2), 15};
  const Rule gnome{"Gnome", {0, -2, 0, 0, 0, 2, 0, 0}, {{haggle, 2}}, 0};
  const Rule halfElf{"Half-Elf", {0, -1, 1, 1, 0, 0, 0, 0}, techRanks(-1), 5};
  const Rule halfling{"Halfling", {-3, 0, 2, 0, 0, 0, 0, 0}, {{prowling, 2}, {dodge, 1}}, 0};
  const Rule halfOgre{"Half-Ogre", {4, 0, 0, -1, -4, 0, 0, 0}, {{prowling, -2}}, 0};
  const Rule halfOrc{"Half-Orc", {1, 1, 0, -2, 0, 0, 0, -2}, {{melee, 2}, {dodge, 2}}, 0};
  const Rule human{"Human", {0, 0, 0, 0, 0, 0, 0, 0}, {}, 0};
  struct Row {
    const Rule* rule;
    bool female;
  };
  const Row rows[12] = {{&dwarf, false},   {&elf, true},      {&elf, false},      {&gnome, false},
                        {&halfElf, true},  {&halfElf, false}, {&halfling, false}, {&halfOgre, false},
                        {&halfOrc, true},  {&halfOrc, false}, {&human, true},     {&human, false}};

  for (int i = 0; i < 12; ++i) {
    const kethmor::races::RaceEntry& e = kethmor::races::kRaces[i];
    const Row& row = rows[i];
    SCOPED_TRACE(std::string(row.rule->race) + (row.female ? "/female" : ""));
    std::array<int, 8> stats{};
    for (std::size_t s = 0; s < 8; ++s) stats[s] = 8 + row.rule->stats[s];
    if (row.female) {
      stats[0] -= 1;
      stats[1] += 1;
    }
    EXPECT_EQ(e.adjusted, stats);
    for (int k = 0; k < 16; ++k) {
      auto it = row.rule->ranks.find(k);
      const double want = it == row.rule->ranks.end() ? 0.0 : 0.25 * it->second;
      EXPECT_EQ(e.skills[static_cast<std::size_t>(k)], want) << kSkillBoxes[static_cast<std::size_t>(k)].name;
    }
    EXPECT_EQ(e.hitpoints, 2 * stats[0] + stats[5] + 6);
    EXPECT_EQ(e.fatigue, 2 * stats[1] + stats[5] + 6);
    EXPECT_EQ(e.writesAptitude ? e.raceAptitude : 0, row.rule->aptitude);
  }
}

// A sheet with a background, levels, statistics, hit points, fatigue,
// skills, a spell and a schematic bought.
void buyEverything(Form1& f) {
  applyRace(f, 2);  // Elf/male
  f.selectEntry(Ctl::Background_Selection, 19);  // Hyperactive, open to all
  f.DblClick(Ctl::Background_Selection);
  ASSERT_EQ(f.Current_background.text, "Hyperactive");
  for (int i = 0; i < 4; ++i) f.levelup_Click();  // level 5: 10 CPs
  f.ST_plus_Click();
  f.CN_plus_Click();
  f.WP_plus_Click();
  f.Hitpoints_plus_Click();
  f.Fatigue_plus_Click();
  f.bow_plus_Click();
  f.Repair_plus_Click();
  f.selectEntry(Ctl::Magick_list, 0);
  f.selectEntry(Ctl::Spell_list, 0);
  f.DblClick(Ctl::Spell_list);
  f.Click(Ctl::Tech_select);
  f.selectEntry(Ctl::Tech_list, 0);
  f.selectEntry(Ctl::Schematic_list, 0);
  f.DblClick(Ctl::Schematic_list);
  ASSERT_EQ(f.Clevel.text, "5");
  ASSERT_EQ(f.CP_pool, 1);
  ASSERT_EQ(f.purchased.listCount(), 2);
  ASSERT_EQ(f.CPspent_repair, 1);
}

TEST(RaceSelection, ARaceChangeUndoesEveryPurchase) {
  struct Case {
    int entry;
    const char* hitpoints;
    const char* fatigue;
    const char* aptitude;
  };
  const Case cases[] = {{0, "32", "32", "15"},   // to Dwarf
                        {2, "29", "27", "15"}};  // the same Elf/male again
  for (const Case& c : cases) {
    SCOPED_TRACE(kExpected[static_cast<std::size_t>(c.entry)].listText);
    Form1 f = loaded();
    f.PCname.text = "Aldric";
    f.alternativebackground.text = "Grew up on a barge.";
    buyEverything(f);
    applyRace(f, c.entry);

    EXPECT_EQ(f.Clevel.text, "1");
    EXPECT_EQ(f.CP_pool, 5);
    EXPECT_EQ(f.CPs_remaining.text, "5");
    for (std::int16_t n : {f.cpstat_ST, f.cpstat_CN, f.cpstat_DX, f.cpstat_CH, f.cpstat_IN,
                           f.cpstat_WP, f.cpstat_PE, f.cpstat_BE, f.cpstat_hitpoints,
                           f.cpstat_fatigue, f.spells_bought, f.schematics_bought})
      EXPECT_EQ(n, 0);
    for (const kethmor::SkillInfo& s : kethmor::kSkills) {
      EXPECT_EQ(f.*s.counter, 0.0f);
      EXPECT_EQ((f.*s.box).back, f.skill_backcolor);
    }
    EXPECT_TRUE(f.purchased.items.empty());
    for (const auto& college : f.spell_owned)
      for (std::int16_t owned : college) EXPECT_EQ(owned, 0);
    for (const auto& discipline : f.schematic_owned)
      for (std::int16_t owned : discipline) EXPECT_EQ(owned, 0);
    for (Box b : kBase) EXPECT_EQ((f.*b).text, "8");
    EXPECT_EQ(f.bow.text, "0");
    EXPECT_EQ(f.hitpoints.text, c.hitpoints);
    EXPECT_EQ(f.fatigue.text, c.fatigue);
    EXPECT_EQ(f.aptitude.text, c.aptitude);
    EXPECT_EQ(f.Current_background.text, "None");
    EXPECT_EQ(f.Background_Selection.listIndex, 0);
    EXPECT_EQ(f.PCname.text, "Aldric");
    EXPECT_EQ(f.alternativebackground.text, "Grew up on a barge.");

    // Nothing is left to sell back.
    const Form1State before = f;
    for (Ctl minus : {Ctl::ST_minus, Ctl::CN_minus, Ctl::DX_minus, Ctl::BE_minus, Ctl::IN_minus,
                      Ctl::WP_minus, Ctl::PE_minus, Ctl::CH_minus, Ctl::Hitpoints_minus,
                      Ctl::Fatigue_minus})
      f.Click(minus);
    for (const kethmor::SkillInfo& s : kethmor::kSkills) f.Click(s.minus);
    f.Clear_Click();
    EXPECT_TRUE(static_cast<Form1State&>(f) == before);
  }
}

TEST(RaceSelection, ASingleClickOnlyShowsTheDescription) {
  Form1 f = loaded();
  applyRace(f, 0);
  f.ST_plus_Click();
  f.levelup_Click();
  std::map<std::string, std::string> byRace;
  for (int i = 0; i < 12; ++i) {
    const Race& r = kExpected[static_cast<std::size_t>(i)];
    SCOPED_TRACE(r.listText);
    Form1State before = f;
    f.selectEntry(Ctl::Race_Selection, i);
    const std::string& text = f.background_explanations.text;
    EXPECT_EQ(text.rfind(r.opening, 0), 0u) << text.substr(0, 20);
    before.background_explanations.text = text;
    before.Race_Selection.listIndex = i;
    EXPECT_TRUE(static_cast<Form1State&>(f) == before);
    EXPECT_EQ(f.Current_race.text, "Dwarf");
    auto [it, fresh] = byRace.emplace(r.opening, text);
    if (!fresh) {
      EXPECT_EQ(it->second, text) << "both genders share one description";
    }
  }
  EXPECT_EQ(byRace.size(), 8u);
  const std::map<std::string, std::size_t> lengths = {
      {"Dwarves - ", 633},    {"Elves - ", 516},     {"Gnomes - ", 619},
      {"Half-Elves - ", 608}, {"Halflings - ", 677}, {"Half-Ogres - ", 639},
      {"Half-Orcs - ", 825},  {"Humans - ", 630}};
  for (const auto& [opening, length] : lengths) EXPECT_EQ(byRace[opening].size(), length) << opening;
  const std::string& elves = byRace["Elves - "];
  EXPECT_NE(elves.find("Kethmor"), std::string::npos);
  EXPECT_EQ(elves.find("Kethmor"), elves.rfind("Kethmor"));
  EXPECT_EQ(byRace["Humans - "].rfind("Humans - have no special modifiers to their stats and abilities.", 0), 0u);
}

}  // namespace
