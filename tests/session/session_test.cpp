// The session both faces run: the command table, opening with its outcome,
// messages fitted to the box, the last session, the proposed names, the plan
// panel, the list keys and the focus handed on.
#include <map>

#include "session/session.h"
#include "sheet/sheet.h"
#include "support/sheet_actions.h"
#include "window/font_metrics.h"

namespace {

using namespace kethmor;
using session::Session;

// The last session kept in memory, as a browser's storage keeps it.
struct Memory : session::Storage {
  std::map<std::string, std::string> files;
  std::optional<std::string> read(const std::string& name) const override {
    const auto at = files.find(name);
    return at == files.end() ? std::nullopt : std::optional(at->second);
  }
  void write(const std::string& name, const std::string& bytes) override { files[name] = bytes; }
};

std::string labels(session::Face face) {
  std::string menu;
  for (const session::CommandRow& r : session::commandsOf(face))
    menu += std::string(r.label) + (r.keys[0] ? " " : "") + r.keys + (r.endsGroup ? " | " : ", ");
  return menu;
}

TEST(Session, EachFaceHasTheMenuOfTheOneTable) {
  EXPECT_EQ(labels(session::Face::Desktop),
            "Open\u2026 Ctrl+O, Open last session Ctrl+Shift+O, Open session before, Save\u2026 Ctrl+S | Copy sheet Ctrl+C, "
            "Copy build code Ctrl+Shift+C, Paste sheet Ctrl+V, Print\u2026 Ctrl+P, Level plan Ctrl+L, Goal\u2026 Ctrl+G | Undo Ctrl+Z, "
            "Redo Ctrl+Y; Ctrl+Shift+Z | About, ")
      << "the desktop's menu";
  EXPECT_EQ(labels(session::Face::Page), [] {
    std::string m = labels(session::Face::Desktop);
    return m.replace(m.find("Copy build code"), 15, "Copy link").insert(m.find("Paste"), "Share\u2026, ");
  }()) << "the page's menu differs by the link and sharing";
}

TEST(Session, UndoAndRedoAreGreyedWithNoStep) {
  Session s;
  EXPECT_FALSE(s.enabled(session::Command::Undo)) << "undo at start";
  s.click(Ctl::ST_plus);
  EXPECT_TRUE(s.enabled(session::Command::Undo)) << "undo after a purchase";
  EXPECT_FALSE(s.enabled(session::Command::Redo)) << "redo before an undo";
  EXPECT_TRUE(s.undo()) << "the purchase taken back";
  EXPECT_TRUE(s.enabled(session::Command::Redo)) << "redo after an undo";
  EXPECT_TRUE(s.enabled(session::Command::Print)) << "print";
}

TEST(Session, OnlyTheTwoTypingBoxesOwnTheUndoKeys) {
  for (const Ctl c : {Ctl::PCname, Ctl::alternativebackground})
    EXPECT_TRUE(Session::ownsUndoKeys(c)) << info(c).name;
  for (const Ctl c : {Ctl::Race_Selection, Ctl::SAVE, Ctl::message_window})
    EXPECT_FALSE(Session::ownsUndoKeys(c)) << info(c).name;
  Session s;
  s.typed(Ctl::PCname, "Bob");
  s.typed(Ctl::message_window, "typed into a box only the program writes");
  EXPECT_EQ(s.form().PCname.text, "Bob") << "the name typed";
  EXPECT_EQ(s.form().message_window.text, "") << "the message box takes no typing";
  EXPECT_FALSE(s.canUndo()) << "typing is no step of the sheet";
}

// A message fits the box, keeps its head and tail whole, and shortens no more than it must.
TEST(Session, FailuresAreFittedToTheMessageBox) {
  const int room = 3255 / 15 - 8;
  const struct Case {
    const char *verb, *file, *reason, *shown, *full;
  } cases[] = {
      {"open", "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb.txt", "line 4: bad level", "could not open b...: line 4: bad level",
       "could not open bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb.txt: line 4: bad level"},
      {"open", "hero.txt", "is not a character sheet", "hero.txt is not a character sheet",
       "hero.txt is not a character sheet"},
      {"paste", "", "is not a character sheet", "pasted text is not a character sheet",
       "pasted text is not a character sheet"},
      {"save", "hero.txt", "disk full", "could not save hero.txt: disk full", "could not save hero.txt: disk full"},
      {"paste", "", "line 12: spacing", "could not paste: line 12: spacing", "could not paste: line 12: spacing"},
      {"open", "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww.txt", "is not a character sheet",
       "wwww....txt is not a character sheet", "wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww.txt is not a character sheet"},
  };
  for (const Case& c : cases) {
    const session::Said said = session::failure(c.verb, c.file, c.reason);
    EXPECT_EQ(said.shown, c.shown) << c.full;
    EXPECT_EQ(said.full, c.full) << c.full;
    EXPECT_LE(ui::textWidth(ui::Font::B8, said.shown), room) << "fits: " << c.full;
  }
  const session::Said cut = session::fitted(std::string(60, 'm'));
  EXPECT_EQ(cut.shown.substr(cut.shown.size() - 3), "...") << "a text too long alone is cut at its end";
  EXPECT_GT(ui::textWidth(ui::Font::B8, cut.shown + "m"), room) << "cut no shorter than it must be";
}

TEST(Session, FontAdvancesAreTheStrikes) {
  EXPECT_EQ(ui::textWidth(ui::Font::R8, "i"), 2) << "a narrow letter";
  EXPECT_EQ(ui::textWidth(ui::Font::B8, "i") - ui::textWidth(ui::Font::R8, "i"), 1) << "bold one pixel wider";
  EXPECT_EQ(ui::textWidth(ui::Font::B8, "\xC3\xA9"), ui::textWidth(ui::Font::B8, "e")) << "é as one character";
  EXPECT_EQ(ui::textWidth(ui::Font::B8, "\xE4\xB8\x80"), ui::textWidth(ui::Font::B8, "W")) << "a character not drawn";
  EXPECT_EQ(ui::textWidth(ui::Font::B8, "\xD1\xA9"), ui::textWidth(ui::Font::B8, "W")) << "U+0469, not an i";
}

TEST(Session, OpeningSaysWhatCameOfIt) {
  Session s;
  testkit::applyRace(s.form(), 0);
  const std::string dwarf = sheet::sheetBytes(s.form());
  Session t;
  const session::Outcome opened = t.openSheet("dwarf.txt", dwarf, "", 3);
  EXPECT_TRUE(opened.opened && opened.step) << "a sheet opened as one step";
  EXPECT_EQ(opened.message.shown, "only the first of 3 files was opened") << "several files";
  const session::Outcome same = t.openSheet("dwarf.txt", dwarf, "");
  EXPECT_TRUE(same.opened && !same.step) << "the same sheet again changes nothing";
  const session::Outcome missing = t.openSheet("gone.txt", "", "no such file");
  EXPECT_FALSE(missing.opened || missing.step) << "a missing file";
  EXPECT_EQ(missing.message.shown, "could not open gone.txt: no such file") << "a missing file's message";
  EXPECT_EQ(t.messageInFull(), "could not open gone.txt: no such file") << "the message in full";
  EXPECT_EQ(sheet::sheetBytes(t.form()), dwarf) << "a refusal changes nothing";
  const session::Outcome code = Session().openText("look: " + s.buildCode(), "paste");
  EXPECT_TRUE(code.opened && code.step) << "a code in a chat line";
  EXPECT_EQ(Session().openText("", "paste").message.shown, "could not paste: no text") << "nothing pasted";
  EXPECT_EQ(Session().openText("KCP1:AAAA", "open").message.shown, "could not open: code is damaged") << "a link";
  EXPECT_EQ(Session().openText("https://x/#y", "open").message.shown, "could not open: no build code") << "no code";
}

TEST(Session, AShortenedMessageIsHeldInFull) {
  Session s;
  const std::string name(40, 'w');
  s.openSheet(name + ".txt", "Hello", "");
  EXPECT_NE(s.form().message_window.text, s.messageInFull()) << "shown shortened";
  EXPECT_EQ(s.messageInFull(), name + ".txt is not a character sheet") << "in full";
  s.click(Ctl::ST_plus);
  EXPECT_EQ(s.messageInFull(), "") << "no message left over";
}

TEST(Session, SavingSaysAFailureAndTakesItBack) {
  Session s;
  s.save("hero.txt", [](const std::string&) { return std::string("disk full"); });
  EXPECT_EQ(s.form().message_window.text, "could not save hero.txt: disk full") << "the failure";
  std::string written;
  s.save("hero.txt", [&](const std::string& bytes) { return written = bytes, std::string(); });
  EXPECT_EQ(written, sheet::sheetBytes(s.form())) << "the sheet's bytes written";
  EXPECT_EQ(s.form().message_window.text, "") << "the failure taken back";
  EXPECT_FALSE(s.canUndo()) << "a save is no step";
}

TEST(Session, TheLastSessionKeepsOneGenerationBack) {
  Memory store;
  Session s;
  s.keepLastSession(store);
  EXPECT_TRUE(store.files.empty()) << "the blank start is not kept";
  EXPECT_EQ(s.openLastSession(store).message.shown, "no session kept yet") << "none kept";
  s.click(Ctl::ST_plus);
  s.keepLastSession(store);
  const std::string first = store.files[session::kLastSession];
  EXPECT_EQ(first, sheet::sheetBytes(s.form())) << "kept";
  s.keepLastSession(store);
  EXPECT_EQ(store.files.count(session::kPreviousSession), 0u) << "the same sheet twice keeps no generation";
  s.click(Ctl::CN_plus);
  s.keepLastSession(store);
  EXPECT_EQ(store.files[session::kPreviousSession], first) << "the one replaced, a generation back";
  Session t;
  EXPECT_TRUE(t.openLastSession(store).opened) << "opened again";
  EXPECT_EQ(sheet::sheetBytes(t.form()), sheet::sheetBytes(s.form())) << "the last one";
  EXPECT_TRUE(t.openLastSession(store, session::kPreviousSession).opened) << "the one before opened";
  EXPECT_EQ(sheet::sheetBytes(t.form()), first) << "the one before";
}

TEST(Session, ProposedNamesOfTheSheetAndThePlan) {
  const struct { const char *typed, *sheet, *plan; } rows[] = {{"", "character.txt", "plan.txt"},
      {"hero.txt", "hero.txt", "hero plan.txt"}, {"Hero.TXT", "Hero.TXT", "Hero plan.txt"},
      {" .Txt", "_Txt.txt", "_Txt plan.txt"}, {"Kara/Hel:1", "Kara_Hel_1.txt", "Kara_Hel_1 plan.txt"},
      {" \xC2\xA0 ", "character.txt", "plan.txt"}, {"\tHero\r", "Hero.txt", "Hero plan.txt"},
      {"\bX", "_X.txt", "_X plan.txt"}, {"\xE2\x80\x83\xE3\x80\x80Kara\xE1\x9A\x80", "Kara.txt", "Kara plan.txt"}};
  for (const auto& r : rows) {
    Session s;
    s.typed(Ctl::PCname, r.typed);
    EXPECT_EQ(s.sheetFileName(), r.sheet) << "sheet of [" << r.typed << "]";
    EXPECT_EQ(s.planFileName(), r.plan) << "plan of [" << r.typed << "]";
  }
}

TEST(Session, ThePlanPanelShowsALevelAsOneStep) {
  Session s;
  s.click(Ctl::ST_plus);
  for (int i = 0; i < 3; ++i) s.click(Ctl::levelup);
  s.click(Ctl::CN_plus);
  EXPECT_EQ(s.planLevels(), 4) << "levels";
  const struct { const char* typed; int level; } typed[] = {{"2", 2}, {"0", 1}, {"9", 4}, {"x", 1}, {"a", 1}, {"", 1}};
  for (const auto& t : typed) EXPECT_EQ(s.planLevel(t.typed), t.level) << "typed [" << t.typed << "]";
  EXPECT_EQ(s.planText().substr(0, 50), "Level plan: Human/male, background none\nLevel 1 (5") << "the text";
  EXPECT_EQ(s.planBytes(), sheet::toCodePage(s.planText() + "\n")) << "the saved bytes";
  const std::string before = sheet::sheetBytes(s.form());
  s.showLevel(9);
  EXPECT_EQ(s.form().Clevel.text, "4") << "a level past the last shows the last";
  s.showLevel(1);
  EXPECT_EQ(s.form().Clevel.text, "1") << "level 1 shown";
  EXPECT_TRUE(s.undo()) << "one step";
  EXPECT_EQ(sheet::sheetBytes(s.form()), before) << "Ctrl+Z takes it back";
}

// Letters typed within 400 ms search together ("bu": Bully); the same letter again goes on to the next entry.
TEST(Session, ListKeysMoveSearchAndApply) {
  Session s;
  const struct { const char* key; std::int64_t ms; int row; } keys[] = {
      {"End", 0, 37},       {"Home", 10, 0},    {"PageDown", 20, 5}, {"PageUp", 30, 0}, {"ArrowDown", 40, 1},
      {"ArrowUp", 50, 0},   {"b", 1000, 3},     {"u", 1100, 6},      {"b", 2000, 3},    {"b", 2100, 4},
      {"Z", 3000, 4},       {"B", 3500, 5}};
  for (const auto& k : keys) {
    EXPECT_TRUE(s.listKey(Ctl::Background_Selection, {k.key, 5, k.ms})) << k.key;
    EXPECT_EQ(s.form().Background_Selection.listIndex, k.row) << k.key << " at " << k.ms << " ms";
  }
  EXPECT_FALSE(s.listKey(Ctl::Background_Selection, {" ", 5, 4000})) << "a blank is no search";
  EXPECT_TRUE(s.listKey(Ctl::Race_Selection, {"Enter", 5, 0})) << "Enter";
  EXPECT_EQ(s.form().Current_race.text, "Human/male") << "Enter applies the highlighted race";
}

TEST(Session, TheListShownInItsPlaceTakesTheFocus) {
  Session s;
  s.click(Ctl::Tech_select);
  EXPECT_EQ(s.focusAfterHiding(Ctl::Magick_list), Ctl::Tech_list) << "magick to tech";
  EXPECT_EQ(s.focusAfterHiding(Ctl::Spell_list), Ctl::Schematic_list) << "spells to schematics";
  EXPECT_EQ(s.focusAfterHiding(Ctl::SAVE), std::nullopt) << "nothing in the place of SAVE";
}

TEST(Session, ButtonsKnowTheirBoxesAndQuitInATabGoesOn) {
  Session s;
  EXPECT_EQ(session::valueBox(Ctl::ST_minus), Ctl::Strength) << "a statistic's base box describes its \"-\"";
  EXPECT_EQ(session::valueBox(Ctl::Fatigue_plus), Ctl::fatigue) << "so does fatigue's";
  EXPECT_EQ(session::valueBox(Ctl::levelup), std::nullopt) << "Level-up changes no box of its own";
  s.click(Ctl::Quit);
  s.sayNote(static_cast<int>(session::Note::KeptInBrowser));
  EXPECT_FALSE(s.form().ended) << "a page the browser kept open goes on after Quit";
}

TEST(Session, CaptionAndAboutCarryTheVersion) {
  EXPECT_EQ(session::caption(), "Kethmor Character Planner          v " KETHMOR_VERSION) << "caption";
  EXPECT_EQ(session::aboutText().rfind("Kethmor Character Planner " KETHMOR_VERSION "\n\n", 0), 0u) << "About";
}

}  // namespace
