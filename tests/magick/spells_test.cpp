// Buying spells, and what spells and schematics share: the threshold of
// each rank and a double click on no entry.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

// Each refusal leaves everything but the message as it was.
TEST(SpellBuying, RefusalsComeInTheirOrderWordForWord) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    int college, spell;
    const char* message;
  };
  auto run = [](int level, int will, int college, int ranks) {
    return [=](Form1& f) {
      levelTo(f, level);
      raiseWillpowerTo(f, will);
      buyRun(f, Lore::Magick, college, ranks);
    };
  };
  const std::vector<Case> cases = {
      {"no CP left, spell owned", [](Form1& f) { for (int c = 0; c < 5; ++c) buySpell(f, c, 0); },
       0, 0, "No CPs left!"},
      {"no CP left, rank 3 at level 1", [](Form1& f) { press(f, Ctl::WP_plus, 5); }, 3, 2,
       "No CPs left!"},
      {"rank 3 at level 4 with everything else in place", run(4, 12, 4, 2), 4, 2,
       "min. requirement, level 5, not met"},
      {"rank 3 at level 4, Willpower and rank 2 lacking", [](Form1& f) { levelTo(f, 4); }, 4, 2,
       "min. requirement, level 5, not met"},
      {"rank 4 at level 9", run(9, 15, 5, 3), 5, 3, "min. requirement, level 10, not met"},
      {"rank 5 at level 14", run(14, 18, 6, 4), 6, 4, "min. requirement, level 15, not met"},
      {"level gate before ownership", [=](Form1& f) { run(5, 12, 7, 3)(f); f.Clevel.text = "4"; },
       7, 2, "min. requirement, level 5, not met"},
      {"rank 1 owned", [](Form1& f) { buySpell(f, 1, 0); }, 1, 0, "you already have that one!"},
      {"ownership before Willpower",
       [=](Form1& f) { run(1, 9, 8, 2)(f); f.Adjwillpower.text = "5"; }, 8, 1,
       "you already have that one!"},
      {"rank 2, Willpower 8, rank 1 missing", [](Form1&) {}, 2, 1, "you must raise your Willpower"},
      {"rank 2, Willpower 9, rank 1 missing", [](Form1& f) { press(f, Ctl::WP_plus); }, 2, 1,
       "need previuos spell in college"},
      {"rank 3, Willpower 12, rank 2 missing", run(5, 12, 3, 1), 3, 2,
       "need previous spell in college"},
      {"rank 5, Willpower 18, rank 4 missing", run(15, 18, 13, 3), 13, 4,
       "need previous spell in college"},
      {"rank 5, Willpower 17, rank 4 missing", run(15, 17, 13, 3), 13, 4,
       "you must raise your Willpower"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    EXPECT_TRUE(refuses(f, Lore::Magick, c.college, c.spell, c.message));
  }
}

TEST(SpellBuying, FiveRankOneSpellsUseUpTheCPsInOrder) {
  Form1 f = started();
  for (int college : {3, 0, 15, 7, 2}) buySpell(f, college, 0);
  EXPECT_EQ(f.purchased.items, (std::vector<std::string>{"Strength of Earth", "Unseen Force",
                                                         "Magelock", "Charm", "Vitality of Air"}));
  EXPECT_EQ(f.CPs_remaining.text, "0");
  EXPECT_EQ(f.spells_bought, 5);
  EXPECT_EQ(f.aptitude.text, "25");
  EXPECT_EQ(f.aptitude.back, kPink);
  EXPECT_EQ(f.spell_owned[15][0], kTrue);
  EXPECT_TRUE(refuses(f, Lore::Magick, 9, 0, "No CPs left!"));
}

// A rank is refused one point below its threshold and bought at it: spells
// on the adjusted Willpower (6, 9, ..., 18), schematics on the adjusted
// Intelligence (7, 9, ..., 19).
TEST(Purchases, ThresholdsHoldExactlyAtTheirValue) {
  struct Case { Lore lore; int rank, threshold, group; const char* name; int background; };
  const std::vector<Case> cases = {
      {Lore::Magick, 1, 6, 0, "Unseen Force", kRanAwayWithTheCircus},  // WP 5 on a human male
      {Lore::Magick, 2, 9, 1, "Sense Traps", kNoBackground},
      {Lore::Magick, 3, 12, 4, "Fireflash", kNoBackground},
      {Lore::Magick, 4, 15, 12, "Full Healing", kNoBackground},
      {Lore::Magick, 5, 18, 15, "Tempus Fugit", kNoBackground},
      {Lore::Tech, 1, 7, 0, "Charges", kSpecialPerson},  // IN 6 on a human male
      {Lore::Tech, 2, 9, 1, "Charged Ring", kNoBackground},
      {Lore::Tech, 3, 11, 2, "Smoke Grenade", kNoBackground},
      {Lore::Tech, 4, 13, 3, "Hushed Pistol", kNoBackground},
      {Lore::Tech, 5, 15, 4, "Accelerate Healing", kNoBackground},
      {Lore::Tech, 6, 17, 5, "Eye Gear", kNoBackground},
      {Lore::Tech, 7, 19, 7, "Revitalizer", kNoBackground},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const bool magick = c.lore == Lore::Magick;
    const Ctl plus = magick ? Ctl::WP_plus : Ctl::IN_plus;
    Form1 f = started();
    applyBackground(f, c.background);
    levelTo(f, magick && c.rank > 2 ? 5 * (c.rank - 2) : 20);  // spells: just the level asked
    const Control& stat = magick ? f.Adjwillpower : f.Adjintelligence;
    raiseTo(f, plus, stat, c.threshold - 1);
    ASSERT_EQ(num(stat), c.threshold - 1);
    buyRun(f, c.lore, c.group, c.rank - 1);
    const char* raise =
        magick ? "you must raise your Willpower" : "you must raise your Intelligence";
    EXPECT_TRUE(refuses(f, c.lore, c.group, c.rank - 1, raise));
    f.Click(plus);
    const int cps = f.CP_pool;
    buy(f, c.lore, c.group, c.rank - 1);
    EXPECT_EQ(f.message_window.text, "");
    EXPECT_EQ(f.CPs_remaining.text, std::to_string(cps - 1));
    EXPECT_EQ(f.purchased.items.back(), c.name);
    const auto g = static_cast<std::size_t>(c.group), k = static_cast<std::size_t>(c.rank - 1);
    EXPECT_EQ(magick ? f.spell_owned[g][k] : f.schematic_owned[g][k], kTrue);
    EXPECT_EQ(f.aptitude.text, std::to_string(5 * c.rank));
    EXPECT_EQ(f.aptitude.back, magick ? kPink : kBrownOrange);
  }
}

TEST(Purchases, DoubleClickWithoutASelectedEntryBuysNothing) {
  for (const auto& [lore, group] : std::vector<std::pair<Lore, int>>{
           {Lore::Magick, 4}, {Lore::Magick, -1}, {Lore::Tech, 6}, {Lore::Tech, -1}}) {
    SCOPED_TRACE(group);
    Form1 f = started();
    f.Click(controlsOf(lore).select);
    f.selectEntry(controlsOf(lore).groups, group);
    f.message_window.text = "old";
    Form1State want = f;
    f.DblClick(controlsOf(lore).entries);  // nothing read past the tables: only the message goes
    want.message_window.text = "";
    EXPECT_TRUE(same(f, want));
  }
}
