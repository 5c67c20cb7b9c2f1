#include <gtest/gtest.h>

#include "store/flags.h"

namespace {

TEST(FlagsTest, EachRuleReadsTheTexts) {
  struct Case {
    flags::Flag flag;
    bool one, zero, empty, other;
  };
  const Case cases[] = {
      {flags::kApplyAll, true, false, true, false},
      {flags::kLoadTray, true, false, true, false},
      {flags::kStartMin, true, false, false, false},
      {flags::kLoadStartup, true, false, false, false},
      {flags::kOverride, true, false, true, true},
      {flags::kEnvironmentWrites, true, false, true, false},
      {flags::kLinkRgb3, true, false, true, true},
      {flags::kCheckDispMode, true, false, true, true},
      {flags::kUseClock, true, false, false, false},
      {flags::kPreviousUseClock, true, false, true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.one, flags::IsOn(c.flag, "1")) << c.flag.name;
    EXPECT_EQ(c.zero, flags::IsOn(c.flag, "0")) << c.flag.name;
    EXPECT_EQ(c.empty, flags::IsOn(c.flag, "")) << c.flag.name;
    EXPECT_EQ(c.other, flags::IsOn(c.flag, "2")) << c.flag.name;
  }
}

TEST(FlagsTest, TargetCardsFollowApplyAll) {
  const std::vector<std::string> cards = {"0000", "0002"};
  EXPECT_EQ(cards, flags::TargetCards(cards, "1", "0002"));
  EXPECT_EQ(cards, flags::TargetCards(cards, "", "0002"));
  EXPECT_EQ(std::vector<std::string>{"0002"},
            flags::TargetCards(cards, "0", "0002"));
  EXPECT_EQ(std::vector<std::string>{"0002"},
            flags::TargetCards(cards, "yes", "0002"));
  // No selected card: no card key with an empty name is ever written.
  EXPECT_TRUE(flags::TargetCards(cards, "0", "").empty());
}

}  // namespace
