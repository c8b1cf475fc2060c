#include "catalogues/schematic_descriptions.h"

namespace kethmor::technology {

// Shown in background_explanations when a schematic is clicked. Rows follow
// the discipline order of Tech_list, columns the rank order of
// Schematic_list. The texts of Explosive Grenade and Auto Skeleton Key are
// fixed and must not change.
const char* const kSchematicDescriptions[kDisciplineCount][kSchematicsPerDiscipline] = {
    // 0: Chemistry
    {
        // Charges
        "Fresh charges to bring a spent electrical gadget back to life. No more dead batteries!",
        // Strong Poison
        "Dab a little on your blade and your foe will feel it long after the cut has closed.",
        // Fuel
        "Good clean fuel for lamps, engines and anything else that needs a little burning.",
        // Potion of Paralysis
        "Whoever drinks this won't be moving a muscle for a good while. Best served to someone else.",
        // Corrosive Acid
        "Eats through flesh, armour and the odd stubborn lock. Keep the stopper on tight!",
        // Animal Scent
        "Splash it on and the beasts of the wild will take you for one of their own.",
        // Animal Lure
        "One whiff of this and every animal around comes running to see what smells so good.",
    },
    // 1: Electrical
    {
        // Electric Light
        "A steady glow that never flickers or runs out of oil. Who needs candles?",
        // Charged Ring
        "Wear it and anyone who lays a hand on you gets a nasty little shock.",
        // Flow Spectrometer
        "Point it at a thing and its needles tell you what magick is flowing through it.",
        // Shocking Staff
        "A walking stick with a kick: every blow sends a jolt of lightning into your foe.",
        // Chapeau of Magnetic Inversion
        "A stylish hat whose magnets push spells away from the lucky head beneath it.",
        // Healing Jacket
        "Gentle currents in the lining knit your wounds back together while you wear it.",
        // Tesla Rod
        "Unleashes a crackling arc of lightning on anyone foolish enough to stand in front of you.",
    },
    // 2: Explosives
    {
        // Bullets
        "Lead and powder, neatly packed. Your guns will be awfully quiet without them.",
        // Mustard Gas Grenade
        "Lob it in and watch them choke and cough on a cloud of yellow poison gas.",
        // Smoke Grenade
        "A thick cloud of smoke for when you need to vanish or just can't be seen.",
        // Knock-Out Grenade
        "Sends everyone nearby off to dreamland without a single drop of blood spilled.",
        // Explosive Grenade
        "It's TNT, baby!",
        // Fire Obstruction
        "Lays down a line of roaring flame that nobody in their right mind will cross.",
        // Dynamite
        "The big bang. Blows foes, doors and whole walls to pieces. Stand well back!",
    },
    // 3: Gun -Smithing
    {
        // Crude Flintlock Pistol
        "Not pretty and not always reliable, but it goes bang and the other fellow falls down.",
        // Fine Pistol
        "A well-made pistol that hits harder and truer than any crude flintlock.",
        // Repeater Rifle
        "Fires shot after shot without stopping to reload. Keep the bullets coming!",
        // Hushed Pistol
        "A pistol that barely whispers when it fires. Nobody will hear where the shot came from.",
        // Looking Glass Rifle
        "A long rifle with a telescope sight, for hitting targets a very long way off.",
        // Hand Cannon
        "A pistol with the punch of a cannon. Mind the kick!",
        // Elephant Gun
        "Made to drop an elephant in one shot. Anything smaller doesn't stand a chance.",
    },
    // 4: Herbology
    {
        // heal Lite
        "A simple herbal remedy that patches up small cuts and bruises.",
        // fatigue Restorer
        "A brew of bracing herbs that puts the spring back in your tired step.",
        // Poison Cure
        "Drink it down and the poison in your blood is gone. Tastes awful, works wonders.",
        // fatigue Limiter
        "Keeps you going longer before you tire. Marathon, anyone?",
        // Accelerate Healing
        "Speeds up the body's own mending, so your wounds close in a fraction of the time.",
        // Wonder Drug
        "Heals a great deal of damage in one gulp. It really is a wonder!",
        // Cure All
        "Heals every wound and cures every poison. The finest medicine an herbalist can make.",
    },
    // 5: Mechanical
    {
        // Spike Trap
        "Hide it in the path and anyone who steps on it gets a foot full of spikes.",
        // Auto Skeleton Key
        "A handy tool for picking locks.",
        // Trap Springer
        "Send it on ahead and let it set off the traps, so you don't have to.",
        // Bear Trap
        "Steel jaws that snap shut and hold whoever steps in them fast in place.",
        // Clockwork Decoy
        "A ticking little figure that wanders off and draws your enemies away from you.",
        // Eye Gear
        "Lenses and cogs strapped over the eyes, for sharper sight and a better aim.",
        // Mechanized Arachnid
        "A clockwork spider the size of a hound that scuttles along and fights at your side.",
    },
    // 6: Smithy
    {
        // Pure Ore
        "Ore smelted free of dross, the first thing any good smith needs.",
        // Balanced Sword
        "A blade so well balanced it practically swings itself. Hits more often, too.",
        // Ultralite Axe
        "All the bite of a battle axe at a fraction of the weight.",
        // Dwarven Gauntlets
        "Heavy dwarven gauntlets that guard your hands and put real weight behind every punch.",
        // Helmet of Vision
        "A sturdy helmet that protects your head without blocking your view.",
        // Ultralite Chainmail
        "Chainmail so light you'll forget you're wearing it, until an arrow bounces off.",
        // Elite Plate Mail
        "The finest plate armour a smith can forge. Let them try to get through that!",
    },
    // 7: Therapeutics
    {
        // Serum of Superior Intellect
        "One dose and you're the cleverest person in the room, for a while at least.",
        // Elixer of Physical Prowess
        "Makes you stronger and tougher for a time. Go on, lift that boulder.",
        // Liquid of Awareness
        "Sharpens your senses so nothing slips past you while it lasts.",
        // Tonic of Increased Reflexes
        "Makes you quicker on your feet and faster with your hands for a time.",
        // Mind Marvel
        "A marvel for the mind: clearer thinking and a stronger will, all in one bottle.",
        // Energizer
        "Wipes away your fatigue in one gulp. Who needs sleep?",
        // Revitalizer
        "Restores both body and spirit at once, healing wounds and banishing fatigue.",
    },
};

}  // namespace kethmor::technology
