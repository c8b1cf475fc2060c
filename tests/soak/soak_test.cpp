// A seeded stream of random user actions on the model, with the sheet's own
// bookkeeping checked after every one. On a failure it prints the seed and
// the shortest action sequence it could find that still fails.
//
// KETHMOR_SOAK_ACTIONS (default 200000) and KETHMOR_SOAK_SEED (default 1)
// make a longer or a different run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "core/form1.h"
#include "export/sheet_file.h"

using namespace kethmor;

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

const std::array<std::pair<Control Form1State::*, Control Form1State::*>, 8> kStats = {{
    {&Form1State::Strength, &Form1State::Adjstrength},
    {&Form1State::Constitution, &Form1State::Adjconstitution},
    {&Form1State::Dexterity, &Form1State::Adjdexterity},
    {&Form1State::Beauty, &Form1State::Adjbeauty},
    {&Form1State::Intelligence, &Form1State::Adjintelligence},
    {&Form1State::Willpower, &Form1State::Adjwillpower},
    {&Form1State::Perception, &Form1State::Adjperception},
    {&Form1State::Charisma, &Form1State::Adjcharisma},
}};
const std::array<std::int16_t Form1State::*, 8> kStatCounters = {
    &Form1State::cpstat_ST, &Form1State::cpstat_CN, &Form1State::cpstat_DX, &Form1State::cpstat_BE,
    &Form1State::cpstat_IN, &Form1State::cpstat_WP, &Form1State::cpstat_PE, &Form1State::cpstat_CH};

// Returns the first broken rule, or empty.
std::string broken(const Form1& f, Tracker& t, bool applied) {
  const double level = num(f.Clevel);
  if (level < 1 || level > 50 || level != std::floor(level)) return "level out of 1 to 50";
  const int L = static_cast<int>(level);
  const int granted = (L - 1) + L / 5;
  int spent = f.cpstat_hitpoints + f.cpstat_fatigue + f.purchased.listCount();
  for (auto c : kStatCounters) spent += f.*c;
  double techRanks = 0;
  for (const SkillInfo& s : kSkills) {
    spent += static_cast<int>(f.*s.counter);
    if (s.tech) techRanks += f.*s.counter;
  }
  if (spent + f.CP_pool != 5 + granted) return "CPs spent plus the pool differ from the CPs granted";
  if (num(f.CPs_remaining) != f.CP_pool) return "CPs_remaining differs from CP_pool";
  for (std::size_t i = 0; i < 8; ++i)
    if (num(f.*kStats[i].first) != 8 + f.*kStatCounters[i]) return "a base box is not 8 + its counter";
  if (applied || !t.primed) {
    for (std::size_t i = 0; i < 8; ++i) t.statBase[i] = num(f.*kStats[i].second) - f.*kStatCounters[i];
    for (std::size_t i = 0; i < 16; ++i) t.skillBase[i] = num(f.*kSkills[i].box) - f.*kSkills[i].counter;
    t.primed = true;
  }
  for (std::size_t i = 0; i < 8; ++i)
    if (num(f.*kStats[i].second) - f.*kStatCounters[i] != t.statBase[i]) return "adjusted box is not its value plus its counter";
  for (std::size_t i = 0; i < 16; ++i) {
    const SkillInfo& s = kSkills[i];
    if (num(f.*s.box) - f.*s.counter != t.skillBase[i]) return "skill box is not its modifiers plus its counter";
    const bool green = (f.*s.box).back == kGreen;
    if (green != (f.*s.counter > 0)) return "skill box green while no rank is bought, or the reverse";
    if (!green && (f.*s.box).back != f.skill_backcolor) return "skill box colour not restored";
    if (f.*s.counter < 0 || f.*s.counter > 5) return "skill ranks out of 0 to 5";
  }
  int spells = 0, schematics = 0;
  for (auto& c : f.spell_owned)
    for (auto v : c) spells += v != 0;
  for (auto& d : f.schematic_owned)
    for (auto v : d) schematics += v != 0;
  if (spells != f.spells_bought) return "spells_bought differs from the owned spells";
  if (schematics != f.schematics_bought) return "schematics_bought differs from the owned schematics";
  if (spells + schematics != f.purchased.listCount()) return "purchased differs from the owned entries";
  const double sum = f.race_aptitude + 5.0 * spells - 5.0 * schematics - 4.0 * techRanks;
  if (f.aptitude_value != sum) return "aptitude value is not the sum of its parts";
  if (f.aptitude.text != "0" || sum != 0) {
    if (num(f.aptitude) != std::min(100.0, std::fabs(sum))) return "aptitude box is not the capped magnitude";
    const Colour want = sum > 0 ? kPink : sum < 0 ? kBrownOrange : kWhite;
    if (f.aptitude.back != want) return "aptitude colour does not follow the sign";
  }
  const double hp = 2 * num(f.Adjstrength) + num(f.Adjwillpower) + 6 + 4 * f.cpstat_hitpoints + 2 * (L - 1);
  if (num(f.hitpoints) != hp) return "hit points do not follow the statistics";
  const double fat = 2 * num(f.Adjconstitution) + num(f.Adjwillpower) + 6 + 4 * f.cpstat_fatigue + 2 * (L - 1);
  if (num(f.fatigue) != fat) return "fatigue does not follow the statistics";
  if (f.Magick_list.visible == f.Tech_list.visible) return "both or neither list pair shown";
  for (Ctl l : {Ctl::Race_Selection, Ctl::Background_Selection, Ctl::Magick_list, Ctl::Tech_list,
                Ctl::Spell_list, Ctl::Schematic_list, Ctl::purchased}) {
    const Control& c = f.ctl(l);
    if (c.listIndex < -1 || c.listIndex >= c.listCount()) return "list index out of range";
  }
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
  std::string why = broken(f, t, true);
  if (!why.empty()) return {0, why};
  for (std::size_t i = 0; i < actions.size(); ++i) {
    perform(f, actions[i]);
    why = broken(f, t, isApplication(actions[i]));
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

int envInt(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
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
