#include "os/win32/timed_message_box.h"

#include <cstring>

namespace os {
namespace {

// The message box's text control, and the class of its window.
constexpr int kBoxText = 0xFFFF;
constexpr char kBoxClass[] = "#32770";
constexpr UINT kSecond = 1000;

// A question being asked: its box once made, its hook, timer and seconds.
struct Countdown {
  const CountdownText& text;
  unsigned secondsLeft;
  HWND box = nullptr;
  HHOOK hook = nullptr;
  UINT_PTR timer = 0;
};

// The question this thread asks. Neither the hook nor a thread timer carries
// data of its own; the program has one thread, which asks one such question
// at a time.
Countdown* asked = nullptr;

// The first dialog window made on this thread while the question is asked
// is its box.
LRESULT CALLBACK WatchForTheBox(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && asked->box == nullptr) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    char className[sizeof kBoxClass + 1] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, kBoxClass) == 0) asked->box = window;
  }
  return CallNextHookEx(asked->hook, code, wParam, lParam);
}

void CALLBACK CountDown(HWND, UINT, UINT_PTR timer, DWORD) {
  if (asked == nullptr || timer != asked->timer || asked->box == nullptr)
    return;
  if (asked->secondsLeft <= 1) {
    EndDialog(asked->box, IDCANCEL);
    return;
  }
  --asked->secondsLeft;
  SetDlgItemTextA(asked->box, kBoxText,
                  asked->text.At(asked->secondsLeft).c_str());
}

}  // namespace

int TimedMessageBox(HWND owner, const CountdownText& text,
                    const std::string& caption, UINT style, unsigned seconds) {
  Countdown countdown{text, seconds};
  Countdown* const outer = asked;
  asked = &countdown;
  countdown.hook = SetWindowsHookExA(WH_CBT, WatchForTheBox, nullptr,
                                     GetCurrentThreadId());
  countdown.timer = SetTimer(nullptr, 0, kSecond, CountDown);
  const int result =
      MessageBoxA(owner, text.At(seconds).c_str(), caption.c_str(), style);
  KillTimer(nullptr, countdown.timer);
  if (countdown.hook != nullptr) UnhookWindowsHookEx(countdown.hook);
  asked = outer;
  return result;
}

}  // namespace os
