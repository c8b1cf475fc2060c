// Buying and selling skill ranks: the threshold ladder of the governing
// statistic, the five-rank limit, the messages and the box colours.
#include <gtest/gtest.h>

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
void press(Form1& f, Ctl button, int times = 1) {
  for (int i = 0; i < times; ++i) f.Click(button);
}

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
  CMP(ok_flag) CMP(CP_pool) CMP(aptitude_value) CMP(techskill_aptitude_part)
  CMP(CPspent_bow) CMP(CPspent_dodge) CMP(CPspent_melee) CMP(CPspent_throwing)
  CMP(CPspent_backstab) CMP(CPspent_pickpocket) CMP(CPspent_prowling) CMP(CPspent_spottrap)
  CMP(CPspent_gambling) CMP(CPspent_haggle) CMP(CPspent_heal) CMP(CPspent_persuasion)
  CMP(CPspent_repair) CMP(CPspent_firearms) CMP(CPspent_picklocks) CMP(CPspent_adtraps)
#undef CMP
  if (!(got == want) && out.str().empty()) out << "other counters differ\n";
  return out.str();
}

void expectState(const Form1& f, const Form1State& want) {
  const Form1State& got = f;
  EXPECT_TRUE(got == want) << differences(got, want);
}

// ---------------------------------------------------------------------------
// Every skill from the start character, where every statistic is 8.

struct Skill {
  const char* name;
  Ctl plus, minus;
  Control Form1State::*box;
  float Form1State::*counter;
  const char* word;  // the governing statistic
  bool tech;
};

const std::vector<Skill>& skills() {
  using S = Form1State;
  static const std::vector<Skill> all = {
      {"bow", Ctl::bow_plus, Ctl::bow_minus, &S::bow, &S::CPspent_bow, "Dexterity", false},
      {"dodge", Ctl::dodge_plus, Ctl::dodge_minus, &S::dodge, &S::CPspent_dodge, "Dexterity", false},
      {"melee", Ctl::melee_plus, Ctl::melee_minus, &S::melee, &S::CPspent_melee, "Dexterity", false},
      {"throwing", Ctl::throwing_plus, Ctl::throwing_minus, &S::throwing, &S::CPspent_throwing,
       "Dexterity", false},
      {"backstab", Ctl::backstab_plus, Ctl::backstab_minus, &S::backstab, &S::CPspent_backstab,
       "Dexterity", false},
      {"pickpocket", Ctl::pickpocket_plus, Ctl::pickpocket_minus, &S::pickpocket,
       &S::CPspent_pickpocket, "Dexterity", false},
      {"prowling", Ctl::prowling_plus, Ctl::prowling_minus, &S::prowling, &S::CPspent_prowling,
       "Perception", false},
      {"spottrap", Ctl::spottrap_plus, Ctl::spottrap_minus, &S::spottrap, &S::CPspent_spottrap,
       "Perception", false},
      {"gambling", Ctl::Gambling_plus, Ctl::Gambling_minus, &S::gambling, &S::CPspent_gambling,
       "Intelligence", false},
      {"haggle", Ctl::Haggle_plus, Ctl::Haggle_minus, &S::haggle, &S::CPspent_haggle, "Willpower",
       false},
      {"heal", Ctl::Heal_plus, Ctl::Heal_minus, &S::heal, &S::CPspent_heal, "Intelligence", false},
      {"persuasion", Ctl::Persausion_plus, Ctl::Persausion_minus, &S::persuasion,
       &S::CPspent_persuasion, "Charisma", false},
      {"repair", Ctl::Repair_plus, Ctl::Repair_minus, &S::repair, &S::CPspent_repair,
       "Intelligence", true},
      {"firearms", Ctl::Firearms_plus, Ctl::Firearms_minus, &S::firearms, &S::CPspent_firearms,
       "Dexterity", true},
      {"picklocks", Ctl::Picklocks_plus, Ctl::Picklocks_minus, &S::picklocks,
       &S::CPspent_picklocks, "Dexterity", true},
      {"adtraps", Ctl::ADTraps_plus, Ctl::ADTraps_minus, &S::adtraps, &S::CPspent_adtraps,
       "Perception", true},
  };
  return all;
}

TEST(Skills, EachSkillOneRankAtEightThenItsStatisticIsNamed) {
  for (const Skill& s : skills()) {
    SCOPED_TRACE(s.name);
    Form1 f = started();
    ASSERT_EQ(f.skill_backcolor, kSysWindow);
    const Form1State start = f;

    // "-" with nothing bought: the message box is emptied, nothing else.
    f.message_window.text = "old";
    press(f, s.minus);
    expectState(f, start);

    // The first rank: green, one CP, the aptitude 4 toward technology for
    // a tech skill and untouched otherwise.
    f.message_window.text = "old";
    press(f, s.plus);
    Form1State want = start;
    want.ok_flag = kTrue;
    want.*s.counter = 1;
    (want.*s.box).text = "1";
    (want.*s.box).back = kGreen;
    want.CP_pool = 4;
    want.CPs_remaining.text = "4";
    if (s.tech) {
      want.techskill_aptitude_part = -4;
      want.aptitude_value = -4;
      want.aptitude.text = "4";
      want.aptitude.back = kBrownOrange;
    }
    expectState(f, want);

    // The second rank needs the statistic at 9.
    press(f, s.plus);
    want.ok_flag = kFalse;
    want.message_window.text = std::string("You must raise your ") + s.word + " first";
    expectState(f, want);

    // Selling the rank restores the normal colour, the CP and the aptitude.
    press(f, s.minus);
    want = start;
    want.ok_flag = kFalse;
    expectState(f, want);
    EXPECT_EQ((f.*s.box).back, f.skill_backcolor);
  }
}

// ---------------------------------------------------------------------------
// The ladder: how many ranks a skill at 0 takes at a statistic value.

TEST(Skills, LadderOfThresholds) {
  struct Case {
    int s;          // the adjusted governing statistic
    bool charisma;  // persuasion on a human raised by orcs (CH 2), else bow (DX 8)
    int ranks;
  };
  const std::vector<Case> cases = {
      {2, true, 0},   {5, true, 0},   {6, true, 1},   {8, true, 1},   {9, true, 2},
      {11, true, 2},  {12, true, 3},  {14, true, 3},  {8, false, 1},  {14, false, 3},
      {15, false, 4}, {17, false, 4}, {18, false, 5}, {20, false, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.charisma ? "persuasion at CH " : "bow at DX ") + std::to_string(c.s));
    Form1 f = started();
    applyRace(f, 11);
    if (c.charisma) applyBackground(f, 25);  // Raised by Orcs: CH -6
    press(f, Ctl::levelup, 49);              // 64 CPs
    const Ctl statPlus = c.charisma ? Ctl::CH_plus : Ctl::DX_plus;
    press(f, statPlus, c.s - (c.charisma ? 2 : 8));
    const Control& stat = c.charisma ? f.Adjcharisma : f.Adjdexterity;
    ASSERT_EQ(stat.text, std::to_string(c.s));

    const Ctl plus = c.charisma ? Ctl::Persausion_plus : Ctl::bow_plus;
    Control Form1State::*box = c.charisma ? &Form1State::persuasion : &Form1State::bow;
    const int before = f.CP_pool;
    for (int r = 1; r <= c.ranks; ++r) {
      press(f, plus);
      EXPECT_EQ((f.*box).text, std::to_string(r));
      EXPECT_EQ(f.message_window.text, "");
    }
    EXPECT_EQ(f.CP_pool, before - c.ranks);
    EXPECT_EQ((f.*box).back, c.ranks > 0 ? kGreen : f.skill_backcolor);

    Form1State want = f;
    press(f, plus);
    want.ok_flag = c.ranks == 5 ? want.ok_flag : kFalse;
    want.message_window.text = c.ranks == 5 ? "you can't raise this skill any higher"
                               : c.charisma ? "You must raise your Charisma first"
                                            : "You must raise your Dexterity first";
    expectState(f, want);
  }
}

// A race or background modifier counts toward the skill value that the
// ladder compares, so fractions shift it.
TEST(Skills, FractionalStartValuesShiftTheLadder) {
  struct Case {
    const char* name;
    int race;
    Ctl plus;
    Control Form1State::*box;
    int ranks;
    const char* after;
    const char* word;
  };
  using S = Form1State;
  const std::vector<Case> cases = {
      {"elf repair -0.5 at IN 8", 2, Ctl::Repair_plus, &S::repair, 2, "1.5", "Intelligence"},
      {"dwarf repair 0.5 at IN 8", 0, Ctl::Repair_plus, &S::repair, 1, "1.5", "Intelligence"},
      {"half-orc melee 0.5 at DX 8", 9, Ctl::melee_plus, &S::melee, 1, "1.5", "Dexterity"},
      {"half-elf picklocks -0.25 at DX 9", 5, Ctl::Picklocks_plus, &S::picklocks, 3, "2.75",
       "Dexterity"},
      {"halfling dodge 0.25 at DX 10", 6, Ctl::dodge_plus, &S::dodge, 2, "2.25", "Dexterity"},
      {"halfling prowling 0.5 at PE 8", 6, Ctl::prowling_plus, &S::prowling, 1, "1.5",
       "Perception"},
      {"half-ogre prowling -0.5 at PE 8", 7, Ctl::prowling_plus, &S::prowling, 2, "1.5",
       "Perception"},
      {"gnome haggle 0.5 at WP 10", 3, Ctl::Haggle_plus, &S::haggle, 2, "2.5", "Willpower"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    applyRace(f, c.race);
    press(f, c.plus, c.ranks);
    EXPECT_EQ((f.*c.box).text, c.after);
    EXPECT_EQ(f.CP_pool, 5 - c.ranks);
    Form1State want = f;
    press(f, c.plus);
    want.ok_flag = kFalse;
    want.message_window.text = std::string("You must raise your ") + c.word + " first";
    expectState(f, want);
  }
}

TEST(Skills, HalfOrcSecondMeleeRankWaitsForDexterityNine) {
  Form1 f = started();
  applyRace(f, 9);  // Half-Orc/male: melee 0.5, DX 8
  press(f, Ctl::melee_plus, 2);
  EXPECT_EQ(f.melee.text, "1.5");
  EXPECT_EQ(f.message_window.text, "You must raise your Dexterity first");
  press(f, Ctl::DX_plus);
  press(f, Ctl::melee_plus);
  EXPECT_EQ(f.melee.text, "2.5");
  EXPECT_EQ(f.CPspent_melee, 2);
  EXPECT_EQ(f.CP_pool, 2);
  EXPECT_EQ(f.melee.back, kGreen);

  // Selling ignores the ladder; the colour stays green until no rank is left.
  press(f, Ctl::melee_minus);
  EXPECT_EQ(f.melee.text, "1.5");
  EXPECT_EQ(f.melee.back, kGreen);
  press(f, Ctl::melee_minus);
  EXPECT_EQ(f.melee.text, "0.5");
  EXPECT_EQ(f.melee.back, f.skill_backcolor);
  EXPECT_EQ(f.CP_pool, 4);
  EXPECT_EQ(f.CPs_remaining.text, "4");
}

// ---------------------------------------------------------------------------
// The order of the tests: CPs, then the five-rank limit, then the ladder.

TEST(Skills, FiveRankLimitIsTestedBeforeTheLadder) {
  Form1 f = started();
  applyRace(f, 2);  // Elf/male: repair -0.5, aptitude 15 toward magick
  press(f, Ctl::levelup, 7);  // 13 CPs
  press(f, Ctl::IN_plus, 7);
  ASSERT_EQ(f.Adjintelligence.text, "15");
  press(f, Ctl::Repair_plus, 5);  // -0.5 up to 4.5, all below 4 before each rank
  EXPECT_EQ(f.repair.text, "4.5");
  EXPECT_EQ(f.CPspent_repair, 5);
  EXPECT_EQ(f.aptitude.text, "5");  // 15 - 20
  EXPECT_EQ(f.aptitude.back, kBrownOrange);
  // At IN 15 the ladder would refuse 4.5 with the Intelligence message.
  Form1State want = f;
  press(f, Ctl::Repair_plus);
  want.message_window.text = "you can't raise this skill any higher";
  expectState(f, want);
}

TEST(Skills, NoCPsIsTestedBeforeTheLimitAndTheLadder) {
  Form1 f = started();
  press(f, Ctl::levelup, 10);  // level 11: 17 CPs
  press(f, Ctl::DX_plus, 10);
  press(f, Ctl::bow_plus, 5);
  press(f, Ctl::prowling_plus);  // PE 8: a second rank would need PE 9
  press(f, Ctl::Hitpoints_plus);
  ASSERT_EQ(f.CP_pool, 0);
  ASSERT_EQ(f.CPspent_bow, 5);
  for (Ctl plus : {Ctl::bow_plus, Ctl::prowling_plus, Ctl::spottrap_plus}) {
    SCOPED_TRACE(info(plus).name);
    Form1State want = f;
    press(f, plus);
    want.message_window.text = "No CPs left";
    expectState(f, want);
  }
}

TEST(Skills, TechRanksMoveTheAptitudeFourEach) {
  Form1 f = started();
  press(f, Ctl::DX_plus);  // DX 9: two ranks
  press(f, Ctl::Firearms_plus, 2);
  press(f, Ctl::bow_plus, 2);
  EXPECT_EQ(f.aptitude_value, -8);
  EXPECT_EQ(f.aptitude.text, "8");
  press(f, Ctl::Firearms_minus);
  EXPECT_EQ(f.aptitude_value, -4);
  press(f, Ctl::bow_minus, 2);
  EXPECT_EQ(f.aptitude_value, -4);
  press(f, Ctl::Firearms_minus);
  EXPECT_EQ(f.aptitude_value, 0);
  EXPECT_EQ(f.aptitude.text, "0");
  EXPECT_EQ(f.aptitude.back, kWhite);
  EXPECT_EQ(f.CP_pool, 4);
}

}  // namespace
