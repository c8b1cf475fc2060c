#pragma once

#include <QString>
#include <vector>

#include "core/controls.h"

class QWidget;

namespace kethmor::ui {

class MainWindow;

// What a screen reader calls a control, as ui/reading_order.def names it
// ("Strength, base", "Bow minus", "Race Selection"). Labels speak their own
// caption and get an empty name here.
QString accessibleName(Ctl id);

// The controls a user acts on and the read-only boxes, in the order of
// ui/reading_order.def: the left column top to bottom, the middle, the
// statistics and skills row by row, the commands last. Tab visits the first
// kind; from a clicked box it goes on to the next of them.
const std::vector<Ctl>& tabOrder();

// Names every widget of the window, lets only the controls a user acts on
// take the focus, and chains them in tab order.
void makeAccessible(MainWindow& window);

}  // namespace kethmor::ui
