#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e_paths.h"
#include "program_run.h"

// The program's main window, the property sheet captioned "Kvartune": its
// pages, and what a user does to it from its title bar and keyboard.
namespace e2e {

inline const std::string kTitle = "Kvartune";

// The pages in the sheet's order, which gives their indices.
enum class Page { Performance, Option, Display, Configuration, Information };

// The tray menu's "Unload" command.
constexpr WORD kUnloadCommand = 10001;

// Waits until the program has created its main window, shown or hidden, and
// waits for the user. Null when no window came in time or the program ended.
HWND WaitForMainWindow(ProgramRun& program);
// One start of the program on the seeded machine, up to its main window:
// the sheet is null when none came.
struct MainWindowRun {
  ProgramRun program{ProgramPath()};
  HWND sheet = WaitForMainWindow(program);
};

// Makes a page the current one, as a click on its tab does, and returns its
// dialog, which the sheet creates when the page is first shown.
HWND ShowPage(HWND sheet, Page page);

// The same start, with one page shown: the page is null when it is not
// there.
template <Page shown>
struct PageRun : MainWindowRun {
  HWND page = sheet != nullptr ? ShowPage(sheet, shown) : nullptr;
};

// Waits until the window is shown, or hidden; false when it did not change
// in time.
bool WaitUntilShown(HWND window, bool shown);

int CurrentPageIndex(HWND sheet);

// What the title bar's close button sends, WM_SYSCOMMAND SC_CLOSE; the
// program has handled it when this returns.
void CloseFromTitleBar(HWND sheet);
// Posts an Esc key press to the control with the keyboard focus (or to the
// sheet when it has none), which the program's message loop turns into the
// dialog's Cancel.
bool PressEscape(HWND sheet);

// Sends the tray menu's "Unload" command as the menu does, and checks that
// the program then ends normally.
testing::AssertionResult Unload(ProgramRun& program, HWND sheet);
testing::AssertionResult EndsNormally(ProgramRun& program);

// The window's top-left corner is where centring it on the desktop puts it.
testing::AssertionResult IsCentredOnDesktop(HWND window);

}  // namespace e2e
