// Buying and selling skill ranks: the threshold ladder of the governing
// statistic, the five-rank limit, the messages and the box colours.
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

template <class Rows>
const auto& named(const Rows& rows, const std::string& name) {
  return *std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.name == name; });
}

// The ranks a skill takes at a statistic value (each threshold and one below; every skill at 8), a
// race's fraction counted in. The next rank is refused naming the statistic, or at the limit of
// five; with no CPs that refusal comes first. Selling every rank restores the box colour.
TEST(Skills, LadderOfThresholdsLimitAndNoCPs) {
  struct Case { int race, background; const char *stat, *skill; int at, ranks; const char* after; };
  std::vector<Case> cases = {
      {-1, kRaisedByOrcs, "CH", "persuasion", 5, 0, "0"}, {-1, kRaisedByOrcs, "CH", "persuasion", 6, 1, "1"},
      {-1, kRaisedByOrcs, "CH", "persuasion", 8, 1, "1"}, {-1, kRaisedByOrcs, "CH", "persuasion", 9, 2, "2"},
      {-1, kRaisedByOrcs, "CH", "persuasion", 11, 2, "2"}, {-1, kRaisedByOrcs, "CH", "persuasion", 12, 3, "3"},
      {-1, -1, "DX", "bow", 14, 3, "3"}, {-1, -1, "DX", "bow", 15, 4, "4"}, {-1, -1, "DX", "bow", 17, 4, "4"},
      {-1, -1, "DX", "bow", 18, 5, "5"}, {kDwarf, -1, "IN", "repair", 8, 1, "1.5"},
      {kElfMale, -1, "IN", "repair", 15, 5, "4.5"},  // the limit is checked before the ladder
      {kHalfOrcMale, -1, "DX", "melee", 8, 1, "1.5"}, {kHalfElfMale, -1, "DX", "picklocks", 9, 3, "2.75"},
      {kHalfling, -1, "DX", "dodge", 10, 2, "2.25"}, {kGnome, -1, "WP", "haggle", 10, 2, "2.5"}};
  for (const SkillRow& s : kSkillRows) cases.push_back({-1, -1, "ST", s.name, 8, 1, "1"});
  for (const Case& c : cases) {
    const SkillRow& s = named(kSkillRows, c.skill);
    const StatRow& st = named(kStatRows, c.stat);
    SCOPED_TRACE(std::string(c.skill) + " at " + std::to_string(c.at));
    Form1 f = started();
    if (c.race >= 0) applyRace(f, c.race);
    if (c.background >= 0) applyBackground(f, c.background);
    levelTo(f, 50);
    raiseTo(f, st.plus, f.*st.adjusted, c.at);
    ASSERT_EQ(num(f.*st.adjusted), c.at);
    const Form1State start = f;
    f.message_window.text = "old";
    press(f, s.minus);  // nothing bought: only the message box is emptied
    EXPECT_TRUE(same(f, start));
    press(f, s.plus, c.ranks);  // green from the first rank, CPs and aptitude kept in step
    EXPECT_EQ((f.*s.box).text + " " + brokenBookkeeping(f), std::string(c.after) + " ");
    Form1State want = f;
    press(f, s.plus);
    if (c.ranks < 5) want.ok_flag = kFalse;
    want.message_window.text = c.ranks == 5 ? std::string("you can't raise this skill any higher")
                                            : std::string("You must raise your ") + s.governedBy + " first";
    EXPECT_TRUE(same(f, want));
    press(f, s.minus, c.ranks + 1);  // the normal colour, the CPs and the aptitude come back
    want = start;
    want.ok_flag = f.ok_flag;
    EXPECT_TRUE(same(f, want));
    press(f, s.plus, c.ranks);
    press(f, Ctl::Hitpoints_plus, f.CP_pool);
    want = f;
    press(f, s.plus);
    want.message_window.text = "No CPs left";
    EXPECT_TRUE(same(f, want));
  }
}

}  // namespace
