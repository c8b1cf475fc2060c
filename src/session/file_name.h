#pragma once

#include <string>

namespace kethmor::ui {

// The file name SAVE proposes for a character named `name` (UTF-8): the name
// without the blanks around it, characters no file name can hold or that
// other systems refuse made "_" (a leading "." too), ".txt" added unless it
// ends so; "character.txt" with no name. For the level plan (`plan`):
// "NAME plan.txt", NAME without a final ".txt" in any letter case, or
// "plan.txt" with no name. The desktop's save dialogs and the web page's
// downloads all propose it.
std::string proposedFileName(const std::string& name, bool plan = false);

// The words around a file's name when saving, opening or pasting (`verb`)
// fails: "could not save " and ": disk full"; a reason that says what the
// file is, is said of it: "" and " is not a character sheet"; with no file
// (a paste) "pasted text" and " is not a character sheet", or
// "could not paste" and ": no text". Both faces fit the name between them
// to their message box.
struct FailureWords {
  std::string head, tail;
};
FailureWords failureWords(const std::string& verb, bool named, const std::string& reason);

}  // namespace kethmor::ui
