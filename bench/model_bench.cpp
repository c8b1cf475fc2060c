// How long each of the model's handlers takes, and the window's redraw
// after one. Run with scripts/measure_speed.sh.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>

#include <QApplication>

#include <QDir>
#include "session/goal.h"
#include "session/history.h"

#include "model/form1.h"
#include "sheet/level_plan.h"
#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_reader.h"
#include "ui/main_window.h"

using namespace kethmor;

namespace {

Form1 started() {
  Form1 f;
  f.Form_Load();
  return f;
}

// A button and the one that undoes it, pressed in turn so the sheet stays
// in range however long the benchmark runs.
void Pair(benchmark::State& state, Ctl forward, Ctl back) {
  Form1 f = started();
  f.levelup_Click();  // a spare CP so "+" always buys
  for (auto _ : state) {
    f.Click(forward);
    f.Click(back);
    benchmark::DoNotOptimize(f.CP_pool);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void Handler(benchmark::State& state, void (Form1::*handler)()) {
  Form1 f = started();
  for (auto _ : state) {
    (f.*handler)();
    benchmark::DoNotOptimize(f.CP_pool);
  }
}

void RaceDoubleClick(benchmark::State& state) {
  Form1 f = started();
  f.selectEntry(Ctl::Race_Selection, 0);
  for (auto _ : state) f.Race_Selection_DblClick();
}

void BackgroundDoubleClick(benchmark::State& state) {
  Form1 f = started();
  f.selectEntry(Ctl::Background_Selection, 28);
  for (auto _ : state) f.Background_Selection_DblClick();
}

void SpellBuyAndClear(benchmark::State& state) {
  Form1 f = started();
  f.WP_plus_Click();
  f.selectEntry(Ctl::Spell_list, 0);
  for (auto _ : state) {
    f.Spell_list_DblClick();
    f.Clear_Click();
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void SchematicBuyAndClear(benchmark::State& state) {
  Form1 f = started();
  f.selectEntry(Ctl::Schematic_list, 0);
  for (auto _ : state) {
    f.Schematic_list_DblClick();
    f.Clear_Click();
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void ListClick(benchmark::State& state, Ctl list, int a, int b) {
  Form1 f = started();
  for (auto _ : state) {
    f.selectEntry(list, a);
    f.selectEntry(list, b);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void Startup(benchmark::State& state) {
  for (auto _ : state) {
    Form1 f;
    f.Form_Load();
    benchmark::DoNotOptimize(f.CP_pool);
  }
}

void WindowRefreshAfterHandler(benchmark::State& state, Ctl forward, Ctl back) {
  ui::MainWindow w;
  w.show();
  for (auto _ : state) {
    w.run([&] { w.model().Click(forward); });
    w.run([&] { w.model().Click(back); });
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

void WindowRefreshAfterRace(benchmark::State& state) {
  ui::MainWindow w;
  w.show();
  int i = 0;
  for (auto _ : state) {
    const int race = (i++ % 2) ? 0 : 11;
    w.run([&] {
      w.model().selectEntry(Ctl::Race_Selection, race);
      w.model().Race_Selection_DblClick();
    });
  }
}

// Opening a saved sheet, file read included, in the model alone and with
// the window's redraw,
// between a richly built character and a plain one.
void OpenSheet(benchmark::State& state) {
  Form1 rich = started();
  rich.selectEntry(Ctl::Race_Selection, 0);
  rich.DblClick(Ctl::Race_Selection);
  for (int i = 0; i < 49; ++i) rich.levelup_Click();
  for (Ctl b : {Ctl::WP_plus, Ctl::WP_plus, Ctl::WP_plus, Ctl::WP_plus, Ctl::DX_plus, Ctl::bow_plus,
                Ctl::bow_plus, Ctl::Hitpoints_plus, Ctl::Fatigue_plus})
    rich.Click(b);
  for (int c = 0; c < 4; ++c)
    for (int k = 0; k < 4; ++k) {
      rich.selectEntry(Ctl::Magick_list, c);
      rich.selectEntry(Ctl::Spell_list, k);
      rich.DblClick(Ctl::Spell_list);
    }
  rich.alternativebackground.text = "raised by\nwandering\nscholars";
  const std::string folder = QDir::tempPath().toStdString() + "/kethmor-bench-" + std::to_string(QCoreApplication::applicationPid());
  QDir().mkpath(QString::fromStdString(folder));
  const std::string paths[2] = {folder + "/rich.txt", folder + "/plain.txt"};
  sheet::saveBytes(paths[0], sheet::sheetBytes(rich));
  sheet::saveBytes(paths[1], sheet::sheetBytes(started()));
  ui::MainWindow w;
  w.show();
  int i = 0;
  for (auto _ : state) {
    if (state.range(0)) w.openFile(paths[i++ % 2]);
    else w.model().message_window.text = sheet::openSheet(w.model(), paths[i++ % 2]);
  }
  if (!w.model().message_window.text.empty()) state.SkipWithError(w.model().message_window.text.c_str());
  QDir(QString::fromStdString(folder)).removeRecursively();
}

// A built character: level 20, statistics, skills and six spells bought.
Form1 built() {
  Form1 f = started();
  for (int i = 0; i < 19; ++i) f.levelup_Click();
  for (int i = 0; i < 3; ++i) f.WP_plus_Click(), f.DX_plus_Click(), f.bow_plus_Click();
  for (int k = 0; k < 3; ++k)
    for (int c = 0; c < 2; ++c) {
      f.selectEntry(Ctl::Magick_list, c);
      f.selectEntry(Ctl::Spell_list, k);
      f.Spell_list_DblClick();
    }
  return f;
}

// The step that wipes a built character (a race double click) taken back and
// done again: the largest step to write back.
void UndoRedoOfARaceOverABuild(benchmark::State& state) {
  Form1 f = built();
  History h;
  const Form1State before = f;
  f.selectEntry(Ctl::Race_Selection, 0);
  f.Race_Selection_DblClick();
  h.record(before, f);
  for (auto _ : state) {
    h.undo(f);
    h.redo(f);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

// The same through the window, with its redraw.
void WindowUndoRedoOfARaceOverABuild(benchmark::State& state) {
  ui::MainWindow w;
  w.show();
  w.run([&] { static_cast<Form1State&>(w.model()) = built(); });
  w.run([&] {
    w.model().selectEntry(Ctl::Race_Selection, 0);
    w.model().Race_Selection_DblClick();
  });
  for (auto _ : state) {
    w.undo();
    w.redo();
  }
  state.SetItemsProcessed(state.iterations() * 2);
}

// 1000 kept steps, each a fresh start on another race over a character with
// a few purchases: their size as counted, and as the heap sees it.
void HistoryOf1000Steps(benchmark::State& state) {
  for (auto _ : state) {
    const std::size_t heapBefore = mallinfo2().uordblks;
    History h;
    Form1 f = built();
    for (int i = 0; h.size() < 1000; ++i) {
      const Form1State before = f;
      if (i % 4 == 3) {
        f.selectEntry(Ctl::Race_Selection, i % 12);
        f.Race_Selection_DblClick();
      } else {
        f.Click(i % 2 ? Ctl::levelup : Ctl::ST_plus);
      }
      h.record(before, f);
    }
    state.counters["counted_MiB"] = static_cast<double>(h.bytes()) / (1 << 20);
    state.counters["heap_MiB"] = static_cast<double>(mallinfo2().uordblks - heapBefore) / (1 << 20);
  }
}

// A level-50 build with every CP spent: spells and schematics up to their
// last ranks, statistics, hit points.
Form1 fullBuild() {
  Form1 f = started();
  f.selectEntry(Ctl::Race_Selection, 0);
  f.DblClick(Ctl::Race_Selection);
  for (int i = 0; i < 49; ++i) f.levelup_Click();
  for (int i = 0; i < 12; ++i) f.WP_plus_Click(), f.IN_plus_Click();
  auto buy = [&f](Ctl groups, Ctl entries, int g, int k) {
    f.selectEntry(groups, g), f.selectEntry(entries, k), f.DblClick(entries);
  };
  for (int g = 0; g < 3; ++g)
    for (int k = 0; k < 5; ++k) buy(Ctl::Magick_list, Ctl::Spell_list, g, k);
  for (int g = 0; g < 2; ++g)
    for (int k = 0; k < 7; ++k) buy(Ctl::Tech_list, Ctl::Schematic_list, g, k);
  for (Ctl b : {Ctl::bow_plus, Ctl::Repair_plus, Ctl::DX_plus, Ctl::bow_plus}) f.Click(b);
  while (f.CP_pool > 0) f.Hitpoints_plus_Click();
  return f;
}

// The level plan (and its text) of the full build.
void LevelPlanOfAFullBuild(benchmark::State& state) {
  const Form1 f = fullBuild();
  std::size_t length = 0;
  for (auto _ : state) length = planText(levelPlan(f)).size();
  state.counters["purchases"] = static_cast<double>(f.purchase_order.size());
  state.counters["text_bytes"] = static_cast<double>(length);
}

// Making the full build's code, and reading it back into a window's state.
void BuildCodeOfAFullBuild(benchmark::State& state) {
  const Form1 f = fullBuild();
  std::string code;
  for (auto _ : state) code = sheet::buildCode(f);
  state.counters["letters"] = static_cast<double>(code.size());
}

void ReadBuildCodeOfAFullBuild(benchmark::State& state) {
  const Form1 f = fullBuild();
  const std::string code = sheet::buildCode(f);
  Form1State out;
  for (auto _ : state)
    if (!sheet::readCode(code, f, out).empty()) state.SkipWithError("the code is refused");
}

// Two goals: five targets (Call Air Elemental, Smoke Grenade, Bow 4, hit
// points 70, fatigue 60), and one that no pair can meet by level 20.
const session::Goal kGoals[] = {
    {{{kOrderSpell + 14, 0}, {kOrderSchematic + 16, 0}, {kOrderSkill, 4}, {kOrderHitpoints, 70}, {kOrderFatigue, 60}}},
    {{{kOrderSkill, 3}, {kOrderHitpoints, 400}, {kOrderSpell + 14, 0}}, 20}};

// A goal over every race and background: the table's text, its first row
// checked by the replay. The program's first call, which also makes the 456
// starts by the replay, is counted apart.
double firstGoalCallMs = -1;
void GoalForEveryPair(benchmark::State& state) {
  const session::Goal& goal = kGoals[state.range(0)];
  std::size_t length = 0;
  if (firstGoalCallMs < 0) {
    const auto first = std::chrono::steady_clock::now();
    length = session::tableText(goal, session::goalAnswers(goal)).size();
    firstGoalCallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - first).count();
  }
  for (auto _ : state) length = session::tableText(goal, session::goalAnswers(goal)).size();
  state.counters["first_call_ms"] = firstGoalCallMs;
  state.counters["text_bytes"] = static_cast<double>(length);
}

// The five targets for the current race and background: the answer checked
// by the replay, and its text with the level plan.
void GoalForTheCurrentPair(benchmark::State& state) {
  const Form1 f = started();
  for (auto _ : state) benchmark::DoNotOptimize(session::answerText(kGoals[0], session::goalAnswer(kGoals[0], f)));
}

}  // namespace

BENCHMARK(GoalForEveryPair)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(GoalForTheCurrentPair)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildCodeOfAFullBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBuildCodeOfAFullBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(LevelPlanOfAFullBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(UndoRedoOfARaceOverABuild);
BENCHMARK(WindowUndoRedoOfARaceOverABuild);
BENCHMARK(HistoryOf1000Steps)->Iterations(3);
BENCHMARK_CAPTURE(Pair, ST_plus_minus, Ctl::ST_plus, Ctl::ST_minus);
BENCHMARK_CAPTURE(Pair, DX_plus_minus, Ctl::DX_plus, Ctl::DX_minus);
BENCHMARK_CAPTURE(Pair, WP_plus_minus, Ctl::WP_plus, Ctl::WP_minus);
BENCHMARK_CAPTURE(Pair, IN_plus_minus, Ctl::IN_plus, Ctl::IN_minus);
BENCHMARK_CAPTURE(Pair, Hitpoints_plus_minus, Ctl::Hitpoints_plus, Ctl::Hitpoints_minus);
BENCHMARK_CAPTURE(Pair, bow_plus_minus, Ctl::bow_plus, Ctl::bow_minus);
BENCHMARK_CAPTURE(Pair, Repair_plus_minus, Ctl::Repair_plus, Ctl::Repair_minus);
BENCHMARK_CAPTURE(Handler, levelup_Click, &Form1::levelup_Click);
BENCHMARK_CAPTURE(Handler, Clear_Click_empty, &Form1::Clear_Click);
BENCHMARK_CAPTURE(Handler, RaceSelection, &Form1::RaceSelection);
BENCHMARK_CAPTURE(Handler, Magick_select_Click, &Form1::Magick_select_Click);
BENCHMARK_CAPTURE(Handler, Tech_select_Click, &Form1::Tech_select_Click);
BENCHMARK(RaceDoubleClick);
BENCHMARK(BackgroundDoubleClick);
BENCHMARK(SpellBuyAndClear);
BENCHMARK(SchematicBuyAndClear);
BENCHMARK_CAPTURE(ListClick, Race_Selection_Click, Ctl::Race_Selection, 0, 11);
BENCHMARK_CAPTURE(ListClick, Background_Selection_Click, Ctl::Background_Selection, 0, 37);
BENCHMARK_CAPTURE(ListClick, Magick_list_Click, Ctl::Magick_list, 0, 15);
BENCHMARK_CAPTURE(ListClick, Spell_list_Click, Ctl::Spell_list, 0, 4);
BENCHMARK_CAPTURE(ListClick, Tech_list_Click, Ctl::Tech_list, 0, 7);
BENCHMARK(Startup);
BENCHMARK_CAPTURE(WindowRefreshAfterHandler, ST_plus_minus, Ctl::ST_plus, Ctl::ST_minus);
BENCHMARK_CAPTURE(WindowRefreshAfterHandler, Tech_Magick, Ctl::Tech_select, Ctl::Magick_select);
BENCHMARK(WindowRefreshAfterRace);
BENCHMARK(OpenSheet)->Arg(0)->Arg(1);  // 0: the model alone, 1: with the redraw

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::registerWindowFont();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
