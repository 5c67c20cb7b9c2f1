#pragma once

#include "os/display.h"

namespace os {

class Win32Display : public Display {
 public:
  bool ModeAt(int index, DisplayMode& mode) override;
  ScreenMode Screen() override;
  long Change(const DisplayMode& mode, ModeFields fields,
              ChangeFlags flags) override;
};

}  // namespace os
