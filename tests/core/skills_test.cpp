// Buying and selling skill ranks: the threshold ladder of the governing
// statistic, the five-rank limit, the messages and the box colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form1.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

// ---------------------------------------------------------------------------
// Every skill from the start character, where every statistic is 8.

TEST(Skills, EachSkillOneRankAtEightThenItsStatisticIsNamed) {
  for (const SkillRow& s : kSkillRows) {
    SCOPED_TRACE(s.name);
    Form1 f = started();
    ASSERT_EQ(f.skill_backcolor, kSysWindow);
    const Form1State start = f;

    // "-" with nothing bought: the message box is emptied, nothing else.
    f.message_window.text = "old";
    press(f, s.minus);
    EXPECT_TRUE(same(f, start));

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
    EXPECT_TRUE(same(f, want));

    // The second rank needs the statistic at 9.
    press(f, s.plus);
    want.ok_flag = kFalse;
    want.message_window.text = std::string("You must raise your ") + s.governedBy + " first";
    EXPECT_TRUE(same(f, want));

    // Selling the rank restores the normal colour, the CP and the aptitude.
    press(f, s.minus);
    want = start;
    want.ok_flag = kFalse;
    EXPECT_TRUE(same(f, want));
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
    if (c.charisma) applyBackground(f, kRaisedByOrcs);  // CH -6
    levelTo(f, 50);                                      // 64 CPs
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
    EXPECT_TRUE(same(f, want));
  }
}

// A race or background modifier counts toward the skill value that the
// ladder compares, so fractions shift it.
TEST(Skills, FractionalStartValuesShiftTheLadder) {
  struct Case {
    const char* what;
    int race;
    const char* skill;
    int ranks;
    const char* after;
  };
  const std::vector<Case> cases = {
      {"elf repair -0.5 at IN 8", kElfMale, "repair", 2, "1.5"},
      {"dwarf repair 0.5 at IN 8", kDwarf, "repair", 1, "1.5"},
      {"half-orc melee 0.5 at DX 8", kHalfOrcMale, "melee", 1, "1.5"},
      {"half-elf picklocks -0.25 at DX 9", kHalfElfMale, "picklocks", 3, "2.75"},
      {"halfling dodge 0.25 at DX 10", kHalfling, "dodge", 2, "2.25"},
      {"halfling prowling 0.5 at PE 8", kHalfling, "prowling", 1, "1.5"},
      {"half-ogre prowling -0.5 at PE 8", kHalfOgre, "prowling", 2, "1.5"},
      {"gnome haggle 0.5 at WP 10", kGnome, "haggle", 2, "2.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SkillRow& s = skillNamed(c.skill);
    Form1 f = started();
    applyRace(f, c.race);
    press(f, s.plus, c.ranks);
    EXPECT_EQ((f.*s.box).text, c.after);
    EXPECT_EQ(f.CP_pool, 5 - c.ranks);
    Form1State want = f;
    press(f, s.plus);
    want.ok_flag = kFalse;
    want.message_window.text = std::string("You must raise your ") + s.governedBy + " first";
    EXPECT_TRUE(same(f, want));
  }
}

// Selling ignores the ladder; the box stays green until no rank is left.
TEST(Skills, SellingIgnoresTheLadderAndRestoresTheColourAtNoRank) {
  Form1 f = started();
  applyRace(f, kHalfOrcMale);  // melee 0.5, DX 8: one rank
  press(f, Ctl::melee_plus);
  press(f, Ctl::DX_plus);
  press(f, Ctl::melee_plus);
  ASSERT_EQ(f.melee.text, "2.5");
  ASSERT_EQ(f.CPspent_melee, 2);
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
  applyRace(f, kElfMale);  // repair -0.5, aptitude 15 toward magick
  levelTo(f, 8);  // 13 CPs
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
  EXPECT_TRUE(same(f, want));
}

TEST(Skills, NoCPsIsTestedBeforeTheLimitAndTheLadder) {
  Form1 f = started();
  levelTo(f, 11);  // 17 CPs
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
    EXPECT_TRUE(same(f, want));
  }
}

}  // namespace
