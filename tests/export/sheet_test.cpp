// The saved character sheet: its bytes line by line, and the file that the
// SAVE button writes (its other failures are the window tests').
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include "export/sheet.h"
#include "export/sheet_file.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;
using exporter::sheetBytes;
namespace fs = std::filesystem;

namespace {

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }
// Two columns: the right one starts at column 43, the fourth print zone.
std::string two(const std::string& l, const std::string& r) {
  return l + sp(42 - static_cast<int>(l.size())) + r;
}

// The start character's sheet with the given lines (numbered from 1) set:
// 1 name, 2 race, 4 level, 6 alternative background, 10-13 statistics,
// 15 hit points, 17 carry weight, 19 armour class, 24-31 skills, 36 on the
// purchases.
std::string startSheetWith(const std::map<int, std::string>& changed) {
  std::vector<std::string> lines = {
      "Name:  ", "Race:  Human/male" + sp(11) + "Background:  none", "",
      "Level:  1" + sp(19) + "Aptitude: 0  (neutral)", "", "Alternative Background: ", "",
      sp(18) + "Primary Statistics", "",
      two("Strength:      8", "Intelligence:  8"), two("Constitution:  8", "Willpower:     8"),
      two("Dexterity:     8", "Perception:    8"), two("Beauty:        8", "Charisma:      8"), "",
      "Hitpoints: 30      Fatigue: 30", "", two("Carry Weight: 000", "Damage Bonus: 00"), "",
      two("Armor Class adj.: 00", "Speed: 00"), "", "", sp(27) + "Skills", "",
      two("Bow:         0", "Dodge:             0"), two("Melee:       0", "Throwing:          0"),
      two("Backstab:    0", "Pick Pocket:       0"), two("Prowling:    0", "Spot Trap:         0"),
      two("Gambling:    0", "Haggle:            0"), two("Heal:        0", "Persuasion:        0"),
      two("Repair:      0", "Firearms:          0"), two("Pick Locks:  0", "Arm/Disarm Traps:  0"),
      "", "", "   Spells/Schematics", ""};
  for (const auto& [n, text] : changed) {
    lines.resize(std::max(lines.size(), static_cast<std::size_t>(n)));
    lines[static_cast<std::size_t>(n - 1)] = text;
  }
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

// The race caption's length picks the background's 14-column zone, the
// aptitude's colour the bias word; text goes out in the single-byte code
// page with every typed line break as CR LF.
TEST(SheetBytes, WholeSheets) {
  struct Case { const char* what; std::function<void(Form1&)> set; std::map<int, std::string> lines; };
  auto race = [](const char* r) { return [r](Form1& f) { f.Current_race.text = r; }; };
  auto colour = [](Colour c) { return [c](Form1& f) { f.aptitude.back = c; }; };
  auto typed = [](Box box, const char* t) { return [=](Form1& f) { (f.*box).text = t; }; };
  const std::string level = "Level:  1" + sp(19) + "Aptitude: 0  ";
  const std::string breaks = "Alternative Background: a\r\nb\r\n\r\nc";
  const Case cases[] = {
      {"start character", [](Form1&) {}, {}},
      {"race of six letters", race("Abcdef"), {{2, "Race:  Abcdef" + sp(1) + "Background:  none"}}},
      {"race of seven letters", race("Abcdefg"), {{2, "Race:  Abcdefg" + sp(14) + "Background:  none"}}},
      {"pink aptitude", colour(0x00FF80FF), {{4, level + "(magick biased)"}}},
      {"brown-orange aptitude", colour(0x000040C0), {{4, level + "(tech biased)"}}},
      {"red aptitude", colour(0x000000FF), {{4, level}}},
      {"system-coloured aptitude", colour(kSysWindow), {{4, level}}},
      {"accented name", typed(&Form1State::PCname, "Ren\xC3\xA9" "e"), {{1, "Name:  Ren\xE9" "e"}}},
      {"LF", typed(&Form1State::alternativebackground, "a\nb\n\nc"), {{6, breaks}}},
      {"CR LF", typed(&Form1State::alternativebackground, "a\r\nb\r\n\r\nc"), {{6, breaks}}},
      {"dwarf with purchases",
       [](Form1& f) {
         applyRace(f, kDwarf); press(f, Ctl::Repair_plus); buySpell(f, 0, 0); buySchematic(f, 0, 0);
         f.PCname.text = "Borin";
       },
       {{1, "Name:  Borin"}, {2, "Race:  Dwarf" + sp(2) + "Background:  None"},
        {4, "Level:  1" + sp(19) + "Aptitude: 19  (tech biased)"},
        {10, two("Strength:      9", "Intelligence:  8")}, {11, two("Constitution:  9", "Willpower:     8")},
        {12, two("Dexterity:     7", "Perception:    8")}, {13, two("Beauty:        8", "Charisma:      7")},
        {15, "Hitpoints: 32      Fatigue: 32"}, {17, two("Carry Weight: 4500", "Damage Bonus: 0")},
        {19, two("Armor Class adj.: -3", "Speed: 7")}, {36, "Unseen Force"}, {37, "Charges"},
        {30, two("Repair:      1.5", "Firearms:          0.5")},
        {31, two("Pick Locks:  0.5", "Arm/Disarm Traps:  0.5")}}},
      {"human raised by elves, with a level and three purchases",
       [](Form1& f) {
         applyBackground(f, kRaisedByElves); press(f, Ctl::WP_plus); press(f, Ctl::levelup);
         press(f, Ctl::Repair_plus); buySpell(f, 0, 0); buySpell(f, 0, 1); buySchematic(f, 0, 0);
       },
       {{2, "Race:  Human/male" + sp(11) + "Background:  Raised by Elves"},
        {4, "Level:  2" + sp(19) + "Aptitude: 1  (magick biased)"},
        {11, two("Constitution:  8", "Willpower:     9")}, {15, "Hitpoints: 33      Fatigue: 33"},
        {17, two("Carry Weight: 4000", "Damage Bonus: -1")}, {19, two("Armor Class adj.: -2", "Speed: 8")},
        {30, two("Repair:      0.75", "Firearms:          -0.25")},
        {31, two("Pick Locks:  -0.25", "Arm/Disarm Traps:  -0.25")},
        {36, "Unseen Force"}, {37, "Unlocking Cantrip"}, {38, "Charges"}}},
  };
  for (const Case& c : cases) {
    Form1 f = started();
    c.set(f);
    EXPECT_EQ(sheetBytes(f), startSheetWith(c.lines)) << c.what;
  }
}

// The code page: its 0x80-0x9F block, letters it lacks, composed accents,
// every kind of line break, and malformed UTF-8, which never yields a NUL.
TEST(SheetBytes, TextInTheCodePage) {
  const std::pair<std::string, std::string> cases[] = {
      {"\xE2\x82\xAC\xC5\xB8\xE2\x84\xA2\xE2\x80\x9E\xC2\xA0\xC3\xBF", "\x80\x9F\x99\x84\xA0\xFF"},
      {"\xC2\x80\xC2\x81\xC2\x9F\xC4\x80\xCE\xA9\xF0\x9F\x98\x80\x7F", "??????\x7F"},
      {"e\xCC\x81 A\xCC\x8A n\xCC\x83 q\xCC\x81 \xE2\x84\xAB", "\xE9 \xC5 \xF1 q? \xC5"},
      {"a\xE2\x80\xA8" "b\xC2\x85" "c\xE2\x80\xA9" "d\re\r\n\nf", "a\r\nb\r\nc\r\nd\r\ne\r\n\r\nf"},
      {"\xC0\x80|\xC1\xA9|\xE0\x83\xA9|\xF0\x80\x83\xA9", "??|??|???|????"},
      {"\xED\xA0\x80|\xF4\x90\x80\x80|\xF8|\x80|\xE2\x82", "???|????|?|?|??"},
      // The edges of each length and of the surrogates: valid, then rejected.
      {"\xE0\xA0\x80|\xF0\x90\x80\x80|\xF1\x80\x80\x80|"
       "\xED\x9F\xBF|\xEE\x80\x80|\xF4\x8F\xBF\xBF", "?|?|?|?|?|?"},
      {"\xC1\xBF|\xE0\x9F\xBF|\xF0\x8F\xBF\xBF|\xED\xBF\xBF", "??|???|????|???"},
  };
  for (const auto& [utf8, bytes] : cases) EXPECT_EQ(exporter::toCodePage(utf8), bytes) << bytes;
  // Read back, every byte the code page assigns comes home; an unassigned one is U+FFFD.
  std::string all;
  for (int b = 0x20; b < 0x100; ++b) all += static_cast<char>(b);
  std::string back = exporter::toCodePage(exporter::fromCodePage(all));
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) back[static_cast<std::size_t>(b - 0x20)] = static_cast<char>(b);
  EXPECT_EQ(back, all);
  EXPECT_EQ(exporter::fromCodePage("\x80\xE9\x81"), "\xE2\x82\xAC\xC3\xA9\xEF\xBF\xBD");
  const std::pair<int, int> zones[] = {{1, 15}, {13, 15}, {14, 15}, {15, 29}, {28, 29}, {29, 43}};
  for (const auto& [from, to] : zones) EXPECT_EQ(exporter::nextZone(from), to) << from;
}

// A read-only folder takes no new file, but a writable file in it is still
// saved (in place, as nothing can be made beside it), which also takes back
// the failure's message. A failed save changes nothing but the message.
TEST(SheetFile, ReadOnlyFolderTakesNoNewFileButSavesItsWritableFile) {
  char pattern[] = "/tmp/kethmor-sheet-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path locked = fs::path(pattern) / "locked";
  fs::create_directory(locked);
  std::ofstream(locked / "sheet.txt", std::ios::binary) << "old sheet\r\n";
  const bool writable = chmod(locked.c_str(), 0555) != 0 || access(locked.c_str(), W_OK) == 0;
  std::string chosen = (locked / "new.txt").string();
  exporter::FileSheetSaver saver{[&chosen] { return chosen; }};
  Form1 f = started();
  f.saver = &saver;
  buySpell(f, 4, 0);
  Form1State want = f;
  want.message_window.text = "could not save new.txt: permission denied";
  if (!writable) {
    f.SAVE_Click();
    EXPECT_TRUE(same(f, want));
    EXPECT_FALSE(fs::exists(locked / "new.txt"));
    chosen = (locked / "sheet.txt").string();
    f.SAVE_Click();
    EXPECT_EQ(readFile(locked / "sheet.txt"), sheetBytes(f));
    EXPECT_EQ(f.message_window.text, "");
  }
  fs::permissions(locked, fs::perms::owner_all, fs::perm_options::add);
  fs::remove_all(pattern);
  if (writable) GTEST_SKIP() << "this user may write into the folder";
}
