#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "model/controls.h"
#include "rules/numbers.h"
#include "rules/rows.h"
#include "rules/rules.h"

namespace kethmor {

// The window's module-level counters, in their order.
struct Form1Counters {
  std::int16_t ok_flag = 0;
  // cpstat_ST ... cpstat_CH, the points bought of each statistic.
#define STAT(code, base, adjusted, plus, minus, counter, ...) std::int16_t counter = 0;
#include "rules/statistics.def"
#undef STAT
  std::int16_t CP_pool = 0;
  std::int16_t cpstat_hitpoints = 0, cpstat_fatigue = 0;
  std::int32_t skill_backcolor = 0;
  // CPspent_bow ... CPspent_spottrap, the ranks bought of each skill.
#define SKILL(box, plus, minus, counter, ...) float counter = 0;
#include "rules/skills.def"
#undef SKILL
  // Owned entries by college (discipline) and rank index.
  std::array<std::array<std::int16_t, magick::kSpellsPerCollege>, magick::kCollegeCount>
      spell_owned{};
  std::array<std::array<std::int16_t, technology::kSchematicsPerDiscipline>,
             technology::kDisciplineCount> schematic_owned{};
  float aptitude_value = 0;
  std::int16_t schematics_bought = 0, spells_bought = 0;
  std::int16_t race_aptitude = 0;
  std::int16_t tech_aptitude_part = 0, magick_aptitude_part = 0, techskill_aptitude_part = 0;
  std::int16_t backgroundallowed = 0;
  // The order of the build: one code (kOrder...) per purchase still in it,
  // in the order the purchases were made.
  std::string purchase_order;

  bool operator==(const Form1Counters&) const = default;
};

// Everything the window holds: its controls and its counters. The counters
// are a base rather than a member so that every rule names them as the window
// does (cpstat_ST, CP_pool), while undo still copies them as one value.
struct Form1State : Form1Counters {
#define CTL(name, ...) Control name;
#include "model/controls.def"
#undef CTL

  bool operator==(const Form1State&) const = default;
};

// The codes of the order of the build, which build codes hold, so that a
// code keeps its meaning once made: a statistic point (in the order of
// kStats), hit points, fatigue, a rank of one of the first sixteen skills
// (from kOrderSkill in the order of kSkills), a spell (kOrderSpell + 5 x
// college + rank index), a schematic (kOrderSchematic + 7 x discipline + rank
// index), then a rank of a skill added after those (from kOrderLaterSkill).
inline constexpr int kFirstSkills = 16;
static_assert(kStatCount == 8, "a statistic added needs its order code after all the others");
inline constexpr int kOrderHitpoints = kStatCount, kOrderFatigue = kStatCount + 1, kOrderSkill = kStatCount + 2;
inline constexpr int kOrderSpell = kOrderSkill + kFirstSkills;
inline constexpr int kOrderSchematic = kOrderSpell + magick::kCollegeCount * magick::kSpellsPerCollege;
inline constexpr int kOrderLaterSkill =
    kOrderSchematic + technology::kDisciplineCount * technology::kSchematicsPerDiscipline;
inline constexpr int kOrderEnd = kOrderLaterSkill + kSkillCount - kFirstSkills;
static_assert(kSkillCount >= kFirstSkills && kOrderEnd < 256, "an order code is one byte, with one above them all");
constexpr int skillCode(int i) { return i < kFirstSkills ? kOrderSkill + i : kOrderLaterSkill + i - kFirstSkills; }
// Whether a code buys a spell or a schematic; the others raise a box.
constexpr bool isEntryCode(int code) { return code >= kOrderSpell && code < kOrderLaterSkill; }

// Each control of the state, by its Ctl number.
extern Control Form1State::* const kMembers[kControlCount];

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The values worked out again after a statistic changes, and the purchases
// that must keep it for it to be lowered.
enum class Derived { none, carryAndDamage, armourAndSpeed };
enum class Guard { none, schematics, spells };

// One primary statistic, a row of rules/statistics.def.
struct StatInfo {
  Control Form1State::*base;
  Control Form1State::*adjusted;
  Ctl plus, minus;
  std::int16_t Form1State::*counter;
  const char* name;
  int hitpoints, fatigue;
  Derived derived;
  Guard guard;
};
inline constexpr std::array<StatInfo, kStatCount> kStats = {{
#define STAT(code, base, adjusted, plus, minus, counter, name, hitpoints, fatigue, derived, guard)               \
  {&Form1State::base, &Form1State::adjusted, Ctl::plus, Ctl::minus, &Form1State::counter, name, hitpoints, fatigue, \
   Derived::derived, Guard::guard},
#include "rules/statistics.def"
#undef STAT
}};
inline constexpr const StatInfo& stat(Stat s) { return kStats[static_cast<std::size_t>(s)]; }
// The statistic whose change works out the values `d`.
consteval const StatInfo& derivingStat(Derived d) {
  std::size_t i = 0;
  while (kStats[i].derived != d) ++i;
  return kStats[i];
}

// One skill, a row of rules/skills.def. Its "+" passes the adjusted box of
// the governing statistic, its "-" the base box.
struct SkillInfo {
  Control Form1State::*box;
  Ctl plus, minus;
  float Form1State::*counter;
  Stat governing;
  const char* name;
  bool tech;
};
inline constexpr std::array<SkillInfo, kSkillCount> kSkills = {{
#define SKILL(box, plus, minus, counter, governing, name, tech) \
  {&Form1State::box, Ctl::plus, Ctl::minus, &Form1State::counter, Stat::governing, name, tech},
#include "rules/skills.def"
#undef SKILL
}};

// What the codes of no spell or schematic buy, one "+" each: the button, the
// box the sheet shows the value bought in, and the name the level plan prints.
struct Raise {
  Ctl plus;
  Control Form1State::*shown;
  const char* name;
};
constexpr Raise raiseOf(int code) {
  if (code < kStatCount) {
    const StatInfo& s = kStats[static_cast<std::size_t>(code)];
    return {s.plus, s.adjusted, s.name};
  }
  if (code == kOrderHitpoints) return {Ctl::Hitpoints_plus, &Form1State::hitpoints, "Hit points"};
  if (code == kOrderFatigue) return {Ctl::Fatigue_plus, &Form1State::fatigue, "Fatigue"};
  const int i = code < kOrderSpell ? code - kOrderSkill : code - kOrderLaterSkill + kFirstSkills;
  const SkillInfo& s = kSkills[static_cast<std::size_t>(i)];
  return {s.plus, s.box, s.name};
}

// The main window's model: its state, procedures and event handlers, listed
// by the file that defines them.
class Form1 : public Form1State {
 public:
  // --- model/form1.cpp: creation, event dispatch (the table: core/dispatch.h), level-up, Clear, Quit
  // The window as created: every control at its design state, every
  // counter 0. Form_Load has not run yet.
  Form1();

  Control& ctl(Ctl id);
  const Control& ctl(Ctl id) const;

  // Events as the window delivers them.
  void Click(Ctl id);     // a button press, or the click of a list
  void DblClick(Ctl id);  // a list's double click
  // Selecting an entry from the program (or by the user): sets the index and
  // runs the list's click handler.
  void selectEntry(Ctl list, int index);

  void levelup_Click();
  void Clear_Click();
  void Quit_Click();  // records that the program ends; the window closes after the event

  // --- model/form1.cpp: SAVE, once the face has asked for the file name
  // Writes the sheet by `write` (the sheet's bytes into the file chosen),
  // which answers the reason it failed ("disk full"), empty when it was
  // saved; returns that answer. The session writes a failure's message
  // (kept in `save_failure` too). A save that goes through empties the
  // message box while it still shows that failure, and only then.
  std::string SAVE_Click(const std::function<std::string(const Form1State&)>& write);

  // --- model/startup.cpp
  void Form_Load();

  // --- model/statistics.cpp: buying and selling statistics, hit points, fatigue
  // A point: its order code, the hit points and fatigue it adds besides its
  // own box, and whether its box stops at 20.
  struct Point { int code, hitpoints, fatigue; bool capped; };
  void plus_stats(Control& stat, std::int16_t& cpstat, std::int16_t& CPs, const Point& point, Control& adj);
  void minus_stats(Control& stat, std::int16_t& cpstat, std::int16_t& CPs, const Point& point, Control& adj);
#define STAT(code, base, adjusted, plus, minus, ...) \
  void plus##_Click();                               \
  void minus##_Click();
#include "rules/statistics.def"
#undef STAT
  void Hitpoints_plus_Click();
  void Hitpoints_minus_Click();
  void Fatigue_plus_Click();
  void Fatigue_minus_Click();

  // --- model/derived.cpp: values that follow from the adjusted statistics
  void Armoradj();
  void carryWeightAdj();
  void damageadj();
  void displayaptitude();
  void hpsandfatadj();
  void Speeddisplay();

  // --- model/skills.cpp: the skills
  void plus_skill_adjustment(Control& Sname, Control& prerequisite, float& CPspent);
  void minus_skill_adjustment(Control& Sname, Control& prerequisite, float& CPspent);
  void prerequisite_check(const std::string& currentstatlevel,
                          const std::string& currentskill_level, std::int16_t& ok,
                          Control& prerequisite);
  void reset_skills();
#define SKILL(box, plus, minus, ...) \
  void plus##_Click();               \
  void minus##_Click();
#include "rules/skills.def"
#undef SKILL

  // --- model/race_selection.cpp
  void RaceSelection();
  void race_descriptions();
  void Race_Selection_Click();
  void Race_Selection_DblClick();

  // --- model/background_selection.cpp
  void backgroundselection();
  void checkbackgroundrestriction();
  void showbackgroundinfo();
  void Background_Selection_Click();
  void Background_Selection_DblClick();

  // --- model/spells.cpp
  void reset_spells();
  void spellprecheck(const std::string& currentwill, std::int16_t& ok);
  void Magick_select_Click();
  void Magick_list_Click();
  void Spell_list_Click();
  void Spell_list_DblClick();

  // --- model/schematics.cpp
  void reset_tech();
  void techprecheck(const std::string& currentint, std::int16_t& ok);
  void Tech_select_Click();
  void Tech_list_Click();
  void Schematic_list_Click();
  void Schematic_list_DblClick();

  // The order of the build: a purchase made joins its end; a sale takes back
  // the last purchase of its kind; the codes from `first` to `end` leave it.
  void noteBought(int code);
  void forgetLast(int code);
  void forgetAll(int first, int end);

  // The program ends (Quit, or the window closed).
  bool ended = false;
  // The message of the last save that failed, as the window wrote it.
  std::string save_failure;

 private:
  // --- model/statistics.cpp
  void statPlus(Stat s);
  void statMinus(Stat s);
  bool mayLower(const StatInfo& s);
  void workOut(Derived d);
  // --- model/skills.cpp
  void skillPlus(const SkillInfo& s);
  void skillMinus(const SkillInfo& s);
};

// --- model/derived.cpp
// Colours the adjusted statistics against 8: green above, red below, a value
// of exactly 8 keeps its colour.
void recolourAdjusted(Form1State& f);

// Writes a number into a box as the box shows it.
inline void put(Control& box, double v) { box.text = numText(v); }
inline double num(const Control& box) { return num(box.text); }

}  // namespace kethmor
