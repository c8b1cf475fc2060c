// Box texts read as decimal numbers and numbers written as plain decimals.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

#include "rules/numbers.h"

// The model tests take the environment's locale, as the window's application
// object does; ctest runs them again under LC_ALL=de_DE.UTF-8 and tr_TR.UTF-8.
static const bool kLocaleTaken = [] {
  const char* asked = std::getenv("LC_ALL");
  const bool taken = std::setlocale(LC_ALL, "") != nullptr;
  if (taken) std::locale::global(std::locale(""));
  if (taken || !asked || !*asked) return taken;
  std::fprintf(stderr, "locale %s is not installed (scripts/deps.sh makes it)\n", asked);
  std::exit(2);
}();

// Each text read and the number written back; text the reader refuses reads 0.
TEST(Numbers, ReadAndWrittenAsPlainDecimals) {
  using kethmor::num, kethmor::numText;
  const std::pair<const char*, const char*> cases[] = {
      {"05", "5"}, {"000", "0"}, {"-0", "0"}, {"-0.25", "-0.25"}, {"0.75", "0.75"}, {"-2", "-2"},
      {"10000", "10000"}, {"", "0"}, {"abc", "0"}, {" 7 ", "7"}, {"1.5x", "0"}, {"0,5", "0"},
      {"1e5", "100000"}, {"2.5E-3", "0.0025"}, {"1e+2", "100"}, {"1.50000000000000000001", "1.5"}, {"1e23", "1e+23"}};
  for (const auto& [text, written] : cases) EXPECT_EQ(numText(num(text)), written) << text;
  EXPECT_EQ(numText(0.3f) + " " + numText(1.234567f) + " " + numText(-0.0f), "0.3 1.234567 0");  // 7 digits
  // Digits past a double's 53 bits are rounded once, not twice.
  EXPECT_EQ(num("90071992547409.93"), 90071992547409.93) << "17 digits, 2 after the point";
}
