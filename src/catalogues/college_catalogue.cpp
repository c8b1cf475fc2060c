#include "catalogues/college_catalogue.h"

namespace kethmor::magick {

// "Divination " and "Air " end in a blank on purpose.
const char* const kCollegeNames[kCollegeCount] = {
    "Conveyance", "Divination ", "Air ", "Earth", "Fire", "Water", "Force", "Mental",
    "Meta", "Morphing", "Nature", "Black Necromantic", "White Necromantic", "Phantasm",
    "Summoning", "Temporal"};

const char* const kSpellNames[kCollegeCount][kSpellsPerCollege] = {
    {"Unseen Force", "Unlocking Cantrip", "Shadow Shift", "Spatial Distortion", "Teleport"},
    {"Sense Alignment", "Sense Traps", "Read Aura", "Sense Invisible", "Divine Magick"},
    {"Vitality of Air", "Poison Vapours", "Call Wind", "Body of Air", "Call Air Elemental"},
    {"Strength of Earth", "Stone Toss", "Wall of Stone", "Body of Earth", "Call Earth Elemental"},
    {"Agility of Fire", "Wall of Fire", "Fireflash", "Body of Fire", "Call Fire Elemental"},
    {"Purity of Water", "Call Fog", "Squall of Ice", "Body of Water", "Call Water Elemental"},
    {"Shield of Protection", "Jolt", "Wall of Force", "Lightning Bolt", "Disintegrate"},
    {"Charm", "Stun", "Stupefy", "Nightmare", "Dominate Will"},
    {"Resist Magick", "Disperse Magick", "Dweomer Shield", "Bonds of Magick", "Reflective Shield"},
    {"Hardened Hands", "Weaken", "Shrink", "Flesh to Stone", "Polymorph"},
    {"Entangle", "Charm Beast", "Control Beast", "Succour Beast", "Regenerate"},
    {"Harm", "Poison", "Conjure Spirit", "Create Undead", "Quench Life"},
    {"Minor Healing", "Halt Poison", "Major Healing", "Full Healing", "Resurrection"},
    {"Illuminate", "Enshroud", "Blur Sight", "Phantasmal Fiend", "Invisibility"},
    {"Plague of Insects", "Orc Champion", "Guardian Ogre", "Hellgate", "Familiar"},
    {"Magelock", "Congeal Time", "Stasis", "Hasten", "Tempus Fugit"},
};

}  // namespace kethmor::magick
