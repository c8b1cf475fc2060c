// Seeded random sessions of user actions on the model: the soak's, and the
// sheets the WebAssembly build must write as the desktop build does.
#pragma once

#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "catalogues/background_descriptions.h"
#include "model/form1.h"

namespace kethmor::testkit {

enum class Op { Click, Select, DblClick, Type };  // Type: into the name or the background box
struct Action { Op op; Ctl target; int index; std::string text; };  // index: the entry a Select picks

inline std::string randomText(std::mt19937& rng) {
  static const char* const pieces[] = {"Kara", "\t", "\n", "\r\n", "\xC3\xA9", "\xE2\x82\xAC",
                                       "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D", "\x01", " ", "\xF0\x9F\x90\x89"};
  std::string s;
  for (int i = 0, n = static_cast<int>(rng() % 6); i < n; ++i) s += pieces[rng() % std::size(pieces)];
  return s;
}

inline std::vector<Action> generate(unsigned seed, int count) {
  std::mt19937 rng(seed);
  std::vector<Ctl> buttons, lists;  // all but Quit and SAVE
  for (int i = 0; i < kControlCount; ++i) {
    if (static_cast<Ctl>(i) == Ctl::Quit || static_cast<Ctl>(i) == Ctl::SAVE) continue;
    if (kControls[i].kind == Kind::Button) buttons.push_back(static_cast<Ctl>(i));
    if (kControls[i].kind == Kind::ListBox) lists.push_back(static_cast<Ctl>(i));
  }
  std::vector<Action> actions;
  for (int i = 0; i < count; ++i) {
    const unsigned r = rng() % 100;
    Action a{Op::Click, Ctl::levelup, 0, {}};
    if (r < 55) {
      a.target = buttons[rng() % buttons.size()];
    } else if (r < 95) {
      a.op = r < 75 ? Op::Select : Op::DblClick;
      a.target = lists[rng() % lists.size()];
      if (r < 75) a.index = static_cast<int>(rng() % (backgrounds::kBackgroundCount + 4)) - 2;  // valid, out of range, missing
    } else {
      a = {Op::Type, r < 97 ? Ctl::PCname : Ctl::alternativebackground, 0, randomText(rng)};
    }
    actions.push_back(std::move(a));
  }
  return actions;
}

inline bool onRaceOrBackground(const Action& a) {
  return a.target == Ctl::Race_Selection || a.target == Ctl::Background_Selection;
}

inline void perform(Form1& f, const Action& a) {
  switch (a.op) {
    case Op::Click: f.Click(a.target); break;
    case Op::Select: f.selectEntry(a.target, a.index); break;
    case Op::DblClick: f.DblClick(a.target); break;
    case Op::Type:  // the name box holds 22 characters; the background box takes the text on its end
      if (a.target == Ctl::PCname) f.PCname.text = a.text.substr(0, 22);
      else f.alternativebackground.text += a.text;
      break;
  }
}

// A session of 150 seeded actions from the start, as a user could make it:
// the window's race and background lists always have an entry selected.
inline Form1 seededSession(unsigned seed) {
  Form1 f;
  f.Form_Load();
  for (Action& a : generate(seed, 150)) {
    if (a.op == Op::Select && onRaceOrBackground(a)) a.index = (a.index + 2) % f.ctl(a.target).listCount();
    perform(f, a);
  }
  return f;
}

}  // namespace kethmor::testkit
