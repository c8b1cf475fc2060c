#pragma once

// What every rebuild of a character by the window's own actions shares (an
// opened sheet, a level plan): the window it starts from, and what it keeps
// of the window it replaces.
#include <string>

#include "core/form1.h"

namespace kethmor {

// The window as it opens, then the race and the background applied by their
// captions as the sheet prints them; a character whose background caption is
// still the start's "none" never had either applied. Before any race the
// carry weight and the armour class adjustment keep their start texts until
// a strength or dexterity button first works them out; a "-" with nothing
// bought does that here when `carry` or `armour` (empty: not known) differs.
// Returns false for a race or background that no entry has.
bool startRebuild(Form1& f, const std::string& race, const std::string& background,
                  const std::string& carry, const std::string& armour);

// Gives `f` the browsing of `current` (the college and discipline lists, the
// pair on show, the description, the answer slot) and an empty message box.
void keepBrowsing(Form1State& f, const Form1State& current);

}  // namespace kethmor
