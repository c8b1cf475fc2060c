#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kethmor {

double num(const std::string& text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && (*begin == ' ' || *begin == '\t')) ++begin;
  double v = 0.0;
  const auto result = std::from_chars(begin, end, v);
  if (result.ec != std::errc() || !std::isfinite(v)) return 0.0;
  return v;
}

namespace {
std::string format(double value, int digits) {
  if (!std::isfinite(value) || value == 0.0) return "0";  // also -0
  char buf[64];
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value));
    return std::string(buf, r.ptr);
  }
  const int n = std::snprintf(buf, sizeof buf, "%.*g", digits, value);
  return std::string(buf, static_cast<std::size_t>(n));
}
}  // namespace

std::string numText(double value) { return format(value, 15); }
std::string numText(float value) { return format(static_cast<double>(value), 7); }
std::string numText(int value) { return std::to_string(value); }

}  // namespace kethmor
