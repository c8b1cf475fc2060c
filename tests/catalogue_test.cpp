// The fixed catalogues and colours as compiled in. The race and background
// texts are checked where a click shows them (races_test, backgrounds_test).
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/controls.h"
#include "magick/college_catalogue.h"
#include "technology/discipline_catalogue.h"

using namespace kethmor;

TEST(Catalogue, ColoursHaveTheirValues) {
  EXPECT_EQ(kGreen, 0x0000FA00);
  EXPECT_EQ(kRed, 0x000000FF);
  EXPECT_EQ(kPink, 0x00FF80FF);
  EXPECT_EQ(kBrownOrange, 0x000040C0);
  EXPECT_EQ(kWhite, 0x00FFFFFF);
  EXPECT_EQ(kMagenta, 0x00FF00FF);
  EXPECT_EQ(static_cast<std::uint32_t>(kSysWindow), 0x80000005u);
}

TEST(Catalogue, CollegesAndDisciplinesKeepTheirBlanks) {
  EXPECT_STREQ(magick::kCollegeNames[1], "Divination ");
  EXPECT_STREQ(magick::kCollegeNames[2], "Air ");
  EXPECT_STREQ(technology::kDisciplineNames[3], "Gun -Smithing");
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
