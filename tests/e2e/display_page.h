#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>

#include "main_window.h"

// The Display page as a user drives it, and the desktop it changes: Wine's
// virtual desktop, which the scenarios share with the program.
namespace e2e {

// A display mode: depth and size.
struct Screen {
  int bitsPerPixel;
  int width;
  int height;
};
bool operator==(const Screen& left, const Screen& right);
std::ostream& operator<<(std::ostream& out, const Screen& screen);
// What GetDeviceCaps of the screen reports to this process. Wine tells every
// process the size of a mode another process changed to, but only that
// process its depth: the depth the program sees is read through its page.
Screen ScreenNow();
// The size alone, "800 x 600".
std::string ScreenSize();
// The display setting the platform has stored (ENUM_REGISTRY_SETTINGS).
Screen StoredSetting();

struct DisplayRun;

// A scenario that may change the desktop's mode: whatever happens, it ends
// with the mode it began with, now and stored.
class DisplayScenario : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { RestoreDesktop(); }
  void RestoreDesktop();
  // Chooses 16 bits at 800 x 600, presses Set and answers the question
  // (IDOK, IDCANCEL or none), which shows over the desktop at 800 x 600.
  void SetTo16BitsAt800x600(DisplayRun& run, int answer);
  // The desktop, stored and as the page shows it, is at 16 bits and
  // 800 x 600 when the new mode was kept and as found when not.
  void ExpectNewModeOrFound(HWND sheet, bool kept);

  Screen found_{};
};

// One start of the program up to its main window, with the Display page
// shown: the page is null when it is not there.
struct DisplayRun : MainWindowRun {
  HWND page = sheet != nullptr ? ShowPage(sheet, Page::Display) : nullptr;
};

// Makes an entry of a list current, found by its exact text, and sends the
// page the selection change, as choosing from the list does.
testing::AssertionResult ChooseEntry(HWND page, int list,
                                     const std::string& text);
std::string CurrentEntry(HWND page, int list);
// The desktop's depth and size as the program reads them from the screen:
// another page is shown and the Display page again, whose activation
// selects them in its lists ("16BitColor  800 x  600").
std::string DesktopShownByThePage(HWND sheet);
// Waits until the page has disabled a button, as it does at the end of
// Apply and of Set; false when it did not in time.
bool WaitUntilDisabled(HWND page, int id);

}  // namespace e2e
