#pragma once

// The words of the message box, fitted to it the same in both faces: the
// box's width is a fact of the layout and the characters' advances facts of
// the window's fonts (window/font_metrics.h).
#include <string>

namespace kethmor::session {

struct Said {
  std::string shown;  // as the box shows it
  std::string full;   // in full, for its tool tip and accessible description
};

// `head`, `name` and `tail` fitted to the message box: the name shortened
// in the middle first, down to "..."; only a text still too long is cut at
// its end ("..." : the font's own ellipsis reads as an underscore).
Said fitted(const std::string& head, const std::string& name = {}, const std::string& tail = {});

// What a failed save, open or paste (`verb`) says: "could not save
// hero.txt: disk full", "could not paste: line 4 is wrong"; a reason that
// says what the file is, is said of it: "hero.txt is not a character
// sheet", "pasted text is not a character sheet". `file` is the file's name
// without its folder, empty for a paste. Fitted to the message box.
Said failure(const std::string& verb, const std::string& file, const std::string& reason);

}  // namespace kethmor::session
