#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "backgrounds/background_catalogue.h"
#include "backgrounds/background_descriptions.h"
#include "magick/college_catalogue.h"
#include "races/race_catalogue.h"
#include "races/race_descriptions.h"
#include "technology/discipline_catalogue.h"

using namespace kethmor;

TEST(Catalogue, RaceDescriptionsOpenAndMeasureAsPublished) {
  struct Case { const char* opening; std::size_t length; };
  const Case cases[races::kRaceTextCount] = {
      {"Dwarves - ", 633}, {"Elves - ", 516}, {"Gnomes - ", 619}, {"Half-Elves - ", 608},
      {"Halflings - ", 677}, {"Half-Ogres - ", 639}, {"Half-Orcs - ", 825}, {"Humans - ", 630}};
  for (int i = 0; i < races::kRaceTextCount; ++i) {
    const std::string text = races::kRaceDescriptionTexts[i];
    SCOPED_TRACE(cases[i].opening);
    EXPECT_EQ(text.rfind(cases[i].opening, 0), 0u);
    EXPECT_EQ(text.size(), cases[i].length);
  }
  EXPECT_EQ(std::string(races::kRaceDescriptionTexts[7])
                .rfind("Humans - have no special modifiers to their stats and abilities.", 0),
            0u);
  EXPECT_NE(std::string(races::kRaceDescriptionTexts[1]).find("Kethmor"), std::string::npos);
}

TEST(Catalogue, EachRaceEntryShowsItsRacesText) {
  const int expected[races::kRaceCount] = {0, 1, 1, 2, 3, 3, 4, 5, 6, 6, 7, 7};
  for (int i = 0; i < races::kRaceCount; ++i) EXPECT_EQ(races::kRaces[i].description, expected[i]) << i;
}

TEST(Catalogue, BackgroundTextsKeepTheirBlanks) {
  ASSERT_EQ(backgrounds::kBackgrounds.size(), 38u);
  EXPECT_STREQ(backgrounds::kBackgroundDescriptions[0], "No significant background");
  EXPECT_STREQ(backgrounds::kBackgroundDescriptions[16],
               "Raised in the city, you lose the Elven bonus to Dexterity but gain a "
               "significant bonus to Persuasion.");
  EXPECT_STREQ(backgrounds::kBackgrounds[21].listText, "Lady 's Man");
  EXPECT_STREQ(backgrounds::kBackgrounds[21].caption, "Lady's Man");
  EXPECT_STREQ(backgrounds::kBackgrounds[37].listText, "Wild half - ogre");
  EXPECT_STREQ(backgrounds::kBackgrounds[37].caption, "Wild half-ogre");
  EXPECT_STREQ(backgrounds::kBackgrounds[1].caption, "apprentice to a shopkeeper");
  EXPECT_STREQ(backgrounds::kBackgrounds[2].caption, "army training");
  EXPECT_STREQ(backgrounds::kBackgrounds[0].caption, "None");
  std::set<std::string> distinct;
  for (int i = 0; i < backgrounds::kBackgroundTotal; ++i) {
    EXPECT_GT(std::strlen(backgrounds::kBackgroundDescriptions[i]), 0u) << i;
    distinct.insert(backgrounds::kBackgroundDescriptions[i]);
  }
  EXPECT_EQ(distinct.size(), 38u);
}

TEST(Catalogue, CollegesAndDisciplinesKeepTheirBlanks) {
  EXPECT_STREQ(magick::kCollegeNames[1], "Divination ");
  EXPECT_STREQ(magick::kCollegeNames[2], "Air ");
  EXPECT_STREQ(technology::kDisciplineNames[3], "Gun -Smithing");
  EXPECT_STREQ(magick::kSpellDescriptions[9][3], "Converts flesh to stone ");
  EXPECT_STREQ(magick::kSpellDescriptions[12][4], "Revives a dead being ");
  EXPECT_STREQ(technology::kSchematicDescriptions[2][4], "It's TNT, baby!");
  EXPECT_STREQ(technology::kSchematicDescriptions[5][1], "A handy tool for picking locks.");
  EXPECT_STREQ(technology::kSchematicNames[4][0], "heal Lite");
  EXPECT_STREQ(technology::kSchematicNames[4][3], "fatigue Limiter");
  std::set<std::string> names;
  for (auto& college : magick::kSpellNames)
    for (const char* spell : college) {
      const std::string s = spell;
      EXPECT_FALSE(s.empty() || s.front() == ' ' || s.back() == ' ') << s;
      names.insert(s);
    }
  EXPECT_EQ(names.size(), 80u);
  std::set<std::string> schematics;
  for (auto& discipline : technology::kSchematicNames)
    for (const char* s : discipline) schematics.insert(s);
  EXPECT_EQ(schematics.size(), 56u);
  for (auto& college : magick::kSpellDescriptions)
    for (const char* d : college) EXPECT_GT(std::strlen(d), 0u);
  for (auto& discipline : technology::kSchematicDescriptions)
    for (const char* d : discipline) EXPECT_GT(std::strlen(d), 0u);
}

TEST(Catalogue, ThresholdsFollowTheRankRules) {
  const int will[] = {6, 9, 12, 15, 18};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(magick::willpowerThreshold(k), will[k]);
  const int intelligence[] = {7, 9, 11, 13, 15, 17, 19};
  for (int k = 0; k < 7; ++k) EXPECT_EQ(technology::intelligenceThreshold(k), intelligence[k]);
}
