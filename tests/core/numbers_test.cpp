// Box texts read as decimal numbers and numbers written as plain decimals.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

#include "core/numbers.h"

// The model tests take the environment's locale, as the window's application
// object does; ctest runs them again under LC_ALL=de_DE.UTF-8 and tr_TR.UTF-8.
static const bool kLocaleTaken = [] {
  const char* asked = std::getenv("LC_ALL");
  if (!std::setlocale(LC_ALL, "")) {
    if (!asked || !*asked) return false;
    std::fprintf(stderr, "locale %s is not installed (scripts/deps.sh makes it)\n", asked);
    std::exit(2);
  }
  std::locale::global(std::locale(""));
  return true;
}();

using kethmor::num;
using kethmor::numText;

TEST(Numbers, ReadAndWrittenAsPlainDecimals) {
  const std::pair<const char*, double> read[] = {
      {"05", 5}, {"000", 0}, {"-0.25", -0.25}, {"10000", 10000}, {"", 0}, {"abc", 0}, {" 7 ", 7},
      {"1.5x", 0}, {"0,5", 0}};
  for (const auto& [text, value] : read) EXPECT_DOUBLE_EQ(num(text), value) << text;
  const std::pair<double, const char*> written[] = {
      {num("05") + 1, "6"}, {-0.0, "0"}, {-2, "-2"}, {0.75, "0.75"}, {0.25 - 0.5, "-0.25"},
      {10000, "10000"}};
  for (const auto& [value, text] : written) EXPECT_EQ(numText(value), text) << text;
  EXPECT_EQ(numText(0.1f), "0.1");  // single precision keeps its own digits
  EXPECT_EQ(numText(-0.0f), "0");
}
