// Box texts read as decimal numbers and numbers written as plain decimals.
#include <gtest/gtest.h>

#include "core/numbers.h"

using kethmor::num;
using kethmor::numText;

TEST(Numbers, ReadAndWrittenAsPlainDecimals) {
  const std::pair<const char*, double> read[] = {
      {"05", 5}, {"000", 0}, {"-0.25", -0.25}, {"10000", 10000}, {"", 0}, {"abc", 0}, {" 7", 7}};
  for (const auto& [text, value] : read) EXPECT_DOUBLE_EQ(num(text), value) << text;
  const std::pair<double, const char*> written[] = {
      {num("05") + 1, "6"}, {-0.0, "0"}, {-2, "-2"}, {0.75, "0.75"}, {0.25 - 0.5, "-0.25"},
      {10000, "10000"}};
  for (const auto& [value, text] : written) EXPECT_EQ(numText(value), text) << text;
  EXPECT_EQ(numText(0.1f), "0.1");  // single precision keeps its own digits
  EXPECT_EQ(numText(-0.0f), "0");
}
