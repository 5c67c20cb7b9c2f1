#include <gtest/gtest.h>

#include "ui/stepped_value.h"

namespace {

constexpr ui::SteppedRange kClock{84, 166, "%dMHz"};

TEST(SteppedValueTest, StepsBetweenDefaultAndTheHighest) {
  struct Case {
    long long value;
    int delta;
    int expected;
  };
  const Case cases[] = {
      {84, -1, 85},    {85, 1, 84},    {100, -5, 105}, {166, -1, 166},
      {160, -20, 166}, {84, 100, 84}, {84, 1, 84},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, ui::StepValue(kClock, c.value, c.delta))
        << c.value << " " << c.delta;
}

TEST(SteppedValueTest, ShowsDefaultOrTheFormattedChoice) {
  EXPECT_EQ("Default", ui::SteppedText(kClock, 84));
  EXPECT_EQ("85MHz", ui::SteppedText(kClock, 85));
  EXPECT_EQ("4MB", ui::SteppedText({3, 16, "%dMB"}, 4));
}

}  // namespace
