#pragma once

#include <string>

namespace kethmor::session {

// The file name SAVE proposes for a character named `name` (UTF-8): the name
// without the blanks around it, characters no file name can hold or that
// other systems refuse made "_" (a leading "." too), ".txt" added unless it
// ends so; "character.txt" with no name. For the level plan (`plan`):
// "NAME plan.txt", NAME without a final ".txt" in any letter case, or
// "plan.txt" with no name. The desktop's save dialogs and the web page's
// downloads all propose it (Session::sheetFileName, planFileName).
std::string proposedFileName(const std::string& name, bool plan = false);

}  // namespace kethmor::session
