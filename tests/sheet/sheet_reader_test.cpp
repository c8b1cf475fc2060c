// Opening a saved sheet: every mutation of a valid sheet is either refused
// without a change, saying why in one of the reader's words, or is itself a
// sheet that saves back byte for byte or, read leniently, to the same text.
// KETHMOR_READER_MUTATIONS (default 100000) makes a longer run.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "sheet/sheet.h"
#include "sheet/sheet_file.h"
#include "sheet/sheet_reader.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;
using sheet::sheetBytes;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> validSheets() {
  Form1 dwarf = raceWithBackground(kDwarf, kClanlessDwarf);
  levelTo(dwarf, 16);
  raiseTo(dwarf, Ctl::WP_plus, dwarf.Adjwillpower, 18);
  raiseTo(dwarf, Ctl::IN_plus, dwarf.Adjintelligence, 12);
  for (Ctl b : {Ctl::Hitpoints_plus, Ctl::bow_plus}) press(dwarf, b, 2);
  press(dwarf, Ctl::Repair_plus);
  buySpell(dwarf, 3, 0), buySchematic(dwarf, 1, 0), buySpell(dwarf, 3, 1);
  dwarf.PCname.text = "Name:  Ren\xC3\xA9" "e \xE2\x82\xAC";  // the line's own opening again
  dwarf.alternativebackground.text = "two\n\nlines\n";
  Form1 elf = raceWithBackground(kElfFemale, kNoBackground);
  press(elf, Ctl::Fatigue_plus);
  // The name box holds 22 letters, not 22 bytes.
  for (int i = 0; i < 22; ++i) elf.PCname.text += "\xE2\x82\xAC";
  Form1 plain = started();  // no race: the reader works out the derived boxes as the first press did
  for (Ctl b : {Ctl::ST_plus, Ctl::DX_plus}) press(plain, b);
  return {sheetBytes(plain), sheetBytes(dwarf), sheetBytes(elf)};
}

// A byte or a digit changed, a line dropped or doubled, the end cut off,
// each CR LF cut to one of its two, stray bytes, spaces.
std::string mutate(std::string s, std::mt19937& rng) {
  auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % std::max<std::size_t>(n, 1)); };
  auto lineAt = [&s](std::size_t from) { return s.substr(from, s.find('\n', from) + 1 - from); };
  std::vector<std::size_t> at{0};
  for (std::size_t i = 0; i + 1 < s.size(); ++i) if (s[i] == '\n') at.push_back(i + 1);
  const std::size_t a = at[pick(at.size())];
  switch (rng() % 8) {
    case 0: s[pick(s.size())] = static_cast<char>(rng()); break;
    case 1: s[pick(s.size())] = static_cast<char>('0' + rng() % 10); break;
    case 2: s.erase(a, lineAt(a).size()); break;
    case 3: s.insert(a, lineAt(a)); break;
    case 4: s.resize(pick(s.size())); break;
    case 5: for (std::size_t i; (i = s.find("\r\n")) != std::string::npos;) s.erase(i + (rng() % 2), 1); break;
    case 6: for (int i = 0; i < 16; ++i) s.insert(pick(s.size()), 1, static_cast<char>(rng())); break;
    default: s.insert(a, std::string(1 + rng() % 3, ' ')); break;
  }
  return s;
}

}  // namespace

TEST(SheetReader, EveryMutationIsRefusedUnchangedOrSavesBackExactly) {
  const char* env = std::getenv("KETHMOR_READER_MUTATIONS");
  const long count = env && *env ? std::atol(env) : 100000;
  const std::vector<std::string> sheets = validSheets();
  const Form1 current = started();
  Form1State untouched = current;
  untouched.PCname.text = "untouched";
  std::mt19937 rng(12);
  const std::regex reason("is empty|is not a character sheet|bad background|line [1-9][0-9]*( is wrong| is missing"
                          "| not empty|: (NUL byte|bad (label|title|race|level)|2nd label|spacing|no value|unknown"
                          "|can't buy|too (long|high|low)))");
  long refused = 0;
  for (long i = -3; i < count; ++i) {  // first the three sheets themselves, which must open
    const std::string& sheet = sheets[static_cast<std::size_t>(i + 3) % sheets.size()];
    const std::string bytes = i < 0 ? sheet : mutate(sheet, rng);
    Form1State out = untouched;
    const std::string why = sheet::rebuildSheet(bytes, current, out);
    ASSERT_TRUE(i >= 0 || why.empty()) << why;
    refused += !why.empty();
    const auto text = [](const std::string& b) {  // as the code page holds it
      return sheet::normalisedSheet(sheet::fromCodePage(sheet::toCodePage(sheet::decodedSheet(b))));
    };
    ASSERT_TRUE(why.empty() ? sheetBytes(out) == bytes ||
                                  sheet::normalisedSheet(sheet::fromCodePage(sheetBytes(out))) == text(bytes)
                            : std::regex_match(why, reason) && same(out, untouched))
        << "mutation " << i << ": " << why;
  }
  EXPECT_GT(refused, count * 9 / 10);
}

// Opening through the file: what is refused, and the reason given.
TEST(SheetReader, FilesThatAreNoSheetAreRefusedByName) {
  const fs::path dir = fs::temp_directory_path() / ("kethmor-reader-" + std::to_string(::getpid()));
  fs::create_directories(dir / "folder");
  const std::string sheet = validSheets()[1];
  const std::size_t afterLevel = sheet.find("\r\n\r\nAlternative") + 2;  // the blank line after the level
  std::ofstream(dir / "huge.txt").close();
  fs::resize_file(dir / "huge.txt", 100u << 20);  // sparse: nothing is read
  auto edited = [&sheet](const std::string& from, const std::string& to) {
    return std::string(sheet).replace(sheet.find(from), from.size(), to);
  };
  Form1 level3 = started();
  levelTo(level3, 3), press(level3, Ctl::Hitpoints_plus, 7);  // every CP spent
  std::string third = sheetBytes(level3);
  third.replace(third.find("Level:  3"), 9, "Level:  1");
  std::string lf = sheet;
  for (std::size_t i; (i = lf.find("\r\n")) != std::string::npos;) lf.erase(i, 1);
  // Letters the code page lacks open in their boxes (shown: the name and the alternative background).
  const std::string utf8 = std::regex_replace(
      std::regex_replace(sheet::fromCodePage(sheet), std::regex("Name:  [^\r]*"), "Name:  \xD0\x91\xD0\xBE\xD1\x80\xD0\xB8\xD1\x81 \xF0\x9F\x90\x89"),
      std::regex("two"), "\xD0\xB4\xD0\xB2\xD0\xB0");
  struct Case { std::string file, bytes, message, name = "", alternative = ""; };
  std::vector<Case> cases = {
      {"ok.txt", sheet, ""}, {"missing.txt", "", "no such file"}, {"folder", "", "is a folder"},
      {"huge.txt", "", "too large"}, {"ok.txt/x", "", "cannot be read"},
      {"lf.txt", lf, ""}, {"utf-8.txt", "\xEF\xBB\xBF" + sheet::fromCodePage(sheet), ""},  // "Renée €" whole
      {"blank.txt", "\xEF\xBB\xBF \r\n\n", "is empty"},
      {"letter.txt", "Dear Sir,\r\n" + sheet, "is not a character sheet"},
      {"nul.txt", edited("two", std::string("t\0o", 3)), "line 6: NUL byte"},
      {"blank first nul.txt", "\r\n\n" + edited("two", std::string("t\0o", 3)), "line 8: NUL byte"},
      {"two lines.txt", sheet.substr(0, 40) + "x", "line 2: 2nd label"},  // no line break at the end
      {"fifth.txt", std::string(sheet).insert(afterLevel, "x"), "line 5 not empty"},
      // Blank lines and blanks before the first line are skipped, and counted.
      {"blank first.txt", "\r\n \n\t\r  " + sheet, ""},
      {"cyrillic.txt", utf8, "", "\xD0\x91\xD0\xBE\xD1\x80\xD0\xB8\xD1\x81 \xF0\x9F\x90\x89", "\xD0\xB4\xD0\xB2\xD0\xB0\n\nlines\n"},
      {"blank first fifth.txt", "\n\n" + std::string(sheet).insert(afterLevel, "x"), "line 7 not empty"},
      {"race.txt", edited("Race:  Dwarf", "Race:  Dwarrf"), "line 2: bad race"},
      {"background.txt", std::regex_replace(sheet, std::regex("Background:  [^\r]*"), "Background:  Nonesuch"),
       "bad background"},
      {"level 51.txt", edited("Level:  16", "Level:  51"), "line 4: bad level"},
      {"spell.txt", sheet + "Stone Tosss\r\n", "line 42: unknown"},
      {"long name.txt", "Name:  " + std::string(23, 'n') + sheet.substr(sheet.find("\r\n")), "line 1: too long"},
      {"four lines.txt", sheet.substr(0, afterLevel), "line 6 is missing"},
      // The first line that differs from the character's own sheet, by its label; a level
      // that another level would fit with every line after it.
      {"level.txt", edited("Level:  16", "Level:  17"), "line 4: bad level"},
      {"level 1.txt", third, "line 4: bad level"},  // found two levels up
      {"no value.txt", edited("Hitpoints: 80", "Hitpoints: "), "line 18: no value"},
      {"no label.txt", edited("Willpower:", "Wilpower:"), "line 14: 2nd label"},
      {"strength.txt", edited("Strength:", "Strenght:"), "line 13: bad label"},
      {"aptitude.txt", edited("Aptitude: 14", "Aptitude: 15"), "line 4: too high"},
      {"perception.txt", edited("Perception:    8", "Perception:    40"), "line 15: too high"},
      {"hitpoints.txt", std::string(lf).replace(lf.find("Hitpoints: 80"), 13, "Hitpoints: 81"), "line 18: too low"},
      {"twice.txt", sheet + "Stone Toss\r\n", "line 42: can't buy"},
      {"gnome.txt", edited("Race:  Dwarf", "Race:  Gnome"), "bad background"}};
  for (const std::string label : {"Constitution:", "Melee:", "Skills"}) {  // a line broken after its label
    const std::size_t at = sheet.find(label) + label.size();
    const auto line = std::count(sheet.begin(), sheet.begin() + static_cast<long>(at), '\n') + 1;
    cases.push_back({label + ".txt", std::string(sheet).insert(at, "x"), "line " + std::to_string(line) +
                         (label == "Skills" ? ": bad title" : ": spacing")});
  }
  for (const auto& c : cases) {
    if (!c.bytes.empty()) std::ofstream(dir / c.file, std::ios::binary) << c.bytes;
    Form1 f = started();
    press(f, Ctl::ST_plus);
    f.message_window.text = "earlier message";
    const Form1State want = f;
    EXPECT_EQ(sheet::openSheet(f, (dir / c.file).string()), c.message) << c.file;
    if (!c.name.empty()) {
      EXPECT_EQ(f.PCname.text, c.name) << c.file << ": the name box";
      EXPECT_EQ(f.alternativebackground.text, c.alternative) << c.file << ": the alternative background box";
    } else EXPECT_TRUE(c.message.empty() ? ::testing::AssertionResult(sheetBytes(f) == sheet) : same(f, want)) << c.file;
  }
  fs::remove_all(dir);
}
