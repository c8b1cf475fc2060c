#include "sheet/sheet.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace kethmor::sheet {

namespace {

// The code points of bytes 0x80 to 0x9F in Windows-1252; 0 where unassigned.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  return '?';
}

// Deliberate mend: decodes one UTF-8 sequence at s[i], strictly. A malformed byte, a truncated
// sequence, an overlong form (C0 80 is not a NUL), a surrogate or a value
// past U+10FFFF reads as U+FFFD: one for the lead byte and one for each
// byte after it, so C0 80 reads as two.
char32_t decode(const std::string& s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i]);
  int extra = 0;
  char32_t cp = 0;
  if (b < 0x80) {
    ++i;
    return b;
  } else if ((b & 0xE0) == 0xC0) {
    extra = 1;
    cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    extra = 2;
    cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    extra = 3;
    cp = b & 0x07;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + static_cast<std::size_t>(extra) >= s.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
    if ((c & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  // The smallest value each length may carry: anything less is overlong. A
  // rejected sequence costs its lead byte; its other bytes are read on
  // their own (and rejected in turn).
  constexpr char32_t kLeast[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kLeast[extra] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
    ++i;
    return 0xFFFD;
  }
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

// The letters of the code page that Unicode also writes in two parts, a base
// letter and a combining accent: each accent with the letters it goes on and,
// position by position, the letters they make.
struct Accent {
  char32_t mark;
  std::string_view bases;
  std::u32string_view letters;
};
constexpr Accent kAccents[] = {
    {0x0300, "AEIOUaeiou", U"ÀÈÌÒÙàèìòù"},     {0x0301, "AEIOUYaeiouy", U"ÁÉÍÓÚÝáéíóúý"},
    {0x0302, "AEIOUaeiou", U"ÂÊÎÔÛâêîôû"},     {0x0303, "ANOano", U"ÃÑÕãñõ"},
    {0x0308, "AEIOUYaeiouy", U"ÄËÏÖÜŸäëïöüÿ"}, {0x030A, "Aa", U"Åå"},
    {0x030C, "SZsz", U"ŠŽšž"},                 {0x0327, "Cc", U"Çç"}};
static_assert(std::all_of(std::begin(kAccents), std::end(kAccents),
                          [](const Accent& a) { return a.bases.size() == a.letters.size(); }));

// Characters that Unicode takes for another one, which the code page has.
constexpr std::pair<char32_t, char32_t> kSame[] = {{0x0340, 0x0300}, {0x0341, 0x0301}, {0x037E, ';'},
                                                   {0x0387, 0xB7},   {0x1FEF, '`'},    {0x1FFD, 0xB4},
                                                   {0x212A, 'K'},    {0x212B, 0xC5}};

// The text's code points, composed as far as the code page needs it: a base
// letter followed by a combining accent that makes a letter of the code page
// becomes that one letter (so a letter typed in two parts finds its byte),
// and a character of kSame becomes its own. Every other sequence stays as it
// is (an accent on a letter the code page lacks, a second accent, a Hangul
// syllable in parts): the code page has no letter for it either way.
std::u32string composed(const std::string& utf8) {
  std::u32string cps;
  cps.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = decode(utf8, i);
    for (const auto& [other, same] : kSame)
      if (cp == other) cp = same;
    const Accent* accent = std::find_if(std::begin(kAccents), std::end(kAccents), [cp](const Accent& a) { return a.mark == cp; });
    const std::size_t base = accent == std::end(kAccents) || cps.empty() || cps.back() >= 0x80
                                 ? std::string_view::npos
                                 : accent->bases.find(static_cast<char>(cps.back()));
    if (base == std::string_view::npos) cps.push_back(cp);
    else cps.back() = accent->letters[base];
  }
  return cps;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
    return;
  }
  constexpr char32_t kLead[] = {0, 0xC0, 0xE0, 0xF0};
  const int extra = cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
  out += static_cast<char>(kLead[extra] | (cp >> (6 * extra)));
  for (int k = extra - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
}

bool lineBreak(char32_t cp) { return cp == '\r' || cp == '\n' || cp == 0x2028 || cp == 0x2029 || cp == 0x0085; }

// Whether the code page lacks a letter of `utf8`; malformed UTF-8, which
// neither keeps, aside.
bool lacksLetters(const std::string& utf8) {
  for (const char32_t cp : composed(utf8))
    if (cp != 0xFFFD && encode(cp) == '?' && cp != '?' && !lineBreak(cp)) return true;
  return false;
}

// UTF-8 text as the code page's bytes or (`utf8`) as UTF-8, line breaks CR LF.
std::string inBytes(const std::string& utf8, bool asUtf8) {
  // Plain ASCII on one line is its own text either way (most of a sheet).
  // The byte is compared unsigned: where char is unsigned, as on arm64, a
  // byte of UTF-8 is no less above 0.
  const auto plain = [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b != 0 && b < 0x80 && c != '\r' && c != '\n';
  };
  if (std::all_of(utf8.begin(), utf8.end(), plain))
    return utf8;
  const std::u32string cps = composed(utf8);
  std::string out;
  out.reserve(cps.size());
  for (std::size_t i = 0; i < cps.size(); ++i) {
    const char32_t cp = cps[i];
    if (cp == '\r' && i + 1 < cps.size() && cps[i + 1] == '\n') ++i;
    if (lineBreak(cp)) out += "\r\n";
    else if (asUtf8 && cp != 0xFFFD) appendUtf8(out, cp);
    else out += encode(cp);
  }
  return out;
}

constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";

class Writer {
 public:
  explicit Writer(bool utf8) : utf8_(utf8) {}
  Writer& text(const std::string& s) {
    const std::string bytes = inBytes(s, utf8_);
    out_ += bytes;
    // The column follows the last line break written.
    const auto nl = bytes.rfind('\n');
    column_ = nl == std::string::npos ? column_ + static_cast<int>(bytes.size())
                                      : static_cast<int>(bytes.size() - nl);
    return *this;
  }
  Writer& zone() {
    const int to = nextZone(column_);
    out_.append(static_cast<std::size_t>(to - column_), ' ');
    column_ = to;
    return *this;
  }
  Writer& endLine() {
    out_ += "\r\n";
    column_ = 1;
    return *this;
  }
  std::string bytes() const { return utf8_ ? kByteOrderMark + out_ : out_; }

 private:
  bool utf8_;
  std::string out_;
  int column_ = 1;
};

const char* biasWord(Colour c) {
  switch (c) {
    case kPink: return "(magick biased)";
    case kBrownOrange: return "(tech biased)";
    case kWhite: return "(neutral)";
    default: return "";
  }
}

}  // namespace

int nextZone(int column) { return 14 * ((column - 1) / 14) + 15; }

std::string toCodePage(const std::string& utf8) { return inBytes(utf8, false); }

std::string textBytes(const std::string& utf8) {
  return lacksLetters(utf8) ? kByteOrderMark + inBytes(utf8, true) : inBytes(utf8, false);
}

std::string bytesText(const std::string& bytes) {
  return bytes.starts_with(kByteOrderMark) ? bytes.substr(3) : fromCodePage(bytes);
}

std::string fromCodePage(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    char32_t cp = b;
    if (b >= 0x80 && b < 0xA0) cp = kHigh[b - 0x80] ? kHigh[b - 0x80] : 0xFFFD;
    appendUtf8(out, cp);
  }
  return out;
}

std::string decodedSheet(const std::string& bytes) {
  const std::string mark = "\xEF\xBB\xBF";
  bool utf8 = true, wide = false;
  for (std::size_t i = 0; i < bytes.size() && utf8;) {
    const std::size_t from = i;
    wide = wide || static_cast<unsigned char>(bytes[i]) >= 0x80;
    utf8 = decode(bytes, i) != 0xFFFD || i - from == 3;  // U+FFFD itself is three bytes
  }
  if (!bytes.starts_with(mark) && !(utf8 && wide)) return fromCodePage(bytes);
  std::string text;
  for (const char32_t cp : composed(bytes.starts_with(mark) ? bytes.substr(mark.size()) : bytes))
    appendUtf8(text, cp);
  return text;
}

namespace {

// A row's name as a label of `width` columns: "Bow:         ".
std::string label(const char* name, std::size_t width) {
  std::string text = std::string(name) + ":";
  text.resize(std::max(width, text.size()), ' ');
  return text;
}
// Two statistics' adjusted values on one line, two zones apart.
SheetLine stats(Stat a, Stat b) {
  return {label(stat(a).name, 15), stat(a).adjusted, 2, label(stat(b).name, 15), stat(b).adjusted};
}
// Two skills on one line, two zones apart.
SheetLine skills(Skill a, Skill b) {
  const SkillInfo &left = kSkills[static_cast<std::size_t>(a)], &right = kSkills[static_cast<std::size_t>(b)];
  return {label(left.name, 13), left.box, 2, label(right.name, 19), right.box};
}

}  // namespace

using S = Form1State;
using K = Skill;
const std::array<SheetLine, 35> kSheetLines = {{
    {"Name:  ", &S::PCname},
    {"Race:  ", &S::Current_race, 1, "Background:  ", &S::Current_background},
    {""},
    {"Level:  ", &S::Clevel, 2, "Aptitude: ", &S::aptitude, true},
    {""},
    {"Alternative Background: ", &S::alternativebackground},
    {""},
    {"                  Primary Statistics"},
    {""},
    stats(Stat::ST, Stat::IN),
    stats(Stat::CN, Stat::WP),
    stats(Stat::DX, Stat::PE),
    stats(Stat::BE, Stat::CH),
    {""},
    {"Hitpoints: ", &S::hitpoints, 0, "      Fatigue: ", &S::fatigue},
    {""},
    {"Carry Weight: ", &S::Carryweight, 2, "Damage Bonus: ", &S::Damagebonus},
    {""},
    {"Armor Class adj.: ", &S::ACadj, 2, "Speed: ", &S::Speed},
    {""},
    {""},
    {"                           Skills"},
    {""},
    skills(K::bow, K::dodge),
    skills(K::melee, K::throwing),
    skills(K::backstab, K::pickpocket),
    skills(K::prowling, K::spottrap),
    skills(K::gambling, K::haggle),
    skills(K::heal, K::persuasion),
    skills(K::repair, K::firearms),
    skills(K::picklocks, K::adtraps),
    {""},
    {""},
    {"   Spells/Schematics"},
    {""},
}};

std::string blankSheetBytes() {
  Form1 blank;
  blank.Form_Load();
  return sheetBytes(blank);
}

std::string sheetBytes(const Form1State& f) {
  // Deliberate mend: a name or an alternative background holding a letter
  // the code page lacks is kept, the whole sheet written in UTF-8 after a
  // byte-order mark; every other sheet stays in the code page.
  Writer w(lacksLetters(f.PCname.text) || lacksLetters(f.alternativebackground.text));
  for (const SheetLine& line : kSheetLines) {
    w.text(line.label);
    if (line.value) w.text((f.*line.value).text);
    for (int i = 0; i < line.zones; ++i) w.zone();
    if (!line.label2.empty()) w.text(line.label2).text((f.*line.value2).text);
    if (line.bias) w.text(kBiasGap).text(biasWord((f.*line.value2).back));
    w.endLine();
  }
  for (const std::string& entry : f.purchased.items) w.text(entry).endLine();
  return w.bytes();
}

}  // namespace kethmor::sheet
