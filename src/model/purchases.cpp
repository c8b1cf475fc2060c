#include "model/purchases.h"

namespace kethmor {

void showPair(Form1& f, Control& hideGroups, Control& hideEntries, Control& showGroups,
              Control& showEntries, const char* caption, Colour colour) {
  hideGroups.visible = false;
  hideEntries.visible = false;
  showGroups.visible = true;
  showEntries.visible = true;
  f.Spelltechindicator.text = caption;
  f.Spelltechindicator.fore = colour;
}

void buyEntry(Form1& f, const Control& entries, int k, std::int16_t& owned, std::int16_t& count,
              int code) {
  f.purchased.addItem(entries.items[static_cast<std::size_t>(k)]);
  f.CP_pool = static_cast<std::int16_t>(f.CP_pool - 1);
  put(f.CPs_remaining, num(f.CPs_remaining) - 1);
  owned = kTrue;
  f.noteBought(code);
  count = static_cast<std::int16_t>(count + 1);
  f.displayaptitude();
}

}  // namespace kethmor
