#pragma once

namespace kethmor::ui {

// About: the version (for %1) and the licences, as the desktop's menu and the
// web page's show them.
inline constexpr const char* kAbout =
    "Kethmor Character Planner %1\n\n"
    "A character planner for the role-playing game Kethmor.\n\n"
    "This program is free software: you can redistribute it and/or modify it under the terms of the GNU "
    "General Public License as published by the Free Software Foundation, either version 3 of the License, "
    "or (at your option) any later version. It comes with absolutely no warranty.\n\n"
    "The window's fonts are modified versions of MS Sans Serif of fonts-wine, Copyright (C) 2004 "
    "Huw D M Davies, Dmitry Timoshkov, under the GNU Lesser General Public License, version 2.1 or later.";

}  // namespace kethmor::ui
