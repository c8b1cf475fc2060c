// Browsing the disciplines and buying schematics, driven through the window's
// handlers as the user's clicks reach them.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/form1.h"

using kethmor::Ctl;
using kethmor::Form1;
using kethmor::Form1State;

namespace {

constexpr kethmor::Colour kBrownOrangeText = 0x000040C0;
constexpr kethmor::Colour kPinkText = 0x00FF80FF;
constexpr int kSpecialPerson = 33;  // adjusted Intelligence 6 for a human male
constexpr int kSickly = 32;         // adjusted Intelligence 14 for a human male

bool same(const Form1& f, const Form1State& expected) {
  return static_cast<const Form1State&>(f) == expected;
}

Form1 started() {
  Form1 f;
  f.Form_Load();
  return f;
}

void levelTo(Form1& f, int level) {
  while (kethmor::num(f.Clevel) < level) f.levelup_Click();
}

void raiseIntelligenceTo(Form1& f, int value) {
  while (kethmor::num(f.Adjintelligence) < value) f.IN_plus_Click();
}

void applyBackground(Form1& f, int background) {
  f.selectEntry(Ctl::Background_Selection, background);
  f.DblClick(Ctl::Background_Selection);
}

void pointAt(Form1& f, int discipline, int schematic) {
  f.selectEntry(Ctl::Tech_list, discipline);
  f.selectEntry(Ctl::Schematic_list, schematic);
}

void buy(Form1& f, int discipline, int schematic) {
  pointAt(f, discipline, schematic);
  f.DblClick(Ctl::Schematic_list);
}

// Buys ranks 1 to `upTo` of a discipline, each of which must go through.
void buyRun(Form1& f, int discipline, int upTo) {
  for (int k = 0; k < upTo; ++k) {
    buy(f, discipline, k);
    ASSERT_TRUE(f.message_window.text.empty()) << "rank " << k + 1 << ": " << f.message_window.text;
  }
}

}  // namespace

TEST(SchematicBrowsing, FirstTechPressShowsChemistryWithNoSchematicSelected) {
  Form1 f = started();
  Form1State expected = f;
  f.Click(Ctl::Tech_select);
  expected.Magick_list.visible = false;
  expected.Spell_list.visible = false;
  expected.Tech_list.visible = true;
  expected.Schematic_list.visible = true;
  expected.Spelltechindicator.text = "Schematics";
  expected.Spelltechindicator.fore = kBrownOrangeText;
  EXPECT_TRUE(same(f, expected));
  EXPECT_EQ(f.Tech_list.listIndex, 0);
  EXPECT_EQ(f.Schematic_list.items,
            (std::vector<std::string>{"Charges", "Strong Poison", "Fuel", "Potion of Paralysis", "Corrosive Acid",
                                      "Animal Scent", "Animal Lure"}));
  EXPECT_EQ(f.Schematic_list.listIndex, -1);
}

TEST(SchematicBrowsing, DisciplineClickErasesTheMessageAndDropsTheSelection) {
  Form1 f = started();
  buy(f, 0, 1);
  ASSERT_EQ(f.message_window.text, "you must raise your Intelligence");
  f.selectEntry(Ctl::Tech_list, 3);
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Schematic_list.items,
            (std::vector<std::string>{"Crude Flintlock Pistol", "Fine Pistol", "Repeater Rifle", "Hushed Pistol",
                                      "Looking Glass Rifle", "Hand Cannon", "Elephant Gun"}));
  EXPECT_EQ(f.Schematic_list.listIndex, -1);
  f.selectEntry(Ctl::Tech_list, 4);
  EXPECT_EQ(f.Schematic_list.items[0], "heal Lite");
  EXPECT_EQ(f.Schematic_list.items[3], "fatigue Limiter");
}

TEST(SchematicBrowsing, SchematicClickReplacesTheDescriptionAndKeepsTheMessage) {
  struct Case { int discipline, schematic; const char* description; };
  const std::vector<Case> cases = {{2, 4, "It's TNT, baby!"}, {5, 1, "A handy tool for picking locks."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    Form1 f = started();
    f.selectEntry(Ctl::Tech_list, c.discipline);
    f.selectEntry(Ctl::Background_Selection, 6);  // a background text in the description box
    f.message_window.text = "Need previous Schematic in field";
    Form1State expected = f;
    f.selectEntry(Ctl::Schematic_list, c.schematic);
    expected.Schematic_list.listIndex = c.schematic;
    expected.background_explanations.text = c.description;
    EXPECT_TRUE(same(f, expected));
  }
}

TEST(SchematicBrowsing, MagickAndBackReturnsToTheSameDisciplineAndSchematic) {
  Form1 f = started();
  f.Click(Ctl::Tech_select);
  pointAt(f, 3, 6);
  Form1State expected = f;
  f.Click(Ctl::Magick_select);
  EXPECT_EQ(f.Spelltechindicator.text, "Spells");
  EXPECT_EQ(f.Spelltechindicator.fore, kPinkText);
  EXPECT_TRUE(f.Magick_list.visible && f.Spell_list.visible);
  EXPECT_FALSE(f.Tech_list.visible || f.Schematic_list.visible);
  f.Click(Ctl::Tech_select);
  EXPECT_TRUE(same(f, expected));
}

// Each refusal leaves everything but the message as it was.
TEST(SchematicBuying, RefusalsComeInTheirOrderWordForWord) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    int discipline, schematic;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"no CP left, schematic owned", [](Form1& f) { for (int d = 0; d < 5; ++d) buy(f, d, 0); }, 0, 0,
       "No CPs left!"},
      {"no CP left, rank 2 missing its Intelligence", [](Form1& f) { for (int i = 0; i < 5; ++i) f.ST_plus_Click(); },
       1, 1, "No CPs left!"},
      {"rank 1 owned", [](Form1& f) { buy(f, 6, 0); }, 6, 0, "you already have that one!"},
      {"ownership before Intelligence", [](Form1& f) { raiseIntelligenceTo(f, 9); buyRun(f, 7, 2);
                                                       f.Adjintelligence.text = "6"; }, 7, 1,
       "you already have that one!"},
      {"rank 1, Intelligence 6", [](Form1& f) { applyBackground(f, kSpecialPerson); }, 2, 0,
       "you must raise your Intelligence"},
      {"rank 2, Intelligence 8, rank 1 missing", [](Form1&) {}, 5, 1, "you must raise your Intelligence"},
      {"rank 2, Intelligence 8, rank 1 owned", [](Form1& f) { buy(f, 5, 0); }, 5, 1,
       "you must raise your Intelligence"},
      {"rank 2, Intelligence 9, rank 1 missing", [](Form1& f) { raiseIntelligenceTo(f, 9); }, 5, 1,
       "Need previous Schematic in field"},
      {"rank 4, Intelligence 13, rank 3 missing", [](Form1& f) { levelTo(f, 3); raiseIntelligenceTo(f, 13); }, 1, 3,
       "Need previous Schematic in field"},
      {"rank 7, Intelligence 19, rank 6 missing",
       [](Form1& f) { levelTo(f, 12); raiseIntelligenceTo(f, 19); buyRun(f, 4, 5); }, 4, 6,
       "Need previous Schematic in field"},
      {"rank 7, Intelligence 18, rank 6 missing",
       [](Form1& f) { levelTo(f, 12); raiseIntelligenceTo(f, 18); buyRun(f, 4, 5); }, 4, 6,
       "you must raise your Intelligence"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    pointAt(f, c.discipline, c.schematic);
    Form1State expected = f;
    f.DblClick(Ctl::Schematic_list);
    expected.message_window.text = c.message;
    EXPECT_EQ(f.message_window.text, c.message);
    EXPECT_TRUE(same(f, expected));
  }
}

TEST(SchematicBuying, IntelligenceThresholdsHoldExactlyAtTheirValue) {
  struct Case { int rank, threshold, discipline; const char* name; int background; };
  const std::vector<Case> cases = {
      {1, 7, 0, "Charges", kSpecialPerson}, {2, 9, 1, "Charged Ring", 0},
      {3, 11, 2, "Smoke Grenade", 0},        {4, 13, 3, "Hushed Pistol", 0},
      {5, 15, 4, "Accelerate Healing", 0},   {6, 17, 5, "Eye Gear", 0},
      {7, 19, 7, "Revitalizer", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyBackground(f, c.background);
    levelTo(f, 20);
    raiseIntelligenceTo(f, c.threshold - 1);
    ASSERT_EQ(kethmor::num(f.Adjintelligence), c.threshold - 1);
    buyRun(f, c.discipline, c.rank - 1);
    buy(f, c.discipline, c.rank - 1);
    EXPECT_EQ(f.message_window.text, "you must raise your Intelligence");
    f.IN_plus_Click();
    const int cps = f.CP_pool;
    const std::size_t entries = f.purchased.items.size();
    buy(f, c.discipline, c.rank - 1);
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(f.CP_pool, cps - 1);
    EXPECT_EQ(kethmor::num(f.CPs_remaining), cps - 1);
    ASSERT_EQ(f.purchased.items.size(), entries + 1);
    EXPECT_EQ(f.purchased.items.back(), c.name);
    EXPECT_EQ(f.schematic_owned[c.discipline][c.rank - 1], kethmor::kTrue);
    EXPECT_EQ(f.schematics_bought, c.rank);
    EXPECT_EQ(f.aptitude.text, std::to_string(5 * c.rank));
    EXPECT_EQ(f.aptitude.back, kBrownOrangeText);
  }
}

TEST(SchematicBuying, RankSevenNeedsNoLevel) {
  Form1 f = started();
  applyBackground(f, kSickly);
  raiseIntelligenceTo(f, 19);  // the five CPs of level 1
  ASSERT_EQ(f.CP_pool, 0);
  levelTo(f, 7);  // seven CPs, far below the level a rank-5 spell asks
  buyRun(f, 6, 7);
  EXPECT_EQ(f.purchased.items.back(), "Elite Plate Mail");
  EXPECT_EQ(f.schematics_bought, 7);
  EXPECT_EQ(f.CPs_remaining.text, "0");
  EXPECT_EQ(f.aptitude.text, "35");
}

TEST(SchematicBuying, SpellThenSchematicListInOrderAndCancelOut) {
  Form1 f = started();
  f.selectEntry(Ctl::Magick_list, 0);
  f.selectEntry(Ctl::Spell_list, 0);
  f.DblClick(Ctl::Spell_list);
  EXPECT_EQ(f.aptitude.text, "5");
  EXPECT_EQ(f.aptitude.back, kPinkText);
  f.Click(Ctl::Tech_select);
  buy(f, 0, 0);
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.purchased.items, (std::vector<std::string>{"Unseen Force", "Charges"}));
  EXPECT_EQ(f.CPs_remaining.text, "3");
  EXPECT_EQ(f.spells_bought, 1);
  EXPECT_EQ(f.schematics_bought, 1);
  EXPECT_EQ(f.aptitude_value, 0.0f);
  EXPECT_EQ(f.aptitude.text, "0");
  EXPECT_EQ(f.aptitude.back, 0x00FFFFFF);
}

TEST(SchematicBuying, DoubleClickWithoutASelectedSchematicBuysNothing) {
  for (int discipline : {6, -1}) {
    SCOPED_TRACE(discipline);
    Form1 f = started();
    f.Click(Ctl::Tech_select);
    f.selectEntry(Ctl::Tech_list, discipline);
    ASSERT_EQ(f.Schematic_list.listIndex, -1);
    Form1State expected = f;
    f.DblClick(Ctl::Schematic_list);
    expected.message_window.text = f.message_window.text;  // the wording is free here
    EXPECT_TRUE(same(f, expected));
    EXPECT_EQ(f.CP_pool, 5);
    EXPECT_TRUE(f.purchased.items.empty());
  }
}

TEST(TechPrecheck, AnswersByTheRankOfEveryOwnedSchematic) {
  struct Case { const char* what; std::function<void(Form1&)> setUp; const char* intelligence; bool ok; };
  auto rankTwo = [](Form1& f) { raiseIntelligenceTo(f, 9); buyRun(f, 7, 2); };
  auto rankSeven = [](Form1& f) { levelTo(f, 12); raiseIntelligenceTo(f, 19); buyRun(f, 3, 7); };
  const std::vector<Case> cases = {
      {"none owned, 0", [](Form1&) {}, "0", true},
      {"none owned, 1", [](Form1&) {}, "1", true},
      {"none owned, 8", [](Form1&) {}, "8", true},
      {"rank 1 owned, 8", [](Form1& f) { buy(f, 7, 0); }, "8", true},
      {"rank 1 owned, 7", [](Form1& f) { buy(f, 7, 0); }, "7", false},
      {"rank 2 owned, 10", rankTwo, "10", true},
      {"rank 2 owned, 9", rankTwo, "9", false},
      {"rank 7 owned, 20", rankSeven, "20", true},
      {"rank 7 owned, 19", rankSeven, "19", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    const Form1State expected = f;
    std::int16_t ok = c.ok ? kethmor::kFalse : kethmor::kTrue;
    f.techprecheck(c.intelligence, ok);
    EXPECT_EQ(ok, c.ok ? kethmor::kTrue : kethmor::kFalse);
    EXPECT_TRUE(same(f, expected));
  }
}

TEST(TechPrecheck, IntelligenceMinusStopsWhereAnOwnedSchematicNeedsIt) {
  Form1 f = started();
  raiseIntelligenceTo(f, 10);
  buyRun(f, 2, 2);
  f.IN_minus_Click();
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Intelligence.text, "9");
  EXPECT_EQ(f.Adjintelligence.text, "9");
  EXPECT_EQ(f.CP_pool, 2);

  Form1State expected = f;
  f.IN_minus_Click();
  expected.message_window.text = "can't lower due to tech purchased";
  expected.ok_flag = kethmor::kFalse;  // the answer slot holds the refusal
  EXPECT_TRUE(same(f, expected));
}
