#include "catalogues/background_descriptions.h"

namespace kethmor::backgrounds {

// Shown in the description box when a background is clicked. Money, items,
// reputation, reactions, critical hits, resistances and aptitude mentioned
// here are story only; the sheet carries just the statistic and skill
// modifiers of the background catalogue.
const char* const kBackgroundDescriptions[kBackgroundCount] = {
    // 0: No Background
    "No significant background",
    // 1: Apprentice to a Shopkeeper
    "You spent your childhood helping out in a shop, learning to weigh "
    "goods and argue over prices. This gives you a bonus to Haggle, but "
    "the long days behind the counter have left you with a penalty to "
    "Dexterity.",
    // 2: Army Training
    "You trained with the army until you were discharged for having flat "
    "feet. The drill gave you bonuses to Strength, Melee and Bow, but your "
    "feet leave you with a penalty to Dexterity.",
    // 3: Beat with an Ugly Stick
    "Your face is so hideous that people feel the urge to attack you on "
    "sight. You suffer an extreme penalty to Beauty, but a life spent "
    "defending yourself has given you bonuses to Strength, Dexterity and "
    "all combat skills.",
    // 4: Bookworm
    "You have spent most of your life with your nose in a book. This gives "
    "you a bonus to Intelligence, but all that reading has made you myopic "
    "and cost you a point of Perception.",
    // 5: Born Under a Sign
    "You were born during a rare astronomical event, and the stars have "
    "marked your fate. You score critical hits and suffer critical misses "
    "less often than others, but when they do happen they are far more "
    "spectacular.",
    // 6: Bully
    "You were the bully of your class and always got by on your fists "
    "rather than your wits. You gain a bonus to Strength but suffer from a "
    "deficiency in Intelligence.",
    // 7: Charlatan's Protege
    "After leaving a military academy, you became the apprentice of a "
    "travelling salesman and learned to talk people into almost anything. "
    "You gain a major bonus to Charisma, but you have lost some Strength "
    "and Constitution and suffer a penalty to all combat skills.",
    // 8: Child of a Hero
    "Your father was a famous hero, and you have inherited his magick "
    "sword along with his reputation. People expect great things of you, "
    "and any evil act you commit will meet with a strong negative reaction.",
    // 9: Clanless Dwarf
    "Your parents belonged to no clan, so you grew up without the teaching "
    "that dwarves usually receive in the crafts. You lack the normal "
    "dwarven bonus to tech skills, but you own an excellent dwarven hammer.",
    // 10: Debutante
    "You were born into one of the most influential families of Kethmor "
    "and raised to shine in society. You gain bonuses to Beauty and "
    "Charisma, but your pampered upbringing gives you penalties to "
    "Strength, Dexterity and all combat skills.",
    // 11: Disenfranchised Gnome
    "Unlike most gnomes, you grew up working as a day labourer instead of "
    "learning the family trade. The hard work gives you a bonus to "
    "Strength, but you suffer a significant penalty to Haggle.",
    // 12: Elvish Blood
    "Your great-grandmother was an elf, and her blood still shows in you. "
    "You gain a bonus to Dexterity and a higher magickal aptitude, but you "
    "suffer a penalty to all tech skills.",
    // 13: Extreme Personality
    "Your personality is so strong that nobody stays indifferent to you. "
    "People react to you more strongly than usual, with either love or "
    "hate.",
    // 14: Factory Escapee
    "You were a slave in a factory until you managed to escape. You start "
    "out with little money, but the years of hard labour have given you a "
    "bonus to Strength.",
    // 15: Feral Child
    "Lost in the wilderness as a small child, you were raised by wolves. "
    "You gain Dexterity, Prowling and Pickpocket, but you suffer a severe "
    "penalty to Intelligence, lose some Persuasion and Haggle, and start "
    "with only half the normal wealth.",
    // 16: Foppish Elf
    "Raised in the city, you lose the Elven bonus to Dexterity but gain a "
    "significant bonus to Persuasion.",
    // 17: Freed Bodyguard
    "You served for years as the bodyguard of a gnomish master, whose will "
    "set you free and left you a small gift of money. A life of following "
    "orders has given you a penalty to Intelligence.",
    // 18: Halfling Orphan
    "Orphaned young, you grew up on the streets of the city and lived by "
    "stealing. You gain a significant bonus to Pickpocket but lose a point "
    "of Intelligence.",
    // 19: Hyperactive
    "You are constantly busy and can never sit still for long. Your "
    "Dexterity is higher than usual, but your Charisma suffers because "
    "others find you tiring company.",
    // 20: Inheritance
    "Your parents died young and left you everything they owned. You start "
    "with twice the normal wealth, but a life without hardship has given "
    "you a penalty to Willpower.",
    // 21: Lady's Man
    "You are unusually good-looking and well aware of it. You gain a large "
    "bonus to Beauty, but your vanity and soft living cost you some "
    "Charisma, Strength and Dexterity.",
    // 22: Professional Knife Tosser
    "You threw knives in a circus act until an accident cost you an eye. "
    "You lose a point of Perception, but your years of practice give you a "
    "bonus to Throwing.",
    // 23: Raised by Elves
    "You were raised by elves, who gave you a suit of magickal elven chain "
    "mail when you left them. Their distrust of machines has stayed with "
    "you, giving you a penalty to all tech skills.",
    // 24: Raised by Monks
    "You were raised in a monastery, where a life of piety and quiet "
    "contemplation sharpened your senses. You gain a bonus to Perception, "
    "but you start with only a quarter of the normal wealth.",
    // 25: Raised by Orcs
    "You ran away from home and were taken in by an orcish family. Life "
    "among them gave you more Strength and Perception and a bonus to all "
    "combat skills, but your coarse manners earn you a severe penalty to "
    "Charisma.",
    // 26: Raised in the Pits
    "You are a veteran of the fighting pits, where you fought for the "
    "amusement of others. You gain Strength, Dexterity and all combat "
    "skills, but repeated blows to the head have left you with a severe "
    "penalty to Intelligence.",
    // 27: Raised by Snake Handlers
    "You grew up among snake handlers and were bitten so often that you "
    "now have 20% more resistance to poison. The scars of all those bites "
    "give you a penalty to Beauty.",
    // 28: Ran Away with the Circus
    "You ran away from home to join a travelling circus. Circus life gave "
    "you considerable Strength, but you suffer serious deficiencies in "
    "Intelligence, Willpower and Perception.",
    // 29: Rare Half-Ogre Birth
    "Your human mother was one of the few to survive giving birth to a "
    "half-ogre, and she raised you in the city. You gain a considerable "
    "bonus to Intelligence, but you lose some Strength and Constitution.",
    // 30: Sent to Charm School
    "Instead of a general education, you were sent to charm school to "
    "learn poise and manners. You gain bonuses to Beauty and Charisma, but "
    "you lose some Intelligence and Strength.",
    // 31: Sheltered Childhood
    "Your parents shielded you from every danger and kept you indoors with "
    "your books. You suffer a severe penalty to Strength, but you gain "
    "bonuses to Intelligence, Willpower and Perception.",
    // 32: Sickly
    "You were born with a weak immune system and spent much of your youth "
    "in bed. You suffer penalties to Strength, Constitution and Dexterity, "
    "but your mind has grown unnaturally sharp, giving you a very high "
    "Intelligence.",
    // 33: Special Person
    "You were born with damage to your brain and lack some of the "
    "Intelligence of others. People are kind to you, though, and you "
    "receive more praise for your good deeds.",
    // 34: Suppressed Orcish Looks
    "You do not look very orcish, but you still have the surly temper of "
    "your orcish kin. You gain a bonus to Beauty and suffer a slight "
    "penalty to Charisma.",
    // 35: Tough Hide
    "Your skin is thick and brutish, and it lets you resist damage better "
    "than others. Its rough look gives you a penalty to Beauty.",
    // 36: Troll Offspring
    "There is troll blood in your family, and it shows in your looks and "
    "your manners. You suffer severe penalties to Beauty and Charisma, but "
    "you gain bonuses to Strength, Constitution and Dexterity.",
    // 37: Wild half-ogre
    "Your mother was an ogre, and you were raised by an ogre clan until "
    "recently, when you came to live in civilisation. You gain a bonus to "
    "Willpower but suffer a slight penalty to Charisma.",
};

}  // namespace kethmor::backgrounds
