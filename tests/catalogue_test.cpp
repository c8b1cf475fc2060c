// The college, discipline and entry names as compiled in.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "magick/college_catalogue.h"
#include "technology/discipline_catalogue.h"

using namespace kethmor;

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
