#include "sheet/build_code.h"

#include <algorithm>
#include <cstdint>

#include "catalogues/background_catalogue.h"
#include "sheet/level_plan.h"
#include "rules/rules.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "catalogues/race_catalogue.h"

namespace kethmor::sheet {

namespace {

constexpr int kStrengthWorkedOut = 16, kDexterityWorkedOut = 32, kUtf8Texts = 64, kLaterCodes = 128;
constexpr std::size_t kHeader = 3, kCheck = 2;
constexpr std::size_t kMostPurchases = 1000;  // far more than the CPs of any build

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int letterValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  return c == '-' ? 62 : c == '_' ? 63 : -1;
}

std::string base64url(const std::string& bytes) {
  std::string text;
  std::uint32_t bits = 0;
  int held = 0;
  for (const char c : bytes) {
    bits = (bits << 8) | static_cast<unsigned char>(c);
    for (held += 8; held >= 6; held -= 6) text += kLetters[(bits >> (held - 6)) & 63];
  }
  if (held > 0) text += kLetters[(bits << (6 - held)) & 63];
  return text;
}

// The bytes of base64url text; false for a letter outside the alphabet, a
// length no bytes give, or unused bits that are not 0.
bool fromBase64url(std::string_view text, std::string& bytes) {
  std::uint32_t bits = 0;
  int held = 0;
  for (const char c : text) {
    const int v = letterValue(c);
    if (v < 0) return false;
    bits = (bits << 6) | static_cast<std::uint32_t>(v);
    if ((held += 6) >= 8) bytes += static_cast<char>((bits >> (held -= 8)) & 0xFF);
  }
  return held < 6 && (bits & ((1u << held) - 1)) == 0;
}

std::uint16_t crc16(std::string_view bytes) {
  std::uint16_t crc = 0xFFFF;
  for (const char c : bytes) {
    crc ^= static_cast<std::uint16_t>(static_cast<unsigned char>(c) << 8);
    for (int i = 0; i < 8; ++i) crc = static_cast<std::uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
  }
  return crc;
}

// A typed text as the code holds it in the code page: its line breaks LF.
std::string codePageText(const std::string& utf8) {
  std::string cp = toCodePage(utf8), text;
  for (std::size_t i = 0; i < cp.size(); ++i)
    if (!(cp[i] == '\r' && i + 1 < cp.size() && cp[i + 1] == '\n')) text += cp[i];
  return text;
}

void appendText(std::string& bytes, const std::string& text) {
  std::size_t n = text.size();
  for (; n >= 128; n >>= 7) bytes += static_cast<char>((n & 127) | 128);
  bytes += static_cast<char>(n);
  bytes += text;
}

// Reads a text of `appendText` at `at`; false when the bytes end first.
bool readText(std::string_view bytes, std::size_t& at, std::string& text) {
  std::size_t n = 0;
  for (int shift = 0;; shift += 7) {
    if (at >= bytes.size() || shift > 21) return false;
    const auto b = static_cast<unsigned char>(bytes[at++]);
    n |= static_cast<std::size_t>(b & 127) << shift;
    if (b < 128) break;
  }
  if (n > bytes.size() - at) return false;
  text = bytes.substr(at, n);
  at += n;
  return true;
}

int backgroundIndex(const std::string& caption) {
  int b = 0;
  while (b < backgrounds::kBackgroundCount && caption != backgrounds::kBackgrounds[static_cast<std::size_t>(b)].caption)
    ++b;
  return b;
}

// The build a code's choices give, replayed as the level plan replays a
// build: the start, the purchases in their order, levelling up only when one
// needs it, then up to the build's level. `choices` holds the race and
// background captions, the typed texts, the level and the order; the strength
// and dexterity values are worked out at the start when their boxes are not
// empty. The rest of `choices` is the browsing the build keeps.
Form1State replayed(const Form1State& choices) { return planStateAt(choices, kLevelCap); }

const char* const kNoCode = "not a build code";
const char* const kDamaged = "code is damaged";

}  // namespace

std::string buildCode(const Form1State& build) {
  const bool raced = build.Current_background.text != info(Ctl::Current_background).text;
  const bool cp = fromCodePage(codePageText(build.PCname.text)) == build.PCname.text &&
                  fromCodePage(codePageText(build.alternativebackground.text)) == build.alternativebackground.text;
  const std::string& order = build.purchase_order;
  // The first byte that repeats a code: above the first builds' codes while the order holds none after them.
  const bool later = std::any_of(order.begin(), order.end(),
                                 [](char c) { return static_cast<unsigned char>(c) >= kOrderLaterSkill; });
  const int repeat = later ? kOrderEnd : kOrderLaterSkill;
  int first = raced ? races::raceKeyIndex(build.Current_race.text) + 1 : 0;
  if (!raced && build.Carryweight.text != info(Ctl::Carryweight).text) first |= kStrengthWorkedOut;
  if (!raced && build.ACadj.text != info(Ctl::ACadj).text) first |= kDexterityWorkedOut;
  if (!cp) first |= kUtf8Texts;
  if (later) first |= kLaterCodes;
  std::string bytes{static_cast<char>(first), static_cast<char>(raced ? backgroundIndex(build.Current_background.text) : 0),
                    static_cast<char>(static_cast<int>(num(build.Clevel)))};
  if (later) bytes += static_cast<char>(repeat);
  for (const std::string* text : {&build.PCname.text, &build.alternativebackground.text})
    appendText(bytes, cp ? codePageText(*text) : *text);
  for (std::size_t i = 0, run; i < order.size(); i += run) {
    run = 1;
    while (i + run < order.size() && order[i + run] == order[i]) ++run;
    bytes += order[i];
    for (std::size_t more = run - 1, n; more > 0; more -= n) {
      n = std::min<std::size_t>(more, static_cast<std::size_t>(256 - repeat));
      bytes += static_cast<char>(repeat - 1 + static_cast<int>(n));
    }
  }
  const std::uint16_t check = crc16(bytes);
  bytes += static_cast<char>(check >> 8);
  bytes += static_cast<char>(check & 0xFF);
  return std::string(kCodePrefix) + base64url(bytes);
}

std::string_view findCode(std::string_view text) {
  for (std::size_t at = 0; (at = text.find("KCP", at)) != text.npos; ++at) {
    std::size_t end = at + 3;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (end == at + 3 || end == text.size() || text[end] != ':') continue;
    while (++end < text.size() && letterValue(text[end]) >= 0) {}
    return text.substr(at, end - at);
  }
  return {};
}

std::string readCode(std::string_view code, const Form1State& current, Form1State& out) {
  if (code.empty() || findCode(code) != code) return kNoCode;
  const std::size_t colon = code.find(':');
  if (code.substr(0, colon + 1) != kCodePrefix) {
    std::string_view number = code.substr(3, colon - 3);
    number.remove_prefix(std::min(number.find_first_not_of('0'), number.size()));
    return number.empty() || number == "1" ? kNoCode : "code is too new";
  }
  std::string bytes;
  if (!fromBase64url(code.substr(colon + 1), bytes) || bytes.size() < kHeader + 2 + kCheck) return kDamaged;
  const std::string_view body = std::string_view(bytes).substr(0, bytes.size() - kCheck);
  const std::uint16_t check = crc16(body);
  if (static_cast<char>(check >> 8) != bytes[body.size()] || static_cast<char>(check & 0xFF) != bytes.back())
    return kDamaged;

  const int first = static_cast<unsigned char>(body[0]), race = first & 15;
  const int background = static_cast<unsigned char>(body[1]), level = static_cast<unsigned char>(body[2]);
  if (race > races::kRaceCount || background >= backgrounds::kBackgroundCount || level < 1 ||
      level > kLevelCap)
    return kDamaged;
  Form1State choices = current;
  std::size_t at = kHeader;
  const int repeat = first & kLaterCodes ? static_cast<unsigned char>(body[at++]) : kOrderLaterSkill;
  if (repeat > kOrderEnd) return "code is too new";
  for (Ctl box : {Ctl::PCname, Ctl::alternativebackground}) {
    std::string& text = (choices.*kMembers[static_cast<int>(box)]).text;
    if (!readText(body, at, text)) return kDamaged;
    if (!(first & kUtf8Texts)) text = fromCodePage(text);
    // Longer than the box holds: no window made it.
    if (std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }) > info(box).maxLength)
      return kDamaged;
  }
  std::string& order = choices.purchase_order;
  order.clear();
  for (; at < body.size(); ++at) {
    const int b = static_cast<unsigned char>(body[at]);
    if (b < repeat) order += static_cast<char>(b);
    else if (order.empty()) return kDamaged;
    else order.append(static_cast<std::size_t>(b - repeat + 1), order.back());
    if (order.size() > kMostPurchases) return kDamaged;
  }
  choices.Current_race.text = race ? races::kRaces[race - 1].caption : info(Ctl::Current_race).text;
  choices.Current_background.text =
      race ? backgrounds::kBackgrounds[static_cast<std::size_t>(background)].caption : info(Ctl::Current_background).text;
  choices.Carryweight.text = first & kStrengthWorkedOut ? "worked out" : "";
  choices.ACadj.text = first & kDexterityWorkedOut ? "worked out" : "";
  choices.Clevel.text = numText(static_cast<double>(level));

  Form1State got = replayed(choices);
  if (got.Current_background.text != choices.Current_background.text) return "background refused";
  if (got.purchase_order != order)
    return "purchase refused";
  if (num(got.Clevel) != level) return "level too low";
  // Choices that no window makes, or bytes the planner writes another way.
  if (buildCode(got) != code) return kDamaged;
  out = std::move(got);
  return {};
}

std::string openPasted(Form1State& form, const std::string& text) {
  const std::string_view code = findCode(text);
  const std::string asSheet = openSheetText(form, text);
  if (asSheet.empty() || code.empty()) return asSheet;
  Form1State rebuilt;
  const std::string why = readCode(code, form, rebuilt);
  if (why.empty()) form = std::move(rebuilt);
  return why;
}

}  // namespace kethmor::sheet
