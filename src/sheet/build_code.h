#pragma once

// The build code: a whole build as one short line of text that players pass
// around in chats and links ("…/kethmor-planner.html#KCP1:…"). It holds what
// the player chose and nothing the rebuild works out; reading it rebuilds
// the build by the window's own actions, as the level plan replays it.
//
// The code is "KCP1:" and then these bytes in base64url (RFC 4648 section 5:
// A-Z a-z 0-9 - _, no padding, the unused low bits of the last letter 0):
//   byte 0  the race entry plus 1 (0: no race applied, the window as it
//           opens), plus 16 when the strength values (carry weight, damage
//           bonus) have been worked out and 32 when the dexterity values
//           (armour class adjustment, speed) have, both only with no race
//           applied; plus 64 when the two texts are UTF-8, not Windows-1252;
//           plus 128 when the order holds a code from 162 on (a skill after
//           the first sixteen), and then byte 3 is one above the last order
//           code
//   byte 1  the background entry, 0 to 37 (0 with no race applied)
//   byte 2  the level, 1 to 50
//   then    the name, then the alternative background text: each its length
//           in bytes (LEB128: 7 bits a byte, low first, 128 added while more
//           follow) and its bytes. Windows-1252 with LF line breaks when
//           both texts come back exactly from it, otherwise UTF-8
//   then    the order of the build: a byte below r is an order code (as the
//           window's purchase order holds them); a byte b from r to 255 makes
//           the code before it count b - r + 1 times more. r is 162, or byte 3
//           with 128 in byte 0
//   last 2  CRC-16/CCITT-FALSE (polynomial 0x1021, start 0xFFFF) of all the
//           bytes before it, high byte first
// A code is read only when the build it gives makes exactly that code again.
// A later format takes another number ("KCP2:"); every later planner still
// reads "KCP1:".
#include <string>
#include <string_view>

#include "model/form1.h"

namespace kethmor::sheet {

inline constexpr std::string_view kCodePrefix = "KCP1:";

// The code of `build`.
std::string buildCode(const Form1State& build);

// The first build code in `text` (a code alone, a link, a chat line): from
// "KCP", a number and ":" to the last base64url letter after them; empty
// when the text holds none.
std::string_view findCode(std::string_view text);

// Rebuilds the build of `code` (a code alone) on a fresh window, keeping the
// browsing of `current` (the lists on show, the description). Returns empty
// and sets `out`, or leaves `out` alone and returns the reason, short enough
// to stand after "could not paste: " in the message box: "not a build code",
// "code is damaged", "code is too new" (a later format, or skills added
// since), "background refused" (the race cannot take it), "purchase refused"
// (one that no level allows), "level too low" (the purchases need a higher
// one).
std::string readCode(std::string_view code, const Form1State& current, Form1State& out);

// Opens a pasted text into the window's state as a sheet opens: a sheet
// (openSheetText), or else the build code it holds. On success the state is
// the build and the result empty; otherwise nothing changes and the result
// is the reason (the code's, when the text holds one).
std::string openPasted(Form1State& form, const std::string& text);

}  // namespace kethmor::sheet
