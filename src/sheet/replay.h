#pragma once

// The replay: a character rebuilt by the window's own actions (the handlers),
// as an opened sheet, a level plan and a build code rebuild it. Every replay
// begins with replayStart and makes its purchases with buy.
#include <optional>
#include <string>
#include <string_view>

#include "model/form1.h"

namespace kethmor {

// What a replay starts from.
struct ReplayStart {
  int race = -1;        // the races::kRaces entry applied; -1: none, the window as it opens
  int background = -1;  // the backgrounds::kBackgrounds entry applied after the race; -1: none
  std::string name = "", alternative = "";  // the two typed texts
  // Before any race the carry weight and the armour class adjustment keep
  // their start texts until a strength or dexterity button first works them
  // out; when these (empty: not known) differ from the start's, a "-" with
  // nothing bought does that.
  std::string carry = "", armour = "";
};

// The start of a character as its captions show it: the race and background
// entries by their captions (a background caption still the start's "none":
// neither applied; "None": no background), its typed texts, carry weight and
// armour class adjustment. Empty when a caption names no entry.
std::optional<ReplayStart> startOf(const Form1State& shown);

// The window as it opens (Form_Load), then the race and the background
// applied as the player applies them (selected, double-clicked), the typed
// texts written in.
void replayStart(Form1& f, const ReplayStart& start);

// Makes the purchase of an order code (kOrder..., as Form1State::purchase_order
// holds them) as the player does, through the handlers: a "+" pressed, or a
// spell or schematic selected and double-clicked. Whether it went through.
bool buy(Form1& f, int code);

// Makes the purchases of `order` (one order code a char) in order; the index
// of the first refused, where the replay stops, or -1 when all went through.
int buyAll(Form1& f, std::string_view order);

// Whether the spell or schematic of an order code is owned already.
bool owned(const Form1State& f, int code);

// The name of what an order code buys, as the level plan prints it.
std::string purchaseName(int code);

// Gives `f` the browsing of `current` (the college and discipline lists, the
// pair on show, the description, the answer slot) and an empty message box.
void keepBrowsing(Form1State& f, const Form1State& current);

}  // namespace kethmor
