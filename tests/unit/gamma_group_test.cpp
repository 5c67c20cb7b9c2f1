#include <gtest/gtest.h>

#include "fakes/fake_controls.h"
#include "ui/gamma_group.h"

namespace {

constexpr ui::GammaControls kIds{{11, 12, 13}, {21, 22, 23}, 30};
constexpr ui::GammaRange kRange{0.3, 2.3, "1.300000"};

TEST(GammaGroupTest, ShowsTheFirstFourCharactersOfEachStoredText) {
  fakes::FakeControls controls;
  for (int id : kIds.edits) controls.Declare(id, fakes::ControlKind::Edit);
  ui::GammaGroup group(kIds, kRange);
  group.ShowStored(controls, {"1.234567", "", "x.5"});
  EXPECT_EQ("1.23", controls.Text(11));
  EXPECT_EQ("1.30", controls.Text(12));
  EXPECT_EQ("x.5", controls.Text(13));
}

TEST(GammaGroupTest, StepsByOneHundredthWithinTheRange) {
  struct Case {
    double green;
    int delta;
    bool linked;
    std::array<double, 3> expected;
  };
  const Case cases[] = {
      {1.3, -1, true, {1.31, 1.31, 1.31}},
      {1.3, -1, false, {1.0, 1.31, 1.0}},
      {1.3, 1, false, {1.0, 1.29, 1.0}},
      {1.3, -5, false, {1.0, 1.35, 1.0}},
      {0.3, 1, false, {1.0, 0.3, 1.0}},
      {2.3, -1, false, {1.0, 2.3, 1.0}},
      {2.29, -3, true, {2.3, 2.3, 2.3}},
  };
  for (const Case& c : cases) {
    ui::GammaGroup group(kIds, kRange);
    group.values = {1.0, c.green, 1.0};
    group.linked = c.linked;
    ASSERT_EQ(1, group.ChannelOf(22));
    group.Step(1, c.delta);
    for (int channel = 0; channel < 3; ++channel)
      EXPECT_DOUBLE_EQ(c.expected[channel], group.values[channel])
          << c.green << " " << c.delta << " channel " << channel;
  }
  EXPECT_EQ(-1, ui::GammaGroup(kIds, kRange).ChannelOf(1001));
}

TEST(GammaGroupTest, StoresSixDecimals) {
  ui::GammaGroup group(kIds, kRange);
  group.values = {1.3, 0.95, 2.3};
  EXPECT_EQ("1.300000", group.Stored(0));
  EXPECT_EQ("0.950000", group.Stored(1));
  EXPECT_EQ("2.300000", group.Stored(2));
}

}  // namespace
