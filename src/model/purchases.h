#pragma once

// What spells and schematics have in common: a pair of lists (the group and
// its entries) that take turns in one place of the window, a table of owned
// entries by group and rank, and one CP per entry bought.
#include <array>
#include <cstdint>

#include "model/form1.h"

namespace kethmor {

// The entries of the selected group, refilled into the entry list with none
// selected; the message is emptied.
template <std::size_t Groups, std::size_t PerGroup>
void refillEntries(Form1& f, const Control& groups, Control& entries,
                   const char* const (&names)[Groups][PerGroup]) {
  f.message_window.text.clear();
  entries.clear();
  const int g = groups.listIndex;
  if (g < 0 || g >= static_cast<int>(Groups)) return;
  for (const char* name : names[g]) entries.addItem(name);
}

// Shows the description of the selected entry of the selected group, if both
// are selected.
template <std::size_t Groups, std::size_t PerGroup>
void describeEntry(Form1& f, const Control& groups, const Control& entries,
                   const char* const (&descriptions)[Groups][PerGroup]) {
  const int g = groups.listIndex;
  if (g < 0 || g >= static_cast<int>(Groups)) return;
  const int k = entries.listIndex;
  if (k < 0 || k >= static_cast<int>(PerGroup)) return;
  f.background_explanations.text = descriptions[g][k];
}

// Shows one pair of lists in place of the other and names it in the
// indicator.
void showPair(Form1& f, Control& hideGroups, Control& hideEntries, Control& showGroups,
              Control& showEntries, const char* caption, Colour colour);

// Buys the entry at rank index k of the selected list: it joins `purchased`,
// costs one CP, is marked owned, counted, joins the order of the build as
// `code`, and moves the aptitude.
void buyEntry(Form1& f, const Control& entries, int k, std::int16_t& owned, std::int16_t& count, int code);

// Whether an owned entry of any group needs more than `value`: the test made
// rank by rank, and group by group within a rank.
template <std::size_t Groups, std::size_t Ranks, typename Threshold>
bool ownedNeedsMore(const std::array<std::array<std::int16_t, Ranks>, Groups>& owned, double value,
                    Threshold threshold) {
  for (std::size_t k = 0; k < Ranks; ++k)
    for (std::size_t g = 0; g < Groups; ++g)
      if (owned[g][k] != 0 && value < threshold(static_cast<int>(k))) return true;
  return false;
}

}  // namespace kethmor
