#pragma once

// Planning toward a goal: the least level at which a character meets a set
// of targets, and the purchases that meet it there with the fewest CPs,
// worked out from the rules for the current race and background or for
// every pair the rules allow, and checked by rebuilding the build through
// the replay.
#include <string>
#include <vector>

#include "model/form1.h"
#include "sheet/replay.h"

namespace kethmor::session {

// One target, by the order code of what it asks for: a statistic (its
// adjusted value), hit points, fatigue or a skill (its box, as the sheet
// shows it) at least `value`; a spell or a schematic owned (`value` unused).
struct Target {
  int code = 0;
  int value = 0;
};

struct Goal {
  std::vector<Target> targets;
  int byLevel = kLevelCap;  // the level at most
};

// The goal for one start (a race and background).
struct Answer {
  ReplayStart start;
  std::string race, background;  // their captions
  int level = 0;                 // the least level; 0: the goal cannot be met
  // The purchases meeting the goal at that level with the fewest CPs, as
  // Form1State::purchase_order holds them: in the order of the codes, the
  // spells that wait for a level last, by that level.
  std::string order = "";
  int cpsLeft = 0;
  // Why it cannot be met: the first target that no build meets together
  // with those before it, and the rule that stops it ("Willpower 25: above
  // the limit", "Teleport: needs level 15"), or "not open to this race".
  std::string reason = "";
};

// The answer for the race and background of `current` (its start as the
// level plan takes it), checked.
Answer goalAnswer(const Goal& goal, const Form1State& current);

// The answers for every race and background, best first: by least level,
// then by CPs left (more first), then in the lists' order; those that cannot
// meet the goal last, in the lists' order. The first is checked.
std::vector<Answer> goalAnswers(const Goal& goal);

// The answer's build as the replay makes it: its start, level-ups to its
// level, its purchases in order.
Form1 answerBuild(const Answer& answer);
std::string answerCode(const Answer& answer);

// Whether `build` meets every target of the goal, at a level it allows.
bool meets(const Form1State& build, const Goal& goal);

// Checks an answer by its build; an answer whose build misses the goal
// cannot be met, and says so.
void check(const Goal& goal, Answer& answer);

// A target as the texts name it: "Willpower 12", "Hit points 40", "Bow 3",
// "Shadow Shift".
std::string targetName(const Target& target);

// The answer as text (LF):
//   Goal for Gnome, background None: Shadow Shift, Hit points 45, by level 6
//   Least level: 5
//   Level 1 (5 CPs): Willpower x2, Hit points, Unseen Force, Unlocking Cantrip
//   ...
//   CPs left: 4
// or, when it cannot be met, the title and "Cannot be met: " + the reason.
std::string answerText(const Goal& goal, const Answer& answer);

// The table of every race and background (LF):
//   Goal for every race and background: Call Air Elemental
//   Gnome, Sheltered Childhood: level 15, 11 CPs left
//   ...
//   Half-Ogre, Bookworm: cannot (not open to this race)
std::string tableText(const Goal& goal, const std::vector<Answer>& answers);

}  // namespace kethmor::session
