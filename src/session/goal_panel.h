#pragma once

// The goal panel, once for both faces: the targets being edited (picked
// from what the window's lists offer, each with the value it asks for), the
// level at most, the current race and background or every pair, the answer
// as text following every change, Apply and Copy. A face draws it and
// forwards the player's edits here.
#include <string>
#include <vector>

#include "session/commands.h"
#include "session/goal.h"

namespace kethmor::session {

class Session;

// The panel's controls in both faces, in their order.
enum class GoalControl { Pick, Add, Targets, Value, Remove, ByLevel, AllPairs, Apply, Copy, Close };
using GoalControlRow = PanelControlRow<GoalControl>;
inline constexpr const char* kGoalTitle = "Goal";
inline constexpr GoalControlRow kGoalControls[] = {
    {GoalControl::Pick, "pick", "&Want:"},          {GoalControl::Add, "add", "&Add"},
    {GoalControl::Targets, "targets", "&Targets:"}, {GoalControl::Value, "value", "At &least:"},
    {GoalControl::Remove, "remove", "&Remove"},     {GoalControl::ByLevel, "byLevel", "&By level:"},
    {GoalControl::AllPairs, "allPairs", "&Every race and background"},
    {GoalControl::Apply, "apply", "A&pply"},        {GoalControl::Copy, "copy", "&Copy"},
    {GoalControl::Close, "close", "Cl&ose"},
};
inline constexpr const char* goalLabel(GoalControl c) { return kGoalControls[static_cast<int>(c)].label; }
inline constexpr int kGoalMostValue = 99;  // the highest value a target asks for
inline constexpr int kGoalLeastHeight = 300;  // the page's panel with its controls and five lines of answer

// What a target can ask for, in the order the panel offers it: each
// statistic, hit points, fatigue, each skill, each spell, each schematic.
struct GoalChoice {
  int code;          // the order code (Target::code)
  std::string name;  // as the window's lists and boxes name it
  bool valued;       // a value to reach; else owned
};
const std::vector<GoalChoice>& goalChoices();

// What the panel shows.
struct GoalShown {
  std::vector<std::string> targets;  // each as the answer names it: "Willpower 12"
  int selected = -1;                 // the target the value box edits; -1: none
  int value = 0;                     // its value
  bool valued = false;               // whether it takes a value (a spell or schematic does not)
  std::string text;                  // the answer (LF)
  bool canApply = false;             // some targets, and the goal can be met
};

class GoalPanel {
 public:
  // Adds the target of the choice (selected), asking for one more than
  // `current` shows now; a choice already there is selected instead.
  void add(int choice, const Form1State& current);
  void select(int target);
  void setValue(int value);  // of the selected target, within 0 and kGoalMostValue
  void remove();             // the selected target; the next one is selected
  void setByLevel(int level);  // within 1 and the level cap
  void setAllPairs(bool all) { allPairs_ = all; }
  const Goal& goal() const { return goal_; }
  int byLevel() const { return goal_.byLevel; }
  bool allPairs() const { return allPairs_; }
  // The panel as it stands for the character of `session`.
  GoalShown shown(const Session& session) const;
  // The answer's build made the character (the best pair's, for every
  // pair), the typed texts kept, as one step. Whether it could be met.
  bool apply(Session& session) const;

 private:
  Goal goal_;
  int selected_ = -1;
  bool allPairs_ = false;
};

}  // namespace kethmor::session
