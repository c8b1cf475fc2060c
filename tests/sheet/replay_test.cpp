// The replay: a start from race and background entries and the typed texts, purchases by order code
// through the handlers, and the first purchase refused.
#include "sheet/replay.h"
#include "sheet/sheet.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

// The start is the one a player reaches by applying the race, then the background.
TEST(Replay, StartsAsThePlayerAppliesTheRaceAndBackground) {
  Form1 f;
  replayStart(f, {kDwarf, kClanlessDwarf, "Borin", "a smith's son"});
  Form1 want = raceWithBackground(kDwarf, kClanlessDwarf);
  want.PCname.text = "Borin", want.alternativebackground.text = "a smith's son";
  EXPECT_EQ(sheet::sheetBytes(f), sheet::sheetBytes(want)) << "the dwarf's sheet";
  EXPECT_EQ(f.purchase_order, "") << "nothing bought";
}

// A character's captions name its entries; "none" is the window as it opens, "None" a race alone.
TEST(Replay, StartOfReadsTheCaptions) {
  struct Row { const char *name, *race, *background; int wantRace, wantBackground; bool known; };
  const Row rows[] = {{"as opened", "Human/male", "none", -1, -1, true},
                      {"race alone", "Dwarf", "None", kDwarf, -1, true},
                      {"race and background", "Dwarf", "Clanless Dwarf", kDwarf, kClanlessDwarf, true},
                      {"no such race", "Dwarrf", "None", -1, -1, false},
                      {"no such background", "Dwarf", "Clanless", -1, -1, false}};
  for (const Row& r : rows) {
    Form1State shown;
    shown.Current_race.text = r.race, shown.Current_background.text = r.background;
    const std::optional<ReplayStart> s = startOf(shown);
    ASSERT_EQ(s.has_value(), r.known) << r.name;
    if (!s) continue;
    EXPECT_EQ(s->race, r.wantRace) << r.name << ": race entry";
    EXPECT_EQ(s->background, r.wantBackground) << r.name << ": background entry";
  }
}

// buyAll makes the purchases in order and stops at the first refused, telling its index; what went
// before stays bought.
TEST(Replay, BuyAllStopsAtTheFirstRefusedPurchase) {
  const char bow = static_cast<char>(kOrderSkill), strength = 0;
  const char unseenForce = static_cast<char>(kOrderSpell), shadowShift = static_cast<char>(kOrderSpell + 2);
  struct Row { const char* name; std::string order; int refused; std::string bought; };
  const Row rows[] = {{"all bought", {strength, bow, unseenForce}, -1, {strength, bow, unseenForce}},
                      {"a rank-3 spell refused at level 1", {strength, shadowShift, bow}, 1, {strength}},
                      {"the sixth CP is not there", std::string(6, strength), 5, std::string(5, strength)}};
  for (const Row& r : rows) {
    Form1 f;
    replayStart(f, {kHumanMale, -1});
    EXPECT_EQ(buyAll(f, r.order), r.refused) << r.name << ": the refused purchase";
    EXPECT_EQ(f.purchase_order, r.bought) << r.name << ": the purchases made";
  }
}

// What an order code buys is named as the plan names it, by the codes the first builds had; a spell bought is owned.
TEST(Replay, PurchaseNamesAndOwnership) {
  const struct { int code; const char* name; } named[] = {{0, "Strength"}, {7, "Charisma"}, {8, "Hit points"}, {9, "Fatigue"},
      {10, "Bow"}, {25, "Spot Trap"}, {26, "Unseen Force"}, {105, "Tempus Fugit"}, {106, "Charges"}, {161, "Revitalizer"}};
  for (const auto& [code, name] : named) EXPECT_EQ(purchaseName(code), name) << "order code " << code;
  Form1 f;
  replayStart(f, {kHumanMale, -1});
  EXPECT_FALSE(owned(f, kOrderSpell)) << "not owned before it is bought";
  ASSERT_TRUE(buy(f, kOrderSpell)) << "bought";
  EXPECT_TRUE(owned(f, kOrderSpell)) << "owned once bought";
  EXPECT_FALSE(buy(f, kOrderSpell)) << "an owned spell is not bought again";
}

}  // namespace
