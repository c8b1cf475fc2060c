#pragma once

#include <string>

namespace kethmor {

// A box's number: its whole text converted to a double ("05" is 5, "-0.25"),
// blanks around it aside. Text that is not wholly a number ("abc", "1.5x",
// "0,5") reads as 0, never as a number cut short.
double num(const std::string& text);

// A number as a box shows it: plain decimal, whole values without a point,
// fractions with a leading zero ("0.5", "-0.25"), never "-0".
std::string numText(double value);
// The same for a single-precision value, which keeps 7 significant digits.
std::string numText(float value);

}  // namespace kethmor
