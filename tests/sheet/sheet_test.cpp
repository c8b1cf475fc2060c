// The saved character sheet: its bytes line by line, and the file that the
// SAVE button writes (its other failures are the window tests').
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "sheet/sheet_file.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;
using sheet::sheetBytes;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

// Every statistic and skill has its line on the sheet.
TEST(SheetBytes, EveryStatisticAndSkillHasItsLine) {
  auto lines = [](Box b) { return std::ranges::count_if(sheet::kSheetLines, [b](auto& l) { return l.value == b || l.value2 == b; }); };
  for (const StatInfo& s : kStats) EXPECT_EQ(lines(s.adjusted), 1) << s.name;
  for (const SkillInfo& s : kSkills) EXPECT_EQ(lines(s.box), 1) << s.name;
}

// The end-to-end session's steps on the model save its expected sheet byte
// for byte; a human raised by elves shows a seven-letter race's zone, the
// magick bias, negative and fractional values.
TEST(SheetBytes, WholeSheets) {
  Form1 f = raceWithBackground(kDwarf, 1);
  f.PCname.text = "Kethmor Dwarf Adventur";
  f.alternativebackground.text = "Line one\nLine two";
  for (Ctl b : {Ctl::ST_plus, Ctl::Hitpoints_plus, Ctl::bow_plus}) press(f, b);
  buySpell(f, 0, 0);
  buySchematic(f, 2, 0);
  for (Ctl b : {Ctl::levelup, Ctl::Clear}) press(f, b);
  buySpell(f, 0, 0);
  EXPECT_EQ(sheetBytes(f), readFile(fs::path(KETHMOR_E2E_DIR) / "expected_session.txt"));
  Form1 h = raceWithBackground(kHumanMale, kRaisedByElves);
  for (Ctl b : {Ctl::WP_plus, Ctl::levelup, Ctl::Repair_plus}) press(h, b);
  buySpell(h, 0, 0), buySpell(h, 0, 1), buySchematic(h, 0, 0);
  const std::string bytes = sheetBytes(h);
  for (const char* line : {"\nRace:  Human/male           Background:  Raised by Elves\r\n",
                           "\nLevel:  2                   Aptitude: 1  (magick biased)\r\n",
                           "\nCarry Weight: 4000                        Damage Bonus: -1\r\n",
                           "\nPick Locks:  -0.25                        Arm/Disarm Traps:  -0.25\r\n",
                           "\nUnseen Force\r\nUnlocking Cantrip\r\nCharges\r\n"})
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
  EXPECT_TRUE(sheetBytes(started()).starts_with("Name:  \r\nRace:  Human/male           Background:  none\r\n"));
}

// A name or an alternative background with a letter the code page lacks: the sheet in UTF-8 after a byte-order
// mark, opened again into the same bytes; a letter the code page has keeps the code page; so do the plan's bytes.
TEST(SheetBytes, LettersTheCodePageLacksAreKeptInUtf8) {
  const struct { const char *name, *alternative; bool utf8; } rows[] = {
      {"\xD0\x91\xD0\xBE\xD1\x80\xD0\xB8\xD1\x81", "", true}, {"Zo\xC3\xAB", "two\n\tlines ", false},
      {"Kara", "\xE6\x97\xA5\t\n", true}, {"Zo\xC3\xAB", "\xE2\x82\xAC", false},
      {"\xF0\x90\x80\x80\xEF\xBF\xBF", "", true}};  // U+10000, the first of four bytes, after U+FFFF
  for (const auto& r : rows) {
    Form1 f = started();
    f.PCname.text = r.name, f.alternativebackground.text = r.alternative;
    const std::string bytes = sheetBytes(f);
    EXPECT_EQ(bytes.starts_with("\xEF\xBB\xBFName:  " + std::string(r.utf8 ? r.name : "")), r.utf8) << r.name;
    EXPECT_EQ(sheet::bytesText(bytes).substr(0, 7 + std::string(r.name).size()), "Name:  " + std::string(r.name))
        << "the text copied holds the letters: " << r.name;
    Form1State opened;
    EXPECT_EQ(sheet::rebuildSheet(bytes, f, opened), "") << "opens: " << r.name;
    EXPECT_EQ(opened.PCname.text + opened.alternativebackground.text, std::string(r.name) + r.alternative) << r.name;
    EXPECT_EQ(sheet::textBytes(r.name + std::string(r.alternative)).starts_with("\xEF\xBB\xBF"), r.utf8) << r.name;
  }
  Form1 full = started();
  for (int i = 0; i < 22; ++i) full.PCname.text += "\xD0\x91";
  Form1State opened;
  EXPECT_EQ(sheet::rebuildSheet(sheetBytes(full), full, opened), "") << "a name as long as its box, of two-byte letters";
}

// The code page: its 0x80-0x9F block, letters it lacks, composed accents,
// every kind of line break, and malformed UTF-8, which never yields a NUL.
TEST(SheetBytes, TextInTheCodePage) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xE2\x82\xAC\xC5\xB8\xE2\x84\xA2\xE2\x80\x9E\xC2\xA0\xC3\xBF", "\x80\x9F\x99\x84\xA0\xFF"},
      {"\xC2\x80\xC2\x81\xC2\x9F\xC4\x80\xCE\xA9\xF0\x9F\x98\x80\x7F", "??????\x7F"},
      // An accent the code page has no letter for stays apart.
      {"e\xCC\x81 A\xCC\x8A n\xCC\x83 q\xCC\x81 \xE2\x84\xAB Y\xCC\x88 s\xCC\x8C c\xCC\xA7 e\xCC\x84",
       "\xE9 \xC5 \xF1 q? \xC5 \x9F \x9A \xE7 e?"},
      {"\xCC\x81" "e", "?e"},  // an accent with no letter before it
      {"a\xE2\x80\xA8" "b\xC2\x85" "c\xE2\x80\xA9" "d\re\r\nf\n\ng", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n\r\ng"},
      {"\xC0\x80|\xC1\xA9|\xE0\x83\xA9|\xF0\x80\x83\xA9", "??|??|???|????"},
      {"\xED\xA0\x80|\xF4\x90\x80\x80|\xF8|\x80|\xE2\x82", "???|????|?|?|??"},
      // The edges of each length and of the surrogates: valid, then rejected.
      {"\xE0\xA0\x80|\xF0\x90\x80\x80|\xF1\x80\x80\x80|"
       "\xED\x9F\xBF|\xEE\x80\x80|\xF4\x8F\xBF\xBF", "?|?|?|?|?|?"},
      {"\xC1\xBF|\xE0\x9F\xBF|\xF0\x8F\xBF\xBF|\xED\xBF\xBF", "??|???|????|???"}};
  for (const auto& [utf8, bytes] : cases) EXPECT_EQ(sheet::toCodePage(utf8), bytes) << bytes;
  // Read back, every byte the code page assigns comes home; an unassigned one is U+FFFD.
  std::string all;
  for (int b = 0x20; b < 0x100; ++b) all += static_cast<char>(b);
  std::string back = sheet::toCodePage(sheet::fromCodePage(all));
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) back[static_cast<std::size_t>(b - 0x20)] = static_cast<char>(b);
  EXPECT_EQ(back, all);
  EXPECT_EQ(sheet::fromCodePage("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9\xEF\xBF\xBD");
  EXPECT_EQ(sheet::normalisedSheet("a \r\n\r\n\n"), "a\n") << "blanks and blank lines at the end dropped";
  const std::pair<int, int> zones[] = {{1, 15}, {13, 15}, {14, 15}, {15, 29}, {28, 29}, {29, 43}};
  for (const auto& [from, to] : zones) EXPECT_EQ(sheet::nextZone(from), to) << from;
}

// A read-only folder takes no new file, but a writable file in it is still
// saved (in place, as nothing can be made beside it), which also takes back
// the failure's message. A failed save changes nothing and answers why.
TEST(SheetFile, ReadOnlyFolderTakesNoNewFileButSavesItsWritableFile) {
  const fs::path locked = fs::temp_directory_path() / ("kethmor-locked-" + std::to_string(::getpid()));
  fs::create_directory(locked);
  std::ofstream(locked / "sheet.txt", std::ios::binary) << "old sheet\r\n";
  const bool writable = chmod(locked.c_str(), 0555) != 0 || access(locked.c_str(), W_OK) == 0;
  Form1 f = started();
  buySpell(f, 4, 0);
  const Form1State want = f;
  if (!writable) {
    EXPECT_EQ(sheet::saveSheet(f, (locked / "new.txt").string()), "permission denied");
    EXPECT_TRUE(same(f, want)) << "the sheet after a refused save";
    EXPECT_FALSE(fs::exists(locked / "new.txt")) << "a file left by a refused save";
    f.message_window.text = f.save_failure = "could not save new.txt: permission denied";  // as the window shows it
    EXPECT_EQ(sheet::saveSheet(f, (locked / "sheet.txt").string()), "");
    EXPECT_EQ(readFile(locked / "sheet.txt"), sheetBytes(f)) << "the writable file in the read-only folder";
    EXPECT_EQ(f.message_window.text, "") << "the failure's message after a save that went through";
  }
  fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
  fs::remove_all(locked);
  if (writable) GTEST_SKIP() << "this user may write into the folder";
}
