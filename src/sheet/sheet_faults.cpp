// Reading a sheet, what is wrong with it: the reasons a refused sheet is
// given, naming the line and what is wrong with it in a few words, short
// enough to stand whole in the message box after "could not open …: ".
#include <algorithm>

#include "rules/numbers.h"
#include "sheet/sheet_reading.h"

namespace kethmor::sheet::reading {

std::string shapeFault(Shape shape, const SheetLine& row) {
  // Short enough to fit the message box after "could not open …: ".
  switch (shape) {
    case Shape::notEmpty: return " not empty";
    case Shape::noLabel: return row.value ? ": bad label" : ": bad title";
    case Shape::spacing:
    case Shape::spacing2: return ": spacing";
    case Shape::noLabel2: return ": 2nd label";
    case Shape::noValue:
    case Shape::noValue2: return ": no value";
    case Shape::fits: break;
  }
  return " is wrong";
}

Difference firstDifference(const Lines& lines, const std::vector<std::string>& saved, const Starts& at,
                           bool unbought) {
  const std::vector<std::string>& given = lines.text;
  Difference d;
  for (; d.line < given.size() && d.line < saved.size(); ++d.line) {
    while (d.row < kRows && at[d.row + 1] <= d.line) ++d.row;
    if (given[d.line] != saved[d.line] && !(unbought && d.row < kRows && kSheetLines[d.row].bias)) break;
  }
  while (d.row < kRows && at[d.row + 1] <= d.line) ++d.row;
  if (d.line == given.size() && d.line == saved.size()) return d;
  const std::string no = lines.no(d.line);
  const SheetLine* line = d.row < kRows ? &kSheetLines[d.row] : nullptr;
  if (d.line == given.size()) d.why = no + " is missing";
  else if (d.line == saved.size() || !line || !line->value || typed(*line)) d.why = no + " is wrong";
  if (!d.why.empty()) return d;
  const std::string &a = given[d.line], &b = saved[d.line];
  const std::size_t c = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
  const bool second = c >= b.find(line->label2, line->label.size());
  // A race shown with the start's background; a level the window cannot
  // show (its own reason comes first); a background the race cannot take;
  // an aptitude that also follows from the purchases below it.
  const bool race = line->value == &Form1State::Current_race;
  if (race) {
    d.why = second ? "bad background" : no + ": bad race";
    return d;
  }
  // A number the rebuilt character does not reach, or passes.
  const LineValues was = readLine(a, *line, lines.lenient), rebuilt = readLine(b, *line, lines.lenient);
  const std::string &g = second ? was.second : was.first, &r = second ? rebuilt.second : rebuilt.first;
  const bool numbers = numText(num(g)) == g && numText(num(r)) == r;
  if (line->value == &Form1State::Clevel && !second) d.why = no + " is wrong";
  else d.why = no + (!numbers ? " is wrong" : num(g) > num(r) ? ": too high" : ": too low");
  return d;
}

}  // namespace kethmor::sheet::reading
