// The saved character sheet: its bytes line by line, and the file that the
// SAVE button writes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/form1.h"
#include "export/sheet.h"
#include "export/sheet_file.h"
#include "support/sheet_actions.h"

using namespace kethmor;
using namespace kethmor::testkit;
using exporter::sheetBytes;
namespace fs = std::filesystem;

namespace {

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::string crlf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

// The start character's sheet, one entry per line.
std::vector<std::string> startLines() {
  return {
      "Name:  ",
      "Race:  Human/male" + sp(11) + "Background:  none",
      "",
      "Level:  1" + sp(19) + "Aptitude: 0  (neutral)",
      "",
      "Alternative Background: ",
      "",
      sp(18) + "Primary Statistics",
      "",
      "Strength:      8" + sp(26) + "Intelligence:  8",
      "Constitution:  8" + sp(26) + "Willpower:     8",
      "Dexterity:     8" + sp(26) + "Perception:    8",
      "Beauty:        8" + sp(26) + "Charisma:      8",
      "",
      "Hitpoints: 30      Fatigue: 30",
      "",
      "Carry Weight: 000" + sp(25) + "Damage Bonus: 00",
      "",
      "Armor Class adj.: 00" + sp(22) + "Speed: 00",
      "",
      "",
      sp(27) + "Skills",
      "",
      "Bow:         0" + sp(28) + "Dodge:             0",
      "Melee:       0" + sp(28) + "Throwing:          0",
      "Backstab:    0" + sp(28) + "Pick Pocket:       0",
      "Prowling:    0" + sp(28) + "Spot Trap:         0",
      "Gambling:    0" + sp(28) + "Haggle:            0",
      "Heal:        0" + sp(28) + "Persuasion:        0",
      "Repair:      0" + sp(28) + "Firearms:          0",
      "Pick Locks:  0" + sp(28) + "Arm/Disarm Traps:  0",
      "",
      "",
      "   Spells/Schematics",
      "",
  };
}

// The start sheet with the given lines (numbered from 1) replaced.
std::string startSheetWith(const std::map<int, std::string>& lines,
                           const std::vector<std::string>& purchased = {}) {
  std::vector<std::string> out = startLines();
  for (const auto& [n, text] : lines) out[static_cast<std::size_t>(n - 1)] = text;
  out.insert(out.end(), purchased.begin(), purchased.end());
  return crlf(out);
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

}  // namespace

TEST(SheetBytes, StartCharacterByteForByte) {
  EXPECT_EQ(sheetBytes(started()), crlf(startLines()));
}

// A background caption goes to the next 14-column zone after the race
// caption: column 15 after "Dwarf", 29 after "Human/male".
TEST(SheetBytes, CharactersWithPurchases) {
  Form1 f = started();
  applyRace(f, kDwarf);
  f.PCname.text = "Borin";
  press(f, Ctl::Repair_plus);
  buySpell(f, 0, 0);
  buySchematic(f, 0, 0);
  EXPECT_EQ(sheetBytes(f),
            startSheetWith({{1, "Name:  Borin"},
                            {2, "Race:  Dwarf" + sp(2) + "Background:  None"},
                            {4, "Level:  1" + sp(19) + "Aptitude: 19  (tech biased)"},
                            {10, "Strength:      9" + sp(26) + "Intelligence:  8"},
                            {11, "Constitution:  9" + sp(26) + "Willpower:     8"},
                            {12, "Dexterity:     7" + sp(26) + "Perception:    8"},
                            {13, "Beauty:        8" + sp(26) + "Charisma:      7"},
                            {15, "Hitpoints: 32      Fatigue: 32"},
                            {17, "Carry Weight: 4500" + sp(24) + "Damage Bonus: 0"},
                            {19, "Armor Class adj.: -3" + sp(22) + "Speed: 7"},
                            {30, "Repair:      1.5" + sp(26) + "Firearms:          0.5"},
                            {31, "Pick Locks:  0.5" + sp(26) + "Arm/Disarm Traps:  0.5"}},
                           {"Unseen Force", "Charges"}));

  Form1 g = started();  // a human raised by elves, with a level and three purchases
  applyBackground(g, kRaisedByElves);
  press(g, Ctl::WP_plus);
  press(g, Ctl::levelup);
  press(g, Ctl::Repair_plus);
  buySpell(g, 0, 0);
  buySpell(g, 0, 1);
  buySchematic(g, 0, 0);
  EXPECT_EQ(sheetBytes(g),
            startSheetWith({{2, "Race:  Human/male" + sp(11) + "Background:  Raised by Elves"},
                            {4, "Level:  2" + sp(19) + "Aptitude: 1  (magick biased)"},
                            {11, "Constitution:  8" + sp(26) + "Willpower:     9"},
                            {15, "Hitpoints: 33      Fatigue: 33"},
                            {17, "Carry Weight: 4000" + sp(24) + "Damage Bonus: -1"},
                            {19, "Armor Class adj.: -2" + sp(22) + "Speed: 8"},
                            {30, "Repair:      0.75" + sp(25) + "Firearms:          -0.25"},
                            {31, "Pick Locks:  -0.25" + sp(24) + "Arm/Disarm Traps:  -0.25"}},
                           {"Unseen Force", "Unlocking Cantrip", "Charges"}));
}

// One box changed on the start character changes its one line: the race
// caption's length picks the background's zone, the aptitude's colour the
// bias word, and the name is written in the single-byte code page.
TEST(SheetBytes, OneBoxChangesItsLine) {
  struct Case { const char* what; std::function<void(Form1&)> set; int line; std::string text; };
  auto race = [](const char* r) { return [r](Form1& f) { f.Current_race.text = r; }; };
  auto colour = [](Colour c) { return [c](Form1& f) { f.aptitude.back = c; }; };
  auto name = [](const char* n) { return [n](Form1& f) { f.PCname.text = n; }; };
  const std::string level = "Level:  1" + sp(19) + "Aptitude: 0  ";
  const std::vector<Case> cases = {
      {"race of six letters", race("Abcdef"), 2, "Race:  Abcdef" + sp(1) + "Background:  none"},
      {"race of seven letters", race("Abcdefg"), 2,
       "Race:  Abcdefg" + sp(14) + "Background:  none"},
      {"pink aptitude", colour(0x00FF80FF), 4, level + "(magick biased)"},
      {"brown-orange aptitude", colour(0x000040C0), 4, level + "(tech biased)"},
      {"red aptitude", colour(0x000000FF), 4, level},
      {"system-coloured aptitude", colour(kSysWindow), 4, level},
      {"accented name", name("Ren\xC3\xA9" "e"), 1, "Name:  Ren\xE9" "e"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Form1 f = started();
    c.set(f);
    EXPECT_EQ(sheetBytes(f), startSheetWith({{c.line, c.text}}));
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
}

// A typed line break, LF or CR LF, is written as CR LF.
TEST(SheetBytes, AlternativeBackgroundKeepsItsLineBreaks) {
  for (const char* text : {"a\nb\n\nc", "a\r\nb\r\n\r\nc"}) {
    Form1 f = started();
    f.alternativebackground.text = text;
    std::vector<std::string> expected = startLines();
    expected[5] = "Alternative Background: a";
    expected.insert(expected.begin() + 6, {"b", "", "c"});
    EXPECT_EQ(sheetBytes(f), crlf(expected));
  }
}

TEST(SheetBytes, ZoneAdvanceGoesToTheNextFourteenColumnZone) {
  const std::pair<int, int> cases[] = {{1, 15}, {13, 15}, {14, 15}, {15, 29}, {28, 29}, {29, 43}};
  for (const auto& [from, to] : cases) EXPECT_EQ(exporter::nextZone(from), to) << from;
}

class SheetFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kethmor-sheet-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
    f.Form_Load();
    f.PCname.text = "Ren\xC3\xA9" "e";
    buySpell(f, 4, 0);
    buySchematic(f, 2, 0);
    f.saver = &saver;
  }
  void TearDown() override {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(dir, ec))
      if (entry.is_directory())
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
  }
  // A failed save names the file on one line and changes nothing else.
  void expectFailureNaming(const std::string& target, const std::string& fileName) {
    chosen = target;
    Form1State expected = f;
    f.SAVE_Click();
    const std::string message = f.message_window.text;
    EXPECT_NE(message.find(fileName), std::string::npos) << message;
    EXPECT_EQ(message.find_first_of("\r\n"), std::string::npos) << message;
    expected.message_window.text = message;
    EXPECT_TRUE(same(f, expected));
  }
  long files() const {
    return std::distance(fs::directory_iterator(dir), fs::directory_iterator());
  }

  fs::path dir;
  std::string chosen;
  int dialogs = 0;
  exporter::FileSheetSaver saver{[this] {
    ++dialogs;
    return chosen;
  }};
  Form1 f;
};

TEST_F(SheetFile, SaveWritesTheSheetAndChangesNothing) {
  chosen = (dir / "renee.txt").string();
  f.message_window.text = "you already have that one!";
  const Form1State before = f;
  f.Click(Ctl::SAVE);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(readFile(chosen), sheetBytes(before));
  EXPECT_NE(readFile(chosen).find("Name:  Ren\xE9" "e\r\n"), std::string::npos);
  EXPECT_TRUE(same(f, before));
}

TEST_F(SheetFile, CancelWritesNothing) {
  writeFile(dir / "old.txt", "old sheet\r\n");
  chosen = "";
  const Form1State before = f;
  f.SAVE_Click();
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(readFile(dir / "old.txt"), "old sheet\r\n");
  EXPECT_EQ(files(), 1);
  EXPECT_TRUE(same(f, before));
}

TEST_F(SheetFile, SavingTwiceReplacesTheFile) {
  chosen = (dir / "twice.txt").string();
  f.SAVE_Click();
  const std::string first = readFile(chosen);
  ASSERT_EQ(first, sheetBytes(f));
  f.Clear_Click();
  f.SAVE_Click();
  EXPECT_EQ(readFile(chosen), sheetBytes(f));
  EXPECT_LT(readFile(chosen).size(), first.size());
  EXPECT_EQ(files(), 1);
}

TEST_F(SheetFile, FailedSaveNamesTheFileAndKeepsTheOldOne) {
  fs::create_directory(dir / "folder.txt");
  writeFile(dir / "folder.txt" / "keep.txt", "kept\r\n");
  expectFailureNaming((dir / "missing" / "sheet.txt").string(), "sheet.txt");
  expectFailureNaming((dir / "folder.txt").string(), "folder.txt");
  expectFailureNaming((dir / "no\nsuch" / "sheet.txt").string(), "sheet.txt");
  EXPECT_FALSE(fs::exists(dir / "missing"));
  EXPECT_FALSE(fs::exists(dir / "no\nsuch"));
  EXPECT_EQ(readFile(dir / "folder.txt" / "keep.txt"), "kept\r\n");
}

// A read-only folder takes no new file, but a writable file in it is still
// saved (in place, as nothing can be made beside it), which also takes back
// the failure's message.
TEST_F(SheetFile, ReadOnlyFolderTakesNoNewFileButSavesItsWritableFile) {
  const fs::path locked = dir / "locked";
  fs::create_directory(locked);
  writeFile(locked / "sheet.txt", "old sheet\r\n");
  ASSERT_EQ(chmod(locked.c_str(), 0555), 0);
  if (access(locked.c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write into the folder";
  expectFailureNaming((locked / "new.txt").string(), "new.txt");
  EXPECT_EQ(f.message_window.text, "could not save new.txt: permission denied");
  EXPECT_FALSE(fs::exists(locked / "new.txt"));
  chosen = (locked / "sheet.txt").string();
  f.SAVE_Click();
  EXPECT_EQ(readFile(locked / "sheet.txt"), sheetBytes(f));
  EXPECT_EQ(f.message_window.text, "");
}
