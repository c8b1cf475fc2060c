// Buying and selling primary statistics, hit points and fatigue, and the
// values derived from the adjusted statistics.
#include <gtest/gtest.h>

#include <utility>
#include <sstream>
#include <string>
#include <vector>

#include "core/form1.h"

namespace {

using namespace kethmor;

Form1 started() {
  Form1 f;
  f.Form_Load();
  return f;
}

void doubleClick(Form1& f, Ctl list, int row) {
  f.selectEntry(list, row);
  f.DblClick(list);
}
void applyRace(Form1& f, int entry) { doubleClick(f, Ctl::Race_Selection, entry); }
void applyBackground(Form1& f, int index) { doubleClick(f, Ctl::Background_Selection, index); }
void buySpell(Form1& f, int college, int spell) {
  f.Click(Ctl::Magick_select);
  f.selectEntry(Ctl::Magick_list, college);
  doubleClick(f, Ctl::Spell_list, spell);
}
void buySchematic(Form1& f, int discipline, int schematic) {
  f.Click(Ctl::Tech_select);
  f.selectEntry(Ctl::Tech_list, discipline);
  doubleClick(f, Ctl::Schematic_list, schematic);
}
void press(Form1& f, Ctl button, int times = 1) {
  for (int i = 0; i < times; ++i) f.Click(button);
}

// Names every control and counter in which two states differ.
std::string differences(const Form1State& got, const Form1State& want) {
  Form1 g, w;
  static_cast<Form1State&>(g) = got;
  static_cast<Form1State&>(w) = want;
  std::ostringstream out;
  for (int i = 0; i < kControlCount; ++i) {
    const Control& a = g.ctl(static_cast<Ctl>(i));
    const Control& b = w.ctl(static_cast<Ctl>(i));
    if (!(a == b))
      out << info(static_cast<Ctl>(i)).name << ": got \"" << a.text << "\" back " << std::hex
          << a.back << ", want \"" << b.text << "\" back " << b.back << std::dec << "\n";
  }
#define CMP(m) \
  if (got.m != want.m) out << #m << ": got " << got.m << ", want " << want.m << "\n";
  CMP(ok_flag) CMP(cpstat_ST) CMP(cpstat_CN) CMP(cpstat_DX) CMP(cpstat_CH) CMP(cpstat_IN)
  CMP(cpstat_WP) CMP(cpstat_PE) CMP(cpstat_BE) CMP(CP_pool) CMP(cpstat_hitpoints)
  CMP(cpstat_fatigue) CMP(skill_backcolor) CMP(aptitude_value) CMP(schematics_bought)
  CMP(spells_bought) CMP(race_aptitude) CMP(tech_aptitude_part) CMP(magick_aptitude_part)
  CMP(techskill_aptitude_part) CMP(backgroundallowed)
#undef CMP
  if (got.spell_owned != want.spell_owned) out << "spell_owned differs\n";
  if (got.schematic_owned != want.schematic_owned) out << "schematic_owned differs\n";
  if (!(got == want) && out.str().empty()) out << "skill counters differ\n";
  return out.str();
}

void expectState(const Form1& f, const Form1State& want) {
  const Form1State& got = f;
  EXPECT_TRUE(got == want) << differences(got, want);
}

// ---------------------------------------------------------------------------
// One purchase and one sale of each statistic, hit points and fatigue.

using Texts = std::vector<std::pair<Control Form1State::*, const char*>>;

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
    expectState(f, want);

    f.message_window.text = "old";
    press(f, c.minus);
    want = start;
    write(want, c.sold);
    if (c.asksFirst) want.ok_flag = kTrue;
    expectState(f, want);
  }
}

TEST(Statistics, TwoStrengthPointsFromTheStartCharacter) {
  Form1 f = started();
  press(f, Ctl::ST_plus, 2);
  EXPECT_EQ(f.Strength.text, "10");
  EXPECT_EQ(f.Adjstrength.text, "10");
  EXPECT_EQ(f.hitpoints.text, "34");
  EXPECT_EQ(f.fatigue.text, "30");
  EXPECT_EQ(f.CPs_remaining.text, "3");
  EXPECT_EQ(f.CP_pool, 3);
  EXPECT_EQ(f.cpstat_ST, 2);
  EXPECT_EQ(f.Carryweight.text, "5000");
  EXPECT_EQ(f.Damagebonus.text, "0");
}

// ---------------------------------------------------------------------------
// The limit of 20 and the CP test before it.

TEST(Statistics, BaseStopsSilentlyAtTwentyAndNoCPsIsTestedFirst) {
  struct Case {
    const char* name;
    Ctl plus;
    Control Form1State::*base;
    Control Form1State::*adj;
  };
  const std::vector<Case> cases = {
      {"ST", Ctl::ST_plus, &Form1State::Strength, &Form1State::Adjstrength},
      {"CN", Ctl::CN_plus, &Form1State::Constitution, &Form1State::Adjconstitution},
      {"DX", Ctl::DX_plus, &Form1State::Dexterity, &Form1State::Adjdexterity},
      {"BE", Ctl::BE_plus, &Form1State::Beauty, &Form1State::Adjbeauty},
      {"IN", Ctl::IN_plus, &Form1State::Intelligence, &Form1State::Adjintelligence},
      {"WP", Ctl::WP_plus, &Form1State::Willpower, &Form1State::Adjwillpower},
      {"PE", Ctl::PE_plus, &Form1State::Perception, &Form1State::Adjperception},
      {"CH", Ctl::CH_plus, &Form1State::Charisma, &Form1State::Adjcharisma},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    press(f, Ctl::levelup, 7);  // level 8: 5 + 8 CPs
    ASSERT_EQ(f.CP_pool, 13);
    press(f, c.plus, 12);
    EXPECT_EQ((f.*c.base).text, "20");
    EXPECT_EQ((f.*c.adj).text, "20");
    EXPECT_EQ(f.CP_pool, 1);
    EXPECT_EQ(f.CPs_remaining.text, "1");

    // At 20 with a CP left: nothing happens, the message box included.
    f.message_window.text = "keep";
    Form1State want = f;
    press(f, c.plus);
    expectState(f, want);

    // With no CP left the CP test speaks first.
    press(f, Ctl::Hitpoints_plus);
    ASSERT_EQ(f.CP_pool, 0);
    want = f;
    press(f, c.plus);
    want.message_window.text = "No CPs left";
    expectState(f, want);
  }
}

TEST(Statistics, HitPointsAndFatigueHaveNoUpperBound) {
  Form1 f = started();
  press(f, Ctl::levelup, 7);  // 13 CPs, hit points and fatigue 44
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
  applyRace(f, 3);  // Gnome: adjusted WP 10
  press(f, Ctl::levelup, 7);
  press(f, Ctl::WP_plus, 13);
  EXPECT_EQ(f.Willpower.text, "20");
  EXPECT_EQ(f.Adjwillpower.text, "22");
  EXPECT_EQ(f.cpstat_WP, 12);
  EXPECT_EQ(f.CP_pool, 1);
  EXPECT_EQ(f.hitpoints.text, "58");  // 32 + 14 for the levels + 12
  EXPECT_EQ(f.fatigue.text, "54");    // 28 + 14 + 12
}

// ---------------------------------------------------------------------------
// What the ST and DX handlers do after the purchase, changed or not.

TEST(Statistics, StrengthHandlersRewriteCarryWeightAndDamageBonusAlways) {
  {
    SCOPED_TRACE("ST - with nothing bought");
    Form1 f = started();
    Form1State want = f;
    press(f, Ctl::ST_minus);
    want.Carryweight.text = "4000";
    want.Damagebonus.text = "-1";
    expectState(f, want);
  }
  {
    SCOPED_TRACE("ST + with no CPs left");
    Form1 f = started();
    press(f, Ctl::CN_plus, 5);
    EXPECT_EQ(f.Carryweight.text, "000");
    Form1State want = f;
    press(f, Ctl::ST_plus);
    want.message_window.text = "No CPs left";
    want.Carryweight.text = "4000";
    want.Damagebonus.text = "-1";
    expectState(f, want);
  }
  {
    SCOPED_TRACE("ST + at 20");
    Form1 f = started();
    press(f, Ctl::levelup, 7);
    press(f, Ctl::ST_plus, 12);
    EXPECT_EQ(f.Carryweight.text, "10000");
    EXPECT_EQ(f.Damagebonus.text, "20");
    EXPECT_EQ(f.hitpoints.text, "68");  // 30 + 14 + 24
    // Stale texts show whether the limit still rewrites the two boxes.
    f.Carryweight.text = "000";
    f.Damagebonus.text = "00";
    f.message_window.text = "keep";
    Form1State want = f;
    press(f, Ctl::ST_plus);
    want.Carryweight.text = "10000";
    want.Damagebonus.text = "20";
    expectState(f, want);
  }
}

TEST(Statistics, DexterityHandlersRewriteArmourAndSpeedAlways) {
  Form1 f = started();
  Form1State want = f;
  press(f, Ctl::DX_minus);
  want.ACadj.text = "-2";
  want.Speed.text = "8";
  expectState(f, want);

  press(f, Ctl::levelup, 7);
  press(f, Ctl::DX_plus, 12);
  EXPECT_EQ(f.ACadj.text, "10");
  EXPECT_EQ(f.Speed.text, "25");
  f.ACadj.text = "00";
  f.Speed.text = "00";
  want = f;
  press(f, Ctl::DX_plus);  // at 20: nothing bought
  want.ACadj.text = "10";
  want.Speed.text = "25";
  expectState(f, want);
}

// ---------------------------------------------------------------------------
// Selling sells every skill rank first.

TEST(Statistics, SellingAPointSellsEverySkillRankFirst) {
  for (const StatCase& c : statCases()) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyRace(f, 0);  // Dwarf: tech skills 0.5, aptitude 15 toward technology
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
    expectState(f, want);
  }
}

TEST(Statistics, SellingWithNothingBoughtSellsNoSkillAndEmptiesTheMessage) {
  for (const StatCase& c : statCases()) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyRace(f, 0);
    press(f, Ctl::bow_plus);
    press(f, Ctl::Repair_plus);
    f.message_window.text = "old";
    Form1State want = f;
    press(f, c.minus);
    want.message_window.text = "";
    expectState(f, want);
  }
}

// ---------------------------------------------------------------------------
// Lowering willpower and intelligence against the spells and schematics
// owned: judged on the adjusted value, on which they were bought.

TEST(Statistics, WillpowerLoweringIsJudgedOnTheAdjustedValue) {
  Form1 f = started();
  applyRace(f, 11);        // Human/male
  applyBackground(f, 28);  // Ran Away with the Circus: WP -3
  ASSERT_EQ(f.Adjwillpower.text, "5");
  press(f, Ctl::WP_plus);
  ASSERT_EQ(f.Willpower.text, "9");
  ASSERT_EQ(f.Adjwillpower.text, "6");
  buySpell(f, 0, 0);
  ASSERT_EQ(f.purchased.items, std::vector<std::string>{"Unseen Force"});
  ASSERT_EQ(f.CP_pool, 3);

  // Adjusted 6 would fall to 5, below the rank-1 threshold (the base box,
  // 9, would have allowed it).
  Form1State want = f;
  press(f, Ctl::WP_minus);
  want.message_window.text = "can't lower due to spells purchased";
  want.ok_flag = kFalse;
  expectState(f, want);

  // One more point makes room for one lowering.
  press(f, Ctl::WP_plus);
  ASSERT_EQ(f.Adjwillpower.text, "7");
  press(f, Ctl::WP_minus);
  EXPECT_EQ(f.message_window.text, "");
  EXPECT_EQ(f.Willpower.text, "9");
  EXPECT_EQ(f.Adjwillpower.text, "6");
  EXPECT_EQ(f.CP_pool, 3);
  EXPECT_EQ(f.spell_owned[0][0], kTrue);
  want = f;
  press(f, Ctl::WP_minus);
  want.message_window.text = "can't lower due to spells purchased";
  want.ok_flag = kFalse;
  expectState(f, want);
}

TEST(Statistics, IntelligenceLoweringIsJudgedOnTheAdjustedValue) {
  struct Case {
    const char* name;
    int background;
    int pointsBought;
    const char* base;
  };
  // Adjusted IN is 7, the rank-1 threshold, while the base box is higher.
  const std::vector<Case> cases = {
      {"Ran Away with the Circus (IN -2), one point", 28, 1, "9"},
      {"Bully (IN -1), no point", 6, 0, "8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyRace(f, 11);
    applyBackground(f, c.background);
    press(f, Ctl::IN_plus, c.pointsBought);
    ASSERT_EQ(f.Intelligence.text, c.base);
    ASSERT_EQ(f.Adjintelligence.text, "7");
    buySchematic(f, 0, 0);
    ASSERT_EQ(f.purchased.items, std::vector<std::string>{"Charges"});
    Form1State want = f;
    press(f, Ctl::IN_minus);
    want.message_window.text = "can't lower due to tech purchased";
    want.ok_flag = kFalse;
    expectState(f, want);
  }
}

TEST(Statistics, RaceOrBackgroundBonusLeavesRoomToLower) {
  {
    SCOPED_TRACE("Gnome: adjusted WP 10 on base 8, rank-2 spell owned");
    Form1 f = started();
    applyRace(f, 3);
    buySpell(f, 0, 0);
    buySpell(f, 0, 1);
    ASSERT_EQ(f.spells_bought, 2);
    Form1State owned = f;
    owned.ok_flag = kTrue;  // the allowed check's answer
    press(f, Ctl::WP_plus);
    ASSERT_EQ(f.Willpower.text, "9");
    ASSERT_EQ(f.Adjwillpower.text, "11");
    // Base 9 would fall below 9; adjusted 11 falls to 10, still enough.
    press(f, Ctl::WP_minus);
    expectState(f, owned);
  }
  {
    SCOPED_TRACE("Sickly human: adjusted IN 14 on base 8, rank-2 schematic owned");
    Form1 f = started();
    applyRace(f, 11);
    applyBackground(f, 32);
    buySchematic(f, 0, 0);
    buySchematic(f, 0, 1);
    ASSERT_EQ(f.schematics_bought, 2);
    Form1State owned = f;
    owned.ok_flag = kTrue;
    press(f, Ctl::IN_plus);
    ASSERT_EQ(f.Intelligence.text, "9");
    ASSERT_EQ(f.Adjintelligence.text, "15");
    press(f, Ctl::IN_minus);
    expectState(f, owned);
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
    expectState(f, want);
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
    expectState(f, want);
  }
}

TEST(Derived, CarryWeightFollowsEachStrengthPoint) {
  Form1 f = started();
  const std::vector<const char*> weights = {"4500", "5000", "5500", "6000", "6500"};
  for (const char* w : weights) {
    press(f, Ctl::ST_plus);
    EXPECT_EQ(f.Carryweight.text, w);
  }
  press(f, Ctl::ST_minus);
  EXPECT_EQ(f.Carryweight.text, "6000");
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
  expectState(f, want);
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

TEST(Derived, TwoTechRanksAndOneSpellBoughtByClicks) {
  Form1 f = started();
  press(f, Ctl::Repair_plus);
  press(f, Ctl::Firearms_plus);
  buySpell(f, 0, 0);
  EXPECT_EQ(f.CP_pool, 2);
  EXPECT_EQ(f.aptitude_value, -3);
  EXPECT_EQ(f.aptitude.text, "3");
  EXPECT_EQ(f.aptitude.back, kBrownOrange);
}

}  // namespace
