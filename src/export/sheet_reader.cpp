#include "export/sheet_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/replay.h"
#include "export/sheet.h"
#include "magick/college_catalogue.h"
#include "technology/discipline_catalogue.h"

namespace kethmor::exporter {

namespace {

// The "+" that raises each box the sheet shows a bought value in, besides the skills'.
struct Raise {
  Box box;
  Ctl plus;
};
constexpr Raise kRaised[] = {
    {&Form1State::Adjstrength, Ctl::ST_plus},     {&Form1State::Adjintelligence, Ctl::IN_plus},
    {&Form1State::Adjconstitution, Ctl::CN_plus}, {&Form1State::Adjwillpower, Ctl::WP_plus},
    {&Form1State::Adjdexterity, Ctl::DX_plus},    {&Form1State::Adjperception, Ctl::PE_plus},
    {&Form1State::Adjbeauty, Ctl::BE_plus},       {&Form1State::Adjcharisma, Ctl::CH_plus},
    {&Form1State::hitpoints, Ctl::Hitpoints_plus}, {&Form1State::fatigue, Ctl::Fatigue_plus}};

constexpr std::size_t kRows = kSheetLines.size();
// The sheet line on which each line of the table begins; the last: the first purchase.
using Starts = std::array<std::size_t, kRows + 1>;

std::string trimmedEnd(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

// A label as a player reads it: "Armor Class adj.", "Fatigue".
std::string named(const std::string& label) {
  const std::size_t from = label.find_first_not_of(' ');
  std::string name = trimmedEnd(label.substr(from == std::string::npos ? label.size() : from));
  if (!name.empty() && name.back() == ':') name.pop_back();
  return name;
}

std::string lineNo(std::size_t index) { return "line " + std::to_string(index + 1); }
std::string wrongLine(std::size_t index) { return lineNo(index) + " is wrong"; }

bool typed(const SheetLine& row) { return row.value && !row.label2; }

// The line of the table that opens with `box`.
std::size_t rowOf(Box box) {
  std::size_t r = 0;
  while (r < kRows && kSheetLines[r].value != box) ++r;
  return r;
}

// A sheet's lines as read: `cp` in the code page for the values, `text` as
// they are compared with the sheet the character saves (the same lines when
// read exactly). Lines past the end read as empty.
struct Lines {
  std::vector<std::string> cp, text;
  bool lenient = false;
  const std::string& operator[](std::size_t i) const {
    static const std::string none;
    return i < cp.size() ? cp[i] : none;
  }
};

std::vector<std::string> split(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(end, from)) != std::string::npos; from = at + end.size())
    lines.push_back(text.substr(from, at - from));
  if (from < text.size()) lines.push_back(text.substr(from));  // a last line without its end
  return lines;
}

// Read exactly, a sheet's last line ends too: a line without its end
// differs from every line the planner saves.
Lines exactLines(const std::string& bytes) {
  Lines l;
  l.cp = l.text = split(bytes, "\r\n");
  l.text.push_back(bytes.ends_with("\r\n") ? "" : "\r");
  return l;
}

// Read leniently, from the text as normalisedSheet gives it; `values`: also
// in the code page, to read the values from.
Lines lenientLines(const std::string& normalised, bool values = true) {
  Lines l;
  l.lenient = true;
  l.text = split(normalised, "\n");
  if (values) l.cp = split(toCodePage(normalised), "\r\n");
  return l;
}

// The values of one line of the table; false when the line has another shape.
bool readLine(std::string_view line, const SheetLine& row, bool lenient, std::string& a, std::string& b) {
  const std::string_view label = row.label;
  if (!line.starts_with(label) &&
      !(lenient && label.starts_with(line) && label.find_first_not_of(' ', line.size()) == label.npos))
    return false;
  const std::string_view rest = line.substr(std::min(label.size(), line.size()));
  if (!row.value) return rest.empty();
  a = rest;
  if (!row.label2) return true;
  const std::size_t at = rest.find(row.label2);
  if (at == rest.npos) return false;
  a = trimmedEnd(std::string(rest.substr(0, at)));
  b = rest.substr(at + std::string_view(row.label2).size());
  if (row.bias) b = b.substr(0, b.find(kBiasGap));
  return !a.empty() && !b.empty();
}

// How many lines of the table from `row` on, up to the first line of the
// next typed text, have their shape at the sheet's lines from `at` on.
std::size_t fitting(const Lines& lines, std::size_t at, std::size_t row) {
  std::string a, b;
  std::size_t k = 0;
  for (; row + k < kRows && readLine(lines[at + k], kSheetLines[row + k], lines.lenient, a, b); ++k)
    if (typed(kSheetLines[row + k])) return k + 1;
  return k;
}

// Where each line of the table stands. A typed text ends where the lines
// after it first all have their shape; when nowhere, the reason names the
// first line out of shape where most of them fit.
std::string locate(const Lines& lines, Starts& at) {
  at[0] = 0;
  for (std::size_t r = 0; r < kRows; ++r) {
    at[r + 1] = at[r] + 1;
    if (!typed(kSheetLines[r])) continue;
    std::size_t next = r + 1;
    while (next < kRows && !typed(kSheetLines[next])) ++next;
    const std::size_t want = std::min(next + 1, kRows) - (r + 1);
    std::size_t best = at[r] + 1, most = 0;
    for (std::size_t i = at[r] + 1; i <= lines.cp.size() && most < want; ++i)
      if (const std::size_t k = fitting(lines, i, r + 1); k > most) best = i, most = k;
    if (most < want)
      return best + most < lines.cp.size() ? wrongLine(best + most) : lineNo(best + most) + " is missing";
    at[r + 1] = best;
  }
  return {};
}

// Presses a button until the box shows `target`, as long as each press
// moves it.
void pressUntil(Form1& f, Ctl button, const Control& box, double target) {
  for (int i = 0; i < 200 && num(box) < target; ++i) {
    const double was = num(box);
    f.Click(button);
    if (num(box) == was) return;
  }
}

// Buys the named entry of one kind as the window does: group and entry
// selected, then the double click. Returns whether it joined the list;
// `known` tells whether the kind has an entry of that name.
template <std::size_t Groups, std::size_t Ranks>
bool buyNamed(Form1& f, const std::string& name, const char* const (&names)[Groups][Ranks],
              const std::array<std::array<std::int16_t, Ranks>, Groups>& owned, Ctl groups, Ctl entries,
              bool& known) {
  const int had = f.purchased.listCount();
  for (std::size_t g = 0; g < Groups; ++g)
    for (std::size_t k = 0; k < Ranks; ++k)
      if (name == names[g][k]) {
        known = true;
        if (owned[g][k] != 0) continue;
        f.selectEntry(groups, static_cast<int>(g));
        f.selectEntry(entries, static_cast<int>(k));
        f.DblClick(entries);
        if (f.purchased.listCount() > had) return true;
      }
  return false;
}

bool buyByName(Form1& f, const std::string& name, bool& known) {
  return buyNamed(f, name, magick::kSpellNames, f.spell_owned, Ctl::Magick_list, Ctl::Spell_list, known) ||
         buyNamed(f, name, technology::kSchematicNames, f.schematic_owned, Ctl::Tech_list, Ctl::Schematic_list,
                  known);
}

// The texts the sheet shows, each in its box; empty or the reason.
std::string readValues(const Lines& lines, const Starts& at, Form1State& shown) {
  for (std::size_t r = 0; r < kRows; ++r) {
    const SheetLine& row = kSheetLines[r];
    if (!row.value) continue;
    std::string a, b;
    readLine(lines[at[r]], row, lines.lenient, a, b);
    if (!typed(row)) {
      (shown.*row.value).text = std::move(a), (shown.*row.value2).text = std::move(b);
      continue;
    }
    // Longer texts than the boxes hold cannot come from the window.
    std::string text = fromCodePage(a);
    for (std::size_t i = at[r] + 1; i < at[r + 1]; ++i) text += "\n" + fromCodePage(lines[i]);
    const auto letters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    for (int c = 0; c < kControlCount; ++c)
      if (kMembers[c] == row.value && letters > info(static_cast<Ctl>(c)).maxLength)
        return lineNo(at[r]) + ": " + named(row.label) + " is longer than " +
               std::to_string(info(static_cast<Ctl>(c)).maxLength) + " letters";
    (shown.*row.value).text = std::move(text);
  }
  return {};
}

// Rebuilds the character the values show by the window's own actions on
// `f`; empty or the reason, with `failed` the purchase that could not be
// made, if one.
std::string rebuild(const Form1State& shown, const Lines& lines, const Starts& at, const Form1State& current,
                    Form1& f, std::size_t& failed) {
  failed = lines.cp.size();
  if (!startRebuild(f, shown.Current_race.text, fromCodePage(shown.Current_background.text),
                    shown.Carryweight.text, shown.ACadj.text))
    return wrongLine(at[rowOf(&Form1State::Current_race)]);
  f.PCname.text = shown.PCname.text;
  f.alternativebackground.text = shown.alternativebackground.text;
  pressUntil(f, Ctl::levelup, f.Clevel, num(shown.Clevel));

  // The bought values, in the sheet's order.
  for (const SheetLine& row : kSheetLines)
    for (Box box : {row.value, row.value2}) {
      for (const Raise& r : kRaised)
        if (r.box == box) pressUntil(f, r.plus, f.*box, num(shown.*box));
      for (const SkillInfo& s : kSkills)
        if (s.box == box) pressUntil(f, s.plus, f.*box, num(shown.*box));
    }
  for (std::size_t i = at[kRows]; i < lines.cp.size(); ++i) {
    bool known = false;
    const std::string entry = fromCodePage(lines[i]);
    if (!buyByName(f, entry, known))
      return failed = i, known ? lineNo(i) + ": " + entry + " does not match the lines before it" : wrongLine(i);
  }

  keepBrowsing(f, current);
  return {};
}

// The sheet the character saves, read as `lines` was.
std::vector<std::string> savedLines(const Form1State& f, const Lines& lines) {
  const std::string bytes = sheetBytes(f);
  return lines.lenient ? lenientLines(normalisedSheet(fromCodePage(bytes)), false).text : exactLines(bytes).text;
}

// The first line in which the sheet differs from the one the character
// saves, named by the label under which they differ; empty when alike.
// `d` tells the line, `row` the line of the table it falls on (kRows: a
// purchase). `unbought`: a purchase failed, so the aptitude's line may differ.
std::string firstDifference(const Lines& lines, const std::vector<std::string>& saved, const Starts& at,
                            bool unbought, std::size_t& d, std::size_t& row) {
  const std::vector<std::string>& given = lines.text;
  for (d = 0, row = 0; d < given.size() && d < saved.size(); ++d) {
    while (row < kRows && at[row + 1] <= d) ++row;
    if (given[d] != saved[d] && !(unbought && row < kRows && kSheetLines[row].bias)) break;
  }
  while (row < kRows && at[row + 1] <= d) ++row;
  if (d == given.size() && d == saved.size()) return {};
  if (d == given.size()) return lineNo(d) + " is missing";
  const SheetLine* line = row < kRows ? &kSheetLines[row] : nullptr;
  if (d == saved.size() || !line || !line->value || typed(*line)) return wrongLine(d);
  std::size_t c = 0;
  while (c < given[d].size() && c < saved[d].size() && given[d][c] == saved[d][c]) ++c;
  const bool second = c >= saved[d].find(line->label2, std::string(line->label).size());
  // A race or level the window cannot show; a background the race cannot
  // take; an aptitude that also follows from the purchases below it.
  const bool race = line->value == &Form1State::Current_race;
  if (!second && (race || line->value == &Form1State::Clevel)) return wrongLine(d);
  return lineNo(d) + ": " + named(second ? line->label2 : line->label) + " does not match the " +
         (race ? "race" : second && line->bias ? "rest of the sheet" : "lines before it");
}

// Reads the sheet's lines into `f`; empty or the reason.
std::string read(const Lines& lines, const Form1State& current, Form1& f) {
  Starts at{};
  Form1State shown;
  std::string why = locate(lines, at);
  if (why.empty()) why = readValues(lines, at, shown);
  std::size_t failed = 0, d = 0, row = 0;
  if (why.empty()) why = rebuild(shown, lines, at, current, f, failed);
  if (!why.empty() && failed == lines.cp.size()) return why;
  // A purchase that could not be made is told unless a line before it differs.
  const std::string difference = firstDifference(lines, savedLines(f, lines), at, !why.empty(), d, row);
  if (!why.empty() && d >= failed) return why;
  why = difference;
  // Hit points and fatigue that both differ from what the level gives: when
  // another level makes every other line match, the level is what is wrong.
  std::string hp, fatigue;
  const SheetLine& line = kSheetLines[std::min(row, kRows - 1)];
  if (why.empty() || line.value != &Form1State::hitpoints ||
      !readLine(lines[at[row]], line, lines.lenient, hp, fatigue) || hp == f.hitpoints.text ||
      fatigue == f.fatigue.text)
    return why;
  Form1State other = shown;
  const double level = num(shown.Clevel);
  bool down = true, up = true;  // a direction closes where no level is left or the rebuild fails
  for (double step = 1; down || up; ++step)
    for (bool* open : {&down, &up}) {
      const double tried = open == &down ? level - step : level + step;
      if (!*open) continue;
      Form1 g;
      other.Clevel.text = numText(tried);
      *open = tried >= 1 && rebuild(other, lines, at, current, g, failed).empty() && num(g.Clevel) == tried;
      if (!*open) continue;
      g.Clevel.text = shown.Clevel.text;
      if (firstDifference(lines, savedLines(g, lines), at, false, d, row).empty())
        return lineNo(at[rowOf(&Form1State::Clevel)]) + ": " + named(kSheetLines[rowOf(&Form1State::Clevel)].label) +
               " does not match the lines after it";
    }
  return why;
}

}  // namespace

std::string normalisedSheet(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::size_t kept = 0;  // the length up to the last line that is not blank
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t end = std::min(text.find_first_of("\r\n", from), text.size());
    std::size_t stop = end;
    while (stop > from && (text[stop - 1] == ' ' || text[stop - 1] == '\t')) --stop;
    out.append(text, from, stop - from);
    if (stop > from) kept = out.size() + 1;
    out += '\n';
    from = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return out.substr(0, kept);
}

std::string rebuildSheet(const std::string& bytes, const Form1State& current, Form1State& out) {
  const std::string decoded = decodedSheet(bytes), text = normalisedSheet(decoded);
  if (text.empty()) return "is empty";
  if (!text.starts_with(trimmedEnd(kSheetLines[0].label))) return "is not a character sheet";
  // Deliberate mend: a NUL byte is never read; no saved text holds one.
  if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
    return lineNo(static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<long>(nul), '\n'))) +
           " holds a NUL byte";
  // Bytes that read as UTF-8 as well as exactly open as UTF-8, where the
  // exact reading would garble their letters; the planner's own sheet that
  // only looks like UTF-8 holds a letter the code page lacks in it.
  Form1 exact;
  const std::string why = read(exactLines(bytes), current, exact);
  if (why.empty() && decoded == fromCodePage(bytes)) {
    out = exact;
    return {};
  }
  Form1 lenient;
  const std::string lenientWhy = read(lenientLines(text), current, lenient);
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

}  // namespace kethmor::exporter
