#include "catalogues/background_catalogue.h"

#include <array>

#include "catalogues/race_catalogue.h"

namespace kethmor::backgrounds {

namespace {
using S = Stat;
using K = Skill;
const std::vector<SkillModifier> kCombat(double d) {
  return {{K::bow, d}, {K::melee, d}, {K::dodge, d}, {K::throwing, d}};
}
const std::vector<SkillModifier> kTech(double d) {
  return {{K::repair, d}, {K::firearms, d}, {K::picklocks, d}, {K::adtraps, d}};
}
}  // namespace

// The list texts and captions are spelt so on purpose: "Lady 's Man", "Wild half - ogre",
// the lower-case "apprentice to a shopkeeper" and "army training".
const std::vector<BackgroundEntry> kBackgrounds = {
    {"No Background", "None", {}, {}},
    {"Apprentice to a Shopkeeper", "apprentice to a shopkeeper", {{S::DX, -1}}, {{K::haggle, 0.25}}},
    {"Army Training", "army training", {{S::DX, -1}, {S::ST, 1}}, {{K::bow, 0.25}, {K::melee, 0.25}}},
    {"Beat with an Ugly Stick", "Beat with an Ugly Stick", {{S::ST, 2}, {S::DX, 2}, {S::BE, -6}}, kCombat(0.25)},
    {"Bookworm", "Bookworm", {{S::IN, 1}, {S::PE, -1}}, {}},
    {"Born Under a Sign", "Born Under a Sign", {}, {}},
    {"Bully", "Bully", {{S::ST, 1}, {S::IN, -1}}, {}},
    {"Charlatan's Protege", "Charlatan's Protege", {{S::CH, 6}, {S::ST, -2}, {S::CN, -2}}, kCombat(-0.25)},
    {"Child of a Hero", "Child of a Hero", {}, {}},
    {"Clanless Dwarf", "Clanless Dwarf", {}, kTech(-0.5)},
    {"Debutante", "Debutante", {{S::BE, 3}, {S::CH, 3}, {S::ST, -1}, {S::DX, -1}}, kCombat(-0.5)},
    {"Disenfranchised Gnome", "Disenfranchised Gnome", {{S::ST, 1}}, {{K::haggle, -0.5}}},
    {"Elvish Blood", "Elvish Blood", {{S::DX, 1}}, kTech(-0.5)},
    {"Extreme Personality", "Extreme Personality", {}, {}},
    {"Factory Escapee", "Factory Escapee", {{S::ST, 1}}, {}},
    {"Feral Child", "Feral Child", {{S::DX, 3}, {S::IN, -6}},
     {{K::prowling, 0.25}, {K::pickpocket, 0.25}, {K::persuasion, -0.25}, {K::haggle, -0.25}}},
    {"Foppish Elf", "Foppish Elf", {{S::DX, -1}}, {{K::persuasion, 0.5}}},
    {"Freed Bodyguard", "Freed Bodyguard", {{S::IN, -1}}, {}},
    {"Halfling Orphan", "Halfling Orphan", {{S::IN, -1}}, {{K::pickpocket, 0.5}}},
    {"Hyperactive", "Hyperactive", {{S::DX, 1}, {S::CH, -1}}, {}},
    {"Inheritance", "Inheritance", {{S::WP, -1}}, {}},
    {"Lady 's Man", "Lady's Man", {{S::BE, 6}, {S::CH, -3}, {S::ST, -2}, {S::DX, -1}}, kCombat(-0.25)},
    {"Professional Knife Tosser", "Professional Knife Tosser", {{S::PE, -1}}, {{K::throwing, 0.25}}},
    {"Raised by Elves", "Raised by Elves", {}, kTech(-0.25)},
    {"Raised by Monks", "Raised by Monks", {{S::PE, 1}}, {}},
    {"Raised by Orcs", "Raised by Orcs", {{S::ST, 2}, {S::PE, 2}, {S::CH, -6}}, kCombat(0.25)},
    {"Raised in the Pits", "Raised in the Pits", {{S::ST, 2}, {S::DX, 2}, {S::IN, -6}}, kCombat(0.25)},
    {"Raised by Snake Handlers", "Raised by Snake Handlers", {{S::BE, -1}}, {}},
    {"Ran Away with the Circus", "Ran Away with the Circus", {{S::ST, 6}, {S::IN, -2}, {S::WP, -3}, {S::PE, -1}}, {}},
    {"Rare Half-Ogre Birth", "Rare Half-Ogre Birth", {{S::IN, 2}, {S::CN, -1}, {S::ST, -1}}, {}},
    {"Sent to Charm School", "Sent to Charm School", {{S::BE, 1}, {S::CH, 1}, {S::IN, -1}, {S::ST, -1}}, {}},
    {"Sheltered Childhood", "Sheltered Childhood", {{S::ST, -6}, {S::IN, 2}, {S::WP, 2}, {S::PE, 1}}, {}},
    {"Sickly", "Sickly", {{S::IN, 6}, {S::ST, -2}, {S::CN, -4}, {S::DX, -1}}, {}},
    {"Special Person", "Special Person", {{S::IN, -2}}, {}},
    {"Suppressed Orcish Looks", "Suppressed Orcish Looks", {{S::BE, 1}, {S::CH, -1}}, {}},
    {"Tough Hide", "Tough Hide", {{S::BE, -1}}, {}},
    {"Troll Offspring", "Troll Offspring", {{S::BE, -4}, {S::CH, -4}, {S::ST, 2}, {S::CN, 2}, {S::DX, 1}}, {}},
    {"Wild half - ogre", "Wild half-ogre", {{S::WP, 1}, {S::CH, -1}}, {}},
};

namespace {
// One row per background; one letter per race entry in races::kRaces order
// (Dwarf, Elf/female, Elf/male, Gnome, Half-Elf/female, Half-Elf/male,
// Halfling, Half-Ogre, Half-Orc/female, Half-Orc/male, Human/female,
// Human/male): 'y' open, 'n' refused.
constexpr std::array<const char*, kBackgroundCount> kOpen = {
    "yyyyyyyyyyyy",  //  0 No Background
    "yyyyyyyyyyyy",  //  1 Apprentice to a Shopkeeper
    "nnnnnnnnnnyy",  //  2 Army Training
    "yyyyyyyyyyyy",  //  3 Beat with an Ugly Stick
    "yyyyyyynnnyy",  //  4 Bookworm
    "yyyyyyyyyyyy",  //  5 Born Under a Sign
    "yyyyyyynnnyy",  //  6 Bully
    "yyyyyyynnnyy",  //  7 Charlatan's Protege
    "yyyyyyyyyyyy",  //  8 Child of a Hero
    "ynnnnnnnnnnn",  //  9 Clanless Dwarf
    "ynnnynnnynyn",  // 10 Debutante
    "nnnynnnnnnnn",  // 11 Disenfranchised Gnome
    "nnnynnyynnyy",  // 12 Elvish Blood
    "yyyyyyyyyyyy",  // 13 Extreme Personality
    "nnnnnnnnyynn",  // 14 Factory Escapee
    "yyyyyyyyyyyy",  // 15 Feral Child
    "nyynnnnnnnnn",  // 16 Foppish Elf
    "nnnnnnnynnnn",  // 17 Freed Bodyguard
    "nnnnnnynnnnn",  // 18 Halfling Orphan
    "yyyyyyyyyyyy",  // 19 Hyperactive
    "yyyyyyyyyyyy",  // 20 Inheritance
    "ynyynyyynyny",  // 21 Lady 's Man
    "yyyyyyyyyyyy",  // 22 Professional Knife Tosser
    "ynnnnnnnnnyy",  // 23 Raised by Elves
    "yyyyyyyyyyyy",  // 24 Raised by Monks
    "yyyyyyyyyyyy",  // 25 Raised by Orcs
    "yyyyyyyyyyyy",  // 26 Raised in the Pits
    "yyyyyyyyyyyy",  // 27 Raised by Snake Handlers
    "yyyyyyyyyyyy",  // 28 Ran Away with the Circus
    "nnnnnnnynnnn",  // 29 Rare Half-Ogre Birth
    "nnnnnnnnnnyn",  // 30 Sent to Charm School
    "yyyyyyyyyyyy",  // 31 Sheltered Childhood
    "yyyyyyyyyyyy",  // 32 Sickly
    "yyyyyyyyyyyy",  // 33 Special Person
    "nnnnnnnnyynn",  // 34 Suppressed Orcish Looks
    "nnnnnnnyyynn",  // 35 Tough Hide
    "yyyyyyyyyyyy",  // 36 Troll Offspring
    "nnnnnnnynnnn",  // 37 Wild half - ogre
};

// Every row has one letter per race entry.
static_assert([] {
  for (const char* row : kOpen) {
    int n = 0;
    while (row[n] != '\0') ++n;
    if (n != races::kRaceCount) return false;
  }
  return true;
}());
}  // namespace

bool refuses(int race, int background) {
  if (race < 0 || race >= races::kRaceCount || background < 0 || background >= kBackgroundCount)
    return false;
  return kOpen[static_cast<std::size_t>(background)][race] == 'n';
}

}  // namespace kethmor::backgrounds
