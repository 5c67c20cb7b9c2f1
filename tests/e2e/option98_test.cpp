#include "option_page.h"
#include "scenario.h"

// The Option page end to end on a Windows 98 PC with two Banshees, driver
// keys 0000 (8 MB, SSTH3_LDELAY on) and 0002 (12 MB, the switch "0").
namespace e2e {
namespace {

const std::string kWideDesktopWarning =
    "Set the current Destop resolution below 1024x768\n"
    "before changing the VideoMemorySize.\n"
    "Otherwise Windows may show corrupted screen.";

// A card's memory size and switch: 0 and "" for no value.
void ExpectCard(const std::string& card, std::uint32_t memSize,
                const std::string& lDelay) {
  SCOPED_TRACE("card " + card);
  const std::string driver = kDriverKeys + card;
  if (memSize != 0)
    EXPECT_TRUE(HasDword(driver + "\\DEFAULT", "memSize", memSize));
  else
    EXPECT_TRUE(HasNoValue(driver + "\\DEFAULT", "memSize"));
  if (!lDelay.empty())
    EXPECT_TRUE(HasText(driver, "SSTH3_LDELAY", lDelay));
  else
    EXPECT_TRUE(HasNoValue(driver, "SSTH3_LDELAY"));
}

// The desktop is 1024 pixels wide, narrow enough: a new size goes to every
// card and asks for a restart, which the user declines; the same size again
// asks nothing.
TEST(Windows98Option, ANewSizeOnANarrowDesktopGoesToEveryCardAndAsks) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-second-banshee",
                           "win98-option-settings"}));
  ASSERT_EQ(1024, DesktopSize::Width());
  OptionRun run;
  ASSERT_NE(nullptr, run.page);

  OptionView view{"8MB", true, true};
  EXPECT_EQ(view, ReadOptionPage(run.page));
  EXPECT_TRUE(SaveScreenshot(run.sheet, "option-98"));

  ASSERT_TRUE(ClickArrow(run.page, IDC_MEMORY_SIZE_SPIN, true));
  ASSERT_TRUE(ClickArrow(run.page, IDC_MEMORY_SIZE_SPIN, true));
  ASSERT_TRUE(ClickButton(run.page, IDC_LDELAY));
  view = {"10MB", false, true, true, true};
  EXPECT_EQ(view, ReadOptionPage(run.page));

  ASSERT_TRUE(PressButton(run.page, IDC_OPTION_APPLY));
  ExpectRestartQuestionAndPressNo(run.program);
  view.applyEnabled = view.resetEnabled = false;
  EXPECT_EQ(view, ReadOptionPage(run.page));
  ExpectCard("0000", 10, "");
  ExpectCard("0002", 10, "");

  // Default against the 8 MB the page loaded: the size goes, and a restart
  // is asked for again.
  ASSERT_TRUE(ClickButton(run.page, IDC_OPTION_DEFAULT));
  EXPECT_EQ((OptionView{"Default", false, true, true, true}),
            ReadOptionPage(run.page));
  ASSERT_TRUE(PressButton(run.page, IDC_OPTION_APPLY));
  ExpectRestartQuestionAndPressNo(run.program);
  ExpectCard("0000", 0, "");
  ExpectCard("0002", 0, "");

  // Shown again, the page loads Default; the switch alone asks nothing.
  ASSERT_NE(nullptr, ShowPage(run.sheet, Page::Configuration));
  ASSERT_EQ(run.page, ShowPage(run.sheet, Page::Option));
  EXPECT_EQ((OptionView{"Default", false, true}), ReadOptionPage(run.page));
  ASSERT_TRUE(ClickButton(run.page, IDC_LDELAY));
  ASSERT_TRUE(ClickButton(run.page, IDC_OPTION_APPLY));
  EXPECT_TRUE(ShowsNoMessage(run.program));
  EXPECT_EQ((OptionView{"Default", true, true}), ReadOptionPage(run.page));
  ExpectCard("0000", 0, "1");
  ExpectCard("0002", 0, "1");
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

// At 1280 x 1024 the page refuses a new size, says why and shows the stored
// one again; the switch still goes to the selected card alone.
TEST(Windows98Option, AWideDesktopKeepsTheSizeAndWarns) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "win98-second-banshee",
                           "win98-option-settings",
                           "kvartune-apply-to-selected"}));
  DesktopSize wide(1280, 1024);
  ASSERT_EQ(1280, DesktopSize::Width());
  OptionRun run;
  ASSERT_NE(nullptr, run.page);
  EXPECT_EQ((OptionView{"12MB", false, true}), ReadOptionPage(run.page));

  ASSERT_TRUE(ClickArrow(run.page, IDC_MEMORY_SIZE_SPIN, false));
  ASSERT_TRUE(ClickButton(run.page, IDC_LDELAY));
  EXPECT_EQ((OptionView{"11MB", true, true, true, true}),
            ReadOptionPage(run.page));
  ASSERT_TRUE(PressButton(run.page, IDC_OPTION_APPLY));
  ExpectMessageAndPressOk(run.program, kWideDesktopWarning);
  EXPECT_TRUE(ShowsNoMessage(run.program));
  EXPECT_EQ((OptionView{"12MB", true, true}), ReadOptionPage(run.page));
  ExpectCard("0000", 8, "1");
  ExpectCard("0002", 12, "1");
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

}  // namespace
}  // namespace e2e
