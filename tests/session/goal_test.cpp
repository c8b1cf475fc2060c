// Planning toward a goal: answers worked out by hand (text and build), the table of every race and background,
// goals that cannot be met, Apply as one step, and a search over every build that does no better than the answer.
#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "session/goal.h"
#include "session/session.h"
#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;
using session::Goal;

constexpr int kIN = 4, kWP = 5, kHit = kOrderHitpoints, kFat = kOrderFatigue;
constexpr int skill(Skill s) { return kOrderSkill + static_cast<int>(s); }
constexpr int spell(int college, int k) { return kOrderSpell + 5 * college + k; }
constexpr int schematic(int discipline, int k) { return kOrderSchematic + 7 * discipline + k; }

struct HandCase { const char* name; int race, background; Goal goal; void (*build)(Form1&); const char* text; };
const HandCase kHandCases[] = {
    // Dwarf: hit points and fatigue 32, five short of 37 each. A willpower point gives both 1, then a
    // purchase of each 4: 3 CPs. Purchases alone take 2 + 2; two willpower points and one of each, 4.
    {"hit points and fatigue", kDwarf, kNoBackground, {{{kHit, 37}, {kFat, 37}}},
     [](Form1& f) { press(f, Ctl::WP_plus), press(f, Ctl::Hitpoints_plus), press(f, Ctl::Fatigue_plus); },
     "Goal for Dwarf, background None: Hit points 37, Fatigue 37\nLeast level: 1\n"
     "Level 1 (5 CPs): Willpower, Hit points, Fatigue\nCPs left: 2"},
    // Human male with Bully: intelligence 7, dexterity 8. Strong Poison needs intelligence 9 (2 points)
    // and Charges; Melee's second rank needs dexterity 9 (1 point): 7 CPs, first at level 3 (5 + 1 + 1).
    {"a schematic and a skill", kHumanMale, kBully, {{{schematic(0, 1), 0}, {skill(Skill::melee), 2}}},
     [](Form1& f) { press(f, Ctl::DX_plus), press(f, Ctl::IN_plus, 2), press(f, Ctl::melee_plus, 2), levelTo(f, 3);
                    buySchematic(f, 0, 0), buySchematic(f, 0, 1); },
     "Goal for Human/male, background Bully: Strong Poison, Melee 2\nLeast level: 3\nLevel 1 (5 CPs): "
     "Dexterity, Intelligence x2, Melee x2\nLevel 2 (1 CP): Charges\nLevel 3 (1 CP): Strong Poison\nCPs left: 0"},
    // Gnome: willpower 10, hit points 32, intelligence 8. Shadow Shift waits for level 5, needs willpower
    // 12 (2 points, 2 hit points) and the two spells before it; four level-ups add 8 hit points: 42, one
    // purchase to 45; Charges, 1 CP: 7 of level 5's 10 CPs. A willpower point more would still need the
    // purchase. The spell that waits comes last, so Charges is bought at level 2.
    {"a spell that waits for its level", kGnome, kNoBackground, {{{spell(0, 2), 0}, {kHit, 45}, {schematic(0, 0), 0}}, 6},
     [](Form1& f) { press(f, Ctl::WP_plus, 2), press(f, Ctl::Hitpoints_plus), buySpell(f, 0, 0), buySpell(f, 0, 1);
                    levelTo(f, 5), buySchematic(f, 0, 0), buySpell(f, 0, 2); },
     "Goal for Gnome, background None: Shadow Shift, Hit points 45, Charges, by level 6\nLeast level: 5\n"
     "Level 1 (5 CPs): Willpower x2, Hit points, Unseen Force, Unlocking Cantrip\nLevel 2 (1 CP): Charges\n"
     "Level 3 (1 CP): nothing\nLevel 4 (1 CP): nothing\nLevel 5 (2 CPs): Shadow Shift\nCPs left: 3"},
};

TEST(Goal, AnswersWorkedOutByHand) {
  for (const HandCase& c : kHandCases) {
    Form1 hand = raceWithBackground(c.race, c.background);
    const session::Answer a = session::goalAnswer(c.goal, hand);
    c.build(hand);
    EXPECT_EQ(session::answerText(c.goal, a), c.text) << c.name;
    EXPECT_EQ(sheet::sheetBytes(session::answerBuild(a)), sheet::sheetBytes(hand)) << c.name << ": the sheet";
    EXPECT_EQ(session::answerCode(a), sheet::buildCode(hand)) << c.name << ": the build code";
  }
}

// Call Air Elemental: level 15 (22 CPs: 5 + 14 + 3), willpower 18, the four spells before it. Gnome (10)
// with Sheltered Childhood (+2): 6 points and 5 spells, 11 CPs left; the elves (9) with it 10 left; then
// willpower 10 leaves 9, first in the lists the dwarf (8) with Sheltered Childhood. Ran Away with the
// Circus (-3) leaves 5 to the nine races of willpower 8, and 12 points reach 17. The races refuse
// 12 + 15 + 14 + 13 + 15 + 15 + 13 + 13 + 15 + 15 + 11 + 12 = 163 backgrounds: 172 rows cannot.
TEST(Goal, EveryRaceAndBackground) {
  const Goal goal{{{spell(2, 4), 0}}};
  const std::vector<session::Answer> answers = session::goalAnswers(goal);
  const std::string table = session::tableText(goal, answers);
  EXPECT_EQ(table.substr(0, table.find("\nGnome, None")),
            "Goal for every race and background: Call Air Elemental\nGnome, Sheltered Childhood: level 15, 11 CPs left\n"
            "Elf/female, Sheltered Childhood: level 15, 10 CPs left\nElf/male, Sheltered Childhood: level 15, 10 CPs left\n"
            "Dwarf, Sheltered Childhood: level 15, 9 CPs left") << "the head of the table";
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 456) << "a row a pair";
  EXPECT_EQ(std::count_if(answers.begin(), answers.end(), [](const auto& a) { return a.level == 0; }), 172) << "cannot";
  const std::string refused = ": cannot (not open to this race)\nHuman/male, ";
  EXPECT_EQ(table.substr(table.rfind("\nHuman/male, Ran")), "\nHuman/male, Ran Away with the Circus: cannot (Call Air "
            "Elemental: needs Willpower 18, above the limit)\nHuman/male, Rare Half-Ogre Birth" + refused +
            "Sent to Charm School" + refused + "Suppressed Orcish Looks" + refused + "Tough Hide" + refused +
            "Wild half-ogre: cannot (not open to this race)") << "the last rows";
}

struct CannotCase { const char* name; int race, background; Goal goal; const char* reason; };
const CannotCase kCannotCases[] = {
    {"a statistic past its limit (8 + 12)", kHumanMale, 0, {{{kWP, 25}}}, "Willpower 25: above the limit"},
    {"a sixth rank", kHumanMale, 0, {{{skill(Skill::bow), 6}}}, "Bow 6: more than five ranks"},
    {"a spell's willpower past the limit (5 + 12)", kHumanMale, kRanAwayWithTheCircus, {{{spell(2, 4), 0}}},
     "Call Air Elemental: needs Willpower 18, above the limit"},
    {"a schematic's intelligence past the limit (4 + 12)", kHalfOgre, 0, {{{kIN, 9}, {schematic(1, 5), 0}}},
     "Healing Jacket: needs Intelligence 17, above the limit"},
    {"a spell's level", kHumanMale, 0, {{{skill(Skill::bow), 3}, {spell(0, 4), 0}}, 12}, "Teleport: needs level 15"},
    // Level 2: 6 CPs and 32 hit points, 68 short of 100, which takes 17 CPs; the first target is named.
    {"the CPs", kHumanMale, 0, {{{kHit, 100}, {kWP, 25}}, 2}, "Hit points 100: too few CPs by level 2"},
};

TEST(Goal, GoalsThatCannotBeMet) {
  for (const CannotCase& c : kCannotCases)
    EXPECT_EQ(session::goalAnswer(c.goal, raceWithBackground(c.race, c.background)).reason, c.reason) << c.name;
  const Goal teleport = kCannotCases[4].goal;
  EXPECT_EQ(session::answerText(teleport, session::goalAnswer(teleport, raceWithBackground(kHumanMale, 0))),
            "Goal for Human/male, background None: Bow 3, Teleport, by level 12\n"
            "Cannot be met: Teleport: needs level 15") << "the text of a goal that cannot be met";
}

TEST(Goal, ApplyIsOneStepThatUndoTakesBack) {
  session::Session s;
  s.typed(Ctl::PCname, "Ayla");
  const Form1State before = s.form();
  ASSERT_TRUE(s.applyGoal({{{spell(2, 4), 0}}}, true)) << "the best pair applied";
  EXPECT_EQ(s.form().Current_race.text + ", " + s.form().Current_background.text, "Gnome, Sheltered Childhood");
  EXPECT_EQ(s.form().Clevel.text + " " + s.form().CPs_remaining.text + " " + s.form().PCname.text, "15 11 Ayla")
      << "level, CPs left, the typed name";
  EXPECT_TRUE(s.undo()) << "one step";
  EXPECT_TRUE(same(s.form(), before)) << "undone";
  EXPECT_FALSE(s.applyGoal({{{kWP, 25}}}, false)) << "a goal that cannot be met applies nothing";
}

// The purchases a goal's targets read (any other changes nothing they read): a statistic, a skill and its statistic,
// a run with willpower or intelligence, hit points or fatigue with strength or constitution and willpower.
std::vector<int> purchasesRead(const Goal& goal) {
  std::set<int> codes;
  for (const session::Target& t : goal.targets) {
    const int c = t.code;
    const bool isSpell = c < kOrderSchematic, group = c >= kOrderSpell;
    const int first = isSpell ? kOrderSpell : kOrderSchematic, ranks = isSpell ? 5 : 7;
    codes.insert(c);
    if (c == kHit || c == kFat) codes.insert({c - kHit, kWP});  // strength, constitution
    if (c >= kOrderSkill && !group) codes.insert(static_cast<int>(kSkills[static_cast<std::size_t>(c - kOrderSkill)].governing));
    if (group) codes.insert(isSpell ? kWP : kIN);
    for (int r = c - (c - first) % ranks; group && r < c; ++r) codes.insert(r);
  }
  return {codes.begin(), codes.end()};
}

bool met(const Form1& f, const Goal& goal) {
  return std::all_of(goal.targets.begin(), goal.targets.end(), [&f](const session::Target& t) {
    return t.code >= kOrderSpell ? owned(f, t.code) : num(f.*raiseOf(t.code).shown) >= t.value;
  });
}

// Every multiset of those purchases at `level`, bought through the handlers in the order of their codes
// (statistics before skills, a run's ranks in order: no other order lets more through), breadth-first:
// the fewest CPs that meet the goal, or -1. Starts alike in every number search once.
int fewest(const Goal& goal, const session::Answer& a, int level, std::map<std::string, int>& known) {
  const std::vector<int> codes = purchasesRead(goal);
  Form1 f = raceWithBackground(a.start.race, a.start.background);
  levelTo(f, level);
  std::string start = f.Clevel.text + " " + f.hitpoints.text + " " + f.fatigue.text;  // and every statistic and skill
  for (int i = 0; i < kOrderSpell; ++i) start += " " + (f.*raiseOf(i).shown).text;
  if (const auto at = known.find(start); at != known.end()) return at->second;
  std::vector<std::pair<Form1, std::size_t>> builds{{f, 0}};
  for (int spent = 0; !builds.empty(); ++spent) {
    std::vector<std::pair<Form1, std::size_t>> next;
    for (const auto& [b, from] : builds) {
      if (met(b, goal)) return known[start] = spent;
      for (std::size_t i = from; i < codes.size(); ++i)
        if (Form1 more = b; buy(more, codes[i])) next.emplace_back(std::move(more), i);
    }
    builds = std::move(next);
  }
  return known[start] = -1;
}

// A build of one level is one of every later level too (more CPs, hit points and fatigue), so the search
// at the level below the answer's (at the last level allowed, when it cannot be met) covers those before.
// KETHMOR_GOAL_SEARCH=n adds n random goals of two targets.
TEST(Goal, NoBuildMeetsTheGoalEarlierOrWithFewerCPs) {
  std::vector<Goal> goals = {{{{kWP, 10}, {spell(0, 1), 0}}, 4},         {{{skill(Skill::bow), 2}, {kHit, 36}}, 3},
                             {{{kFat, 37}, {skill(Skill::heal), 2}}, 3}, {{{schematic(0, 1), 0}, {kIN, 10}}, 4},
                             {{{spell(0, 2), 0}}, 5},                    {{{skill(Skill::prowling), 2}, {kFat, 33}}, 2},
                             {{{kHit, 35}, {kFat, 35}}, 2}};
  std::mt19937 rng(33);
  const auto random = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  const auto target = [&random]() -> session::Target {
    const int c = random(32), k = random(3);
    if (c < kOrderSpell) return {c, c < kStatCount ? 8 + random(6) : c < kOrderSkill ? 32 + random(8) : 1 + random(3)};
    return {c % 2 ? spell(random(16), k) : schematic(random(8), k), 0};
  };
  for (int n = std::getenv("KETHMOR_GOAL_SEARCH") ? std::atoi(std::getenv("KETHMOR_GOAL_SEARCH")) : 0; n > 0; --n)
    goals.push_back({{target(), target()}, 2 + random(4)});
  for (std::size_t g = 0; g < goals.size(); ++g) {
    std::map<std::string, int> known;
    for (const session::Answer& a : session::goalAnswers(goals[g])) {
      if (a.reason == "not open to this race") continue;
      const std::string pair = a.race + ", " + a.background + ", goal " + std::to_string(g);
      session::Answer checked = a;
      session::check(goals[g], checked);
      EXPECT_EQ(checked.level, a.level) << pair << ": the answer's build, rebuilt, meets the goal";
      const int below = a.level > 0 ? a.level - 1 : goals[g].byLevel, spent = static_cast<int>(a.order.size());
      if (below > 0) { EXPECT_EQ(fewest(goals[g], a, below, known), -1) << pair << ": a build at level " << below; }
      if (a.level > 0) { EXPECT_EQ(fewest(goals[g], a, a.level, known), spent) << pair << ": the fewest CPs"; }
    }
  }
}

}  // namespace
