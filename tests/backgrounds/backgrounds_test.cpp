// Backgrounds: which race keys may take which, what each one does to the
// sheet, and the background list's click and double click.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

const char* const kRefusal = "Not available for this race/gender";

struct Background {
  const char* listText;
  const char* caption;
  std::vector<std::pair<StatIndex, int>> stats;
  SkillValues skills;
  // Dwarf Elf/f Elf/m Gnome HElf/f HElf/m Halfling HOgre HOrc/f HOrc/m Human/f Human/m
  const char* open;
};
const std::vector<Background> kBackgrounds = {
    {"No Background", "None", {}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Apprentice to a Shopkeeper", "apprentice to a shopkeeper", {{DX, -1}}, {{"haggle", 0.25}},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Army Training", "army training", {{DX, -1}, {ST, 1}}, {{"bow", 0.25}, {"melee", 0.25}},
     "no no no no no no no no no no yes yes"},
    {"Beat with an Ugly Stick", "Beat with an Ugly Stick", {{ST, 2}, {DX, 2}, {BE, -6}}, combatSkills(0.25),
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Bookworm", "Bookworm", {{IN, 1}, {PE, -1}}, {}, "yes yes yes yes yes yes yes no no no yes yes"},
    {"Born Under a Sign", "Born Under a Sign", {}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Bully", "Bully", {{ST, 1}, {IN, -1}}, {}, "yes yes yes yes yes yes yes no no no yes yes"},
    {"Charlatan's Protege", "Charlatan's Protege", {{CH, 6}, {ST, -2}, {CN, -2}}, combatSkills(-0.25),
     "yes yes yes yes yes yes yes no no no yes yes"},
    {"Child of a Hero", "Child of a Hero", {}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Clanless Dwarf", "Clanless Dwarf", {}, techSkills(-0.5), "yes no no no no no no no no no no no"},
    {"Debutante", "Debutante", {{BE, 3}, {CH, 3}, {ST, -1}, {DX, -1}}, combatSkills(-0.5),
     "yes no no no yes no no no yes no yes no"},
    {"Disenfranchised Gnome", "Disenfranchised Gnome", {{ST, 1}}, {{"haggle", -0.5}},
     "no no no yes no no no no no no no no"},
    {"Elvish Blood", "Elvish Blood", {{DX, 1}}, techSkills(-0.5), "no no no yes no no yes yes no no yes yes"},
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
    {"Lady 's Man", "Lady's Man", {{BE, 6}, {CH, -3}, {ST, -2}, {DX, -1}}, combatSkills(-0.25),
     "yes no yes yes no yes yes yes no yes no yes"},
    {"Professional Knife Tosser", "Professional Knife Tosser", {{PE, -1}}, {{"throwing", 0.25}},
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Raised by Elves", "Raised by Elves", {}, techSkills(-0.25), "yes no no no no no no no no no yes yes"},
    {"Raised by Monks", "Raised by Monks", {{PE, 1}}, {}, "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Raised by Orcs", "Raised by Orcs", {{ST, 2}, {PE, 2}, {CH, -6}}, combatSkills(0.25),
     "yes yes yes yes yes yes yes yes yes yes yes yes"},
    {"Raised in the Pits", "Raised in the Pits", {{ST, 2}, {DX, 2}, {IN, -6}}, combatSkills(0.25),
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

TEST(BackgroundList, HoldsTheEntriesInCatalogueOrder) {
  Form1 f = started();
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
    const RaceRow& race = kRaceRows[static_cast<std::size_t>(k)];
    SCOPED_TRACE(race.caption);
    int typed = 0, refusedByModel = 0;
    for (int b = 0; b < 38; ++b) {
      SCOPED_TRACE(kBackgrounds[static_cast<std::size_t>(b)].listText);
      const bool allowed = open[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)];
      if (!allowed) ++typed;
      Form1 f = raceWithBackground(k, b);
      ASSERT_EQ(f.Current_race.text, race.caption);
      if (allowed) {
        EXPECT_EQ(f.message_window.text, "");
        EXPECT_EQ(f.Current_background.text, kBackgrounds[static_cast<std::size_t>(b)].caption);
        EXPECT_EQ(f.backgroundallowed, kTrue);
      } else {
        ++refusedByModel;
        EXPECT_EQ(f.message_window.text, kRefusal);
        EXPECT_EQ(f.Current_background.text, "None");
        EXPECT_EQ(f.backgroundallowed, kFalse);
      }
      EXPECT_EQ(f.Background_Selection.listIndex, b);
    }
    EXPECT_EQ(typed, refusedCount[static_cast<std::size_t>(k)]);
    EXPECT_EQ(refusedByModel, refusedCount[static_cast<std::size_t>(k)]);
  }
}

TEST(BackgroundRestrictions, TheCheckReadsTheRaceCaption) {
  Form1 f = started();
  f.Current_race.text = "Half-Ogre";
  f.Background_Selection.listIndex = kBookworm;
  f.checkbackgroundrestriction();
  EXPECT_EQ(f.backgroundallowed, kFalse);
  EXPECT_EQ(f.message_window.text, kRefusal);

  f.message_window.text = "";
  f.Current_race.text = "half-ogre";  // no key: everything is open
  f.checkbackgroundrestriction();
  EXPECT_EQ(f.backgroundallowed, kTrue);
  EXPECT_EQ(f.message_window.text, "");
}

TEST(BackgroundSelection, EveryBackgroundAppliesItsModifiers) {
  const auto open = openMatrix();
  for (int b = 0; b < 38; ++b) {
    const Background& bg = kBackgrounds[static_cast<std::size_t>(b)];
    int k = kHumanMale;
    while (k >= 0 && !open[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)]) --k;
    ASSERT_GE(k, 0);
    const RaceRow& race = kRaceRows[static_cast<std::size_t>(k)];
    SCOPED_TRACE(std::string(bg.listText) + " on " + race.caption);
    Form1 f = raceWithBackground(k, b);

    std::array<int, 8> v = race.adjusted;
    for (const auto& [stat, amount] : bg.stats) v[stat] += amount;
    EXPECT_EQ(f.Current_background.text, bg.caption);
    EXPECT_EQ(f.message_window.text, "");
    for (std::size_t s = 0; s < 8; ++s) {
      SCOPED_TRACE(kStats[s].name);
      const int raw = v[s];
      const int shown = raw < 1 ? 1 : raw;
      const Colour raceColour = colourAgainst8(race.adjusted[s], kSysWindow);
      EXPECT_EQ((f.*kStats[s].adjusted).text, std::to_string(shown));
      EXPECT_EQ((f.*kStats[s].adjusted).back, colourAgainst8(raw, raceColour));
      v[s] = shown;
    }
    for (const SkillRow& s : kSkillRows) {
      SCOPED_TRACE(s.name);
      double want = race.skills.count(s.name) ? race.skills.at(s.name) : 0.0;
      if (bg.skills.count(s.name)) want += bg.skills.at(s.name);
      EXPECT_EQ((f.*s.box).text, decimal(want));
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
        {&Form1State::aptitude, "15", kBrownOrange}}},
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
  for (const auto& [race, background] :
       std::vector<std::pair<int, int>>{{kHumanMale, kBully}, {kHumanMale, kRanAwayWithTheCircus},
                                        {kDwarf, kDebutante}}) {
    SCOPED_TRACE(kBackgrounds[static_cast<std::size_t>(background)].listText);
    Form1 f = raceWithBackground(race, background);
    const Form1State once = f;
    applyBackground(f, background);
    EXPECT_TRUE(same(f, once));
  }
}

TEST(BackgroundSelection, TheHighlightedRaceIsTheOneApplied) {
  Form1 f = started();
  f.selectEntry(Ctl::Race_Selection, kHalfOgre);  // a click, no double click
  applyBackground(f, 29);  // Rare Half-Ogre Birth
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

// A level, a statistic, a skill rank and a spell bought.
void purchases(Form1& f) {
  press(f, Ctl::levelup);
  press(f, Ctl::ST_plus);
  press(f, Ctl::WP_plus);
  press(f, Ctl::bow_plus);
  buySpell(f, 0, 0);
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
      {"Half-Ogre, Bookworm", kHalfOgre, -1, -1, kBookworm},
      {"Human male with Bully, Clanless Dwarf", kHumanMale, kBully, -1, kClanlessDwarf},
      {"Elf female, Debutante", kElfFemale, kHyperactive, -1, kDebutante},
      {"start character, Half-Ogre highlighted, Bookworm", -1, -1, kHalfOgre, kBookworm},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    f.PCname.text = "Brannoc";
    if (c.race >= 0) applyRace(f, c.race);
    if (c.background >= 0) applyBackground(f, c.background);
    purchases(f);
    if (c.highlight >= 0) f.selectEntry(Ctl::Race_Selection, c.highlight);
    f.selectEntry(Ctl::Background_Selection, c.refused);  // the click shows the description
    Form1State before = f;
    f.DblClick(Ctl::Background_Selection);
    before.message_window.text = kRefusal;
    before.backgroundallowed = kFalse;  // the answer of the latest check
    EXPECT_TRUE(same(f, before));
    EXPECT_EQ(f.Clevel.text, "2");
    EXPECT_EQ(f.Background_Selection.listIndex, c.refused);
  }
}

// An allowed background starts the sheet over: it is the background's as on
// a fresh window, the highlighted spell and the answer slot aside.
TEST(BackgroundSelection, AnAllowedBackgroundStartsOver) {
  Form1 f = started();
  purchases(f);
  press(f, Ctl::bow_plus);
  ASSERT_EQ(f.message_window.text, "You must raise your Dexterity first");
  applyBackground(f, kBully);
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Clevel.text, "1");
  EXPECT_EQ(f.CPs_remaining.text, "5");
  EXPECT_TRUE(f.purchased.items.empty());
  EXPECT_EQ(f.Strength.text, "8");
  EXPECT_EQ(f.Adjstrength.text, "9");
  EXPECT_EQ(f.Adjintelligence.text, "7");
  EXPECT_EQ(f.hitpoints.text, "32");
  EXPECT_EQ(f.fatigue.text, "30");
  EXPECT_EQ(f.bow.back, kSysWindow);
  EXPECT_EQ(f.aptitude.back, kWhite);
  EXPECT_EQ(f.Current_background.text, "Bully");

  Form1 want = started();
  applyBackground(want, kBully);
  for (Ctl browsed : {Ctl::Spell_list, Ctl::Spelltechindicator}) want.ctl(browsed) = f.ctl(browsed);
  want.ok_flag = f.ok_flag;
  EXPECT_TRUE(same(f, want));
}

TEST(BackgroundSelection, ASingleClickOnlyShowsTheDescription) {
  Form1 f = raceWithBackground(kHumanMale, kBully);
  f.alternativebackground.text = "A life at sea.";
  press(f, Ctl::ST_plus);
  std::set<std::string> seen;
  for (int b = 0; b < 38; ++b) {
    SCOPED_TRACE(kBackgrounds[static_cast<std::size_t>(b)].listText);
    Form1State before = f;
    f.selectEntry(Ctl::Background_Selection, b);
    EXPECT_FALSE(f.background_explanations.text.empty());
    seen.insert(f.background_explanations.text);
    before.background_explanations.text = f.background_explanations.text;
    before.Background_Selection.listIndex = b;
    EXPECT_TRUE(same(f, before));
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
  applyBackground(f, kRanAwayWithTheCircus);
  applyRace(f, kDwarf);
  EXPECT_EQ(f.alternativebackground.text, "A life at sea.");
}

}  // namespace
