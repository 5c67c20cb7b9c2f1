#pragma once

#include <vector>

#include "os/display.h"

namespace fakes {

struct DisplayChange {
  os::DisplayMode mode;
  os::ModeFields fields;
  os::ChangeFlags flags;
};

// A change with `flags` that passes its test and then fails with `result`,
// as Windows allows and Wine never does: the screen stays, but a
// DISP_CHANGE_RESTART with CDS_UPDATEREGISTRY stores the mode all the same.
struct FailingChange {
  os::DisplayMode mode;  // matched as a refused mode
  os::ChangeFlags flags;
  long result;
};

// Wine's virtual desktop: fourteen sizes from 320 x 200 to 1280 x 1024, at
// 32, then 16, then 8 bits per pixel, all at 60 Hz.
std::vector<os::DisplayMode> WineDesktopModes();

// The platform's display settings: a mode list, the screen, and a record of
// every change asked for, tests included. A change is accepted when a listed
// mode has its depth and size (and its frequency, when the change asks for
// one) and no refused mode matches it; an accepted change that is no test
// sets the screen.
class FakeDisplay : public os::Display {
 public:
  bool ModeAt(int index, os::DisplayMode& mode) override;
  os::ScreenMode Screen() override { return screen; }
  long Change(const os::DisplayMode& mode, os::ModeFields fields,
              os::ChangeFlags flags) override;

  // The changes that were not tests.
  std::vector<DisplayChange> Changes() const;

  std::vector<os::DisplayMode> modes = WineDesktopModes();
  // Modes the platform will not set: depth and size, and the frequency when
  // it is not 0.
  std::vector<os::DisplayMode> refused;
  std::vector<FailingChange> failing;
  os::ScreenMode screen{32, 1024, 768};
  // Every call of Change, in order.
  std::vector<DisplayChange> calls;
  // The last mode stored as the display setting, frequency included.
  os::DisplayMode stored{32, 1024, 768, 60};

 private:
  bool Accepts(const os::DisplayMode& mode, os::ModeFields fields) const;
};

}  // namespace fakes
