#include "catalogues/discipline_catalogue.h"

namespace kethmor::technology {

// "Gun -Smithing" with its blank before the hyphen is the discipline's own name, on purpose.
const char* const kDisciplineNames[kDisciplineCount] = {
    "Chemistry", "Electrical", "Explosives", "Gun -Smithing", "Herbology", "Mechanical",
    "Smithy", "Therapeutics"};

// The names as the game spells them, on purpose: "heal Lite", "fatigue Restorer" and "fatigue
// Limiter" in lower case, "Elixer of Physical Prowess"; the list, the purchases and the sheet show them.
const char* const kSchematicNames[kDisciplineCount][kSchematicsPerDiscipline] = {
    {"Charges", "Strong Poison", "Fuel", "Potion of Paralysis", "Corrosive Acid", "Animal Scent",
     "Animal Lure"},
    {"Electric Light", "Charged Ring", "Flow Spectrometer", "Shocking Staff",
     "Chapeau of Magnetic Inversion", "Healing Jacket", "Tesla Rod"},
    {"Bullets", "Mustard Gas Grenade", "Smoke Grenade", "Knock-Out Grenade", "Explosive Grenade",
     "Fire Obstruction", "Dynamite"},
    {"Crude Flintlock Pistol", "Fine Pistol", "Repeater Rifle", "Hushed Pistol",
     "Looking Glass Rifle", "Hand Cannon", "Elephant Gun"},
    {"heal Lite", "fatigue Restorer", "Poison Cure", "fatigue Limiter", "Accelerate Healing",
     "Wonder Drug", "Cure All"},
    {"Spike Trap", "Auto Skeleton Key", "Trap Springer", "Bear Trap", "Clockwork Decoy", "Eye Gear",
     "Mechanized Arachnid"},
    {"Pure Ore", "Balanced Sword", "Ultralite Axe", "Dwarven Gauntlets", "Helmet of Vision",
     "Ultralite Chainmail", "Elite Plate Mail"},
    {"Serum of Superior Intellect", "Elixer of Physical Prowess", "Liquid of Awareness",
     "Tonic of Increased Reflexes", "Mind Marvel", "Energizer", "Revitalizer"},
};

}  // namespace kethmor::technology
