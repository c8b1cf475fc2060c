// Backgrounds: which race keys may take which, what a background does to the
// sheet, and the background list's click and double click.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;
using S = Form1State;

const char* const kRefusal = "Not available for this race/gender";

TEST(BackgroundList, HoldsTheEntriesInCatalogueOrder) {
  const std::vector<std::string>& items = started().Background_Selection.items;
  ASSERT_EQ(items.size(), 38u);
  EXPECT_EQ(items[0] + "|" + items[21] + "|" + items[kRaisedByOrcs] + "|" + items[37],
            "No Background|Lady 's Man|Raised by Orcs|Wild half - ogre");
}

// Which race keys each background is open to, found by double-clicking:
// the refusals per key, and the open keys of a few backgrounds as bit sets
// (bit k for the race entry k).
TEST(BackgroundRestrictions, RefusalsPerRaceKey) {
  std::array<int, 12> refused{};
  std::array<unsigned, 38> open{};
  for (int k = 0; k < 12; ++k)
    for (int b = 0; b < 38; ++b) {
      Form1 f = raceWithBackground(k, b);
      const bool allowed = f.backgroundallowed == kTrue;
      EXPECT_EQ(f.message_window.text, allowed ? "" : kRefusal) << k << " " << b;
      EXPECT_EQ(f.Current_background.text == "None", !allowed || b == 0) << k << " " << b;
      refused[static_cast<std::size_t>(k)] += !allowed;
      open[static_cast<std::size_t>(b)] |= allowed ? 1u << k : 0u;
    }
  EXPECT_EQ(refused, (std::array<int, 12>{12, 15, 14, 13, 15, 15, 13, 13, 15, 15, 11, 12}));
  const std::pair<int, unsigned> rows[] = {{kArmyTraining, 0xC00}, {kClanlessDwarf, 0x001},
                                           {kDebutante, 0x511},    {21, 0xAED},
                                           {kToughHide, 0x380},    {kRaisedByOrcs, 0xFFF}};
  for (const auto& [b, keys] : rows) EXPECT_EQ(open[static_cast<std::size_t>(b)], keys) << b;
}

TEST(BackgroundRestrictions, TheCheckComparesTheRaceCaptionExactly) {
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

TEST(BackgroundSelection, WorkedExamples) {
  struct Expect { Box box; const char* text; Colour back; };  // back 0: not checked
  struct Case { int race, background; const char* caption; std::vector<Expect> expect; };
  const std::vector<Case> cases = {
      {kHalfOgre, kRaisedInThePits, "Raised in the Pits",
       {{&S::Adjintelligence, "1", kRed}, {&S::Adjstrength, "14", kGreen},
        {&S::Adjdexterity, "10", kGreen}, {&S::ACadj, "0", 0}, {&S::Speed, "10", 0},
        {&S::bow, "0.25", 0}, {&S::melee, "0.25", 0},
        {&S::dodge, "0.25", 0}, {&S::throwing, "0.25", 0}, {&S::prowling, "-0.5", 0},
        {&S::Carryweight, "7000", 0}, {&S::Damagebonus, "4", 0}}},
      {kHalfling, kShelteredChildhood, "Sheltered Childhood",
       {{&S::Adjstrength, "1", kRed}, {&S::Carryweight, "500", 0}, {&S::Damagebonus, "-4", 0},
        {&S::hitpoints, "18", 0}, {&S::Adjintelligence, "10", kGreen},
        {&S::Adjwillpower, "10", kGreen}}},
      {kDwarf, kDebutante, "Debutante",
       {{&S::Adjstrength, "8", kGreen}, {&S::Adjdexterity, "6", kRed}, {&S::ACadj, "-4", 0},
        {&S::Speed, "6", 0},
        {&S::Adjbeauty, "11", kGreen}, {&S::Adjcharisma, "10", kGreen}, {&S::bow, "-0.5", 0},
        {&S::melee, "-0.5", 0}, {&S::dodge, "-0.5", 0}, {&S::throwing, "-0.5", 0},
        {&S::repair, "0.5", 0}, {&S::Damagebonus, "-1", 0}, {&S::Carryweight, "4000", 0}}},
      {kHumanMale, kRanAwayWithTheCircus, "Ran Away with the Circus",
       {{&S::Adjstrength, "14", kGreen}, {&S::Adjintelligence, "6", kRed},
        {&S::Adjwillpower, "5", kRed}, {&S::Adjperception, "7", kRed},
        {&S::Adjconstitution, "8", kSysWindow}, {&S::hitpoints, "39", 0},
        {&S::fatigue, "27", 0}}},
      {kHalfOrcMale, kRaisedByOrcs, "Raised by Orcs",
       {{&S::Adjstrength, "11", kGreen}, {&S::Adjperception, "10", kGreen},
        {&S::Adjcharisma, "1", kRed}, {&S::bow, "0.25", 0}, {&S::melee, "0.75", 0},
        {&S::dodge, "0.75", 0}, {&S::throwing, "0.25", 0}}},
      {kDwarf, kClanlessDwarf, "Clanless Dwarf",
       {{&S::repair, "0", 0}, {&S::firearms, "0", 0}, {&S::picklocks, "0", 0},
        {&S::adtraps, "0", 0}, {&S::aptitude, "15", kBrownOrange}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    Form1 f = raceWithBackground(c.race, c.background);
    EXPECT_EQ(f.Current_background.text, c.caption);
    EXPECT_EQ(f.message_window.text, "");
    for (const Expect& e : c.expect) {
      EXPECT_EQ((f.*e.box).text, e.text);
      if (e.back != 0) {
        EXPECT_EQ((f.*e.box).back, e.back) << e.text;
      }
    }
    const Form1State once = f;  // the same background again does not pile up
    applyBackground(f, c.background);
    EXPECT_TRUE(same(f, once));
  }
}

// A background double-click applies the race highlighted in the race list.
TEST(BackgroundSelection, TheHighlightedRaceIsTheOneApplied) {
  Form1 f = started();
  f.selectEntry(Ctl::Race_Selection, kHalfOgre);  // a click, no double click
  applyBackground(f, kRareHalfOgreBirth);
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Current_race.text, "Half-Ogre");
  EXPECT_EQ(f.Current_background.text, "Rare Half-Ogre Birth");
  EXPECT_EQ(f.Adjstrength.text + " " + f.Adjconstitution.text + " " + f.Adjintelligence.text,
            "11 7 6");
  EXPECT_EQ(f.hitpoints.text + " " + f.fatigue.text, "36 28");

  Form1 g = raceWithBackground(kHalfOgre, kToughHide);
  g.selectEntry(Ctl::Race_Selection, kHumanMale);
  applyBackground(g, kArmyTraining);  // open to humans only
  EXPECT_EQ(g.message_window.text, "");
  EXPECT_EQ(g.Current_race.text, "Human/male");
  EXPECT_EQ(g.Current_background.text, "army training");

  g.selectEntry(Ctl::Race_Selection, kDwarf);  // the first entry of the list
  applyBackground(g, kClanlessDwarf);           // open to dwarves only
  EXPECT_EQ(g.Current_race.text + "|" + g.Current_background.text + "|" + g.message_window.text,
            "Dwarf|Clanless Dwarf|");

  // No background entry: the click and the double click read nothing past
  // the tables, and the race alone is applied.
  press(g, Ctl::ST_plus);
  const std::string shown = g.background_explanations.text;
  g.selectEntry(Ctl::Background_Selection, -1);
  g.DblClick(Ctl::Background_Selection);
  Form1 want = started();
  applyRace(want, kDwarf);
  want.Background_Selection.listIndex = -1;
  want.background_explanations.text = shown;
  EXPECT_TRUE(same(g, want));
}

// A level, a statistic, a skill rank and a spell bought.
void purchases(Form1& f) {
  press(f, Ctl::levelup);
  press(f, Ctl::ST_plus);
  press(f, Ctl::WP_plus);
  press(f, Ctl::bow_plus);
  buySpell(f, 0, 0);
  ASSERT_EQ(f.CP_pool, 2);
}

// A refused background costs the player nothing but the message.
TEST(BackgroundSelection, ARefusedBackgroundChangesNothingButTheMessage) {
  // -1: none; a race highlight of -1 leaves the current race to be judged.
  struct Case { const char* name; int race, background, highlight, refused; };
  const Case cases[] = {
      {"Half-Ogre, Bookworm", kHalfOgre, -1, kHalfOgre, kBookworm},
      {"Human male with Bully, Clanless Dwarf", kHumanMale, kBully, kHumanMale, kClanlessDwarf},
      {"Elf female, Debutante", kElfFemale, kHyperactive, kElfFemale, kDebutante},
      {"start character, Half-Ogre highlighted, Bookworm", -1, -1, kHalfOgre, kBookworm},
      {"start character, no race highlighted, Clanless Dwarf", -1, -1, -1, kClanlessDwarf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    if (c.race >= 0) applyRace(f, c.race);
    if (c.background >= 0) applyBackground(f, c.background);
    purchases(f);
    f.selectEntry(Ctl::Race_Selection, c.highlight);
    f.selectEntry(Ctl::Background_Selection, c.refused);  // the click shows the description
    Form1State before = f;
    f.DblClick(Ctl::Background_Selection);
    before.message_window.text = kRefusal;
    before.backgroundallowed = kFalse;  // the answer of the latest check
    EXPECT_TRUE(same(f, before));
    applyBackground(f, kHyperactive);  // an allowed one after the refusal still applies
    EXPECT_EQ(f.Current_background.text + "|" + f.message_window.text, "Hyperactive|");
    EXPECT_EQ(f.backgroundallowed, kTrue);
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
  EXPECT_EQ(f.Adjstrength.text + " " + f.Adjintelligence.text, "9 7");
  Form1 want = started();
  applyBackground(want, kBully);
  for (Ctl browsed : {Ctl::Spell_list, Ctl::Spelltechindicator}) want.ctl(browsed) = f.ctl(browsed);
  want.ok_flag = f.ok_flag;
  EXPECT_TRUE(same(f, want));
}

TEST(BackgroundSelection, ASingleClickOnlyShowsTheDescription) {
  Form1 f = raceWithBackground(kHumanMale, kBully);
  press(f, Ctl::ST_plus);
  std::set<std::string> seen;
  for (int b = 0; b < 38; ++b) {
    Form1State before = f;
    f.selectEntry(Ctl::Background_Selection, b);
    seen.insert(f.background_explanations.text);
    before.background_explanations.text = f.background_explanations.text;
    before.Background_Selection.listIndex = b;
    EXPECT_TRUE(same(f, before)) << b;
    if (b == 16) {
      EXPECT_EQ(f.background_explanations.text,
                "Raised in the city, you lose the Elven bonus to Dexterity but gain a significant "
                "bonus to Persuasion.");
    }
  }
  EXPECT_EQ(seen.size(), 38u);
  f.selectEntry(Ctl::Background_Selection, 0);
  EXPECT_EQ(f.background_explanations.text, "No significant background");
}

}  // namespace
