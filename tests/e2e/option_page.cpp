#include "option_page.h"

#include <gtest/gtest.h>

#include "dialogs/expected_controls.h"
#include "res/controls.h"
#include "window_control.h"

namespace e2e {
namespace {

constexpr int kOptionDialog = 1001;

bool InertBoxesOff(HWND page) {
  for (const expected::Control& control : expected::Controls()) {
    if (control.dialog != kOptionDialog ||
        control.kind != expected::Kind::CheckBox || control.enabled)
      continue;
    if (IsEnabled(page, control.id) || IsChecked(page, control.id))
      return false;
  }
  return true;
}

bool ChangeDesktop(DWORD width, DWORD height) {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmPelsWidth = width;
  mode.dmPelsHeight = height;
  return ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
}

}  // namespace

// The printout names every field, so two views are equal when they print
// alike.
bool operator==(const OptionView& left, const OptionView& right) {
  return testing::PrintToString(left) == testing::PrintToString(right);
}

std::ostream& operator<<(std::ostream& out, const OptionView& view) {
  const auto state = [](bool enabled) {
    return enabled ? "enabled" : "disabled";
  };
  return out << "\n  size \"" << view.size << "\", spin "
             << state(view.spinEnabled) << ", SSTH3_LDELAY "
             << (view.switchOn ? "[x]" : "[ ]") << "\n  Apply "
             << state(view.applyEnabled) << ", Reset "
             << state(view.resetEnabled)
             << (view.inertBoxesOff ? "" : "\n  an inert box is live") << "\n";
}

OptionView ReadOptionPage(HWND page) {
  return {
      ControlText(page, IDC_MEMORY_SIZE),    IsChecked(page, IDC_LDELAY),
      IsEnabled(page, IDC_MEMORY_SIZE_SPIN), IsEnabled(page, IDC_OPTION_APPLY),
      IsEnabled(page, IDC_OPTION_RESET),     InertBoxesOff(page)};
}

DesktopSize::DesktopSize(DWORD width, DWORD height) {
  EXPECT_TRUE(ChangeDesktop(width, height)) << width << " x " << height;
}

DesktopSize::~DesktopSize() { EXPECT_TRUE(ChangeDesktop(1024, 768)); }

int DesktopSize::Width() {
  const HDC screen = GetDC(nullptr);
  const int width = GetDeviceCaps(screen, HORZRES);
  ReleaseDC(nullptr, screen);
  return width;
}

}  // namespace e2e
