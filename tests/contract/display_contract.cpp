#include "contract/display_contract.h"

#include <vector>

#include "fakes/fake_display.h"

namespace {

using os::ChangeFlags;
using os::DisplayMode;
using os::ModeFields;
constexpr long kSuccessful = os::display_change::kSuccessful;
constexpr long kBadMode = os::display_change::kBadMode;

constexpr DisplayMode k16Bit800{16, 800, 600, 60};

os::DisplayMode ModeOf(const os::ScreenMode& screen) {
  return {static_cast<std::uint32_t>(screen.bitsPerPixel),
          static_cast<std::uint32_t>(screen.width),
          static_cast<std::uint32_t>(screen.height), 0};
}

bool operator==(const os::ScreenMode& a, const os::ScreenMode& b) {
  return a.bitsPerPixel == b.bitsPerPixel && a.width == b.width &&
         a.height == b.height;
}

}  // namespace

void PrintTo(const DisplayUnderTest& display, std::ostream* out) {
  *out << display.name;
}

std::string DisplayName(const ::testing::TestParamInfo<DisplayUnderTest>& info) {
  return info.param.name;
}

DisplayUnderTest FakeDisplayUnderTest() {
  return {"Fake", [] { return std::make_unique<fakes::FakeDisplay>(); }};
}

void DisplayContract::SetUp() {
  display_ = GetParam().make();
  found_ = display_->Screen();
  ASSERT_EQ(32, found_.bitsPerPixel);
  ASSERT_EQ(1024, found_.width);
  ASSERT_EQ(768, found_.height);
}

void DisplayContract::TearDown() {
  if (!(display_->Screen() == found_))
    display_->Change(ModeOf(found_), ModeFields::DepthAndSize,
                     ChangeFlags::Store);
}

TEST_P(DisplayContract, ListsWineDesktopModesByIndex) {
  std::vector<DisplayMode> listed;
  DisplayMode mode;
  while (display_->ModeAt(static_cast<int>(listed.size()), mode))
    listed.push_back(mode);
  const std::vector<DisplayMode> expected = fakes::WineDesktopModes();
  ASSERT_EQ(expected.size(), listed.size());
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_EQ(expected[i].bitsPerPixel, listed[i].bitsPerPixel) << i;
    EXPECT_EQ(expected[i].width, listed[i].width) << i;
    EXPECT_EQ(expected[i].height, listed[i].height) << i;
    EXPECT_EQ(expected[i].frequency, listed[i].frequency) << i;
  }
  // No position before the first: not the current or the stored settings.
  EXPECT_FALSE(display_->ModeAt(-1, mode));
  EXPECT_FALSE(display_->ModeAt(-2, mode));
}

TEST_P(DisplayContract, TestAnswersWithoutChangingTheScreen) {
  struct Case {
    DisplayMode mode;
    ModeFields fields;
    long expected;
  };
  const Case cases[] = {
      {k16Bit800, ModeFields::DepthAndSize, kSuccessful},
      {k16Bit800, ModeFields::WithFrequency, kSuccessful},
      {{16, 800, 600, 75}, ModeFields::DepthAndSize, kSuccessful},
      {{16, 800, 600, 75}, ModeFields::WithFrequency, kBadMode},
      {{24, 800, 600, 60}, ModeFields::WithFrequency, kBadMode},
      {{16, 1234, 567, 60}, ModeFields::DepthAndSize, kBadMode},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, display_->Change(c.mode, c.fields, ChangeFlags::Test))
        << c.mode.bitsPerPixel << " " << c.mode.width << " "
        << c.mode.frequency;
  }
  EXPECT_TRUE(display_->Screen() == found_);
}

TEST_P(DisplayContract, ChangeSetsTheScreenNowOrStored) {
  for (ChangeFlags flags : {ChangeFlags::Now, ChangeFlags::Store}) {
    ASSERT_EQ(kSuccessful,
              display_->Change(k16Bit800, ModeFields::WithFrequency, flags));
    const os::ScreenMode screen = display_->Screen();
    EXPECT_EQ(16, screen.bitsPerPixel);
    EXPECT_EQ(800, screen.width);
    EXPECT_EQ(600, screen.height);
    EXPECT_EQ(kSuccessful, display_->Change(ModeOf(found_),
                                            ModeFields::DepthAndSize, flags));
    EXPECT_TRUE(display_->Screen() == found_);
  }
}

TEST_P(DisplayContract, ARejectedChangeLeavesTheScreen) {
  EXPECT_EQ(kBadMode, display_->Change({16, 1234, 567, 60},
                                       ModeFields::DepthAndSize,
                                       ChangeFlags::Now));
  EXPECT_TRUE(display_->Screen() == found_);
}
