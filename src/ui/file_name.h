#pragma once

#include <string>

namespace kethmor::ui {

// The file name SAVE proposes for a character named `name` (UTF-8): the name
// without the blanks around it, characters no file name can hold or that
// other systems refuse made "_" (a leading "." too), ".txt" added unless it
// ends so; "character.txt" with no name. The desktop's save dialog and the
// web page's download both propose it.
std::string proposedFileName(const std::string& name);

}  // namespace kethmor::ui
