// Reading a sheet, the text: its lines split and normalised, and found
// against the lines of the sheet's table.
#include <algorithm>

#include "sheet/sheet_reader.h"
#include "sheet/sheet_reading.h"

namespace kethmor::sheet {

namespace reading {

namespace {

std::vector<std::string> split(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(end, from)) != std::string::npos; from = at + end.size())
    lines.push_back(text.substr(from, at - from));
  if (from < text.size()) lines.push_back(text.substr(from));  // a last line without its end
  return lines;
}

// How many lines of the table from `row` on, up to the first line of the
// next typed text, have their shape at the sheet's lines from `at` on.
std::size_t fitting(const Lines& lines, std::size_t at, std::size_t row) {
  std::size_t k = 0;
  for (; row + k < kRows && readLine(lines[at + k], kSheetLines[row + k], lines.lenient).shape == Shape::fits; ++k)
    if (typed(kSheetLines[row + k])) return k + 1;
  return k;
}

}  // namespace

Lines exactLines(const std::string& bytes) {
  Lines l;
  l.utf8 = bytes.starts_with("\xEF\xBB\xBF");
  l.values = l.text = split(l.utf8 ? bytes.substr(3) : bytes, "\r\n");
  l.text.push_back(bytes.ends_with("\r\n") ? "" : "\r");
  return l;
}

Lines lenientLines(const std::string& normalised, std::size_t skipped) {
  Lines l;
  l.lenient = true;
  l.skipped = skipped;
  l.values = split(normalised, "\n");
  for (const std::string& line : l.values) l.text.push_back(bytesText(textBytes(line)));  // as the planner saves it
  return l;
}

std::vector<std::string> savedLines(const Form1State& f, const Lines& lines) {
  const std::string bytes = sheetBytes(f);
  return lines.lenient ? lenientLines(normalisedSheet(bytesText(bytes))).text : exactLines(bytes).text;
}

std::string trimmedEnd(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

std::size_t firstLetter(const std::string& text) { return std::min(text.find_first_not_of(" \t\r\n"), text.size()); }

bool typed(const SheetLine& row) { return row.value && row.label2.empty(); }

std::size_t rowOf(Box box) {
  std::size_t r = 0;
  while (r < kRows && kSheetLines[r].value != box) ++r;
  return r;
}

// Read leniently, a line cut short inside its label's blanks still has it.
LineValues readLine(std::string_view line, const SheetLine& row, bool lenient) {
  const std::string_view label = row.label;
  if (!line.starts_with(label) &&
      !(lenient && label.starts_with(line) && label.find_first_not_of(' ', line.size()) == label.npos))
    return {row.value && line.starts_with(trimmedEnd(row.label)) ? Shape::spacing : Shape::noLabel};
  const std::string_view rest = line.substr(std::min(label.size(), line.size()));
  if (!row.value) return {rest.empty() ? Shape::fits : label.empty() ? Shape::notEmpty : Shape::noLabel};
  if (typed(row)) return {Shape::fits, std::string(rest)};
  const std::size_t at = rest.find(row.label2);
  if (at == rest.npos) return {rest.find(trimmedEnd(row.label2)) != rest.npos ? Shape::spacing2 : Shape::noLabel2};
  LineValues v{Shape::fits, trimmedEnd(std::string(rest.substr(0, at))), std::string(rest.substr(at + row.label2.size()))};
  if (row.bias) v.second = v.second.substr(0, v.second.find(kBiasGap));
  v.shape = v.first.empty() ? Shape::noValue : v.second.empty() ? Shape::noValue2 : Shape::fits;
  return v;
}

Located locate(const Lines& lines) {
  Located l;
  for (std::size_t r = 0; r < kRows; ++r) {
    l.at[r + 1] = l.at[r] + 1;
    if (!typed(kSheetLines[r])) continue;
    std::size_t next = r + 1;
    while (next < kRows && !typed(kSheetLines[next])) ++next;
    const std::size_t want = std::min(next + 1, kRows) - (r + 1);
    std::size_t best = l.at[r] + 1, most = 0;
    for (std::size_t i = l.at[r] + 1; i <= lines.size() && most < want; ++i)
      if (const std::size_t k = fitting(lines, i, r + 1); k > most) best = i, most = k;
    const std::size_t out = best + most;
    if (most < want) {
      const SheetLine& row = kSheetLines[r + 1 + most];
      l.why = lines.no(out) + (out >= lines.size() ? " is missing"
                                                   : shapeFault(readLine(lines[out], row, lines.lenient).shape, row));
      return l;
    }
    l.at[r + 1] = best;
  }
  return l;
}

}  // namespace reading

std::string normalisedSheet(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::size_t kept = 0;  // the length up to the last line that is not blank
  for (std::size_t from = reading::firstLetter(text); from < text.size();) {
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

}  // namespace kethmor::sheet
