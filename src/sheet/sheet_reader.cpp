// Reading a sheet, the rebuild: the values the lines show, and the character
// rebuilt from them through the replay; which of the two readings stands.
#include "sheet/sheet_reader.h"

#include <algorithm>

#include "sheet/replay.h"
#include "rules/rules.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reading.h"
#include "catalogues/race_catalogue.h"

namespace kethmor::sheet {

namespace {

using namespace reading;

// The values the sheet shows, each in its box, or why they cannot be.
struct Shown {
  Form1State state;
  std::string why;
};

Shown readValues(const Lines& lines, const Starts& at) {
  Shown shown;
  for (std::size_t r = 0; r < kRows; ++r) {
    const SheetLine& row = kSheetLines[r];
    if (!row.value) continue;
    const LineValues v = readLine(lines[at[r]], row, lines.lenient);
    if (!typed(row)) {
      (shown.state.*row.value).text = lines.box(v.first), (shown.state.*row.value2).text = lines.box(v.second);
      continue;
    }
    // Longer texts than the boxes hold cannot come from the window.
    std::string text = lines.box(v.first);
    for (std::size_t i = at[r] + 1; i < at[r + 1]; ++i) text += "\n" + lines.box(lines[i]);
    const auto letters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    const int box = static_cast<int>(std::find(kMembers, kMembers + kControlCount, row.value) - kMembers);
    const int most = info(static_cast<Ctl>(box)).maxLength;
    if (most > 0 && letters > most) {
      shown.why = lines.no(at[r]) + ": too long";
      return shown;
    }
    (shown.state.*row.value).text = std::move(text);
  }
  return shown;
}

// The rebuild's reason, and the sheet line of the purchase refused
// (lines.size(): none, the start or the level was refused).
struct Rebuilt {
  std::string why;
  std::size_t refused = 0;
};

// Rebuilds the character the values show through the replay: its start, its
// level, each value the sheet shows bought (in the sheet's order) until its
// box shows it, then the spells and schematics in the order of the list.
Rebuilt rebuild(const Form1State& shown, const Lines& lines, const Starts& at, Form1& f) {
  Rebuilt r{{}, lines.size()};
  const std::optional<ReplayStart> start = startOf(shown);
  if (!start) {
    const bool race = races::raceKeyIndex(shown.Current_race.text) < 0;
    r.why = race ? lines.no(at[rowOf(&Form1State::Current_race)]) + ": bad race" : "bad background";
    return r;
  }
  replayStart(f, *start);
  for (double was = 0; num(f.Clevel) < num(shown.Clevel) && num(f.Clevel) != was;) {
    was = num(f.Clevel);
    f.Click(Ctl::levelup);
  }
  if (f.Clevel.text != shown.Clevel.text) {
    r.why = lines.no(at[rowOf(&Form1State::Clevel)]) + ": bad level";
    return r;
  }
  for (const SheetLine& row : kSheetLines)
    for (const Box box : {row.value, row.value2})
      for (int code = 0; code < kOrderEnd; ++code)
        if (!isEntryCode(code) && raiseOf(code).shown == box)
          for (int i = 0; i < 200 && num(f.*box) < num(shown.*box) && buy(f, code); ++i) {}
  for (std::size_t i = at[kRows]; i < lines.size(); ++i) {
    const std::string entry = lines.box(lines[i]);
    bool known = false, bought = false;
    for (int code = kOrderSpell; code < kOrderLaterSkill && !bought; ++code)
      if (purchaseName(code) == entry) known = true, bought = !owned(f, code) && buy(f, code);
    if (bought) continue;
    r.why = lines.no(i) + (known ? ": can't buy" : ": unknown");
    r.refused = i;
    return r;
  }
  return r;
}

// Hit points and fatigue that both differ from what the sheet's level gives:
// whether another level, the nearest first each way, makes every other line
// match. A way ends at a level the character cannot be rebuilt at.
bool anotherLevelFits(const Lines& lines, const Starts& at, Form1State shown) {
  const std::string level = shown.Clevel.text;
  bool open[] = {true, true};
  for (int step = 1; open[0] || open[1]; ++step)
    for (int way = 0; way < 2; ++way) {
      if (!open[way]) continue;
      shown.Clevel.text = numText(num(level) + (way == 0 ? -step : step));
      Form1 g;
      open[way] = rebuild(shown, lines, at, g).why.empty();
      g.Clevel.text = level;
      if (open[way] && firstDifference(lines, savedLines(g, lines), at, false).why.empty()) return true;
    }
  return false;
}

// Reads the sheet's lines into `f`; empty or the reason.
std::string read(const Lines& lines, const Form1State& current, Form1& f) {
  const Located located = locate(lines);
  if (!located.why.empty()) return located.why;
  const Shown shown = readValues(lines, located.at);
  if (!shown.why.empty()) return shown.why;
  const Rebuilt rebuilt = rebuild(shown.state, lines, located.at, f);
  keepBrowsing(f, current);
  if (!rebuilt.why.empty() && rebuilt.refused == lines.size()) return rebuilt.why;
  // A purchase that could not be made is told unless a line before it differs.
  const Difference d = firstDifference(lines, savedLines(f, lines), located.at, !rebuilt.why.empty());
  if (!rebuilt.why.empty() && d.line >= rebuilt.refused) return rebuilt.why;
  if (d.why.empty() || kSheetLines[std::min(d.row, kRows - 1)].value != &Form1State::hitpoints) return d.why;
  const LineValues v = readLine(lines[located.at[d.row]], kSheetLines[d.row], lines.lenient);
  if (v.shape != Shape::fits || v.first == f.hitpoints.text || v.second == f.fatigue.text ||
      !anotherLevelFits(lines, located.at, shown.state))
    return d.why;
  const std::size_t level = rowOf(&Form1State::Clevel);
  return lines.no(located.at[level]) + ": bad level";
}

}  // namespace

std::string rebuildSheet(const std::string& bytes, const Form1State& current, Form1State& out) {
  const std::string decoded = decodedSheet(bytes), text = normalisedSheet(decoded);
  if (text.empty()) return "is empty";
  if (!text.starts_with(trimmedEnd(kSheetLines[0].label))) return "is not a character sheet";
  // The blank lines before the first, which the lenient reading skips and
  // the reasons count.
  const std::string_view before(decoded.data(), firstLetter(decoded));
  const auto count = [](std::string_view s, const char* what) {
    std::size_t n = 0;
    for (std::size_t at = 0; (at = s.find(what, at)) != s.npos; ++at) ++n;
    return n;
  };
  const std::size_t skipped = count(before, "\n") + count(before, "\r") - count(before, "\r\n");
  // Deliberate mend: a NUL byte is never read; no saved text holds one.
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
    return "line " + std::to_string(count(std::string_view(text).substr(0, nul), "\n") + skipped + 1) +
           ": NUL byte";
  // Bytes that read as UTF-8 as well as exactly open as UTF-8, where the
  // exact reading would garble their letters; the planner's own sheet that
  // only looks like UTF-8 holds a letter the code page lacks in it, and opens
  // exactly.
  Form1 exact;
  const std::string why = read(exactLines(bytes), current, exact);
  if (why.empty() && (decoded == fromCodePage(bytes) || fromCodePage(toCodePage(decoded)) != decoded)) {
    out = exact;
    return {};
  }
  Form1 lenient;
  const std::string lenientWhy = read(lenientLines(text, skipped), current, lenient);
  if (lenientWhy.empty()) out = lenient;
  else if (why.empty()) out = exact;
  return why.empty() ? why : lenientWhy;
}

std::string openSheetText(Form1State& form, const std::string& bytes) {
  if (bytes.size() > kSheetSizeLimit) return "too large";
  Form1State rebuilt;
  const std::string reason = rebuildSheet(bytes, form, rebuilt);
  if (reason.empty()) form = rebuilt;
  return reason;
}

}  // namespace kethmor::sheet
