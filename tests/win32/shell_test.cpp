#include <gtest/gtest.h>

#include <windows.h>

#include "os/win32/win32_shell.h"

namespace {

TEST(Win32Shell, MessageBoxStyles) {
  using os::Buttons;
  using os::Icon;
  EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION),
            os::MessageBoxStyle(Buttons::Ok, Icon::Exclamation));
  EXPECT_EQ(UINT(MB_YESNO | MB_ICONEXCLAMATION),
            os::MessageBoxStyle(Buttons::YesNo, Icon::Exclamation));
  EXPECT_EQ(UINT(MB_OKCANCEL | MB_ICONEXCLAMATION),
            os::MessageBoxStyle(Buttons::OkCancel, Icon::Exclamation));
}

TEST(Win32Shell, TheMutexTellsASecondCopy) {
  os::Win32Shell first;
  const std::string name = "kvt_win32_tests_mutex";
  EXPECT_EQ(os::MutexState::Created, first.CreateNamedMutex(name));
  EXPECT_EQ(os::MutexState::AlreadyExisted, first.CreateNamedMutex(name));
}

TEST(Win32Shell, RestoringAWindowThatIsNotThere) {
  os::Win32Shell shell;
  EXPECT_FALSE(shell.RestoreWindow("No window has this caption 7f3a"));
}

}  // namespace
