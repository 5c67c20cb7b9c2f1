#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "dialogs/expected_controls.h"
#include "machine_profile.h"
#include "main_window.h"
#include "res/controls.h"
#include "screenshot.h"
#include "ui/win32/tip_texts.h"
#include "window_control.h"

// Each page of the running program, at its first showing, against the
// controls its dialog template must hold, with a picture of each and the
// whole tooltip of one of its controls.
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

// The tooltip window of the process that shows a tip, or null.
HWND ShownTips(DWORD process) {
  for (HWND tips : TopLevelWindows(process, TOOLTIPS_CLASSA)) {
    if (IsWindowVisible(tips) && !WindowText(tips).empty()) return tips;
  }
  return nullptr;
}

// A tool's record and room for its text in the program's process, for the
// tooltip's messages that fill them in.
class ToolRecord {
 public:
  explicit ToolRecord(DWORD process)
      : process_(OpenProcess(
            PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
            process)),
        remote_(static_cast<Remote*>(VirtualAllocEx(
            process_, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE))) {}
  ~ToolRecord() {
    VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  ToolRecord(const ToolRecord&) = delete;
  ToolRecord& operator=(const ToolRecord&) = delete;

  // The text of the tool that TTM_ENUMTOOLSA or TTM_GETCURRENTTOOLA names,
  // as Windows 95 and NT 4.0 keep it: a text handed with the tool counts as
  // its first 80 characters (Wine keeps it whole). None for a tool that
  // asks for its text by callback when its tip is shown.
  std::optional<std::string> Text(HWND tips, UINT message, WPARAM index) {
    Remote local = {};
    local.tool.cbSize = TTTOOLINFOA_V1_SIZE;
    local.tool.lpszText = remote_->text;
    WriteProcessMemory(process_, remote_, &local, sizeof local, nullptr);
    if (SendMessageA(tips, message, index, reinterpret_cast<LPARAM>(remote_)) ==
        FALSE)
      return "no such tool";
    ReadProcessMemory(process_, remote_, &local, sizeof local, nullptr);
    if (local.tool.lpszText == LPSTR_TEXTCALLBACKA) return std::nullopt;
    local.text[kKeptByWindows] = '\0';
    return std::string(local.text);
  }

 private:
  static constexpr int kKeptByWindows = 80;
  struct Remote {
    TOOLINFOA tool;
    char text[1024];
  };
  HANDLE process_;
  Remote* remote_;
};

// The mouse over the middle of the control brings a tooltip: what it shows
// as Windows would show it. Every tool of that tooltip, the page's, must
// take its text by callback. The mouse then moves off, and the tip goes
// before the next picture.
std::string ShownTip(DWORD process, HWND page, int id) {
  RECT rect;
  GetWindowRect(GetDlgItem(page, id), &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  std::string shown;
  if (WaitUntil([&] { return ShownTips(process) != nullptr; })) {
    const HWND tips = ShownTips(process);
    ToolRecord record(process);
    const LRESULT tools = SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0);
    EXPECT_LT(0, tools);
    int holding = 0;
    for (WPARAM tool = 0; tool < static_cast<WPARAM>(tools); ++tool)
      holding += record.Text(tips, TTM_ENUMTOOLSA, tool).has_value();
    EXPECT_EQ(0, holding) << "tools that hold their text, of " << tools;
    shown =
        record.Text(tips, TTM_GETCURRENTTOOLA, 0).value_or(WindowText(tips));
  }
  SetCursorPos(0, 0);
  WaitUntil([&] { return ShownTips(process) == nullptr; });
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
    EXPECT_EQ(ui::TipText(shown.tipped),
              ShownTip(run.program.ProcessId(), page, shown.tipped))
        << "the tooltip of control " << shown.tipped;
  }
  EXPECT_TRUE(Unload(run.program, run.sheet));
}

}  // namespace
}  // namespace e2e
