#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "dialogs/expected_controls.h"
#include "machine_profile.h"
#include "main_window.h"
#include "res/controls.h"
#include "screenshot.h"
#include "window_control.h"

// Each page of the running program, at its first showing, against the
// controls its dialog template must hold, with a picture of each and the
// tooltip of one of its controls.
namespace e2e {
namespace {

// The texts of these the pages fill in themselves.
bool ProgramFillsText(const std::string& className) {
  return className == "Edit" || className == "ComboBox";
}

void ExpectTemplateControls(HWND page, int dialog) {
  for (const expected::Control& wanted : expected::Controls()) {
    if (wanted.dialog != dialog) continue;
    SCOPED_TRACE("control " + std::to_string(wanted.id));
    const HWND control = GetDlgItem(page, wanted.id);
    if (control == nullptr) {
      ADD_FAILURE() << "is missing";
      continue;
    }
    EXPECT_EQ(wanted.className, ClassName(control));
    if (!ProgramFillsText(wanted.className)) {
      EXPECT_EQ(wanted.text, WindowText(control));
    }
    EXPECT_EQ(wanted.enabled, IsWindowEnabled(control) != FALSE);
  }
}

std::string ShownTip(DWORD process) {
  for (HWND tip : TopLevelWindows(process, TOOLTIPS_CLASSA)) {
    if (IsWindowVisible(tip)) return WindowText(tip);
  }
  return "";
}

// The mouse over the middle of the control brings its tooltip, the
// program's string of the control's id. The mouse then moves off, and the
// tip goes before the next picture.
bool ShowsTip(DWORD process, HWND page, int id) {
  const HMODULE program = LoadLibraryExA(ProgramPath().c_str(), nullptr,
                                         LOAD_LIBRARY_AS_DATAFILE);
  char wanted[512] = {};
  LoadStringA(program, static_cast<UINT>(id), wanted, sizeof wanted);
  FreeLibrary(program);
  RECT rect;
  GetWindowRect(GetDlgItem(page, id), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  const bool shown = wanted[0] != '\0' &&
                     WaitUntil([&] { return ShownTip(process) == wanted; });
  SetCursorPos(0, 0);
  WaitUntil([&] { return ShownTip(process).empty(); });
  return shown;
}

// One card and the tray icon off: then the Configuration page's first
// showing enables nothing that its template disables.
TEST(PageDialogs, HoldTheControlsOfTheirTemplatesWhenFirstShown) {
  ASSERT_TRUE(SeedMachine({"win98-one-banshee", "kvartune-tray-off"}));
  MainWindowRun run;
  ASSERT_NE(nullptr, run.sheet);

  static const struct {
    Page page;
    int dialog;
    const char* name;
    int tipped;  // disabled, enabled, a combo box's edit field, a button
  } kPages[] = {{Page::Performance, 1000, "performance", IDC_CORE_CLOCK},
                {Page::Option, 1001, "option", IDC_FX_CPU},
                {Page::Display, 1002, "display", IDC_REFRESH_1024X768},
                {Page::Configuration, 1003, "configuration", IDC_LOAD_TRAY},
                {Page::Information, 1004, "information", IDC_NEWS_BUTTON}};
  for (const auto& shown : kPages) {
    SCOPED_TRACE(shown.name);
    const HWND page = ShowPage(run.sheet, shown.page);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(static_cast<int>(shown.page), CurrentPageIndex(run.sheet));
    ExpectTemplateControls(page, shown.dialog);
    EXPECT_TRUE(SaveScreenshot(run.sheet, shown.name));
    EXPECT_TRUE(ShowsTip(run.program.ProcessId(), page, shown.tipped))
        << "no tooltip on control " << shown.tipped;
  }
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

}  // namespace
}  // namespace e2e
