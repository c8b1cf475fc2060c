#include "core/history.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace kethmor {

namespace {

// The module-level counters of the window, in their order.
#define KETHMOR_COUNTERS(X)                                                                      \
  X(ok_flag) X(cpstat_ST) X(cpstat_CN) X(cpstat_DX) X(cpstat_CH) X(cpstat_IN) X(cpstat_WP)      \
  X(cpstat_PE) X(cpstat_BE) X(CP_pool) X(cpstat_hitpoints) X(cpstat_fatigue) X(skill_backcolor) \
  X(CPspent_bow) X(CPspent_dodge) X(CPspent_melee) X(CPspent_throwing) X(CPspent_backstab)      \
  X(CPspent_pickpocket) X(CPspent_prowling) X(CPspent_spottrap) X(CPspent_gambling)             \
  X(CPspent_haggle) X(CPspent_heal) X(CPspent_persuasion) X(CPspent_repair) X(CPspent_firearms) \
  X(CPspent_picklocks) X(CPspent_adtraps) X(spell_owned) X(schematic_owned) X(aptitude_value)   \
  X(schematics_bought) X(spells_bought) X(race_aptitude) X(tech_aptitude_part)                  \
  X(magick_aptitude_part) X(techskill_aptitude_part) X(backgroundallowed)

struct Counters {
#define KETHMOR_FIELD(n) decltype(Form1State::n) n;
  KETHMOR_COUNTERS(KETHMOR_FIELD)
#undef KETHMOR_FIELD
  bool operator==(const Counters&) const = default;
};

// A counter added to the window without a place here would not be undone
// (the order of the build, a step keeps apart).
static_assert((kControlCount * sizeof(Control) + sizeof(Counters) + alignof(Form1State) - 1) /
                      alignof(Form1State) * alignof(Form1State) + sizeof(std::string) ==
                  sizeof(Form1State),
              "every counter of Form1State belongs in KETHMOR_COUNTERS");

Counters countersOf(const Form1State& s) {
  Counters c;
#define KETHMOR_GET(n) c.n = s.n;
  KETHMOR_COUNTERS(KETHMOR_GET)
#undef KETHMOR_GET
  return c;
}

void setCounters(Form1State& s, const Counters& c) {
#define KETHMOR_SET(n) s.n = c.n;
  KETHMOR_COUNTERS(KETHMOR_SET)
#undef KETHMOR_SET
}

// The counters that only carry a check's answer to its caller.
bool sameCountersButAnswers(Counters a, const Counters& b) {
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
  std::optional<std::pair<Counters, Counters>> counters;
  // The order of the build: the part both sides begin with, and each side's rest.
  std::uint8_t orderKept = 0;
  std::string orderRest[2];

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
    Counters a = countersOf(before), b = countersOf(after);
    if (!(a == b)) counters.emplace(a, b);
    const std::string &was = before.purchase_order, &is = after.purchase_order;
    const auto kept = std::mismatch(was.begin(), was.end(), is.begin(), is.end()).first - was.begin();
    orderKept = static_cast<std::uint8_t>(std::min<std::ptrdiff_t>(kept, 255));
    orderRest[0] = was.substr(orderKept);
    orderRest[1] = is.substr(orderKept);
  }

  void put(Form1State& s, int side) const {
    for (const Text& t : texts) at(s, t.control).text = t.value[side];
    for (const Colours& c : colours) {
      Control& ctl = at(s, c.control);
      ctl.back = c.back[side];
      ctl.fore = c.fore[side];
    }
    for (const Whole& w : wholes) at(s, w.control) = w.value[side];
    if (counters) setCounters(s, side == 0 ? counters->first : counters->second);
    s.purchase_order.replace(std::min<std::size_t>(orderKept, s.purchase_order.size()), std::string::npos,
                             orderRest[side]);
  }

  std::size_t bytes() const {
    auto heap = [](const std::string& s) { return s.capacity() > 15 ? s.capacity() + 1 : 0; };
    std::size_t n = sizeof(Step) + texts.capacity() * sizeof(Text) + colours.capacity() * sizeof(Colours) +
                    wholes.capacity() * sizeof(Whole);
    for (const Text& t : texts) n += heap(t.value[0]) + heap(t.value[1]);
    n += heap(orderRest[0]) + heap(orderRest[1]);
    for (const Whole& w : wholes)
      for (const Control& c : w.value) {
        n += heap(c.text) + c.items.capacity() * sizeof(std::string);
        for (const std::string& item : c.items) n += heap(item);
      }
    return n;
  }
};

History::History(std::size_t limit) : limit_(limit < 1 ? 1 : limit) {}
History::~History() = default;
History::History(History&&) noexcept = default;
History& History::operator=(History&&) noexcept = default;

bool History::record(const Form1State& before, const Form1State& after) {
  if (!changesSheet(before, after)) return false;
  steps_.resize(done_);
  steps_.push_back(std::make_unique<Step>(before, after));
  if (steps_.size() > limit_) steps_.pop_front();
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
