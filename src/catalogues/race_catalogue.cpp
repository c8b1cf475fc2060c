#include "catalogues/race_catalogue.h"

namespace kethmor::races {

// skills: bow melee dodge throw gamb hagg heal pers | repair fire locks traps | pick back prowl spot
const std::array<RaceEntry, kRaceCount> kRaces = {{
    {"Dwarf/male", "Dwarf", 0, {9, 9, 7, 8, 8, 8, 8, 7}, 32, 32, -15, true,
     {0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0.5, 0.5, 0.5, 0, 0, 0, 0}},
    {"Elf/female", "Elf/female", 1, {6, 7, 9, 9, 8, 9, 8, 8}, 27, 29, 15, true,
     {0, 0, 0, 0, 0, 0, 0, 0, -0.5, -0.5, -0.5, -0.5, 0, 0, 0, 0}},
    {"Elf/male", "Elf/male", 1, {7, 6, 9, 9, 8, 9, 8, 8}, 29, 27, 15, true,
     {0, 0, 0, 0, 0, 0, 0, 0, -0.5, -0.5, -0.5, -0.5, 0, 0, 0, 0}},
    {"Gnome/male", "Gnome", 2, {8, 6, 8, 8, 8, 10, 8, 8}, 32, 28, 0, false,
     {0, 0, 0, 0, 0, 0.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Half-Elf/female", "Half-Elf/female", 3, {7, 8, 9, 9, 8, 8, 8, 8}, 28, 30, 5, true,
     {0, 0, 0, 0, 0, 0, 0, 0, -0.25, -0.25, -0.25, -0.25, 0, 0, 0, 0}},
    {"Half-Elf/male", "Half-Elf/male", 3, {8, 7, 9, 9, 8, 8, 8, 8}, 30, 28, 5, true,
     {0, 0, 0, 0, 0, 0, 0, 0, -0.25, -0.25, -0.25, -0.25, 0, 0, 0, 0}},
    {"Halfling/male", "Halfling", 4, {5, 8, 10, 8, 8, 8, 8, 8}, 24, 30, 0, false,
     {0, 0, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0}},
    {"Half-Ogre/male", "Half-Ogre", 5, {12, 8, 8, 7, 4, 8, 8, 8}, 38, 30, 0, false,
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -0.5, 0}},
    {"Half-Orc/female", "Half-Orc/female", 6, {8, 10, 8, 6, 8, 8, 8, 6}, 30, 34, 0, false,
     {0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Half-Orc/male", "Half-Orc/male", 6, {9, 9, 8, 6, 8, 8, 8, 6}, 32, 32, 0, false,
     {0, 0.5, 0.5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Human/female", "Human/female", 7, {7, 9, 8, 8, 8, 8, 8, 8}, 28, 32, 0, false,
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"Human/male", "Human/male", 7, {8, 8, 8, 8, 8, 8, 8, 8}, 30, 30, 0, false,
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
}};

// Humans first, then the others as they came to be written; the list
// itself keeps them in order.
const std::array<int, kRaceCount> kRaceFillOrder = {11, 10, 0, 2, 1, 3, 5, 4, 9, 8, 6, 7};

int raceKeyIndex(const std::string& key) {
  for (int k = 0; k < kRaceCount; ++k)
    if (key == kRaces[k].caption) return k;
  return -1;
}

}  // namespace kethmor::races
