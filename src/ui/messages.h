#pragma once

#include <QString>

class QWidget;

namespace kethmor::ui {

struct Message {
  QString shown;  // as the box shows it
  QString full;   // the same in full, for its tool tip and accessible description
};

// What a failed save, open or paste says: "could not save hero.txt: disk
// full", "could not paste: line 4 is wrong"; a reason that says what the
// file is, is said of it: "hero.txt is not a character sheet", "pasted text
// is not a character sheet". `file` is the file's name without its folder,
// empty for a paste. Worded to fit `box` whole: the file name is shortened
// in the middle first, down to "..."; only a reason too long to stand beside
// that is cut at its end.
Message failureMessage(const QWidget& box, const char* verb, const QString& file, const QString& reason);

}  // namespace kethmor::ui
