// The narrow screen's layout: every control inside the column and its group,
// none over another but the list pairs that take turns at one place, what a
// finger acts on at least 44 pixels square, every caption and list entry
// within its control at the doubled size, the groups in the window's order,
// in one column or two.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalogues/background_catalogue.h"
#include "catalogues/college_catalogue.h"
#include "catalogues/discipline_catalogue.h"
#include "catalogues/race_catalogue.h"
#include "window/font_metrics.h"
#include "window/narrow_layout.h"

using namespace kethmor;
using namespace kethmor::ui;

namespace {

Ctl ctl(std::size_t i) { return static_cast<Ctl>(i); }
int wide(Ctl c, const std::string& text) { return textWidth(layout(c).font, text) * kNarrowFontScale; }

// How many lines `text` takes in control `c`, wrapped at blanks within
// `room` pixels (99 when a word is wider than the room).
int lines(Ctl c, const std::string& text, int room) {
  std::istringstream words(text);
  std::string word, line;
  int n = 1;
  while (words >> word) {
    if (wide(c, word) > room) return 99;
    const std::string longer = line.empty() ? word : line + ' ' + word;
    line = wide(c, longer) <= room ? longer : (++n, word);
  }
  return n;
}

void expectFits(Ctl c, const std::string& text) {
  const int room = narrow(c).width - (info(c).kind == Kind::Button ? 8 : 0);  // a button's frame and margins
  EXPECT_LE(lines(c, text, room) * narrowLineHeight(layout(c).font), narrow(c).height)
      << info(c).name << " does not hold \"" << text << '"';
}

}  // namespace

TEST(NarrowLayout, EveryControlStandsInTheColumnWithinItsGroup) {
  for (std::size_t i = 0; i < kNarrow.size(); ++i) {
    const NarrowPlacement& at = kNarrow[i];
    const NarrowGroupPlace& g = narrowGroup(at.group);
    EXPECT_GE(at.left, 0) << kControls[i].name << " starts left of the column";
    EXPECT_LE(at.left + at.width, kNarrowWidth) << kControls[i].name << " reaches past the column";
    EXPECT_GE(at.top, g.top) << kControls[i].name << " starts above its group";
    EXPECT_LE(at.top + at.height, g.top + g.height) << kControls[i].name << " reaches below its group";
    EXPECT_GE(narrowTextPixels(kLayout[i].font), 13) << kControls[i].name << "'s text is under 13 pixels";
  }
}

TEST(NarrowLayout, NoControlStandsOverAnotherButTheListsTakingTurns) {
  for (std::size_t i = 0; i < kNarrow.size(); ++i)
    for (std::size_t j = i + 1; j < kNarrow.size(); ++j) {
      const NarrowPlacement &a = kNarrow[i], &b = kNarrow[j];
      const bool turns = kLayout[i].left == kLayout[j].left && kLayout[i].top == kLayout[j].top;
      EXPECT_TRUE(turns || a.left >= b.left + b.width || b.left >= a.left + a.width || a.top >= b.top + b.height ||
                  b.top >= a.top + a.height)
          << kControls[i].name << " and " << kControls[j].name << " overlap";
    }
}

TEST(NarrowLayout, WhatAFingerActsOnIsAtLeast44PixelsSquare) {
  for (std::size_t i = 0; i < kNarrow.size(); ++i) {
    if (!takesFocus(kControls[i], kLayout[i]) && !readOnlyBox(kControls[i], kLayout[i])) continue;
    EXPECT_GE(kNarrow[i].width, kNarrowTarget) << kControls[i].name << " is too narrow to tap";
    EXPECT_GE(kNarrow[i].height, kNarrowTarget) << kControls[i].name << " is too low to tap";
    if (const int row = narrowRowHeight(ctl(i))) {
      EXPECT_EQ((kNarrow[i].height - 2 * kNarrowListFrame) % row, 0) << kControls[i].name << " shows part of an entry";
    }
  }
}

TEST(NarrowLayout, EveryCaptionAndEntryFitsItsControl) {
  for (std::size_t i = 0; i < kNarrow.size(); ++i)
    if (kControls[i].kind == Kind::Label || kControls[i].kind == Kind::Button) expectFits(ctl(i), kControls[i].text);
  std::vector<const char*> races, backgrounds, spells, schematics;
  for (const auto& race : races::kRaces) {
    expectFits(Ctl::Current_race, race.caption);
    races.push_back(race.listText);
  }
  for (const auto& b : backgrounds::kBackgrounds) {
    expectFits(Ctl::Current_background, b.caption);
    backgrounds.push_back(b.listText);
  }
  for (const auto& college : magick::kSpellNames) spells.insert(spells.end(), std::begin(college), std::end(college));
  for (const auto& field : technology::kSchematicNames) schematics.insert(schematics.end(), std::begin(field), std::end(field));
  const std::pair<Ctl, std::vector<const char*>> lists[] = {
      {Ctl::Race_Selection, races}, {Ctl::Background_Selection, backgrounds},
      {Ctl::Magick_list, {std::begin(magick::kCollegeNames), std::end(magick::kCollegeNames)}},
      {Ctl::Tech_list, {std::begin(technology::kDisciplineNames), std::end(technology::kDisciplineNames)}},
      {Ctl::Spell_list, spells}, {Ctl::Schematic_list, schematics}, {Ctl::purchased, spells}, {Ctl::purchased, schematics}};
  for (std::size_t i = 0; i < kNarrow.size(); ++i)  // a skill's widest value, inside the box's frame and margins
    if (kNarrow[i].group == NarrowGroup::Skills && kControls[i].kind == Kind::TextBox) {
      EXPECT_LE(wide(ctl(i), "-0.75") + 8, kNarrow[i].width) << kControls[i].name << " cuts \"-0.75\"";
    }
  for (const auto& [list, entries] : lists)
    for (const char* e : entries)  // beside the frame, a scroll bar and a margin
      EXPECT_LE(wide(list, e), narrow(list).width - 2 * kNarrowListFrame - 20) << info(list).name << " cuts \"" << e << '"';
}

TEST(NarrowLayout, GroupsStandInTheWindowsOrderOneUnderAnother) {
  // One control of each group, in the order the groups stand.
  const Ctl members[] = {Ctl::Background_Selection, Ctl::Current_race, Ctl::hitpoints, Ctl::adtraps,
                         Ctl::purchased, Ctl::alternativebackground, Ctl::Quit};
  ASSERT_EQ(std::size(members), kNarrowGroupCount) << "a group has no control named here";
  for (std::size_t k = 0; k < kNarrowGroupCount; ++k) {
    EXPECT_EQ(static_cast<std::size_t>(narrow(members[k]).group), k) << info(members[k]).name << " in another group";
    EXPECT_GE(kNarrowGroups[k].top, k ? kNarrowGroups[k - 1].top + kNarrowGroups[k - 1].height : 0) << "group " << k;
  }
}

TEST(NarrowLayout, TheTouchButtonsTakeAFingerBesideEveryControl) {
  for (const NarrowButton& b : kNarrowButtons) {
    const NarrowGroupPlace& g = narrowGroup(b.at.group);
    EXPECT_TRUE(b.at.left >= 0 && b.at.left + b.at.width <= kNarrowWidth) << b.caption << " leaves the column";
    EXPECT_TRUE(b.at.top >= g.top && b.at.top + b.at.height <= g.top + g.height) << b.caption << " leaves its group";
    EXPECT_TRUE(b.at.width >= kNarrowTarget && b.at.height >= kNarrowTarget) << b.caption << " is too small to tap";
    EXPECT_TRUE(!b.list || narrow(*b.list).group == b.at.group) << b.caption << " stands away from its list";
    EXPECT_LE(lines(Ctl::levelup, b.caption, b.at.width - 8) * narrowLineHeight(Font::B8), b.at.height) << b.caption;
    for (std::size_t i = 0; i < kNarrow.size(); ++i) {
      const NarrowPlacement& a = kNarrow[i];
      EXPECT_TRUE(a.left >= b.at.left + b.at.width || b.at.left >= a.left + a.width || a.top >= b.at.top + b.at.height ||
                  b.at.top >= a.top + a.height)
          << b.caption << " stands over " << kControls[i].name;
    }
  }
}

TEST(NarrowLayout, TwoColumnsHoldTheGroupsInOrderTheTallerAsLowAsItCanBe) {
  // The race, character and statistics groups on the left, 2,006 pixels; the skills and the rest on the right from
  // its top, 2,082 pixels: any other split makes one column at least 3,032.
  for (std::size_t g = 0; g < kNarrowGroupCount; ++g) {
    EXPECT_EQ(kNarrowTwoColumns[g].left, g < 3 ? 0 : kNarrowWidth + kNarrowColumnGap) << "group " << g << "'s column";
    EXPECT_EQ(kNarrowTwoColumns[g].top, g < 3 ? 0 : -kNarrowGroups[3].top) << "group " << g << "'s top";
  }
  EXPECT_EQ(kNarrowTwoHeight, 2082) << "the taller column";
}
