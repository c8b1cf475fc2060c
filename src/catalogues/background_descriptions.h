#pragma once

namespace kethmor::backgrounds {

// The description of each background, by its position 0 to 37 in the
// background list.
inline constexpr int kBackgroundCount = 38;
extern const char* const kBackgroundDescriptions[kBackgroundCount];

}  // namespace kethmor::backgrounds
