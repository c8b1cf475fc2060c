#include "core/numbers.h"

#include <charconv>
#include <cmath>

// Reading and writing go through <charconv> alone: the C library's locale,
// which the toolkit takes from the desktop at start-up, never touches a
// number, so a comma-decimal desktop still shows and saves "0.5".

namespace kethmor {

double num(const std::string& text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && (*begin == ' ' || *begin == '\t')) ++begin;
  while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) --end;
  double v = 0.0;
  const auto result = std::from_chars(begin, end, v);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(v)) return 0.0;
  return v;
}

namespace {
std::string format(double value, int digits) {
  if (!std::isfinite(value) || value == 0.0) return "0";  // also -0
  char buf[64];
  const auto r = value == std::trunc(value) && std::fabs(value) < 1e15
                     ? std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value))
                     : std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
  return std::string(buf, r.ptr);
}
}  // namespace

std::string numText(double value) { return format(value, 15); }
std::string numText(float value) { return format(static_cast<double>(value), 7); }

}  // namespace kethmor
