// Reading a sheet, what is wrong with it: the reasons a refused sheet is
// given, naming the line and the label as a player reads them.
#include <algorithm>

#include "export/sheet_reading.h"

namespace kethmor::sheet::reading {

std::string named(const std::string& label) {
  const std::size_t from = label.find_first_not_of(' ');
  std::string name = trimmedEnd(label.substr(from == std::string::npos ? label.size() : from));
  if (!name.empty() && name.back() == ':') name.pop_back();
  return name;
}

std::string shapeFault(Shape shape, const SheetLine& row) {
  const std::string label = named(row.label), label2 = named(row.label2);
  switch (shape) {
    case Shape::notEmpty: return " should be empty";
    case Shape::noLabel: return row.value ? " should begin \"" + label + ":\"" : " should read \"" + label + "\"";
    case Shape::spacing: return ": wrong blanks after \"" + label + ":\"";
    case Shape::noLabel2: return ": \"" + label2 + ":\" missing";
    case Shape::spacing2: return ": wrong blanks after \"" + label2 + ":\"";
    case Shape::noValue: return ": " + label + " has no value";
    case Shape::noValue2: return ": " + label2 + " has no value";
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
  if (!second && race) d.why = no + ": Race does not match the background";
  else if (!second && line->value == &Form1State::Clevel) d.why = no + " is wrong";
  else
    d.why = no + ": " + named(second ? line->label2 : line->label) + " does not match the " +
            (race ? "race" : second && line->bias ? "rest of the sheet" : "lines before it");
  return d;
}

}  // namespace kethmor::sheet::reading
