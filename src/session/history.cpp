#include "session/history.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace kethmor {

namespace {

// The counters of a state, whole.
const Form1Counters& countersOf(const Form1State& s) { return s; }

// The counters that only carry a check's answer to its caller.
bool sameCountersButAnswers(Form1Counters a, const Form1Counters& b) {
  a.ok_flag = b.ok_flag;
  a.backgroundallowed = b.backgroundallowed;
  return a == b;
}

// Controls whose every change is browsing.
bool browsingOnly(Ctl id) {
  switch (id) {
    case Ctl::message_window:
    case Ctl::background_explanations:
    case Ctl::Spelltechindicator:
    case Ctl::Spell_list:
    case Ctl::Schematic_list: return true;
    default: return false;
  }
}

const Control& at(const Form1State& s, int i) { return s.*kMembers[i]; }
Control& at(Form1State& s, int i) { return s.*kMembers[i]; }

}  // namespace

bool changesSheet(const Form1State& before, const Form1State& after) {
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl id = static_cast<Ctl>(i);
    if (browsingOnly(id)) continue;
    const Control& a = at(before, i);
    const Control& b = at(after, i);
    if (a.text != b.text || a.back != b.back || a.fore != b.fore || a.items != b.items) return true;
    // Which entry is highlighted, and which list pair is on show, is browsing.
    if (info(id).kind != Kind::ListBox && a.visible != b.visible) return true;
  }
  return !sameCountersButAnswers(countersOf(before), countersOf(after)) ||
         before.purchase_order != after.purchase_order;
}

static_assert(kControlCount <= 256, "a step names its controls in one byte");

// What one step changed, each value before [0] and after [1].
struct History::Step {
  struct Text {
    std::uint8_t control;
    std::string value[2];
  };
  struct Colours {
    std::uint8_t control;
    Colour back[2], fore[2];
  };
  struct Whole {  // a list's entries or selection, or a control shown or hidden
    std::uint8_t control;
    Control value[2];
  };
  std::vector<Text> texts;
  std::vector<Colours> colours;
  std::vector<Whole> wholes;
  std::optional<std::pair<Form1Counters, Form1Counters>> counters;

  Step(const Form1State& before, const Form1State& after) {
    for (int i = 0; i < kControlCount; ++i) {
      const Control& a = at(before, i);
      const Control& b = at(after, i);
      const auto id = static_cast<std::uint8_t>(i);
      if (a.items != b.items || a.listIndex != b.listIndex || a.visible != b.visible || a.sorted != b.sorted) {
        wholes.push_back({id, {a, b}});
        continue;
      }
      if (a.text != b.text) texts.push_back({id, {a.text, b.text}});
      if (a.back != b.back || a.fore != b.fore) colours.push_back({id, {a.back, b.back}, {a.fore, b.fore}});
    }
    texts.shrink_to_fit();
    colours.shrink_to_fit();
    wholes.shrink_to_fit();
    if (!(countersOf(before) == countersOf(after))) counters.emplace(before, after);
  }

  void put(Form1State& s, int side) const {
    for (const Text& t : texts) at(s, t.control).text = t.value[side];
    for (const Colours& c : colours) {
      Control& ctl = at(s, c.control);
      ctl.back = c.back[side];
      ctl.fore = c.fore[side];
    }
    for (const Whole& w : wholes) at(s, w.control) = w.value[side];
    if (counters) static_cast<Form1Counters&>(s) = side == 0 ? counters->first : counters->second;
  }

  std::size_t bytes() const {
    auto heap = [](const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; };
    std::size_t n = sizeof(Step) + texts.capacity() * sizeof(Text) + colours.capacity() * sizeof(Colours) +
                    wholes.capacity() * sizeof(Whole);
    for (const Text& t : texts) n += heap(t.value[0]) + heap(t.value[1]);
    if (counters) n += heap(counters->first.purchase_order) + heap(counters->second.purchase_order);
    for (const Whole& w : wholes)
      for (const Control& c : w.value) {
        n += heap(c.text) + c.items.capacity() * sizeof(std::string);
        for (const std::string& item : c.items) n += heap(item);
      }
    return n;
  }
};

History::History() = default;
History::~History() = default;

bool History::record(const Form1State& before, const Form1State& after) {
  if (!changesSheet(before, after)) return false;
  steps_.resize(done_);
  steps_.push_back(std::make_unique<Step>(before, after));
  if (steps_.size() > kLimit) steps_.pop_front();
  done_ = steps_.size();
  return true;
}

bool History::undo(Form1State& state) {
  if (!canUndo()) return false;
  steps_[--done_]->put(state, 0);
  return true;
}

bool History::redo(Form1State& state) {
  if (!canRedo()) return false;
  steps_[done_++]->put(state, 1);
  return true;
}

std::size_t History::bytes() const {
  std::size_t n = sizeof(History);
  for (const auto& step : steps_) n += sizeof(step) + step->bytes();
  return n;
}

}  // namespace kethmor
