// Browsing the colleges and buying spells, driven through the window's
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

constexpr kethmor::Colour kMagentaText = 0x00FF00FF;
constexpr kethmor::Colour kPinkText = 0x00FF80FF;
constexpr int kRanIntoCircus = 28;  // adjusted Willpower 5 for a human male

bool same(const Form1& f, const Form1State& expected) {
  return static_cast<const Form1State&>(f) == expected;
}

Form1 started() {
  Form1 f;
  f.Form_Load();
  return f;
}

void press(Form1& f, Ctl button, int times) {
  for (int i = 0; i < times; ++i) f.Click(button);
}

void levelTo(Form1& f, int level) {
  while (kethmor::num(f.Clevel) < level) f.levelup_Click();
}

void raiseWillpowerTo(Form1& f, int value) {
  while (kethmor::num(f.Adjwillpower) < value) f.WP_plus_Click();
}

void applyBackground(Form1& f, int background) {
  f.selectEntry(Ctl::Background_Selection, background);
  f.DblClick(Ctl::Background_Selection);
}

// Points at a spell the way the first press of a double click does.
void pointAt(Form1& f, int college, int spell) {
  f.selectEntry(Ctl::Magick_list, college);
  f.selectEntry(Ctl::Spell_list, spell);
}

void buy(Form1& f, int college, int spell) {
  pointAt(f, college, spell);
  f.DblClick(Ctl::Spell_list);
}

// Buys ranks 1 to `upTo` of a college, each of which must go through.
void buyRun(Form1& f, int college, int upTo) {
  for (int k = 0; k < upTo; ++k) {
    buy(f, college, k);
    ASSERT_TRUE(f.message_window.text.empty()) << "rank " << k + 1 << ": " << f.message_window.text;
  }
}

}  // namespace

TEST(SpellBrowsing, StartShowsConveyanceWithNoSpellSelected) {
  Form1 f = started();
  EXPECT_EQ(f.Magick_list.listIndex, 0);
  EXPECT_EQ(f.Spell_list.items, (std::vector<std::string>{"Unseen Force", "Unlocking Cantrip", "Shadow Shift",
                                                          "Spatial Distortion", "Teleport"}));
  EXPECT_EQ(f.Spell_list.listIndex, -1);
  EXPECT_TRUE(f.Magick_list.visible && f.Spell_list.visible);
  EXPECT_FALSE(f.Tech_list.visible || f.Schematic_list.visible);
  EXPECT_EQ(f.Spelltechindicator.text, "Spells");
  EXPECT_EQ(f.Spelltechindicator.fore, kMagentaText);
}

TEST(SpellBrowsing, CollegeClickErasesTheMessageAndDropsTheSpellSelection) {
  struct Case { int college; std::vector<std::string> spells; };
  const std::vector<Case> cases = {
      {2, {"Vitality of Air", "Poison Vapours", "Call Wind", "Body of Air", "Call Air Elemental"}},
      {11, {"Harm", "Poison", "Conjure Spirit", "Create Undead", "Quench Life"}},
      {15, {"Magelock", "Congeal Time", "Stasis", "Hasten", "Tempus Fugit"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.college);
    Form1 f = started();
    buy(f, 0, 2);  // rank 3 at level 1
    ASSERT_EQ(f.message_window.text, "min. requirement, level 5, not met");
    ASSERT_EQ(f.Spell_list.listIndex, 2);
    f.selectEntry(Ctl::Magick_list, c.college);
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(f.Spell_list.items, c.spells);
    EXPECT_EQ(f.Spell_list.listIndex, -1);
  }
}

TEST(SpellBrowsing, SpellClickReplacesTheDescriptionAndKeepsTheMessage) {
  struct Case { int college, spell; const char* description; };
  const std::vector<Case> cases = {{9, 3, "Converts flesh to stone "}, {12, 4, "Revives a dead being "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    Form1 f = started();
    f.selectEntry(Ctl::Magick_list, c.college);
    f.selectEntry(Ctl::Race_Selection, 0);  // a race text in the description box
    f.message_window.text = "you must raise your Willpower";
    Form1State expected = f;
    f.selectEntry(Ctl::Spell_list, c.spell);
    expected.Spell_list.listIndex = c.spell;
    expected.background_explanations.text = c.description;
    EXPECT_TRUE(same(f, expected));
  }
}

TEST(SpellBrowsing, MagickButtonOnTheMagickViewOnlyTurnsTheIndicatorPink) {
  Form1 f = started();
  Form1State expected = f;
  f.Magick_select_Click();
  expected.Spelltechindicator.fore = kPinkText;
  EXPECT_TRUE(same(f, expected));
  f.Click(Ctl::Magick_select);
  EXPECT_TRUE(same(f, expected));
}

TEST(SpellBrowsing, SwitchingToTechnologyAndBackKeepsListsAndSelections) {
  Form1 f = started();
  pointAt(f, 9, 3);
  f.selectEntry(Ctl::Tech_list, 5);
  Form1State expected = f;
  f.Click(Ctl::Tech_select);
  EXPECT_FALSE(f.Magick_list.visible || f.Spell_list.visible);
  EXPECT_TRUE(f.Tech_list.visible && f.Schematic_list.visible);
  f.Click(Ctl::Magick_select);
  expected.Spelltechindicator.fore = kPinkText;
  EXPECT_TRUE(same(f, expected));
  EXPECT_EQ(f.Spell_list.listIndex, 3);
  EXPECT_EQ(f.Spell_list.items.front(), "Hardened Hands");
}

// Each refusal leaves everything but the message as it was.
TEST(SpellBuying, RefusalsComeInTheirOrderWordForWord) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    int college, spell;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"no CP left, spell owned", [](Form1& f) { for (int c = 0; c < 5; ++c) buy(f, c, 0); }, 0, 0,
       "No CPs left!"},
      {"no CP left, rank 3 at level 1", [](Form1& f) { press(f, Ctl::WP_plus, 5); }, 3, 2, "No CPs left!"},
      {"rank 3 at level 4 with everything else in place",
       [](Form1& f) { levelTo(f, 4); raiseWillpowerTo(f, 12); buyRun(f, 4, 2); }, 4, 2,
       "min. requirement, level 5, not met"},
      {"rank 3 at level 4, Willpower and rank 2 lacking", [](Form1& f) { levelTo(f, 4); }, 4, 2,
       "min. requirement, level 5, not met"},
      {"rank 4 at level 9", [](Form1& f) { levelTo(f, 9); raiseWillpowerTo(f, 15); buyRun(f, 5, 3); }, 5, 3,
       "min. requirement, level 10, not met"},
      {"rank 5 at level 14", [](Form1& f) { levelTo(f, 14); raiseWillpowerTo(f, 18); buyRun(f, 6, 4); }, 6, 4,
       "min. requirement, level 15, not met"},
      {"level gate before ownership", [](Form1& f) { levelTo(f, 5); raiseWillpowerTo(f, 12); buyRun(f, 7, 3);
                                                     f.Clevel.text = "4"; }, 7, 2,
       "min. requirement, level 5, not met"},
      {"rank 1 owned", [](Form1& f) { buy(f, 1, 0); }, 1, 0, "you already have that one!"},
      {"rank 2 owned", [](Form1& f) { press(f, Ctl::WP_plus, 1); buyRun(f, 1, 2); }, 1, 1,
       "you already have that one!"},
      {"ownership before Willpower", [](Form1& f) { press(f, Ctl::WP_plus, 1); buyRun(f, 8, 2);
                                                    f.Adjwillpower.text = "5"; }, 8, 1,
       "you already have that one!"},
      {"rank 2, Willpower 8, rank 1 missing", [](Form1&) {}, 2, 1, "you must raise your Willpower"},
      {"rank 2, Willpower 8, rank 1 owned", [](Form1& f) { buy(f, 2, 0); }, 2, 1, "you must raise your Willpower"},
      {"rank 2, Willpower 9, rank 1 missing", [](Form1& f) { press(f, Ctl::WP_plus, 1); }, 2, 1,
       "need previuos spell in college"},
      {"rank 3, Willpower 11 at level 5", [](Form1& f) { levelTo(f, 5); raiseWillpowerTo(f, 11); buyRun(f, 3, 2); },
       3, 2, "you must raise your Willpower"},
      {"rank 3, Willpower 12, rank 2 missing", [](Form1& f) { levelTo(f, 5); raiseWillpowerTo(f, 12); buy(f, 3, 0); },
       3, 2, "need previous spell in college"},
      {"rank 4, Willpower 15, rank 3 missing", [](Form1& f) { levelTo(f, 10); raiseWillpowerTo(f, 15); buyRun(f, 10, 2); },
       10, 3, "need previous spell in college"},
      {"rank 5, Willpower 18, rank 4 missing", [](Form1& f) { levelTo(f, 15); raiseWillpowerTo(f, 18); buyRun(f, 13, 3); },
       13, 4, "need previous spell in college"},
      {"rank 5, Willpower 17, rank 4 missing", [](Form1& f) { levelTo(f, 15); raiseWillpowerTo(f, 17); buyRun(f, 13, 3); },
       13, 4, "you must raise your Willpower"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    pointAt(f, c.college, c.spell);
    Form1State expected = f;
    f.DblClick(Ctl::Spell_list);
    expected.message_window.text = c.message;
    EXPECT_EQ(f.message_window.text, c.message);
    EXPECT_TRUE(same(f, expected));
  }
}

TEST(SpellBuying, WillpowerThresholdsHoldExactlyAtTheirValue) {
  struct Case { int rank, threshold, college; const char* name; int background; };
  const std::vector<Case> cases = {
      {1, 6, 0, "Unseen Force", kRanIntoCircus}, {2, 9, 1, "Sense Traps", 0},
      {3, 12, 4, "Fireflash", 0}, {4, 15, 12, "Full Healing", 0}, {5, 18, 15, "Tempus Fugit", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyBackground(f, c.background);
    levelTo(f, 15);
    raiseWillpowerTo(f, c.threshold - 1);
    ASSERT_EQ(kethmor::num(f.Adjwillpower), c.threshold - 1);
    buyRun(f, c.college, c.rank - 1);
    buy(f, c.college, c.rank - 1);
    EXPECT_EQ(f.message_window.text, "you must raise your Willpower");
    f.WP_plus_Click();
    const int cps = f.CP_pool;
    const std::size_t entries = f.purchased.items.size();
    buy(f, c.college, c.rank - 1);
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(f.CP_pool, cps - 1);
    EXPECT_EQ(kethmor::num(f.CPs_remaining), cps - 1);
    ASSERT_EQ(f.purchased.items.size(), entries + 1);
    EXPECT_EQ(f.purchased.items.back(), c.name);
    EXPECT_EQ(f.spell_owned[c.college][c.rank - 1], kethmor::kTrue);
    EXPECT_EQ(f.spells_bought, c.rank);
    EXPECT_EQ(f.aptitude.text, std::to_string(5 * c.rank));
  }
}

TEST(SpellBuying, FiveRankOneSpellsUseUpTheCPsInOrder) {
  Form1 f = started();
  const int colleges[] = {3, 0, 15, 7, 2};
  const char* const aptitudes[] = {"5", "10", "15", "20", "25"};
  for (int i = 0; i < 5; ++i) {
    buy(f, colleges[i], 0);
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(f.CPs_remaining.text, std::to_string(4 - i));
    EXPECT_EQ(f.aptitude.text, aptitudes[i]);
    EXPECT_EQ(f.aptitude.back, kPinkText);
  }
  EXPECT_EQ(f.purchased.items, (std::vector<std::string>{"Strength of Earth", "Unseen Force", "Magelock",
                                                         "Charm", "Vitality of Air"}));
  EXPECT_EQ(f.CP_pool, 0);
  EXPECT_EQ(f.CPs_remaining.text, "0");
  EXPECT_EQ(f.spells_bought, 5);
  EXPECT_EQ(f.aptitude_value, 25.0f);
  for (int c : colleges) EXPECT_EQ(f.spell_owned[c][0], kethmor::kTrue) << c;

  pointAt(f, 9, 0);
  Form1State expected = f;
  f.DblClick(Ctl::Spell_list);
  expected.message_window.text = "No CPs left!";
  EXPECT_TRUE(same(f, expected));
}

TEST(SpellBuying, DoubleClickWithoutASelectedSpellBuysNothing) {
  for (int college : {4, -1}) {
    SCOPED_TRACE(college);
    Form1 f = started();
    f.selectEntry(Ctl::Magick_list, college);
    ASSERT_EQ(f.Spell_list.listIndex, -1);
    Form1State expected = f;
    f.DblClick(Ctl::Spell_list);
    expected.message_window.text = f.message_window.text;  // the wording is free here
    EXPECT_TRUE(same(f, expected));
    EXPECT_EQ(f.CP_pool, 5);
    EXPECT_TRUE(f.purchased.items.empty());
  }
}

TEST(SpellPrecheck, AnswersByTheRankOfEveryOwnedSpell) {
  struct Case { const char* what; std::function<void(Form1&)> setUp; const char* will; bool ok; };
  const std::vector<Case> cases = {
      {"none owned, 0", [](Form1&) {}, "0", true},
      {"none owned, 1", [](Form1&) {}, "1", true},
      {"none owned, 7", [](Form1&) {}, "7", true},
      {"none owned, 20", [](Form1&) {}, "20", true},
      {"rank 1 owned, 7", [](Form1& f) { buy(f, 15, 0); }, "7", true},
      {"rank 1 owned, 6", [](Form1& f) { buy(f, 15, 0); }, "6", false},
      {"rank 2 owned, 10", [](Form1& f) { press(f, Ctl::WP_plus, 1); buyRun(f, 6, 2); }, "10", true},
      {"rank 2 owned, 9", [](Form1& f) { press(f, Ctl::WP_plus, 1); buyRun(f, 6, 2); }, "9", false},
      {"rank 5 owned, 19", [](Form1& f) { levelTo(f, 15); raiseWillpowerTo(f, 18); buyRun(f, 8, 5); }, "19", true},
      {"rank 5 owned, 18", [](Form1& f) { levelTo(f, 15); raiseWillpowerTo(f, 18); buyRun(f, 8, 5); }, "18", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    const Form1State expected = f;
    std::int16_t ok = c.ok ? kethmor::kFalse : kethmor::kTrue;
    f.spellprecheck(c.will, ok);
    EXPECT_EQ(ok, c.ok ? kethmor::kTrue : kethmor::kFalse);
    EXPECT_TRUE(same(f, expected));
  }
}

// The owned spells were bought on the adjusted Willpower, and the "-" button
// asks about that same value.
TEST(SpellPrecheck, WillpowerMinusStopsWhereAnOwnedSpellNeedsIt) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    const char* allowedTo;  // adjusted Willpower after the one allowed lowering
  };
  const std::vector<Case> cases = {
      {"adjusted 7 with rank 1", [](Form1& f) { applyBackground(f, kRanIntoCircus); press(f, Ctl::WP_plus, 2);
                                                buy(f, 0, 0); }, "6"},
      {"10 with rank 2", [](Form1& f) { press(f, Ctl::WP_plus, 2); buyRun(f, 6, 2); }, "9"},
      {"19 with rank 5", [](Form1& f) { levelTo(f, 15); raiseWillpowerTo(f, 19); buyRun(f, 8, 5); }, "18"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    ASSERT_TRUE(f.message_window.text.empty());
    const int cps = f.CP_pool;
    const double base = kethmor::num(f.Willpower);
    f.WP_minus_Click();
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(f.Adjwillpower.text, c.allowedTo);
    EXPECT_EQ(kethmor::num(f.Willpower), base - 1);
    EXPECT_EQ(f.CP_pool, cps + 1);

    Form1State expected = f;
    f.WP_minus_Click();
    expected.message_window.text = "can't lower due to spells purchased";
    expected.ok_flag = kethmor::kFalse;  // the answer slot holds the refusal
    EXPECT_TRUE(same(f, expected));
  }
}
