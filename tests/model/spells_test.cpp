// Buying spells and schematics: every refusal in its order, and a double click on no entry.
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

// Each refusal leaves everything but the message as it was.
TEST(Purchases, RefusalsComeInTheirOrderWordForWord) {
  struct Case { const char* what; Lore lore; std::function<void(Form1&)> setUp; int g, k; const char* says; };
  // Levels up, raises the lore's statistic and buys the first ranks of a group.
  auto run = [](Lore lore, int level, int stat, int group, int ranks) {
    return [=](Form1& f) {
      levelTo(f, level);
      raiseTo(f, lore == Lore::Magick ? Ctl::WP_plus : Ctl::IN_plus,
              lore == Lore::Magick ? f.Adjwillpower : f.Adjintelligence, stat);
      buyRun(f, lore, group, ranks);
    };
  };
  const Lore M = Lore::Magick, T = Lore::Tech;
  const char *const noCP = "No CPs left!", *const owned = "you already have that one!";
  const char* const level5 = "min. requirement, level 5, not met";
  const Case cases[] = {
      {"no CP, owned", M, [=](Form1& f) { for (int c = 0; c < 5; ++c) buyRun(f, M, c, 1); }, 0, 0, noCP},
      {"no CP, rank 3 at level 1", M, [](Form1& f) { press(f, Ctl::WP_plus, 5); }, 3, 2, noCP},
      {"rank 3 at level 4, all else in place", M, run(M, 4, 12, 4, 2), 4, 2, level5},
      {"rank 3 at level 4, WP and rank 2 lacking", M, run(M, 4, 8, 4, 0), 4, 2, level5},
      {"rank 4 at level 9", M, run(M, 9, 15, 5, 3), 5, 3, "min. requirement, level 10, not met"},
      {"rank 5 at level 14", M, run(M, 14, 18, 6, 4), 6, 4, "min. requirement, level 15, not met"},
      {"level before owned", M, [=](Form1& f) { run(M, 5, 12, 7, 3)(f); f.Clevel.text = "4"; }, 7, 2, level5},
      {"spell rank 1 owned", M, run(M, 1, 8, 1, 1), 1, 0, owned},
      {"owned before Willpower", M, [=](Form1& f) { run(M, 1, 9, 8, 2)(f); f.Adjwillpower.text = "5"; }, 8, 1,
       owned},
      {"rank 2, WP 8, rank 1 missing", M, run(M, 1, 8, 2, 0), 2, 1, "you must raise your Willpower"},
      {"rank 2, WP 9, rank 1 missing", M, run(M, 1, 9, 2, 0), 2, 1, "need previuos spell in college"},
      {"rank 3, WP 12, rank 2 missing", M, run(M, 5, 12, 3, 1), 3, 2, "need previous spell in college"},
      {"no CP, owned", T, [=](Form1& f) { for (int d = 0; d < 5; ++d) buyRun(f, T, d, 1); }, 0, 0, noCP},
      {"no CP, rank 2 lacking IN", T, [](Form1& f) { press(f, Ctl::ST_plus, 5); }, 1, 1, noCP},
      {"schematic rank 1 owned", T, run(T, 1, 8, 6, 1), 6, 0, owned},
      {"owned before Intelligence", T, [=](Form1& f) { run(T, 1, 9, 7, 2)(f); f.Adjintelligence.text = "6"; },
       7, 1, owned},
      {"rank 2, IN 8, rank 1 missing", T, run(T, 1, 8, 5, 0), 5, 1, "you must raise your Intelligence"},
      {"rank 2, IN 9, rank 1 missing", T, run(T, 1, 9, 5, 0), 5, 1, "Need previous Schematic in field"},
      {"ranks to 7", T, [=](Form1& f) { applyBackground(f, kSickly); run(T, 7, 19, 6, 7)(f); }, 6, 0, noCP}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    EXPECT_TRUE(refuses(f, c.lore, c.g, c.k, c.says));
  }
}

TEST(Purchases, DoubleClickWithoutASelectedEntryBuysNothing) {
  for (const auto& [lore, group] :
       {std::pair{Lore::Magick, 4}, {Lore::Magick, -1}, {Lore::Tech, 6}, {Lore::Tech, -1}}) {
    Form1 f = started();
    pointAt(f, lore, group, -1);
    f.message_window.text = "old";
    Form1State want = f;
    want.message_window.text = "";  // only the message goes; nothing is read past the tables
    f.DblClick(controlsOf(lore).entries);
    EXPECT_TRUE(same(f, want)) << group;
  }
}
