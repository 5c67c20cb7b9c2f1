#include "pages/display/desktop_modes.h"

#include "pages/display/mode_texts.h"

namespace display {

void DesktopModes::ReadDesktopMode() {
  const os::ScreenMode screen = display_.Screen();
  depth = screen.bitsPerPixel * screen.planes;
  width = screen.width;
  height = screen.height;
}

int DesktopModes::FindMode(const std::string& target,
                           os::ModeFields textFields) const {
  int found = kNoMode;
  os::DisplayMode mode;
  for (int index = 0; display_.ModeAt(index, mode); ++index)
    if (ModeText(mode, textFields) == target) found = index;
  return found;
}

int DesktopModes::ModeIndexForRate(std::uint32_t hertz) const {
  const os::DisplayMode desktop{static_cast<std::uint32_t>(depth),
                                static_cast<std::uint32_t>(width),
                                static_cast<std::uint32_t>(height), hertz};
  return FindMode(ModeText(desktop, os::ModeFields::WithFrequency),
                  os::ModeFields::WithFrequency);
}

long DesktopModes::ChangeToMode(int index, os::ChangeFlags flags) {
  os::DisplayMode mode;
  const long result = TestAndChange(index, flags, mode);
  if (result == os::display_change::kSuccessful) {
    depth = static_cast<int>(mode.bitsPerPixel);
    width = static_cast<int>(mode.width);
    height = static_cast<int>(mode.height);
  }
  return result;
}

// The neighbours and the mode itself are changed to without storing them:
// the stored display setting stays the current mode. The way back is tried
// whatever happened before, so that a screen left on a neighbour returns.
bool DesktopModes::BounceMode() {
  if (current == kNoMode) return false;
  os::DisplayMode mode;
  constexpr long kChanged = os::display_change::kSuccessful;
  const bool away =
      TestAndChange(current - 1, os::ChangeFlags::Now, mode) == kChanged ||
      TestAndChange(current + 1, os::ChangeFlags::Now, mode) == kChanged;
  const bool back =
      TestAndChange(current, os::ChangeFlags::Now, mode) == kChanged;
  return away && back;
}

long DesktopModes::TestAndChange(int index, os::ChangeFlags flags,
                                 os::DisplayMode& mode) {
  if (!display_.ModeAt(index, mode)) return os::display_change::kBadMode;
  const long test = display_.Change(mode, fields, os::ChangeFlags::Test);
  if (test != os::display_change::kSuccessful) return test;
  return display_.Change(mode, fields, flags);
}

}  // namespace display
