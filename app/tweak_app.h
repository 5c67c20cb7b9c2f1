#pragma once

#include <string>

#include "os/services.h"

// Start-up: a single copy, the Windows family, the cards, then the main
// window.
class CTweakApp {
 public:
  explicit CTweakApp(os::Services& services);
  virtual ~CTweakApp() = default;

  // True when the main window was created and the message loop is to run.
  bool StartUp();

  const std::string& Family() const { return family_; }
  // "startmin" as read at start-up; the window starts hidden when it is "1".
  const std::string& StartMin() const { return startMin_; }

 private:
  os::Services& services_;
  std::string family_;
  std::string startMin_;
};
