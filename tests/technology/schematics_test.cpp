// Buying schematics, driven through the window's handlers as the user's
// clicks reach them.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

// Each refusal leaves everything but the message as it was.
TEST(SchematicBuying, RefusalsComeInTheirOrderWordForWord) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    int discipline, schematic;
    const char* message;
  };
  auto run = [](int level, int intelligence, int discipline, int ranks) {
    return [=](Form1& f) {
      levelTo(f, level);
      raiseIntelligenceTo(f, intelligence);
      buyRun(f, Lore::Tech, discipline, ranks);
    };
  };
  const std::vector<Case> cases = {
      {"no CP left, schematic owned",
       [](Form1& f) { for (int d = 0; d < 5; ++d) buySchematic(f, d, 0); }, 0, 0, "No CPs left!"},
      {"no CP left, rank 2 missing its Intelligence", [](Form1& f) { press(f, Ctl::ST_plus, 5); },
       1, 1, "No CPs left!"},
      {"rank 1 owned", [](Form1& f) { buySchematic(f, 6, 0); }, 6, 0, "you already have that one!"},
      {"ownership before Intelligence",
       [=](Form1& f) { run(1, 9, 7, 2)(f); f.Adjintelligence.text = "6"; }, 7, 1,
       "you already have that one!"},
      {"rank 2, Intelligence 8, rank 1 owned", [](Form1& f) { buySchematic(f, 5, 0); }, 5, 1,
       "you must raise your Intelligence"},
      {"rank 2, Intelligence 9, rank 1 missing", run(1, 9, 5, 0), 5, 1,
       "Need previous Schematic in field"},
      {"rank 7, Intelligence 19, rank 6 missing", run(12, 19, 4, 5), 4, 6,
       "Need previous Schematic in field"},
      {"rank 7, Intelligence 18, rank 6 missing", run(12, 18, 4, 5), 4, 6,
       "you must raise your Intelligence"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    EXPECT_TRUE(refuses(f, Lore::Tech, c.discipline, c.schematic, c.message));
  }
}

TEST(SchematicBuying, RankSevenNeedsNoLevel) {
  Form1 f = started();
  applyBackground(f, kSickly);  // adjusted Intelligence 14 on a human male
  raiseIntelligenceTo(f, 19);   // the five CPs of level 1
  levelTo(f, 7);                // seven CPs, far below the level a rank-5 spell asks
  buyRun(f, Lore::Tech, 6, 7);
  EXPECT_EQ(f.purchased.items.back(), "Elite Plate Mail");
  EXPECT_EQ(f.CPs_remaining.text, "0");
  EXPECT_EQ(f.aptitude.text, "35");
}
