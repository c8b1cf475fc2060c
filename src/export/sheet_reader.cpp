#include "export/sheet_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cerrno>
#include <vector>

#include <QFile>
#include <QFileInfo>

#include "core/replay.h"
#include "export/sheet.h"
#include "magick/college_catalogue.h"
#include "technology/discipline_catalogue.h"

namespace kethmor::exporter {

namespace {

using Box = Control Form1State::*;

struct Pair {
  const char* left;
  Box a;
  const char* right;
  Box b;
};

// The statistic and skill lines, in the sheet's order, after the line
// "Primary Statistics" and the line "Skills".
constexpr Pair kStatLines[] = {
    {"Strength:      ", &Form1State::Adjstrength, "Intelligence:  ", &Form1State::Adjintelligence},
    {"Constitution:  ", &Form1State::Adjconstitution, "Willpower:     ", &Form1State::Adjwillpower},
    {"Dexterity:     ", &Form1State::Adjdexterity, "Perception:    ", &Form1State::Adjperception},
    {"Beauty:        ", &Form1State::Adjbeauty, "Charisma:      ", &Form1State::Adjcharisma},
};
constexpr Pair kSkillLines[] = {
    {"Bow:         ", &Form1State::bow, "Dodge:             ", &Form1State::dodge},
    {"Melee:       ", &Form1State::melee, "Throwing:          ", &Form1State::throwing},
    {"Backstab:    ", &Form1State::backstab, "Pick Pocket:       ", &Form1State::pickpocket},
    {"Prowling:    ", &Form1State::prowling, "Spot Trap:         ", &Form1State::spottrap},
    {"Gambling:    ", &Form1State::gambling, "Haggle:            ", &Form1State::haggle},
    {"Heal:        ", &Form1State::heal, "Persuasion:        ", &Form1State::persuasion},
    {"Repair:      ", &Form1State::repair, "Firearms:          ", &Form1State::firearms},
    {"Pick Locks:  ", &Form1State::picklocks, "Arm/Disarm Traps:  ", &Form1State::adtraps},
};
constexpr Ctl kStatPlus[4][2] = {{Ctl::ST_plus, Ctl::IN_plus},
                                 {Ctl::CN_plus, Ctl::WP_plus},
                                 {Ctl::DX_plus, Ctl::PE_plus},
                                 {Ctl::BE_plus, Ctl::CH_plus}};

const char* const kStatsTitle = "                  Primary Statistics";

bool startsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// The line's value after `prefix`, up to the first blank.
bool valueAfter(const std::string& line, std::size_t at, const std::string& prefix, std::string& value) {
  if (line.compare(at, prefix.size(), prefix) != 0) return false;
  const std::size_t from = at + prefix.size();
  const std::size_t end = line.find(' ', from);
  value = line.substr(from, end == std::string::npos ? std::string::npos : end - from);
  return !value.empty();
}

// "Left:  9" blanks "Right:  8": both values.
bool pairValues(const std::string& line, const Pair& p, std::string& a, std::string& b) {
  if (!valueAfter(line, 0, p.left, a)) return false;
  const std::size_t right = line.find(p.right, std::string(p.left).size() + a.size());
  return right != std::string::npos && valueAfter(line, right, p.right, b) &&
         right + std::string(p.right).size() + b.size() == line.size();
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
// selected, then the double click. Returns whether it joined the list.
template <std::size_t Groups, std::size_t Ranks>
bool buyNamed(Form1& f, const std::string& name, const char* const (&names)[Groups][Ranks],
              const std::array<std::array<std::int16_t, Ranks>, Groups>& owned, Ctl groups, Ctl entries) {
  const int had = f.purchased.listCount();
  for (std::size_t g = 0; g < Groups; ++g)
    for (std::size_t k = 0; k < Ranks; ++k)
      if (name == names[g][k] && owned[g][k] == 0) {
        f.selectEntry(groups, static_cast<int>(g));
        f.selectEntry(entries, static_cast<int>(k));
        f.DblClick(entries);
        if (f.purchased.listCount() > had) return true;
      }
  return false;
}

bool buyByName(Form1& f, const std::string& name) {
  return buyNamed(f, name, magick::kSpellNames, f.spell_owned, Ctl::Magick_list, Ctl::Spell_list) ||
         buyNamed(f, name, technology::kSchematicNames, f.schematic_owned, Ctl::Tech_list, Ctl::Schematic_list);
}

std::string wrongLine(std::size_t index) { return "line " + std::to_string(index + 1) + " is wrong"; }

std::vector<std::string> splitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t at; (at = bytes.find("\r\n", from)) != std::string::npos; from = at + 2)
    lines.push_back(bytes.substr(from, at - from));
  lines.push_back(bytes.substr(from));  // empty after the last line break
  return lines;
}

std::string joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i) text += (i > from ? "\n" : "") + fromCodePage(lines[i]);
  return text;
}

}  // namespace

std::string rebuildSheet(const std::string& bytes, const Form1State& current, Form1State& out) {
  const std::vector<std::string> lines = splitLines(bytes);
  const std::size_t n = lines.size();
  if (n < 2 || !startsWith(lines[0], "Name:  ")) return wrongLine(0);

  // The name, on as many lines as it was typed on.
  std::size_t raceAt = 1;
  while (raceAt < n && !startsWith(lines[raceAt], "Race:  ")) ++raceAt;
  if (raceAt + 4 >= n) return wrongLine(std::min(raceAt, n - 1));
  std::string name = joined(lines, 0, raceAt).substr(7);

  const std::string& raceLine = lines[raceAt];
  const std::size_t bgAt = raceLine.find("Background:  ", 7);
  if (bgAt == std::string::npos) return wrongLine(raceAt);
  std::string race = raceLine.substr(7, bgAt - 7);
  while (!race.empty() && race.back() == ' ') race.pop_back();
  const std::string background = fromCodePage(raceLine.substr(bgAt + 13));

  std::string level;
  if (!lines[raceAt + 1].empty() || !valueAfter(lines[raceAt + 2], 0, "Level:  ", level))
    return wrongLine(lines[raceAt + 1].empty() ? raceAt + 2 : raceAt + 1);
  const std::size_t altAt = raceAt + 4;
  if (!lines[raceAt + 3].empty() || !startsWith(lines[altAt], "Alternative Background: "))
    return wrongLine(lines[raceAt + 3].empty() ? altAt : raceAt + 3);

  // The typed background may run over several lines; the title after it is
  // the last one of its kind, since nothing below it can repeat it.
  std::size_t title = n;
  for (std::size_t i = n; i-- > altAt + 2;)
    if (lines[i] == kStatsTitle && lines[i - 1].empty()) {
      title = i;
      break;
    }
  if (title == n || title + 29 > n) return wrongLine(title == n ? altAt + 1 : n - 1);
  std::string alternative = joined(lines, altAt, title - 1).substr(24);

  // Longer texts than the boxes hold cannot come from the window.
  auto tooLong = [](const std::string& text, Ctl box) {
    const auto letters = std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    return letters > info(box).maxLength;
  };
  if (tooLong(name, Ctl::PCname)) return wrongLine(0);
  if (tooLong(alternative, Ctl::alternativebackground)) return wrongLine(altAt);

  // Race and background (a sheet still showing the start caption never had
  // either applied), and the derived boxes as the sheet shows them.
  std::string carry, armour;
  valueAfter(lines[title + 9], 0, "Carry Weight: ", carry);
  valueAfter(lines[title + 11], 0, "Armor Class adj.: ", armour);
  Form1 f;
  if (!startRebuild(f, race, background, carry, armour)) return wrongLine(raceAt);
  f.PCname.text = std::move(name);
  f.alternativebackground.text = std::move(alternative);
  pressUntil(f, Ctl::levelup, f.Clevel, num(level));

  for (std::size_t i = 0; i < 4; ++i) {
    std::string a, b;
    if (!pairValues(lines[title + 2 + i], kStatLines[i], a, b)) return wrongLine(title + 2 + i);
    pressUntil(f, kStatPlus[i][0], f.*kStatLines[i].a, num(a));
    pressUntil(f, kStatPlus[i][1], f.*kStatLines[i].b, num(b));
  }
  std::string hp, fatigue;
  const std::string& hpLine = lines[title + 7];
  const std::size_t fatigueAt = hpLine.find("      Fatigue: ");
  if (!valueAfter(hpLine, 0, "Hitpoints: ", hp) || fatigueAt == std::string::npos ||
      !valueAfter(hpLine, fatigueAt, "      Fatigue: ", fatigue))
    return wrongLine(title + 7);
  pressUntil(f, Ctl::Hitpoints_plus, f.hitpoints, num(hp));
  pressUntil(f, Ctl::Fatigue_plus, f.fatigue, num(fatigue));

  for (std::size_t i = 0; i < 8; ++i) {
    std::string a, b;
    if (!pairValues(lines[title + 16 + i], kSkillLines[i], a, b)) return wrongLine(title + 16 + i);
    for (const auto& [box, value] : {std::pair{kSkillLines[i].a, a}, std::pair{kSkillLines[i].b, b}})
      for (const SkillInfo& s : kSkills)
        if (s.box == box) pressUntil(f, s.plus, f.*box, num(value));
  }
  for (std::size_t i = title + 28; i + 1 < n; ++i)
    if (!buyByName(f, fromCodePage(lines[i]))) return wrongLine(i);

  keepBrowsing(f, current);

  const std::string again = sheetBytes(f);
  if (again != bytes) {
    std::size_t line = 0;
    for (std::size_t i = 0; i < again.size() && i < bytes.size() && again[i] == bytes[i]; ++i)
      if (bytes[i] == '\n') ++line;
    return wrongLine(line);
  }
  out = f;
  return {};
}

std::string readSheetFile(const std::string& fileName, const Form1State& current, Form1State& out) {
  const QString path = QString::fromStdString(fileName);
  struct stat st {};
  if (stat(QFile::encodeName(path).constData(), &st) != 0)
    return errno == ENOENT ? "no such file" : errno == EACCES ? "permission denied" : "cannot be read";
  if (S_ISDIR(st.st_mode)) return "is a folder";
  if (!S_ISREG(st.st_mode)) return "not a regular file";
  if (static_cast<std::size_t>(st.st_size) > kSheetSizeLimit) return "too large";
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "permission denied";
  const QByteArray data = file.read(static_cast<qint64>(kSheetSizeLimit) + 1);
  if (static_cast<std::size_t>(data.size()) > kSheetSizeLimit) return "too large";
  return rebuildSheet(data.toStdString(), current, out);
}

std::string openSheet(Form1State& form, const std::string& fileName) {
  Form1State rebuilt;
  const std::string reason = readSheetFile(fileName, form, rebuilt);
  if (reason.empty()) form = rebuilt;
  return reason;
}

}  // namespace kethmor::exporter
