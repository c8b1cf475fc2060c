#include "session/file_name.h"

#include <cstring>

namespace kethmor::session {

namespace {

// The length of the blank (any Unicode white space) that starts at `at`, or 0.
std::size_t blankAt(const std::string& s, std::size_t at) {
  const auto b = [&](std::size_t i) { return at + i < s.size() ? static_cast<unsigned char>(s[at + i]) : 0u; };
  if (b(0) == ' ' || (b(0) >= 0x09 && b(0) <= 0x0D)) return 1;
  if (b(0) == 0xC2 && (b(1) == 0x85 || b(1) == 0xA0)) return 2;                       // U+0085, U+00A0
  if (b(0) == 0xE1 && b(1) == 0x9A && b(2) == 0x80) return 3;                         // U+1680
  if (b(0) == 0xE2 && b(1) == 0x80 && (b(2) <= 0x8A || b(2) == 0xA8 || b(2) == 0xA9 || b(2) == 0xAF))
    return 3;                                                                         // U+2000..U+200A, U+2028, U+2029, U+202F
  if (b(0) == 0xE2 && b(1) == 0x81 && b(2) == 0x9F) return 3;                         // U+205F
  if (b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) return 3;                         // U+3000
  return 0;
}

}  // namespace

std::string proposedFileName(const std::string& name, bool plan) {
  std::size_t begin = 0, end = name.size();
  while (begin < end) {
    const std::size_t n = blankAt(name, begin);
    if (n == 0) break;
    begin += n;
  }
  for (bool trimmed = true; trimmed && end > begin;) {
    trimmed = false;
    for (std::size_t n = 1; n <= 3 && n <= end - begin; ++n)
      if (blankAt(name, end - n) == n) {
        end -= n;
        trimmed = true;
        break;
      }
  }
  std::string file = name.substr(begin, end - begin);
  for (char& c : file)
    if (static_cast<unsigned char>(c) < 0x20 || (c != 0 && std::strchr("/\\:*?\"<>|", c))) c = '_';
  if (!file.empty() && file[0] == '.') file[0] = '_';
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  const bool txt = file.size() >= 4 && file[file.size() - 4] == '.' && lower(file[file.size() - 3]) == 't' &&
                   lower(file[file.size() - 2]) == 'x' && lower(file[file.size() - 1]) == 't';
  if (plan) {
    if (txt) file.resize(file.size() - 4);
    while (!file.empty() && file.back() == ' ') file.pop_back();
    return file.empty() ? "plan.txt" : file + " plan.txt";
  }
  if (file.empty()) return "character.txt";
  return txt ? file : file + ".txt";
}

}  // namespace kethmor::session
