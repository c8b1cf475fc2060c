#pragma once

#include <string>

namespace kethmor {

// A box's number: its text converted to a double ("05" is 5, "-0.25"). Text
// that does not start with a number reads as 0.
double num(const std::string& text);

// A number as a box shows it: plain decimal, whole values without a point,
// fractions with a leading zero ("0.5", "-0.25"), never "-0".
std::string numText(double value);
// The same for a single-precision value, which keeps 7 significant digits.
std::string numText(float value);
std::string numText(int value);

}  // namespace kethmor
