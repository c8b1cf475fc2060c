#pragma once

// The planner's commands, one table for both faces: each command's identity,
// its menu label, its keys (as text both faces parse: "Ctrl+Shift+O", several
// keys joined by "; "), whether a separator follows it in the menu, and the
// faces that have it. The menu lists the rows in this order.
#include <vector>

namespace kethmor::session {

enum class Face { Desktop = 1, Page = 2 };

enum class Command {
  Open,
  OpenLastSession,
  OpenPreviousSession,
  Save,
  CopySheet,
  CopyBuildCode,
  CopyLink,
  Share,
  PasteSheet,
  Print,
  LevelPlan,
  Goal,
  Undo,
  Redo,
  About
};

struct CommandRow {
  Command id;
  const char* name;   // the identity the page's script knows it by
  const char* label;  // UTF-8
  const char* keys;
  bool endsGroup;     // a separator after it in the menu
  unsigned faces;     // Face bits
};

inline constexpr unsigned kBoth = 3, kDesktop = 1, kPage = 2;

inline constexpr CommandRow kCommands[] = {
    {Command::Open, "open", "Open\u2026", "Ctrl+O", false, kBoth},
    {Command::OpenLastSession, "openLast", "Open last session", "Ctrl+Shift+O", false, kBoth},
    // The one kept before it: another window or tab closed since keeps its own as the last.
    {Command::OpenPreviousSession, "openPrevious", "Open session before", "", false, kBoth},
    {Command::Save, "save", "Save\u2026", "Ctrl+S", true, kBoth},
    {Command::CopySheet, "copy", "Copy sheet", "Ctrl+C", false, kBoth},
    // A build code on the desktop; on the page, a link to the page that opens the build.
    {Command::CopyBuildCode, "copyCode", "Copy build code", "Ctrl+Shift+C", false, kDesktop},
    {Command::CopyLink, "link", "Copy link", "Ctrl+Shift+C", false, kPage},
    // The browser's sharing (a phone's apps): the sheet as SAVE writes it, or where files are not taken, the link.
    {Command::Share, "share", "Share\u2026", "", false, kPage},
    {Command::PasteSheet, "paste", "Paste sheet", "Ctrl+V", false, kBoth},
    {Command::Print, "print", "Print\u2026", "Ctrl+P", false, kBoth},
    {Command::LevelPlan, "plan", "Level plan", "Ctrl+L", false, kBoth},
    {Command::Goal, "goal", "Goal\u2026", "Ctrl+G", true, kBoth},
    {Command::Undo, "undo", "Undo", "Ctrl+Z", false, kBoth},
    {Command::Redo, "redo", "Redo", "Ctrl+Y; Ctrl+Shift+Z", true, kBoth},
    {Command::About, "about", "About", "", false, kBoth},
};

// A control of a panel beside the window (the level plan, the goal) in both
// faces: a box's or a list's label, or a button, "&" before the letter that
// Alt types.
template <class Id>
struct PanelControlRow {
  Id id;
  const char* name;  // the identity the page's script knows it by
  const char* label;
};

// The level plan's own controls, in their order: the level box and the buttons.
enum class PlanControl { Level, Show, Copy, Save, Print, Close };
using PlanControlRow = PanelControlRow<PlanControl>;
inline constexpr const char* kPlanTitle = "Level plan";
inline constexpr PlanControlRow kPlanControls[] = {
    {PlanControl::Level, "level", "&Level:"}, {PlanControl::Show, "show", "S&how this level"},
    {PlanControl::Copy, "copy", "&Copy"},     {PlanControl::Save, "save", "&Save..."},
    {PlanControl::Print, "print", "&Print..."}, {PlanControl::Close, "close", "Cl&ose"},
};
inline constexpr const char* planLabel(PlanControl c) { return kPlanControls[static_cast<int>(c)].label; }

// The rows a face has, in menu order.
std::vector<CommandRow> commandsOf(Face face);

}  // namespace kethmor::session
