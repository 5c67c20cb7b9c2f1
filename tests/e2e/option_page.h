#pragma once

#include <windows.h>

#include <ostream>
#include <string>

#include "main_window.h"

// The Option page as the user sees it, and the desktop sizes it is used at.
namespace e2e {

struct OptionView {
  std::string size;  // the memory size edit
  bool switchOn;     // SSTH3_LDELAY
  bool spinEnabled;
  bool applyEnabled = false, resetEnabled = false;
  // The 25 boxes that are never live are all disabled and unchecked.
  bool inertBoxesOff = true;
};
bool operator==(const OptionView& left, const OptionView& right);
std::ostream& operator<<(std::ostream& out, const OptionView& view);

OptionView ReadOptionPage(HWND page);

using OptionRun = PageRun<Page::Option>;

// The virtual desktop at another size while the object lives, as a change
// of the display mode makes it; then 1024 x 768 again.
class DesktopSize {
 public:
  DesktopSize(DWORD width, DWORD height);
  ~DesktopSize();
  DesktopSize(const DesktopSize&) = delete;
  DesktopSize& operator=(const DesktopSize&) = delete;

  // The screen's width as a program started now finds it.
  static int Width();
};

}  // namespace e2e
