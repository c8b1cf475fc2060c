// Prints the sheet of each seeded session, of the character opened again
// from it, the session's level plan and its build code, as text whose every
// byte outside printable ASCII is escaped ("\x0D"), so that the desktop build
// and the WebAssembly build under Node.js can be compared byte for byte.
// Usage: seeded_sheets [sessions (3000)]
#include <cstdio>
#include <cstdlib>

#include "sheet/level_plan.h"
#include "sheet/build_code.h"
#include "sheet/sheet.h"
#include "sheet/sheet_reader.h"
#include "support/seeded_sessions.h"

namespace {
void print(const std::string& bytes) {
  std::string out;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\n' || (c >= 0x20 && c < 0x7F && c != '\\')) {
      out += ch;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  std::fputs(out.c_str(), stdout);
}
}  // namespace

int main(int argc, char** argv) {
  const int sessions = argc > 1 ? std::atoi(argv[1]) : 3000;
  for (int seed = 1; seed <= sessions; ++seed) {
    const kethmor::Form1 f = kethmor::testkit::seededSession(static_cast<unsigned>(seed));
    const std::string bytes = kethmor::sheet::sheetBytes(f);
    kethmor::Form1State opened;
    const std::string why = kethmor::sheet::rebuildSheet(bytes, f, opened);
    std::printf("== session %d%s\n", seed, why.empty() ? "" : (": " + why).c_str());
    print(bytes);
    std::printf("\n-- opened again\n");
    print(kethmor::sheet::sheetBytes(opened));
    std::printf("\n-- level plan\n");
    print(kethmor::planText(kethmor::levelPlan(f)));
    std::printf("\n-- build code\n%s\n", kethmor::sheet::buildCode(f).c_str());
  }
  return 0;
}
