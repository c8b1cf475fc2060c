// Buying and selling statistics, hit points and fatigue; the values derived from the statistics.
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;
using S = Form1State;
using Texts = std::vector<std::pair<Box, const char*>>;

// Besides the statistic and its adjusted box, the boxes a purchase changes, and the ST and DX boxes any
// press rewrites from their start texts. Hit points and fatigue adjust the hidden box.
struct StatCase : StatRow { Texts bought, sold = {}; };
const StatCase kStatCases[] = {
    {kStatRows[0], {{&S::hitpoints, "32"}, {&S::Carryweight, "4500"}, {&S::Damagebonus, "0"}},
     {{&S::Carryweight, "4000"}, {&S::Damagebonus, "-1"}}}, {kStatRows[1], {{&S::fatigue, "32"}}},
    {kStatRows[2], {{&S::ACadj, "-1"}, {&S::Speed, "9"}}, {{&S::ACadj, "-2"}, {&S::Speed, "8"}}},
    {kStatRows[3], {}}, {kStatRows[4], {}}, {kStatRows[5], {{&S::hitpoints, "31"}, {&S::fatigue, "31"}}},
    {kStatRows[6], {}}, {kStatRows[7], {}},
    {{"hitpoints", &S::hitpoints, &S::dummy, &S::cpstat_hitpoints, Ctl::Hitpoints_plus, Ctl::Hitpoints_minus},
     {{&S::hitpoints, "34"}}},
    {{"fatigue", &S::fatigue, &S::dummy, &S::cpstat_fatigue, Ctl::Fatigue_plus, Ctl::Fatigue_minus},
     {{&S::fatigue, "34"}}}};

// A purchase and a sale change exactly their boxes; a sale sells every skill rank first, and with
// nothing bought sells nothing. The statistics stop silently at 20; no CPs is tested first.
TEST(Statistics, BuyingSellingTheLimitOfTwentyAndNoCPs) {
  for (const StatCase& c : kStatCases) {
    SCOPED_TRACE(c.name);
    Form1 f = started();
    Form1State want = f;
    const auto expect = [&](const Texts& texts) {
      for (const auto& [box, text] : texts) (want.*box).text = text;
      EXPECT_TRUE(same(f, want));
    };
    for (Ctl b : {Ctl::bow_plus, Ctl::Repair_plus}) press(f, b);  // 4 toward technology
    const Form1State start = want;
    want = f;
    f.message_window.text = "old";
    press(f, c.minus);
    expect(c.sold);
    press(f, c.plus);
    want.CP_pool = 2, want.CPs_remaining.text = "2", want.purchase_order += static_cast<char>(&c - kStatCases);
    want.*c.counter = 1;
    (want.*c.base).text = numText(num(want.*c.base) + 1);
    (want.*c.adjusted).text = numText(num(want.*c.adjusted) + 1);
    expect(c.bought);
    press(f, c.minus);
    want = start;  // the skills, CPs and aptitude as at the start
    want.ok_flag = kTrue;
    expect(c.sold);
    levelTo(f, 8);  // 13 CPs: the 13th purchase is refused silently at 20; hit points and fatigue go on
    press(f, c.plus, 12);
    f.message_window.text = "keep";
    press(f, c.plus);
    EXPECT_EQ(f.CPs_remaining.text + " " + f.message_window.text, c.adjusted != &S::dummy ? "1 keep" : "0 ");
    press(f, Ctl::Hitpoints_plus);
    want = f;
    press(f, c.plus);
    want.message_window.text = "No CPs left";
    EXPECT_TRUE(same(f, want));
  }
  Form1 g = raceWithBackground(kGnome, kNoBackground);  // the adjusted box passes 20 when the race adds
  levelTo(g, 8), press(g, Ctl::WP_plus, 13);
  EXPECT_EQ(g.Willpower.text + " " + g.Adjwillpower.text + " " + g.hitpoints.text, "20 22 58");
}

// The spells and schematics owned were bought on the adjusted box, so a lowering of WP (spells) or IN
// (schematics) is judged on it: `allowed` lowerings go through, the next is refused or not tried.
TEST(Statistics, LoweringWillpowerOrIntelligenceIsJudgedOnTheAdjustedBox) {
  struct Case { int race, background, level; Lore lore; int at, group, ranks, allowed; const char* after;
                bool refused; };
  const Case cases[] = {
      {kHumanMale, kRanAwayWithTheCircus, 1, Lore::Magick, 7, 0, 1, 1, "6", true},  // WP base 10
      {kHumanMale, kNoBackground, 15, Lore::Magick, 19, 8, 5, 1, "18", true},
      {kGnome, kNoBackground, 1, Lore::Magick, 11, 0, 2, 1, "10", false},  // WP base 9
      {kHumanMale, kRanAwayWithTheCircus, 1, Lore::Tech, 7, 0, 1, 0, "7", true},  // IN base 9
      {kHumanMale, kBully, 1, Lore::Tech, 7, 0, 1, 0, "7", true},  // IN base 8, nothing bought
      {kHumanMale, kNoBackground, 13, Lore::Tech, 20, 3, 7, 1, "19", true},
      {kHumanMale, kSickly, 1, Lore::Tech, 15, 0, 2, 1, "14", false}};  // IN base 9
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    const bool magick = c.lore == Lore::Magick;
    const StatRow& stat = kStatRows[magick ? 5 : 4];  // WP or IN
    Form1 f = raceWithBackground(c.race, c.background);
    levelTo(f, c.level), raiseTo(f, stat.plus, f.*stat.adjusted, c.at);
    buyRun(f, c.lore, c.group, c.ranks);
    const Form1State before = f;
    press(f, stat.minus, c.allowed);
    EXPECT_EQ((f.*stat.adjusted).text + f.message_window.text, c.after);
    EXPECT_EQ(f.CP_pool, before.CP_pool + c.allowed) << c.after << ": the CPs given back";
    EXPECT_EQ(f.purchased.items, before.purchased.items) << c.after << ": the purchases kept";
    if (!c.refused) continue;
    Form1State want = f;
    press(f, stat.minus);
    want.message_window.text = magick ? "can't lower due to spells purchased" : "can't lower due to tech purchased";
    want.ok_flag = kFalse;  // the answer slot holds the refusal
    EXPECT_TRUE(same(f, want));
  }
}

// ST and DX alike on one window; every step changes the bonus, so each rung writes its own (10 from
// 11). Then the aptitude by clicks: each colour replaces the one before it; only the box stops at 100.
TEST(Derived, DamageBonusArmourClassSpeedAndAptitude) {
  const std::pair<const char*, const char*> rows[] = {
      {"1", "-4 -9 1"}, {"3", "-3 -7 3"}, {"2", "-4 -8 2"},  {"5", "-2 -5 5"},    {"4", "-3 -6 4"},
      {"7", "-1 -3 7"}, {"6", "-2 -4 6"}, {"8", "-1 -2 8"},  {"9", "0 -1 9"},     {"11", "1 1 11"},
      {"10", "0 0 10"}, {"19", "9 9 19"}, {"20", "20 10 25"}, {"21", "21 11 26"}};
  Form1 f = started();
  for (const auto& [value, want] : rows) {
    f.Adjstrength.text = f.Adjdexterity.text = value;
    f.damageadj(), f.Armoradj(), f.Speeddisplay();
    EXPECT_EQ(f.Damagebonus.text + " " + f.ACadj.text + " " + f.Speed.text, want) << value;
  }
  const auto aptitude = [&f](float value, const char* text, Colour back) {
    EXPECT_EQ(f.aptitude_value, value) << "the aptitude's value";
    EXPECT_EQ(f.aptitude.text, text) << value << ": the box's text";
    EXPECT_EQ(f.aptitude.back, back) << value << ": the box's colour";
  };
  const auto spells = [&f](int from, int to) { for (int s = from; s < to; ++s) buySpell(f, s % 16, s / 16); };
  const auto schematics = [&f](int n) { for (int d = 0; d < n; ++d) buySchematic(f, d % 8, d / 8); };
  applyRace(f, kDwarf), levelTo(f, 50), raiseTo(f, Ctl::IN_plus, f.Adjintelligence, 11);
  aptitude(-15, "15", kBrownOrange), spells(0, 3), aptitude(0, "0", kWhite), spells(3, 6), aptitude(15, "15", kPink);
  schematics(3), aptitude(0, "0", kWhite), press(f, Ctl::Clear), press(f, Ctl::Repair_plus);  // -15 - 4
  schematics(24), aptitude(-139, "100", kBrownOrange), spells(0, 8), aptitude(-99, "99", kBrownOrange);
  applyRace(f, kElfMale), levelTo(f, 50), spells(0, 18), aptitude(105, "100", kPink);
}

}  // namespace
