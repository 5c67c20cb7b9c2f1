#pragma once

#include <windows.h>

// Waiting for the program, which runs on its own: every check of what it
// does polls until the answer comes or the patience runs out.
namespace e2e {

// How long a scenario waits for the program at most, for any one thing.
constexpr DWORD kPatience = 10000;
constexpr DWORD kPollInterval = 10;

// Polls a condition until it holds; false when the time is up first.
template <typename Condition>
bool WaitUntil(Condition holds, DWORD milliseconds = kPatience) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (holds()) return true;
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(kPollInterval);
  }
}

}  // namespace e2e
