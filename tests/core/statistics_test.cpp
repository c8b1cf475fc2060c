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
using S = Form1State;
using Texts = std::vector<std::pair<Box, const char*>>;

void write(Form1State& e, const Texts& texts) {
  for (const auto& [box, text] : texts) (e.*box).text = text;
}

struct StatCase {
  const char* name;
  Ctl plus, minus;
  std::int16_t Form1State::*counter;
  Texts bought;            // the boxes one purchase changes
  Texts sold = {};         // what a sale leaves besides the start values
  bool asksFirst = false;  // WP and IN "-" ask first; the answer stays in ok_flag
};
const std::vector<StatCase> kStatCases = {
    {"ST", Ctl::ST_plus, Ctl::ST_minus, &S::cpstat_ST,
     {{&S::Strength, "9"}, {&S::Adjstrength, "9"}, {&S::hitpoints, "32"},
      {&S::Carryweight, "4500"}, {&S::Damagebonus, "0"}},
     {{&S::Carryweight, "4000"}, {&S::Damagebonus, "-1"}}},
    {"CN", Ctl::CN_plus, Ctl::CN_minus, &S::cpstat_CN,
     {{&S::Constitution, "9"}, {&S::Adjconstitution, "9"}, {&S::fatigue, "32"}}},
    {"DX", Ctl::DX_plus, Ctl::DX_minus, &S::cpstat_DX,
     {{&S::Dexterity, "9"}, {&S::Adjdexterity, "9"}, {&S::ACadj, "-1"}, {&S::Speed, "9"}},
     {{&S::ACadj, "-2"}, {&S::Speed, "8"}}},
    {"BE", Ctl::BE_plus, Ctl::BE_minus, &S::cpstat_BE, {{&S::Beauty, "9"}, {&S::Adjbeauty, "9"}}},
    {"IN", Ctl::IN_plus, Ctl::IN_minus, &S::cpstat_IN,
     {{&S::Intelligence, "9"}, {&S::Adjintelligence, "9"}}, {}, true},
    {"WP", Ctl::WP_plus, Ctl::WP_minus, &S::cpstat_WP,
     {{&S::Willpower, "9"}, {&S::Adjwillpower, "9"}, {&S::hitpoints, "31"}, {&S::fatigue, "31"}},
     {}, true},
    {"PE", Ctl::PE_plus, Ctl::PE_minus, &S::cpstat_PE,
     {{&S::Perception, "9"}, {&S::Adjperception, "9"}}},
    {"CH", Ctl::CH_plus, Ctl::CH_minus, &S::cpstat_CH,
     {{&S::Charisma, "9"}, {&S::Adjcharisma, "9"}}},
    {"hitpoints", Ctl::Hitpoints_plus, Ctl::Hitpoints_minus, &S::cpstat_hitpoints,
     {{&S::hitpoints, "34"}, {&S::dummy, "1"}}},
    {"fatigue", Ctl::Fatigue_plus, Ctl::Fatigue_minus, &S::cpstat_fatigue,
     {{&S::fatigue, "34"}, {&S::dummy, "1"}}},
};

TEST(Statistics, OnePurchaseAndOneSaleChangeExactlyTheirBoxes) {
  for (const StatCase& c : kStatCases) {
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

// A sale sells every skill rank first; with nothing bought it sells nothing
// and only empties the message.
TEST(Statistics, SellingAPointSellsEverySkillRankFirst) {
  for (const StatCase& c : kStatCases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyRace(f, kDwarf);  // tech skills 0.5, aptitude 15 toward technology
    const Form1State start = f;
    press(f, Ctl::bow_plus);
    press(f, Ctl::Repair_plus);
    f.message_window.text = "old";
    Form1State want = f;
    press(f, c.minus);
    want.message_window.text = "";
    if (c.asksFirst) want.ok_flag = kTrue;
    EXPECT_TRUE(same(f, want));

    press(f, c.plus);
    ASSERT_EQ(f.CP_pool, 2);
    ASSERT_EQ(f.aptitude.text, "19");
    press(f, c.minus);
    want = start;  // skills, CPs and aptitude back to the dwarf as applied
    want.ok_flag = kTrue;
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Statistics, BaseStopsSilentlyAtTwentyAndNoCPsIsTestedFirst) {
  for (const StatRow& s : kStats) {
    SCOPED_TRACE(s.name);
    Form1 f = started();
    levelTo(f, 8);  // 13 CPs
    press(f, s.plus, 12);
    EXPECT_EQ((f.*s.base).text, "20");
    EXPECT_EQ((f.*s.adjusted).text, "20");
    EXPECT_EQ(f.CPs_remaining.text, "1");
    f.message_window.text = "keep";
    Form1State want = f;
    press(f, s.plus);  // at 20 with a CP left: nothing, the message box included
    EXPECT_TRUE(same(f, want));
    press(f, Ctl::Hitpoints_plus);
    want = f;
    press(f, s.plus);
    want.message_window.text = "No CPs left";
    EXPECT_TRUE(same(f, want));
  }
  Form1 g = started();  // the adjusted box passes 20 when the race adds to it
  applyRace(g, kGnome);  // adjusted WP 10
  levelTo(g, 8);
  press(g, Ctl::WP_plus, 13);
  EXPECT_EQ(g.Willpower.text + " " + g.Adjwillpower.text + " " + g.hitpoints.text, "20 22 58");
}

// The ST and DX handlers rewrite their derived boxes whether the purchase or
// sale went through or not: the start texts "000" and "00" are replaced.
TEST(Statistics, StrengthAndDexterityHandlersRewriteTheirBoxesAlways) {
  Form1 f = started();
  press(f, Ctl::CN_plus, 5);
  Form1State want = f;
  press(f, Ctl::ST_plus);  // no CPs left
  want.message_window.text = "No CPs left";
  write(want, {{&S::Carryweight, "4000"}, {&S::Damagebonus, "-1"}});
  EXPECT_TRUE(same(f, want));
  Form1 g = started();
  want = g;
  press(g, Ctl::DX_minus);  // nothing bought
  write(want, {{&S::ACadj, "-2"}, {&S::Speed, "8"}});
  EXPECT_TRUE(same(g, want));
}

// The spells and schematics owned were bought on the adjusted box, so a
// lowering of Willpower or Intelligence is judged on it, not on the base box.
TEST(Statistics, LoweringWillpowerOrIntelligenceIsJudgedOnTheAdjustedBox) {
  struct Case {
    const char* what;
    std::function<void(Form1&)> setUp;
    Ctl minus;
    const char* allowedTo;  // the adjusted box after one allowed lowering, or null
    const char* refusal;    // the message of the next "-", or null
  };
  const char* const spells = "can't lower due to spells purchased";
  const char* const tech = "can't lower due to tech purchased";
  const std::vector<Case> cases = {
      {"circus human, WP base 10, adjusted 7, rank-1 spell",
       [](Form1& f) { applyBackground(f, kRanAwayWithTheCircus); press(f, Ctl::WP_plus, 2);
                      buySpell(f, 0, 0); }, Ctl::WP_minus, "6", spells},
      {"WP 19, rank-5 spell",
       [](Form1& f) { levelTo(f, 15); raiseWillpowerTo(f, 19); buyRun(f, Lore::Magick, 8, 5); },
       Ctl::WP_minus, "18", spells},
      {"gnome, WP base 9, adjusted 11, rank-2 spell",
       [](Form1& f) { applyRace(f, kGnome); buyRun(f, Lore::Magick, 0, 2);
                      press(f, Ctl::WP_plus); }, Ctl::WP_minus, "10", nullptr},
      {"circus human, IN base 9, adjusted 7, rank-1 schematic",
       [](Form1& f) { applyBackground(f, kRanAwayWithTheCircus); press(f, Ctl::IN_plus);
                      buySchematic(f, 0, 0); }, Ctl::IN_minus, nullptr, tech},
      {"bully, IN base 8 with nothing bought, adjusted 7, rank-1 schematic",
       [](Form1& f) { applyBackground(f, kBully); buySchematic(f, 0, 0); }, Ctl::IN_minus,
       nullptr, tech},
      {"IN 20, rank-7 schematic",
       [](Form1& f) { levelTo(f, 13); raiseIntelligenceTo(f, 20); buyRun(f, Lore::Tech, 3, 7); },
       Ctl::IN_minus, "19", tech},
      {"sickly human, IN base 9, adjusted 15, rank-2 schematic",
       [](Form1& f) { applyBackground(f, kSickly); buyRun(f, Lore::Tech, 0, 2);
                      press(f, Ctl::IN_plus); }, Ctl::IN_minus, "14", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.setUp(f);
    ASSERT_EQ(f.message_window.text, "");
    const Control& adjusted = c.minus == Ctl::WP_minus ? f.Adjwillpower : f.Adjintelligence;
    if (c.allowedTo) {
      const Form1State before = f;
      press(f, c.minus);
      EXPECT_EQ(f.message_window.text, "");
      EXPECT_EQ(adjusted.text, c.allowedTo);
      EXPECT_EQ(f.CP_pool, before.CP_pool + 1);
      EXPECT_EQ(f.purchased, before.purchased);
    }
    if (!c.refusal) continue;
    Form1State want = f;
    press(f, c.minus);
    want.message_window.text = c.refusal;
    want.ok_flag = kFalse;  // the answer slot holds the refusal
    EXPECT_TRUE(same(f, want));
  }
}

TEST(Derived, DamageBonusArmourClassAndSpeed) {
  // Each step changes the bonus, so every rung must write its own value.
  const std::vector<std::pair<const char*, const char*>> damage = {
      {"1", "-4"}, {"3", "-3"}, {"2", "-4"}, {"5", "-2"}, {"4", "-3"},  {"7", "-1"},  {"6", "-2"},
      {"8", "-1"}, {"9", "0"},  {"11", "1"}, {"10", "0"}, {"19", "9"}, {"20", "20"}, {"21", "21"}};
  Form1 f = started();
  for (const auto& [st, bonus] : damage) {
    f.Adjstrength.text = st;
    f.damageadj();
    EXPECT_EQ(f.Damagebonus.text, bonus) << "ST " << st;
  }
  const std::vector<std::array<const char*, 3>> dexterity = {
      {"1", "-9", "1"}, {"8", "-2", "8"}, {"10", "0", "10"}, {"19", "9", "19"},
      {"20", "10", "25"}, {"21", "11", "26"}};
  for (const auto& [dx, ac, speed] : dexterity) {
    f.Adjdexterity.text = dx;
    f.Armoradj();
    f.Speeddisplay();
    EXPECT_EQ(f.ACadj.text, ac) << "DX " << dx;
    EXPECT_EQ(f.Speed.text, speed) << "DX " << dx;
  }
}

// Run one after the other on one window, so each colour must replace the
// one before it.
TEST(Derived, AptitudeMagnitudeColourAndCap) {
  struct Case {
    std::int16_t race, spells, schematics;
    float repair, adtraps, value;
    const char* text;
    Colour colour;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0, "0", kWhite},        {0, 1, 0, 1, 1, -3, "3", kBrownOrange},
      {0, 0, 0, 0, 0, 0, "0", kWhite},        {-15, 0, 0, 0, 0, -15, "15", kBrownOrange},
      {15, 0, 0, 0, 0, 15, "15", kPink},      {0, 0, 0, 0, 0, 0, "0", kWhite},
      {15, 25, 0, 0, 0, 140, "100", kPink},   {0, 20, 0, 0, 0, 100, "100", kPink},
      {1, 20, 0, 0, 0, 101, "100", kPink},    {-15, 0, 23, 0, 0, -130, "100", kBrownOrange},
      {-15, 6, 23, 0, 0, -100, "100", kBrownOrange}, {-15, 7, 23, 0, 1, -99, "99", kBrownOrange},
      {0, 0, 0, 5, 5, -40, "40", kBrownOrange}, {0, 1, 1, 0, 0, 0, "0", kWhite},
  };
  Form1 f = started();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    f.race_aptitude = c.race;
    f.spells_bought = c.spells;
    f.schematics_bought = c.schematics;
    f.CPspent_repair = c.repair;
    f.CPspent_adtraps = c.adtraps;
    f.displayaptitude();
    EXPECT_EQ(f.aptitude_value, c.value);
    EXPECT_EQ(f.aptitude.text, c.text);
    EXPECT_EQ(f.aptitude.back, c.colour);
  }
  f.CPspent_repair = f.CPspent_adtraps = 0;
  f.CPspent_firearms = f.CPspent_picklocks = 1;  // the other two tech skills count alike
  f.displayaptitude();
  EXPECT_EQ(f.techskill_aptitude_part, -8);
  EXPECT_EQ(f.aptitude_value, -8 + 5 - 5);
}

}  // namespace
