// Buying and selling primary statistics, hit points and fatigue, and the
// values derived from the adjusted statistics.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

// ---------------------------------------------------------------------------
// One purchase and one sale of each statistic, hit points and fatigue.

using Texts = std::vector<std::pair<Box, const char*>>;

void write(Form1State& e, const Texts& texts) {
  for (const auto& [box, text] : texts) (e.*box).text = text;
}

struct StatCase {
  const char* name;
  Ctl plus, minus;
  std::int16_t Form1State::*counter;
  Texts bought;  // the boxes one purchase changes
  Texts sold;    // what a sale leaves besides the start values
  // WP and IN "-" ask the spells or schematics first; the answer stays in
  // ok_flag.
  bool asksFirst = false;
};

const std::vector<StatCase>& statCases() {
  using S = Form1State;
  static const std::vector<StatCase> cases = {
      {"ST", Ctl::ST_plus, Ctl::ST_minus, &S::cpstat_ST,
       {{&S::Strength, "9"}, {&S::Adjstrength, "9"}, {&S::hitpoints, "32"},
        {&S::Carryweight, "4500"}, {&S::Damagebonus, "0"}},
       {{&S::Carryweight, "4000"}, {&S::Damagebonus, "-1"}}},
      {"CN", Ctl::CN_plus, Ctl::CN_minus, &S::cpstat_CN,
       {{&S::Constitution, "9"}, {&S::Adjconstitution, "9"}, {&S::fatigue, "32"}}, {}},
      {"DX", Ctl::DX_plus, Ctl::DX_minus, &S::cpstat_DX,
       {{&S::Dexterity, "9"}, {&S::Adjdexterity, "9"}, {&S::ACadj, "-1"}, {&S::Speed, "9"}},
       {{&S::ACadj, "-2"}, {&S::Speed, "8"}}},
      {"BE", Ctl::BE_plus, Ctl::BE_minus, &S::cpstat_BE,
       {{&S::Beauty, "9"}, {&S::Adjbeauty, "9"}}, {}},
      {"IN", Ctl::IN_plus, Ctl::IN_minus, &S::cpstat_IN,
       {{&S::Intelligence, "9"}, {&S::Adjintelligence, "9"}}, {}, true},
      {"WP", Ctl::WP_plus, Ctl::WP_minus, &S::cpstat_WP,
       {{&S::Willpower, "9"}, {&S::Adjwillpower, "9"}, {&S::hitpoints, "31"}, {&S::fatigue, "31"}},
       {}, true},
      {"PE", Ctl::PE_plus, Ctl::PE_minus, &S::cpstat_PE,
       {{&S::Perception, "9"}, {&S::Adjperception, "9"}}, {}},
      {"CH", Ctl::CH_plus, Ctl::CH_minus, &S::cpstat_CH,
       {{&S::Charisma, "9"}, {&S::Adjcharisma, "9"}}, {}},
      {"hitpoints", Ctl::Hitpoints_plus, Ctl::Hitpoints_minus, &S::cpstat_hitpoints,
       {{&S::hitpoints, "34"}, {&S::dummy, "1"}}, {}},
      {"fatigue", Ctl::Fatigue_plus, Ctl::Fatigue_minus, &S::cpstat_fatigue,
       {{&S::fatigue, "34"}, {&S::dummy, "1"}}, {}},
  };
  return cases;
}

TEST(Statistics, OnePurchaseAndOneSaleChangeExactlyTheirBoxes) {
  for (const StatCase& c : statCases()) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    const Form1State start = f;

    f.message_window.text = "old";
    press(f, c.plus);
    Form1State want = start;
    want.CP_pool = 4;
    want.CPs_remaining.text = "4";
    want.*c.counter = 1;
    write(want, c.bought);
    EXPECT_TRUE(same(f, want));

    f.message_window.text = "old";
    press(f, c.minus);
    want = start;
    write(want, c.sold);
    if (c.asksFirst) want.ok_flag = kTrue;
    EXPECT_TRUE(same(f, want));
  }
}

// ---------------------------------------------------------------------------
// The limit of 20 and the CP test before it.

TEST(Statistics, BaseStopsSilentlyAtTwentyAndNoCPsIsTestedFirst) {
  for (const StatRow& s : kStats) {
    SCOPED_TRACE(s.name);
    Form1 f = started();
    levelTo(f, 8);  // 5 + 8 CPs
    ASSERT_EQ(f.CP_pool, 13);
    press(f, s.plus, 12);
    EXPECT_EQ((f.*s.base).text, "20");
    EXPECT_EQ((f.*s.adjusted).text, "20");
    EXPECT_EQ(f.CP_pool, 1);
    EXPECT_EQ(f.CPs_remaining.text, "1");

    // At 20 with a CP left: nothing happens, the message box included.
    f.message_window.text = "keep";
    Form1State want = f;
    press(f, s.plus);
    EXPECT_TRUE(same(f, want));

    // With no CP left the CP test speaks first.
    press(f, Ctl::Hitpoints_plus);
    ASSERT_EQ(f.CP_pool, 0);
    want = f;
    press(f, s.plus);
    want.message_window.text = "No CPs left";
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Statistics, HitPointsAndFatigueHaveNoUpperBound) {
  Form1 f = started();
  levelTo(f, 8);  // 13 CPs, hit points and fatigue 44
  press(f, Ctl::Hitpoints_plus, 13);
  EXPECT_EQ(f.hitpoints.text, "96");
  EXPECT_EQ(f.cpstat_hitpoints, 13);
  EXPECT_EQ(f.CP_pool, 0);
  press(f, Ctl::Fatigue_plus);
  EXPECT_EQ(f.message_window.text, "No CPs left");
  EXPECT_EQ(f.fatigue.text, "44");
}

TEST(Statistics, AdjustedValuePassesTwentyWhenTheRaceRaisesIt) {
  Form1 f = started();
  applyRace(f, kGnome);  // adjusted WP 10
  levelTo(f, 8);
  press(f, Ctl::WP_plus, 13);
  EXPECT_EQ(f.Willpower.text, "20");
  EXPECT_EQ(f.Adjwillpower.text, "22");
  EXPECT_EQ(f.cpstat_WP, 12);
  EXPECT_EQ(f.CP_pool, 1);
  EXPECT_EQ(f.hitpoints.text, "58");  // 32 + 14 for the levels + 12
  EXPECT_EQ(f.fatigue.text, "54");    // 28 + 14 + 12
}

// The ST and DX handlers rewrite their derived boxes after the purchase,
// whether it went through or not.
TEST(Statistics, StrengthAndDexterityHandlersRewriteTheirBoxesAlways) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    Ctl button;
    const char* message;  // afterwards; "keep" is the text before
    Texts rewritten;
  };
  using S = Form1State;
  auto none = [](Form1&) {};
  auto atTwenty = [](Ctl plus) {
    return [plus](Form1& f) { levelTo(f, 8); press(f, plus, 12); };
  };
  const std::vector<Case> cases = {
      {"ST - with nothing bought", none, Ctl::ST_minus, "",
       {{&S::Carryweight, "4000"}, {&S::Damagebonus, "-1"}}},
      {"ST + with no CPs left", [](Form1& f) { press(f, Ctl::CN_plus, 5); }, Ctl::ST_plus,
       "No CPs left", {{&S::Carryweight, "4000"}, {&S::Damagebonus, "-1"}}},
      {"ST + at 20", atTwenty(Ctl::ST_plus), Ctl::ST_plus, "keep",
       {{&S::Carryweight, "10000"}, {&S::Damagebonus, "20"}}},
      {"DX - with nothing bought", none, Ctl::DX_minus, "", {{&S::ACadj, "-2"}, {&S::Speed, "8"}}},
      {"DX + at 20", atTwenty(Ctl::DX_plus), Ctl::DX_plus, "keep",
       {{&S::ACadj, "10"}, {&S::Speed, "25"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    f.message_window.text = "keep";
    for (const auto& [box, text] : c.rewritten) (f.*box).text = "00";  // stale texts
    Form1State want = f;
    press(f, c.button);
    want.message_window.text = c.message;
    write(want, c.rewritten);
    EXPECT_TRUE(same(f, want));
  }
}

// ---------------------------------------------------------------------------
// Selling sells every skill rank first; with nothing bought it sells nothing
// and only empties the message.

TEST(Statistics, SellingAPointSellsEverySkillRankFirstAndNothingBoughtSellsNothing) {
  for (const StatCase& c : statCases()) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyRace(f, kDwarf);  // tech skills 0.5, aptitude 15 toward technology
    const Form1State start = f;
    press(f, c.plus);
    press(f, Ctl::bow_plus);
    press(f, Ctl::Repair_plus);
    ASSERT_EQ(f.CP_pool, 2);
    ASSERT_EQ(f.repair.text, "1.5");
    ASSERT_EQ(f.aptitude.text, "19");
    f.message_window.text = "old";
    press(f, c.minus);
    // Skills back to the race's values, their CPs and the point's CP back,
    // the aptitude recomputed: the dwarf as applied.
    Form1State want = start;
    want.ok_flag = kTrue;  // left by the skill purchases (and by the WP and IN checks)
    EXPECT_TRUE(same(f, want));

    Form1 g = started();
    applyRace(g, kDwarf);
    press(g, Ctl::bow_plus);
    press(g, Ctl::Repair_plus);
    g.message_window.text = "old";
    want = g;
    press(g, c.minus);
    want.message_window.text = "";
    EXPECT_TRUE(same(g, want));
  }
}

// ---------------------------------------------------------------------------
// Lowering willpower and intelligence against the spells and schematics
// owned: judged on the adjusted box, on which they were bought, not on the
// base box.

TEST(Statistics, LoweringWillpowerOrIntelligenceIsJudgedOnTheAdjustedBox) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    Ctl minus;
    std::vector<const char*> allowed;  // the adjusted box after each allowed lowering
    const char* refusal;               // the message of the next "-"; null: none follows
  };
  const char* const spells = "can't lower due to spells purchased";
  const char* const tech = "can't lower due to tech purchased";
  const std::vector<Case> cases = {
      {"circus human, WP base 10, adjusted 7, rank-1 spell",
       [](Form1& f) { applyBackground(f, kRanAwayWithTheCircus); press(f, Ctl::WP_plus, 2);
                      buySpell(f, 0, 0); }, Ctl::WP_minus, {"6"}, spells},
      {"WP 10, rank-2 spell",
       [](Form1& f) { press(f, Ctl::WP_plus, 2); buyRun(f, Lore::Magick, 6, 2); }, Ctl::WP_minus,
       {"9"}, spells},
      {"WP 19, rank-5 spell",
       [](Form1& f) { levelTo(f, 15); raiseWillpowerTo(f, 19); buyRun(f, Lore::Magick, 8, 5); },
       Ctl::WP_minus, {"18"}, spells},
      {"gnome, WP base 9, adjusted 11, rank-2 spell",
       [](Form1& f) { applyRace(f, kGnome); buyRun(f, Lore::Magick, 0, 2);
                      press(f, Ctl::WP_plus); },
       Ctl::WP_minus, {"10"}, nullptr},
      {"circus human, IN base 9, adjusted 7, rank-1 schematic",
       [](Form1& f) { applyBackground(f, kRanAwayWithTheCircus); press(f, Ctl::IN_plus);
                      buySchematic(f, 0, 0); }, Ctl::IN_minus, {}, tech},
      {"bully, IN base 8, adjusted 7, rank-1 schematic",
       [](Form1& f) { applyBackground(f, kBully); buySchematic(f, 0, 0); }, Ctl::IN_minus, {}, tech},
      {"IN 10, rank-2 schematic",
       [](Form1& f) { raiseIntelligenceTo(f, 10); buyRun(f, Lore::Tech, 2, 2); }, Ctl::IN_minus,
       {"9"}, tech},
      {"sickly human, IN base 9, adjusted 15, rank-2 schematic",
       [](Form1& f) { applyBackground(f, kSickly); buyRun(f, Lore::Tech, 0, 2);
                      press(f, Ctl::IN_plus); }, Ctl::IN_minus, {"14"}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    ASSERT_EQ(f.message_window.text, "");
    ASSERT_FALSE(f.purchased.items.empty());
    const bool will = c.minus == Ctl::WP_minus;
    const Control& base = will ? f.Willpower : f.Intelligence;
    const Control& adjusted = will ? f.Adjwillpower : f.Adjintelligence;
    for (const char* after : c.allowed) {
      const Form1State before = f;
      press(f, c.minus);
      EXPECT_EQ(f.message_window.text, "");
      EXPECT_EQ(adjusted.text, after);
      EXPECT_EQ(num(base), num(will ? before.Willpower : before.Intelligence) - 1);
      EXPECT_EQ(f.CP_pool, before.CP_pool + 1);
      EXPECT_EQ(f.purchased, before.purchased);
      EXPECT_EQ(f.spell_owned, before.spell_owned);
      EXPECT_EQ(f.schematic_owned, before.schematic_owned);
    }
    if (c.refusal == nullptr) continue;
    Form1State want = f;
    press(f, c.minus);
    want.message_window.text = c.refusal;
    want.ok_flag = kFalse;  // the answer slot holds the refusal
    EXPECT_TRUE(same(f, want));
  }
}

// ---------------------------------------------------------------------------
// The derived-value rules.

TEST(Derived, DamageBonusByAdjustedStrength) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"1", "-4"}, {"2", "-4"}, {"3", "-3"}, {"4", "-3"}, {"5", "-2"},  {"6", "-2"},  {"7", "-1"},
      {"8", "-1"}, {"9", "0"},  {"10", "0"}, {"11", "1"}, {"19", "9"}, {"20", "20"}, {"21", "21"},
  };
  Form1 f = started();
  for (const auto& [st, bonus] : cases) {
    SCOPED_TRACE(std::string("ST ") + st);
    f.Adjstrength.text = st;
    f.Damagebonus.text = "00";
    Form1State want = f;
    f.damageadj();
    want.Damagebonus.text = bonus;
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Derived, ArmourClassAndSpeedByAdjustedDexterity) {
  struct Case {
    const char* dx;
    const char* ac;
    const char* speed;
  };
  const std::vector<Case> cases = {
      {"1", "-9", "1"},  {"8", "-2", "8"},   {"10", "0", "10"},  {"14", "4", "14"},
      {"19", "9", "19"}, {"20", "10", "25"}, {"21", "11", "26"},
  };
  Form1 f = started();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("DX ") + c.dx);
    f.Adjdexterity.text = c.dx;
    f.ACadj.text = "00";
    f.Speed.text = "00";
    Form1State want = f;
    f.Armoradj();
    f.Speeddisplay();
    want.ACadj.text = c.ac;
    want.Speed.text = c.speed;
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Derived, EachStrengthPointMovesCarryWeightAndHitPoints) {
  Form1 f = started();
  const std::vector<std::pair<const char*, const char*>> steps = {
      {"4500", "32"}, {"5000", "34"}, {"5500", "36"}, {"6000", "38"}, {"6500", "40"}};
  for (const auto& [weight, hitpoints] : steps) {
    press(f, Ctl::ST_plus);
    EXPECT_EQ(f.Carryweight.text, weight);
    EXPECT_EQ(f.hitpoints.text, hitpoints);
  }
  press(f, Ctl::ST_minus);
  EXPECT_EQ(f.Carryweight.text, "6000");
  EXPECT_EQ(f.hitpoints.text, "38");
  EXPECT_EQ(f.fatigue.text, "30");
}

TEST(Derived, HitPointsAndFatigueRecomputedFromTheStatisticsOnly) {
  Form1 f = started();
  press(f, Ctl::Hitpoints_plus);
  press(f, Ctl::levelup);
  f.Adjstrength.text = "12";
  f.Adjconstitution.text = "7";
  f.Adjwillpower.text = "9";
  Form1State want = f;
  f.hpsandfatadj();
  want.hitpoints.text = "39";  // 24 + 9 + 6
  want.fatigue.text = "29";    // 14 + 9 + 6
  EXPECT_TRUE(same(f, want));
}

TEST(Derived, AptitudeMagnitudeColourAndCap) {
  struct Case {
    const char* name;
    std::int16_t race, spells, schematics;
    float repair, firearms, picklocks, adtraps;
    float value;
    const char* text;
    Colour colour;
  };
  // Run one after the other on one window, so each colour must replace the
  // one before it.
  const std::vector<Case> cases = {
      {"nothing", 0, 0, 0, 0, 0, 0, 0, 0, "0", kWhite},
      {"two tech ranks and a spell", 0, 1, 0, 1, 1, 0, 0, -3, "3", kBrownOrange},
      {"back to nothing", 0, 0, 0, 0, 0, 0, 0, 0, "0", kWhite},
      {"dwarf", -15, 0, 0, 0, 0, 0, 0, -15, "15", kBrownOrange},
      {"elf", 15, 0, 0, 0, 0, 0, 0, 15, "15", kPink},
      {"back to nothing from magick", 0, 0, 0, 0, 0, 0, 0, 0, "0", kWhite},
      {"140", 15, 25, 0, 0, 0, 0, 0, 140, "100", kPink},
      {"exactly 100", 0, 20, 0, 0, 0, 0, 0, 100, "100", kPink},
      {"101", 1, 20, 0, 0, 0, 0, 0, 101, "100", kPink},
      {"-130", -15, 0, 23, 0, 0, 0, 0, -130, "100", kBrownOrange},
      {"-130 and 30 back", -15, 6, 23, 0, 0, 0, 0, -100, "100", kBrownOrange},
      {"-130 and 31 back", -15, 7, 23, 0, 0, 1, 0, -99, "99", kBrownOrange},
      {"five ranks in every tech skill", 0, 0, 0, 5, 5, 5, 5, -80, "80", kBrownOrange},
      {"a spell against a schematic", 0, 1, 1, 0, 0, 0, 0, 0, "0", kWhite},
  };
  Form1 f = started();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    f.race_aptitude = c.race;
    f.spells_bought = c.spells;
    f.schematics_bought = c.schematics;
    f.CPspent_repair = c.repair;
    f.CPspent_firearms = c.firearms;
    f.CPspent_picklocks = c.picklocks;
    f.CPspent_adtraps = c.adtraps;
    f.displayaptitude();
    EXPECT_EQ(f.aptitude_value, c.value);
    EXPECT_EQ(f.aptitude.text, c.text);
    EXPECT_EQ(f.aptitude.back, c.colour);
    EXPECT_EQ(f.magick_aptitude_part, 5 * c.spells);
    EXPECT_EQ(f.tech_aptitude_part, -5 * c.schematics);
    EXPECT_EQ(f.techskill_aptitude_part,
              static_cast<int>(-4 * (c.repair + c.firearms + c.picklocks + c.adtraps)));
  }
}

}  // namespace
