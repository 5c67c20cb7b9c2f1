#pragma once

#include <array>
#include <string>

#include "ui/controls.h"

// The driver switches of the Performance page: one check box each, the
// value behind it, which text checks the box at load, the box after Default
// and what Apply leaves in the registry.
namespace performance {

struct Switch {
  int box;
  const char* name;
  // The text that checks the box at load; with `checkedUnlessText` set, any
  // other text checks it.
  const char* loadText;
  bool checkedUnlessText;
  bool afterDefault;
  // What Apply writes when the box is checked or unchecked; null: nothing.
  const char* whenChecked;
  const char* whenUnchecked;
};

// The Direct3D switches, in the order Apply deletes and writes them.
extern const std::array<Switch, 4> kD3DSwitches;
// The Glide switches but the splash one, in the same order.
extern const std::array<Switch, 6> kGlideSwitches;
// "Disable 3Dfx splash screen", which Windows 95/98 also keeps in a batch file.
extern const Switch kSplashSwitch;

// The DirectX switches "SoftwareOnly" and "EmulationOnly": 1 (emulate)
// unchecks the hardware acceleration box.
struct DirectXSwitch {
  const char* key;
  const char* name;
  int box;
};
extern const std::array<DirectXSwitch, 2> kDirectXSwitches;

bool CheckedAtLoad(const Switch& box, const std::string& text);
// The text Apply writes for the box's state; null when nothing is written.
const char* Written(const Switch& box, bool checked);

}  // namespace performance
