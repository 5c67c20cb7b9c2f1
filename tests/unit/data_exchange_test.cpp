#include <gtest/gtest.h>

#include "ui/data_exchange.h"

namespace {

TEST(FormatNumber, GeneralFormWithFifteenDigits) {
  EXPECT_EQ("1.3", ui::FormatNumber(1.3));
  EXPECT_EQ("0.3", ui::FormatNumber(0.3));
  EXPECT_EQ("2.3", ui::FormatNumber(2.3));
  EXPECT_EQ("1.31", ui::FormatNumber(1.3 + 0.01));
  EXPECT_EQ("0", ui::FormatNumber(0.0));
  EXPECT_EQ("166", ui::FormatNumber(166));
  EXPECT_EQ("1e+20", ui::FormatNumber(1e20));
}

TEST(ParseNumber, AcceptsDecimalNumbersWithSurroundingBlanks) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"1.3", 1.3}, Case{" 0.5\t", 0.5},
                        Case{"-2", -2}, Case{"1e1", 10}, Case{".5", 0.5},
                        Case{"0", 0}, Case{"+7", 7}}) {
    double value = -99;
    EXPECT_TRUE(ui::ParseNumber(c.text, value)) << c.text;
    EXPECT_DOUBLE_EQ(c.value, value) << c.text;
  }
}

TEST(ParseNumber, RejectsWhatIsNoNumberAndKeepsTheValue) {
  for (const char* text : {"", " ", "abc", "1.3x", "1,3", "0x10", "inf",
                           "nan", "1e999", "1 2", "-"}) {
    double value = 4.5;
    EXPECT_FALSE(ui::ParseNumber(text, value)) << text;
    EXPECT_EQ(4.5, value) << text;
  }
}

}  // namespace
