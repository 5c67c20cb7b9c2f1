#include "window_control.h"

namespace e2e {
namespace {

struct Search {
  DWORD processId;
  const std::string& windowClass;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM context) {
  Search& search = *reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && ClassName(window) == search.windowClass)
    search.found.push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM context) {
  Search& search = *reinterpret_cast<Search*>(context);
  if (ClassName(window) == search.windowClass) search.found.push_back(window);
  return TRUE;
}

}  // namespace

std::string ClassName(HWND window) {
  char name[256];
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                           kAnswerTimeout, &answer))
    return 0;
  return static_cast<LRESULT>(answer);
}

std::vector<HWND> TopLevelWindows(DWORD processId,
                                  const std::string& windowClass) {
  Search search{processId, windowClass, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ChildWindows(HWND parent, const std::string& windowClass) {
  Search search{0, windowClass, {}};
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  const LRESULT length = Ask(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = Ask(window, WM_GETTEXT, text.size(),
                             reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::string ControlText(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  return control != nullptr ? WindowText(control) : std::string();
}

HICON ShownIcon(HWND control) {
  return reinterpret_cast<HICON>(Ask(control, STM_GETICON, 0, 0));
}

bool PressButton(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  return button != nullptr &&
         PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                      reinterpret_cast<LPARAM>(button));
}

bool FocusAndPressButton(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  return button != nullptr &&
         PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button),
                      TRUE) &&
         PressButton(dialog, id);
}

bool HasEnabledFocus(HWND window) {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr),
                          &thread) &&
         thread.hwndFocus != nullptr && IsWindowEnabled(thread.hwndFocus);
}

bool ClickButton(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  if (button == nullptr || !IsWindowEnabled(button)) return false;
  Ask(button, BM_CLICK, 0, 0);
  return true;
}

bool PostKeyPress(HWND window, WPARAM key) {
  const LPARAM scanCode =
      static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(key),
                                         MAPVK_VK_TO_VSC))
      << 16;
  return PostMessageA(window, WM_KEYDOWN, key, scanCode | 1) &&
         PostMessageA(window, WM_KEYUP, key, scanCode | 0xC0000001);
}

bool ClickArrow(HWND page, int upDown, bool upper) {
  const HWND spin = GetDlgItem(page, upDown);
  if (spin == nullptr) return false;
  RECT area;
  GetClientRect(spin, &area);
  const LPARAM point = MAKELPARAM(
      area.right / 2, upper ? area.bottom / 4 : area.bottom * 3 / 4);
  Ask(spin, WM_LBUTTONDOWN, MK_LBUTTON, point);
  Ask(spin, WM_LBUTTONUP, 0, point);
  return true;
}

bool IsChecked(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  return button != nullptr && Ask(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int id) {
  const HWND control = GetDlgItem(dialog, id);
  return control != nullptr && IsWindowEnabled(control);
}

// The ANSI CB_GETLBTEXT hands back the UTF-16 bytes: ask in UTF-16.
std::string ComboEntry(HWND combo, WPARAM index) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, index, 0, SMTO_ABORTIFHUNG,
                      kAnswerTimeout, &length);
  std::wstring wide(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(combo, CB_GETLBTEXT, index,
                      reinterpret_cast<LPARAM>(wide.data()), SMTO_ABORTIFHUNG,
                      kAnswerTimeout, &copied);
  if (copied > length) copied = 0;
  char text[256] = {};
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(),
                                       static_cast<int>(copied), text,
                                       sizeof text, nullptr, nullptr);
  return std::string(text, size > 0 ? size : 0);
}

std::vector<std::string> ComboEntries(HWND combo) {
  std::vector<std::string> entries;
  const LRESULT count = Ask(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i)
    entries.push_back(ComboEntry(combo, static_cast<WPARAM>(i)));
  return entries;
}

}  // namespace e2e
