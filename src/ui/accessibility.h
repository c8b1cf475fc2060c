#pragma once

namespace kethmor::ui {

class MainWindow;

// Names every widget of the window as ui/reading_order.def names it (labels
// speak their own caption), gives it its tool tip as description, lets only
// the controls a user acts on take the focus (a read-only box takes it from
// a click), and chains them for Tab in the table's reading order.
void makeAccessible(MainWindow& window);

}  // namespace kethmor::ui
