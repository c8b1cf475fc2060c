#pragma once

// The level plan: the build's purchases in the player's own order, each at
// the earliest level where the rules allow it and a CP is left after the
// ones before it, found by replaying them (core/replay.h) from the build's
// start.
#include <string>
#include <vector>

#include "model/form1.h"

namespace kethmor {

struct PlanLevel {
  int cps = 0;                // the CPs this level brings
  std::vector<int> bought;    // order codes, in order
};

struct LevelPlan {
  std::string name, race, background;
  std::vector<PlanLevel> levels;  // levels 1 to the build's level
  int unspent = 0;
};

// The plan of `build`.
LevelPlan levelPlan(const Form1State& build);

// The character as the plan has it at the end of `level`: every purchase
// placed up to that level bought, at that level; the browsing of `build`.
Form1State planStateAt(const Form1State& build, int level);

// The plan as text, its lines joined by `lineEnd`:
//   Level plan for Borin Ironfist: Dwarf, background None
//   Level 1 (5 CPs): Strength x2, Bow, Repair, Unseen Force
//   Level 2 (1 CP): nothing
//   Unspent: 1 CP
std::string planText(const LevelPlan& plan, const char* lineEnd = "\n");
// Its level lines alone ("Level 2 (1 CP): Charges"), joined by `lineEnd`.
std::string planLevelLines(const LevelPlan& plan, const char* lineEnd = "\n");
// A number of CPs as the plan says it: "1 CP", "2 CPs".
std::string cps(int n);

}  // namespace kethmor
