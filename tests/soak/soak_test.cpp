// Seeded random user actions on the model, the sheet's own bookkeeping checked
// after each; a failure prints the seed, the failing action's index and the rule.
// KETHMOR_SOAK_ACTIONS (200000), KETHMOR_SOAK_SEED (1), KETHMOR_SOAK_UNDO_ACTIONS
// (10000: also undone and redone), KETHMOR_ROUNDTRIP_SESSIONS (3000) and KETHMOR_PLAN_SESSIONS (300)
// vary the run.
#include <random>

#include "session/history.h"
#include "sheet/level_plan.h"
#include "sheet/replay.h"
#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "support/seeded_sessions.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;

namespace {

int envInt(const char* name, int fallback) {
  return std::getenv(name) && *std::getenv(name) ? std::atoi(std::getenv(name)) : fallback;
}

// A step is undone to exactly the state before it and redone to exactly the
// state after it; an action that is no step left the saved sheet and the CPs
// as they were. Typing has the boxes' own undo.
std::string brokenUndo(History& h, Form1& f, Form1State& before, const Action& a) {
  if (a.op == Op::Type) return {};
  if (!h.record(before, f)) {
    std::string typed = std::move(f.alternativebackground.text);  // long, and alike on both sides
    before.alternativebackground.text.clear();
    const bool alike = sheet::sheetBytes(before) == sheet::sheetBytes(f) && before.CP_pool == f.CP_pool;
    f.alternativebackground.text = std::move(typed);
    return alike ? "" : "a change of the sheet is no undo step";
  }
  const Form1State after = f;
  if (!h.undo(f) || !(f == before)) return "undo does not give back the state before the step";
  if (!h.redo(f) || !(f == after)) return "redo does not give back the state after the step";
  return {};
}

// Runs the actions on a fresh window; returns the first rule broken, with
// the index of the action after which it broke, or empty.
std::string replay(const std::vector<Action>& actions) {
  Form1 f = started();
  Unbought t;
  History h;
  std::string why = brokenBookkeeping(f, t, true);
  // Undo is checked on the first actions only: a copy of the whole state each time is slow under the sanitizers.
  static const auto undoChecked = static_cast<std::size_t>(envInt("KETHMOR_SOAK_UNDO_ACTIONS", 10000));
  for (std::size_t i = 0; i < actions.size(); ++i) {
    const Action& a = actions[i];
    Form1State before = i < undoChecked ? f : Form1State();
    perform(f, a);
    why = brokenBookkeeping(f, t, a.op == Op::DblClick && onRaceOrBackground(a));
    if (why.empty() && i < undoChecked) why = brokenUndo(h, f, before, a);
    if (why.empty() && i < undoChecked && i % 5000 == 4999) {  // all the way back and forth again
      const Form1State now = f;
      while (h.undo(f)) {}
      while (h.redo(f)) {}
      if (sheet::sheetBytes(f) != sheet::sheetBytes(now) || h.size() != 1000 || h.bytes() > (16u << 20))
        why = "undoing and redoing all loses the sheet, or the history is not 1000 steps in 16 MiB";
      static_cast<Form1State&>(f) = now;
    }
    if (!why.empty()) return "after action " + std::to_string(i) + ": " + why;
  }
  return why;
}

// Replays (level, code) purchases from the plan's start up to `level`; the index of the first refused,
// or -1.
int replayed(Form1& f, const Form1State& build, const std::vector<std::pair<int, int>>& bought, int level) {
  replayStart(f, startOf(build).value());
  for (std::size_t i = 0; i < bought.size(); ++i) {
    levelTo(f, bought[i].first);
    if (!buy(f, bought[i].second)) return static_cast<int>(i);
  }
  return levelTo(f, level), -1;
}

// The plan of a build replays to its sheet; moving the first purchase of any level one level earlier
// (the only move that keeps the order) is refused.
std::string brokenPlan(const Form1State& build) {
  const LevelPlan plan = levelPlan(build);
  const int level = static_cast<int>(num(build.Clevel));
  if (static_cast<int>(plan.levels.size()) != level) return "the plan's levels are not 1 to the build's";
  std::vector<std::pair<int, int>> bought;
  for (int l = 1; l <= level; ++l)
    for (int code : plan.levels[static_cast<std::size_t>(l - 1)].bought) bought.emplace_back(l, code);
  Form1 f;
  if (replayed(f, build, bought, level) != -1 || sheet::sheetBytes(f) != sheet::sheetBytes(build))
    return "replaying the plan does not give the build's sheet";
  for (std::size_t i = 0; i < bought.size(); ++i) {
    if (bought[i].first == 1 || (i > 0 && bought[i - 1].first == bought[i].first)) continue;
    auto earlier = bought;
    --earlier[i].first;
    if (replayed(f, build, earlier, level) != static_cast<int>(i))
      return "purchase " + std::to_string(i) + " could be made a level earlier";
  }
  return {};
}

// What no rebuild gives back: highlighted but unapplied entries, the message, the hidden step box,
// answer slots.
void dropUnkept(Form1State& s) {
  s.Race_Selection.listIndex = s.Background_Selection.listIndex = -1;
  s.message_window.text = s.dummy.text = "";
  s.ok_flag = s.backgroundallowed = 0;
}

// The build's code reads back into the same build (its sheet, its plan); the code damaged
// in seeded ways is refused and gives nothing.
std::string brokenCode(const Form1State& build, unsigned seed) {
  const std::string code = sheet::buildCode(build);
  Form1State got;
  if (!sheet::readCode(code, build, got).empty()) return "its code is refused: " + code;
  if (sheet::sheetBytes(got) != sheet::sheetBytes(build)) return "its code gives another sheet: " + code;
  if (planText(levelPlan(got)) != planText(levelPlan(build))) return "its code gives another plan: " + code;
  Form1State want = build;
  dropUnkept(want), dropUnkept(got);
  if (!same(got, want)) return "its code gives another build: " + code + " " + same(got, want).message();
  std::mt19937 rng(seed);
  auto at = [&rng, &code](std::size_t from) { return from + rng() % (code.size() - from); };
  const char letter = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"[rng() % 64];
  std::string flipped = code, dropped = code, added = code;
  const std::size_t f = at(0);
  flipped[f] = flipped[f] == letter ? (letter == 'A' ? 'B' : 'A') : letter;
  dropped.erase(at(0), 1);
  added.insert(at(0), 1, letter);
  for (const std::string& damaged : {flipped, dropped, added, code.substr(0, at(0)), "KCP2" + code.substr(4)}) {
    Form1State untouched = build;
    if (sheet::readCode(damaged, build, untouched).empty() || !(untouched == build))
      return "a damaged code is read: " + damaged + " from " + code;
  }
  return {};
}

}  // namespace

TEST(Soak, RandomActionsKeepTheBookkeeping) {
  const auto seed = static_cast<unsigned>(envInt("KETHMOR_SOAK_SEED", 1));
  EXPECT_EQ(replay(generate(seed, envInt("KETHMOR_SOAK_ACTIONS", 200000))), "") << "seed " << seed;
}

// Every sheet the planner writes opens again into the same character; every build's code too.
TEST(Soak, EverySavedSheetOpensAgainIntoTheSameCharacter) {
  for (int seed = 1, sessions = envInt("KETHMOR_ROUNDTRIP_SESSIONS", 3000); seed <= sessions; ++seed) {
    const Form1 f = seededSession(static_cast<unsigned>(seed));
    const std::string bytes = sheet::sheetBytes(f);
    Form1State got;
    ASSERT_EQ(sheet::rebuildSheet(bytes, f, got), "") << "seed " << seed << "\n" << bytes;
    ASSERT_EQ(sheet::sheetBytes(got), bytes) << "seed " << seed;
    // Not on the sheet: what no rebuild gives back, the order of the build; typed text comes
    // back in the sheet's code page.
    Form1State want = f;
    for (Form1State* s : {&want, &got}) {
      dropUnkept(*s);
      s->purchase_order.clear();
      s->PCname.text = sheet::toCodePage(s->PCname.text);
      s->alternativebackground.text = sheet::toCodePage(s->alternativebackground.text);
    }
    ASSERT_TRUE(same(got, want)) << "seed " << seed;
    ASSERT_EQ(brokenCode(f, static_cast<unsigned>(seed)), "") << "seed " << seed;
  }
}

// Every plan, and every build's code read back, replays to its build.
TEST(Soak, EveryPlanReplaysToItsBuildWithEachPurchaseAtItsEarliestLevel) {
  for (int seed = 1, sessions = envInt("KETHMOR_PLAN_SESSIONS", 300); seed <= sessions; ++seed) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    Form1 f = started();
    if (seed % 4 != 0) applyRace(f, static_cast<int>(rng() % f.Race_Selection.listCount())),  // or none
                       applyBackground(f, static_cast<int>(rng() % f.Background_Selection.listCount()));
    std::vector<Ctl> buttons;  // "+" four times as often as "-", Level-up and Clear
    for (int i = 0; i < kControlCount; ++i)
      if (kControls[i].kind == Kind::Button && static_cast<Ctl>(i) != Ctl::Quit && static_cast<Ctl>(i) != Ctl::SAVE)
        for (int n = std::string(kControls[i].name).find("plus") != std::string::npos ? 4 : 1; n > 0; --n)
          buttons.push_back(static_cast<Ctl>(i));
    for (int i = 0; i < 300; ++i) {
      if (const unsigned r = rng() % 10; r == 0) press(f, Ctl::levelup);
      else if (r < 4) buy(f, rng() % 2 ? Lore::Magick : Lore::Tech, static_cast<int>(rng() % technology::kDisciplineCount),
                          static_cast<int>(rng() % technology::kSchematicsPerDiscipline));  // magick: its first colleges
      else press(f, buttons[rng() % buttons.size()]);
    }
    ASSERT_EQ(brokenPlan(f), "") << "seed " << seed;
    ASSERT_EQ(brokenCode(f, static_cast<unsigned>(seed)), "") << "seed " << seed;
    Form1State opened;
    ASSERT_EQ(sheet::rebuildSheet(sheet::sheetBytes(f), f, opened), "") << "seed " << seed;
    ASSERT_EQ(brokenPlan(opened), "") << "seed " << seed << ", opened again";
  }
}
