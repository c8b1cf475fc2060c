// The narrow screen's layout: every control inside the column and its group,
// none over another but the list pairs that take turns at one place, what a
// finger acts on at least 44 pixels square, every caption and list entry
// within its control at the doubled size, the groups in the window's order.
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

Ctl ctl(int i) { return static_cast<Ctl>(i); }

// How many lines `text` takes in font `f` at the narrow size, wrapped at
// blanks within `room` pixels (99 when a word is wider than the room).
int lines(Font f, const std::string& text, int room) {
  std::istringstream words(text);
  std::string word, line;
  int n = 1;
  while (words >> word) {
    if (textWidth(f, word) * kNarrowFontScale > room) return 99;
    const std::string longer = line.empty() ? word : line + ' ' + word;
    line = textWidth(f, longer) * kNarrowFontScale <= room ? longer : (++n, word);
  }
  return n;
}

void expectFits(Ctl c, const std::string& text) {
  const bool button = info(c).kind == Kind::Button;
  const int room = narrow(c).width - (button ? 8 : 0);  // a button's frame and margins
  EXPECT_LE(lines(layout(c).font, text, room) * narrowLineHeight(layout(c).font), narrow(c).height)
      << info(c).name << " does not hold \"" << text << '"';
}

void expectEntriesFit(Ctl list, const std::vector<const char*>& entries) {
  // The frame, a scroll bar and a margin beside the entry.
  const int room = narrow(list).width - 2 * kNarrowListFrame - 16 - 4;
  for (const char* e : entries)
    EXPECT_LE(textWidth(layout(list).font, e) * kNarrowFontScale, room) << info(list).name << " cuts \"" << e << '"';
}

}  // namespace

TEST(NarrowLayout, EveryControlStandsInTheColumnWithinItsGroup) {
  for (int i = 0; i < kControlCount; ++i) {
    const NarrowPlacement& at = narrow(ctl(i));
    const NarrowGroupPlace& g = narrowGroup(at.group);
    EXPECT_GE(at.left, 0) << kControls[i].name << " starts left of the column";
    EXPECT_LE(at.left + at.width, kNarrowWidth) << kControls[i].name << " reaches past the column";
    EXPECT_GE(at.top, g.top) << kControls[i].name << " starts above its group";
    EXPECT_LE(at.top + at.height, g.top + g.height) << kControls[i].name << " reaches below its group";
    EXPECT_GE(narrowTextPixels(layout(ctl(i)).font), 13) << kControls[i].name << "'s text is under 13 pixels";
  }
}

TEST(NarrowLayout, NoControlStandsOverAnotherButTheListsTakingTurns) {
  for (int i = 0; i < kControlCount; ++i)
    for (int j = i + 1; j < kControlCount; ++j) {
      const NarrowPlacement &a = kNarrow[static_cast<std::size_t>(i)], &b = kNarrow[static_cast<std::size_t>(j)];
      const bool turns = kLayout[static_cast<std::size_t>(i)].left == kLayout[static_cast<std::size_t>(j)].left &&
                         kLayout[static_cast<std::size_t>(i)].top == kLayout[static_cast<std::size_t>(j)].top;
      if (!turns && a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
          b.top < a.top + a.height)
        ADD_FAILURE() << kControls[i].name << " and " << kControls[j].name << " overlap";
    }
}

TEST(NarrowLayout, WhatAFingerActsOnIsAtLeast44PixelsSquare) {
  for (int i = 0; i < kControlCount; ++i) {
    const NarrowPlacement& at = kNarrow[static_cast<std::size_t>(i)];
    if (!takesFocus(kControls[i], kLayout[static_cast<std::size_t>(i)]) &&
        !readOnlyBox(kControls[i], kLayout[static_cast<std::size_t>(i)]))
      continue;
    EXPECT_GE(at.width, kNarrowTarget) << kControls[i].name << " is too narrow to tap";
    EXPECT_GE(at.height, kNarrowTarget) << kControls[i].name << " is too low to tap";
    if (kControls[i].kind == Kind::ListBox) {
      EXPECT_EQ((at.height - 2 * kNarrowListFrame) % narrowRowHeight(ctl(i)), 0)
          << kControls[i].name << " shows part of an entry";
    }
  }
}

TEST(NarrowLayout, EveryCaptionAndEntryFitsItsControl) {
  for (int i = 0; i < kControlCount; ++i)
    if (kControls[i].kind == Kind::Label || kControls[i].kind == Kind::Button) expectFits(ctl(i), kControls[i].text);
  for (const auto& race : races::kRaces) expectFits(Ctl::Current_race, race.caption);
  for (const auto& b : backgrounds::kBackgrounds) expectFits(Ctl::Current_background, b.caption);
  std::vector<const char*> races, backgrounds, spells, schematics;
  for (const auto& race : races::kRaces) races.push_back(race.listText);
  for (const auto& b : backgrounds::kBackgrounds) backgrounds.push_back(b.listText);
  for (const auto& college : magick::kSpellNames) spells.insert(spells.end(), std::begin(college), std::end(college));
  for (const auto& field : technology::kSchematicNames) schematics.insert(schematics.end(), std::begin(field), std::end(field));
  expectEntriesFit(Ctl::Race_Selection, races);
  expectEntriesFit(Ctl::Background_Selection, backgrounds);
  expectEntriesFit(Ctl::Magick_list, {std::begin(magick::kCollegeNames), std::end(magick::kCollegeNames)});
  expectEntriesFit(Ctl::Tech_list, {std::begin(technology::kDisciplineNames), std::end(technology::kDisciplineNames)});
  expectEntriesFit(Ctl::Spell_list, spells);
  expectEntriesFit(Ctl::Schematic_list, schematics);
  expectEntriesFit(Ctl::purchased, spells);
  expectEntriesFit(Ctl::purchased, schematics);
}

TEST(NarrowLayout, GroupsStandInTheWindowsOrderOneUnderAnother) {
  // One control of each group, in the order the groups stand.
  const Ctl members[] = {Ctl::Background_Selection, Ctl::Current_race, Ctl::hitpoints, Ctl::adtraps,
                         Ctl::purchased, Ctl::alternativebackground, Ctl::Quit};
  ASSERT_EQ(std::size(members), kNarrowGroupCount) << "a group has no control named here";
  for (std::size_t k = 0; k < kNarrowGroupCount; ++k) {
    EXPECT_EQ(static_cast<std::size_t>(narrow(members[k]).group), k) << info(members[k]).name << " in another group";
    if (k) {
      EXPECT_GE(kNarrowGroups[k].top, kNarrowGroups[k - 1].top + kNarrowGroups[k - 1].height) << "group " << k;
    }
  }
}
