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

std::string raise(const char* word) {
  return std::string("You must raise your ") + word + " first";
}

// From the start character, where every statistic is 8.
TEST(Skills, EachSkillOneRankAtEightThenItsStatisticIsNamed) {
  for (const SkillRow& s : kSkillRows) {
    SCOPED_TRACE(s.name);
    Form1 f = started();
    const Form1State start = f;
    f.message_window.text = "old";
    press(f, s.minus);  // nothing bought: only the message box is emptied
    EXPECT_TRUE(same(f, start));

    // The first rank: green, one CP, and 4 toward technology for a tech skill.
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

    press(f, s.plus);  // the second rank needs the statistic at 9
    want.ok_flag = kFalse;
    want.message_window.text = raise(s.governedBy);
    EXPECT_TRUE(same(f, want));

    press(f, s.minus);  // the normal colour, the CP and the aptitude come back
    want = start;
    want.ok_flag = kFalse;
    EXPECT_TRUE(same(f, want));
  }
}

// How many ranks a skill at 0 takes at a statistic value, at each threshold
// and one below it.
TEST(Skills, LadderOfThresholds) {
  struct Case { int s; bool charisma; int ranks; };  // persuasion at CH, or bow at DX
  const std::vector<Case> cases = {
      {5, true, 0},   {6, true, 1},   {8, true, 1},   {9, true, 2},   {11, true, 2},
      {12, true, 3},  {14, false, 3}, {15, false, 4}, {17, false, 4}, {18, false, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.charisma ? "persuasion at CH " : "bow at DX ") + std::to_string(c.s));
    Form1 f = started();
    if (c.charisma) applyBackground(f, kRaisedByOrcs);  // CH 2
    levelTo(f, 50);
    press(f, c.charisma ? Ctl::CH_plus : Ctl::DX_plus, c.s - (c.charisma ? 2 : 8));
    ASSERT_EQ((c.charisma ? f.Adjcharisma : f.Adjdexterity).text, std::to_string(c.s));
    const Ctl plus = c.charisma ? Ctl::Persausion_plus : Ctl::bow_plus;
    const Control& box = c.charisma ? f.persuasion : f.bow;
    const int before = f.CP_pool;
    press(f, plus, c.ranks);
    EXPECT_EQ(box.text, std::to_string(c.ranks));
    EXPECT_EQ(f.CP_pool, before - c.ranks);
    EXPECT_EQ(box.back, c.ranks > 0 ? kGreen : f.skill_backcolor);
    Form1State want = f;
    press(f, plus);
    if (c.ranks < 5) want.ok_flag = kFalse;
    want.message_window.text = c.ranks == 5 ? "you can't raise this skill any higher"
                                            : raise(c.charisma ? "Charisma" : "Dexterity");
    EXPECT_TRUE(same(f, want));
  }
}

// A race modifier counts toward the value that the ladder compares.
TEST(Skills, FractionalStartValuesShiftTheLadder) {
  struct Case { const char* what; int race; Ctl plus; Box box; int ranks; const char* after; };
  const std::vector<Case> cases = {
      {"elf repair -0.5 at IN 8", kElfMale, Ctl::Repair_plus, &Form1State::repair, 2, "1.5"},
      {"dwarf repair 0.5 at IN 8", kDwarf, Ctl::Repair_plus, &Form1State::repair, 1, "1.5"},
      {"half-orc melee 0.5 at DX 8", kHalfOrcMale, Ctl::melee_plus, &Form1State::melee, 1, "1.5"},
      {"half-elf picklocks -0.25 at DX 9", kHalfElfMale, Ctl::Picklocks_plus,
       &Form1State::picklocks, 3, "2.75"},
      {"halfling dodge 0.25 at DX 10", kHalfling, Ctl::dodge_plus, &Form1State::dodge, 2, "2.25"},
      {"gnome haggle 0.5 at WP 10", kGnome, Ctl::Haggle_plus, &Form1State::haggle, 2, "2.5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    applyRace(f, c.race);
    press(f, c.plus, c.ranks);
    EXPECT_EQ((f.*c.box).text, c.after);
    EXPECT_EQ(f.CP_pool, 5 - c.ranks);
    Form1State want = f;
    press(f, c.plus);
    want.ok_flag = kFalse;
    want.message_window.text = f.message_window.text;
    EXPECT_EQ(f.message_window.text.rfind("You must raise your ", 0), 0u);
    EXPECT_TRUE(same(f, want));
  }
}

// The order of the tests: CPs, then the five-rank limit, then the ladder.
TEST(Skills, NoCPsThenTheFiveRankLimitThenTheLadder) {
  Form1 f = started();
  applyRace(f, kElfMale);  // repair -0.5, aptitude 15 toward magick
  levelTo(f, 8);
  press(f, Ctl::IN_plus, 7);
  press(f, Ctl::Repair_plus, 5);  // -0.5 up to 4.5, each rank below 4 before it
  EXPECT_EQ(f.repair.text, "4.5");
  EXPECT_EQ(f.aptitude.text, "5");  // 15 - 20
  EXPECT_EQ(f.aptitude.back, kBrownOrange);
  Form1State want = f;  // at IN 15 the ladder alone would name Intelligence
  press(f, Ctl::Repair_plus);
  want.message_window.text = "you can't raise this skill any higher";
  EXPECT_TRUE(same(f, want));

  press(f, Ctl::prowling_plus);  // the last CP; at PE 8 a second rank would need PE 9
  ASSERT_EQ(f.CP_pool, 0);
  for (Ctl plus : {Ctl::Repair_plus, Ctl::prowling_plus}) {  // no CPs comes before both
    want = f;
    press(f, plus);
    want.message_window.text = "No CPs left";
    EXPECT_TRUE(same(f, want)) << info(plus).name;
  }
}

}  // namespace
