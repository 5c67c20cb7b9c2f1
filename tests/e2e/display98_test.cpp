#include "display_page.h"
#include "scenario.h"

// The Display page end to end on a Windows 98 PC with one Banshee at driver
// key 0000, in Wine's desktop of 1024 x 768 at 32 bits.
namespace e2e {
namespace {

const std::string kModes = kDriverKeys + "0000\\MODES\\";
const char kWillChange[] =
    "Refreshrate will change.\nIf the screen does not show\nproperly after "
    "changes press ESC.";

class Windows98Display : public DisplayScenario {};

// "Default" is in force for the desktop's size; the user picks 85 Hz. Apply
// switches the desktop to its neighbour and back, and asks.
TEST_F(Windows98Display, ARefreshChangeForTheDesktopsSizeIsKeptOrPutBack) {
  for (int answer : {IDOK, IDCANCEL, kNobodyAnswers}) {
    SCOPED_TRACE(answer);
    ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
    DisplayRun run;
    ASSERT_NE(nullptr, run.page);
    EXPECT_EQ("Default", CurrentEntry(run.page, IDC_REFRESH_1024X768));
    if (answer == IDOK) {
      EXPECT_TRUE(SaveScreenshot(run.sheet, "display-98"));
    }

    ASSERT_TRUE(ChooseEntry(run.page, IDC_REFRESH_1024X768, "85 Hz"));
    ASSERT_TRUE(PressButton(run.page, IDC_DISPLAY_APPLY));
    ExpectMessageAndPressOk(run.program, kWillChange);
    // While nobody answers, "Unload" comes from the tray menu: it waits for
    // the question, which puts the rate back, and then ends the program.
    const bool unloading = answer == kNobodyAnswers;
    AnswerQuestion(run.program, "Keep this Refreshrate?", answer, [&] {
      EXPECT_EQ(found_, ScreenNow());
      if (!unloading) return;
      PostMessageA(run.sheet, WM_COMMAND, kUnloadCommand, 0);
      EXPECT_TRUE(run.program.WaitUntilIdle());
      EXPECT_TRUE(IsWindow(run.sheet));
    });
    if (unloading) {
      EXPECT_TRUE(EndsNormally(run.program));
    } else {
      ASSERT_TRUE(WaitUntilDisabled(run.page, IDC_DISPLAY_APPLY));
    }

    const bool kept = answer == IDOK;
    for (const char* depth : {"8", "16", "24", "32"})
      EXPECT_TRUE(HasText(kModes + depth + "\\1024,768", "RefreshRate",
                          kept ? "85" : "0"));
    EXPECT_TRUE(HasText(kModes + "24\\800,600", "RefreshRate", "0"));
    EXPECT_EQ(found_, ScreenNow());
    if (unloading) continue;
    EXPECT_EQ(kept ? "85 Hz" : "Default",
              CurrentEntry(run.page, IDC_REFRESH_1024X768));
    EXPECT_TRUE(Unload(run.program, run.sheet));
  }
}

// With the prompt box ticked (nothing stored), Set changes the desktop and
// asks; Cancel goes back to the mode before.
TEST_F(Windows98Display, SetTo16BitsAt800x600IsKeptOrUndone) {
  for (int answer : {IDOK, IDCANCEL}) {
    SCOPED_TRACE(answer == IDOK ? "OK" : "Cancel");
    ASSERT_TRUE(SeedMachine({"win98-one-banshee"}));
    DisplayRun run;
    ASSERT_NE(nullptr, run.page);
    EXPECT_EQ("32BitColor", CurrentEntry(run.page, IDC_MODE_DEPTH));
    EXPECT_EQ("1024 x  768", CurrentEntry(run.page, IDC_MODE_SIZE));
    EXPECT_TRUE(IsChecked(run.page, IDC_MODE_PROMPT));

    ASSERT_NO_FATAL_FAILURE(SetTo16BitsAt800x600(run, answer));
    ExpectNewModeOrFound(run.sheet, answer == IDOK);
    EXPECT_TRUE(Unload(run.program, run.sheet));
    RestoreDesktop();
  }
}

}  // namespace
}  // namespace e2e
