// Backgrounds: which race keys may take which, what each one does to the
// sheet, and the background list's click and double click.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/form1.h"

namespace {

using kethmor::Colour;
using kethmor::Control;
using kethmor::Ctl;
using kethmor::Form1;
using kethmor::Form1State;
using kethmor::kGreen;
using kethmor::kRed;
using kethmor::kSysWindow;

using Box = Control Form1State::*;
const char* const kRefusal = "Not available for this race/gender";

// Statistics by letter: S T, C N, D X, B E, I N, W P, P E, C H.
enum Stat { ST, CN, DX, BE, IN, WP, PE, CH };
const std::array<Box, 8> kAdj = {&Form1State::Adjstrength,     &Form1State::Adjconstitution,
                                 &Form1State::Adjdexterity,    &Form1State::Adjbeauty,
                                 &Form1State::Adjintelligence, &Form1State::Adjwillpower,
                                 &Form1State::Adjperception,   &Form1State::Adjcharisma};
const char* const kStatName[8] = {"ST", "CN", "DX", "BE", "IN", "WP", "PE", "CH"};

const std::map<std::string, Box> kSkill = {
    {"bow", &Form1State::bow},           {"melee", &Form1State::melee},
    {"dodge", &Form1State::dodge},       {"throwing", &Form1State::throwing},
    {"gambling", &Form1State::gambling}, {"haggle", &Form1State::haggle},
    {"heal", &Form1State::heal},         {"persuasion", &Form1State::persuasion},
    {"repair", &Form1State::repair},     {"firearms", &Form1State::firearms},
    {"picklocks", &Form1State::picklocks}, {"adtraps", &Form1State::adtraps},
    {"pickpocket", &Form1State::pickpocket}, {"backstab", &Form1State::backstab},
    {"prowling", &Form1State::prowling}, {"spottrap", &Form1State::spottrap}};

using Skills = std::map<std::string, double>;
Skills combat(double d) { return {{"bow", d}, {"melee", d}, {"dodge", d}, {"throwing", d}}; }
Skills tech(double d) { return {{"repair", d}, {"firearms", d}, {"picklocks", d}, {"adtraps", d}}; }

// The race entries at their list positions, which are also the race keys'
// order.
struct Race {
  const char* key;
  std::array<int, 8> adj;  // ST CN DX BE IN WP PE CH
  Skills skills;
};
const std::vector<Race> kRaces = {
    {"Dwarf", {9, 9, 7, 8, 8, 8, 8, 7}, tech(0.5)},
    {"Elf/female", {6, 7, 9, 9, 8, 9, 8, 8}, tech(-0.5)},
    {"Elf/male", {7, 6, 9, 9, 8, 9, 8, 8}, tech(-0.5)},
    {"Gnome", {8, 6, 8, 8, 8, 10, 8, 8}, {{"haggle", 0.5}}},
    {"Half-Elf/female", {7, 8, 9, 9, 8, 8, 8, 8}, tech(-0.25)},
    {"Half-Elf/male", {8, 7, 9, 9, 8, 8, 8, 8}, tech(-0.25)},
    {"Halfling", {5, 8, 10, 8, 8, 8, 8, 8}, {{"prowling", 0.5}, {"dodge", 0.25}}},
    {"Half-Ogre", {12, 8, 8, 7, 4, 8, 8, 8}, {{"prowling", -0.5}}},
    {"Half-Orc/female", {8, 10, 8, 6, 8, 8, 8, 6}, {{"melee", 0.5}, {"dodge", 0.5}}},
    {"Half-Orc/male", {9, 9, 8, 6, 8, 8, 8, 6}, {{"melee", 0.5}, {"dodge", 0.5}}},
    {"Human/female", {7, 9, 8, 8, 8, 8, 8, 8}, {}},
    {"Human/male", {8, 8, 8, 8, 8, 8, 8, 8}, {}},
};
const int kDwarf = 0, kElfFemale = 1, kGnome = 3, kHalfling = 6, kHalfOgre = 7, kHumanMale = 11;

struct Background {
  const char* listText;
  const char* caption;
  std::vector<std::pair<Stat, int>> stats;
  Skills skills;
  // Dwarf Elf/f Elf/m Gnome HElf/f HElf/m Halfling HOgre HOrc/f HOrc/m Human/f Human/m
  const char* open;
};
const std::vector<Background> kBackgrounds = {
    {"No Background", "None", {}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Apprentice to a Shopkeeper", "apprentice to a shopkeeper", {{DX, -1}}, {{"haggle", 0.25}},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Army Training", "army training", {{DX, -1}, {ST, 1}}, {{"bow", 0.25}, {"melee", 0.25}},
     "no no no no no no no no no no yes yes"},
    {"Beat with an Ugly Stick", "Beat with an Ugly Stick", {{ST, 2}, {DX, 2}, {BE, -6}}, combat(0.25),
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Bookworm", "Bookworm", {{IN, 1}, {PE, -1}}, {}, "yes yes yes yes yes yes yes no no no yes yes"},
    {"Born Under a Sign", "Born Under a Sign", {}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Bully", "Bully", {{ST, 1}, {IN, -1}}, {}, "yes yes yes yes yes yes yes no no no yes yes"},
    {"Charlatan's Protege", "Charlatan's Protege", {{CH, 6}, {ST, -2}, {CN, -2}}, combat(-0.25),
     "yes yes yes yes yes yes yes no no no yes yes"},
    {"Child of a Hero", "Child of a Hero", {}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Clanless Dwarf", "Clanless Dwarf", {}, tech(-0.5), "yes no no no no no no no no no no no"},
    {"Debutante", "Debutante", {{BE, 3}, {CH, 3}, {ST, -1}, {DX, -1}}, combat(-0.5),
     "yes no no no yes no no no yes no yes no"},
    {"Disenfranchised Gnome", "Disenfranchised Gnome", {{ST, 1}}, {{"haggle", -0.5}},
     "no no no yes no no no no no no no no"},
    {"Elvish Blood", "Elvish Blood", {{DX, 1}}, tech(-0.5), "no no no yes no no yes yes no no yes yes"},
    {"Extreme Personality", "Extreme Personality", {}, {},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Factory Escapee", "Factory Escapee", {{ST, 1}}, {}, "no no no no no no no no yes yes no no"},
    {"Feral Child", "Feral Child", {{DX, 3}, {IN, -6}},
     {{"prowling", 0.25}, {"pickpocket", 0.25}, {"persuasion", -0.25}, {"haggle", -0.25}},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Foppish Elf", "Foppish Elf", {{DX, -1}}, {{"persuasion", 0.5}}, "no yes yes no no no no no no no no no"},
    {"Freed Bodyguard", "Freed Bodyguard", {{IN, -1}}, {}, "no no no no no no no yes no no no no"},
    {"Halfling Orphan", "Halfling Orphan", {{IN, -1}}, {{"pickpocket", 0.5}},
     "no no no no no no yes no no no no no"},
    {"Hyperactive", "Hyperactive", {{DX, 1}, {CH, -1}}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Inheritance", "Inheritance", {{WP, -1}}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Lady 's Man", "Lady's Man", {{BE, 6}, {CH, -3}, {ST, -2}, {DX, -1}}, combat(-0.25),
     "yes no yes yes no yes yes yes no yes no yes"},
    {"Professional Knife Tosser", "Professional Knife Tosser", {{PE, -1}}, {{"throwing", 0.25}},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Raised by Elves", "Raised by Elves", {}, tech(-0.25), "yes no no no no no no no no no yes yes"},
    {"Raised by Monks", "Raised by Monks", {{PE, 1}}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Raised by Orcs", "Raised by Orcs", {{ST, 2}, {PE, 2}, {CH, -6}}, combat(0.25),
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Raised in the Pits", "Raised in the Pits", {{ST, 2}, {DX, 2}, {IN, -6}}, combat(0.25),
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Raised by Snake Handlers", "Raised by Snake Handlers", {{BE, -1}}, {},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Ran Away with the Circus", "Ran Away with the Circus", {{ST, 6}, {IN, -2}, {WP, -3}, {PE, -1}}, {},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Rare Half-Ogre Birth", "Rare Half-Ogre Birth", {{IN, 2}, {CN, -1}, {ST, -1}}, {},
     "no no no no no no no yes no no no no"},
    {"Sent to Charm School", "Sent to Charm School", {{BE, 1}, {CH, 1}, {IN, -1}, {ST, -1}}, {},
     "no no no no no no no no no no yes no"},
    {"Sheltered Childhood", "Sheltered Childhood", {{ST, -6}, {IN, 2}, {WP, 2}, {PE, 1}}, {},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Sickly", "Sickly", {{IN, 6}, {ST, -2}, {CN, -4}, {DX, -1}}, {},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Special Person", "Special Person", {{IN, -2}}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Suppressed Orcish Looks", "Suppressed Orcish Looks", {{BE, 1}, {CH, -1}}, {},
     "no no no no no no no no yes yes no no"},
    {"Tough Hide", "Tough Hide", {{BE, -1}}, {}, "no no no no no no no yes yes yes no no"},
    {"Troll Offspring", "Troll Offspring", {{BE, -4}, {CH, -4}, {ST, 2}, {CN, 2}, {DX, 1}}, {},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Wild half - ogre", "Wild half-ogre", {{WP, 1}, {CH, -1}}, {}, "no no no no no no no yes no no no no"},
};

// open[background][key], read from the words typed above.
std::vector<std::array<bool, 12>> openMatrix() {
  std::vector<std::array<bool, 12>> m;
  for (const Background& b : kBackgrounds) {
    std::istringstream words(b.open);
    std::array<bool, 12> row{};
    std::string w;
    int k = 0;
    while (words >> w) {
      EXPECT_TRUE(w == "yes" || w == "no") << b.listText;
      if (k < 12) row[static_cast<std::size_t>(k)] = (w == "yes");
      ++k;
    }
    EXPECT_EQ(k, 12) << b.listText;
    m.push_back(row);
  }
  return m;
}

std::string text(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return std::string(buf) == "-0" ? "0" : buf;
}

// The damage bonus for adjusted strength s.
int damage(int s) {
  if (s <= 2) return -4;
  if (s <= 4) return -3;
  if (s <= 6) return -2;
  if (s <= 8) return -1;
  if (s <= 10) return 0;
  if (s < 20) return s - 10;
  return s;
}

Colour colourAgainst8(int v, Colour otherwise) { return v > 8 ? kGreen : v < 8 ? kRed : otherwise; }

Form1 loaded() {
  Form1 f;
  f.Form_Load();
  return f;
}

void applyRace(Form1& f, int entry) {
  f.selectEntry(Ctl::Race_Selection, entry);
  f.DblClick(Ctl::Race_Selection);
}

void applyBackground(Form1& f, int entry) {
  f.selectEntry(Ctl::Background_Selection, entry);
  f.DblClick(Ctl::Background_Selection);
}

Form1 raceWithBackground(int race, int background) {
  Form1 f = loaded();
  applyRace(f, race);
  applyBackground(f, background);
  return f;
}

TEST(BackgroundList, HoldsTheEntriesInCatalogueOrder) {
  Form1 f = loaded();
  std::vector<std::string> expected;
  for (const Background& b : kBackgrounds) expected.push_back(b.listText);
  EXPECT_EQ(f.Background_Selection.items, expected);
  EXPECT_EQ(f.Background_Selection.listIndex, 0);
  EXPECT_EQ(f.Current_background.text, "none");
}

TEST(BackgroundRestrictions, EveryRaceKeyAgainstEveryBackground) {
  const auto open = openMatrix();
  const std::array<int, 12> refusedCount = {12, 15, 14, 13, 15, 15, 13, 13, 15, 15, 11, 12};
  for (int k = 0; k < 12; ++k) {
    const Race& race = kRaces[static_cast<std::size_t>(k)];
    SCOPED_TRACE(race.key);
    int typed = 0, refusedByModel = 0;
    for (int b = 0; b < 38; ++b) {
      SCOPED_TRACE(kBackgrounds[static_cast<std::size_t>(b)].listText);
      const bool allowed = open[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
      if (!allowed) ++typed;
      Form1 f = raceWithBackground(k, b);
      ASSERT_EQ(f.Current_race.text, race.key);
      if (allowed) {
        EXPECT_EQ(f.message_window.text, "");
        EXPECT_EQ(f.Current_background.text, kBackgrounds[static_cast<std::size_t>(b)].caption);
        EXPECT_EQ(f.backgroundallowed, kethmor::kTrue);
      } else {
        ++refusedByModel;
        EXPECT_EQ(f.message_window.text, kRefusal);
        EXPECT_EQ(f.Current_background.text, "None");
        EXPECT_EQ(f.backgroundallowed, kethmor::kFalse);
      }
      EXPECT_EQ(f.Background_Selection.listIndex, b);
    }
    EXPECT_EQ(typed, refusedCount[static_cast<std::size_t>(k)]);
    EXPECT_EQ(refusedByModel, refusedCount[static_cast<std::size_t>(k)]);
  }
}

TEST(BackgroundRestrictions, TheCheckReadsTheRaceCaption) {
  Form1 f = loaded();
  f.Current_race.text = "Half-Ogre";
  f.Background_Selection.listIndex = 4;  // Bookworm
  f.checkbackgroundrestriction();
  EXPECT_EQ(f.backgroundallowed, kethmor::kFalse);
  EXPECT_EQ(f.message_window.text, kRefusal);

  f.message_window.text = "";
  f.Current_race.text = "half-ogre";  // no key: everything is open
  f.checkbackgroundrestriction();
  EXPECT_EQ(f.backgroundallowed, kethmor::kTrue);
  EXPECT_EQ(f.message_window.text, "");
}

// Each background on a race that may take it (the human male where he can),
// expected values worked from the race and modifier tables.
TEST(BackgroundSelection, EveryBackgroundAppliesItsModifiers) {
  const auto open = openMatrix();
  for (int b = 0; b < 38; ++b) {
    const Background& bg = kBackgrounds[static_cast<std::size_t>(b)];
    int k = kHumanMale;
    while (k >= 0 && !open[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)]) --k;
    ASSERT_GE(k, 0);
    const Race& race = kRaces[static_cast<std::size_t>(k)];
    SCOPED_TRACE(std::string(bg.listText) + " on " + race.key);
    Form1 f = raceWithBackground(k, b);

    std::array<int, 8> v = race.adj;
    for (const auto& [stat, amount] : bg.stats) v[stat] += amount;
    EXPECT_EQ(f.Current_background.text, bg.caption);
    EXPECT_EQ(f.message_window.text, "");
    for (int s = 0; s < 8; ++s) {
      SCOPED_TRACE(kStatName[s]);
      const int raw = v[static_cast<std::size_t>(s)];
      const int shown = raw < 1 ? 1 : raw;
      const Colour raceColour = colourAgainst8(race.adj[static_cast<std::size_t>(s)], kSysWindow);
      EXPECT_EQ((f.*kAdj[static_cast<std::size_t>(s)]).text, std::to_string(shown));
      EXPECT_EQ((f.*kAdj[static_cast<std::size_t>(s)]).back, colourAgainst8(raw, raceColour));
      v[static_cast<std::size_t>(s)] = shown;
    }
    for (const auto& [name, box] : kSkill) {
      SCOPED_TRACE(name);
      double want = race.skills.count(name) ? race.skills.at(name) : 0.0;
      if (bg.skills.count(name)) want += bg.skills.at(name);
      EXPECT_EQ((f.*box).text, text(want));
    }
    EXPECT_EQ(f.Carryweight.text, std::to_string(v[ST] * 500));
    EXPECT_EQ(f.Damagebonus.text, std::to_string(damage(v[ST])));
    EXPECT_EQ(f.ACadj.text, std::to_string(v[DX] - 10));
    EXPECT_EQ(f.Speed.text, std::to_string(v[DX] >= 20 ? v[DX] + 5 : v[DX]));
    EXPECT_EQ(f.hitpoints.text, std::to_string(2 * v[ST] + v[WP] + 6));
    EXPECT_EQ(f.fatigue.text, std::to_string(2 * v[CN] + v[WP] + 6));
  }
}

TEST(BackgroundSelection, WorkedExamples) {
  struct Expect {
    Box box;
    const char* text;
    Colour back;  // 0: not checked
  };
  struct Case {
    const char* name;
    int race, background;
    const char* caption;
    std::vector<Expect> expect;
  };
  const std::vector<Case> cases = {
      {"Half-Ogre, Raised in the Pits", kHalfOgre, 26, "Raised in the Pits",
       {{&Form1State::Adjintelligence, "1", kRed}, {&Form1State::Adjstrength, "14", kGreen},
        {&Form1State::Adjdexterity, "10", kGreen}, {&Form1State::bow, "0.25", 0},
        {&Form1State::melee, "0.25", 0}, {&Form1State::dodge, "0.25", 0},
        {&Form1State::throwing, "0.25", 0}, {&Form1State::prowling, "-0.5", 0},
        {&Form1State::Carryweight, "7000", 0}, {&Form1State::Damagebonus, "4", 0}}},
      {"Halfling, Sheltered Childhood", kHalfling, 31, "Sheltered Childhood",
       {{&Form1State::Adjstrength, "1", kRed}, {&Form1State::Carryweight, "500", 0},
        {&Form1State::Damagebonus, "-4", 0}, {&Form1State::hitpoints, "18", 0},
        {&Form1State::Adjintelligence, "10", kGreen}, {&Form1State::Adjwillpower, "10", kGreen}}},
      {"Dwarf, Debutante", kDwarf, 10, "Debutante",
       {{&Form1State::Adjstrength, "8", kGreen}, {&Form1State::Adjdexterity, "6", kRed},
        {&Form1State::Adjbeauty, "11", kGreen}, {&Form1State::Adjcharisma, "10", kGreen},
        {&Form1State::bow, "-0.5", 0}, {&Form1State::melee, "-0.5", 0},
        {&Form1State::dodge, "-0.5", 0}, {&Form1State::throwing, "-0.5", 0},
        {&Form1State::repair, "0.5", 0}, {&Form1State::Damagebonus, "-1", 0},
        {&Form1State::Carryweight, "4000", 0}}},
      {"Human male, Ran Away with the Circus", kHumanMale, 28, "Ran Away with the Circus",
       {{&Form1State::Adjstrength, "14", kGreen}, {&Form1State::Adjintelligence, "6", kRed},
        {&Form1State::Adjwillpower, "5", kRed}, {&Form1State::Adjperception, "7", kRed},
        {&Form1State::Adjconstitution, "8", kSysWindow}, {&Form1State::Carryweight, "7000", 0},
        {&Form1State::hitpoints, "39", 0}, {&Form1State::fatigue, "27", 0}}},
      {"Dwarf, Clanless Dwarf", kDwarf, 9, "Clanless Dwarf",
       {{&Form1State::repair, "0", 0}, {&Form1State::firearms, "0", 0},
        {&Form1State::picklocks, "0", 0}, {&Form1State::adtraps, "0", 0},
        {&Form1State::aptitude, "15", kethmor::kBrownOrange}}},
      {"Human male, Lady 's Man", kHumanMale, 21, "Lady's Man",
       {{&Form1State::Adjbeauty, "14", kGreen}, {&Form1State::Adjcharisma, "5", kRed}}},
      {"Half-Ogre, Wild half - ogre", kHalfOgre, 37, "Wild half-ogre",
       {{&Form1State::Adjwillpower, "9", kGreen}, {&Form1State::Adjcharisma, "7", kRed}}},
      {"Human male, Army Training", kHumanMale, 2, "army training",
       {{&Form1State::Adjstrength, "9", kGreen}, {&Form1State::Adjdexterity, "7", kRed},
        {&Form1State::bow, "0.25", 0}, {&Form1State::melee, "0.25", 0}}},
      {"Gnome, No Background", kGnome, 0, "None",
       {{&Form1State::Adjwillpower, "10", kGreen}, {&Form1State::haggle, "0.5", 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = raceWithBackground(c.race, c.background);
    EXPECT_EQ(f.Current_background.text, c.caption);
    EXPECT_EQ(f.message_window.text, "");
    for (const Expect& e : c.expect) {
      EXPECT_EQ((f.*e.box).text, e.text);
      if (e.back != 0) {
        EXPECT_EQ((f.*e.box).back, e.back) << e.text;
      }
    }
  }
}

TEST(BackgroundSelection, TheSameBackgroundTwiceDoesNotPileUp) {
  for (int b : {6, 28, 10}) {
    SCOPED_TRACE(kBackgrounds[static_cast<std::size_t>(b)].listText);
    const int race = b == 10 ? kDwarf : kHumanMale;
    Form1 f = raceWithBackground(race, b);
    const Form1State once = f;
    applyBackground(f, b);
    EXPECT_TRUE(static_cast<Form1State&>(f) == once);
  }
  Form1 f = raceWithBackground(kHumanMale, 6);
  applyBackground(f, 6);
  EXPECT_EQ(f.Adjstrength.text, "9");
}

TEST(BackgroundSelection, BullyOnTheHumanMale) {
  Form1 f = loaded();
  applyBackground(f, 6);
  EXPECT_EQ(f.Current_race.text, "Human/male");
  EXPECT_EQ(f.Current_background.text, "Bully");
  EXPECT_EQ(f.Adjstrength.text, "9");
  EXPECT_EQ(f.Adjstrength.back, kGreen);
  EXPECT_EQ(f.Adjintelligence.text, "7");
  EXPECT_EQ(f.Adjintelligence.back, kRed);
  EXPECT_EQ(f.Damagebonus.text, "0");
  EXPECT_EQ(f.Carryweight.text, "4500");
  EXPECT_EQ(f.hitpoints.text, "32");
  EXPECT_EQ(f.fatigue.text, "30");
  EXPECT_EQ(f.message_window.text, "");
}

TEST(BackgroundSelection, TheHighlightedRaceIsTheOneApplied) {
  Form1 f = loaded();
  f.selectEntry(Ctl::Race_Selection, kHalfOgre);  // a click, no double click
  applyBackground(f, 29);                          // Rare Half-Ogre Birth
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Current_race.text, "Half-Ogre");
  EXPECT_EQ(f.Current_background.text, "Rare Half-Ogre Birth");
  EXPECT_EQ(f.Adjstrength.text, "11");
  EXPECT_EQ(f.Adjconstitution.text, "7");
  EXPECT_EQ(f.Adjintelligence.text, "6");
  EXPECT_EQ(f.Adjintelligence.back, kRed);
  EXPECT_EQ(f.prowling.text, "-0.5");
  EXPECT_EQ(f.Carryweight.text, "5500");
  EXPECT_EQ(f.hitpoints.text, "36");
  EXPECT_EQ(f.fatigue.text, "28");

  // Judged against the highlighted race, not the caption on the sheet.
  Form1 g = raceWithBackground(kHalfOgre, 35);  // Tough Hide
  g.selectEntry(Ctl::Race_Selection, kHumanMale);
  applyBackground(g, 2);  // Army Training: open to humans only
  EXPECT_EQ(g.message_window.text, "");
  EXPECT_EQ(g.Current_race.text, "Human/male");
  EXPECT_EQ(g.Current_background.text, "army training");
}

TEST(BackgroundSelection, HalfOgreBookwormIsRefused) {
  Form1 f = loaded();
  applyRace(f, kHalfOgre);
  applyBackground(f, 4);
  EXPECT_EQ(f.message_window.text, kRefusal);
  EXPECT_EQ(f.Current_background.text, "None");
  EXPECT_EQ(f.Adjstrength.text, "12");
  EXPECT_EQ(f.Adjintelligence.text, "4");
  EXPECT_EQ(f.Adjperception.text, "8");
  EXPECT_EQ(f.hitpoints.text, "38");
}

// A level, a statistic, a skill rank and a spell bought.
void purchases(Form1& f) {
  f.levelup_Click();
  f.ST_plus_Click();
  f.WP_plus_Click();
  f.bow_plus_Click();
  f.selectEntry(Ctl::Magick_list, 0);
  f.selectEntry(Ctl::Spell_list, 0);
  f.DblClick(Ctl::Spell_list);
  ASSERT_EQ(f.Clevel.text, "2");
  ASSERT_EQ(f.CPspent_bow, 1);
  ASSERT_EQ(f.spells_bought, 1);
  ASSERT_EQ(f.CP_pool, 2);
}

TEST(BackgroundSelection, ARefusedBackgroundCostsNothing) {
  struct Case {
    const char* name;
    int race;        // applied by double click, -1 for the start character
    int background;  // applied before the purchases, -1 for none
    int highlight;   // race clicked afterwards, -1 for none
    int refused;
  };
  const Case cases[] = {
      {"Half-Ogre, Bookworm", kHalfOgre, -1, -1, 4},
      {"Human male with Bully, Clanless Dwarf", kHumanMale, 6, -1, 9},
      {"Elf female, Debutante", kElfFemale, 19, -1, 10},
      {"start character, Half-Ogre highlighted, Bookworm", -1, -1, kHalfOgre, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = loaded();
    f.PCname.text = "Brannoc";
    if (c.race >= 0) applyRace(f, c.race);
    if (c.background >= 0) applyBackground(f, c.background);
    purchases(f);
    if (c.highlight >= 0) f.selectEntry(Ctl::Race_Selection, c.highlight);
    f.selectEntry(Ctl::Background_Selection, c.refused);  // the click shows the description
    Form1State before = f;
    f.DblClick(Ctl::Background_Selection);
    before.message_window.text = kRefusal;
    before.backgroundallowed = kethmor::kFalse;  // the answer of the latest check
    EXPECT_TRUE(static_cast<Form1State&>(f) == before);
    EXPECT_EQ(f.Clevel.text, "2");
    EXPECT_EQ(f.Background_Selection.listIndex, c.refused);
  }
}

TEST(BackgroundSelection, AnAllowedBackgroundStartsOver) {
  Form1 f = loaded();
  purchases(f);
  f.bow_plus_Click();
  ASSERT_EQ(f.message_window.text, "You must raise your Dexterity first");
  applyBackground(f, 6);  // Bully
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Clevel.text, "1");
  EXPECT_EQ(f.CP_pool, 5);
  EXPECT_EQ(f.CPs_remaining.text, "5");
  EXPECT_TRUE(f.purchased.items.empty());
  EXPECT_EQ(f.spells_bought, 0);
  EXPECT_EQ(f.spell_owned[0][0], 0);
  EXPECT_EQ(f.cpstat_ST, 0);
  EXPECT_EQ(f.cpstat_WP, 0);
  EXPECT_EQ(f.CPspent_bow, 0);
  EXPECT_EQ(f.bow.text, "0");
  EXPECT_EQ(f.bow.back, kSysWindow);
  EXPECT_EQ(f.Strength.text, "8");
  EXPECT_EQ(f.Willpower.text, "8");
  EXPECT_EQ(f.Adjwillpower.text, "8");
  EXPECT_EQ(f.Adjstrength.text, "9");
  EXPECT_EQ(f.Adjintelligence.text, "7");
  EXPECT_EQ(f.hitpoints.text, "32");
  EXPECT_EQ(f.fatigue.text, "30");
  EXPECT_EQ(f.aptitude.text, "0");
  EXPECT_EQ(f.aptitude.back, kethmor::kWhite);
  EXPECT_EQ(f.Current_background.text, "Bully");
}

TEST(BackgroundSelection, ASingleClickOnlyShowsTheDescription) {
  Form1 f = raceWithBackground(kHumanMale, 6);
  f.alternativebackground.text = "A life at sea.";
  f.ST_plus_Click();
  std::set<std::string> seen;
  for (int b = 0; b < 38; ++b) {
    SCOPED_TRACE(kBackgrounds[static_cast<std::size_t>(b)].listText);
    Form1State before = f;
    f.selectEntry(Ctl::Background_Selection, b);
    EXPECT_FALSE(f.background_explanations.text.empty());
    seen.insert(f.background_explanations.text);
    before.background_explanations.text = f.background_explanations.text;
    before.Background_Selection.listIndex = b;
    EXPECT_TRUE(static_cast<Form1State&>(f) == before);
    if (b == 0) {
      EXPECT_EQ(f.background_explanations.text, "No significant background");
    }
    if (b == 16) {
      EXPECT_EQ(f.background_explanations.text,
                "Raised in the city, you lose the Elven bonus to Dexterity but gain a significant "
                "bonus to Persuasion.");
    }
  }
  EXPECT_EQ(seen.size(), 38u);
  applyBackground(f, 28);
  applyRace(f, kDwarf);
  EXPECT_EQ(f.alternativebackground.text, "A life at sea.");
}

}  // namespace
