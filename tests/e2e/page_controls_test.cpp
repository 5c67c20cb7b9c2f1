#include <gtest/gtest.h>

#include <string>

#include "dialogs/expected_controls.h"
#include "machine_profile.h"
#include "main_window.h"
#include "screenshot.h"
#include "window_control.h"

// Each page of the running program, at its first showing, against the
// controls its dialog template must hold, with a picture of each.
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
  } kPages[] = {{Page::Performance, 1000, "performance"},
                {Page::Option, 1001, "option"},
                {Page::Display, 1002, "display"},
                {Page::Configuration, 1003, "configuration"},
                {Page::Information, 1004, "information"}};
  for (const auto& shown : kPages) {
    SCOPED_TRACE(shown.name);
    const HWND page = ShowPage(run.sheet, shown.page);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(static_cast<int>(shown.page), CurrentPageIndex(run.sheet));
    ExpectTemplateControls(page, shown.dialog);
    EXPECT_TRUE(SaveScreenshot(run.sheet, shown.name));
  }
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

}  // namespace
}  // namespace e2e
