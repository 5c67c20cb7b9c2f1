#include "display_page.h"

#include <algorithm>
#include <vector>

#include "res/controls.h"
#include "scenario.h"
#include "window_control.h"

namespace e2e {
bool operator==(const Screen& left, const Screen& right) {
  return left.bitsPerPixel == right.bitsPerPixel &&
         left.width == right.width && left.height == right.height;
}

std::ostream& operator<<(std::ostream& out, const Screen& screen) {
  return out << screen.bitsPerPixel << " bits, " << screen.width << " x "
             << screen.height;
}

Screen ScreenNow() {
  const HDC screen = GetDC(nullptr);
  const Screen now{GetDeviceCaps(screen, BITSPIXEL),
                   GetDeviceCaps(screen, HORZRES),
                   GetDeviceCaps(screen, VERTRES)};
  ReleaseDC(nullptr, screen);
  return now;
}

std::string ScreenSize() {
  const Screen now = ScreenNow();
  return std::to_string(now.width) + " x " + std::to_string(now.height);
}

Screen StoredSetting() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  if (!EnumDisplaySettingsA(nullptr, ENUM_REGISTRY_SETTINGS, &mode)) return {};
  return {static_cast<int>(mode.dmBitsPerPel),
          static_cast<int>(mode.dmPelsWidth),
          static_cast<int>(mode.dmPelsHeight)};
}

void DisplayScenario::SetUp() {
  found_ = ScreenNow();
  ASSERT_EQ(found_, StoredSetting());
}

// The program may have left another depth stored without this process
// seeing it: the mode found is set and stored whatever this process sees.
void DisplayScenario::RestoreDesktop() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmBitsPerPel = static_cast<DWORD>(found_.bitsPerPixel);
  mode.dmPelsWidth = static_cast<DWORD>(found_.width);
  mode.dmPelsHeight = static_cast<DWORD>(found_.height);
  EXPECT_EQ(DISP_CHANGE_SUCCESSFUL,
            ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY));
  EXPECT_EQ(found_, ScreenNow());
  EXPECT_EQ(found_, StoredSetting());
}

void DisplayScenario::SetTo16BitsAt800x600(DisplayRun& run,
                                           int answer) {
  ASSERT_TRUE(ChooseEntry(run.page, IDC_MODE_DEPTH, "16BitColor"));
  ASSERT_TRUE(ChooseEntry(run.page, IDC_MODE_SIZE, " 800 x  600"));
  ASSERT_TRUE(IsEnabled(run.page, IDC_MODE_SET));
  ASSERT_TRUE(PressButton(run.page, IDC_MODE_SET));
  AnswerQuestion(run.program, "Keep this DisplayMode?", answer,
                 [] { EXPECT_EQ("800 x 600", ScreenSize()); });
  ASSERT_TRUE(WaitUntilDisabled(run.page, IDC_MODE_SET));
}

void DisplayScenario::ExpectNewModeOrFound(HWND sheet, bool kept) {
  EXPECT_EQ(kept ? "800 x 600" : "1024 x 768", ScreenSize());
  EXPECT_EQ(kept ? Screen({16, 800, 600}) : found_, StoredSetting());
  EXPECT_EQ(kept ? "16BitColor  800 x  600" : "32BitColor 1024 x  768",
            DesktopShownByThePage(sheet));
  EXPECT_TRUE(HasText(kCommon, "checkdispmode", "1"));
}

testing::AssertionResult ChooseEntry(HWND page, int list,
                                     const std::string& text) {
  const HWND combo = GetDlgItem(page, list);
  const std::vector<std::string> entries = ComboEntries(combo);
  const auto found = std::find(entries.begin(), entries.end(), text);
  if (combo == nullptr || found == entries.end())
    return testing::AssertionFailure() << "no entry \"" << text << "\"";
  Ask(combo, CB_SETCURSEL, static_cast<WPARAM>(found - entries.begin()), 0);
  Ask(page, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
      reinterpret_cast<LPARAM>(combo));
  return testing::AssertionSuccess();
}

std::string CurrentEntry(HWND page, int list) {
  const HWND combo = GetDlgItem(page, list);
  const LRESULT index = Ask(combo, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? std::string()
                         : ComboEntry(combo, static_cast<WPARAM>(index));
}

std::string DesktopShownByThePage(HWND sheet) {
  ShowPage(sheet, Page::Option);
  const HWND page = ShowPage(sheet, Page::Display);
  return CurrentEntry(page, IDC_MODE_DEPTH) + " " +
         CurrentEntry(page, IDC_MODE_SIZE);
}

bool WaitUntilDisabled(HWND page, int id) {
  return WaitUntil([&] { return !IsEnabled(page, id); });
}

}  // namespace e2e
