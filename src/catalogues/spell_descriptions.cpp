#include "catalogues/spell_descriptions.h"

namespace kethmor::magick {

// Shown in background_explanations when a spell is clicked. Rows follow the
// college order of Magick_list, columns the rank order of Spell_list. Most
// texts end in one blank. The texts of Flesh to Stone and Resurrection are
// fixed and must not change.
const char* const kSpellDescriptions[kCollegeCount][kSpellsPerCollege] = {
    // 0: Conveyance
    {
        "Pushes or pulls an object with an invisible hand ",             // Unseen Force
        "Opens a locked door or chest without a key ",                   // Unlocking Cantrip
        "Steps the caster from one shadow to another nearby ",           // Shadow Shift
        "Bends the space around a foe, slowing every step it takes ",    // Spatial Distortion
        "Carries the caster instantly to a place already seen.",         // Teleport
    },
    // 1: Divination
    {
        "Reveals whether a being leans to good or evil ",                // Sense Alignment
        "Shows hidden traps close to the caster ",                       // Sense Traps
        "Reads the health and strength of a being ",                     // Read Aura
        "Makes unseen beings visible to the caster ",                    // Sense Invisible
        "Names the powers held by a magickal item.",                     // Divine Magick
    },
    // 2: Air
    {
        "Fills the lungs with fresh air, restoring fatigue ",            // Vitality of Air
        "Surrounds a foe with a cloud of choking poison ",               // Poison Vapours
        "Raises a gust that knocks foes off their feet ",                // Call Wind
        "Turns the caster to living air, hard to strike ",               // Body of Air
        "Summons an air elemental to fight at the caster's side.",       // Call Air Elemental
    },
    // 3: Earth
    {
        "Lends the strength of the earth, raising Strength for a time ", // Strength of Earth
        "Hurls a heavy stone at a foe ",                                 // Stone Toss
        "Raises a wall of solid stone that blocks the way ",             // Wall of Stone
        "Turns the caster's skin to stone, shrugging off blows ",        // Body of Earth
        "Summons an earth elemental to crush the caster's foes.",        // Call Earth Elemental
    },
    // 4: Fire
    {
        "Lends the quickness of flame, raising Dexterity for a time ",   // Agility of Fire
        "Raises a wall of flame that burns all who cross it ",           // Wall of Fire
        "Bursts into a flash of fire around the caster ",                // Fireflash
        "Wraps the caster in flame that scorches attackers ",            // Body of Fire
        "Summons a fire elemental to burn the caster's foes.",           // Call Fire Elemental
    },
    // 5: Water
    {
        "Cleanses food and drink of poison ",                            // Purity of Water
        "Calls up a thick fog that hides everything within ",            // Call Fog
        "Strikes a foe with a squall of freezing shards ",               // Squall of Ice
        "Turns the caster to water, so blows pass through ",             // Body of Water
        "Summons a water elemental to drown the caster's foes.",         // Call Water Elemental
    },
    // 6: Force
    {
        "Wraps the caster in a shield that turns aside blows ",          // Shield of Protection
        "Strikes a foe with a small burst of force ",                    // Jolt
        "Raises an unseen wall of force that nothing can pass ",         // Wall of Force
        "Casts a bolt of lightning through a line of foes ",             // Lightning Bolt
        "Tears a foe or object apart into dust.",                        // Disintegrate
    },
    // 7: Mental
    {
        "Makes a being think of the caster as a friend ",                // Charm
        "Stuns a foe so that it cannot act for a moment ",               // Stun
        "Clouds a foe's mind, leaving it dazed and slow ",               // Stupefy
        "Fills a foe's mind with terror so that it flees ",              // Nightmare
        "Bends a being's will so that it obeys the caster.",             // Dominate Will
    },
    // 8: Meta
    {
        "Strengthens the caster against hostile spells ",                // Resist Magick
        "Breaks the spells that hold on a being ",                       // Disperse Magick
        "Raises a shield that stops spells cast at the caster ",         // Dweomer Shield
        "Binds a foe so that it cannot cast spells ",                    // Bonds of Magick
        "Turns hostile spells back upon their caster.",                  // Reflective Shield
    },
    // 9: Morphing
    {
        "Hardens the hands into weapons for bare-handed fighting ",      // Hardened Hands
        "Saps the strength of a foe ",                                   // Weaken
        "Shrinks a being to a fraction of its size ",                    // Shrink
        "Converts flesh to stone ",                                      // Flesh to Stone
        "Changes a being into another creature.",                        // Polymorph
    },
    // 10: Nature
    {
        "Makes roots and vines grow up and hold a foe fast ",            // Entangle
        "Makes a wild animal friendly to the caster ",                   // Charm Beast
        "Makes an animal obey the caster's commands ",                   // Control Beast
        "Heals the wounds of an animal ",                                // Succour Beast
        "Makes a being's wounds close by themselves over time.",         // Regenerate
    },
    // 11: Black Necromantic
    {
        "Wounds a being with a touch of death ",                         // Harm
        "Fills a being's blood with poison ",                            // Poison
        "Calls up the spirit of the dead to answer questions ",          // Conjure Spirit
        "Raises a corpse as an undead servant ",                         // Create Undead
        "Snuffs out the life of a being.",                               // Quench Life
    },
    // 12: White Necromantic
    {
        "Heals small wounds ",                                           // Minor Healing
        "Stops poison in the blood ",                                    // Halt Poison
        "Heals serious wounds ",                                         // Major Healing
        "Heals all wounds ",                                             // Full Healing
        "Revives a dead being ",                                         // Resurrection
    },
    // 13: Phantasm
    {
        "Makes a glowing light around the caster ",                      // Illuminate
        "Wraps the area in magickal darkness ",                          // Enshroud
        "Blurs a foe's sight so that its blows go wide ",                // Blur Sight
        "Makes an illusory fiend that attacks a foe ",                   // Phantasmal Fiend
        "Makes the caster invisible to the eye.",                        // Invisibility
    },
    // 14: Summoning
    {
        "Summons a swarm of biting insects to plague foes ",             // Plague of Insects
        "Summons an orc champion to fight for the caster ",              // Orc Champion
        "Summons an ogre to guard the caster ",                          // Guardian Ogre
        "Opens a gate to the underworld, letting demons through.",       // Hellgate
        "Summons a small creature that stays with the caster for good.", // Familiar
    },
    // 15: Temporal
    {
        "Locks a door or chest by magick ",                              // Magelock
        "Slows time around a foe ",                                      // Congeal Time
        "Freezes a being in time so that it cannot move ",               // Stasis
        "Speeds up the caster's actions ",                               // Hasten
        "Makes time fly for the caster while the world stands still.",  // Tempus Fugit
    },
};

}  // namespace kethmor::magick
