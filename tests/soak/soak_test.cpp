// A seeded stream of random user actions on the model, with the sheet's own
// bookkeeping checked after every one. On a failure it prints the seed and
// the shortest action sequence it could find that still fails.
//
// KETHMOR_SOAK_ACTIONS (default 200000) and KETHMOR_SOAK_SEED (default 1)
// make a longer or a different run; KETHMOR_SOAK_UNDO_ACTIONS (default
// 10000) how many of them are also undone and redone; KETHMOR_ROUNDTRIP_SESSIONS
// (default 3000) more sessions whose sheet is opened again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "core/form1.h"
#include "core/history.h"
#include "export/sheet.h"
#include "export/sheet_file.h"
#include "export/sheet_reader.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using kethmor::testkit::kSkillRows;
using kethmor::testkit::kStats;

namespace {

enum class Op { Click, Select, DblClick, TypeName, TypeBackground, Save };

struct Action {
  Op op;
  Ctl target;
  int index;        // list entry for Select
  std::string text; // typed text
};

std::string describe(const Action& a) {
  std::ostringstream s;
  switch (a.op) {
    case Op::Click: s << "click " << info(a.target).name; break;
    case Op::Select: s << "select " << info(a.target).name << " " << a.index; break;
    case Op::DblClick: s << "double-click " << info(a.target).name; break;
    case Op::TypeName: s << "type name (" << a.text.size() << " bytes)"; break;
    case Op::TypeBackground: s << "type background (" << a.text.size() << " bytes)"; break;
    case Op::Save: s << "save"; break;
  }
  return s.str();
}

class ScratchSaver : public SheetSaver {
 public:
  explicit ScratchSaver(std::string folder) : folder_(std::move(folder)) {}
  std::string chooseFileName() override {
    ++n_;
    if (n_ % 5 == 0) return {};                                   // cancelled
    if (n_ % 7 == 0) return folder_ + "/missing/sheet.txt";        // fails
    return folder_ + "/sheet" + std::to_string(n_ % 3) + ".txt";
  }
  std::string writeSheet(const Form1& f, const std::string& name) override {
    return inner_.writeSheet(f, name);
  }

 private:
  std::string folder_;
  int n_ = 0;
  exporter::FileSheetSaver inner_{nullptr};
};

std::vector<Ctl> controlsOf(Kind kind) {
  std::vector<Ctl> out;
  for (int i = 0; i < kControlCount; ++i)
    if (kControls[i].kind == kind && static_cast<Ctl>(i) != Ctl::Quit && static_cast<Ctl>(i) != Ctl::SAVE)
      out.push_back(static_cast<Ctl>(i));
  return out;
}

std::string randomText(std::mt19937& rng) {
  static const char* const pieces[] = {"Kara", "\t", "\n", "\r\n", "\xC3\xA9", "\xE2\x82\xAC",
                                       "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", "\x01", " ", "\xF0\x9F\x90\x89"};
  std::string s;
  const int n = static_cast<int>(rng() % 6);
  for (int i = 0; i < n; ++i) s += pieces[rng() % std::size(pieces)];
  return s;
}

std::vector<Action> generate(unsigned seed, int count) {
  std::mt19937 rng(seed);
  const std::vector<Ctl> buttons = controlsOf(Kind::Button);
  const std::vector<Ctl> lists = controlsOf(Kind::ListBox);
  std::vector<Action> actions;
  actions.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const unsigned r = rng() % 100;
    Action a{Op::Click, Ctl::ST_plus, 0, {}};
    if (r < 55) {
      a.target = buttons[rng() % buttons.size()];
    } else if (r < 75) {
      a.op = Op::Select;
      a.target = lists[rng() % lists.size()];
      a.index = static_cast<int>(rng() % 42) - 2;  // valid, out of range and missing
    } else if (r < 95) {
      a.op = Op::DblClick;
      a.target = lists[rng() % lists.size()];
    } else if (r < 97) {
      a.op = Op::TypeName;
      a.text = randomText(rng);
    } else if (r < 99) {
      a.op = Op::TypeBackground;
      a.text = randomText(rng);
    } else {
      a.op = (rng() % 20 == 0) ? Op::Save : Op::Click;
      a.target = Ctl::levelup;
    }
    actions.push_back(std::move(a));
  }
  return actions;
}

void perform(Form1& f, const Action& a) {
  switch (a.op) {
    case Op::Click: f.Click(a.target); break;
    case Op::Select: f.selectEntry(a.target, a.index); break;
    case Op::DblClick: f.DblClick(a.target); break;
    case Op::TypeName: f.PCname.text = a.text.substr(0, 22); break;
    case Op::TypeBackground: f.alternativebackground.text += a.text; break;
    case Op::Save: f.SAVE_Click(); break;
  }
}

struct Tracker {
  // Adjusted value and skill value minus what was bought, per box: fixed
  // between two applications of a race or background.
  std::array<double, 8> statBase{};
  std::array<double, 16> skillBase{};
  bool primed = false;
};

// Returns the first broken rule, or empty.
std::string broken(const Form1& f, Tracker& t, bool applied) {
  if (std::string why = testkit::brokenBookkeeping(f); !why.empty()) return why;
  if (applied || !t.primed) {
    for (std::size_t i = 0; i < 8; ++i) t.statBase[i] = num(f.*kStats[i].adjusted) - f.*kStats[i].counter;
    for (std::size_t i = 0; i < 16; ++i) t.skillBase[i] = num(f.*kSkillRows[i].box) - f.*kSkillRows[i].counter;
    t.primed = true;
  }
  for (std::size_t i = 0; i < 8; ++i)
    if (num(f.*kStats[i].adjusted) - f.*kStats[i].counter != t.statBase[i]) return "adjusted box is not its value plus its counter";
  for (std::size_t i = 0; i < 16; ++i)
    if (num(f.*kSkillRows[i].box) - f.*kSkillRows[i].counter != t.skillBase[i]) return "skill box is not its modifiers plus its counter";
  if (f.Magick_list.visible == f.Tech_list.visible) return "both or neither list pair shown";
  for (Ctl l : {Ctl::Race_Selection, Ctl::Background_Selection, Ctl::Magick_list, Ctl::Tech_list,
                Ctl::Spell_list, Ctl::Schematic_list, Ctl::purchased}) {
    const Control& c = f.ctl(l);
    if (c.listIndex < -1 || c.listIndex >= c.listCount()) return "list index out of range";
  }
  return {};
}

int envInt(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

// A step is undone to exactly the state before it and redone to exactly the
// state after it; an action that is no step left the saved sheet and the CPs
// as they were. Typing has the boxes' own undo.
std::string brokenUndo(History& h, Form1& f, Form1State& before, const Action& a) {
  if (a.op == Op::TypeName || a.op == Op::TypeBackground) return {};
  if (!h.record(before, f)) {
    std::string typed = std::move(f.alternativebackground.text);  // long, and alike on both sides
    before.alternativebackground.text.clear();
    const bool same = exporter::sheetBytes(before) == exporter::sheetBytes(f) && before.CP_pool == f.CP_pool;
    f.alternativebackground.text = std::move(typed);
    return same ? "" : "a change of the sheet is no undo step";
  }
  const Form1State after = f;
  if (!h.undo(f) || !(f == before)) return "undo does not give back the state before the step";
  if (!h.redo(f) || !(f == after)) return "redo does not give back the state after the step";
  return {};
}

bool isApplication(const Action& a) {
  return a.op == Op::DblClick && (a.target == Ctl::Race_Selection || a.target == Ctl::Background_Selection);
}

// Runs the actions on a fresh window; returns the index of the first action
// after which a rule breaks (and the rule), or -1.
std::pair<int, std::string> replay(const std::vector<Action>& actions, const std::string& folder) {
  ScratchSaver saver(folder);
  Form1 f;
  f.saver = &saver;
  f.Form_Load();
  Tracker t;
  History h;
  std::string why = broken(f, t, true);
  if (!why.empty()) return {0, why};
  // Undo is checked on the first actions (KETHMOR_SOAK_UNDO_ACTIONS): a copy
  // of the whole state each time is slow under the sanitizers.
  static const auto undoChecked = static_cast<std::size_t>(envInt("KETHMOR_SOAK_UNDO_ACTIONS", 10000));
  for (std::size_t i = 0; i < actions.size(); ++i) {
    Form1State before = i < undoChecked ? f : Form1State();
    perform(f, actions[i]);
    why = broken(f, t, isApplication(actions[i]));
    if (why.empty() && i < undoChecked) why = brokenUndo(h, f, before, actions[i]);
    if (why.empty() && i < undoChecked && i % 5000 == 4999) {  // all the way back and forth again
      const Form1State now = f;
      while (h.undo(f)) {}
      while (h.redo(f)) {}
      if (exporter::sheetBytes(f) != exporter::sheetBytes(now) || h.size() != 1000 || h.bytes() > (16u << 20))
        why = "undoing and redoing every step does not give the sheet back, or the history is not 1000 steps in 16 MiB";
      static_cast<Form1State&>(f) = now;
    }
    if (!why.empty()) return {static_cast<int>(i), why};
  }
  return {-1, {}};
}

std::vector<Action> shrink(std::vector<Action> actions, const std::string& folder) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t at = 0; at + chunk <= actions.size();) {
      std::vector<Action> shorter(actions.begin(), actions.begin() + static_cast<long>(at));
      shorter.insert(shorter.end(), actions.begin() + static_cast<long>(at + chunk), actions.end());
      if (replay(shorter, folder).first >= 0) actions = std::move(shorter);
      else at += chunk;
    }
    if (chunk == 1) break;
  }
  return actions;
}

}  // namespace

TEST(Soak, RandomActionsKeepTheBookkeeping) {
  const int count = envInt("KETHMOR_SOAK_ACTIONS", 200000);
  const auto seed = static_cast<unsigned>(envInt("KETHMOR_SOAK_SEED", 1));
  const std::string folder =
      (std::filesystem::temp_directory_path() / ("kethmor-soak-" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(folder);
  const std::vector<Action> actions = generate(seed, count);
  auto [at, why] = replay(actions, folder);
  if (at >= 0) {
    std::vector<Action> failing(actions.begin(), actions.begin() + at + 1);
    failing = shrink(failing, folder);
    std::ostringstream report;
    report << "seed " << seed << ": " << why << " after " << failing.size() << " actions:\n";
    for (const Action& a : failing) report << "  " << describe(a) << "\n";
    ADD_FAILURE() << report.str();
  }
  std::filesystem::remove_all(folder);
}

// Every sheet the planner writes opens again into the same character.
TEST(Soak, EverySavedSheetOpensAgainIntoTheSameCharacter) {
  const int sessions = envInt("KETHMOR_ROUNDTRIP_SESSIONS", 3000);
  for (int seed = 1; seed <= sessions; ++seed) {
    Form1 f;
    f.Form_Load();
    for (Action& a : generate(static_cast<unsigned>(seed), 150)) {
      // The window's race and background lists always have an entry selected.
      if (a.op == Op::Select && (a.target == Ctl::Race_Selection || a.target == Ctl::Background_Selection))
        a.index = (a.index + 2) % f.ctl(a.target).listCount();
      perform(f, a);
    }
    const std::string bytes = exporter::sheetBytes(f);
    Form1State got;
    ASSERT_EQ(exporter::rebuildSheet(bytes, f, got), "") << "seed " << seed << "\n" << bytes;
    ASSERT_EQ(exporter::sheetBytes(got), bytes) << "seed " << seed;
    // What the sheet does not hold: highlighted but unapplied entries, the
    // message, the hidden step box, answer slots; typed text comes back in
    // the sheet's code page.
    Form1State want = f;
    for (Form1State* s : {&want, &got}) {
      s->Race_Selection.listIndex = s->Background_Selection.listIndex = -1;
      s->message_window.text = s->dummy.text = "";
      s->ok_flag = s->backgroundallowed = 0;
      s->PCname.text = exporter::toCodePage(s->PCname.text);
      s->alternativebackground.text = exporter::toCodePage(s->alternativebackground.text);
    }
    ASSERT_TRUE(testkit::same(got, want)) << "seed " << seed;
  }
}
