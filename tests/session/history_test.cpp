// The undo history: a step only for a change to the sheet, undo and redo exact, a new step drops
// the steps undone, the typed texts kept, and the oldest step dropped past the limit.
#include "session/history.h"
#include "sheet/sheet.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;

// Records one press as a step; whether it was kept.
bool pressed(History& h, Form1& f, Ctl button) {
  const Form1State before = f;
  press(f, button);
  return h.record(before, f);
}

TEST(History, BrowsingIsNoStep) {
  History h;
  Form1 f = started();
  const Form1State before = f;
  f.selectEntry(Ctl::Magick_list, 3);  // another college's spells on show
  EXPECT_FALSE(h.record(before, f)) << "browsing kept as a step";
  EXPECT_FALSE(h.canUndo()) << "something to undo";
}

TEST(History, UndoAndRedoGiveBackEachSideExactly) {
  History h;
  Form1 f = started();
  const Form1State before = f;
  ASSERT_TRUE(pressed(h, f, Ctl::ST_plus));
  const Form1State after = f;
  ASSERT_TRUE(h.undo(f));
  EXPECT_TRUE(same(f, before)) << "undo";
  ASSERT_TRUE(h.redo(f));
  EXPECT_TRUE(same(f, after)) << "redo";
  EXPECT_FALSE(h.redo(f)) << "a second redo";
}

TEST(History, ANewStepDropsTheStepsUndone) {
  History h;
  Form1 f = started();
  ASSERT_TRUE(pressed(h, f, Ctl::ST_plus));
  ASSERT_TRUE(h.undo(f));
  ASSERT_TRUE(pressed(h, f, Ctl::DX_plus));
  EXPECT_FALSE(h.canRedo()) << "the strength point could be done again";
  EXPECT_EQ(h.size(), 1u) << "steps kept";
}

// Text typed since a step stays when the step is taken back, unless the step itself changed that box.
TEST(History, TypedTextSinceAStepIsKept) {
  History h;
  Form1 f = started();
  ASSERT_TRUE(pressed(h, f, Ctl::ST_plus));
  f.PCname.text = "typed since";
  ASSERT_TRUE(h.undo(f));
  EXPECT_EQ(f.PCname.text, "typed since") << "the name box";
  EXPECT_EQ(f.Strength.text, "8") << "the strength point taken back";
}

TEST(History, TheOldestStepGoesPastTheLimit) {
  History h;
  Form1 f = started();
  levelTo(f, 50);
  for (std::size_t i = 0; i <= History::kLimit; ++i) ASSERT_TRUE(pressed(h, f, i % 2 ? Ctl::ST_minus : Ctl::ST_plus));
  EXPECT_EQ(h.size(), History::kLimit) << "steps kept";
  std::size_t undone = 0;
  while (h.undo(f)) ++undone;
  EXPECT_EQ(undone, History::kLimit) << "steps undone";
  EXPECT_EQ(f.Strength.text, "9") << "the first point stays bought, its step gone";
}

}  // namespace

// A step's memory counts the build orders it keeps, both sides, and no more.
TEST(History, AStepCostsWhatItKeeps) {
  auto stepAfter = [](int bought) {  // the memory of one hit point bought after `bought` of them
    Form1 f = started();
    applyRace(f, kHumanMale), levelTo(f, 50), press(f, Ctl::Hitpoints_plus, bought);
    const Form1State before = f;
    press(f, Ctl::Hitpoints_plus);
    History h;
    h.record(before, f);
    return h.bytes();
  };
  const std::size_t one = stepAfter(0), many = stepAfter(40);
  EXPECT_GE(many - one, 2u * 40) << "both orders of 40 purchases counted";
  EXPECT_LT(many - one, 2u * 128) << "and little more";
  auto recoloured = [](std::initializer_list<Control Form1State::*> boxes) {  // a step that only turns boxes red
    const Form1State before = started();
    Form1State after = before;
    for (auto box : boxes) (after.*box).fore = 0x0000FF;
    History h;
    h.record(before, after);
    return h.bytes();
  };
  const std::size_t twice = recoloured({&Form1State::Adjstrength, &Form1State::Adjdexterity});
  const std::size_t once = recoloured({&Form1State::Adjstrength});
  EXPECT_GE(twice - once, 4 * sizeof(Colour)) << "a box recoloured keeps both sides' two colours";
  EXPECT_LT(twice - once, 64u) << "and little more";
}
