// The thresholds of the ranks of spells and schematics.
#include <gtest/gtest.h>

#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

// A rank is refused one point below its threshold (WP for spells, IN for schematics) and bought at it;
// the backgrounds leave a human male WP 5 or IN 6, and spells get just the level their rank asks.
TEST(Purchases, ThresholdsHoldExactlyAtTheirValue) {
  struct Case { Lore lore; int rank, threshold, group; const char* name; int background = 0; };
  const Lore M = Lore::Magick, T = Lore::Tech;
  const Case cases[] = {
      {M, 1, 6, 0, "Unseen Force", kRanAwayWithTheCircus}, {M, 2, 9, 1, "Sense Traps"},
      {M, 3, 12, 4, "Fireflash"}, {M, 4, 15, 12, "Full Healing"}, {M, 5, 18, 15, "Tempus Fugit"},
      {T, 1, 7, 0, "Charges", kSpecialPerson}, {T, 2, 9, 1, "Charged Ring"}, {T, 3, 11, 2, "Smoke Grenade"},
      {T, 4, 13, 3, "Hushed Pistol"}, {T, 5, 15, 4, "Accelerate Healing"}, {T, 6, 17, 5, "Eye Gear"},
      {T, 7, 19, 7, "Revitalizer"},
  };
  for (const Case& c : cases) {
    const bool magick = c.lore == M;
    const Ctl plus = magick ? Ctl::WP_plus : Ctl::IN_plus;
    Form1 f = raceWithBackground(kHumanMale, c.background);
    levelTo(f, magick && c.rank > 2 ? 5 * (c.rank - 2) : 20);
    raiseTo(f, plus, magick ? f.Adjwillpower : f.Adjintelligence, c.threshold - 1);
    buyRun(f, c.lore, c.group, c.rank - 1);
    const char* raise = magick ? "you must raise your Willpower" : "you must raise your Intelligence";
    EXPECT_TRUE(refuses(f, c.lore, c.group, c.rank - 1, raise)) << c.name;
    f.Click(plus);
    buy(f, c.lore, c.group, c.rank - 1);
    EXPECT_EQ(f.message_window.text + "|" + f.purchased.items.back() + "|" + f.aptitude.text,
              std::string("|") + c.name + "|" + std::to_string(5 * c.rank));
  }
}
