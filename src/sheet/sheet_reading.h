#pragma once

// The parts of reading a sheet back that the reader's files share: the text
// found line by line against the sheet's table (sheet_lines.cpp) and what is
// wrong with it, in a player's words (sheet_faults.cpp). The rebuild through
// the replay is sheet_reader.cpp's.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "sheet/sheet.h"

namespace kethmor::sheet::reading {

inline constexpr std::size_t kRows = std::tuple_size_v<decltype(kSheetLines)>;
// The sheet line on which each line of the table begins; the last: the first purchase.
using Starts = std::array<std::size_t, kRows + 1>;

// A sheet's lines as read: `values` to read the values from (the code page
// when read exactly, UTF-8 when leniently), `text` as they are compared with
// the sheet the character saves (the same lines when read exactly). Lines
// past the end read as empty. `skipped`: the blank lines before the sheet's
// first, which the line numbers of a reason count.
struct Lines {
  std::vector<std::string> values, text;
  bool lenient = false;
  bool utf8 = false;  // read exactly after a byte-order mark: the planner's own UTF-8 sheet
  std::size_t skipped = 0;
  const std::string& operator[](std::size_t i) const {
    static const std::string none;
    return i < values.size() ? values[i] : none;
  }
  std::size_t size() const { return values.size(); }
  // A value as its box holds it, in UTF-8.
  std::string box(const std::string& value) const { return lenient || utf8 ? value : fromCodePage(value); }
  // A line as a reason names it: "line 12".
  std::string no(std::size_t index) const { return "line " + std::to_string(index + 1 + skipped); }
};

// Read exactly: the bytes as the planner saves them (in the code page, or in
// UTF-8 after a byte-order mark), split at CR LF; a last line without its end
// differs from every line the planner saves.
Lines exactLines(const std::string& bytes);
// Read leniently, from the text as normalisedSheet gives it: the values as
// they stand, so that letters the code page lacks reach the boxes; compared
// as the code page has them, as the character's sheet saves them.
Lines lenientLines(const std::string& normalised, std::size_t skipped = 0);
// The sheet the character saves, read as `lines` was.
std::vector<std::string> savedLines(const Form1State& f, const Lines& lines);

// The text without its blanks and tabs at the end.
std::string trimmedEnd(std::string s);
// Where the text's first line that is not blank begins, after its blanks.
std::size_t firstLetter(const std::string& text);

// A line of the table that holds typed text (one box, no second label).
bool typed(const SheetLine& row);
// The line of the table that opens with `box`.
std::size_t rowOf(Box box);

// How a line stands against its line of the table.
enum class Shape { fits, notEmpty, noLabel, spacing, noLabel2, spacing2, noValue, noValue2 };
struct LineValues {
  Shape shape = Shape::fits;
  std::string first = "", second = "";  // the texts after the two labels
};
LineValues readLine(std::string_view line, const SheetLine& row, bool lenient);

// Where each line of the table begins: a typed text ends where the lines
// after it first all have their shape. When nowhere, `why` names the first
// line out of shape where most of them fit.
struct Located {
  Starts at{};
  std::string why;
};
Located locate(const Lines& lines);

// What is wrong with a line out of shape, after its number: " not empty",
// ": no value".
std::string shapeFault(Shape shape, const SheetLine& row);

// The first line in which the sheet differs from the one the character
// saves, and the line of the table it falls on (kRows: a purchase); `why`
// names it by the label under which they differ, empty when alike.
// `unbought`: a purchase failed, so the aptitude's line may differ.
struct Difference {
  std::string why;
  std::size_t line = 0, row = 0;
};
Difference firstDifference(const Lines& lines, const std::vector<std::string>& saved, const Starts& at,
                           bool unbought);

}  // namespace kethmor::sheet::reading
