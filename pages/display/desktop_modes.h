#pragma once

#include <cstdint>
#include <string>

#include "os/display.h"

namespace display {

// No listed mode: a position the page never changes to.
inline constexpr int kNoMode = -1;

// The desktop as the page knows it, and its changes through the platform's
// mode list. Windows 95/98 changes modes by depth and size; Windows NT by
// depth, size and frequency, which `fields` says.
class DesktopModes {
 public:
  explicit DesktopModes(os::Display& display) : display_(display) {}

  // The screen's depth (its bits per pixel in all its planes) and size.
  void ReadDesktopMode();
  // The last listed mode whose text (with `textFields`) is `target`;
  // kNoMode when none is.
  int FindMode(const std::string& target, os::ModeFields textFields) const;
  // Windows NT: the mode of the desktop's depth and size at this rate.
  int ModeIndexForRate(std::uint32_t hertz) const;
  // Tests the listed mode and, when the test passes, changes to it with
  // `flags`. Returns the test's result, or the change's when the test
  // passed: Windows can still fail the change then. The desktop becomes the
  // mode only when the change succeeded; a position that lists no mode fails
  // the test and changes nothing.
  long ChangeToMode(int index, os::ChangeFlags flags);
  // Windows 95/98: sets the current mode again, by way of a neighbour in the
  // list, so that the driver takes up a new refresh rate. True when the
  // screen went to a neighbour and back; without a known current mode
  // nothing changes.
  bool BounceMode();

  os::ModeFields fields = os::ModeFields::DepthAndSize;
  int depth = 0;
  int width = 0;
  int height = 0;
  // The position of the mode the page takes as current.
  int current = kNoMode;

 private:
  // Tests the listed mode at `index` and, when it passes, changes to it;
  // returns the test's result, or the change's when the test passed.
  long TestAndChange(int index, os::ChangeFlags flags, os::DisplayMode& mode);

  os::Display& display_;
};

}  // namespace display
