// Build codes of builds made by hand: the format, reading back, finding a
// code in a text, and the refusals (the soak reads back the codes of its
// seeded sessions and damages them).
#include "sheet/level_plan.h"
#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "support/sheet_actions.h"

namespace {

using namespace kethmor;
using namespace kethmor::testkit;
using sheet::buildCode;
using sheet::readCode;

// A level-50 build with every CP spent and no two purchases alike in a row.
Form1 fullBuild() {
  Form1 f = started();
  applyRace(f, kHumanFemale), levelTo(f, 50);
  for (int i = 0; i < 12; ++i) press(f, Ctl::WP_plus), press(f, Ctl::IN_plus);
  for (int k = 0; k < 5; ++k) buySpell(f, 0, k), buySpell(f, 1, k), buySpell(f, 2, k);
  for (int k = 0; k < 7; ++k) buySchematic(f, 0, k), buySchematic(f, 1, k);
  for (int i = 0; f.CP_pool > 0; ++i) press(f, i % 2 ? Ctl::Hitpoints_plus : Ctl::Fatigue_plus);
  return f;
}

// `made`, when given: its code as the planner first made it, which it keeps.
struct Build { const char* name; std::function<void(Form1&)> steps; const char* made = nullptr; };
const Build kBuilds[] = {
    {"the window as it opens", [](Form1&) {}},
    {"no race, strength values worked out", [](Form1& f) { press(f, Ctl::ST_minus); }},
    {"no race, dexterity values worked out, a point bought",
     [](Form1& f) { press(f, Ctl::DX_minus), press(f, Ctl::CN_plus); }},
    {"code-page texts", [](Form1& f) {
       applyRace(f, kGnome), applyBackground(f, kBookworm);
       f.PCname.text = "Zoë", f.alternativebackground.text = "raised by\nwandering scholars";
     }},
    {"a name as long as its box, of two-byte letters", [](Form1& f) {
       for (int i = 0; i < 22; ++i) f.PCname.text += "ë";
     }},
    {"UTF-8 texts", [](Form1& f) { f.PCname.text = "Kara \xF0\x9F\x90\x89", f.alternativebackground.text = "a\r\nb"; }},
    {"a run of 30, a level past what the purchases need",
     [](Form1& f) { applyRace(f, kHalfOgre), levelTo(f, 50), press(f, Ctl::Hitpoints_plus, 30); }},
    {"sold, Cleared and levelled between purchases", [](Form1& f) {
       applyRace(f, kDwarf), press(f, Ctl::ST_plus, 3), press(f, Ctl::levelup, 6), press(f, Ctl::ST_minus);
       press(f, Ctl::WP_plus, 2), buySpell(f, 3, 0), f.Clear_Click(), buySchematic(f, 2, 0), press(f, Ctl::bow_plus);
     }},
    {"level 50, every CP spent", [](Form1& f) { f = fullBuild(); }},
    {"the last statistic, hit points, fatigue, the last skill, spell and schematic", [](Form1& f) {
       levelTo(f, 50), raiseTo(f, Ctl::WP_plus, f.Adjwillpower, 18), raiseTo(f, Ctl::IN_plus, f.Adjintelligence, 19);
       for (Ctl b : {Ctl::CH_plus, Ctl::Hitpoints_plus, Ctl::Fatigue_plus, Ctl::spottrap_plus}) press(f, b);
       buyRun(f, Lore::Magick, 15, 5), buyRun(f, Lore::Tech, 7, 7);
     }, "KCP1:AAAyAAAFqgSrBwgJGWVmZ2hpm5ydnp-goVFY"},
};

TEST(BuildCode, ReadsBackIntoTheSameSheetAndPlan) {
  for (const Build& b : kBuilds) {
    Form1 f = started();
    b.steps(f);
    const std::string code = buildCode(f);
    if (b.made) { EXPECT_EQ(code, b.made) << b.name << ": the code made before"; }
    Form1State got;
    ASSERT_EQ(readCode(code, started(), got), "") << b.name;
    EXPECT_EQ(sheet::sheetBytes(got), sheet::sheetBytes(f)) << b.name;
    EXPECT_EQ(planText(levelPlan(got)), planText(levelPlan(f))) << b.name;
    EXPECT_EQ(got.PCname.text + "|" + got.alternativebackground.text, f.PCname.text + "|" + f.alternativebackground.text)
        << b.name;
    EXPECT_EQ(buildCode(got), code) << b.name;
  }
}

// The bytes as written down for other programs that read codes.
TEST(BuildCode, HasItsFormat) {
  Form1 f = started();
  applyRace(f, kDwarf), applyBackground(f, kBully), levelTo(f, 3);
  f.PCname.text = "Zoë";
  press(f, Ctl::ST_plus, 2), press(f, Ctl::bow_plus), buySpell(f, 0, 0);
  // 01 06 03, 03 'Z' 'o' EB, 00, 00 A2 0A 1A, CRC
  EXPECT_EQ(buildCode(f), "KCP1:AQYDA1pv6wAAogoaTs4");
  f.PCname.text = "Zo\xF0\x9F\x90\x89";  // no code-page letter: UTF-8, 64 added to the first byte
  EXPECT_TRUE(buildCode(f).starts_with("KCP1:QQYDBlpv8J-QiQAAogoa"));
  f.PCname.text = "Zoë", f.alternativebackground.text = "a\nb";  // 03 'a' 0A 'b': a line break is LF alone
  EXPECT_EQ(buildCode(f), "KCP1:AQYDA1pv6wNhCmIAogoa-yI");
  EXPECT_LE(buildCode(fullBuild()).size(), 160u) << buildCode(fullBuild());
  // 00 00 01, 00, 00, 08 FF A6: a run of 100 hit points as 94 repeats and 5 more
  Form1State run = started();
  run.purchase_order = std::string(100, char(kOrderHitpoints));
  EXPECT_EQ(buildCode(run), "KCP1:AAABAAAI_6YL7A") << "a run longer than one repeat byte holds";
}

TEST(BuildCode, IsFoundInAText) {
  const struct { const char* text; const char* code; } cases[] = {
      {"https://example.org/kethmor-planner.html#KCP1:AQYD", "KCP1:AQYD"},
      {"try KCP1:ab-_9, it is fun", "KCP1:ab-_9"},
      {"KCP 1: KCP: KCP1 then KCP27:x!", "KCP27:x"},
      {"KCP1:", "KCP1:"},
      {"(KCP19:AB)", "KCP19:AB"},
      {"no code here, KCP", ""},
  };
  for (const auto& [text, code] : cases) EXPECT_EQ(sheet::findCode(text), code) << text;
}

// A refused code changes nothing.
TEST(BuildCode, RefusesWithAReason) {
  Form1 built = started();
  applyRace(built, kHumanMale), levelTo(built, 10), press(built, Ctl::WP_plus, 4);
  buySpell(built, 0, 0), buySpell(built, 0, 1), buySpell(built, 0, 2);
  const std::string good = buildCode(built);
  auto forged = [&built](const std::function<void(Form1State&)>& change) {
    Form1State s = built;
    change(s);
    return buildCode(s);
  };
  const struct { const char* name; std::string code, reason; } cases[] = {
      {"no code", "hello", "not a build code"},
      {"a code with more after it", good + "!", "not a build code"},
      {"version 0", "KCP0:" + good.substr(5), "not a build code"},
      {"a later version", "KCP2:" + good.substr(5), "code is too new"},
      {"a letter changed", good.substr(0, 9) + (good[9] == 'A' ? 'B' : 'A') + good.substr(10), "code is damaged"},
      {"the last letter's unused bits", "KCP1:AQYDA1pv6wAAogoaTs5", "code is damaged"},
      {"a letter dropped", good.substr(0, 12) + good.substr(13), "code is damaged"},
      {"cut short", good.substr(0, 8), "code is damaged"},
      {"level 51", forged([](Form1State& s) { s.Clevel.text = "51"; }), "code is damaged"},
      {"1000 purchases", forged([](Form1State& s) { s.purchase_order = std::string(1000, char(kOrderHitpoints)); }),
       "purchase refused"},
      {"more purchases than any build holds",
       forged([](Form1State& s) { s.purchase_order = std::string(1001, char(kOrderHitpoints)); }), "code is damaged"},
      {"a name longer than its box",
       forged([](Form1State& s) { s.PCname.text = std::string(23, 'x'); }), "code is damaged"},
      {"spells before the willpower they need",
       forged([](Form1State& s) { s.purchase_order = s.purchase_order.substr(4) + s.purchase_order.substr(0, 4); }),
       "purchase refused"},
      {"a spell before the rank below it",
       forged([](Form1State& s) { std::swap(s.purchase_order[5], s.purchase_order[6]); }),
       "purchase refused"},
      {"purchases that need level 5 at level 4", forged([](Form1State& s) { s.Clevel.text = "4"; }),
       "level too low"},
      {"a background no entry has", forged([](Form1State& s) { s.Current_background.text = "Nonesuch"; }),
       "code is damaged"},
      {"a background the race refuses",
       forged([](Form1State& s) { s.Current_background.text = "Clanless Dwarf"; }), "background refused"},
  };
  Form1 elf = started();
  applyRace(elf, kElfFemale);
  for (const auto& c : cases) {
    Form1State out = elf;
    EXPECT_EQ(readCode(c.code, elf, out), c.reason) << c.name;
    EXPECT_TRUE(same(out, elf)) << c.name;
  }
}

// A paste opens a sheet, or else the code the text holds; a refusal changes nothing.
TEST(BuildCode, OpensFromAPaste) {
  Form1 built = started();
  applyRace(built, kGnome), press(built, Ctl::bow_plus);
  const std::string code = buildCode(built);
  Form1 withCode = built;
  withCode.alternativebackground.text = code;
  const struct { const char* name; std::string text, reason; const Form1State& want; } cases[] = {
      {"a code in a link", "see https://x/kethmor-planner.html#" + code + " !", "", built},
      {"a sheet that holds a code", sheet::sheetBytes(withCode), "", withCode},
      {"a damaged code in a text", "see " + code.substr(0, 9) + " !", "code is damaged", started()},
      {"neither", "hello", "is not a character sheet", started()},
  };
  for (const auto& c : cases) {
    Form1 f = started();
    EXPECT_EQ(sheet::openPasted(f, c.text), c.reason) << c.name;
    EXPECT_EQ(sheet::sheetBytes(f), sheet::sheetBytes(c.want)) << c.name;
  }
}

}  // namespace
