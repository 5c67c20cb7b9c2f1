#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "res/controls.h"
#include "ui/win32/tip_texts.h"
#include "ui/win32/win32_sheet.h"
#include "unit/machine.h"

namespace {

// A page that counts what the dialog hands it.
class CountingPage : public ui::PropertyPage {
 public:
  CountingPage(int dialogId, os::Services& services)
      : PropertyPage(dialogId, services) {}
  bool OnInitDialog() override {
    ++initialised;
    return PropertyPage::OnInitDialog();
  }
  bool OnSetActive() override {
    ++activated;
    return PropertyPage::OnSetActive();
  }
  bool OnCommand(int id, int notification) override {
    commands.push_back({id, notification});
    return true;
  }
  int OnDeltaPos(int id, int delta) override {
    deltas.push_back({id, delta});
    return 1;  // refuse the step
  }
  int initialised = 0;
  int activated = 0;
  std::vector<std::pair<int, int>> commands;
  std::vector<std::pair<int, int>> deltas;
};

class RecordingSheet : public ui::SheetHandler {
 public:
  explicit RecordingSheet(os::Services& services) {
    for (int dialog = 1000; dialog <= 1004; ++dialog)
      pages.push_back(std::make_unique<CountingPage>(dialog, services));
  }
  std::vector<ui::PropertyPage*> Pages() override {
    std::vector<ui::PropertyPage*> result;
    for (auto& page : pages) result.push_back(page.get());
    return result;
  }
  void OnInitialize(ui::SheetWindow& sheetWindow) override {
    window = &sheetWindow;
  }
  void OnClose() override { ++closes; }
  bool OnCommand(int id) override {
    commands.push_back(id);
    return id == 10000;
  }
  void OnTrayNotify(unsigned iconId, unsigned mouse) override {
    tray.push_back({iconId, mouse});
  }
  ui::ProfileMenu Profiles() override {
    return {{"A&B", "Quake2"}, "Quake2", "Put back Quake2"};
  }
  std::vector<std::unique_ptr<CountingPage>> pages;
  ui::SheetWindow* window = nullptr;
  int closes = 0;
  std::vector<int> commands;
  std::vector<std::pair<unsigned, unsigned>> tray;
};

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// NIM_MODIFY finds the program's icon; NIM_DELETE takes it away, as a new
// tray after Explorer's restart has none.
bool NotifyTray(HWND window, DWORD change) {
  NOTIFYICONDATAA icon = {};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = window;
  icon.uID = ui::kTrayIconId;
  return Shell_NotifyIconA(change, &icon) != FALSE;
}

bool TrayIconExists(HWND window) { return NotifyTray(window, NIM_MODIFY); }

class Win32SheetTest : public ::testing::Test {
 protected:
  void Create(bool visible) {
    ASSERT_TRUE(host.Create(sheet, visible));
    window = host.Window();
    ASSERT_NE(nullptr, window);
    Pump();
  }
  void TearDown() override {
    if (host.Window() != nullptr) DestroyWindow(host.Window());
    Pump();
  }
  HWND PageWindow() {
    return reinterpret_cast<HWND>(
        SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0));
  }

  Machine pc;
  RecordingSheet sheet{pc.services};
  ui::Win32Sheet host{GetModuleHandleA(nullptr)};
  HWND window = nullptr;
};

TEST_F(Win32SheetTest, TheWindowHasTheStartUpStyleAndNoSheetButtons) {
  Create(false);
  EXPECT_FALSE(IsWindowVisible(window));
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  for (LONG bit : {LONG(WS_POPUP), LONG(WS_CAPTION), LONG(WS_SYSMENU),
                   LONG(WS_MINIMIZEBOX), LONG(DS_MODALFRAME)})
    EXPECT_EQ(bit, style & bit);
  EXPECT_EQ(0, style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD));
  EXPECT_EQ(nullptr, GetParent(window));
  char caption[32] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ("Kvartune", caption);
  for (int id : {IDOK, IDCANCEL, IDHELP, 12321})
    EXPECT_EQ(nullptr, GetDlgItem(window, id)) << id;
  EXPECT_NE(0, SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  EXPECT_NE(0, SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(&host, static_cast<ui::Win32Sheet*>(sheet.window));
}

// Move, Minimize and Close, and the settings commands, which reach the
// sheet's handler as commands.
TEST_F(Win32SheetTest, TheSystemMenuHoldsMoveMinimizeCloseAndTheSettings) {
  Create(true);
  HMENU menu = GetSystemMenu(window, FALSE);
  for (UINT kept : {SC_MOVE, SC_MINIMIZE, SC_CLOSE})
    EXPECT_NE(-1, int(GetMenuState(menu, kept, MF_BYCOMMAND))) << kept;
  for (UINT gone : {SC_RESTORE, SC_SIZE, SC_MAXIMIZE})
    EXPECT_EQ(-1, int(GetMenuState(menu, gone, MF_BYCOMMAND))) << gone;
  const std::pair<UINT, const char*> settings[] = {
      {10016, "Export settings..."},
      {10032, "Import settings..."},
      {10048, "Restore..."}};
  for (const auto& [command, text] : settings) {
    char shown[64] = {};
    GetMenuStringA(menu, command, shown, sizeof shown, MF_BYCOMMAND);
    EXPECT_STREQ(text, shown);
    SendMessageA(window, WM_SYSCOMMAND, command, 0);
  }
  EXPECT_EQ((std::vector<int>{10016, 10032, 10048}), sheet.commands);

  // "Profiles", filled as it opens: the profiles (the active one checked),
  // a separator, "Save settings as profile..." and the active run's item.
  const HMENU profiles = GetSubMenu(menu, GetMenuItemCount(menu) - 1);
  ASSERT_NE(nullptr, profiles);
  SendMessageA(window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(profiles),
               MAKELPARAM(GetMenuItemCount(menu) - 1, TRUE));
  std::vector<std::string> items;
  for (int i = 0; i < GetMenuItemCount(profiles); ++i) {
    char shown[64] = {};
    GetMenuStringA(profiles, i, shown, sizeof shown, MF_BYPOSITION);
    items.push_back(std::to_string(GetMenuItemID(profiles, i)) + " " + shown);
  }
  EXPECT_EQ((std::vector<std::string>{"10240 A&&B", "10256 Quake2",
                                      "0 ", "10064 Save settings as profile...",
                                      "10080 Put back Quake2"}),
            items);
  EXPECT_EQ(UINT(MF_CHECKED), GetMenuState(profiles, 10256, MF_BYCOMMAND) &
                                  MF_CHECKED);
  SendMessageA(window, WM_SYSCOMMAND, 10256 | 3, 0);
  EXPECT_EQ(10256, sheet.commands.back());
}

TEST_F(Win32SheetTest, PagesAreMadeWhenFirstShownAndReactivated) {
  Create(true);
  EXPECT_EQ(5, TabCtrl_GetItemCount(PropSheet_GetTabControl(window)));
  EXPECT_EQ(1, sheet.pages[0]->initialised);
  EXPECT_EQ(1, sheet.pages[0]->activated);
  EXPECT_EQ(0, sheet.pages[3]->initialised);

  sheet.window->SetActivePage(3);
  EXPECT_EQ(3, sheet.window->ActivePage());
  EXPECT_EQ(1, sheet.pages[3]->initialised);
  sheet.window->SetActivePage(0);
  EXPECT_EQ(2, sheet.pages[0]->activated);
  EXPECT_EQ(1, sheet.pages[0]->initialised);
}

TEST_F(Win32SheetTest, PageControlsReachThePage) {
  Create(true);
  sheet.window->SetActivePage(3);
  HWND page = PageWindow();
  ASSERT_NE(nullptr, page);
  SendMessageA(GetDlgItem(page, IDC_LOAD_TRAY), BM_CLICK, 0, 0);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{IDC_LOAD_TRAY, BN_CLICKED}}),
            sheet.pages[3]->commands);
}

TEST_F(Win32SheetTest, UpDownStepsAskThePage) {
  Create(true);
  HWND page = PageWindow();
  HWND spin = GetDlgItem(page, IDC_D3D_GAMMA_RED_SPIN);
  ASSERT_NE(nullptr, spin);
  EnableWindow(spin, TRUE);
  NMUPDOWN step = {};
  step.hdr.hwndFrom = spin;
  step.hdr.idFrom = IDC_D3D_GAMMA_RED_SPIN;
  step.hdr.code = UDN_DELTAPOS;
  step.iDelta = -1;
  SendMessageA(page, WM_NOTIFY, IDC_D3D_GAMMA_RED_SPIN,
               reinterpret_cast<LPARAM>(&step));
  EXPECT_EQ(1, GetWindowLongPtrA(page, DWLP_MSGRESULT));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{IDC_D3D_GAMMA_RED_SPIN, -1}}),
            sheet.pages[0]->deltas);
}

// Windows NT's comctl32 asks a page that it made a Unicode window for its
// tips' texts with TTN_NEEDTEXTW; the whole text comes back, here that of a
// combo box's edit field.
TEST_F(Win32SheetTest, PagesGiveTheirTipsWholeInUnicode) {
  Create(true);
  sheet.window->SetActivePage(2);
  const HWND combo = GetDlgItem(PageWindow(), IDC_REFRESH_1024X768);
  NMTTDISPINFOW ask = {};
  ask.hdr.idFrom = reinterpret_cast<UINT_PTR>(GetWindow(combo, GW_CHILD));
  ask.hdr.code = TTN_NEEDTEXTW;
  ask.uFlags = TTF_IDISHWND;
  SendMessageA(PageWindow(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ask));
  char answer[512] = {};
  ASSERT_NE(nullptr, ask.lpszText);
  WideCharToMultiByte(CP_ACP, 0, ask.lpszText, -1, answer, sizeof answer,
                      nullptr, nullptr);
  EXPECT_STREQ(ui::TipText(IDC_REFRESH_1024X768), answer);
}

// A real up-down in its default range, clicked on its upper and then on its
// lower arrow: the upper arrow steps by -1, which the pages take as up.
TEST_F(Win32SheetTest, ArrowClicksReachThePageAsSteps) {
  Create(true);
  const HWND spin = GetDlgItem(PageWindow(), IDC_D3D_GAMMA_RED_SPIN);
  ASSERT_NE(nullptr, spin);
  RECT area;
  GetClientRect(spin, &area);
  for (const LONG y : {area.bottom / 4, area.bottom * 3 / 4}) {
    const LPARAM point = MAKELPARAM(area.right / 2, y);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(spin, WM_LBUTTONUP, 0, point);
  }
  EXPECT_EQ((std::vector<std::pair<int, int>>{{IDC_D3D_GAMMA_RED_SPIN, -1},
                                              {IDC_D3D_GAMMA_RED_SPIN, 1}}),
            sheet.pages[0]->deltas);
}

TEST_F(Win32SheetTest, WindowMessagesReachTheSheet) {
  Create(true);
  // The low four bits of the command are the system's own and may be set.
  SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE | 2, 0);
  EXPECT_EQ(1, sheet.closes);
  EXPECT_TRUE(IsWindow(window));

  const UINT trayMessage = RegisterWindowMessageA("WM_ICONNOTIFY");
  SendMessageA(window, trayMessage, 100, WM_LBUTTONDBLCLK);
  EXPECT_EQ((std::vector<std::pair<unsigned, unsigned>>{{100, 0x0203}}),
            sheet.tray);

  sheet.window->PostCommand(10000);
  Pump();
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(10001, 1), 0);
  EXPECT_EQ(std::vector<int>{10000}, sheet.commands);
}

TEST_F(Win32SheetTest, TrayIconComesAndGoes) {
  Create(true);
  EXPECT_FALSE(TrayIconExists(window));
  sheet.window->AddTrayIcon();
  Pump();
  EXPECT_TRUE(TrayIconExists(window));
  // Explorer started again: the program adds its icon to the new tray.
  NotifyTray(window, NIM_DELETE);
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  SendMessageA(window, taskbarCreated, 0, 0);
  EXPECT_TRUE(TrayIconExists(window));
  sheet.window->RemoveTrayIcon();
  EXPECT_FALSE(TrayIconExists(window));
  SendMessageA(window, taskbarCreated, 0, 0);
  EXPECT_FALSE(TrayIconExists(window));

  // Removed before the window got round to adding it: it never comes.
  sheet.window->AddTrayIcon();
  sheet.window->RemoveTrayIcon();
  Pump();
  EXPECT_FALSE(TrayIconExists(window));
}

TEST_F(Win32SheetTest, HiddenWindowComesBackCentred) {
  Create(true);
  sheet.window->Hide();
  EXPECT_FALSE(IsWindowVisible(window));
  sheet.window->CenterAndRestore();
  EXPECT_TRUE(IsWindowVisible(window));
  RECT desktop, own;
  GetWindowRect(GetDesktopWindow(), &desktop);
  GetWindowRect(window, &own);
  EXPECT_EQ((desktop.right - (own.right - own.left)) / 2, own.left);
  EXPECT_EQ((desktop.bottom - (own.bottom - own.top)) / 2, own.top);
}

// Esc presses the sheet's Cancel and Enter its OK; the window must go on
// working after either.
TEST_F(Win32SheetTest, AfterEscapeOrEnterThePagesStillWork) {
  Create(true);
  sheet.window->PressButton(ui::SheetButton::Cancel);
  sheet.window->Hide();
  sheet.window->CenterAndRestore();
  sheet.window->SetActivePage(2);
  EXPECT_EQ(2, sheet.window->ActivePage());
  EXPECT_EQ(1, sheet.pages[2]->initialised);
  EXPECT_NE(nullptr, PageWindow());

  sheet.window->PressButton(ui::SheetButton::Ok);
  Pump();
  EXPECT_TRUE(IsWindow(window));
  sheet.window->SetActivePage(4);
  EXPECT_EQ(4, sheet.window->ActivePage());
  EXPECT_EQ(1, sheet.pages[4]->initialised);
  EXPECT_NE(nullptr, PageWindow());
}

TEST_F(Win32SheetTest, DestroyingTheWindowEndsTheMessageLoop) {
  Create(true);
  sheet.window->Destroy();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(nullptr, host.Window());
  MSG message;
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
