#include "session/goal.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "catalogues/background_catalogue.h"
#include "catalogues/college_catalogue.h"
#include "catalogues/discipline_catalogue.h"
#include "catalogues/race_catalogue.h"
#include "sheet/build_code.h"
#include "sheet/level_plan.h"

namespace kethmor::session {

namespace {

using magick::kCollegeCount;
using magick::kSpellsPerCollege;
using technology::kDisciplineCount;
using technology::kSchematicsPerDiscipline;

constexpr int kMaxPoints = 20 - kBaseStatistic;  // a base box stops at 20
constexpr int kMaxRanks = 5;
constexpr auto kST = static_cast<std::size_t>(Stat::ST), kCN = static_cast<std::size_t>(Stat::CN),
               kWP = static_cast<std::size_t>(Stat::WP), kIN = static_cast<std::size_t>(Stat::IN);
// What one CP adds to hit points (fatigue): a hit-point (fatigue) purchase
// 4, a strength (constitution) point 2, a willpower point 1 to each.
constexpr int kPerPurchase = 4, kPerBodyPoint = 2, kPerWillPoint = 1;

// The level a spell of rank index k waits for.
constexpr int spellLevel(int k) { return k < 2 ? 1 : 5 * (k - 1); }
// The adjusted statistic a skill whose box shows `value` needs for one rank more.
int statForRank(double value) {
  for (int below = 1; below < kMaxRanks; ++below)
    if (value < below) return 3 * below + 3;
  return 18;
}
bool isSpell(int code) { return code >= kOrderSpell && code < kOrderSchematic; }
int ceilDiv(int a, int b) { return a <= 0 ? 0 : (a + b - 1) / b; }

// A start as the replay leaves it, before anything is bought.
struct Start {
  ReplayStart at;
  std::string race, background;
  bool refused = false;
  std::array<int, kStatCount> stat{};  // adjusted
  std::array<double, kSkillCount> skill{};
  int hitpoints = 0, fatigue = 0;
};

Start startFrom(const ReplayStart& at) {
  Form1 f;
  replayStart(f, at);
  Start s{at, f.Current_race.text, f.Current_background.text,
          at.background >= 0 && backgrounds::refuses(at.race, at.background)};
  if (s.refused) s.background = backgrounds::kBackgrounds[static_cast<std::size_t>(at.background)].caption;
  for (std::size_t i = 0; i < kStats.size(); ++i) s.stat[i] = static_cast<int>(num(f.*kStats[i].adjusted));
  for (std::size_t i = 0; i < kSkills.size(); ++i) s.skill[i] = num(f.*kSkills[i].box);
  s.hitpoints = static_cast<int>(num(f.hitpoints));
  s.fatigue = static_cast<int>(num(f.fatigue));
  return s;
}

// What each level brings, counted from level 1 by the model's own level-up:
// the CPs granted in all, the hit points (and fatigue) gained.
struct Grant {
  int cps = 0, gained = 0;
};
const std::array<Grant, kLevelCap + 1>& grants() {
  static const std::array<Grant, kLevelCap + 1> table = [] {
    std::array<Grant, kLevelCap + 1> t{};
    Form1 f;
    replayStart(f, {});
    const double hitpoints = num(f.hitpoints);
    for (int level = 1; level <= kLevelCap; ++level, f.levelup_Click())
      t[static_cast<std::size_t>(level)] = {f.CP_pool, static_cast<int>(num(f.hitpoints) - hitpoints)};
    return t;
  }();
  return table;
}

// What the targets ask of a start.
struct Needs {
  std::array<int, kStatCount> stat{};  // the adjusted value at least
  std::array<int, kSkillCount> ranks{};
  std::array<int, kCollegeCount> spells{};  // the run of ranks owned
  std::array<int, kDisciplineCount> schematics{};
  int level = 1, hitpoints = 0, fatigue = 0;
};

// Adds a target's needs; or, leaving them as they were, the rule that
// stops it on its own.
std::string add(Needs& n, const Start& s, const Target& t, int byLevel) {
  const std::string name = targetName(t);
  auto needStat = [&](std::size_t st, int value, const std::string& because) -> std::string {
    if (value > s.stat[st] + kMaxPoints) return name + because + " above the limit";
    n.stat[st] = std::max(n.stat[st], value);
    return {};
  };
  if (t.code < kStatCount) return needStat(static_cast<std::size_t>(t.code), t.value, ":");
  if (t.code == kOrderHitpoints) n.hitpoints = std::max(n.hitpoints, t.value);
  if (t.code == kOrderFatigue) n.fatigue = std::max(n.fatigue, t.value);
  if (t.code < kOrderSkill) return {};
  auto needing = [&](std::size_t st, int value) {
    return ": needs " + std::string(kStats[st].name) + " " + std::to_string(value) + ",";
  };
  if (t.code < kOrderSpell) {
    const auto i = static_cast<std::size_t>(t.code - kOrderSkill);
    const int ranks = std::max(0, static_cast<int>(std::ceil(t.value - s.skill[i])));
    if (ranks > kMaxRanks) return name + ": more than five ranks";
    if (ranks == 0) return {};
    const auto st = static_cast<std::size_t>(kSkills[i].governing);
    const int value = statForRank(s.skill[i] + ranks - 1);
    if (std::string no = needStat(st, value, needing(st, value)); !no.empty()) return no;
    n.ranks[i] = std::max(n.ranks[i], ranks);
    return {};
  }
  if (isSpell(t.code)) {
    const int c = (t.code - kOrderSpell) / kSpellsPerCollege, k = (t.code - kOrderSpell) % kSpellsPerCollege;
    const int will = magick::willpowerThreshold(k);
    if (spellLevel(k) > byLevel) return name + ": needs level " + std::to_string(spellLevel(k));
    if (std::string no = needStat(kWP, will, needing(kWP, will)); !no.empty()) return no;
    n.level = std::max(n.level, spellLevel(k));
    n.spells[static_cast<std::size_t>(c)] = std::max(n.spells[static_cast<std::size_t>(c)], k + 1);
    return {};
  }
  const int d = (t.code - kOrderSchematic) / kSchematicsPerDiscipline;
  const int k = (t.code - kOrderSchematic) % kSchematicsPerDiscipline;
  const int value = technology::intelligenceThreshold(k);
  if (std::string no = needStat(kIN, value, needing(kIN, value)); !no.empty()) return no;
  n.schematics[static_cast<std::size_t>(d)] = std::max(n.schematics[static_cast<std::size_t>(d)], k + 1);
  return {};
}

// The cheapest purchases meeting the needs at `level`.
struct Mix {
  int cps = 0;
  std::array<int, kStatCount> points{};
  int hitpoints = 0, fatigue = 0;
};
Mix cheapest(const Needs& n, const Start& s, int level) {
  Mix base;
  int fixed = 0;
  for (std::size_t i = 0; i < kStats.size(); ++i) fixed += base.points[i] = std::max(0, n.stat[i] - s.stat[i]);
  for (const int r : n.ranks) fixed += r;
  for (const int r : n.spells) fixed += r;
  for (const int r : n.schematics) fixed += r;
  const int gained = grants()[static_cast<std::size_t>(level)].gained;
  const int will = base.points[kWP] * kPerWillPoint;
  const int hitpoints = n.hitpoints - s.hitpoints - gained - base.points[kST] * kPerBodyPoint - will;
  const int fatigue = n.fatigue - s.fatigue - gained - base.points[kCN] * kPerBodyPoint - will;
  // Hit points and fatigue come cheapest from their own purchases (4 a CP),
  // which a strength or constitution point (2 for the CP) never beats, and
  // from willpower points (1 to each): the search runs over the willpower
  // points more than the other needs take. One can save a purchase of each;
  // two to four save at most the same two purchases, and more at most one
  // of each for every four. Ties keep the fewest points.
  Mix best;
  best.cps = -1;
  for (int w = 0; w < 2 && base.points[kWP] + w <= kMaxPoints; ++w) {
    Mix m = base;
    m.points[kWP] += w;
    m.hitpoints = ceilDiv(hitpoints - w * kPerWillPoint, kPerPurchase);
    m.fatigue = ceilDiv(fatigue - w * kPerWillPoint, kPerPurchase);
    m.cps = fixed + w + m.hitpoints + m.fatigue;
    if (best.cps < 0 || m.cps < best.cps) best = m;
  }
  return best;
}

// The least level, from the needs' own, by which the needs can be met; 0 when
// none up to `byLevel`.
int leastLevel(const Needs& n, const Start& s, int byLevel, Mix* mix = nullptr) {
  for (int level = n.level; level <= byLevel; ++level) {
    const Mix m = cheapest(n, s, level);
    if (m.cps <= grants()[static_cast<std::size_t>(level)].cps) {
      if (mix) *mix = m;
      return level;
    }
  }
  return 0;
}

// The purchases of a mix and the needs.
std::string orderOf(const Needs& n, const Mix& m) {
  std::string order;
  auto append = [&order](int times, int code) { order.append(static_cast<std::size_t>(times), static_cast<char>(code)); };
  for (std::size_t i = 0; i < kStats.size(); ++i) append(m.points[i], static_cast<int>(i));
  append(m.hitpoints, kOrderHitpoints);
  append(m.fatigue, kOrderFatigue);
  for (std::size_t i = 0; i < kSkills.size(); ++i) append(n.ranks[i], kOrderSkill + static_cast<int>(i));
  for (int c = 0; c < kCollegeCount; ++c)
    for (int k = 0; k < n.spells[static_cast<std::size_t>(c)]; ++k) append(1, kOrderSpell + c * kSpellsPerCollege + k);
  for (int d = 0; d < kDisciplineCount; ++d)
    for (int k = 0; k < n.schematics[static_cast<std::size_t>(d)]; ++k)
      append(1, kOrderSchematic + d * kSchematicsPerDiscipline + k);
  auto waits = [](char c) {
    const int code = static_cast<unsigned char>(c);
    return isSpell(code) ? spellLevel((code - kOrderSpell) % kSpellsPerCollege) : 1;
  };
  std::stable_sort(order.begin(), order.end(), [&waits](char a, char b) { return waits(a) < waits(b); });
  return order;
}

Answer solve(const Goal& goal, const Start& s) {
  Answer a{s.at, s.race, s.background};
  if (s.refused) {
    a.reason = "not open to this race";
    return a;
  }
  const int byLevel = std::clamp(goal.byLevel, 1, kLevelCap);
  Needs n;
  n.stat = s.stat;
  for (std::size_t i = 0; i < goal.targets.size() && a.reason.empty(); ++i)
    a.reason = add(n, s, goal.targets[i], byLevel);
  Mix mix;
  a.level = leastLevel(n, s, byLevel, &mix);
  if (a.level == 0) {  // an earlier target: the first that the CPs cannot meet with those before it
    Needs prefix;
    prefix.stat = s.stat;
    for (std::size_t i = 0; leastLevel(prefix, s, byLevel) > 0; ++i) {
      add(prefix, s, goal.targets[i], byLevel);
      a.reason = targetName(goal.targets[i]) + ": too few CPs by level " + std::to_string(byLevel);
    }
  }
  if (!a.reason.empty()) {
    a.level = 0;
    return a;
  }
  a.order = orderOf(n, mix);
  a.cpsLeft = grants()[static_cast<std::size_t>(a.level)].cps - static_cast<int>(a.order.size());
  return a;
}

// Every race and background, as the replay leaves them, made once.
const std::vector<Start>& everyStart() {
  static const std::vector<Start> starts = [] {
    std::vector<Start> all;
    for (int race = 0; race < races::kRaceCount; ++race)
      for (int background = 0; background < backgrounds::kBackgroundCount; ++background)
        all.push_back(startFrom(ReplayStart{race, background}));
    return all;
  }();
  return starts;
}

std::string joined(const Goal& goal) {
  std::string text;
  for (const Target& t : goal.targets) text += (text.empty() ? "" : ", ") + targetName(t);
  if (goal.byLevel < kLevelCap) text += (text.empty() ? "" : ", ") + ("by level " + std::to_string(goal.byLevel));
  return text.empty() ? "nothing" : text;
}

}  // namespace

std::string targetName(const Target& t) {
  const std::string name = purchaseName(t.code);
  return t.code < kOrderSpell ? name + " " + std::to_string(t.value) : name;
}

Answer goalAnswer(const Goal& goal, const Form1State& current) {
  Answer a = solve(goal, startFrom(startOf(current).value_or(ReplayStart{})));
  check(goal, a);
  return a;
}

std::vector<Answer> goalAnswers(const Goal& goal) {
  std::vector<Answer> answers;
  answers.reserve(everyStart().size());
  for (const Start& s : everyStart()) answers.push_back(solve(goal, s));
  std::stable_sort(answers.begin(), answers.end(), [](const Answer& a, const Answer& b) {
    if ((a.level == 0) != (b.level == 0)) return b.level == 0;
    return a.level != b.level ? a.level < b.level : a.cpsLeft > b.cpsLeft;
  });
  check(goal, answers.front());
  return answers;
}

Form1 answerBuild(const Answer& answer) {
  Form1 f;
  replayStart(f, answer.start);
  while (num(f.Clevel) < answer.level) f.levelup_Click();
  buyAll(f, answer.order);
  return f;
}

std::string answerCode(const Answer& answer) { return sheet::buildCode(answerBuild(answer)); }

bool meets(const Form1State& f, const Goal& goal) {
  if (num(f.Clevel) > std::clamp(goal.byLevel, 1, kLevelCap)) return false;
  return std::all_of(goal.targets.begin(), goal.targets.end(), [&f](const Target& t) {
    if (t.code >= kOrderSpell) return owned(f, t.code);
    return num(f.*raiseOf(t.code).shown) >= t.value;
  });
}

void check(const Goal& goal, Answer& answer) {
  if (answer.level == 0) return;
  const Form1 f = answerBuild(answer);
  if (f.purchase_order == answer.order && num(f.Clevel) == answer.level && meets(f, goal)) return;
  answer.level = 0;
  answer.reason = "the rebuilt build misses the goal";
}

std::string answerText(const Goal& goal, const Answer& a) {
  std::string text = "Goal for " + a.race + ", background " + a.background + ": " + joined(goal) + "\n";
  if (a.level == 0) return text + "Cannot be met: " + a.reason;
  return text + "Least level: " + std::to_string(a.level) + "\n" + planLevelLines(levelPlan(answerBuild(a))) +
         "\nCPs left: " + std::to_string(a.cpsLeft);
}

std::string tableText(const Goal& goal, const std::vector<Answer>& answers) {
  std::string text = "Goal for every race and background: " + joined(goal);
  for (const Answer& a : answers) {
    text += "\n" + a.race + ", " + a.background + ": ";
    text += a.level == 0 ? "cannot (" + a.reason + ")"
                         : "level " + std::to_string(a.level) + ", " + cps(a.cpsLeft) + " left";
  }
  return text;
}

}  // namespace kethmor::session
