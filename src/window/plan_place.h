#pragma once

// Where the level plan opens beside the main window, in either face: beside
// it where the screen has room, on the right or else on the left; else below
// or above it, or beside it narrower, where a smaller plan (its buttons whole,
// eight lines of text; a panel with more controls, all of them) has room; otherwise inside the screen where it covers
// the least of the lists, buttons and number boxes that a player reads and
// clicks with it, the lower right first. Beside or over the other panel (the
// goal's, the plan's) it never opens where another place has room.
namespace kethmor::ui {

struct Box {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }    // one past the last column
  int bottom() const { return y + height; }  // one past the last row
  bool operator==(const Box&) const = default;
};

inline constexpr int kPlanLeastHeight = 200;
inline constexpr int kPlanWidth = 380, kPlanHeight = 440;  // the plan's own size where it has room

struct PlanRoom {
  Box screen;          // the room the desktop or the page gives
  Box frame;           // the main window with its frame, where it stands
  int clientX = 0, clientY = 0;  // where the window's client area (its controls) begins
  int borderWidth = 0, borderHeight = 0;  // what a window's frame adds to its content
  int width = 0, height = 0;              // the plan's own size, without its frame
  int leastWidth = 0;                     // the narrowest it can be with its buttons whole
  int leastHeight = kPlanLeastHeight;     // the lowest it can be with its controls whole
  Box other;  // the other panel where it stands (none open: width 0), which it keeps clear of
};

// The plan's frame: where it stands and its size with its frame.
Box placePlan(const PlanRoom& room);

}  // namespace kethmor::ui
