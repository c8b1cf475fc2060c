#include "ui/colours.h"

namespace kethmor::ui {

QColor toQColor(Colour c, const QPalette& palette) {
  if (isSystemColour(c)) {
    switch (static_cast<std::uint32_t>(c) & 0xFFu) {
      case 0x05: return palette.color(QPalette::Active, QPalette::Base);
      case 0x08: return palette.color(QPalette::Active, QPalette::Text);
      case 0x0E: return palette.color(QPalette::Active, QPalette::HighlightedText);
      case 0x0F: return palette.color(QPalette::Active, QPalette::Button);
      case 0x12: return palette.color(QPalette::Active, QPalette::ButtonText);
      case 0x16: return palette.color(QPalette::Active, QPalette::Light);
      case 0x18: return palette.color(QPalette::Active, QPalette::ToolTipBase);
      default: return palette.color(QPalette::Active, QPalette::Window);
    }
  }
  const auto v = static_cast<std::uint32_t>(c);
  return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu),
                static_cast<int>((v >> 16) & 0xFFu));
}

}  // namespace kethmor::ui
