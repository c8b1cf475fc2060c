#pragma once

#include <vector>

#include "backgrounds/background_descriptions.h"

namespace kethmor::backgrounds {

// The adjusted statistics a background may change, in the order of
// kStatBoxes.
enum class Stat { ST, CN, DX, BE, IN, WP, PE, CH };
// The skill boxes a background may change.
enum class Skill { bow, melee, dodge, throwing, haggle, persuasion, pickpocket, prowling,
                   repair, firearms, picklocks, adtraps };

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
