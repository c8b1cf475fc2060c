#include "catalogues/race_descriptions.h"

namespace kethmor::races {

// Shown in the description box when a race is clicked. Each text starts
// with the race's plural name, lists the race's effects, then describes
// the people. Both genders of a race share the same text.
const char* const kRaceDescriptionTexts[kRaceTextCount] = {
    // dwarves
    "Dwarves - receive +1 strength, +1 constitution, +15% to technological "
    "aptitude and +2 ranks to all tech skills, but suffer -1 charisma and "
    "dexterity. Their spells cost twice as much to cast as is normal. "
    "Short, broad and heavily built, dwarves wear their beards long and "
    "braided and judge a person by the quality of their work. They are "
    "patient, stubborn and slow to forgive, and they prize loyalty to the "
    "clan above everything else. Their mountain halls ring with forges and "
    "steam engines, and no other people has taken to machinery so eagerly, "
    "which leaves most dwarves deeply suspicious of all magick and of "
    "those who practise it.",
    // elves
    "Elves - gain +1 dexterity, willpower and beauty and +15% to magickal "
    "aptitude, but take -2 constitution, -1 strength and -2 ranks to all "
    "tech skills. Tall, slim and graceful, the elves live for centuries "
    "and carry themselves with a gentle calm that others often mistake for "
    "arrogance. They are one of the eldest peoples of Kethmor and feel the "
    "flow of magick as naturally as breathing. Most elves regard the smoke "
    "and clatter of the new industry with distaste, and they keep to their "
    "old forest cities and libraries.",
    // gnomes
    "Gnomes - get +2 willpower and 2 ranks of Haggle, and anyone who takes "
    "a dislike to a gnome gets a further +10 to that bad reaction; they "
    "also suffer -2 constitution. Small, wiry and quick-witted folk with "
    "sharp noses and sharper eyes, gnomes are born merchants and bankers "
    "who can weigh a bargain in a heartbeat. Their wealth has bought them "
    "influence in every city, and their counting houses and trading "
    "companies reach into nearly every business worth owning. Many of them "
    "openly look on the other races as customers or debtors, and that "
    "cool, calculating manner has earned them few friends and many "
    "resentful rivals.",
    // half-elves
    "Half-Elves - gain +1 dexterity and beauty and +5% to magickal "
    "aptitude, but take -1 constitution and -1 rank to all tech skills. "
    "Born of one elven and one human parent, half-elves carry a trace of "
    "elven grace in a sturdier human frame, with finely shaped features "
    "and a long life, though shorter than that of their elven kin. They "
    "are often restless and curious and never fully at home among either "
    "of the peoples that made them. Many drift to the large cities, where "
    "they find work as scholars, envoys and adventurers, and they move "
    "more easily than most between the old ways of magick and the new "
    "machines.",
    // halflings
    "Halflings - gain +2 dexterity, 2 ranks of Prowling, 1 rank of Dodge "
    "and a +5% chance to land a critical hit, but suffer -3 strength. "
    "Barely half the height of a human, halflings are quick, light on "
    "their feet and almost silent when they want to be. They are cheerful, "
    "sociable and fond of plain food, comfortable homes and long evenings "
    "of stories and song by a warm hearth. Most live quietly in small "
    "farming villages, yet their small size and nimble fingers also make "
    "them welcome in the shadier trades of the great cities. Taller races "
    "tend to underestimate them badly, a mistake that clever and "
    "enterprising halflings have learned to turn to their advantage time "
    "and again.",
    // half-ogres
    "Half-Ogres - gain +4 strength and an extra 10% damage resistance, but "
    "take -1 beauty, -4 intelligence and -2 ranks of Prowling. Towering "
    "over every other race, half-ogres are massive, big-boned creatures "
    "with coarse, leathery skin and blunt, brutish faces. Most are the "
    "offspring of an ogre father and a human mother, and few of those "
    "births end well for the mother. They are often slow of thought but "
    "not of temper, and a half-ogre in a blind, raging fury is a danger to "
    "everything nearby. Most people fear them and shun them, so many end "
    "up as hired muscle, as guards or labourers, valued for their strength "
    "and for precious little else.",
    // half-orcs
    "Half-Orcs - gain +1 constitution, +1 strength, 2 ranks to both Melee "
    "and Dodge and an extra 10% poison resistance, but suffer -2 beauty "
    "and -2 charisma. Usually the children of an orcish father and a human "
    "mother, half-orcs are broad and muscular, with grey or greenish skin, "
    "heavy brows and jutting lower teeth. Most grow up among the orcs, "
    "where life is harsh and only the strong prosper, and they learn early "
    "to fight and to take a heavy blow. They tend to be blunt, "
    "quick-tempered and suspicious of strangers, though many are fiercely "
    "loyal to the few they trust. In the towns of men they meet with fear "
    "and scorn, and they are rarely offered anything but rough, dangerous "
    "work. Because of this many half-orcs turn to life as a mercenary, a "
    "soldier or bandit, and a few take grim pleasure in proving their "
    "worth by force.",
    // humans
    "Humans - have no special modifiers to their stats and abilities. "
    "Humans are the most numerous and most varied of all the races, and "
    "they come in every height, build and colour. What they lack in the "
    "long lives of the elves or the strength of the ogres they make up for "
    "in ambition, adaptability and sheer numbers. They rule most of the "
    "great cities and stand at the heart of the rising industry, where "
    "steam and steel are quickly changing the face of the world. A human "
    "can turn to magick or to technology with equal ease, and their "
    "choices shape their lives more than their birth does. No trade or "
    "calling is ever closed to them.",
};

}  // namespace kethmor::races
