#include "rules/numbers.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Numbers are read and written by the model's own routines, which behave
// alike in every build (the WebAssembly page's C++ library has no
// floating-point <charconv>): the C library's locale, which the toolkit takes
// from the desktop at start-up, never touches a number, so a comma-decimal
// desktop still shows and saves "0.5".

namespace kethmor {

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as text, correctly rounded: exactly, when its digits fit
// the 53 bits of a double and its power of ten is one a double holds
// exactly (every number a box shows); otherwise by the C library.
double parse(const char* begin, const char* end) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const bool negative = *begin == '-';
  std::uint64_t digits = 0;
  int scale = 0, significant = 0;
  bool exact = true;
  for (const char* p = begin + negative; p < end; ++p) {
    if (*p == '.') {
      for (++p; p < end && digit(*p); ++p) {
        if (significant == 0 && *p == '0') { --scale; continue; }
        if (++significant > 19) { exact = false; continue; }
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        --scale;
      }
    }
    if (p >= end) break;
    if (*p == 'e' || *p == 'E') {
      const bool down = p[1] == '-';
      int e = 0;
      for (p += 1 + (p[1] == '-' || p[1] == '+'); p < end && e < 10000; ++p) e = e * 10 + (*p - '0');
      scale += down ? -e : e;
      break;
    }
    if (significant > 0 || *p != '0') {
      if (++significant > 19) { ++scale; exact = false; continue; }
      digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
  }
  if (digits == 0) return negative ? -0.0 : 0.0;
  if (exact && digits <= (std::uint64_t{1} << 53) && scale >= -22 && scale <= 22) {
    const double v = static_cast<double>(digits);
    const double r = scale < 0 ? v / kPowers[-scale] : v * kPowers[scale];
    return negative ? -r : r;
  }
  // The C library reads the rest, its locale's decimal point put in for ".".
  std::string text(begin, end);
  if (const std::size_t at = text.find('.'); at != std::string::npos) text.replace(at, 1, std::localeconv()->decimal_point);
  return std::strtod(text.c_str(), nullptr);
}

// Whether the text is wholly one decimal number: an optional "-", digits
// with an optional point (at least one digit), an optional exponent.
bool wellFormed(const char* p, const char* end) {
  if (p < end && *p == '-') ++p;
  int seen = 0;
  for (; p < end && digit(*p); ++p) ++seen;
  if (p < end && *p == '.')
    for (++p; p < end && digit(*p); ++p) ++seen;
  if (seen == 0) return false;
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    if (p < end && (*p == '-' || *p == '+')) ++p;
    if (p >= end || !digit(*p)) return false;
    while (p < end && digit(*p)) ++p;
  }
  return p == end;
}

}  // namespace

double num(const std::string& text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin < end && (*begin == ' ' || *begin == '\t')) ++begin;
  while (end > begin && (end[-1] == ' ' || end[-1] == '\t')) --end;
  if (!wellFormed(begin, end)) return 0.0;
  const double v = parse(begin, end);
  return std::isfinite(v) ? v : 0.0;
}

namespace {
std::string format(double value, int digits) {
  if (!std::isfinite(value) || value == 0.0) return "0";  // also -0
  if (value == std::trunc(value) && std::fabs(value) < 1e15) return std::to_string(static_cast<long long>(value));
  // %g gives the digits; the locale's decimal point, whatever it is, becomes ".".
  char buf[64];
  const int n = std::snprintf(buf, sizeof buf, "%.*g", digits, value);
  std::string s(buf, static_cast<std::size_t>(n > 0 ? n : 0));
  const std::string point = std::localeconv()->decimal_point;
  if (const std::size_t at = s.find(point); point != "." && at != std::string::npos) s.replace(at, point.size(), ".");
  return s;
}
}  // namespace

std::string numText(double value) { return format(value, 15); }
std::string numText(float value) { return format(static_cast<double>(value), 7); }

}  // namespace kethmor
