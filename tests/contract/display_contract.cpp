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
  // Wine's virtual desktop as measured, written out here rather than taken
  // from the fake, so that the fake's list is checked too.
  const std::uint32_t sizes[][2] = {
      {320, 200},  {320, 240},   {400, 300},   {512, 384},  {640, 400},
      {640, 480},  {768, 576},   {800, 600},   {1024, 768}, {1152, 864},
      {1280, 720}, {1280, 800},  {1280, 960},  {1280, 1024}};
  std::vector<DisplayMode> expected;
  for (std::uint32_t depth : {32u, 16u, 8u})
    for (const auto& size : sizes)
      expected.push_back({depth, size[0], size[1], 60});
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
