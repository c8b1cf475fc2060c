#include <gtest/gtest.h>

#include "core/numbers.h"

using kethmor::num;
using kethmor::numText;

TEST(Numbers, BoxTextReadsAsDecimal) {
  struct Case { const char* text; double value; };
  const Case cases[] = {
      {"05", 5}, {"000", 0}, {"00", 0}, {"8", 8}, {"0.5", 0.5}, {"-0.25", -0.25},
      {"-2", -2}, {"10000", 10000}, {"", 0}, {"abc", 0}, {" 7", 7}, {"1.5", 1.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(num(c.text), c.value);
  }
}

TEST(Numbers, WrittenAsPlainDecimal) {
  struct Case { double value; const char* text; };
  const Case cases[] = {
      {5, "5"}, {0, "0"}, {-0.0, "0"}, {-2, "-2"}, {0.5, "0.5"}, {-0.25, "-0.25"},
      {1.5, "1.5"}, {-0.5, "-0.5"}, {4000, "4000"}, {10000, "10000"}, {0.75, "0.75"},
      {-0.5 + 0.5, "0"}, {0.25 - 0.5, "-0.25"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(numText(c.value), c.text);
  }
}

TEST(Numbers, SinglePrecisionKeepsItsOwnDigits) {
  EXPECT_EQ(numText(15.0f), "15");
  EXPECT_EQ(numText(0.1f), "0.1");  // not 0.100000001490116
  EXPECT_EQ(numText(-0.0f), "0");
}

TEST(Numbers, RoundTripOfStartTexts) {
  // A start text is replaced by its plain form the first time it is written.
  for (const char* start : {"05", "000", "00"}) {
    SCOPED_TRACE(start);
    EXPECT_EQ(numText(num(start) + 1), std::to_string(static_cast<int>(num(start)) + 1));
  }
}
