#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kethmor {

// A colour as the window stores it: 0x00BBGGRR, or 0x800000nn for the
// desktop's system colour number nn.
using Colour = std::int32_t;

inline constexpr Colour kSysWindow = static_cast<Colour>(0x80000005);
inline constexpr Colour kSysWindowText = static_cast<Colour>(0x80000008);
inline constexpr Colour kSysButtonFace = static_cast<Colour>(0x8000000F);
inline constexpr Colour kSysButtonText = static_cast<Colour>(0x80000012);

inline constexpr Colour kGreen = 0x0000FA00;       // adjusted and skill boxes
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kPink = 0x00FF80FF;
inline constexpr Colour kBrownOrange = 0x000040C0;
inline constexpr Colour kWhite = 0x00FFFFFF;

inline constexpr bool isSystemColour(Colour c) {
  return (static_cast<std::uint32_t>(c) & 0xFF000000u) == 0x80000000u;
}

enum class Kind { Label, TextBox, ListBox, Button };

// The two flags the model itself reads.
enum Flag : unsigned {
  HIDDEN = 1u,  // not shown at start
  SORTED = 2u,  // a list that keeps its entries in order
};

// Every control of the window, in creation order.
enum class Ctl : int {
#define CTL(name, ...) name,
#include "model/controls.def"
#undef CTL
};

inline constexpr int kControlCount = 0
#define CTL(name, ...) +1
#include "model/controls.def"
#undef CTL
    ;

// Each control's kind, for the checks made when the program compiles.
inline constexpr Kind kKinds[kControlCount] = {
#define CTL(name, kind, ...) Kind::kind,
#include "model/controls.def"
#undef CTL
};

// What the model holds of a control when the window is created.
struct ControlInfo {
  const char* name;
  Kind kind;
  const char* text;  // start text or caption
  Colour back;       // DEF: the kind's default
  Colour fore;
  unsigned flags;
  int maxLength;     // 0: no limit
};

inline constexpr Colour DEF = -1;

extern const ControlInfo kControls[kControlCount];

inline const ControlInfo& info(Ctl c) { return kControls[static_cast<int>(c)]; }

// The live state of one control.
struct Control {
  std::string text;                  // Text of a box, Caption of a label or button
  Colour back = DEF;
  Colour fore = DEF;
  bool visible = true;
  std::vector<std::string> items;    // list entries
  int listIndex = -1;                // selected entry, -1 for none
  bool sorted = false;

  int listCount() const { return static_cast<int>(items.size()); }
  // Adds an entry; a sorted list puts it in order, hyphens ignored.
  void addItem(const std::string& s);
  void clear() { items.clear(); listIndex = -1; }
  bool operator==(const Control&) const = default;
};

// The order of a sorted list: alphabetical without regard to case, with
// hyphens ignored.
bool sortsBefore(const std::string& a, const std::string& b);

}  // namespace kethmor
