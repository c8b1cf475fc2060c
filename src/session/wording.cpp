#include "session/wording.h"

#include <vector>

#include "window/font_metrics.h"
#include "window/layout_table.h"

namespace kethmor::session {

namespace {

// A text's characters, each as its UTF-8 bytes.
std::vector<std::string> characters(const std::string& s) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (out.empty() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) out.emplace_back();
    out.back() += s[i];
  }
  return out;
}

std::string joined(const std::vector<std::string>& chars, std::size_t from, std::size_t to) {
  std::string s;
  for (std::size_t i = from; i < to; ++i) s += chars[i];
  return s;
}

int width(const std::string& s) { return ui::textWidth(ui::layout(Ctl::message_window).font, s); }

// `text` cut to `room` pixels, "..." in place of its middle (or its end).
std::string shortened(const std::string& text, int room, bool middle) {
  if (text.empty() || width(text) <= room) return text;  // no name: the words around it are cut
  const std::vector<std::string> chars = characters(text);
  for (std::size_t keep = chars.size() - 1; keep > 0; --keep) {
    const std::size_t right = middle ? keep / 2 : 0;
    const std::string cut = joined(chars, 0, keep - right) + "..." + joined(chars, chars.size() - right, chars.size());
    if (width(cut) <= room) return cut;
  }
  return "...";
}

}  // namespace

Said fitted(const std::string& head, const std::string& name, const std::string& tail) {
  // The box's frame and margins take a few pixels of each side.
  const int room = ui::layout(Ctl::message_window).width / ui::kTwipsPerPixel - 8;
  const std::string shown = shortened(name, room - width(head + tail), true);
  return {shortened(head + shown + tail, room, false), head + name + tail};
}

Said failure(const std::string& verb, const std::string& file, const std::string& reason) {
  const bool named = !file.empty();
  if (reason.starts_with("is ")) return fitted(named ? "" : "pasted text", file, " " + reason);
  return fitted("could not " + verb + (named ? " " : ""), file, ": " + reason);
}

}  // namespace kethmor::session
