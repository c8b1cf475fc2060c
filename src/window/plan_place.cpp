#include "window/plan_place.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "window/layout_table.h"

namespace kethmor::ui {

namespace {

long long overlap(const Box& a, const Box& b) {
  const int w = std::min(a.right(), b.right()) - std::max(a.x, b.x);
  const int h = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
  return w > 0 && h > 0 ? static_cast<long long>(w) * h : 0;
}

}  // namespace

Box placePlan(const PlanRoom& r) {
  const Box& room = r.screen;
  const Box& frame = r.frame;
  const int bw = r.borderWidth, bh = r.borderHeight;
  const int fullW = std::min(r.width, room.width - bw) + bw, fullH = std::min(r.height, room.height - bh) + bh;
  const int leastW = std::min(r.leastWidth, fullW - bw) + bw, leastH = std::min(r.leastHeight, fullH - bh) + bh;
  const int gap = 8;
  const int right = room.right() - frame.right() - gap, left = frame.x - gap - room.x;
  const int below = room.bottom() - frame.bottom() - gap, above = frame.y - gap - room.y;
  const int y = std::clamp(frame.y, room.y, room.bottom() - fullH);
  const int x = std::clamp(frame.right() - fullW, room.x, room.right() - fullW);
  const struct { bool fits; Box at; } sides[] = {
      {right >= fullW, {frame.right() + gap, y, fullW, fullH}},
      {left >= fullW, {frame.x - gap - fullW, y, fullW, fullH}},
      {below >= leastH, {x, frame.bottom() + gap, fullW, std::min(below, fullH)}},
      {above >= leastH, {x, frame.y - gap - std::min(above, fullH), fullW, std::min(above, fullH)}},
      {right >= leastW, {frame.right() + gap, y, right, fullH}},
      {left >= leastW, {room.x, y, left, fullH}}};
  for (const auto& side : sides)
    if (side.fits && overlap(side.at, r.other) == 0) return side.at;
  std::vector<Box> used;  // the lists, buttons and number boxes
  for (int i = 0; i < kControlCount; ++i) {
    const Placement& p = kLayout[static_cast<std::size_t>(i)];
    const Kind kind = kControls[i].kind;
    const bool numbers = kind == Kind::TextBox && (p.flags & READONLY) && !(p.flags & MULTILINE) &&
                         static_cast<Ctl>(i) != Ctl::message_window;
    if (numbers || kind == Kind::ListBox || kind == Kind::Button)
      used.push_back({r.clientX + p.left / kTwipsPerPixel, r.clientY + p.top / kTwipsPerPixel,
                      p.width / kTwipsPerPixel, p.height / kTwipsPerPixel});
  }
  std::pair<long long, long long> least{-1, 0};  // the least covered of the other panel, then of the controls
  Box best;
  for (const auto& [w, h] : {std::pair{fullW, fullH}, std::pair{leastW, leastH}}) {  // the smaller where it covers less
    for (int atY = room.bottom() - h; atY >= room.y; atY -= gap) {
      for (int atX = room.right() - w; atX >= room.x; atX -= gap) {
        const Box at{atX, atY, w, h};
        long long covered = 0;
        for (const Box& u : used) covered += overlap(u, at);
        const std::pair cost{overlap(r.other, at), covered};
        if (least.first < 0 || cost < least) least = cost, best = at;
      }
    }
  }
  return best;
}

}  // namespace kethmor::ui
