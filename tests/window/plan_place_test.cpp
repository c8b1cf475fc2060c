// Where the level plan opens: beside the window, else below it, else narrower beside it, else where it covers
// the least of the controls a player uses.
#include <gtest/gtest.h>

#include "window/plan_place.h"

namespace {

using kethmor::ui::Box;

TEST(PlanPlace, BesideBelowNarrowerOrWhereItCoversLeast) {
  const struct { const char* where; Box screen, frame; Box want; int leastHeight = 200, borderWidth = 0, borderHeight = 0; Box other = {}; } rows[] = {
      {"right", {0, 0, 1600, 1200}, {0, 0, 790, 573}, {798, 0, 380, 440}},
      {"left", {0, 0, 1600, 1200}, {1000, 50, 790, 573}, {612, 50, 380, 440}},
      {"below", {0, 0, 1024, 1000}, {100, 0, 790, 573}, {510, 581, 380, 419}},
      {"narrower right", {0, 0, 1150, 700}, {0, 0, 790, 573}, {798, 0, 352, 440}},
      {"over the description box, which covers no list, button or number", {0, 0, 800, 600}, {0, 0, 790, 573},
       {28, 144, 300, 200}},
      {"a panel no lower than 300 where below has 250", {0, 0, 1024, 831}, {100, 0, 790, 573}, {324, 531, 300, 300}, 300},
      {"where it covers least, a column one pixel wide counted", {0, 0, 861, 544}, {164, 65, 790, 573}, {97, 232, 300, 200}},
      {"narrower right, as below lacks the frame's 30 pixels", {0, 0, 1238, 900}, {100, 0, 790, 573}, {898, 0, 340, 470},
       300, 10, 30},
      {"where it covers least, as narrower right lacks the frame's 10 pixels", {0, 0, 1198, 900}, {100, 0, 790, 573},
       {888, 570, 310, 330}, 300, 10, 30},
      {"the lower where it covers less, on a screen narrower than the least width and the frame", {0, 0, 305, 900},
       {0, 0, 790, 573}, {0, 570, 305, 330}, 300, 10, 30},
      {"below, as the other panel stands on the right", {0, 0, 1600, 1200}, {0, 0, 790, 573}, {410, 581, 380, 440}, 200,
       0, 0, {798, 0, 380, 440}},
      {"where it covers least, off the other panel", {0, 0, 800, 600}, {0, 0, 790, 573}, {420, 208, 300, 200}, 200,
       0, 0, {28, 144, 300, 200}},
      {"where it covers least, the lower right taken by the other panel", {0, 0, 800, 600}, {0, 0, 790, 573},
       {28, 144, 300, 200}, 200, 0, 0, {400, 300, 400, 300}},
  };
  for (const auto& r : rows) {
    const Box at = kethmor::ui::placePlan({r.screen, r.frame, r.frame.x, r.frame.y, r.borderWidth, r.borderHeight, 380, 440, 300, r.leastHeight, r.other});
    EXPECT_EQ(at, r.want) << r.where << ": " << at.x << "," << at.y << " " << at.width << "x" << at.height;
  }
}

}  // namespace
