#include "display_page.h"
#include "scenario.h"

// The Display page end to end on a Windows NT 4.0 PC with one Banshee,
// \Device\Video1, in Wine's desktop of 1024 x 768 at 32 bits, which lists
// every size at 60 Hz alone.
namespace e2e {
namespace {

const std::string kCard = kDeviceCards + "\\Video1";

class WindowsNTDisplay : public DisplayScenario {};

// The desktop's size offers one rate, 60 Hz, which the load stores for
// every listed size; sizes the platform does not list show "N/A" and keep
// no value. Choosing the one rate again and applying changes no mode and
// asks nothing.
TEST_F(WindowsNTDisplay, TheListedRatesAreStoredAndTheOnlyRateChangesNothing) {
  ASSERT_TRUE(SeedMachine({"nt40-banshee", "kvartune-earlier-start-nt"}));
  DisplayRun run;
  ASSERT_NE(nullptr, run.page);
  EXPECT_TRUE(SaveScreenshot(run.sheet, "display-nt"));
  EXPECT_EQ("60 Hz", CurrentEntry(run.page, IDC_REFRESH_1024X768));
  EXPECT_EQ("N/A", CurrentEntry(run.page, IDC_REFRESH_1600X1200));
  EXPECT_FALSE(IsEnabled(run.page, IDC_REFRESH_1600X1200));
  EXPECT_FALSE(IsEnabled(run.page, IDC_LABEL_1600X1200));
  for (const char* name : {"REFRESHRATE 320 x  200", "REFRESHRATE1024 x  768",
                           "REFRESHRATE1280 x 1024"})
    EXPECT_TRUE(HasDword(kCard, name, 60)) << name;
  for (const char* name : {"REFRESHRATE1600 x 1200", "REFRESHRATE1920 x 1440"})
    EXPECT_TRUE(HasNoValue(kCard, name)) << name;

  ASSERT_TRUE(ChooseEntry(run.page, IDC_REFRESH_1024X768, "60 Hz"));
  ASSERT_TRUE(IsEnabled(run.page, IDC_DISPLAY_APPLY));
  ASSERT_TRUE(ClickButton(run.page, IDC_DISPLAY_APPLY));
  EXPECT_TRUE(TopLevelWindows(run.program.ProcessId(), kDialogClass).size() ==
              1u)
      << "a message box besides the main window";
  EXPECT_TRUE(HasDword(kCard, "REFRESHRATE1024 x  768", 60));
  EXPECT_TRUE(HasText(kCommon, "linkrgb3", "1"));
  EXPECT_EQ(found_, ScreenNow());
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

// Set takes the rate stored for the chosen size, 60 Hz; Cancel goes back.
// The refresh lists are rebuilt for the desktop's new size.
TEST_F(WindowsNTDisplay, SetTo16BitsAt800x600IsKeptOrUndone) {
  for (int answer : {IDOK, IDCANCEL, kNobodyAnswers}) {
    SCOPED_TRACE(answer);
    ASSERT_TRUE(SeedMachine({"nt40-banshee", "kvartune-earlier-start-nt"}));
    DisplayRun run;
    ASSERT_NE(nullptr, run.page);
    EXPECT_TRUE(HasDword(kCard, "REFRESHRATE 800 x  600", 60));

    ASSERT_NO_FATAL_FAILURE(SetTo16BitsAt800x600(run, answer));
    EXPECT_EQ("60 Hz", CurrentEntry(run.page, IDC_REFRESH_800X600));
    ExpectNewModeOrFound(run.sheet, answer == IDOK);
    EXPECT_TRUE(HasDword(kCard, "REFRESHRATE 800 x  600", 60));
    EXPECT_TRUE(Unload(run.program, run.sheet));
    RestoreDesktop();
  }
}

}  // namespace
}  // namespace e2e
