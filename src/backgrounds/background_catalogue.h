#pragma once

#include <vector>

namespace kethmor::backgrounds {

inline constexpr int kBackgroundTotal = 38;

// The adjusted statistics a background may change.
enum class Stat { ST, DX, CN, BE, IN, WP, PE, CH };
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

extern const std::vector<BackgroundEntry> kBackgrounds;

// The race keys, in the order the restriction test compares them.
inline constexpr int kRaceKeyCount = 12;
extern const char* const kRaceKeys[kRaceKeyCount];

// Whether the race key (by its position in kRaceKeys) refuses the background.
bool refuses(int raceKey, int background);

}  // namespace kethmor::backgrounds
