#pragma once

#include <vector>

#include "catalogues/background_descriptions.h"
#include "rules/rows.h"

namespace kethmor::backgrounds {

// A background changes adjusted statistics and skill boxes, named by their rows.
using kethmor::Skill;
using kethmor::Stat;

struct StatModifier { Stat stat; int amount; };
struct SkillModifier { Skill skill; double amount; };

struct BackgroundEntry {
  const char* listText;
  const char* caption;
  std::vector<StatModifier> stats;    // in the order they are applied
  std::vector<SkillModifier> skills;
};

// kBackgroundCount entries, in list order.
extern const std::vector<BackgroundEntry> kBackgrounds;

// Whether the race entry (by its position in races::kRaces, whose caption is
// the race key) refuses the background; out-of-range positions refuse
// nothing.
bool refuses(int race, int background);

}  // namespace kethmor::backgrounds
