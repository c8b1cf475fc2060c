// The colours and the college names as compiled in.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/controls.h"
#include "magick/college_catalogue.h"
#include "technology/discipline_catalogue.h"

using namespace kethmor;

// The saved sheet reads the aptitude's bias back from these values.
TEST(Catalogue, ColoursHaveTheirValues) {
  EXPECT_EQ(kGreen, 0x0000FA00);
  EXPECT_EQ(kRed, 0x000000FF);
  EXPECT_EQ(kPink, 0x00FF80FF);
  EXPECT_EQ(kBrownOrange, 0x000040C0);
  EXPECT_EQ(kWhite, 0x00FFFFFF);
  EXPECT_EQ(kMagenta, 0x00FF00FF);
  EXPECT_EQ(static_cast<std::uint32_t>(kSysWindow), 0x80000005u);
}

TEST(Catalogue, NamesAreDistinctAndKeepTheirBlanks) {
  EXPECT_STREQ(magick::kCollegeNames[1], "Divination ");
  EXPECT_STREQ(magick::kCollegeNames[2], "Air ");
  EXPECT_STREQ(technology::kDisciplineNames[3], "Gun -Smithing");
  std::set<std::string> spells, schematics;
  for (auto& college : magick::kSpellNames) spells.insert(std::begin(college), std::end(college));
  for (auto& d : technology::kSchematicNames) schematics.insert(std::begin(d), std::end(d));
  EXPECT_EQ(spells.size(), 80u);
  EXPECT_EQ(schematics.size(), 56u);
}
