#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "model/form1.h"

namespace kethmor {

// Whether going from `before` to `after` changed what the sheet holds or the
// purchase counters. Browsing does not: the message and description boxes,
// the spell or schematic list on show and the lists' highlighted entries,
// the indicator of the list pair on show, and the answer slots of the
// checks (ok_flag, backgroundallowed).
bool changesSheet(const Form1State& before, const Form1State& after);

// The steps that can be taken back and done again. Each step keeps only
// what it changed, both ways: the controls (by field), and the counters
// (the order of the build among them) whole, when any of them changed. Taking
// a step back writes its old values over the window's state and leaves
// everything else as it is now, so an undo right after the step
// gives back exactly the state before it; text typed into the two text
// boxes since is kept unless the step itself changed that box.
class History {
 public:
  static constexpr std::size_t kLimit = 1000;  // steps kept
  History();
  ~History();  // out of line, where Step is complete

  // Keeps the change from `before` to `after` as a new step when it changed
  // the sheet (changesSheet); a new step drops the steps undone before it,
  // and the oldest step goes when more than the limit are kept. Returns
  // whether a step was kept.
  bool record(const Form1State& before, const Form1State& after);
  // Takes the last step back in `state`, or does the last step undone again;
  // false when there is none.
  bool undo(Form1State& state);
  bool redo(Form1State& state);

  bool canUndo() const { return done_ > 0; }
  bool canRedo() const { return done_ < steps_.size(); }
  std::size_t size() const { return steps_.size(); }
  // Memory the kept steps take, heap included.
  std::size_t bytes() const;

  struct Step;

 private:
  std::deque<std::unique_ptr<Step>> steps_;
  std::size_t done_ = 0;  // steps that can be undone; the rest can be redone
};

}  // namespace kethmor
