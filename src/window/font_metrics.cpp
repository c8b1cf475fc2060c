#include "window/font_metrics.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

namespace kethmor::ui {

namespace {

struct Advance {
  Font font;
  char32_t code;
  std::uint8_t pixels;
};

constexpr Advance kAdvances[] = {
#define ADVANCE(font, code, pixels) {Font::font, code, pixels},
#include "font_advances.inc"
#undef ADVANCE
};

constexpr bool operator<(const Advance& a, const Advance& b) {
  return a.font != b.font ? a.font < b.font : a.code < b.code;
}
// Looked up by font and character, the table sorted once.
int advance(Font f, char32_t c) {
  static const auto sorted = [] {
    std::array<Advance, std::size(kAdvances)> a{};
    std::copy(std::begin(kAdvances), std::end(kAdvances), a.begin());
    std::sort(a.begin(), a.end());
    return a;
  }();
  const auto at = std::lower_bound(sorted.begin(), sorted.end(), Advance{f, c, 0});
  if (at != sorted.end() && at->font == f && at->code == c) return at->pixels;
  return c == U'W' ? 0 : advance(f, U'W');
}

}  // namespace

int textWidth(Font f, std::string_view s) {
  int width = 0;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    char32_t c = n == 1 ? b : b & (0x3F >> (n - 1));
    for (int k = 1; k < n && i + static_cast<std::size_t>(k) < s.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0x3F);
    width += advance(f, c);
    i += static_cast<std::size_t>(n);
  }
  return width;
}

}  // namespace kethmor::ui
