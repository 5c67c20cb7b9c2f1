#pragma once

#include <memory>
#include <string>

#include "app/tweak_sheet.h"
#include "os/services.h"
#include "ui/sheet_handler.h"

// Start-up: a single copy, the Windows family, the cards, then the main
// window.
class CTweakApp {
 public:
  CTweakApp(os::Services& services, ui::SheetHost& host);
  virtual ~CTweakApp() = default;

  // True when the main window was created and the message loop is to run.
  bool StartUp();

  const std::string& Family() const { return family_; }
  // The main window's sheet, once start-up created it.
  CTweakSheet* MainWindow() const { return mainWindow_.get(); }

 private:
  os::Services& services_;
  ui::SheetHost& host_;
  std::unique_ptr<CTweakSheet> mainWindow_;
  std::string family_;
};
