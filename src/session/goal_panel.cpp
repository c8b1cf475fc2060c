#include "session/goal_panel.h"

#include <algorithm>
#include <cmath>

#include "session/session.h"
#include "sheet/replay.h"

namespace kethmor::session {

const std::vector<GoalChoice>& goalChoices() {
  static const std::vector<GoalChoice> choices = [] {
    std::vector<GoalChoice> all;
    const auto offer = [&all](int code) { all.push_back({code, purchaseName(code), !isEntryCode(code)}); };
    for (int code = 0; code < kOrderSkill; ++code) offer(code);
    for (int i = 0; i < kSkillCount; ++i) offer(skillCode(i));
    for (int code = kOrderSpell; code < kOrderLaterSkill; ++code) offer(code);
    return all;
  }();
  return choices;
}

void GoalPanel::add(int choice, const Form1State& current) {
  if (choice < 0 || choice >= static_cast<int>(goalChoices().size())) return;
  const GoalChoice& c = goalChoices()[static_cast<std::size_t>(choice)];
  const auto there = std::find_if(goal_.targets.begin(), goal_.targets.end(), [&c](const Target& t) { return t.code == c.code; });
  selected_ = static_cast<int>(there - goal_.targets.begin());
  if (there != goal_.targets.end()) return;
  const int now = c.valued ? static_cast<int>(std::floor(num(current.*raiseOf(c.code).shown))) : 0;
  goal_.targets.push_back({c.code, c.valued ? std::min(now + 1, kGoalMostValue) : 0});
}

void GoalPanel::select(int target) {
  selected_ = target >= 0 && target < static_cast<int>(goal_.targets.size()) ? target : -1;
}

void GoalPanel::setValue(int value) {
  if (selected_ >= 0) goal_.targets[static_cast<std::size_t>(selected_)].value = std::clamp(value, 0, kGoalMostValue);
}

void GoalPanel::remove() {
  if (selected_ < 0) return;
  goal_.targets.erase(goal_.targets.begin() + selected_);
  select(std::min(selected_, static_cast<int>(goal_.targets.size()) - 1));
}

void GoalPanel::setByLevel(int level) { goal_.byLevel = std::clamp(level, 1, kLevelCap); }

GoalShown GoalPanel::shown(const Session& session) const {
  GoalShown s;
  for (const Target& t : goal_.targets) s.targets.push_back(targetName(t));
  s.selected = selected_;
  if (selected_ >= 0) {
    const Target& t = goal_.targets[static_cast<std::size_t>(selected_)];
    s.value = t.value;
    s.valued = !isEntryCode(t.code);
  }
  if (allPairs_) {
    const std::vector<Answer> answers = goalAnswers(goal_);
    s.text = tableText(goal_, answers);
    s.canApply = answers.front().level > 0;
  } else {
    const Answer answer = goalAnswer(goal_, session.form());
    s.text = answerText(goal_, answer);
    s.canApply = answer.level > 0;
  }
  s.canApply = s.canApply && !goal_.targets.empty();
  return s;
}

bool GoalPanel::apply(Session& session) const {
  return !goal_.targets.empty() && session.applyGoal(goal_, allPairs_);
}

}  // namespace kethmor::session
