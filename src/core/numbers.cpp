#include "core/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kethmor {

double num(const std::string& text) {
  const char* begin = text.c_str();
  while (*begin == ' ' || *begin == '\t') ++begin;
  char* end = nullptr;
  double v = std::strtod(begin, &end);
  if (end == begin || !std::isfinite(v)) return 0.0;
  return v;
}

namespace {
std::string format(double value, int digits) {
  if (!std::isfinite(value)) return "0";
  if (value == 0.0) return "0";  // also -0
  char buf[64];
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    std::snprintf(buf, sizeof buf, "%.0f", value);
  } else {
    std::snprintf(buf, sizeof buf, "%.*g", digits, value);
  }
  return buf;
}
}  // namespace

std::string numText(double value) { return format(value, 15); }
std::string numText(float value) { return format(static_cast<double>(value), 7); }
std::string numText(int value) { return std::to_string(value); }

}  // namespace kethmor
