#include "model/controls.h"

#include <algorithm>

namespace kethmor {

namespace {
constexpr Kind Label = Kind::Label;
constexpr Kind TextBox = Kind::TextBox;
constexpr Kind ListBox = Kind::ListBox;
constexpr Kind Button = Kind::Button;
}  // namespace

const ControlInfo kControls[kControlCount] = {
#define CTL(name, kind, text, back, fore, flags, maxlen) \
  {#name, kind, text, static_cast<Colour>(back), static_cast<Colour>(fore), flags, maxlen},
#include "model/controls.def"
#undef CTL
};

namespace {
std::string sortKey(const std::string& s) {
  std::string k;
  for (char ch : s) {
    if (ch == '-') continue;
    // ASCII folding, whatever the locale: a Turkish one leaves 'I' upper.
    k.push_back(ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch);
  }
  return k;
}
}  // namespace

bool sortsBefore(const std::string& a, const std::string& b) {
  return sortKey(a) < sortKey(b);
}

void Control::addItem(const std::string& s) {
  if (!sorted) {
    items.push_back(s);
    return;
  }
  auto at = std::upper_bound(items.begin(), items.end(), s, sortsBefore);
  items.insert(at, s);
}

}  // namespace kethmor
